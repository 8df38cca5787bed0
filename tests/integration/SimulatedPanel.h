#pragma once
// The main window against the panel simulator on a pseudo-terminal: the
// settings and program folders, the simulator process, the port map that
// sends COM1 to it, a recorder of every message the library posts to the
// window, and a watchdog that ends a test that hangs instead of letting it
// block the suite.

#include "Forms.h"
#include "LinkDispatch.h"
#include "PMain.h"
#include "Pdlldef.h"

#include <DialogSeam.h>
#include <Posting.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include <signal.h>

// One frame as the station sent or received it (unstuffed, ST .. ET).
struct WireFrame
{
    bool sent = false;
    QByteArray bytes;

    quint8 type() const { return at(1); }
    quint8 sequence() const { return at(2); }
    bool repeated() const { return (at(2) & 0x80) != 0; }
    // "TP DE SO MS payload" in hex, without sequence and check bytes.
    QByteArray summary() const
    {
        if (bytes.size() < 9)
            return QByteArray("short:") + bytes.toHex(' ');
        QByteArray s;
        s.append(bytes.at(1));
        s.append(bytes.mid(3, 3));
        s.append(bytes.mid(6, bytes.size() - 9));
        return s.toHex(' ');
    }

private:
    quint8 at(int i) const { return i < bytes.size() ? quint8(bytes.at(i)) : 0; }
};

// The simulator process of the running test, for the watchdog to end with
// the test: left behind, it would keep the test's output open.
inline std::atomic<qint64> &runningSimulator()
{
    static std::atomic<qint64> pid{0};
    return pid;
}

// Ends the process with a message when a test runs longer than it may: a
// fault that blocks the GUI thread or spins in a wait fails instead of
// hanging the suite.
class HardWatchdog
{
public:
    explicit HardWatchdog(int seconds)
        : m_thread([this, seconds] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_cv.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_done; })) {
                  std::fprintf(stderr, "watchdog: the test did not finish within %d s\n", seconds);
                  std::fflush(stderr);
                  if (const qint64 pid = runningSimulator().load(); pid > 0)
                      ::kill(pid_t(pid), SIGKILL);
                  std::_Exit(3);
              }
          })
    {
    }
    ~HardWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_cv.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_done = false;
    std::thread m_thread;
};

class SimulatedPanel
{
public:
    SimulatedPanel() : m_previousCurrent(QDir::currentPath())
    {
        qputenv("VELMORA_WINDIR", m_settings.path().toLocal8Bit());
        QDir::setCurrent(m_program.path());
        writeFile(m_settings.filePath(QStringLiteral("KXPORTS.INI")),
                  "[Ports]\r\n1=" + linkPath().toLocal8Bit() + "\r\n");
        // The site of the link, as the address book names it.
        writeFile(m_program.filePath(QStringLiteral("address.ini")),
                  "[HARBOUR-07]\r\nSiteName=Harbour\r\n");
        QFile::copy(sourceDir() + QStringLiteral("/app/Logo.BMP"), m_program.filePath(QStringLiteral("Logo.BMP")));
    }

    ~SimulatedPanel()
    {
        forms.reset();
        stopSimulator();
        QDir::setCurrent(m_previousCurrent);
    }

    static QString sourceDir() { return QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")); }
    static QString scenario(const QString &name) { return sourceDir() + QStringLiteral("/tests/integration/") + name; }
    QString linkPath() const { return m_settings.filePath(QStringLiteral("panel-link")); }

    // Starts panelsim on a pseudo-terminal; true once its link exists.
    bool startSimulator(const QString &scenarioFile, const QStringList &options)
    {
        m_sim = std::make_unique<QProcess>();
        m_sim->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList args{QStringLiteral("--scenario"), scenarioFile, QStringLiteral("--pty"), linkPath()};
        m_sim->start(QString::fromLocal8Bit(qgetenv("PANELSIM")), args + options);
        if (!m_sim->waitForStarted(10000))
            return false;
        runningSimulator().store(m_sim->processId());
        // The link appears when the pseudo-terminal is ready: look on a timer.
        QTimer poll;
        poll.start(5);
        const QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(linkPath()) && !deadline.hasExpired() && m_sim->state() == QProcess::Running)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return QFileInfo::exists(linkPath());
    }

    void signalSimulator(int signal)
    {
        if (m_sim && m_sim->state() == QProcess::Running)
            ::kill(pid_t(m_sim->processId()), signal);
    }

    void stopSimulator()
    {
        if (!m_sim)
            return;
        signalSimulator(SIGCONT);
        if (m_sim->state() != QProcess::NotRunning) {
            m_sim->terminate();
            if (!m_sim->waitForFinished(5000))
                m_sim->kill();
            m_sim->waitForFinished(2000);
        }
        runningSimulator().store(0);
        m_sim.reset();
    }

    // The program's windows, the main window bound to the real library.
    // Every posted message is recorded before the dispatch handles it.
    TForm1 *createWindows()
    {
        forms = std::make_unique<Forms>();
        TForm1 *form = forms->Form1;
        form->setMessageHandler([this, form](const platform::WindowMessage &m) {
            record(m);
            form->linkDispatch().handleMessage(m);
            if (afterMessage)
                afterMessage(m);
        });
        form->show();
        return form;
    }

    void record(const platform::WindowMessage &m)
    {
        switch (m.message) {
        case linkmsg::RawSent:
            frames.append({true, m.bytes});
            break;
        case linkmsg::RawReceived:
            frames.append({false, m.bytes.mid(3)});
            break;
        case linkmsg::Reply:
            replies.append(m.bytes);
            break;
        case linkmsg::ModemReceived:
        case linkmsg::ModemSent:
            modemLines.append((m.message == linkmsg::ModemSent ? "> " : "< ") + m.bytes.mid(1));
            break;
        default:
            break;
        }
    }

    // The command frames the station sent, as "TP DE SO MS payload", in
    // order; repetitions left out.
    QList<QByteArray> commandsSent(int from = 0) const
    {
        QList<QByteArray> out;
        for (int i = from; i < frames.size(); ++i) {
            if (frames[i].sent && frames[i].type() == 'Q' && !frames[i].repeated())
                out << frames[i].summary();
        }
        return out;
    }

    int repeatedFrames(bool sent) const
    {
        int n = 0;
        for (const WireFrame &f : frames)
            n += (f.sent == sent && f.repeated() && f.type() != 'A') ? 1 : 0;
        return n;
    }

    // Opens COM1 the way the connect dialog does for a direct link.
    static bool openDirect(TForm1 *form, quint32 baud)
    {
        KxLinkApi &api = form->linkApi();
        form->Session.NetworkMode = 0;
        form->Session.LinkSiteKey = "HARBOUR-07";
        form->Session.ConnectedByModem = false;
        if (api.OwnNodeID(0, 0, 7) != 1 || api.OpenComPort(1, baud, 8, 1, 0) != 1)
            return false;
        api.SetModemEscSequence("+++");
        api.SetModemHangUpCmd("ATH0");
        return true;
    }

    std::unique_ptr<Forms> forms;
    platform::ScriptedAnswerer answers;
    QList<WireFrame> frames;
    QList<QByteArray> replies;
    QList<QByteArray> modemLines;
    std::function<void(const platform::WindowMessage &)> afterMessage;

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QTemporaryDir m_settings;
    QTemporaryDir m_program;
    QString m_previousCurrent;
    std::unique_ptr<QProcess> m_sim;
};
