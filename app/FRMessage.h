#pragma once
// The progress message: a small frameless window, always on top and centred
// on the screen, saying that a report is being generated. The retrieval
// shows it while it runs.

#include <QWidget>

class QFrame;
class QLabel;

class TRMessage : public QWidget
{
    Q_OBJECT

public:
    explicit TRMessage(QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
};
