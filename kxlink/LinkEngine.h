#pragma once
// The link engine: runs on the library's I/O thread and owns the transport,
// the frame parser, the send queue with its acknowledgement timer, the
// watchdog, the duplicate filter and the Hayes modem dialogue. The C
// functions hand their work to it by queued invocation; it reports to the
// program only through LinkShared::post.
//
// Line modes:
//   Direct   no modem command has been used since the port opened: the line
//            carries frames, DCD is reported active.
//   Command  the modem is in command mode: received bytes are split into
//            text lines; no frames go out.
//   Data     a modem call is up ("CONNECT"): frames again; a "NO CARRIER"
//            line between frames ends the call.

#include "FrameCodec.h"
#include "Transport.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <deque>

class QTimer;

namespace kxlink {

class LinkShared;

class LinkEngine final : public QObject
{
    Q_OBJECT
public:
    explicit LinkEngine(LinkShared *shared, QObject *parent = nullptr);
    ~LinkEngine() override;

    void setOwnNode(quint8 networkMode, quint8 ownNode);
    bool openPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity);
    void closePort();
    // An admitted command record: node, code, length n, n payload bytes.
    void queueCommand(const QByteArray &record);
    void sendInitializationRequest();
    void setWatchdogsEnabled(bool enabled);
    void checkForModem();
    void sendToModem(const QByteArray &text);
    void setEscapeSequence(const QByteArray &text) { m_escapeSequence = text; }
    void setHangUpCommand(const QByteArray &text) { m_hangUpCommand = text; }
    void hangUp();
    void dialBack(const QByteArray &number);

    // Acknowledgement time for a line speed: 60 ms plus twice the time of
    // 300 bytes of 10 bits.
    static int ackTimeMs(quint32 baudRate);

private:
    enum class LineMode { Direct, Command, Data };
    enum class HangUpStage { None, GuardBefore, GuardAfter, AwaitingAnswer };
    enum Signal { TX, RX, CTS, DCD, DSR, RI, SignalCount };

    struct Outgoing
    {
        quint8 type = 0;
        quint8 de = 0;
        quint8 ms = 0;
        QByteArray payload;
    };

    // Frames.
    bool framesAllowed() const;
    void enqueue(Outgoing frame);
    void sendNext();
    void transmitOutstanding();
    void sendFrame(const FrameHeader &header, const quint8 *payload, int payloadLength);
    void ackTimedOut();
    void finishOutstanding();
    void failPendingFrames();
    void frameReceived();

    // Bytes.
    void bytesReceived(const QByteArray &bytes);
    void writeRaw(const QByteArray &bytes);
    void transportDrained();
    void transportLost();
    void shutdownPort(bool lost);

    // Modem.
    void enterCommandMode();
    void lineByte(quint8 byte, bool dataMode);
    void handleLine(const QByteArray &line, bool dataMode);
    void modemCheckTimedOut();
    void hangUpTimerFired();
    void writeModemLine(const QByteArray &text);
    void sendDialCommand();

    // Watchdog.
    void armWatchdog();
    void watchdogFired();

    // Line signals.
    void updateSignals(bool force = false);
    void setActivity(Signal which, bool active);
    void postShortText(quint32 message, const QByteArray &text);

    LinkShared *m_shared;
    Transport *m_transport = nullptr;
    quint64 m_generation = 0;
    quint32 m_portNumber = 0;
    quint8 m_ownNode = 7;
    quint8 m_networkMode = 0;

    FrameParser m_parser;
    std::deque<Outgoing> m_queue;
    bool m_hasOutstanding = false;
    Outgoing m_outstanding;
    quint8 m_outstandingSeq = 0;
    int m_repetitions = 0;
    quint8 m_nextSeq = 1;
    int m_ackTimeMs = 685;
    QTimer *m_ackTimer;
    std::array<quint8, 256> m_lastDelivered{};   // 0: nothing delivered yet
    QByteArray m_wire;
    QByteArray m_plain;

    bool m_watchdogsEnabled = false;
    bool m_linkDead = false;
    QTimer *m_watchdogTimer;
    QElapsedTimer m_lastSend;

    LineMode m_lineMode = LineMode::Direct;
    bool m_carrier = false;
    bool m_ring = false;
    QByteArray m_lineBuffer;
    bool m_modemCheckPending = false;
    QTimer *m_modemCheckTimer;
    HangUpStage m_hangUpStage = HangUpStage::None;
    QTimer *m_hangUpTimer;
    bool m_dialBackPending = false;
    QByteArray m_dialBackNumber;
    QTimer *m_connectTimer;
    QByteArray m_escapeSequence = "+++";
    QByteArray m_hangUpCommand = "ATH0";

    std::array<bool, SignalCount> m_signals{};
    std::array<bool, SignalCount> m_reported{};
    bool m_activity[2] = {false, false};
};

} // namespace kxlink
