#pragma once
// The panel end of the link protocol (docs/link-protocol.md): checks the
// frames that arrive, acknowledges every good frame other than an
// acknowledgement at once, suppresses repeated frames, hands commands to the
// panel network and sends its records back as 'R' (reply) and 'U'
// (unsolicited) frames, one at a time (stop and wait), repeating a frame
// that is not acknowledged within the acknowledgement time up to 5 times.
//
// It does no I/O itself: bytes come in through receiveBytes() and leave
// through the sendBytes() signal, one whole frame per emission.

#include "FaultInjector.h"
#include "LinkFrame.h"
#include "PanelNetwork.h"

#include <QHash>
#include <QObject>
#include <QQueue>

#include <optional>

class QTimer;

namespace panelsim {

class LinkEndpoint : public QObject
{
    Q_OBJECT
public:
    // `baud` sets the acknowledgement time (60 ms plus twice the time of
    // 300 bytes at that speed).
    LinkEndpoint(PanelNetwork *network, int baud, const FaultOptions &faults, QObject *parent = nullptr);

    static int ackTimeoutMs(int baud);
    int ackTimeoutMs() const { return m_ackTimeoutMs; }

    // Starts a new session (a new call or connection): forgets everything
    // received and everything not yet sent, and waits to learn the station's
    // node from its first frame before sending records.
    void reset();

    // Queues a record of a panel as an 'R' or 'U' frame to the station.
    void queueRecord(FrameType type, const OutRecord &record);
    // Sends queued records even though no frame of the station has arrived
    // yet, addressed to the station node last known (0 if none).
    void releaseOutput();

    bool stationKnown() const { return m_stationKnown; }
    quint8 stationNode() const { return m_stationNode; }
    int pendingFrames() const { return int(m_queue.size()) + (m_outstanding ? 1 : 0); }

public slots:
    void receiveBytes(const QByteArray &bytes);

signals:
    void sendBytes(const QByteArray &wire);
    // A command delivered to the network (not a duplicate).
    void commandDelivered(quint8 node, quint8 code, const QByteArray &payload);
    // A frame given up after all repetitions.
    void frameAbandoned(const LinkFrame &frame);
    void log(const QString &line);

private:
    void handleWire(const QByteArray &wire);
    void processWire(const QByteArray &wire);
    void processFrame(const LinkFrame &frame);
    void transmit(const LinkFrame &frame);
    void sendNext();
    void onAckTimeout();
    quint8 nextSequence();

    PanelNetwork *m_network = nullptr;
    FaultInjector m_rxFaults;
    FaultInjector m_txFaults;
    bool m_faultsOn = false;
    FrameSplitter m_splitter;
    int m_ackTimeoutMs = 0;
    QTimer *m_ackTimer = nullptr;
    quint64 m_session = 0; // invalidates delayed frames of an earlier session

    QHash<quint8, quint8> m_lastDelivered; // per source node
    QQueue<LinkFrame> m_queue;
    std::optional<LinkFrame> m_outstanding;
    int m_repetitions = 0;
    quint8 m_sequence = 0;
    bool m_stationKnown = false;
    quint8 m_stationNode = 0;
};

} // namespace panelsim
