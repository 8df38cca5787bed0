// The dialog seam's scripted answerer: answers in order, records what was
// asked, runs form handlers by objectName.

#include "DialogSeam.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

using namespace platform;

class TestDialogSeam : public QObject
{
    Q_OBJECT

private slots:
    void scriptedMessageAnswersInOrder()
    {
        ScriptedAnswerer answers;
        answers.answerMessage(ButtonNo);
        answers.answerMessage(ButtonRetry);
        QCOMPARE(showMessage(nullptr, MessageType::Confirmation, "Delete site?", ButtonYes | ButtonNo), int(ButtonNo));
        QCOMPARE(showMessage(nullptr, MessageType::Information, "Exception: port", ButtonOk | ButtonRetry),
                 int(ButtonRetry));
        // Queue empty: the default answer.
        QCOMPARE(showMessage(nullptr, MessageType::Error, "NO RESPONCE FROM PANEL"), int(ButtonOk));

        const QList<ScriptedAnswerer::AskedMessage> &asked = answers.messages();
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked.at(0).type, MessageType::Confirmation);
        QCOMPARE(asked.at(0).text, QString("Delete site?"));
        QCOMPARE(asked.at(0).buttons, ButtonYes | ButtonNo);
        QCOMPARE(asked.at(1).type, MessageType::Information);
        QCOMPARE(asked.at(1).text, QString("Exception: port"));
        QCOMPARE(asked.at(2).type, MessageType::Error);
        QCOMPARE(asked.at(2).text, QString("NO RESPONCE FROM PANEL"));
        QCOMPARE(asked.at(2).buttons, int(ButtonOk));
        answers.clear();
        QVERIFY(answers.messages().isEmpty());
    }

    void defaultMessageAnswer_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok cancel") << (ButtonOk | ButtonCancel) << int(ButtonOk);
        QTest::newRow("yes no") << (ButtonYes | ButtonNo) << int(ButtonYes);
        QTest::newRow("yes no cancel") << (ButtonYes | ButtonNo | ButtonCancel) << int(ButtonYes);
        QTest::newRow("cancel no") << (ButtonCancel | ButtonNo) << int(ButtonCancel);
        QTest::newRow("no alone") << int(ButtonNo) << int(ButtonNo);
        QTest::newRow("abort retry ignore") << (ButtonAbort | ButtonRetry | ButtonIgnore) << int(ButtonAbort);
        QTest::newRow("none given") << int(NoButton) << int(ButtonOk);
    }

    void defaultMessageAnswer()
    {
        QFETCH(int, buttons);
        QFETCH(int, answer);
        ScriptedAnswerer answers;
        QCOMPARE(showMessage(nullptr, MessageType::Warning, "text", buttons), answer);
    }

    void fileAnswers()
    {
        ScriptedAnswerer answers;
        answers.answerFile("/tmp/out.txt");
        answers.answerFile(QString()); // cancelled
        const FileRequest save{FileDialogKind::Save, "Save grid", "/tmp", "Text files (*.txt)", "txt"};
        const FileRequest open{FileDialogKind::Open, "Open history", "/var", "All files (*)", QString()};
        QCOMPARE(askFile(nullptr, save), std::optional<QString>("/tmp/out.txt"));
        QCOMPARE(askFile(nullptr, open), std::nullopt);
        QCOMPARE(askFile(nullptr, open), std::nullopt); // queue empty
        QCOMPARE(answers.files().size(), 3);
        QCOMPARE(answers.files().at(0).kind, FileDialogKind::Save);
        QCOMPARE(answers.files().at(0).title, QString("Save grid"));
        QCOMPARE(answers.files().at(0).filter, QString("Text files (*.txt)"));
        QCOMPARE(answers.files().at(0).defaultSuffix, QString("txt"));
        QCOMPARE(answers.files().at(1).kind, FileDialogKind::Open);
        QCOMPARE(answers.files().at(1).directory, QString("/var"));
    }

    void formHandlersByObjectName()
    {
        ScriptedAnswerer answers;
        QDialog password;
        password.setObjectName("PasswordDlg");
        auto *edit = new QLineEdit(&password);
        edit->setObjectName("Password");
        QDialog other;
        other.setObjectName("TdlgDelete");

        answers.answerForm("PasswordDlg", [](QDialog *form) {
            form->findChild<QLineEdit *>("Password")->setText("1234");
            return int(QDialog::Accepted);
        });
        QCOMPARE(execForm(&password), int(QDialog::Accepted));
        QCOMPARE(password.result(), int(QDialog::Accepted));
        QCOMPARE(edit->text(), QString("1234"));
        // No handler: rejected without showing anything.
        QCOMPARE(execForm(&other), int(QDialog::Rejected));
        QVERIFY(!other.isVisible());
        // A later handler for the same form wins.
        answers.answerForm("PasswordDlg", [](QDialog *) { return int(QDialog::Rejected); });
        QCOMPARE(execForm(&password), int(QDialog::Rejected));
        QCOMPARE(password.result(), int(QDialog::Rejected));
        QCOMPARE(answers.forms(), (QList<QString>{"PasswordDlg", "TdlgDelete", "PasswordDlg"}));
    }

    void answerersNest()
    {
        DialogAnswerer *before = &dialogs();
        {
            ScriptedAnswerer outer;
            QCOMPARE(&dialogs(), static_cast<DialogAnswerer *>(&outer));
            {
                ScriptedAnswerer inner;
                inner.answerMessage(ButtonNo);
                QCOMPARE(showMessage(nullptr, MessageType::Confirmation, "inner", ButtonYes | ButtonNo), int(ButtonNo));
            }
            QCOMPARE(&dialogs(), static_cast<DialogAnswerer *>(&outer));
            showMessage(nullptr, MessageType::Information, "outer");
            QCOMPARE(outer.messages().size(), 1);
            QCOMPARE(outer.messages().first().text, QString("outer"));
        }
        QCOMPARE(&dialogs(), before);
    }
};

QTEST_MAIN(TestDialogSeam)
#include "tst_dialogseam.moc"
