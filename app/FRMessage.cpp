#include "FRMessage.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TRMessage::TRMessage(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("RMessage"));
    setFixedSize(129, 43);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken); // lowered
    Panel1->setLineWidth(1);
    auto *inner = new QVBoxLayout(Panel1);
    inner->setContentsMargins(2, 2, 2, 2);
    Label1 = new QLabel(tr("Generating report..."), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    inner->addWidget(Label1);
    layout->addWidget(Panel1);
}

void TRMessage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Label1->setText(tr("Generating report..."));
    QWidget::changeEvent(event);
}

void TRMessage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
