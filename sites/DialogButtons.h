#pragma once
// The OK / Cancel row at the foot of the small site dialogs: right-aligned,
// OK the default button, both named as the dialogs' handlers expect.

#include <QBoxLayout>
#include <QPushButton>

inline void addOkCancelRow(QWidget *dialog, QBoxLayout *layout, QPushButton *&ok, QPushButton *&cancel)
{
    auto *buttons = new QHBoxLayout;
    ok = new QPushButton(dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel = new QPushButton(dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}
