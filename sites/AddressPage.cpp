#include "AddressPage.h"

#include "CodePage1252.h"
#include "DialogSeam.h"
#include "IniFile.h"
#include "LinkSession.h"
#include "YesNoButton.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlTableModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using platform::MessageType;

namespace {

// The page's texts belong to the main window's form.
const char kContext[] = "TForm1";
QString tr1(const char *source)
{
    return QCoreApplication::translate(kContext, source);
}


template<typename W, typename... Args>
W *named(const char *objectName, Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)...);
    w->setObjectName(QLatin1String(objectName));
    return w;
}

QByteArray trimLeft(const QByteArray &text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == ' ')
        ++i;
    return text.mid(i);
}

} // namespace

AddressPage::AddressPage(const QString &programDirectory, const LinkSession &session, QWidget *parent)
    : QWidget(parent), m_programDirectory(programDirectory), m_session(session)
{
    setObjectName(QStringLiteral("AddressPage"));
    build();
    GroupBoxSiteInfo->hide();
}

AddressPage::~AddressPage()
{
    // The views go before the table's model does.
    DBGrid1->setModel(nullptr);
    for (const QPointer<QTableView> &grid : std::as_const(m_otherGrids)) {
        if (grid)
            grid->setModel(nullptr);
    }
}

// ---------------------------------------------------------------------------
// Texts

void AddressPage::applyTexts()
{
    m_texts.apply();
    if (Table1.isOpen())
        Table1.model()->select();
}

void AddressPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------------------
// Construction

void AddressPage::build()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(12);

    auto *left = new QVBoxLayout;
    ListBoxAddresses = named<QListWidget>("ListBoxAddresses");
    ListBoxAddresses->setSortingEnabled(true);
    ListBoxAddresses->setMinimumWidth(200);
    ListBoxAddresses->setMaximumWidth(280);
    left->addWidget(ListBoxAddresses, 1);
    ButtonAddressAdd = named<QPushButton>("ButtonAddressAdd");
    m_texts.add(ButtonAddressAdd, QT_TRANSLATE_NOOP("TForm1", "&Add"));
    left->addWidget(ButtonAddressAdd);
    layout->addLayout(left);

    GroupBoxSiteInfo = named<QGroupBox>("GroupBoxSiteInfo");
    m_texts.add(GroupBoxSiteInfo, QT_TRANSLATE_NOOP("TForm1", "SITE INFORMATION"), platform::FormTexts::Title);
    auto *info = new QVBoxLayout(GroupBoxSiteInfo);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    EditAddInfo = named<QLineEdit>("EditAddInfo");
    EditAddInfo->setMaxLength(address::ModemIdCapacity);
    EditSiteName = named<QLineEdit>("EditSiteName");
    EditSiteName->setMaxLength(address::SiteNameCapacity);
    EditSiteAddress = named<QLineEdit>("EditSiteAddress");
    EditSiteAddress->setMaxLength(49);
    EditSiteTelephoneNumber = named<QLineEdit>("EditSiteTelephoneNumber");
    EditSiteTelephoneNumber->setMaxLength(25);
    ComboBoxMode = named<QComboBox>("ComboBoxMode");
    for (int i = 0; i < address::ModeListItems; ++i)
        ComboBoxMode->addItem(QString::fromLatin1(address::modeTexts().at(i)));
    OwnIDComboBox = named<QComboBox>("OwnIDComboBox");
    OwnIDComboBox->setEditable(true);
    OwnIDComboBox->setInsertPolicy(QComboBox::NoInsert);
    for (int id = 1; id <= 31; ++id)
        OwnIDComboBox->addItem(QString::number(id));

    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Site Modem ID:")), 0, 0);
    fields->addWidget(EditAddInfo, 0, 1);
    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Site Directory:")), 0, 2);
    fields->addWidget(EditSiteName, 0, 3);
    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Site Address:")), 1, 0);
    fields->addWidget(EditSiteAddress, 1, 1, 1, 3);
    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Site Modem Number:")), 2, 0);
    fields->addWidget(EditSiteTelephoneNumber, 2, 1);
    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Network Configuration:")), 3, 0);
    fields->addWidget(ComboBoxMode, 3, 1);
    fields->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Own Node ID:")), 3, 2);
    fields->addWidget(OwnIDComboBox, 3, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    info->addLayout(fields);

    auto *logRow = new QHBoxLayout;
    logRow->addWidget(m_texts.label(QT_TRANSLATE_NOOP("TForm1", "Log to file:")));
    struct Flag { YesNoButton **button; const char *name; const char *caption; };
    const Flag flags[] = {
        {&BitBtnLTFAction, "BitBtnLTFAction", QT_TRANSLATE_NOOP("TForm1", "Action")},
        {&BitBtnLTFFire, "BitBtnLTFFire", QT_TRANSLATE_NOOP("TForm1", "Fire")},
        {&BitBtnLTFFault, "BitBtnLTFFault", QT_TRANSLATE_NOOP("TForm1", "Fault")},
        {&BitBtnLTFCond, "BitBtnLTFCond", QT_TRANSLATE_NOOP("TForm1", "Condition")},
    };
    for (const Flag &f : flags) {
        *f.button = named<YesNoButton>(f.name);
        auto *column = new QVBoxLayout;
        QLabel *caption = m_texts.label(f.caption);
        caption->setAlignment(Qt::AlignHCenter);
        column->addWidget(caption);
        column->addWidget(*f.button);
        logRow->addLayout(column);
    }
    logRow->addStretch(1);
    info->addLayout(logRow);

    auto *buttons = new QHBoxLayout;
    ButtonSiteInfoOK = named<QPushButton>("ButtonSiteInfoOK");
    m_texts.add(ButtonSiteInfoOK, QT_TRANSLATE_NOOP("TForm1", "&OK to ADD"));
    ButtonAddressChange = named<QPushButton>("ButtonAddressChange");
    m_texts.add(ButtonAddressChange, QT_TRANSLATE_NOOP("TForm1", "Exit Sa&ve"));
    ButtonSiteInfoCancel = named<QPushButton>("ButtonSiteInfoCancel");
    m_texts.add(ButtonSiteInfoCancel, QT_TRANSLATE_NOOP("TForm1", "Exit Ca&ncel"));
    ButtonAddressDelete = named<QPushButton>("ButtonAddressDelete");
    m_texts.add(ButtonAddressDelete, QT_TRANSLATE_NOOP("TForm1", "&Delete Site"));
    for (QPushButton *b : {ButtonSiteInfoOK, ButtonAddressChange, ButtonSiteInfoCancel, ButtonAddressDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    info->addLayout(buttons);

    GroupBox10 = named<QGroupBox>("GroupBox10");
    m_texts.add(GroupBox10, QT_TRANSLATE_NOOP("TForm1", "PANELS"), platform::FormTexts::Title);
    auto *panels = new QVBoxLayout(GroupBox10);
    DBNavigator1 = named<QWidget>("DBNavigator1");
    auto *nav = new QHBoxLayout(DBNavigator1);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(2);
    struct NavButton { QToolButton **button; const char *name; QStyle::StandardPixmap icon; const char *hint; };
    const NavButton navButtons[] = {
        {&NavigatorFirst, "NavigatorFirst", QStyle::SP_MediaSkipBackward, QT_TRANSLATE_NOOP("TForm1", "First record")},
        {&NavigatorPrior, "NavigatorPrior", QStyle::SP_MediaSeekBackward, QT_TRANSLATE_NOOP("TForm1", "Prior record")},
        {&NavigatorNext, "NavigatorNext", QStyle::SP_MediaSeekForward, QT_TRANSLATE_NOOP("TForm1", "Next record")},
        {&NavigatorLast, "NavigatorLast", QStyle::SP_MediaSkipForward, QT_TRANSLATE_NOOP("TForm1", "Last record")},
        {&NavigatorInsert, "NavigatorInsert", QStyle::SP_FileDialogNewFolder, QT_TRANSLATE_NOOP("TForm1", "Insert record")},
        {&NavigatorDelete, "NavigatorDelete", QStyle::SP_TrashIcon, QT_TRANSLATE_NOOP("TForm1", "Delete record")},
    };
    for (const NavButton &b : navButtons) {
        *b.button = named<QToolButton>(b.name);
        (*b.button)->setIcon(style()->standardIcon(b.icon));
        (*b.button)->setAutoRaise(false);
        m_texts.add(*b.button, b.hint, platform::FormTexts::ToolTip);
        nav->addWidget(*b.button);
    }
    NavigatorInsert->setText(QStringLiteral("+"));
    NavigatorDelete->setText(QStringLiteral("-"));
    nav->addStretch(1);
    panels->addWidget(DBNavigator1);

    DBGrid1 = named<QTableView>("DBGrid1");
    QSqlTableModel *model = Table1.model();
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    DBGrid1->setModel(model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 8);
    panels->addWidget(DBGrid1, 1);
    info->addWidget(GroupBox10, 1);

    layout->addWidget(GroupBoxSiteInfo, 1);

    applyTexts();

    connect(ButtonAddressAdd, &QPushButton::clicked, this, &AddressPage::ButtonAddressAddClick);
    connect(ButtonSiteInfoOK, &QPushButton::clicked, this, &AddressPage::ButtonSiteInfoOKClick);
    connect(ListBoxAddresses, &QListWidget::itemClicked, this, &AddressPage::ListBoxAddressesClick);
    connect(ButtonAddressChange, &QPushButton::clicked, this, &AddressPage::ButtonAddressChangeClick);
    connect(ButtonSiteInfoCancel, &QPushButton::clicked, this, &AddressPage::ButtonSiteInfoCancelClick);
    connect(ButtonAddressDelete, &QPushButton::clicked, this, &AddressPage::ButtonAddressDeleteClick);
    // The operator's choice only; a choice made by the program fills nothing.
    connect(ComboBoxMode, &QComboBox::activated, this, &AddressPage::ComboBoxModeChange);
    connect(NavigatorFirst, &QToolButton::clicked, this, &AddressPage::NavigatorFirstClick);
    connect(NavigatorPrior, &QToolButton::clicked, this, &AddressPage::NavigatorPriorClick);
    connect(NavigatorNext, &QToolButton::clicked, this, &AddressPage::NavigatorNextClick);
    connect(NavigatorLast, &QToolButton::clicked, this, &AddressPage::NavigatorLastClick);
    connect(NavigatorInsert, &QToolButton::clicked, this, &AddressPage::NavigatorInsertClick);
    connect(NavigatorDelete, &QToolButton::clicked, this, &AddressPage::NavigatorDeleteClick);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                panelRowChanged(current.row(), previous.row());
            });
}

void AddressPage::setSitePanelGrids(const QList<QTableView *> &grids)
{
    m_otherGrids.clear();
    for (QTableView *grid : grids) {
        if (!grid)
            continue;
        grid->setModel(Table1.model());
        m_otherGrids.append(grid);
    }
}

AddressPage::State AddressPage::state() const
{
    if (GroupBoxSiteInfo->isHidden())
        return State::Browsing;
    return ButtonSiteInfoOK->isHidden() ? State::Editing : State::Adding;
}

// ---------------------------------------------------------------------------
// Site list and the panel table

void AddressPage::refillSiteList(bool leaveOutIndexAndDefaults)
{
    ListBoxAddresses->clear();
    QList<QByteArray> sections;
    try {
        sections = SiteList(m_programDirectory);
    } catch (const std::exception &) {
        // An unreadable book shows an empty list.
    }
    for (const QByteArray &section : std::as_const(sections)) {
        if (leaveOutIndexAndDefaults && (section == address::IndexSection || section == address::DefaultsSection))
            continue;
        ListBoxAddresses->addItem(platform::fromCp1252(section));
    }
}

void AddressPage::returnToBrowsing()
{
    GroupBoxSiteInfo->hide();
    refillSiteList(false);
}

void AddressPage::setOtherGridsEnabled(bool enabled)
{
    for (const QPointer<QTableView> &grid : std::as_const(m_otherGrids)) {
        if (grid)
            grid->setEnabled(enabled);
    }
}

void AddressPage::pointTableAt(const QByteArray &siteName)
{
    Table1.setDatabaseName(siteFolderPath(m_programDirectory, siteName));
    Table1.setTableName(address::PanelTableName);
}

void AddressPage::OpenSitePanelTable(const QByteArray &siteName)
{
    if (Table1.isOpen())
        return;
    pointTableAt(siteName);
    Table1.open();
    m_insertedRow = -1;
    setOtherGridsEnabled(true);
}

void AddressPage::CreateSitePanelTable(const QByteArray &siteName)
{
    Table1.close();
    m_insertedRow = -1;
    createSitePanelTable(Table1, m_programDirectory, siteName);
    Table1.open();
}

void AddressPage::closeSitePanelViews()
{
    setOtherGridsEnabled(false);
    Table1.close();
    m_insertedRow = -1;
}

void AddressPage::FillOwnIdChoices()
{
    const QString shown = OwnIDComboBox->currentText();
    const int count = address::ownIdCount(ComboBoxMode->currentIndex());
    QStringList ids;
    ids.reserve(count);
    for (int id = 1; id <= count; ++id)
        ids.append(QString::number(id));
    OwnIDComboBox->clear();
    OwnIDComboBox->addItems(ids);
    OwnIDComboBox->setCurrentIndex(-1);
    OwnIDComboBox->setEditText(shown);
}

// ---------------------------------------------------------------------------
// Handlers

void AddressPage::errorBox(const std::exception &e)
{
    platform::showMessage(this, MessageType::Error, QString::fromLocal8Bit(e.what()));
}

bool AddressPage::readOwnId(qint32 &ownId)
{
    try {
        ownId = toInt32(platform::toCp1252(OwnIDComboBox->currentText()));
        return true;
    } catch (const ConversionError &e) {
        errorBox(e);
        return false;
    }
}

void AddressPage::showEditingButtons()
{
    ButtonAddressChange->show();
    ButtonAddressDelete->show();
    ButtonSiteInfoCancel->show();
    GroupBox10->show();
    ButtonSiteInfoOK->hide();
}

void AddressPage::ButtonAddressAddClick()
{
    if (m_session.OnLine) {
        platform::showMessage(this, MessageType::Information, tr1(QT_TRANSLATE_NOOP("TForm1", "Cannot edit address book while online")));
        return;
    }
    ComboBoxMode->setCurrentIndex(0);
    OwnIDComboBox->setCurrentIndex(6);
    EditAddInfo->setEnabled(true);
    EditSiteName->setEnabled(true);

    refillSiteList(false);
    EditAddInfo->clear();
    EditSiteName->clear();
    EditSiteAddress->clear();
    EditSiteTelephoneNumber->clear();
    for (YesNoButton *b : {BitBtnLTFAction, BitBtnLTFFire, BitBtnLTFFault, BitBtnLTFCond})
        b->setYes(true);
    GroupBoxSiteInfo->show();
    Table1.close();
    m_insertedRow = -1;
    ButtonAddressChange->hide();
    ButtonAddressDelete->hide();
    ButtonSiteInfoCancel->hide();
    GroupBox10->hide();
    ButtonSiteInfoOK->show();
    EditAddInfo->setFocus();
}

void AddressPage::ButtonSiteInfoOKClick()
{
    // Everything the operator typed is checked before anything is made, so
    // that a refused entry leaves no folder and no file behind.
    const QByteArray modemId = trimLeft(platform::toCp1252(EditAddInfo->text()));
    EditAddInfo->setText(platform::fromCp1252(modemId));
    if (modemId.isEmpty()) {
        platform::showMessage(this, MessageType::Warning, tr1(QT_TRANSLATE_NOOP("TForm1", "You must enter a modem ID")),
                              platform::ButtonYes);
        return;
    }
    if (!isValidModemId(modemId)) {
        platform::showMessage(this, MessageType::Warning,
                              tr1(QT_TRANSLATE_NOOP("TForm1", "A modem ID cannot contain \"]\" or a line break")));
        return;
    }
    try {
        if (platform::IniFile(addressBookPath(m_programDirectory)).sectionExists(modemId)) {
            platform::showMessage(this, MessageType::Warning,
                                  tr1(QT_TRANSLATE_NOOP("TForm1", "A site with this modem ID already exists")));
            return;
        }
    } catch (const std::exception &e) {
        errorBox(e);
        return;
    }
    qint32 ownId = 0;
    if (!readOwnId(ownId))
        return;

    const QString siteName = EditSiteName->text();
    const QString folder = QDir(m_programDirectory).filePath(siteName);
    if (!isPlainFolderName(siteName) || !QDir(m_programDirectory).mkdir(siteName)) {
        platform::showMessage(this, MessageType::Warning,
                              tr1(QT_TRANSLATE_NOOP("TForm1", "Cannot create directory")) + QStringLiteral(". ")
                                  + tr1(QT_TRANSLATE_NOOP("TForm1", "A directory with this name already exists")));
        return;
    }

    showEditingButtons();

    // The first log file, empty.
    const QString logFile = QDir(folder).filePath(logFileName(QDateTime::currentDateTime()));
    QFile file(logFile);
    if (!file.open(QIODevice::WriteOnly)) {
        platform::showMessage(this, MessageType::Error,
                              tr1(QT_TRANSLATE_NOOP("TForm1", "Cannot create file %1")).arg(QDir::toNativeSeparators(logFile)));
        return;
    }
    file.close();

    CurrentSite = SiteRecord();
    CurrentSite.SiteName = platform::toCp1252(siteName);
    CurrentSite.SiteAddress = platform::toCp1252(EditSiteAddress->text());
    CurrentSite.SiteTelephone = platform::toCp1252(EditSiteTelephoneNumber->text());
    CurrentSite.ModemId = modemId;
    CurrentSite.CurrentFile = platform::toCp1252(QDir::toNativeSeparators(logFile));
    CurrentSite.Mode = platform::toCp1252(ComboBoxMode->currentText());
    CurrentSite.NoOfAlarms = 0;
    CurrentSite.OwnID = ownId;
    CurrentSite.Dummy = 0;
    CurrentSite.Action = BitBtnLTFAction->flag();
    CurrentSite.Fire = BitBtnLTFFire->flag();
    CurrentSite.Fault = BitBtnLTFFault->flag();
    CurrentSite.Cond = BitBtnLTFCond->flag();
    CurrentSite.cutToCapacity();

    try {
        WriteSiteRecord(m_programDirectory, modemId, CurrentSite);
    } catch (const std::exception &e) {
        errorBox(e);
        return;
    }

    refillSiteList(false);
    setOtherGridsEnabled(false);
    try {
        CreateSitePanelTable(CurrentSite.SiteName);
    } catch (const std::exception &e) {
        errorBox(e);
    }
}

void AddressPage::ListBoxAddressesClick()
{
    if (m_session.OnLine) {
        platform::showMessage(this, MessageType::Information, tr1(QT_TRANSLATE_NOOP("TForm1", "Cannot edit address book while online")));
        return;
    }
    QListWidgetItem *item = ListBoxAddresses->currentItem();
    if (!item)
        return;
    const QByteArray section = platform::toCp1252(item->text());

    EditAddInfo->setEnabled(false);
    EditSiteName->setEnabled(false);

    if (m_hooks.stopEmulation)
        m_hooks.stopEmulation();
    GroupBoxSiteInfo->show();
    showEditingButtons();

    SiteRecord site;
    try {
        site = ReadSiteRecord(m_programDirectory, section);
    } catch (const std::exception &e) {
        errorBox(e);
        return;
    }
    EditSiteName->setText(platform::fromCp1252(site.SiteName));
    EditSiteAddress->setText(platform::fromCp1252(site.SiteAddress));
    EditSiteTelephoneNumber->setText(platform::fromCp1252(site.SiteTelephone));
    EditAddInfo->setText(platform::fromCp1252(site.ModemId));
    const int position = address::modePosition(site.Mode);
    // A configuration the list does not hold leaves the list without a
    // choice; the own-ID list then offers the widest range, 1 to 255.
    ComboBoxMode->setCurrentIndex(position < ComboBoxMode->count() ? position : -1);
    FillOwnIdChoices();
    OwnIDComboBox->setCurrentIndex(-1);
    OwnIDComboBox->setEditText(site.OwnID >= 1 && site.OwnID <= 31 ? QString::number(site.OwnID) : QString());
    BitBtnLTFAction->setFlag(site.Action);
    BitBtnLTFFire->setFlag(site.Fire);
    BitBtnLTFFault->setFlag(site.Fault);
    BitBtnLTFCond->setFlag(site.Cond);

    if (m_hooks.resetDataViews)
        m_hooks.resetDataViews();
    // The table of the site shown before must not stay open under this one.
    closeSitePanelViews();
    try {
        OpenSitePanelTable(site.SiteName);
    } catch (const std::exception &e) {
        errorBox(e);
    }
}

void AddressPage::ButtonAddressChangeClick()
{
    const QByteArray modemId = platform::toCp1252(EditAddInfo->text());
    try {
        // Read first, so that CurrentFile and NoOfAlarms keep their stored values.
        SiteRecord site = ReadSiteRecord(m_programDirectory, modemId);
        site.SiteName = platform::toCp1252(EditSiteName->text());
        site.SiteAddress = platform::toCp1252(EditSiteAddress->text());
        site.SiteTelephone = platform::toCp1252(EditSiteTelephoneNumber->text());
        site.ModemId = modemId;
        // A configuration that the list cannot show ("Global panels") stays
        // as stored.
        if (ComboBoxMode->currentIndex() >= 0)
            site.Mode = platform::toCp1252(ComboBoxMode->currentText());
        site.Dummy = 0;
        site.OwnID = toInt32(platform::toCp1252(OwnIDComboBox->currentText()));
        site.Action = BitBtnLTFAction->flag();
        site.Fire = BitBtnLTFFire->flag();
        site.Fault = BitBtnLTFFault->flag();
        site.Cond = BitBtnLTFCond->flag();
        site.cutToCapacity();
        WriteSiteRecord(m_programDirectory, modemId, site);
    } catch (const std::exception &e) {
        errorBox(e);
        return;
    }

    // A panel row that cannot be stored keeps the site in editing, so that
    // the operator can correct it instead of losing it.
    if (!storePanelEdit())
        return;
    closeSitePanelViews();
    returnToBrowsing();
}

void AddressPage::ButtonSiteInfoCancelClick()
{
    returnToBrowsing();
}

void AddressPage::ButtonAddressDeleteClick()
{
    if (!ListBoxAddresses->currentItem() || !ListBoxAddresses->currentItem()->isSelected()) {
        platform::showMessage(this, MessageType::Information, tr1(QT_TRANSLATE_NOOP("TForm1", "Please select a Site first")));
        return;
    }
    if (m_hooks.execDeleteDialog)
        m_hooks.execDeleteDialog();
}

void AddressPage::ComboBoxModeChange()
{
    FillOwnIdChoices();
}

// ---------------------------------------------------------------------------
// PANELS grid

bool AddressPage::storePanelEdit()
{
    QSqlTableModel *model = Table1.model();
    if (!Table1.isOpen() || !model->isDirty())
        return true;
    if (m_insertedRow >= 0 && m_insertedRow < model->rowCount()) {
        bool blank = true;
        for (int c = 0; c < model->columnCount(); ++c) {
            const QVariant v = model->data(model->index(m_insertedRow, c), Qt::EditRole);
            if (!v.isNull() && !v.toString().isEmpty())
                blank = false;
        }
        if (blank) {
            // A new row left unchanged is dropped, not stored.
            const QScopedValueRollback guard(m_restoringRow, true);
            model->revertRow(m_insertedRow);
            m_insertedRow = -1;
            return true;
        }
    }
    bool stored = false;
    {
        // Storing reselects the rows; the grid's row changes meanwhile are
        // not the operator's.
        const QScopedValueRollback guard(m_restoringRow, true);
        stored = model->submitAll();
    }
    if (stored) {
        m_insertedRow = -1;
        return true;
    }
    platform::showMessage(this, MessageType::Error, tr1(QT_TRANSLATE_NOOP("TForm1", "Duplicate Node ID")));
    return false;
}

void AddressPage::panelRowChanged(int current, int previous)
{
    if (m_restoringRow || previous < 0 || current == previous)
        return;
    QSqlTableModel *model = Table1.model();
    if (!model->isDirty())
        return;
    const int pendingRow = m_insertedRow;
    if (!storePanelEdit()) {
        // The row that failed stays current, in editing.
        m_restoringRow = true;
        DBGrid1->setCurrentIndex(model->index(pendingRow >= 0 ? pendingRow : previous, 0));
        m_restoringRow = false;
    }
}

void AddressPage::moveToRow(int row)
{
    QSqlTableModel *model = Table1.model();
    if (!Table1.isOpen() || model->rowCount() == 0)
        return;
    row = std::clamp(row, 0, model->rowCount() - 1);
    const int column = std::max(0, DBGrid1->currentIndex().column());
    DBGrid1->setCurrentIndex(model->index(row, column));
}

void AddressPage::NavigatorFirstClick()
{
    moveToRow(0);
}

void AddressPage::NavigatorPriorClick()
{
    moveToRow(DBGrid1->currentIndex().row() - 1);
}

void AddressPage::NavigatorNextClick()
{
    moveToRow(DBGrid1->currentIndex().row() + 1);
}

void AddressPage::NavigatorLastClick()
{
    moveToRow(Table1.model()->rowCount() - 1);
}

void AddressPage::NavigatorInsertClick()
{
    if (!Table1.isOpen() || !storePanelEdit())
        return;
    QSqlTableModel *model = Table1.model();
    const int row = std::max(0, DBGrid1->currentIndex().row());
    m_restoringRow = true;
    model->insertRow(row);
    m_insertedRow = row;
    DBGrid1->setCurrentIndex(model->index(row, 0));
    m_restoringRow = false;
    DBGrid1->edit(model->index(row, 0));
}

void AddressPage::NavigatorDeleteClick()
{
    QSqlTableModel *model = Table1.model();
    if (!Table1.isOpen())
        return;
    const int row = DBGrid1->currentIndex().row();
    if (row < 0 || row >= model->rowCount())
        return;
    if (row == m_insertedRow) {
        // A row not stored yet is only cancelled.
        const QScopedValueRollback guard(m_restoringRow, true);
        model->revertRow(row);
        m_insertedRow = -1;
        return;
    }
    if (!storePanelEdit())
        return;
    const int target = DBGrid1->currentIndex().row();
    if (target < 0 || target >= model->rowCount())
        return;
    if (platform::showMessage(this, MessageType::Confirmation, tr1(QT_TRANSLATE_NOOP("TForm1", "Delete record?")),
                              platform::ButtonOk | platform::ButtonCancel)
        != platform::ButtonOk)
        return;
    const QScopedValueRollback guard(m_restoringRow, true);
    model->removeRow(target);
    if (!model->submitAll()) {
        model->revertRow(target);
        platform::showMessage(this, MessageType::Error, model->lastError().text());
    }
}
