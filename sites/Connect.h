#pragma once
// The connect dialog: the operator picks a site of the address book; the
// dialog loads it into the current site record, opens the serial port with
// the Settings page's settings and the site's network configuration, and
// then either closes at once (a site without telephone number is on the
// serial line directly) or runs the modem dialogue:
//
//   OK ─► CheckForModem ─► WM_USER+0x09 = 1 ─► SendToModem(init string)
//        ─► WM_USER+0x07 echo of the init string, then "OK"
//        ─► SendToModem(dial string + dial prefix + number)
//        ─► WM_USER+0x07 "CONNECT ..." ─► main window named again,
//           FormCloseTimer (2000 ms) ─► closed with OK
//
// While the modem dialogue runs the dialog, not the main window, is the
// library's message window; it logs every modem line sent ("[MTx] ") and
// received ("[MRx] ").

#include "Address.h"

#include <Posting.h>

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <functional>

class KxLinkApi;
class LinkView;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class SessionControl;
struct LinkSession;

// What the dialog works on; all owned by the main window.
struct ConnectLink
{
    LinkSession *session = nullptr;
    // Status bar, menu commands, line indicators, the Settings page's serial
    // settings and the working init string.
    LinkView *view = nullptr;
    KxLinkApi *api = nullptr;
    // ResetDataViews, and the notice that the port was closed.
    SessionControl *control = nullptr;
    SiteRecord *currentSite = nullptr;
    QString programDirectory;
    // The working dial command ("ATDT", "ATDP") and dial prefix.
    std::function<QByteArray()> dialString;
    std::function<QByteArray()> dialPrefix;
};

class TDlgConnect : public QDialog, public platform::MessageWindow
{
    Q_OBJECT

public:
    explicit TDlgConnect(QWidget *parent = nullptr);
    ~TDlgConnect() override;

    void setLink(ConnectLink link) { m_link = std::move(link); }
    // The handle under which the library posts to the dialog during a modem
    // dialogue.
    platform::WindowHandle messageWindowHandle() const { return platform::MessageWindow::windowHandle(); }

    // Most characters the log holds; a line that would pass it empties the
    // log instead.
    static constexpr int LogCapacity = 32000;

    QComboBox *ComboBoxAddress = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QWidget *ModemMessagePanel = nullptr;
    QLineEdit *ModemMsgEdit = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *ModemMsgButton = nullptr;
    QPushButton *ClrScrButton = nullptr;
    QTimer *FormCloseTimer = nullptr;

    // Dialog state kept between showings.
    bool firstActivation() const { return m_firstActivation; }
    const QString &lastSiteText() const { return m_lastSiteText; }
    bool initEchoed() const { return m_initEchoed; }
    const QByteArray &dialNumber() const { return m_dialNumber; }

public slots:
    void FormActivate();
    void FormDeactivate();
    void ComboBoxAddressExit();
    void OKBtnClick();
    void CancelBtnClick();
    void FormCloseTimerTimer();
    void ModemMsgButtonClick();
    void ClrScrButtonClick();

    void reject() override;

protected:
    void windowMessage(const platform::WindowMessage &message) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void informationBox(const QString &text);
    void addLogLine(const QString &prefix, const QByteArray &line);
    void modemLineSent(const QByteArray &line);
    void modemLineReceived(const QByteArray &line);
    void modemCheck(quintptr result);
    // The OK steps; true when the dialog is to close with OK, false to keep
    // it open; Cancel closes it from inside.
    bool connectToSite();
    void hangUpCall();

    ConnectLink m_link;
    bool m_firstActivation = true;
    QString m_lastSiteText;
    bool m_initEchoed = false;
    QByteArray m_dialNumber;
};
