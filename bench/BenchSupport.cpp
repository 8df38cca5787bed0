#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <sys/resource.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {
SimulatedLine *g_line = nullptr; // the simulator to stop when a run fails
}

void fail(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    if (g_line)
        g_line->stop();
    std::exit(1);
}

QString panelsimPath()
{
    const QString fromEnv = qEnvironmentVariable("PANELSIM");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/panelsim");
}

QString benchSourceDir()
{
    return QStringLiteral(VELMORA_BENCH_SOURCE_DIR);
}

SimulatedLine::SimulatedLine(const QString &scenario, int baud)
{
    if (!m_dir.isValid()) {
        fail("bench: cannot create a temporary directory");
    }
    qputenv("VELMORA_WINDIR", m_dir.path().toLocal8Bit());
    QFile ports(m_dir.filePath(QStringLiteral("KXPORTS.INI")));
    if (!ports.open(QIODevice::WriteOnly)) {
        fail("bench: cannot write the port map");
    }
    ports.write("[Ports]\r\n1=" + linkPath().toLocal8Bit() + "\r\n");
    ports.close();

    m_sim = std::make_unique<QProcess>();
    g_line = this;
    m_sim->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_sim->start(panelsimPath(), {QStringLiteral("--scenario"), scenario, QStringLiteral("--pty"), linkPath(),
                                  QStringLiteral("--baud"), QString::number(baud)});
    if (!m_sim->waitForStarted(5000)) {
        fail("bench: cannot start %s", qPrintable(panelsimPath()));
    }
    // The simulator makes the link when its pseudo-terminal is ready; look for
    // it on a timer instead of spinning.
    QEventLoop loop;
    QTimer poll;
    const QDeadlineTimer deadline(10000);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (QFileInfo::exists(linkPath()) || deadline.hasExpired() || m_sim->state() == QProcess::NotRunning)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
    if (!QFileInfo::exists(linkPath())) {
        fail("bench: the simulator made no pseudo-terminal");
    }
}

SimulatedLine::~SimulatedLine()
{
    stop();
}

void SimulatedLine::stop()
{
    if (g_line == this)
        g_line = nullptr;
    if (m_sim && m_sim->state() != QProcess::NotRunning) {
        m_sim->terminate();
        if (!m_sim->waitForFinished(3000))
            m_sim->kill();
        m_sim->waitForFinished(1000);
    }
    m_dir.remove();
}

QString SimulatedLine::linkPath() const
{
    return m_dir.filePath(QStringLiteral("panel-link"));
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace bench
