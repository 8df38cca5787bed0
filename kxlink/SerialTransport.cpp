#include "SerialTransport.h"

#include <QSerialPort>
#include <QTimer>

namespace kxlink {

namespace {

constexpr int kModemLinePollMs = 100;

} // namespace

SerialTransport::SerialTransport(const QString &device, QObject *parent) : Transport(parent), m_device(device) {}

SerialTransport::~SerialTransport()
{
    close();
}

bool SerialTransport::open(const LineSettings &settings)
{
    close();
    m_lost = false;
    m_port = new QSerialPort(m_device, this);
    const auto dataBits = QSerialPort::DataBits(settings.dataBits);
    const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
                                            QSerialPort::MarkParity, QSerialPort::SpaceParity};
    const bool ok = m_port->open(QIODevice::ReadWrite)
        && m_port->setBaudRate(settings.baudRate)
        && m_port->setDataBits(dataBits)
        && m_port->setParity(parities[qBound(0, settings.parity, 4)])
        && m_port->setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
        && m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        m_error = m_port->errorString();
        close();
        return false;
    }
    connect(m_port, &QSerialPort::readyRead, this, [this] {
        if (m_port && m_port->bytesAvailable() > 0)
            emit received(m_port->readAll());
    });
    connect(m_port, &QSerialPort::bytesWritten, this, [this] {
        if (m_port && m_port->bytesToWrite() == 0)
            emit drained();
    });
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError || error == QSerialPort::PermissionError) {
            if (!m_lost) {
                m_lost = true;
                if (m_pollTimer)
                    m_pollTimer->stop();
                emit lost();
            }
        }
    });
    m_pollTimer = new QTimer(this);
    m_pollTimer->setInterval(kModemLinePollMs);
    connect(m_pollTimer, &QTimer::timeout, this, &SerialTransport::pollModemLines);
    m_pollTimer->start();
    pollModemLines();
    return true;
}

void SerialTransport::close()
{
    delete m_pollTimer;
    m_pollTimer = nullptr;
    if (m_port) {
        m_port->disconnect(this);
        m_port->close();
        delete m_port;
        m_port = nullptr;
    }
    m_lines = ModemLines{};
}

bool SerialTransport::write(const QByteArray &bytes)
{
    if (!m_port || m_lost)
        return false;
    return m_port->write(bytes) == bytes.size();
}

qint64 SerialTransport::pendingBytes() const
{
    return m_port ? m_port->bytesToWrite() : 0;
}

void SerialTransport::pollModemLines()
{
    if (!m_port || m_lost)
        return;
    const QSerialPort::PinoutSignals pins = m_port->pinoutSignals();
    const ModemLines lines{
        pins.testFlag(QSerialPort::ClearToSendSignal),
        pins.testFlag(QSerialPort::DataCarrierDetectSignal),
        pins.testFlag(QSerialPort::DataSetReadySignal),
        pins.testFlag(QSerialPort::RingIndicatorSignal),
    };
    if (lines != m_lines) {
        m_lines = lines;
        emit modemLinesChanged();
    }
}

} // namespace kxlink
