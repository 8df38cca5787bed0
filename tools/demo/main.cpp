// velmora-demo: writes the demo program directory and settings directory.
//
//   velmora-demo --program DIR --settings DIR --direct-link DEV --modem-link DEV [--logo FILE]
//
// The logo defaults to Logo.BMP beside this program. Exit code 0 when the
// folders were written, 1 when writing failed, 2 for bad arguments.

#include "DemoFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace {

void printErr(const QString &text)
{
    std::fprintf(stderr, "velmora-demo: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a demo program directory and settings directory for the panel simulator."));
    parser.addHelpOption();
    const QCommandLineOption program(QStringLiteral("program"), QStringLiteral("Program directory."),
                                     QStringLiteral("dir"));
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Settings directory."),
                                      QStringLiteral("dir"));
    const QCommandLineOption directLink(QStringLiteral("direct-link"),
                                        QStringLiteral("Device of the direct line (COM2)."), QStringLiteral("dev"));
    const QCommandLineOption modemLink(QStringLiteral("modem-link"),
                                       QStringLiteral("Device of the modem line (COM1)."), QStringLiteral("dev"));
    const QCommandLineOption logo(QStringLiteral("logo"), QStringLiteral("Welcome picture to copy in."),
                                  QStringLiteral("file"));
    parser.addOptions({program, settings, directLink, modemLink, logo});

    if (!parser.parse(app.arguments())) {
        printErr(parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    for (const QCommandLineOption *required : {&program, &settings, &directLink, &modemLink}) {
        if (parser.value(*required).isEmpty()) {
            printErr(QStringLiteral("--%1 is required").arg(required->names().constFirst()));
            return 2;
        }
    }
    if (!parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
        return 2;
    }

    demo::DemoPaths paths;
    paths.programDirectory = QFileInfo(parser.value(program)).absoluteFilePath();
    paths.settingsDirectory = QFileInfo(parser.value(settings)).absoluteFilePath();
    paths.directLink = QFileInfo(parser.value(directLink)).absoluteFilePath();
    paths.modemLink = QFileInfo(parser.value(modemLink)).absoluteFilePath();
    paths.logo = parser.isSet(logo) ? parser.value(logo)
                                    : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Logo.BMP"));
    try {
        demo::writeDemoFolder(paths);
    } catch (const std::exception &e) {
        printErr(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    return 0;
}
