// The library through its C functions, against a panel played by the test on
// a pseudo-terminal (and one TCP connection). Every frame the panel sends or
// expects is written out by hand from the link protocol; the station's own
// node is 7, the panels are nodes 1, 2 and 9, the line runs at 115200 baud
// (acknowledgement time 112 ms), and VELMORA_TIMER_SCALE = 0.05 makes the
// watchdog silence 100 ms, the modem guard times 50 ms and the modem check
// time-out 100 ms.
#include "kxlink.h"

#include "Posting.h"
#include "TestPanel.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include "ReferenceFrame.h"

#include <QtTest>

#include <memory>

namespace {

using platform::WindowMessage;

class Recorder : public platform::MessageWindow
{
public:
    QList<WindowMessage> messages;

protected:
    void windowMessage(const WindowMessage &message) override { messages.append(message); }
};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray shortText(const QByteArray &text)
{
    return char(text.size()) + text;
}

const quint8 *bytes(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

using kxtest::referenceCrc;
using kxtest::referenceFrame;

// Frames used in many tests.
const char kCommandSeq1[] = "02510101078600d36f03";      // Q seq 1, panel 1, code 0x86, payload 00
const char kCommandSeq1Repeat[] = "02518101078600f1bf03";
const char kAckCommandSeq1[] = "0241010701869b6e03";     // panel 1 acknowledges it
const char kReply[] = "0252010701060a1030602003";         // R seq 1 from panel 1, code 6, payload 0a 10
const char kAckReply[] = "02410101070612e003";
const char kUnsolicited5[] = "02550507011c01102215ee03";  // U seq 5 from panel 1, code 0x1c, payload 01 02
const char kAckUnsolicited5[] = "02410501071c6b6a03";
const char kSentinel[] = "025501070942065303";           // U seq 1 from panel 9, code 0x42
const char kAckSentinel[] = "024101090742b30103";
const char kInitRequest[] = "024901000700473b03";
const char kInitRequestRepeat[] = "0249810007009a102303";
const char kAckSeq1FromNode0[] = "024101070000591103";     // acknowledges I or W, sequence 1

constexpr quint32 kPort = 3;

} // namespace

class TestKxLink : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_windir;
    Recorder m_window;
    std::unique_ptr<TestPanel> m_panel;
    QMap<int, QString> m_portMap;

    void writePortMap()
    {
        QFile file(m_windir.filePath(QStringLiteral("KXPORTS.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray text = "[Ports]\r\n";
        for (auto it = m_portMap.cbegin(); it != m_portMap.cend(); ++it)
            text += QByteArray::number(it.key()) + '=' + it.value().toLocal8Bit() + "\r\n";
        file.write(text);
    }

    void mapPort(int port, const QString &target)
    {
        m_portMap[port] = target;
        writePortMap();
    }

    // A fresh panel on the pseudo-terminal mapped to port 3; the port open,
    // its first line signals checked, the messages so far forgotten.
    void openPanel()
    {
        m_panel = std::make_unique<TestPanel>();
        QVERIFY(m_panel->isOpen());
        mapPort(kPort, m_panel->devicePath());
        QCOMPARE(OpenComPort(kPort, 115200, 8, 1, 0), uint8_t(1));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        m_window.messages.clear();
    }

    QList<WindowMessage> messagesOf(quint32 message) const
    {
        QList<WindowMessage> found;
        for (const WindowMessage &m : m_window.messages)
            if (m.message == message)
                found.append(m);
        return found;
    }

    bool has(quint32 message) const { return !messagesOf(message).isEmpty(); }

    QList<int> states() const
    {
        QList<int> found;
        for (const WindowMessage &m : messagesOf(KX_MSG_LINK_STATE))
            found.append(int(m.wParam));
        return found;
    }

    // TX RX CTS DCD DSR RI of the last line-signal record, as hex.
    QByteArray lastSignals() const
    {
        const QList<WindowMessage> found = messagesOf(KX_MSG_LINE_SIGNALS);
        return found.isEmpty() ? QByteArray("none") : found.last().bytes.toHex(' ');
    }

    // Texts of the short-text messages of one kind.
    QList<QByteArray> texts(quint32 message) const
    {
        QList<QByteArray> found;
        for (const WindowMessage &m : messagesOf(message)) {
            if (m.bytes.isEmpty() || quint8(m.bytes[0]) != m.bytes.size() - 1)
                found.append("malformed short text " + m.bytes.toHex(' '));
            else
                found.append(m.bytes.mid(1));
        }
        return found;
    }

    // Records and the states after them: "0d 01 06 02 0a 10", "04 4", "0c ...".
    QStringList deliveries() const
    {
        QStringList found;
        for (const WindowMessage &m : m_window.messages) {
            if (m.message == KX_MSG_REPLY || m.message == KX_MSG_UNSOLICITED)
                found << QStringLiteral("%1 %2").arg(m.message - KX_WM_USER, 2, 16, QLatin1Char('0'))
                             .arg(QString::fromLatin1(m.bytes.toHex(' ')));
            else if (m.message == KX_MSG_LINK_STATE)
                found << QStringLiteral("04 %1").arg(m.wParam);
        }
        return found;
    }

    uint8_t command(const QByteArray &record) { return UserCommand(bytes(record)); }

    // Dials, answers "CONNECT" and acknowledges the initialisation request
    // that follows: a modem call is up.
    void bringCallUp()
    {
        SendToModem(bytes(shortText("ATD1")));
        QCOMPARE(m_panel->takeBytes(5), QByteArray("ATD1\r"));
        m_panel->write("\r\nCONNECT 9600\r\n");
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kInitRequest).toHex(' '));
        m_panel->write(hex(kAckSeq1FromNode0));
        QTRY_VERIFY(has(KX_MSG_LINK_READY));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        m_window.messages.clear();
    }

private slots:
    void initTestCase()
    {
        // Before LoadDll every call is refused or ignored.
        const QByteArray record = hex("01860100");
        QCOMPARE(UserCommand(bytes(record)), uint8_t(0));
        QCOMPARE(OpenComPort(kPort, 9600, 8, 1, 0), uint8_t(0));
        QCOMPARE(OwnNodeID(0, 0, 7), uint8_t(0));
        CloseComPort();
        HangUpModem();
        CheckForModem();
        SendToModem(bytes(shortText("AT")));
        UnloadDll();

        QVERIFY(m_windir.isValid());
        qputenv("VELMORA_WINDIR", m_windir.path().toLocal8Bit());
        LoadDll();
        LoadDll();   // a second load changes nothing
        CurrentWindow(m_window.windowHandle());
    }

    void cleanupTestCase()
    {
        CloseComPort();
        UnloadDll();
        UnloadDll();
    }

    void init()
    {
        QCOMPARE(OwnNodeID(0, 0, 7), uint8_t(1));
        openPanel();
    }

    void cleanup()
    {
        CloseComPort();
        DisableWatchDogs();
        SetModemEscSequence(bytes(shortText("+++")));
        SetModemHangUpCmd(bytes(shortText("ATH0")));
        m_panel.reset();
        QCoreApplication::sendPostedEvents();
        m_window.messages.clear();
    }

    void ownNodeId_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("id");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<QByteArray>("frame");   // the next command as it goes out

        QTest::newRow("15/15, node 33") << 0u << 0x21u << 1 << hex("02510101218600e70903");
        QTest::newRow("7/31, node 254") << 1u << 254u << 1 << hex("02510101fe8600aeac03");
        QTest::newRow("mode 3, node 1") << 3u << 1u << 1 << hex("0251010101860061cf03");
        QTest::newRow("mode 4 refused") << 4u << 33u << 0 << hex(kCommandSeq1);
        QTest::newRow("node 0 refused") << 0u << 0u << 0 << hex(kCommandSeq1);
        QTest::newRow("node 255 refused") << 2u << 255u << 0 << hex(kCommandSeq1);
    }

    void ownNodeId()
    {
        QFETCH(uint, mode);
        QFETCH(uint, id);
        QFETCH(int, accepted);
        QFETCH(QByteArray, frame);
        QCOMPARE(int(OwnNodeID(mode, 0, id)), accepted);
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), frame.toHex(' '));
    }

    void openFailures_data()
    {
        QTest::addColumn<uint>("port");
        QTest::addColumn<QString>("target");
        QTest::addColumn<uint>("baud");

        QTest::newRow("port 0") << 0u << QString() << 9600u;
        QTest::newRow("port 100") << 100u << QString() << 9600u;
        QTest::newRow("device missing") << 5u << QStringLiteral("/nonexistent/ttyX") << 9600u;
        QTest::newRow("tcp refused") << 5u << QStringLiteral("tcp://127.0.0.1:1") << 9600u;
        QTest::newRow("tcp without port") << 5u << QStringLiteral("tcp://127.0.0.1") << 9600u;
        QTest::newRow("baud rate 0") << 3u << QString() << 0u;
    }

    void openFailures()
    {
        QFETCH(uint, port);
        QFETCH(QString, target);
        QFETCH(uint, baud);
        if (!target.isEmpty())
            mapPort(int(port), target);
        QCOMPARE(OpenComPort(port, baud, 8, 1, 0), uint8_t(0));
        // The port that was open is closed first, and nothing is admitted now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
        QCOMPARE(command(hex("01860100")), uint8_t(0));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!has(KX_MSG_LINK_STATE));
        // And the next opening works.
        QCOMPARE(OpenComPort(kPort, 115200, 8, 1, 0), uint8_t(1));
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
    }

    void commandOnTheWire_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QByteArray>("plain");

        QTest::newRow("payload 00") << hex("01860100") << hex(kCommandSeq1) << hex(kCommandSeq1);
        QTest::newRow("no payload") << hex("018600") << hex("025101010786873203") << hex("025101010786873203");
        QTest::newRow("three payload bytes to node 5")
            << hex("058103010203") << hex("0251010507810110221023eb8003") << hex("025101050781010203eb8003");
        QTest::newRow("node, code, payload and crc high byte stuffed")
            << hex("020302104f") << hex("025101102207102310304f10303e03") << hex("025101020703104f103e03");
        QTest::newRow("crc low byte stuffed")
            << hex("02030210db") << hex("02510110220710231030dbd3102303") << hex("02510102070310dbd30303");
        // The largest payload, every byte of it escaped on the line.
        const QByteArray payload(255, char(0x10));
        QByteArray plain = hex("0251010107a1") + payload;
        const quint16 crc = referenceCrc(plain.mid(1));
        plain.append(char(crc >> 8)).append(char(crc & 0xFF)).append(char(0x03));
        QTest::newRow("255 payload bytes") << hex("01a1ff") + payload
                                           << referenceFrame(hex("51010107a1") + payload) << plain;
    }

    void commandOnTheWire()
    {
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, wire);
        QFETCH(QByteArray, plain);
        QByteArray buffer = record + QByteArray(8, char(0xEE));
        QCOMPARE(UserCommand(bytes(buffer)), uint8_t(1));
        // The waiting state is posted before UserCommand returns...
        QCoreApplication::sendPostedEvents();
        QVERIFY(!m_window.messages.isEmpty());
        QCOMPARE(m_window.messages.first().message, quint32(KX_MSG_LINK_STATE));
        QCOMPARE(m_window.messages.first().wParam, quintptr(KX_STATE_WAITING_FOR_ACK));
        // ...and the record is read during the call only.
        buffer.fill(char(0xEE));
        QCOMPARE(m_panel->takeFrame().toHex(' '), wire.toHex(' '));
        QTRY_VERIFY(has(KX_MSG_RAW_SENT));
        const WindowMessage sent = messagesOf(KX_MSG_RAW_SENT).first();
        QCOMPARE(sent.bytes.toHex(' '), plain.toHex(' '));
        QCOMPARE(sent.wParam, quintptr(plain.size()));
    }

    void commandExchange()
    {
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        m_panel->write(hex(kAckCommandSeq1) + hex(kReply));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckReply).toHex(' '));
        QTRY_VERIFY(states().contains(KX_STATE_MESSAGE_RECEIVED));
        // Waiting, acknowledged, then the reply before "message received".
        QCOMPARE(deliveries(), QStringList({"04 1", "04 3", "0d 01 06 02 0a 10", "04 4"}));

        // Both received frames for the data scope: port, length, frame.
        const QList<WindowMessage> received = messagesOf(KX_MSG_RAW_RECEIVED);
        QCOMPARE(received.size(), 2);
        QCOMPARE(received[0].bytes.toHex(' '), hex("030009" "0241010701869b6e03").toHex(' '));
        QCOMPARE(received[0].wParam, quintptr(9));
        QCOMPARE(received[1].bytes.toHex(' '), hex("03000b" "0252010701060a106020" "03").toHex(' '));
        QCOMPARE(received[1].wParam, quintptr(11));
        // The command and the acknowledgement of the reply were reported as sent.
        const QList<WindowMessage> sent = messagesOf(KX_MSG_RAW_SENT);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[1].bytes.toHex(' '), hex(kAckReply).toHex(' '));
        QVERIFY(m_panel->pending().isEmpty());
    }

    void panelFrames_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("acks");
        QTest::addColumn<QStringList>("delivered");

        const QByteArray u5 = hex(kUnsolicited5);
        const QByteArray ack5 = hex(kAckUnsolicited5);
        const QString record5 = QStringLiteral("0c 01 1c 02 01 02");

        QTest::newRow("reply") << hex(kReply) << hex(kAckReply) << QStringList{"0d 01 06 02 0a 10", "04 4"};
        QTest::newRow("unsolicited") << u5 << ack5 << QStringList{record5};
        QTest::newRow("reply with stuffed header, payload and crc")
            << hex("02521022070125251023102210308c9b03") << hex("024110220107259d3d03")
            << QStringList{"0d 01 25 04 25 03 02 10", "04 4"};
        QTest::newRow("noise before a frame") << hex("ff00410d0a03") + u5 << ack5 << QStringList{record5};
        QTest::newRow("truncated frame, then a good one") << hex("0252010701060a") + u5 << ack5 << QStringList{record5};
        QTest::newRow("corrupted payload byte") << hex("0252010701060b1030602003") << QByteArray() << QStringList();
        QTest::newRow("corrupted crc") << hex("0252010701060a1030602103") << QByteArray() << QStringList();
        QTest::newRow("invalid escape") << hex("0252010701104160200d03") << QByteArray() << QStringList();
        QTest::newRow("unknown type") << hex("025801070142ae8003") << QByteArray() << QStringList();
        QTest::newRow("acknowledgement matching nothing") << hex("0241330701865aef03") << QByteArray()
                                                          << QStringList();
        QTest::newRow("repetition of the frame delivered last")
            << u5 + hex("02558507011c011022c1ce03") << ack5 + ack5 << QStringList{record5};
        QTest::newRow("same number without repeat bit is a new frame")
            << u5 + u5 << ack5 + ack5 << QStringList{record5, record5};
        QTest::newRow("repetition whose original was lost")
            << hex("02558607011c10231023796d03") << hex("02410601071cf0b603") << QStringList{"0c 01 1c 02 03 03"};
        QTest::newRow("reply with 255 payload bytes")
            << referenceFrame(hex("5201070106") + QByteArray(255, char(0x03))) << hex(kAckReply)
            << QStringList{"0d 01 06 ff " + QString::fromLatin1(QByteArray(255, char(0x03)).toHex(' ')), "04 4"};
        QTest::newRow("numbers are remembered per panel")
            << u5 + hex("0255850710221c0110225a1203") << ack5 + hex("0241051022071c323a03")
            << QStringList{record5, "0c 02 1c 02 01 02"};
    }

    void panelFrames()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, acks);
        QFETCH(QStringList, delivered);
        // A good frame from panel 9 closes every case, so the test knows
        // when the library has seen everything before it.
        m_panel->write(input + hex(kSentinel));
        const QByteArray expected = acks + hex(kAckSentinel);
        QCOMPARE(m_panel->takeBytes(expected.size()).toHex(' '), expected.toHex(' '));
        QTRY_VERIFY(deliveries().contains(QStringLiteral("0c 09 42 00")));
        QCOMPARE(deliveries(), delivered + QStringList{"0c 09 42 00"});
        QVERIFY(m_panel->pending().isEmpty());
    }

    void repetitionAfterLostAck()
    {
        // Times are taken before the cause, so a slow test only lengthens them.
        const qint64 issued = m_panel->now();
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        // No acknowledgement: the same frame again, with the repeat bit.
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1Repeat).toHex(' '));
        QVERIFY2(m_panel->lastArrival() - issued >= 110, "repeated before the acknowledgement time (112 ms)");
        m_panel->write(hex(kAckCommandSeq1));
        QTRY_COMPARE(states(), QList<int>({KX_STATE_WAITING_FOR_ACK, KX_STATE_ACKNOWLEDGED}));
        // The next command has the next number, and nothing came in between.
        QCOMPARE(command(hex("018700")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex("025110220107870ccf03").toHex(' '));
    }

    void neverAcknowledged_data()
    {
        QTest::addColumn<bool>("isCommand");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("repeat");
        QTest::addColumn<QList<int>>("expectedStates");

        QTest::newRow("command") << true << hex(kCommandSeq1) << hex(kCommandSeq1Repeat)
                                 << QList<int>{KX_STATE_WAITING_FOR_ACK, KX_STATE_NO_RESPONSE};
        QTest::newRow("initialisation request") << false << hex(kInitRequest) << hex(kInitRequestRepeat)
                                                << QList<int>{KX_STATE_NO_RESPONSE};
    }

    void neverAcknowledged()
    {
        QFETCH(bool, isCommand);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, repeat);
        QFETCH(QList<int>, expectedStates);
        if (isCommand)
            QCOMPARE(command(hex("01860100")), uint8_t(1));
        else
            SendInitializationRequest();
        QCOMPARE(m_panel->takeFrame().toHex(' '), first.toHex(' '));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(m_panel->takeFrame().toHex(' '), repeat.toHex(' '));
        QTRY_VERIFY(states().contains(KX_STATE_NO_RESPONSE));
        QCOMPARE(states(), expectedStates);
        // Six transmissions in all: nothing more was written.
        QVERIFY(m_panel->pending().isEmpty());
        QVERIFY(!has(KX_MSG_LINK_READY));
    }

    void initialisationRequest()
    {
        // Panel 1's frame number 5 is delivered...
        m_panel->write(hex(kUnsolicited5));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckUnsolicited5).toHex(' '));
        SendInitializationRequest();
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kInitRequest).toHex(' '));
        QCoreApplication::sendPostedEvents();
        QVERIFY(!has(KX_MSG_LINK_READY));
        m_panel->write(hex(kAckSeq1FromNode0));
        QTRY_VERIFY(has(KX_MSG_LINK_READY));
        QVERIFY(states().isEmpty());
        // ...and after the initialisation a repetition of number 5 is new.
        m_panel->write(hex("02558507011c011022c1ce03"));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckUnsolicited5).toHex(' '));
        QTRY_COMPARE(deliveries(), QStringList({"0c 01 1c 02 01 02", "0c 01 1c 02 01 02"}));
    }

    void watchdog()
    {
        const qint64 enabled = m_panel->now();
        EnableWatchDogs();
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex("0257010007008cc903").toHex(' '));
        QVERIFY2(m_panel->lastArrival() - enabled >= 90, "polled before 2000 ms (scaled) of silence");
        const qint64 firstPoll = m_panel->lastArrival();
        m_panel->write(hex(kAckSeq1FromNode0));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex("02571022000700171503").toHex(' '));
        QVERIFY2(m_panel->lastArrival() - firstPoll >= 50, "polled again without a silence");
        // Unanswered: repeated five times, then the panel network counts as gone.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(m_panel->takeFrame().toHex(' '), hex("025782000700ca2d03").toHex(' '));
        QTRY_VERIFY(states().contains(KX_STATE_NO_RESPONSE));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
        QCOMPARE(states(), QList<int>({KX_STATE_NO_RESPONSE}));
        // Polling goes on while enabled; disabled, it stops at once, also
        // the repetitions of a poll under way.
        DisableWatchDogs();
        // Any frame received brings the signals back.
        m_panel->write(hex(kSentinel));
        QByteArray frame = m_panel->takeFrame();
        while (frame.startsWith(hex("0257")))
            frame = m_panel->takeFrame();
        QCOMPARE(frame.toHex(' '), hex(kAckSentinel).toHex(' '));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        // Disabled: no more polls (three silences long).
        QTest::qWait(300);
        QCOMPARE(m_panel->pending().toHex(' '), QByteArray());
    }

    void lineSignalsFollowThePort()
    {
        // Open (checked by openPanel): CTS, DCD, DSR active. A frame is
        // received with RX active, then inactive; an acknowledgement is
        // written with TX active, then inactive.
        m_panel->write(hex(kSentinel));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckSentinel).toHex(' '));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        QList<QByteArray> records;
        for (const WindowMessage &m : messagesOf(KX_MSG_LINE_SIGNALS))
            records.append(m.bytes.toHex(' '));
        QVERIFY(records.contains("00 01 01 01 01 00"));
        QVERIFY(records.contains("01 01 01 01 01 00"));
        CloseComPort();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
    }

    void sendToModem()
    {
        SendToModem(bytes(shortText("ATZ")));
        QCOMPARE(m_panel->takeBytes(4), QByteArray("ATZ\r"));
        QTRY_COMPARE(texts(KX_MSG_MODEM_SENT), QList<QByteArray>({"ATZ"}));
        // A modem command was used: DCD now waits for "CONNECT".
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
        m_panel->write("ATZ\r\r\nOK\r\n\r\nRING\r\n");
        QTRY_COMPARE(texts(KX_MSG_MODEM_RECEIVED), QList<QByteArray>({"ATZ", "OK", "RING"}));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 01"));
        m_panel->write("\nNO ANSWER\n");
        QTRY_COMPARE(texts(KX_MSG_MODEM_RECEIVED).size(), 4);
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
        // No frame is acknowledged in command mode: the bytes are text.
        m_panel->write(hex(kSentinel) + "\r");
        QTRY_COMPARE(texts(KX_MSG_MODEM_RECEIVED).size(), 5);
        QVERIFY(m_panel->pending().isEmpty());
        QVERIFY(!has(KX_MSG_UNSOLICITED));
    }

    void checkForModem_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("found");
        QTest::addColumn<QList<QByteArray>>("lines");   // posted as modem lines

        QTest::newRow("modem with echo") << QByteArray("AT\r\r\nOK\r\n") << 1 << QList<QByteArray>();
        QTest::newRow("modem without echo") << QByteArray("\r\nOK\r\n") << 1 << QList<QByteArray>();
        QTest::newRow("answer in pieces") << QByteArray("A") << 1 << QList<QByteArray>();
        QTest::newRow("no modem") << QByteArray() << 0 << QList<QByteArray>();
        QTest::newRow("error") << QByteArray("AT\r\r\nERROR\r\n") << 0 << QList<QByteArray>({"ERROR"});
    }

    void checkForModem()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, found);
        QFETCH(QList<QByteArray>, lines);
        const qint64 start = m_panel->now();
        CheckForModem();
        QCOMPARE(m_panel->takeBytes(3), QByteArray("AT\r"));
        m_panel->write(answer);
        if (answer == "A") {
            QTest::qWait(20);
            m_panel->write("T\r\r\nO");
            QTest::qWait(20);
            m_panel->write("K\r\n");
        }
        QTRY_VERIFY(has(KX_MSG_MODEM_CHECK));
        const QList<WindowMessage> results = messagesOf(KX_MSG_MODEM_CHECK);
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().lParam, quintptr(found));
        if (!found)
            QVERIFY2(m_panel->now() - start >= 90, "gave up before 2000 ms (scaled)");
        QCOMPARE(texts(KX_MSG_MODEM_RECEIVED), lines);
        QVERIFY(!has(KX_MSG_MODEM_SENT));
        QCOMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
    }

    void modemCall()
    {
        SendToModem(bytes(shortText("ATD5551234")));
        QCOMPARE(m_panel->takeBytes(11), QByteArray("ATD5551234\r"));
        m_panel->write("ATD5551234\r\r\nCONNECT 9600/ARQ\r\n");
        QTRY_COMPARE(texts(KX_MSG_MODEM_RECEIVED), QList<QByteArray>({"ATD5551234", "CONNECT 9600/ARQ"}));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        // The library starts the link by itself.
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kInitRequest).toHex(' '));
        m_panel->write(hex(kAckSeq1FromNode0));
        QTRY_VERIFY(has(KX_MSG_LINK_READY));
        // Frames flow; text between frames is noise...
        m_panel->write("\r\nxyz\r\n" + hex(kSentinel));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckSentinel).toHex(' '));
        QTRY_VERIFY(deliveries().contains(QStringLiteral("0c 09 42 00")));
        QCOMPARE(texts(KX_MSG_MODEM_RECEIVED).size(), 2);
        // ...except the end of the call.
        m_panel->write("\r\nNO CARRIER\r\n");
        QTRY_COMPARE(texts(KX_MSG_MODEM_RECEIVED).size(), 3);
        QCOMPARE(texts(KX_MSG_MODEM_RECEIVED).last(), QByteArray("NO CARRIER"));
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
    }

    void hangUpModem_data()
    {
        QTest::addColumn<QByteArray>("escape");
        QTest::addColumn<QByteArray>("hangUp");
        QTest::newRow("defaults") << QByteArray() << QByteArray();
        QTest::newRow("set by the program") << QByteArray("~~~") << QByteArray("ATH1");
    }

    void hangUpModem()
    {
        QFETCH(QByteArray, escape);
        QFETCH(QByteArray, hangUp);
        if (!escape.isEmpty()) {
            SetModemEscSequence(bytes(shortText(escape)));
            SetModemHangUpCmd(bytes(shortText(hangUp)));
        } else {
            escape = "+++";
            hangUp = "ATH0";
        }
        bringCallUp();
        const qint64 start = m_panel->now();
        HangUpModem();
        QCOMPARE(m_panel->takeBytes(escape.size()), escape);
        QVERIFY2(m_panel->lastArrival() - start >= 45, "no guard time before the escape sequence");
        QCOMPARE(m_panel->takeBytes(hangUp.size() + 1), hangUp + '\r');
        QVERIFY2(m_panel->lastArrival() - start >= 90, "no guard time after the escape sequence");
        QTRY_COMPARE(texts(KX_MSG_MODEM_SENT), QList<QByteArray>({hangUp}));
        // The carrier stays up until the modem says it is gone.
        QCOMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        m_panel->write(hangUp + "\r\r\nOK\r\n\r\nNO CARRIER\r\n");
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
        QCOMPARE(texts(KX_MSG_MODEM_RECEIVED), QList<QByteArray>({hangUp, "OK", "NO CARRIER"}));
    }

    void hangUpWithoutCall()
    {
        HangUpModem();
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 01 00 01 00"));
        QVERIFY(m_panel->pending().isEmpty());
    }

    void modemDialBack()
    {
        bringCallUp();
        ModemDialBack(bytes(shortText("5551234")));
        QCOMPARE(m_panel->takeBytes(8), QByteArray("+++ATH0\r"));
        m_panel->write("\r\nOK\r\n");
        m_panel->write("\r\nNO CARRIER\r\n");
        QCOMPARE(m_panel->takeBytes(11), QByteArray("ATD5551234\r"));
        QTRY_COMPARE(texts(KX_MSG_MODEM_SENT), QList<QByteArray>({"ATH0", "ATD5551234"}));
        m_panel->write("\r\nCONNECT 2400\r\n");
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex("02491022000700dce703").toHex(' '));
    }

    void commandsThatCannotGoOut_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QByteArray>("written");   // what the line carries meanwhile
        QTest::newRow("modem in command mode") << QStringLiteral("command mode") << QByteArray("ATZ\r");
        QTest::newRow("hang-up under way") << QStringLiteral("hang-up") << QByteArray();
    }

    void commandsThatCannotGoOut()
    {
        QFETCH(QString, situation);
        QFETCH(QByteArray, written);
        if (situation == QLatin1String("command mode")) {
            SendToModem(bytes(shortText("ATZ")));
        } else {
            bringCallUp();
            HangUpModem();
        }
        // Accepted (a port is open), then reported unanswered at once, not
        // after the acknowledgement time: nothing can carry it.
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QTRY_COMPARE(states(), QList<int>({KX_STATE_WAITING_FOR_ACK, KX_STATE_NO_RESPONSE}));
        QCOMPARE(m_panel->takeBytes(written.size()), written);
        QVERIFY(!m_panel->pending().contains(char(0x02)));
    }

    void checkForModemDuringCall()
    {
        bringCallUp();
        CheckForModem();
        QTRY_VERIFY(has(KX_MSG_MODEM_CHECK));
        QCOMPARE(messagesOf(KX_MSG_MODEM_CHECK).first().lParam, quintptr(1));
        // No "AT" went to the panel, and the call is still up.
        QVERIFY(m_panel->pending().isEmpty());
        m_panel->write(hex(kSentinel));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckSentinel).toHex(' '));
    }

    void closeAndReopen_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("in the middle of a received frame") << QStringLiteral("frame");
        QTest::newRow("commands waiting") << QStringLiteral("queue");
        QTest::newRow("modem check under way") << QStringLiteral("check");
        QTest::newRow("hang-up under way") << QStringLiteral("hangup");
        QTest::newRow("port open twice") << QStringLiteral("reopen");
    }

    void closeAndReopen()
    {
        QFETCH(QString, situation);
        if (situation == QLatin1String("frame")) {
            m_panel->write(hex("0252010701060a"));
            QTRY_COMPARE(lastSignals(), QByteArray("00 01 01 01 01 00"));
        } else if (situation == QLatin1String("queue")) {
            for (int i = 0; i < 3; ++i)
                QCOMPARE(command(hex("01860100")), uint8_t(1));
            QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        } else if (situation == QLatin1String("check")) {
            CheckForModem();
            QCOMPARE(m_panel->takeBytes(3), QByteArray("AT\r"));
        } else if (situation == QLatin1String("hangup")) {
            bringCallUp();
            HangUpModem();
        }
        if (situation == QLatin1String("reopen")) {
            QCOMPARE(OpenComPort(kPort, 115200, 8, 1, 0), uint8_t(1));
        } else {
            CloseComPort();
            QCoreApplication::sendPostedEvents();
            QCOMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
            QCOMPARE(command(hex("01860100")), uint8_t(0));
            QCOMPARE(OpenComPort(kPort, 115200, 8, 1, 0), uint8_t(1));
        }
        QCoreApplication::sendPostedEvents();
        QCOMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));
        QTest::qWait(150);   // whatever the old port still had under way would show now
        m_panel->discard();
        m_window.messages.clear();

        // A clean start: direct link, numbers from 1, frames both ways.
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        m_panel->write(hex(kAckCommandSeq1) + hex(kSentinel));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kAckSentinel).toHex(' '));
        QTRY_COMPARE(deliveries(), QStringList({"04 1", "04 3", "0c 09 42 00"}));
        QVERIFY(!has(KX_MSG_MODEM_CHECK));
        QVERIFY(m_panel->pending().isEmpty());
    }

    void refusedWhenClosed()
    {
        CloseComPort();
        QCoreApplication::sendPostedEvents();
        m_window.messages.clear();
        QCOMPARE(command(hex("01860100")), uint8_t(0));
        QCoreApplication::sendPostedEvents();
        QVERIFY(states().isEmpty());
    }

    void queueOfSixteen()
    {
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        // One frame on the line, sixteen waiting: the seventeenth is refused.
        for (int i = 0; i < 16; ++i)
            QCOMPARE(command(hex("018601") + char(i)), uint8_t(1));
        QCOMPARE(command(hex("01860100")), uint8_t(0));
        // Acknowledged one by one, they leave in order with numbers 2..17.
        m_panel->write(hex(kAckCommandSeq1));
        for (int seq = 2; seq <= 17; ++seq) {
            const QByteArray frame = m_panel->takeFrame();
            QCOMPARE(frame.toHex(' '), referenceFrame(hex("51") + char(seq) + hex("010786") + char(seq - 2))
                                           .toHex(' '));
            m_panel->write(referenceFrame(hex("41") + char(seq) + hex("070186")));
        }
        QTRY_COMPARE(states().count(KX_STATE_ACKNOWLEDGED), 17);
        QCOMPARE(states().count(KX_STATE_WAITING_FOR_ACK), 17);
        QCOMPARE(command(hex("01860100")), uint8_t(1));
    }

    void portDisappears()
    {
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        m_panel->hangUp();
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
        QTRY_COMPARE(states(), QList<int>({KX_STATE_WAITING_FOR_ACK, KX_STATE_NO_RESPONSE}));
        QCOMPARE(command(hex("01860100")), uint8_t(0));
        // A new far end on a new terminal: the port opens again.
        openPanel();
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
    }

    void tcpLine()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        mapPort(4, QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort()));
        QCOMPARE(OpenComPort(4, 115200, 8, 1, 0), uint8_t(1));
        QVERIFY(server.waitForNewConnection(3000));
        std::unique_ptr<QTcpSocket> peer(server.nextPendingConnection());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(lastSignals(), QByteArray("00 00 01 01 01 00"));

        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QTRY_COMPARE(peer->bytesAvailable(), qint64(hex(kCommandSeq1).size()));
        QCOMPARE(peer->readAll().toHex(' '), hex(kCommandSeq1).toHex(' '));
        peer->write(hex(kAckCommandSeq1) + hex(kReply));
        QTRY_COMPARE(peer->bytesAvailable(), qint64(hex(kAckReply).size()));
        QCOMPARE(peer->readAll().toHex(' '), hex(kAckReply).toHex(' '));
        QTRY_VERIFY(states().contains(KX_STATE_MESSAGE_RECEIVED));
        // The raw frames carry port 4.
        QCOMPARE(quint8(messagesOf(KX_MSG_RAW_RECEIVED).first().bytes[0]), quint8(4));

        peer->close();
        QTRY_COMPARE(lastSignals(), QByteArray("00 00 00 00 00 00"));
        QCOMPARE(command(hex("01860100")), uint8_t(0));
    }

    void unloadWhileBusy()
    {
        EnableWatchDogs();
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
        UnloadDll();
        QCOMPARE(command(hex("01860100")), uint8_t(0));
        LoadDll();
        CurrentWindow(m_window.windowHandle());
        QCOMPARE(OwnNodeID(0, 0, 7), uint8_t(1));
        QCOMPARE(OpenComPort(kPort, 115200, 8, 1, 0), uint8_t(1));
        m_panel->discard();
        QCOMPARE(command(hex("01860100")), uint8_t(1));
        QCOMPARE(m_panel->takeFrame().toHex(' '), hex(kCommandSeq1).toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestKxLink)
#include "tst_kxlink.moc"
