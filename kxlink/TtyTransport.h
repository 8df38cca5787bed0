#pragma once
// A terminal device opened with POSIX calls and watched with socket
// notifiers: used for pseudo-terminals (which have no modem-status lines and
// which QSerialPort does not handle reliably). The device is put in raw mode.

#include "Transport.h"

class QSocketNotifier;

namespace kxlink {

class TtyTransport final : public Transport
{
    Q_OBJECT
public:
    explicit TtyTransport(const QString &path, QObject *parent = nullptr);
    ~TtyTransport() override;

    bool open(const LineSettings &settings) override;
    void close() override;
    bool write(const QByteArray &bytes) override;
    qint64 pendingBytes() const override { return m_pending.size(); }

    // True when `path` names a pseudo-terminal (symbolic links followed).
    static bool isPseudoTerminal(const QString &path);

private:
    void readAvailable();
    void writeAvailable();
    void fail();

    QString m_path;
    int m_fd = -1;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_pending;
    bool m_failed = false;
};

} // namespace kxlink
