#include "PMain.h"

#include "AddressPage.h"
#include "CodePage1252.h"
#include "DialogSeam.h"
#include "IniFile.h"
#include "Language.h"
#include "CallingSite.h"
#include "DataRetrievePage.h"
#include "EmulationDecoders.h"
#include "LinkDecoders.h"
#include "LinkDispatch.h"
#include "MainLinkView.h"
#include "Pdlldef.h"
#include "SessionControl.h"
#include "SettingsPage.h"
#include "Shape.h"
#include "TVConfig.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {
const QColor kBrightGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);
} // namespace

TForm1::TForm1(KxLinkApi *api, QWidget *parent) : QMainWindow(parent), m_api(api)
{
    if (!m_api) {
        m_ownApi = std::make_unique<KxLinkLibrary>();
        m_api = m_ownApi.get();
    }
    setObjectName(QStringLiteral("Form1"));
    translate(this, QT_TR_NOOP("TARVELIN"), TextRole::WindowTitle);
    resize(1280, 800);
    setWindowState(windowState() | Qt::WindowMaximized);

    buildMenu();
    buildPages();
    buildStatusGroup();
    buildHiddenPanel();
    buildTimers();

    // The link logic works on Session through the window's components;
    // every message the library posts goes to its dispatch.
    m_noDecoders = std::make_unique<LinkDecoders>();
    m_linkView = std::make_unique<MainLinkView>(*this);
    m_linkDispatch = std::make_unique<LinkDispatch>(Session, *m_linkView, *m_api, *m_noDecoders);
    m_linkRequests = std::make_unique<LinkRequests>(Session, *m_linkView, *m_api, ZoneMark);
    m_sessionControl = std::make_unique<SessionControl>(Session, *m_linkView, *m_api, *m_linkRequests);
    setMessageHandler([this](const platform::WindowMessage &message) { m_linkDispatch->handleMessage(message); });
    installRetrieval();
    installEmulation();
    // The calling panel's modem ID names the site of the link.
    m_siteDecoders = std::make_unique<SiteDecoders>(Session, *m_linkView, linkDecoders());
    setLinkDecoders(m_siteDecoders.get());

    // Keyboard preview: see key presses before the focused control does.
    qApp->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    for (QTimer *timer : {ProcRunTimer, TimerAck, AckNTimeOutTimer, ReplyTimeOutTimer})
        timer->stop();
    // Unloading closes the port.
    m_api->UnloadDll();
    m_sessionControl->CommunicationClosed();
}

void TForm1::setLinkDecoders(LinkDecoders *decoders)
{
    m_linkDispatch->setDecoders(decoders ? *decoders : *m_noDecoders);
}

LinkDecoders &TForm1::linkDecoders() const
{
    return m_linkDispatch->decoders();
}

QWidget *TForm1::page(const QString &objectName) const
{
    for (int i = 0; i < TabbedNotebook1->count(); ++i) {
        if (TabbedNotebook1->widget(i)->objectName() == objectName)
            return TabbedNotebook1->widget(i);
    }
    return nullptr;
}

const QStringList &TForm1::sounderAndFireBrigadeControls()
{
    static const QStringList names = {
        // sounders
        QStringLiteral("Label21"), QStringLiteral("Shape7"), QStringLiteral("ButtonSound"),
        QStringLiteral("LED12"), QStringLiteral("Label29"), QStringLiteral("ButtonSoundDelay"),
        QStringLiteral("LED14"), QStringLiteral("Label18"), QStringLiteral("LED15"),
        QStringLiteral("Label30"), QStringLiteral("ButtonSoundDisable"), QStringLiteral("LED16"),
        QStringLiteral("Label31"), QStringLiteral("ButtonSoundSilence"), QStringLiteral("LED17"),
        QStringLiteral("Label32"),
        // fire brigade
        QStringLiteral("Label22"), QStringLiteral("Shape8"), QStringLiteral("ButtonFBSignal"),
        QStringLiteral("LED18"), QStringLiteral("Label33"), QStringLiteral("ButtonFBDelay"),
        QStringLiteral("LED19"), QStringLiteral("Label54"), QStringLiteral("LED20"),
        QStringLiteral("Label55"), QStringLiteral("ButtonFBDisable"), QStringLiteral("LED21"),
        QStringLiteral("Label35"), QStringLiteral("ButtonFBStop"), QStringLiteral("LED22"),
        QStringLiteral("Label36"),
    };
    return names;
}

// ---------------------------------------------------------------------------
// Creation, first show, close

void TForm1::FormCreate()
{
    // 1. The program directory: the current directory now.
    ProgramDirectory = QDir::currentPath();

    // 2. Bind the communications library.
    m_api->LoadDll();

    // 3. Session filters and the acknowledgement group start hidden.
    GroupBoxSessionFilters->hide();
    GroupBoxAckEvent->hide();

    // 4.
    Session.AlarmReportingMode = false;
    EmulationActive = false;
    if (ListBoxAddresses->count() > 0)
        ListBoxAddresses->setCurrentRow(0);
    Session.PanelVariant = 0;

    // 5. The selectors of the Data Retrieve page appear with the kinds that use them.
    LabelDRLoop->hide();
    LabelDRSensor->hide();
    ComboBoxDRLoop->hide();
    ComboBoxDRSensor->hide();
    ComboBoxDRrange->hide();
    SystemZonesEdit->hide();

    // 6.
    PreviousPanel = 0;
    PreviousSub = 0;
    ClearLcdDisplay();
    Session.LoggedOn = false;
    ConnectFirstActivation = true;

    // 7.
    ZoneTestResultComboBox->hide();
    LabelZoneTest->hide();

    // 8.
    TabbedNotebook1->setCurrentWidget(Corvane_m);

    // 9. The print-screen command prints through this dialog.
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        auto *printer = new QPrinter(QPrinter::HighResolution);
        printer->setCopyCount(1);
        PrintDialog1 = new QPrintDialog(printer, this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
        PrintDialog1->setOption(QAbstractPrintDialog::PrintToFile, true);
        connect(PrintDialog1, &QObject::destroyed, PrintDialog1, [printer] { delete printer; });
    }

    // 10. The welcome picture; its captions stay hidden.
    WelcomeSpacer->hide();
    WelcomeCaption1->hide();
    WelcomeCaption2->hide();
    WelcomeCaption3->hide();
    loadWelcomeImage();

    // 11. and 12. run also when the picture could not be loaded: the window
    // must come up complete either way.
    addTranslatedItem(ComboBoxDataRetrieveInfo, QT_TR_NOOP("Zone Test Results"));
    addTranslatedItem(ComboBoxDataRetrieveInfo, QT_TR_NOOP("System Zone Data"));
    EditSiteName->setMaxLength(20);
}

void TForm1::loadWelcomeImage()
{
    const QString path = tvconfig::programDirectoryFile(ProgramDirectory, tvconfig::LogoFileName);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        WelcomeImage->clear();
        platform::showMessage(this, platform::MessageType::Error,
                              tr("Cannot load the picture \"%1\": %2")
                                  .arg(QDir::toNativeSeparators(path), reader.errorString()));
        return;
    }
    WelcomeImage->setScaledContents(false);
    WelcomeImage->setPixmap(QPixmap::fromImage(image));
    WelcomeImage->show();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown)
        FormShow();
}

void TForm1::FormShow()
{
    if (m_shown)
        return;
    m_shown = true;

    // 1. and 2. The user-interface configuration.
    const platform::IniFile config(tvconfig::FileName);
    const QByteArray lang = config.readString(tvconfig::Section, tvconfig::KeyLang, tvconfig::DefaultLang);
    app::useLanguage(lang.left(2));
    applyPanelModel(config.readString(tvconfig::Section, tvconfig::KeyPanelModel, tvconfig::DefaultPanelModel));

    // 3. From now on the library posts to this window.
    m_api->CurrentWindow(messageWindowHandle());

    // 4.
    LoadCommunicationSettings();
    LoadModemSettings();
    LoadModemList();

    // 5.
    Session.RetryFlag = false;
    Session.LoopFrom = 1;
    Session.LoopTo = 8;
    Session.SensorFrom = 1;
    Session.SensorTo = 128;
    Session.RangeFrom = 1;
    Session.RangeTo = 1000;

    // 6. Session views and link fields.
    ResetLeds();
    PrepareEventGrid();
    PrepareHistoryGrid();
    TabbedNotebook1->setCurrentWidget(Corvane_m);
    Session.WaitingForAck = false;
    Session.TargetNode = 0;
    Session.RequestNode = 0;
    Session.LinkSiteKey = QByteArrayLiteral("none");

    // 7.
    LoadAlarmFilters();

    // 8.
    ComboBoxDRLoop->setCurrentIndex(0);
    ComboBoxDRSensor->setCurrentIndex(0);
    ComboBoxDRrange->setCurrentIndex(0);
    ComboBoxHLnodeid->setCurrentIndex(0);
    ComboBoxHLEventClass->setCurrentIndex(0);
    ComboBoxHLEventType->setCurrentIndex(0);
    SystemZonesEdit->setValue(0);

    // 9.
    BuildDeviceTypeNames();
    LabelDRSystemZone->hide();

    // 10.
    Session.SystemZoneFrom = 1;
    Session.SystemZoneTo = 65535;
}

void TForm1::applyPanelModel(const QByteArray &model)
{
    // Exact comparison: "korvexf" is another model.
    if (model != tvconfig::PanelModelWithoutSounders)
        return;
    for (const QString &name : sounderAndFireBrigadeControls()) {
        if (QWidget *w = findChild<QWidget *>(name))
            w->hide();
    }
}

void TForm1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    QMainWindow::closeEvent(event);
    emit formClosed();
}

void TForm1::FormClose()
{
    // 1. The language in force goes back to the configuration. A settings
    // directory that cannot be written is reported, and the close goes on:
    // the waits must still end and the port must still be closed.
    try {
        platform::IniFile config(tvconfig::FileName);
        config.writeString(tvconfig::Section, tvconfig::KeyLang, app::languageInForce());
    } catch (const std::exception &e) {
        platform::showMessage(this, platform::MessageType::Error, QString::fromLocal8Bit(e.what()));
    }

    // 2.
    SaveModemSettings();
    SaveSerialSettings();

    // 3. Any wait still running ends before the port goes.
    Session.AbortFlag = true;

    // 4. A wait for the carrier to drop cannot outlive the port.
    m_api->CloseComPort();
    m_sessionControl->CommunicationClosed();
}

// ---------------------------------------------------------------------------
// Messages and keys

void TForm1::windowMessage(const platform::WindowMessage &message)
{
    if (m_messageHandler)
        m_messageHandler(message);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        // A key event travels from the focus widget up to its parents; the
        // preview sees it once, at its first receiver.
        QWidget *focus = QApplication::focusWidget();
        const bool firstReceiver = focus ? w == focus : w == this;
        if (firstReceiver && w->window() == this && FormKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::FormKeyPress(QKeyEvent *event)
{
    return m_keyPreview ? m_keyPreview(event) : false;
}

// ---------------------------------------------------------------------------
// Menu commands

void TForm1::Filters1Click() {}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Dial1Click()
{
    m_sessionControl->Dial1Click();
}

void TForm1::Hangup1Click()
{
    m_sessionControl->Hangup1Click();
}

void TForm1::Dialback1Click()
{
    m_sessionControl->Dialback1Click();
}

void TForm1::Alarmreporting1Click()
{
    // Triggering the checkable action has already toggled its mark; the
    // session control decides from the mark as it was before the click.
    if (sender() == Alarmreporting1)
        Alarmreporting1->setChecked(!Alarmreporting1->isChecked());
    m_sessionControl->Alarmreporting1Click();
}

void TForm1::CloseCommunication1Click()
{
    m_sessionControl->CloseCommunication1Click();
}

void TForm1::DataScope1Click()
{
    if (DataScopeForm) {
        DataScopeForm->show();
        DataScopeForm->raise();
    }
}

void TForm1::About1Click()
{
    if (AboutForm)
        platform::execForm(AboutForm);
}

// ---------------------------------------------------------------------------
// Page control

void TForm1::TabbedNotebook1Change(int index)
{
    if (TabbedNotebook1->widget(index) == Address_m)
        refillAddressList();
}

void TForm1::refillAddressList()
{
    ListBoxAddresses->clear();
    try {
        const platform::IniFile book(QDir(ProgramDirectory).filePath(tvconfig::AddressBookFileName));
        for (const QByteArray &section : book.readSections()) {
            // Exact names: these two sections are not sites.
            if (section == "Index" || section == "Defaults")
                continue;
            ListBoxAddresses->addItem(platform::fromCp1252(section));
        }
    } catch (...) {
        // An unreadable address book shows an empty list, without a message.
    }
    GroupBoxSiteInfo->hide();
}

// ---------------------------------------------------------------------------
// Timers

void TForm1::ProcRunTimerTimer()
{
    // The phase carries over between runs of the timer.
    m_procRunPhase = !m_procRunPhase;
    if (LED7)
        LED7->setBrushColor(m_procRunPhase ? kBrightGreen : kGrey);
}

void TForm1::TimerAckTimer()
{
    m_sessionControl->TimerAckTimer();
}

void TForm1::AckNTimeOutTimerTimer()
{
    m_sessionControl->AckNTimeOutTimerTimer();
}

void TForm1::ReplyTimeOutTimerTimer()
{
    m_sessionControl->ReplyTimeOutTimerTimer();
}

// ---------------------------------------------------------------------------
// Data Retrieve page

void TForm1::AbortDataRetreiveButtonClick()
{
    DataRetrievePageWidget->AbortDataRetreiveButtonClick();
}

void TForm1::installRetrieval()
{
    DataRetrievePageWidget->attach(*m_linkRequests, *m_linkView, *m_api, ZoneMark, ProgramDirectory);
    DataRetrieveHooks hooks;
    hooks.showProgressMessage = [this] {
        if (auto *label = RMessage ? RMessage->findChild<QLabel *>(QStringLiteral("Label1")) : nullptr)
            label->setText(tr("Generating report..."));
        if (RMessage)
            RMessage->show();
    };
    hooks.setProgressText = [this](const QString &progress) {
        // Items done of items to fetch, under the progress message's own
        // text and after the link in the status bar.
        if (auto *label = RMessage ? RMessage->findChild<QLabel *>(QStringLiteral("Label1")) : nullptr) {
            label->setText(tr("Generating report...") + QLatin1Char('\n') + progress);
            RMessage->adjustSize();
        }
        m_linkView->setStatusBar(m_linkDispatch->onLineText() + QStringLiteral(" - ") + progress);
    };
    DataRetrievePageWidget->setHooks(std::move(hooks));
    setLinkDecoders(&DataRetrievePageWidget->linkDecoders());
}

// ---------------------------------------------------------------------------
// Steps filled in by the subsystems that own them

void TForm1::ClearLcdDisplay()
{
    LCDDisplay->Clear();
}
void TForm1::LoadCommunicationSettings()
{
    SettingsView->loadCommunicationSettings();
}

void TForm1::LoadModemSettings()
{
    SettingsView->loadModemSettings();
}

void TForm1::LoadModemList()
{
    SettingsView->loadModemList();
}

void TForm1::SaveModemSettings()
{
    SettingsView->saveModemSettings();
}

void TForm1::SaveSerialSettings()
{
    SettingsView->saveSerialSettings();
}

void TForm1::ResetLeds()
{
    EmulationPageWidget->ResetLeds();
}
void TForm1::PrepareEventGrid() {}
void TForm1::PrepareHistoryGrid() {}
void TForm1::LoadAlarmFilters() {}
void TForm1::BuildDeviceTypeNames() {}
void TForm1::StopEmulation()
{
    EmulationPageWidget->StopEmulation();
}

void TForm1::installEmulation()
{
    EmulationHooks hooks;
    hooks.SendDisplayControl = [this](quint8 function) { m_linkRequests->SendDisplayControl(function); };
    hooks.SendKey = [this](quint8 key) { m_linkRequests->SendKey(key); };
    hooks.setStatusBar = [this](const QString &text) { m_linkView->setStatusBar(text); };
    hooks.onLineText = [this] { return m_linkDispatch->onLineText(); };
    hooks.printDialog = [this] { return PrintDialog1; };
    hooks.isActivePage = [this] { return TabbedNotebook1->currentWidget() == Emulation_m; };
    hooks.retrievalGrid = [this]() -> QAbstractItemView * { return DataRetreiveDBGrid; };
    EmulationPageWidget->setHooks(std::move(hooks));
    EmulationPageWidget->setProcRunTimer(ProcRunTimer);
    m_emulationDecoders = std::make_unique<EmulationDecoders>(*EmulationPageWidget, linkDecoders());
    setLinkDecoders(m_emulationDecoders.get());
}
void TForm1::OpenSitePanelTable(const QByteArray &siteName)
{
    try {
        AddressView->OpenSitePanelTable(siteName);
    } catch (const std::exception &e) {
        platform::showMessage(this, platform::MessageType::Error, QString::fromLocal8Bit(e.what()));
    }
}

void TForm1::CloseSitePanelTable()
{
    AddressView->closeSitePanelViews();
}

