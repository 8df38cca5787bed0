#pragma once
// The dial-back dialog: while a modem link is up, the operator enters a
// telephone number; OK has the communications library hang up and call that
// number back.

#include <QDialog>

class KxLinkApi;
class LinkView;
class QLineEdit;
class QPushButton;

class TDlgDialBack : public QDialog
{
    Q_OBJECT

public:
    explicit TDlgDialBack(QWidget *parent = nullptr);

    // The main window's session buttons, menu and status bar, and the
    // library (not owned).
    void setLink(LinkView *view, KxLinkApi *api)
    {
        m_view = view;
        m_api = api;
    }

    QLineEdit *DialBackNumEdit = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

public slots:
    void OKBtnClick();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    class QLabel *m_prompt = nullptr;
    LinkView *m_view = nullptr;
    KxLinkApi *m_api = nullptr;
};
