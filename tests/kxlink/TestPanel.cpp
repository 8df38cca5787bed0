#include "TestPanel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <functional>

TestPanel::TestPanel()
{
    m_clock.start();
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    // Raw from the start, so nothing is echoed before the library opens it.
    struct termios tio;
    ::tcgetattr(m_slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TestPanel::readMaster);
}

TestPanel::~TestPanel()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

void TestPanel::hangUp()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void TestPanel::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR && errno != EAGAIN)
            return;
    }
}

void TestPanel::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        m_received.append(buffer, n);
        const qint64 t = m_clock.elapsed();
        for (ssize_t i = 0; i < n; ++i)
            m_arrival.append(t);
    }
}

bool TestPanel::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QTimer wakeUp;   // ends the last wait at the deadline
    wakeUp.setSingleShot(true);
    wakeUp.start(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

QByteArray TestPanel::takeFrame(int timeoutMs)
{
    qsizetype start = -1;
    qsizetype end = -1;
    const bool found = waitFor([&] {
        start = m_received.indexOf(char(0x02));
        end = start < 0 ? -1 : m_received.indexOf(char(0x03), start);
        return end >= 0;
    }, timeoutMs);
    if (!found)
        return {};
    const QByteArray frame = m_received.mid(start, end - start + 1);
    m_lastArrival = m_arrival[end];
    m_received.remove(0, end + 1);
    m_arrival.remove(0, end + 1);
    return frame;
}

QByteArray TestPanel::takeBytes(qsizetype count, int timeoutMs)
{
    if (!waitFor([&] { return m_received.size() >= count; }, timeoutMs))
        return m_received;
    const QByteArray bytes = m_received.left(count);
    m_lastArrival = count > 0 ? m_arrival[count - 1] : m_clock.elapsed();
    m_received.remove(0, count);
    m_arrival.remove(0, count);
    return bytes;
}
