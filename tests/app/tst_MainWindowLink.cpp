// The main window wired to the link logic: posted messages reach the
// dispatch and show on the real components, the Connect menu commands, the
// exchange timers and the Abort button reach the session control and the
// request routines, the close of the window ends a wait for the carrier.

#include "FakeKxLink.h"

#include "DialogSeam.h"
#include "Forms.h"
#include "LinkDecoders.h"
#include "LinkDispatch.h"
#include "PMain.h"
#include "Posting.h"
#include "SessionControl.h"
#include "Shape.h"
#include "Timing.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBrightGreen(0, 255, 0);
const QColor kGrey(128, 128, 128);

class EventDecoders : public LinkDecoders
{
public:
    int events = 0;
    void EventRecord() override { ++events; }
};

} // namespace

class TestMainWindowLink : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestFolders> m_dirs;
    std::unique_ptr<platform::ScriptedAnswerer> m_answers;
    FakeKxLink m_api;
    std::unique_ptr<Forms> m_forms;
    TForm1 *m_form = nullptr;

    void post(quint32 message, quintptr wParam, const QByteArray &bytes = QByteArray())
    {
        QVERIFY(platform::postMessage(m_form->messageWindowHandle(), message, wParam, bytes));
    }

private slots:
    void init()
    {
        m_dirs = std::make_unique<TestFolders>();
        m_dirs->installLogo();
        m_answers = std::make_unique<platform::ScriptedAnswerer>();
        m_api = FakeKxLink();
        m_forms = std::make_unique<Forms>(&m_api);
        m_form = m_forms->Form1;
        m_api.session = &m_form->Session;
        m_form->show();
        m_api.calls.clear();
    }
    void cleanup()
    {
        m_forms.reset();
        m_answers.reset();
        m_dirs.reset();
    }

    // --- Posted messages land on the window's components

    void postedMessagesShowOnTheWindow_data()
    {
        QTest::addColumn<quint32>("message");
        QTest::addColumn<quintptr>("wParam");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("status");  // EditStatusBar afterwards ("" unchanged)
        QTest::addColumn<QString>("diag");    // DiagEdit afterwards ("" unchanged)
        QTest::addColumn<bool>("ackTimer");   // AckNTimeOutTimer running

        QTest::newRow("waiting for ack") << (platform::WM_USER + 0x04) << quintptr(1) << QByteArray()
                                         << QString() << QStringLiteral("WAITING FOR ACK") << true;
        QTest::newRow("no response") << (platform::WM_USER + 0x04) << quintptr(2) << QByteArray()
                                     << QStringLiteral("NO RESPONCE FROM PANEL") << QStringLiteral("IDLE") << false;
        QTest::newRow("reply without decoder")
            << (platform::WM_USER + 0x0D) << quintptr(0) << QByteArray::fromHex("010e0100")
            << QStringLiteral("ON-LINE - none") << QString() << false;
        QTest::newRow("modem line BUSY") << (platform::WM_USER + 0x07) << quintptr(0)
                                         << QByteArray::fromHex("0442555359") << QStringLiteral("BUSY") << QString()
                                         << false;
    }

    void postedMessagesShowOnTheWindow()
    {
        QFETCH(quint32, message);
        QFETCH(quintptr, wParam);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, status);
        QFETCH(QString, diag);
        QFETCH(bool, ackTimer);
        m_form->EditStatusBar->setText(QStringLiteral("before"));
        m_form->DiagEdit->setText(QStringLiteral("before"));
        post(message, wParam, bytes);
        QTRY_COMPARE(m_form->EditStatusBar->text(), status.isEmpty() ? QStringLiteral("before") : status);
        QTRY_COMPARE(m_form->DiagEdit->text(), diag.isEmpty() ? QStringLiteral("before") : diag);
        QCOMPARE(m_form->AckNTimeOutTimer->isActive(), ackTimer);
    }

    void lineSignalsPaintTheIndicators()
    {
        // TX, RX, CTS, DCD, DSR, RI
        post(platform::WM_USER + 0x05, 0, QByteArray::fromHex("010001010000"));
        QTRY_VERIFY(m_form->Session.CarrierUp);
        QVERIFY(m_form->Session.OnLine);
        QCOMPARE(m_form->TXLed->brushColor(), kRed);
        QCOMPARE(m_form->RXLed->brushColor(), kBrightGreen);
        QCOMPARE(m_form->CTSLed->brushColor(), kBrightGreen);
        QCOMPARE(m_form->DCDLed->brushColor(), kBrightGreen);
        QCOMPARE(m_form->DSRLed->brushColor(), kRed);
        QCOMPARE(m_form->RILed->brushColor(), kBrightGreen);
        QCOMPARE(m_form->ShapeStatusLed->brushColor(), kBrightGreen);

        post(platform::WM_USER + 0x05, 0, QByteArray::fromHex("000000000000"));
        QTRY_VERIFY(!m_form->Session.CarrierUp);
        QCOMPARE(m_form->ShapeStatusLed->brushColor(), kGrey);
        QCOMPARE(m_form->EditStatusBar->text(), QStringLiteral("OFFLINE"));
    }

    void linkReadyEnablesTheSessionButtons()
    {
        const QList<QPushButton *> buttons{m_form->ButtonStartEmulation, m_form->ButtonStopEmulation,
                                           m_form->Buttonprintscreen,    m_form->KeyBoardButton,
                                           m_form->RetrieveDataButton,   m_form->AbortDataRetreiveButton};
        for (QPushButton *b : buttons)
            QVERIFY(!b->isEnabled());
        post(platform::WM_USER + 0x01, 0);
        QTRY_VERIFY(m_form->RetrieveDataButton->isEnabled());
        for (QPushButton *b : buttons)
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));

        m_form->CloseCommunication1->trigger();
        for (QPushButton *b : buttons)
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    }

    void decodersCanBeReplaced()
    {
        EventDecoders decoders;
        m_form->setLinkDecoders(&decoders);
        post(platform::WM_USER + 0x0D, 0, QByteArray::fromHex("011b0100"));
        QTRY_COMPARE(decoders.events, 1);
        m_form->setLinkDecoders(nullptr);
        post(platform::WM_USER + 0x0D, 0, QByteArray::fromHex("011b0100"));
        post(platform::WM_USER + 0x04, 4);
        QTRY_COMPARE(m_form->DiagEdit->text(), QStringLiteral("MESSAGE RECEIVED"));
        QCOMPARE(decoders.events, 1);
    }

    // --- Menu commands, timers, Abort

    void dialShowsTheConnectDialog_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("cancelled") << int(QDialog::Rejected) << QStringList{"CurrentWindow"};
        QTest::newRow("direct link")
            << int(QDialog::Accepted) << QStringList{"CurrentWindow", "SendInitializationRequest", "EnableWatchDogs"};
    }

    void dialShowsTheConnectDialog()
    {
        QFETCH(int, result);
        QFETCH(QStringList, calls);
        m_answers->answerForm(QStringLiteral("DlgConnect"), [result](QDialog *) { return result; });
        m_form->Dial1->trigger();
        QCOMPARE(m_answers->forms(), QList<QString>{QStringLiteral("DlgConnect")});
        QCOMPARE(m_api.calls, calls);
        QCOMPARE(m_api.currentWindow, m_form->messageWindowHandle());
        QCOMPARE(m_form->Session.MainWindowHandle, m_form->messageWindowHandle());
    }

    void alarmReportingTogglesThroughTheMenu()
    {
        m_form->ComboBoxComPort->setCurrentText(QStringLiteral("3"));
        m_form->Alarmreporting1->trigger();
        QVERIFY(m_form->Alarmreporting1->isChecked());
        QVERIFY(m_form->Session.AlarmReportingMode);
        QCOMPARE(m_api.calls, (QStringList{"OwnNodeID", "OpenComPort", "SetModemEscSequence", "SetModemHangUpCmd",
                                           "CurrentWindow", "DisableWatchDogs", "CheckForModem"}));
        QCOMPARE(m_form->EditStatusBar->text(), QStringLiteral("CHECKING FOR MODEM..."));

        // The second click leaves the mode and keeps the port open.
        m_api.calls.clear();
        m_form->Alarmreporting1->trigger();
        QVERIFY(!m_form->Alarmreporting1->isChecked());
        QVERIFY(!m_form->Session.AlarmReportingMode);
        QVERIFY(m_api.calls.isEmpty());
    }

    void closeCommunicationResetsTheWindow()
    {
        m_form->Session.LinkSiteKey = "12345";
        m_form->Hangup1->setEnabled(true);
        m_form->Dialback1->setEnabled(true);
        m_form->ComboBoxDRLoop->show();
        m_form->LED7->setBrushColor(kBrightGreen);
        m_form->ProcRunTimer->start();
        m_form->ReplyTimeOutTimer->start();
        m_form->EmulationActive = true;
        m_form->CTSLed->setBrushColor(kBrightGreen);

        m_form->CloseCommunication1->trigger();
        QCOMPARE(m_api.calls, QStringList{"CloseComPort"});
        QCOMPARE(m_form->Session.LinkSiteKey, QByteArray("none"));
        QVERIFY(m_form->Session.AbortFlag);
        QCOMPARE(m_form->Session.LinkState, 3);
        QVERIFY(!m_form->EmulationActive);
        QVERIFY(!m_form->Hangup1->isEnabled());
        QVERIFY(!m_form->Dialback1->isEnabled());
        QVERIFY(m_form->Alarmreporting1->isEnabled());
        QVERIFY(m_form->ComboBoxDRLoop->isHidden());
        QCOMPARE(m_form->LED7->brushColor(), QColor(Qt::white));
        QVERIFY(!m_form->ProcRunTimer->isActive());
        QVERIFY(!m_form->ReplyTimeOutTimer->isActive());
        QCOMPARE(m_form->CTSLed->brushColor(), kGrey);
        QVERIFY(!m_form->DataRetreiveDBGrid->isEnabled());
    }

    void exchangeTimersExpire()
    {
        m_form->Session.WaitingForAck = true;
        m_form->AckNTimeOutTimer->start();
        QTRY_COMPARE(m_form->DiagEdit->text(), QStringLiteral("ACK TIMED OUT"));
        QVERIFY(m_form->Session.AbortFlag);
        QVERIFY(!m_form->Session.WaitingForAck);
        QVERIFY(!m_form->AckNTimeOutTimer->isActive());

        m_form->Session.LinkState = 1;
        m_form->ReplyTimeOutTimer->start();
        QTRY_COMPARE(m_form->Session.LinkState, 4);
        QVERIFY(m_form->Session.RetryFlag);
        QVERIFY(!m_form->ReplyTimeOutTimer->isActive());
    }

    void abortButtonLogsOutWhenOnLine_data()
    {
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("on line") << true << QStringList{"UserCommand"};
        QTest::newRow("off line") << false << QStringList{};
    }

    void abortButtonLogsOutWhenOnLine()
    {
        QFETCH(bool, onLine);
        QFETCH(QStringList, calls);
        m_form->Session.OnLine = onLine;
        m_form->AbortDataRetreiveButton->setEnabled(true);
        // The log-out waits for its reply; the panel answers it.
        QTimer::singleShot(0, m_form, [this] {
            post(platform::WM_USER + 0x0D, 0, QByteArray::fromHex("01230100"));
            post(platform::WM_USER + 0x04, 4);
        });
        m_form->AbortDataRetreiveButton->click();
        QCOMPARE(m_api.calls, calls);
        QCOMPARE(m_form->Session.AbortFlag, onLine);
        QVERIFY(!m_form->Session.LoggedOn);
    }

    void closingTheWindowEndsAWaitForTheCarrier()
    {
        m_form->Session.OnLine = false;
        m_form->Session.CarrierUp = true; // the carrier never drops
        bool hangupReturned = false;
        QTimer::singleShot(0, m_form, [&] {
            QTimer::singleShot(platform::scaledInterval(100), m_form, [this] { m_form->close(); });
            m_form->Hangup1->setEnabled(true);
            m_form->Hangup1->trigger();
            hangupReturned = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(hangupReturned, 10000);
        QVERIFY(m_api.abortFlagAtClose);
        // The window closed the port itself; Hangup does not close again.
        QCOMPARE(m_api.calls.count(QStringLiteral("CloseComPort")), 1);
    }
};

QTEST_MAIN(TestMainWindowLink)
#include "tst_MainWindowLink.moc"
