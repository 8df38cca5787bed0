// The panel data of a scenario and the replies the simulator builds from it,
// compared with reply records written by hand from the panels' layouts.

#include "PanelNetwork.h"
#include "Scenario.h"

#include <QtTest>

using namespace panelsim;

namespace {

const QByteArray kScenario = R"({
  "access_code": 1234,
  "nodes": [
    { "node": 4,
      "rules": [ { "request": "A500", "reply": ["250004392E3939"] } ],
      "panel": {
        "host_version": "10.05", "variant": 1, "sensors_per_loop": 126, "event_capacity": 300,
        "last_zone": 20,
        "loops": [
          { "loop": 1, "sensors": [
              { "address": 5, "type": 12, "zone": 3, "soak_test": true, "alarm_store": true,
                "day_level": 3, "night_level": 1, "config": 10, "led_mode": 2, "virtual_sub": 4,
                "text": "Lab", "text2": "B" } ] },
          { "loop": 2, "enabled": false, "sensors": [] } ],
        "zones": [ { "zone": 3, "flags": 9, "flags2": 5, "area": 2, "system_zone": 900, "zone_led": 258,
                     "text": "Z3" } ],
        "areas": [ { "area": 2, "coincidence": true, "adjacent": [1, 3], "text": "North" } ],
        "inputs": [ { "input": 300, "type": 5, "flags": 33, "address": [1, 2, 3], "text": "Key" } ],
        "outputs": [ { "output": 2, "type": 4, "flags": 49, "address": [1, 2, 33, 7], "text": "FB" } ],
        "logic": [ { "line": 3, "operator": 1, "operand": 4, "value": [2, 30] } ]
      } } ] })";

} // namespace

class TestPanelModel : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void badPanelData_data();
    void badPanelData();
};

void TestPanelModel::replies_data()
{
    QTest::addColumn<QByteArray>("command"); // code, payload
    QTest::addColumn<QByteArray>("reply");   // code, payload; empty: no reply
    QTest::newRow("limits") << QByteArray::fromHex("8600")
                            << QByteArray::fromHex("06" "7E" "00000000000000" "0003" "012C" "0002" "012C"
                                                   "0000000000000000000000000000000000000000000000000000"
                                                   "02" "01" "14" "02");
    QTest::newRow("a rule comes first") << QByteArray::fromHex("A500") << QByteArray::fromHex("250004392E3939");
    QTest::newRow("variant") << QByteArray::fromHex("9500") << QByteArray::fromHex("1501");
    QTest::newRow("sensor") << QByteArray::fromHex("870105")
                            << QByteArray::fromHex("07" "01" "05" "37" "0C" "03" "00" "03" "4C6162" "01" "42"
                                                   "0A" "12" "04");
    QTest::newRow("sensor not configured") << QByteArray::fromHex("870106")
                                           << QByteArray::fromHex("07" "01" "06" "00" "00" "00" "00" "00" "00"
                                                                  "00" "00" "00");
    QTest::newRow("zone") << QByteArray::fromHex("8803")
                          << QByteArray::fromHex("08" "03" "09" "02" "02" "5A33" "05" "0384" "0102");
    QTest::newRow("zone not listed") << QByteArray::fromHex("8807")
                                     << QByteArray::fromHex("08" "07" "00" "00" "00" "00" "0000" "0000");
    QTest::newRow("area") << QByteArray::fromHex("8902")
                          << QByteArray::fromHex("09" "02" "03" "0103000000" "05" "4E6F727468");
    QTest::newRow("loop enabled") << QByteArray::fromHex("8A01") << QByteArray::fromHex("0A" "01" "01");
    QTest::newRow("loop disabled") << QByteArray::fromHex("8A02") << QByteArray::fromHex("0A" "02" "00");
    QTest::newRow("input 300") << QByteArray::fromHex("8B012C")
                               << QByteArray::fromHex("0B" "012C" "05" "21" "010203" "03" "4B6579");
    QTest::newRow("output") << QByteArray::fromHex("8C0002")
                            << QByteArray::fromHex("0C" "0002" "04" "31" "01022107" "02" "4642");
    QTest::newRow("logic") << QByteArray::fromHex("8D0003") << QByteArray::fromHex("0D" "0003" "01" "04" "02" "1E");
    QTest::newRow("log-in by the access code") << QByteArray::fromHex("0104D2") << QByteArray::fromHex("2300");
    QTest::newRow("no data for sensor values") << QByteArray::fromHex("980105") << QByteArray();
}

void TestPanelModel::replies()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    const ScenarioResult r = parseScenario(kScenario, QStringLiteral("test"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    PanelNetwork network(r.scenario);
    const CommandAnswer answer = network.handleCommand(4, quint8(command.at(0)), command.mid(1));
    QVERIFY(answer.nodeKnown);
    if (reply.isEmpty()) {
        QVERIFY(answer.replies.isEmpty());
        return;
    }
    QCOMPARE(answer.replies.size(), 1);
    QCOMPARE(QByteArray(1, char(answer.replies[0].code)) + answer.replies[0].payload, reply);
}

void TestPanelModel::badPanelData_data()
{
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown key") << QByteArray(R"({"hostversion": "8.37"})")
                                 << "test: nodes[0].panel.hostversion: unknown key";
    QTest::newRow("level beyond a nibble")
        << QByteArray(R"({"loops": [{"loop": 1, "sensors": [{"address": 1, "type": 1, "day_level": 16}]}]})")
        << "test: nodes[0].panel.loops[0].sensors[0].day_level: not a whole number from 0 to 15";
    QTest::newRow("sensor without type") << QByteArray(R"({"loops": [{"loop": 1, "sensors": [{"address": 1}]}]})")
                                         << "test: nodes[0].panel.loops[0].sensors[0].type: missing";
    QTest::newRow("six adjacent areas") << QByteArray(R"({"areas": [{"area": 1, "adjacent": [1,2,3,4,5,6]}]})")
                                        << "test: nodes[0].panel.areas[0].adjacent: more than 5 values";
    QTest::newRow("text beyond 8 bits") << QByteArray(R"({"zones": [{"zone": 1, "text": "\u20ac"}]})")
                                        << "test: nodes[0].panel.zones[0].text: a character beyond 8 bits";
    QTest::newRow("not an object") << QByteArray("[]") << "test: nodes[0].panel: not an object";
}

void TestPanelModel::badPanelData()
{
    QFETCH(QByteArray, panel);
    QFETCH(QString, error);
    const ScenarioResult r = parseScenario(R"({"nodes": [{"node": 1, "panel": )" + panel + "}]}", QStringLiteral("test"));
    QCOMPARE(r.error, error);
}

QTEST_MAIN(TestPanelModel)
#include "tst_panelmodel.moc"
