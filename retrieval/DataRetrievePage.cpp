#include "DataRetrievePage.h"

#include "RetrievalFile.h"
#include "RetrievalLayouts.h"

#include <DialogSeam.h>
#include <EmulationControl.h>
#include <RecordReader.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using namespace retrievalkind;

// The items of the information list as the form holds them (texts of the
// main window's form, like every control text of the page); the main
// window appends "Zone Test Results" (16) and "System Zone Data" (17).
const char *const kKindItems[] = {
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Sensor Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Zone Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Area Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Loop Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Input Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Output Data"),
    QT_TRANSLATE_NOOP("TForm1", "Non Volatile Logic Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Sensor Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Zone Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Area Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Loop Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Input Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Output Data"),
    QT_TRANSLATE_NOOP("TForm1", "Volatile Event Data"),
    QT_TRANSLATE_NOOP("TForm1", "LON Devices"),
    QT_TRANSLATE_NOOP("TForm1", "Pager"),
};

template<typename W>
W *named(const char *objectName, QWidget *parent)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(objectName));
    return w;
}

bool isSensorKind(int kind)
{
    return kind == NonVolatileSensorData || kind == VolatileSensorData;
}

bool isRangeKind(int kind)
{
    return kind == NonVolatileInputData || kind == NonVolatileOutputData || kind == VolatileInputData
           || kind == VolatileOutputData;
}

bool isInputKind(int kind)
{
    return kind == NonVolatileInputData || kind == VolatileInputData;
}

} // namespace

// ---------------------------------------------------------------------------
// The retrieval decoders as the link calls them, counting the items of the
// running retrieval for the progress.

class DataRetrievePage::CountingDecoders : public LinkDecoders
{
public:
    explicit CountingDecoders(DataRetrievePage &page) : m_page(page) {}

    void PanelLimits(int payloadLength) override { forward([&](LinkDecoders &d) { d.PanelLimits(payloadLength); }); }
    void HostVersion() override { forward([&](LinkDecoders &d) { d.HostVersion(); }); }
    void SensorConfiguration() override { item(NonVolatileSensorData, [this] { forward([&](LinkDecoders &d) { d.SensorConfiguration(); }); }); }
    void SensorVirtualAddress() override { forward([&](LinkDecoders &d) { d.SensorVirtualAddress(); }); }
    void ZoneTestCollector(int code) override
    {
        item(code == 7 ? int(ZoneTestResults) : -1, [this, code] { forward([&](LinkDecoders &d) { d.ZoneTestCollector(code); }); });
    }
    void ZoneConfiguration() override { item(NonVolatileZoneData, [this] { forward([&](LinkDecoders &d) { d.ZoneConfiguration(); }); }); }
    void AreaConfiguration() override { item(NonVolatileAreaData, [this] { forward([&](LinkDecoders &d) { d.AreaConfiguration(); }); }); }
    void LoopConfiguration() override { item(NonVolatileLoopData, [this] { forward([&](LinkDecoders &d) { d.LoopConfiguration(); }); }); }
    void InputConfiguration() override { item(NonVolatileInputData, [this] { forward([&](LinkDecoders &d) { d.InputConfiguration(); }); }); }
    void OutputConfiguration() override { item(NonVolatileOutputData, [this] { forward([&](LinkDecoders &d) { d.OutputConfiguration(); }); }); }
    void LogicConfiguration() override { item(NonVolatileLogicData, [this] { forward([&](LinkDecoders &d) { d.LogicConfiguration(); }); }); }
    void SensorValues() override { item(VolatileSensorData, [this] { forward([&](LinkDecoders &d) { d.SensorValues(); }); }); }
    void ZoneStatus() override { item(VolatileZoneData, [this] { forward([&](LinkDecoders &d) { d.ZoneStatus(); }); }); }
    void AreaStatus() override { item(VolatileAreaData, [this] { forward([&](LinkDecoders &d) { d.AreaStatus(); }); }); }
    void EventRecord() override
    {
        // The first record tells how many there are to fetch.
        if (m_page.m_retrieving && m_page.m_kind == VolatileEventData && m_page.m_itemsDone == 0) {
            const RecordReader reply = RecordReader::receive(m_page.m_session);
            m_page.m_itemsToFetch = qMin<int>(reply.Be16(11), m_page.m_session.EventCapacity);
        }
        item(VolatileEventData, [this] { forward([&](LinkDecoders &d) { d.EventRecord(); }); });
    }
    void LoopStatus() override { item(VolatileLoopData, [this] { forward([&](LinkDecoders &d) { d.LoopStatus(); }); }); }
    void InputStatus() override { item(VolatileInputData, [this] { forward([&](LinkDecoders &d) { d.InputStatus(); }); }); }
    void OutputStatus() override { item(VolatileOutputData, [this] { forward([&](LinkDecoders &d) { d.OutputStatus(); }); }); }
    void LedStates() override { forward([&](LinkDecoders &d) { d.LedStates(); }); }
    void LonDevice() override { item(LonDevices, [this] { forward([&](LinkDecoders &d) { d.LonDevice(); }); }); }
    void PagerRecord() override { item(Pager, [this] { forward([&](LinkDecoders &d) { d.PagerRecord(); }); }); }
    void SystemZoneRecord() override { item(SystemZoneData, [this] { forward([&](LinkDecoders &d) { d.SystemZoneRecord(); }); }); }
    void AlarmReport() override { forward([&](LinkDecoders &d) { d.AlarmReport(); }); }
    void DisplayStream() override { forward([&](LinkDecoders &d) { d.DisplayStream(); }); }
    void IdentifyCallingSite() override { forward([&](LinkDecoders &d) { d.IdentifyCallingSite(); }); }

private:
    // The item counts even when its decoder fails: the reply came.
    template<typename F>
    void item(int kind, F decode)
    {
        const bool counted = m_page.m_retrieving && m_page.m_session.RetrievalStarted && kind == m_page.m_kind;
        struct Note
        {
            DataRetrievePage *page;
            ~Note()
            {
                if (page)
                    page->noteItem();
            }
        } note{counted ? &m_page : nullptr};
        decode();
    }

    // Before attach() there is nothing to decode into.
    template<typename F>
    void forward(F call)
    {
        if (m_page.m_decoders)
            call(*m_page.m_decoders);
    }

    DataRetrievePage &m_page;
};

// ---------------------------------------------------------------------------
// Construction

DataRetrievePage::DataRetrievePage(LinkSession &session, EmulationState &selection, QWidget *parent)
    : QWidget(parent), m_session(session), m_selection(selection)
{
    setObjectName(QStringLiteral("Data_Retrieve_m"));
    m_counting = std::make_unique<CountingDecoders>(*this);
    build();
    retranslateUi();
}

DataRetrievePage::~DataRetrievePage() = default;

QLabel *DataRetrievePage::text(const char *source, const char *objectName)
{
    auto *label = new QLabel(this);
    if (objectName)
        label->setObjectName(QLatin1String(objectName));
    m_texts.append({label, source, -1});
    return label;
}

void DataRetrievePage::build()
{
    auto *layout = new QHBoxLayout(this);

    // Left: panel choice, information kind, selectors, buttons.
    auto *left = new QVBoxLayout;
    layout->addLayout(left, 0);

    left->addWidget(text(QT_TRANSLATE_NOOP("TForm1", "Panel :")));
    DataRetreiveDBGrid = named<QTableView>("DataRetreiveDBGrid", this);
    DataRetreiveDBGrid->setMinimumWidth(300);
    DataRetreiveDBGrid->setMaximumHeight(180);
    DataRetreiveDBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataRetreiveDBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DataRetreiveDBGrid->horizontalHeader()->setStretchLastSection(true);
    left->addWidget(DataRetreiveDBGrid);

    left->addWidget(text(QT_TRANSLATE_NOOP("TForm1", "Information :")));
    ComboBoxDataRetrieveInfo = named<QComboBox>("ComboBoxDataRetrieveInfo", this);
    // Item indexes are fixed: the decoders tell replies apart by them.
    for (const char *kind : kKindItems) {
        m_texts.append({ComboBoxDataRetrieveInfo, kind, int(ComboBoxDataRetrieveInfo->count())});
        ComboBoxDataRetrieveInfo->addItem(QString());
    }
    left->addWidget(ComboBoxDataRetrieveInfo);

    auto *selectors = new QGridLayout;
    LabelDRLoop = text(QT_TRANSLATE_NOOP("TForm1", "Loop :"), "LabelDRLoop");
    ComboBoxDRLoop = named<QComboBox>("ComboBoxDRLoop", this);
    m_texts.append({ComboBoxDRLoop, QT_TRANSLATE_NOOP("TForm1", "All"), 0});
    ComboBoxDRLoop->addItem(QString());
    for (int loop = 1; loop <= 8; ++loop)
        ComboBoxDRLoop->addItem(QString::number(loop));

    LabelDRSensor = text(QT_TRANSLATE_NOOP("TForm1", "Sensor :"), "LabelDRSensor");
    ComboBoxDRSensor = named<QComboBox>("ComboBoxDRSensor", this);
    m_texts.append({ComboBoxDRSensor, QT_TRANSLATE_NOOP("TForm1", "All"), 0});
    ComboBoxDRSensor->addItem(QString());
    for (int first = 1; first <= 241; first += 10)
        ComboBoxDRSensor->addItem(QStringLiteral("%1-%2").arg(first).arg(first + 9));
    ComboBoxDRSensor->addItem(QStringLiteral("251-252"));

    LabelDRRange = text(QT_TRANSLATE_NOOP("TForm1", "Range :"), "LabelDRRange");
    ComboBoxDRrange = named<QComboBox>("ComboBoxDRrange", this);
    m_texts.append({ComboBoxDRrange, QT_TRANSLATE_NOOP("TForm1", "All"), 0});
    ComboBoxDRrange->addItem(QString());
    for (int first = 1; first <= 901; first += 100)
        ComboBoxDRrange->addItem(QStringLiteral("%1-%2").arg(first).arg(first + 99));

    LabelDRSystemZone = text(QT_TRANSLATE_NOOP("TForm1", "System Zone :"), "LabelDRSystemZone");
    SystemZonesEdit = named<QSpinBox>("SystemZonesEdit", this);
    SystemZonesEdit->setRange(0, 65535);

    LabelZoneTest = text(QT_TRANSLATE_NOOP("TForm1", "Zone Test :"), "LabelZoneTest");
    ZoneTestResultComboBox = named<QComboBox>("ZoneTestResultComboBox", this);
    for (const char *choice : {QT_TRANSLATE_NOOP("TForm1", "All"), QT_TRANSLATE_NOOP("TForm1", "Tested"), QT_TRANSLATE_NOOP("TForm1", "Exceptions Only")}) {
        m_texts.append({ZoneTestResultComboBox, choice, int(ZoneTestResultComboBox->count())});
        ZoneTestResultComboBox->addItem(QString());
    }

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

    RetrieveDataButton = named<QPushButton>("RetrieveDataButton", this);
    m_texts.append({RetrieveDataButton, QT_TRANSLATE_NOOP("TForm1", "&Retrieve Data"), -1});
    AbortDataRetreiveButton = named<QPushButton>("AbortDataRetreiveButton", this);
    m_texts.append({AbortDataRetreiveButton, QT_TRANSLATE_NOOP("TForm1", "&Abort Data Retreive"), -1});
    ButtonDataRetrieveSave = named<QPushButton>("ButtonDataRetrieveSave", this);
    m_texts.append({ButtonDataRetrieveSave, QT_TRANSLATE_NOOP("TForm1", "Save to &file"), -1});
    PrintButton = named<QPushButton>("PrintButton", this);
    m_texts.append({PrintButton, QT_TRANSLATE_NOOP("TForm1", "Print Report"), -1});
    // Retrieve and Abort talk to a panel: the session enables them while a
    // link is open. Print has a report only after a retrieval.
    RetrieveDataButton->setEnabled(false);
    AbortDataRetreiveButton->setEnabled(false);
    PrintButton->setEnabled(false);
    for (QPushButton *b : {RetrieveDataButton, AbortDataRetreiveButton, ButtonDataRetrieveSave, PrintButton})
        left->addWidget(b);

    VersionLabel = named<QLabel>("VersionLabel", this);
    left->addWidget(VersionLabel);
    left->addStretch(1);

    // Right: the retrieved data.
    DataRetreiveStringGrid = named<QTableWidget>("DataRetreiveStringGrid", this);
    layout->addWidget(DataRetreiveStringGrid, 1);
    m_grid = std::make_unique<StringGridAdapter>(*DataRetreiveStringGrid);

    // Selectors appear with the kinds that use them.
    for (QWidget *w : std::initializer_list<QWidget *>{LabelDRLoop, ComboBoxDRLoop, LabelDRSensor, ComboBoxDRSensor,
                                                       LabelDRRange, ComboBoxDRrange, LabelDRSystemZone,
                                                       SystemZonesEdit, LabelZoneTest, ZoneTestResultComboBox})
        w->hide();

    // The operator's changes; a change made by the program itself goes
    // through the handler where the program wants it.
    connect(ComboBoxDataRetrieveInfo, &QComboBox::activated, this, [this] { ComboBoxDataRetrieveInfoChange(); });
    connect(ComboBoxDRLoop, &QComboBox::activated, this, [this] { ComboBoxDRLoopChange(); });
    connect(ComboBoxDRSensor, &QComboBox::activated, this, [this] { ComboBoxDRSensorChange(); });
    connect(ComboBoxDRrange, &QComboBox::activated, this, [this] { ComboBoxDRrangeChange(); });
    connect(SystemZonesEdit, &QSpinBox::valueChanged, this, [this] { SystemZonesEditChange(); });
    connect(RetrieveDataButton, &QPushButton::clicked, this, [this] { RetrieveDataButtonClick(); });
    connect(AbortDataRetreiveButton, &QPushButton::clicked, this, [this] { AbortDataRetreiveButtonClick(); });
    connect(ButtonDataRetrieveSave, &QPushButton::clicked, this, [this] { ButtonDataRetrieveSaveClick(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] {
        if (m_hooks.PrintButtonClick)
            m_hooks.PrintButtonClick();
    });
}

void DataRetrievePage::attach(LinkRequests &requests, LinkView &view, KxLinkApi &api, SensorZoneMark &zoneMark,
                              const QString &programDirectory)
{
    m_requests = &requests;
    m_view = &view;
    m_api = &api;
    m_decoders = std::make_unique<RetrievalDecoders>(m_session, *m_grid, m_table, zoneMark, programDirectory);
    m_decoders->setVersionLabelSink([this](const QString &label) { VersionLabel->setText(label); });
}

LinkDecoders &DataRetrievePage::linkDecoders()
{
    return *m_counting;
}

void DataRetrievePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void DataRetrievePage::retranslateUi()
{
    for (const Text &t : std::as_const(m_texts)) {
        if (!t.target)
            continue;
        // The page's form texts belong to the main window's texts.
        const QString translated = QCoreApplication::translate("TForm1", t.source);
        if (auto *box = qobject_cast<QComboBox *>(t.target.data()))
            box->setItemText(t.item, translated);
        else if (auto *label = qobject_cast<QLabel *>(t.target.data()))
            label->setText(translated);
        else if (auto *button = qobject_cast<QPushButton *>(t.target.data()))
            button->setText(translated);
    }
}

// ---------------------------------------------------------------------------
// Selectors

void DataRetrievePage::ComboBoxDRLoopChange()
{
    const int index = qMax(0, ComboBoxDRLoop->currentIndex());
    if (index == 0) {
        m_session.LoopFrom = 1;
        m_session.LoopTo = 8;
    } else {
        m_session.LoopFrom = index;
        m_session.LoopTo = index;
    }
}

void DataRetrievePage::ComboBoxDRSensorChange()
{
    const int index = qMax(0, ComboBoxDRSensor->currentIndex());
    if (index == 0) {
        m_session.SensorFrom = 1;
        m_session.SensorTo = 252;
    } else if (index == 13) {
        // "121-130" ends where the panel variant's loop ends.
        int end = 0;
        switch (m_session.PanelVariant) {
        case 0: end = 128; break;
        case 1: end = 126; break;
        case 2: end = 130; break;
        default: return; // unknown variant: the selection stays as it was
        }
        m_session.SensorFrom = 121;
        m_session.SensorTo = end;
    } else if (index <= 25) {
        m_session.SensorFrom = 10 * (index - 1) + 1;
        m_session.SensorTo = 10 * index;
    } else if (index == 26) {
        m_session.SensorFrom = 251;
        m_session.SensorTo = 252;
    }
}

void DataRetrievePage::ComboBoxDRrangeChange()
{
    m_session.RangeFrom = 1;
    m_session.RangeTo = 1000;
    const int index = qMax(0, ComboBoxDRrange->currentIndex());
    if (index >= 1 && index <= 10) {
        m_session.RangeFrom = 100 * (index - 1) + 1;
        m_session.RangeTo = 100 * index;
    }
}

void DataRetrievePage::SystemZonesEditChange()
{
    const int value = SystemZonesEdit->value();
    if (value == 0) {
        m_session.SystemZoneFrom = 1;
        m_session.SystemZoneTo = 65535;
    } else {
        m_session.SystemZoneFrom = value;
        m_session.SystemZoneTo = value;
    }
}

void DataRetrievePage::ComboBoxDataRetrieveInfoChange()
{
    const int kind = ComboBoxDataRetrieveInfo->currentIndex();
    const bool sensors = isSensorKind(kind);
    const bool range = isRangeKind(kind);
    const bool zoneTest = kind == ZoneTestResults;
    const bool systemZones = kind == SystemZoneData;

    for (QWidget *w : std::initializer_list<QWidget *>{LabelDRLoop, ComboBoxDRLoop, LabelDRSensor, ComboBoxDRSensor})
        w->setVisible(sensors);
    if (sensors) {
        ComboBoxDRLoop->setCurrentIndex(0);
        ComboBoxDRSensor->setCurrentIndex(0);
    }
    LabelDRRange->setVisible(range);
    ComboBoxDRrange->setVisible(range);
    if (range)
        ComboBoxDRrange->setCurrentIndex(0);
    LabelDRSystemZone->setVisible(systemZones);
    SystemZonesEdit->setVisible(systemZones);
    if (systemZones)
        SystemZonesEdit->setValue(0);
    LabelZoneTest->setVisible(zoneTest);
    ZoneTestResultComboBox->setVisible(zoneTest);
    if (zoneTest)
        ZoneTestResultComboBox->setCurrentIndex(0);
}

// ---------------------------------------------------------------------------
// Lock, unlock, end

void DataRetrievePage::LockRetrievalControls()
{
    for (QWidget *w : std::initializer_list<QWidget *>{RetrieveDataButton, ButtonDataRetrieveSave, PrintButton,
                                                       ComboBoxDRLoop, ComboBoxDRSensor, ComboBoxDRrange,
                                                       ZoneTestResultComboBox, ComboBoxDataRetrieveInfo,
                                                       DataRetreiveDBGrid})
        w->setEnabled(false);
    AbortDataRetreiveButton->setEnabled(true);
}

void DataRetrievePage::UnlockRetrievalControls()
{
    for (QWidget *w : std::initializer_list<QWidget *>{RetrieveDataButton, ButtonDataRetrieveSave, PrintButton,
                                                       ComboBoxDRLoop, ComboBoxDRSensor, ComboBoxDRrange,
                                                       ZoneTestResultComboBox, ComboBoxDataRetrieveInfo,
                                                       DataRetreiveDBGrid})
        w->setEnabled(true);
    AbortDataRetreiveButton->setEnabled(false);
}

void DataRetrievePage::PreprocessExit()
{
    if (m_view) {
        m_view->hideProgressMessage();
        m_view->restoreCursor();
    }
    UnlockRetrievalControls();
    if (m_api)
        m_api->EnableWatchDogs();
}

void DataRetrievePage::AbortDataRetreiveButtonClick()
{
    // Logs out, then raises AbortFlag: every wait and loop ends at once and
    // the retrieval ends through PreprocessExit.
    if (m_requests)
        m_requests->AbortDataRetreiveButtonClick();
}

void DataRetrievePage::error(const QString &text)
{
    platform::showMessage(window(), platform::MessageType::Error, text);
}

// ---------------------------------------------------------------------------
// Retrieve Data

void DataRetrievePage::ParsePanelAddress()
{
    m_selection.SelectedPanel = 0;
    m_selection.SelectedSub = 0;
    const QAbstractItemModel *model = DataRetreiveDBGrid->model();
    if (!model || model->rowCount() == 0)
        return;
    const QModelIndex current = DataRetreiveDBGrid->currentIndex();
    const QModelIndex field = model->index(current.isValid() ? current.row() : 0, 0);
    if (!field.isValid())
        return;
    const emulation::PanelAddress parsed = emulation::ParsePanelAddress(field.data(Qt::DisplayRole).toString());
    m_selection.SelectedPanel = parsed.panel;
    m_selection.SelectedSub = parsed.sub;
}

void DataRetrievePage::RetrieveDataButtonClick()
{
    // 1. Only with a link, and one retrieval at a time.
    if (!m_session.OnLine || !m_requests || m_retrieving)
        return;
    m_outcome = Outcome::Refused;

    // 2. The range and loop selectors as they stand.
    ComboBoxDRrangeChange();
    ComboBoxDRLoopChange();

    // 3.
    m_session.RetrievalStarted = false;
    m_session.AbortFlag = false;
    m_session.RequestNode = 0;
    ParsePanelAddress();
    m_decoders->HostVersionText.clear();
    const quint8 panel = m_selection.SelectedPanel;
    const quint8 sub = m_selection.SelectedSub;

    // 4. A panel number that cannot carry a sub-address names no node.
    if ((panel == 0 && sub == 0) || !emulation::isAddressable(panel, sub)) {
        error(tr("You must select a panel."));
        PreprocessExit();
        return;
    }
    // 5.
    if (ComboBoxDataRetrieveInfo->currentText().isEmpty()) {
        error(tr("You must select information to retreive."));
        PreprocessExit();
        return;
    }

    // 6.
    m_session.RequestNode = emulation::PanelNodeNumber(panel, sub);
    m_api->DisableWatchDogs();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_hooks.showProgressMessage)
        m_hooks.showProgressMessage();

    // 7.
    m_retrieving = true;
    m_kind = ComboBoxDataRetrieveInfo->currentIndex();
    m_itemsDone = 0;
    m_itemsToFetch = 0;
    m_shownProgress.clear();
    m_requests->resetMissingReplies();
    runKind(m_kind);
    m_retrieving = false;
    m_decoders->closePrintTable();

    // 8.
    PreprocessExit();
}

void DataRetrievePage::runKind(int kind)
{
    // 1.
    if (!selectionChecked(kind))
        return;
    // 2. and 3.
    openingRequests(kind);
    if (m_session.AbortFlag) {
        m_outcome = Outcome::Aborted;
        return;
    }
    // 4.
    if (!versionGate(kind))
        return;
    // 5.
    if (!prepare(kind))
        return;
    // 6.
    if (kind == VolatileEventData)
        m_requests->OpeningRequest(6);
    // 7.
    const int missingBefore = m_requests->missingReplies();
    const bool outOfRange = isRangeKind(kind)
                            && m_session.RangeFrom > (isInputKind(kind) ? m_session.InputCount : m_session.OutputCount);
    requestLoop(kind);
    if (m_session.AbortFlag)
        m_outcome = Outcome::Aborted;
    else if (outOfRange)
        m_outcome = Outcome::Refused;
    else if (m_requests->missingReplies() != missingBefore)
        m_outcome = Outcome::Incomplete;
    else
        m_outcome = Outcome::Completed;
}

bool DataRetrievePage::selectionChecked(int kind)
{
    if (isSensorKind(kind)) {
        if (ComboBoxDRLoop->currentText().isEmpty()) {
            error(tr("You must select a loop."));
            return false;
        }
        if (ComboBoxDRSensor->currentText().isEmpty()) {
            error(tr("You must select a range."));
            return false;
        }
    } else if (isRangeKind(kind)) {
        if (ComboBoxDRrange->currentText().isEmpty()) {
            error(tr("You must select a range."));
            return false;
        }
    } else if (kind == SystemZoneData) {
        if (SystemZonesEdit->cleanText().isEmpty()) {
            error(tr("You must select a range."));
            return false;
        }
    }
    return true;
}

void DataRetrievePage::openingRequests(int kind)
{
    m_requests->LogInStep();
    if (kind == VolatileEventData)
        return; // its limits come after the preparation
    if (kind == NonVolatileLogicData) {
        m_requests->OpeningRequest(37);
        m_requests->OpeningRequest(6);
        return;
    }
    m_requests->OpeningRequest(6);
    m_requests->OpeningRequest(37);
    if (isSensorKind(kind)) {
        m_requests->OpeningRequest(21);
        // The variant decides where "121-130" ends.
        ComboBoxDRSensorChange();
    }
}

bool DataRetrievePage::versionGate(int kind)
{
    QString refusal;
    if (kind == LonDevices && m_session.HostVersionMajor < 6)
        refusal = tr("LON Devices only supported in Host V6.XX");
    else if (kind == Pager && m_session.HostVersionMajor < 8)
        refusal = tr("Pager only supported in Host V8.XX");
    else if (kind == SystemZoneData && m_session.HostVersionMajor < 10)
        refusal = tr("System Zones only supported in Host V10.XX");
    if (refusal.isEmpty())
        return true;
    m_decoders->ClearRetrievalGrid();
    platform::showMessage(window(), platform::MessageType::Information, refusal);
    // The panel is left logged out, as after any other end.
    m_requests->SendLogIn(0);
    return false;
}

bool DataRetrievePage::prepare(int kind)
{
    m_session.RetrievalStarted = true;
    RetrievalContext &context = m_decoders->context();
    context.AllRange = ComboBoxDRrange->currentIndex() <= 0;
    try {
        m_decoders->PrepareRetrieval(kind);
    } catch (const std::exception &e) {
        // No data request without a table; the panel is logged out as
        // after any other end.
        m_outcome = Outcome::Failed;
        error(QString::fromLocal8Bit(e.what()));
        m_requests->SendLogIn(0);
        return false;
    }
    context.RecordCounter = 0;
    if (kind == VolatileEventData || kind == LonDevices)
        context.RetrievalRowCounter = 1;

    m_itemsToFetch = countItems(kind);
    // A panel with more sensors than the sensor grid reserves (8 loops of
    // 252) would lose its last rows from the grid and from the saved file.
    if (isSensorKind(kind) && m_itemsToFetch + 1 > m_grid->rowCount())
        m_grid->setRowCount(m_itemsToFetch + 1);
    LockRetrievalControls();
    showProgress();
    return true;
}

void DataRetrievePage::requestLoop(int kind)
{
    const bool allLoops = ComboBoxDRLoop->currentIndex() <= 0;
    const bool allSensors = ComboBoxDRSensor->currentIndex() <= 0;
    const bool allRange = ComboBoxDRrange->currentIndex() <= 0;
    LinkRequests &r = *m_requests;
    switch (kind) {
    case NonVolatileSensorData: r.SensorConfigurationLoop(allLoops, allSensors); break;
    case NonVolatileZoneData: r.ZoneConfigurationLoop(); break;
    case NonVolatileAreaData: r.AreaConfigurationLoop(); break;
    case NonVolatileLoopData: r.LoopConfigurationLoop(); break;
    case NonVolatileInputData: r.InputConfigurationLoop(allRange); break;
    case NonVolatileOutputData: r.OutputConfigurationLoop(allRange); break;
    case NonVolatileLogicData: r.LogicLoop(); break;
    case VolatileSensorData: r.SensorValuesLoop(allLoops, allSensors); break;
    case VolatileZoneData: r.ZoneStatusLoop(); break;
    case VolatileAreaData: r.AreaStatusLoop(); break;
    case VolatileLoopData: r.LoopStatusLoop(); break;
    case VolatileInputData: r.InputStatusLoop(allRange); break;
    case VolatileOutputData: r.OutputStatusLoop(allRange); break;
    case VolatileEventData: r.EventsLoop(); break;
    case LonDevices: r.LonDevicesLoop(); break;
    case Pager: r.PagerLoop(); break;
    case ZoneTestResults: ZoneTestLoop(); break;
    case SystemZoneData: r.SystemZonesLoop(); break;
    default: r.SendLogIn(0); break;
    }
}

void DataRetrievePage::ZoneTestLoop()
{
    // Per loop the panel's result table (46), then per address the device's
    // configuration (7); the zone test collector turns them into rows.
    LinkSession &s = m_session;
    s.LoopFrom = 1;
    s.LoopTo = s.LoopCount;
    for (int loop = 1; loop <= s.LoopCount; ++loop) {
        if (s.AbortFlag)
            return;
        m_requests->SendRequest(46, quint8(loop), 18, 0);
        for (int address = s.SensorFrom; address <= s.SensorTo; ++address) {
            if (s.AbortFlag)
                return;
            m_requests->SendRequest(7, quint8(loop), quint8(address));
        }
    }
    m_requests->SendLogIn(0);
}

// ---------------------------------------------------------------------------
// Progress

int DataRetrievePage::countItems(int kind) const
{
    const LinkSession &s = m_session;
    switch (kind) {
    case NonVolatileSensorData:
    case VolatileSensorData: {
        // The bounds the sensor loops will use.
        int loopFrom = s.LoopFrom, loopTo = qMin(s.LoopTo, s.LoopCount);
        int sensorFrom = s.SensorFrom, sensorTo = qMin(s.SensorTo, s.SensorsPerLoop);
        if (ComboBoxDRLoop->currentIndex() <= 0) {
            loopFrom = 1;
            loopTo = s.LoopCount;
        }
        if (ComboBoxDRSensor->currentIndex() <= 0) {
            sensorFrom = 1;
            sensorTo = s.SensorsPerLoop;
        }
        int perLoop = 0;
        for (int sensor = sensorFrom; sensor <= sensorTo; ++sensor) {
            if (!(s.PanelVariant == 2 && (sensor == 126 || sensor == 127)))
                ++perLoop;
        }
        return qMax(0, loopTo - loopFrom + 1) * perLoop;
    }
    case NonVolatileZoneData:
    case VolatileZoneData: return qMax(0, s.LastZone - s.FirstZone + 1);
    case NonVolatileAreaData:
    case VolatileAreaData: return qMax(0, s.AreaCount);
    case NonVolatileLoopData:
    case VolatileLoopData: return qMax(0, s.LoopCount);
    case NonVolatileLogicData: return qMax(0, s.LogicCount);
    case NonVolatileInputData:
    case NonVolatileOutputData:
    case VolatileInputData:
    case VolatileOutputData: {
        const int limit = isInputKind(kind) ? s.InputCount : s.OutputCount;
        if (s.RangeFrom > limit)
            return 0;
        const int from = ComboBoxDRrange->currentIndex() <= 0 ? 1 : s.RangeFrom;
        const int to = ComboBoxDRrange->currentIndex() <= 0 ? limit : qMin(s.RangeTo, limit);
        return qMax(0, to - from + 1);
    }
    case LonDevices: return 32;
    case Pager: return s.HostVersionMajor <= 8 ? 255 : 32;
    case SystemZoneData: return qMax(0, s.SystemZoneTo - s.SystemZoneFrom + 1);
    default: return 0; // known only once the panel has answered
    }
}

QString DataRetrievePage::progressText() const
{
    if (m_itemsToFetch > 0)
        return tr("Retrieving %1 of %2").arg(m_itemsDone).arg(m_itemsToFetch);
    return tr("Retrieving %1").arg(m_itemsDone);
}

void DataRetrievePage::noteItem()
{
    ++m_itemsDone;
    showProgress();
}

void DataRetrievePage::showProgress()
{
    const QString text = progressText();
    if (text == m_shownProgress)
        return;
    m_shownProgress = text;
    if (m_hooks.setProgressText)
        m_hooks.setProgressText(text);
}

// ---------------------------------------------------------------------------
// Save to file

void DataRetrievePage::ButtonDataRetrieveSaveClick()
{
    // 1. The dialog may move the current directory; it is put back.
    const QString remembered = QDir::currentPath();
    platform::FileRequest request;
    request.kind = platform::FileDialogKind::Save;
    request.defaultSuffix = QStringLiteral("txt");
    request.filter = tr("text files") + QStringLiteral(" (*.txt);;") + tr("log files") + QStringLiteral(" (*.log);;")
                     + tr("spreadsheets") + QStringLiteral(" (*.xls);;") + tr("All") + QStringLiteral(" (*.*)");
    const std::optional<QString> path = platform::askFile(window(), request);
    // 2. to 4.
    if (path && !path->isEmpty())
        SaveToFile(*path);
    // 5.
    QDir::setCurrent(remembered);
}

bool DataRetrievePage::SaveToFile(const QString &path)
{
    QString reason;
    if (retrievalfile::save(path, *m_grid, m_session.LinkSiteKey, m_selection.SelectedPanel, m_selection.SelectedSub,
                            &reason))
        return true;
    error(tr("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}
