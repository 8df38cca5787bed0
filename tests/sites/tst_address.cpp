// The address book file: reading a site's section with its defaults and
// capacities, writing it in key order, the log file names, folder names and
// network configurations.

#include "Address.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

SiteRecord defaults(const QByteArray &modemId)
{
    SiteRecord r;
    r.ModemId = modemId;
    r.SiteName = "None";
    r.SiteAddress = "None";
    r.SiteTelephone = "";
    r.CurrentFile = "None";
    r.NoOfAlarms = 0;
    r.Mode = "15/15";
    r.Action = r.Fault = r.Fire = r.Cond = 0;
    r.OwnID = 7;
    r.Dummy = 0;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(SiteRecord)

class TestAddress : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString book() const { return m_dir->filePath(QStringLiteral("address.ini")); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_dir.reset(); }

    void readSiteRecord_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QByteArray>("modemId");
        QTest::addColumn<SiteRecord>("expected");

        QTest::newRow("no file") << QByteArray() << QByteArray("4711") << defaults("4711");
        QTest::newRow("no such section") << QByteArray("[1234]\r\nSiteName=Depot\r\n") << QByteArray("4711")
                                         << defaults("4711");
        QTest::newRow("section without keys") << QByteArray("[4711]\r\n[9]\r\nOwnID=3\r\n") << QByteArray("4711")
                                              << defaults("4711");

        SiteRecord full;
        full.ModemId = "4711";
        full.SiteName = "Depot";
        full.SiteAddress = "Harbour Road 5";
        full.SiteTelephone = "0123 45678";
        full.CurrentFile = "C:\\Velmora\\Depot\\05031407.l24";
        full.NoOfAlarms = 812;
        full.Mode = "31/7";
        full.Action = 1;
        full.Fault = 0;
        full.Fire = 1;
        full.Cond = 2;
        full.OwnID = 31;
        full.Dummy = 0;
        const QByteArray fullSection = "SiteName=Depot\r\nSiteAddress=Harbour Road 5\r\nSiteTelephone=0123 45678\r\n"
                                       "CurrentFile=C:\\Velmora\\Depot\\05031407.l24\r\nNoOfAlarms=812\r\nMode=31/7\r\n"
                                       "Action=1\r\nFault=0\r\nFire=1\r\nCond=2\r\nOwnID=31\r\nDummy=0\r\n";
        QTest::newRow("every key") << QByteArray("[4711]\r\n" + fullSection) << QByteArray("4711") << full;

        SiteRecord otherCase = full;
        otherCase.ModemId = "depot north";
        QTest::newRow("section in another letter case")
            << QByteArray("[Depot North]\r\n" + fullSection) << QByteArray("depot north") << otherCase;

        SiteRecord cut = defaults("4711");
        cut.SiteName = "ABCDEFGHIJKLMNOPQRST";
        cut.SiteAddress = QByteArray(50, 'a');
        cut.SiteTelephone = QByteArray(40, '9');
        cut.CurrentFile = QByteArray(250, 'f');
        cut.Mode = QByteArray(30, 'm');
        QTest::newRow("texts longer than their fields are cut")
            << QByteArray("[4711]\r\nSiteName=ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\nSiteAddress=" + QByteArray(60, 'a')
                          + "\r\nSiteTelephone=" + QByteArray(45, '9') + "\r\nCurrentFile=" + QByteArray(300, 'f')
                          + "\r\nMode=" + QByteArray(31, 'm') + "\r\n")
            << QByteArray("4711") << cut;

        SiteRecord eightBit = defaults("Caf\xe9");
        eightBit.SiteName = "B\xe4r \x80";
        QTest::newRow("8-bit texts kept byte for byte")
            << QByteArray("[Caf\xe9]\r\nSiteName=B\xe4r \x80\r\n") << QByteArray("Caf\xe9") << eightBit;

        SiteRecord numbers = defaults("4711");
        numbers.OwnID = -1;
        numbers.NoOfAlarms = 2147483647;
        numbers.Action = 1;
        QTest::newRow("signed, blank-led and hexadecimal numbers")
            << QByteArray("[4711]\r\nOwnID=-1\r\nNoOfAlarms=2147483647\r\nAction=$1\r\n") << QByteArray("4711")
            << numbers;

        SiteRecord longId = defaults(QByteArray(31, 'x'));
        QTest::newRow("modem ID cut to 31") << QByteArray() << QByteArray(35, 'x') << longId;
    }

    void readSiteRecord()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, modemId);
        QFETCH(SiteRecord, expected);
        if (!file.isNull())
            QVERIFY(writeBytes(book(), file));
        const SiteRecord r = ReadSiteRecord(m_dir->path(), modemId);
        QCOMPARE(r.ModemId, expected.ModemId);
        QCOMPARE(r.SiteName, expected.SiteName);
        QCOMPARE(r.SiteAddress, expected.SiteAddress);
        QCOMPARE(r.SiteTelephone, expected.SiteTelephone);
        QCOMPARE(r.CurrentFile, expected.CurrentFile);
        QCOMPARE(r.NoOfAlarms, expected.NoOfAlarms);
        QCOMPARE(r.Mode, expected.Mode);
        QCOMPARE(r.Action, expected.Action);
        QCOMPARE(r.Fault, expected.Fault);
        QCOMPARE(r.Fire, expected.Fire);
        QCOMPARE(r.Cond, expected.Cond);
        QCOMPARE(r.OwnID, expected.OwnID);
        QCOMPARE(r.Dummy, expected.Dummy);
    }

    void integerKeyThatIsNotANumber_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("letters") << QByteArray("[4711]\r\nNoOfAlarms=abc\r\n");
        QTest::newRow("trailing letters") << QByteArray("[4711]\r\nOwnID=7x\r\n");
        QTest::newRow("empty value") << QByteArray("[4711]\r\nAction=\r\n");
        QTest::newRow("beyond 32 bits") << QByteArray("[4711]\r\nNoOfAlarms=2147483648\r\n");
        QTest::newRow("decimal fraction") << QByteArray("[4711]\r\nDummy=1.5\r\n");
    }

    void integerKeyThatIsNotANumber()
    {
        QFETCH(QByteArray, file);
        QVERIFY(writeBytes(book(), file));
        QVERIFY_THROWS_EXCEPTION(ConversionError, ReadSiteRecord(m_dir->path(), "4711"));
    }

    void writeSiteRecordBytes()
    {
        SiteRecord r;
        r.ModemId = "not written";
        r.SiteName = "DepotNorthHarbourGate2"; // 22: cut to 20
        r.SiteAddress = "Harbour Road 5";
        r.SiteTelephone = "";
        r.CurrentFile = "/srv/velmora/Depot/05031407.l24";
        r.NoOfAlarms = 812;
        r.Mode = "7/31";
        r.Action = 1;
        r.Fault = 0;
        r.Fire = 1;
        r.Cond = 0;
        r.OwnID = -3;
        r.Dummy = 9; // reserved: always written as 0
        WriteSiteRecord(m_dir->path(), "4711", r);
        QCOMPARE(readBytes(book()),
                 QByteArray("[4711]\r\n"
                            "SiteName=DepotNorthHarbourGat\r\n"
                            "SiteAddress=Harbour Road 5\r\n"
                            "SiteTelephone=\r\n"
                            "CurrentFile=/srv/velmora/Depot/05031407.l24\r\n"
                            "NoOfAlarms=812\r\n"
                            "Mode=7/31\r\n"
                            "Action=1\r\n"
                            "Fault=0\r\n"
                            "Fire=1\r\n"
                            "Cond=0\r\n"
                            "OwnID=-3\r\n"
                            "Dummy=0\r\n"));

        // Read back as the profile functions would.
        SiteRecord back = ReadSiteRecord(m_dir->path(), "4711");
        QCOMPARE(back.SiteName, QByteArray("DepotNorthHarbourGat"));
        QCOMPARE(back.SiteTelephone, QByteArray());
        QCOMPARE(back.OwnID, -3);
        QCOMPARE(back.Dummy, 0);
    }

    void writeIntoExistingBook()
    {
        // An existing book written by another program: the site's section is
        // found in another letter case and updated in place; other sections,
        // and other keys stay.
        QVERIFY(writeBytes(book(), "[Index]\r\nCount=2\r\n\r\n[Depot]\r\nSiteName=Old\r\nExtra=x\r\n"
                                   "OwnID=5\r\n\r\n[9999]\r\nSiteName=Other\r\n"));
        SiteRecord r = ReadSiteRecord(m_dir->path(), "DEPOT");
        r.SiteName = "New";
        WriteSiteRecord(m_dir->path(), "DEPOT", r);
        QCOMPARE(readBytes(book()),
                 QByteArray("[Index]\r\nCount=2\r\n\r\n[Depot]\r\nSiteName=New\r\nExtra=x\r\nOwnID=5\r\n"
                            "SiteAddress=None\r\nSiteTelephone=\r\nCurrentFile=None\r\nNoOfAlarms=0\r\nMode=15/15\r\n"
                            "Action=0\r\nFault=0\r\nFire=0\r\nCond=0\r\nDummy=0\r\n\r\n[9999]\r\nSiteName=Other\r\n"));
        QCOMPARE(SiteList(m_dir->path()), (QList<QByteArray>{"Index", "Depot", "9999"}));
    }

    void siteListOfMissingBookIsEmpty()
    {
        QVERIFY(SiteList(m_dir->path()).isEmpty());
    }

    void logFileName_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("name");
        QTest::newRow("5 March 2024 14:07") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 59)) << "05031407.l24";
        QTest::newRow("end of 1999") << QDateTime(QDate(1999, 12, 31), QTime(23, 59)) << "31122359.l99";
        QTest::newRow("midnight, year 2000") << QDateTime(QDate(2000, 1, 1), QTime(0, 0)) << "01010000.l00";
    }

    void logFileName()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, name);
        QCOMPARE(::logFileName(when), name);
    }

    void folderNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("plain") << "Depot" << true;
        QTest::newRow("with blanks and dots") << "Depot North 2.1" << true;
        QTest::newRow("8-bit") << QString::fromUtf8("Caf\u00e9") << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash up") << "..\\x" << false;
        QTest::newRow("absolute") << "/abs" << false;
        QTest::newRow("drive") << "C:" << false;
        QTest::newRow("star") << "a*b" << false;
        QTest::newRow("question mark") << "a?b" << false;
        QTest::newRow("NUL") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << false;
        QTest::newRow("line break") << "a\nb" << false;
    }

    void folderNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainFolderName(name), plain);
    }

    void modes_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("ownIds");
        QTest::newRow("15/15") << QByteArray("15/15") << 0 << 15;
        QTest::newRow("7/31") << QByteArray("7/31") << 1 << 31;
        QTest::newRow("31/7") << QByteArray("31/7") << 2 << 7;
        QTest::newRow("Global panels") << QByteArray("Global panels") << 3 << 255;
        QTest::newRow("other letter case") << QByteArray("global PANELS") << 3 << 255;
        QTest::newRow("trailing blank") << QByteArray("15/15 ") << 3 << 255;
        QTest::newRow("empty") << QByteArray() << 3 << 255;
    }

    void modes()
    {
        QFETCH(QByteArray, mode);
        QFETCH(int, position);
        QFETCH(int, ownIds);
        QCOMPARE(address::modePosition(mode), position);
        QCOMPARE(address::ownIdCount(position), ownIds);
    }

    void modemIds_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<bool>("valid");
        QTest::newRow("digits") << QByteArray("0123456") << true;
        QTest::newRow("with [ and =") << QByteArray("a[b=c") << true;
        QTest::newRow("closing bracket") << QByteArray("a]b") << false;
        QTest::newRow("line feed") << QByteArray("a\nb") << false;
        QTest::newRow("carriage return") << QByteArray("a\rb") << false;
    }

    void modemIds()
    {
        QFETCH(QByteArray, id);
        QFETCH(bool, valid);
        QCOMPARE(isValidModemId(id), valid);
    }
};

QTEST_GUILESS_MAIN(TestAddress)
#include "tst_address.moc"
