// The panelsim program from the outside: command line and scenario errors,
// and whole exchanges over its pseudo-terminal in direct and modem mode,
// with line pacing and seeded faults. The frames are written out by hand.

#include <QtTest>

#include <QProcess>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray hx(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kInit1 = hx("024901000700473b03");
const QByteArray kAckInit1 = hx("024101070000591103");
const QByteArray kCmd5 = hx("025105010786005a6903");       // Q seq 5, 7 -> 1: 86 00
const QByteArray kAckCmd5 = hx("024105070186519f03");
const QByteArray kReply1 = hx("0252010701067f0804b503");   // R seq 1, 1 -> 7: 06 7F 08
const QByteArray kStationAck1 = hx("02410101070612e003");  // A seq 1, 7 -> 1, MS 06
const QByteArray kLogIn6 = hx("02510601070104d2c56e03");   // Q seq 6: log-in 1234
const QByteArray kAckLogIn6 = hx("0241060701012b2c03");
const QByteArray kLogInOk2 = hx("025210220701230084ef03");  // R seq 2: 23 00
const QByteArray kStationAck2 = hx("02411022010723fdfb03");
const QByteArray kLogIn7 = hx("02510701070104d390ef03");   // Q seq 7: log-in 1235
const QByteArray kAckLogIn7 = hx("0241070701015d9803");
const QByteArray kLogInBad3 = hx("02521023070123112cae03"); // R seq 3: 23 11
const QByteArray kCmdNode9 = hx("02510509078600dfaa03");  // Q seq 5, 7 -> 9
const QByteArray kAckNode9 = hx("024105070986d83603");

const char *const kScenario = R"({
  "access_code": 1234,
  "modem_id": "SITE-1",
  "numbers": ["0123 456789"],
  "nodes": [ { "node": 1, "rules": [ { "request": "8600", "reply": ["067F08"] } ] } ],
  "calls": [ { "at_ms": 2000, "node": 1, "unsolicited": ["1C0102"], "hangup_after_ms": 6000 } ]
})";

// The station's end of the pseudo-terminal.
class PtyPeer
{
public:
    bool open(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return false;
        termios tio{};
        tcgetattr(m_fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_fd, TCSANOW, &tio);
        m_notifier = std::make_unique<QSocketNotifier>(qintptr(m_fd), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0)
                received.append(buffer, qsizetype(n));
        });
        return true;
    }
    ~PtyPeer()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    void write(const QByteArray &bytes) { QCOMPARE(::write(m_fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size())); }
    QByteArray take()
    {
        const QByteArray all = received;
        received.clear();
        return all;
    }

    QByteArray received;

private:
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

QString panelsim()
{
    return qEnvironmentVariable("PANELSIM");
}

} // namespace

class TestProcess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refusesToStart_data();
    void refusesToStart();
    void directExchangeOverPty();
    void pacedLine();
    void directExchangeOverTcp();
    void modemDialogueOverPty();
    void incomingCallOverPty();
    void faultsFollowTheSeed();

private:
    QString writeScenario(const QByteArray &text);
    bool startSim(QProcess &sim, const QStringList &extra, PtyPeer &peer);

    QTemporaryDir m_dir;
    int m_runs = 0;
};

void TestProcess::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFileInfo(panelsim()).isExecutable(), "PANELSIM must name the built simulator");
}

QString TestProcess::writeScenario(const QByteArray &text)
{
    const QString path = m_dir.filePath(QStringLiteral("scenario%1.json").arg(++m_runs));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(text);
    return path;
}

bool TestProcess::startSim(QProcess &sim, const QStringList &extra, PtyPeer &peer)
{
    const QString link = m_dir.filePath(QStringLiteral("link%1").arg(++m_runs));
    sim.start(panelsim(), QStringList{QStringLiteral("--pty"), link} + extra);
    if (!sim.waitForStarted(5000))
        return false;
    return QTest::qWaitFor([&] { return QFileInfo::exists(link) || sim.state() == QProcess::NotRunning; }, 5000)
        && peer.open(link);
}

void TestProcess::refusesToStart_data()
{
    QTest::addColumn<QStringList>("arguments"); // SCENARIO stands for a scenario file with `scenario`
    QTest::addColumn<QByteArray>("scenario");
    QTest::addColumn<QString>("message");

    const QByteArray good = kScenario;
    QTest::newRow("no arguments") << QStringList{} << good << QStringLiteral("--scenario is missing");
    QTest::newRow("no transport") << QStringList{"--scenario", "SCENARIO"} << good << QStringLiteral("exactly one of");
    QTest::newRow("two transports") << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x", "--listen", "127.0.0.1:0"}
                                    << good << QStringLiteral("exactly one of");
    QTest::newRow("unknown option") << QStringList{"--scenario", "SCENARIO", "--bogus"} << good
                                    << QStringLiteral("unknown argument --bogus");
    QTest::newRow("bad mode") << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x", "--mode", "fax"} << good
                              << QStringLiteral("bad value fax for --mode");
    QTest::newRow("rate above 1") << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x", "--drop-rate", "1.5"} << good
                                  << QStringLiteral("bad value 1.5 for --drop-rate");
    QTest::newRow("value missing") << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x", "--baud"} << good
                                   << QStringLiteral("--baud needs a value");
    QTest::newRow("listen without port") << QStringList{"--scenario", "SCENARIO", "--listen", "localhost"} << good
                                         << QStringLiteral("--listen wants HOST:PORT");
    QTest::newRow("scenario syntax error")
        << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x"} << QByteArray("{\n  \"nodes\": [ }\n}")
        << QStringLiteral(".json:2:14: JSON syntax error");
    QTest::newRow("scenario value error")
        << QStringList{"--scenario", "SCENARIO", "--pty", "/tmp/x"}
        << QByteArray(R"({"nodes":[{"node":1,"rules":[{"request":"zz"}]}]})")
        << QStringLiteral(".json: nodes[0].rules[0].request: not hex");
    QTest::newRow("scenario missing")
        << QStringList{"--scenario", "/nonexistent/s.json", "--pty", "/tmp/x"} << good
        << QStringLiteral("/nonexistent/s.json: cannot read the scenario");
}

void TestProcess::refusesToStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, scenario);
    QFETCH(QString, message);
    const QString path = writeScenario(scenario);
    arguments.replaceInStrings(QStringLiteral("SCENARIO"), path);
    QProcess sim;
    sim.start(panelsim(), arguments);
    QVERIFY(sim.waitForFinished(10000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(sim.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
}

void TestProcess::directExchangeOverPty()
{
    // A stale link from an earlier run is replaced.
    const QString link = m_dir.filePath(QStringLiteral("direct-link"));
    QFile::remove(link);
    QVERIFY(QFile::link(QStringLiteral("/nonexistent/pts"), link));

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(panelsim(), {QStringLiteral("--scenario"), writeScenario(kScenario), QStringLiteral("--pty"), link});
    QVERIFY(sim.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(link), 5000); // exists() follows the link
    PtyPeer peer;
    QVERIFY(peer.open(link));

    struct Step
    {
        QByteArray send;
        QByteArray expect;
    };
    const QList<Step> steps = {
        {kInit1, kAckInit1},
        {kCmd5, kAckCmd5 + kReply1},
        {kStationAck1 + kLogIn6, kAckLogIn6 + kLogInOk2},
        {kStationAck2 + kLogIn7, kAckLogIn7 + kLogInBad3},
        {kCmdNode9, kAckNode9},
    };
    for (const Step &step : steps) {
        peer.write(step.send);
        QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= step.expect.size(), 5000);
        QCOMPARE(peer.take().toHex(' '), step.expect.toHex(' '));
    }

    // SIGTERM ends it cleanly and removes the link.
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestProcess::pacedLine()
{
    // At 1200 baud a byte takes 8.33 ms. The command (10 bytes) must have
    // arrived before it is handled, and the ack (9) and reply (11) leave one
    // after the other at line speed.
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    PtyPeer peer;
    QVERIFY(startSim(sim, {QStringLiteral("--scenario"), writeScenario(kScenario), QStringLiteral("--baud"), QStringLiteral("1200")}, peer));
    QElapsedTimer clock;
    clock.start();
    peer.write(kCmd5);
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= kAckCmd5.size(), 5000);
    const qint64 ackAt = clock.elapsed();
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= kAckCmd5.size() + kReply1.size(), 5000);
    const qint64 replyAt = clock.elapsed();
    QCOMPARE(peer.take(), kAckCmd5 + kReply1);
    QVERIFY2(ackAt >= 155, qPrintable(QString::number(ackAt)));    // (10 + 9) bytes
    QVERIFY2(replyAt >= 247, qPrintable(QString::number(replyAt))); // (10 + 9 + 11) bytes
    QVERIFY2(replyAt < 1500, qPrintable(QString::number(replyAt)));
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
}

void TestProcess::directExchangeOverTcp()
{
    quint16 port = 0;
    {
        QTcpServer probe; // find a free port
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(panelsim(), {QStringLiteral("--scenario"), writeScenario(kScenario), QStringLiteral("--listen"),
                           QStringLiteral("127.0.0.1:%1").arg(port)});
    QVERIFY(sim.waitForStarted(5000));

    const auto session = [&](const QByteArray &send, const QByteArray &expect) {
        QTcpSocket socket;
        // The simulator may not listen yet: try again until it does.
        const auto connected = [&] {
            if (socket.state() == QAbstractSocket::ConnectedState)
                return true;
            socket.abort();
            socket.connectToHost(QHostAddress::LocalHost, port);
            return socket.waitForConnected(1000);
        };
        QTRY_VERIFY_WITH_TIMEOUT(connected(), 10000);
        socket.write(send);
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT((got += socket.readAll()).size() >= expect.size(), 5000);
        QCOMPARE(got.toHex(' '), expect.toHex(' '));
        socket.disconnectFromHost();
    };
    session(kInit1 + kCmd5, kAckInit1 + kAckCmd5 + kReply1);
    // A new connection is a new session: the reply of the last one, never
    // acknowledged, is forgotten, and numbering of the panel goes on.
    session(kCmd5, kAckCmd5 + hx("025210220701067f08ca5503"));
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);
}

void TestProcess::modemDialogueOverPty()
{
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    PtyPeer peer;
    // No calls in this scenario, so nothing rings in between.
    QVERIFY(startSim(sim, {QStringLiteral("--scenario"),
                           writeScenario(R"({"numbers":["0123 456789"],"busy_numbers":["777"],
                                             "nodes":[{"node":1,"rules":[{"request":"8600","reply":["067F08"]}]}]})"),
                           QStringLiteral("--mode"), QStringLiteral("modem")},
                     peer));
    const auto exchange = [&](const QByteArray &send, const QByteArray &expect) {
        peer.write(send);
        QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= expect.size(), 5000);
        QCOMPARE(peer.take(), expect);
    };
    exchange("AT\r", "AT\r\nOK\r\n");
    exchange("ATDT0999\r", "ATDT0999\r\nNO CARRIER\r\n");
    exchange("ATDT777\r", "ATDT777\r\nBUSY\r\n");
    exchange("ATDT0123-456789\r", "ATDT0123-456789\r\nCONNECT 9600\r\n");
    exchange(kInit1, kAckInit1);
    exchange(kCmd5, kAckCmd5 + kReply1);
    exchange(kStationAck1, QByteArray());
    // Guard time (1 s scaled by VELMORA_TIMER_SCALE), escape, guard time.
    const int guard = int(1000 * qEnvironmentVariable("VELMORA_TIMER_SCALE", QStringLiteral("1")).toDouble());
    QTest::qWait(guard + 20);
    exchange("+++", "OK\r\n");
    exchange("ATH0\r", "ATH0\r\nOK\r\nNO CARRIER\r\n");
    exchange("AT\r", "AT\r\nOK\r\n");
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
}

void TestProcess::incomingCallOverPty()
{
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    PtyPeer peer;
    // The call is due 2000 ms (scaled) after the start; the station sets
    // auto-answer first.
    QVERIFY(startSim(sim, {QStringLiteral("--scenario"), writeScenario(kScenario), QStringLiteral("--mode"), QStringLiteral("modem")}, peer));
    peer.write("AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r");
    const QByteArray setup = "AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0\r\nOK\r\nRING\r\nCONNECT 9600\r\n";
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= setup.size(), 10000);
    QCOMPARE(peer.take(), setup);
    // The station opens the link; the panel answers and then sends its modem
    // ID (code 66: length, "SITE-1") and its record, one at a time.
    peer.write(kInit1);
    const QByteArray modemId = hx("02550107014206534954452d318fb403");
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= kAckInit1.size() + modemId.size(), 5000);
    QCOMPARE(peer.take().toHex(' '), (kAckInit1 + modemId).toHex(' '));
    peer.write(hx("0241010107421aa003")); // A seq 1 for the modem ID
    const QByteArray record = hx("0255102207011c011022ddaf03"); // U seq 2: 1C 01 02
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.size() >= record.size(), 5000);
    QCOMPARE(peer.take().toHex(' '), record.toHex(' '));
    // The panel hangs up after its time.
    QTRY_VERIFY_WITH_TIMEOUT(peer.received.endsWith("NO CARRIER\r\n"), 10000);
    sim.terminate();
    QVERIFY(sim.waitForFinished(5000));
}

void TestProcess::faultsFollowTheSeed()
{
    // Twenty watchdog polls in one write; with faults on, the simulator's
    // log tells which frames it lost, corrupted or delayed. The same seed
    // gives the same story, another seed another.
    QByteArray polls;
    {
        // W frames with sequence 1..20 from node 7, built by hand: 57 ss 00 07 00 + CRC.
        const char *const frames[] = {
            "0257010007008cc903", "02571022000700171503", "0257102300070061a103", "025704000700308c03",
            "025705000700463803", "025706000700dde403", "025707000700ab5003", "0257080007007fbe03",
            "025709000700090a03", "02570a00070092d603", "02570b000700e46203", "02570c000700b54f03",
            "02570d000700c3fb03", "02570e000700582703", "02570f0007002e9303", "02571030000700e1da03",
            "025711000700976e03", "0257120007000cb203", "0257130007007a0603", "0257140007002b2b03"};
        for (const char *f : frames)
            polls += hx(f);
    }
    const auto run = [&](const QString &seed) {
        QProcess sim;
        PtyPeer peer;
        if (!startSim(sim, {QStringLiteral("--scenario"), writeScenario(kScenario), QStringLiteral("--verbose"),
                            QStringLiteral("--corrupt-rate"), QStringLiteral("0.3"), QStringLiteral("--drop-rate"),
                            QStringLiteral("0.3"), QStringLiteral("--seed"), seed},
                      peer))
            return QStringList{QStringLiteral("no start")};
        peer.write(polls);
        // Every poll shows in the log as received (good or bad) or as dropped.
        QStringList all;
        int seen = 0;
        QElapsedTimer clock;
        clock.start();
        while (seen < 20 && clock.elapsed() < 10000) {
            sim.waitForReadyRead(200);
            all += QString::fromLocal8Bit(sim.readAllStandardError()).split(QChar('\n'), Qt::SkipEmptyParts);
            seen = 0;
            for (const QString &line : std::as_const(all))
                seen += (line.startsWith(QStringLiteral("rx 02")) || line.startsWith(QStringLiteral("rx fault: frame dropped"))) ? 1 : 0;
        }
        sim.terminate();
        sim.waitForFinished(5000);
        all.removeFirst(); // names the pseudo-terminal, which differs per run
        return all;
    };
    const QStringList first = run(QStringLiteral("7"));
    QVERIFY(first.join(QChar('\n')).contains(QStringLiteral("fault")));
    QCOMPARE(run(QStringLiteral("7")), first);
    QVERIFY(run(QStringLiteral("8")) != first);
}

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
