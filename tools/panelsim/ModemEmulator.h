#pragma once
// A Hayes modem on the station's side of the telephone line.
//
// Command mode: the station's lines (ended by CR, LF or CR LF) are echoed as
// a line and answered: "AT..." -> "OK" (S0=n in any such line sets
// auto-answer after n rings), "ATD[T|P]number" -> "CONNECT 9600" for a number
// of the scenario, "BUSY" for one of its busy numbers, "NO CARRIER"
// otherwise; "ATH"/"ATH0" -> "OK" (and "NO CARRIER" when a call was up);
// "ATA" answers a ringing call; "ATO" returns to a call that is still up.
//
// Data mode: everything passes to the link. The escape "+++" with a guard
// time of silence before and after returns to command mode with "OK"; the
// call stays up until "ATH0".
//
// Incoming calls ring ("RING" every 2 s, at most 5 times) at their time from
// start(); with auto-answer on they are answered with "CONNECT 9600", and the
// calling panel hangs up after its hangup time ("NO CARRIER"). Guard time,
// ring interval and the call times are scaled by VELMORA_TIMER_SCALE.

#include "Scenario.h"

#include <QByteArray>
#include <QObject>
#include <QQueue>

#include <optional>

class QTimer;

namespace panelsim {

class ModemEmulator : public QObject
{
    Q_OBJECT
public:
    ModemEmulator(const QStringList &numbers, const QStringList &busyNumbers, const QList<CallSpec> &calls,
                  QObject *parent = nullptr);

    static constexpr int kGuardMs = 1000;
    static constexpr int kRingIntervalMs = 2000;
    static constexpr int kMaxRings = 5;

    // Starts the clock of the incoming calls.
    void start();

    bool callUp() const { return m_callUp; }
    bool dataMode() const { return m_dataMode; }
    int autoAnswerRings() const { return m_autoAnswer; }

    // The station's line dropped (a TCP peer went away): the call ends
    // without a result line, since nobody is there to read it.
    void lineLost();

public slots:
    void receive(const QByteArray &bytes);   // from the station
    void sendData(const QByteArray &bytes);  // from the panels, passed on in data mode only

signals:
    void toStation(const QByteArray &bytes);
    void dataToLink(const QByteArray &bytes);
    // A call came up: `incoming` is set with the calling panel's call.
    void callConnected(const std::optional<panelsim::CallSpec> &incoming);
    void callEnded();
    void log(const QString &line);

private:
    void handleCommandBytes(const QByteArray &bytes);
    void handleLine(const QString &line);
    void handleDataBytes(const QByteArray &bytes);
    void answerLine(const QByteArray &text);
    void connectCall(const std::optional<CallSpec> &incoming);
    void endCall(bool announce);
    void callDue(int index);
    void startNextRinging();
    void ring();
    void escapeConfirmed();

    QStringList m_numbers;
    QStringList m_busyNumbers;
    QList<CallSpec> m_calls;

    QByteArray m_lineBuffer;
    bool m_callUp = false;
    bool m_dataMode = false;
    int m_autoAnswer = 0;

    // escape detection
    qint64 m_lastRxNs = 0;
    int m_plusCount = 0;
    QTimer *m_escapeTimer = nullptr;

    // incoming calls
    QQueue<int> m_dueCalls;
    std::optional<int> m_ringingCall;
    int m_rings = 0;
    QTimer *m_ringTimer = nullptr;
    QTimer *m_hangupTimer = nullptr;
};

} // namespace panelsim
