#pragma once
// The byte channel under the link: a serial port, a TCP connection or a
// terminal device opened directly (pseudo-terminals). The engine talks to
// one Transport and never asks which kind it has, except for the modem-status
// lines that only a real serial port carries.
//
// A transport lives on the library's I/O thread. It reports received bytes,
// the end of a write (its output buffer drained) and the loss of the channel
// (device gone, peer closed) through signals.

#include <QByteArray>
#include <QObject>
#include <QString>

namespace kxlink {

struct LineSettings
{
    qint32 baudRate = 9600;
    int dataBits = 8;   // 5..8
    int stopBits = 1;   // 1 or 2
    int parity = 0;     // 0 None, 1 Odd, 2 Even, 3 Mark, 4 Space
};

// Modem-status lines of a real serial port.
struct ModemLines
{
    bool cts = false;
    bool dcd = false;
    bool dsr = false;
    bool ri = false;
    bool operator==(const ModemLines &) const = default;
};

class Transport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Transport() override = default;

    // Opens the channel; false (with errorText()) when it cannot be opened.
    virtual bool open(const LineSettings &settings) = 0;
    // Closes the channel; no signal is emitted afterwards. Safe to repeat.
    virtual void close() = 0;
    // Queues all bytes for writing. False when the channel is gone.
    virtual bool write(const QByteArray &bytes) = 0;
    // Bytes accepted by write() that have not reached the device yet.
    virtual qint64 pendingBytes() const = 0;

    virtual bool hasModemLines() const { return false; }
    virtual ModemLines modemLines() const { return {}; }

    const QString &errorText() const { return m_error; }

signals:
    void received(const QByteArray &bytes);
    void drained();
    void lost();
    void modemLinesChanged();

protected:
    QString m_error;
};

} // namespace kxlink
