// The dialogs around a call and the address book: the access code dialog in
// the log-in step (what goes on the wire, AbortFlag), the panel's answer to
// a log-in (reply 35), the dial-back dialog, and the site deletion with its
// folder rules.

#include "AddressPage.h"
#include "Delsite.h"
#include "Dialback.h"
#include "Password.h"

#include "LinkFakes.h"

#include <DialogSeam.h>
#include <IniFile.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The log-in step shows the real access code dialog.
class PasswordView : public FakeView
{
public:
    TPasswordDlg *dialog = nullptr;
    int execAccessCodeDialog(QString *code) override
    {
        steps << "TPasswordDlg";
        const int result = platform::execForm(dialog);
        *code = dialog->AccessCodeEdit->text();
        return result;
    }
};

struct PasswordFixture
{
    LinkSession session;
    PasswordView view;
    FakeKxLink api;
    RecordingDecoders decoders;
    SensorZoneMark zoneMark;
    LinkDispatch dispatch{session, view, api, decoders};
    LinkMessageWindow window{dispatch};
    LinkRequests requests{session, view, api, zoneMark};
    TPasswordDlg dialog;
    platform::ScriptedAnswerer answers;

    PasswordFixture()
    {
        api.window = window.windowHandle();
        view.handle = window.windowHandle();
        view.dialog = &dialog;
        dialog.setSession(&session);
        session.RequestNode = 5;
        session.OnLine = true;
    }
};

const QByteArray kBook = "[Keep]\r\nSiteName=KeepDir\r\n"
                         "[Gone]\r\nSiteName=GoneDir\r\n";

} // namespace

class TestSiteDialogs : public QObject
{
    Q_OBJECT

private slots:
    void accessCodeEcho()
    {
        TPasswordDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Panel Access Code..."));
        dialog.AccessCodeEdit->setFocus();
        dialog.OKBtn->setFocus();
        dialog.show();
        QCOMPARE(dialog.focusWidget(), dialog.AccessCodeEdit);
        QTest::keyClicks(dialog.AccessCodeEdit, "1234");
        QCOMPARE(dialog.AccessCodeEdit->text(), QStringLiteral("1234"));
        QCOMPARE(dialog.AccessCodeEdit->displayText(), QStringLiteral("****"));
        dialog.hide();
    }

    void accessCodeLogIn_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("command"); // hex; empty: no log-in
        QTest::addColumn<bool>("abort");
        QTest::newRow("OK with a code") << "1234" << "OK" << QByteArray("05 01 02 04 d2") << false;
        QTest::newRow("OK keeps the low 16 bits") << "70000" << "OK" << QByteArray("05 01 02 11 70") << false;
        QTest::newRow("OK with an empty field") << "" << "OK" << QByteArray() << false;
        QTest::newRow("Cancel") << "1234" << "Cancel" << QByteArray() << true;
        QTest::newRow("Escape") << "1234" << "Escape" << QByteArray() << true;
    }

    void accessCodeLogIn()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QByteArray, command);
        QFETCH(bool, abort);
        PasswordFixture f;
        f.answers.answerForm("PasswordDlg", [&](QDialog *form) {
            auto *dlg = static_cast<TPasswordDlg *>(form);
            dlg->show();
            dlg->AccessCodeEdit->setText(typed);
            if (button == "OK")
                QTest::mouseClick(dlg->OKBtn, Qt::LeftButton);
            else if (button == "Cancel")
                QTest::mouseClick(dlg->CancelBtn, Qt::LeftButton);
            else
                QTest::keyClick(dlg, Qt::Key_Escape);
            return dlg->result();
        });

        f.requests.LogInStep();

        QCOMPARE(f.api.commandHex(), command.isEmpty() ? QStringList()
                                                       : QStringList{QString::fromLatin1(
                                                             QByteArray::fromHex(command).toHex())});
        QCOMPARE(f.session.AbortFlag, abort);
        QCOMPARE(f.session.LoggedOn, !command.isEmpty());
        if (command.isEmpty())
            QVERIFY(f.view.steps.contains("hideProgressMessage"));
        QVERIFY(f.answers.messages().isEmpty());
    }

    void accessCodeAnswer_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("retrievalStarted");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("abort");
        QTest::addColumn<bool>("retry");
        QTest::newRow("14 memory lock open") << QByteArray("05 23 01 0e") << false << "Open Memory Lock" << false << false;
        QTest::newRow("17 before the retrieval") << QByteArray("05 23 01 11") << false << "Invalid Access Code" << true
                                                << false;
        QTest::newRow("17 after the retrieval began") << QByteArray("05 23 01 11") << true << "" << false << false;
        QTest::newRow("43 send again") << QByteArray("05 23 01 2b") << false << "" << false << true;
        QTest::newRow("accepted") << QByteArray("05 23 01 00") << false << "" << false << false;
        QTest::newRow("answer byte in the second payload byte only")
            << QByteArray("05 23 02 00 11") << false << "" << false << false;
    }

    void accessCodeAnswer()
    {
        QFETCH(QByteArray, record);
        QFETCH(bool, retrievalStarted);
        QFETCH(QString, box);
        QFETCH(bool, abort);
        QFETCH(bool, retry);
        PasswordFixture f;
        f.session.RetrievalStarted = retrievalStarted;
        platform::WindowMessage m;
        m.message = platform::WM_USER + 0x0D;
        m.bytes = QByteArray::fromHex(record);
        f.window.sendMessage(m);

        QCOMPARE(f.session.AbortFlag, abort);
        QCOMPARE(f.session.RetryFlag, retry);
        if (box.isEmpty()) {
            QVERIFY(f.answers.messages().isEmpty());
        } else {
            QCOMPARE(f.answers.messages().size(), 1);
            QCOMPARE(f.answers.messages().first().type, platform::MessageType::Warning);
            QCOMPARE(f.answers.messages().first().text, box);
            QCOMPARE(f.answers.messages().first().buttons, int(platform::ButtonOk));
        }
    }

    void dialBack_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("call");
        QTest::newRow("number") << "0123 456" << true << "ModemDialBack(0123 456)";
        QTest::newRow("empty number") << "" << true << "ModemDialBack()";
        QTest::newRow("longer than a short text") << QString(300, '7') << true
                                                  << "ModemDialBack(" + QString(255, '7') + ")";
        QTest::newRow("Cancel") << "0123 456" << false << "";
    }

    void dialBack()
    {
        QFETCH(QString, number);
        QFETCH(bool, ok);
        QFETCH(QString, call);
        FakeView view;
        FakeKxLink api;
        view.menuEnabled[LinkMenuCommand::Dialback1] = true;
        TDlgDialBack dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DialBack"));
        dialog.setLink(&view, &api);
        dialog.show();
        dialog.DialBackNumEdit->setText(number);
        QTest::mouseClick(ok ? dialog.OKBtn : dialog.CancelBtn, Qt::LeftButton);

        QVERIFY(dialog.isHidden());
        QCOMPARE(dialog.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(api.calls, call.isEmpty() ? QStringList() : QStringList{call});
        QCOMPARE(view.sessionButtons, ok ? QList<bool>{false} : QList<bool>());
        QCOMPARE(view.statusBar(), ok ? QStringLiteral("DISCONNECTING...") : QString());
        QCOMPARE(view.menuEnabled.value(LinkMenuCommand::Dialback1), !ok);
    }

    // Deleting the site "Gone" whose folder is "GoneDir", or whatever the
    // row puts in its place.
    void deleteSite_data()
    {
        QTest::addColumn<QByteArray>("siteName");      // stored SiteName of "Gone"
        QTest::addColumn<QStringList>("files");        // made in the program directory, relative paths
        QTest::addColumn<int>("secondAnswer");
        QTest::addColumn<QStringList>("remaining");    // of `files`, after the deletion
        QTest::addColumn<bool>("folderMessage");
        QTest::addColumn<bool>("sectionErased");

        const QStringList plain{"GoneDir/0503140724.l24", "GoneDir/config.db", "GoneDir/readonly.txt"};
        QTest::newRow("plain files") << QByteArray("GoneDir") << plain << int(platform::ButtonYes) << QStringList()
                                     << false << true;
        QTest::newRow("hidden file stays, so does the folder")
            << QByteArray("GoneDir") << (plain + QStringList{"GoneDir/.hidden"}) << int(platform::ButtonYes)
            << QStringList{"GoneDir/.hidden"} << true << true;
        QTest::newRow("subfolder stays") << QByteArray("GoneDir") << (plain + QStringList{"GoneDir/sub/x.l24"})
                                         << int(platform::ButtonYes) << QStringList{"GoneDir/sub/x.l24"} << true
                                         << true;
        QTest::newRow("folder removed by hand") << QByteArray("GoneDir") << QStringList() << int(platform::ButtonYes)
                                                << QStringList() << true << true;
        QTest::newRow("No to the second question") << QByteArray("GoneDir") << plain << int(platform::ButtonNo)
                                                   << plain << false << false;
        // Names that do not name a folder of the program directory delete
        // nothing.
        QTest::newRow("empty name") << QByteArray("") << QStringList{"keep.txt"} << int(platform::ButtonYes)
                                    << QStringList{"keep.txt"} << true << true;
        QTest::newRow("dot") << QByteArray(".") << QStringList{"keep.txt"} << int(platform::ButtonYes)
                             << QStringList{"keep.txt"} << true << true;
        QTest::newRow("dot dot") << QByteArray("..") << QStringList{"../outside.txt"} << int(platform::ButtonYes)
                                 << QStringList{"../outside.txt"} << true << true;
        QTest::newRow("path outside") << QByteArray("../other") << QStringList{"../other/outside.txt"}
                                      << int(platform::ButtonYes) << QStringList{"../other/outside.txt"} << true
                                      << true;
        QTest::newRow("absolute path") << QByteArray("/tmp") << QStringList() << int(platform::ButtonYes)
                                       << QStringList() << true << true;
        QTest::newRow("link to a folder outside") << QByteArray("Linked") << QStringList{"../other/outside.txt"}
                                                  << int(platform::ButtonYes)
                                                  << QStringList{"../other/outside.txt"} << true << true;
    }

    void deleteSite()
    {
        QFETCH(QByteArray, siteName);
        QFETCH(QStringList, files);
        QFETCH(int, secondAnswer);
        QFETCH(QStringList, remaining);
        QFETCH(bool, folderMessage);
        QFETCH(bool, sectionErased);

        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("program"));
        QVERIFY(QDir(root.path()).mkpath("other"));
        const QString programDir = root.filePath("program");
        QDir program(programDir);
        QByteArray book = kBook;
        book.replace("SiteName=GoneDir", "SiteName=" + siteName);
        QVERIFY(writeBytes(program.filePath("address.ini"), book));
        QVERIFY(program.mkpath("KeepDir"));
        QVERIFY(writeBytes(program.filePath("KeepDir/keep.l24"), "x"));
        if (siteName == "Linked")
            QVERIFY(QFile::link(root.filePath("other"), program.filePath("Linked")));
        for (const QString &file : files) {
            QVERIFY(program.mkpath(QFileInfo(program.filePath(file)).path()));
            QVERIFY(writeBytes(program.filePath(file), "data"));
        }
        if (files.contains("GoneDir/readonly.txt"))
            QVERIFY(QFile::setPermissions(program.filePath("GoneDir/readonly.txt"), QFile::ReadOwner));

        LinkSession session;
        AddressPage page(programDir, session);
        page.refillSiteList(false);
        const auto found = page.ListBoxAddresses->findItems("Gone", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        page.ListBoxAddresses->setCurrentItem(found.first());
        page.EditAddInfo->setText("Gone");
        page.GroupBoxSiteInfo->show();

        TdlgDelete dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Delete site information:"));
        dialog.setAddressPage(&page);
        int resets = 0;
        dialog.setResetDataViews([&] { ++resets; });
        platform::ScriptedAnswerer answers;
        answers.answerMessage(secondAnswer);
        dialog.show();
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        QVERIFY(dialog.isHidden());

        QVERIFY(!answers.messages().isEmpty());
        QCOMPARE(answers.messages().first().text,
                 QStringLiteral("This site contains historical data. Are you sure you want to delete ?"));
        QCOMPARE(answers.messages().first().type, platform::MessageType::Information);
        QCOMPARE(answers.messages().first().buttons, int(platform::ButtonYes | platform::ButtonNo));
        QStringList later;
        for (int i = 1; i < answers.messages().size(); ++i)
            later << answers.messages().at(i).text;
        QCOMPARE(later, folderMessage ? QStringList{"It was not possible to locate and delete the linked folder"}
                                      : QStringList());

        for (const QString &file : files)
            QCOMPARE(QFileInfo::exists(program.filePath(file)), remaining.contains(file));
        if (siteName == "GoneDir")
            QCOMPARE(QFileInfo::exists(program.filePath("GoneDir")),
                     !files.isEmpty() && (secondAnswer != platform::ButtonYes || !remaining.isEmpty()));
        // The other site, the book and the program directory are untouched.
        QVERIFY(QFileInfo::exists(program.filePath("KeepDir/keep.l24")));
        QVERIFY(QFileInfo::exists(program.filePath("address.ini")));
        const QList<QByteArray> sections = platform::IniFile(program.filePath("address.ini")).readSections();
        QCOMPARE(sections, sectionErased ? QList<QByteArray>{"Keep"} : (QList<QByteArray>{"Keep", "Gone"}));
        QCOMPARE(resets, secondAnswer == platform::ButtonYes ? 1 : 0);
        if (sectionErased) {
            QVERIFY(page.GroupBoxSiteInfo->isHidden());
            QCOMPARE(page.ListBoxAddresses->count(), 1);
        }
    }

    void deleteWithoutSelection()
    {
        QTemporaryDir program;
        QVERIFY(writeBytes(program.filePath("address.ini"), kBook));
        QVERIFY(QDir(program.path()).mkpath("GoneDir"));
        LinkSession session;
        AddressPage page(program.path(), session);
        page.refillSiteList(false);
        page.ListBoxAddresses->setCurrentRow(-1);
        page.EditAddInfo->setText("Gone");
        TdlgDelete dialog;
        dialog.setAddressPage(&page);
        platform::ScriptedAnswerer answers;
        answers.answerMessage(platform::ButtonYes);
        dialog.OKBtnClick();
        QCOMPARE(answers.messages().size(), 1);
        const QList<QByteArray> sections = platform::IniFile(program.filePath("address.ini")).readSections();
        QCOMPARE(sections, (QList<QByteArray>{"Keep", "Gone"}));
        QVERIFY(QFileInfo::exists(program.filePath("GoneDir")));
    }
};

QTEST_MAIN(TestSiteDialogs)
#include "tst_sitedialogs.moc"
