#include "Password.h"

TPasswordDlg::TPasswordDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(tr("Password"));
}
