#include "LinkEndpoint.h"

#include <QTimer>

#include <cmath>

namespace panelsim {

namespace {
constexpr int kMaxRepetitions = 5;

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}
} // namespace

int LinkEndpoint::ackTimeoutMs(int baud)
{
    if (baud <= 0)
        baud = 9600;
    return 60 + int(std::lround(2.0 * 300.0 * 10.0 * 1000.0 / baud));
}

LinkEndpoint::LinkEndpoint(PanelNetwork *network, int baud, const FaultOptions &faults, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_rxFaults(faults, Direction::Received)
    , m_txFaults(faults, Direction::Sent)
    , m_faultsOn(faults.any())
    , m_ackTimeoutMs(ackTimeoutMs(baud))
    , m_ackTimer(new QTimer(this))
{
    m_ackTimer->setSingleShot(true);
    m_ackTimer->setTimerType(Qt::PreciseTimer);
    connect(m_ackTimer, &QTimer::timeout, this, &LinkEndpoint::onAckTimeout);
}

void LinkEndpoint::reset()
{
    ++m_session;
    m_splitter.reset();
    m_lastDelivered.clear();
    m_queue.clear();
    m_outstanding.reset();
    m_repetitions = 0;
    m_ackTimer->stop();
    m_stationKnown = false;
}

void LinkEndpoint::queueRecord(FrameType type, const OutRecord &record)
{
    LinkFrame frame;
    frame.type = quint8(type);
    frame.so = record.node;
    frame.ms = record.code;
    frame.data = record.payload.left(kMaxPayload);
    m_queue.enqueue(frame);
    sendNext();
}

void LinkEndpoint::releaseOutput()
{
    if (m_stationKnown)
        return;
    m_stationKnown = true;
    sendNext();
}

quint8 LinkEndpoint::nextSequence()
{
    m_sequence = quint8(m_sequence % 127 + 1);
    return m_sequence;
}

void LinkEndpoint::sendNext()
{
    if (m_outstanding || m_queue.isEmpty() || !m_stationKnown)
        return;
    LinkFrame frame = m_queue.dequeue();
    frame.rp = nextSequence();
    frame.de = m_stationNode;
    m_outstanding = frame;
    m_repetitions = 0;
    transmit(frame);
    m_ackTimer->start(m_ackTimeoutMs);
}

void LinkEndpoint::onAckTimeout()
{
    if (!m_outstanding)
        return;
    if (m_repetitions >= kMaxRepetitions) {
        const LinkFrame lost = *m_outstanding;
        m_outstanding.reset();
        emit log(QStringLiteral("no acknowledgement after %1 repetitions, frame given up: %2")
                     .arg(kMaxRepetitions)
                     .arg(describeFrame(lost)));
        emit frameAbandoned(lost);
        sendNext();
        return;
    }
    ++m_repetitions;
    LinkFrame again = *m_outstanding;
    again.rp = quint8(again.seq() | 0x80);
    transmit(again);
    m_ackTimer->start(m_ackTimeoutMs);
}

void LinkEndpoint::transmit(const LinkFrame &frame)
{
    QByteArray wire = encodeFrame(frame);
    emit log(QStringLiteral("tx %1  %2").arg(hex(wire), describeFrame(frame)));
    if (!m_faultsOn) {
        emit sendBytes(wire);
        return;
    }
    const FrameFault fault = m_txFaults.next(int(wire.size()));
    if (fault.drop) {
        emit log(QStringLiteral("tx fault: frame dropped"));
        return;
    }
    if (fault.corrupt) {
        wire = FaultInjector::applyCorruption(wire, fault);
        emit log(QStringLiteral("tx fault: byte %1 corrupted, sent %2").arg(fault.corruptAt).arg(hex(wire)));
    }
    if (fault.delayMs > 0) {
        emit log(QStringLiteral("tx fault: frame delayed by %1 ms").arg(fault.delayMs));
        const quint64 session = m_session;
        QTimer::singleShot(fault.delayMs, Qt::PreciseTimer, this, [this, wire, session] {
            if (session == m_session)
                emit sendBytes(wire);
        });
        return;
    }
    emit sendBytes(wire);
}

void LinkEndpoint::receiveBytes(const QByteArray &bytes)
{
    const QList<QByteArray> frames = m_splitter.feed(bytes);
    for (const QByteArray &wire : frames)
        handleWire(wire);
}

void LinkEndpoint::handleWire(const QByteArray &wire)
{
    if (!m_faultsOn) {
        processWire(wire);
        return;
    }
    const FrameFault fault = m_rxFaults.next(int(wire.size()));
    if (fault.drop) {
        emit log(QStringLiteral("rx fault: frame dropped: %1").arg(hex(wire)));
        return;
    }
    QByteArray seen = wire;
    if (fault.corrupt) {
        seen = FaultInjector::applyCorruption(wire, fault);
        emit log(QStringLiteral("rx fault: byte %1 corrupted: %2").arg(fault.corruptAt).arg(hex(seen)));
    }
    if (fault.delayMs > 0) {
        emit log(QStringLiteral("rx fault: frame delayed by %1 ms").arg(fault.delayMs));
        const quint64 session = m_session;
        QTimer::singleShot(fault.delayMs, Qt::PreciseTimer, this, [this, seen, session] {
            if (session == m_session)
                processWire(seen);
        });
        return;
    }
    processWire(seen);
}

void LinkEndpoint::processWire(const QByteArray &wire)
{
    const DecodeResult decoded = decodeFrame(wire);
    if (!decoded.ok()) {
        emit log(QStringLiteral("rx %1  dropped: %2").arg(hex(wire), frameErrorText(decoded.error)));
        return;
    }
    emit log(QStringLiteral("rx %1  %2").arg(hex(wire), describeFrame(decoded.frame)));
    processFrame(decoded.frame);
}

void LinkEndpoint::processFrame(const LinkFrame &frame)
{
    const FrameType type = FrameType(frame.type);
    if (type == FrameType::Ack) {
        if (m_outstanding && m_outstanding->seq() == frame.seq()) {
            m_outstanding.reset();
            m_ackTimer->stop();
            sendNext();
        }
        return;
    }

    // Acknowledge at once: same sequence without the repeat bit, nodes swapped.
    LinkFrame ack;
    ack.type = quint8(FrameType::Ack);
    ack.rp = frame.seq();
    ack.de = frame.so;
    ack.so = frame.de;
    ack.ms = frame.ms;
    transmit(ack);

    const bool fromStation = type == FrameType::Command || type == FrameType::Init || type == FrameType::Watchdog;
    if (fromStation) {
        m_stationNode = frame.so;
        if (!m_stationKnown) {
            m_stationKnown = true;
            sendNext();
        }
    }

    const auto last = m_lastDelivered.constFind(frame.so);
    if (frame.isRepeat() && last != m_lastDelivered.constEnd() && last.value() == frame.seq()) {
        emit log(QStringLiteral("duplicate of seq %1 from node %2: acknowledged again, not acted on")
                     .arg(frame.seq())
                     .arg(frame.so));
        return;
    }
    m_lastDelivered.insert(frame.so, frame.seq());

    switch (type) {
    case FrameType::Init:
        // Both ends start afresh: forget the numbers remembered so far (the
        // request itself stays remembered, so its repetition is a duplicate).
        m_lastDelivered.clear();
        m_lastDelivered.insert(frame.so, frame.seq());
        break;
    case FrameType::Watchdog:
        break;
    case FrameType::Command: {
        emit commandDelivered(frame.de, frame.ms, frame.data);
        const CommandAnswer answer = m_network->handleCommand(frame.de, frame.ms, frame.data);
        if (!answer.nodeKnown)
            emit log(QStringLiteral("node %1 is not in the network: no answer").arg(frame.de));
        else if (!answer.matched)
            emit log(QStringLiteral("node %1 has no answer for command 0x%2").arg(frame.de).arg(frame.ms, 2, 16, QChar('0')));
        for (const OutRecord &r : answer.replies)
            queueRecord(FrameType::Reply, r);
        for (const OutRecord &r : answer.unsolicited)
            queueRecord(FrameType::Unsolicited, r);
        break;
    }
    default:
        emit log(QStringLiteral("frame type 0x%1 is not sent to panels: ignored").arg(frame.type, 2, 16, QChar('0')));
        break;
    }
}

} // namespace panelsim
