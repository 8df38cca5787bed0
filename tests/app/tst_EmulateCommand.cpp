// velmora emulate as a black box against the demo: the demo folder written
// by velmora-demo, the panel simulator with the demo network on a direct
// line (COM2) and behind its modem (COM1). The screen files are compared
// byte for byte with the panel's screens as the simulator's documentation
// draws them; failures must exit non-zero, say why, and leave no screen file.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray err;
};

QString program(const char *variable)
{
    return QString::fromLocal8Bit(qgetenv(variable));
}

QString velmoraDemo()
{
    return QFileInfo(program("VELMORA")).dir().filePath(QStringLiteral("velmora-demo"));
}

// Room for a loaded machine in the modem dialogue, still well below the
// real guard times.
QProcessEnvironment environment(const QString &settingsDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELMORA_TIMER_SCALE"), QStringLiteral("0.25"));
    env.insert(QStringLiteral("VELMORA_WINDIR"), settingsDir);
    return env;
}

Run runProgram(const QString &path, const QStringList &arguments, const QString &settingsDir, const QString &workDir)
{
    QProcess p;
    p.setProcessEnvironment(environment(settingsDir));
    p.setWorkingDirectory(workDir);
    p.start(path, arguments);
    Run run;
    if (!p.waitForStarted(10000) || !p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.exitCode = p.exitCode();
    run.status = p.exitStatus();
    run.err = p.readAllStandardError();
    return run;
}

// One panel simulator on a pseudo-terminal, ended with the test.
class Simulator
{
public:
    bool start(const QString &scenario, const QString &link, const QString &mode, const QString &settingsDir)
    {
        m_process.setProcessEnvironment(environment(settingsDir));
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(program("PANELSIM"), {QStringLiteral("--scenario"), scenario, QStringLiteral("--pty"), link,
                                              QStringLiteral("--mode"), mode});
        if (!m_process.waitForStarted(10000))
            return false;
        // The link appears once the pseudo-terminal is ready.
        return QTest::qWaitFor([&] { return QFileInfo(link).isSymLink() || m_process.state() != QProcess::Running; },
                               10000)
            && QFileInfo(link).isSymLink();
    }
    ~Simulator()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

private:
    QProcess m_process;
};

bool setComPort(const QString &settingsDir, int port)
{
    QFile f(QDir(settingsDir).filePath(QStringLiteral("KXCOM.INI")));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = f.readAll();
    f.close();
    const qsizetype at = text.indexOf("ComPort=");
    if (at < 0)
        return false;
    const qsizetype end = text.indexOf('\r', at);
    text.replace(at, end - at, "ComPort=" + QByteArray::number(port));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

// One LCD line as print screen writes it: a blank, the 40 characters.
QByteArray lcd(const char *text)
{
    return ' ' + QByteArray(text).leftJustified(40, ' ') + '\n';
}

} // namespace

class TestEmulateCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program; // the demo program directory
    QString m_settings;
    std::unique_ptr<Simulator> m_direct;
    std::unique_ptr<Simulator> m_modem;

    QString scenario() const
    {
        return program("VELMORA_SOURCE_DIR") + QStringLiteral("/tools/panelsim/scenarios/demo.json");
    }
    QString out(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(program("VELMORA")), "VELMORA names no program");
        QVERIFY2(QFile::exists(program("PANELSIM")), "PANELSIM names no program");
        QVERIFY2(QFile::exists(velmoraDemo()), "velmora-demo is not beside velmora");
        QVERIFY(m_dir.isValid());
        m_program = m_dir.filePath(QStringLiteral("demo"));
        m_settings = m_dir.filePath(QStringLiteral("demo/settings"));
        const QString directLink = m_dir.filePath(QStringLiteral("demo/direct-link"));
        const QString modemLink = m_dir.filePath(QStringLiteral("demo/modem-link"));

        // The demo folder as scripts/run writes it.
        const Run written = runProgram(velmoraDemo(),
                                       {QStringLiteral("--program"), m_program, QStringLiteral("--settings"),
                                        m_settings, QStringLiteral("--direct-link"), directLink,
                                        QStringLiteral("--modem-link"), modemLink},
                                       m_settings, m_dir.path());
        QCOMPARE(written.exitCode, 0);

        m_direct = std::make_unique<Simulator>();
        m_modem = std::make_unique<Simulator>();
        QVERIFY(m_direct->start(scenario(), directLink, QStringLiteral("direct"), m_settings));
        QVERIFY(m_modem->start(scenario(), modemLink, QStringLiteral("modem"), m_settings));
    }

    void cleanupTestCase()
    {
        m_direct.reset();
        m_modem.reset();
    }

    // Each row uses another panel, so no row finds a front that an earlier
    // one left on another screen.
    void screen_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("screen");

        // The first screen of the demo's first panel (address 1, node 1):
        // the main menu with its first item marked.
        QTest::newRow("direct site, panel 1, first screen")
            << 2 << QStringList{"--site", "DEMO-DIRECT", "--panel", "1"}
            << QByteArray(" KORVEX FIRE PANEL               PANEL 01\n"
                          "                                         \n"
                          " > 1  ALARMS AND FAULTS                  \n"
                          "   2  DISABLEMENTS                       \n"
                          "   3  TEST                               \n"
                          "   4  DETECTOR LEVELS                    \n"
                          "                                         \n"
                          " 1-4 OR ARROWS AND ENTER       EXIT: BACK\n");
        // Down (10), then Enter (13): the marked second item opens.
        QTest::newRow("direct site, panel 2, down and enter")
            << 2 << QStringList{"--site", "DEMO-DIRECT", "--panel", "2", "--keys", "10,13", "--seconds", "1"}
            << lcd("DISABLEMENTS                    PANEL 02") + lcd("") + lcd("NO DISABLEMENTS") + lcd("")
                   + lcd("") + lcd("") + lcd("") + lcd("DISABLE: ^L                   EXIT: BACK");
        // Through the modem on COM1; the site ID typed in other letter case.
        // Panel 1 starts with FIRE and FAULT lit; key "1" (49) opens the
        // alarms and faults.
        QTest::newRow("modem site, panel 1, alarms and faults")
            << 1 << QStringList{"--site", "demo-site-01", "--panel", "1", "--keys", "49", "--seconds", "1"}
            << lcd("ALARMS AND FAULTS               PANEL 01") + lcd("")
                   + lcd("FIRE    ZONE 003  LOOP 1  SENSOR 012") + lcd("FAULT   ZONE 007  LOOP 2  SENSOR 045")
                   + lcd("") + lcd("") + lcd("") + lcd("RESET: ^K                     EXIT: BACK");
    }

    void screen()
    {
        QFETCH(int, comPort);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, screen);
        QVERIFY(setComPort(m_settings, comPort));

        const QString file = out(QStringLiteral("screen-%1.txt").arg(QTest::currentDataTag()));
        const Run run = runProgram(program("VELMORA"),
                                   QStringList{QStringLiteral("emulate")} + arguments
                                       + QStringList{QStringLiteral("--screen-out"), file},
                                   m_settings, m_program);
        QVERIFY2(run.exitCode == 0 && run.status == QProcess::NormalExit, run.err.constData());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), screen);
    }

    void failure_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message"); // expected in standard error

        QTest::newRow("unknown site") << QStringList{"--site", "NOWHERE", "--panel", "1"} << 2 << 1
                                      << QByteArray("unknown site 'NOWHERE'");
        QTest::newRow("panel not in the site's table") << QStringList{"--site", "DEMO-DIRECT", "--panel", "7"} << 2
                                                       << 1
                                                       << QByteArray("panel '7' is not in the panel table");
        // COM5 is not in the port map: /dev/ttyS4 does not open here.
        QTest::newRow("no link") << QStringList{"--site", "DEMO-DIRECT", "--panel", "1"} << 5 << 1
                                 << QByteArray("Exception: Unable to open Com:5");
        QTest::newRow("key code above 255")
            << QStringList{"--site", "DEMO-DIRECT", "--panel", "1", "--keys", "10,256"} << 2 << 2
            << QByteArray("'256' is not a key code");
        QTest::newRow("empty key code") << QStringList{"--site", "DEMO-DIRECT", "--panel", "1", "--keys", "10,,13"}
                                        << 2 << 2 << QByteArray("'' is not a key code");
        QTest::newRow("seconds not a number")
            << QStringList{"--site", "DEMO-DIRECT", "--panel", "1", "--seconds", "two"} << 2 << 2
            << QByteArray("--seconds needs a whole number");
        QTest::newRow("no site") << QStringList{"--panel", "1"} << 2 << 2 << QByteArray("--site is required");
        QTest::newRow("unknown option") << QStringList{"--site", "DEMO-DIRECT", "--panel", "1", "--colour", "red"}
                                        << 2 << 2 << QByteArray("Unknown option 'colour'");
        QTest::newRow("panel address too long") << QStringList{"--site", "DEMO-DIRECT", "--panel", "12/345"} << 2
                                                << 2 << QByteArray("longer than a panel address");
    }

    void failure()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, comPort);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        if (comPort == 5 && QFileInfo::exists(QStringLiteral("/dev/ttyS4")))
            QSKIP("this machine has a /dev/ttyS4");
        QVERIFY(setComPort(m_settings, comPort));

        const QString file = out(QStringLiteral("failed.txt"));
        QFile::remove(file);
        const Run run = runProgram(program("VELMORA"),
                                   QStringList{QStringLiteral("emulate")} + arguments
                                       + QStringList{QStringLiteral("--screen-out"), file},
                                   m_settings, m_program);
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QVERIFY(!QFile::exists(file));
    }

    // A panel that another station emulates refuses the start: the panel's
    // message goes to standard error and the job fails.
    void refusedPanel()
    {
        QTemporaryDir dir;
        const QString scenarioFile = dir.filePath(QStringLiteral("elsewhere.json"));
        QFile f(scenarioFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({ "nodes": [ { "node": 1, "emulated_elsewhere": true } ] })");
        f.close();
        const QString link = dir.filePath(QStringLiteral("link"));
        // COM3 of this run's settings goes to the refusing network.
        QFile ports(QDir(m_settings).filePath(QStringLiteral("KXPORTS.INI")));
        QVERIFY(ports.open(QIODevice::ReadOnly));
        QByteArray map = ports.readAll();
        ports.close();
        if (!map.endsWith('\n'))
            map += "\r\n";
        map += "3=" + QFile::encodeName(link) + "\r\n";
        QVERIFY(ports.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(ports.write(map), map.size());
        ports.close();
        Simulator sim;
        QVERIFY(sim.start(scenarioFile, link, QStringLiteral("direct"), m_settings));
        QVERIFY(setComPort(m_settings, 3));

        const QString file = out(QStringLiteral("refused.txt"));
        const Run run = runProgram(program("VELMORA"),
                                   {QStringLiteral("emulate"), QStringLiteral("--site"), QStringLiteral("DEMO-DIRECT"),
                                    QStringLiteral("--panel"), QStringLiteral("1"), QStringLiteral("--screen-out"),
                                    file},
                                   m_settings, m_program);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("panel '1' refused the emulation: Panel already emulated"), run.err.constData());
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestEmulateCommand)
#include "tst_EmulateCommand.moc"
