#include "TtyTransport.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace kxlink {

namespace {

speed_t speedConstant(qint32 baud)
{
    switch (baud) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    default: return B0;
    }
}

} // namespace

TtyTransport::TtyTransport(const QString &path, QObject *parent) : Transport(parent), m_path(path) {}

TtyTransport::~TtyTransport()
{
    close();
}

bool TtyTransport::isPseudoTerminal(const QString &path)
{
    struct stat st;
    if (::stat(path.toLocal8Bit().constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    // Unix98 pseudo-terminal slaves use majors 136 to 143.
    const unsigned int maj = major(st.st_rdev);
    return maj >= 136 && maj <= 143;
}

bool TtyTransport::open(const LineSettings &settings)
{
    close();
    m_failed = false;
    const QByteArray path = m_path.toLocal8Bit();
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }

    struct termios tio;
    if (::tcgetattr(fd, &tio) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    switch (settings.dataBits) {
    case 5: tio.c_cflag |= CS5; break;
    case 6: tio.c_cflag |= CS6; break;
    case 7: tio.c_cflag |= CS7; break;
    default: tio.c_cflag |= CS8; break;
    }
    switch (settings.parity) {
    case 1: tio.c_cflag |= PARENB | PARODD; break;
    case 2: tio.c_cflag |= PARENB; break;
    case 3: tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case 4: tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = speedConstant(settings.baudRate);
    if (speed != B0)
        ::cfsetspeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }

    m_fd = fd;
    m_readNotifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TtyTransport::readAvailable);
    m_writeNotifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &TtyTransport::writeAvailable);
    return true;
}

void TtyTransport::close()
{
    delete m_readNotifier;
    m_readNotifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_pending.clear();
}

void TtyTransport::fail()
{
    // Stop watching a device that has gone (a hung-up pseudo-terminal keeps
    // reporting itself readable); the engine closes us on lost().
    if (m_failed)
        return;
    m_failed = true;
    if (m_readNotifier)
        m_readNotifier->setEnabled(false);
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
    emit lost();
}

void TtyTransport::readAvailable()
{
    if (m_fd < 0 || m_failed)
        return;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            emit received(QByteArray(buffer, qsizetype(n)));
            // The receiver may have closed us while handling the bytes.
            if (m_fd < 0 || m_failed || size_t(n) < sizeof buffer)
                return;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // 0: the other side hung up; EIO: the same on a pseudo-terminal.
        fail();
        return;
    }
}

bool TtyTransport::write(const QByteArray &bytes)
{
    if (m_fd < 0 || m_failed)
        return false;
    if (!m_pending.isEmpty()) {
        m_pending.append(bytes);
        return true;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n >= 0) {
            done += n;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            break;
        // Report the loss from the event loop, not from inside the caller's write.
        QMetaObject::invokeMethod(this, &TtyTransport::fail, Qt::QueuedConnection);
        return false;
    }
    if (done < bytes.size()) {
        m_pending = bytes.mid(done);
        m_writeNotifier->setEnabled(true);
    }
    return true;
}

void TtyTransport::writeAvailable()
{
    if (m_fd < 0 || m_failed)
        return;
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_fd, m_pending.constData(), size_t(m_pending.size()));
        if (n >= 0) {
            m_pending.remove(0, n);
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return;
        fail();
        return;
    }
    m_writeNotifier->setEnabled(false);
    emit drained();
}

} // namespace kxlink
