// CPU used while requests wait: a 200-request loop through the program's
// own request code (LinkRequests, its waits on the message loop, the link
// dispatch) and the real kxlink against the panel simulator at 9600 baud.
// A wait that spins instead of sleeping in the message loop shows as a CPU
// share near 1; the line's speed leaves the process idle most of the time.
//
// The last line is "cpu share: X.XX" (process CPU time over wall time).

#include "BenchSupport.h"
#include "HeadlessLink.h"
#include "Pdlldef.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kRequests = 200;
constexpr int kBaud = 9600;
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bench::SimulatedLine line(bench::benchSourceDir() + QStringLiteral("/scenarios/throughput.json"), kBaud);

    KxLinkLibrary api;
    api.LoadDll();
    int rc = 0;
    {
        HeadlessLink link(api);
        api.CurrentWindow(link.windowHandle());
        if (api.OwnNodeID(0, 0, 7) != 1 || api.OpenComPort(1, kBaud, 8, 1, 0) != 1) {
            bench::fail("wait_cpu: cannot open the link");
        }
        api.SendInitializationRequest();
        if (!link.waitFor([&] { return link.View.SessionButtonsEnabled; }, 10000)) {
            bench::fail("wait_cpu: the link did not become ready");
        }

        link.Session.RequestNode = 1;
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = bench::processCpuSeconds();
        for (int i = 0; i < kRequests && !link.Session.AbortFlag; ++i)
            link.requests().SendRequest(6, 0);
        const double wallSeconds = double(clock.nsecsElapsed()) / 1e9;
        const double cpuSeconds = bench::processCpuSeconds() - cpuBefore;
        api.CloseComPort();

        const int missing = link.requests().missingReplies();
        if (link.Session.AbortFlag || missing != 0) {
            std::fprintf(stderr, "wait_cpu: the loop failed (%s, %d replies missing)\n",
                         qPrintable(link.View.StatusBar + QStringLiteral(" ") + link.View.DiagText), missing);
            rc = 1;
        }
        std::printf("%d requests at %d baud: %.3f s wall, %.1f ms per request, %.3f s cpu\n", kRequests, kBaud,
                    wallSeconds, wallSeconds * 1000.0 / kRequests, cpuSeconds);
        std::printf("cpu share: %.2f\n", cpuSeconds / wallSeconds);
        std::fflush(stdout);
    }
    api.UnloadDll();
    return rc;
}
