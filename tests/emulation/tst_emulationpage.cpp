// The Emulation page: panel addresses and node numbers, the start and stop
// sequences, the key codes of every button and of the keyboard, and the
// LEDs from a hand-written LED state record.

#include "EmulationPage.h"

#include "DialogSeam.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace {

using Sent = QList<QPair<int, int>>; // (node, function) of emulation commands

struct Harness
{
    LinkSession session;
    EmulationState state;
    EmulationPage page{session, state};
    QTimer procRun;
    QStandardItemModel panels;
    QList<int> keys;                 // key commands sent
    QList<QPair<int, int>> controls; // (node, function) of emulation commands
    QStringList status;

    explicit Harness(bool linkOpen = true)
    {
        page.setProcRunTimer(&procRun);
        EmulationHooks hooks;
        hooks.SendKey = [this](quint8 k) { keys << k; };
        hooks.SendDisplayControl = [this](quint8 v) { controls << qMakePair(int(session.TargetNode), int(v)); };
        hooks.setStatusBar = [this](const QString &t) { status << t; };
        hooks.onLineText = [] { return QStringLiteral("ON-LINE - 12345"); };
        page.setHooks(hooks);
        for (QPushButton *b : {page.ButtonStartEmulation, page.ButtonStopEmulation, page.Buttonprintscreen,
                               page.KeyBoardButton})
            b->setEnabled(linkOpen);
        panels.setHorizontalHeaderLabels({QStringLiteral("Panel Address"), QStringLiteral("Panel Location")});
        page.EmulationDBGrid->setModel(&panels);
    }
    void selectPanel(const QString &address)
    {
        panels.removeRows(0, panels.rowCount());
        panels.appendRow({new QStandardItem(address), new QStandardItem(QStringLiteral("Hall"))});
        page.EmulationDBGrid->setCurrentIndex(panels.index(0, 0));
    }
    void showAndFocus()
    {
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
};

// An LED state record's payload (46 bytes, bytes 14..45 hold the states)
// copied into ReceiveBuffer as the dispatch does: node, code, payload.
void receiveLedRecord(LinkSession &session, const QByteArray &payloadHex)
{
    const QByteArray payload = QByteArray::fromHex(payloadHex);
    session.ReceiveBuffer.fill(0);
    session.ReceiveBuffer[0] = 1;
    session.ReceiveBuffer[1] = 54;
    for (int k = 0; k < payload.size(); ++k)
        session.ReceiveBuffer[size_t(2 + k)] = quint8(payload.at(k));
}

} // namespace

class TestEmulationPage : public QObject
{
    Q_OBJECT

private slots:
    // --- Addresses

    void panelAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("sub");
        QTest::addColumn<int>("node");
        QTest::newRow("12") << "12" << 12 << 255 << 12;
        QTest::newRow("5") << "5" << 5 << 255 << 5;
        QTest::newRow("1/2") << "1/2" << 1 << 2 << 130;
        QTest::newRow("3/1") << "3/1" << 3 << 1 << 193;
        QTest::newRow("12/3") << "12/3" << 12 << 3 << 51;
        QTest::newRow("1/0") << "1/0" << 1 << 0 << 128;
        QTest::newRow("1/15") << "1/15" << 1 << 15 << 143;
        QTest::newRow("31/7") << "31/7" << 31 << 7 << 255;
        QTest::newRow("12/15") << "12/15" << 12 << 15 << 63;
        // Digits are not checked: "a" is 97 - 48.
        QTest::newRow("3 characters unchecked") << "a/b" << 49 << 50 << (0x8C | 50);
        QTest::newRow("4 characters without a slash") << "1234" << 0 << 0 << 0;
        QTest::newRow("ab") << "ab" << 0 << 0 << 0;
        QTest::newRow("six characters") << "12/345" << 0 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
    }

    void panelAddress()
    {
        QFETCH(QString, text);
        QFETCH(int, panel);
        QFETCH(int, sub);
        QFETCH(int, node);
        const emulation::PanelAddress a = emulation::ParsePanelAddress(text);
        QCOMPARE(int(a.panel), panel);
        QCOMPARE(int(a.sub), sub);
        QCOMPARE(int(emulation::PanelNodeNumber(a.panel, a.sub)), node);

        // The page reads the same from the selected record of its grid.
        Harness h;
        h.selectPanel(text);
        h.page.ParsePanelAddress();
        QCOMPARE(int(h.state.SelectedPanel), panel);
        QCOMPARE(int(h.state.SelectedSub), sub);
    }

    void noRecordSelectsNothing()
    {
        Harness h;
        h.state.SelectedPanel = 7;
        h.page.ParsePanelAddress();
        QCOMPARE(int(h.state.SelectedPanel), 0);
        QCOMPARE(int(h.state.SelectedSub), 0);
    }

    // --- Start and stop

    void start_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("previousActive");
        QTest::addColumn<Sent>("controls");
        QTest::addColumn<QString>("message");
        QTest::newRow("first start") << "1/2" << false << Sent{{130, 0}} << QString();
        QTest::newRow("no panel") << "ab" << false << Sent{} << "You must select a panel.";
        QTest::newRow("panel over 31 with a sub-address") << "40/1" << false << Sent{} << "You must select a panel.";
        // Previous selection 4/0 active: stop it, then start the new one.
        QTest::newRow("switch from an active panel") << "5" << true << Sent{{32, 1}, {5, 0}} << QString();
        QTest::newRow("switch from an ended emulation") << "5" << false << Sent{{5, 0}} << QString();
    }

    void start()
    {
        QFETCH(QString, address);
        QFETCH(bool, previousActive);
        QFETCH(Sent, controls);
        QFETCH(QString, message);
        platform::ScriptedAnswerer answerer;
        Harness h;
        h.state.PreviousPanel = 4;
        h.state.PreviousSub = 0;
        h.state.EmulationActive = previousActive;
        h.state.EscapeSeen = true;
        h.state.GraphicsMode = true;
        h.session.AbortFlag = true;
        h.page.LCDDisplay->WriteText(0, 1, "old", Qt::blue);
        h.selectPanel(address);
        h.page.ButtonStartEmulation->click();

        QCOMPARE(h.controls, controls);
        QCOMPARE(h.status.value(0), QStringLiteral("ON-LINE - 12345"));
        QVERIFY(!h.state.EscapeSeen);
        if (message.isEmpty()) {
            QVERIFY(answerer.messages().isEmpty());
            QVERIFY(!h.session.AbortFlag);
            QVERIFY(!h.state.GraphicsMode);
            QVERIFY(!h.state.EmulationActive || !previousActive);
            QCOMPARE(int(h.state.PreviousPanel), int(h.state.SelectedPanel));
            QCOMPARE(h.page.LCDDisplay->cellChar(0, 0), previousActive ? quint8(' ') : quint8('o'));
        } else {
            QCOMPARE(answerer.messages().size(), 1);
            QCOMPARE(answerer.messages().at(0).type, platform::MessageType::Error);
            QCOMPARE(answerer.messages().at(0).text, message);
            QCOMPARE(int(h.session.TargetNode), 0);
            QCOMPARE(int(h.state.PreviousPanel), 4); // unchanged
        }
    }

    void stop()
    {
        Harness h;
        h.session.TargetNode = 130;
        h.state.EmulationActive = true;
        h.page.LCDDisplay->WriteText(0, 1, "x", Qt::blue);
        h.page.LED1->setBrushColor(Qt::red);
        h.procRun.start(100000);
        h.page.ButtonStopEmulation->click();
        QCOMPARE(h.controls, (QList<QPair<int, int>>{{130, 1}}));
        QVERIFY(!h.state.EmulationActive);
        QCOMPARE(h.page.LCDDisplay->cellChar(0, 0), quint8(' '));
        QCOMPARE(h.page.LED1->brushColor(), QColor(Qt::white));
        QVERIFY(!h.procRun.isActive());
    }

    void withoutLinkNothingIsSent()
    {
        Harness h(false);
        h.selectPanel(QStringLiteral("1"));
        h.page.StartEmulation();
        h.page.ButtonStopEmulationClick();
        h.page.ButtonReset->click();
        h.page.ButtonNum5->click();
        QVERIFY(h.controls.isEmpty());
        QVERIFY(h.keys.isEmpty());
    }

    // --- Keys

    void keyButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("caption");
        const QList<std::tuple<const char *, int, const char *>> table = {
            {"BitBtnScroll", 1, ""}, {"BitBtnDisplay", 2, ""}, {"BitBtnPrint", 4, ""},
            {"ButtonAlfanumeriek", 5, "A..Z"}, {"BitBtnRight", 6, ""}, {"BitBtnLeft", 8, ""},
            {"ButtonSilenceBuzzer", 9, "^I"}, {"BitBtnDown", 10, ""}, {"ButtonReset", 11, "^K"},
            {"ButtonDisable", 12, "^L"}, {"BitBtnEnter", 13, ""}, {"ButtonTest", 14, "^N"},
            {"ButtonSound", 15, "^O"}, {"ButtonSoundDelay", 16, "^P"}, {"ButtonSoundDisable", 17, "^Q"},
            {"ButtonSoundSilence", 18, "^R"}, {"ButtonFBDisable", 19, "^S"}, {"ButtonFBDelay", 20, "^T"},
            {"ButtonFBStop", 22, "^V"}, {"BitBtnUP", 26, ""}, {"BitBtnExit", 27, ""}, {"ButtonAll", 30, "^^"},
            {"ButtonFBSignal", 31, "^_"}, {"ButtonNum0", 48, "0"}, {"ButtonNum1", 49, "1"},
            {"ButtonNum2", 50, "2"}, {"ButtonNum3", 51, "3"}, {"ButtonNum4", 52, "4"}, {"ButtonNum5", 53, "5"},
            {"ButtonNum6", 54, "6"}, {"ButtonNum7", 55, "7"}, {"ButtonNum8", 56, "8"}, {"ButtonNum9", 57, "9"},
        };
        for (const auto &[name, code, caption] : table)
            QTest::newRow(name) << QString::fromLatin1(name) << code << QString::fromLatin1(caption);
    }

    void keyButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, code);
        QFETCH(QString, caption);
        Harness h;
        h.showAndFocus();
        auto *b = h.page.findChild<QPushButton *>(button);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->icon().isNull(), !caption.isEmpty()); // picture keys carry a picture
        b->click();
        QCOMPARE(h.keys, QList<int>{code});
        QTRY_COMPARE(QApplication::focusWidget(), h.page.Memo1);
    }

    void disabledButtons()
    {
        Harness h;
        QVERIFY(!h.page.ButtonPanel->isEnabled());
        QCOMPARE(h.page.ButtonPanel->text(), QStringLiteral("^]"));
        QVERIFY(!h.page.Button3rdSource->isEnabled());
        QVERIFY(h.page.Button3rdSource->text().isEmpty());
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("target"); // Memo1 or ButtonAlfanumeriek
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");   // typed text of the key press
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("memo digit 5") << "Memo1" << int(Qt::Key_5) << "5" << QList<int>{53};
        QTest::newRow("memo letter a") << "Memo1" << int(Qt::Key_A) << "a" << QList<int>{97};
        QTest::newRow("memo e acute") << "Memo1" << 0 << QString(QChar(0xE9)) << QList<int>{0xE9};
        QTest::newRow("memo Enter") << "Memo1" << int(Qt::Key_Return) << "\r" << QList<int>{13};
        QTest::newRow("memo Escape") << "Memo1" << int(Qt::Key_Escape) << "\x1b" << QList<int>{27};
        QTest::newRow("memo Backspace") << "Memo1" << int(Qt::Key_Backspace) << "\b" << QList<int>{8};
        QTest::newRow("memo Up only 26") << "Memo1" << int(Qt::Key_Up) << "" << QList<int>{26};
        QTest::newRow("memo Down") << "Memo1" << int(Qt::Key_Down) << "" << QList<int>{10};
        QTest::newRow("memo Left") << "Memo1" << int(Qt::Key_Left) << "" << QList<int>{8};
        QTest::newRow("memo Right") << "Memo1" << int(Qt::Key_Right) << "" << QList<int>{6};
        QTest::newRow("memo Page Up") << "Memo1" << int(Qt::Key_PageUp) << "" << QList<int>{1};
        QTest::newRow("memo Page Down") << "Memo1" << int(Qt::Key_PageDown) << "" << QList<int>{1};
        QTest::newRow("memo F1 nothing") << "Memo1" << int(Qt::Key_F1) << "" << QList<int>{};
        QTest::newRow("A..Z Left") << "ButtonAlfanumeriek" << int(Qt::Key_Left) << "" << QList<int>{37, 8};
        QTest::newRow("A..Z Up") << "ButtonAlfanumeriek" << int(Qt::Key_Up) << "" << QList<int>{38, 26};
        QTest::newRow("A..Z Right") << "ButtonAlfanumeriek" << int(Qt::Key_Right) << "" << QList<int>{39, 6};
        QTest::newRow("A..Z Down") << "ButtonAlfanumeriek" << int(Qt::Key_Down) << "" << QList<int>{40, 10};
        QTest::newRow("A..Z A twice") << "ButtonAlfanumeriek" << int(Qt::Key_A) << "a" << QList<int>{65, 65};
        QTest::newRow("A..Z B once") << "ButtonAlfanumeriek" << int(Qt::Key_B) << "b" << QList<int>{66};
        QTest::newRow("A..Z Enter once") << "ButtonAlfanumeriek" << int(Qt::Key_Return) << "\r" << QList<int>{13};
        QTest::newRow("A..Z Escape") << "ButtonAlfanumeriek" << int(Qt::Key_Escape) << "\x1b" << QList<int>{27};
        QTest::newRow("A..Z F1") << "ButtonAlfanumeriek" << int(Qt::Key_F1) << "" << QList<int>{112, 1};
        QTest::newRow("A..Z digit 7") << "ButtonAlfanumeriek" << int(Qt::Key_7) << "7" << QList<int>{55};
        QTest::newRow("A..Z Backspace nothing") << "ButtonAlfanumeriek" << int(Qt::Key_Backspace) << "\b"
                                                << QList<int>{};
    }

    void keyboard()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QList<int>, sent);
        Harness h;
        h.showAndFocus();
        QWidget *w = h.page.findChild<QWidget *>(target);
        QVERIFY(w);
        w->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
        QCOMPARE(h.keys, sent);
        QVERIFY(h.page.Memo1->toPlainText().isEmpty()); // nothing kept in the memo
    }

    void keyboardButtonFocusesMemo()
    {
        Harness h;
        h.showAndFocus();
        h.page.ButtonStartEmulation->setFocus();
        h.page.KeyBoardButton->click();
        QTRY_COMPARE(QApplication::focusWidget(), h.page.Memo1);
        QVERIFY(h.keys.isEmpty());
    }

    // --- LEDs

    void leds()
    {
        Harness h;
        // Payload bytes 0..13 something else; 14..45 the LED states:
        //  14 LED1 1, 15 LED2 0, 16 LED7 2, 17 LED5 1, 18 LED4 0, 19 LED3 2,
        //  20 LED8 1, 21..23 unused (1), 24 LED20 0, 25 LED19 1, 26 LED22 1,
        //  27 LED21 0, 28 unused, 29 LED18 2, 30 LED14 1, 31 LED23 0, 32 LED25 1,
        //  33 unused, 34 LED17 1, 35 LED16 0, 36 unused, 37 LED12 1, 38 LED15 0,
        //  39 LED6 1, 40..41 unused, 42 LED11 1, 43 LED10 0, 44 unused, 45 LED9 7
        receiveLedRecord(h.session, "ffffffffffffffffffffffffffff"
                                    "01 00 02 01 00 02 01 010101 00 01 01 00 01 02 01 00 01 01 01 00 01 01 00 01"
                                    " 0101 01 00 01 07");
        h.page.UpdateLeds();
        const QColor grey(128, 128, 128), red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0);
        const QList<QPair<LedShape *, QColor>> expected = {
            {h.page.LED1, red}, {h.page.LED2, grey}, {h.page.LED7, green}, {h.page.LED5, yellow},
            {h.page.LED4, grey}, {h.page.LED3, yellow}, {h.page.LED8, green}, {h.page.LED20, grey},
            {h.page.LED19, yellow}, {h.page.LED22, yellow}, {h.page.LED21, grey}, {h.page.LED18, red},
            {h.page.LED14, yellow}, {h.page.LED23, grey}, {h.page.LED25, yellow}, {h.page.LED17, yellow},
            {h.page.LED16, grey}, {h.page.LED12, red}, {h.page.LED15, grey}, {h.page.LED6, yellow},
            {h.page.LED11, yellow}, {h.page.LED10, grey}, {h.page.LED9, yellow}, {h.page.LED24, grey},
        };
        for (const auto &[led, colour] : expected)
            QVERIFY2(led->brushColor() == colour, qPrintable(led->objectName()));
        QVERIFY(h.procRun.isActive());

        h.page.ResetLeds();
        for (LedShape *led : h.page.leds())
            QVERIFY2(led->brushColor() == QColor(Qt::white), qPrintable(led->objectName()));
        QVERIFY(!h.procRun.isActive());
    }

    void ledsFollowEachRecord()
    {
        Harness h;
        receiveLedRecord(h.session, "0000000000000000000000000000" "01");
        h.page.UpdateLeds();
        QCOMPARE(h.page.LED1->brushColor(), QColor(255, 0, 0));
        receiveLedRecord(h.session, "0000000000000000000000000000" "00");
        h.page.UpdateLeds();
        QCOMPARE(h.page.LED1->brushColor(), QColor(128, 128, 128));
        QCOMPARE(h.page.LED24->brushColor(), QColor(128, 128, 128));
    }

    void objectNamesOfTheFront()
    {
        Harness h;
        for (const char *name : {"Label21", "Shape7", "ButtonSound", "LED12", "Label29", "ButtonSoundDelay",
                                    "LED14", "Label18", "LED15", "Label30", "ButtonSoundDisable", "LED16", "Label31",
                                    "ButtonSoundSilence", "LED17", "Label32", "Label22", "Shape8", "ButtonFBSignal",
                                    "LED18", "Label33", "ButtonFBDelay", "LED19", "Label54", "LED20", "Label55",
                                    "ButtonFBDisable", "LED21", "Label35", "ButtonFBStop", "LED22", "Label36",
                                    "Memo1", "LCDDisplay", "EmulationDBGrid"}) {
            QCOMPARE(h.page.findChildren<QWidget *>(QLatin1String(name)).size(), 1);
        }
        QCOMPARE(h.page.leds().size(), 24);
        QVERIFY(!h.page.leds().contains(nullptr));
        QCOMPARE(h.page.findChildren<QWidget *>(QStringLiteral("LED13")).size(), 0);
        QCOMPARE(h.page.Memo1->size(), QSize(54, 13));
    }
};

QTEST_MAIN(TestEmulationPage)
#include "tst_emulationpage.moc"
