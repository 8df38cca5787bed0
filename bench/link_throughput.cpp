// Link throughput: 500 request/reply exchanges through kxlink against the
// panel simulator on a pseudo-terminal, at 9600 and at 115200 baud.
//
// For each speed it prints the exchanges per second, the wire ceiling (the
// time that the bytes of all frames of one exchange take on the line at that
// speed, 10 bits a byte, stuffing included) and the CPU share of this
// process. The last line is the link utilisation at 115200 baud: ceiling
// time over measured time.

#include "BenchSupport.h"
#include "Posting.h"
#include "kxlink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kExchanges = 500;

// Bytes a frame occupies on the line: the unstuffed frame plus one DLE for
// every byte between STX and ETX that has to be escaped.
int lineBytes(const quint8 *frame, int size)
{
    int extra = 0;
    for (int i = 1; i + 1 < size; ++i) {
        if (frame[i] == 0x02 || frame[i] == 0x03 || frame[i] == 0x10)
            ++extra;
    }
    return size + extra;
}

class Station : public platform::MessageWindow
{
public:
    int linkState = -1;
    bool linkReady = false;
    qint64 bytesOnLine = 0;
    int replies = 0;

    // Lets the event loop run until the condition holds or the time is up.
    template <typename Condition>
    bool waitFor(Condition condition, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        QTimer wake;
        wake.start(50); // only to re-test the time-out while the line is silent
        while (!condition()) {
            if (clock.elapsed() > timeoutMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

protected:
    void windowMessage(const platform::WindowMessage &m) override
    {
        switch (m.message) {
        case KX_MSG_LINK_STATE: linkState = int(m.wParam); break;
        case KX_MSG_LINK_READY: linkReady = true; break;
        case KX_MSG_REPLY: ++replies; break;
        case KX_MSG_RAW_RECEIVED:
            if (m.size() > 3)
                bytesOnLine += lineBytes(m.data() + 3, m.size() - 3);
            break;
        case KX_MSG_RAW_SENT: bytesOnLine += lineBytes(m.data(), m.size()); break;
        default: break;
        }
    }
};

struct Result
{
    double exchangesPerSecond = 0;
    double ceilingMs = 0;   // per exchange
    double measuredMs = 0;  // per exchange
    double cpuShare = 0;
};

Result run(int baud)
{
    bench::SimulatedLine line(bench::benchSourceDir() + QStringLiteral("/scenarios/throughput.json"), baud);
    Station station;
    CurrentWindow(station.windowHandle());
    if (OwnNodeID(0, 0, 7) != 1 || OpenComPort(1, quint32(baud), 8, 1, 0) != 1) {
        bench::fail("link_throughput: cannot open the link at %d baud", baud);
    }
    SendInitializationRequest();
    if (!station.waitFor([&] { return station.linkReady; }, 10000)) {
        bench::fail("link_throughput: the link did not become ready at %d baud", baud);
    }

    const quint8 request[] = {1, 0x86, 1, 0};
    station.bytesOnLine = 0;
    station.replies = 0;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = bench::processCpuSeconds();
    for (int i = 0; i < kExchanges; ++i) {
        // The state 4 of the previous exchange must not end this wait: the
        // report of the waiting state is posted before UserCommand returns.
        station.linkState = KX_STATE_WAITING_FOR_ACK;
        if (UserCommand(request) != 1) {
            bench::fail("link_throughput: command refused at exchange %d", i);
        }
        if (!station.waitFor([&] { return station.linkState == KX_STATE_MESSAGE_RECEIVED || station.linkState == KX_STATE_NO_RESPONSE; }, 20000)
            || station.linkState != KX_STATE_MESSAGE_RECEIVED) {
            bench::fail("link_throughput: no reply at exchange %d (%d baud)", i, baud);
        }
    }
    const double wallSeconds = double(clock.nsecsElapsed()) / 1e9;
    const double cpuSeconds = bench::processCpuSeconds() - cpuBefore;
    // Let the acknowledgement of the last reply leave the line before counting.
    station.waitFor([] { return false; }, 50);
    CloseComPort();

    Result r;
    r.exchangesPerSecond = kExchanges / wallSeconds;
    r.ceilingMs = double(station.bytesOnLine) * 10.0 / baud * 1000.0 / kExchanges;
    r.measuredMs = wallSeconds * 1000.0 / kExchanges;
    r.cpuShare = cpuSeconds / wallSeconds;
    std::printf("%6d baud: %d exchanges, %.1f exchanges/s, %.3f ms per exchange, wire ceiling %.3f ms (%.1f bytes), cpu share %.3f\n",
                baud, kExchanges, r.exchangesPerSecond, r.measuredMs, r.ceilingMs,
                double(station.bytesOnLine) / kExchanges, r.cpuShare);
    std::fflush(stdout);
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    LoadDll();
    run(9600);
    const Result fast = run(115200);
    UnloadDll();
    std::printf("link utilisation: %.2f\n", fast.ceilingMs / fast.measuredMs);
    return 0;
}
