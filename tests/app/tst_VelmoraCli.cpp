// The velmora program as a black box: its options, its exit codes and the
// configuration file that a run through the normal close path leaves behind.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out;
    QByteArray err;
};

Run runVelmora(const QStringList &arguments, const QString &settingsDir, const QString &workDir)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELMORA_WINDIR"), settingsDir);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(QString::fromLocal8Bit(qgetenv("VELMORA")), arguments);
    Run run;
    if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.exitCode = p.exitCode();
    run.status = p.exitStatus();
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

} // namespace

class TestVelmoraCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(QString::fromLocal8Bit(qgetenv("VELMORA"))), "VELMORA names no program");
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");   // expected in standard output
        QTest::addColumn<QByteArray>("err");   // expected in standard error

        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("velmora 11.02\n") << QByteArray();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QByteArray("--exit-after <ms>") << QByteArray();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << QByteArray()
                                        << QByteArray("Unknown option 'bogus'");
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << QByteArray()
                                         << QByteArray("unknown command 'frobnicate'");
        QTest::newRow("exit-after without a number") << QStringList{"--exit-after", "soon"} << 2 << QByteArray()
                                                     << QByteArray("--exit-after");
        QTest::newRow("exit-after without a value") << QStringList{"--exit-after"} << 2 << QByteArray()
                                                    << QByteArray("exit-after");
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QTemporaryDir settings, work;
        const Run run = runVelmora(arguments, settings.path(), work.path());
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.contains(out), run.out.constData());
        QVERIFY2(run.err.contains(err), run.err.constData());
        if (exitCode != 0)
            QVERIFY(run.out.isEmpty());
        // Nothing but a window run touches the settings.
        QVERIFY(QDir(settings.path()).isEmpty());
    }

    void windowRunClosesThroughTheClosePath_data()
    {
        QTest::addColumn<QByteArray>("before"); // TVConfig.INI bytes; null: none
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("logo");         // Logo.BMP in the program directory

        QTest::newRow("fresh settings") << QByteArray() << QByteArray("[Options]\r\nLang=ZA\r\n") << true;
        QTest::newRow("language kept, cut to two")
            << QByteArray("[Options]\r\nLang=ENGLISH\r\nPanelModel=KorvexF\r\n")
            << QByteArray("[Options]\r\nLang=EN\r\nPanelModel=KorvexF\r\n") << true;
        // Headless, the error box about the picture goes to standard error
        // and the program goes on.
        QTest::newRow("no logo picture") << QByteArray() << QByteArray("[Options]\r\nLang=ZA\r\n") << false;
    }

    void windowRunClosesThroughTheClosePath()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, logo);
        QTemporaryDir settings, work;
        const QString config = QDir(settings.path()).filePath(QStringLiteral("TVConfig.INI"));
        if (!before.isNull()) {
            QFile f(config);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        const QString logoFile = QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")) + QStringLiteral("/app/Logo.BMP");
        if (logo)
            QVERIFY(QFile::copy(logoFile, QDir(work.path()).filePath(QStringLiteral("Logo.BMP"))));

        const Run run = runVelmora({"--exit-after", "500"}, settings.path(), work.path());
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.contains("Logo.BMP"), !logo);

        QFile f(config);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), after);
    }
};

QTEST_GUILESS_MAIN(TestVelmoraCli)
#include "tst_VelmoraCli.moc"
