// The panel end of the link protocol, fed with hand-written frames:
// acknowledgements, replies, stop and wait, duplicates, repetitions, the
// initialisation request and the fault injection.

#include "LinkEndpoint.h"
#include "PanelNetwork.h"
#include "Scenario.h"

#include <QtTest>

using namespace panelsim;

namespace {

// Station node 7, panel 1. Node 1 answers 86 00 with reply 06 7F 08.
const char *const kScenario = R"({ "nodes": [ { "node": 1, "rules": [
    { "request": "8600", "reply": ["067F08"] } ] } ] })";

QByteArray hx(const char *text)
{
    return QByteArray::fromHex(text);
}

// Frames of the station (node 7) and of panel 1, written out by hand.
const QByteArray kCmd5 = hx("025105010786005a6903");        // Q seq 5 to 1: 86 00
const QByteArray kCmd5Repeat = hx("0251850107860078b903");  // same, repeat bit set
const QByteArray kAckCmd5 = hx("024105070186519f03");       // A seq 5, 1 -> 7, MS 86
const QByteArray kCmd6 = hx("02510601078600b4bb03");        // Q seq 6 to 1: 86 00
const QByteArray kAckCmd6 = hx("024106070186ca4303");
const QByteArray kReply1 = hx("0252010701067f0804b503");    // R seq 1, 1 -> 7: 06 7F 08
const QByteArray kReply1Repeat = hx("0252810701067f08d09503");
const QByteArray kReply2 = hx("025210220701067f08ca5503");  // R seq 2 (RP stuffed)
const QByteArray kStationAck1 = hx("02410101070612e003");   // A seq 1, 7 -> 1, MS 06
const QByteArray kStationAck7 = hx("024107010706357903");   // A seq 7: matches nothing
const QByteArray kInit1 = hx("024901000700473b03");         // I seq 1 from 7
const QByteArray kAckInit1 = hx("024101070000591103");
const QByteArray kPoll4 = hx("025704000700308c03");         // W seq 4 from 7
const QByteArray kAckPoll4 = hx("024104070000e55403");
const QByteArray kCmdNode9 = hx("02510509078600dfaa03");    // Q seq 5 to node 9
const QByteArray kAckNode9 = hx("024105070986d83603");
const QByteArray kCmdNoRule = hx("0251070107950048ca03");   // Q seq 7 to 1: 95 00 (no rule)
const QByteArray kAckNoRule = hx("0241070701959ea503");

struct Harness
{
    explicit Harness(int baud = 115200, const FaultOptions &faults = {})
        : scenario(parseScenario(kScenario, QStringLiteral("inline")).scenario)
        , network(scenario)
        , endpoint(&network, baud, faults)
        , sent(&endpoint, &LinkEndpoint::sendBytes)
        , delivered(&endpoint, &LinkEndpoint::commandDelivered)
    {
        endpoint.releaseOutput();
    }
    QByteArray output()
    {
        QByteArray all;
        for (const QList<QVariant> &args : std::as_const(sent))
            all += args.at(0).toByteArray();
        sent.clear();
        return all;
    }

    Scenario scenario;
    PanelNetwork network;
    LinkEndpoint endpoint;
    QSignalSpy sent;
    QSignalSpy delivered;
};

} // namespace

class TestLinkEndpoint : public QObject
{
    Q_OBJECT
private slots:
    void exchanges_data();
    void exchanges();
    void repeatsUnacknowledgedReply();
    void givesUpAfterFiveRepetitionsAndGoesOn();
    void initialisationClearsDuplicateMemory();
    void ackTime_data();
    void ackTime();
    void faultsFollowTheSeed();
    void faultsAtFullRate_data();
    void faultsAtFullRate();
};

void TestLinkEndpoint::exchanges_data()
{
    QTest::addColumn<QList<QByteArray>>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("deliveries");
    using In = QList<QByteArray>;

    QTest::newRow("command: ack, then reply")
        << In{kCmd5} << kAckCmd5 + kReply1 << 1;
    QTest::newRow("command in two pieces with noise before")
        << In{hx("ff2b") + kCmd5.left(4), kCmd5.mid(4)} << kAckCmd5 + kReply1 << 1;
    QTest::newRow("repetition of the delivered frame: ack again only")
        << In{kCmd5, kStationAck1, kCmd5Repeat} << kAckCmd5 + kReply1 + kAckCmd5 << 1;
    QTest::newRow("first copy lost: a repetition is delivered")
        << In{kCmd5Repeat} << kAckCmd5 + kReply1 << 1;
    QTest::newRow("same number without repeat bit is delivered again")
        << In{kCmd5, kStationAck1, kCmd5} << kAckCmd5 + kReply1 + kAckCmd5 + kReply2 << 2;
    QTest::newRow("stop and wait: second reply waits for the first ack")
        << In{kCmd5, kCmd6} << kAckCmd5 + kReply1 + kAckCmd6 << 2;
    QTest::newRow("ack of the first reply releases the second")
        << In{kCmd5, kCmd6, kStationAck1} << kAckCmd5 + kReply1 + kAckCmd6 + kReply2 << 2;
    QTest::newRow("ack that matches nothing is ignored")
        << In{kCmd5, kCmd6, kStationAck7} << kAckCmd5 + kReply1 + kAckCmd6 << 2;
    QTest::newRow("node not in the network: acked, no reply")
        << In{kCmdNode9} << kAckNode9 << 1;
    QTest::newRow("request without rule: acked, no reply")
        << In{kCmdNoRule} << kAckNoRule << 1;
    QTest::newRow("initialisation request acked")
        << In{kInit1} << kAckInit1 << 0;
    QTest::newRow("watchdog poll acked")
        << In{kPoll4} << kAckPoll4 << 0;
    QTest::newRow("bad CRC: silence")
        << In{hx("025105010786005a6803")} << QByteArray() << 0;
    QTest::newRow("cut short by a new frame: only the new one counts")
        << In{kCmd5.left(6) + kPoll4} << kAckPoll4 << 0;
    QTest::newRow("acks are not acknowledged")
        << In{kStationAck1} << QByteArray() << 0;
}

void TestLinkEndpoint::exchanges()
{
    QFETCH(QList<QByteArray>, input);
    QFETCH(QByteArray, output);
    QFETCH(int, deliveries);
    Harness h;
    for (const QByteArray &chunk : input)
        h.endpoint.receiveBytes(chunk);
    QCOMPARE(h.output().toHex(' '), output.toHex(' '));
    QCOMPARE(int(h.delivered.size()), deliveries);
}

void TestLinkEndpoint::repeatsUnacknowledgedReply()
{
    Harness h(115200);
    h.endpoint.receiveBytes(kCmd5);
    QCOMPARE(h.output(), kAckCmd5 + kReply1);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(h.sent.wait(1000));
    // Not before the acknowledgement time of 115200 baud (112 ms).
    QVERIFY2(clock.elapsed() >= 105, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(h.output().toHex(' '), kReply1Repeat.toHex(' '));
    // Once acknowledged nothing more is sent.
    h.endpoint.receiveBytes(kStationAck1);
    QVERIFY(!h.sent.wait(300));
}

void TestLinkEndpoint::givesUpAfterFiveRepetitionsAndGoesOn()
{
    Harness h(115200);
    QSignalSpy abandoned(&h.endpoint, &LinkEndpoint::frameAbandoned);
    h.endpoint.receiveBytes(kCmd5 + kCmd6);
    QTRY_COMPARE_WITH_TIMEOUT(abandoned.size(), 1, 3000);
    // Ack, reply, ack of the second command, five repetitions, then the
    // second reply with the next number.
    QTRY_VERIFY_WITH_TIMEOUT(h.sent.size() >= 9, 1000);
    QCOMPARE(h.output().toHex(' '), (kAckCmd5 + kReply1 + kAckCmd6 + kReply1Repeat.repeated(5) + kReply2).toHex(' '));
}

void TestLinkEndpoint::initialisationClearsDuplicateMemory()
{
    Harness h;
    h.endpoint.receiveBytes(kCmd5 + kStationAck1);
    QCOMPARE(h.delivered.size(), 1);
    // After the initialisation request the remembered number is gone, so a
    // repeated frame with number 5 is new again.
    h.endpoint.receiveBytes(kInit1 + kCmd5Repeat);
    QCOMPARE(h.delivered.size(), 2);
}

void TestLinkEndpoint::ackTime_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("ms");
    QTest::newRow("9600") << 9600 << 685;
    QTest::newRow("115200") << 115200 << 112;
    QTest::newRow("no speed given: 9600") << 0 << 685;
}

void TestLinkEndpoint::ackTime()
{
    QFETCH(int, baud);
    QFETCH(int, ms);
    QCOMPARE(LinkEndpoint::ackTimeoutMs(baud), ms);
}

namespace {
QByteArray runWithFaults(const FaultOptions &faults)
{
    Harness h(115200, faults);
    QByteArray all;
    // Fifty commands with alternating numbers, each followed by the
    // station's ack of the reply (which may or may not match).
    for (int i = 0; i < 50; ++i) {
        const QByteArray cmd = (i % 2) ? kCmd6 : kCmd5;
        h.endpoint.receiveBytes(cmd + kStationAck1);
        all += h.output() + "|";
    }
    return all;
}
} // namespace

void TestLinkEndpoint::faultsFollowTheSeed()
{
    FaultOptions faults;
    faults.corruptRate = 0.3;
    faults.dropRate = 0.2;
    faults.seed = 42;
    const QByteArray first = runWithFaults(faults);
    QCOMPARE(runWithFaults(faults), first);
    faults.seed = 43;
    QVERIFY(runWithFaults(faults) != first);
    // Faults happened at all: the clean run differs.
    QVERIFY(runWithFaults(FaultOptions{}) != first);
}

void TestLinkEndpoint::faultsAtFullRate_data()
{
    QTest::addColumn<double>("corrupt");
    QTest::addColumn<double>("drop");
    QTest::newRow("every frame corrupted") << 1.0 << 0.0;
    QTest::newRow("every frame dropped") << 0.0 << 1.0;
}

void TestLinkEndpoint::faultsAtFullRate()
{
    QFETCH(double, corrupt);
    QFETCH(double, drop);
    FaultOptions faults;
    faults.corruptRate = corrupt;
    faults.dropRate = drop;
    Harness h(115200, faults);
    h.endpoint.receiveBytes(kCmd5);
    // A received frame faulted before it is looked at is never acted on.
    QCOMPARE(h.delivered.size(), 0);
    // And what is sent is faulted on the way out: queue a record directly.
    h.endpoint.queueRecord(FrameType::Unsolicited, OutRecord{1, 0x1C, hx("0102")});
    const QByteArray out = h.output();
    if (drop > 0) {
        QCOMPARE(out, QByteArray());
    } else {
        // U seq 1, 1 -> 0 (no good frame of the station arrived, so its node
        // is not known), 1C 01 02, with exactly one byte changed, never the STX.
        const QByteArray clean = hx("02550100011c011022749b03");
        QCOMPARE(out.size(), clean.size());
        int changed = 0;
        for (qsizetype i = 0; i < out.size(); ++i)
            changed += out.at(i) != clean.at(i) ? 1 : 0;
        QCOMPARE(changed, 1);
        QCOMPARE(out.at(0), char(kStx));
    }
}

QTEST_GUILESS_MAIN(TestLinkEndpoint)
#include "tst_linkendpoint.moc"
