#include "RetrieveCommand.h"

#include "Connect.h"
#include "DataRetrievePage.h"
#include "DialogSeam.h"
#include "Forms.h"
#include "PMain.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

#include <cstdio>

namespace app {

namespace {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// How long the link may take to come up (a modem call included).
constexpr int ConnectTimeoutMs = 90000;

void printErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// Answers the program's dialogs for the job: message boxes are printed on
// standard error and get their first button; the connect dialog connects
// to the site; the access code dialog gets the code; the save dialog the
// output file.
class JobAnswerer : public platform::DialogAnswerer
{
public:
    QString site;
    QString accessCode;
    QString outFile;
    int messages = 0;
    int connectResult = -1;

    int message(QWidget *, const platform::MessageRequest &request) override
    {
        ++messages;
        printErr(request.text);
        for (int button : {platform::ButtonOk, platform::ButtonYes, platform::ButtonCancel, platform::ButtonNo}) {
            if (request.buttons & button)
                return button;
        }
        return platform::ButtonOk;
    }

    std::optional<QString> file(QWidget *, const platform::FileRequest &request) override
    {
        if (request.kind == platform::FileDialogKind::Save && !outFile.isEmpty())
            return outFile;
        return std::nullopt;
    }

    int execForm(QDialog *form) override
    {
        if (auto *connect = qobject_cast<TDlgConnect *>(form)) {
            connectResult = connectToSite(*connect);
            return connectResult;
        }
        if (form->objectName() == QLatin1String("PasswordDlg")) {
            if (auto *edit = form->findChild<QLineEdit *>(QStringLiteral("AccessCodeEdit")))
                edit->setText(accessCode);
            return QDialog::Accepted;
        }
        return QDialog::Rejected;
    }

private:
    int connectToSite(TDlgConnect &dialog)
    {
        // Shown as the operator sees it: activation fills the site list and
        // the dialog takes the library's messages during a modem call.
        QEventLoop loop;
        int result = -1;
        QObject::connect(&dialog, &QDialog::finished, &loop, [&](int r) {
            result = r;
            loop.quit();
        });
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        dialog.ComboBoxAddress->setEditText(site);
        dialog.ComboBoxAddress->setCurrentText(site);
        const int messagesBefore = messages;
        dialog.OKBtnClick();
        // A box during OK (the port cannot be opened, ...) leaves the dialog
        // open for another try, which nobody will make.
        if (result < 0 && dialog.isVisible() && messages == messagesBefore) {
            QTimer::singleShot(ConnectTimeoutMs, &loop, &QEventLoop::quit);
            loop.exec();
        }
        dialog.hide();
        QObject::disconnect(&dialog, &QDialog::finished, &loop, nullptr);
        return result < 0 ? int(QDialog::Rejected) : result;
    }
};

// Runs the message loop until `done` holds or the time is up.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QTimer tick;
    tick.start(50); // wakes the loop to look at the deadline
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool indexOption(const QCommandLineParser &parser, const QCommandLineOption &option, int low, int high, int *value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int v = parser.value(option).toInt(&ok);
    if (!ok || v < low || v > high) {
        printErr(QStringLiteral("velmora retrieve: --%1 needs a number from %2 to %3, not '%4'")
                     .arg(option.names().constFirst())
                     .arg(low)
                     .arg(high)
                     .arg(parser.value(option)));
        return false;
    }
    *value = v;
    return true;
}

} // namespace

int runRetrieveCommand(int &argc, char **argv, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Retrieve one kind of data from a panel and save it."));
    const QCommandLineOption site(QStringLiteral("site"), QStringLiteral("Address book site (modem ID)."), QStringLiteral("ID"));
    const QCommandLineOption panel(QStringLiteral("panel"), QStringLiteral("Panel address as in the site's panel table."), QStringLiteral("ADDR"));
    const QCommandLineOption kind(QStringLiteral("kind"), QStringLiteral("Index of the information list (0 to 17)."), QStringLiteral("N"));
    const QCommandLineOption code(QStringLiteral("access-code"), QStringLiteral("The panel's access code."), QStringLiteral("CODE"));
    const QCommandLineOption loop(QStringLiteral("loop"), QStringLiteral("Item of the loop list (0 All, 1 to 8)."), QStringLiteral("N"));
    const QCommandLineOption sensors(QStringLiteral("sensor-range"), QStringLiteral("Item of the sensor list (0 All, 1 to 26)."), QStringLiteral("N"));
    const QCommandLineOption range(QStringLiteral("range"), QStringLiteral("Item of the range list (0 All, 1 to 10)."), QStringLiteral("N"));
    const QCommandLineOption systemZone(QStringLiteral("system-zone"), QStringLiteral("System zone (0 all)."), QStringLiteral("N"));
    const QCommandLineOption zoneTest(QStringLiteral("zone-test-filter"), QStringLiteral("Item of the zone test list (0 to 2)."), QStringLiteral("N"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The text file to write."), QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("The report as PDF."), QStringLiteral("FILE"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    for (const QCommandLineOption *o : {&site, &panel, &kind, &code, &loop, &sensors, &range, &systemZone, &zoneTest, &out, &pdf, &help})
        parser.addOption(*o);
    if (!parser.parse(arguments)) {
        printErr(QStringLiteral("velmora retrieve: %1").arg(parser.errorText()));
        return ExitUsage;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("velmora retrieve"));
        std::fputs(qPrintable(text), stdout);
        return ExitOk;
    }
    for (const QCommandLineOption *o : {&site, &panel, &kind, &code, &out}) {
        if (!parser.isSet(*o)) {
            printErr(QStringLiteral("velmora retrieve: --%1 is required").arg(o->names().constFirst()));
            return ExitUsage;
        }
    }
    int kindIndex = 0, loopIndex = 0, sensorIndex = 0, rangeIndex = 0, zoneValue = 0, zoneTestIndex = 0;
    if (!indexOption(parser, kind, 0, 17, &kindIndex) || !indexOption(parser, loop, 0, 8, &loopIndex)
        || !indexOption(parser, sensors, 0, 26, &sensorIndex) || !indexOption(parser, range, 0, 10, &rangeIndex)
        || !indexOption(parser, systemZone, 0, 65535, &zoneValue) || !indexOption(parser, zoneTest, 0, 2, &zoneTestIndex))
        return ExitUsage;
    bool codeOk = false;
    parser.value(code).toLongLong(&codeOk);
    if (!codeOk) {
        printErr(QStringLiteral("velmora retrieve: --access-code needs a number, not '%1'").arg(parser.value(code)));
        return ExitUsage;
    }
    if (parser.isSet(pdf))
        printErr(QStringLiteral("velmora retrieve: --pdf is not available in this version; the text file is written"));

    // The job runs through the windows, without showing them to anyone.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setQuitOnLastWindowClosed(false);

    JobAnswerer answers;
    answers.site = parser.value(site);
    answers.accessCode = parser.value(code);
    answers.outFile = parser.value(out);
    platform::setDialogAnswerer(&answers);

    int rc = ExitFailure;
    {
        Forms forms;
        TForm1 &form = *forms.Form1;
        form.FormShow();
        DataRetrievePage &page = *form.DataRetrievePageWidget;

        // Dial to the site; the panel table opens when the link is ready.
        form.Dial1Click();
        const int linkWaitMs = answers.connectResult == QDialog::Accepted ? ConnectTimeoutMs : 0;
        const auto panelTableOpen = [&] {
            const QAbstractItemModel *model = form.DataRetreiveDBGrid->model();
            return form.Session.OnLine && model && model->rowCount() > 0;
        };
        if (!waitFor(panelTableOpen, linkWaitMs)) {
            printErr(QStringLiteral("velmora retrieve: no link to site '%1'").arg(answers.site));
        } else {
            const QAbstractItemModel *model = form.DataRetreiveDBGrid->model();
            int row = -1;
            for (int r = 0; r < model->rowCount() && row < 0; ++r) {
                if (model->index(r, 0).data().toString().trimmed() == parser.value(panel).trimmed())
                    row = r;
            }
            if (row < 0) {
                printErr(QStringLiteral("velmora retrieve: site '%1' has no panel '%2'")
                             .arg(answers.site, parser.value(panel)));
            } else {
                form.DataRetreiveDBGrid->setCurrentIndex(model->index(row, 0));
                page.ComboBoxDataRetrieveInfo->setCurrentIndex(kindIndex);
                page.ComboBoxDataRetrieveInfoChange();
                page.ComboBoxDRLoop->setCurrentIndex(loopIndex);
                page.ComboBoxDRLoopChange();
                page.ComboBoxDRSensor->setCurrentIndex(sensorIndex);
                page.ComboBoxDRSensorChange();
                page.ComboBoxDRrange->setCurrentIndex(rangeIndex);
                page.ComboBoxDRrangeChange();
                page.SystemZonesEdit->setValue(zoneValue);
                page.SystemZonesEditChange();
                page.ZoneTestResultComboBox->setCurrentIndex(zoneTestIndex);

                page.RetrieveDataButtonClick();
                using Outcome = DataRetrievePage::Outcome;
                const Outcome outcome = page.lastOutcome();
                if (form.Session.RetrievalStarted && outcome != Outcome::Failed)
                    page.ButtonDataRetrieveSaveClick();
                if (outcome == Outcome::Completed && QFileInfo::exists(answers.outFile))
                    rc = ExitOk;
                else if (outcome == Outcome::Incomplete)
                    printErr(QStringLiteral("velmora retrieve: some items got no reply"));
                else if (outcome != Outcome::Completed)
                    printErr(QStringLiteral("velmora retrieve: the retrieval did not end in order"));
            }
        }
        // Hang up and close as the window's Close does.
        form.close();
    }
    platform::setDialogAnswerer(nullptr);
    return rc;
}

} // namespace app
