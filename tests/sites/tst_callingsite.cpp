// Identification of a calling panel: hand-written modem ID records (code 66)
// through the main window's dispatch with the sites' decoder plugged in,
// against an address book written by hand.

#include "CallingSite.h"

#include "LinkFakes.h"

#include <DialogSeam.h>
#include <IniFile.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The address book is a real file: section lookup as the ini file does it.
class BookView : public FakeView
{
public:
    QString book;
    QList<QByteArray> addressSectionNames() override { return platform::IniFile(book).readSections(); }
    QByteArray readAddressString(const QByteArray &section, const QByteArray &key, const QByteArray &def) override
    {
        return platform::IniFile(book).readString(section, key, def);
    }
};

struct CallingFixture
{
    QTemporaryDir program;
    LinkSession session;
    BookView view;
    FakeKxLink api;
    RecordingDecoders others;
    SiteDecoders decoders{session, view, others};
    LinkDispatch dispatch{session, view, api, decoders};
    LinkMessageWindow window{dispatch};
    platform::ScriptedAnswerer answers;

    explicit CallingFixture(const QByteArray &book)
    {
        view.book = program.filePath("address.ini");
        if (!book.isNull()) {
            QFile f(view.book);
            if (f.open(QIODevice::WriteOnly))
                f.write(book);
        }
    }

    void unsolicited(const QByteArray &hex)
    {
        platform::WindowMessage m;
        m.message = platform::WM_USER + 0x0C;
        m.bytes = QByteArray::fromHex(hex);
        window.sendMessage(m);
    }
};

const QByteArray kBook = "[HARBOUR-07]\r\nSiteName=Harbour\r\nMode=7/31\r\n"
                         "[Global]\r\nSiteName=G\r\nMode=Global panels\r\n"
                         "[NoName]\r\nMode=31/7\r\n"
                         "[Fake]\r\nSiteName=Unknown\r\n"
                         "[Odd]\r\nSiteName=O\r\nMode=8/8\r\n";

const QString kUnknownBoxStart = QStringLiteral(
    "The modem ID received from the panel, does not correspond to any of the modem IDs defined in the address "
    "book! Received Modem ID:");
const QString kUnknownBoxEnd =
    QStringLiteral(" Please create a site with the modem ID corresponding to the modem ID received from the panel.");

} // namespace

class TestCallingSite : public QObject
{
    Q_OBJECT

private slots:
    void identify_data()
    {
        QTest::addColumn<QByteArray>("book");   // null: no file
        QTest::addColumn<QByteArray>("record"); // node, 66, n, L, ID
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("boxId");     // null: no box
        // "HARBOUR-07"
        QTest::newRow("site") << kBook << QByteArray("09 42 0b 0a 48 41 52 42 4f 55 52 2d 30 37")
                              << QByteArray("HARBOUR-07") << QString();
        QTest::newRow("other letter case keeps the received ID")
            << kBook << QByteArray("09 42 0b 0a 68 61 72 62 6f 75 72 2d 30 37") << QByteArray("harbour-07")
            << QString();
        QTest::newRow("not in the book") << kBook << QByteArray("09 42 04 03 58 59 5a") << QByteArray("Unknown")
                                         << "XYZ";
        QTest::newRow("section without SiteName") << kBook << QByteArray("09 42 07 06 4e 6f 4e 61 6d 65")
                                                  << QByteArray("Unknown") << "NoName";
        QTest::newRow("SiteName is Unknown") << kBook << QByteArray("09 42 05 04 46 61 6b 65")
                                             << QByteArray("Unknown") << "Fake";
        QTest::newRow("L = 0") << kBook << QByteArray("09 42 01 00") << QByteArray("Unknown") << "";
        QTest::newRow("ID that cannot name a section") << kBook << QByteArray("09 42 04 03 5d 0d 0a")
                                                       << QByteArray("Unknown") << "]\r\n";
        QTest::newRow("part of a name is no site") << kBook << QByteArray("09 42 08 07 48 41 52 42 4f 55 52")
                                                   << QByteArray("Unknown") << "HARBOUR";
        QTest::newRow("no book: any ID") << QByteArray() << QByteArray("09 42 04 03 58 59 5a") << QByteArray("XYZ")
                                         << QString();
        QTest::newRow("book without sections: any ID")
            << QByteArray("; none\r\n") << QByteArray("09 42 04 03 58 59 5a") << QByteArray("XYZ") << QString();
        QTest::newRow("no book, L = 0") << QByteArray() << QByteArray("09 42 01 00") << QByteArray() << QString();
    }

    void identify()
    {
        QFETCH(QByteArray, book);
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, key);
        QFETCH(QString, boxId);
        CallingFixture f(book);
        f.session.NetworkMode = 2;

        f.unsolicited(record);

        QCOMPARE(f.session.LinkSiteKey, key);
        QCOMPARE(f.view.statusBar(), QStringLiteral("ON-LINE - ") + QString::fromLatin1(key));
        QCOMPARE(int(f.session.NetworkMode), 2); // not in alarm-reporting mode
        QVERIFY(f.others.called.isEmpty());
        if (boxId.isNull()) {
            QVERIFY(f.answers.messages().isEmpty());
            return;
        }
        QCOMPARE(f.answers.messages().size(), 1);
        QCOMPARE(f.answers.messages().first().type, platform::MessageType::Error);
        QCOMPARE(f.answers.messages().first().buttons, int(platform::ButtonOk));
        QCOMPARE(f.answers.messages().first().text, kUnknownBoxStart + boxId + kUnknownBoxEnd);
    }

    void networkModeInAlarmReporting_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("alarmReporting");
        QTest::addColumn<int>("networkMode");
        QTest::newRow("7/31") << QByteArray("09 42 0b 0a 48 41 52 42 4f 55 52 2d 30 37") << true << 1;
        QTest::newRow("Global panels") << QByteArray("09 42 07 06 47 6c 6f 62 61 6c") << true << 3;
        QTest::newRow("Global panels outside alarm reporting")
            << QByteArray("09 42 07 06 47 6c 6f 62 61 6c") << false << 2;
        QTest::newRow("unknown text keeps the mode") << QByteArray("09 42 04 03 4f 64 64") << true << 2;
        QTest::newRow("unknown caller: defaults of the missing section")
            << QByteArray("09 42 04 03 58 59 5a") << true << 0;
    }

    void networkModeInAlarmReporting()
    {
        QFETCH(QByteArray, record);
        QFETCH(bool, alarmReporting);
        QFETCH(int, networkMode);
        CallingFixture f(kBook);
        f.session.NetworkMode = 2;
        f.session.AlarmReportingMode = alarmReporting;
        f.unsolicited(record);
        QCOMPARE(int(f.session.NetworkMode), networkMode);
    }

    // The other decoders of the table are handed on.
    void otherDecodersHandedOn()
    {
        CallingFixture f(kBook);
        f.unsolicited("09 1c 01 00");
        f.unsolicited("09 27 01 00");
        QCOMPARE(f.others.called, (QStringList{"AlarmReport", "DisplayStream"}));
        QCOMPARE(f.session.LinkSiteKey, QByteArray("none"));
    }
};

QTEST_MAIN(TestCallingSite)
#include "tst_callingsite.moc"
