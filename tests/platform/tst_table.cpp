// The table class: what lands in the SQLite file, seen through plain SQL on a
// connection of its own (as sqlite3 would see it), and the failures the
// program catches.

#include "Table.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTest>

using platform::FieldType;
using platform::Table;
using platform::TableError;

namespace {

// Rows of a statement run on its own connection to the file.
QList<QStringList> rawQuery(const QString &file, const QString &sql)
{
    QList<QStringList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(file));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row.append(q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
            rows.append(row);
        }
    }
    QSqlDatabase::removeDatabase("raw");
    return rows;
}

// name|type|notnull|pk per column.
QStringList columns(const QString &file, const QString &table)
{
    QStringList out;
    for (const QStringList &r : rawQuery(file, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        out.append(QStringList{r.at(1), r.at(2), r.at(3), r.at(5)}.join('|'));
    return out;
}

void defineSitePanelTable(Table &t, const QString &dir)
{
    t.setDatabaseName(dir);
    t.setTableName("config");
    t.clearFieldDefs();
    t.addFieldDef("Panel Address", FieldType::String, 5, true);
    t.addFieldDef("Panel Location", FieldType::String, 40, false);
    t.clearIndexDefs();
    t.addIndexDef("Panel Address", true, true);
}

void appendSite(Table &t, const QVariant &address, const QVariant &location)
{
    t.append();
    t.edit();
    t.setField("Panel Address", address);
    t.setField("Panel Location", location);
    t.post();
}

} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void layoutInTheFile()
    {
        Table t;
        defineSitePanelTable(t, m_dir->path());
        t.createTable();
        QVERIFY(!t.isOpen());
        QCOMPARE(t.filePath(), m_dir->path() + "/config.db");
        QCOMPARE(columns(t.filePath(), "config"),
                 (QStringList{"Panel Address|TEXT|1|1", "Panel Location|TEXT|0|0"}));
        QCOMPARE(rawQuery(t.filePath(), "SELECT name FROM sqlite_master WHERE type = 'table'"),
                 QList<QStringList>{{"config"}});
    }

    void fieldOrderKept()
    {
        // The sensor layout of the newest panels, in its own (not alphabetical) order.
        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("PrintTable");
        const QList<QPair<QString, int>> fields{
            {"Loop", 0}, {"Sensor", 0}, {"Enable Disable", 10}, {"Soak Test", 10}, {"Enable With Alarm", 10},
            {"Day Level", 15}, {"Night Level", 15}, {"Device Type", 10}, {"Zone", 0}, {"Configuration", 20},
            {"Input", 10}, {"ASP Delay", 5}, {"RemoteLED", 20}, {"Virtual Address", 20}, {"Text", 80}};
        for (const auto &f : fields)
            t.addFieldDef(f.first, f.second ? FieldType::String : FieldType::Integer, f.second);
        t.addIndexDef("Loop;Sensor", true, true);
        t.createTable();
        QCOMPARE(columns(t.filePath(), "PrintTable"),
                 (QStringList{"Loop|INTEGER|1|1", "Sensor|INTEGER|1|2", "Enable Disable|TEXT|0|0",
                              "Soak Test|TEXT|0|0", "Enable With Alarm|TEXT|0|0", "Day Level|TEXT|0|0",
                              "Night Level|TEXT|0|0", "Device Type|TEXT|0|0", "Zone|INTEGER|0|0",
                              "Configuration|TEXT|0|0", "Input|TEXT|0|0", "ASP Delay|TEXT|0|0",
                              "RemoteLED|TEXT|0|0", "Virtual Address|TEXT|0|0", "Text|TEXT|0|0"}));

        // A second table object opening the file sees the same definitions.
        Table reader;
        reader.setDatabaseName(m_dir->path());
        reader.setTableName("PrintTable");
        reader.open();
        const QList<platform::FieldDef> defs = reader.fieldDefs();
        QCOMPARE(defs.size(), fields.size());
        for (int i = 0; i < fields.size(); ++i) {
            QCOMPARE(defs.at(i).name, fields.at(i).first);
            QCOMPARE(defs.at(i).size, fields.at(i).second);
            QCOMPARE(defs.at(i).type, fields.at(i).second ? FieldType::String : FieldType::Integer);
        }
        QVERIFY(reader.indexDef().has_value());
        QCOMPARE(reader.indexDef()->fields, (QStringList{"Loop", "Sensor"}));
    }

    void createReplacesTheTable()
    {
        Table t;
        defineSitePanelTable(t, m_dir->path());
        t.createTable();
        t.open();
        appendSite(t, "1", "Hall");
        appendSite(t, "2/3", "Store");
        QCOMPARE(t.recordCount(), 2);

        // Same name, another layout: the old records and columns are gone.
        t.clearFieldDefs();
        t.addFieldDef("Zone", FieldType::Integer);
        t.addFieldDef("Status", FieldType::String, 10);
        t.clearIndexDefs();
        t.addIndexDef("Zone");
        t.createTable();
        QVERIFY(!t.isOpen());
        QCOMPARE(columns(t.filePath(), "config"), (QStringList{"Zone|INTEGER|1|1", "Status|TEXT|0|0"}));
        QCOMPARE(rawQuery(t.filePath(), "SELECT COUNT(*) FROM config"), QList<QStringList>{{"0"}});
        t.open();
        QCOMPARE(t.recordCount(), 0);
    }

    void createReplacesAFileThatIsNoTable()
    {
        QFile junk(m_dir->path() + "/config.db");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray::fromHex("0003504452585300000000000000000000000000000000000000000000000000"));
        junk.close();
        Table t;
        defineSitePanelTable(t, m_dir->path());
        t.createTable();
        t.open();
        appendSite(t, "7", "Roof");
        QCOMPARE(t.recordCount(), 1);
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("stored"); // typeof|value as SQL sees it

        QTest::newRow("text within size") << "Status" << QVariant("ARMED") << "text|ARMED";
        QTest::newRow("text cut to size") << "Status" << QVariant("DISABLED NOW!") << "text|DISABLED N";
        QTest::newRow("8-bit text is code page 1252") << "Status" << QVariant(QByteArray::fromHex("419742e4"))
                                                      << QString::fromUtf8("text|A\u2014B\u00e4");
        QTest::newRow("empty text is blank") << "Status" << QVariant("") << "null|<null>";
        QTest::newRow("integer") << "Count" << QVariant(42) << "integer|42";
        QTest::newRow("integer from text") << "Count" << QVariant(" -17 ") << "integer|-17";
        QTest::newRow("largest 32-bit") << "Count" << QVariant(qlonglong(2147483647)) << "integer|2147483647";
        QTest::newRow("smallest 32-bit") << "Count" << QVariant(qlonglong(-2147483648LL)) << "integer|-2147483648";
        QTest::newRow("whole double") << "Count" << QVariant(3.0) << "integer|3";
        QTest::newRow("blank integer") << "Count" << QVariant("") << "null|<null>";
        QTest::newRow("field name in other case") << "STATUS" << QVariant("x") << "text|x";
    }

    void storedValues()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, stored);

        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("PrintTable");
        t.addFieldDef("Zone", FieldType::Integer);
        t.addFieldDef("Status", FieldType::String, 10);
        t.addFieldDef("Count", FieldType::Integer);
        t.addIndexDef("Zone");
        t.createTable();
        t.open();
        t.append();
        t.setField("Zone", 1);
        t.setField(field, value);
        t.post();
        t.close();
        const QString column = field.compare("Count", Qt::CaseInsensitive) == 0 ? "Count" : "Status";
        const QList<QStringList> rows = rawQuery(
            t.filePath(), QStringLiteral("SELECT typeof(\"%1\"), \"%1\" FROM PrintTable").arg(column));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().join('|'), stored);
    }

    void refusedValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("word") << QVariant("ten");
        QTest::newRow("trailing letters") << QVariant("12a");
        QTest::newRow("above 32 bits") << QVariant(qlonglong(2147483648LL));
        QTest::newRow("below 32 bits") << QVariant(qlonglong(-2147483649LL));
        QTest::newRow("fraction") << QVariant(2.5);
    }

    void refusedValues()
    {
        QFETCH(QVariant, value);
        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("PrintTable");
        t.addFieldDef("Zone", FieldType::Integer);
        t.addIndexDef("Zone");
        t.createTable();
        t.open();
        t.append();
        QVERIFY_THROWS_EXCEPTION(TableError, t.setField("Zone", value));
    }

    void duplicateKeyRefused_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("unique");
        QTest::newRow("primary and unique") << true << true;
        QTest::newRow("primary only") << true << false;
        QTest::newRow("unique, not primary") << false << true;
    }

    void duplicateKeyRefused()
    {
        QFETCH(bool, primary);
        QFETCH(bool, unique);
        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("PrintTable");
        t.addFieldDef("Zone", FieldType::Integer);
        t.addFieldDef("Loop", FieldType::Integer);
        t.addFieldDef("Address", FieldType::Integer);
        t.addFieldDef("Device Type", FieldType::String, 10);
        t.addIndexDef("Zone;Loop;Address", primary, unique);
        t.createTable();
        t.open();

        const auto add = [&](int zone, int loop, int address, const char *type) {
            t.append();
            t.setField("Zone", zone);
            t.setField("Loop", loop);
            t.setField("Address", address);
            t.setField("Device Type", type);
            t.post();
        };
        add(1, 1, 1, "first");
        add(1, 1, 2, "other");
        add(2, 1, 1, "other");
        bool caught = false;
        try {
            add(1, 1, 1, "second");
        } catch (const TableError &e) {
            caught = true;
            QVERIFY2(QString(e.what()).contains("Key violation"), e.what());
        }
        QVERIFY(caught);
        // The refused record stays pending until cancelled; the table goes on.
        QVERIFY(t.isAppending());
        t.cancel();
        add(3, 1, 1, "after");
        QCOMPARE(t.recordCount(), 4);
        QCOMPARE(rawQuery(t.filePath(), "SELECT \"Device Type\" FROM PrintTable WHERE Zone = 1 AND Address = 1"),
                 QList<QStringList>{{"first"}});
        if (!primary) {
            QCOMPARE(rawQuery(t.filePath(), "SELECT \"unique\" FROM pragma_index_list('PrintTable')"),
                     QList<QStringList>{{"1"}});
        }
    }

    void requiredField_data()
    {
        QTest::addColumn<QVariant>("address"); // invalid: not set at all
        QTest::newRow("not set") << QVariant();
        QTest::newRow("empty text") << QVariant("");
    }

    void requiredField()
    {
        QFETCH(QVariant, address);
        Table t;
        defineSitePanelTable(t, m_dir->path());
        t.createTable();
        t.open();
        t.append();
        if (address.isValid())
            t.setField("Panel Address", address);
        t.setField("Panel Location", "Hall");
        bool caught = false;
        try {
            t.post();
        } catch (const TableError &e) {
            caught = true;
            QCOMPARE(QString(e.what()), QString("Field 'Panel Address' must have a value"));
        }
        QVERIFY(caught);
        t.setField("Panel Address", "12");
        t.post();
        QCOMPARE(t.recordCount(), 1);
    }

    void wrongStateAndMissingThings()
    {
        Table t;
        defineSitePanelTable(t, m_dir->path());
        // Not created yet.
        QVERIFY_THROWS_EXCEPTION(TableError, t.open());
        QVERIFY(!t.isOpen());
        t.createTable();
        // Closed.
        QVERIFY_THROWS_EXCEPTION(TableError, t.append());
        QVERIFY_THROWS_EXCEPTION(TableError, t.recordCount());
        t.open();
        // Open but no record started.
        QVERIFY_THROWS_EXCEPTION(TableError, t.setField("Panel Address", "1"));
        QVERIFY_THROWS_EXCEPTION(TableError, t.post());
        t.append();
        QVERIFY_THROWS_EXCEPTION(TableError, t.setField("Panel Number", "1"));
        // Closing drops the pending record.
        t.setField("Panel Address", "9");
        t.close();
        t.open();
        QCOMPARE(t.recordCount(), 0);

        Table missingDir;
        defineSitePanelTable(missingDir, m_dir->path() + "/no/such/folder");
        QVERIFY_THROWS_EXCEPTION(TableError, missingDir.createTable());

        Table badIndex;
        defineSitePanelTable(badIndex, m_dir->path());
        badIndex.clearIndexDefs();
        badIndex.addIndexDef("Panel Number");
        QVERIFY_THROWS_EXCEPTION(TableError, badIndex.createTable());

        Table twice;
        defineSitePanelTable(twice, m_dir->path());
        twice.addFieldDef("panel address", FieldType::String, 5);
        QVERIFY_THROWS_EXCEPTION(TableError, twice.createTable());
    }

    void openTableWrittenBySomeoneElse()
    {
        // A table file made with plain SQL, as another program would.
        const QString file = m_dir->path() + "/config.db";
        rawQuery(file, "CREATE TABLE \"config\" (\"Panel Address\" TEXT NOT NULL CHECK (length(\"Panel Address\") <= 5),"
                       " \"Panel Location\" TEXT CHECK (length(\"Panel Location\") <= 40),"
                       " PRIMARY KEY (\"Panel Address\"))");
        rawQuery(file, "INSERT INTO config VALUES ('3', 'Boiler house')");
        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("config");
        t.open();
        QCOMPARE(t.fieldDefs().size(), 2);
        QCOMPARE(t.fieldDefs().at(0).name, QString("Panel Address"));
        QCOMPARE(t.fieldDefs().at(0).size, 5);
        QVERIFY(t.fieldDefs().at(0).required);
        QCOMPARE(t.fieldDefs().at(1).size, 40);
        QVERIFY(!t.fieldDefs().at(1).required);
        appendSite(t, "12/34 and more", "Loading bay");
        QCOMPARE(t.records(), (QList<QVariantList>{{"12/34", "Loading bay"}, {"3", "Boiler house"}}));
    }

    void names()
    {
        // Blanks and quotes in table and field names.
        Table t;
        t.setDatabaseName(m_dir->path());
        t.setTableName("Print \"Table\"");
        t.addFieldDef("Loop \"A\"", FieldType::Integer);
        t.addFieldDef("Test On Date", FieldType::String, 8);
        t.addIndexDef("Loop \"A\"");
        t.createTable();
        t.open();
        t.append();
        t.setField("loop \"a\"", 4);
        t.setField("test on date", "01.02.2024");
        t.post();
        QCOMPARE(t.records(), (QList<QVariantList>{{4, "01.02.20"}}));
        QVERIFY(QFile::exists(m_dir->path() + "/Print \"Table\".db"));
    }

    void connectionRemovedWithTable()
    {
        QString name;
        {
            Table t;
            defineSitePanelTable(t, m_dir->path());
            t.createTable();
            t.open();
            t.model();
            name = t.connectionName();
            QVERIFY(QSqlDatabase::contains(name));
            Table other;
            QVERIFY(other.connectionName() != name);
        }
        QVERIFY(!QSqlDatabase::contains(name));
    }

    void model()
    {
        Table t;
        defineSitePanelTable(t, m_dir->path());
        t.createTable();
        QSqlTableModel *m = t.model();
        QAbstractItemModelTester tester(m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        t.open();
        appendSite(t, "3", "C");
        appendSite(t, "1", "A");
        appendSite(t, "2", "B");
        // Rows in key order, columns in field order.
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->columnCount(), 2);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Panel Address"));
        QCOMPARE(m->data(m->index(0, 0)).toString(), QString("1"));
        QCOMPARE(m->data(m->index(2, 1)).toString(), QString("C"));

        // Edits through the model are cut to the field size.
        m->setEditStrategy(QSqlTableModel::OnManualSubmit);
        QVERIFY(m->setData(m->index(0, 1), QString(50, 'x')));
        const int row = m->rowCount();
        QVERIFY(m->insertRow(row));
        QVERIFY(m->setData(m->index(row, 0), "77/123456"));
        QVERIFY(m->submitAll());
        QCOMPARE(rawQuery(t.filePath(), "SELECT length(\"Panel Location\") FROM config WHERE \"Panel Address\" = '1'"),
                 QList<QStringList>{{"40"}});
        QCOMPARE(rawQuery(t.filePath(), "SELECT \"Panel Address\" FROM config WHERE \"Panel Location\" IS NULL"),
                 QList<QStringList>{{"77/12"}});
        QVERIFY(m->removeRow(1));
        QVERIFY(m->submitAll());
        QCOMPARE(t.recordCount(), 3);

        t.close();
        QCOMPARE(m->rowCount(), 0);
        t.open();
        QCOMPARE(m->rowCount(), 3);
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
