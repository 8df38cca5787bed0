// The simulated panel front: the records it answers emulation commands
// with, byte for byte where the layout matters, and the screens they draw
// when the station's own display stream decoder reads them.

#include "PanelNetwork.h"

#include "DisplayStream.h"

#include <QTest>

using namespace panelsim;

namespace {

// Decodes the front's records as the station does and keeps what they drew.
class Station : public DisplayStreamHost
{
public:
    LinkSession session;
    EmulationState state;
    class Screen : public LcdScreen
    {
    public:
        int bars = 0;
        int dots = 0;
        void DrawPixel(int, int, const QColor &) override { ++dots; }
        void DrawBar(int, int, int, int, char, const QColor &, const QColor &, float) override { ++bars; }
    } screen;
    DisplayStreamDecoder decoder{session, state, screen, *this};
    QByteArray leds;
    int ended = 0;

    explicit Station(quint8 node)
    {
        session.TargetNode = node;
        screen.Clear();
    }
    void ResetLeds() override {}
    void setStatusBar(const QString &) override {}
    QWidget *dialogParent() override { return nullptr; }
    void beep() override {}

    void receive(quint8 node, const QList<RecordSpec> &records)
    {
        for (const RecordSpec &r : records) {
            QVERIFY(r.payload.size() <= 255);
            if (r.code == kCodeLedStates) {
                leds = r.payload;
                continue;
            }
            QCOMPARE(r.code, kCodeEmulation);
            if (!r.payload.isEmpty() && r.payload.at(0) == 5)
                ++ended;
            session.DisplayBuffer[4] = node;
            session.DisplayBuffer[5] = r.code;
            for (int k = 0; k < r.payload.size(); ++k)
                session.DisplayBuffer[size_t(6 + k)] = quint8(r.payload.at(k));
            session.DisplayLength = int(r.payload.size()) + 9;
            decoder.DecodeDisplayStream();
        }
    }
    QList<QByteArray> lines() const
    {
        QList<QByteArray> text;
        for (int r = 0; r < 8; ++r)
            text << screen.rowText(r, 40);
        return text;
    }
};

QByteArray line(const char *text)
{
    return QByteArray(text).leftJustified(40, ' ');
}

const QByteArray kStart = QByteArray::fromHex("00");
const QByteArray kStop = QByteArray::fromHex("01");
QByteArray keyCommand(quint8 k)
{
    return QByteArray::fromHex("0300") + char(k);
}

} // namespace

class TestPanelFront : public QObject
{
    Q_OBJECT

private slots:
    void startDrawsTheMainMenu()
    {
        PanelFront front(1, false, QByteArray());
        const QList<RecordSpec> records = front.command(kStart);
        QVERIFY(front.active());
        // The first record clears the screen, turns graphics off and writes
        // the heading in red from row 0, column 0.
        QVERIFY(records.first().payload.startsWith(QByteArray::fromHex("02" "1b2b" "1b7e31" "1b592020" "1b4732")
                                                   + "KORVEX FIRE PANEL"));
        // Last comes the LED record: 14 bytes, then PROC. RUN. and SUPPLY ON lit.
        QCOMPARE(records.last().code, kCodeLedStates);
        QCOMPARE(records.last().payload,
                 QByteArray::fromHex("0000000000000000000000000000" "0000010000000100" "0000000000000000"
                                     "0000000000000000" "0000000000000000"));

        Station station(1);
        station.receive(1, records);
        QVERIFY(station.state.EmulationActive);
        QCOMPARE(station.lines(), (QList<QByteArray>{line("KORVEX FIRE PANEL               PANEL 01"), line(""),
                                                     line("> 1  ALARMS AND FAULTS"), line("  2  DISABLEMENTS"),
                                                     line("  3  TEST"), line("  4  DETECTOR LEVELS"), line(""),
                                                     line("1-4 OR ARROWS AND ENTER       EXIT: BACK")}));
        QCOMPARE(station.screen.cellColor(2, 2), QColor(255, 0, 0));
        QCOMPARE(station.screen.cellColor(3, 5), QColor(0, 0, 255));
    }

    void downRewritesTwoLines()
    {
        PanelFront front(1, false, QByteArray());
        front.command(kStart);
        const QList<RecordSpec> records = front.command(keyCommand(10));
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).code, kCodeEmulation);
        QCOMPARE(records.at(0).payload,
                 QByteArray::fromHex("02" "1b592220" "1b4730") + "  1  ALARMS AND FAULTS" + QByteArray::fromHex("20" "1b4b")
                     + QByteArray::fromHex("1b592320" "1b4732") + "> 2  DISABLEMENTS" + QByteArray::fromHex("20" "1b4b"));
    }

    void menuTree_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QByteArray>("leds"); // hex of 32 states, empty: normal
        QTest::addColumn<QList<QByteArray>>("screen");
        QTest::newRow("down, enter: disablements")
            << QList<int>{10, 13} << QByteArray()
            << QList<QByteArray>{line("DISABLEMENTS                    PANEL 01"), line(""), line("NO DISABLEMENTS"),
                                 line(""), line(""), line(""), line(""),
                                 line("DISABLE: ^L                   EXIT: BACK")};
        QTest::newRow("1: alarms of a panel in fire and fault")
            << QList<int>{'1'} << QByteArray("0100010000010100000000000000000000000000000000000000000000000000")
            << QList<QByteArray>{line("ALARMS AND FAULTS               PANEL 01"), line(""),
                                 line("FIRE    ZONE 003  LOOP 1  SENSOR 012"),
                                 line("FAULT   ZONE 007  LOOP 2  SENSOR 045"), line(""), line(""), line(""),
                                 line("RESET: ^K                     EXIT: BACK")};
        QTest::newRow("reset clears the fire")
            << QList<int>{'1', 11} << QByteArray("0100010000010100000000000000000000000000000000000000000000000000")
            << QList<QByteArray>{line("ALARMS AND FAULTS               PANEL 01"), line(""),
                                 line("FAULT   ZONE 007  LOOP 2  SENSOR 045"), line(""), line(""), line(""), line(""),
                                 line("RESET: ^K                     EXIT: BACK")};
        QTest::newRow("up wraps, exit returns")
            << QList<int>{26, 13, 27, 26} << QByteArray()
            << QList<QByteArray>{line("KORVEX FIRE PANEL               PANEL 01"), line(""),
                                 line("  1  ALARMS AND FAULTS"), line("  2  DISABLEMENTS"), line("> 3  TEST"),
                                 line("  4  DETECTOR LEVELS"), line(""),
                                 line("1-4 OR ARROWS AND ENTER       EXIT: BACK")};
        QTest::newRow("detector levels")
            << QList<int>{'4'} << QByteArray()
            << QList<QByteArray>{
                   line("   |                           D1  35%"), line("   |                           D2  52%"),
                   line("   |                           D3  18%"), line("   |                           D4  86%"),
                   line("   |                           D5  44%"),
                   line("   |\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97\x97"
                        "\x97\x97\x97\x97"),
                   line("DETECTOR LEVELS  LOOP 1         PANEL 01"), line("ALARM AT 80%                  EXIT: BACK")};
    }

    void menuTree()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QByteArray, leds);
        QFETCH(QList<QByteArray>, screen);
        PanelFront front(1, false, QByteArray::fromHex(leds));
        Station station(1);
        station.receive(1, front.command(kStart));
        for (int k : keys)
            station.receive(1, front.command(keyCommand(quint8(k))));
        QCOMPARE(station.lines(), screen);
    }

    void graphScreenDrawsBarsAndDots()
    {
        PanelFront front(1, false, QByteArray());
        Station station(1);
        station.receive(1, front.command(kStart));
        station.receive(1, front.command(keyCommand('4')));
        QVERIFY(station.state.GraphicsMode);
        QCOMPARE(station.screen.bars, 6);
        QCOMPARE(station.screen.dots, 26);
        // Leaving the graph turns graphics off again.
        station.receive(1, front.command(keyCommand(27)));
        QVERIFY(!station.state.GraphicsMode);
    }

    void controlKeysReportLeds()
    {
        PanelFront front(1, false, QByteArray());
        front.command(kStart);
        const QList<RecordSpec> records = front.command(keyCommand(9)); // silence buzzer
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.at(0).code, kCodeLedStates);
        QCOMPARE(quint8(records.at(0).payload.at(45)), quint8(1));
        QCOMPARE(quint8(records.at(0).payload.at(16)), quint8(1));
    }

    void startStopAndRefusal_data()
    {
        QTest::addColumn<bool>("elsewhere");
        QTest::addColumn<QByteArrayList>("commands"); // hex payloads
        QTest::addColumn<QByteArrayList>("last");     // hex records (code + payload) of the last answer
        QTest::newRow("stop") << false << QByteArrayList{"00", "01"} << QByteArrayList{"2705"};
        QTest::newRow("emulated elsewhere") << true << QByteArrayList{"00"} << QByteArrayList{"2705"};
        QTest::newRow("key before start") << false << QByteArrayList{"03000a"} << QByteArrayList{};
        QTest::newRow("key after stop") << false << QByteArrayList{"00", "01", "03000a"} << QByteArrayList{};
        QTest::newRow("unknown function") << false << QByteArrayList{"00", "07"} << QByteArrayList{};
        QTest::newRow("key not an emulation key") << false << QByteArrayList{"00", "030041"} << QByteArrayList{};
    }

    void startStopAndRefusal()
    {
        QFETCH(bool, elsewhere);
        QFETCH(QByteArrayList, commands);
        QFETCH(QByteArrayList, last);
        PanelFront front(9, elsewhere, QByteArray());
        QList<RecordSpec> answer;
        for (const QByteArray &c : commands)
            answer = front.command(QByteArray::fromHex(c));
        QList<RecordSpec> expected;
        for (const QByteArray &r : last) {
            const QByteArray bytes = QByteArray::fromHex(r);
            expected << RecordSpec{quint8(bytes.at(0)), bytes.mid(1)};
        }
        QCOMPARE(answer, expected);
        QVERIFY(!front.active() || !elsewhere);
    }

    void rulesComeFirst()
    {
        // A scenario rule for the start command answers instead of the front.
        Scenario scenario;
        NodeSpec node;
        node.node = 3;
        Rule rule;
        rule.request = QByteArray::fromHex("2700");
        rule.mask = QByteArray::fromHex("ffff");
        rule.unsolicited = {RecordSpec{0x27, QByteArray::fromHex("05")}};
        node.rules = {rule};
        scenario.nodes = {node};
        PanelNetwork network(scenario);
        CommandAnswer a = network.handleCommand(3, 0x27, QByteArray::fromHex("00"));
        QCOMPARE(a.unsolicited, (QList<OutRecord>{OutRecord{3, 0x27, QByteArray::fromHex("05")}}));
        // Commands without a rule reach the front: a key before any start is not answered.
        a = network.handleCommand(3, 0x27, QByteArray::fromHex("03000a"));
        QVERIFY(a.nodeKnown);
        QVERIFY(a.unsolicited.isEmpty());
        a = network.handleCommand(3, 0x27, QByteArray::fromHex("01"));
        QCOMPARE(a.unsolicited, (QList<OutRecord>{OutRecord{3, 0x27, QByteArray::fromHex("05")}}));
    }

    void scenarioKeys_data()
    {
        QTest::addColumn<QByteArray>("node"); // JSON of one node
        QTest::addColumn<QString>("error");
        QTest::newRow("both keys")
            << QByteArray(R"({"node": 1, "emulated_elsewhere": true, "leds": "01000000000000000000000000000000000000000000000000000000000000ff"})")
            << QString();
        QTest::newRow("flag not a boolean") << QByteArray(R"({"node": 1, "emulated_elsewhere": 1})")
                                            << "s.json: nodes[0].emulated_elsewhere: not true or false";
        QTest::newRow("leds too short") << QByteArray(R"({"node": 1, "leds": "0101"})")
                                        << "s.json: nodes[0].leds: not 32 LED states";
        QTest::newRow("leds not hex") << QByteArray(R"({"node": 1, "leds": "zz"})") << "s.json: nodes[0].leds: not hex";
    }

    void scenarioKeys()
    {
        QFETCH(QByteArray, node);
        QFETCH(QString, error);
        const ScenarioResult r = parseScenario("{\"nodes\": [" + node + "]}", QStringLiteral("s.json"));
        QCOMPARE(r.error, error);
        if (r.ok()) {
            QVERIFY(r.scenario.nodes.at(0).emulatedElsewhere);
            QCOMPARE(r.scenario.nodes.at(0).leds.size(), 32);
            QCOMPARE(quint8(r.scenario.nodes.at(0).leds.at(31)), quint8(0xff));
        }
    }
};

QTEST_GUILESS_MAIN(TestPanelFront)
#include "tst_panelfront.moc"
