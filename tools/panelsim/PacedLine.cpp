#include "PacedLine.h"

#include "SimClock.h"

namespace panelsim {

PacedLine::PacedLine(int baud, QObject *parent)
    : QObject(parent)
    , m_baud(baud)
    , m_wake(new PreciseWake(this))
{
    connect(m_wake, &PreciseWake::woken, this, &PacedLine::release);
}

qint64 PacedLine::lineTimeNs(qsizetype bytes) const
{
    if (m_baud <= 0)
        return 0;
    return qint64(bytes) * 10 * 1000000000LL / m_baud;
}

void PacedLine::reset()
{
    m_out.clear();
    m_in.clear();
    m_outBusyUntil = 0;
    m_inBusyUntil = 0;
    m_wake->cancel();
}

void PacedLine::write(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_baud <= 0) {
        emit toTransport(bytes);
        return;
    }
    // What the simulator writes while it handles received bytes is its
    // reaction to them: on the line it may start at the moment those bytes
    // were complete, not only when this process got round to them.
    const qint64 from = m_handlingSince >= 0 ? m_handlingSince : monotonicNs();
    schedule(m_out, m_outBusyUntil, bytes, from);
}

void PacedLine::fromTransport(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (m_baud <= 0) {
        emit toSimulator(bytes);
        return;
    }
    schedule(m_in, m_inBusyUntil, bytes, monotonicNs());
}

void PacedLine::schedule(QQueue<Chunk> &queue, qint64 &busyUntil, const QByteArray &bytes, qint64 from)
{
    // The chunk starts when the line is free and ends one line time later.
    const qint64 start = std::max(from, busyUntil);
    busyUntil = start + lineTimeNs(bytes.size());
    queue.enqueue(Chunk{busyUntil, bytes});
    rearm();
}

void PacedLine::rearm()
{
    qint64 next = -1;
    if (!m_out.isEmpty())
        next = m_out.head().dueNs;
    if (!m_in.isEmpty() && (next < 0 || m_in.head().dueNs < next))
        next = m_in.head().dueNs;
    if (next < 0)
        m_wake->cancel();
    else
        m_wake->wakeAt(next);
}

void PacedLine::release()
{
    const qint64 now = monotonicNs();
    // Hand on everything that is due, oldest first across both directions;
    // a receiver may write in reaction, which only appends to the queues.
    for (;;) {
        const bool outDue = !m_out.isEmpty() && m_out.head().dueNs <= now;
        const bool inDue = !m_in.isEmpty() && m_in.head().dueNs <= now;
        if (!outDue && !inDue)
            break;
        if (outDue && (!inDue || m_out.head().dueNs <= m_in.head().dueNs))
            emit toTransport(m_out.dequeue().bytes);
        else {
            const Chunk chunk = m_in.dequeue();
            m_handlingSince = chunk.dueNs;
            emit toSimulator(chunk.bytes);
            m_handlingSince = -1;
        }
    }
    rearm();
}

} // namespace panelsim
