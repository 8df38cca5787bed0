#include "SettingsPage.h"

#include "CodePage1252.h"
#include "DialogSeam.h"
#include "IniFile.h"
#include "Timing.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using platform::MessageType;

namespace {

const char kContext[] = "TForm1";
QString tr1(const char *source)
{
    return QCoreApplication::translate(kContext, source);
}


constexpr int DeviceRole = Qt::UserRole + 1;
constexpr int ToneId = 0;
constexpr int PulseId = 1;

template<typename W, typename... Args>
W *named(const char *objectName, Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)...);
    w->setObjectName(QLatin1String(objectName));
    return w;
}

QByteArray cut(const QByteArray &text, int capacity)
{
    return text.size() > capacity ? text.left(capacity) : text;
}

// The port list shows each number with the device the port map names for
// it; the text of the item (what the link reads) stays the bare number.
class PortItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString device = index.data(DeviceRole).toString();
        if (!device.isEmpty())
            option->text += QStringLiteral("    ") + device;
    }
};

} // namespace

SettingsPage::SettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SettingsPage"));
    build();
    refreshPortMap();
}

// ---------------------------------------------------------------------------
// Texts

void SettingsPage::applyTexts()
{
    m_texts.apply();
    PortMapGrid->setHorizontalHeaderLabels({tr1(QT_TRANSLATE_NOOP("TForm1", "Port")),
                                            tr1(QT_TRANSLATE_NOOP("TForm1", "Device"))});
}

void SettingsPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------------------
// Construction

void SettingsPage::build()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(12);

    auto *left = new QVBoxLayout;
    left->addWidget(buildSerialGroup());
    left->addWidget(buildPortMapGroup(), 1);
    layout->addLayout(left, 2);

    auto *right = new QVBoxLayout;
    right->addWidget(buildModemGroup());
    right->addStretch(1);
    layout->addLayout(right, 3);

    applyTexts();
}

QGroupBox *SettingsPage::buildSerialGroup()
{
    GroupBoxSerialSettings = named<QGroupBox>("GroupBoxSerialSettings");
    m_texts.add(GroupBoxSerialSettings, QT_TRANSLATE_NOOP("TForm1", "Serial Port Settings"), platform::FormTexts::Title);
    auto *form = new QFormLayout(GroupBoxSerialSettings);

    ComboBoxComPort = named<QComboBox>("ComboBoxComPort");
    ComboBoxComPort->setEditable(true);
    ComboBoxComPort->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxComPort->setItemDelegate(new PortItemDelegate(ComboBoxComPort));
    for (int port = kxports::FirstPort; port <= kxports::LastPort; ++port)
        ComboBoxComPort->addItem(QString::number(port));
    ComboBoxComPort->setCurrentText(QString::fromLatin1(kxcom::DefaultComPort));

    ComboBoxBaudRate = named<QComboBox>("ComboBoxBaudRate");
    ComboBoxBaudRate->setEditable(true);
    ComboBoxBaudRate->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxBaudRate->addItems({QStringLiteral("300"), QStringLiteral("600"), QStringLiteral("1200"),
                                QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                                QStringLiteral("19200"), QStringLiteral("38400")});
    ComboBoxBaudRate->setCurrentText(QString::fromLatin1(kxcom::DefaultBaudRate));

    // Data bits, stop bits and parity show the stored values, whatever they
    // are; only the settings file changes them.
    ComboBoxDataBits = named<QComboBox>("ComboBoxDataBits");
    ComboBoxDataBits->addItems({QStringLiteral("7"), QStringLiteral("8")});
    ComboBoxStopBits = named<QComboBox>("ComboBoxStopBits");
    ComboBoxStopBits->addItems({QStringLiteral("1"), QStringLiteral("2")});
    ComboBoxParity = named<QComboBox>("ComboBoxParity");
    ComboBoxParity->addItems({QStringLiteral("None"), QStringLiteral("Odd"), QStringLiteral("Even"),
                              QStringLiteral("Mark"), QStringLiteral("Space")});
    for (QComboBox *box : {ComboBoxDataBits, ComboBoxStopBits, ComboBoxParity}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setEnabled(false);
    }
    ComboBoxDataBits->setCurrentText(QString::fromLatin1(kxcom::DefaultDataBits));
    ComboBoxStopBits->setCurrentText(QString::fromLatin1(kxcom::DefaultStopBits));
    ComboBoxParity->setCurrentText(QString::fromLatin1(kxcom::DefaultParity));

    LabelOwnNodeId = named<QLabel>("LabelOwnNodeId");
    m_texts.add(LabelOwnNodeId, QT_TRANSLATE_NOOP("TForm1", "Own Node ID:"));
    EditOwnNodeId = named<QLineEdit>("EditOwnNodeId", QString::fromLatin1(kxcom::DefaultRepeater));

    form->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Com Port:")), ComboBoxComPort);
    form->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Baud Rate:")), ComboBoxBaudRate);
    form->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Data Bits:")), ComboBoxDataBits);
    form->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Stop Bits:")), ComboBoxStopBits);
    form->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Parity:")), ComboBoxParity);
    form->addRow(LabelOwnNodeId, EditOwnNodeId);
    // The own node ID is kept, not shown.
    LabelOwnNodeId->hide();
    EditOwnNodeId->hide();
    return GroupBoxSerialSettings;
}

QGroupBox *SettingsPage::buildModemGroup()
{
    GroupBoxModemSettings = named<QGroupBox>("GroupBoxModemSettings");
    m_texts.add(GroupBoxModemSettings, QT_TRANSLATE_NOOP("TForm1", "Modem Settings"), platform::FormTexts::Title);
    auto *layout = new QVBoxLayout(GroupBoxModemSettings);

    auto *top = new QHBoxLayout;
    ModemsListBox = named<QListWidget>("ModemsListBox");
    ModemsListBox->setMinimumWidth(180);
    ModemsListBox->setMaximumWidth(240);
    top->addWidget(ModemsListBox);

    auto *fields = new QFormLayout;
    ModTypEdit = named<QLineEdit>("ModTypEdit");
    ModStrEdit = named<QLineEdit>("ModStrEdit");
    EscSeqEdit = named<QLineEdit>("EscSeqEdit", QString::fromLatin1(kxmod::DefaultEscSeq));
    HangupCmdEdit = named<QLineEdit>("HangupCmdEdit", QString::fromLatin1(kxmod::DefaultHangUpCmd));
    fields->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Model")), ModTypEdit);
    fields->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Initialization String")), ModStrEdit);
    fields->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Escape Chatacters")), EscSeqEdit);
    fields->addRow(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Hang up command")), HangupCmdEdit);

    auto *buttons = new QHBoxLayout;
    InsertBitBtn = named<QPushButton>("InsertBitBtn");
    m_texts.add(InsertBitBtn, QT_TRANSLATE_NOOP("TForm1", "&Insert"));
    InsertBitBtn->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    ModifyBitBtn = named<QPushButton>("ModifyBitBtn");
    m_texts.add(ModifyBitBtn, QT_TRANSLATE_NOOP("TForm1", "&Modify"));
    ModifyBitBtn->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    DeleteBitBtn = named<QPushButton>("DeleteBitBtn");
    m_texts.add(DeleteBitBtn, QT_TRANSLATE_NOOP("TForm1", "&Delete"));
    DeleteBitBtn->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    buttons->addWidget(InsertBitBtn);
    buttons->addWidget(ModifyBitBtn);
    buttons->addWidget(DeleteBitBtn);
    buttons->addStretch(1);
    fields->addRow(buttons);
    top->addLayout(fields, 1);
    layout->addLayout(top);

    auto *dialing = new QHBoxLayout;
    DialCmdRG = named<QGroupBox>("DialCmdRG");
    auto *radios = new QHBoxLayout(DialCmdRG);
    DialCmdTone = named<QRadioButton>("DialCmdTone");
    m_texts.add(DialCmdTone, QT_TRANSLATE_NOOP("TForm1", "Tone Dialing"));
    DialCmdPulse = named<QRadioButton>("DialCmdPulse");
    m_texts.add(DialCmdPulse, QT_TRANSLATE_NOOP("TForm1", "Pulse Dialing"));
    radios->addWidget(DialCmdTone);
    radios->addWidget(DialCmdPulse);
    m_dialGroup = new QButtonGroup(this);
    m_dialGroup->addButton(DialCmdTone, ToneId);
    m_dialGroup->addButton(DialCmdPulse, PulseId);
    DialCmdTone->setChecked(true);

    auto *prefix = new QGridLayout;
    DialPrefixEdit = named<QLineEdit>("DialPrefixEdit");
    DialPrefixEdit->setMaximumWidth(120);
    prefix->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "The phone at this location uses : ")), 0, 0);
    prefix->addWidget(DialCmdRG, 0, 1);
    prefix->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "To access an outside line, first dial ")), 1, 0);
    prefix->addWidget(DialPrefixEdit, 1, 1, Qt::AlignLeft);
    dialing->addLayout(prefix);
    dialing->addStretch(1);
    layout->addLayout(dialing);

    // Changes of these texts take effect in the working strings at once.
    connect(ModStrEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_working.InitString = cut(platform::toCp1252(text), kxmod::StringCapacity);
        emit workingStringsChanged();
    });
    connect(DialPrefixEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_working.DialPrefix = cut(platform::toCp1252(text), kxmod::StringCapacity);
        emit workingStringsChanged();
    });
    connect(m_dialGroup, &QButtonGroup::idClicked, this, &SettingsPage::DialCmdRGClick);
    connect(ModemsListBox, &QListWidget::itemClicked, this, &SettingsPage::ShowSelectedModem);
    connect(InsertBitBtn, &QPushButton::clicked, this, &SettingsPage::InsertBitBtnClick);
    connect(ModifyBitBtn, &QPushButton::clicked, this, &SettingsPage::ModifyBitBtnClick);
    connect(DeleteBitBtn, &QPushButton::clicked, this, &SettingsPage::DeleteBitBtnClick);
    return GroupBoxModemSettings;
}

QGroupBox *SettingsPage::buildPortMapGroup()
{
    GroupBoxPortMap = named<QGroupBox>("GroupBoxPortMap");
    m_texts.add(GroupBoxPortMap, QT_TRANSLATE_NOOP("TForm1", "Port Map"), platform::FormTexts::Title);
    auto *layout = new QVBoxLayout(GroupBoxPortMap);

    PortMapGrid = named<QTableWidget>("PortMapGrid", 0, 2);
    PortMapGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PortMapGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    PortMapGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    PortMapGrid->verticalHeader()->hide();
    PortMapGrid->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(PortMapGrid, 1);

    auto *row = new QHBoxLayout;
    PortMapPortEdit = named<QSpinBox>("PortMapPortEdit");
    PortMapPortEdit->setRange(kxports::FirstPort, kxports::LastPort);
    PortMapDeviceComboBox = named<QComboBox>("PortMapDeviceComboBox");
    PortMapDeviceComboBox->setEditable(true);
    PortMapDeviceComboBox->setInsertPolicy(QComboBox::NoInsert);
    PortMapDeviceComboBox->lineEdit()->setPlaceholderText(QStringLiteral("tcp://host:port"));
    PortMapDeviceComboBox->setMinimumContentsLength(18);
    PortMapSetButton = named<QPushButton>("PortMapSetButton");
    m_texts.add(PortMapSetButton, QT_TRANSLATE_NOOP("TForm1", "&Set"));
    PortMapRemoveButton = named<QPushButton>("PortMapRemoveButton");
    m_texts.add(PortMapRemoveButton, QT_TRANSLATE_NOOP("TForm1", "&Remove"));
    row->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Port:")));
    row->addWidget(PortMapPortEdit);
    row->addWidget(PortMapDeviceComboBox, 1);
    row->addWidget(PortMapSetButton);
    row->addWidget(PortMapRemoveButton);
    layout->addLayout(row);

    connect(PortMapSetButton, &QPushButton::clicked, this, &SettingsPage::PortMapSetButtonClick);
    connect(PortMapRemoveButton, &QPushButton::clicked, this, &SettingsPage::PortMapRemoveButtonClick);
    connect(PortMapGrid, &QTableWidget::cellClicked, this, [this](int r, int) {
        if (QTableWidgetItem *port = PortMapGrid->item(r, 0))
            PortMapPortEdit->setValue(port->text().toInt());
        if (QTableWidgetItem *device = PortMapGrid->item(r, 1))
            PortMapDeviceComboBox->setEditText(device->text());
    });
    return GroupBoxPortMap;
}

// ---------------------------------------------------------------------------
// Port map

void SettingsPage::refreshPortMap()
{
    QMap<int, QString> map;
    try {
        map = readPortMap();
    } catch (const std::exception &) {
        // An unreadable port map annotates nothing; the library reports the
        // port it cannot open.
    }
    for (int i = 0; i < ComboBoxComPort->count(); ++i) {
        const QString device = map.value(ComboBoxComPort->itemText(i).toInt());
        ComboBoxComPort->setItemData(i, device.isEmpty() ? QVariant() : QVariant(device), DeviceRole);
        ComboBoxComPort->setItemData(i, device.isEmpty() ? QVariant() : QVariant(device), Qt::ToolTipRole);
    }
    PortMapGrid->setRowCount(0);
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const int r = PortMapGrid->rowCount();
        PortMapGrid->insertRow(r);
        PortMapGrid->setItem(r, 0, new QTableWidgetItem(QString::number(it.key())));
        PortMapGrid->setItem(r, 1, new QTableWidgetItem(it.value()));
    }

    const QString typed = PortMapDeviceComboBox->currentText();
    PortMapDeviceComboBox->clear();
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        PortMapDeviceComboBox->addItem(info.systemLocation());
    PortMapDeviceComboBox->setEditText(typed);
}

QString SettingsPage::portDevice(int port) const
{
    const int i = ComboBoxComPort->findText(QString::number(port));
    return i < 0 ? QString() : ComboBoxComPort->itemData(i, DeviceRole).toString();
}

void SettingsPage::PortMapSetButtonClick()
{
    const QString device = PortMapDeviceComboBox->currentText().trimmed();
    if (!isValidPortDevice(device)) {
        platform::showMessage(this, MessageType::Warning,
                              tr1(QT_TRANSLATE_NOOP("TForm1", "Enter a serial device or an address tcp://host:port")));
        return;
    }
    try {
        writePortMapEntry(PortMapPortEdit->value(), device);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
    refreshPortMap();
}

void SettingsPage::PortMapRemoveButtonClick()
{
    try {
        writePortMapEntry(PortMapPortEdit->value(), QString());
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
    refreshPortMap();
}

// ---------------------------------------------------------------------------
// Load and save

void SettingsPage::errorBox(const QString &text)
{
    platform::showMessage(this, MessageType::Error, text);
}

void SettingsPage::loadCommunicationSettings()
{
    ComSettings s;
    try {
        s = readComSettings();
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
    ComboBoxComPort->setCurrentText(platform::fromCp1252(s.ComPort));
    ComboBoxBaudRate->setCurrentText(platform::fromCp1252(s.BaudRate));
    ComboBoxDataBits->setCurrentText(platform::fromCp1252(s.DataBits));
    ComboBoxStopBits->setCurrentText(platform::fromCp1252(s.StopBits));
    ComboBoxParity->setCurrentText(platform::fromCp1252(s.Parity));
    EditOwnNodeId->setText(platform::fromCp1252(s.Repeater));
}

void SettingsPage::showDialType()
{
    // Exactly "ATDP" is pulse dialling; any other command shows as tone and
    // is dialled as stored until the operator chooses.
    (m_working.DialStr == kxmod::PulseDialing ? DialCmdPulse : DialCmdTone)->setChecked(true);
    const QSignalBlocker block(DialPrefixEdit);
    DialPrefixEdit->setText(platform::fromCp1252(m_working.DialPrefix));
}

void SettingsPage::loadModemSettings()
{
    try {
        m_working = readModemStrings();
        {
            const QSignalBlocker block(ModStrEdit);
            ModStrEdit->setText(platform::fromCp1252(m_working.InitString));
        }
        showDialType();
        emit workingStringsChanged();
        // Read and checked; the list always opens at its first modem.
        readPreviousModem();
    } catch (const std::exception &e) {
        // The start goes on: the value is not used.
        errorBox(QString::fromLocal8Bit(e.what()));
    }
}

void SettingsPage::loadModemList()
{
    ModemsIniDBase.setFileName(kxmodems::FileName);
    ModemsListBox->clear();
    QList<QByteArray> models;
    try {
        models = ModemsIniDBase.keys();
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
    QStringList names;
    for (const QByteArray &model : std::as_const(models))
        names.append(platform::fromCp1252(model));
    std::sort(names.begin(), names.end());
    ModemsListBox->addItems(names);
    if (ModemsListBox->count() > 0) {
        selectModemRow(0);
        ShowSelectedModem();
    }
    showDialType();
}

void SettingsPage::saveModemSettings()
{
    try {
        writeModemSettings(m_working, selectedModem());
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
}

void SettingsPage::saveSerialSettings()
{
    ComSettings s;
    s.ComPort = platform::toCp1252(ComboBoxComPort->currentText());
    s.BaudRate = platform::toCp1252(ComboBoxBaudRate->currentText());
    s.DataBits = platform::toCp1252(ComboBoxDataBits->currentText());
    s.StopBits = platform::toCp1252(ComboBoxStopBits->currentText());
    s.Parity = platform::toCp1252(ComboBoxParity->currentText());
    s.Repeater = platform::toCp1252(EditOwnNodeId->text());
    try {
        writeComSettings(s);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
}

// ---------------------------------------------------------------------------
// Dialling and the modem list

void SettingsPage::DialCmdRGClick(int id)
{
    m_working.DialStr = id == PulseId ? kxmod::PulseDialing : kxmod::ToneDialing;
    emit workingStringsChanged();
}

int SettingsPage::selectedModem() const
{
    QListWidgetItem *item = ModemsListBox->currentItem();
    return item && item->isSelected() ? ModemsListBox->row(item) : -1;
}

void SettingsPage::selectModemRow(int row)
{
    if (row < 0 || row >= ModemsListBox->count()) {
        ModemsListBox->setCurrentRow(-1);
        ModemsListBox->clearSelection();
        return;
    }
    ModemsListBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

int SettingsPage::sortedPosition(const QString &model) const
{
    int row = 0;
    while (row < ModemsListBox->count() && !(model < ModemsListBox->item(row)->text()))
        ++row;
    return row;
}

void SettingsPage::ShowSelectedModem()
{
    const int row = selectedModem();
    if (row < 0) {
        ModTypEdit->clear();
        ModStrEdit->clear(); // empties the working init string too
        EscSeqEdit->clear();
        HangupCmdEdit->clear();
        return;
    }
    const QByteArray model = platform::toCp1252(ModemsListBox->item(row)->text());
    const QByteArray none = platform::toCp1252(tr1(QT_TRANSLATE_NOOP("TForm1", "none")));
    QByteArray init = none;
    QByteArray esc = none;
    QByteArray hangUp = none;
    try {
        const platform::IniFile file(ModemsIniDBase.fileName());
        init = file.readString(model, kxmodems::FieldInitStr, none);
        esc = file.readString(model, kxmodems::FieldEcsChars, none);
        hangUp = file.readString(model, kxmodems::FieldHangUp, none);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
    }
    init = cut(init, kxmodems::InitStrCapacity);
    esc = cut(esc, kxmodems::EcsCharsCapacity);
    hangUp = cut(hangUp, kxmodems::HangUpCapacity);

    ModTypEdit->setText(platform::fromCp1252(cut(model, kxmodems::ModelCapacity)));
    ModStrEdit->setText(platform::fromCp1252(init));
    EscSeqEdit->setText(platform::fromCp1252(esc));
    HangupCmdEdit->setText(platform::fromCp1252(hangUp));
    m_working.InitString = init;
    m_working.EscSeq = esc;
    m_working.HangUpCmd = hangUp;
    emit workingStringsChanged();
}

bool SettingsPage::recordFromEdits(ModemRecord &record)
{
    struct Check { QLineEdit *edit; const char *message; };
    const Check checks[] = {
        {ModTypEdit, QT_TRANSLATE_NOOP("TForm1", "You must enter a Model")},
        {ModStrEdit, QT_TRANSLATE_NOOP("TForm1", "You must enter an Initialisation String")},
        {EscSeqEdit, QT_TRANSLATE_NOOP("TForm1", "You must enter Escape Characters")},
        {HangupCmdEdit, QT_TRANSLATE_NOOP("TForm1", "You must enter a hang up command")},
    };
    for (const Check &c : checks) {
        if (c.edit->text().isEmpty()) {
            c.edit->setFocus();
            errorBox(tr1(c.message));
            return false;
        }
    }
    record.MODEL = platform::toCp1252(ModTypEdit->text());
    record.InitStr = platform::toCp1252(ModStrEdit->text());
    record.EcsChars = platform::toCp1252(EscSeqEdit->text());
    record.HangUp = platform::toCp1252(HangupCmdEdit->text());
    record.cutToCapacity();
    if (!isValidModemModel(record.MODEL)) {
        // A model names a section of the file: it must be one that the file
        // can hold and that is not the file's own bookkeeping.
        ModTypEdit->setFocus();
        errorBox(tr1(QT_TRANSLATE_NOOP("TForm1", "A Model cannot be blank, contain \"]\" or be named Index or Defaults")));
        return false;
    }
    return true;
}

void SettingsPage::InsertBitBtnClick()
{
    ModemRecord record;
    if (!recordFromEdits(record))
        return;
    try {
        ModemsIniDBase.add(record);
    } catch (const std::exception &) {
        platform::showMessage(this, MessageType::Error,
                              tr1(QT_TRANSLATE_NOOP("TForm1", "A record with that Model already exists")));
        return;
    }
    const QString model = platform::fromCp1252(record.MODEL);
    const int row = sortedPosition(model);
    ModemsListBox->insertItem(row, model);
    selectModemRow(row);
}

void SettingsPage::ModifyBitBtnClick()
{
    const int row = selectedModem();
    if (row < 0) {
        platform::beep();
        return;
    }
    ModemRecord record;
    if (!recordFromEdits(record))
        return;
    try {
        ModemsIniDBase.update(platform::toCp1252(ModemsListBox->item(row)->text()), record);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
        return;
    }
    // Renamed in place; the sort order comes back at the next start.
    ModemsListBox->item(row)->setText(platform::fromCp1252(record.MODEL));
    selectModemRow(row);
}

void SettingsPage::DeleteBitBtnClick()
{
    const int row = selectedModem();
    if (row < 0) {
        platform::beep();
        return;
    }
    const QByteArray model = platform::toCp1252(ModemsListBox->item(row)->text());
    ModemRecord record;
    try {
        record = ModemsIniDBase.read(model);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
        return;
    }
    const QString question = tr1(QT_TRANSLATE_NOOP("TForm1", "Are you sure you want to delete "))
        + platform::fromCp1252(record.MODEL) + QStringLiteral("\"?");
    if (platform::showMessage(this, MessageType::Confirmation, question, platform::ButtonYes | platform::ButtonNo)
        != platform::ButtonYes)
        return;
    try {
        ModemsIniDBase.remove(model);
    } catch (const std::exception &e) {
        errorBox(QString::fromLocal8Bit(e.what()));
        return;
    }
    delete ModemsListBox->takeItem(row);
    const int count = ModemsListBox->count();
    selectModemRow(count == 0 ? -1 : std::min(row, count - 1));
    ShowSelectedModem();
}
