#include "Timing.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cmath>

namespace platform {

double timerScale()
{
    static const double scale = [] {
        bool ok = false;
        const double v = qEnvironmentVariable("VELMORA_TIMER_SCALE").toDouble(&ok);
        return (ok && v > 0.0) ? v : 1.0;
    }();
    return scale;
}

int scaledInterval(int ms)
{
    const double scaled = std::round(ms * timerScale());
    return scaled < 1.0 ? 1 : int(scaled);
}

quint32 tickCount()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Offset so the first tick is never 0 (0 means "no previous tick" to callers).
    return quint32(clock.elapsed() + 1);
}

void beep()
{
    QApplication::beep();
}

} // namespace platform
