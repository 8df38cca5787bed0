#pragma once
// The report form of the retrieved data with the wide column layout.

#include <QWidget>

class TPBigPrintForm : public QWidget
{
    Q_OBJECT

public:
    explicit TPBigPrintForm(QWidget *parent = nullptr);
};
