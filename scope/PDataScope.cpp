#include "PDataScope.h"

TDataScopeForm::TDataScopeForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("DataScopeForm"));
    setWindowTitle(tr("Data Scope"));
}
