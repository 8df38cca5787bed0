// The Hayes modem that the simulator plays in modem mode: the command
// dialogue, the escape sequence with its guard times, and incoming calls.
// ctest runs this with VELMORA_TIMER_SCALE=0.05 (guard 50 ms, rings 100 ms).

#include "ModemEmulator.h"
#include "SimClock.h"

#include <QtTest>

using namespace panelsim;

namespace {

struct Modem
{
    explicit Modem(const QList<CallSpec> &calls = {})
        : modem({QStringLiteral("0123456789")}, {QStringLiteral("555")}, calls)
        , out(&modem, &ModemEmulator::toStation)
        , data(&modem, &ModemEmulator::dataToLink)
        , connected(&modem, &ModemEmulator::callConnected)
        , ended(&modem, &ModemEmulator::callEnded)
    {
    }
    QByteArray take()
    {
        QByteArray all;
        for (const QList<QVariant> &args : std::as_const(out))
            all += args.at(0).toByteArray();
        out.clear();
        return all;
    }
    void dial()
    {
        modem.receive("ATDT0123456789\r");
        take();
        QVERIFY(modem.dataMode());
    }

    ModemEmulator modem;
    QSignalSpy out;
    QSignalSpy data;
    QSignalSpy connected;
    QSignalSpy ended;
};

int guardMs()
{
    return scaledMs(ModemEmulator::kGuardMs);
}

} // namespace

class TestModem : public QObject
{
    Q_OBJECT
private slots:
    void commandDialogue_data();
    void commandDialogue();
    void dataAfterConnectGoesToLink();
    void escapeAndHangUp();
    void escape_data();
    void escape();
    void incomingCallAutoAnswered();
    void incomingCallRingsFiveTimesUnanswered();
    void incomingCallAnsweredByAta();
};

void TestModem::commandDialogue_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("dataMode");
    QTest::addColumn<int>("autoAnswer");

    QTest::newRow("AT") << QByteArray("AT\r") << QByteArray("AT\r\nOK\r\n") << false << 0;
    QTest::newRow("lower case, LF") << QByteArray("at\n") << QByteArray("at\r\nOK\r\n") << false << 0;
    QTest::newRow("CR LF gives one answer") << QByteArray("AT\r\n") << QByteArray("AT\r\nOK\r\n") << false << 0;
    QTest::newRow("two lines in one chunk") << QByteArray("AT\rATE1\r") << QByteArray("AT\r\nOK\r\nATE1\r\nOK\r\n") << false << 0;
    QTest::newRow("initialisation string sets auto-answer")
        << QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r") << QByteArray("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\nOK\r\n") << false << 1;
    QTest::newRow("S0=0 switches it off") << QByteArray("ATS0=2\rATS0=0\r") << QByteArray("ATS0=2\r\nOK\r\nATS0=0\r\nOK\r\n") << false << 0;
    QTest::newRow("dial a known number") << QByteArray("ATDT0123456789\r")
                                         << QByteArray("ATDT0123456789\r\nCONNECT 9600\r\n") << true << 0;
    QTest::newRow("spaces and dashes do not count") << QByteArray("ATDP 0123 456-789\r")
                                                    << QByteArray("ATDP 0123 456-789\r\nCONNECT 9600\r\n") << true << 0;
    QTest::newRow("ATD without T or P") << QByteArray("ATD0123456789\r")
                                        << QByteArray("ATD0123456789\r\nCONNECT 9600\r\n") << true << 0;
    QTest::newRow("unknown number") << QByteArray("ATDT0999\r") << QByteArray("ATDT0999\r\nNO CARRIER\r\n") << false << 0;
    QTest::newRow("a longer number is another number")
        << QByteArray("ATDT01234567890\r") << QByteArray("ATDT01234567890\r\nNO CARRIER\r\n") << false << 0;
    QTest::newRow("busy number") << QByteArray("ATDT555\r") << QByteArray("ATDT555\r\nBUSY\r\n") << false << 0;
    QTest::newRow("hang-up without call") << QByteArray("ATH0\r") << QByteArray("ATH0\r\nOK\r\n") << false << 0;
    QTest::newRow("not a command") << QByteArray("HELLO\r") << QByteArray("HELLO\r\nERROR\r\n") << false << 0;
    QTest::newRow("empty lines are ignored") << QByteArray("\r\n\r") << QByteArray() << false << 0;
    QTest::newRow("line in pieces") << QByteArray("A") + QByteArray("T\r") << QByteArray("AT\r\nOK\r\n") << false << 0;
}

void TestModem::commandDialogue()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(bool, dataMode);
    QFETCH(int, autoAnswer);
    Modem m;
    for (char c : input)
        m.modem.receive(QByteArray(1, c)); // byte by byte, as a slow line delivers it
    QCOMPARE(m.take(), output);
    QCOMPARE(m.modem.dataMode(), dataMode);
    QCOMPARE(m.modem.autoAnswerRings(), autoAnswer);
    QCOMPARE(int(m.connected.size()), dataMode ? 1 : 0);
}

void TestModem::dataAfterConnectGoesToLink()
{
    Modem m;
    // The frame that follows the dial command in the same chunk is data.
    m.modem.receive(QByteArray("ATDT0123456789\r") + QByteArray::fromHex("024101070000591103"));
    QCOMPARE(m.take(), QByteArray("ATDT0123456789\r\nCONNECT 9600\r\n"));
    QCOMPARE(m.data.size(), 1);
    QCOMPARE(m.data.at(0).at(0).toByteArray(), QByteArray::fromHex("024101070000591103"));
    // The panels' frames reach the station only in data mode.
    m.modem.sendData("frame");
    QCOMPARE(m.take(), QByteArray("frame"));
}

void TestModem::escapeAndHangUp()
{
    Modem m;
    m.dial();
    QTest::qWait(guardMs() + 10); // silence before the escape
    m.modem.receive("+++");
    QVERIFY(m.out.wait(10 * guardMs()));
    QCOMPARE(m.take(), QByteArray("OK\r\n"));
    QVERIFY(m.modem.callUp());
    QVERIFY(!m.modem.dataMode());
    // In command mode the panels' frames are not passed on.
    m.modem.sendData("frame");
    QCOMPARE(m.take(), QByteArray());
    m.modem.receive("ATH0\r");
    QCOMPARE(m.take(), QByteArray("ATH0\r\nOK\r\nNO CARRIER\r\n"));
    QCOMPARE(m.ended.size(), 1);
    QVERIFY(!m.modem.callUp());
    // And the modem is in command mode again.
    m.modem.receive("AT\r");
    QCOMPARE(m.take(), QByteArray("AT\r\nOK\r\n"));
}

void TestModem::escape_data()
{
    QTest::addColumn<bool>("silenceBefore");
    QTest::addColumn<QByteArray>("sequence");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("data right before") << false << QByteArray("+++") << QByteArray();
    QTest::newRow("data in the same chunk") << true << QByteArray("x+++") << QByteArray();
    QTest::newRow("data right after") << true << QByteArray("+++") << QByteArray("x");
    QTest::newRow("four plus signs") << true << QByteArray("++++") << QByteArray();
    QTest::newRow("two plus signs") << true << QByteArray("++") << QByteArray();
}

void TestModem::escape()
{
    // None of these is an escape: the call stays in data mode and every
    // byte goes to the link.
    QFETCH(bool, silenceBefore);
    QFETCH(QByteArray, sequence);
    QFETCH(QByteArray, after);
    Modem m;
    m.dial();
    if (silenceBefore)
        QTest::qWait(guardMs() + 10);
    m.modem.receive(sequence);
    if (!after.isEmpty())
        m.modem.receive(after);
    QVERIFY(!m.out.wait(3 * guardMs()));
    QVERIFY(m.modem.dataMode());
    QByteArray passed;
    for (const QList<QVariant> &args : std::as_const(m.data))
        passed += args.at(0).toByteArray();
    QCOMPARE(passed, sequence + after);
}

void TestModem::incomingCallAutoAnswered()
{
    CallSpec call;
    call.atMs = 1000; // 50 ms scaled
    call.node = 1;
    call.hangupAfterMs = 2000; // 100 ms scaled
    Modem m({call});
    m.modem.start();
    m.modem.receive("ATS0=1\r");
    QCOMPARE(m.take(), QByteArray("ATS0=1\r\nOK\r\n"));
    QVERIFY(m.connected.wait(2000));
    QCOMPARE(m.take(), QByteArray("RING\r\nCONNECT 9600\r\n"));
    const auto incoming = m.connected.at(0).at(0).value<std::optional<CallSpec>>();
    QVERIFY(incoming.has_value());
    QCOMPARE(incoming->node, quint8(1));
    // The panel hangs up after its time.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(m.ended.wait(2000));
    QVERIFY(clock.elapsed() >= scaledMs(2000) - 20);
    QCOMPARE(m.take(), QByteArray("NO CARRIER\r\n"));
    QVERIFY(!m.modem.dataMode());
}

void TestModem::incomingCallRingsFiveTimesUnanswered()
{
    CallSpec call;
    call.atMs = 0;
    Modem m({call});
    m.modem.start();
    QByteArray all;
    QTRY_VERIFY_WITH_TIMEOUT((all += m.take()).count("RING") == 5, 5 * scaledMs(ModemEmulator::kRingIntervalMs) + 2000);
    QVERIFY(!m.out.wait(3 * scaledMs(ModemEmulator::kRingIntervalMs)));
    QCOMPARE(all, QByteArray("RING\r\n").repeated(5));
    QCOMPARE(m.connected.size(), 0);
}

void TestModem::incomingCallAnsweredByAta()
{
    CallSpec call;
    call.atMs = 0;
    Modem m({call});
    m.modem.start();
    QVERIFY(m.out.wait(2000));
    QCOMPARE(m.take(), QByteArray("RING\r\n"));
    m.modem.receive("ATA\r");
    QCOMPARE(m.take(), QByteArray("ATA\r\nCONNECT 9600\r\n"));
    QCOMPARE(m.connected.size(), 1);
}

QTEST_GUILESS_MAIN(TestModem)
#include "tst_modem.moc"
