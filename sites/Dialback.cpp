#include "Dialback.h"

#include "CodePage1252.h"
#include "DialogButtons.h"
#include "LinkView.h"
#include "Pdlldef.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDlgDialBack::TDlgDialBack(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgDialBack"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto *layout = new QVBoxLayout(this);
    m_prompt = new QLabel(this);
    layout->addWidget(m_prompt);
    DialBackNumEdit = new QLineEdit(this);
    DialBackNumEdit->setObjectName(QStringLiteral("DialBackNumEdit"));
    layout->addWidget(DialBackNumEdit);
    addOkCancelRow(this, layout, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &TDlgDialBack::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    retranslateUi();
}

void TDlgDialBack::retranslateUi()
{
    setWindowTitle(tr("DialBack"));
    m_prompt->setText(tr("Enter the dialback Telephone number:"));
    OKBtn->setText(tr("&OK"));
    CancelBtn->setText(tr("&Cancel"));
}

void TDlgDialBack::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TDlgDialBack::OKBtnClick()
{
    if (m_view) {
        m_view->setSessionButtonsEnabled(false);
        m_view->setStatusBar(tr("DISCONNECTING..."));
    }
    // The binding hands the number over as a short text (at most 255
    // characters); the library's answer is not used.
    if (m_api)
        m_api->ModemDialBack(platform::toCp1252(DialBackNumEdit->text()).left(255));
    if (m_view)
        m_view->setMenuEnabled(LinkMenuCommand::Dialback1, false);
    accept();
}
