#include "TcpTransport.h"

#include <QTcpSocket>

namespace kxlink {

namespace {

// How long OpenComPort may wait for the connection to be made.
constexpr int kConnectTimeoutMs = 5000;

} // namespace

TcpTransport::TcpTransport(const QString &host, quint16 port, QObject *parent)
    : Transport(parent), m_host(host), m_port(port)
{
}

TcpTransport::~TcpTransport()
{
    close();
}

bool TcpTransport::open(const LineSettings &)
{
    close();
    m_lost = false;
    m_socket = new QTcpSocket(this);
    m_socket->connectToHost(m_host, m_port);
    if (!m_socket->waitForConnected(kConnectTimeoutMs)) {
        m_error = m_socket->errorString();
        close();
        return false;
    }
    // Frames are small and acknowledged one by one: send each at once.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, [this] {
        if (m_socket && m_socket->bytesAvailable() > 0)
            emit received(m_socket->readAll());
    });
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_socket && m_socket->bytesToWrite() == 0)
            emit drained();
    });
    auto gone = [this] {
        if (!m_lost) {
            m_lost = true;
            emit lost();
        }
    };
    connect(m_socket, &QTcpSocket::disconnected, this, gone, Qt::QueuedConnection);
    connect(m_socket, &QTcpSocket::errorOccurred, this, gone, Qt::QueuedConnection);
    return true;
}

void TcpTransport::close()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        delete m_socket;
        m_socket = nullptr;
    }
}

bool TcpTransport::write(const QByteArray &bytes)
{
    if (!m_socket || m_lost)
        return false;
    return m_socket->write(bytes) == bytes.size();
}

qint64 TcpTransport::pendingBytes() const
{
    return m_socket ? m_socket->bytesToWrite() : 0;
}

} // namespace kxlink
