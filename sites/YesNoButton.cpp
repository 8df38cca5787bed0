#include "YesNoButton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStyle>

YesNoButton::YesNoButton(QWidget *parent) : QPushButton(parent)
{
    applyCaption();
    connect(this, &QPushButton::clicked, this, [this] {
        setYes(!m_yes);
        emit toggledKind(m_yes);
    });
}

void YesNoButton::setYes(bool yes)
{
    m_yes = yes;
    applyCaption();
}

void YesNoButton::applyCaption()
{
    setText(m_yes ? QCoreApplication::translate("TForm1", "&Yes") : QCoreApplication::translate("TForm1", "&No"));
    setIcon(style()->standardIcon(m_yes ? QStyle::SP_DialogYesButton : QStyle::SP_DialogNoButton));
}

void YesNoButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        applyCaption();
    QPushButton::changeEvent(event);
}
