#include "Transport.h"

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace panelsim {

// ---------------------------------------------------------------- pty

PtyTransport::PtyTransport(const QString &linkPath, QObject *parent)
    : Transport(parent)
    , m_linkPath(linkPath)
{
}

PtyTransport::~PtyTransport()
{
    if (m_linkMade) {
        // Remove the link only while it still leads to our terminal.
        const QFileInfo info(m_linkPath);
        if (info.isSymLink() && info.symLinkTarget() == m_slavePath)
            QFile::remove(m_linkPath);
    }
    delete m_readNotifier;
    delete m_writeNotifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyTransport::open(QString *error)
{
    const auto failWith = [&](const QString &what) {
        *error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return failWith(QStringLiteral("cannot open a pseudo-terminal"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return failWith(QStringLiteral("cannot unlock the pseudo-terminal"));
    const char *name = ptsname(m_master);
    if (!name)
        return failWith(QStringLiteral("cannot name the pseudo-terminal"));
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0)
        return failWith(QStringLiteral("cannot open %1").arg(m_slavePath));
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return failWith(QStringLiteral("cannot read the terminal settings"));
    cfmakeraw(&tio);
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return failWith(QStringLiteral("cannot set raw mode"));
    const int flags = fcntl(m_master, F_GETFL);
    fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    fcntl(m_slave, F_SETFD, FD_CLOEXEC);

    const QFileInfo existing(m_linkPath);
    if (existing.isSymLink()) {
        QFile::remove(m_linkPath);
    } else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(m_linkPath);
        return false;
    }
    if (::symlink(name, QFile::encodeName(m_linkPath).constData()) != 0)
        return failWith(QStringLiteral("cannot make the link %1").arg(m_linkPath));
    m_linkMade = true;

    m_readNotifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyTransport::onReadable);
    m_writeNotifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyTransport::flush);
    return true;
}

QString PtyTransport::description() const
{
    return QStringLiteral("pseudo-terminal %1 (link %2)").arg(m_slavePath, m_linkPath);
}

void PtyTransport::onReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            emit received(QByteArray(buffer, qsizetype(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: all read; EIO cannot happen while our slave is open
    }
}

void PtyTransport::write(const QByteArray &bytes)
{
    m_pending.append(bytes);
    // Nobody reads the line: keep the newest bytes only, as a full line
    // buffer would.
    constexpr qsizetype kMaxPending = 65536;
    if (m_pending.size() > kMaxPending)
        m_pending.remove(0, m_pending.size() - kMaxPending);
    flush();
}

void PtyTransport::flush()
{
    while (!m_pending.isEmpty()) {
        const ssize_t n = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (n > 0) {
            m_pending.remove(0, qsizetype(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    m_writeNotifier->setEnabled(!m_pending.isEmpty());
}

// ---------------------------------------------------------------- tcp

TcpTransport::TcpTransport(const QString &host, quint16 port, QObject *parent)
    : Transport(parent)
    , m_host(host)
    , m_port(port)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &TcpTransport::onNewConnection);
}

bool TcpTransport::open(QString *error)
{
    QHostAddress address;
    if (m_host.isEmpty() || m_host == QStringLiteral("*"))
        address = QHostAddress::Any;
    else if (m_host == QStringLiteral("localhost"))
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(m_host)) {
        *error = QStringLiteral("%1 is not an IP address").arg(m_host);
        return false;
    }
    if (!m_server->listen(address, m_port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(m_host).arg(m_port).arg(m_server->errorString());
        return false;
    }
    return true;
}

quint16 TcpTransport::serverPort() const
{
    return m_server->serverPort();
}

QString TcpTransport::description() const
{
    return QStringLiteral("TCP %1:%2").arg(m_host).arg(serverPort());
}

void TcpTransport::onNewConnection()
{
    if (m_socket)
        return; // one at a time: the next caller is taken when this one has gone
    m_socket = m_server->nextPendingConnection();
    if (!m_socket)
        return;
    m_server->pauseAccepting();
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, [this] {
        if (m_socket)
            emit received(m_socket->readAll());
    });
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        QTcpSocket *gone = m_socket;
        m_socket = nullptr;
        gone->deleteLater();
        emit peerDisconnected();
        m_server->resumeAccepting();
        if (m_server->hasPendingConnections())
            onNewConnection();
    });
    emit peerConnected();
}

void TcpTransport::write(const QByteArray &bytes)
{
    if (m_socket)
        m_socket->write(bytes);
}

// ---------------------------------------------------------------- serial

SerialTransport::SerialTransport(const QString &device, int baud, QObject *parent)
    : Transport(parent)
    , m_device(device)
    , m_baud(baud > 0 ? baud : 9600)
    , m_port(new QSerialPort(this))
{
}

bool SerialTransport::open(QString *error)
{
    m_port->setPortName(m_device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open %1: %2").arg(m_device, m_port->errorString());
        return false;
    }
    m_port->setBaudRate(m_baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    connect(m_port, &QSerialPort::readyRead, this, [this] { emit received(m_port->readAll()); });
    return true;
}

void SerialTransport::write(const QByteArray &bytes)
{
    m_port->write(bytes);
}

QString SerialTransport::description() const
{
    return QStringLiteral("serial device %1 at %2 baud").arg(m_device).arg(m_baud);
}

} // namespace panelsim
