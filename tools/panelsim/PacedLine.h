#pragma once
// The line between the station and the panels at a given speed. Both
// directions are paced as a real line of that speed (10 bits a byte): what
// the simulator writes is handed to the transport when its last byte would
// have left, and what arrives is handed on when its last byte could have
// arrived, each direction carrying one chunk after the other. The schedule
// is kept in exact line time, so late wake-ups do not add up. Speed 0: no
// pacing, everything passes at once.

#include <QByteArray>
#include <QObject>
#include <QQueue>

namespace panelsim {

class PreciseWake;

class PacedLine : public QObject
{
    Q_OBJECT
public:
    explicit PacedLine(int baud, QObject *parent = nullptr);

    int baud() const { return m_baud; }
    // Line time of `bytes` bytes in nanoseconds.
    qint64 lineTimeNs(qsizetype bytes) const;

    void reset();

public slots:
    void write(const QByteArray &bytes);         // simulator -> line
    void fromTransport(const QByteArray &bytes); // line -> simulator

signals:
    void toTransport(const QByteArray &bytes);
    void toSimulator(const QByteArray &bytes);

private:
    struct Chunk
    {
        qint64 dueNs = 0;
        QByteArray bytes;
    };
    void schedule(QQueue<Chunk> &queue, qint64 &busyUntil, const QByteArray &bytes, qint64 from);
    void release();
    void rearm();

    int m_baud = 0;
    PreciseWake *m_wake = nullptr;
    QQueue<Chunk> m_out;
    QQueue<Chunk> m_in;
    qint64 m_outBusyUntil = 0;
    qint64 m_inBusyUntil = 0;
    qint64 m_handlingSince = -1; // due time of the received chunk being handed on
};

} // namespace panelsim
