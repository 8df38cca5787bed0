#pragma once
// Requests to the panels: the command record, the log-in, the emulation
// commands, the retrieval requests with their waits and repetitions, and
// the request loops that fetch a whole kind of data item by item.
//
// Command record (one buffer, reused; the library reads it during the call):
//
//     +-------------+--------------+-----+------------------------+
//     | destination | command code |  n  | payload byte 0 .. n-1  |
//     +-------------+--------------+-----+------------------------+
//
// A retrieval request for reply code c has command code c + 128 and goes to
// RequestNode; the log-in (code 1) carries the access code high byte first,
// 0 logs out; emulation commands (code 39) go to TargetNode.
//
// Every wait runs the message loop until a field of the link session says
// that it is over, so replies are decoded, timers expire and the operator's
// commands run while a request waits. AbortFlag ends every wait and every
// loop. docs/requests.md records the bounds on repetition.

#include "LinkSession.h"
#include "LinkView.h"
#include "Pdlldef.h"

#include <QCoreApplication>

#include <array>

// What the sensor configuration decoder leaves for the request loop: from
// host 10 on, a sensor with a virtual sub-address asks for its zone, whose
// reply completes the sensor's virtual address.
struct SensorZoneMark
{
    quint8 VirtualSubAddress = 0; // non-zero: request the zone below
    quint8 Zone = 0;              // the sensor's zone
};

class LinkRequests
{
    Q_DECLARE_TR_FUNCTIONS(LinkRequests)

public:
    static constexpr int MaxLogInRefusals = 5;      // a refused log-in record is sent at most 5 times more
    static constexpr int MaxReplyTimeOutRepeats = 2; // a request is repeated at most twice on reply time-out

    LinkRequests(LinkSession &session, LinkView &view, KxLinkApi &api, SensorZoneMark &zoneMark);

    // The one command record.
    std::array<quint8, 3 + 255> CommandRecord{};

    // Command code c + 128 and the payload of the request for reply code c.
    static QByteArray requestRecord(quint8 node, int c, quint8 p1, quint8 p2, quint8 p3);

    void SendRequest(int c, quint8 p1 = 0, quint8 p2 = 0, quint8 p3 = 0);
    void SendLogIn(int accessCode);
    // Shows the access code dialog and logs in with its code.
    void LogInStep();
    void SendDisplayControl(quint8 value);
    void SendKey(quint8 keyCode);
    // One opening request (37, 6 or 21 with p1 = 0), skipped once AbortFlag is set.
    void OpeningRequest(int c);
    // The abort button: logs out, then raises AbortFlag; only when on line.
    void AbortDataRetreiveButtonClick();

    void WaitWhileAckPending();
    void WaitForReply();

    // The reply time-out timer expired (called by its expiry handler).
    void noteReplyTimeOut() { ++m_replyTimeOuts; }

    // Items whose reply did not come: refused by the library, or still
    // unanswered after the repetitions on reply time-out.
    int missingReplies() const { return m_missingReplies; }
    void resetMissingReplies() { m_missingReplies = 0; }

    // Request loops; each ends with the log-out unless it was aborted.
    // `all...` tells that the selector's item 0 ("All") is chosen.
    void SensorConfigurationLoop(bool allLoops, bool allSensors);
    void SensorValuesLoop(bool allLoops, bool allSensors);
    void ZoneConfigurationLoop() { numberedLoop(8, m_session.FirstZone, m_session.LastZone); }
    void ZoneStatusLoop() { numberedLoop(25, m_session.FirstZone, m_session.LastZone); }
    void AreaConfigurationLoop() { numberedLoop(9, 1, m_session.AreaCount); }
    void AreaStatusLoop() { numberedLoop(26, 1, m_session.AreaCount); }
    void LoopConfigurationLoop() { numberedLoop(10, 1, m_session.LoopCount); }
    void LoopStatusLoop() { numberedLoop(30, 1, m_session.LoopCount); }
    void LogicLoop();
    void InputConfigurationLoop(bool allRange) { rangeLoop(11, m_session.InputCount, allRange, true); }
    void InputStatusLoop(bool allRange) { rangeLoop(31, m_session.InputCount, allRange, true); }
    void OutputConfigurationLoop(bool allRange) { rangeLoop(12, m_session.OutputCount, allRange, false); }
    void OutputStatusLoop(bool allRange) { rangeLoop(34, m_session.OutputCount, allRange, false); }
    void SystemZonesLoop();
    void LonDevicesLoop();
    void PagerLoop();
    void EventsLoop();

private:
    void sensorLoop(int c, bool allLoops, bool allSensors, bool zoneRequests);
    void numberedLoop(int c, int from, int to);
    void rangeLoop(int c, int limit, bool allRange, bool inputs);
    void logOutAtEnd();
    quint8 sendCommand(); // UserCommand with CommandRecord
    void fill(quint8 node, quint8 code, const QByteArray &payload);
    void busyMessage();

    LinkSession &m_session;
    LinkView &m_view;
    KxLinkApi &m_api;
    SensorZoneMark &m_zoneMark;
    int m_replyTimeOuts = 0;
    int m_missingReplies = 0;
};
