// The main window's handling of the library's messages: buffer copies,
// decoder dispatch, link states, line signals, modem lines, link ready.
#include "LinkFakes.h"

#include <DialogSeam.h>

#include <QTest>

using platform::WM_USER;

class TestLinkDispatch : public QObject
{
    Q_OBJECT

private slots:
    void replyCopy_data();
    void replyCopy();
    void displayCopy_data();
    void displayCopy();
    void replyDecoders_data();
    void replyDecoders();
    void replyTrivialFields();
    void replyErrorsAreDropped();
    void unsolicited_data();
    void unsolicited();
    void unsolicitedErrorIsReported();
    void accessCodeAnswers_data();
    void accessCodeAnswers();
    void linkStates_data();
    void linkStates();
    void lineSignals_data();
    void lineSignals();
    void offlineShownAgain();
    void modemLines_data();
    void modemLines();
    void modemCheck_data();
    void modemCheck();
    void linkReady_data();
    void linkReady();
    void scopeTraces_data();
    void scopeTraces();
    void postedMessagesInOrder();
};

static QByteArray receiveBuffer(const LinkSession &s)
{
    return QByteArray(reinterpret_cast<const char *>(s.ReceiveBuffer.data()), LinkSession::ReceiveBufferSize);
}

static QByteArray displayBuffer(const LinkSession &s)
{
    return QByteArray(reinterpret_cast<const char *>(s.DisplayBuffer.data()), LinkSession::DisplayBufferSize);
}

void TestLinkDispatch::replyCopy_data()
{
    QTest::addColumn<QByteArray>("earlier");   // record handled first
    QTest::addColumn<QByteArray>("record");    // record under test
    QTest::addColumn<QByteArray>("expected");  // receive buffer from byte 0

    const QByteArray earlier = QByteArray::fromHex("05070411223344");
    QTest::newRow("payload 0 copies node and code only")
        << earlier << QByteArray::fromHex("060e00") << QByteArray::fromHex("060e11223344");
    QTest::newRow("shorter payload keeps the earlier tail")
        << earlier << QByteArray::fromHex("060902aabb") << QByteArray::fromHex("0609aabb3344");
    QTest::newRow("length byte claims more than the record carries")
        << earlier << QByteArray::fromHex("060cffaa") << QByteArray::fromHex("060caa223344");
    QTest::newRow("record of two bytes is not a record")
        << earlier << QByteArray::fromHex("0609") << QByteArray::fromHex("050711223344");
    QTest::newRow("longest payload fills the buffer")
        << earlier << (QByteArray::fromHex("010aff") + QByteArray(255, '\x5a'))
        << (QByteArray::fromHex("010a") + QByteArray(255, '\x5a'));
}

void TestLinkDispatch::replyCopy()
{
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, expected);
    LinkHarness h;
    h.deliver(WM_USER + 0x0D, 0, earlier);
    h.deliver(WM_USER + 0x0D, 0, record);
    const QByteArray buffer = receiveBuffer(h.session);
    QCOMPARE(buffer.left(expected.size()), expected);
    QCOMPARE(buffer.mid(expected.size()), QByteArray(LinkSession::ReceiveBufferSize - expected.size(), '\0'));
}

void TestLinkDispatch::displayCopy_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("expected");  // display buffer from byte 0
    QTest::addColumn<int>("displayLength");

    // an earlier display record 02 27 03 414243 is there first
    QTest::newRow("display record") << QByteArray::fromHex("0327021b48")
                                    << QByteArray::fromHex("00000000" "0327" "1b4843") << 11;
    QTest::newRow("empty display record") << QByteArray::fromHex("032700")
                                          << QByteArray::fromHex("00000000" "0327" "414243") << 9;
    QTest::newRow("length byte claims more") << QByteArray::fromHex("0327ff58")
                                             << QByteArray::fromHex("00000000" "0327" "584243") << 10;
    QTest::newRow("longest display record") << (QByteArray::fromHex("0327ff") + QByteArray(255, 'z'))
                                            << (QByteArray::fromHex("000000000327") + QByteArray(255, 'z')) << 264;
}

void TestLinkDispatch::displayCopy()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, expected);
    QFETCH(int, displayLength);
    LinkHarness h;
    h.deliver(WM_USER + 0x0C, 0, QByteArray::fromHex("022703414243"));
    h.deliver(WM_USER + 0x0C, 0, record);
    const QByteArray buffer = displayBuffer(h.session);
    QCOMPARE(buffer.left(expected.size()), expected);
    QCOMPARE(buffer.mid(expected.size()), QByteArray(LinkSession::DisplayBufferSize - expected.size(), '\0'));
    QCOMPARE(h.session.DisplayLength, displayLength);
    QCOMPARE(receiveBuffer(h.session), QByteArray(LinkSession::ReceiveBufferSize, '\0'));
}

void TestLinkDispatch::replyDecoders_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("infoIndex");
    QTest::addColumn<QString>("decoder");   // empty: no decoder

    QTest::newRow("6 panel limits with n") << QByteArray::fromHex("0506030a0b0c") << 1 << "PanelLimits(3)";
    QTest::newRow("7 sensor kind") << QByteArray::fromHex("05070100") << 0 << "SensorConfiguration";
    QTest::newRow("7 zone test kind") << QByteArray::fromHex("05070100") << 16 << "ZoneTestCollector(7)";
    QTest::newRow("8 sensor kind") << QByteArray::fromHex("05080100") << 0 << "SensorVirtualAddress";
    QTest::newRow("8 zone kind") << QByteArray::fromHex("05080100") << 1 << "ZoneConfiguration";
    QTest::newRow("9") << QByteArray::fromHex("05090100") << 2 << "AreaConfiguration";
    QTest::newRow("10") << QByteArray::fromHex("050a0100") << 3 << "LoopConfiguration";
    QTest::newRow("11") << QByteArray::fromHex("050b0100") << 4 << "InputConfiguration";
    QTest::newRow("12") << QByteArray::fromHex("050c0100") << 5 << "OutputConfiguration";
    QTest::newRow("13") << QByteArray::fromHex("050d0100") << 6 << "LogicConfiguration";
    QTest::newRow("24 sensor values kind") << QByteArray::fromHex("05180100") << 7 << "SensorValues";
    QTest::newRow("24 other kind") << QByteArray::fromHex("05180100") << 0 << "ZoneTestCollector(24)";
    QTest::newRow("25 zone status kind") << QByteArray::fromHex("05190100") << 8 << "ZoneStatus";
    QTest::newRow("25 other kind") << QByteArray::fromHex("05190100") << 16 << "ZoneTestCollector(25)";
    QTest::newRow("26") << QByteArray::fromHex("051a0100") << 9 << "AreaStatus";
    QTest::newRow("27") << QByteArray::fromHex("051b0100") << 13 << "EventRecord";
    QTest::newRow("30") << QByteArray::fromHex("051e0100") << 10 << "LoopStatus";
    QTest::newRow("31") << QByteArray::fromHex("051f0100") << 11 << "InputStatus";
    QTest::newRow("34") << QByteArray::fromHex("05220100") << 12 << "OutputStatus";
    QTest::newRow("37") << QByteArray::fromHex("05250100") << 1 << "HostVersion";
    QTest::newRow("46") << QByteArray::fromHex("052e0100") << 16 << "ZoneTestCollector(46)";
    QTest::newRow("54 reply") << QByteArray::fromHex("05360100") << 1 << "LedStates";
    QTest::newRow("71") << QByteArray::fromHex("05470100") << 14 << "LonDevice";
    QTest::newRow("74") << QByteArray::fromHex("054a0100") << 14 << "LonDevice";
    QTest::newRow("76") << QByteArray::fromHex("054c0100") << 15 << "PagerRecord";
    QTest::newRow("78") << QByteArray::fromHex("054e0100") << 17 << "SystemZoneRecord";
    QTest::newRow("14 has no decoder") << QByteArray::fromHex("050e0100") << 1 << "";
    QTest::newRow("28 as a reply has no decoder") << QByteArray::fromHex("051c0100") << 1 << "";
    QTest::newRow("255 has no decoder") << QByteArray::fromHex("05ff0100") << 1 << "";
}

void TestLinkDispatch::replyDecoders()
{
    QFETCH(QByteArray, record);
    QFETCH(int, infoIndex);
    QFETCH(QString, decoder);
    LinkHarness h;
    h.session.LinkSiteKey = "12345";
    h.view.infoIndex = infoIndex;
    QStringList seenStatus;
    h.decoders.onCall = [&](const QString &) { seenStatus = h.view.statusTexts; };
    h.deliver(WM_USER + 0x0D, 0, record);
    QCOMPARE(h.decoders.called, decoder.isEmpty() ? QStringList() : QStringList{decoder});
    // the decoder runs on the copied record, before the status refresh
    QVERIFY(seenStatus.isEmpty());
    QCOMPARE(h.view.statusTexts, QStringList{"ON-LINE - 12345"});
}

void TestLinkDispatch::replyTrivialFields()
{
    LinkHarness h;
    h.deliver(WM_USER + 0x0D, 0, QByteArray::fromHex("051501020000"));
    QCOMPARE(int(h.session.PanelVariant), 2);
    h.deliver(WM_USER + 0x0D, 0, QByteArray::fromHex("05240103"));
    QCOMPARE(int(h.session.NetworkMode), 3);
    // an empty reply 21 takes the payload byte the previous record left
    h.deliver(WM_USER + 0x0D, 0, QByteArray::fromHex("051500"));
    QCOMPARE(int(h.session.PanelVariant), 3);
    QVERIFY(h.decoders.called.isEmpty());
    QCOMPARE(h.view.statusTexts, QStringList({"ON-LINE - none", "ON-LINE - none", "ON-LINE - none"}));
}

void TestLinkDispatch::replyErrorsAreDropped()
{
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.view.setStatusBar("OFFLINE");
    h.decoders.throwing = true;
    h.deliver(WM_USER + 0x0D, 0, QByteArray::fromHex("05090107"));
    QCOMPARE(h.decoders.called, QStringList{"AreaConfiguration"});
    QCOMPARE(h.view.statusTexts, QStringList{"OFFLINE"});  // keeps its text
    QVERIFY(answerer.messages().isEmpty());                 // no message
    QCOMPARE(int(h.session.ReceiveBuffer[2]), 7);           // the copy happened

    h.decoders.throwing = false;
    h.deliver(WM_USER + 0x0D, 0, QByteArray::fromHex("05090108"));
    QCOMPARE(h.view.statusBar(), QString("ON-LINE - none"));
}

void TestLinkDispatch::unsolicited_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("decoders");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<QByteArray>("receivePrefix");

    QTest::newRow("28 alarm report") << QByteArray::fromHex("041c02aabb") << QStringList{"AlarmReport"}
                                     << QStringList{"ON-LINE - 12345"} << QByteArray::fromHex("041caabb");
    QTest::newRow("54 LED states") << QByteArray::fromHex("043601ff") << QStringList{"LedStates"}
                                   << QStringList{"ON-LINE - 12345"} << QByteArray::fromHex("0436ff");
    QTest::newRow("66 status after identification carries the new key")
        << QByteArray::fromHex("044203393939") << QStringList{"IdentifyCallingSite"}
        << QStringList{"ON-LINE - 999"} << QByteArray::fromHex("0442393939");
    QTest::newRow("39 display stream") << QByteArray::fromHex("04270141") << QStringList{"DisplayStream"}
                                       << QStringList{"ON-LINE - 12345"} << QByteArray();
    QTest::newRow("27 ignored entirely") << QByteArray::fromHex("041b03010203") << QStringList()
                                         << QStringList() << QByteArray();
    QTest::newRow("35 ignored entirely") << QByteArray::fromHex("04230111") << QStringList()
                                         << QStringList() << QByteArray();
}

void TestLinkDispatch::unsolicited()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, decoders);
    QFETCH(QStringList, status);
    QFETCH(QByteArray, receivePrefix);
    LinkHarness h;
    h.session.LinkSiteKey = "12345";
    h.decoders.onCall = [&](const QString &name) {
        QVERIFY(h.view.statusTexts.isEmpty() == (name == "IdentifyCallingSite"));
        if (name == "IdentifyCallingSite")
            h.session.LinkSiteKey = RecordReader::receive(h.session).bytes(0, 3);
    };
    h.deliver(WM_USER + 0x0C, 0, record);
    QCOMPARE(h.decoders.called, decoders);
    QCOMPARE(h.view.statusTexts, status);
    const QByteArray buffer = receiveBuffer(h.session);
    QCOMPARE(buffer.left(receivePrefix.size()), receivePrefix);
    QCOMPARE(buffer.mid(receivePrefix.size()), QByteArray(LinkSession::ReceiveBufferSize - receivePrefix.size(), '\0'));
}

void TestLinkDispatch::unsolicitedErrorIsReported()
{
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.decoders.throwing = true;
    h.deliver(WM_USER + 0x0C, 0, QByteArray::fromHex("044201aa"));
    // the rest of the handler is skipped: no status text after the failed identification
    QVERIFY(h.view.statusTexts.isEmpty());
    QCOMPARE(answerer.messages().size(), 1);
    QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Error);
    QCOMPARE(answerer.messages().at(0).text, QString("conversion error"));
}

void TestLinkDispatch::accessCodeAnswers_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("retrievalStarted");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<bool>("retry");

    QTest::newRow("14 open memory lock") << QByteArray::fromHex("0523010e") << false << "Open Memory Lock" << false << false;
    QTest::newRow("17 refused before the retrieval") << QByteArray::fromHex("05230111") << false << "Invalid Access Code" << true << false;
    QTest::newRow("17 after the retrieval began is ignored") << QByteArray::fromHex("05230111") << true << "" << false << false;
    QTest::newRow("43 asks for the log-in again") << QByteArray::fromHex("0523012b") << false << "" << false << true;
    QTest::newRow("other answer") << QByteArray::fromHex("05230100") << false << "" << false << false;
}

void TestLinkDispatch::accessCodeAnswers()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, retrievalStarted);
    QFETCH(QString, warning);
    QFETCH(bool, abort);
    QFETCH(bool, retry);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.session.RetrievalStarted = retrievalStarted;
    h.deliver(WM_USER + 0x0D, 0, record);
    QCOMPARE(h.session.AbortFlag, abort);
    QCOMPARE(h.session.RetryFlag, retry);
    if (warning.isEmpty()) {
        QVERIFY(answerer.messages().isEmpty());
    } else {
        QCOMPARE(answerer.messages().size(), 1);
        QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Warning);
        QCOMPARE(answerer.messages().at(0).text, warning);
    }
    QCOMPARE(h.view.steps.contains("hideProgressMessage"), abort);
}

void TestLinkDispatch::linkStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("waitingForAck");
    QTest::addColumn<QString>("diag");
    QTest::addColumn<bool>("ackTimerRunning");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<QString>("status");

    // before each row: waiting for an ack with the ack timer running, diag "X", status "S"
    QTest::newRow("0 idle") << 0 << false << "IDLE" << true << false << "S";
    QTest::newRow("1 waiting") << 1 << true << "WAITING FOR ACK" << true << false << "S";
    QTest::newRow("2 no response") << 2 << false << "IDLE" << false << true << "NO RESPONCE FROM PANEL";
    QTest::newRow("3 acknowledged") << 3 << false << "IDLE" << false << false << "S";
    QTest::newRow("4 message received") << 4 << false << "MESSAGE RECEIVED" << false << false << "S";
    QTest::newRow("7 sets the state only") << 7 << true << "X" << true << false << "S";
}

void TestLinkDispatch::linkStates()
{
    QFETCH(int, state);
    QFETCH(bool, waitingForAck);
    QFETCH(QString, diag);
    QFETCH(bool, ackTimerRunning);
    QFETCH(bool, abort);
    QFETCH(QString, status);
    LinkHarness h;
    h.session.WaitingForAck = true;
    h.view.startTimer(LinkTimer::AckNTimeOutTimer);
    h.view.setDiagText("X");
    h.view.setStatusBar("S");
    h.deliver(WM_USER + 0x04, quintptr(state));
    QCOMPARE(h.session.LinkState, state);
    QCOMPARE(h.session.WaitingForAck, waitingForAck);
    QCOMPARE(h.view.diag(), diag);
    QCOMPARE(h.view.timers[LinkTimer::AckNTimeOutTimer]->isActive(), ackTimerRunning);
    QCOMPARE(h.session.AbortFlag, abort);
    QCOMPARE(h.view.statusBar(), status);
}

static QString colourName(const QColor &c)
{
    if (c == QColor(255, 0, 0))
        return "red";
    if (c == QColor(0, 255, 0))
        return "green";
    if (c == QColor(128, 128, 128))
        return "grey";
    return c.name();
}

void TestLinkDispatch::lineSignals_data()
{
    QTest::addColumn<QByteArray>("record");  // TX RX CTS DCD DSR RI
    QTest::addColumn<QString>("colours");    // TX RX CTS DCD DSR RI status
    QTest::addColumn<bool>("onLine");
    QTest::addColumn<bool>("carrierUp");
    QTest::addColumn<bool>("offline");

    QTest::newRow("all active") << QByteArray::fromHex("010101010101")
                                << "red red green green green red green" << true << true << false;
    QTest::newRow("all inactive") << QByteArray::fromHex("000000000000")
                                  << "green green red red red green grey" << false << false << true;
    QTest::newRow("CTS only") << QByteArray::fromHex("000001000000")
                              << "green green green red red green grey" << true << false << true;
    QTest::newRow("DCD 0x80 is active") << QByteArray::fromHex("000000800000")
                                        << "green green red green red green green" << false << true << false;
    QTest::newRow("TX and RI") << QByteArray::fromHex("ff00000000ff")
                               << "red green red red red red grey" << false << false << true;
    QTest::newRow("short record: missing signals inactive") << QByteArray::fromHex("0001")
                                                           << "green red red red red green grey" << false << false << true;
}

void TestLinkDispatch::lineSignals()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, colours);
    QFETCH(bool, onLine);
    QFETCH(bool, carrierUp);
    QFETCH(bool, offline);
    LinkHarness h;
    h.session.OnLine = !onLine;
    h.session.CarrierUp = !carrierUp;
    h.deliver(WM_USER + 0x05, 0, record);
    QStringList got;
    for (LinkIndicator i : {LinkIndicator::TXLed, LinkIndicator::RXLed, LinkIndicator::CTSLed, LinkIndicator::DCDLed,
                            LinkIndicator::DSRLed, LinkIndicator::RILed, LinkIndicator::ShapeStatusLed})
        got << colourName(h.view.indicators.value(i));
    QCOMPARE(got.join(' '), colours);
    QCOMPARE(h.session.OnLine, onLine);
    QCOMPARE(h.session.CarrierUp, carrierUp);
    QCOMPARE(h.view.statusTexts, offline ? QStringList{"OFFLINE"} : QStringList());
}

void TestLinkDispatch::offlineShownAgain()
{
    LinkHarness h;
    h.deliver(WM_USER + 0x05, 0, QByteArray::fromHex("000000000000"));
    h.view.setStatusBar("NO RESPONCE FROM PANEL");
    h.deliver(WM_USER + 0x05, 0, QByteArray::fromHex("000000000000"));
    QCOMPARE(h.view.statusTexts, QStringList({"OFFLINE", "NO RESPONCE FROM PANEL", "OFFLINE"}));
}

void TestLinkDispatch::modemLines_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<QByteArray>("text");     // short text as posted
    QTest::addColumn<bool>("alarmReporting");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<QString>("menus");       // enables, in the order Hangup1 Dialback1 Alarmreporting1
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("BUSY") << 0x07 << QByteArray::fromHex("0442555359") << false << QStringList{"BUSY"} << "- - -" << QStringList();
    QTest::newRow("ERROR") << 0x07 << QByteArray::fromHex("054552524f52") << false << QStringList{"ERROR"} << "- - -" << QStringList();
    QTest::newRow("RING") << 0x07 << QByteArray::fromHex("0452494e47") << true << QStringList{"RING"} << "- - -" << QStringList();
    QTest::newRow("CONNECT outside alarm reporting") << 0x07 << QByteArray::fromHex("07434f4e4e454354") << false
                                                     << QStringList{"CONNECT"} << "1 - -" << QStringList{"EnableWatchDogs"};
    QTest::newRow("CONNECT in alarm reporting") << 0x07 << QByteArray::fromHex("07434f4e4e454354") << true
                                                << QStringList{"CONNECT"} << "1 - -" << QStringList();
    QTest::newRow("NO CARRIER") << 0x07 << QByteArray::fromHex("0a4e4f2043415252494552") << false
                                << QStringList{"NO CARRIER"} << "0 0 1" << QStringList();
    QTest::newRow("OK changes nothing") << 0x07 << QByteArray::fromHex("024f4b") << false << QStringList() << "- - -" << QStringList();
    QTest::newRow("empty text changes nothing") << 0x07 << QByteArray::fromHex("00") << false << QStringList() << "- - -" << QStringList();
    QTest::newRow("no bytes at all") << 0x07 << QByteArray() << false << QStringList() << "- - -" << QStringList();
    QTest::newRow("length byte claims more than posted") << 0x07 << QByteArray::fromHex("204e4f") << false
                                                         << QStringList{"NO"} << "0 0 1" << QStringList();
    QTest::newRow("modem echo is the connect dialog's") << 0x06 << QByteArray::fromHex("07434f4e4e454354") << false
                                                        << QStringList() << "- - -" << QStringList();
}

void TestLinkDispatch::modemLines()
{
    QFETCH(int, message);
    QFETCH(QByteArray, text);
    QFETCH(bool, alarmReporting);
    QFETCH(QStringList, status);
    QFETCH(QString, menus);
    QFETCH(QStringList, calls);
    LinkHarness h;
    h.session.AlarmReportingMode = alarmReporting;
    h.deliver(WM_USER + quint32(message), 0, text);
    QCOMPARE(h.view.statusTexts, status);
    QStringList got;
    for (LinkMenuCommand c : {LinkMenuCommand::Hangup1, LinkMenuCommand::Dialback1, LinkMenuCommand::Alarmreporting1})
        got << (h.view.menuEnabled.contains(c) ? QString::number(int(h.view.menuEnabled[c])) : QString("-"));
    QCOMPARE(got.join(' '), menus);
    QCOMPARE(h.api.calls, calls);
}

void TestLinkDispatch::modemCheck_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("no modem") << 0 << QStringList{"NO MODEM DETECTED"} << QStringList();
    QTest::newRow("modem found") << 1 << QStringList{"ON-LINE"} << QStringList{"SendToModem(AT&F0L3\\N0)"};
    QTest::newRow("other value") << 2 << QStringList() << QStringList();
}

void TestLinkDispatch::modemCheck()
{
    QFETCH(int, result);
    QFETCH(QStringList, status);
    QFETCH(QStringList, calls);
    LinkHarness h;
    h.session.LinkSiteKey = "12345";
    h.deliver(WM_USER + 0x09, 0, QByteArray(), quintptr(result));
    QCOMPARE(h.view.statusTexts, status);
    QCOMPARE(h.api.calls, calls);
}

void TestLinkDispatch::linkReady_data()
{
    QTest::addColumn<bool>("alarmReporting");
    QTest::addColumn<QList<QByteArray>>("sections");
    QTest::addColumn<QByteArray>("siteKey");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("status");

    const QList<QByteArray> book{"Index", "12345"};
    QTest::newRow("site of the link") << false << book << QByteArray("12345")
                                      << QStringList{"OpenSitePanelTable(Harbour)"} << QStringList{"ON-LINE - 12345"};
    QTest::newRow("section without SiteName") << false << book << QByteArray("777")
                                              << QStringList{"OpenSitePanelTable(Unknown)"} << QStringList{"ON-LINE - 777"};
    QTest::newRow("alarm reporting") << true << book << QByteArray("12345") << QStringList() << QStringList();
    QTest::newRow("empty address book") << false << QList<QByteArray>() << QByteArray("12345") << QStringList() << QStringList();
}

void TestLinkDispatch::linkReady()
{
    QFETCH(bool, alarmReporting);
    QFETCH(QList<QByteArray>, sections);
    QFETCH(QByteArray, siteKey);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, status);
    LinkHarness h;
    h.session.AlarmReportingMode = alarmReporting;
    h.session.LinkSiteKey = siteKey;
    h.view.sections = sections;
    h.deliver(WM_USER + 0x01, 0);
    QCOMPARE(h.view.sessionButtons, QList<bool>{true});
    QCOMPARE(h.view.steps, steps);
    QCOMPARE(h.view.statusTexts, status);
}

void TestLinkDispatch::scopeTraces_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<quint64>("wParam");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QStringList>("steps");

    const QByteArray rx = QByteArray::fromHex("aabbcc010203");
    QTest::newRow("received") << 0x00 << quint64(3) << rx << false << QStringList{"RX 3 aabbcc010203"};
    QTest::newRow("received, count from the low 16 bits") << 0x00 << quint64(0x10003) << rx << false
                                                          << QStringList{"RX 3 aabbcc010203"};
    QTest::newRow("received, count cut to what was posted") << 0x00 << quint64(50) << rx << false
                                                            << QStringList{"RX 3 aabbcc010203"};
    QTest::newRow("received, header only") << 0x00 << quint64(4) << QByteArray::fromHex("aabb") << false
                                           << QStringList{"RX 0 aabb"};
    QTest::newRow("sent") << 0x03 << quint64(2) << QByteArray::fromHex("0102") << false << QStringList{"TX 2 0102"};
    QTest::newRow("sent, count cut") << 0x03 << quint64(9) << QByteArray::fromHex("0102") << false << QStringList{"TX 2 0102"};
    QTest::newRow("paused: nothing received") << 0x00 << quint64(3) << rx << true << QStringList();
    QTest::newRow("paused: nothing sent") << 0x03 << quint64(2) << QByteArray::fromHex("0102") << true << QStringList();
}

void TestLinkDispatch::scopeTraces()
{
    QFETCH(int, message);
    QFETCH(quint64, wParam);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, paused);
    QFETCH(QStringList, steps);
    LinkHarness h;
    h.view.scopePaused = paused;
    h.deliver(WM_USER + quint32(message), quintptr(wParam), bytes);
    QCOMPARE(h.view.steps, steps);
}

void TestLinkDispatch::postedMessagesInOrder()
{
    LinkHarness h;
    h.view.infoIndex = 1;
    const auto w = h.window.windowHandle();
    platform::postMessage(w, WM_USER + 0x04, 1, quintptr(0));
    platform::postMessage(w, WM_USER + 0x0D, 0, QByteArray::fromHex("05090101"));
    platform::postMessage(w, WM_USER + 0x04, 4, quintptr(0));
    platform::postMessage(w, WM_USER + 0x0D, 0, QByteArray::fromHex("05090102"));
    QTRY_COMPARE_WITH_TIMEOUT(h.decoders.called.size(), 2, 2000);
    QCOMPARE(h.session.LinkState, 4);
    QCOMPARE(h.view.diagTexts, QStringList({"WAITING FOR ACK", "MESSAGE RECEIVED"}));
    QCOMPARE(int(h.session.ReceiveBuffer[2]), 2);
}

QTEST_MAIN(TestLinkDispatch)
#include "tst_linkdispatch.moc"
