// The bounds-checked reader over the receive buffers.
#include <RecordReader.h>

#include <QTest>

class TestRecordReader : public QObject
{
    Q_OBJECT

private slots:
    void payloadBytes_data();
    void payloadBytes();
    void texts_data();
    void texts();
    void displayBufferOffsets();
};

// A 257-byte receive buffer whose byte i holds i (mod 256), so that each
// read names the index it came from.
static LinkSession countingSession()
{
    LinkSession s;
    for (int i = 0; i < LinkSession::ReceiveBufferSize; ++i)
        s.ReceiveBuffer[size_t(i)] = quint8(i);
    for (int i = 0; i < LinkSession::DisplayBufferSize; ++i)
        s.DisplayBuffer[size_t(i)] = quint8(0xFF - (i & 0xFF));
    return s;
}

void TestRecordReader::payloadBytes_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("be16");

    // payload byte k is buffer byte 2+k
    QTest::newRow("first payload byte") << 0 << 0x02 << 0x0203;
    QTest::newRow("inside") << 11 << 0x0D << 0x0D0E;
    QTest::newRow("next to last: Be16 of the last two") << 253 << 0xFF << 0xFF00;
    QTest::newRow("last byte of the buffer: low byte past the end is 0") << 254 << 0x00 << 0x0000;
    QTest::newRow("just past the end") << 255 << 0 << 0;
    QTest::newRow("far past the end") << 100000 << 0 << 0;
    QTest::newRow("before the payload: the code byte") << -1 << 0x01 << 0x0102;
    QTest::newRow("before the buffer") << -3 << 0 << 0x0000;
}

void TestRecordReader::payloadBytes()
{
    QFETCH(int, k);
    QFETCH(int, p);
    QFETCH(int, be16);
    const LinkSession s = countingSession();
    const RecordReader r = RecordReader::receive(s);
    QCOMPARE(int(r.p(k)), p);
    QCOMPARE(int(r.Be16(k)), be16);
}

void TestRecordReader::texts_data()
{
    QTest::addColumn<QByteArray>("buffer");  // the whole receive buffer from byte 0
    QTest::addColumn<int>("k");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("text at payload 1") << QByteArray::fromHex("0a2500034142435a") << 1 << QByteArray("ABC");
    QTest::newRow("empty text") << QByteArray::fromHex("0a250000") << 0 << QByteArray();
    // length byte 0xFF at payload 250 (buffer 252): only 4 characters remain
    QTest::newRow("text cut at the buffer end")
        << (QByteArray(252, '\0') + QByteArray::fromHex("ff31323334")) << 250 << QByteArray("1234");
    QTest::newRow("length byte is the last byte") << (QByteArray(256, '\0') + QByteArray::fromHex("05")) << 254
                                                  << QByteArray();
    QTest::newRow("length byte past the end") << QByteArray(257, 'x') << 255 << QByteArray();
    QTest::newRow("negative index") << QByteArray(257, 'x') << -1 << QByteArray();
}

void TestRecordReader::texts()
{
    QFETCH(QByteArray, buffer);
    QFETCH(int, k);
    QFETCH(QByteArray, text);
    LinkSession s;
    for (int i = 0; i < buffer.size() && i < LinkSession::ReceiveBufferSize; ++i)
        s.ReceiveBuffer[size_t(i)] = quint8(buffer.at(i));
    QCOMPARE(RecordReader::receive(s).text(k), text);
}

void TestRecordReader::displayBufferOffsets()
{
    const LinkSession s = countingSession();
    const RecordReader r = RecordReader::display(s);
    QCOMPARE(int(r.node()), 0xFF - 4);
    QCOMPARE(int(r.code()), 0xFF - 5);
    QCOMPARE(int(r.p(0)), 0xFF - 6);
    QCOMPARE(int(r.p(254)), 0xFB); // buffer byte 260
    QCOMPARE(int(r.p(255)), 0);
    QCOMPARE(r.payloadCapacity(), 255);
    QCOMPARE(r.bytes(253, 10), QByteArray::fromHex("fcfb"));
}

QTEST_GUILESS_MAIN(TestRecordReader)
#include "tst_recordreader.moc"
