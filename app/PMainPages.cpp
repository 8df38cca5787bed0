// Construction of the main window's menu, pages, status group, hidden panel
// and timers. Each page is built by its own function; the subsystems that own
// a page add the rest of its controls there.

#include "PMain.h"

#include "Shape.h"
#include "Timing.h"

#include <QAction>
#include <QComboBox>
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

QAction *makeAction(QMenu *menu, const char *objectName, const QString &caption)
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

} // namespace

void TForm1::buildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    Session1 = MainMenu1->addMenu(tr("&Session"));
    Session1->setObjectName(QStringLiteral("Session1"));
    Filters1 = makeAction(Session1, "Filters1", tr("&Filters"));
    Session1->addSeparator();
    Exit1 = makeAction(Session1, "Exit1", tr("&Exit"));

    Connect1 = MainMenu1->addMenu(tr("&Connect"));
    Connect1->setObjectName(QStringLiteral("Connect1"));
    Dial1 = makeAction(Connect1, "Dial1", tr("&Dial"));
    Hangup1 = makeAction(Connect1, "Hangup1", tr("&Hangup"));
    Hangup1->setEnabled(false);
    Dialback1 = makeAction(Connect1, "Dialback1", tr("D&ialback"));
    Dialback1->setEnabled(false);
    Alarmreporting1 = makeAction(Connect1, "Alarmreporting1", tr("&Alarm reporting"));
    Alarmreporting1->setCheckable(true);
    CloseCommunication1 = makeAction(Connect1, "CloseCommunication1", tr("&Close communication"));
    Connect1->addSeparator();
    DataScope1 = makeAction(Connect1, "DataScope1", tr("Data Scope"));

    Help1 = MainMenu1->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    About1 = makeAction(Help1, "About1", tr("&About"));

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
    TabbedNotebook1->addTab(Corvane_m, tr("Welcome"));
    TabbedNotebook1->addTab(History_Log_m, tr("History Log"));
    TabbedNotebook1->addTab(Data_Retrieve_m, tr("Data Retrieve"));
    TabbedNotebook1->addTab(Emulation_m, tr("Emulation"));
    TabbedNotebook1->addTab(Central_Station_m, tr("Central Station"));
    TabbedNotebook1->addTab(Address_m, tr("Address"));
    TabbedNotebook1->addTab(Settings_m, tr("Settings"));
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm1::TabbedNotebook1Change);
    layout->addWidget(TabbedNotebook1, 1);

    // Shown in place of the pages by Session > Filters.
    GroupBoxSessionFilters = named<QGroupBox>("GroupBoxSessionFilters", tr("Session Filters"));
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
        led->setToolTip(tr(line.hint));
        *line.led = led;
        auto *caption = new QLabel(tr(line.hint));
        caption->setToolTip(tr(line.hint));
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
    WelcomeCaption1 = named<QLabel>("WelcomeCaption1", tr("TARVELIN"));
    WelcomeCaption2 = named<QLabel>("WelcomeCaption2", tr("Korvex fire-alarm panel maintenance"));
    WelcomeCaption3 = named<QLabel>("WelcomeCaption3", tr("and remote supervision"));
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

    auto *filters = named<QGroupBox>("GroupBoxHLFilters", tr("Filters"));
    auto *form = new QHBoxLayout(filters);
    ComboBoxHLnodeid = named<QComboBox>("ComboBoxHLnodeid");
    ComboBoxHLEventClass = named<QComboBox>("ComboBoxHLEventClass");
    ComboBoxHLEventType = named<QComboBox>("ComboBoxHLEventType");
    form->addWidget(new QLabel(tr("Panel:")));
    form->addWidget(ComboBoxHLnodeid, 1);
    form->addWidget(new QLabel(tr("Event class:")));
    form->addWidget(ComboBoxHLEventClass, 1);
    form->addWidget(new QLabel(tr("Event type:")));
    form->addWidget(ComboBoxHLEventType, 2);
    layout->addWidget(filters);
    layout->addStretch(1);
}

void TForm1::buildDataRetrievePage()
{
    Data_Retrieve_m = makePage("Data_Retrieve_m");
    auto *layout = new QHBoxLayout(Data_Retrieve_m);

    // Left: panel choice, information kind, selectors, buttons.
    auto *left = new QVBoxLayout;
    layout->addLayout(left, 0);

    left->addWidget(new QLabel(tr("Panel :")));
    DataRetreiveDBGrid = named<QTableView>("DataRetreiveDBGrid");
    DataRetreiveDBGrid->setMinimumWidth(300);
    DataRetreiveDBGrid->setMaximumHeight(180);
    left->addWidget(DataRetreiveDBGrid);

    left->addWidget(new QLabel(tr("Information :")));
    ComboBoxDataRetrieveInfo = named<QComboBox>("ComboBoxDataRetrieveInfo");
    // Item indexes are fixed: the decoders tell replies apart by them.
    ComboBoxDataRetrieveInfo->addItems({
        tr("Non Volatile Sensor Data"), tr("Non Volatile Zone Data"), tr("Non Volatile Area Data"),
        tr("Non Volatile Loop Data"), tr("Non Volatile Input Data"), tr("Non Volatile Output Data"),
        tr("Non Volatile Logic Data"), tr("Volatile Sensor Data"), tr("Volatile Zone Data"),
        tr("Volatile Area Data"), tr("Volatile Loop Data"), tr("Volatile Input Data"),
        tr("Volatile Output Data"), tr("Volatile Event Data"), tr("LON Devices"), tr("Pager"),
    });
    left->addWidget(ComboBoxDataRetrieveInfo);

    auto *selectors = new QGridLayout;
    LabelDRLoop = named<QLabel>("LabelDRLoop", tr("Loop :"));
    ComboBoxDRLoop = named<QComboBox>("ComboBoxDRLoop");
    ComboBoxDRLoop->addItem(tr("All"));
    for (int loop = 1; loop <= 8; ++loop)
        ComboBoxDRLoop->addItem(QString::number(loop));

    LabelDRSensor = named<QLabel>("LabelDRSensor", tr("Sensor :"));
    ComboBoxDRSensor = named<QComboBox>("ComboBoxDRSensor");
    ComboBoxDRSensor->addItem(tr("All"));
    for (int first = 1; first <= 241; first += 10)
        ComboBoxDRSensor->addItem(QStringLiteral("%1-%2").arg(first).arg(first + 9));
    ComboBoxDRSensor->addItem(QStringLiteral("251-252"));

    LabelDRRange = named<QLabel>("LabelDRRange", tr("Range :"));
    ComboBoxDRrange = named<QComboBox>("ComboBoxDRrange");
    ComboBoxDRrange->addItem(tr("All"));
    for (int first = 1; first <= 901; first += 100)
        ComboBoxDRrange->addItem(QStringLiteral("%1-%2").arg(first).arg(first + 99));

    LabelDRSystemZone = named<QLabel>("LabelDRSystemZone", tr("System Zone :"));
    SystemZonesEdit = named<QSpinBox>("SystemZonesEdit");
    SystemZonesEdit->setRange(0, 65535);

    LabelZoneTest = named<QLabel>("LabelZoneTest", tr("Zone Test :"));
    ZoneTestResultComboBox = named<QComboBox>("ZoneTestResultComboBox");
    ZoneTestResultComboBox->addItems({tr("All"), tr("Tested"), tr("Exceptions Only")});

    selectors->addWidget(LabelDRLoop, 0, 0);
    selectors->addWidget(ComboBoxDRLoop, 0, 1);
    selectors->addWidget(LabelDRSensor, 1, 0);
    selectors->addWidget(ComboBoxDRSensor, 1, 1);
    selectors->addWidget(LabelDRRange, 2, 0);
    selectors->addWidget(ComboBoxDRrange, 2, 1);
    selectors->addWidget(LabelDRSystemZone, 3, 0);
    selectors->addWidget(SystemZonesEdit, 3, 1);
    selectors->addWidget(LabelZoneTest, 4, 0);
    selectors->addWidget(ZoneTestResultComboBox, 4, 1);
    selectors->setColumnStretch(1, 1);
    left->addLayout(selectors);

    RetrieveDataButton = named<QPushButton>("RetrieveDataButton", tr("&Retrieve Data"));
    AbortDataRetreiveButton = named<QPushButton>("AbortDataRetreiveButton", tr("&Abort Data Retreive"));
    ButtonDataRetrieveSave = named<QPushButton>("ButtonDataRetrieveSave", tr("Save to &file"));
    PrintButton = named<QPushButton>("PrintButton", tr("Print Report"));
    // Retrieve and Abort talk to a panel: enabled only while a link is open.
    RetrieveDataButton->setEnabled(false);
    AbortDataRetreiveButton->setEnabled(false);
    PrintButton->setEnabled(false);
    for (QPushButton *b : {RetrieveDataButton, AbortDataRetreiveButton, ButtonDataRetrieveSave, PrintButton})
        left->addWidget(b);

    VersionLabel = named<QLabel>("VersionLabel");
    left->addWidget(VersionLabel);
    left->addStretch(1);

    // Right: the retrieved data.
    DataRetreiveStringGrid = named<QTableWidget>("DataRetreiveStringGrid");
    layout->addWidget(DataRetreiveStringGrid, 1);
}

void TForm1::buildEmulationPage()
{
    Emulation_m = makePage("Emulation_m");
    auto *layout = new QVBoxLayout(Emulation_m);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Panel :")));
    EmulationDBGrid = named<QTableView>("EmulationDBGrid");
    EmulationDBGrid->setFixedHeight(56);
    EmulationDBGrid->setMinimumWidth(360);
    top->addWidget(EmulationDBGrid, 1);

    ButtonStartEmulation = named<QPushButton>("ButtonStartEmulation", tr("St&art "));
    ButtonStopEmulation = named<QPushButton>("ButtonStopEmulation", tr("S&top "));
    Buttonprintscreen = named<QPushButton>("Buttonprintscreen", tr("&Print Screen"));
    KeyBoardButton = named<QPushButton>("KeyBoardButton", tr("&Keyboard"));
    for (QPushButton *b : {ButtonStartEmulation, ButtonStopEmulation, Buttonprintscreen, KeyBoardButton}) {
        b->setEnabled(false); // enabled while a link is open
        top->addWidget(b);
    }
    layout->addLayout(top);

    // The panel front: LCD and keypad above, LED groups below.
    EmulationFront = named<QWidget>("EmulationFront");
    auto *front = new QVBoxLayout(EmulationFront);
    front->setContentsMargins(0, 0, 0, 0);
    auto *leds = new QHBoxLayout;
    GroupBoxGeneralLeds = named<QGroupBox>("GroupBoxGeneralLeds", tr("GENERAL"));
    auto *general = new QGridLayout(GroupBoxGeneralLeds);
    LED7 = new Shape(QStringLiteral("LED7"), Shape::Kind::Circle, Qt::white);
    LED7->setFixedSize(10, 10);
    general->addWidget(LED7, 0, 0);
    general->addWidget(new QLabel(tr("PROC. RUN.")), 0, 1);
    general->setColumnStretch(2, 1);
    leds->addWidget(GroupBoxGeneralLeds);
    leds->addStretch(1);
    front->addStretch(1);
    front->addLayout(leds);
    layout->addWidget(EmulationFront, 1);
}

void TForm1::buildCentralStationPage()
{
    Central_Station_m = makePage("Central_Station_m");
    auto *layout = new QVBoxLayout(Central_Station_m);

    StringGridEvents = named<QTableWidget>("StringGridEvents");
    layout->addWidget(StringGridEvents, 1);

    GroupBoxAckEvent = named<QGroupBox>("GroupBoxAckEvent", tr("Acknowledge Event"));
    new QHBoxLayout(GroupBoxAckEvent);
    layout->addWidget(GroupBoxAckEvent);
}

void TForm1::buildAddressPage()
{
    Address_m = makePage("Address_m");
    auto *layout = new QHBoxLayout(Address_m);

    auto *left = new QVBoxLayout;
    ListBoxAddresses = named<QListWidget>("ListBoxAddresses");
    ListBoxAddresses->setSortingEnabled(true);
    ListBoxAddresses->setMaximumWidth(280);
    left->addWidget(ListBoxAddresses, 1);
    ButtonAddressAdd = named<QPushButton>("ButtonAddressAdd", tr("&Add"));
    left->addWidget(ButtonAddressAdd);
    layout->addLayout(left);

    GroupBoxSiteInfo = named<QGroupBox>("GroupBoxSiteInfo", tr("SITE INFORMATION"));
    auto *form = new QFormLayout(GroupBoxSiteInfo);
    EditAddInfo = named<QLineEdit>("EditAddInfo");
    EditAddInfo->setMaxLength(31);
    EditSiteName = named<QLineEdit>("EditSiteName");
    form->addRow(tr("Site Modem ID:"), EditAddInfo);
    form->addRow(tr("Site Directory:"), EditSiteName);

    auto *right = new QVBoxLayout;
    right->addWidget(GroupBoxSiteInfo);
    right->addStretch(1);
    layout->addLayout(right, 1);
}

void TForm1::buildSettingsPage()
{
    Settings_m = makePage("Settings_m");
    auto *layout = new QHBoxLayout(Settings_m);

    auto *serial = named<QGroupBox>("GroupBoxSerialSettings", tr("Serial Port Settings"));
    auto *form = new QFormLayout(serial);

    ComboBoxComPort = named<QComboBox>("ComboBoxComPort");
    ComboBoxComPort->setEditable(true);
    for (int port = 1; port <= 99; ++port)
        ComboBoxComPort->addItem(QString::number(port));
    ComboBoxComPort->setCurrentText(QStringLiteral("2"));

    ComboBoxBaudRate = named<QComboBox>("ComboBoxBaudRate");
    ComboBoxBaudRate->setEditable(true);
    ComboBoxBaudRate->addItems({QStringLiteral("300"), QStringLiteral("600"), QStringLiteral("1200"),
                                QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                                QStringLiteral("19200"), QStringLiteral("38400")});
    ComboBoxBaudRate->setCurrentText(QStringLiteral("9600"));

    // Data bits, stop bits and parity show the stored values; only the
    // settings file changes them.
    ComboBoxDataBits = named<QComboBox>("ComboBoxDataBits");
    ComboBoxDataBits->addItems({QStringLiteral("7"), QStringLiteral("8")});
    ComboBoxDataBits->setCurrentText(QStringLiteral("8"));
    ComboBoxStopBits = named<QComboBox>("ComboBoxStopBits");
    ComboBoxStopBits->addItems({QStringLiteral("1"), QStringLiteral("2")});
    ComboBoxParity = named<QComboBox>("ComboBoxParity");
    ComboBoxParity->addItems({QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even"),
                              QStringLiteral("Mark"), QStringLiteral("Space")});
    for (QComboBox *box : {ComboBoxDataBits, ComboBoxStopBits, ComboBoxParity})
        box->setEnabled(false);

    LabelOwnNodeId = named<QLabel>("LabelOwnNodeId", tr("Own Node ID:"));
    EditOwnNodeId = named<QLineEdit>("EditOwnNodeId", QStringLiteral("7"));

    form->addRow(tr("Com Port:"), ComboBoxComPort);
    form->addRow(tr("Baud Rate:"), ComboBoxBaudRate);
    form->addRow(tr("Data Bits:"), ComboBoxDataBits);
    form->addRow(tr("Stop Bits:"), ComboBoxStopBits);
    form->addRow(tr("Parity:"), ComboBoxParity);
    form->addRow(LabelOwnNodeId, EditOwnNodeId);
    // The own node id is kept, not shown.
    LabelOwnNodeId->hide();
    EditOwnNodeId->hide();

    auto *left = new QVBoxLayout;
    left->addWidget(serial);
    left->addStretch(1);
    layout->addLayout(left);
    layout->addStretch(1);
}
