#pragma once
// The dialog seam: every message box, open/save dialog and modal form of the
// program goes through one answerer. The default answerer shows real Qt
// dialogs; tests and the headless command-line jobs install a
// ScriptedAnswerer that answers from a script and records what was asked.

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace platform {

enum class MessageType { Plain, Information, Warning, Error, Confirmation };

// Buttons of a message box, combinable; the answer is one of them.
enum MessageButton : int {
    NoButton = 0,
    ButtonOk = 0x01,
    ButtonCancel = 0x02,
    ButtonYes = 0x04,
    ButtonNo = 0x08,
    ButtonAbort = 0x10,
    ButtonRetry = 0x20,
    ButtonIgnore = 0x40,
};

struct MessageRequest
{
    MessageType type = MessageType::Information;
    QString text;
    int buttons = ButtonOk;
};

enum class FileDialogKind { Open, Save };

struct FileRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    QString directory;
    QString filter;        // Qt filter syntax: "Text files (*.txt);;All files (*)"
    QString defaultSuffix;
};

class DialogAnswerer
{
public:
    virtual ~DialogAnswerer() = default;
    // Returns the button pressed.
    virtual int message(QWidget *parent, const MessageRequest &request) = 0;
    // Returns the chosen file, or nothing when cancelled.
    virtual std::optional<QString> file(QWidget *parent, const FileRequest &request) = 0;
    // Runs a form modally; returns its modal result (QDialog::Accepted, Rejected, ...).
    virtual int execForm(QDialog *form) = 0;
};

// The answerer in force (the Qt one unless another was installed).
DialogAnswerer &dialogs();
// Installs an answerer (not owned); nullptr restores the Qt one.
void setDialogAnswerer(DialogAnswerer *answerer);

// Convenience wrappers used throughout the program.
int showMessage(QWidget *parent, MessageType type, const QString &text, int buttons = ButtonOk);
std::optional<QString> askFile(QWidget *parent, const FileRequest &request);
int execForm(QDialog *form);

class QtDialogAnswerer : public DialogAnswerer
{
public:
    int message(QWidget *parent, const MessageRequest &request) override;
    std::optional<QString> file(QWidget *parent, const FileRequest &request) override;
    int execForm(QDialog *form) override;
};

// For headless runs (no display to show a box on): every message goes to
// standard error and gets its first button in the order Ok, Yes, Cancel, No;
// file dialogs are cancelled and forms rejected. Nothing waits for a person.
class ConsoleAnswerer : public DialogAnswerer
{
public:
    int message(QWidget *parent, const MessageRequest &request) override;
    std::optional<QString> file(QWidget *parent, const FileRequest &request) override;
    int execForm(QDialog *form) override;
};

// Answers from queues and records every request. With an empty queue a
// message box gets its first button in the order Ok, Yes, Cancel, No; a file
// dialog is cancelled; a form is rejected unless a handler was set for its
// objectName.
class ScriptedAnswerer : public DialogAnswerer
{
public:
    struct AskedMessage
    {
        MessageType type;
        QString text;
        int buttons;
    };

    ScriptedAnswerer();                 // installs itself
    ~ScriptedAnswerer() override;       // restores the previous answerer

    void answerMessage(int button) { m_messageAnswers.push_back(button); }
    // An empty path cancels the dialog.
    void answerFile(const QString &path) { m_fileAnswers.push_back(path); }
    // The handler runs while the form is "shown": it may fill fields and press
    // buttons; its return value is the form's modal result.
    void answerForm(const QString &objectName, std::function<int(QDialog *)> handler);

    const QList<AskedMessage> &messages() const { return m_messages; }
    const QList<FileRequest> &files() const { return m_files; }
    const QList<QString> &forms() const { return m_forms; }
    void clear();

    int message(QWidget *parent, const MessageRequest &request) override;
    std::optional<QString> file(QWidget *parent, const FileRequest &request) override;
    int execForm(QDialog *form) override;

private:
    DialogAnswerer *m_previous = nullptr;
    std::deque<int> m_messageAnswers;
    std::deque<QString> m_fileAnswers;
    QList<QPair<QString, std::function<int(QDialog *)>>> m_formHandlers;
    QList<AskedMessage> m_messages;
    QList<FileRequest> m_files;
    QList<QString> m_forms;
};

} // namespace platform
