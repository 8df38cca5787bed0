// Velmora's main window against panelsim over a pseudo-terminal, through the
// real communications library: the emulation starts, two keys go to the
// panel, and the LCD then holds the screen the panel drew; the LEDs follow
// the panel's LED record; a panel emulated elsewhere is refused.
//
// With VELMORA_EMULATION_SHOT=FILE.png set, the screenshot case runs the
// demo scenario and saves the Emulation page during the emulation.

#include "DialogSeam.h"
#include "PMain.h"
#include "Pdlldef.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Panel 1 with FIRE, FAULT, PROC. RUN. and SUPPLY ON lit; panel 3 shown on
// another station already.
const char kScenario[] = R"({
  "nodes": [
    { "node": 1, "leds": "0100010000010100000000000000000000000000000000000000000000000000" },
    { "node": 3, "emulated_elsewhere": true }
  ]
})";

QByteArray line(const char *text)
{
    return QByteArray(text).leftJustified(40, ' ');
}

class Session
{
public:
    QTemporaryDir settings;
    QTemporaryDir program;
    QString previousCurrent = QDir::currentPath();
    QProcess sim;
    platform::ScriptedAnswerer answers;
    std::unique_ptr<TForm1> form;
    QStandardItemModel panels;

    bool start(const QString &scenarioFile)
    {
        qputenv("VELMORA_WINDIR", settings.path().toLocal8Bit());
        QDir::setCurrent(program.path());
        const QString link = program.filePath(QStringLiteral("panel-link"));
        QFile ports(settings.filePath(QStringLiteral("KXPORTS.INI")));
        if (!ports.open(QIODevice::WriteOnly) || ports.write("[Ports]\r\n1=" + QFile::encodeName(link) + "\r\n") < 0)
            return false;
        ports.close();

        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(QString::fromLocal8Bit(qgetenv("PANELSIM")),
                  {QStringLiteral("--scenario"), scenarioFile, QStringLiteral("--pty"), link});
        if (!sim.waitForStarted(5000))
            return false;
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(link) || sim.state() == QProcess::NotRunning; }, 5000)
            || !QFileInfo::exists(link))
            return false;

        form = std::make_unique<TForm1>();
        form->resize(1000, 720);
        form->setWindowState(Qt::WindowNoState);
        form->show();
        // A direct link, as the connect dialog opens it.
        KxLinkApi &api = form->linkApi();
        if (api.OwnNodeID(0, 0, 7) != 1 || api.OpenComPort(1, 115200, 8, 1, 0) != 1)
            return false;
        api.CurrentWindow(form->messageWindowHandle());
        api.SendInitializationRequest();
        // The link-ready message enables the session buttons.
        if (!QTest::qWaitFor([&] { return form->ButtonStartEmulation->isEnabled(); }, 10000))
            return false;
        panels.setHorizontalHeaderLabels({QStringLiteral("Panel Address"), QStringLiteral("Panel Location")});
        form->EmulationDBGrid->setModel(&panels);
        form->TabbedNotebook1->setCurrentWidget(form->Emulation_m);
        return true;
    }

    void selectPanel(const QString &address)
    {
        panels.removeRows(0, panels.rowCount());
        panels.appendRow({new QStandardItem(address), new QStandardItem(QStringLiteral("Plant room"))});
        form->EmulationDBGrid->setCurrentIndex(panels.index(0, 0));
    }

    QList<QByteArray> lcd() const
    {
        QList<QByteArray> text;
        for (int r = 0; r < 8; ++r)
            text << form->LCDDisplay->rowText(r, 40);
        return text;
    }

    ~Session()
    {
        if (form)
            form->linkApi().CloseComPort();
        form.reset();
        if (sim.state() != QProcess::NotRunning) {
            sim.terminate();
            sim.waitForFinished(5000);
        }
        QDir::setCurrent(previousCurrent);
    }
};

} // namespace

class TestEmulationEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;

    QString scenario()
    {
        const QString path = m_files.filePath(QStringLiteral("front.json"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(kScenario);
        return path;
    }

private slots:
    void emulateAndPressTwoKeys()
    {
        Session s;
        QVERIFY(s.start(scenario()));
        s.selectPanel(QStringLiteral("1"));
        s.form->ButtonStartEmulation->click();
        QCOMPARE(int(s.form->Session.TargetNode), 1);
        QTRY_COMPARE_WITH_TIMEOUT(s.lcd().value(7), line("1-4 OR ARROWS AND ENTER       EXIT: BACK"), 10000);
        QVERIFY(s.form->EmulationActive);

        // LED record: FIRE red, FAULT yellow, SUPPLY ON green, the rest grey.
        QTRY_COMPARE(s.form->EmulationPageWidget->LED1->brushColor(), QColor(255, 0, 0));
        QCOMPARE(s.form->EmulationPageWidget->LED3->brushColor(), QColor(255, 255, 0));
        QCOMPARE(s.form->EmulationPageWidget->LED8->brushColor(), QColor(0, 255, 0));
        QCOMPARE(s.form->EmulationPageWidget->LED2->brushColor(), QColor(128, 128, 128));
        QVERIFY(s.form->ProcRunTimer->isActive());

        // Down, then Enter: the second menu item opens.
        s.form->EmulationPageWidget->BitBtnDown->click();
        QTRY_COMPARE_WITH_TIMEOUT(s.lcd().value(3), line("> 2  DISABLEMENTS"), 10000);
        s.form->EmulationPageWidget->BitBtnEnter->click();
        const QList<QByteArray> disablements{line("DISABLEMENTS                    PANEL 01"), line(""),
                                             line("NO DISABLEMENTS"), line(""), line(""), line(""), line(""),
                                             line("DISABLE: ^L                   EXIT: BACK")};
        QTRY_COMPARE_WITH_TIMEOUT(s.lcd(), disablements, 10000);
        QCOMPARE(s.form->LCDDisplay->cellColor(0, 0), QColor(255, 0, 0));
        QCOMPARE(s.form->LCDDisplay->cellColor(2, 0), QColor(0, 0, 255));

        // Stop: the front goes blank and white; the panel's end is silent.
        QVERIFY(s.form->Emulation.EscapeSeen);
        s.answers.clear();
        s.form->ButtonStopEmulation->click();
        QVERIFY(!s.form->EmulationActive);
        QCOMPARE(s.lcd(), QList<QByteArray>(8, QByteArray(40, ' ')));
        QCOMPARE(s.form->EmulationPageWidget->LED1->brushColor(), QColor(Qt::white));
        // The panel's status 5 ends the emulation (it resets EscapeSeen),
        // silently after a shown screen.
        QTRY_VERIFY_WITH_TIMEOUT(!s.form->Emulation.EscapeSeen, 10000);
        QVERIFY(s.answers.messages().isEmpty());
    }

    void panelEmulatedElsewhereIsRefused()
    {
        Session s;
        QVERIFY(s.start(scenario()));
        s.selectPanel(QStringLiteral("3"));
        s.answers.clear();
        s.form->ButtonStartEmulation->click();
        QTRY_VERIFY_WITH_TIMEOUT(!s.answers.messages().isEmpty(), 10000);
        QCOMPARE(s.answers.messages().size(), 1);
        QCOMPARE(s.answers.messages().at(0).text, QStringLiteral("Panel already emulated"));
        QCOMPARE(s.answers.messages().at(0).type, platform::MessageType::Information);
        QCOMPARE(s.form->EditStatusBar->text(), QStringLiteral("Panel already emulated"));
        QVERIFY(!s.form->EmulationActive);
    }

    void screenshot()
    {
        const QString out = QString::fromLocal8Bit(qgetenv("VELMORA_EMULATION_SHOT"));
        if (out.isEmpty())
            QSKIP("VELMORA_EMULATION_SHOT not set");
        Session s;
        QVERIFY(s.start(QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR"))
                        + QStringLiteral("/tools/panelsim/scenarios/demo.json")));
        s.selectPanel(QStringLiteral("1"));
        s.form->ButtonStartEmulation->click();
        QTRY_COMPARE_WITH_TIMEOUT(s.lcd().value(7), line("1-4 OR ARROWS AND ENTER       EXIT: BACK"), 10000);
        s.form->EmulationPageWidget->ButtonNum1->click();
        QTRY_COMPARE_WITH_TIMEOUT(s.lcd().value(2), line("FIRE    ZONE 003  LOOP 1  SENSOR 012"), 10000);
        QVERIFY(s.form->grab().save(out));
    }
};

QTEST_MAIN(TestEmulationEndToEnd)
#include "tst_emulation_e2e.moc"
