// The demo folder: the address book as the station reads it and byte for
// byte, the site panel tables, the port map and the serial settings, and the
// velmora-demo program's arguments.

#include "Address.h"
#include "DemoFolder.h"
#include "Settings.h"
#include "Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDemoFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    demo::DemoPaths m_paths;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_paths.programDirectory = m_dir.filePath(QStringLiteral("demo"));
        m_paths.settingsDirectory = m_dir.filePath(QStringLiteral("demo/settings"));
        m_paths.directLink = QStringLiteral("/run/demo/direct-link");
        m_paths.modemLink = QStringLiteral("/run/demo/modem-link");
        m_paths.logo = QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")) + QStringLiteral("/app/Logo.BMP");
        demo::writeDemoFolder(m_paths);
        // The station reads bare settings names from here.
        qputenv("VELMORA_WINDIR", m_paths.settingsDirectory.toLocal8Bit());
    }

    void addressBookBytes()
    {
        QCOMPARE(readFile(addressBookPath(m_paths.programDirectory)),
                 QByteArray("[DEMO-DIRECT]\r\n"
                            "SiteName=DemoDirect\r\n"
                            "SiteAddress=Demo network, direct line\r\n"
                            "SiteTelephone=\r\n"
                            "CurrentFile=None\r\n"
                            "NoOfAlarms=0\r\n"
                            "Mode=15/15\r\n"
                            "Action=0\r\n"
                            "Fault=0\r\n"
                            "Fire=0\r\n"
                            "Cond=0\r\n"
                            "OwnID=7\r\n"
                            "Dummy=0\r\n"
                            "\r\n"
                            "[DEMO-SITE-01]\r\n"
                            "SiteName=DemoSite\r\n"
                            "SiteAddress=Demo network, by modem\r\n"
                            "SiteTelephone=0123 456789\r\n"
                            "CurrentFile=None\r\n"
                            "NoOfAlarms=0\r\n"
                            "Mode=15/15\r\n"
                            "Action=1\r\n"
                            "Fault=1\r\n"
                            "Fire=1\r\n"
                            "Cond=1\r\n"
                            "OwnID=7\r\n"
                            "Dummy=0\r\n"));
    }

    void sites_data()
    {
        QTest::addColumn<QByteArray>("modemId");
        QTest::addColumn<QByteArray>("siteName");
        QTest::addColumn<QByteArray>("telephone");
        QTest::addColumn<int>("logFlag");
        // A direct line has no telephone number; the modem site is the one
        // whose calls the station logs.
        QTest::newRow("direct") << QByteArray("DEMO-DIRECT") << QByteArray("DemoDirect") << QByteArray() << 0;
        QTest::newRow("modem") << QByteArray("DEMO-SITE-01") << QByteArray("DemoSite") << QByteArray("0123 456789")
                               << 1;
    }

    void sites()
    {
        QFETCH(QByteArray, modemId);
        QFETCH(QByteArray, siteName);
        QFETCH(QByteArray, telephone);
        QFETCH(int, logFlag);

        const SiteRecord site = ReadSiteRecord(m_paths.programDirectory, modemId);
        QCOMPARE(site.SiteName, siteName);
        QCOMPARE(site.SiteTelephone, telephone);
        QCOMPARE(site.Mode, QByteArray("15/15"));
        QCOMPARE(site.OwnID, 7);
        QCOMPARE(site.Fire, logFlag);
        QCOMPARE(site.Fault, logFlag);
        QCOMPARE(site.Action, logFlag);
        QCOMPARE(site.Cond, logFlag);

        // The site's panel table, as the Emulation and Data Retrieve pages open it.
        platform::Table table;
        table.setDatabaseName(siteFolderPath(m_paths.programDirectory, siteName));
        table.setTableName(QStringLiteral("config"));
        table.open();
        const QList<platform::FieldDef> fields = table.fieldDefs();
        QCOMPARE(fields.size(), 2);
        QCOMPARE(fields.at(0).name, QStringLiteral("Panel Address"));
        QCOMPARE(fields.at(0).size, 5);
        QVERIFY(fields.at(0).required);
        QCOMPARE(fields.at(1).name, QStringLiteral("Panel Location"));
        QCOMPARE(fields.at(1).size, 40);
        QVERIFY(table.indexDef().has_value());
        QCOMPARE(table.indexDef()->fields, QStringList{QStringLiteral("Panel Address")});
        QCOMPARE(table.records(),
                 (QList<QVariantList>{{QStringLiteral("1"), QStringLiteral("Main building, entrance hall")},
                                      {QStringLiteral("2"), QStringLiteral("Warehouse")},
                                      {QStringLiteral("3"), QStringLiteral("Office wing")}}));
    }

    void settingsFiles()
    {
        // COM2, the default port, is the direct line; COM1 the modem.
        QCOMPARE(readFile(QDir(m_paths.settingsDirectory).filePath(QStringLiteral("KXPORTS.INI"))),
                 QByteArray("[Ports]\r\n2=/run/demo/direct-link\r\n1=/run/demo/modem-link\r\n"));
        const QMap<int, QString> ports = readPortMap();
        QCOMPARE(ports.value(2), QStringLiteral("/run/demo/direct-link"));
        QCOMPARE(ports.value(1), QStringLiteral("/run/demo/modem-link"));
        QCOMPARE(readFile(QDir(m_paths.settingsDirectory).filePath(QStringLiteral("KXCOM.INI"))),
                 QByteArray("[Configuration]\r\nComPort=2\r\nBaudRate=9600\r\nDataBits=8\r\nStopBits=1\r\n"
                            "Parity=None\r\nPanel=0\r\nRepeater=7\r\n"));
        QCOMPARE(readComSettings(), ComSettings{});
        QCOMPARE(readFile(QDir(m_paths.programDirectory).filePath(QStringLiteral("Logo.BMP"))),
                 readFile(m_paths.logo));
    }

    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no modem link") << QStringList{"--program", "p", "--settings", "s", "--direct-link", "d"} << 2
                                       << QByteArray("--modem-link is required");
        QTest::newRow("unknown option") << QStringList{"--program", "p", "--colour"} << 2
                                        << QByteArray("Unknown option 'colour'");
        QTest::newRow("missing logo")
            << QStringList{"--program", "p", "--settings", "s", "--direct-link", "d", "--modem-link", "m", "--logo",
                           "no-such.bmp"}
            << 1 << QByteArray("cannot copy the logo");
        QTest::newRow("written") << QStringList{"--program", "p", "--settings", "s", "--direct-link", "d",
                                                "--modem-link", "m"}
                                 << 0 << QByteArray();
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        const QString tool =
            QFileInfo(QString::fromLocal8Bit(qgetenv("VELMORA"))).dir().filePath(QStringLiteral("velmora-demo"));
        if (!QFile::exists(tool))
            QSKIP("velmora-demo is not built");
        QTemporaryDir work;
        QProcess p;
        p.setWorkingDirectory(work.path());
        p.start(tool, arguments);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY2(p.readAllStandardError().contains(message), qPrintable(QTest::currentDataTag()));
        // Relative paths are taken from the current directory; the logo
        // beside the program is copied in.
        if (exitCode == 0) {
            QCOMPARE(readFile(work.filePath(QStringLiteral("s/KXPORTS.INI"))),
                     "[Ports]\r\n2=" + QFile::encodeName(work.filePath(QStringLiteral("d"))) + "\r\n1="
                         + QFile::encodeName(work.filePath(QStringLiteral("m"))) + "\r\n");
            QVERIFY(QFileInfo(work.filePath(QStringLiteral("p/Logo.BMP"))).size() > 0);
            QVERIFY(QFileInfo::exists(work.filePath(QStringLiteral("p/DemoSite/config.db"))));
        }
    }
};

QTEST_GUILESS_MAIN(TestDemoFolder)
#include "tst_demofolder.moc"
