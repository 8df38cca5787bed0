// Frames on the panel link: check value, stuffing, the checks a received
// frame must pass, and the cutting of a byte stream into frames. The frames
// below were written out by hand from the protocol description.

#include "LinkFrame.h"

#include <QtTest>

using namespace panelsim;

Q_DECLARE_METATYPE(panelsim::FrameError)

namespace {
LinkFrame makeFrame(quint8 type, quint8 rp, quint8 de, quint8 so, quint8 ms, const QByteArray &data = {})
{
    LinkFrame f;
    f.type = type;
    f.rp = rp;
    f.de = de;
    f.so = so;
    f.ms = ms;
    f.data = data;
    return f;
}
} // namespace

class TestLinkFrame : public QObject
{
    Q_OBJECT
private slots:
    void checkValue();
    void encodeMatchesWire_data();
    void encodeMatchesWire();
    void decodeRejects_data();
    void decodeRejects();
    void payloadLimits();
    void splitter_data();
    void splitter();
    void splitterDropsRunawayFrame();
};

void TestLinkFrame::checkValue()
{
    // CRC-16/CCITT-FALSE check value, and the empty input leaves the initial value.
    QCOMPARE(crc16CcittFalse(QByteArray("123456789")), quint16(0x29B1));
    QCOMPARE(crc16CcittFalse(QByteArray()), quint16(0xFFFF));
}

void TestLinkFrame::encodeMatchesWire_data()
{
    QTest::addColumn<LinkFrame>("frame");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("command of the protocol example")
        << makeFrame(0x51, 5, 1, 7, 0x86, QByteArray::fromHex("00")) << QByteArray::fromHex("025105010786005a6903");
    QTest::newRow("its acknowledgement")
        << makeFrame(0x41, 5, 7, 1, 0x86) << QByteArray::fromHex("024105070186519f03");
    QTest::newRow("sequence 2 is stuffed")
        << makeFrame(0x51, 2, 1, 7, 0x86, QByteArray::fromHex("00")) << QByteArray::fromHex("02511022010786003dbd03");
    QTest::newRow("payload 10 02 10 03, stuffed, CRC stuffed too")
        << makeFrame(0x51, 3, 1, 7, 0x10, QByteArray::fromHex("01021003"))
        << QByteArray::fromHex("02511023010710300110221030102368bd03");
    QTest::newRow("ack whose CRC high byte is 0x10")
        << makeFrame(0x41, 3, 7, 1, 0x10) << QByteArray::fromHex("0241102307011030957903");
    QTest::newRow("reply with payload")
        << makeFrame(0x52, 1, 7, 1, 0x06, QByteArray::fromHex("7f08")) << QByteArray::fromHex("0252010701067f0804b503");
    QTest::newRow("repetition sets bit 7")
        << makeFrame(0x52, 0x81, 7, 1, 0x06, QByteArray::fromHex("7f08")) << QByteArray::fromHex("0252810701067f08d09503");
    QTest::newRow("watchdog poll, RP 3 stuffed")
        << makeFrame(0x57, 3, 0, 7, 0) << QByteArray::fromHex("0257102300070061a103");
    QTest::newRow("initialisation request")
        << makeFrame(0x49, 1, 0, 7, 0) << QByteArray::fromHex("024901000700473b03");
}

void TestLinkFrame::encodeMatchesWire()
{
    QFETCH(LinkFrame, frame);
    QFETCH(QByteArray, wire);
    QCOMPARE(encodeFrame(frame).toHex(' '), wire.toHex(' '));
    const DecodeResult back = decodeFrame(wire);
    QCOMPARE(back.error, FrameError::None);
    QCOMPARE(back.frame, frame);
}

void TestLinkFrame::decodeRejects_data()
{
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<FrameError>("error");

    QTest::newRow("CRC low byte wrong") << QByteArray::fromHex("025105010786005a6803") << FrameError::BadCrc;
    QTest::newRow("payload byte changed") << QByteArray::fromHex("025105010786015a6903") << FrameError::BadCrc;
    QTest::newRow("DLE followed by 0x41") << QByteArray::fromHex("02511041010786003dbd03") << FrameError::BadEscape;
    QTest::newRow("DLE as last byte") << QByteArray::fromHex("025105010786005a691003") << FrameError::BadEscape;
    QTest::newRow("unstuffed 0x10 in body") << QByteArray::fromHex("02511001078600aaaa03") << FrameError::BadEscape;
    QTest::newRow("body of six bytes") << QByteArray::fromHex("0251050107861103") << FrameError::TooShort;
    QTest::newRow("only STX ETX") << QByteArray::fromHex("0203") << FrameError::TooShort;
    QTest::newRow("unknown type 0x58 with good CRC") << QByteArray::fromHex("0258010107862f4e03") << FrameError::UnknownType;
    QTest::newRow("no ETX") << QByteArray::fromHex("025105010786005a69") << FrameError::NotFramed;
    QTest::newRow("no STX") << QByteArray::fromHex("5105010786005a6903") << FrameError::NotFramed;
    QTest::newRow("bare STX inside") << QByteArray::fromHex("025102010786005a6903") << FrameError::NotFramed;
    QTest::newRow("empty") << QByteArray() << FrameError::NotFramed;
}

void TestLinkFrame::decodeRejects()
{
    QFETCH(QByteArray, wire);
    QFETCH(FrameError, error);
    QCOMPARE(decodeFrame(wire).error, error);
}

void TestLinkFrame::payloadLimits()
{
    // 255 payload bytes is the longest frame; the receiver refuses 256, even
    // with a correct CRC.
    LinkFrame longest = makeFrame(0x52, 1, 7, 1, 0x1C, QByteArray(255, char(0x10)));
    const QByteArray wire = encodeFrame(longest);
    // STX, five header bytes, 255 payload bytes each stuffed to two, the CRC
    // (two or more bytes), ETX.
    QVERIFY(wire.size() >= 1 + 5 + 510 + 2 + 1 && wire.size() <= kMaxWireFrame);
    const DecodeResult ok = decodeFrame(wire);
    QCOMPARE(ok.error, FrameError::None);
    QCOMPARE(ok.frame.data.size(), 255);

    QByteArray body = QByteArray::fromHex("520107011c") + QByteArray(256, char(0x55));
    const quint16 crc = crc16CcittFalse(body);
    body.append(char(crc >> 8));
    body.append(char(crc & 0xFF));
    QByteArray tooLong = char(kStx) + body + char(kEtx);
    // Keep the check honest: the CRC bytes must not need stuffing here.
    QVERIFY(!body.endsWith('\x02') && !body.endsWith('\x03') && !body.endsWith('\x10'));
    QCOMPARE(decodeFrame(tooLong).error, FrameError::TooLong);
}

void TestLinkFrame::splitter_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("frames");

    const QByteArray cmd = QByteArray::fromHex("025105010786005a6903");
    const QByteArray ack = QByteArray::fromHex("024105070186519f03");

    QTest::newRow("one frame") << QList<QByteArray>{cmd} << QList<QByteArray>{cmd};
    QTest::newRow("noise before and between")
        << QList<QByteArray>{QByteArray::fromHex("ff00") + cmd + QByteArray("+++") + ack}
        << QList<QByteArray>{cmd, ack};
    QTest::newRow("split over byte-sized chunks")
        << [&] {
               QList<QByteArray> bytes;
               for (char c : cmd)
                   bytes.append(QByteArray(1, c));
               return bytes;
           }()
        << QList<QByteArray>{cmd};
    QTest::newRow("STX inside restarts the frame")
        << QList<QByteArray>{QByteArray::fromHex("02510501") + cmd} << QList<QByteArray>{cmd};
    QTest::newRow("ETX without STX is noise") << QList<QByteArray>{QByteArray::fromHex("0303")} << QList<QByteArray>{};
    QTest::newRow("unfinished frame stays pending") << QList<QByteArray>{cmd.left(6)} << QList<QByteArray>{};
}

void TestLinkFrame::splitter()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, frames);
    FrameSplitter splitter;
    QList<QByteArray> got;
    for (const QByteArray &c : chunks)
        got += splitter.feed(c);
    QCOMPARE(got, frames);
}

void TestLinkFrame::splitterDropsRunawayFrame()
{
    // A frame that never ends is given up at the longest possible length,
    // and the frame after it is still found.
    FrameSplitter splitter;
    QVERIFY(splitter.feed(char(kStx) + QByteArray(kMaxWireFrame + 10, 'x')).isEmpty());
    QCOMPARE(splitter.discarded(), qint64(kMaxWireFrame + 11));
    const QByteArray ack = QByteArray::fromHex("024105070186519f03");
    QCOMPARE(splitter.feed(ack), QList<QByteArray>{ack});
}

QTEST_GUILESS_MAIN(TestLinkFrame)
#include "tst_linkframe.moc"
