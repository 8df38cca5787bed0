#pragma once
// The link session: the one record of link state that the message handlers,
// the request routines, the decoders and the windows share. It is owned by
// the main window and touched only on the GUI thread. Fields change while a
// reader is suspended in a nested wait, so waits read them afresh after
// every message they let through.

#include <QByteArray>

#include <array>
#include <cstdint>

struct LinkSession
{
    // Link and exchange state
    qint32 LinkState = 0;          // 0 idle, 1 waiting for ack, 2 no response, 3 acknowledged, 4 message received
    bool WaitingForAck = false;
    bool OnLine = false;           // CTS as last reported
    bool CarrierUp = false;        // DCD as last reported
    bool AbortFlag = false;        // ends every wait and stops every request loop
    bool RetryFlag = false;        // the request in progress is to be sent again
    bool LoggedOn = false;         // a non-zero log-in was sent and no log-out since
    bool RetrievalStarted = false; // the retrieval has passed its opening requests

    // Connection
    bool AlarmReportingMode = false;
    bool ConnectedByModem = false;
    quintptr MainWindowHandle = 0;
    quint8 NetworkMode = 0;        // 0 "15/15", 1 "7/31", 2 "31/7", 3 "Global panels"
    QByteArray LinkSiteKey = "none";
    quint8 TargetNode = 0;         // panel whose front is emulated
    quint8 RequestNode = 0;        // panel that log-in and retrieval requests go to

    // Received records
    static constexpr int ReceiveBufferSize = 257;
    static constexpr int DisplayBufferSize = 261;
    std::array<quint8, ReceiveBufferSize> ReceiveBuffer{};  // 0 node, 1 code, 2+k payload byte k
    std::array<quint8, DisplayBufferSize> DisplayBuffer{};  // 4 node, 5 code, 6+k payload byte k
    qint32 DisplayLength = 0;                               // payload length + 9

    // Panel description
    qint32 HostVersionMajor = 0;
    qint32 HostVersionMinor = 0;
    quint8 PanelVariant = 0;
    qint32 SensorsPerLoop = 0;
    qint32 LogicCount = 0;
    qint32 InputCount = 0;
    qint32 OutputCount = 0;
    qint32 EventCapacity = 0;
    qint32 LoopCount = 0;
    qint32 FirstZone = 0;
    qint32 LastZone = 0;
    qint32 AreaCount = 0;

    // Retrieval selection (first show sets 1..8, 1..128, 1..1000, 1..65535)
    qint32 LoopFrom = 0;
    qint32 LoopTo = 0;
    qint32 SensorFrom = 0;
    qint32 SensorTo = 0;
    qint32 RangeFrom = 0;
    qint32 RangeTo = 0;
    qint32 SystemZoneFrom = 0;
    qint32 SystemZoneTo = 0;
};
