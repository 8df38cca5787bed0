#include "Dialback.h"

TDlgDialBack::TDlgDialBack(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgDialBack"));
    setWindowTitle(tr("Dial Back"));
}
