#include "SimClock.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cmath>
#include <ctime>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace panelsim {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double timerScale()
{
    static const double scale = [] {
        bool ok = false;
        const double v = qEnvironmentVariable("VELMORA_TIMER_SCALE").toDouble(&ok);
        return (ok && v > 0.0) ? v : 1.0;
    }();
    return scale;
}

int scaledMs(qint64 ms)
{
    if (ms <= 0)
        return 0;
    const double scaled = std::round(double(ms) * timerScale());
    if (scaled < 1.0)
        return 1;
    return scaled > 2e9 ? 2000000000 : int(scaled);
}

PreciseWake::PreciseWake(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_LINUX
    m_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &PreciseWake::onReadable);
        return;
    }
#endif
    m_fallback = new QTimer(this);
    m_fallback->setSingleShot(true);
    m_fallback->setTimerType(Qt::PreciseTimer);
    connect(m_fallback, &QTimer::timeout, this, [this] {
        m_armed = false;
        emit woken();
    });
}

PreciseWake::~PreciseWake()
{
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        delete m_notifier;
        ::close(m_fd);
    }
#endif
}

void PreciseWake::wakeAt(qint64 deadlineNs)
{
    m_armed = true;
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        // An absolute time of 0 would disarm the timer: wake at once instead.
        const qint64 at = std::max<qint64>(deadlineNs, 1);
        itimerspec wake{};
        wake.it_value.tv_sec = time_t(at / 1000000000LL);
        wake.it_value.tv_nsec = long(at % 1000000000LL);
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &wake, nullptr);
        return;
    }
#endif
    const qint64 waitNs = deadlineNs - monotonicNs();
    m_fallback->start(waitNs <= 0 ? 0 : int((waitNs + 999999) / 1000000));
}

void PreciseWake::cancel()
{
    m_armed = false;
#ifdef Q_OS_LINUX
    if (m_fd >= 0) {
        itimerspec wake{};
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &wake, nullptr);
        quint64 expirations = 0;
        [[maybe_unused]] const ssize_t n = ::read(m_fd, &expirations, sizeof expirations);
        return;
    }
#endif
    m_fallback->stop();
}

void PreciseWake::onReadable()
{
#ifdef Q_OS_LINUX
    quint64 expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) != ssize_t(sizeof expirations))
        return;
#endif
    if (!m_armed)
        return;
    m_armed = false;
    emit woken();
}

} // namespace panelsim
