#include "LinkEngine.h"

#include "LinkShared.h"
#include "SerialTransport.h"
#include "TcpTransport.h"
#include "TtyTransport.h"

#include "IniFile.h"
#include "Timing.h"

#include <QTimer>
#include <QUrl>

namespace kxlink {

namespace {

// The port map: section "Ports" of "KXPORTS.INI", key = port number.
const char kPortMapFile[] = "KXPORTS.INI";
const char kPortMapSection[] = "Ports";

constexpr int kMaxRepetitions = 5;
constexpr int kWatchdogSilenceMs = 2000;
constexpr int kModemCheckTimeoutMs = 2000;
constexpr int kGuardTimeMs = 1000;
// After "CONNECT" the initialisation request waits this long, so that the
// program has named the window for the link's messages before the link
// reports ready.
constexpr int kConnectSettleMs = 1000;
// A dial-back dials when the hang-up is answered with "NO CARRIER", or
// after this time.
constexpr int kHangUpAnswerMs = 2000;
constexpr int kMaxModemLine = 255;

constexpr quint8 kCr = 0x0D;
constexpr quint8 kLf = 0x0A;

QString portTarget(quint32 port)
{
    const QByteArray fallback = "/dev/ttyS" + QByteArray::number(port - 1);
    try {
        const platform::IniFile map(QString::fromLatin1(kPortMapFile));
        return QString::fromLocal8Bit(map.readString(kPortMapSection, QByteArray::number(port), fallback).trimmed());
    } catch (const std::exception &) {
        return QString::fromLocal8Bit(fallback);
    }
}

Transport *makeTransport(const QString &target, QObject *parent)
{
    if (target.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive)) {
        const QUrl url(target);
        if (!url.isValid() || url.host().isEmpty() || url.port() <= 0)
            return nullptr;
        return new TcpTransport(url.host(), quint16(url.port()), parent);
    }
    if (target.isEmpty())
        return nullptr;
    if (TtyTransport::isPseudoTerminal(target))
        return new TtyTransport(target, parent);
    return new SerialTransport(target, parent);
}

} // namespace

LinkEngine::LinkEngine(LinkShared *shared, QObject *parent)
    : QObject(parent),
      m_shared(shared),
      m_ackTimer(new QTimer(this)),
      m_watchdogTimer(new QTimer(this)),
      m_modemCheckTimer(new QTimer(this)),
      m_hangUpTimer(new QTimer(this)),
      m_connectTimer(new QTimer(this))
{
    for (QTimer *timer : {m_ackTimer, m_watchdogTimer, m_modemCheckTimer, m_hangUpTimer, m_connectTimer})
        timer->setSingleShot(true);
    m_ackTimer->setTimerType(Qt::PreciseTimer);
    connect(m_ackTimer, &QTimer::timeout, this, &LinkEngine::ackTimedOut);
    connect(m_watchdogTimer, &QTimer::timeout, this, &LinkEngine::watchdogFired);
    connect(m_modemCheckTimer, &QTimer::timeout, this, &LinkEngine::modemCheckTimedOut);
    connect(m_hangUpTimer, &QTimer::timeout, this, &LinkEngine::hangUpTimerFired);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        if (m_lineMode == LineMode::Data)
            sendInitializationRequest();
    });
    m_wire.reserve(2 + 2 * kMaxBody);
    m_plain.reserve(kMaxPlainFrame);
}

LinkEngine::~LinkEngine()
{
    if (m_transport) {
        m_transport->disconnect(this);
        m_transport->close();
        delete m_transport;
        m_transport = nullptr;
    }
}

int LinkEngine::ackTimeMs(quint32 baudRate)
{
    if (baudRate == 0)
        return 685;
    return int(60 + quint64(2 * 300 * 10) * 1000 / baudRate);
}

void LinkEngine::setOwnNode(quint8 networkMode, quint8 ownNode)
{
    m_networkMode = networkMode;
    m_ownNode = ownNode;
}

// ---------------------------------------------------------------- port

bool LinkEngine::openPort(quint32 port, quint32 baudRate, quint32 dataBits, quint32 stopBits, quint32 parity)
{
    closePort();
    if (port < 1 || port > 99 || baudRate == 0 || baudRate > 4000000 || dataBits < 5 || dataBits > 8
        || stopBits > 2 || parity > 4)
        return false;

    Transport *transport = makeTransport(portTarget(port), this);
    if (!transport)
        return false;
    LineSettings settings;
    settings.baudRate = qint32(baudRate);
    settings.dataBits = int(dataBits);
    settings.stopBits = stopBits == 2 ? 2 : 1;
    settings.parity = int(parity);
    if (!transport->open(settings)) {
        delete transport;
        return false;
    }

    m_transport = transport;
    const quint64 generation = ++m_generation;
    connect(transport, &Transport::received, this, &LinkEngine::bytesReceived);
    connect(transport, &Transport::drained, this, &LinkEngine::transportDrained);
    connect(transport, &Transport::modemLinesChanged, this, [this] { updateSignals(); });
    // Queued, and only for the transport of this opening: the loss may be
    // noticed inside a read or write of the transport itself.
    connect(transport, &Transport::lost, this, [this, generation] {
        if (generation == m_generation && m_transport)
            transportLost();
    }, Qt::QueuedConnection);

    m_portNumber = port;
    m_ackTimeMs = ackTimeMs(baudRate);
    m_nextSeq = 1;
    m_lastDelivered.fill(0);
    m_parser.reset();
    m_lineMode = LineMode::Direct;
    m_carrier = false;
    m_ring = false;
    m_linkDead = false;
    m_lineBuffer.clear();
    m_activity[0] = m_activity[1] = false;
    m_shared->setPortOpen(true);
    updateSignals(true);
    m_lastSend.start();
    armWatchdog();
    return true;
}

void LinkEngine::closePort()
{
    shutdownPort(false);
}

void LinkEngine::transportLost()
{
    shutdownPort(true);
}

void LinkEngine::shutdownPort(bool lost)
{
    if (!m_transport)
        return;
    bool framesPending = m_hasOutstanding && m_outstanding.type != kTypeWatchdogPoll;
    for (const Outgoing &frame : m_queue)
        framesPending = framesPending || frame.type != kTypeWatchdogPoll;

    m_shared->setPortOpen(false);
    for (QTimer *timer : {m_ackTimer, m_watchdogTimer, m_modemCheckTimer, m_hangUpTimer, m_connectTimer})
        timer->stop();
    Transport *transport = m_transport;
    m_transport = nullptr;
    ++m_generation;
    transport->disconnect(this);
    transport->close();
    // It may be the sender of the signal being handled.
    transport->deleteLater();

    m_queue.clear();
    m_hasOutstanding = false;
    m_parser.reset();
    m_lineBuffer.clear();
    m_lineMode = LineMode::Direct;
    m_carrier = false;
    m_ring = false;
    m_linkDead = false;
    m_modemCheckPending = false;
    m_hangUpStage = HangUpStage::None;
    m_dialBackPending = false;
    m_activity[0] = m_activity[1] = false;
    updateSignals(true);
    // A vanished port ends the exchange that waits on it.
    if (lost && framesPending)
        m_shared->post(KX_MSG_LINK_STATE, KX_STATE_NO_RESPONSE);
}

// ---------------------------------------------------------------- frames

bool LinkEngine::framesAllowed() const
{
    return m_transport && m_lineMode != LineMode::Command && m_hangUpStage == HangUpStage::None;
}

void LinkEngine::queueCommand(const QByteArray &record)
{
    Outgoing frame;
    frame.type = kTypeCommand;
    frame.de = quint8(record.at(0));
    frame.ms = quint8(record.at(1));
    frame.payload = record.mid(3);
    enqueue(std::move(frame));
}

void LinkEngine::sendInitializationRequest()
{
    if (!m_transport)
        return;
    Outgoing frame;
    frame.type = kTypeInitRequest;
    enqueue(std::move(frame));
}

void LinkEngine::enqueue(Outgoing frame)
{
    if (!framesAllowed()) {
        // Nothing can carry the frame (no port, modem in command mode, call
        // being hung up): the exchange ends as unanswered.
        if (frame.type == kTypeCommand)
            m_shared->commandsTaken(1);
        if (frame.type != kTypeWatchdogPoll)
            m_shared->post(KX_MSG_LINK_STATE, KX_STATE_NO_RESPONSE);
        return;
    }
    m_queue.push_back(std::move(frame));
    sendNext();
}

void LinkEngine::sendNext()
{
    if (m_hasOutstanding || m_queue.empty() || !framesAllowed())
        return;
    m_outstanding = std::move(m_queue.front());
    m_queue.pop_front();
    if (m_outstanding.type == kTypeCommand)
        m_shared->commandsTaken(1);
    else if (m_outstanding.type == kTypeInitRequest)
        m_lastDelivered.fill(0);   // the far end forgets its numbers too
    m_hasOutstanding = true;
    m_outstandingSeq = m_nextSeq;
    m_nextSeq = m_nextSeq >= 127 ? 1 : quint8(m_nextSeq + 1);
    m_repetitions = 0;
    transmitOutstanding();
}

void LinkEngine::transmitOutstanding()
{
    FrameHeader header;
    header.type = m_outstanding.type;
    header.rp = quint8(m_outstandingSeq | (m_repetitions > 0 ? kRepeatBit : 0));
    header.de = m_outstanding.de;
    header.so = m_ownNode;
    header.ms = m_outstanding.ms;
    sendFrame(header, reinterpret_cast<const quint8 *>(m_outstanding.payload.constData()),
              int(m_outstanding.payload.size()));
    m_shared->post(KX_MSG_RAW_SENT, quintptr(m_plain.size()), m_plain);
    if (m_transport)
        m_ackTimer->start(m_ackTimeMs);
}

void LinkEngine::sendFrame(const FrameHeader &header, const quint8 *payload, int payloadLength)
{
    encodeFrame(header, payload, qMin(payloadLength, kMaxPayload), &m_wire, &m_plain);
    writeRaw(m_wire);
}

void LinkEngine::ackTimedOut()
{
    if (!m_hasOutstanding || !m_transport)
        return;
    if (m_repetitions < kMaxRepetitions) {
        ++m_repetitions;
        transmitOutstanding();
        return;
    }
    const quint8 type = m_outstanding.type;
    m_hasOutstanding = false;
    m_shared->post(KX_MSG_LINK_STATE, KX_STATE_NO_RESPONSE);
    if (type == kTypeWatchdogPoll && !m_linkDead) {
        // The panel network has gone away.
        m_linkDead = true;
        updateSignals();
    }
    sendNext();
}

void LinkEngine::finishOutstanding()
{
    m_ackTimer->stop();
    m_hasOutstanding = false;
    switch (m_outstanding.type) {
    case kTypeCommand:
        m_shared->post(KX_MSG_LINK_STATE, KX_STATE_ACKNOWLEDGED);
        break;
    case kTypeInitRequest:
        m_shared->post(KX_MSG_LINK_READY);
        break;
    default:
        break;
    }
    sendNext();
}

void LinkEngine::failPendingFrames()
{
    bool reportable = m_hasOutstanding && m_outstanding.type != kTypeWatchdogPoll;
    int commands = 0;
    for (const Outgoing &frame : m_queue) {
        if (frame.type == kTypeCommand)
            ++commands;
        reportable = reportable || frame.type != kTypeWatchdogPoll;
    }
    m_shared->commandsTaken(commands);
    m_queue.clear();
    m_hasOutstanding = false;
    m_ackTimer->stop();
    if (reportable)
        m_shared->post(KX_MSG_LINK_STATE, KX_STATE_NO_RESPONSE);
}

void LinkEngine::frameReceived()
{
    const FrameHeader h = m_parser.header();
    const int bodyLength = m_parser.bodyLength();
    const bool acknowledge = h.type != kTypeAck && m_hangUpStage == HangUpStage::None;

    // Acknowledge first, so the panel's next frame is not held up by our posting.
    QByteArray ackPlain;
    if (acknowledge) {
        FrameHeader ack;
        ack.type = kTypeAck;
        ack.rp = quint8(h.rp & ~kRepeatBit);
        ack.de = h.so;
        ack.so = h.de;
        ack.ms = h.ms;
        sendFrame(ack, nullptr, 0);
        ackPlain = m_plain;
    }

    // The frame for the data scope: port number, frame length, STX body ETX.
    const int frameLength = bodyLength + 2;
    QByteArray raw;
    raw.reserve(3 + frameLength);
    raw.append(char(m_portNumber & 0xFF));
    raw.append(char((frameLength >> 8) & 0xFF));
    raw.append(char(frameLength & 0xFF));
    raw.append(char(kStx));
    raw.append(reinterpret_cast<const char *>(m_parser.body()), bodyLength);
    raw.append(char(kEtx));
    m_shared->post(KX_MSG_RAW_RECEIVED, quintptr(frameLength), raw);
    if (acknowledge)
        m_shared->post(KX_MSG_RAW_SENT, quintptr(ackPlain.size()), ackPlain);

    if (m_linkDead) {
        m_linkDead = false;
        updateSignals();
    }

    if (h.type == kTypeAck) {
        if (m_hasOutstanding && (h.rp & ~kRepeatBit) == m_outstandingSeq)
            finishOutstanding();
        return;
    }

    const quint8 seq = quint8(h.rp & ~kRepeatBit);
    if ((h.rp & kRepeatBit) && seq != 0 && m_lastDelivered[h.so] == seq)
        return;   // a repetition of the frame delivered last: acknowledged again only
    if (h.type == kTypeInitRequest)
        m_lastDelivered.fill(0);
    m_lastDelivered[h.so] = seq;

    if (h.type == kTypeReply || h.type == kTypeUnsolicited) {
        const int n = m_parser.payloadLength();
        QByteArray record;
        record.reserve(3 + n);
        record.append(char(h.so));
        record.append(char(h.ms));
        record.append(char(n));
        record.append(reinterpret_cast<const char *>(m_parser.payload()), n);
        if (h.type == kTypeReply) {
            m_shared->post(KX_MSG_REPLY, 0, record);
            m_shared->post(KX_MSG_LINK_STATE, KX_STATE_MESSAGE_RECEIVED);
        } else {
            m_shared->post(KX_MSG_UNSOLICITED, 0, record);
        }
    }
}

// ---------------------------------------------------------------- bytes

void LinkEngine::bytesReceived(const QByteArray &bytes)
{
    if (!m_transport)
        return;
    setActivity(RX, true);
    const auto *p = reinterpret_cast<const quint8 *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n && m_transport; ++i) {
        if (m_lineMode == LineMode::Command) {
            lineByte(p[i], false);
            continue;
        }
        switch (m_parser.push(p[i])) {
        case FrameParser::Complete:
            frameReceived();
            break;
        case FrameParser::Outside:
            if (m_lineMode == LineMode::Data)
                lineByte(p[i], true);
            break;
        case FrameParser::Pending:
            break;
        }
    }
    if (m_transport)
        setActivity(RX, m_lineMode != LineMode::Command && m_parser.inFrame());
}

void LinkEngine::writeRaw(const QByteArray &bytes)
{
    if (!m_transport)
        return;
    setActivity(TX, true);
    m_transport->write(bytes);
    m_lastSend.restart();
    if (m_transport && m_transport->pendingBytes() == 0)
        setActivity(TX, false);
}

void LinkEngine::transportDrained()
{
    setActivity(TX, false);
}

// ---------------------------------------------------------------- modem

void LinkEngine::enterCommandMode()
{
    if (m_lineMode != LineMode::Direct)
        return;
    failPendingFrames();
    m_connectTimer->stop();
    m_lineMode = LineMode::Command;
    m_carrier = false;
    m_parser.reset();
    m_lineBuffer.clear();
    updateSignals();
}

void LinkEngine::lineByte(quint8 byte, bool dataMode)
{
    if (byte == kCr || byte == kLf) {
        if (!m_lineBuffer.isEmpty()) {
            const QByteArray line = m_lineBuffer;
            m_lineBuffer.clear();
            handleLine(line, dataMode);
        }
        return;
    }
    m_lineBuffer.append(char(byte));
    if (m_lineBuffer.size() >= kMaxModemLine) {
        const QByteArray line = m_lineBuffer;
        m_lineBuffer.clear();
        handleLine(line, dataMode);
    }
}

void LinkEngine::handleLine(const QByteArray &line, bool dataMode)
{
    if (dataMode) {
        // Between frames only the modem's report of a lost call matters;
        // anything else is line noise.
        if (!line.startsWith("NO CARRIER"))
            return;
        postShortText(KX_MSG_MODEM_RECEIVED, line);
        failPendingFrames();
        m_connectTimer->stop();
        m_lineMode = LineMode::Command;
        m_carrier = false;
        m_parser.reset();
        const bool dial = m_dialBackPending;
        m_hangUpStage = HangUpStage::None;
        m_hangUpTimer->stop();
        updateSignals();
        if (dial)
            sendDialCommand();
        return;
    }

    m_ring = false;   // a ring lasts until the next line
    if (m_modemCheckPending) {
        if (line == "AT") {   // the echo of the check
            updateSignals();
            return;
        }
        if (line == "OK") {
            m_modemCheckPending = false;
            m_modemCheckTimer->stop();
            updateSignals();
            m_shared->post(KX_MSG_MODEM_CHECK, 0, quintptr(1));
            return;
        }
    }

    postShortText(KX_MSG_MODEM_RECEIVED, line);
    if (line.startsWith("RING")) {
        m_ring = true;
    } else if (line.startsWith("CONNECT")) {
        m_lineMode = LineMode::Data;
        m_carrier = true;
        m_parser.reset();
        m_lineBuffer.clear();
        m_connectTimer->start(platform::scaledInterval(kConnectSettleMs));
    } else if (line.startsWith("NO CARRIER")) {
        m_carrier = false;
        if (m_hangUpStage == HangUpStage::AwaitingAnswer) {
            updateSignals();
            sendDialCommand();
            return;
        }
    }
    updateSignals();
}

void LinkEngine::checkForModem()
{
    if (!m_transport) {
        m_shared->post(KX_MSG_MODEM_CHECK, 0, quintptr(0));
        return;
    }
    if (m_lineMode == LineMode::Data) {
        // A call is up: the modem is there, and "AT" would go to the panel.
        m_shared->post(KX_MSG_MODEM_CHECK, 0, quintptr(1));
        return;
    }
    enterCommandMode();
    m_modemCheckPending = true;
    writeRaw(QByteArrayLiteral("AT\r"));
    m_modemCheckTimer->start(platform::scaledInterval(kModemCheckTimeoutMs));
}

void LinkEngine::modemCheckTimedOut()
{
    if (!m_modemCheckPending)
        return;
    m_modemCheckPending = false;
    m_shared->post(KX_MSG_MODEM_CHECK, 0, quintptr(0));
}

void LinkEngine::sendToModem(const QByteArray &text)
{
    if (!m_transport)
        return;
    enterCommandMode();
    writeModemLine(text);
}

void LinkEngine::writeModemLine(const QByteArray &text)
{
    writeRaw(text + char(kCr));
    postShortText(KX_MSG_MODEM_SENT, text);
}

void LinkEngine::hangUp()
{
    if (!m_transport || m_hangUpStage != HangUpStage::None)
        return;
    if (m_lineMode == LineMode::Data) {
        // Guard time, escape sequence, guard time, hang-up command. Nothing
        // else is sent meanwhile, or the modem would not see the escape.
        failPendingFrames();
        m_connectTimer->stop();
        m_hangUpStage = HangUpStage::GuardBefore;
        m_hangUpTimer->start(platform::scaledInterval(kGuardTimeMs));
        return;
    }
    // No call is up: the carrier is reported down at once.
    enterCommandMode();
    m_carrier = false;
    updateSignals(true);
}

void LinkEngine::hangUpTimerFired()
{
    if (!m_transport)
        return;
    switch (m_hangUpStage) {
    case HangUpStage::GuardBefore:
        writeRaw(m_escapeSequence);
        m_hangUpStage = HangUpStage::GuardAfter;
        m_hangUpTimer->start(platform::scaledInterval(kGuardTimeMs));
        break;
    case HangUpStage::GuardAfter:
        m_lineMode = LineMode::Command;
        m_parser.reset();
        m_lineBuffer.clear();
        writeModemLine(m_hangUpCommand);
        if (m_dialBackPending) {
            m_hangUpStage = HangUpStage::AwaitingAnswer;
            m_hangUpTimer->start(platform::scaledInterval(kHangUpAnswerMs));
        } else {
            m_hangUpStage = HangUpStage::None;
        }
        break;
    case HangUpStage::AwaitingAnswer:
        sendDialCommand();
        break;
    case HangUpStage::None:
        break;
    }
}

void LinkEngine::dialBack(const QByteArray &number)
{
    if (!m_transport)
        return;
    m_dialBackPending = true;
    m_dialBackNumber = number;
    if (m_hangUpStage != HangUpStage::None)
        return;   // dials when the hang-up under way ends
    const bool callUp = m_lineMode == LineMode::Data;
    hangUp();
    if (!callUp)
        sendDialCommand();
}

void LinkEngine::sendDialCommand()
{
    m_hangUpStage = HangUpStage::None;
    m_hangUpTimer->stop();
    if (!m_dialBackPending || !m_transport)
        return;
    m_dialBackPending = false;
    writeModemLine(QByteArrayLiteral("ATD") + m_dialBackNumber);
}

// ---------------------------------------------------------------- watchdog

void LinkEngine::setWatchdogsEnabled(bool enabled)
{
    m_watchdogsEnabled = enabled;
    if (enabled) {
        armWatchdog();
        return;
    }
    m_watchdogTimer->stop();
    // A poll under way is given up too: no more repetitions, no report.
    std::erase_if(m_queue, [](const Outgoing &frame) { return frame.type == kTypeWatchdogPoll; });
    if (m_hasOutstanding && m_outstanding.type == kTypeWatchdogPoll) {
        m_ackTimer->stop();
        m_hasOutstanding = false;
        sendNext();
    }
}

void LinkEngine::armWatchdog()
{
    if (!m_watchdogsEnabled || !m_transport)
        return;
    const qint64 interval = platform::scaledInterval(kWatchdogSilenceMs);
    const qint64 remaining = interval - m_lastSend.elapsed();
    m_watchdogTimer->start(int(qBound<qint64>(1, remaining, interval)));
}

void LinkEngine::watchdogFired()
{
    if (!m_watchdogsEnabled || !m_transport)
        return;
    const qint64 interval = platform::scaledInterval(kWatchdogSilenceMs);
    if (framesAllowed() && !m_hasOutstanding && m_queue.empty() && m_lastSend.elapsed() >= interval) {
        Outgoing poll;
        poll.type = kTypeWatchdogPoll;
        enqueue(std::move(poll));
    }
    armWatchdog();
}

// ---------------------------------------------------------------- signals

void LinkEngine::setActivity(Signal which, bool active)
{
    bool &flag = m_activity[which == TX ? 0 : 1];
    if (flag == active)
        return;
    flag = active;
    updateSignals();
}

void LinkEngine::updateSignals(bool force)
{
    std::array<bool, SignalCount> s{};
    s[TX] = m_activity[0];
    s[RX] = m_activity[1];
    if (m_transport) {
        if (m_transport->hasModemLines()) {
            const ModemLines lines = m_transport->modemLines();
            s[CTS] = lines.cts;
            s[DCD] = lines.dcd;
            s[DSR] = lines.dsr;
            s[RI] = lines.ri;
        } else {
            s[CTS] = s[DSR] = true;
            s[DCD] = m_lineMode == LineMode::Direct || m_carrier;
            s[RI] = m_ring;
        }
        if (m_linkDead)
            s[CTS] = s[DSR] = s[DCD] = false;
    }
    if (!force && s == m_reported)
        return;
    m_reported = s;
    QByteArray record(SignalCount, '\0');
    for (int i = 0; i < SignalCount; ++i)
        record[i] = s[size_t(i)] ? char(1) : char(0);
    m_shared->post(KX_MSG_LINE_SIGNALS, 0, record);
}

void LinkEngine::postShortText(quint32 message, const QByteArray &text)
{
    const QByteArray cut = text.left(255);
    m_shared->post(message, 0, char(cut.size()) + cut);
}

} // namespace kxlink
