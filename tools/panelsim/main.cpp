// panelsim: plays a network of panels at the far end of a line.
// See docs/simulator.md.

#include "Scenario.h"
#include "Simulator.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/prctl.h>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

void printError(const QString &text)
{
    std::fprintf(stderr, "panelsim: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

int main(int argc, char **argv)
{
    // Pacing a fast line needs wake-ups to the microsecond: no timer slack
    // (Linux defaults to 50 us) and the plain Unix event dispatcher.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    qputenv("QT_NO_GLIB", "1");
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    QString error;
    const std::optional<panelsim::Options> options = panelsim::parseArguments(arguments, &error);
    if (!options) {
        printError(error);
        std::fputs(qPrintable(panelsim::usageText()), stderr);
        return 2;
    }
    const panelsim::ScenarioResult loaded = panelsim::loadScenario(options->scenarioPath);
    if (!loaded.ok()) {
        printError(loaded.error);
        return 2;
    }

    // SIGTERM and SIGINT end the event loop, so that the link is removed on
    // the way out.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        printError(QStringLiteral("cannot set up signal handling"));
        return 1;
    }
    QSocketNotifier signalNotifier(qintptr(g_signalPipe[0]), QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] {
        char c = 0;
        [[maybe_unused]] const ssize_t n = ::read(g_signalPipe[0], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction action{};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    int rc = 0;
    {
        panelsim::Simulator simulator(*options, loaded.scenario);
        if (options->verbose) {
            QObject::connect(&simulator, &panelsim::Simulator::log, [](const QString &line) {
                std::fprintf(stderr, "%s\n", qPrintable(line));
                std::fflush(stderr);
            });
        }
        if (!simulator.start(&error)) {
            printError(error);
            return 1;
        }
        rc = app.exec();
    }
    return rc;
}
