#include "DialogSeam.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>

namespace platform {

namespace {

DialogAnswerer *g_answerer = nullptr;

QtDialogAnswerer &qtAnswerer()
{
    static QtDialogAnswerer answerer;
    return answerer;
}

QMessageBox::StandardButton toQt(int button)
{
    switch (button) {
    case ButtonOk: return QMessageBox::Ok;
    case ButtonCancel: return QMessageBox::Cancel;
    case ButtonYes: return QMessageBox::Yes;
    case ButtonNo: return QMessageBox::No;
    case ButtonAbort: return QMessageBox::Abort;
    case ButtonRetry: return QMessageBox::Retry;
    case ButtonIgnore: return QMessageBox::Ignore;
    default: return QMessageBox::NoButton;
    }
}

int fromQt(int qtButton)
{
    for (int b = ButtonOk; b <= ButtonIgnore; b <<= 1) {
        if (toQt(b) == qtButton)
            return b;
    }
    return NoButton;
}

int firstButton(int buttons)
{
    for (int b : {ButtonOk, ButtonYes, ButtonCancel, ButtonNo, ButtonAbort, ButtonRetry, ButtonIgnore}) {
        if (buttons & b)
            return b;
    }
    return ButtonOk;
}

} // namespace

DialogAnswerer &dialogs()
{
    return g_answerer ? *g_answerer : qtAnswerer();
}

void setDialogAnswerer(DialogAnswerer *answerer)
{
    g_answerer = answerer;
}

int showMessage(QWidget *parent, MessageType type, const QString &text, int buttons)
{
    return dialogs().message(parent, MessageRequest{type, text, buttons});
}

std::optional<QString> askFile(QWidget *parent, const FileRequest &request)
{
    return dialogs().file(parent, request);
}

int execForm(QDialog *form)
{
    return dialogs().execForm(form);
}

int QtDialogAnswerer::message(QWidget *parent, const MessageRequest &request)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title = QApplication::applicationName();
    switch (request.type) {
    case MessageType::Plain: break;
    case MessageType::Information: icon = QMessageBox::Information; title = QMessageBox::tr("Information"); break;
    case MessageType::Warning: icon = QMessageBox::Warning; title = QMessageBox::tr("Warning"); break;
    case MessageType::Error: icon = QMessageBox::Critical; title = QMessageBox::tr("Error"); break;
    case MessageType::Confirmation: icon = QMessageBox::Question; title = QMessageBox::tr("Confirm"); break;
    }
    QMessageBox box(icon, title, request.text, QMessageBox::NoButton, parent);
    for (int b = ButtonOk; b <= ButtonIgnore; b <<= 1) {
        if (request.buttons & b)
            box.addButton(toQt(b));
    }
    if (request.buttons == NoButton)
        box.addButton(QMessageBox::Ok);
    return fromQt(box.exec());
}

std::optional<QString> QtDialogAnswerer::file(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

int QtDialogAnswerer::execForm(QDialog *form)
{
    return form->exec();
}

int ConsoleAnswerer::message(QWidget *, const MessageRequest &request)
{
    const char *kind = "message";
    switch (request.type) {
    case MessageType::Plain: kind = "message"; break;
    case MessageType::Information: kind = "information"; break;
    case MessageType::Warning: kind = "warning"; break;
    case MessageType::Error: kind = "error"; break;
    case MessageType::Confirmation: kind = "confirmation"; break;
    }
    std::fprintf(stderr, "%s: %s: %s\n", qPrintable(QCoreApplication::applicationName()), kind,
                 qPrintable(request.text));
    return firstButton(request.buttons);
}

std::optional<QString> ConsoleAnswerer::file(QWidget *, const FileRequest &)
{
    return std::nullopt;
}

int ConsoleAnswerer::execForm(QDialog *form)
{
    form->setResult(QDialog::Rejected);
    return QDialog::Rejected;
}

ScriptedAnswerer::ScriptedAnswerer()
    : m_previous(g_answerer)
{
    setDialogAnswerer(this);
}

ScriptedAnswerer::~ScriptedAnswerer()
{
    if (g_answerer == this)
        setDialogAnswerer(m_previous);
}

void ScriptedAnswerer::answerForm(const QString &objectName, std::function<int(QDialog *)> handler)
{
    m_formHandlers.append({objectName, std::move(handler)});
}

void ScriptedAnswerer::clear()
{
    m_messages.clear();
    m_files.clear();
    m_forms.clear();
}

int ScriptedAnswerer::message(QWidget *, const MessageRequest &request)
{
    m_messages.append({request.type, request.text, request.buttons});
    if (!m_messageAnswers.empty()) {
        const int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    return firstButton(request.buttons);
}

std::optional<QString> ScriptedAnswerer::file(QWidget *, const FileRequest &request)
{
    m_files.append(request);
    if (!m_fileAnswers.empty()) {
        const QString answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }
    return std::nullopt;
}

int ScriptedAnswerer::execForm(QDialog *form)
{
    const QString name = form->objectName();
    m_forms.append(name);
    // The most recently set handler for a form wins, so a test can override
    // a default set earlier.
    for (auto it = m_formHandlers.crbegin(); it != m_formHandlers.crend(); ++it) {
        if (it->first == name) {
            const int result = it->second(form);
            form->setResult(result);
            return result;
        }
    }
    form->setResult(QDialog::Rejected);
    return QDialog::Rejected;
}

} // namespace platform
