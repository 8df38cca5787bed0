#pragma once
// The data scope window: a monitor of the raw frames on the line, shown without modality.

#include <QWidget>

class TDataScopeForm : public QWidget
{
    Q_OBJECT

public:
    explicit TDataScopeForm(QWidget *parent = nullptr);
};
