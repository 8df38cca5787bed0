#pragma once
// The connect dialog: chooses a site and opens the link to it, directly or by modem.

#include <QDialog>

class TDlgConnect : public QDialog
{
    Q_OBJECT

public:
    explicit TDlgConnect(QWidget *parent = nullptr);
};
