// Scenario files and the rules by which the simulated panels answer.

#include "PanelNetwork.h"
#include "Scenario.h"

#include <QtTest>

using namespace panelsim;

class TestScenario : public QObject
{
    Q_OBJECT
private slots:
    void readsCompleteScenario();
    void refusesBadScenario_data();
    void refusesBadScenario();
    void demoScenarioLoads();
    void rules_data();
    void rules();
    void timesLimitedRuleThenFallsThrough();
};

void TestScenario::readsCompleteScenario()
{
    const QByteArray json = R"({
      "access_code": 1234,
      "modem_id": "SITE-7",
      "numbers": ["0123 456-789"],
      "busy_numbers": ["555"],
      "nodes": [ { "node": 3, "rules": [
          { "request": "86 00", "reply": ["06 7F 08", "25"], "unsolicited": ["1C0102"], "times": 2 },
          { "request": "87??05" } ] } ],
      "calls": [ { "at_ms": 900, "unsolicited": ["1C00"], "hangup_after_ms": 50 },
                 { "at_ms": 100, "node": 9, "modem_id": "OTHER" } ]
    })";
    const ScenarioResult r = parseScenario(json, QStringLiteral("inline"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    const Scenario &s = r.scenario;
    QCOMPARE(s.accessCode, std::optional<quint16>(1234));
    QCOMPARE(s.modemId, QByteArray("SITE-7"));
    QCOMPARE(s.numbers, QStringList{QStringLiteral("0123456789")});
    QCOMPARE(s.busyNumbers, QStringList{QStringLiteral("555")});
    QCOMPARE(s.nodes.size(), 1);
    QCOMPARE(s.nodes[0].node, quint8(3));
    const Rule &first = s.nodes[0].rules[0];
    QCOMPARE(first.request, QByteArray::fromHex("8600"));
    QCOMPARE(first.replies, (QList<RecordSpec>{{0x06, QByteArray::fromHex("7f08")}, {0x25, QByteArray()}}));
    QCOMPARE(first.unsolicited, (QList<RecordSpec>{{0x1C, QByteArray::fromHex("0102")}}));
    QCOMPARE(first.times, 2);
    QCOMPARE(s.nodes[0].rules[1].mask, QByteArray::fromHex("ff00ff"));
    // Calls come sorted by time; a call without node belongs to the first node.
    QCOMPARE(s.calls.size(), 2);
    QCOMPARE(s.calls[0].atMs, 100);
    QCOMPARE(s.calls[0].node, quint8(9));
    QCOMPARE(s.calls[0].modemId, std::optional<QByteArray>("OTHER"));
    QCOMPARE(s.calls[1].node, quint8(3));
    QCOMPARE(s.calls[1].hangupAfterMs, 50);
}

void TestScenario::refusesBadScenario_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("expected");

    QTest::newRow("syntax: missing comma, line and column")
        << QByteArray("{\n  \"access_code\": 1\n  \"numbers\": []\n}") << QStringLiteral("x.json:3:3: JSON syntax error");
    QTest::newRow("syntax: unterminated")
        << QByteArray("{ \"nodes\": [") << QStringLiteral("x.json:1:");
    QTest::newRow("top level is a list") << QByteArray("[]") << QStringLiteral("x.json: (top level): not an object");
    QTest::newRow("request not hex")
        << QByteArray(R"({"nodes":[{"node":1},{"node":2,"rules":[{"request":"8G00"}]}]})")
        << QStringLiteral("x.json: nodes[1].rules[0].request: not hex");
    QTest::newRow("odd number of digits")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"860"}]}]})")
        << QStringLiteral("nodes[0].rules[0].request: not hex");
    QTest::newRow("wildcard only in requests")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"86","reply":["06??"]}]}]})")
        << QStringLiteral("nodes[0].rules[0].reply[0]: not hex");
    QTest::newRow("empty reply record")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"86","reply":[""]}]}]})")
        << QStringLiteral("nodes[0].rules[0].reply[0]: empty record");
    QTest::newRow("reply is not a list")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"86","reply":"0600"}]}]})")
        << QStringLiteral("nodes[0].rules[0].reply: not a list");
    QTest::newRow("request missing")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"reply":["06"]}]}]})")
        << QStringLiteral("nodes[0].rules[0].request: missing");
    QTest::newRow("node out of range")
        << QByteArray(R"({"nodes":[{"node":256}]})") << QStringLiteral("nodes[0].node: out of range 0..255");
    QTest::newRow("node twice")
        << QByteArray(R"({"nodes":[{"node":4},{"node":4}]})") << QStringLiteral("nodes[1].node: node 4 listed twice");
    QTest::newRow("times zero")
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"86","times":0}]}]})")
        << QStringLiteral("nodes[0].rules[0].times: out of range");
    QTest::newRow("access code not whole")
        << QByteArray(R"({"access_code":12.5})") << QStringLiteral("access_code: not a whole number");
    QTest::newRow("access code as text")
        << QByteArray(R"({"access_code":"1234"})") << QStringLiteral("access_code: not a number");
    QTest::newRow("misspelt key")
        << QByteArray(R"({"nodes":[{"node":1,"rulez":[]}]})") << QStringLiteral("nodes[0].rulez: unknown key");
    QTest::newRow("number not text")
        << QByteArray(R"({"numbers":["1", 2]})") << QStringLiteral("numbers[1]: not a text");
    QTest::newRow("call without time")
        << QByteArray(R"({"calls":[{"unsolicited":[]}]})") << QStringLiteral("calls[0].at_ms: missing");
    QTest::newRow("call record not hex")
        << QByteArray(R"({"calls":[{"at_ms":1,"unsolicited":["1C","zz"]}]})")
        << QStringLiteral("calls[0].unsolicited[1]: not hex");
    QTest::newRow("payload over 255 bytes")
        << QByteArray(R"({"calls":[{"at_ms":1,"unsolicited":[")" + QByteArray(2 * 257, 'A') + R"("]}]})")
        << QStringLiteral("calls[0].unsolicited[0]: payload longer than 255 bytes");
}

void TestScenario::refusesBadScenario()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, expected);
    const ScenarioResult r = parseScenario(json, QStringLiteral("x.json"));
    QVERIFY(!r.ok());
    QVERIFY2(r.error.contains(expected), qPrintable(r.error));
}

void TestScenario::demoScenarioLoads()
{
    const QString path = qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tools/panelsim/scenarios/demo.json");
    const ScenarioResult r = loadScenario(path);
    QVERIFY2(r.ok(), qPrintable(r.error));
    PanelNetwork network(r.scenario);
    // The opening requests of a retrieval are answered by both panels.
    for (quint8 node : {quint8(1), quint8(2)}) {
        const CommandAnswer limits = network.handleCommand(node, 0x86, QByteArray::fromHex("00"));
        QCOMPARE(limits.replies.size(), 1);
        QCOMPARE(limits.replies[0].code, quint8(6));
        QVERIFY(limits.replies[0].payload.size() > 45); // loops, zones and areas present
        QCOMPARE(network.handleCommand(node, 0xA5, QByteArray::fromHex("00")).replies.value(0).code, quint8(37));
        QCOMPARE(network.handleCommand(node, 0x95, QByteArray::fromHex("00")).replies.value(0).code, quint8(21));
    }
    QVERIFY(!r.scenario.calls.isEmpty());
}

void TestScenario::rules_data()
{
    QTest::addColumn<quint8>("node");
    QTest::addColumn<QByteArray>("command"); // code then payload
    QTest::addColumn<bool>("nodeKnown");
    QTest::addColumn<QList<OutRecord>>("replies");
    QTest::addColumn<QList<OutRecord>>("unsolicited");

    using L = QList<OutRecord>;
    QTest::newRow("exact request") << quint8(1) << QByteArray::fromHex("8600") << true
                                   << L{{1, 0x06, QByteArray::fromHex("7f")}} << L{};
    QTest::newRow("first matching rule wins") << quint8(1) << QByteArray::fromHex("a500") << true
                                              << L{{1, 0x25, QByteArray::fromHex("0004")}} << L{};
    QTest::newRow("replies then unsolicited, in order")
        << quint8(1) << QByteArray::fromHex("2701") << true
        << L{{1, 0x23, QByteArray::fromHex("00")}} << L{{1, 0x27, QByteArray::fromHex("41")}, {1, 0x36, QByteArray()}};
    QTest::newRow("wildcard byte") << quint8(1) << QByteArray::fromHex("87022a") << true
                                   << L{{1, 0x07, QByteArray::fromHex("aa")}} << L{};
    QTest::newRow("wildcard does not stretch the length")
        << quint8(1) << QByteArray::fromHex("8702") << true << L{} << L{};
    QTest::newRow("payload differs: no answer") << quint8(1) << QByteArray::fromHex("8601") << true << L{} << L{};
    QTest::newRow("log-in with the access code") << quint8(1) << QByteArray::fromHex("0104d2") << true
                                                 << L{{1, 0x23, QByteArray::fromHex("00")}} << L{};
    QTest::newRow("log-in with another code") << quint8(1) << QByteArray::fromHex("0104d3") << true
                                              << L{{1, 0x23, QByteArray::fromHex("11")}} << L{};
    QTest::newRow("log-out") << quint8(1) << QByteArray::fromHex("010000") << true
                             << L{{1, 0x23, QByteArray::fromHex("00")}} << L{};
    QTest::newRow("log-in with one payload byte is no log-in") << quint8(1) << QByteArray::fromHex("0104") << true
                                                               << L{} << L{};
    QTest::newRow("a rule overrides the access code") << quint8(2) << QByteArray::fromHex("0104d2") << true
                                                       << L{{2, 0x23, QByteArray::fromHex("2b")}} << L{};
    QTest::newRow("node not in the network") << quint8(5) << QByteArray::fromHex("8600") << false << L{} << L{};
}

void TestScenario::rules()
{
    QFETCH(quint8, node);
    QFETCH(QByteArray, command);
    QFETCH(bool, nodeKnown);
    QFETCH(QList<OutRecord>, replies);
    QFETCH(QList<OutRecord>, unsolicited);

    const ScenarioResult r = parseScenario(R"({
      "access_code": 1234,
      "nodes": [
        { "node": 1, "rules": [
          { "request": "8600", "reply": ["067F"] },
          { "request": "A500", "reply": ["250004"] },
          { "request": "A500", "reply": ["25FFFF"] },
          { "request": "2701", "reply": ["2300"], "unsolicited": ["2741", "36"] },
          { "request": "87 02 ??", "reply": ["07AA"] } ] },
        { "node": 2, "rules": [ { "request": "0104D2", "reply": ["232B"] } ] }
      ] })",
                                           QStringLiteral("inline"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    PanelNetwork network(r.scenario);
    const CommandAnswer a = network.handleCommand(node, quint8(command.at(0)), command.mid(1));
    QCOMPARE(a.nodeKnown, nodeKnown);
    QCOMPARE(a.replies, replies);
    QCOMPARE(a.unsolicited, unsolicited);
}

void TestScenario::timesLimitedRuleThenFallsThrough()
{
    const ScenarioResult r = parseScenario(R"({"nodes":[{"node":1,"rules":[
        {"request":"9B00", "reply":["1B01"], "times":2},
        {"request":"9B00", "reply":["1B02"]} ]}]})",
                                           QStringLiteral("inline"));
    QVERIFY2(r.ok(), qPrintable(r.error));
    PanelNetwork network(r.scenario);
    QByteArray seen;
    for (int i = 0; i < 4; ++i)
        seen += network.handleCommand(1, 0x9B, QByteArray(1, '\0')).replies.value(0).payload;
    QCOMPARE(seen.toHex(), QByteArray("01010202"));
}

QTEST_GUILESS_MAIN(TestScenario)
#include "tst_scenario.moc"
