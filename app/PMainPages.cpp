// Construction of the main window's menu, pages, status group, hidden panel
// and timers. Each page is built by its own function; the subsystems that own
// a page add the rest of its controls there.

#include "PMain.h"

#include "AddressPage.h"
#include "DataRetrievePage.h"
#include "DialogSeam.h"
#include "SessionControl.h"
#include "SettingsPage.h"
#include "Shape.h"
#include "Timing.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kGrey(128, 128, 128);

template<typename W, typename... Args>
W *named(const char *objectName, Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)...);
    w->setObjectName(QLatin1String(objectName));
    return w;
}

QWidget *makePage(const char *objectName)
{
    return named<QWidget>(objectName);
}

QAction *makeAction(QMenu *menu, const char *objectName)
{
    auto *action = menu->addAction(QString());
    action->setObjectName(QLatin1String(objectName));
    return action;
}

} // namespace

// ---------------------------------------------------------------------------
// Texts

void TForm1::translate(QObject *target, const char *source, TextRole role, int index)
{
    m_texts.append({target, source, role, index});
    applyText(m_texts.constLast());
}

QLabel *TForm1::label(const char *source)
{
    auto *l = new QLabel;
    translate(l, source);
    return l;
}

void TForm1::addTranslatedItem(QComboBox *box, const char *source)
{
    box->addItem(QString());
    translate(box, source, TextRole::Item, box->count() - 1);
}

void TForm1::applyText(const TranslatedText &text)
{
    QObject *target = text.target.data();
    if (!target)
        return;
    const QString translated = tr(text.source);
    switch (text.role) {
    case TextRole::Text:
        if (auto *l = qobject_cast<QLabel *>(target))
            l->setText(translated);
        else if (auto *b = qobject_cast<QAbstractButton *>(target))
            b->setText(translated);
        else if (auto *a = qobject_cast<QAction *>(target))
            a->setText(translated);
        break;
    case TextRole::Title:
        if (auto *g = qobject_cast<QGroupBox *>(target))
            g->setTitle(translated);
        else if (auto *m = qobject_cast<QMenu *>(target))
            m->setTitle(translated);
        break;
    case TextRole::ToolTip:
        if (auto *w = qobject_cast<QWidget *>(target))
            w->setToolTip(translated);
        break;
    case TextRole::Tab:
        if (auto *t = qobject_cast<QTabWidget *>(target))
            t->setTabText(text.index, translated);
        break;
    case TextRole::Item:
        if (auto *c = qobject_cast<QComboBox *>(target); c && text.index < c->count())
            c->setItemText(text.index, translated);
        break;
    case TextRole::WindowTitle:
        if (auto *w = qobject_cast<QWidget *>(target))
            w->setWindowTitle(translated);
        break;
    }
}

void TForm1::retranslateUi()
{
    for (const TranslatedText &text : std::as_const(m_texts))
        applyText(text);
}

// ---------------------------------------------------------------------------
// Menu, frame, timers

void TForm1::buildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    Session1 = MainMenu1->addMenu(QString());
    translate(Session1, QT_TR_NOOP("&Session"), TextRole::Title);
    Session1->setObjectName(QStringLiteral("Session1"));
    Filters1 = makeAction(Session1, "Filters1");
    translate(Filters1, QT_TR_NOOP("&Filters"));
    Session1->addSeparator();
    Exit1 = makeAction(Session1, "Exit1");
    translate(Exit1, QT_TR_NOOP("&Exit"));

    Connect1 = MainMenu1->addMenu(QString());
    translate(Connect1, QT_TR_NOOP("&Connect"), TextRole::Title);
    Connect1->setObjectName(QStringLiteral("Connect1"));
    Dial1 = makeAction(Connect1, "Dial1");
    translate(Dial1, QT_TR_NOOP("&Dial"));
    Hangup1 = makeAction(Connect1, "Hangup1");
    translate(Hangup1, QT_TR_NOOP("&Hangup"));
    Hangup1->setEnabled(false);
    Dialback1 = makeAction(Connect1, "Dialback1");
    translate(Dialback1, QT_TR_NOOP("D&ialback"));
    Dialback1->setEnabled(false);
    Alarmreporting1 = makeAction(Connect1, "Alarmreporting1");
    translate(Alarmreporting1, QT_TR_NOOP("&Alarm reporting"));
    Alarmreporting1->setCheckable(true);
    CloseCommunication1 = makeAction(Connect1, "CloseCommunication1");
    translate(CloseCommunication1, QT_TR_NOOP("&Close communication"));
    Connect1->addSeparator();
    DataScope1 = makeAction(Connect1, "DataScope1");
    translate(DataScope1, QT_TR_NOOP("Data Scope"));

    Help1 = MainMenu1->addMenu(QString());
    translate(Help1, QT_TR_NOOP("&Help"), TextRole::Title);
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = makeAction(Help1, "About1");
    translate(About1, QT_TR_NOOP("&About"));

    connect(Filters1, &QAction::triggered, this, &TForm1::Filters1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Dial1, &QAction::triggered, this, &TForm1::Dial1Click);
    connect(Hangup1, &QAction::triggered, this, &TForm1::Hangup1Click);
    connect(Dialback1, &QAction::triggered, this, &TForm1::Dialback1Click);
    connect(Alarmreporting1, &QAction::triggered, this, &TForm1::Alarmreporting1Click);
    connect(CloseCommunication1, &QAction::triggered, this, &TForm1::CloseCommunication1Click);
    connect(DataScope1, &QAction::triggered, this, &TForm1::DataScope1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::buildPages()
{
    auto *central = named<QWidget>("CentralWidget");
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    TabbedNotebook1 = named<QTabWidget>("TabbedNotebook1");
    buildWelcomePage();
    buildHistoryLogPage();
    buildDataRetrievePage();
    buildEmulationPage();
    buildCentralStationPage();
    buildAddressPage();
    buildSettingsPage();
    translate(TabbedNotebook1, QT_TR_NOOP("Welcome"), TextRole::Tab, TabbedNotebook1->addTab(Corvane_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("History Log"), TextRole::Tab, TabbedNotebook1->addTab(History_Log_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("Data Retrieve"), TextRole::Tab, TabbedNotebook1->addTab(Data_Retrieve_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("Emulation"), TextRole::Tab, TabbedNotebook1->addTab(Emulation_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("Central Station"), TextRole::Tab, TabbedNotebook1->addTab(Central_Station_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("Address"), TextRole::Tab, TabbedNotebook1->addTab(Address_m, QString()));
    translate(TabbedNotebook1, QT_TR_NOOP("Settings"), TextRole::Tab, TabbedNotebook1->addTab(Settings_m, QString()));
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm1::TabbedNotebook1Change);
    layout->addWidget(TabbedNotebook1, 1);

    // Shown in place of the pages by Session > Filters.
    GroupBoxSessionFilters = named<QGroupBox>("GroupBoxSessionFilters");
    translate(GroupBoxSessionFilters, QT_TR_NOOP("Session Filters"), TextRole::Title);
    new QGridLayout(GroupBoxSessionFilters);
    layout->addWidget(GroupBoxSessionFilters, 1);

    setCentralWidget(central);
}

void TForm1::buildStatusGroup()
{
    GroupBox5 = named<QGroupBox>("GroupBox5");
    auto *row = new QHBoxLayout(GroupBox5);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(6);

    ShapeStatusLed = new Shape(QStringLiteral("ShapeStatusLed"), Shape::Kind::Circle, kGrey);
    ShapeStatusLed->setFixedSize(18, 18);
    row->addWidget(ShapeStatusLed);

    EditStatusBar = named<QLineEdit>("EditStatusBar");
    DiagEdit = named<QLineEdit>("DiagEdit");
    for (QLineEdit *edit : {EditStatusBar, DiagEdit}) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    row->addWidget(EditStatusBar, 3);
    row->addWidget(DiagEdit, 2);
    row->addSpacing(12);

    struct Line { Shape **led; const char *name; const char *hint; };
    const Line lines[] = {
        {&CTSLed, "CTSLed", QT_TR_NOOP("CTS")}, {&DCDLed, "DCDLed", QT_TR_NOOP("DCD")},
        {&DSRLed, "DSRLed", QT_TR_NOOP("DSR")}, {&RILed, "RILed", QT_TR_NOOP("RING")},
        {&RXLed, "RXLed", QT_TR_NOOP("RXD")},   {&TXLed, "TXLed", QT_TR_NOOP("TXD")},
    };
    for (const Line &line : lines) {
        auto *led = new Shape(QLatin1String(line.name), Shape::Kind::Circle, kGrey);
        translate(led, line.hint, TextRole::ToolTip);
        *line.led = led;
        auto *caption = label(line.hint);
        translate(caption, line.hint, TextRole::ToolTip);
        row->addWidget(led);
        row->addWidget(caption);
        row->addSpacing(6);
    }

    // Docked at the bottom, below the pages.
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(GroupBox5);
}

void TForm1::buildHiddenPanel()
{
    Panel1 = named<QWidget>("Panel1", centralWidget());
    auto *layout = new QVBoxLayout(Panel1);
    TempListBox = named<QListWidget>("TempListBox");
    layout->addWidget(TempListBox);
    Panel1->hide();
}

void TForm1::buildTimers()
{
    auto makeTimer = [this](const char *name, int ms, void (TForm1::*slot)()) {
        auto *timer = named<QTimer>(name, this);
        timer->setInterval(platform::scaledInterval(ms));
        connect(timer, &QTimer::timeout, this, slot);
        return timer;
    };
    ProcRunTimer = makeTimer("ProcRunTimer", 1000, &TForm1::ProcRunTimerTimer);
    TimerAck = makeTimer("TimerAck", 1000, &TForm1::TimerAckTimer);
    AckNTimeOutTimer = makeTimer("AckNTimeOutTimer", 6000, &TForm1::AckNTimeOutTimerTimer);
    ReplyTimeOutTimer = makeTimer("ReplyTimeOutTimer", 5000, &TForm1::ReplyTimeOutTimerTimer);
}

// ---------------------------------------------------------------------------
// Pages

void TForm1::buildWelcomePage()
{
    Corvane_m = makePage("Corvane_m");
    auto *layout = new QVBoxLayout(Corvane_m);

    WelcomeSpacer = named<QLabel>("WelcomeSpacer");
    WelcomeCaption1 = named<QLabel>("WelcomeCaption1");
    translate(WelcomeCaption1, QT_TR_NOOP("TARVELIN"));
    WelcomeCaption2 = named<QLabel>("WelcomeCaption2");
    translate(WelcomeCaption2, QT_TR_NOOP("Korvex fire-alarm panel maintenance"));
    WelcomeCaption3 = named<QLabel>("WelcomeCaption3");
    translate(WelcomeCaption3, QT_TR_NOOP("and remote supervision"));
    for (QLabel *label : {WelcomeSpacer, WelcomeCaption1, WelcomeCaption2, WelcomeCaption3}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }

    // The picture at its own size, centred in the page.
    WelcomeImage = named<QLabel>("WelcomeImage");
    WelcomeImage->setAlignment(Qt::AlignCenter);
    WelcomeImage->setScaledContents(false);
    WelcomeImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(WelcomeImage, 1);
}

void TForm1::buildHistoryLogPage()
{
    History_Log_m = makePage("History_Log_m");
    auto *layout = new QVBoxLayout(History_Log_m);

    auto *filters = named<QGroupBox>("GroupBoxHLFilters");
    translate(filters, QT_TR_NOOP("Filters"), TextRole::Title);
    auto *form = new QHBoxLayout(filters);
    ComboBoxHLnodeid = named<QComboBox>("ComboBoxHLnodeid");
    ComboBoxHLEventClass = named<QComboBox>("ComboBoxHLEventClass");
    ComboBoxHLEventType = named<QComboBox>("ComboBoxHLEventType");
    form->addWidget(label(QT_TR_NOOP("Panel:")));
    form->addWidget(ComboBoxHLnodeid, 1);
    form->addWidget(label(QT_TR_NOOP("Event class:")));
    form->addWidget(ComboBoxHLEventClass, 1);
    form->addWidget(label(QT_TR_NOOP("Event type:")));
    form->addWidget(ComboBoxHLEventType, 2);
    layout->addWidget(filters);
    layout->addStretch(1);
}

void TForm1::buildDataRetrievePage()
{
    // The page is the retrieval's own; the window names the controls that
    // the link, the session and the other pages use.
    DataRetrievePageWidget = new DataRetrievePage(Session, Emulation);
    Data_Retrieve_m = DataRetrievePageWidget;
    DataRetrievePage *p = DataRetrievePageWidget;
    DataRetreiveDBGrid = p->DataRetreiveDBGrid;
    ComboBoxDataRetrieveInfo = p->ComboBoxDataRetrieveInfo;
    LabelDRLoop = p->LabelDRLoop;
    ComboBoxDRLoop = p->ComboBoxDRLoop;
    LabelDRSensor = p->LabelDRSensor;
    ComboBoxDRSensor = p->ComboBoxDRSensor;
    LabelDRRange = p->LabelDRRange;
    ComboBoxDRrange = p->ComboBoxDRrange;
    LabelDRSystemZone = p->LabelDRSystemZone;
    SystemZonesEdit = p->SystemZonesEdit;
    LabelZoneTest = p->LabelZoneTest;
    ZoneTestResultComboBox = p->ZoneTestResultComboBox;
    RetrieveDataButton = p->RetrieveDataButton;
    AbortDataRetreiveButton = p->AbortDataRetreiveButton;
    ButtonDataRetrieveSave = p->ButtonDataRetrieveSave;
    PrintButton = p->PrintButton;
    VersionLabel = p->VersionLabel;
    DataRetreiveStringGrid = p->DataRetreiveStringGrid;
}

void TForm1::buildEmulationPage()
{
    // The emulated panel front is a page of its own; the window names the
    // controls it uses itself.
    EmulationPageWidget = new EmulationPage(Session, Emulation);
    Emulation_m = EmulationPageWidget;
    EmulationDBGrid = EmulationPageWidget->EmulationDBGrid;
    ButtonStartEmulation = EmulationPageWidget->ButtonStartEmulation;
    ButtonStopEmulation = EmulationPageWidget->ButtonStopEmulation;
    Buttonprintscreen = EmulationPageWidget->Buttonprintscreen;
    KeyBoardButton = EmulationPageWidget->KeyBoardButton;
    LCDDisplay = EmulationPageWidget->LCDDisplay;
    GroupBoxGeneralLeds = EmulationPageWidget->GroupBoxGeneralLeds;
    LED7 = EmulationPageWidget->LED7;
}

void TForm1::buildCentralStationPage()
{
    Central_Station_m = makePage("Central_Station_m");
    auto *layout = new QVBoxLayout(Central_Station_m);

    StringGridEvents = named<QTableWidget>("StringGridEvents");
    layout->addWidget(StringGridEvents, 1);

    GroupBoxAckEvent = named<QGroupBox>("GroupBoxAckEvent");
    translate(GroupBoxAckEvent, QT_TR_NOOP("Acknowledge Event"), TextRole::Title);
    new QHBoxLayout(GroupBoxAckEvent);
    layout->addWidget(GroupBoxAckEvent);
}

void TForm1::buildAddressPage()
{
    Address_m = makePage("Address_m");
    auto *layout = new QVBoxLayout(Address_m);
    layout->setContentsMargins(0, 0, 0, 0);
    AddressView = new AddressPage(ProgramDirectory.isEmpty() ? QDir::currentPath() : ProgramDirectory, Session);
    layout->addWidget(AddressView);
    AddressView->setSitePanelGrids({EmulationDBGrid, DataRetreiveDBGrid});
    AddressView->setHooks({[this] { StopEmulation(); },
                           [this] {
                               if (m_sessionControl)
                                   m_sessionControl->ResetDataViews();
                           },
                           [this] {
                               if (dlgDelete)
                                   platform::execForm(dlgDelete);
                           }});

    ListBoxAddresses = AddressView->ListBoxAddresses;
    ButtonAddressAdd = AddressView->ButtonAddressAdd;
    GroupBoxSiteInfo = AddressView->GroupBoxSiteInfo;
    EditAddInfo = AddressView->EditAddInfo;
    EditSiteName = AddressView->EditSiteName;
}

void TForm1::buildSettingsPage()
{
    Settings_m = makePage("Settings_m");
    auto *layout = new QVBoxLayout(Settings_m);
    layout->setContentsMargins(0, 0, 0, 0);
    SettingsView = new SettingsPage;
    layout->addWidget(SettingsView);
    // The link reads the working init string from the window.
    connect(SettingsView, &SettingsPage::workingStringsChanged, this,
            [this] { InitString = SettingsView->workingStrings().InitString; });

    ComboBoxComPort = SettingsView->ComboBoxComPort;
    ComboBoxBaudRate = SettingsView->ComboBoxBaudRate;
    ComboBoxDataBits = SettingsView->ComboBoxDataBits;
    ComboBoxStopBits = SettingsView->ComboBoxStopBits;
    ComboBoxParity = SettingsView->ComboBoxParity;
    LabelOwnNodeId = SettingsView->LabelOwnNodeId;
    EditOwnNodeId = SettingsView->EditOwnNodeId;
}
