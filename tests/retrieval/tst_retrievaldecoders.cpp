// Reply decoders checked against hand-written records: every cell of the
// grid row and the fields of the table record, for each host-version band
// that changes the decoding, the codes beyond a code table, and texts whose
// length runs past the end of the receive buffer.

#include "RetrievalFixtures.h"

#include <CodeTables.h>

#include <QtTest>

Q_DECLARE_METATYPE(QList<int>)

class TestRetrievalDecoders : public QObject
{
    Q_OBJECT

private slots:
    void hostVersion_data();
    void hostVersion();
    void panelLimits();
    void sensorConfiguration_data();
    void sensorConfiguration();
    void sensorRecordFields();
    void virtualAddress();
    void zoneConfiguration_data();
    void zoneConfiguration();
    void areaAndLoop();
    void inputConfiguration_data();
    void inputConfiguration();
    void outputConfiguration_data();
    void outputConfiguration();
    void logicLine_data();
    void logicLine();
    void codeBeyondItsTable_data();
    void codeBeyondItsTable();
    void textLengthsPastTheBuffer();
    void rowsBeyondThePreparedGrid();
};

void TestRetrievalDecoders::hostVersion_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::newRow("8.37") << QByteArray::fromHex("0004382E3337") << QByteArray("8.37") << 8 << 37;
    QTest::newRow("10.05 cut to 10.0") << QByteArray::fromHex("000531302E3035") << QByteArray("10.0") << 10 << 0;
    QTest::newRow("9.5") << QByteArray::fromHex("FF03392E35") << QByteArray("9.5") << 9 << 5;
    QTest::newRow("no dot") << QByteArray::fromHex("0003413142") << QByteArray("A1B") << 0 << 0;
    QTest::newRow("major not a number") << QByteArray::fromHex("0004582E3130") << QByteArray("X.10") << 0 << 10;
    QTest::newRow("empty") << QByteArray::fromHex("0000") << QByteArray() << 0 << 0;
}

void TestRetrievalDecoders::hostVersion()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, text);
    QFETCH(int, major);
    QFETCH(int, minor);
    DecoderRig rig;
    setHost(rig.session, 7, 7);
    QString shown;
    rig.decoders.setVersionLabelSink([&shown](const QString &label) { shown = label; });
    loadReply(rig.session, 37, payload);
    rig.decoders.HostVersion();
    QCOMPARE(rig.decoders.HostVersionText, text);
    QCOMPARE(rig.session.HostVersionMajor, major);
    QCOMPARE(rig.session.HostVersionMinor, minor);
    QCOMPARE(shown, QStringLiteral("V") + QString::fromLatin1(text));
    QCOMPARE(rig.decoders.versionLabelText(), shown);
}

void TestRetrievalDecoders::panelLimits()
{
    // p[0] 126 sensors per loop; p[8..15] 256 logic lines, 1000 inputs, 512
    // outputs, 2000 events; p[42] 8 loops; p[43..44] zones 5 to 80; p[45] 32 areas.
    const QByteArray head = QByteArray::fromHex("7E00000000000000" "010003E8020007D0") + QByteArray(26, '\0');
    const QByteArray full = head + QByteArray::fromHex("08055020");
    DecoderRig rig;
    loadReply(rig.session, 6, full);
    rig.decoders.PanelLimits(46);
    const LinkSession &s = rig.session;
    QCOMPARE(s.SensorsPerLoop, 126);
    QCOMPARE(s.LogicCount, 256);
    QCOMPARE(s.InputCount, 1000);
    QCOMPARE(s.OutputCount, 512);
    QCOMPARE(s.EventCapacity, 2000);
    QCOMPARE(s.LoopCount, 8);
    QCOMPARE(s.FirstZone, 5);
    QCOMPARE(s.LastZone, 80);
    QCOMPARE(s.AreaCount, 32);

    // A 43-byte reply: the defaults, whatever older bytes the buffer holds there.
    loadReply(rig.session, 6, head + QByteArray::fromHex("04"));
    rig.decoders.PanelLimits(43);
    QCOMPARE(s.LoopCount, 4);
    QCOMPARE(s.FirstZone, 1);
    QCOMPARE(s.LastZone, 112);
    QCOMPARE(s.AreaCount, 99);

    // 44 bytes: zones from the reply, areas by default.
    loadReply(rig.session, 6, head + QByteArray::fromHex("040210"));
    rig.decoders.PanelLimits(44);
    QCOMPARE(s.FirstZone, 2);
    QCOMPARE(s.LastZone, 16);
    QCOMPARE(s.AreaCount, 99);
}

void TestRetrievalDecoders::sensorConfiguration_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");

    // loop, address, flags, type, zone, unused | text pair | c, night/LED, virtual sub-address
    QTest::newRow("8.00 flags 0x53")
        << 8 << 0 << 0 << QByteArray::fromHex("010553020300" "03414243" "024445" "0000")
        << QStringList{"1", "5", "EN", "EN", "DIS", "5", "OPT", "3", "-", "-", "-", "ABC    DE"};
    QTest::newRow("9.00 variant 0 multi-sensor levels")
        << 9 << 0 << 0 << QByteArray::fromHex("0207310C0200" "00" "00" "0010")
        << QStringList{"2", "7", "EN", "DIS", "DIS", "3(MUL(Normal))", "1(MUL(High))", "MUL", "2",
                       "-", "-", "-", "-", "    "};
    QTest::newRow("9.00 variant 1 multi-sensor levels")
        << 9 << 0 << 1 << QByteArray::fromHex("0207310C0200" "00" "00" "0010")
        << QStringList{"2", "7", "EN", "DIS", "DIS", "3", "1", "MUL", "2", "-", "-", "-", "ON/ON", "    "};
    QTest::newRow("8.37 variant 1 optical, LED mode 2")
        << 8 << 37 << 1 << QByteArray::fromHex("010801020100" "00" "00" "0052")
        << QStringList{"1", "8", "EN", "DIS", "DIS", "0", "5", "OPT", "1", "-", "-", "-", "ON/PROGRAMMABLE", "    "};
    QTest::newRow("8.37 variant 1 LED mode 3")
        << 8 << 37 << 1 << QByteArray::fromHex("010801030100" "00" "00" "0003")
        << QStringList{"1", "8", "EN", "DIS", "DIS", "0", "0", "ION", "1", "-", "-", "-", "-", "    "};
    QTest::newRow("8.37 input unit c 0x0A")
        << 8 << 37 << 0 << QByteArray::fromHex("0101010A0100" "00" "00" "0A00")
        << QStringList{"1", "1", "EN", "DIS", "DIS", "0", "0", "SIM", "1", "Input", "N/C", "-", "-", "    "};
    QTest::newRow("7.00 aspiration unit variant 0")
        << 7 << 0 << 0 << QByteArray::fromHex("030A07160400" "00" "00" "9F00")
        << QStringList{"3", "10", "EN", "EN", "EN", "0", "ASP1", "4", "-", "-", "12", "    "};
    QTest::newRow("7.00 same unit variant 2")
        << 7 << 0 << 2 << QByteArray::fromHex("030A07160400" "00" "00" "9F00")
        << QStringList{"3", "10", "EN", "EN", "EN", "0", "1IO", "4", "-", "-", "-", "    "};
    QTest::newRow("5.00 MCP configuration")
        << 5 << 0 << 0 << QByteArray::fromHex("0402000101000141" "00" "0400")
        << QStringList{"4", "2", "DIS", "DIS", "0", "MCP", "1", "MCPW", "-", "A    "};
    QTest::newRow("4.00 text only")
        << 4 << 0 << 0 << QByteArray::fromHex("0102F3020700" "025859" "00")
        << QStringList{"1", "2", "EN", "EN", "15", "OPT", "7", "XY    "};
    QTest::newRow("10.00 virtual sub-address 0")
        << 10 << 0 << 0 << QByteArray::fromHex("010101020900" "00" "00" "000000")
        << QStringList{"1", "1", "EN", "DIS", "DIS", "0", "0", "OPT", "9", "-", "-", "-", "-", "", "    "};
}

void TestRetrievalDecoders::sensorConfiguration()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, variant);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    DecoderRig rig;
    setHost(rig.session, major, minor);
    rig.session.PanelVariant = quint8(variant);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    rig.decoders.context().RecordCounter = 0;
    loadReply(rig.session, 7, payload);
    rig.decoders.SensorConfiguration();
    QCOMPARE(rig.decoders.context().RecordCounter, 1);
    QCOMPARE(rig.row(1), cells);
    QCOMPARE(rig.row(2), QStringList(QList<QString>(cells.size())));
    // Host 10 with sub-address 0: no zone is to be requested.
    QCOMPARE(rig.zoneMark.VirtualSubAddress, quint8(0));
    QCOMPARE(rig.table.recordCount(), 1);
}

void TestRetrievalDecoders::sensorRecordFields()
{
    DecoderRig rig;
    setHost(rig.session, 8, 37);
    rig.session.PanelVariant = 0;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    loadReply(rig.session, 7, QByteArray::fromHex("0207310C0200" "0452414D31" "00" "0010"));
    rig.decoders.SensorConfiguration();
    loadReply(rig.session, 7, QByteArray::fromHex("010553020300" "03414243" "024445" "0000"));
    rig.decoders.SensorConfiguration();
    QCOMPARE(rig.row(2).first(), QStringLiteral("1"));

    const QList<QVariantMap> records = rig.records(); // key order: loop 1 first
    QCOMPARE(records.size(), 2);
    const QVariantMap &a = records.at(0);
    QCOMPARE(a.value("Loop"), QVariant(1));
    QCOMPARE(a.value("Sensor"), QVariant(5));
    QCOMPARE(a.value("Enable Disable").toString(), QStringLiteral("EN"));
    QCOMPARE(a.value("Enable With Alarm").toString(), QStringLiteral("DIS"));
    QCOMPARE(a.value("Day Level").toString(), QStringLiteral("5"));
    QCOMPARE(a.value("Night Level").toString(), QStringLiteral("0"));
    QCOMPARE(a.value("Device Type").toString(), QStringLiteral("OPT"));
    QCOMPARE(a.value("Zone"), QVariant(3));
    QCOMPARE(a.value("RemoteLED").toString(), QStringLiteral("-"));
    QCOMPARE(a.value("Text").toString(), QStringLiteral("ABC    DE"));
    const QVariantMap &b = records.at(1);
    QCOMPARE(b.value("Day Level").toString(), QStringLiteral("3(MUL(Normal))"));
    QCOMPARE(b.value("Night Level").toString(), QStringLiteral("1(MUL(High))"));
    QCOMPARE(b.value("Text").toString(), QStringLiteral("RAM1    "));
}

void TestRetrievalDecoders::virtualAddress()
{
    DecoderRig rig;
    setHost(rig.session, 10, 2);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    // Sensor 3 of loop 2, zone 9, virtual sub-address 4.
    loadReply(rig.session, 7, QByteArray::fromHex("020301020900" "00" "00" "000004"));
    rig.decoders.SensorConfiguration();
    QCOMPARE(rig.zoneMark.VirtualSubAddress, quint8(4));
    QCOMPARE(rig.zoneMark.Zone, quint8(9));
    QCOMPARE(rig.grid.cell(13, 1), QString());

    // The zone's reply: text "AB", system zone 123.
    loadReply(rig.session, 8, QByteArray::fromHex("09010102" "4142" "00" "007B" "0001"));
    rig.decoders.SensorVirtualAddress();
    QCOMPARE(rig.grid.cell(13, 1), QStringLiteral("00123/04"));
    QCOMPARE(rig.grid.cell(14, 1), QStringLiteral("    "));
    QCOMPARE(rig.records().value(0).value("Virtual Address").toString(), QStringLiteral("00123/04"));

    // The next sensor has none: nothing more to request.
    loadReply(rig.session, 7, QByteArray::fromHex("020401020900" "00" "00" "000000"));
    rig.decoders.SensorConfiguration();
    QCOMPARE(rig.zoneMark.VirtualSubAddress, quint8(0));

    // Below host 10 the zone reply changes nothing.
    DecoderRig old;
    setHost(old.session, 9, 0);
    old.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    loadReply(old.session, 7, QByteArray::fromHex("020301020900" "00" "00" "000004"));
    old.decoders.SensorConfiguration();
    loadReply(old.session, 8, QByteArray::fromHex("09010102" "4142" "00" "007B" "0001"));
    old.decoders.SensorVirtualAddress();
    QCOMPARE(old.row(1).join('|'), QStringLiteral("2|3|EN|DIS|DIS|0|0|OPT|9|-|-|-|-|    "));
    QCOMPARE(old.zoneMark.VirtualSubAddress, quint8(0));
}

void TestRetrievalDecoders::zoneConfiguration_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("host 7") << 7 << QByteArray::fromHex("05" "55" "02" "03414243")
                            << QStringList{"5", "EN", "DIS", "EN", "DIS", "EN", "DIS", "EN", "2", "ABC"};
    QTest::newRow("host 8, flags 0x01") << 8 << QByteArray::fromHex("05" "01" "02" "03414243")
                                        << QStringList{"5", "EN", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS",
                                                       "DIS", "2", "ABC"};
    QTest::newRow("host 8, flags 0x11") << 8 << QByteArray::fromHex("05" "11" "02" "03414243")
                                        << QStringList{"5", "EN", "DIS", "DIS", "DIS", "EN", "DIS", "DIS", "DIS",
                                                       "EN", "2", "ABC"};
    QTest::newRow("host 8, flags 0x90") << 8 << QByteArray::fromHex("05" "90" "02" "03414243")
                                        << QStringList{"5", "DIS", "DIS", "DIS", "DIS", "EN", "DIS", "DIS", "EN",
                                                       "DIS", "2", "ABC"};
    QTest::newRow("host 9") << 9 << QByteArray::fromHex("05" "81" "02" "03414243" "05" "0102" "0010")
                            << QStringList{"5", "EN", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS", "EN", "EN", "EN",
                                           "DIS", "DIS", "258", "16", "2", "ABC"};
    QTest::newRow("host 10, empty text") << 10 << QByteArray::fromHex("05" "00" "01" "00" "18" "FFFF" "0000")
                                         << QStringList{"5", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS", "DIS",
                                                        "DIS", "DIS", "EN", "EN", "65535", "0", "1", ""};
}

void TestRetrievalDecoders::zoneConfiguration()
{
    QFETCH(int, major);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    DecoderRig rig;
    setHost(rig.session, major, 0);
    rig.session.FirstZone = 3;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileZoneData);
    loadReply(rig.session, 8, payload);
    rig.decoders.ZoneConfiguration();
    // Zone 5 of a panel whose zones start at 3: row 3.
    QCOMPARE(rig.row(3), cells);
    const QVariantMap record = rig.records().value(0);
    QCOMPARE(record.value("Zone"), QVariant(5));
    QCOMPARE(record.value("Status").toString(), cells.at(1));
    QCOMPARE(record.value("Area"), QVariant(cells.at(cells.size() - 2).toInt()));
    if (major >= 9) {
        QCOMPARE(record.value("HMO").toString(), cells.at(9));
        QCOMPARE(record.value("SystemZone"), QVariant(cells.at(13).toInt()));
        QCOMPARE(record.value("ZoneLED"), QVariant(cells.at(14).toInt()));
    }
}

void TestRetrievalDecoders::areaAndLoop()
{
    DecoderRig rig;
    setHost(rig.session, 8, 0);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileAreaData);
    loadReply(rig.session, 9, QByteArray::fromHex("07" "02" "0A0B0C0D0E" "0441726561"));
    rig.decoders.AreaConfiguration();
    QCOMPARE(rig.row(7), (QStringList{"7", "DIS", "EN", "10", "11", "12", "13", "14", "Area"}));
    const QVariantMap area = rig.records().value(0);
    QCOMPARE(area.value("Area"), QVariant(7));
    QCOMPARE(area.value("Coinc").toString(), QStringLiteral("EN"));
    QCOMPARE(area.value("Adj1"), QVariant(10));
    QCOMPARE(area.value("Adj5"), QVariant(14));
    QCOMPARE(area.value("Text").toString(), QStringLiteral("Area"));

    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData);
    loadReply(rig.session, 10, QByteArray::fromHex("02FE"));
    rig.decoders.LoopConfiguration();
    loadReply(rig.session, 10, QByteArray::fromHex("0101"));
    rig.decoders.LoopConfiguration();
    QCOMPARE(rig.row(1), (QStringList{"1", "EN"}));
    QCOMPARE(rig.row(2), (QStringList{"2", "DIS"}));
    QCOMPARE(rig.records().value(1).value("Status").toString(), QStringLiteral("DIS"));
}

void TestRetrievalDecoders::inputConfiguration_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");
    // Number 258; bits 0x4D: latched, continuous, state 3, logging 2.
    const QStringList head = {"258"};
    const QStringList bits = {"Latched", "Cont.", "Short", "fire"};
    auto row = [&](const char *name, const char *hex, const QString &type, const QStringList &addresses) {
        QTest::newRow(name) << QByteArray::fromHex(hex) << (head + QStringList{type} + bits + addresses + QStringList{"ABC"});
    };
    row("general", "0102014D2C0000" "03414243", "General", {"Maitenance Fault", "-", "-"});
    row("zone", "0102024D070500" "03414243", "Zone", {"ZONE = 7", "Pre Warning", "-"});
    row("adjacent area", "0102044D0C0800" "03414243", "Adj. Area", {"ADJ.AREA = 12", "Sprinkler alarm", "-"});
    row("internal", "0102054D020300" "03414243", "Internal", {"BOARD = 2", "CHANNEL = 3", "-"});
    row("time", "0102064D071E06" "03414243", "Time", {"HOUR = 7", "MIN = 30", "Saturday Thusday"});
    row("device input", "0102074D01FE02" "03414243", "Device Input", {"LOOP = 1", "SENSOR = 254", "CHANNEL = 2"});
    row("device", "0102084D010202" "03414243", "Device", {"LOOP = 1", "SENSOR = 2", "Condition"});
    row("network", "0102094D010235" "03414243", "Network", {"OUTPUT  = 258", "PANEL = 12/5", "-"});
    row("action", "01020A4D140000" "03414243", "Action", {"Maintenance Reminder", "-", "-"});
    row("current loop", "01020B4D030D00" "03414243", "Curr. Loop", {"DEVICE = 3", "Fault Rounting On", "-"});
    row("date", "01020C4D1F0C63" "03414243", "Date", {"DAY = 31", "MONTH = 12", "YEAR = 99"});
    row("LON", "01020E4D040500" "03414243", "Sup.LON Dev.In ", {"LON NR. = 4", "INPUT NR. = 5", "-"});
    row("none", "0102004D010203" "03414243", "None", {"1", "2", "3"});
}

void TestRetrievalDecoders::inputConfiguration()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    DecoderRig rig;
    setHost(rig.session, 9, 0);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileInputData);
    loadReply(rig.session, 11, payload);
    rig.decoders.InputConfiguration();
    QCOMPARE(rig.row(1), cells);
    const QVariantMap record = rig.records().value(0);
    QCOMPARE(record.value("Input"), QVariant(258));
    QCOMPARE(record.value("Type").toString(), cells.at(1).left(10));
    QCOMPARE(record.value("Logging").toString(), QStringLiteral("fire"));
    // Text fields keep at most 10 characters.
    QCOMPARE(record.value("Adr0").toString(), cells.at(6).left(10));
    QCOMPARE(record.value("Adr2").toString(), cells.at(8).left(10));
    QCOMPARE(record.value("Text").toString(), QStringLiteral("ABC"));
}

void TestRetrievalDecoders::outputConfiguration_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("adr3");
    // Output 5; bits 0x36: unlatched, T-shape pulse, inverted, O-shape
    // continuous, two-tone, logged.
    const QStringList head8 = {"5", "Internal", "Unlatched", "Pulse", "Inverted", "Cont.", "Two-Tone", "logged"};
    QTest::newRow("internal, fire brigade zone link")
        << 8 << QByteArray::fromHex("00050436" "01022107" "024F4B") << head8 + QStringList{"BOARD = 1", "CHANNEL = 2",
                                                                                         "Fire Brigade", "Zone Link",
                                                                                         "ZONE = 7", "OK"}
        << "Zone Link";
    QTest::newRow("internal, logic")
        << 8 << QByteArray::fromHex("00050436" "01020007" "024F4B")
        << head8 + QStringList{"BOARD = 1", "CHANNEL = 2", "Logic", "-", "-", "OK"} << "-";
    QTest::newRow("internal, sounder without link")
        << 8 << QByteArray::fromHex("00050436" "01021007" "024F4B")
        << head8 + QStringList{"BOARD = 1", "CHANNEL = 2", "Sounder", "No Link", "-", "OK"} << "No Link";
    QTest::newRow("device output, area link")
        << 8 << QByteArray::fromHex("00050536" "23111204" "00")
        << QStringList{"5", "Dev. output", "Unlatched", "Pulse", "Inverted", "Cont.", "Two-Tone", "logged",
                       "LOOP = 3 / CHANNEL = 2", "SENSOR = 17", "Sounder", "Area Link", "AREA = 4", ""}
        << "Area Link";
    QTest::newRow("network")
        << 8 << QByteArray::fromHex("00050836" "01032107" "00")
        << QStringList{"5", "Network", "Unlatched", "Pulse", "Inverted", "Cont.", "Two-Tone", "logged",
                       "INPUT  = 259", "PANEL = 4/1", "-", "-", "-", ""}
        << "-";
    QTest::newRow("type 0")
        << 8 << QByteArray::fromHex("00050029" "09082107" "00")
        << QStringList{"5", "None", "Latched", "Cont.", "Non inverted", "Pulse", "Continuous", "logged", "9", "8",
                       "33", "0", "7", ""}
        << "0";
    QTest::newRow("event")
        << 8 << QByteArray::fromHex("00050B00" "09082107" "00")
        << QStringList{"5", "Event", "Unlatched", "Cont.", "Non inverted", "Cont.", "Continuous", "unlogged", "-", "-",
                       "-", "-", "-", ""}
        << "-";
    QTest::newRow("host 7: no shape column")
        << 7 << QByteArray::fromHex("00050436" "01022107" "024F4B")
        << QStringList{"5", "Internal", "Unlatched", "Pulse", "Inverted", "Cont.", "logged", "BOARD = 1",
                       "CHANNEL = 2", "Fire Brigade", "Zone Link", "ZONE = 7", "OK"}
        << "Zone Link";
}

void TestRetrievalDecoders::outputConfiguration()
{
    QFETCH(int, major);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    QFETCH(QString, adr3);
    DecoderRig rig;
    setHost(rig.session, major, 0);
    rig.session.NetworkMode = 1;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileOutputData);
    loadReply(rig.session, 12, payload);
    rig.decoders.OutputConfiguration();
    QCOMPARE(rig.row(1), cells);
    const QVariantMap record = rig.records().value(0);
    QCOMPARE(record.value("Output"), QVariant(5));
    QCOMPARE(record.value("Adr3").toString(), adr3);
    QCOMPARE(record.value("Shape").toString(), major >= 8 ? cells.at(6) : QString());
}

void TestRetrievalDecoders::logicLine_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("timer") << QByteArray::fromHex("0007" "06" "04" "0509")
                           << QStringList{"7", "and", "timer", "5", "9"};
    QTest::newRow("input") << QByteArray::fromHex("0008" "0A" "01" "0102") << QStringList{"8", "or", "input", "258", ""};
    QTest::newRow("not output") << QByteArray::fromHex("0008" "07" "06" "0304")
                                << QStringList{"8", "and not", "not output", "772", ""};
    QTest::newRow("marker") << QByteArray::fromHex("0009" "00" "03" "AA0C")
                            << QStringList{"9", "        ", "marker", "12", ""};
    QTest::newRow("not timer") << QByteArray::fromHex("0009" "0F" "08" "0102")
                               << QStringList{"9", "not (", "not timer", "1", "2"};
    QTest::newRow("no operand") << QByteArray::fromHex("0009" "11" "00" "0102") << QStringList{"9", "end", "  ", "", ""};
}

void TestRetrievalDecoders::logicLine()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    DecoderRig rig;
    setHost(rig.session, 8, 0);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLogicData);
    loadReply(rig.session, 13, payload);
    rig.decoders.LogicConfiguration();
    const int line = cells.first().toInt();
    QCOMPARE(rig.row(line), cells);
    const QVariantMap record = rig.records().value(0);
    QCOMPARE(record.value("LogicLine"), QVariant(line));
    QCOMPARE(record.value("Value").toString(), cells.at(3));
    QCOMPARE(record.value("Timer").toString(), cells.at(4));
}

void TestRetrievalDecoders::codeBeyondItsTable_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("lastField");
    QTest::addColumn<QString>("lastValue");
    QTest::newRow("input logging 5") << int(retrievalkind::NonVolatileInputData) << 11
                                     << QByteArray::fromHex("0001" "01" "A0" "000000" "0141")
                                     << QStringList{"1", "General", "Unlatched", "Cont.", "Passive", "", "", "", "", ""}
                                     << "State" << "Passive";
    QTest::newRow("input type 15") << int(retrievalkind::NonVolatileInputData) << 11
                                   << QByteArray::fromHex("0001" "0F" "00" "000000" "0141")
                                   << QStringList{"1", "", "", "", "", "", "", "", "", ""} << "Type" << "";
    QTest::newRow("output link nibble 3") << int(retrievalkind::NonVolatileOutputData) << 12
                                          << QByteArray::fromHex("0002" "04" "00" "01021307" "0141")
                                          << QStringList{"2", "Internal", "Unlatched", "Cont.", "Non inverted", "Cont.",
                                                         "Continuous", "unlogged", "BOARD = 1", "CHANNEL = 2",
                                                         "Sounder", "", "", ""}
                                          << "Adr2" << "Sounder";
    QTest::newRow("logic operator 18") << int(retrievalkind::NonVolatileLogicData) << 13
                                       << QByteArray::fromHex("0001" "12" "01" "0005")
                                       << QStringList{"1", "", "", "", ""} << "Oprator" << "";
}

void TestRetrievalDecoders::codeBeyondItsTable()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, cells);
    QFETCH(QString, lastField);
    QFETCH(QString, lastValue);
    DecoderRig rig;
    setHost(rig.session, 8, 0);
    rig.decoders.PrepareRetrieval(kind);
    auto decode = [&] {
        if (code == 11)
            rig.decoders.InputConfiguration();
        else if (code == 12)
            rig.decoders.OutputConfiguration();
        else
            rig.decoders.LogicConfiguration();
    };
    loadReply(rig.session, quint8(code), payload);
    QVERIFY_THROWS_EXCEPTION(codetables::CodeTableError, decode());
    // The cells written before the bad code stay; the record is kept as far as it was filled.
    QCOMPARE(rig.row(1), cells);
    QList<QVariantMap> records = rig.records();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).value(lastField).toString(), lastValue);

    // The next record decodes as usual (row 2: the counted kinds count it,
    // the logic line is number 2).
    QByteArray next = payload;
    next[1] = char(payload.at(1) + 1);
    next[2] = 1; // a valid type or operator
    next[3] = 0;
    if (code == 12)
        next[6] = 0;
    loadReply(rig.session, quint8(code), next);
    decode();
    records = rig.records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(rig.grid.cell(0, 2), QString::number(quint8(next.at(1))));
}

void TestRetrievalDecoders::textLengthsPastTheBuffer()
{
    DecoderRig rig;
    setHost(rig.session, 9, 0);
    rig.session.ReceiveBuffer.fill('Q');

    // Area text of 255 characters from p[8]: only 247 are left in the buffer.
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileAreaData);
    loadReply(rig.session, 9, QByteArray::fromHex("01" "01" "0000000000" "FF"));
    rig.decoders.AreaConfiguration();
    QCOMPARE(rig.grid.cell(8, 1), QString(247, QLatin1Char('Q')));
    QCOMPARE(rig.records().value(0).value("Text").toString(), QString(80, QLatin1Char('Q')));

    // Zone text of 255: the second flags, system zone and LED lie past the
    // buffer and read as 0.
    rig.session.ReceiveBuffer.fill(0xFF);
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileZoneData);
    loadReply(rig.session, 8, QByteArray::fromHex("01" "01" "02" "FF"));
    rig.decoders.ZoneConfiguration();
    QCOMPARE(rig.grid.cell(9, 1), QStringLiteral("DIS"));   // HMO
    QCOMPARE(rig.grid.cell(13, 1), QStringLiteral("0"));    // system zone
    QCOMPARE(rig.grid.cell(16, 1).size(), 251);

    // Sensor text pair whose first length runs past the end.
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileSensorData);
    loadReply(rig.session, 7, QByteArray::fromHex("010101050100" "FA"));
    rig.decoders.SensorConfiguration();
    QCOMPARE(rig.grid.cell(13, 1), QString(248, QChar(0xFF)) + QStringLiteral("    "));
    QCOMPARE(rig.grid.cell(9, 1), QStringLiteral("-"));
}

void TestRetrievalDecoders::rowsBeyondThePreparedGrid()
{
    DecoderRig rig;
    setHost(rig.session, 8, 0);
    rig.session.LoopCount = 2;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileLoopData);
    QCOMPARE(rig.grid.rowCount(), 3);
    // A loop above the panel's count still gets its row.
    loadReply(rig.session, 10, QByteArray::fromHex("0501"));
    rig.decoders.LoopConfiguration();
    QCOMPARE(rig.row(5), (QStringList{"5", "EN"}));
    // Loop 0 would land on the header row: the header stays, the record is kept.
    loadReply(rig.session, 10, QByteArray::fromHex("0001"));
    rig.decoders.LoopConfiguration();
    QCOMPARE(rig.headers(), (QStringList{"LOOP", "STATUS"}));
    QCOMPARE(rig.records().size(), 2);
    // A zone below the first zone: row 0 or less, no cell written.
    rig.session.FirstZone = 10;
    rig.decoders.PrepareRetrieval(retrievalkind::NonVolatileZoneData);
    loadReply(rig.session, 8, QByteArray::fromHex("0101020141"));
    rig.decoders.ZoneConfiguration();
    QCOMPARE(rig.headers().first(), QStringLiteral("ZONE"));
}

QTEST_GUILESS_MAIN(TestRetrievalDecoders)
#include "tst_retrievaldecoders.moc"
