// The Address page: opening, adding and saving sites, the refusals that
// leave nothing behind, the logging buttons and the PANELS grid over the
// site's panel table.

#include "AddressPage.h"
#include "DialogSeam.h"
#include "LinkSession.h"
#include "Table.h"
#include "YesNoButton.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using platform::MessageType;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Everything under a directory, with file sizes, to show that nothing was made.
QStringList tree(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        entries << QDir(dir).relativeFilePath(it.filePath()) + QLatin1Char(' ')
                + QString::number(it.fileInfo().isDir() ? -1 : it.fileInfo().size());
    }
    entries.sort();
    return entries;
}

QStringList items(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList comboItems(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QStringList numbers(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << QString::number(i);
    return list;
}

// A site folder with its panel table, made without the page.
void makePanelTable(const QString &folder, const QList<QStringList> &rows = {})
{
    QVERIFY(QDir().mkpath(folder));
    platform::Table t;
    t.setDatabaseName(folder);
    t.setTableName(QStringLiteral("config"));
    t.addFieldDef(QStringLiteral("Panel Address"), platform::FieldType::String, 5, true);
    t.addFieldDef(QStringLiteral("Panel Location"), platform::FieldType::String, 40, false);
    t.addIndexDef(QStringLiteral("Panel Address"));
    t.createTable();
    t.open();
    for (const QStringList &row : rows) {
        t.append();
        t.setField(QStringLiteral("Panel Address"), row.value(0));
        t.setField(QStringLiteral("Panel Location"), row.value(1));
        t.post();
    }
}

QList<QVariantList> storedPanels(const QString &folder)
{
    platform::Table t;
    t.setDatabaseName(folder);
    t.setTableName(QStringLiteral("config"));
    t.open();
    return t.records();
}

} // namespace

class TestAddressPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_settings;
    std::unique_ptr<QTemporaryDir> m_program;
    std::unique_ptr<platform::ScriptedAnswerer> m_answers;
    LinkSession m_session;
    std::unique_ptr<AddressPage> m_page;
    int m_resets = 0;
    int m_stops = 0;
    int m_deletes = 0;

    QString programFile(const QString &name) const { return m_program->filePath(name); }
    QString bookPath() const { return programFile(QStringLiteral("address.ini")); }

    void openSite(const QString &name)
    {
        const auto found = m_page->ListBoxAddresses->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        m_page->ListBoxAddresses->setCurrentItem(found.first());
        m_page->ListBoxAddressesClick();
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : m_answers->messages())
            texts << m.text;
        return texts;
    }

private slots:
    void init()
    {
        m_settings = std::make_unique<QTemporaryDir>();
        m_program = std::make_unique<QTemporaryDir>();
        qputenv("VELMORA_WINDIR", m_settings->path().toLocal8Bit());
        m_answers = std::make_unique<platform::ScriptedAnswerer>();
        m_session = LinkSession();
        m_page = std::make_unique<AddressPage>(m_program->path(), m_session);
        m_resets = m_stops = m_deletes = 0;
        m_page->setHooks({[this] { ++m_stops; },
                          [this] {
                              ++m_resets;
                              m_page->closeSitePanelViews();
                          },
                          [this] { ++m_deletes; }});
    }

    void cleanup()
    {
        m_page.reset();
        m_answers.reset();
        m_program.reset();
        m_settings.reset();
    }

    // --- Opening a site shows its record

    void openSite_data()
    {
        QTest::addColumn<QByteArray>("section"); // keys of section [4711]
        QTest::addColumn<QString>("ownId");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ownIdChoices");
        QTest::addColumn<QList<bool>>("yes"); // Action, Fire, Fault, Cond

        const QList<bool> none{false, false, false, false};
        QTest::newRow("no keys: defaults") << QByteArray() << "7" << 0 << 15 << none;
        QTest::newRow("own ID 31 shown") << QByteArray("OwnID=31\r\nMode=7/31\r\n") << "31" << 1 << 31 << none;
        QTest::newRow("own ID 0 not shown") << QByteArray("OwnID=0\r\n") << "" << 0 << 15 << none;
        QTest::newRow("own ID 32 not shown") << QByteArray("OwnID=32\r\nMode=7/31\r\n") << "" << 1 << 31 << none;
        QTest::newRow("own ID -1 not shown") << QByteArray("OwnID=-1\r\n") << "" << 0 << 15 << none;
        QTest::newRow("31/7 offers 1 to 7") << QByteArray("Mode=31/7\r\nOwnID=5\r\n") << "5" << 2 << 7 << none;
        QTest::newRow("Global panels: no list choice") << QByteArray("Mode=Global panels\r\nOwnID=20\r\n") << "20" << -1
                                                       << 255 << none;
        QTest::newRow("flags: only an exact 1 is Yes")
            << QByteArray("Action=1\r\nFire=2\r\nFault=0\r\nCond=1\r\n") << "7" << 0 << 15
            << QList<bool>{true, false, false, true};
        QTest::newRow("flags all set") << QByteArray("Action=1\r\nFire=1\r\nFault=1\r\nCond=1\r\n") << "7" << 0 << 15
                                       << QList<bool>{true, true, true, true};
    }

    void openSite()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, ownId);
        QFETCH(int, mode);
        QFETCH(int, ownIdChoices);
        QFETCH(QList<bool>, yes);

        QVERIFY(writeBytes(bookPath(), "[4711]\r\nSiteName=Depot\r\nSiteAddress=Harbour 5\r\nSiteTelephone=0123\r\n"
                                       + section.replace("\r\nSiteName", "\r\nX")));
        makePanelTable(programFile(QStringLiteral("Depot")), {{"1", "Hall"}, {"2/3", "Gate"}});
        m_page->refillSiteList(true);
        openSite(QStringLiteral("4711"));

        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(m_page->state(), AddressPage::State::Editing);
        QCOMPARE(m_page->EditAddInfo->text(), QStringLiteral("4711"));
        QCOMPARE(m_page->EditSiteName->text(), QStringLiteral("Depot"));
        QCOMPARE(m_page->EditSiteAddress->text(), QStringLiteral("Harbour 5"));
        QCOMPARE(m_page->EditSiteTelephoneNumber->text(), QStringLiteral("0123"));
        QVERIFY(!m_page->EditAddInfo->isEnabled());
        QVERIFY(!m_page->EditSiteName->isEnabled());
        QCOMPARE(m_page->OwnIDComboBox->currentText(), ownId);
        QCOMPARE(m_page->ComboBoxMode->currentIndex(), mode);
        QCOMPARE(comboItems(m_page->OwnIDComboBox), numbers(ownIdChoices));
        const YesNoButton *buttons[] = {m_page->BitBtnLTFAction, m_page->BitBtnLTFFire, m_page->BitBtnLTFFault,
                                        m_page->BitBtnLTFCond};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(buttons[i]->isYes(), yes.at(i));
            QCOMPARE(buttons[i]->text(), yes.at(i) ? QStringLiteral("&Yes") : QStringLiteral("&No"));
        }
        QCOMPARE(m_stops, 1);
        QCOMPARE(m_resets, 1);
        QVERIFY(m_page->Table1.isOpen());
        QCOMPARE(m_page->DBGrid1->model()->rowCount(), 2);
        QCOMPARE(m_page->DBGrid1->model()->index(1, 0).data().toString(), QStringLiteral("2/3"));
    }

    void openingAnotherSiteShowsItsPanels()
    {
        QVERIFY(writeBytes(bookPath(), "[A]\r\nSiteName=One\r\n[B]\r\nSiteName=Two\r\n"));
        makePanelTable(programFile(QStringLiteral("One")), {{"1", "One's"}});
        makePanelTable(programFile(QStringLiteral("Two")), {{"5", "Two's"}, {"6", ""}});
        m_page->refillSiteList(true);
        openSite(QStringLiteral("A"));
        QCOMPARE(m_page->DBGrid1->model()->rowCount(), 1);
        openSite(QStringLiteral("B"));
        QCOMPARE(m_page->DBGrid1->model()->rowCount(), 2);
        QCOMPARE(m_page->DBGrid1->model()->index(0, 1).data().toString(), QStringLiteral("Two's"));
    }

    void refusedWhileOnline()
    {
        QVERIFY(writeBytes(bookPath(), "[4711]\r\nSiteName=Depot\r\n"));
        m_page->refillSiteList(true);
        m_session.OnLine = true;
        m_page->ButtonAddressAddClick();
        openSite(QStringLiteral("4711"));
        QCOMPARE(m_answers->messages().size(), 2);
        for (const auto &m : m_answers->messages()) {
            QCOMPARE(m.type, MessageType::Information);
            QCOMPARE(m.text, QStringLiteral("Cannot edit address book while online"));
            QCOMPARE(m.buttons, int(platform::ButtonOk));
        }
        QCOMPARE(m_page->state(), AddressPage::State::Browsing);
        QCOMPARE(m_stops + m_resets, 0);
    }

    // --- Adding a site

    void addSite()
    {
        QVERIFY(writeBytes(bookPath(), "[Defaults]\r\nMode=15/15\r\n"));
        m_page->ButtonAddressAddClick();
        QCOMPARE(m_page->state(), AddressPage::State::Adding);
        QCOMPARE(m_page->ComboBoxMode->currentText(), QStringLiteral("15/15"));
        QCOMPARE(m_page->OwnIDComboBox->currentText(), QStringLiteral("7"));
        QVERIFY(m_page->BitBtnLTFAction->isYes() && m_page->BitBtnLTFFire->isYes() && m_page->BitBtnLTFFault->isYes()
                && m_page->BitBtnLTFCond->isYes());
        QVERIFY(m_page->GroupBox10->isHidden());
        QVERIFY(!m_page->Table1.isOpen());

        m_page->EditAddInfo->setText(QStringLiteral("   0123 456"));
        m_page->EditSiteName->setText(QStringLiteral("Depot"));
        m_page->EditSiteAddress->setText(QStringLiteral("Harbour Road 5"));
        m_page->EditSiteTelephoneNumber->setText(QStringLiteral("9,0123456"));
        m_page->ComboBoxMode->setCurrentIndex(1);
        m_page->OwnIDComboBox->setEditText(QStringLiteral("12"));
        m_page->BitBtnLTFFire->click(); // Yes -> No
        m_page->ButtonSiteInfoOKClick();

        QVERIFY2(m_answers->messages().isEmpty(), qPrintable(messageTexts().join(QLatin1Char('|'))));
        QCOMPARE(m_page->EditAddInfo->text(), QStringLiteral("0123 456"));
        QCOMPARE(m_page->state(), AddressPage::State::Editing);
        QVERIFY(m_page->EditAddInfo->isEnabled()); // stays enabled after adding
        QVERIFY(!m_page->GroupBox10->isHidden());

        // The folder with the empty first log file and the panel table.
        const QString folder = programFile(QStringLiteral("Depot"));
        const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        QCOMPARE(files.at(1), QStringLiteral("config.db"));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{8}\\.l\\d\\d$")).match(files.at(0)).hasMatch(),
                 qPrintable(files.at(0)));
        const QString logFile = QDir(folder).filePath(files.at(0));
        QCOMPARE(QFileInfo(logFile).size(), 0);
        QCOMPARE(m_page->CurrentSite.CurrentFile, logFile.toLocal8Bit());

        QCOMPARE(readBytes(bookPath()),
                 QByteArray("[Defaults]\r\nMode=15/15\r\n\r\n[0123 456]\r\n"
                            "SiteName=Depot\r\nSiteAddress=Harbour Road 5\r\nSiteTelephone=9,0123456\r\n"
                            "CurrentFile=" + logFile.toLocal8Bit() + "\r\nNoOfAlarms=0\r\nMode=7/31\r\n"
                            "Action=1\r\nFault=1\r\nFire=0\r\nCond=1\r\nOwnID=12\r\nDummy=0\r\n"));
        QCOMPARE(items(m_page->ListBoxAddresses), (QStringList{"0123 456", "Defaults"}));

        QVERIFY(m_page->Table1.isOpen());
        QCOMPARE(m_page->Table1.filePath(), QDir(folder).filePath(QStringLiteral("config.db")));
        const auto fields = m_page->Table1.fieldDefs();
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields.at(0).name, QStringLiteral("Panel Address"));
        QCOMPARE(fields.at(0).size, 5);
        QVERIFY(fields.at(0).required);
        QCOMPARE(fields.at(1).name, QStringLiteral("Panel Location"));
        QCOMPARE(fields.at(1).size, 40);
        QVERIFY(!fields.at(1).required);
        QCOMPARE(m_page->Table1.indexDef()->fields, QStringList{QStringLiteral("Panel Address")});
        QCOMPARE(m_page->Table1.recordCount(), 0);
    }

    void refusedEntriesLeaveNothingBehind_data()
    {
        QTest::addColumn<QString>("modemId");
        QTest::addColumn<QString>("siteName");
        QTest::addColumn<QString>("ownId");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("buttons");

        const QString folder = QStringLiteral("Cannot create directory. A directory with this name already exists");
        const int warning = int(MessageType::Warning);
        const int ok = platform::ButtonOk;
        QTest::newRow("no modem ID") << "" << "Depot" << "7" << warning << "You must enter a modem ID"
                                     << int(platform::ButtonYes);
        QTest::newRow("blanks only") << "    " << "Depot" << "7" << warning << "You must enter a modem ID"
                                     << int(platform::ButtonYes);
        QTest::newRow("modem ID with ]") << "47]11" << "Depot" << "7" << warning
                                         << "A modem ID cannot contain \"]\" or a line break" << ok;
        QTest::newRow("modem ID of a site in the book, other case")
            << "existing" << "Depot" << "7" << warning << "A site with this modem ID already exists" << ok;
        QTest::newRow("own ID not a number") << "4711" << "Depot" << "7a" << int(MessageType::Error)
                                             << "'7a' is not a valid integer value" << ok;
        QTest::newRow("own ID empty") << "4711" << "Depot" << "" << int(MessageType::Error)
                                      << "'' is not a valid integer value" << ok;
        QTest::newRow("empty directory") << "4711" << "" << "7" << warning << folder << ok;
        QTest::newRow("dot") << "4711" << "." << "7" << warning << folder << ok;
        QTest::newRow("dot dot") << "4711" << ".." << "7" << warning << folder << ok;
        QTest::newRow("sub folder") << "4711" << "a/b" << "7" << warning << folder << ok;
        QTest::newRow("up by backslash") << "4711" << "..\\x" << "7" << warning << folder << ok;
        QTest::newRow("absolute") << "4711" << "/abs" << "7" << warning << folder << ok;
        QTest::newRow("star") << "4711" << "a*" << "7" << warning << folder << ok;
        QTest::newRow("existing folder") << "4711" << "Taken" << "7" << warning << folder << ok;
    }

    void refusedEntriesLeaveNothingBehind()
    {
        QFETCH(QString, modemId);
        QFETCH(QString, siteName);
        QFETCH(QString, ownId);
        QFETCH(int, type);
        QFETCH(QString, message);
        QFETCH(int, buttons);

        const QByteArray book = "[EXISTING]\r\nSiteName=Old\r\n";
        QVERIFY(writeBytes(bookPath(), book));
        QVERIFY(QDir(m_program->path()).mkdir(QStringLiteral("Taken")));
        QTemporaryDir outside; // "/abs" and "..\x" must not reach anything
        const QStringList before = tree(m_program->path());

        m_page->ButtonAddressAddClick();
        m_page->EditAddInfo->setText(modemId);
        m_page->EditSiteName->setText(siteName);
        m_page->OwnIDComboBox->setEditText(ownId);
        m_page->ButtonSiteInfoOKClick();

        QCOMPARE(m_answers->messages().size(), 1);
        QCOMPARE(int(m_answers->messages().first().type), type);
        QCOMPARE(m_answers->messages().first().text, message);
        QCOMPARE(m_answers->messages().first().buttons, buttons);
        QCOMPARE(tree(m_program->path()), before);
        QCOMPARE(readBytes(bookPath()), book);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/abs")));
        QCOMPARE(m_page->state(), AddressPage::State::Adding);
        QVERIFY(!m_page->Table1.isOpen());
    }

    // --- Saving and leaving

    void exitSave_data()
    {
        QTest::addColumn<QByteArray>("book");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("keeps CurrentFile and NoOfAlarms")
            << QByteArray("[Index]\r\nCount=1\r\n\r\n[4711]\r\nSiteName=Depot\r\nSiteAddress=Old\r\n"
                          "CurrentFile=C:\\Velmora\\Depot\\01010101.l01\r\nNoOfAlarms=123\r\nMode=31/7\r\n"
                          "Action=1\r\nOwnID=3\r\nDummy=9\r\n")
            << QByteArray("[Index]\r\nCount=1\r\n\r\n[4711]\r\nSiteName=Depot\r\nSiteAddress=New address\r\n"
                          "CurrentFile=C:\\Velmora\\Depot\\01010101.l01\r\nNoOfAlarms=123\r\nMode=31/7\r\n"
                          "Action=0\r\nOwnID=3\r\nDummy=0\r\nSiteTelephone=\r\nFault=0\r\nFire=0\r\nCond=0\r\n");
        QTest::newRow("a configuration the list cannot show stays")
            << QByteArray("[4711]\r\nSiteName=Depot\r\nMode=Global panels\r\nOwnID=200\r\n")
            << QByteArray("[4711]\r\nSiteName=Depot\r\nMode=Global panels\r\nOwnID=200\r\nSiteAddress=New address\r\n"
                          "SiteTelephone=\r\nCurrentFile=None\r\nNoOfAlarms=0\r\nAction=0\r\nFault=0\r\nFire=0\r\n"
                          "Cond=0\r\nDummy=0\r\n");
    }

    void exitSave()
    {
        QFETCH(QByteArray, book);
        QFETCH(QByteArray, expected);
        QVERIFY(writeBytes(bookPath(), book));
        makePanelTable(programFile(QStringLiteral("Depot")));
        m_page->refillSiteList(true);
        QCOMPARE(items(m_page->ListBoxAddresses), QStringList{QStringLiteral("4711")});
        openSite(QStringLiteral("4711"));
        m_page->EditSiteAddress->setText(QStringLiteral("New address"));
        if (m_page->BitBtnLTFAction->isYes())
            m_page->BitBtnLTFAction->click();
        if (m_page->OwnIDComboBox->currentText().isEmpty())
            m_page->OwnIDComboBox->setEditText(QStringLiteral("200"));
        m_page->ButtonAddressChangeClick();

        QVERIFY2(m_answers->messages().isEmpty(), qPrintable(messageTexts().join(QLatin1Char('|'))));
        QCOMPARE(readBytes(bookPath()), expected);
        QCOMPARE(m_page->state(), AddressPage::State::Browsing);
        QVERIFY(!m_page->Table1.isOpen());
        // After saving the list shows every section; on entering the page not.
        QVERIFY(items(m_page->ListBoxAddresses).contains(QStringLiteral("4711")));
        QCOMPARE(items(m_page->ListBoxAddresses).contains(QStringLiteral("Index")), book.startsWith("[Index]"));
    }

    void exitCancelWritesNothing()
    {
        const QByteArray book = "[Defaults]\r\n[4711]\r\nSiteName=Depot\r\n";
        QVERIFY(writeBytes(bookPath(), book));
        makePanelTable(programFile(QStringLiteral("Depot")));
        m_page->refillSiteList(true);
        openSite(QStringLiteral("4711"));
        m_page->EditSiteAddress->setText(QStringLiteral("typed"));
        m_page->ButtonSiteInfoCancelClick();
        QCOMPARE(readBytes(bookPath()), book);
        QCOMPARE(m_page->state(), AddressPage::State::Browsing);
        QCOMPARE(items(m_page->ListBoxAddresses), (QStringList{"4711", "Defaults"}));
    }

    void deleteSiteNeedsASelection()
    {
        QVERIFY(writeBytes(bookPath(), "[4711]\r\nSiteName=Depot\r\n"));
        m_page->refillSiteList(true);
        m_page->ButtonAddressDeleteClick();
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("Please select a Site first")});
        QCOMPARE(m_answers->messages().first().type, MessageType::Information);
        QCOMPARE(m_deletes, 0);

        m_answers->clear();
        m_page->ListBoxAddresses->setCurrentRow(0);
        m_page->ButtonAddressDeleteClick();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(m_deletes, 1);
    }

    void networkConfigurationSetsTheOwnIdChoices()
    {
        m_page->ButtonAddressAddClick();
        m_page->OwnIDComboBox->setEditText(QStringLiteral("12"));
        m_page->ComboBoxMode->setCurrentIndex(2);
        m_page->ComboBoxModeChange();
        QCOMPARE(comboItems(m_page->OwnIDComboBox), numbers(7));
        QCOMPARE(m_page->OwnIDComboBox->currentText(), QStringLiteral("12"));
        m_page->ComboBoxMode->setCurrentIndex(1);
        m_page->ComboBoxModeChange();
        QCOMPARE(comboItems(m_page->OwnIDComboBox), numbers(31));
    }

    void loggingButtonsToggle()
    {
        YesNoButton *b = m_page->BitBtnLTFCond;
        b->setFlag(2);
        QVERIFY(!b->isYes());
        b->click();
        QVERIFY(b->isYes());
        QCOMPARE(b->text(), QStringLiteral("&Yes"));
        QCOMPARE(b->flag(), 1);
        b->click();
        QCOMPARE(b->text(), QStringLiteral("&No"));
        QCOMPARE(b->flag(), 0);
    }

    // --- PANELS grid

    void panelGrid()
    {
        QVERIFY(writeBytes(bookPath(), "[4711]\r\nSiteName=Depot\r\n"));
        const QString folder = programFile(QStringLiteral("Depot"));
        makePanelTable(folder, {{"3", "Plant room"}});
        m_page->refillSiteList(true);
        openSite(QStringLiteral("4711"));
        QAbstractItemModel *model = m_page->DBGrid1->model();

        // A row inserted and left blank is dropped without a word.
        m_page->NavigatorInsert->click();
        QCOMPARE(model->rowCount(), 2);
        QVERIFY(m_page->storePanelEdit());
        QCOMPARE(model->rowCount(), 1);

        // A new panel is stored when the operator moves on.
        m_page->NavigatorInsert->click();
        const int row = m_page->DBGrid1->currentIndex().row();
        QVERIFY(model->setData(model->index(row, 0), QStringLiteral("12")));
        QVERIFY(model->setData(model->index(row, 1), QStringLiteral("Main entrance, ground floor")));
        m_page->NavigatorInsert->click(); // stores the pending row first
        QVERIFY(m_answers->messages().isEmpty());

        // The same panel address a second time is refused.
        const int second = m_page->DBGrid1->currentIndex().row();
        QVERIFY(model->setData(model->index(second, 0), QStringLiteral("12")));
        QVERIFY(model->setData(model->index(second, 1), QStringLiteral("Duplicate")));
        m_page->ButtonAddressChangeClick();
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("Duplicate Node ID")});
        QCOMPARE(m_answers->messages().first().type, MessageType::Error);
        QCOMPARE(m_answers->messages().first().buttons, int(platform::ButtonOk));
        QCOMPARE(m_page->state(), AddressPage::State::Editing); // the row stays in editing
        QVERIFY(m_page->Table1.isOpen());

        // Corrected, it is stored with the save.
        m_answers->clear();
        QVERIFY(model->setData(model->index(second, 0), QStringLiteral("2/14")));
        m_page->ButtonAddressChangeClick();
        QVERIFY(m_answers->messages().isEmpty());
        QCOMPARE(m_page->state(), AddressPage::State::Browsing);
        QCOMPARE(storedPanels(folder), (QList<QVariantList>{{"12", "Main entrance, ground floor"},
                                                            {"2/14", "Duplicate"},
                                                            {"3", "Plant room"}}));
    }

    void panelGridNavigatorAndDelete()
    {
        QVERIFY(writeBytes(bookPath(), "[4711]\r\nSiteName=Depot\r\n"));
        const QString folder = programFile(QStringLiteral("Depot"));
        makePanelTable(folder, {{"1", "a"}, {"2", "b"}, {"3", "c"}});
        m_page->refillSiteList(true);
        openSite(QStringLiteral("4711"));

        m_page->NavigatorLast->click();
        QCOMPARE(m_page->DBGrid1->currentIndex().row(), 2);
        m_page->NavigatorPrior->click();
        QCOMPARE(m_page->DBGrid1->currentIndex().row(), 1);
        m_page->NavigatorFirst->click();
        m_page->NavigatorPrior->click();
        QCOMPARE(m_page->DBGrid1->currentIndex().row(), 0);
        m_page->NavigatorNext->click();

        m_answers->answerMessage(platform::ButtonCancel);
        m_page->NavigatorDelete->click();
        QCOMPARE(storedPanels(folder).size(), 3);
        m_answers->answerMessage(platform::ButtonOk);
        m_page->NavigatorDelete->click();
        QCOMPARE(messageTexts(), (QStringList{"Delete record?", "Delete record?"}));
        QCOMPARE(storedPanels(folder), (QList<QVariantList>{{"1", "a"}, {"3", "c"}}));
        for (QToolButton *b : {m_page->NavigatorFirst, m_page->NavigatorPrior, m_page->NavigatorNext,
                               m_page->NavigatorLast, m_page->NavigatorInsert, m_page->NavigatorDelete})
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
    }
};

QTEST_MAIN(TestAddressPage)
#include "tst_addresspage.moc"
