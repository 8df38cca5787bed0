// The ini-file class against the behaviour of the Windows profile functions:
// hand-written files in, exact bytes out.

#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::IniError;
using platform::IniFile;

class TestIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_windir;
    QScopedPointer<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }

    QString writeFixture(const QString &name, const QByteArray &bytes)
    {
        const QString p = path(name);
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write fixture %s", qPrintable(p));
        return p;
    }

    static QByteArray contents(const QString &p)
    {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return f.readAll();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_windir.isValid());
        qputenv("VELMORA_WINDIR", m_windir.path().toLocal8Bit());
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void readString_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray book = "[Options]\r\nLang=ZA\r\nModel=3\r\n\r\n[12345]\r\nSiteName=Depot\r\n";
        QTest::newRow("exact case") << book << QByteArray("Options") << QByteArray("Lang") << QByteArray("ZA");
        QTest::newRow("section in upper case") << book << QByteArray("OPTIONS") << QByteArray("Lang") << QByteArray("ZA");
        QTest::newRow("key in lower case") << book << QByteArray("Options") << QByteArray("lang") << QByteArray("ZA");
        QTest::newRow("file in other case than caller")
            << QByteArray("[OPTIONS]\nLANG=DE\n") << QByteArray("options") << QByteArray("Lang") << QByteArray("DE");
        QTest::newRow("second section") << book << QByteArray("12345") << QByteArray("sitename") << QByteArray("Depot");
        QTest::newRow("key of another section is not seen")
            << book << QByteArray("12345") << QByteArray("Lang") << QByteArray("<default>");
        QTest::newRow("missing section") << book << QByteArray("Filters") << QByteArray("Lang") << QByteArray("<default>");
        QTest::newRow("missing key") << book << QByteArray("Options") << QByteArray("Language") << QByteArray("<default>");
        QTest::newRow("modem string byte for byte")
            << QByteArray("[Properties]\r\nInitString=AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\n")
            << QByteArray("Properties") << QByteArray("InitString") << QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0");
        QTest::newRow("equals and semicolon inside the value")
            << QByteArray("[S]\r\nK=a=b;c ; d\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("a=b;c ; d");
        QTest::newRow("quotes are kept")
            << QByteArray("[S]\r\nK=\"quoted\"\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("\"quoted\"");
        QTest::newRow("8-bit bytes")
            << QByteArray::fromHex("5b535d0d0a4b3dc4e4809fff0d0a") << QByteArray("S") << QByteArray("K")
            << QByteArray::fromHex("c4e4809fff");
        QTest::newRow("accented section name without regard to case")
            << QByteArray::fromHex("5b4dc46c6c65725d0d0a4b3d310d0a") // [MÄller] K=1
            << QByteArray::fromHex("6de46c6c6572") /* mäller */ << QByteArray("k") << QByteArray("1");
        QTest::newRow("blanks around the value are trimmed")
            << QByteArray("[S]\r\nK =  spaced value \t \r\n") << QByteArray("S") << QByteArray("K")
            << QByteArray("spaced value");
        QTest::newRow("blanks around the section name")
            << QByteArray("[ S ]\r\nK=1\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("1");
        QTest::newRow("empty value is not the default")
            << QByteArray("[S]\r\nK=\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("");
        QTest::newRow("unix line ends") << QByteArray("[S]\nA=1\nK=2\n") << QByteArray("S") << QByteArray("K")
                                        << QByteArray("2");
        QTest::newRow("no line end after the last value")
            << QByteArray("[S]\r\nK=last") << QByteArray("S") << QByteArray("K") << QByteArray("last");
        QTest::newRow("comment line is not a key")
            << QByteArray("[S]\r\n;K=commented\r\nJ=1\r\n") << QByteArray("S") << QByteArray("K")
            << QByteArray("<default>");
        QTest::newRow("first of duplicate keys")
            << QByteArray("[S]\r\nK=first\r\nK=second\r\n") << QByteArray("S") << QByteArray("K")
            << QByteArray("first");
        QTest::newRow("section split in two parts")
            << QByteArray("[S]\r\nA=1\r\n[T]\r\nB=2\r\n[s]\r\nK=3\r\n") << QByteArray("S") << QByteArray("K")
            << QByteArray("3");
        QTest::newRow("key above any section is in no section")
            << QByteArray("K=loose\r\n[S]\r\nA=1\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("<default>");
        QTest::newRow("line without equals sign is skipped")
            << QByteArray("[S]\r\ngarbage\r\nK=1\r\n") << QByteArray("S") << QByteArray("K") << QByteArray("1");
        QTest::newRow("empty file") << QByteArray() << QByteArray("S") << QByteArray("K") << QByteArray("<default>");
    }

    void readString()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);

        const IniFile ini(writeFixture("fixture.ini", file));
        QCOMPARE(ini.readString(section, key, "<default>"), expected);
        QCOMPARE(ini.valueExists(section, key), expected != "<default>");
    }

    void readInteger_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("expectedBool");

        // The default is -7 (true as a bool default).
        QTest::newRow("decimal") << QByteArray("12") << 12 << true;
        QTest::newRow("zero") << QByteArray("0") << 0 << false;
        QTest::newRow("negative") << QByteArray("-5") << -5 << true;
        QTest::newRow("blanks") << QByteArray("  4  ") << 4 << true;
        QTest::newRow("largest") << QByteArray("2147483647") << 2147483647 << true;
        QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1) << true;
        QTest::newRow("hex with 0x") << QByteArray("0x1F") << 31 << true;
        QTest::newRow("hex with dollar") << QByteArray("$10") << 16 << true;
        QTest::newRow("word") << QByteArray("yes") << -7 << true;
        QTest::newRow("trailing letters") << QByteArray("12abc") << -7 << true;
        QTest::newRow("decimal point") << QByteArray("1.5") << -7 << true;
        QTest::newRow("empty") << QByteArray("") << -7 << true;
        QTest::newRow("too large") << QByteArray("2147483648") << -7 << true;
        QTest::newRow("hex too large") << QByteArray("0x100000000") << -7 << true;
        QTest::newRow("sign alone") << QByteArray("-") << -7 << true;
    }

    void readInteger()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        QFETCH(bool, expectedBool);

        const IniFile ini(writeFixture("numbers.ini", "[Filters]\r\nValue=" + value + "\r\n"));
        QCOMPARE(ini.readInteger("Filters", "Value", -7), expected);
        QCOMPARE(ini.readBool("Filters", "Value", true), expectedBool);
        QCOMPARE(ini.readBool("Filters", "Missing", false), false);
        QCOMPARE(ini.readInteger("Filters", "Missing", 4), 4);
    }

    void missingFile()
    {
        const IniFile ini(path("absent/none.ini"));
        QCOMPARE(ini.readString("Options", "Lang", "ZA"), QByteArray("ZA"));
        QCOMPARE(ini.readInteger("Options", "Model", 3), 3);
        QCOMPARE(ini.readBool("Options", "Flag", true), true);
        QVERIFY(ini.readSections().isEmpty());
        QVERIFY(ini.readSection("Options").isEmpty());
        QVERIFY(!ini.sectionExists("Options"));
        QVERIFY(!ini.valueExists("Options", "Lang"));
        // Erasing in a missing file creates nothing.
        IniFile writable(path("absent/none.ini"));
        writable.eraseSection("Options");
        writable.deleteKey("Options", "Lang");
        QVERIFY(!QFile::exists(ini.fileName()));
        QVERIFY(!QDir(path("absent")).exists());
    }

    void sectionsAndKeysInFileOrder()
    {
        const IniFile ini(writeFixture("address.ini",
                                       "[Index]\r\nCount=2\r\n\r\n[Zeta]\r\nb=1\r\na=2\r\nC=3\r\n\r\n"
                                       "[Defaults]\r\n\r\n[alpha]\r\nx=1\r\n[12345]\r\nSiteName=Depot\r\n"));
        const QList<QByteArray> sections{"Index", "Zeta", "Defaults", "alpha", "12345"};
        QCOMPARE(ini.readSections(), sections);
        QCOMPARE(ini.readSection("ZETA"), (QList<QByteArray>{"b", "a", "C"}));
        QVERIFY(ini.readSection("Defaults").isEmpty());
        QVERIFY(ini.readSection("Nothing").isEmpty());
        QVERIFY(ini.sectionExists("ALPHA"));
        QVERIFY(ini.sectionExists("Defaults"));
        QVERIFY(!ini.sectionExists("alph"));
    }

    // What a write leaves in the file, byte for byte.
    void writeBytes_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<none>": no file
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("first write creates the file")
            << QByteArray("<none>") << QByteArray("Options") << QByteArray("Lang") << QByteArray("ZA")
            << QByteArray("[Options]\r\nLang=ZA\r\n");
        QTest::newRow("new key goes to the end of its section")
            << QByteArray("[Options]\r\nLang=ZA\r\n\r\n[Other]\r\nX=1\r\n") << QByteArray("options")
            << QByteArray("Model") << QByteArray("3")
            << QByteArray("[Options]\r\nLang=ZA\r\nModel=3\r\n\r\n[Other]\r\nX=1\r\n");
        QTest::newRow("existing key keeps its case and place")
            << QByteArray("[Options]\r\nlang=DE\r\nModel=3\r\n") << QByteArray("OPTIONS") << QByteArray("LANG")
            << QByteArray("EN") << QByteArray("[Options]\r\nlang=EN\r\nModel=3\r\n");
        QTest::newRow("unix file is rewritten with CR LF")
            << QByteArray("[S]\nA=1\n") << QByteArray("S") << QByteArray("B") << QByteArray("2")
            << QByteArray("[S]\r\nA=1\r\nB=2\r\n");
        QTest::newRow("modem string written as it is")
            << QByteArray("<none>") << QByteArray("Properties") << QByteArray("InitString")
            << QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0")
            << QByteArray("[Properties]\r\nInitString=AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\n");
        QTest::newRow("8-bit value written as it is")
            << QByteArray("<none>") << QByteArray("S") << QByteArray("K") << QByteArray::fromHex("809700ff")
            << QByteArray::fromHex("5b535d0d0a4b3d80970d0a"); // ends at the zero byte
        QTest::newRow("line break in a value cannot add a key")
            << QByteArray("<none>") << QByteArray("S") << QByteArray("K") << QByteArray("a\r\n[T]\nB=1")
            << QByteArray("[S]\r\nK=a  [T] B=1\r\n");
        QTest::newRow("comment line is kept")
            << QByteArray("; settings\r\n\r\n[S]\r\nA=1\r\n") << QByteArray("S") << QByteArray("A")
            << QByteArray("2") << QByteArray("; settings\r\n\r\n[S]\r\nA=2\r\n");
    }

    void writeBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);

        const QString p = before == "<none>" ? path("new/dir/settings.ini") : writeFixture("settings.ini", before);
        IniFile ini(p);
        ini.writeString(section, key, value);
        QCOMPARE(contents(p), after);
    }

    void writeThenRead_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("modem init string") << QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0");
        QTest::newRow("equals and semicolons") << QByteArray("a=b;c;=;");
        QTest::newRow("hash and brackets") << QByteArray("#1 [x] ]");
        QTest::newRow("8-bit text") << QByteArray::fromHex("c4d6dce4f6fcdf8097a4");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("quotes") << QByteArray("\"a\" 'b'");
    }

    void writeThenRead()
    {
        QFETCH(QByteArray, value);
        IniFile ini(path("roundtrip.ini"));
        ini.writeString("Before", "K", "b");
        ini.writeString("Mid", "Value", value);
        ini.writeString("After", "K", "a");
        QCOMPARE(ini.readString("MID", "VALUE", "<default>"), value);
        QCOMPARE(ini.readString("Before", "K", ""), QByteArray("b"));
        QCOMPARE(ini.readString("After", "K", ""), QByteArray("a"));
        // A second write of the same key replaces it, in any case.
        ini.writeString("mid", "value", value + "2");
        QCOMPARE(ini.readString("Mid", "Value", "<default>"), value + "2");
        QCOMPARE(ini.readSection("Mid"), QList<QByteArray>{"Value"});
    }

    void writeNumbersAndFlags()
    {
        IniFile ini(path("numbers.ini"));
        ini.writeInteger("Filters", "FireBeep", 4);
        ini.writeInteger("Filters", "Previous", -1);
        ini.writeBool("Filters", "On", true);
        ini.writeBool("Filters", "Off", false);
        QCOMPARE(contents(ini.fileName()), QByteArray("[Filters]\r\nFireBeep=4\r\nPrevious=-1\r\nOn=1\r\nOff=0\r\n"));
    }

    void eraseSectionAndKey()
    {
        const QString p = writeFixture("address.ini",
                                       "[Index]\r\nCount=2\r\n\r\n[12345]\r\nSiteName=Depot\r\nPhone=0123\r\n\r\n"
                                       "[777]\r\nSiteName=Mill\r\n");
        IniFile ini(p);
        ini.eraseSection("12345");
        QCOMPARE(contents(p), QByteArray("[Index]\r\nCount=2\r\n\r\n[777]\r\nSiteName=Mill\r\n"));
        QCOMPARE(ini.readSections(), (QList<QByteArray>{"Index", "777"}));
        QCOMPARE(ini.readString("12345", "SiteName", "Unknown"), QByteArray("Unknown"));

        ini.deleteKey("INDEX", "COUNT");
        QVERIFY(!ini.valueExists("Index", "Count"));
        QCOMPARE(ini.readString("777", "SiteName", ""), QByteArray("Mill"));
        // Erasing what is not there leaves the file alone.
        const QByteArray now = contents(p);
        ini.eraseSection("nothing");
        ini.deleteKey("777", "nothing");
        QCOMPARE(contents(p), now);
    }

    void eraseSectionInOtherCase()
    {
        const QString p = writeFixture("address.ini", "[abc]\r\nK=1\r\n[Def]\r\nK=2\r\n");
        IniFile ini(p);
        ini.eraseSection("ABC");
        QCOMPARE(ini.readSections(), QList<QByteArray>{"Def"});
    }

    void fileNameResolution_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // "$W" stands for the settings directory

        QTest::newRow("bare name") << QString("KXCOM.INI") << QString("$W/KXCOM.INI");
        QTest::newRow("relative path") << QString("sites/address.ini") << QString("sites/address.ini");
        QTest::newRow("dot path") << QString("./address.ini") << QString("./address.ini");
        QTest::newRow("absolute path") << QString("/tmp/x/TVConfig.INI") << QString("/tmp/x/TVConfig.INI");
        QTest::newRow("backslash path") << QString("prog\\address.ini") << QString("prog/address.ini");
    }

    void fileNameResolution()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        expected.replace("$W", QDir::cleanPath(m_windir.path()));
        QCOMPARE(IniFile(name).fileName(), expected);
        QCOMPARE(IniFile::settingsDirectory(), QDir::cleanPath(m_windir.path()));
    }

    void bareNameIsWrittenToSettingsDirectory()
    {
        IniFile ini("TVFLTRS.INI");
        ini.writeInteger("Filters", "FireBeep", 5);
        QCOMPARE(contents(m_windir.path() + "/TVFLTRS.INI"), QByteArray("[Filters]\r\nFireBeep=5\r\n"));
        QCOMPARE(IniFile("TVFLTRS.INI").readInteger("filters", "firebeep", 0), 5);
    }

    void refusedWrites_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("empty section") << QByteArray("") << QByteArray("K");
        QTest::newRow("bracket in section") << QByteArray("a]b") << QByteArray("K");
        QTest::newRow("line break in section") << QByteArray("a\nb") << QByteArray("K");
        QTest::newRow("empty key") << QByteArray("S") << QByteArray("");
        QTest::newRow("equals in key") << QByteArray("S") << QByteArray("a=b");
        QTest::newRow("key like a section") << QByteArray("S") << QByteArray("[T]");
        QTest::newRow("key like a comment") << QByteArray("S") << QByteArray(";K");
        QTest::newRow("line break in key") << QByteArray("S") << QByteArray("K\r\nL");
    }

    void refusedWrites()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        const QString p = writeFixture("keep.ini", "[S]\r\nA=1\r\n");
        IniFile ini(p);
        QVERIFY_THROWS_EXCEPTION(IniError, ini.writeString(section, key, "v"));
        QCOMPARE(contents(p), QByteArray("[S]\r\nA=1\r\n"));
    }

    void unwritableAndUnreadable()
    {
        // A plain file where the directory should be.
        writeFixture("blocker", "x");
        IniFile underFile(path("blocker/settings.ini"));
        QVERIFY_THROWS_EXCEPTION(IniError, underFile.writeString("S", "K", "v"));

        // A directory where the file should be: it exists but cannot be read.
        QVERIFY(QDir().mkpath(path("folder.ini")));
        IniFile folder(path("folder.ini"));
        QCOMPARE(folder.readString("S", "K", "d"), QByteArray("d"));
        QVERIFY_THROWS_EXCEPTION(IniError, folder.readSections());
        QVERIFY_THROWS_EXCEPTION(IniError, folder.writeString("S", "K", "v"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
