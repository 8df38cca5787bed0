#include "Connect.h"

TDlgConnect::TDlgConnect(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgConnect"));
    setWindowTitle(tr("Connect"));
}
