// A few hundred requests over a line that corrupts and drops frames: every
// request gets exactly one reply, and it is the reply to that request.
//
// This program runs with the product's real timer intervals: the reply
// time-out (5 s) must stay longer than the link's repetitions, as it is in
// the product, or a late reply and the answer to the resent request would
// both arrive.

#include "SimulatedPanel.h"

#include "Layerp.h"
#include "LinkSession.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class TestLossyLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Before anything reads the timer scale.
        qputenv("VELMORA_TIMER_SCALE", "1");
    }

    void everyReplyExactlyOnce()
    {
        HardWatchdog watchdog(240);
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"),
                                   {"--baud", "115200", "--corrupt-rate", "0.02", "--drop-rate", "0.02",
                                    "--seed", "4242"}));
        TForm1 *form = sim.createWindows();
        sim.answers.answerForm(QStringLiteral("DlgConnect"), [form](QDialog *) {
            return SimulatedPanel::openDirect(form, 115200) ? int(QDialog::Accepted) : int(QDialog::Rejected);
        });
        form->Dial1->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(form->RetrieveDataButton->isEnabled(), 20000);

        LinkSession &s = form->Session;
        LinkRequests &requests = form->linkRequests();
        s.RequestNode = 1;
        s.AbortFlag = false;

        // Area n answers with a record that starts with n.
        constexpr int Rounds = 30;
        constexpr int Areas = 10;
        QList<int> repliesPerArea(Areas + 1, 0);
        for (int round = 0; round < Rounds; ++round) {
            for (int area = 1; area <= Areas; ++area) {
                const int before = int(sim.replies.size());
                requests.SendRequest(26, quint8(area));
                QVERIFY2(!s.AbortFlag, qPrintable(QStringLiteral("aborted at round %1 area %2: %3 / %4")
                                                      .arg(round).arg(area)
                                                      .arg(form->DiagEdit->text(), form->EditStatusBar->text())));
                const int got = int(sim.replies.size()) - before;
                QVERIFY2(got == 1, qPrintable(QStringLiteral("round %1 area %2: %3 replies").arg(round).arg(area).arg(got)));
                QCOMPARE(quint8(sim.replies.last().at(3)), quint8(area));
                QCOMPARE(s.ReceiveBuffer[2], quint8(area));
                ++repliesPerArea[area];
            }
        }
        // Nothing late trickles in after the last exchange.
        const int total = int(sim.replies.size());
        QTest::qWait(300);
        QCOMPARE(int(sim.replies.size()), total);
        QCOMPARE(requests.missingReplies(), 0);
        for (int area = 1; area <= Areas; ++area)
            QCOMPARE(repliesPerArea[area], Rounds);

        // The faults did happen: both ends had to repeat frames.
        QVERIFY(sim.repeatedFrames(true) > 0);
        QVERIFY(sim.repeatedFrames(false) > 0);
        qInfo("repeated frames: %d sent, %d received", sim.repeatedFrames(true), sim.repeatedFrames(false));
    }
};

QTEST_MAIN(TestLossyLink)
#include "tst_LossyLink.moc"
