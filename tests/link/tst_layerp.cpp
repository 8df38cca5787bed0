// Command records, waits, repetitions and request loops, against a library
// that plays the panel in-process. Expected records are written by hand:
// destination, command code, length, payload.
#include "LinkFakes.h"

#include <DialogSeam.h>

#include <QTest>

#include <map>

class TestLayerp : public QObject
{
    Q_OBJECT

private slots:
    void loops_data();
    void loops();
    void outputRangeClampedToCount();
    void rangeOutOfSelection_data();
    void rangeOutOfSelection();
    void events_data();
    void events();
    void abortDuringLoop_data();
    void abortDuringLoop();
    void abortWhenNotOnLine();
    void logInStep_data();
    void logInStep();
    void logInRepetition_data();
    void logInRepetition();
    void emulationCommands_data();
    void emulationCommands();
    void ackTimeOutEndsLoop();
    void replyTimeOut_data();
    void replyTimeOut();
    void refusedRequestIsMissing();
    void eachReplyDecodedBeforeNextRequest();
};

// "Field=value ..." applied to the link session.
static void applySetup(LinkSession &s, const QString &setup)
{
    const std::map<QString, qint32 *> fields{
        {"LoopFrom", &s.LoopFrom}, {"LoopTo", &s.LoopTo}, {"SensorFrom", &s.SensorFrom}, {"SensorTo", &s.SensorTo},
        {"RangeFrom", &s.RangeFrom}, {"RangeTo", &s.RangeTo}, {"SystemZoneFrom", &s.SystemZoneFrom},
        {"SystemZoneTo", &s.SystemZoneTo}, {"LoopCount", &s.LoopCount}, {"SensorsPerLoop", &s.SensorsPerLoop},
        {"FirstZone", &s.FirstZone}, {"LastZone", &s.LastZone}, {"AreaCount", &s.AreaCount},
        {"LogicCount", &s.LogicCount}, {"InputCount", &s.InputCount}, {"OutputCount", &s.OutputCount},
        {"EventCapacity", &s.EventCapacity}, {"HostVersionMajor", &s.HostVersionMajor}};
    for (const QString &item : setup.split(' ', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split('=');
        if (kv.at(0) == "PanelVariant")
            s.PanelVariant = quint8(kv.at(1).toInt());
        else
            *fields.at(kv.at(0)) = kv.at(1).toInt();
    }
}

static const QString logOut = "0501020000";

static void runLoop(LinkRequests &r, const QString &loop, const QString &all)
{
    const bool a = all.contains("all");
    const std::map<QString, std::function<void()>> loops{
        {"sensor configuration", [&] { r.SensorConfigurationLoop(all.contains("loops"), all.contains("sensors")); }},
        {"sensor values", [&] { r.SensorValuesLoop(all.contains("loops"), all.contains("sensors")); }},
        {"zone configuration", [&] { r.ZoneConfigurationLoop(); }},
        {"zone status", [&] { r.ZoneStatusLoop(); }},
        {"area configuration", [&] { r.AreaConfigurationLoop(); }},
        {"area status", [&] { r.AreaStatusLoop(); }},
        {"loop configuration", [&] { r.LoopConfigurationLoop(); }},
        {"loop status", [&] { r.LoopStatusLoop(); }},
        {"logic", [&] { r.LogicLoop(); }},
        {"input configuration", [&] { r.InputConfigurationLoop(a); }},
        {"input status", [&] { r.InputStatusLoop(a); }},
        {"output configuration", [&] { r.OutputConfigurationLoop(a); }},
        {"output status", [&] { r.OutputStatusLoop(a); }},
        {"system zones", [&] { r.SystemZonesLoop(); }},
        {"LON devices", [&] { r.LonDevicesLoop(); }},
        {"pager", [&] { r.PagerLoop(); }},
    };
    loops.at(loop)();
}

void TestLayerp::loops_data()
{
    QTest::addColumn<QString>("loop");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QStringList>("expected");

    QStringList loop3;
    for (int s = 11; s <= 20; ++s)
        loop3 << QString("05870203%1").arg(s, 2, 16, QChar('0'));
    QTest::newRow("sensors 11 to 20 of loop 3")
        << "sensor configuration" << "LoopFrom=3 LoopTo=3 SensorFrom=11 SensorTo=20 LoopCount=8 SensorsPerLoop=252"
        << "" << (loop3 << logOut);
    QTest::newRow("variant 2 skips sensors 126 and 127")
        << "sensor configuration" << "LoopFrom=1 LoopTo=1 SensorFrom=125 SensorTo=128 LoopCount=2 SensorsPerLoop=252 PanelVariant=2"
        << "" << QStringList{"058702017d", "0587020180", logOut};
    QTest::newRow("variant 1 asks for 126 and 127")
        << "sensor configuration" << "LoopFrom=1 LoopTo=1 SensorFrom=125 SensorTo=128 LoopCount=2 SensorsPerLoop=252 PanelVariant=1"
        << "" << QStringList{"058702017d", "058702017e", "058702017f", "0587020180", logOut};
    QTest::newRow("sensor values, variant 2")
        << "sensor values" << "LoopFrom=2 LoopTo=2 SensorFrom=126 SensorTo=128 LoopCount=2 SensorsPerLoop=252 PanelVariant=2"
        << "" << QStringList{"0598020280", logOut};
    QTest::newRow("all loops with LoopCount 0: only the log-out")
        << "sensor configuration" << "LoopFrom=1 LoopTo=8 SensorFrom=1 SensorTo=128 LoopCount=0 SensorsPerLoop=252"
        << "loops" << QStringList{logOut};
    QTest::newRow("clamped to the panel's loops and sensors")
        << "sensor values" << "LoopFrom=2 LoopTo=8 SensorFrom=1 SensorTo=128 LoopCount=2 SensorsPerLoop=2"
        << "" << QStringList{"0598020201", "0598020202", logOut};
    QTest::newRow("all loops and sensors")
        << "sensor values" << "LoopFrom=5 LoopTo=5 SensorFrom=9 SensorTo=9 LoopCount=2 SensorsPerLoop=1"
        << "loops sensors" << QStringList{"0598020101", "0598020201", logOut};
    QTest::newRow("limits all 0 before reply 6")
        << "sensor configuration" << "LoopFrom=1 LoopTo=8 SensorFrom=1 SensorTo=128" << "" << QStringList{logOut};
    QTest::newRow("zones") << "zone configuration" << "FirstZone=4 LastZone=6" << ""
                           << QStringList{"05880104", "05880105", "05880106", logOut};
    QTest::newRow("zone status") << "zone status" << "FirstZone=1 LastZone=2" << ""
                                 << QStringList{"05990101", "05990102", logOut};
    QTest::newRow("areas") << "area configuration" << "AreaCount=2" << "" << QStringList{"05890101", "05890102", logOut};
    QTest::newRow("area status") << "area status" << "AreaCount=1" << "" << QStringList{"059a0101", logOut};
    QTest::newRow("loops") << "loop configuration" << "LoopCount=2" << "" << QStringList{"058a0101", "058a0102", logOut};
    QTest::newRow("loop status") << "loop status" << "LoopCount=1" << "" << QStringList{"059e0101", logOut};
    QTest::newRow("logic") << "logic" << "LogicCount=2" << "" << QStringList{"058d020001", "058d020002", logOut};
    QTest::newRow("inputs 2 to 3") << "input configuration" << "RangeFrom=2 RangeTo=3 InputCount=3" << ""
                                   << QStringList{"058b020002", "058b020003", logOut};
    QTest::newRow("input status, all") << "input status" << "RangeFrom=1 RangeTo=1000 InputCount=2" << "all"
                                       << QStringList{"059f020001", "059f020002", logOut};
    QTest::newRow("input range ends below its start") << "input configuration" << "RangeFrom=3 RangeTo=2 InputCount=5" << ""
                                                      << QStringList{logOut};
    QTest::newRow("output status 255 to 257") << "output status" << "RangeFrom=255 RangeTo=257 OutputCount=600" << ""
                                              << QStringList{"05a20200ff", "05a2020100", "05a2020101", logOut};
    QTest::newRow("system zones 300 and 301") << "system zones" << "SystemZoneFrom=300 SystemZoneTo=301" << ""
                                              << QStringList{"05ce0406012c00", "05ce0406012d00", logOut};
    QStringList lon6, lon7, pager8, pager9;
    for (int d = 1; d <= 32; ++d) {
        lon6 << QString("05c701%1").arg(d, 2, 16, QChar('0'));
        lon7 << QString("05ca01%1").arg(d, 2, 16, QChar('0'));
        pager9 << QString("05cc01%1").arg(d, 2, 16, QChar('0'));
    }
    for (int p = 1; p <= 255; ++p)
        pager8 << QString("05cc01%1").arg(p, 2, 16, QChar('0'));
    QTest::newRow("LON devices below host 7") << "LON devices" << "HostVersionMajor=6" << "" << (lon6 << logOut);
    QTest::newRow("LON devices from host 7") << "LON devices" << "HostVersionMajor=7" << "" << (lon7 << logOut);
    QTest::newRow("pager 1 to 255 on host 8") << "pager" << "HostVersionMajor=8" << "" << (pager8 << logOut);
    QTest::newRow("pager 1 to 32 on host 9") << "pager" << "HostVersionMajor=9" << "" << (pager9 << logOut);
}

void TestLayerp::loops()
{
    QFETCH(QString, loop);
    QFETCH(QString, setup);
    QFETCH(QString, all);
    QFETCH(QStringList, expected);
    LinkHarness h;
    applySetup(h.session, setup);
    runLoop(h.requests, loop, all);
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.commandHex(), expected);
    QCOMPARE(h.requests.missingReplies(), 0);
    QVERIFY(!h.session.LoggedOn);
}

void TestLayerp::outputRangeClampedToCount()
{
    LinkHarness h;
    applySetup(h.session, "RangeFrom=2 RangeTo=900 OutputCount=512");
    h.requests.OutputConfigurationLoop(false);
    const QStringList sent = h.api.commandHex();
    QCOMPARE(sent.size(), 511 + 1);
    QCOMPARE(sent.first(), QString("058c020002"));
    QCOMPARE(sent.at(298), QString("058c02012c")); // output 300: hi 1, lo 44
    QCOMPARE(sent.at(510), QString("058c020200")); // output 512
    QCOMPARE(sent.last(), logOut);
    QCOMPARE(h.session.RangeTo, 512);
}

void TestLayerp::rangeOutOfSelection_data()
{
    QTest::addColumn<bool>("inputs");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("text");

    QTest::newRow("inputs") << true << false << "Selection out of range.\n\rMaximum Inputs 3";
    QTest::newRow("inputs, All chosen") << true << true << "Selection out of range.\n\rMaximum Inputs 3";
    QTest::newRow("outputs") << false << false << "Selection out of range.\n\rMaximum Outputs 3";
}

void TestLayerp::rangeOutOfSelection()
{
    QFETCH(bool, inputs);
    QFETCH(bool, all);
    QFETCH(QString, text);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    applySetup(h.session, "RangeFrom=5 RangeTo=1000 InputCount=3 OutputCount=3");
    if (inputs)
        h.requests.InputConfigurationLoop(all);
    else
        h.requests.OutputStatusLoop(all);
    QCOMPARE(answerer.messages().size(), 1);
    QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Plain);
    QCOMPARE(answerer.messages().at(0).text, text);
    QCOMPARE(h.api.commandHex(), QStringList{logOut});
}

void TestLayerp::events_data()
{
    QTest::addColumn<int>("stored");     // payload bytes 11-12 of the first reply
    QTest::addColumn<int>("capacity");
    QTest::addColumn<bool>("firstRefused");
    QTest::addColumn<int>("requests");   // event requests sent

    QTest::newRow("500 stored, capacity 200") << 500 << 200 << false << 200;
    QTest::newRow("3 stored") << 3 << 200 << false << 3;
    QTest::newRow("1 stored: no next request") << 1 << 200 << false << 1;
    QTest::newRow("0 stored: no next request") << 0 << 200 << false << 1;
    QTest::newRow("count high byte counts") << 0x0102 << 1000 << false << 258;
    QTest::newRow("first request refused: nothing to count") << 500 << 200 << true << 1;
}

void TestLayerp::events()
{
    QFETCH(int, stored);
    QFETCH(int, capacity);
    QFETCH(bool, firstRefused);
    QFETCH(int, requests);
    LinkHarness h;
    h.session.EventCapacity = capacity;
    if (firstRefused) {
        h.api.userCommandResults = {0};
        // a reply 27 of an earlier retrieval is still in the buffer
        h.deliver(platform::WM_USER + 0x0D, 0, QByteArray::fromHex("051b0d00000000000000000000000101f4"));
    }
    int served = 0;
    h.api.panel = [&](const QByteArray &command) -> PanelAnswer {
        if (quint8(command.at(1)) != 0x9b)
            return FakeKxLink::defaultAnswer(command);
        // reply 27: the record's pointer (here: its serial number) in payload 0-1,
        // the number of stored events in payload 11-12
        ++served;
        QByteArray reply = QByteArray::fromHex("051b0d");
        reply += char(served >> 8);
        reply += char(served & 0xFF);
        reply += QByteArray(9, '\x77');
        reply += char(stored >> 8);
        reply += char(stored & 0xFF);
        return {true, reply};
    };
    h.requests.EventsLoop();
    QVERIFY(!h.watchdogFired);
    const QStringList sent = h.api.commandHex();
    QCOMPARE(sent.size(), requests + 1);
    QCOMPARE(sent.first(), QString("059b060001040a0500"));
    for (int i = 1; i < requests; ++i) // next record from the pointer of the reply before
        QCOMPARE(sent.at(i), "059b06" + QString("%1").arg(i, 4, 16, QChar('0')) + "040a0502");
    QCOMPARE(sent.last(), logOut);
}

void TestLayerp::abortDuringLoop_data()
{
    QTest::addColumn<QString>("loop");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("abortAt");  // the request during whose wait Abort is pressed

    QTest::newRow("zones") << "zone configuration" << "FirstZone=1 LastZone=9" << "05880103";
    QTest::newRow("sensors, during a zone request")
        << "sensor configuration" << "LoopFrom=1 LoopTo=1 SensorFrom=1 SensorTo=9 LoopCount=1 SensorsPerLoop=9" << "05880107";
    QTest::newRow("last item") << "area status" << "AreaCount=3" << "059a0103";
    QTest::newRow("pager") << "pager" << "HostVersionMajor=9" << "05cc0102";
}

void TestLayerp::abortDuringLoop()
{
    QFETCH(QString, loop);
    QFETCH(QString, setup);
    QFETCH(QString, abortAt);
    LinkHarness h;
    applySetup(h.session, setup);
    h.session.LoggedOn = true;
    h.zoneMark = {4, 7}; // every sensor asks for zone 7
    bool pressed = false;
    h.api.panel = [&](const QByteArray &command) {
        if (!pressed && QString::fromLatin1(command.toHex()) == abortAt) {
            pressed = true;
            // the operator presses Abort while this request waits
            QTimer::singleShot(0, [&] { h.requests.AbortDataRetreiveButtonClick(); });
        }
        return FakeKxLink::defaultAnswer(command);
    };
    runLoop(h.requests, loop, QString());
    QVERIFY(!h.watchdogFired);
    QVERIFY(h.session.AbortFlag);
    const QStringList sent = h.api.commandHex();
    QCOMPARE(sent.last(), logOut);
    QCOMPARE(sent.count(logOut), 1);
    QCOMPARE(sent.at(sent.size() - 2), abortAt);
    QVERIFY(!h.session.LoggedOn);
}

void TestLayerp::abortWhenNotOnLine()
{
    LinkHarness h;
    h.session.OnLine = false;
    h.requests.AbortDataRetreiveButtonClick();
    QVERIFY(!h.session.AbortFlag);
    QVERIFY(h.api.commands.isEmpty());
}

void TestLayerp::logInStep_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<bool>("loggedOn");
    QTest::addColumn<bool>("progressHidden");
    QTest::addColumn<QString>("error");

    QTest::newRow("1234") << int(QDialog::Accepted) << "1234" << QStringList{"05010204d2"} << false << true << false << "";
    QTest::newRow("70000 goes out as its low 16 bits") << int(QDialog::Accepted) << "70000" << QStringList{"0501021170"}
                                                       << false << true << false << "";
    QTest::newRow("65535") << int(QDialog::Accepted) << "65535" << QStringList{"050102ffff"} << false << true << false << "";
    QTest::newRow("65536 is a log-out") << int(QDialog::Accepted) << "65536" << QStringList{logOut} << false << false << false << "";
    QTest::newRow("OK with an empty field: no log-in, no abort") << int(QDialog::Accepted) << "" << QStringList()
                                                                 << false << false << true << "";
    QTest::newRow("Cancel") << int(QDialog::Rejected) << "1234" << QStringList() << true << false << true << "";
    QTest::newRow("not a number") << int(QDialog::Accepted) << "12a4" << QStringList() << true << false << true
                                  << "'12a4' is not a valid integer value";
}

void TestLayerp::logInStep()
{
    QFETCH(int, result);
    QFETCH(QString, text);
    QFETCH(QStringList, sent);
    QFETCH(bool, abort);
    QFETCH(bool, loggedOn);
    QFETCH(bool, progressHidden);
    QFETCH(QString, error);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.view.accessCodeResult = result;
    h.view.accessCodeText = text;
    h.requests.LogInStep();
    QCOMPARE(h.api.commandHex(), sent);
    QCOMPARE(h.session.AbortFlag, abort);
    QCOMPARE(h.session.LoggedOn, loggedOn);
    QCOMPARE(h.view.steps.contains("hideProgressMessage"), progressHidden);
    QCOMPARE(h.view.steps.contains("restoreCursor"), progressHidden);
    if (error.isEmpty()) {
        QVERIFY(answerer.messages().isEmpty());
    } else {
        QCOMPARE(answerer.messages().size(), 1);
        QCOMPARE(answerer.messages().at(0).text, error);
    }
}

void TestLayerp::logInRepetition_data()
{
    QTest::addColumn<QList<int>>("refusals");   // UserCommand results, front first
    QTest::addColumn<QList<int>>("answers");    // payload byte 0 of the reply 35 to each accepted log-in
    QTest::addColumn<int>("records");           // log-in records handed to the library
    QTest::addColumn<bool>("abort");

    QTest::newRow("accepted at once") << QList<int>() << QList<int>{0} << 1 << false;
    QTest::newRow("refused twice, then accepted") << QList<int>{0, 2} << QList<int>{0} << 3 << false;
    QTest::newRow("refused six times: a failed log-in") << QList<int>{0, 0, 0, 0, 0, 0, 0} << QList<int>() << 6 << true;
    QTest::newRow("answer 43 repeats the log-in") << QList<int>() << QList<int>{43, 43, 0} << 3 << false;
    QTest::newRow("answer 17 aborts") << QList<int>() << QList<int>{17} << 1 << true;
}

void TestLayerp::logInRepetition()
{
    QFETCH(QList<int>, refusals);
    QFETCH(QList<int>, answers);
    QFETCH(int, records);
    QFETCH(bool, abort);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    for (int r : refusals)
        h.api.userCommandResults.push_back(quint8(r));
    int answered = 0;
    h.api.panel = [&](const QByteArray &) -> PanelAnswer {
        const int a = answered < answers.size() ? answers.at(answered) : 0;
        ++answered;
        return {true, bytesOf({5, 35, 1, a})};
    };
    h.requests.SendLogIn(0x1234);
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.commands.size(), records);
    for (const QString &c : h.api.commandHex())
        QCOMPARE(c, QString("0501021234"));
    QCOMPARE(h.session.AbortFlag, abort);
    QVERIFY(!h.session.RetryFlag);
}

void TestLayerp::emulationCommands_data()
{
    QTest::addColumn<QString>("command");   // "key" or "display"
    QTest::addColumn<bool>("loggedOn");
    QTest::addColumn<bool>("waitingForAck");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("busy");

    QTest::newRow("key") << "key" << false << false << QStringList{"0927030300" "2a"} << false;
    QTest::newRow("key while logged on") << "key" << true << false << QStringList() << true;
    QTest::newRow("key while waiting for an ack is lost") << "key" << false << true << QStringList() << false;
    QTest::newRow("display control") << "display" << false << false << QStringList{"0927010" "2"} << false;
    QTest::newRow("display control while logged on") << "display" << true << false << QStringList() << true;
}

void TestLayerp::emulationCommands()
{
    QFETCH(QString, command);
    QFETCH(bool, loggedOn);
    QFETCH(bool, waitingForAck);
    QFETCH(QStringList, sent);
    QFETCH(bool, busy);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.session.LoggedOn = loggedOn;
    h.session.WaitingForAck = waitingForAck;
    if (command == "key")
        h.requests.SendKey(0x2a);
    else
        h.requests.SendDisplayControl(2);
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.commandHex(), sent);
    if (busy) {
        QCOMPARE(answerer.messages().size(), 1);
        QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Information);
        QCOMPARE(answerer.messages().at(0).text, QString("Busy retreiving data"));
    } else {
        QVERIFY(answerer.messages().isEmpty());
    }
    if (!sent.isEmpty()) // the command returned after its acknowledgement
        QCOMPARE(h.session.LinkState, 3);
}

void TestLayerp::ackTimeOutEndsLoop()
{
    LinkHarness h;
    applySetup(h.session, "FirstZone=1 LastZone=5");
    h.api.panel = [](const QByteArray &) { return PanelAnswer{false, QByteArray()}; };
    h.requests.ZoneConfigurationLoop();
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.view.diag(), QString("ACK TIMED OUT"));
    QVERIFY(h.session.AbortFlag);
    QVERIFY(!h.session.WaitingForAck);
    QCOMPARE(h.api.commandHex(), QStringList{"05880101"});
}

void TestLayerp::replyTimeOut_data()
{
    QTest::addColumn<int>("silentAttempts");   // attempts of zone 2 that get no reply
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<int>("missing");

    QTest::newRow("answered on the repeat") << 1 << QStringList{"05880101", "05880102", "05880102", "05880103", logOut} << 0;
    QTest::newRow("answered on the second repeat")
        << 2 << QStringList{"05880101", "05880102", "05880102", "05880102", "05880103", logOut} << 0;
    QTest::newRow("never answered: two repeats, then the next item")
        << 99 << QStringList{"05880101", "05880102", "05880102", "05880102", "05880103", logOut} << 1;
}

void TestLayerp::replyTimeOut()
{
    QFETCH(int, silentAttempts);
    QFETCH(QStringList, sent);
    QFETCH(int, missing);
    LinkHarness h;
    applySetup(h.session, "FirstZone=1 LastZone=3");
    int attempts = 0;
    h.api.panel = [&](const QByteArray &command) -> PanelAnswer {
        if (QString::fromLatin1(command.toHex()) == "05880102" && attempts++ < silentAttempts)
            return {true, QByteArray()}; // acknowledged, never answered
        return FakeKxLink::defaultAnswer(command);
    };
    h.requests.ZoneConfigurationLoop();
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.commandHex(), sent);
    QCOMPARE(h.requests.missingReplies(), missing);
    QVERIFY(!h.session.AbortFlag);
    QVERIFY(!h.session.RetryFlag);
    QVERIFY(!h.view.timers[LinkTimer::ReplyTimeOutTimer]->isActive());
}

void TestLayerp::refusedRequestIsMissing()
{
    LinkHarness h;
    applySetup(h.session, "AreaCount=3");
    h.api.userCommandResults = {1, 0, 1, 1};
    h.requests.AreaStatusLoop();
    QCOMPARE(h.api.commandHex(), QStringList({"059a0101", "059a0102", "059a0103", logOut}));
    QCOMPARE(h.requests.missingReplies(), 1);
    QCOMPARE(h.decoders.called, QStringList({"AreaStatus", "AreaStatus"}));
}

void TestLayerp::eachReplyDecodedBeforeNextRequest()
{
    LinkHarness h;
    applySetup(h.session, "LoopCount=3");
    QList<int> sentAtDecode;
    QList<int> loopDecoded;
    h.decoders.onCall = [&](const QString &) {
        sentAtDecode << int(h.api.commands.size());
        loopDecoded << RecordReader::receive(h.session).p(0);
    };
    h.api.panel = [](const QByteArray &command) -> PanelAnswer {
        if (quint8(command.at(1)) != 0x8a)
            return FakeKxLink::defaultAnswer(command);
        return {true, bytesOf({5, 10, 1, quint8(command.at(3))})};
    };
    h.requests.LoopConfigurationLoop();
    QCOMPARE(sentAtDecode, QList<int>({1, 2, 3}));
    QCOMPARE(loopDecoded, QList<int>({1, 2, 3}));
}

QTEST_MAIN(TestLayerp)
#include "tst_layerp.moc"
