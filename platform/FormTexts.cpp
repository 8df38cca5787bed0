#include "FormTexts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

namespace platform {

void FormTexts::add(QObject *target, const char *source, Role role)
{
    m_entries.append({target, source, role});
}

QLabel *FormTexts::label(const char *source)
{
    auto *l = new QLabel;
    add(l, source);
    return l;
}

QString FormTexts::translate(const char *source) const
{
    return QCoreApplication::translate(m_context, source);
}

void FormTexts::apply() const
{
    for (const Entry &e : m_entries) {
        QObject *target = e.target.data();
        if (!target)
            continue;
        const QString text = translate(e.source);
        switch (e.role) {
        case Title:
            if (auto *g = qobject_cast<QGroupBox *>(target))
                g->setTitle(text);
            break;
        case ToolTip:
            if (auto *w = qobject_cast<QWidget *>(target))
                w->setToolTip(text);
            break;
        case Text:
            if (auto *l = qobject_cast<QLabel *>(target))
                l->setText(text);
            else if (auto *b = qobject_cast<QAbstractButton *>(target))
                b->setText(text);
            break;
        }
    }
}

} // namespace platform
