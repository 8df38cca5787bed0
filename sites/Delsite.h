#pragma once
// The site delete dialog: confirms and carries out the removal of a site.

#include <QDialog>

class TdlgDelete : public QDialog
{
    Q_OBJECT

public:
    explicit TdlgDelete(QWidget *parent = nullptr);
};
