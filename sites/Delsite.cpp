#include "Delsite.h"

TdlgDelete::TdlgDelete(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgDelete"));
    setWindowTitle(tr("Delete Site"));
}
