#include "Connect.h"

#include "CodePage1252.h"
#include "DialogButtons.h"
#include "DialogSeam.h"
#include "LinkSession.h"
#include "LinkView.h"
#include "Pdlldef.h"
#include "SessionControl.h"
#include "Timing.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int FormCloseInterval = 2000;

int settingNumber(const QString &text)
{
    return toInt32(platform::toCp1252(text));
}

} // namespace

TDlgConnect::TDlgConnect(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgConnect"));
    // Fixed dialog border without title bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);

    ComboBoxAddress = new QComboBox(this);
    ComboBoxAddress->setObjectName(QStringLiteral("ComboBoxAddress"));
    ComboBoxAddress->setEditable(true);
    ComboBoxAddress->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxAddress->setMinimumWidth(260);
    ComboBoxAddress->installEventFilter(this);
    layout->addWidget(ComboBoxAddress);

    addOkCancelRow(this, layout, OKBtn, CancelBtn);

    ModemMessagePanel = new QWidget(this);
    ModemMessagePanel->setObjectName(QStringLiteral("ModemMessagePanel"));
    auto *panel = new QVBoxLayout(ModemMessagePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    ModemMsgEdit = new QLineEdit(ModemMessagePanel);
    ModemMsgEdit->setObjectName(QStringLiteral("ModemMsgEdit"));
    ModemMsgEdit->setReadOnly(true);
    panel->addWidget(ModemMsgEdit);
    Memo1 = new QPlainTextEdit(ModemMessagePanel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumHeight(140);
    panel->addWidget(Memo1);
    auto *panelButtons = new QHBoxLayout;
    ModemMsgButton = new QPushButton(ModemMessagePanel);
    ModemMsgButton->setObjectName(QStringLiteral("ModemMsgButton"));
    ModemMsgButton->setAutoDefault(false);
    ClrScrButton = new QPushButton(ModemMessagePanel);
    ClrScrButton->setObjectName(QStringLiteral("ClrScrButton"));
    ClrScrButton->setAutoDefault(false);
    panelButtons->addWidget(ModemMsgButton);
    panelButtons->addWidget(ClrScrButton);
    panelButtons->addStretch();
    panel->addLayout(panelButtons);
    layout->addWidget(ModemMessagePanel);
    Memo1->hide();
    ClrScrButton->hide();
    ModemMessagePanel->hide();

    FormCloseTimer = new QTimer(this);
    FormCloseTimer->setObjectName(QStringLiteral("FormCloseTimer"));
    FormCloseTimer->setInterval(platform::scaledInterval(FormCloseInterval));

    connect(OKBtn, &QPushButton::clicked, this, &TDlgConnect::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDlgConnect::CancelBtnClick);
    connect(ModemMsgButton, &QPushButton::clicked, this, &TDlgConnect::ModemMsgButtonClick);
    connect(ClrScrButton, &QPushButton::clicked, this, &TDlgConnect::ClrScrButtonClick);
    connect(FormCloseTimer, &QTimer::timeout, this, &TDlgConnect::FormCloseTimerTimer);

    retranslateUi();
}

TDlgConnect::~TDlgConnect()
{
    FormCloseTimer->stop();
}

void TDlgConnect::retranslateUi()
{
    setWindowTitle(tr("Connect To..."));
    OKBtn->setText(tr("&OK"));
    CancelBtn->setText(tr("&Cancel"));
    ModemMsgButton->setText(tr("&Modem Messages"));
    ClrScrButton->setText(tr("&Clear Screen"));
}

void TDlgConnect::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TDlgConnect::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
    OKBtn->setFocus();
}

void TDlgConnect::hideEvent(QHideEvent *event)
{
    FormDeactivate();
    QDialog::hideEvent(event);
}

bool TDlgConnect::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving the site box; a focus change inside the box (its list popping
    // up) is not leaving it.
    if (watched == ComboBoxAddress && event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        ComboBoxAddressExit();
    return QDialog::eventFilter(watched, event);
}

void TDlgConnect::informationBox(const QString &text)
{
    platform::showMessage(this, platform::MessageType::Information, text);
}

// ---------------------------------------------------------------------------
// Activation

void TDlgConnect::FormActivate()
{
    QList<QByteArray> sections;
    try {
        sections = SiteList(m_link.programDirectory);
    } catch (const std::exception &) {
        // An unreadable book offers no sites; a typed text still connects.
    }
    QStringList names;
    for (const QByteArray &s : sections)
        names << platform::fromCp1252(s);
    names.sort(Qt::CaseInsensitive);
    ComboBoxAddress->clear();
    ComboBoxAddress->addItems(names);
    if (m_firstActivation)
        ComboBoxAddress->setEditText(names.isEmpty() ? QString() : names.first());
    else
        ComboBoxAddress->setEditText(m_lastSiteText);

    ModemMsgEdit->clear();
    Memo1->clear();
    // A connection of an earlier dialogue closes nothing now.
    FormCloseTimer->stop();
    if (m_link.session)
        m_link.session->ConnectedByModem = false;
}

void TDlgConnect::FormDeactivate()
{
    Memo1->hide();
    ClrScrButton->hide();
    ModemMessagePanel->hide();
}

void TDlgConnect::ComboBoxAddressExit()
{
    m_lastSiteText = ComboBoxAddress->currentText();
    m_firstActivation = false;
}

// ---------------------------------------------------------------------------
// OK and Cancel

void TDlgConnect::OKBtnClick()
{
    bool close = false;
    try {
        close = connectToSite();
    } catch (const std::exception &) {
        // Above all a settings text that is not a whole number.
        informationBox(tr("Exception: Invalid serial communication setting."));
        return;
    }
    if (close)
        accept();
}

bool TDlgConnect::connectToSite()
{
    if (!m_link.session || !m_link.view || !m_link.api || !m_link.control || !m_link.currentSite)
        return false;
    LinkSession &session = *m_link.session;
    LinkView &view = *m_link.view;
    KxLinkApi &api = *m_link.api;
    SiteRecord &site = *m_link.currentSite;

    // The site (a text that names no section gives the defaults).
    const QByteArray siteText = platform::toCp1252(ComboBoxAddress->currentText());
    site = ReadSiteRecord(m_link.programDirectory, siteText);
    session.LinkSiteKey = siteText;

    // Serial settings of the Settings page; own node id from the site.
    const SerialSettingsText settings = view.serialSettings();
    const int port = settingNumber(settings.port);
    const int baudRate = settingNumber(settings.baudRate);
    const int dataBits = settingNumber(settings.dataBits);
    const int stopBits = settingNumber(settings.stopBits);
    const quint32 parity = settings.parityCode();
    const quint8 ownNodeId = quint8(site.OwnID & 0xFF);

    // Network mode by the site's configuration; "Global panels" (or any
    // other text) keeps the mode of the previous connection.
    const int position = address::modePosition(site.Mode);
    if (position < address::ModeListItems)
        session.NetworkMode = quint8(position);

    // A modem site while the carrier is up: ask before the port is
    // touched, for opening it again would close it first and drop the call
    // that the question is about.
    if (!site.SiteTelephone.isEmpty() && session.CarrierUp) {
        const int answer = platform::showMessage(
            this, platform::MessageType::Information,
            tr("Already connected") + QStringLiteral("\n\r") + tr("Do you want to hang up?"),
            platform::ButtonYes | platform::ButtonNo);
        if (answer != platform::ButtonYes) {
            reject();
            return false;
        }
        hangUpCall();
        return false;
    }

    if (api.OwnNodeID(session.NetworkMode, 0, ownNodeId) != 1) {
        informationBox(tr("Exception: Invalid own node id."));
        return false;
    }
    if (api.OpenComPort(quint32(port), quint32(baudRate), quint32(dataBits), quint32(stopBits), parity) != 1) {
        informationBox(tr("Exception: Unable to open Com:") + QString::number(port));
        return false;
    }
    api.SetModemEscSequence("+++");
    api.SetModemHangUpCmd("ATH0");

    // A direct link: done.
    if (site.SiteTelephone.isEmpty()) {
        view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, false);
        m_link.control->ResetDataViews();
        return true;
    }

    // The modem dialogue: this dialog receives the library's messages.
    m_initEchoed = false;
    api.CurrentWindow(messageWindowHandle());
    ModemMsgEdit->setText(tr("CHECKING FOR MODEM..."));
    api.CheckForModem();
    ModemMessagePanel->show();
    return false;
}

void TDlgConnect::hangUpCall()
{
    LinkView &view = *m_link.view;
    KxLinkApi &api = *m_link.api;
    api.HangUpModem();
    view.setMenuEnabled(LinkMenuCommand::Dialback1, false);
    view.setMenuEnabled(LinkMenuCommand::Hangup1, false);
    m_link.control->ResetDataViews();
    api.CloseComPort();
    m_link.control->CommunicationClosed();
    for (LinkIndicator led : {LinkIndicator::CTSLed, LinkIndicator::DCDLed, LinkIndicator::DSRLed,
                              LinkIndicator::RILed, LinkIndicator::RXLed, LinkIndicator::TXLed})
        view.setIndicator(led, linkcolour::grey());
    view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, true);
    view.setStatusBar(tr("DISCONNECTING..."));
}

void TDlgConnect::CancelBtnClick()
{
    QDialog::reject();
}

void TDlgConnect::reject()
{
    // Escape presses the Cancel button.
    CancelBtnClick();
}

void TDlgConnect::FormCloseTimerTimer()
{
    FormCloseTimer->stop();
    if (m_link.session)
        m_link.session->ConnectedByModem = true;
    accept();
}

void TDlgConnect::ModemMsgButtonClick()
{
    const bool show = Memo1->isHidden();
    Memo1->setVisible(show);
    ClrScrButton->setVisible(show);
}

void TDlgConnect::ClrScrButtonClick()
{
    Memo1->clear();
}

// ---------------------------------------------------------------------------
// The modem dialogue

void TDlgConnect::windowMessage(const platform::WindowMessage &message)
{
    switch (message.message) {
    case platform::WM_USER + 0x06:
        modemLineSent(shortTextContents(message.bytes));
        break;
    case platform::WM_USER + 0x07:
        modemLineReceived(shortTextContents(message.bytes));
        break;
    case platform::WM_USER + 0x09:
        modemCheck(message.lParam);
        break;
    default:
        break; // the dialog handles no other message
    }
}

void TDlgConnect::addLogLine(const QString &prefix, const QByteArray &line)
{
    const QString text = prefix + platform::fromCp1252(line);
    // A full log is emptied instead of taking the line.
    if (Memo1->document()->characterCount() + text.size() + 1 > LogCapacity) {
        Memo1->clear();
        return;
    }
    Memo1->appendPlainText(text);
}

void TDlgConnect::modemLineSent(const QByteArray &line)
{
    addLogLine(QStringLiteral("[MTx] "), line);
}

void TDlgConnect::modemCheck(quintptr result)
{
    if (result == 0) {
        ModemMsgEdit->setText(tr("NO MODEM DETECTED"));
    } else if (result == 1) {
        ModemMsgEdit->setText(tr("INITIALIZING MODEM..."));
        if (m_link.api && m_link.view)
            m_link.api->SendToModem(m_link.view->modemInitString());
    }
}

void TDlgConnect::modemLineReceived(const QByteArray &line)
{
    addLogLine(QStringLiteral("[MRx] "), line);
    if (!m_link.session || !m_link.view || !m_link.api || !m_link.currentSite)
        return;
    LinkSession &session = *m_link.session;
    LinkView &view = *m_link.view;
    KxLinkApi &api = *m_link.api;

    if (line == view.modemInitString())
        m_initEchoed = true;

    if (line == "OK" && m_initEchoed) {
        // The mark stays set: a further "OK" dials again.
        m_dialNumber = m_link.currentSite->SiteTelephone;
        ModemMsgEdit->setText(tr("DIALING") + QStringLiteral(" (") + platform::fromCp1252(m_dialNumber)
                              + QStringLiteral(") ..."));
        const QByteArray dialString = m_link.dialString ? m_link.dialString() : QByteArrayLiteral("ATDT");
        const QByteArray dialPrefix = m_link.dialPrefix ? m_link.dialPrefix() : QByteArray();
        api.SendToModem(dialString + dialPrefix + m_dialNumber);
    }

    if (line.isEmpty())
        return;
    switch (line.at(0)) {
    case 'B':
    case 'E':
    case 'R':
        ModemMsgEdit->setText(platform::fromCp1252(line));
        break;
    case 'C':
        api.CurrentWindow(session.MainWindowHandle);
        FormCloseTimer->start();
        ModemMsgEdit->setText(platform::fromCp1252(line));
        view.setMenuEnabled(LinkMenuCommand::Dialback1, true);
        view.setMenuEnabled(LinkMenuCommand::Hangup1, true);
        view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, false);
        view.setStatusBar(tr("ON-LINE") + QStringLiteral(" - ") + platform::fromCp1252(session.LinkSiteKey));
        break;
    case 'N':
        ModemMsgEdit->setText(platform::fromCp1252(line));
        view.setMenuEnabled(LinkMenuCommand::Alarmreporting1, true);
        break;
    default:
        break;
    }
}
