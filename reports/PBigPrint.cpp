#include "PBigPrint.h"

TPBigPrintForm::TPBigPrintForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PBigPrintForm"));
    setWindowTitle(tr("Report"));
}
