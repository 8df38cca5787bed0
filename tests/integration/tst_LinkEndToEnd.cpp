// The main window against the panel simulator over a pseudo-terminal, with
// the real communications library: dial on a direct line and through the
// modem, log in, requests whose replies land in the receive buffer, log out,
// hang up; Close communication in the middle of a request loop; a panel that
// stops answering in the middle of a session.

#include "SimulatedPanel.h"

#include "Layerp.h"
#include "LinkSession.h"
#include "SessionControl.h"
#include "Shape.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray receiveBuffer(const LinkSession &s, int count)
{
    return QByteArray(reinterpret_cast<const char *>(s.ReceiveBuffer.data()), count);
}

QList<QPushButton *> sessionButtons(TForm1 *f)
{
    return {f->ButtonStartEmulation, f->ButtonStopEmulation, f->Buttonprintscreen,
            f->KeyBoardButton,       f->RetrieveDataButton,  f->AbortDataRetreiveButton};
}

bool allEnabled(const QList<QPushButton *> &buttons, bool enabled)
{
    for (QPushButton *b : buttons) {
        if (b->isEnabled() != enabled)
            return false;
    }
    return true;
}

const QColor kBrightGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);

// The connect dialog's side of a modem call: it receives the library's
// messages while it runs the modem dialogue.
class ModemDialogue : public platform::MessageWindow
{
public:
    int modemCheck = -1;
    QList<QByteArray> lines;

protected:
    void windowMessage(const platform::WindowMessage &m) override
    {
        if (m.message == linkmsg::ModemCheck)
            modemCheck = int(m.lParam);
        else if (m.message == linkmsg::ModemReceived)
            lines << m.bytes.mid(1);
    }
};

template<typename Condition>
bool waitUntil(Condition condition, int timeoutMs)
{
    QTimer wake;
    wake.start(20);
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

class TestLinkEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<HardWatchdog> m_watchdog;

    // Dial on a direct line and wait for the link to be ready.
    static bool dialDirect(SimulatedPanel &sim, TForm1 *form, quint32 baud)
    {
        sim.answers.answerForm(QStringLiteral("DlgConnect"), [form, baud](QDialog *) {
            return SimulatedPanel::openDirect(form, baud) ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        form->Dial1->trigger();
        return waitUntil([form] { return form->RetrieveDataButton->isEnabled(); }, 10000);
    }

    // The exchange of a retrieval's opening: log-in, host version, panel
    // limits, variant, log-out; the replies land in ReceiveBuffer.
    static void openingExchange(SimulatedPanel &sim, TForm1 *form)
    {
        LinkSession &s = form->Session;
        LinkRequests &requests = form->linkRequests();
        s.RequestNode = 1;
        s.AbortFlag = false;
        const int commandsBefore = sim.commandsSent().size();

        requests.SendLogIn(1234);
        QVERIFY(s.LoggedOn);
        QCOMPARE(sim.replies.last(), hex("01 23 01 00"));

        requests.OpeningRequest(37);
        QCOMPARE(sim.replies.last(), hex("01 25 02 08 25"));
        QCOMPARE(receiveBuffer(s, 4), hex("01 25 08 25"));

        // Stuffed bytes (02, 03, 10) arrive as sent.
        requests.OpeningRequest(6);
        QCOMPARE(receiveBuffer(s, 12), hex("01 06 7f 10 02 03 00 c8 00 40 10 03"));

        // A shorter record leaves the bytes beyond its payload as they were.
        requests.OpeningRequest(21);
        QCOMPARE(receiveBuffer(s, 12), hex("01 15 02 10 02 03 00 c8 00 40 10 03"));
        QCOMPARE(s.PanelVariant, quint8(2));

        requests.SendLogIn(0);
        QVERIFY(!s.LoggedOn);
        QCOMPARE(sim.replies.last(), hex("01 23 01 00"));

        QCOMPARE(requests.missingReplies(), 0);
        QVERIFY(!s.AbortFlag);
        QCOMPARE(s.LinkState, 4);
        QCOMPARE(form->DiagEdit->text(), QStringLiteral("MESSAGE RECEIVED"));
        QCOMPARE(form->EditStatusBar->text(), QStringLiteral("ON-LINE - HARBOUR-07"));
        // One record each on the wire, station node 7 to panel 1.
        QCOMPARE(sim.commandsSent().mid(commandsBefore),
                 (QList<QByteArray>{"51 01 07 01 04 d2", "51 01 07 a5 00", "51 01 07 86 00", "51 01 07 95 00",
                                    "51 01 07 01 00 00"}));
    }

    static bool portClosed(TForm1 *form)
    {
        const quint8 record[] = {1, 0x86, 1, 0};
        return form->linkApi().UserCommand(record) != 1;
    }

private slots:
    void initTestCase()
    {
        // Before anything reads the timer scale.
        qputenv("VELMORA_TIMER_SCALE", "1");
    }
    void init() { m_watchdog = std::make_unique<HardWatchdog>(120); }
    void cleanup() { m_watchdog.reset(); }

    void directLink_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("baud");
        QTest::newRow("unpaced line") << QStringList() << 115200;
        QTest::newRow("9600 baud line") << QStringList{"--baud", "9600"} << 9600;
    }

    void directLink()
    {
        QFETCH(QStringList, options);
        QFETCH(int, baud);
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), options));
        TForm1 *form = sim.createWindows();
        QVERIFY(allEnabled(sessionButtons(form), false));

        QVERIFY(dialDirect(sim, form, quint32(baud)));
        QVERIFY(allEnabled(sessionButtons(form), true));
        QCOMPARE(form->EditStatusBar->text(), QStringLiteral("ON-LINE - HARBOUR-07"));
        // The initialisation request went out (to node 0) and was acknowledged.
        QVERIFY(sim.frames.size() >= 2);
        QCOMPARE(sim.frames.first().summary(), QByteArray("49 00 07 00"));
        QCOMPARE(form->CTSLed->brushColor(), kBrightGreen);
        QCOMPARE(form->DCDLed->brushColor(), kBrightGreen);
        QCOMPARE(form->ShapeStatusLed->brushColor(), kBrightGreen);
        QVERIFY(form->Session.OnLine);
        QVERIFY(form->Session.CarrierUp);

        openingExchange(sim, form);
        if (QTest::currentTestFailed())
            return;

        form->CloseCommunication1->trigger();
        QVERIFY(portClosed(form));
        QCOMPARE(form->Session.LinkSiteKey, QByteArray("none"));
        QVERIFY(allEnabled(sessionButtons(form), false));
        for (Shape *led : {form->CTSLed, form->DCDLed, form->DSRLed, form->RILed, form->RXLed, form->TXLed})
            QCOMPARE(led->brushColor(), kGrey);
    }

    void modemCall()
    {
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), {"--mode", "modem"}));
        TForm1 *form = sim.createWindows();
        ModemDialogue dialogue;
        const QByteArray init = form->InitString;

        // What the connect dialog does for a site with a telephone number.
        sim.answers.answerForm(QStringLiteral("DlgConnect"), [&](QDialog *) {
            KxLinkApi &api = form->linkApi();
            form->Session.LinkSiteKey = "HARBOUR-07";
            if (api.OwnNodeID(0, 0, 7) != 1 || api.OpenComPort(1, 9600, 8, 1, 0) != 1)
                return int(QDialog::Rejected);
            api.SetModemEscSequence("+++");
            api.SetModemHangUpCmd("ATH0");
            api.CurrentWindow(dialogue.windowHandle());
            api.CheckForModem();
            if (!waitUntil([&] { return dialogue.modemCheck >= 0; }, 10000) || dialogue.modemCheck != 1)
                return int(QDialog::Rejected);
            api.SendToModem(init);
            if (!waitUntil([&] { return dialogue.lines.contains(init) && dialogue.lines.contains("OK"); }, 10000))
                return int(QDialog::Rejected);
            api.SendToModem("ATDT0123 456789");
            if (!waitUntil([&] { return !dialogue.lines.isEmpty() && dialogue.lines.last().startsWith("CONNECT"); },
                           10000))
                return int(QDialog::Rejected);
            api.CurrentWindow(form->messageWindowHandle());
            form->Session.ConnectedByModem = true;
            form->Hangup1->setEnabled(true);
            form->Dialback1->setEnabled(true);
            form->Alarmreporting1->setEnabled(false);
            return int(QDialog::Accepted);
        });
        form->Dial1->trigger();
        QCOMPARE(dialogue.lines, (QList<QByteArray>{init, "OK", "ATDT0123 456789", "CONNECT 9600"}));

        // The library starts the link by itself after CONNECT; Dial sent no
        // second initialisation request.
        QVERIFY(waitUntil([form] { return form->RetrieveDataButton->isEnabled(); }, 10000));
        QCOMPARE(form->EditStatusBar->text(), QStringLiteral("ON-LINE - HARBOUR-07"));
        int initRequests = 0;
        for (const WireFrame &f : sim.frames)
            initRequests += (f.sent && f.type() == 'I' && !f.repeated()) ? 1 : 0;
        QCOMPARE(initRequests, 1);

        openingExchange(sim, form);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(form->Session.CarrierUp);

        // Hangup returns once the carrier has dropped, then closes the port.
        // Should the carrier stay up, closing the communication ends the
        // wait and the checks below fail.
        QTimer rescue;
        rescue.setSingleShot(true);
        QObject::connect(&rescue, &QTimer::timeout, form, [form] { form->CloseCommunication1->trigger(); });
        rescue.start(20000);
        form->Hangup1->trigger();
        QVERIFY(rescue.isActive());
        QVERIFY(!form->Session.CarrierUp);
        QVERIFY(sim.modemLines.contains("> ATH0"));
        QVERIFY(sim.modemLines.contains("< NO CARRIER"));
        QVERIFY(portClosed(form));
        QVERIFY(!form->Hangup1->isEnabled());
        QVERIFY(!form->Dialback1->isEnabled());
        QVERIFY(form->Alarmreporting1->isEnabled());
        QVERIFY(allEnabled(sessionButtons(form), false));
        QCOMPARE(form->Session.LinkSiteKey, QByteArray("none"));
    }

    void closeCommunicationDuringALoop()
    {
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), {}));
        TForm1 *form = sim.createWindows();
        QVERIFY(dialDirect(sim, form, 115200));
        LinkSession &s = form->Session;
        s.RequestNode = 1;
        s.AreaCount = 10;
        const int commandsBefore = sim.commandsSent().size();

        // The operator closes the communication while the fourth reply is
        // handled, inside the loop's wait.
        sim.afterMessage = [&](const platform::WindowMessage &m) {
            if (m.message == linkmsg::Reply && sim.replies.size() == 4)
                form->CloseCommunication1->trigger();
        };
        form->linkRequests().AreaStatusLoop();

        QVERIFY(s.AbortFlag);
        QCOMPARE(sim.replies.size(), 4);
        // No fifth request and no log-out after the close.
        QCOMPARE(sim.commandsSent().mid(commandsBefore),
                 (QList<QByteArray>{"51 01 07 9a 01", "51 01 07 9a 02", "51 01 07 9a 03", "51 01 07 9a 04"}));
        QCOMPARE(receiveBuffer(s, 5), hex("01 1a 04 44 10")); // byte 4 left by area 3
        QVERIFY(portClosed(form));
        QCOMPARE(s.LinkSiteKey, QByteArray("none"));
        QVERIFY(allEnabled(sessionButtons(form), false));
    }

    void panelStopsAnswering_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("portGone");
        // A stopped simulator keeps its pseudo-terminal open: the command
        // waits for an acknowledgement that never comes. An ended one takes
        // the line away: a pending command fails at once, later ones are
        // refused.
        QTest::newRow("simulator stopped") << int(SIGSTOP) << false;
        QTest::newRow("simulator ended") << int(SIGTERM) << true;
    }

    void panelStopsAnswering()
    {
        QFETCH(int, signal);
        QFETCH(bool, portGone);
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), {}));
        TForm1 *form = sim.createWindows();
        QVERIFY(dialDirect(sim, form, 115200));
        LinkSession &s = form->Session;
        s.RequestNode = 1;
        s.AreaCount = 10;
        const int commandsBefore = sim.commandsSent().size();

        sim.afterMessage = [&](const platform::WindowMessage &m) {
            if (m.message == linkmsg::Reply && sim.replies.size() == 3)
                sim.signalSimulator(signal);
        };
        form->linkRequests().AreaStatusLoop();

        // The loop ended on its own; no log-out went out after the failure.
        // An ending simulator may still answer the command it was reading.
        QVERIFY(s.AbortFlag);
        const int replies = int(sim.replies.size());
        QVERIFY2(replies == 3 || (portGone && replies == 4), qPrintable(QString::number(replies)));
        const QList<QByteArray> sent = sim.commandsSent().mid(commandsBefore);
        QVERIFY2(sent.size() == replies || sent.size() == replies + 1, qPrintable(QString::number(sent.size())));
        QVERIFY(!sent.contains("51 01 07 01 00 00"));
        QVERIFY(!s.WaitingForAck);

        if (!portGone) {
            // The window's acknowledgement time-out ends the wait; the
            // library reports the silent panel once its repetitions are spent.
            QVERIFY2(form->DiagEdit->text() == QStringLiteral("ACK TIMED OUT")
                         || form->EditStatusBar->text() == QStringLiteral("NO RESPONCE FROM PANEL"),
                     qPrintable(form->DiagEdit->text() + QStringLiteral(" / ") + form->EditStatusBar->text()));
            QTRY_COMPARE_WITH_TIMEOUT(form->EditStatusBar->text(), QStringLiteral("NO RESPONCE FROM PANEL"), 10000);
            QCOMPARE(sent.size(), 4);
            QCOMPARE(form->linkRequests().missingReplies(), 0);
        } else {
            // The lost line shows as all signals inactive.
            QTRY_VERIFY_WITH_TIMEOUT(!s.OnLine, 10000);
            QCOMPARE(form->CTSLed->brushColor(), kRed);
            QVERIFY(!s.CarrierUp);
            QVERIFY(portClosed(form));
            const QString text = form->EditStatusBar->text();
            QVERIFY2(text == QStringLiteral("NO RESPONCE FROM PANEL") || text == QStringLiteral("OFFLINE"),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(TestLinkEndToEnd)
#include "tst_LinkEndToEnd.moc"
