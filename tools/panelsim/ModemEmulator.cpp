#include "ModemEmulator.h"

#include "SimClock.h"

#include <QRegularExpression>
#include <QTimer>

namespace panelsim {

namespace {
// A little under the guard time is accepted, so that the station's own
// timer rounding does not turn its escape into data.
constexpr double kGuardTolerance = 0.9;

qint64 guardNs()
{
    return qint64(scaledMs(ModemEmulator::kGuardMs)) * 1000000LL;
}
} // namespace

ModemEmulator::ModemEmulator(const QStringList &numbers, const QStringList &busyNumbers, const QList<CallSpec> &calls,
                             QObject *parent)
    : QObject(parent)
    , m_numbers(numbers)
    , m_busyNumbers(busyNumbers)
    , m_calls(calls)
    , m_escapeTimer(new QTimer(this))
    , m_ringTimer(new QTimer(this))
    , m_hangupTimer(new QTimer(this))
{
    m_escapeTimer->setSingleShot(true);
    m_escapeTimer->setTimerType(Qt::PreciseTimer);
    connect(m_escapeTimer, &QTimer::timeout, this, &ModemEmulator::escapeConfirmed);
    m_ringTimer->setSingleShot(true);
    connect(m_ringTimer, &QTimer::timeout, this, &ModemEmulator::ring);
    m_hangupTimer->setSingleShot(true);
    connect(m_hangupTimer, &QTimer::timeout, this, [this] {
        emit log(QStringLiteral("the calling panel hangs up"));
        endCall(true);
    });
}

void ModemEmulator::start()
{
    for (int i = 0; i < m_calls.size(); ++i) {
        QTimer::singleShot(scaledMs(m_calls.at(i).atMs), this, [this, i] { callDue(i); });
    }
}

void ModemEmulator::answerLine(const QByteArray &text)
{
    emit log(QStringLiteral("modem -> %1").arg(QString::fromLatin1(text)));
    emit toStation(text + "\r\n");
}

void ModemEmulator::receive(const QByteArray &bytes)
{
    if (m_dataMode)
        handleDataBytes(bytes);
    else
        handleCommandBytes(bytes);
}

void ModemEmulator::sendData(const QByteArray &bytes)
{
    if (m_dataMode)
        emit toStation(bytes);
}

void ModemEmulator::handleCommandBytes(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            const QByteArray line = m_lineBuffer;
            m_lineBuffer.clear();
            if (!line.trimmed().isEmpty())
                handleLine(QString::fromLatin1(line));
            if (m_dataMode) {
                // The command connected a call: the rest is data.
                handleDataBytes(bytes.mid(i + 1));
                return;
            }
        } else if (m_lineBuffer.size() < 1024) {
            m_lineBuffer.append(c);
        }
    }
}

void ModemEmulator::handleLine(const QString &rawLine)
{
    const QString line = rawLine.trimmed();
    emit log(QStringLiteral("modem <- %1").arg(line));
    answerLine(line.toLatin1()); // echo
    const QString upper = line.toUpper();
    if (!upper.startsWith(QStringLiteral("AT"))) {
        answerLine("ERROR");
        return;
    }
    const QString command = upper.mid(2);

    if (command.startsWith(QChar('D'))) {
        if (m_callUp) {
            answerLine("ERROR");
            return;
        }
        QString number = command.mid(1);
        if (number.startsWith(QChar('T')) || number.startsWith(QChar('P')))
            number = number.mid(1);
        number = normalisedNumber(number);
        if (!number.isEmpty() && m_busyNumbers.contains(number)) {
            emit log(QStringLiteral("modem: %1 is busy").arg(number));
            answerLine("BUSY");
        } else if (!number.isEmpty() && m_numbers.contains(number)) {
            connectCall(std::nullopt);
        } else {
            emit log(QStringLiteral("modem: nobody answers %1").arg(number));
            answerLine("NO CARRIER");
        }
        return;
    }
    if (command == QStringLiteral("H") || command == QStringLiteral("H0")) {
        answerLine("OK");
        if (m_callUp)
            endCall(true);
        return;
    }
    if (command == QStringLiteral("A")) {
        if (m_ringingCall) {
            const int index = *m_ringingCall;
            m_ringingCall.reset();
            m_ringTimer->stop();
            connectCall(m_calls.at(index));
        } else {
            answerLine("NO CARRIER");
        }
        return;
    }
    if (command == QStringLiteral("O") || command == QStringLiteral("O0")) {
        if (m_callUp) {
            m_dataMode = true;
            m_plusCount = 0;
            m_lastRxNs = monotonicNs();
            answerLine("CONNECT 9600");
        } else {
            answerLine("NO CARRIER");
        }
        return;
    }
    static const QRegularExpression autoAnswer(QStringLiteral("S0=(\\d+)"));
    QRegularExpressionMatchIterator it = autoAnswer.globalMatch(command);
    while (it.hasNext()) {
        const int rings = it.next().captured(1).left(3).toInt();
        m_autoAnswer = rings;
        emit log(QStringLiteral("modem: auto-answer after %1 rings").arg(rings));
    }
    answerLine("OK");
    if (m_autoAnswer > 0 && m_ringingCall && m_rings >= m_autoAnswer) {
        const int index = *m_ringingCall;
        m_ringingCall.reset();
        m_ringTimer->stop();
        connectCall(m_calls.at(index));
    }
}

void ModemEmulator::handleDataBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const qint64 now = monotonicNs();
    const bool silentBefore = now - m_lastRxNs >= qint64(kGuardTolerance * double(guardNs()));
    m_lastRxNs = now;

    // Look for exactly "+++" framed by silence; any other byte cancels it.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '+' && m_plusCount < 3 && (m_plusCount > 0 || (i == 0 && silentBefore)))
            ++m_plusCount;
        else
            m_plusCount = 0;
    }
    m_escapeTimer->stop();
    if (m_plusCount == 3)
        m_escapeTimer->start(int(kGuardTolerance * double(scaledMs(kGuardMs))));

    emit dataToLink(bytes);
}

void ModemEmulator::escapeConfirmed()
{
    if (!m_dataMode || m_plusCount != 3)
        return;
    m_plusCount = 0;
    m_dataMode = false;
    m_lineBuffer.clear();
    emit log(QStringLiteral("modem: escape, command mode (call still up)"));
    answerLine("OK");
}

void ModemEmulator::connectCall(const std::optional<CallSpec> &incoming)
{
    m_callUp = true;
    m_dataMode = true;
    m_plusCount = 0;
    m_lastRxNs = monotonicNs();
    m_lineBuffer.clear();
    emit log(incoming ? QStringLiteral("modem: incoming call answered") : QStringLiteral("modem: call connected"));
    answerLine("CONNECT 9600");
    emit callConnected(incoming);
    if (incoming && incoming->hangupAfterMs > 0)
        m_hangupTimer->start(scaledMs(incoming->hangupAfterMs));
}

void ModemEmulator::endCall(bool announce)
{
    const bool wasUp = m_callUp;
    m_callUp = false;
    m_dataMode = false;
    m_plusCount = 0;
    m_escapeTimer->stop();
    m_hangupTimer->stop();
    m_lineBuffer.clear();
    if (announce)
        answerLine("NO CARRIER");
    if (wasUp)
        emit callEnded();
    startNextRinging();
}

void ModemEmulator::lineLost()
{
    m_ringTimer->stop();
    m_ringingCall.reset();
    if (m_callUp)
        endCall(false);
    m_lineBuffer.clear();
}

void ModemEmulator::callDue(int index)
{
    emit log(QStringLiteral("modem: call %1 is due").arg(index));
    m_dueCalls.enqueue(index);
    startNextRinging();
}

void ModemEmulator::startNextRinging()
{
    if (m_callUp || m_ringingCall || m_dueCalls.isEmpty())
        return;
    m_ringingCall = m_dueCalls.dequeue();
    m_rings = 0;
    ring();
}

void ModemEmulator::ring()
{
    if (!m_ringingCall)
        return;
    ++m_rings;
    answerLine("RING");
    if (m_autoAnswer > 0 && m_rings >= m_autoAnswer) {
        const int index = *m_ringingCall;
        m_ringingCall.reset();
        connectCall(m_calls.at(index));
        return;
    }
    if (m_rings >= kMaxRings) {
        emit log(QStringLiteral("modem: call %1 not answered").arg(*m_ringingCall));
        m_ringingCall.reset();
        // The next waiting call rings after a pause of one ring interval.
        QTimer::singleShot(scaledMs(kRingIntervalMs), this, &ModemEmulator::startNextRinging);
        return;
    }
    m_ringTimer->start(scaledMs(kRingIntervalMs));
}

} // namespace panelsim
