// The program's set of windows: the order in which they are made, the about
// box, the progress message and the menu commands that show them.

#include "FakeKxLink.h"

#include "DialogSeam.h"
#include "FRMessage.h"
#include "Forms.h"
#include "PMain.h"
#include "PDataScope.h"
#include "Pabout.h"

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include <memory>

class TestForms : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestFolders> m_dirs;
    std::unique_ptr<platform::ScriptedAnswerer> m_answers;
    FakeKxLink m_api;

private slots:
    void init()
    {
        m_dirs = std::make_unique<TestFolders>();
        QVERIFY(m_dirs->installLogo());
        m_answers = std::make_unique<platform::ScriptedAnswerer>();
        m_api = FakeKxLink();
    }
    void cleanup()
    {
        m_answers.reset();
        m_dirs.reset();
    }

    void windowsAreCreatedInOrderMainWindowFirst()
    {
        Forms forms(&m_api);
        QStringList classes, names;
        for (QWidget *w : forms.windows()) {
            classes << QString::fromLatin1(w->metaObject()->className());
            names << w->objectName();
        }
        QCOMPARE(classes, (QStringList{"TForm1", "TDlgConnect", "TdlgDelete", "TDlgDialBack", "TAboutForm",
                                       "TPasswordDlg", "TDataScopeForm", "TPPrintForm", "TPBigPrintForm",
                                       "TRMessage"}));
        QCOMPARE(names, (QStringList{"Form1", "DlgConnect", "dlgDelete", "DlgDialBack", "AboutForm", "PasswordDlg",
                                     "DataScopeForm", "PPrintForm", "PBigPrintForm", "RMessage"}));
        // Every one a window of its own.
        for (QWidget *w : forms.windows())
            QVERIFY2(w->isWindow(), qPrintable(w->objectName()));

        forms.Form1->show();
        for (QWidget *w : forms.windows().mid(1))
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void theLibraryIsUnboundWhenTheSetGoes()
    {
        {
            Forms forms(&m_api);
            forms.Form1->show();
            forms.Form1->close();
        }
        QCOMPARE(m_api.calls, (QStringList{"LoadDll", "CurrentWindow", "CloseComPort", "UnloadDll"}));
    }

    void aboutBox()
    {
        Forms forms(&m_api);
        TAboutForm *about = forms.AboutForm;
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->Memo1->text(), QStringLiteral("TARVELIN \n"
                                                      "VERSION 11.02\n"
                                                      "\n"
                                                      "Compatible with  \n"
                                                      "Host software version 4.XX, 5.XX,\n"
                                                      "6.XX, 7.XX, 8.XX, 11.XX."));
        QVERIFY(about->Memo1->alignment() & Qt::AlignHCenter);
        QVERIFY(!(about->Memo1->textInteractionFlags() & Qt::TextEditable));
        QCOMPARE(about->Image1->objectName(), QStringLiteral("Image1"));
        QCOMPARE(about->Image1->pixmap().size(), QSize(440, 160));

        // Help > About shows it modally, through the dialog seam.
        forms.Form1->About1->trigger();
        QCOMPARE(m_answers->forms(), QList<QString>{QStringLiteral("AboutForm")});
    }

    void aboutBoxWithoutPictureSaysNothingMore()
    {
        QVERIFY(QFile::remove(m_dirs->programFile(QStringLiteral("Logo.BMP"))));
        Forms forms(&m_api);
        // One error box, from the main window.
        QCOMPARE(m_answers->messages().size(), 1);
        QVERIFY(forms.AboutForm->Image1->pixmap().isNull());
    }

    void dataScopeIsShownWithoutModality()
    {
        Forms forms(&m_api);
        forms.Form1->show();
        forms.Form1->DataScope1->trigger();
        QVERIFY(forms.DataScopeForm->isVisible());
        QVERIFY(m_answers->forms().isEmpty());
        QVERIFY(forms.Form1->isVisible());
    }

    void progressMessage()
    {
        Forms forms(&m_api);
        TRMessage *message = forms.RMessage;
        QCOMPARE(message->size(), QSize(129, 43));
        QVERIFY(message->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(message->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(message->Label1->text(), QStringLiteral("Generating report..."));
        QVERIFY(message->Label1->alignment() & Qt::AlignHCenter);
        QVERIFY(message->Label1->alignment() & Qt::AlignVCenter);
        QCOMPARE(message->Panel1->frameShadow(), QFrame::Sunken);
    }
};

QTEST_MAIN(TestForms)
#include "tst_Forms.moc"
