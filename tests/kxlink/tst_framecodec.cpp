// The frame codec against frames written out by hand: CRC, stuffing, and the
// receiver's checks and resynchronisation.
#include "FrameCodec.h"

#include "ReferenceFrame.h"

#include <QtTest>

using namespace kxlink;

namespace {

using kxtest::referenceCrc;
using kxtest::referenceFrame;

struct Parsed
{
    QList<QByteArray> bodies;
    QByteArray outside;
};

Parsed parseAll(FrameParser &parser, const QByteArray &stream)
{
    Parsed result;
    for (char c : stream) {
        switch (parser.push(quint8(c))) {
        case FrameParser::Complete:
            result.bodies.append(QByteArray(reinterpret_cast<const char *>(parser.body()), parser.bodyLength()));
            break;
        case FrameParser::Outside:
            result.outside.append(c);
            break;
        case FrameParser::Pending:
            break;
        }
    }
    return result;
}

} // namespace

class TestFrameCodec : public QObject
{
    Q_OBJECT

private slots:
    void crc_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("crc");
        QTest::newRow("check value") << QByteArray("123456789") << 0x29B1;
        QTest::newRow("nothing") << QByteArray() << 0xFFFF;
        QTest::newRow("command header") << QByteArray::fromHex("5101010786") << 0x8732;
        QTest::newRow("acknowledgement") << QByteArray::fromHex("4101070186") << 0x9B6E;
        QTest::newRow("crc high byte 0x10") << QByteArray::fromHex("5101020703104f") << 0x103E;
    }

    void crc()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, crc);
        QCOMPARE(int(referenceCrc(data)), crc);   // the fixture itself
        QCOMPARE(int(crc16(reinterpret_cast<const quint8 *>(data.constData()), data.size())), crc);
        // Feeding in two pieces gives the same result.
        const qsizetype half = data.size() / 2;
        const quint16 first = crc16(reinterpret_cast<const quint8 *>(data.constData()), half);
        QCOMPARE(int(crc16(reinterpret_cast<const quint8 *>(data.constData()) + half, data.size() - half, first)), crc);
    }

    void encode_data()
    {
        QTest::addColumn<QByteArray>("head");      // TP RP DE SO MS
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QByteArray>("plain");

        QTest::newRow("command without payload")
            << QByteArray::fromHex("5101010786") << QByteArray()
            << QByteArray::fromHex("025101010786873203") << QByteArray::fromHex("025101010786873203");
        QTest::newRow("command 0x86 with payload 00")
            << QByteArray::fromHex("5101010786") << QByteArray::fromHex("00")
            << QByteArray::fromHex("02510101078600d36f03") << QByteArray::fromHex("02510101078600d36f03");
        QTest::newRow("repetition sets bit 7")
            << QByteArray::fromHex("5181010786") << QByteArray::fromHex("00")
            << QByteArray::fromHex("02518101078600f1bf03") << QByteArray::fromHex("02518101078600f1bf03");
        QTest::newRow("header and payload stuffed, crc high 0x10")
            << QByteArray::fromHex("5101020703") << QByteArray::fromHex("104f")
            << QByteArray::fromHex("025101102207102310304f10303e03") << QByteArray::fromHex("025101020703104f103e03");
        QTest::newRow("crc high byte 0x02")
            << QByteArray::fromHex("5101020703") << QByteArray::fromHex("105f")
            << QByteArray::fromHex("025101102207102310305f10220f03") << QByteArray::fromHex("025101020703105f020f03");
        QTest::newRow("crc low byte 0x03")
            << QByteArray::fromHex("5101020703") << QByteArray::fromHex("10db")
            << QByteArray::fromHex("02510110220710231030dbd3102303") << QByteArray::fromHex("02510102070310dbd30303");
        QTest::newRow("sequence number 2 stuffed")
            << QByteArray::fromHex("5102010787") << QByteArray()
            << QByteArray::fromHex("025110220107870ccf03") << QByteArray::fromHex("0251020107870ccf03");
        QTest::newRow("acknowledgement")
            << QByteArray::fromHex("4101070186") << QByteArray()
            << QByteArray::fromHex("0241010701869b6e03") << QByteArray::fromHex("0241010701869b6e03");
    }

    void encode()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, wire);
        QFETCH(QByteArray, plain);
        const FrameHeader header{quint8(head[0]), quint8(head[1]), quint8(head[2]), quint8(head[3]), quint8(head[4])};
        QByteArray gotWire;
        QByteArray gotPlain;
        encodeFrame(header, reinterpret_cast<const quint8 *>(payload.constData()), int(payload.size()), &gotWire,
                    &gotPlain);
        QCOMPARE(gotWire.toHex(' '), wire.toHex(' '));
        QCOMPARE(gotPlain.toHex(' '), plain.toHex(' '));
        QCOMPARE(referenceFrame(head + payload).toHex(' '), wire.toHex(' '));
    }

    void largestPayloadRoundTrip()
    {
        // 255 payload bytes, every one of them needing a DLE.
        QByteArray payload;
        for (int i = 0; i < 255; ++i)
            payload.append(char(QByteArray::fromHex("020310")[i % 3]));
        QByteArray wire;
        encodeFrame(FrameHeader{'R', 0x10, 0x07, 0x02, 0x03}, reinterpret_cast<const quint8 *>(payload.constData()),
                    255, &wire);
        QCOMPARE(wire, referenceFrame(QByteArray::fromHex("5210070203") + payload));
        FrameParser parser;
        const Parsed parsed = parseAll(parser, wire);
        QCOMPARE(parsed.bodies.size(), 1);
        QCOMPARE(parser.payloadLength(), 255);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(parser.payload()), 255), payload);
        const FrameHeader h = parser.header();
        QCOMPARE(h.type, quint8('R'));
        QCOMPARE(h.rp, quint8(0x10));
        QCOMPARE(h.de, quint8(0x07));
        QCOMPARE(h.so, quint8(0x02));
        QCOMPARE(h.ms, quint8(0x03));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<QByteArray>>("bodies");   // unstuffed TP..CRC of the frames delivered
        QTest::addColumn<QByteArray>("outside");         // bytes reported as outside any frame

        const QByteArray reply = QByteArray::fromHex("0252010701060a1030602003");
        const QByteArray replyBody = QByteArray::fromHex("52010701060a106020");
        const QByteArray sentinel = QByteArray::fromHex("025501070942065303");
        const QByteArray sentinelBody = QByteArray::fromHex("55010709420653");
        using L = QList<QByteArray>;

        QTest::newRow("one frame") << reply << L{replyBody} << QByteArray();
        QTest::newRow("stuffed payload and crc")
            << QByteArray::fromHex("02521022070125251023102210308c9b03")
            << L{QByteArray::fromHex("5202070125250302108c9b")} << QByteArray();
        QTest::newRow("noise before a frame")
            << QByteArray::fromHex("ff00410d0a03") + reply << L{replyBody} << QByteArray::fromHex("ff00410d0a03");
        QTest::newRow("truncated frame, then a good one")
            << QByteArray::fromHex("0252010701060a") + reply << L{replyBody} << QByteArray();
        QTest::newRow("truncated in an escape, then a good one")
            << QByteArray::fromHex("0252010701060a10") + reply << L{replyBody} << QByteArray();
        QTest::newRow("corrupted payload byte")
            << QByteArray::fromHex("0252010701060b1030602003") + sentinel << L{sentinelBody} << QByteArray();
        QTest::newRow("corrupted crc")
            << QByteArray::fromHex("0252010701060a1030602103") + sentinel << L{sentinelBody} << QByteArray();
        QTest::newRow("invalid escape, rest is noise")
            << QByteArray::fromHex("0252010701104160200d03") + sentinel << L{sentinelBody}
            << QByteArray::fromHex("4160200d03");
        QTest::newRow("escape then end")
            << QByteArray::fromHex("025201070106101003") + sentinel << L{sentinelBody} << QByteArray::fromHex("1003");
        QTest::newRow("body too short for a header")
            << referenceFrame(QByteArray::fromHex("41010701")) + sentinel << L{sentinelBody} << QByteArray();
        QTest::newRow("unknown type")
            << QByteArray::fromHex("025801070142ae8003") + sentinel << L{sentinelBody} << QByteArray();
        QTest::newRow("payload of 256 bytes")
            << referenceFrame(QByteArray::fromHex("5201070106") + QByteArray(256, 'x')) + sentinel
            << L{sentinelBody} << QByteArray("*");
        QTest::newRow("two frames back to back") << reply + sentinel << L{replyBody, sentinelBody} << QByteArray();
        QTest::newRow("empty frame") << QByteArray::fromHex("0203") + sentinel << L{sentinelBody} << QByteArray();
    }

    void parse()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<QByteArray>, bodies);
        QFETCH(QByteArray, outside);
        FrameParser parser;
        const Parsed parsed = parseAll(parser, stream);
        QCOMPARE(parsed.bodies.size(), bodies.size());
        for (qsizetype i = 0; i < bodies.size(); ++i)
            QCOMPARE(parsed.bodies[i].toHex(' '), bodies[i].toHex(' '));
        // "*": the tail of a dropped frame depends on its CRC; not compared.
        if (outside != "*")
            QCOMPARE(parsed.outside.toHex(' '), outside.toHex(' '));
        QVERIFY(!parser.inFrame());
    }

    void parseByteByByteEqualsWhole()
    {
        // The parser keeps no state beyond one frame: splitting the stream
        // anywhere must not change the result.
        const QByteArray stream = QByteArray::fromHex("ff02520107010602521022070125251023102210308c9b03aa"
                                                      "025501070942065303");
        for (qsizetype cut = 0; cut <= stream.size(); ++cut) {
            FrameParser parser;
            Parsed a = parseAll(parser, stream.left(cut));
            const Parsed b = parseAll(parser, stream.mid(cut));
            a.bodies.append(b.bodies);
            QCOMPARE(a.bodies.size(), 2);
            QCOMPARE(a.bodies[0].toHex(), QByteArray("520207012525030210" "8c9b"));
        }
    }
};

QTEST_GUILESS_MAIN(TestFrameCodec)
#include "tst_framecodec.moc"
