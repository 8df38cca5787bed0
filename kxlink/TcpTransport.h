#pragma once
// A TCP connection (serial device servers, the panel simulator): the port map
// names it as tcp://host:port. No modem-status lines.

#include "Transport.h"

class QTcpSocket;

namespace kxlink {

class TcpTransport final : public Transport
{
    Q_OBJECT
public:
    TcpTransport(const QString &host, quint16 port, QObject *parent = nullptr);
    ~TcpTransport() override;

    bool open(const LineSettings &settings) override;
    void close() override;
    bool write(const QByteArray &bytes) override;
    qint64 pendingBytes() const override;

private:
    QString m_host;
    quint16 m_port;
    QTcpSocket *m_socket = nullptr;
    bool m_lost = false;
};

} // namespace kxlink
