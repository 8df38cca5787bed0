#pragma once
// The access code dialog: asks for the panel's access code before a log-in.

#include <QDialog>

class TPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget *parent = nullptr);
};
