// The connect dialog of the program's windows against the panel simulator
// on a pseudo-terminal, with the real communications library: a direct site
// and a site reached through the simulator's modem.

#include "SimulatedPanel.h"

#include "AddressPage.h"
#include "Connect.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestConnectEndToEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<HardWatchdog> m_watchdog;

    // Dial: the operator chooses the site in the connect dialog and presses
    // OK; the dialog runs until it closes.
    static void dial(SimulatedPanel &sim, TForm1 *form, TDlgConnect *dialog, const QString &site)
    {
        sim.answers.answerForm(QStringLiteral("DlgConnect"), [dialog, site](QDialog *) {
            dialog->show();
            dialog->ComboBoxAddress->setEditText(site);
            QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
            waitUntil([dialog] { return dialog->isHidden(); }, 30000);
            return dialog->result();
        });
        form->Dial1->trigger();
    }

    // The site's folder with its panel table, which the link-ready message
    // opens.
    static bool makeSiteFolder(TForm1 *form)
    {
        if (!QDir::current().mkpath("Harbour"))
            return false;
        form->AddressView->CreateSitePanelTable("Harbour");
        form->AddressView->closeSitePanelViews();
        return true;
    }

    static QStringList boxTexts(const SimulatedPanel &sim)
    {
        QStringList texts;
        for (const auto &m : sim.answers.messages())
            texts << m.text;
        return texts;
    }

    static int initialisationRequests(const SimulatedPanel &sim)
    {
        int n = 0;
        for (const WireFrame &f : sim.frames)
            n += (f.sent && f.type() == 'I' && !f.repeated()) ? 1 : 0;
        return n;
    }

private slots:
    void initTestCase()
    {
        // Shortened, but with room for a loaded machine: the modem check
        // waits 500 ms for the simulator's "OK".
        qputenv("VELMORA_TIMER_SCALE", "0.25");
    }
    void init() { m_watchdog = std::make_unique<HardWatchdog>(120); }
    void cleanup() { m_watchdog.reset(); }

    void directSite()
    {
        SimulatedPanel sim;
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), {}));
        TForm1 *form = sim.createWindows();
        auto *dialog = sim.forms->DlgConnect;
        form->ComboBoxComPort->setCurrentText("1");
        QVERIFY(makeSiteFolder(form));

        dial(sim, form, dialog, "HARBOUR-07");

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!form->Session.ConnectedByModem);
        QVERIFY(!form->Alarmreporting1->isEnabled());
        QCOMPARE(form->AddressView->CurrentSite.SiteName, QByteArray("Harbour"));
        QVERIFY(waitUntil([form] { return form->RetrieveDataButton->isEnabled(); }, 10000));
        QCOMPARE(form->EditStatusBar->text(), QStringLiteral("ON-LINE - HARBOUR-07"));
        QVERIFY(form->EmulationDBGrid->isEnabled()); // the site's panel table is open
        // Dial sent the initialisation request, from station node 7.
        QVERIFY(!sim.frames.isEmpty());
        QCOMPARE(sim.frames.first().summary(), QByteArray("49 00 07 00"));
        QCOMPARE(initialisationRequests(sim), 1);
        QVERIFY(sim.modemLines.isEmpty());
        QCOMPARE(boxTexts(sim), QStringList());

        form->CloseCommunication1->trigger();
        QCOMPARE(form->Session.LinkSiteKey, QByteArray("none"));
    }

    void modemSite()
    {
        SimulatedPanel sim;
        QVERIFY(writeFile(QDir::current().filePath("address.ini"),
                          "[HARBOUR-07]\r\nSiteName=Harbour\r\nSiteTelephone=0123 456789\r\n"));
        QVERIFY(sim.startSimulator(SimulatedPanel::scenario("panel.json"), {"--mode", "modem"}));
        TForm1 *form = sim.createWindows();
        auto *dialog = sim.forms->DlgConnect;
        form->ComboBoxComPort->setCurrentText("1");
        QVERIFY(makeSiteFolder(form));
        const QString init = QString::fromLatin1(form->InitString);

        dial(sim, form, dialog, "HARBOUR-07");

        QCOMPARE(dialog->ModemMsgEdit->text(), QStringLiteral("CONNECT 9600"));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(form->Session.ConnectedByModem);
        QCOMPARE(dialog->Memo1->toPlainText().split('\n'),
                 (QStringList{"[MTx] " + init, "[MRx] " + init, "[MRx] OK", "[MTx] ATDT0123 456789",
                              "[MRx] ATDT0123 456789", "[MRx] CONNECT 9600"}));
        QVERIFY(form->Hangup1->isEnabled());
        QVERIFY(form->Dialback1->isEnabled());
        QVERIFY(!form->Alarmreporting1->isEnabled());

        // The library starts the link after CONNECT; Dial sent no second
        // initialisation request, and the main window has the messages again.
        QVERIFY(waitUntil([form] { return form->RetrieveDataButton->isEnabled(); }, 10000));
        QCOMPARE(form->EditStatusBar->text(), QStringLiteral("ON-LINE - HARBOUR-07"));
        QVERIFY(form->EmulationDBGrid->isEnabled()); // the site's panel table is open
        QCOMPARE(initialisationRequests(sim), 1);
        QVERIFY(form->Session.CarrierUp);
        QCOMPARE(boxTexts(sim), QStringList());

        form->CloseCommunication1->trigger();
        QCOMPARE(form->Session.LinkSiteKey, QByteArray("none"));
    }
};

QTEST_MAIN(TestConnectEndToEnd)
#include "tst_connectendtoend.moc"
