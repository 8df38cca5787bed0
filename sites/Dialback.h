#pragma once
// The dial-back dialog: hands an established modem link back to the panel's modem for a call-back.

#include <QDialog>

class TDlgDialBack : public QDialog
{
    Q_OBJECT

public:
    explicit TDlgDialBack(QWidget *parent = nullptr);
};
