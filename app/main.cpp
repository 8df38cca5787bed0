// velmora: the station program.
//
//   velmora                    opens the main window
//   velmora --exit-after MS    opens it and closes it after MS milliseconds
//                              through the normal close path
//   velmora --help | --version
//
// Headless jobs come as sub-commands (velmora <command> [options]); each has
// its own parser and runs through the same forms as the window.

#include "Forms.h"
#include "DialogSeam.h"
#include "EmulateCommand.h"
#include "PMain.h"
#include "RetrieveCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const char *const kVersion = "11.02";

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

QStringList argumentList(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

void printErr(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
    std::fputc('\n', stderr);
}

// A sub-command: gets argc/argv (for the QApplication it creates) and its
// own arguments (the command name first).
using Command = std::function<int(int &argc, char **argv, const QStringList &arguments)>;

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("retrieve"), app::runRetrieveCommand},
        {QStringLiteral("emulate"), app::runEmulateCommand},
    };
    return table;
}

int runWindow(int &argc, char **argv, int exitAfterMs)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("TARVELIN"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // The main window decides when the program ends, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    // Without a display nobody can answer a message box: report them on
    // standard error instead of waiting forever.
    platform::ConsoleAnswerer consoleAnswerer;
    const QString platformName = QGuiApplication::platformName();
    if (platformName == QLatin1String("offscreen") || platformName == QLatin1String("minimal"))
        platform::setDialogAnswerer(&consoleAnswerer);

    Forms forms;
    QObject::connect(forms.Form1, &TForm1::formClosed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    forms.Form1->showMaximized();
    if (exitAfterMs >= 0)
        QTimer::singleShot(exitAfterMs, forms.Form1, &QWidget::close);
    const int rc = app.exec();
    platform::setDialogAnswerer(nullptr);
    return rc;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentList(argc, argv);

    // A sub-command takes over the rest of the command line.
    if (arguments.size() > 1) {
        const auto it = commands().find(arguments.at(1));
        if (it != commands().end())
            return it->second(argc, argv, arguments.mid(1));
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "TARVELIN: maintenance and remote supervision of Korvex fire-alarm control panels."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the program version and exit."));
    const QCommandLineOption exitAfterOption(
        QStringLiteral("exit-after"),
        QStringLiteral("Open the main window and close it after <ms> milliseconds."), QStringLiteral("ms"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(exitAfterOption);

    if (!parser.parse(arguments)) {
        printErr(QStringLiteral("velmora: %1").arg(parser.errorText()));
        printErr(QStringLiteral("Try 'velmora --help'."));
        return ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        // Without an application object the parser cannot know the program's name.
        QString help = parser.helpText();
        help.replace(QStringLiteral("<executable_name>"), QStringLiteral("velmora"));
        std::fputs(qPrintable(help), stdout);
        return ExitOk;
    }
    if (parser.isSet(versionOption)) {
        std::printf("velmora %s\n", kVersion);
        return ExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("velmora: unknown command '%1'").arg(parser.positionalArguments().constFirst()));
        printErr(QStringLiteral("Try 'velmora --help'."));
        return ExitUsage;
    }

    int exitAfter = -1;
    if (parser.isSet(exitAfterOption)) {
        bool ok = false;
        exitAfter = parser.value(exitAfterOption).toInt(&ok);
        if (!ok || exitAfter < 0) {
            printErr(QStringLiteral("velmora: --exit-after needs a number of milliseconds, not '%1'")
                         .arg(parser.value(exitAfterOption)));
            return ExitUsage;
        }
    }
    return runWindow(argc, argv, exitAfter);
}
