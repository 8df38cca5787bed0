// Code page 1252 text to QString and back.

#include "CodePage1252.h"

#include <QTest>

class TestCodePage1252 : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ascii") << QByteArray("ZONE 12") << QString("ZONE 12");
        QTest::newRow("em dash") << QByteArray::fromHex("97") << QString(QChar(0x2014));
        QTest::newRow("en dash") << QByteArray::fromHex("96") << QString(QChar(0x2013));
        QTest::newRow("euro") << QByteArray::fromHex("80") << QString(QChar(0x20AC));
        QTest::newRow("low quote, ellipsis") << QByteArray::fromHex("8285") << QString::fromUtf16(u"\u201A\u2026");
        QTest::newRow("curly quotes") << QByteArray::fromHex("91929394")
                                      << QString::fromUtf16(u"\u2018\u2019\u201C\u201D");
        QTest::newRow("S caron, OE, Z caron") << QByteArray::fromHex("8a8c8e") << QString::fromUtf16(u"\u0160\u0152\u017D");
        QTest::newRow("trade mark, Y diaeresis") << QByteArray::fromHex("999f") << QString::fromUtf16(u"\u2122\u0178");
        QTest::newRow("undefined codes") << QByteArray::fromHex("818d8f909d")
                                         << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("latin-1 half") << QByteArray::fromHex("a0c4d6dcdfe4f6fcff")
                                      << QString::fromUtf16(u"\u00A0ÄÖÜßäöü\u00FF");
        QTest::newRow("zero and delete") << QByteArray::fromHex("00417f") << QString::fromUtf16(u"\u0000A\u007F", 3);
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(platform::fromCp1252(bytes), text);
        QCOMPARE(platform::toCp1252(text), bytes);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = platform::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(platform::toCp1252(text), all);
    }

    void unmappable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("math sign") << QString::fromUtf16(u"5 \u2265 3") << QByteArray("5 ? 3");
        QTest::newRow("C1 control that is a character in the code page") << QString(QChar(0x0080)) << QByteArray("?");
        QTest::newRow("greek") << QString::fromUtf16(u"\u03A9") << QByteArray("?");
        QTest::newRow("outside the basic plane is one character") << QString::fromUtf16(u"a\U0001F525b")
                                                                  << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }

    void unmappable()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(platform::toCp1252(text), bytes);
    }
};

QTEST_GUILESS_MAIN(TestCodePage1252)
#include "tst_codepage1252.moc"
