#include "PPrint.h"

TPPrintForm::TPPrintForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PPrintForm"));
    setWindowTitle(tr("Report"));
}
