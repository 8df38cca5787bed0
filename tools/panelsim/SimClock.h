#pragma once
// Time for the simulator: a monotonic clock in nanoseconds, a wake-up at an
// exact moment of it, and the timer scale that tests use to shorten the
// modem's guard times, rings and scheduled calls.

#include <QObject>
#include <QtGlobal>

class QSocketNotifier;
class QTimer;

namespace panelsim {

// Nanoseconds of CLOCK_MONOTONIC.
qint64 monotonicNs();

// VELMORA_TIMER_SCALE (a decimal factor, default 1).
double timerScale();
// `ms` scaled by timerScale(), never below 1 ms (0 stays 0).
int scaledMs(qint64 ms);

// A one-shot wake-up at an absolute moment of monotonicNs(), to the
// microsecond: QTimer counts whole milliseconds, which is too coarse to pace
// a 115200 baud line (a byte takes 87 us). On Linux it is a timerfd watched by
// a QSocketNotifier; elsewhere a precise QTimer.
class PreciseWake : public QObject
{
    Q_OBJECT
public:
    explicit PreciseWake(QObject *parent = nullptr);
    ~PreciseWake() override;

    void wakeAt(qint64 deadlineNs);
    void cancel();
    bool isArmed() const { return m_armed; }

signals:
    void woken();

private:
    void onReadable();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_fallback = nullptr;
    bool m_armed = false;
};

} // namespace panelsim
