#pragma once
// The operator-visible texts of a form's controls, kept as source texts with
// the control that shows each, so that a language change can set them all
// again. A text is the control's text (label, button), a group box title or
// a tooltip.

#include <QList>
#include <QPointer>

class QLabel;
class QObject;

namespace platform {

class FormTexts
{
public:
    enum Role { Text, Title, ToolTip };

    // `context` is the translation context of the source texts.
    explicit FormTexts(const char *context) : m_context(context) {}

    void add(QObject *target, const char *source, Role role = Text);
    // A new label showing the source text.
    QLabel *label(const char *source);
    // Sets every text in the language in force; controls gone are skipped.
    void apply() const;
    QString translate(const char *source) const;

private:
    struct Entry
    {
        QPointer<QObject> target;
        const char *source;
        Role role;
    };
    const char *m_context;
    QList<Entry> m_entries;
};

} // namespace platform
