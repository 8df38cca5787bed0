#pragma once
// Where the simulator meets the station: a pseudo-terminal, a TCP listener
// or a serial device. Each hands on the bytes it reads and writes what it is
// given; none of them looks at the bytes.

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTcpServer;
class QTcpSocket;
class QSerialPort;

namespace panelsim {

class Transport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Transport() override = default;

    virtual bool open(QString *error) = 0;
    virtual void write(const QByteArray &bytes) = 0;
    virtual QString description() const = 0;

signals:
    void received(const QByteArray &bytes);
    void peerConnected();
    void peerDisconnected();
};

// A pseudo-terminal whose slave side is reachable through a symbolic link.
// The simulator keeps a slave descriptor open itself, so that the master
// never sees a hang-up when the station closes and reopens the line.
class PtyTransport : public Transport
{
    Q_OBJECT
public:
    explicit PtyTransport(const QString &linkPath, QObject *parent = nullptr);
    ~PtyTransport() override;

    bool open(QString *error) override;
    void write(const QByteArray &bytes) override;
    QString description() const override;
    QString slavePath() const { return m_slavePath; }

private:
    void onReadable();
    void flush();

    QString m_linkPath;
    QString m_slavePath;
    int m_master = -1;
    int m_slave = -1;
    bool m_linkMade = false;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_pending;
};

// Accepts one TCP connection at a time; further callers wait in the backlog
// until the current one has gone.
class TcpTransport : public Transport
{
    Q_OBJECT
public:
    TcpTransport(const QString &host, quint16 port, QObject *parent = nullptr);

    bool open(QString *error) override;
    void write(const QByteArray &bytes) override;
    QString description() const override;
    quint16 serverPort() const;

private:
    void onNewConnection();

    QString m_host;
    quint16 m_port = 0;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_socket = nullptr;
};

// A real serial device, 8 data bits, no parity, 1 stop bit, no flow control.
class SerialTransport : public Transport
{
    Q_OBJECT
public:
    SerialTransport(const QString &device, int baud, QObject *parent = nullptr);

    bool open(QString *error) override;
    void write(const QByteArray &bytes) override;
    QString description() const override;

private:
    QString m_device;
    int m_baud = 9600;
    QSerialPort *m_port = nullptr;
};

} // namespace panelsim
