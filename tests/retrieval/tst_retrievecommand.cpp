// velmora retrieve end to end: the program against the panel simulator with
// the demo network on a pseudo-terminal. The saved files are compared with
// what the demo scenario says about its panels, written out by hand.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

struct Site
{
    QTemporaryDir program;
    QTemporaryDir settings;
    QProcess sim;
    QString link;

    bool start()
    {
        link = settings.filePath(QStringLiteral("panel-link"));
        // Whatever port the settings name, it is the simulator's line.
        QFile ini(settings.filePath(QStringLiteral("KXPORTS.INI")));
        ini.open(QIODevice::WriteOnly);
        QByteArray text = "[Ports]\r\n";
        for (int port = 1; port <= 4; ++port)
            text += QByteArray::number(port) + "=" + QFile::encodeName(link) + "\r\n";
        ini.write(text);
        ini.close();

        QFile book(program.filePath(QStringLiteral("address.ini")));
        if (!book.open(QIODevice::WriteOnly))
            return false;
        book.write("[DEMO-SITE-01]\r\nSiteName=Demo\r\nSiteAddress=Harbour\r\nSiteTelephone=\r\nMode=15/15\r\nOwnID=7\r\n");
        book.close();
        QDir(program.path()).mkdir(QStringLiteral("Demo"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("panels"));
            db.setDatabaseName(program.filePath(QStringLiteral("Demo/config.db")));
            if (!db.open())
                return false;
            QSqlQuery q(db);
            q.exec(QStringLiteral("CREATE TABLE config (\"Panel Address\" TEXT NOT NULL, \"Panel Location\" TEXT, "
                                  "PRIMARY KEY(\"Panel Address\"))"));
            q.exec(QStringLiteral("INSERT INTO config VALUES ('1', 'Office'), ('2', 'Research'), ('3', 'Gate')"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("panels"));

        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(qEnvironmentVariable("PANELSIM"),
                  {QStringLiteral("--scenario"),
                   qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/tools/panelsim/scenarios/demo.json"),
                   QStringLiteral("--pty"), link});
        if (!sim.waitForStarted())
            return false;
        QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(link) && !deadline.hasExpired())
            QThread::msleep(20); // the simulator makes its link as it starts; no signal tells
        return QFileInfo::exists(link);
    }

    ~Site()
    {
        sim.terminate();
        sim.waitForFinished(5000);
    }

    struct Run
    {
        int exitCode = -1;
        QByteArray err;
        QByteArray file;
    };

    Run retrieve(const QStringList &options)
    {
        QProcess velmora;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMORA_WINDIR"), settings.path());
        velmora.setProcessEnvironment(env);
        velmora.setWorkingDirectory(program.path());
        const QString out = program.filePath(QStringLiteral("out.txt"));
        QFile::remove(out);
        velmora.start(qEnvironmentVariable("VELMORA"),
                      QStringList{QStringLiteral("retrieve"), QStringLiteral("--site"), QStringLiteral("DEMO-SITE-01"),
                                  QStringLiteral("--out"), out}
                          + options);
        Run run;
        if (!velmora.waitForFinished(60000)) {
            velmora.kill();
            return run;
        }
        run.exitCode = velmora.exitCode();
        run.err = velmora.readAllStandardError();
        QFile f(out);
        if (f.open(QIODevice::ReadOnly))
            run.file = f.readAll();
        return run;
    }
};

QStringList lines(const QByteArray &file)
{
    QStringList out;
    for (const QByteArray &line : file.split('\n')) {
        if (!line.isEmpty())
            out << QString::fromLatin1(line);
    }
    return out;
}

} // namespace

class TestRetrieveCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void configurationKinds_data();
    void configurationKinds();
    void wrongAccessCode();

private:
    std::unique_ptr<Site> m_site;
};

void TestRetrieveCommand::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("VELMORA") || !QFileInfo::exists(qEnvironmentVariable("VELMORA")))
        QSKIP("velmora not built");
    m_site = std::make_unique<Site>();
    QVERIFY(m_site->start());
}

void TestRetrieveCommand::configurationKinds_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("expected"); // every line of the file; "*" at the end: starts with
    const QString header1 = QStringLiteral("projectDEMO-SITE-01PANEL1  Repeater255\r");
    const QString header2 = QStringLiteral("projectDEMO-SITE-01PANEL2  Repeater255\r");
    const QString header3 = QStringLiteral("projectDEMO-SITE-01PANEL3  Repeater255\r");
    QTest::newRow("0 sensors, loop 2, 1-10, host 8.37")
        << QStringList{"--panel", "1", "--kind", "0", "--access-code", "1234", "--loop", "2", "--sensor-range", "1"}
        << QStringList{header1,
                       "LOOP\tDEVICE\tEN/DIS\tSOAK TEST\tEN.W.ALM. STORE\tDAY LEVEL\tNIGHT LEVEL\tTYPE\tZONE\t"
                       "CONFIGURATION\tINPUT \tASP DELAY\tLED/REMOTE OUTPUT\tTEXT\t\r",
                       "2\t1\tEN\tDIS\tDIS\t3\t2\t*", "2\t2\tEN\tDIS\tDIS\t3\t2\t*", "2\t3\tEN\tDIS\tDIS\t*",
                       "2\t4\tEN\tDIS\tDIS\t3\t2\t*", "2\t5\tEN\tDIS\tDIS\t3\t2\t*", "2\t6\tEN\tDIS\tDIS\t3\t2\t*",
                       "2\t7\tEN\tDIS\tDIS\t3\t2\t*", "2\t8\tEN\tDIS\tDIS\t3\t2\t*", "2\t9\tDIS\tDIS\tDIS\t0\t0\t*",
                       "2\t10\tDIS\tDIS\tDIS\t0\t0\t*"};
    QTest::newRow("1 zones, host 8.37")
        << QStringList{"--panel", "1", "--kind", "1", "--access-code", "1234"}
        << QStringList{header1,
                       "ZONE\tSTATUS\tTWO-TRY\tON-OFF\tNIGHT MODE\tCONF. MODE\tSND. DELAY\tFB. DELAY\tINTRIN.SAVE\tHMO\tAREA\tTEXT\t\r",
                       "1\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t1\tGround floor A\t\r",
                       "2\tEN\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t1\tFirst floor\t\r",
                       "3\tEN\tDIS\tDIS\tEN\tDIS\tEN\tDIS\tDIS\tDIS\t1\tKitchen\t\r",
                       "4\tEN\tDIS\tDIS\tDIS\tEN\tDIS\tDIS\tDIS\tEN\t1\tServer room\t\r",
                       "5\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t1\tArchive\t\r",
                       "6\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tEN\tDIS\tDIS\t1\tPlant\t\r",
                       "7\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t2\tWarehouse\t\r",
                       "8\tEN\tDIS\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t2\tLoading\t\r",
                       "9\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\t2\tCanteen\t\r",
                       "10\tEN\tDIS\tDIS\tDIS\tDIS\tDIS\tDIS\tEN\tDIS\t2\tWorkshop\t\r"};
    QTest::newRow("2 areas, host 10")
        << QStringList{"--panel", "2", "--kind", "2", "--access-code", "1234"}
        << QStringList{header2, "AREA\tSTATUS\tCOINC.\tADJ.(1)\tADJ.(2)\tADJ.(3)\tADJ.(4)\tADJ.(5)\tTEXT\t\r",
                       "1\tEN\tDIS\t0\t0\t0\t0\t0\tResearch centre\t\r"};
    QTest::newRow("3 loops, host 10")
        << QStringList{"--panel", "2", "--kind", "3", "--access-code", "1234"}
        << QStringList{header2, "LOOP\tSTATUS\t\r", "1\tEN\t\r", "2\tDIS\t\r"};
    QTest::newRow("4 inputs, host 9.12")
        << QStringList{"--panel", "3", "--kind", "4", "--access-code", "1234", "--range", "0"}
        << QStringList{header3, "INPUT \tTYPE\tLATCHING\tSHAPE\tSTATE\tLOGGING\tADR. 0\tADR. 1\tADR. 2\tTEXT\t\r",
                       "1\t*"};
    QTest::newRow("5 outputs, host 8.37")
        << QStringList{"--panel", "1", "--kind", "5", "--access-code", "1234"}
        << QStringList{header1,
                       "OUTPUT \tTYPE\tLATCHING\tT-SHAPE\tMODE\tO-SHAPE\tSHAPE\tLOGGING\tADR. 0\tADR. 1\tADR. 2\tADR. 2\tADR. 3\tTEXT\t\r",
                       "1\t*", "2\t*", "3\t*", "4\t*", "5\t*"};
    QTest::newRow("6 logic, host 8.37")
        << QStringList{"--panel", "1", "--kind", "6", "--access-code", "1234"}
        << QStringList{header1, "LOGIC LINE\tOPRATOR\tOPERAND\tVALUE\tTIMER\t\r", "1\t*", "2\t*",
                       "3\t*", "4\t*"};
}

void TestRetrieveCommand::configurationKinds()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, expected);
    const Site::Run run = m_site->retrieve(options);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QStringList got = lines(run.file);
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        if (expected.at(i).endsWith(QLatin1Char('*')))
            QVERIFY2(got.at(i).startsWith(expected.at(i).chopped(1)), qPrintable(got.at(i)));
        else
            QCOMPARE(got.at(i), expected.at(i));
    }
}

void TestRetrieveCommand::wrongAccessCode()
{
    const Site::Run run = m_site->retrieve({"--panel", "1", "--kind", "2", "--access-code", "4321"});
    QVERIFY(run.exitCode != 0);
    QVERIFY2(run.err.contains("Invalid Access Code\n"), run.err.constData());
    QVERIFY(run.file.isEmpty());
}

QTEST_MAIN(TestRetrieveCommand)
#include "tst_retrievecommand.moc"
