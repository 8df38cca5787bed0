#include "SessionControl.h"

#include <DialogSeam.h>
#include <Timing.h>

#include <QDialog>

#include <optional>

namespace {

void waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A settings field as a whole number, or nothing.
std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

SessionControl::SessionControl(LinkSession &session, LinkView &view, KxLinkApi &api, LinkRequests &requests)
    : m_session(session), m_view(view), m_api(api), m_requests(requests)
{
}

void SessionControl::EnableSessionButtons()
{
    m_view.setSessionButtonsEnabled(true);
}

void SessionControl::DisableSessionButtons()
{
    m_view.setSessionButtonsEnabled(false);
}

void SessionControl::ResetDataViews()
{
    m_view.stopEmulationIfActive();
    m_view.closeSitePanelViews();
    m_view.clearRetrievalSelectors();
    m_view.resetProcRunLed();
    m_view.clearEmulatedFront();
}

void SessionControl::Dial1Click()
{
    m_session.MainWindowHandle = m_view.activeWindow();
    const int result = m_view.execConnectDialog();
    m_api.CurrentWindow(m_view.activeWindow());
    if (result != QDialog::Accepted)
        return;
    if (!m_session.ConnectedByModem)
        m_api.SendInitializationRequest();
    m_api.EnableWatchDogs();
}

void SessionControl::Hangup1Click()
{
    if (m_session.OnLine) {
        DisableSessionButtons();
        ResetDataViews();
        m_api.DisableWatchDogs();
        m_api.HangUpModem();
        m_view.setMenuEnabled(LinkMenuCommand::Dialback1, false);
        m_view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, true);
        m_view.setStatusBar(tr("DISCONNECTING..."));
    }
    // Wait for the carrier to drop. The wait also ends when the
    // communication is closed meanwhile or an abort (program close, no
    // response from the panel) is raised, so it cannot outlive the port.
    const quint64 closeCount = m_closeCount;
    const bool abortBefore = m_session.AbortFlag;
    while (m_session.CarrierUp && closeCount == m_closeCount && (abortBefore || !m_session.AbortFlag))
        waitForEvents();
    if (!m_session.AlarmReportingMode && closeCount == m_closeCount)
        CloseCommunication1Click();
}

void SessionControl::Dialback1Click()
{
    DisableSessionButtons();
    m_view.execDialBackDialog(); // the buttons stay disabled whatever it answers
}

void SessionControl::Alarmreporting1Click()
{
    if (m_view.isMenuChecked(LinkMenuCommand::Alarmreporting1)) {
        m_view.setMenuChecked(LinkMenuCommand::Alarmreporting1, false);
        m_session.AlarmReportingMode = false;
        return; // the port stays open
    }

    m_view.setMenuChecked(LinkMenuCommand::Alarmreporting1, true);
    ResetDataViews();

    const SerialSettingsText settings = m_view.serialSettings();
    const auto port = wholeNumber(settings.port);
    const auto baudRate = wholeNumber(settings.baudRate);
    const auto dataBits = wholeNumber(settings.dataBits);
    const auto stopBits = wholeNumber(settings.stopBits);
    const auto ownNodeId = wholeNumber(settings.ownNodeId);
    if (!port || !baudRate || !dataBits || !stopBits || !ownNodeId)
        return; // a field that is not a whole number ends the command silently
    const quint32 parity = settings.parityCode();

    m_session.NetworkMode = 0;
    if (m_api.OwnNodeID(0, 0, quint8(*ownNodeId)) != 1) {
        platform::showMessage(m_view.dialogParent(), platform::MessageType::Information,
                              tr("Exception: Invalid own node id."));
        return;
    }
    if (m_api.OpenComPort(quint32(*port), quint32(*baudRate), quint32(*dataBits), quint32(*stopBits), parity) != 1) {
        platform::showMessage(m_view.dialogParent(), platform::MessageType::Information,
                              tr("Exception: Unable to open Com:") + QString::number(*port));
        return;
    }
    m_api.SetModemEscSequence("+++");
    m_api.SetModemHangUpCmd("ATH0");
    m_api.CurrentWindow(m_view.activeWindow());
    m_api.DisableWatchDogs();
    m_session.AlarmReportingMode = true;
    m_view.setStatusBar(tr("CHECKING FOR MODEM..."));
    m_api.CheckForModem();
}

void SessionControl::CloseCommunication1Click()
{
    ++m_closeCount;
    DisableSessionButtons();
    m_session.AbortFlag = true;
    m_session.LinkState = 3;
    m_view.clearEmulationActive();
    m_session.AlarmReportingMode = false;
    m_view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, true);
    m_session.LinkSiteKey = "none";
    m_view.setMenuEnabled(LinkMenuCommand::Hangup1, false);
    m_view.setMenuEnabled(LinkMenuCommand::Dialback1, false);
    m_api.CloseComPort();
    ResetDataViews();
    for (LinkIndicator led : {LinkIndicator::CTSLed, LinkIndicator::DCDLed, LinkIndicator::DSRLed,
                              LinkIndicator::RILed, LinkIndicator::RXLed, LinkIndicator::TXLed})
        m_view.setIndicator(led, linkcolour::grey());
    m_view.stopTimer(LinkTimer::ReplyTimeOutTimer);
    if (m_view.isMenuChecked(LinkMenuCommand::Alarmreporting1))
        m_view.setMenuChecked(LinkMenuCommand::Alarmreporting1, false);
}

void SessionControl::AckNTimeOutTimerTimer()
{
    m_view.setDiagText(tr("ACK TIMED OUT"));
    m_view.stopTimer(LinkTimer::AckNTimeOutTimer);
    m_session.WaitingForAck = false;
    m_session.AbortFlag = true;
}

void SessionControl::ReplyTimeOutTimerTimer()
{
    m_view.stopTimer(LinkTimer::ReplyTimeOutTimer);
    m_session.RetryFlag = true;
    m_session.LinkState = 4;
    m_requests.noteReplyTimeOut();
}

void SessionControl::TimerAckTimer()
{
    platform::beep();
}
