#pragma once
// A real serial port through QSerialPort. The modem-status lines (CTS, DCD,
// DSR, RI) are polled every 100 ms, since the port does not signal changes.

#include "Transport.h"

class QSerialPort;
class QTimer;

namespace kxlink {

class SerialTransport final : public Transport
{
    Q_OBJECT
public:
    explicit SerialTransport(const QString &device, QObject *parent = nullptr);
    ~SerialTransport() override;

    bool open(const LineSettings &settings) override;
    void close() override;
    bool write(const QByteArray &bytes) override;
    qint64 pendingBytes() const override;

    bool hasModemLines() const override { return true; }
    ModemLines modemLines() const override { return m_lines; }

private:
    void pollModemLines();

    QString m_device;
    QSerialPort *m_port = nullptr;
    QTimer *m_pollTimer = nullptr;
    ModemLines m_lines;
    bool m_lost = false;
};

} // namespace kxlink
