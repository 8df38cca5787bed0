// Grid and table layouts per kind and host version, and the preparation of
// a retrieval: grid shape, headers, widths, rows, and "PrintTable" as a
// report reads it (names, order, types, sizes, key).

#include "RetrievalFixtures.h"

#include <RetrievalLayouts.h>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class TestRetrievalLayouts : public QObject
{
    Q_OBJECT

private slots:
    void gridHeaders_data();
    void gridHeaders();
    void columnWidths_data();
    void columnWidths();
    void rowCounts_data();
    void rowCounts();
    void tableFields_data();
    void tableFields();
    void everyColumnFieldIsATableField();
    void preparationReplacesThePreviousKind();
    void tableFileAsAReportSeesIt();
    void tableThatCannotBeCreated();
};

void TestRetrievalLayouts::gridHeaders_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QStringList>("headers");

    const QStringList sensor4 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "DAY LEVEL", "TYPE", "ZONE", "TEXT"};
    const QStringList sensor5 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "DAY LEVEL", "TYPE", "ZONE",
                                 "CONFIGURATION", "INPUT ", "TEXT"};
    const QStringList sensor7 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "EN.W.ALM. STORE", "DAY LEVEL", "TYPE",
                                 "ZONE", "CONFIGURATION", "INPUT ", "ASP DELAY", "TEXT"};
    const QStringList sensor801 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "EN.W.ALM. STORE", "DAY LEVEL",
                                   "NIGHT LEVEL", "TYPE", "ZONE", "CONFIGURATION", "INPUT ", "ASP DELAY", "TEXT"};
    const QStringList sensor837 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "EN.W.ALM. STORE", "DAY LEVEL",
                                   "NIGHT LEVEL", "TYPE", "ZONE", "CONFIGURATION", "INPUT ", "ASP DELAY",
                                   "LED/REMOTE OUTPUT", "TEXT"};
    const QStringList sensor10 = {"LOOP", "DEVICE", "EN/DIS", "SOAK TEST", "EN.W.ALM. STORE", "DAY LEVEL",
                                  "NIGHT LEVEL", "TYPE", "ZONE", "CONFIGURATION", "INPUT ", "ASP DELAY",
                                  "LED/REMOTE OUTPUT", "VIRTUAL ADDRESS", "TEXT"};
    QTest::newRow("sensor 4.00") << 0 << 4 << 0 << sensor4;
    QTest::newRow("sensor 5.10") << 0 << 5 << 10 << sensor5;
    QTest::newRow("sensor 6.99") << 0 << 6 << 99 << sensor5;
    QTest::newRow("sensor 7.00") << 0 << 7 << 0 << sensor7;
    QTest::newRow("sensor 8.00") << 0 << 8 << 0 << sensor7;
    QTest::newRow("sensor 8.01") << 0 << 8 << 1 << sensor801;
    QTest::newRow("sensor 8.36") << 0 << 8 << 36 << sensor801;
    QTest::newRow("sensor 8.37") << 0 << 8 << 37 << sensor837;
    QTest::newRow("sensor 9.00") << 0 << 9 << 0 << sensor837;
    QTest::newRow("sensor 10.0") << 0 << 10 << 0 << sensor10;
    QTest::newRow("sensor 3.00 (oldest layout)") << 0 << 3 << 0 << sensor4;

    const QStringList zone7 = {"ZONE", "STATUS", "TWO-TRY", "ON-OFF", "NIGHT MODE", "CONF. MODE", "SND. DELAY",
                               "FB. DELAY", "AREA", "TEXT"};
    const QStringList zone8 = {"ZONE", "STATUS", "TWO-TRY", "ON-OFF", "NIGHT MODE", "CONF. MODE", "SND. DELAY",
                               "FB. DELAY", "INTRIN.SAVE", "HMO", "AREA", "TEXT"};
    const QStringList zone9 = {"ZONE", "STATUS", "TWO-TRY", "ON-OFF", "NIGHT MODE", "CONF. MODE", "SND. DELAY",
                               "FB. DELAY", "INTRIN.SAVE", "HMO", "HAUSALARM MODE", "LA MODE", "SPRINKLER MODE",
                               "SYSTEM ZONE", "ZONE LED", "AREA", "TEXT"};
    QTest::newRow("zone 7.50") << 1 << 7 << 50 << zone7;
    QTest::newRow("zone 8.00") << 1 << 8 << 0 << zone8;
    QTest::newRow("zone 9.00") << 1 << 9 << 0 << zone9;
    QTest::newRow("zone 10.0") << 1 << 10 << 0 << zone9;

    QTest::newRow("area") << 2 << 8 << 0
                          << QStringList{"AREA", "STATUS", "COINC.", "ADJ.(1)", "ADJ.(2)", "ADJ.(3)", "ADJ.(4)",
                                         "ADJ.(5)", "TEXT"};
    QTest::newRow("loop") << 3 << 8 << 0 << QStringList{"LOOP", "STATUS"};
    QTest::newRow("input") << 4 << 8 << 0
                           << QStringList{"INPUT ", "TYPE", "LATCHING", "SHAPE", "STATE", "LOGGING", "ADR. 0",
                                          "ADR. 1", "ADR. 2", "TEXT"};
    QTest::newRow("output 7.99") << 5 << 7 << 99
                                 << QStringList{"OUTPUT ", "TYPE", "LATCHING", "T-SHAPE", "MODE", "O-SHAPE",
                                                "LOGGING", "ADR. 0", "ADR. 1", "ADR. 2", "ADR. 2", "ADR. 3", "TEXT"};
    QTest::newRow("output 8.00") << 5 << 8 << 0
                                 << QStringList{"OUTPUT ", "TYPE", "LATCHING", "T-SHAPE", "MODE", "O-SHAPE", "SHAPE",
                                                "LOGGING", "ADR. 0", "ADR. 1", "ADR. 2", "ADR. 2", "ADR. 3", "TEXT"};
    QTest::newRow("logic") << 6 << 8 << 0 << QStringList{"LOGIC LINE", "OPRATOR", "OPERAND", "VALUE", "TIMER"};
    QTest::newRow("sensor values") << 7 << 8 << 0
                                   << QStringList{"LOOP", "SENSOR", "FIELD TYPE", "ADJUSTED VALUE", "FIELD VALUE",
                                                  "AVERAGE", "LOWEST", "HIGHEST", "TEST", "CONTAM.", "COMMS.",
                                                  "ALARM COUNT", "LOWEST", "HIGHEST"};
    QTest::newRow("zone status") << 8 << 8 << 0
                                 << QStringList{"ZONE", "FIRE", "FAULT", "COINC.", "ISO.", "TEST", "COND.", "ENABLED",
                                                "NIGHT MODE", "SEC. MODE", "ALM. CNT", "FAULT CNT", "COND. CNT",
                                                "COINC. CNT", "ISO. CNT", "TEST START", "TEST END"};
    QTest::newRow("area status") << 9 << 8 << 0
                                 << QStringList{"AREA", "FIRE", "FAULT", "COINC.", "ISO.", "ENABLED", "ALM. CNT",
                                                "FAULT CNT", "COND. CNT", "COINC. CNT", "ISO. CNT"};
    QTest::newRow("loop status") << 10 << 8 << 0
                                 << QStringList{"LOOP", "OVERLOAD A", "OVERLOAD B", "OPEN LOOP", "LOOP PART ISO.",
                                                "ISOLATED"};
    QTest::newRow("input status") << 11 << 8 << 0 << QStringList{"INPUT ", "STATE"};
    QTest::newRow("output status") << 12 << 8 << 0 << QStringList{"OUTPUT ", "STATE"};
    QTest::newRow("events") << 13 << 8 << 0
                            << QStringList{"COUNT", "PANEL", "DATE", "TIME", "PAR1", "TEXT", "CLASS", "PAR2", "PAR3",
                                           "PAR4", "PAR5", "PAR6", "EVENT", "TYPE", "STATUS", "CLASS COUNT"};
    QStringList lon6 = {"LON NR.", "LON STATUS", "LON TYPE", "LON ENCLOSURE", "LON BUCKET", "LON SLOT",
                        "LON SW VERSION", "LON NODE ID", "LON NEURON ID", "OEM CODE", "PRODUCT CODE", "HW VERSION"};
    QStringList lon7 = lon6;
    lon6 << "DEVICE MODE" << "DEVICE COMMON";
    lon7 << "CONFIG" << "DEVICE MODE" << "DEVICE COMMON";
    for (int i = 1; i <= 10; ++i)
        lon6 << QStringLiteral("LON PAR%1").arg(i);
    for (int i = 1; i <= 13; ++i)
        lon7 << QStringLiteral("LON PAR%1").arg(i);
    for (int i = 1; i <= 5; ++i) {
        lon6 << QStringLiteral("LON OUT%1").arg(i);
        lon7 << QStringLiteral("LON OUT%1").arg(i);
    }
    QTest::newRow("LON 6.00") << 14 << 6 << 0 << lon6;
    QTest::newRow("LON 7.00") << 14 << 7 << 0 << lon7;
    QTest::newRow("pager") << 15 << 8 << 21
                           << QStringList{"PAGER", "ADDRESS", "BEEP CODE", "CALL TYPE", "NR OF TRANSMISSIONS",
                                          "DISPLAY CHARACTERS", "MESSAGE TYPE", "GROUP ID"};
    QTest::newRow("zone test") << 16 << 8 << 0
                               << QStringList{"ZONE", "LOOP", "ADDRESS", "Device Type", "Test On Date",
                                              "Test On Time", "Test Off Date", "Test Off Time", "Activated", "Reset"};
    QTest::newRow("system zones") << 17 << 10 << 0 << QStringList{"SYSTEM ZONE", "STATE", "RESULT"};
}

void TestRetrievalLayouts::gridHeaders()
{
    QFETCH(int, kind);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QStringList, headers);
    DecoderRig rig;
    setHost(rig.session, major, minor);
    rig.decoders.PrepareRetrieval(kind);
    QCOMPARE(rig.grid.columnCount(), headers.size());
    QCOMPARE(rig.headers(), headers);
}

void TestRetrievalLayouts::columnWidths_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("major");
    QTest::addColumn<QList<int>>("widths");
    // 9 pixels per header character unless a layout says otherwise.
    QTest::newRow("sensor 8.00") << 0 << 8
                                 << QList<int>{36, 54, 54, 81, 135, 81, 36, 36, 117, 54, 81, 500};
    QTest::newRow("zone 9") << 1 << 9
                            << QList<int>{36, 54, 63, 54, 90, 90, 90, 81, 99, 30, 112, 56, 112, 88, 64, 36, 500};
    QTest::newRow("output 8") << 5 << 8
                              << QList<int>{63, 36, 72, 63, 72, 63, 45, 63, 54, 54, 54, 54, 54, 500};
    QTest::newRow("sensor values") << 7 << 8
                                   << QList<int>{36, 54, 90, 126, 99, 63, 54, 63, 36, 63, 54, 99, 70, 70};
    QTest::newRow("input status") << 11 << 8 << QList<int>{200, 200};
    QTest::newRow("events") << 13 << 8
                            << QList<int>{45, 45, 50, 50, 150, 200, 45, 36, 36, 36, 36, 36, 45, 36, 54, 70};
    QTest::newRow("system zones") << 17 << 10 << QList<int>{99, 45, 120};
}

void TestRetrievalLayouts::columnWidths()
{
    QFETCH(int, kind);
    QFETCH(int, major);
    QFETCH(QList<int>, widths);
    DecoderRig rig;
    setHost(rig.session, major, 0);
    rig.decoders.PrepareRetrieval(kind);
    QList<int> actual;
    for (int c = 0; c < rig.grid.columnCount(); ++c)
        actual.append(rig.grid.columnWidth(c));
    QCOMPARE(actual, widths);
}

void TestRetrievalLayouts::rowCounts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("allRange");
    QTest::addColumn<int>("rangeFrom");
    QTest::addColumn<int>("rangeTo");
    QTest::addColumn<int>("rows");
    // The rig's panel: zones 1-112, 99 areas, 8 loops, 100 logic lines,
    // inputs and outputs; system zones 1-65535.
    QTest::newRow("sensors") << 0 << true << 1 << 1000 << 2001;
    QTest::newRow("zones") << 1 << true << 1 << 1000 << 113;
    QTest::newRow("areas") << 2 << true << 1 << 1000 << 100;
    QTest::newRow("loops") << 3 << true << 1 << 1000 << 9;
    QTest::newRow("inputs, All") << 4 << true << 1 << 1000 << 101;
    QTest::newRow("inputs 101-200") << 4 << false << 101 << 200 << 101;
    QTest::newRow("outputs 901-1000") << 5 << false << 901 << 1000 << 101;
    QTest::newRow("logic") << 6 << true << 1 << 1000 << 101;
    QTest::newRow("events") << 13 << true << 1 << 1000 << 2000;
    QTest::newRow("LON") << 14 << true << 1 << 1000 << 33;
    QTest::newRow("pager") << 15 << true << 1 << 1000 << 256;
    QTest::newRow("zone test: one data row") << 16 << true << 1 << 1000 << 2;
    QTest::newRow("system zones, all") << 17 << true << 1 << 1000 << 65536;
}

void TestRetrievalLayouts::rowCounts()
{
    QFETCH(int, kind);
    QFETCH(bool, allRange);
    QFETCH(int, rangeFrom);
    QFETCH(int, rangeTo);
    QFETCH(int, rows);
    DecoderRig rig;
    setHost(rig.session, 10, 0);
    rig.session.RangeFrom = rangeFrom;
    rig.session.RangeTo = rangeTo;
    rig.decoders.context().AllRange = allRange;
    rig.decoders.PrepareRetrieval(kind);
    QCOMPARE(rig.grid.rowCount(), rows);
}

void TestRetrievalLayouts::tableFields_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("fields"); // name:type, int fields as "I", text fields by size
    QTest::addColumn<QString>("key");
    QTest::newRow("sensor 4") << 0 << 4 << 0
                              << "Loop:I Sensor:I Enable Disable:10 Soak Test:10 Day Level:15 Device Type:10 Zone:I "
                                 "Text:80"
                              << "Loop;Sensor";
    QTest::newRow("sensor 8.01")
        << 0 << 8 << 1
        << "Loop:I Sensor:I Enable Disable:10 Soak Test:10 Enable With Alarm:10 Day Level:15 Night Level:15 "
           "Device Type:10 Zone:I Configuration:20 Input:10 ASP Delay:5 Text:80"
        << "Loop;Sensor";
    QTest::newRow("sensor 10")
        << 0 << 10 << 0
        << "Loop:I Sensor:I Enable Disable:10 Soak Test:10 Enable With Alarm:10 Day Level:15 Night Level:15 "
           "Device Type:10 Zone:I Configuration:20 Input:10 ASP Delay:5 RemoteLED:20 Virtual Address:20 Text:80"
        << "Loop;Sensor";
    QTest::newRow("zone 9")
        << 1 << 9 << 0
        << "Zone:I Status:10 TwoTryMode:10 OnOffMode:10 NightMode:10 ConfMode:10 SndDelay:10 FBDelay:10 "
           "IntSave:10 HMO:10 Hausalarm:10 LA:10 Sprinkler:10 SystemZone:I ZoneLED:I Area:I Text:80"
        << "Zone";
    QTest::newRow("output 7") << 5 << 7 << 0
                              << "Output:I Type:10 Latch:10 TShape:10 Mode:10 OShape:10 Shape:10 Logging:10 Adr0:10 "
                                 "Adr1:10 Adr2:10 Adr3:10 Text:80"
                              << "Output";
    QTest::newRow("logic") << 6 << 8 << 0 << "LogicLine:I Oprator:10 Operand:10 Value:10 Timer:10" << "LogicLine";
    QTest::newRow("zone test") << 16 << 8 << 0
                               << "Zone:I Loop:I Address:I Device Type:10 Test On Date:8 Test On Time:5 "
                                  "Test Off Date:8 Test Off Time:5 Fire On:10 Fire Off:10"
                               << "Zone;Loop;Address";
    QTest::newRow("system zones") << 17 << 10 << 0 << "SystemZone:I State:10 Result:50" << "SystemZone";
}

void TestRetrievalLayouts::tableFields()
{
    QFETCH(int, kind);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, fields);
    QFETCH(QString, key);
    DecoderRig rig;
    setHost(rig.session, major, minor);
    rig.decoders.PrepareRetrieval(kind);
    QStringList actual;
    for (const platform::FieldDef &f : rig.table.fieldDefs())
        actual.append(f.name + QLatin1Char(':')
                      + (f.type == platform::FieldType::Integer ? QStringLiteral("I") : QString::number(f.size)));
    // Field names hold blanks, so compare the joined form.
    QCOMPARE(actual.join(QLatin1Char(' ')), fields);
    QVERIFY(rig.table.indexDef().has_value());
    QCOMPARE(rig.table.indexDef()->fields.join(QLatin1Char(';')), key);
}

void TestRetrievalLayouts::everyColumnFieldIsATableField()
{
    for (int kind = 0; kind < retrievalkind::Count; ++kind) {
        const KindLayout *layout = kindLayout(kind);
        QVERIFY(layout != nullptr);
        for (const LayoutBand &band : layout->bands) {
            for (const GridColumnDef &column : band.columns) {
                if (!column.field)
                    continue;
                bool found = false;
                for (const TableFieldDef &field : band.fields)
                    found = found || QByteArray(field.name) == QByteArray(column.field);
                QVERIFY2(found, qPrintable(QStringLiteral("kind %1 column %2").arg(kind).arg(column.header)));
            }
            for (const QString &k : QString::fromLatin1(layout->key).split(QLatin1Char(';'))) {
                bool found = false;
                for (const TableFieldDef &field : band.fields)
                    found = found || k == QLatin1String(field.name);
                QVERIFY2(found, qPrintable(QStringLiteral("kind %1 key %2").arg(kind).arg(k)));
            }
        }
    }
}

void TestRetrievalLayouts::preparationReplacesThePreviousKind()
{
    DecoderRig rig;
    setHost(rig.session, 10, 0);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    rig.grid.setCell(0, 1, "old");
    rig.grid.setCell(14, 2000, "last");
    rig.grid.setTopRow(1500);

    rig.session.LoopCount = 4;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData);
    QCOMPARE(rig.grid.columnCount(), 2);
    QCOMPARE(rig.grid.rowCount(), 5);
    QCOMPARE(rig.grid.topRow(), 1);
    QCOMPARE(rig.row(1), (QStringList{"", ""}));

    // Growing again shows no cell of the earlier kind.
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    QCOMPARE(rig.grid.cell(0, 1), QString());
    QCOMPARE(rig.grid.cell(14, 2000), QString());

    // ClearRetrievalGrid keeps the headers.
    rig.grid.setCell(3, 7, "x");
    rig.decoders.ClearRetrievalGrid();
    QCOMPARE(rig.grid.cell(3, 7), QString());
    QCOMPARE(rig.grid.cell(3, 0), QStringLiteral("SOAK TEST"));
}

void TestRetrievalLayouts::tableFileAsAReportSeesIt()
{
    DecoderRig rig;
    setHost(rig.session, 7, 0);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData);
    rig.decoders.closePrintTable();
    const QString path = rig.programDirectory.filePath("PrintTable.db");
    QVERIFY(QFileInfo::exists(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "report");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("SELECT name, type, pk FROM pragma_table_info('PrintTable') ORDER BY cid"));
        QStringList columns;
        while (q.next())
            columns << q.value(0).toString() + ' ' + q.value(1).toString() + ' ' + q.value(2).toString();
        QCOMPARE(columns, (QStringList{"Loop INTEGER 1", "Status TEXT 0"}));
    }
    QSqlDatabase::removeDatabase("report");

    // A second preparation replaces the file's earlier table and records.
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData);
    loadReply(rig.session, 10, QByteArray::fromHex("0301"));
    rig.decoders.LoopConfiguration();
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileAreaData);
    QCOMPARE(rig.table.recordCount(), 0);
    QCOMPARE(rig.table.fieldDefs().first().name, QStringLiteral("Area"));
}

void TestRetrievalLayouts::tableThatCannotBeCreated()
{
    LinkSession session;
    MemoryRetrievalGrid grid;
    platform::Table table;
    SensorZoneMark mark;
    RetrievalDecoders decoders(session, grid, table, mark, QStringLiteral("/nonexistent/folder"));
    session.LoopCount = 2;
    QVERIFY_THROWS_EXCEPTION(platform::TableError, decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData));
    // The grid is prepared all the same.
    QCOMPARE(grid.columnCount(), 2);
    QCOMPARE(grid.header(1), QStringLiteral("STATUS"));
    // Replies then fill the grid without a table.
    loadReply(session, 10, QByteArray::fromHex("0201"));
    decoders.LoopConfiguration();
    QCOMPARE(grid.cell(1, 2), QStringLiteral("EN"));
}

QTEST_GUILESS_MAIN(TestRetrievalLayouts)
#include "tst_retrievallayouts.moc"
