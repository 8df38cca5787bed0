// Field formatters: bit texts, configuration texts, node addresses, payload
// texts read from hand-written records (also past the end of the buffer),
// and the scrolling of the grid.

#include "RetrievalFixtures.h"

#include <Formatters.h>

#include <QtTest>

using namespace formatters;

class TestFormatters : public QObject
{
    Q_OBJECT

private slots:
    void enDisText_data();
    void enDisText();
    void configurationTexts_data();
    void configurationTexts();
    void mulLevelText();
    void nodeAddressText_data();
    void nodeAddressText();
    void payloadTexts_data();
    void payloadTexts();
    void textsEndAtTheBufferEnd();
    void showRetrievalRow_data();
    void showRetrievalRow();
    void numbers();
};

void TestFormatters::enDisText_data()
{
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x03 & 0x11") << 0x03 << 0x11 << "DIS";
    QTest::newRow("0x11 & 0x11") << 0x11 << 0x11 << "EN";
    QTest::newRow("0x00 & 0x00") << 0x00 << 0x00 << "EN";
    QTest::newRow("0xFF & 0x00") << 0xFF << 0x00 << "EN";
    QTest::newRow("0x01 & 0x01") << 0x01 << 0x01 << "EN";
    QTest::newRow("0xFE & 0x01") << 0xFE << 0x01 << "DIS";
}

void TestFormatters::enDisText()
{
    QFETCH(int, b);
    QFETCH(int, mask);
    QFETCH(QString, text);
    QCOMPARE(EnDisText(quint8(b), quint8(mask)), text);
}

void TestFormatters::configurationTexts_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("contact");
    QTest::addColumn<QString>("aspDelay");
    QTest::newRow("0x00") << 0x00 << "" << "N/O" << "1";
    QTest::newRow("0x0A") << 0x0A << "Input" << "N/C" << "1";
    QTest::newRow("0x21") << 0x21 << "Fast Input" << "N/O" << "2";
    QTest::newRow("0x45") << 0x45 << "Auto Fire" << "N/O" << "4";
    QTest::newRow("0x66") << 0x66 << "HMO" << "N/O" << "8";
    QTest::newRow("0x9F") << 0x9F << "" << "N/C" << "12";
    QTest::newRow("0xA3") << 0xA3 << "MCP" << "N/O" << "24";
    QTest::newRow("0xBC") << 0xBC << "MCPW" << "N/C" << "24";
    QTest::newRow("0xC0") << 0xC0 << "" << "N/O" << "";
    QTest::newRow("0xFF") << 0xFF << "" << "N/C" << "";
}

void TestFormatters::configurationTexts()
{
    QFETCH(int, c);
    QFETCH(QString, config);
    QFETCH(QString, contact);
    QFETCH(QString, aspDelay);
    QCOMPARE(SensorConfigText(quint8(c)), config);
    QCOMPARE(ContactTypeText(quint8(c)), contact);
    QCOMPARE(AspDelayText(quint8(c)), aspDelay);
}

void TestFormatters::mulLevelText()
{
    const QStringList expected = {"", "1(MUL(High))", "2(OPT)", "3(MUL(Normal))", "4(DUAL)", "5(TEMP)", "", ""};
    for (int level = 0; level < expected.size(); ++level)
        QCOMPARE(MulLevelText(level), expected.at(level));
    QCOMPARE(MulLevelText(15), QString());
}

void TestFormatters::nodeAddressText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("text");
    QTest::newRow("15/15 0x35") << 0 << 0x35 << "12/5";
    QTest::newRow("15/15 0x10") << 0 << 0x10 << "8/0";
    QTest::newRow("15/15 0xFF") << 0 << 0xFF << "15/15";
    QTest::newRow("7/31 0x21") << 1 << 0x21 << "4/1";
    QTest::newRow("7/31 0xDF") << 1 << 0xDF << "3/31";
    QTest::newRow("31/7 0xFF") << 2 << 0xFF << "31/7";
    QTest::newRow("31/7 0x09") << 2 << 0x09 << "16/1";
    QTest::newRow("global 7") << 3 << 7 << "0/7";
    QTest::newRow("mode 4 42") << 4 << 42 << "0/42";
    QTest::newRow("global 200 cut to two characters") << 3 << 200 << "0/20";
    QTest::newRow("mode 9") << 9 << 5 << "0/5";
}

void TestFormatters::nodeAddressText()
{
    QFETCH(int, mode);
    QFETCH(int, node);
    QFETCH(QString, text);
    QCOMPARE(NodeAddressText(mode, quint8(node)), text);
}

void TestFormatters::payloadTexts_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("k");
    QTest::addColumn<QByteArray>("pair");
    QTest::addColumn<int>("next");
    // Text pair at 6: lengths and characters, then the byte after it.
    QTest::newRow("two texts") << QByteArray::fromHex("000000000000" "03414243" "024445" "77") << 6
                               << QByteArray("ABC    DE") << 13;
    QTest::newRow("two empty texts") << QByteArray::fromHex("000000000000" "00" "00" "77") << 6
                                     << QByteArray("    ") << 8;
    QTest::newRow("first empty") << QByteArray::fromHex("00" "00" "0258" "59") << 1 << QByteArray("    XY") << 5;
    QTest::newRow("blanks kept") << QByteArray::fromHex("02" "2041" "022020") << 0 << QByteArray(" A      ") << 6;
}

void TestFormatters::payloadTexts()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, k);
    QFETCH(QByteArray, pair);
    QFETCH(int, next);
    LinkSession session;
    loadReply(session, 7, payload);
    const RecordReader r = RecordReader::receive(session);
    QCOMPARE(ReadPayloadTextPair(r, k), pair);
    QCOMPARE(TextPairEnd(r, k), next);
    // The first text alone, by its first character.
    QCOMPARE(ReadPayloadText(r, k + 1), pair.left(r.p(k)));
}

void TestFormatters::textsEndAtTheBufferEnd()
{
    LinkSession session;
    // Earlier bytes fill the buffer; the record claims 255 characters at p[250].
    session.ReceiveBuffer.fill('z');
    QByteArray payload(251, '\0');
    payload[250] = char(0xFF);
    loadReply(session, 9, payload);
    const RecordReader r = RecordReader::receive(session);
    // Payload bytes 251 to 254 are all the buffer holds after the length byte.
    QCOMPARE(ReadPayloadText(r, 251), QByteArray("zzzz"));
    // A pair whose first length runs past the end: the second length reads 0.
    QCOMPARE(ReadPayloadTextPair(r, 250), QByteArray("zzzz    "));
    // Beyond the buffer altogether.
    QCOMPARE(ReadPayloadText(r, 300), QByteArray());
    QCOMPARE(ReadPayloadTextPair(r, 400), QByteArray("    "));
}

void TestFormatters::showRetrievalRow_data()
{
    QTest::addColumn<int>("visible");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top");
    QTest::newRow("row in view") << 10 << 5 << 1;
    QTest::newRow("last visible row") << 10 << 10 << 1;
    QTest::newRow("one below") << 10 << 11 << 2;
    QTest::newRow("far below") << 10 << 500 << 491;
}

void TestFormatters::showRetrievalRow()
{
    QFETCH(int, visible);
    QFETCH(int, row);
    QFETCH(int, top);
    MemoryRetrievalGrid grid(visible);
    grid.setRowCount(2001);
    ShowRetrievalRow(grid, row);
    QCOMPARE(grid.topRow(), top);
}

void TestFormatters::numbers()
{
    QCOMPARE(Be16(0x01, 0x02), quint16(258));
    QCOMPARE(Be16(0xFF, 0xFF), quint16(65535));
    QCOMPARE(SplitNibbles(0x21), std::make_pair(2, 1));
    QCOMPARE(SplitNibbles(0xF0), std::make_pair(15, 0));
}

QTEST_GUILESS_MAIN(TestFormatters)
#include "tst_formatters.moc"
