#pragma once
// The about box: program name, version and the host software versions the
// program works with, above the logo picture.

#include <QDialog>

class QLabel;

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    // The logo is read from the program directory when the box is created.
    explicit TAboutForm(const QString &programDirectory, QWidget *parent = nullptr);

    // The text, read-only and centred, one line per line of aboutText().
    QLabel *Memo1 = nullptr;
    QLabel *Image1 = nullptr;

    static QString aboutText();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
};
