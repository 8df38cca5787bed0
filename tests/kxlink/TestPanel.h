#pragma once
// The far end of a pseudo-terminal, played by the test: it sees exactly the
// bytes the library writes and writes raw bytes back.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QSocketNotifier;

class TestPanel : public QObject
{
    Q_OBJECT
public:
    TestPanel();
    ~TestPanel() override;

    bool isOpen() const { return m_master >= 0; }
    const QString &devicePath() const { return m_slavePath; }

    void write(const QByteArray &bytes);
    // The far end goes away (the library sees a hung-up terminal).
    void hangUp();

    // Bytes the library wrote that no take... call has consumed yet.
    const QByteArray &pending() const { return m_received; }
    void discard() { m_received.clear(); }

    // Waits for the next frame STX..ETX as it was on the wire; anything in
    // front of it is dropped. Empty on time-out.
    QByteArray takeFrame(int timeoutMs = 3000);
    // Waits for exactly `count` bytes and takes them.
    QByteArray takeBytes(qsizetype count, int timeoutMs = 3000);
    // Milliseconds since the panel was made at which the last byte taken
    // by takeFrame / takeBytes arrived.
    qint64 lastArrival() const { return m_lastArrival; }
    qint64 now() const { return m_clock.elapsed(); }

private:
    void readMaster();
    bool waitFor(const std::function<bool()> &condition, int timeoutMs);

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_received;
    QList<qint64> m_arrival;   // arrival time of each byte in m_received
    QElapsedTimer m_clock;
    qint64 m_lastArrival = 0;
};
