#pragma once
// The access code dialog: asks for the panel's numeric access code before a
// log-in. The log-in step reads the modal result and AccessCodeEdit's text;
// Cancel also raises the session's AbortFlag, which ends the waits of the
// exchange and stops the retrieval.

#include <QDialog>

class QLineEdit;
class QPushButton;
struct LinkSession;

class TPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget *parent = nullptr);

    void setSession(LinkSession *session) { m_session = session; }

    QLineEdit *AccessCodeEdit = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

public slots:
    void FormActivate();
    void CancelBtnClick();
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    class QLabel *m_prompt = nullptr;
    LinkSession *m_session = nullptr;
};
