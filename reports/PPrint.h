#pragma once
// The report form of the retrieved data (portrait layout).

#include <QWidget>

class TPPrintForm : public QWidget
{
    Q_OBJECT

public:
    explicit TPPrintForm(QWidget *parent = nullptr);
};
