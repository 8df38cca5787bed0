// The connect dialog against a recording library: activation and the site
// text it remembers, OK for direct and modem sites (the library calls with
// their arguments, network mode and own node id), its error boxes, the
// question while the carrier is up, and the modem dialogue driven by the
// messages the library posts (hand-written short texts).

#include "Connect.h"

#include "LinkFakes.h"

#include <DialogSeam.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kBook = "[Harbour]\r\nSiteName=HarbourDir\r\nMode=7/31\r\nOwnID=12\r\n"
                         "[Global]\r\nSiteName=G\r\nMode=Global panels\r\nOwnID=263\r\n"
                         "[Dialled]\r\nSiteName=D\r\nSiteTelephone=0123 456789\r\nMode=31/7\r\nOwnID=3\r\n"
                         "[BadId]\r\nSiteName=B\r\nOwnID=abc\r\n";

const QByteArray kInit = "AT&F0L3\\N0";

QStringList resetSteps()
{
    return {"stopEmulationIfActive", "closeSitePanelViews", "clearRetrievalSelectors", "resetProcRunLed",
            "clearEmulatedFront"};
}

// The link, the dialog and a program directory with an address book.
struct ConnectFixture
{
    QTemporaryDir program;
    LinkHarness link;
    SiteRecord currentSite;
    TDlgConnect dialog;
    platform::ScriptedAnswerer answers;
    QByteArray dialString = "ATDT";
    QByteArray dialPrefix;

    explicit ConnectFixture(const QByteArray &book = kBook)
    {
        if (!book.isNull()) {
            QFile f(program.filePath("address.ini"));
            if (f.open(QIODevice::WriteOnly))
                f.write(book);
        }
        link.session.OnLine = false;
        link.session.MainWindowHandle = 77;
        link.view.initString = kInit;
        link.view.settings = {"3", "19200", "8", "1", "Even", "9"};
        ConnectLink l;
        l.session = &link.session;
        l.view = &link.view;
        l.api = &link.api;
        l.control = &link.control;
        l.currentSite = &currentSite;
        l.programDirectory = program.path();
        l.dialString = [this] { return dialString; };
        l.dialPrefix = [this] { return dialPrefix; };
        dialog.setLink(std::move(l));
    }

    // Shows the dialog, chooses the site and presses OK.
    void connectTo(const QString &site)
    {
        dialog.show();
        dialog.ComboBoxAddress->setEditText(site);
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    }

    void modemLine(quint32 message, const QByteArray &shortText)
    {
        platform::WindowMessage m;
        m.message = message;
        m.bytes = shortText;
        dialog.sendMessage(m);
    }
    void received(const QByteArray &hex) { modemLine(platform::WM_USER + 0x07, QByteArray::fromHex(hex)); }
    void sent(const QByteArray &hex) { modemLine(platform::WM_USER + 0x06, QByteArray::fromHex(hex)); }
    void modemCheck(quintptr result)
    {
        platform::WindowMessage m;
        m.message = platform::WM_USER + 0x09;
        m.lParam = result;
        dialog.sendMessage(m);
    }
    QStringList log() const
    {
        const QString text = dialog.Memo1->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    QStringList libraryCallsAfterLoad() const
    {
        QStringList c = link.api.calls;
        c.removeAll("LoadDll");
        return c;
    }
};

} // namespace

class TestConnectDialog : public QObject
{
    Q_OBJECT

private slots:
    void activation_data()
    {
        QTest::addColumn<QByteArray>("book");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("empty book") << QByteArray() << QString() << QStringList();
        QTest::newRow("book without sections") << QByteArray("; nothing\r\n") << QString() << QStringList();
        QTest::newRow("sorted, letter case ignored")
            << QByteArray("[Zulu]\r\n[alpha]\r\n[Mike]\r\n") << "alpha" << QStringList{"alpha", "Mike", "Zulu"};
    }

    void activation()
    {
        QFETCH(QByteArray, book);
        QFETCH(QString, firstText);
        QFETCH(QStringList, items);
        ConnectFixture f(book);
        f.link.session.ConnectedByModem = true;
        f.dialog.ModemMsgEdit->setText("OLD");
        f.dialog.Memo1->setPlainText("[MRx] OLD");

        f.dialog.show();
        QCOMPARE(f.dialog.ComboBoxAddress->currentText(), firstText);
        QStringList shown;
        for (int i = 0; i < f.dialog.ComboBoxAddress->count(); ++i)
            shown << f.dialog.ComboBoxAddress->itemText(i);
        QCOMPARE(shown, items);
        QVERIFY(f.dialog.ModemMsgEdit->text().isEmpty());
        QVERIFY(f.dialog.Memo1->toPlainText().isEmpty());
        QVERIFY(!f.link.session.ConnectedByModem);
        QVERIFY(f.dialog.ModemMessagePanel->isHidden());
        f.dialog.reject();

        // Showing again before the site box was left: still the first entry.
        f.dialog.show();
        QCOMPARE(f.dialog.ComboBoxAddress->currentText(), firstText);

        // Leaving the box remembers its text; later showings bring it back.
        f.dialog.ComboBoxAddress->setEditText("Typed site");
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(f.dialog.ComboBoxAddress, &out);
        f.dialog.ComboBoxAddress->setEditText("not left");
        f.dialog.reject();
        f.dialog.show();
        QCOMPARE(f.dialog.ComboBoxAddress->currentText(), QStringLiteral("Typed site"));
        f.dialog.reject();
    }

    void directLink_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<int>("previousMode");
        QTest::addColumn<QString>("ownNodeCall");
        QTest::addColumn<int>("networkMode");
        QTest::addColumn<QByteArray>("siteName");
        // Settings: port 3, 19200 bit/s, 8 data bits, 1 stop bit, parity Even.
        QTest::newRow("7/31 site") << "Harbour" << 0 << "OwnNodeID(1,0,12)" << 1 << QByteArray("HarbourDir");
        QTest::newRow("Global panels keeps the previous mode, own id's low byte")
            << "Global" << 2 << "OwnNodeID(2,0,7)" << 2 << QByteArray("G");
        QTest::newRow("typed site not in the book: defaults")
            << "Nowhere" << 2 << "OwnNodeID(0,0,7)" << 0 << QByteArray("None");
        QTest::newRow("section name in other letter case") << "HARBOUR" << 0 << "OwnNodeID(1,0,12)" << 1
                                                           << QByteArray("HarbourDir");
    }

    void directLink()
    {
        QFETCH(QString, site);
        QFETCH(int, previousMode);
        QFETCH(QString, ownNodeCall);
        QFETCH(int, networkMode);
        QFETCH(QByteArray, siteName);
        ConnectFixture f;
        f.link.session.NetworkMode = quint8(previousMode);
        f.link.view.menuEnabled[LinkMenuCommand::Alarmreporting1] = true;
        QSignalSpy finished(&f.dialog, &QDialog::finished);

        f.connectTo(site);

        QCOMPARE(finished.size(), 1);
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QVERIFY(f.dialog.isHidden());
        QCOMPARE(f.libraryCallsAfterLoad(),
                 (QStringList{ownNodeCall, "OpenComPort(3,19200,8,1,2)", "SetModemEscSequence(+++)",
                              "SetModemHangUpCmd(ATH0)"}));
        QCOMPARE(int(f.link.session.NetworkMode), networkMode);
        QCOMPARE(f.link.session.LinkSiteKey, site.toLatin1());
        QCOMPARE(f.currentSite.SiteName, siteName);
        QVERIFY(f.currentSite.SiteTelephone.isEmpty());
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Alarmreporting1), false);
        QCOMPARE(f.link.view.steps, resetSteps());
        QVERIFY(f.answers.messages().isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("ownNodeResult");
        QTest::addColumn<int>("openResult");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("own node id refused") << "Harbour" << "3" << 0 << 1 << "Exception: Invalid own node id."
                                             << QStringList{"OwnNodeID(1,0,12)"};
        QTest::newRow("port does not open")
            << "Harbour" << "3" << 1 << 0 << "Exception: Unable to open Com:3"
            << QStringList{"OwnNodeID(1,0,12)", "OpenComPort(3,19200,8,1,2)"};
        QTest::newRow("port not a number") << "Harbour" << "COM3" << 1 << 1
                                           << "Exception: Invalid serial communication setting." << QStringList();
        QTest::newRow("stored own id not a number")
            << "BadId" << "3" << 1 << 1 << "Exception: Invalid serial communication setting." << QStringList();
    }

    void failures()
    {
        QFETCH(QString, site);
        QFETCH(QString, port);
        QFETCH(int, ownNodeResult);
        QFETCH(int, openResult);
        QFETCH(QString, box);
        QFETCH(QStringList, calls);
        ConnectFixture f;
        f.link.view.settings.port = port;
        f.link.api.ownNodeIdResult = quint8(ownNodeResult);
        f.link.api.openComPortResult = quint8(openResult);

        f.connectTo(site);

        QVERIFY(f.dialog.isVisible()); // open for another try
        QCOMPARE(f.answers.messages().size(), 1);
        QCOMPARE(f.answers.messages().first().type, platform::MessageType::Information);
        QCOMPARE(f.answers.messages().first().text, box);
        QCOMPARE(f.answers.messages().first().buttons, int(platform::ButtonOk));
        QCOMPARE(f.libraryCallsAfterLoad(), calls);
        QVERIFY(f.link.view.steps.isEmpty());
        f.dialog.reject();
    }

    void carrierUpAsksToHangUp_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes") << int(platform::ButtonYes);
        QTest::newRow("No") << int(platform::ButtonNo);
    }

    void carrierUpAsksToHangUp()
    {
        QFETCH(int, answer);
        ConnectFixture f;
        f.link.session.CarrierUp = true;
        f.link.view.menuEnabled[LinkMenuCommand::Hangup1] = true;
        f.link.view.menuEnabled[LinkMenuCommand::Dialback1] = true;
        f.link.view.menuEnabled[LinkMenuCommand::Alarmreporting1] = false;
        f.answers.answerMessage(answer);

        f.connectTo("Dialled");

        QCOMPARE(f.answers.messages().size(), 1);
        QCOMPARE(f.answers.messages().first().text, QStringLiteral("Already connected\n\rDo you want to hang up?"));
        QCOMPARE(f.answers.messages().first().buttons, int(platform::ButtonYes | platform::ButtonNo));
        QCOMPARE(f.answers.messages().first().type, platform::MessageType::Information);
        if (answer == platform::ButtonNo) {
            QVERIFY(f.dialog.isHidden());
            QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
            QVERIFY(f.libraryCallsAfterLoad().isEmpty());
            QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Hangup1), true);
            return;
        }
        // The call is hung up and the port closed before anything reopens
        // it; the dialog stays for another try.
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.libraryCallsAfterLoad(), (QStringList{"HangUpModem", "CloseComPort"}));
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Hangup1), false);
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Dialback1), false);
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Alarmreporting1), true);
        QCOMPARE(f.link.view.steps, resetSteps());
        QCOMPARE(f.link.view.statusBar(), QStringLiteral("DISCONNECTING..."));
        for (LinkIndicator led : {LinkIndicator::CTSLed, LinkIndicator::DCDLed, LinkIndicator::DSRLed,
                                  LinkIndicator::RILed, LinkIndicator::RXLed, LinkIndicator::TXLed})
            QCOMPARE(f.link.view.indicators.value(led), linkcolour::grey());
        QVERIFY(!f.link.view.indicators.contains(LinkIndicator::ShapeStatusLed));
        f.dialog.reject();
    }

    void modemDialogue()
    {
        ConnectFixture f;
        f.dialString = "ATDP";
        f.dialPrefix = "9,";
        QSignalSpy finished(&f.dialog, &QDialog::finished);

        f.connectTo("Dialled");
        QVERIFY(f.dialog.isVisible());
        QVERIFY(f.dialog.ModemMessagePanel->isVisible());
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("CHECKING FOR MODEM..."));
        QCOMPARE(int(f.link.session.NetworkMode), 2);
        const QString dialogWindow = QStringLiteral("CurrentWindow(%1)").arg(f.dialog.messageWindowHandle());
        QCOMPARE(f.libraryCallsAfterLoad(),
                 (QStringList{"OwnNodeID(2,0,3)", "OpenComPort(3,19200,8,1,2)", "SetModemEscSequence(+++)",
                              "SetModemHangUpCmd(ATH0)", dialogWindow, "CheckForModem"}));
        f.link.api.calls.clear();

        // The library posts to the handle it was given.
        QVERIFY(platform::postMessage(f.dialog.messageWindowHandle(), platform::WM_USER + 0x09, 0, quintptr(1)));
        QTRY_COMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("INITIALIZING MODEM..."));
        QCOMPARE(f.link.api.calls, QStringList{"SendToModem(" + QString::fromLatin1(kInit) + ")"});

        f.sent("0a41542646304c335c4e30");     // AT&F0L3\N0
        f.received("0a41542646304c335c4e30"); // its echo
        QCOMPARE(f.link.api.calls.size(), 1);
        QVERIFY(f.dialog.initEchoed());
        f.received("024f4b"); // OK
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("DIALING (0123 456789) ..."));
        QCOMPARE(f.link.api.calls.last(), QStringLiteral("SendToModem(ATDP9,0123 456789)"));
        QCOMPARE(f.dialog.dialNumber(), QByteArray("0123 456789"));
        f.sent("1141544450392c30313233203435363738390000"); // length 17: the last two bytes are not text
        // A second OK dials again.
        f.received("024f4b");
        QCOMPARE(f.link.api.calls.count("SendToModem(ATDP9,0123 456789)"), 2);
        f.received("0442555359"); // BUSY
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("BUSY"));

        f.link.api.calls.clear();
        f.received("0c434f4e4e4543542039363030"); // CONNECT 9600
        QCOMPARE(f.link.api.calls, QStringList{"CurrentWindow(77)"});
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("CONNECT 9600"));
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Dialback1), true);
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Hangup1), true);
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Alarmreporting1), false);
        QCOMPARE(f.link.view.statusBar(), QStringLiteral("ON-LINE - Dialled"));
        QVERIFY(f.dialog.isVisible());
        QVERIFY(!f.link.session.ConnectedByModem);

        // Two seconds (scaled) later the dialog closes with OK.
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QVERIFY(f.link.session.ConnectedByModem);
        QVERIFY(!f.dialog.FormCloseTimer->isActive());

        QCOMPARE(f.log(), (QStringList{"[MTx] AT&F0L3\\N0", "[MRx] AT&F0L3\\N0", "[MRx] OK",
                                       "[MTx] ATDP9,0123 456789", "[MRx] OK", "[MRx] BUSY",
                                       "[MRx] CONNECT 9600"}));
        QVERIFY(f.link.view.steps.isEmpty()); // a modem call resets no views here
    }

    void modemLines_data()
    {
        QTest::addColumn<bool>("initEchoed");
        QTest::addColumn<QByteArray>("line");     // short text, hex
        QTest::addColumn<QString>("modemMsg");
        QTest::addColumn<bool>("dials");
        QTest::addColumn<bool>("alarmReportingEnabled");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("OK before the init echo") << false << QByteArray("024f4b") << "" << false << false << "[MRx] OK";
        QTest::newRow("OK with more text") << true << QByteArray("034f4b20") << "" << false << false << "[MRx] OK ";
        QTest::newRow("length byte beyond the posted bytes")
            << true << QByteArray("094f4b") << "DIALING (0123 456789) ..." << true << false << "[MRx] OK";
        QTest::newRow("ERROR") << true << QByteArray("054552524f52") << "ERROR" << false << false << "[MRx] ERROR";
        QTest::newRow("RING") << false << QByteArray("0452494e47") << "RING" << false << false << "[MRx] RING";
        QTest::newRow("NO CARRIER enables Alarm reporting")
            << true << QByteArray("0a4e4f2043415252494552") << "NO CARRIER" << false << true << "[MRx] NO CARRIER";
        QTest::newRow("lower-case first letter") << true << QByteArray("0462757379") << "" << false << false
                                                 << "[MRx] busy";
        QTest::newRow("empty text") << true << QByteArray("00") << "" << false << false << "[MRx] ";
        QTest::newRow("nothing posted") << true << QByteArray("") << "" << false << false << "[MRx] ";
    }

    void modemLines()
    {
        QFETCH(bool, initEchoed);
        QFETCH(QByteArray, line);
        QFETCH(QString, modemMsg);
        QFETCH(bool, dials);
        QFETCH(bool, alarmReportingEnabled);
        QFETCH(QString, logLine);
        ConnectFixture f;
        f.link.view.menuEnabled[LinkMenuCommand::Alarmreporting1] = false;
        f.connectTo("Dialled");
        f.modemCheck(1);
        if (initEchoed)
            f.received("0a41542646304c335c4e30");
        f.dialog.ModemMsgEdit->clear();
        f.dialog.Memo1->clear();
        f.link.api.calls.clear();

        f.received(line);

        QCOMPARE(f.dialog.ModemMsgEdit->text(), modemMsg);
        QCOMPARE(f.link.api.calls, dials ? QStringList{"SendToModem(ATDT0123 456789)"} : QStringList());
        QCOMPARE(f.link.view.menuEnabled.value(LinkMenuCommand::Alarmreporting1), alarmReportingEnabled);
        QCOMPARE(f.log(), QStringList{logLine});
        QVERIFY(!f.dialog.FormCloseTimer->isActive());
        f.dialog.reject();
    }

    void noModem()
    {
        ConnectFixture f;
        f.connectTo("Dialled");
        f.link.api.calls.clear();
        f.modemCheck(0);
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("NO MODEM DETECTED"));
        f.modemCheck(7);
        QCOMPARE(f.dialog.ModemMsgEdit->text(), QStringLiteral("NO MODEM DETECTED"));
        QVERIFY(f.link.api.calls.isEmpty());
        QVERIFY(f.dialog.isVisible());
        f.dialog.reject();
    }

    void logButtonsAndDeactivation()
    {
        ConnectFixture f;
        f.connectTo("Dialled");
        QVERIFY(f.dialog.Memo1->isHidden());
        QVERIFY(f.dialog.ClrScrButton->isHidden());
        f.dialog.ModemMsgButton->click();
        QVERIFY(f.dialog.Memo1->isVisible());
        QVERIFY(f.dialog.ClrScrButton->isVisible());
        f.received("024f4b");
        f.dialog.ClrScrButton->click();
        QVERIFY(f.dialog.Memo1->toPlainText().isEmpty());
        f.dialog.ModemMsgButton->click();
        QVERIFY(f.dialog.Memo1->isHidden());
        QVERIFY(f.dialog.ClrScrButton->isHidden());

        // A full log is emptied instead of taking the next line.
        const QByteArray line(200, 'A');
        QByteArray text(1, char(200));
        text += line;
        while (f.dialog.Memo1->document()->characterCount() + 207 <= TDlgConnect::LogCapacity)
            f.modemLine(platform::WM_USER + 0x07, text);
        QVERIFY(!f.dialog.Memo1->toPlainText().isEmpty());
        f.modemLine(platform::WM_USER + 0x07, text);
        QVERIFY(f.dialog.Memo1->toPlainText().isEmpty());

        // Closing hides the log and the panel.
        f.dialog.ModemMsgButton->click();
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QVERIFY(f.dialog.isHidden());
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
        QVERIFY(f.dialog.ModemMessagePanel->isHidden());
        QVERIFY(f.dialog.Memo1->isHidden());
        QVERIFY(f.dialog.ClrScrButton->isHidden());
    }

    // Dial with the dialog: a direct site gets the initialisation request,
    // a modem connection does not.
    void dialShowsTheDialog_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QStringList>("afterDialog");
        QTest::newRow("direct") << "Harbour"
                                << QStringList{"CurrentWindow(%1)", "SendInitializationRequest", "EnableWatchDogs"};
        QTest::newRow("modem") << "Dialled" << QStringList{"CurrentWindow(%1)", "EnableWatchDogs"};
    }

    void dialShowsTheDialog()
    {
        QFETCH(QString, site);
        QFETCH(QStringList, afterDialog);
        ConnectFixture f;
        f.link.view.connectResult = -1;
        f.link.view.onConnectDialog = [&] {
            f.connectTo(site);
            if (f.dialog.isVisible()) {
                f.modemCheck(1);
                f.received("0c434f4e4e4543542039363030");
                QSignalSpy finished(&f.dialog, &QDialog::finished);
                QVERIFY(finished.wait(5000));
            }
            f.link.view.connectResult = f.dialog.result();
        };
        f.link.control.Dial1Click();
        const QString main = QString::number(f.link.view.handle);
        QStringList expected;
        for (const QString &call : afterDialog)
            expected << (call.contains(QLatin1String("%1")) ? call.arg(main) : call);
        const QStringList calls = f.libraryCallsAfterLoad();
        QCOMPARE(calls.mid(calls.size() - expected.size()), expected);
        QCOMPARE(f.link.session.MainWindowHandle, f.link.view.handle);
    }
};

QTEST_MAIN(TestConnectDialog)
#include "tst_connectdialog.moc"
