#include "Password.h"

#include "DialogButtons.h"
#include "LinkSession.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordDlg::TPasswordDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *layout = new QVBoxLayout(this);
    m_prompt = new QLabel(this);
    layout->addWidget(m_prompt);
    AccessCodeEdit = new QLineEdit(this);
    AccessCodeEdit->setObjectName(QStringLiteral("AccessCodeEdit"));
    AccessCodeEdit->setEchoMode(QLineEdit::Password);
    // Every character shows as "*", whatever the style would use.
    AccessCodeEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    layout->addWidget(AccessCodeEdit);
    addOkCancelRow(this, layout, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TPasswordDlg::CancelBtnClick);
    retranslateUi();
}

void TPasswordDlg::retranslateUi()
{
    setWindowTitle(tr("Panel Access Code..."));
    m_prompt->setText(tr("Enter panel access code:"));
    OKBtn->setText(tr("&OK"));
    CancelBtn->setText(tr("&Cancel"));
}

void TPasswordDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TPasswordDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TPasswordDlg::FormActivate()
{
    AccessCodeEdit->setFocus();
}

void TPasswordDlg::CancelBtnClick()
{
    if (m_session)
        m_session->AbortFlag = true;
    QDialog::reject();
}

void TPasswordDlg::reject()
{
    // Escape presses the Cancel button.
    CancelBtnClick();
}
