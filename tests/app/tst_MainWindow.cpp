// The main window's life: creation, first show, close and destruction, the
// user-interface configuration file, the Address page, the PROC. RUN. blink,
// the message and keyboard hooks.

#include "FakeKxLink.h"

#include "DialogSeam.h"
#include "Language.h"
#include "PMain.h"
#include "Posting.h"
#include "Shape.h"
#include "Timing.h"

#include <QAction>
#include <QMenu>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

using platform::MessageType;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestFolders> m_dirs;
    std::unique_ptr<platform::ScriptedAnswerer> m_answers;
    FakeKxLink m_api;

    std::unique_ptr<TForm1> makeForm()
    {
        auto form = std::make_unique<TForm1>(&m_api);
        m_api.session = &form->Session;
        return form;
    }

private slots:
    void init()
    {
        m_dirs = std::make_unique<TestFolders>();
        m_answers = std::make_unique<platform::ScriptedAnswerer>();
        m_api = FakeKxLink();
    }
    void cleanup()
    {
        m_answers.reset();
        m_dirs.reset();
    }

    // --- "TVConfig.INI": the language goes in at first show and back at close

    void languageInAndOut_data()
    {
        QTest::addColumn<QByteArray>("before");   // file bytes; null: no file
        QTest::addColumn<QByteArray>("handed");   // code handed to the localisation
        QTest::addColumn<QByteArray>("after");    // file bytes after the close

        QTest::newRow("no file: default ZA, file created")
            << QByteArray() << QByteArray("ZA") << QByteArray("[Options]\r\nLang=ZA\r\n");
        QTest::newRow("section without Lang")
            << QByteArray("[Options]\r\nPanelModel=Korvex\r\n") << QByteArray("ZA")
            << QByteArray("[Options]\r\nPanelModel=Korvex\r\nLang=ZA\r\n");
        QTest::newRow("longer value cut to two")
            << QByteArray("[Options]\r\nLang=ZAX\r\n") << QByteArray("ZA") << QByteArray("[Options]\r\nLang=ZA\r\n");
        QTest::newRow("shorter value handed unchanged")
            << QByteArray("[Options]\r\nLang=Z\r\n") << QByteArray("Z") << QByteArray("[Options]\r\nLang=Z\r\n");
        QTest::newRow("other language, other keys kept")
            << QByteArray("[Options]\r\nPanelModel=KorvexF\r\nLang=NLD\r\n") << QByteArray("NL")
            << QByteArray("[Options]\r\nPanelModel=KorvexF\r\nLang=NL\r\n");
        QTest::newRow("section and key found regardless of case")
            << QByteArray("[OPTIONS]\r\nlang=ENG\r\n") << QByteArray("EN") << QByteArray("[OPTIONS]\r\nlang=EN\r\n");
    }

    void languageInAndOut()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, handed);
        QFETCH(QByteArray, after);
        const QString config = m_dirs->settingsFile(QStringLiteral("TVConfig.INI"));
        if (!before.isNull())
            QVERIFY(writeBytes(config, before));
        app::useLanguage("--");

        auto form = makeForm();
        form->show();
        QCOMPARE(app::languageInForce(), handed);

        form->close();
        QCOMPARE(readBytes(config), after);
    }

    // --- "PanelModel": the sounder and fire-brigade controls

    void panelModel_data()
    {
        QTest::addColumn<QByteArray>("model"); // null: no key
        QTest::addColumn<bool>("standIns");    // create the emulated front's controls
        QTest::addColumn<bool>("hidden");

        QTest::newRow("KorvexF hides all 32") << QByteArray("KorvexF") << true << true;
        QTest::newRow("letter case differs: korvexf") << QByteArray("korvexf") << true << false;
        QTest::newRow("letter case differs: KORVEXF") << QByteArray("KORVEXF") << true << false;
        QTest::newRow("Korvex") << QByteArray("Korvex") << true << false;
        QTest::newRow("no key: Korvex") << QByteArray() << true << false;
        QTest::newRow("KorvexF before the front has its controls") << QByteArray("KorvexF") << false << false;
    }

    void panelModel()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, standIns);
        QFETCH(bool, hidden);
        if (!model.isNull()) {
            QVERIFY(writeBytes(m_dirs->settingsFile(QStringLiteral("TVConfig.INI")),
                               "[Options]\r\nPanelModel=" + model + "\r\n"));
        }

        auto form = makeForm();
        QList<QWidget *> controls;
        if (standIns) {
            for (const QString &name : TForm1::sounderAndFireBrigadeControls()) {
                QWidget *w = form->Emulation_m->findChild<QWidget *>(name);
                if (!w) {
                    w = new QLabel(name, form->Emulation_m);
                    w->setObjectName(name);
                }
                w->setVisible(true);
                controls << w;
            }
        }
        // Controls of the front that stay in every model.
        auto *panelLed = new Shape(QStringLiteral("LED11"), Shape::Kind::Circle, Qt::white, form->Emulation_m);
        panelLed->setVisible(true);

        form->show();

        QVERIFY(controls.size() == (standIns ? 32 : 0));
        for (QWidget *w : controls)
            QVERIFY2(w->isHidden() == hidden, qPrintable(w->objectName()));
        QVERIFY(!panelLed->isHidden());
        QVERIFY(!form->LED7->isHidden());
    }

    // --- Address page

    void addressPage_data()
    {
        QTest::addColumn<QByteArray>("book"); // address.ini bytes; null: no file; "DIR": a folder
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("Index and Defaults left out")
            << QByteArray("[Index]\r\nCount=1\r\n[Defaults]\r\nMode=15/15\r\n[12345]\r\nSiteName=North\r\n")
            << QStringList{QStringLiteral("12345")};
        QTest::newRow("only the exact names are left out")
            << QByteArray("[index]\r\n[DEFAULTS]\r\n[Index2]\r\n[777]\r\n")
            << QStringList{QStringLiteral("777"), QStringLiteral("DEFAULTS"), QStringLiteral("Index2"),
                           QStringLiteral("index")};
        QTest::newRow("sorted")
            << QByteArray("[555]\r\n[1000]\r\n[222]\r\n")
            << QStringList{QStringLiteral("1000"), QStringLiteral("222"), QStringLiteral("555")};
        QTest::newRow("8-bit section names")
            << QByteArray("[Caf\xe9 \x80 1]\r\nSiteName=X\r\n")
            << QStringList{QStringLiteral("Caf\u00e9 \u20ac 1")};
        QTest::newRow("no address book") << QByteArray() << QStringList();
        QTest::newRow("unreadable address book") << QByteArray("DIR") << QStringList();
    }

    void addressPage()
    {
        QFETCH(QByteArray, book);
        QFETCH(QStringList, shown);
        const QString path = m_dirs->programFile(QStringLiteral("address.ini"));
        if (book == "DIR")
            QVERIFY(QDir().mkpath(path));
        else if (!book.isNull())
            QVERIFY(writeBytes(path, book));

        auto form = makeForm();
        form->show();
        m_answers->clear();
        // Left over from an earlier visit: replaced, not added to.
        form->ListBoxAddresses->addItem(QStringLiteral("stale"));
        form->GroupBoxSiteInfo->show();

        form->TabbedNotebook1->setCurrentWidget(form->Address_m);

        QStringList items;
        for (int i = 0; i < form->ListBoxAddresses->count(); ++i)
            items << form->ListBoxAddresses->item(i)->text();
        QCOMPARE(items, shown);
        QVERIFY(form->GroupBoxSiteInfo->isHidden());
        QVERIFY(m_answers->messages().isEmpty());
    }

    void addressBookIsReadFromTheProgramDirectoryOfCreation()
    {
        QVERIFY(writeBytes(m_dirs->programFile(QStringLiteral("address.ini")), "[4711]\r\n"));
        auto form = makeForm();
        QCOMPARE(form->ProgramDirectory, QDir::currentPath());
        // The current directory moves on; the program directory stays.
        QTemporaryDir elsewhere;
        QVERIFY(writeBytes(elsewhere.filePath(QStringLiteral("address.ini")), "[9999]\r\n"));
        QDir::setCurrent(elsewhere.path());
        form->TabbedNotebook1->setCurrentWidget(form->Address_m);
        QCOMPARE(form->ListBoxAddresses->count(), 1);
        QCOMPARE(form->ListBoxAddresses->item(0)->text(), QStringLiteral("4711"));
    }

    // --- The library's life with the window, and the close order

    void libraryCallsOverTheWindowsLife()
    {
        auto form = makeForm();
        QCOMPARE(m_api.calls, QStringList{QStringLiteral("LoadDll")});

        form->show();
        QCOMPARE(m_api.calls, (QStringList{QStringLiteral("LoadDll"), QStringLiteral("CurrentWindow")}));
        QCOMPARE(m_api.currentWindow, form->messageWindowHandle());
        QVERIFY(m_api.currentWindow != 0);

        // Showing again is not a first show.
        form->hide();
        form->show();
        QCOMPARE(m_api.calls.count(QStringLiteral("CurrentWindow")), 1);

        form->close();
        QCOMPARE(m_api.calls.last(), QStringLiteral("CloseComPort"));
        form.reset();
        QCOMPARE(m_api.calls, (QStringList{QStringLiteral("LoadDll"), QStringLiteral("CurrentWindow"),
                                           QStringLiteral("CloseComPort"), QStringLiteral("UnloadDll")}));
    }

    void closeEndsARunningWaitBeforeThePortCloses()
    {
        auto form = makeForm();
        form->show();
        const QString config = m_dirs->settingsFile(QStringLiteral("TVConfig.INI"));
        QByteArray configAtClose;
        m_api.onCloseComPort = [&] { configAtClose = readBytes(config); };

        // A request waiting for its reply, as the request routines wait:
        // a nested loop that re-tests the abort flag after every event.
        bool waitEnded = false;
        QStringList callsWhenWaitEnded;
        QTimer::singleShot(0, form.get(), [&] {
            QTimer::singleShot(platform::scaledInterval(200), form.get(), [&] { form->close(); });
            while (!form->Session.AbortFlag)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            waitEnded = true;
            callsWhenWaitEnded = m_api.calls;
        });
        QTRY_VERIFY_WITH_TIMEOUT(waitEnded, 10000);

        QVERIFY(m_api.abortFlagAtClose);
        QVERIFY(callsWhenWaitEnded.contains(QStringLiteral("CloseComPort")));
        // The language was written before the port closed.
        QCOMPARE(configAtClose, QByteArray("[Options]\r\nLang=ZA\r\n"));
    }

    void exitCommandTakesTheClosePath()
    {
        auto form = makeForm();
        form->show();
        QSignalSpy closed(form.get(), &TForm1::formClosed);
        form->Exit1->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!form->isVisible());
        QVERIFY(m_api.abortFlagAtClose);
        QCOMPARE(m_api.calls.last(), QStringLiteral("CloseComPort"));
    }

    // --- The welcome picture

    void welcomePicture_data()
    {
        QTest::addColumn<QByteArray>("logo"); // Logo.BMP bytes; null: none; "SHIPPED": the program's own
        QTest::addColumn<bool>("shown");

        QTest::newRow("shipped logo") << QByteArray("SHIPPED") << true;
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a picture") << QByteArray("BM\x10\0\0\0garbage") << false;
        QTest::newRow("empty file") << QByteArray("") << false;
    }

    void welcomePicture()
    {
        QFETCH(QByteArray, logo);
        QFETCH(bool, shown);
        if (logo == "SHIPPED")
            QVERIFY(m_dirs->installLogo());
        else if (!logo.isNull())
            QVERIFY(writeBytes(m_dirs->programFile(QStringLiteral("Logo.BMP")), logo));

        auto form = makeForm();
        form->show();

        const QPixmap picture = form->WelcomeImage->pixmap();
        QCOMPARE(!picture.isNull(), shown);
        if (shown) {
            QCOMPARE(m_answers->messages().size(), 0);
            QCOMPARE(picture.size(), QSize(440, 160));
            QVERIFY(!form->WelcomeImage->hasScaledContents());
        } else {
            QCOMPARE(m_answers->messages().size(), 1);
            QCOMPARE(m_answers->messages().first().type, MessageType::Error);
            QVERIFY(m_answers->messages().first().text.contains(QStringLiteral("Logo.BMP")));
        }
        // The rest of the creation and the first show ran either way.
        QCOMPARE(form->ComboBoxDataRetrieveInfo->itemText(16), QStringLiteral("Zone Test Results"));
        QCOMPARE(form->ComboBoxDataRetrieveInfo->itemText(17), QStringLiteral("System Zone Data"));
        QCOMPARE(form->EditSiteName->maxLength(), 20);
        QCOMPARE(form->Session.SystemZoneTo, 65535);
        QCOMPARE(form->TabbedNotebook1->currentWidget(), form->Corvane_m);
    }

    // --- PROC. RUN.

    void procRunBlinkCarriesItsPhase()
    {
        auto form = makeForm();
        form->show();
        const QColor green(0, 255, 0), grey(128, 128, 128);
        QSignalSpy ticks(form->ProcRunTimer, &QTimer::timeout);
        auto nextTick = [&]() -> QColor {
            const qsizetype before = ticks.count();
            if (!ticks.wait(5000) && ticks.count() == before)
                return QColor();
            return form->LED7->brushColor();
        };

        QVERIFY(!form->ProcRunTimer->isActive());
        form->ProcRunTimer->start();
        QCOMPARE(nextTick(), green);  // first tick after start: on
        QCOMPARE(nextTick(), grey);
        QCOMPARE(nextTick(), green);
        form->ProcRunTimer->stop();
        form->LED7->setBrushColor(Qt::white); // the views were reset meanwhile

        // Restarted, the blink goes on from where it stopped.
        form->ProcRunTimer->start();
        QCOMPARE(nextTick(), grey);
        QCOMPARE(nextTick(), green);
        form->ProcRunTimer->stop();
    }

    void timers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ms");
        QTest::newRow("ProcRunTimer") << QStringLiteral("ProcRunTimer") << 1000;
        QTest::newRow("TimerAck") << QStringLiteral("TimerAck") << 1000;
        QTest::newRow("AckNTimeOutTimer") << QStringLiteral("AckNTimeOutTimer") << 6000;
        QTest::newRow("ReplyTimeOutTimer") << QStringLiteral("ReplyTimeOutTimer") << 5000;
    }

    void timers()
    {
        QFETCH(QString, name);
        QFETCH(int, ms);
        auto form = makeForm();
        form->show();
        auto *timer = form->findChild<QTimer *>(name);
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), platform::scaledInterval(ms));
    }

    // --- State after creation and first show

    void firstShowState()
    {
        auto form = makeForm();
        // Values a previous session could have left must not survive.
        form->Session.LinkSiteKey = "12345";
        form->Session.TargetNode = 9;
        form->Session.WaitingForAck = true;
        form->Session.RetryFlag = true;
        form->show();

        const LinkSession &s = form->Session;
        QCOMPARE(s.LinkSiteKey, QByteArray("none"));
        QCOMPARE(s.TargetNode, quint8(0));
        QCOMPARE(s.RequestNode, quint8(0));
        QVERIFY(!s.WaitingForAck);
        QVERIFY(!s.RetryFlag);
        QVERIFY(!s.AlarmReportingMode);
        QVERIFY(!s.LoggedOn);
        QVERIFY(!form->EmulationActive);
        QCOMPARE((QList<int>{s.LoopFrom, s.LoopTo, s.SensorFrom, s.SensorTo, s.RangeFrom, s.RangeTo,
                             s.SystemZoneFrom, s.SystemZoneTo}),
                 (QList<int>{1, 8, 1, 128, 1, 1000, 1, 65535}));
        QCOMPARE(form->SystemZonesEdit->value(), 0);
        QCOMPARE(form->ComboBoxDRLoop->currentIndex(), 0);
        QCOMPARE(form->ComboBoxDRSensor->currentIndex(), 0);
        QCOMPARE(form->ComboBoxDRrange->currentIndex(), 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("TARVELIN"));
    }

    void hiddenAndDisabledAtStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("enabled");

        for (const char *n : {"GroupBoxSessionFilters", "GroupBoxAckEvent", "Panel1", "LabelDRLoop",
                              "LabelDRSensor", "ComboBoxDRLoop", "ComboBoxDRSensor", "ComboBoxDRrange",
                              "SystemZonesEdit", "ZoneTestResultComboBox", "LabelZoneTest", "LabelDRSystemZone",
                              "WelcomeSpacer", "WelcomeCaption1", "WelcomeCaption2", "WelcomeCaption3"})
            QTest::newRow(n) << QString::fromLatin1(n) << true << true;
        // The six session buttons talk to a panel: off until a link is open.
        for (const char *n : {"ButtonStartEmulation", "ButtonStopEmulation", "Buttonprintscreen", "KeyBoardButton",
                              "RetrieveDataButton", "AbortDataRetreiveButton"})
            QTest::newRow(n) << QString::fromLatin1(n) << false << false;
        QTest::newRow("GroupBox5") << QStringLiteral("GroupBox5") << false << true;
        QTest::newRow("TabbedNotebook1") << QStringLiteral("TabbedNotebook1") << false << true;
    }

    void hiddenAndDisabledAtStart()
    {
        QFETCH(QString, name);
        QFETCH(bool, hidden);
        QFETCH(bool, enabled);
        auto form = makeForm();
        form->show();
        auto *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->isHidden(), hidden);
        QCOMPARE(w->isEnabled(), enabled);
    }

    void pagesAndMenu()
    {
        auto form = makeForm();
        QStringList pages, captions;
        for (int i = 0; i < form->TabbedNotebook1->count(); ++i) {
            pages << form->TabbedNotebook1->widget(i)->objectName();
            captions << form->TabbedNotebook1->tabText(i);
        }
        QCOMPARE(pages, (QStringList{"Corvane_m", "History_Log_m", "Data_Retrieve_m", "Emulation_m",
                                     "Central_Station_m", "Address_m", "Settings_m"}));
        QCOMPARE(captions, (QStringList{"Welcome", "History Log", "Data Retrieve", "Emulation", "Central Station",
                                        "Address", "Settings"}));

        struct Command { const char *name; const char *caption; bool enabled; bool checkable; };
        const Command commands[] = {
            {"Filters1", "&Filters", true, false},
            {"Exit1", "&Exit", true, false},
            {"Dial1", "&Dial", true, false},
            {"Hangup1", "&Hangup", false, false},
            {"Dialback1", "D&ialback", false, false},
            {"Alarmreporting1", "&Alarm reporting", true, true},
            {"CloseCommunication1", "&Close communication", true, false},
            {"DataScope1", "Data Scope", true, false},
            {"About1", "&About", true, false},
        };
        for (const Command &c : commands) {
            auto *action = form->findChild<QAction *>(QLatin1String(c.name));
            QVERIFY2(action, c.name);
            QCOMPARE(action->text(), QLatin1String(c.caption));
            QCOMPARE(action->isEnabled(), c.enabled);
            QCOMPARE(action->isCheckable(), c.checkable);
        }
        QCOMPARE(form->AbortDataRetreiveButton->text(), QStringLiteral("&Abort Data Retreive"));

        struct Led { Shape *shape; const char *hint; };
        for (const Led &led : {Led{form->CTSLed, "CTS"}, Led{form->DCDLed, "DCD"}, Led{form->DSRLed, "DSR"},
                               Led{form->RILed, "RING"}, Led{form->RXLed, "RXD"}, Led{form->TXLed, "TXD"}}) {
            QCOMPARE(led.shape->toolTip(), QLatin1String(led.hint));
            QCOMPARE(led.shape->brushColor(), QColor(128, 128, 128));
            QCOMPARE(led.shape->kind(), Shape::Kind::Circle);
        }
        QCOMPARE(form->ShapeStatusLed->brushColor(), QColor(128, 128, 128));
    }

    // --- A change of language reaches the texts already shown

    void textsFollowTheLanguage()
    {
        // Translates the main window's texts by putting them in brackets.
        class Brackets : public QTranslator
        {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char *context, const char *source, const char *, int) const override
            {
                return qstrcmp(context, "TForm1") == 0 ? QLatin1Char('[') + QLatin1String(source) + QLatin1Char(']')
                                                       : QString();
            }
        };

        auto form = makeForm();
        form->show();
        auto texts = [&] {
            return QStringList{form->windowTitle(), form->TabbedNotebook1->tabText(5), form->Alarmreporting1->text(),
                               form->Connect1->title(), form->RILed->toolTip(),
                               form->ComboBoxDataRetrieveInfo->itemText(16), form->ZoneTestResultComboBox->itemText(2),
                               form->GroupBoxSiteInfo->title(), form->AbortDataRetreiveButton->text()};
        };
        const QStringList english{"TARVELIN", "Address", "&Alarm reporting", "&Connect", "RING",
                                  "Zone Test Results", "Exceptions Only", "SITE INFORMATION",
                                  "&Abort Data Retreive"};
        QCOMPARE(texts(), english);

        Brackets brackets;
        QVERIFY(QCoreApplication::installTranslator(&brackets));
        QStringList bracketed;
        for (const QString &t : english)
            bracketed << QLatin1Char('[') + t + QLatin1Char(']');
        QTRY_COMPARE(texts(), bracketed);

        QVERIFY(QCoreApplication::removeTranslator(&brackets));
        QTRY_COMPARE(texts(), english);
    }

    // --- Hooks for the link dispatch and the emulated keyboard

    void postedMessagesReachTheHandlerInOrder()
    {
        auto form = makeForm();
        QList<platform::WindowMessage> received;
        form->setMessageHandler([&](const platform::WindowMessage &m) { received << m; });

        const QByteArray record = QByteArray::fromHex("031c0501020304ff");
        QVERIFY(platform::postMessage(form->messageWindowHandle(), platform::WM_USER + 0x0C, 0, record));
        QVERIFY(platform::postMessage(form->messageWindowHandle(), platform::WM_USER + 0x04, 4, quintptr(0)));
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received[0].message, platform::WM_USER + 0x0C);
        QCOMPARE(received[0].bytes, record);
        QCOMPARE(received[1].message, platform::WM_USER + 0x04);
        QCOMPARE(received[1].wParam, quintptr(4));
    }

    void keyPreviewSeesKeysBeforeTheControl()
    {
        auto form = makeForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        form->TabbedNotebook1->setCurrentWidget(form->Address_m);
        form->GroupBoxSiteInfo->show();
        form->EditAddInfo->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), form->EditAddInfo);

        QList<int> seen;
        form->setKeyPreviewHandler([&](QKeyEvent *e) {
            seen << e->key();
            return e->key() == Qt::Key_X; // the preview keeps X
        });
        QTest::keyClicks(form->EditAddInfo, QStringLiteral("axb"));
        QCOMPARE(seen, (QList<int>{Qt::Key_A, Qt::Key_X, Qt::Key_B}));
        QCOMPARE(form->EditAddInfo->text(), QStringLiteral("ab"));

        // A key the focused control ignores travels on to its parents; the
        // preview still sees it once.
        form->ButtonAddressAdd->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), form->ButtonAddressAdd);
        seen.clear();
        QTest::keyClick(form->ButtonAddressAdd, Qt::Key_Q);
        QCOMPARE(seen, QList<int>{Qt::Key_Q});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
