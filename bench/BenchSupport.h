#pragma once
// Helpers shared by the benchmark programs: a panel simulator on a
// pseudo-terminal, the port map pointing at it, and CPU-time sampling.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace bench {

// Runs panelsim with a scenario on a pseudo-terminal paced at `baud`, and a
// settings directory whose port map sends COM1 to it. Exits the process with
// a message when the simulator cannot be started.
class SimulatedLine
{
public:
    SimulatedLine(const QString &scenario, int baud);
    ~SimulatedLine();

    QString linkPath() const;
    void stop();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_sim;
};

// Prints the message on standard error, stops the running simulator (so no
// panelsim process or temporary folder is left behind) and exits with 1.
[[noreturn]] void fail(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Process CPU time (user + system) in seconds.
double processCpuSeconds();

QString panelsimPath();
QString benchSourceDir();

} // namespace bench
