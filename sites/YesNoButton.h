#pragma once
// A button of the yes or the no kind: a Yes button (caption "&Yes") stands
// for a set flag, a No button (caption "&No") for a clear one. A click turns
// a No button into a Yes button and any other into a No button.

#include <QPushButton>

class YesNoButton : public QPushButton
{
    Q_OBJECT

public:
    explicit YesNoButton(QWidget *parent = nullptr);

    bool isYes() const { return m_yes; }
    void setYes(bool yes);
    // 1 for a Yes button, else 0.
    int flag() const { return m_yes ? 1 : 0; }
    // A Yes button for a stored flag of exactly 1, a No button otherwise.
    void setFlag(int flag) { setYes(flag == 1); }

signals:
    void toggledKind(bool yes);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyCaption();
    bool m_yes = false;
};
