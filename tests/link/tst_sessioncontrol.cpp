// Dial, Hangup, Dialback, Alarm reporting, Close communication and the
// exchange timers, against the recording library and view.
#include "LinkFakes.h"

#include <DialogSeam.h>

#include <QTest>

class TestSessionControl : public QObject
{
    Q_OBJECT

private slots:
    void dial_data();
    void dial();
    void alarmReporting_data();
    void alarmReporting();
    void leavingAlarmReporting();
    void closeCommunication();
    void closeDuringLoopEndsIt();
    void hangup_data();
    void hangup();
    void dialback();
    void timerExpiries();
};

static const QStringList resetSteps{"stopEmulationIfActive", "closeSitePanelViews", "clearRetrievalSelectors",
                                    "resetProcRunLed", "clearEmulatedFront"};

void TestSessionControl::dial_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("byModem");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("direct link") << int(QDialog::Accepted) << false
                                 << QStringList{"CurrentWindow(W)", "SendInitializationRequest", "EnableWatchDogs"};
    QTest::newRow("modem call") << int(QDialog::Accepted) << true << QStringList{"CurrentWindow(W)", "EnableWatchDogs"};
    QTest::newRow("cancelled still names the main window") << int(QDialog::Rejected) << false
                                                           << QStringList{"CurrentWindow(W)"};
}

void TestSessionControl::dial()
{
    QFETCH(int, result);
    QFETCH(bool, byModem);
    QFETCH(QStringList, calls);
    LinkHarness h;
    h.view.connectResult = result;
    h.view.onConnectDialog = [&] {
        h.session.ConnectedByModem = byModem;
        QCOMPARE(h.session.MainWindowHandle, h.window.windowHandle());
    };
    h.control.Dial1Click();
    QCOMPARE(h.view.steps, QStringList{"TDlgConnect"});
    QCOMPARE(h.api.calls, calls.replaceInStrings("(W)", "(" + QString::number(h.window.windowHandle()) + ")"));
}

void TestSessionControl::alarmReporting_data()
{
    QTest::addColumn<QStringList>("settings"); // port, baud, data bits, stop bits, parity, own node id
    QTest::addColumn<int>("ownNodeResult");
    QTest::addColumn<int>("openResult");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("mode");
    QTest::addColumn<QString>("message");

    const QStringList started{"SetModemEscSequence(+++)", "SetModemHangUpCmd(ATH0)", "CurrentWindow(W)",
                              "DisableWatchDogs", "CheckForModem"};
    QTest::newRow("even parity") << QStringList{"2", "19200", "7", "2", "Even", "3"} << 1 << 1
                                 << (QStringList{"OwnNodeID(0,0,3)", "OpenComPort(2,19200,7,2,2)"} + started) << true << "";
    QTest::newRow("odd") << QStringList{"1", "9600", "8", "1", "Odd", "1"} << 1 << 1
                         << (QStringList{"OwnNodeID(0,0,1)", "OpenComPort(1,9600,8,1,1)"} + started) << true << "";
    QTest::newRow("mark") << QStringList{"1", "9600", "8", "1", "Mark", "1"} << 1 << 1
                          << (QStringList{"OwnNodeID(0,0,1)", "OpenComPort(1,9600,8,1,3)"} + started) << true << "";
    QTest::newRow("space") << QStringList{"1", "9600", "8", "1", "Space", "1"} << 1 << 1
                           << (QStringList{"OwnNodeID(0,0,1)", "OpenComPort(1,9600,8,1,4)"} + started) << true << "";
    QTest::newRow("any other parity text is none") << QStringList{"1", "9600", "8", "1", "even", "1"} << 1 << 1
                                                   << (QStringList{"OwnNodeID(0,0,1)", "OpenComPort(1,9600,8,1,0)"} + started)
                                                   << true << "";
    QTest::newRow("own node id not a number") << QStringList{"1", "9600", "8", "1", "None", "3x"} << 1 << 1
                                              << QStringList() << false << "";
    QTest::newRow("port not a number") << QStringList{"COM1", "9600", "8", "1", "None", "3"} << 1 << 1
                                       << QStringList() << false << "";
    QTest::newRow("empty baud rate") << QStringList{"1", "", "8", "1", "None", "3"} << 1 << 1
                                     << QStringList() << false << "";
    QTest::newRow("own node id refused") << QStringList{"1", "9600", "8", "1", "None", "0"} << 0 << 1
                                         << QStringList{"OwnNodeID(0,0,0)"} << false << "Exception: Invalid own node id.";
    QTest::newRow("port does not open") << QStringList{"12", "9600", "8", "1", "None", "3"} << 1 << 0
                                        << QStringList{"OwnNodeID(0,0,3)", "OpenComPort(12,9600,8,1,0)"} << false
                                        << "Exception: Unable to open Com:12";
}

void TestSessionControl::alarmReporting()
{
    QFETCH(QStringList, settings);
    QFETCH(int, ownNodeResult);
    QFETCH(int, openResult);
    QFETCH(QStringList, calls);
    QFETCH(bool, mode);
    QFETCH(QString, message);
    platform::ScriptedAnswerer answerer;
    LinkHarness h;
    h.session.NetworkMode = 2;
    h.view.settings = {settings[0], settings[1], settings[2], settings[3], settings[4], settings[5]};
    h.api.ownNodeIdResult = quint8(ownNodeResult);
    h.api.openComPortResult = quint8(openResult);
    h.control.Alarmreporting1Click();
    QCOMPARE(h.api.calls, calls.replaceInStrings("(W)", "(" + QString::number(h.window.windowHandle()) + ")"));
    QVERIFY(h.view.isMenuChecked(LinkMenuCommand::Alarmreporting1)); // checked whatever follows
    QCOMPARE(h.session.AlarmReportingMode, mode);
    QCOMPARE(h.view.steps, resetSteps);
    QCOMPARE(h.view.statusTexts, mode ? QStringList{"CHECKING FOR MODEM..."} : QStringList());
    if (!calls.isEmpty())
        QCOMPARE(int(h.session.NetworkMode), 0);
    if (message.isEmpty()) {
        QVERIFY(answerer.messages().isEmpty());
    } else {
        QCOMPARE(answerer.messages().size(), 1);
        QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Information);
        QCOMPARE(answerer.messages().at(0).text, message);
    }
}

void TestSessionControl::leavingAlarmReporting()
{
    LinkHarness h;
    h.view.setMenuChecked(LinkMenuCommand::Alarmreporting1, true);
    h.session.AlarmReportingMode = true;
    h.control.Alarmreporting1Click();
    QVERIFY(!h.view.isMenuChecked(LinkMenuCommand::Alarmreporting1));
    QVERIFY(!h.session.AlarmReportingMode);
    QVERIFY(h.api.calls.isEmpty()); // the port stays open
    QVERIFY(h.view.steps.isEmpty());
}

void TestSessionControl::closeCommunication()
{
    LinkHarness h;
    h.session.LinkSiteKey = "12345";
    h.session.AlarmReportingMode = true;
    h.session.LinkState = 1;
    h.view.setMenuChecked(LinkMenuCommand::Alarmreporting1, true);
    h.view.startTimer(LinkTimer::ReplyTimeOutTimer);
    h.control.CloseCommunication1Click();
    QCOMPARE(h.api.calls, QStringList{"CloseComPort"});
    QVERIFY(h.session.AbortFlag);
    QCOMPARE(h.session.LinkState, 3);
    QVERIFY(!h.session.AlarmReportingMode);
    QCOMPARE(h.session.LinkSiteKey, QByteArray("none"));
    QCOMPARE(h.view.sessionButtons, QList<bool>{false});
    QCOMPARE(h.view.steps, QStringList{"clearEmulationActive"} + resetSteps);
    QCOMPARE(h.view.menuEnabled.value(LinkMenuCommand::Alarmreporting1), true);
    QCOMPARE(h.view.menuEnabled.value(LinkMenuCommand::Hangup1), false);
    QCOMPARE(h.view.menuEnabled.value(LinkMenuCommand::Dialback1), false);
    QVERIFY(!h.view.isMenuChecked(LinkMenuCommand::Alarmreporting1));
    QVERIFY(!h.view.timers[LinkTimer::ReplyTimeOutTimer]->isActive());
    for (LinkIndicator i : {LinkIndicator::CTSLed, LinkIndicator::DCDLed, LinkIndicator::DSRLed, LinkIndicator::RILed,
                            LinkIndicator::RXLed, LinkIndicator::TXLed})
        QCOMPARE(h.view.indicators.value(i), QColor(128, 128, 128));
    QVERIFY(!h.view.indicators.contains(LinkIndicator::ShapeStatusLed));
}

void TestSessionControl::closeDuringLoopEndsIt()
{
    LinkHarness h;
    h.session.FirstZone = 1;
    h.session.LastZone = 9;
    h.api.panel = [&](const QByteArray &command) {
        if (quint8(command.at(3)) == 2) // the operator closes while zone 2 waits
            QTimer::singleShot(0, [&] { h.control.CloseCommunication1Click(); });
        return FakeKxLink::defaultAnswer(command);
    };
    h.requests.ZoneConfigurationLoop();
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.commandHex(), QStringList({"05880101", "05880102"}));
    QCOMPARE(h.api.calls.count("CloseComPort"), 1);
    QCOMPARE(h.session.LinkSiteKey, QByteArray("none"));
}

void TestSessionControl::hangup_data()
{
    QTest::addColumn<bool>("onLine");
    QTest::addColumn<bool>("alarmReporting");
    QTest::addColumn<QString>("ending");    // what ends the wait: "carrier", "close", "abort", "none" (carrier down)
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("on line, carrier drops") << true << false << "carrier"
                                            << QStringList{"DisableWatchDogs", "HangUpModem", "CloseComPort"};
    QTest::newRow("on line in alarm reporting: the port stays open") << true << true << "carrier"
                                                                     << QStringList{"DisableWatchDogs", "HangUpModem"};
    QTest::newRow("not on line, carrier down") << false << false << "none" << QStringList{"CloseComPort"};
    QTest::newRow("not on line, carrier up, then drops") << false << false << "carrier" << QStringList{"CloseComPort"};
    QTest::newRow("closed while waiting") << true << false << "close"
                                          << QStringList{"DisableWatchDogs", "HangUpModem", "CloseComPort"};
    QTest::newRow("closed while waiting in alarm reporting") << true << true << "close"
                                                             << QStringList{"DisableWatchDogs", "HangUpModem", "CloseComPort"};
    QTest::newRow("abort raised while waiting") << true << false << "abort"
                                                << QStringList{"DisableWatchDogs", "HangUpModem", "CloseComPort"};
}

void TestSessionControl::hangup()
{
    QFETCH(bool, onLine);
    QFETCH(bool, alarmReporting);
    QFETCH(QString, ending);
    QFETCH(QStringList, calls);
    LinkHarness h;
    h.session.OnLine = onLine;
    h.session.AlarmReportingMode = alarmReporting;
    h.session.CarrierUp = ending != "none";
    if (ending == "carrier")
        platform::postMessage(h.window.windowHandle(), platform::WM_USER + 0x05, 0, QByteArray::fromHex("000000000000"));
    else if (ending == "close")
        QTimer::singleShot(0, [&] { h.control.CloseCommunication1Click(); });
    else if (ending == "abort")
        QTimer::singleShot(0, [&] { h.session.AbortFlag = true; });
    h.control.Hangup1Click();
    QVERIFY(!h.watchdogFired);
    QCOMPARE(h.api.calls, calls);
    if (onLine) {
        QCOMPARE(h.view.statusTexts.first(), QString("DISCONNECTING..."));
        QCOMPARE(h.view.sessionButtons.first(), false);
        QCOMPARE(h.view.steps.mid(0, 5), resetSteps);
    }
}

void TestSessionControl::dialback()
{
    LinkHarness h;
    h.control.Dialback1Click();
    QCOMPARE(h.view.sessionButtons, QList<bool>{false});
    QCOMPARE(h.view.steps, QStringList{"TDlgDialBack"});
    QVERIFY(h.api.calls.isEmpty());
}

void TestSessionControl::timerExpiries()
{
    LinkHarness h;
    h.session.WaitingForAck = true;
    h.view.startTimer(LinkTimer::AckNTimeOutTimer);
    h.control.AckNTimeOutTimerTimer();
    QCOMPARE(h.view.diag(), QString("ACK TIMED OUT"));
    QVERIFY(!h.session.WaitingForAck);
    QVERIFY(h.session.AbortFlag);
    QVERIFY(!h.view.timers[LinkTimer::AckNTimeOutTimer]->isActive());

    h.session.LinkState = 3;
    h.view.startTimer(LinkTimer::ReplyTimeOutTimer);
    h.control.ReplyTimeOutTimerTimer();
    QCOMPARE(h.session.LinkState, 4);
    QVERIFY(h.session.RetryFlag);
    QVERIFY(!h.view.timers[LinkTimer::ReplyTimeOutTimer]->isActive());
}

QTEST_MAIN(TestSessionControl)
#include "tst_sessioncontrol.moc"
