#include "LinkDispatch.h"

#include "RecordReader.h"

#include <DialogSeam.h>

#include <algorithm>
#include <exception>

namespace {

// Byte i of a posted buffer; what the buffer does not hold reads as 0.
quint8 byteAt(const QByteArray &bytes, int i)
{
    return (i >= 0 && i < bytes.size()) ? quint8(bytes.at(i)) : 0;
}

// Line-signal record: TX, RX, CTS, DCD, DSR, RI; non-zero is active.
enum LineSignal { SignalTX = 0, SignalRX, SignalCTS, SignalDCD, SignalDSR, SignalRI };

} // namespace

LinkDispatch::LinkDispatch(LinkSession &session, LinkView &view, KxLinkApi &api, LinkDecoders &decoders)
    : m_session(session), m_view(view), m_api(api), m_decoders(&decoders)
{
}

QString LinkDispatch::onLineText() const
{
    return tr("ON-LINE") + QStringLiteral(" - ") + QString::fromLatin1(m_session.LinkSiteKey);
}

void LinkDispatch::showOnLine()
{
    m_view.setStatusBar(onLineText());
}

void LinkDispatch::handleMessage(const platform::WindowMessage &message)
{
    // The link-ready and unsolicited handlers have no guard of their own:
    // an error ends the handler and is shown in an error box, as the
    // program's default error handler does.
    auto reported = [this](auto handler) {
        try {
            handler();
        } catch (const std::exception &e) {
            platform::showMessage(m_view.dialogParent(), platform::MessageType::Error,
                                  QString::fromLocal8Bit(e.what()));
        } catch (...) {
            platform::showMessage(m_view.dialogParent(), platform::MessageType::Error, tr("Unknown error"));
        }
    };

    switch (message.message) {
    case linkmsg::RawReceived:
        RawFrameReceived(message);
        break;
    case linkmsg::LinkReady:
        reported([this] { LinkReadyMessage(); });
        break;
    case linkmsg::RawSent:
        RawFrameSent(message);
        break;
    case linkmsg::LinkStateChanged:
        LinkStateMessage(message.wParam);
        break;
    case linkmsg::LineSignals:
        LineSignalsMessage(message.bytes);
        break;
    case linkmsg::ModemReceived:
        ModemLineMessage(message.bytes);
        break;
    case linkmsg::ModemCheck:
        ModemCheckMessage(message.lParam);
        break;
    case linkmsg::Unsolicited:
        reported([this, &message] { UnsolicitedMessage(message.bytes); });
        break;
    case linkmsg::Reply:
        ReplyMessage(message.bytes);
        break;
    default:
        break; // the main window handles no other message
    }
}

void LinkDispatch::RawFrameReceived(const platform::WindowMessage &message)
{
    if (m_view.isScopePaused())
        return;
    // A received frame comes after three header bytes that the scope skips.
    const int held = qMax(0, message.size() - 3);
    const int count = qMin(int(message.wParam & 0xFFFF), held);
    m_view.traceReceived(count, message.bytes);
}

void LinkDispatch::RawFrameSent(const platform::WindowMessage &message)
{
    if (m_view.isScopePaused())
        return;
    const int count = qMin(int(message.wParam & 0xFFFF), message.size());
    m_view.traceSent(count, message.bytes);
}

void LinkDispatch::LinkReadyMessage()
{
    m_view.setSessionButtonsEnabled(true);
    const QList<QByteArray> sections = m_view.addressSectionNames();
    if (m_session.AlarmReportingMode || sections.isEmpty())
        return;
    const QByteArray siteName = m_view.readAddressString(m_session.LinkSiteKey, "SiteName", "Unknown");
    m_view.OpenSitePanelTable(siteName);
    showOnLine();
}

void LinkDispatch::LinkStateMessage(quintptr state)
{
    m_session.LinkState = qint32(state);
    switch (state) {
    case 0:
        m_session.WaitingForAck = false;
        m_view.setDiagText(tr("IDLE"));
        break;
    case 1:
        m_session.WaitingForAck = true;
        m_view.setDiagText(tr("WAITING FOR ACK"));
        m_view.startTimer(LinkTimer::AckNTimeOutTimer);
        break;
    case 2:
        m_session.WaitingForAck = false;
        m_view.setDiagText(tr("IDLE"));
        m_view.stopTimer(LinkTimer::AckNTimeOutTimer);
        m_session.AbortFlag = true;
        m_view.setStatusBar(tr("NO RESPONCE FROM PANEL"));
        break;
    case 3:
        m_session.WaitingForAck = false;
        m_view.setDiagText(tr("IDLE"));
        m_view.stopTimer(LinkTimer::AckNTimeOutTimer);
        break;
    case 4:
        m_session.WaitingForAck = false;
        m_view.setDiagText(tr("MESSAGE RECEIVED"));
        m_view.stopTimer(LinkTimer::AckNTimeOutTimer);
        break;
    default:
        break;
    }
}

void LinkDispatch::LineSignalsMessage(const QByteArray &signalRecord)
{
    auto active = [&signalRecord](LineSignal s) { return byteAt(signalRecord, s) != 0; };
    using namespace linkcolour;
    m_view.setIndicator(LinkIndicator::TXLed, active(SignalTX) ? red() : brightGreen());
    m_view.setIndicator(LinkIndicator::RXLed, active(SignalRX) ? red() : brightGreen());
    m_view.setIndicator(LinkIndicator::CTSLed, active(SignalCTS) ? brightGreen() : red());
    m_view.setIndicator(LinkIndicator::DSRLed, active(SignalDSR) ? brightGreen() : red());
    m_view.setIndicator(LinkIndicator::DCDLed, active(SignalDCD) ? brightGreen() : red());
    m_view.setIndicator(LinkIndicator::RILed, active(SignalRI) ? red() : brightGreen());
    m_session.OnLine = active(SignalCTS);
    m_session.CarrierUp = active(SignalDCD);
    if (m_session.CarrierUp) {
        m_view.setIndicator(LinkIndicator::ShapeStatusLed, brightGreen());
    } else {
        m_view.setIndicator(LinkIndicator::ShapeStatusLed, grey());
        m_view.setStatusBar(tr("OFFLINE"));
    }
}

void LinkDispatch::ModemLineMessage(const QByteArray &shortText)
{
    const QByteArray line = shortTextContents(shortText);
    if (line.isEmpty())
        return;
    const QString text = QString::fromLatin1(line);
    switch (line.at(0)) {
    case 'B':
    case 'E':
    case 'R':
        m_view.setStatusBar(text);
        break;
    case 'C':
        m_view.setStatusBar(text);
        m_view.setMenuEnabled(LinkMenuCommand::Hangup1, true);
        if (!m_session.AlarmReportingMode)
            m_api.EnableWatchDogs();
        break;
    case 'N':
        m_view.setStatusBar(text);
        m_view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, true);
        m_view.setMenuEnabled(LinkMenuCommand::Dialback1, false);
        m_view.setMenuEnabled(LinkMenuCommand::Hangup1, false);
        break;
    default:
        break;
    }
}

void LinkDispatch::ModemCheckMessage(quintptr result)
{
    if (result == 0) {
        m_view.setStatusBar(tr("NO MODEM DETECTED"));
    } else if (result == 1) {
        m_api.SendToModem(m_view.modemInitString());
        m_view.setStatusBar(tr("ON-LINE"));
    }
}

bool LinkDispatch::copyToReceiveBuffer(const QByteArray &record)
{
    if (record.size() < 3)
        return false;
    auto &buffer = m_session.ReceiveBuffer;
    buffer[0] = byteAt(record, 0);
    buffer[1] = byteAt(record, 1);
    // Only the payload bytes the record really carries, and never past the buffer.
    const int n = std::min({int(byteAt(record, 2)), int(record.size()) - 3, LinkSession::ReceiveBufferSize - 2});
    for (int k = 0; k < n; ++k)
        buffer[size_t(2 + k)] = byteAt(record, 3 + k);
    m_lastPayloadLength = n;
    return true;
}

void LinkDispatch::copyToDisplayBuffer(const QByteArray &record)
{
    auto &buffer = m_session.DisplayBuffer;
    const int n = std::min({int(byteAt(record, 2)), int(record.size()) - 3, LinkSession::DisplayBufferSize - 6});
    m_session.DisplayLength = n + 9;
    buffer[4] = byteAt(record, 0);
    buffer[5] = byteAt(record, 1);
    for (int k = 0; k < n; ++k)
        buffer[size_t(6 + k)] = byteAt(record, 3 + k);
}

void LinkDispatch::UnsolicitedMessage(const QByteArray &record)
{
    if (record.size() < 3)
        return;
    switch (byteAt(record, 1)) {
    case 28:
        copyToReceiveBuffer(record);
        showOnLine();
        m_decoders->AlarmReport();
        break;
    case 39:
        copyToDisplayBuffer(record);
        showOnLine();
        m_decoders->DisplayStream();
        break;
    case 54:
        copyToReceiveBuffer(record);
        showOnLine();
        m_decoders->LedStates();
        break;
    case 66:
        copyToReceiveBuffer(record);
        m_decoders->IdentifyCallingSite();
        showOnLine(); // now with the key of the calling site
        break;
    default:
        break; // other unsolicited records are ignored entirely
    }
}

void LinkDispatch::ReplyMessage(const QByteArray &record)
{
    // Whatever fails while a reply is decoded is dropped: the transfer goes
    // on and the status bar keeps its previous text.
    try {
        if (!copyToReceiveBuffer(record))
            return;
        decodeReply(m_session.ReceiveBuffer[1], m_lastPayloadLength);
        showOnLine();
    } catch (...) {
    }
}

void LinkDispatch::decodeReply(quint8 code, int payloadLength)
{
    const RecordReader reader = RecordReader::receive(m_session);
    switch (code) {
    case 6:
        m_decoders->PanelLimits(payloadLength);
        break;
    case 7:
        if (m_view.dataRetrieveInfoIndex() == retrievekind::NonVolatileSensorData)
            m_decoders->SensorConfiguration();
        else
            m_decoders->ZoneTestCollector(7);
        break;
    case 8:
        if (m_view.dataRetrieveInfoIndex() == retrievekind::NonVolatileSensorData)
            m_decoders->SensorVirtualAddress();
        else
            m_decoders->ZoneConfiguration();
        break;
    case 9: m_decoders->AreaConfiguration(); break;
    case 10: m_decoders->LoopConfiguration(); break;
    case 11: m_decoders->InputConfiguration(); break;
    case 12: m_decoders->OutputConfiguration(); break;
    case 13: m_decoders->LogicConfiguration(); break;
    case 21:
        m_session.PanelVariant = reader.p(0);
        break;
    case 24:
        if (m_view.dataRetrieveInfoIndex() == retrievekind::VolatileSensorData)
            m_decoders->SensorValues();
        else
            m_decoders->ZoneTestCollector(24);
        break;
    case 25:
        if (m_view.dataRetrieveInfoIndex() == retrievekind::VolatileZoneData)
            m_decoders->ZoneStatus();
        else
            m_decoders->ZoneTestCollector(25);
        break;
    case 26: m_decoders->AreaStatus(); break;
    case 27: m_decoders->EventRecord(); break;
    case 30: m_decoders->LoopStatus(); break;
    case 31: m_decoders->InputStatus(); break;
    case 34: m_decoders->OutputStatus(); break;
    case 35: AccessCodeAnswer(); break;
    case 36:
        m_session.NetworkMode = reader.p(0);
        break;
    case 37: m_decoders->HostVersion(); break;
    case 46: m_decoders->ZoneTestCollector(46); break;
    case 54: m_decoders->LedStates(); break;
    case 71:
    case 74: m_decoders->LonDevice(); break;
    case 76: m_decoders->PagerRecord(); break;
    case 78: m_decoders->SystemZoneRecord(); break;
    default:
        break; // no decoder; the status bar is still refreshed
    }
}

void LinkDispatch::AccessCodeAnswer()
{
    switch (RecordReader::receive(m_session).p(0)) {
    case 14:
        platform::showMessage(m_view.dialogParent(), platform::MessageType::Warning, tr("Open Memory Lock"));
        break;
    case 17:
        // A refused access code matters only before the retrieval has
        // passed its opening requests.
        if (!m_session.RetrievalStarted) {
            m_session.AbortFlag = true;
            m_view.hideProgressMessage();
            m_view.restoreCursor();
            platform::showMessage(m_view.dialogParent(), platform::MessageType::Warning, tr("Invalid Access Code"));
        }
        break;
    case 43:
        m_session.RetryFlag = true; // the log-in or request goes out again
        break;
    default:
        break;
    }
}
