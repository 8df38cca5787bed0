// velmora emulate --site ID --panel ADDR [--keys CODES] [--seconds N] --screen-out FILE
//
// The remote front of one panel without a window: the job runs the main
// window and the connect dialog on the offscreen platform and works them as
// an operator would:
//
//   Dial (connect dialog: site ID, OK) ─► link ready (session buttons on)
//   ─► Emulation page: the panel's record in the site's panel table, Start
//   ─► the panel shows its display ─► each key code as one key command,
//      the next once the previous one is acknowledged
//   ─► N seconds (default 2) ─► the LCD text as print screen builds it
//      (8 lines, each a blank and the 40 characters) to FILE
//   ─► Stop, hang up (a modem call) or close the communication (a direct
//      line), close the main window.
//
// Every message box goes to standard error. The job ends with exit code 0
// when the screen was written, 1 when the emulation failed (unknown site, no
// link, panel not in the site's table, panel refused, file not written) and
// 2 for bad arguments; the reason is printed on standard error.

#include "EmulateCommand.h"

#include "Address.h"
#include "Connect.h"
#include "DialogSeam.h"
#include "Forms.h"
#include "PMain.h"
#include "Posting.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCommandLineParser>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>

namespace {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// How long the job waits for each step before it gives up. The modem
// dialogue (modem check, initialisation, dialling, the 2 s before the
// dialog closes) and the link's own retries fit well inside them.
constexpr int ConnectTimeoutMs = 90000;
constexpr int LinkReadyTimeoutMs = 30000;
constexpr int DisplayTimeoutMs = 15000;
constexpr int AckTimeoutMs = 15000;
constexpr int MaxSeconds = 24 * 3600;

void printErr(const QString &text)
{
    std::fprintf(stderr, "velmora emulate: %s\n", qPrintable(text));
}

// Lets the event loop run until the condition holds or the time is up; the
// condition is tested again after every batch of events. True when it holds.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake; // ends the last wait when nothing else happens
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Message boxes go to standard error (and are remembered, so the job can
// tell a refusal); the connect dialog is worked by the job.
class EmulateAnswerer : public platform::DialogAnswerer
{
public:
    std::function<int(QDialog *)> connectDialog;
    QStringList messages;

    int message(QWidget *parent, const platform::MessageRequest &request) override
    {
        messages.append(request.text);
        return m_console.message(parent, request);
    }
    std::optional<QString> file(QWidget *parent, const platform::FileRequest &request) override
    {
        return m_console.file(parent, request);
    }
    int execForm(QDialog *form) override
    {
        if (connectDialog && form->objectName() == QLatin1String("DlgConnect"))
            return connectDialog(form);
        return m_console.execForm(form);
    }

private:
    platform::ConsoleAnswerer m_console;
};

struct Options
{
    QByteArray site;
    QString panel;
    QList<quint8> keys;
    int seconds = 2;
    QString screenOut;
};

// Parses the job's arguments (the command name first). On failure returns
// nothing after printing why.
std::optional<Options> parseOptions(const QStringList &arguments, bool *helpShown)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Dial to a site, emulate one of its panels, press keys and write the panel's LCD text to a file."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption site(QStringLiteral("site"), QStringLiteral("Site (section of address.ini)."),
                                  QStringLiteral("ID"));
    const QCommandLineOption panel(QStringLiteral("panel"),
                                   QStringLiteral("Panel address as the site's panel table lists it."),
                                   QStringLiteral("ADDR"));
    const QCommandLineOption keys(QStringLiteral("keys"),
                                  QStringLiteral("Key codes to press, decimal 0..255, separated by commas."),
                                  QStringLiteral("CODES"));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("Seconds to wait after the keys (default 2)."),
                                     QStringLiteral("N"));
    const QCommandLineOption screenOut(QStringLiteral("screen-out"), QStringLiteral("File for the LCD text."),
                                       QStringLiteral("FILE"));
    parser.addOptions({help, site, panel, keys, seconds, screenOut});

    *helpShown = false;
    if (!parser.parse(arguments)) {
        printErr(parser.errorText());
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("velmora emulate"));
        std::fputs(qPrintable(text), stdout);
        *helpShown = true;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printErr(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
        return std::nullopt;
    }
    for (const QCommandLineOption *required : {&site, &panel, &screenOut}) {
        if (parser.value(*required).isEmpty()) {
            printErr(QStringLiteral("--%1 is required").arg(required->names().constFirst()));
            return std::nullopt;
        }
    }

    Options options;
    options.site = parser.value(site).toLocal8Bit();
    options.panel = parser.value(panel);
    options.screenOut = parser.value(screenOut);
    if (options.panel.size() > address::PanelAddressSize) {
        printErr(QStringLiteral("--panel '%1' is longer than a panel address (%2 characters)")
                     .arg(options.panel)
                     .arg(address::PanelAddressSize));
        return std::nullopt;
    }
    if (parser.isSet(keys)) {
        for (const QString &item : parser.value(keys).split(QLatin1Char(','))) {
            bool ok = false;
            const uint code = item.trimmed().toUInt(&ok, 10);
            if (!ok || code > 255) {
                printErr(QStringLiteral("--keys: '%1' is not a key code (0..255)").arg(item));
                return std::nullopt;
            }
            options.keys.append(quint8(code));
        }
    }
    if (parser.isSet(seconds)) {
        bool ok = false;
        options.seconds = parser.value(seconds).toInt(&ok, 10);
        if (!ok || options.seconds < 0 || options.seconds > MaxSeconds) {
            printErr(QStringLiteral("--seconds needs a whole number of seconds (0..%1), not '%2'")
                         .arg(MaxSeconds)
                         .arg(parser.value(seconds)));
            return std::nullopt;
        }
    }
    return options;
}

bool siteExists(const QString &programDirectory, const QByteArray &site)
{
    // Section names are matched without regard to letter case, as the
    // address book's ini file does.
    const QList<QByteArray> sections = SiteList(programDirectory);
    for (const QByteArray &section : sections) {
        if (section.compare(site, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The connect dialog as the operator works it: the site typed into the site
// box, OK, then wait until the dialog closes. A dialogue that ends without a
// link (an error box, no modem, busy, no carrier) is cancelled.
int workConnectDialog(QDialog *form, const QByteArray &site, EmulateAnswerer &answers, QString *failure)
{
    auto *dialog = qobject_cast<TDlgConnect *>(form);
    if (!dialog)
        return QDialog::Rejected;
    dialog->show();
    dialog->ComboBoxAddress->setEditText(QString::fromLocal8Bit(site));
    dialog->ComboBoxAddressExit();
    const qsizetype boxesBefore = answers.messages.size();
    dialog->OKBtn->click();

    const auto modemFailed = [dialog] {
        const QString state = dialog->ModemMsgEdit->text();
        return state == QLatin1String("NO MODEM DETECTED") || state.startsWith(QLatin1String("NO CARRIER"))
            || state.startsWith(QLatin1String("BUSY")) || state.startsWith(QLatin1String("ERROR"));
    };
    const bool ended = waitUntil(
        [&] { return dialog->isHidden() || answers.messages.size() > boxesBefore || modemFailed(); },
        ConnectTimeoutMs);
    if (dialog->isHidden())
        return dialog->result();
    if (!ended)
        *failure = QStringLiteral("the connection was not made within %1 s").arg(ConnectTimeoutMs / 1000);
    else if (answers.messages.size() > boxesBefore)
        *failure = answers.messages.constLast();
    else
        *failure = dialog->ModemMsgEdit->text();
    dialog->CancelBtn->click();
    return QDialog::Rejected;
}

bool linkOpen(const TForm1 &form)
{
    return form.ButtonStartEmulation->isEnabled();
}

// Ends the link as the operator would: Hangup for a modem call, Close
// Communication for a direct line.
void endLink(TForm1 &form)
{
    if (form.Session.ConnectedByModem && form.Session.CarrierUp)
        form.Hangup1Click();
    else
        form.CloseCommunication1Click();
}

int runEmulation(const Options &options)
{
    const QString programDirectory = QDir::currentPath();
    if (!siteExists(programDirectory, options.site)) {
        printErr(QStringLiteral("unknown site '%1': no such section in %2")
                     .arg(QString::fromLocal8Bit(options.site), addressBookPath(programDirectory)));
        return ExitFailure;
    }

    EmulateAnswerer answers;
    platform::setDialogAnswerer(&answers);
    struct RestoreAnswerer
    {
        ~RestoreAnswerer() { platform::setDialogAnswerer(nullptr); }
    } restoreAnswerer;

    Forms forms;
    TForm1 &form = *forms.Form1;
    form.show(); // first show: settings, port and modem strings, as in the window

    QString connectFailure;
    answers.connectDialog = [&](QDialog *dialog) {
        return workConnectDialog(dialog, options.site, answers, &connectFailure);
    };
    form.Dial1Click();
    answers.connectDialog = nullptr;
    const QString site = QString::fromLocal8Bit(options.site);
    if (!connectFailure.isEmpty()) {
        printErr(QStringLiteral("no link to site '%1': %2").arg(site, connectFailure));
        form.close();
        return ExitFailure;
    }

    // The link is up when the panels answered the initialisation request:
    // the session buttons come on and the site's panel table opens.
    if (!waitUntil([&] { return linkOpen(form); }, LinkReadyTimeoutMs)) {
        printErr(QStringLiteral("no link to site '%1': the panels did not answer").arg(site));
        endLink(form);
        form.close();
        return ExitFailure;
    }

    // The panel's record in the site's panel table, on the Emulation page.
    form.TabbedNotebook1->setCurrentWidget(form.Emulation_m);
    QAbstractItemModel *panels = form.EmulationDBGrid->model();
    int row = -1;
    for (int r = 0; panels && r < panels->rowCount() && row < 0; ++r) {
        if (panels->index(r, 0).data().toString().trimmed() == options.panel.trimmed())
            row = r;
    }
    if (row < 0) {
        printErr(QStringLiteral("panel '%1' is not in the panel table of site '%2'").arg(options.panel, site));
        endLink(form);
        form.close();
        return ExitFailure;
    }
    form.EmulationDBGrid->setCurrentIndex(panels->index(row, 0));

    const qsizetype boxesBefore = answers.messages.size();
    form.ButtonStartEmulation->click();
    const bool shown = waitUntil([&] { return form.EmulationActive || answers.messages.size() > boxesBefore
                                              || !linkOpen(form); },
                                 DisplayTimeoutMs);
    if (!form.EmulationActive) {
        QString why;
        if (answers.messages.size() > boxesBefore)
            why = answers.messages.at(boxesBefore);
        else if (!shown)
            why = QStringLiteral("no display within %1 s").arg(DisplayTimeoutMs / 1000);
        else
            why = QStringLiteral("the link was lost");
        printErr(QStringLiteral("panel '%1' refused the emulation: %2").arg(options.panel, why));
        if (linkOpen(form))
            endLink(form);
        form.close();
        return ExitFailure;
    }

    // Keys: one key command each, the next when the previous one is
    // acknowledged (a key sent while one waits for its acknowledgement
    // would be dropped).
    for (const quint8 key : options.keys) {
        const bool ready = waitUntil(
            [&] { return !linkOpen(form) || (!form.Session.WaitingForAck && form.Session.LinkState != 1); },
            AckTimeoutMs);
        if (!ready || !linkOpen(form)) {
            printErr(ready ? QStringLiteral("the link was lost while keys were sent")
                           : QStringLiteral("key %1 not sent: the previous command was not acknowledged").arg(key));
            if (linkOpen(form))
                endLink(form);
            form.close();
            return ExitFailure;
        }
        form.EmulationPageWidget->SendPanelKey(key);
    }

    // Let the panel draw what the keys changed.
    bool waited = false;
    QTimer::singleShot(options.seconds * 1000, &form, [&waited] { waited = true; });
    while (!waited)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!linkOpen(form)) {
        printErr(QStringLiteral("the link to site '%1' was lost during the emulation").arg(site));
        form.close();
        return ExitFailure;
    }

    int rc = ExitOk;
    QSaveFile out(options.screenOut);
    if (!out.open(QIODevice::WriteOnly) || out.write(form.LCDDisplay->screenText()) < 0 || !out.commit()) {
        printErr(QStringLiteral("cannot write %1: %2").arg(options.screenOut, out.errorString()));
        rc = ExitFailure;
    }

    form.StopEmulation();
    endLink(form);
    form.close();
    return rc;
}

} // namespace

int app::runEmulateCommand(int &argc, char **argv, const QStringList &arguments)
{
    bool helpShown = false;
    const std::optional<Options> options = parseOptions(arguments, &helpShown);
    if (!options)
        return helpShown ? ExitOk : ExitUsage;

    // A headless job: no display is needed, and nothing may wait for a person.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("TARVELIN"));
    QApplication::setQuitOnLastWindowClosed(false);
    return runEmulation(*options);
}
