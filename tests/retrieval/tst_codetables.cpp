// Code tables: lengths, entries at the ends and entries whose spelling or
// blanks must survive, the failure beyond the end, and the device names.

#include <CodeTables.h>

#include <QtTest>

using namespace codetables;

class TestCodeTables : public QObject
{
    Q_OBJECT

private slots:
    void lengths_data();
    void lengths();
    void entries_data();
    void entries();
    void beyondTheEnd_data();
    void beyondTheEnd();
    void deviceTypeName_data();
    void deviceTypeName();
    void zoneTestDeviceTypeName_data();
    void zoneTestDeviceTypeName();
    void alarmDeviceTypeName();
};

void TestCodeTables::lengths_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("entries");
    const QList<QPair<const char *, int>> rows = {
        {"ListBoxSensorConfig", 6},   {"ListBoxInputType", 15},     {"ListBoxInputLatching", 2},
        {"ListBoxInputShape", 2},     {"ListBoxInputState", 6},     {"ListBoxInputLogging", 5},
        {"ListBoxInputZoneArea", 9},  {"ListBoxInputDevice", 3},    {"ListBoxInputDay", 8},
        {"ListBoxInputAction", 21},   {"ListBoxInputCL", 27},       {"ListBoxOutputType", 15},
        {"ListBoxOutputMode", 2},     {"ListBoxOutputGeneral", 19}, {"ListBoxOutputZone", 9},
        {"ListBoxOutputArea", 9},     {"ListBoxOutputEquip", 5},    {"ListBoxOutputLink", 3},
        {"ListBoxOutputAction", 24},  {"ListBoxLogicOp", 18},       {"ListBoxLogicOpr", 9},
        {"ListBoxSensorAlarm", 2},    {"ListBoxInputStatus", 2},    {"ListBoxOutputStatus", 2},
        {"ListBoxEventClass", 5},     {"ListBoxEventType", 11},     {"ListBoxEventStatus", 6},
        {"ListBoxFEPFault", 4},       {"ListBoxZoneAction", 22},    {"ListBoxInputGeneral", 57},
        {"ListBoxWatchdog", 42},      {"ListBoxGeneralAlarm", 112}, {"ListBoxAction", 112},
        {"ListBoxSensorType", 32},    {"AlarmDeviceTypeNames", 14},
    };
    for (const auto &[name, count] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << count;
}

void TestCodeTables::lengths()
{
    QFETCH(QString, table);
    QFETCH(int, entries);
    const CodeTable *t = findTable(table);
    QVERIFY2(t != nullptr, qPrintable(table));
    QCOMPARE(t->count(), entries);
    QCOMPARE(t->texts().size(), entries);
}

void TestCodeTables::entries_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    auto row = [](const char *table, int index, const QString &text) {
        QTest::addRow("%s[%d]", table, index) << QString::fromLatin1(table) << index << text;
    };
    row("ListBoxSensorConfig", 0, QString());
    row("ListBoxSensorConfig", 5, "Auto Fire");
    row("ListBoxInputType", 0, "None");
    row("ListBoxInputType", 14, "Sup.LON Dev.In ");
    row("ListBoxInputState", 5, "Abnormal");
    row("ListBoxInputLogging", 4, "condition");
    row("ListBoxInputDay", 6, "Saturday Thusday");
    row("ListBoxInputDay", 7, "Sunday Thursday");
    row("ListBoxInputAction", 20, "Maintenance Reminder");
    row("ListBoxInputCL", 0, QString());
    row("ListBoxInputCL", 13, "Fault Rounting On");
    row("ListBoxInputCL", 26, "Silence Buzzer");
    row("ListBoxOutputType", 13, "LON Output ");
    row("ListBoxOutputType", 14, "Sup. LON Output");
    row("ListBoxOutputGeneral", 18, "Sprinkler alarm");
    row("ListBoxOutputArea", 1, "Fire AUTO");
    row("ListBoxOutputEquip", 4, "Fire Protection");
    row("ListBoxOutputLink", 2, "Area Link");
    row("ListBoxOutputAction", 23, "Call on line 4");
    row("ListBoxLogicOp", 0, "        ");
    row("ListBoxLogicOp", 9, "and not (");
    row("ListBoxLogicOp", 17, "end");
    row("ListBoxLogicOpr", 0, "  ");
    row("ListBoxLogicOpr", 8, "not timer");
    row("ListBoxEventType", 10, "All");
    row("ListBoxEventStatus", 5, "Act+Acc+Log");
    row("ListBoxFEPFault", 0, "Fault Signal on 'Fault in line'");
    row("ListBoxZoneAction", 2, "Souder Test On");
    row("ListBoxZoneAction", 21, "Two Fire Off");
    row("ListBoxInputGeneral", 44, "Maitenance Fault");
    row("ListBoxInputGeneral", 51, QString::fromUtf8("\xC3\x9C" "e ausgel\xC3\xB6st(FBTriggert)"));
    row("ListBoxInputGeneral", 56, QString::fromUtf8("BFS ausgel\xC3\xB6st"));
    row("ListBoxWatchdog", 2, "Divide Error Exeption");
    row("ListBoxWatchdog", 10, "FEP Communication");
    row("ListBoxWatchdog", 12, "LON Communication");
    row("ListBoxWatchdog", 13, "FEP Communication");
    row("ListBoxWatchdog", 18, "Nucleus Error");
    row("ListBoxWatchdog", 38, "Reserved");
    row("ListBoxWatchdog", 41, "FEP Watch Time-out");
    row("ListBoxGeneralAlarm", 92, "2nd Souder Fault");
    row("ListBoxGeneralAlarm", 101, "Unknown pager address ");
    row("ListBoxGeneralAlarm", 109, "FB triggered");
    row("ListBoxGeneralAlarm", 111, "res");
    row("ListBoxAction", 25, "Zone Tes tOff");
    row("ListBoxAction", 84, "End of call");
    row("ListBoxAction", 96, "MCP Fire Biigade Test Off");
    row("ListBoxAction", 100, "Pager comms ok");
    row("ListBoxAction", 111, "res");
    row("ListBoxSensorType", 27, "ASP");
    row("ListBoxSensorType", 31, "2I");
    row("AlarmDeviceTypeNames", 0, "none");
    row("AlarmDeviceTypeNames", 8, "IO");
    row("AlarmDeviceTypeNames", 13, "LCC");
}

void TestCodeTables::entries()
{
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(QString, text);
    const CodeTable *t = findTable(table);
    QVERIFY(t != nullptr);
    QCOMPARE(t->text(index), text);
}

void TestCodeTables::beyondTheEnd_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::newRow("logging 5") << "ListBoxInputLogging" << 5;
    QTest::newRow("link nibble 3") << "ListBoxOutputLink" << 3;
    QTest::newRow("input type 15") << "ListBoxInputType" << 15;
    QTest::newRow("action 112") << "ListBoxAction" << 112;
    QTest::newRow("negative") << "ListBoxInputShape" << -1;
}

void TestCodeTables::beyondTheEnd()
{
    QFETCH(QString, table);
    QFETCH(int, index);
    const CodeTable *t = findTable(table);
    QVERIFY(t != nullptr);
    QVERIFY_THROWS_EXCEPTION(CodeTableError, t->text(index));
}

void TestCodeTables::deviceTypeName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("variant2");
    QTest::addColumn<QString>("variant0");
    QTest::addColumn<QString>("variant1");
    QTest::newRow("0") << 0 << "None" << "None" << "None";
    QTest::newRow("2") << 2 << "OPT" << "OPT" << "OPT";
    QTest::newRow("6") << 6 << "1OS" << "4IO" << "4IO";
    QTest::newRow("7") << 7 << "1O" << "2IO" << "2IO";
    QTest::newRow("8") << 8 << "1IO" << "2I/1O" << "2I/1O";
    QTest::newRow("9") << 9 << "2I" << "4I" << "4I";
    QTest::newRow("12") << 12 << "MUL" << "MUL" << "MUL";
    QTest::newRow("14") << 14 << "UNKNOWN" << "UNKNOWN" << "UNKNOWN";
    QTest::newRow("17") << 17 << "ADD" << "ADD" << "ADD";
    QTest::newRow("22") << 22 << "1IO" << "ASP1" << "1IO";
    QTest::newRow("38") << 38 << "3IO" << "ASP2" << "3IO";
    QTest::newRow("49") << 49 << "GCU2" << "GCU2" << "GCU2";
    QTest::newRow("102") << 102 << "2I/1O" << "2I/1O" << "2I/1O";
    QTest::newRow("255") << 255 << "UNKNOWN" << "UNKNOWN" << "UNKNOWN";
}

void TestCodeTables::deviceTypeName()
{
    QFETCH(int, code);
    QFETCH(QString, variant2);
    QFETCH(QString, variant0);
    QFETCH(QString, variant1);
    QCOMPARE(DeviceTypeName(code, 2), variant2);
    QCOMPARE(DeviceTypeName(code, 0), variant0);
    QCOMPARE(DeviceTypeName(code, 1), variant1);
    QCOMPARE(DeviceTypeName(code, 7), variant1); // any other variant
}

void TestCodeTables::zoneTestDeviceTypeName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "none";
    QTest::newRow("7") << 7 << "2I/O";
    QTest::newRow("14") << 14 << "none";
    QTest::newRow("22") << 22 << "1IO/ASP1";
    QTest::newRow("33") << 33 << "MCPW";
    QTest::newRow("38") << 38 << "3IO/ASP2";
    QTest::newRow("102") << 102 << "2I/1O";
    QTest::newRow("103") << 103 << "none";
}

void TestCodeTables::zoneTestDeviceTypeName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(ZoneTestDeviceTypeName(code), name);
}

void TestCodeTables::alarmDeviceTypeName()
{
    QCOMPARE(AlarmDeviceTypeName(0), QStringLiteral("none"));
    QCOMPARE(AlarmDeviceTypeName(6), QStringLiteral("IO"));
    QCOMPARE(AlarmDeviceTypeName(13), QStringLiteral("LCC"));
    QCOMPARE(AlarmDeviceTypeName(14), QStringLiteral("14"));
    QCOMPARE(AlarmDeviceTypeName(255), QStringLiteral("255"));
}

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
