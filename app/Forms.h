#pragma once
// The program's windows, created at start in a fixed order with the main
// window first, and owned until the end. All but the main window stay hidden
// until they are shown.
//
// Window objectNames are the class names without the leading "T"
// (TForm1 "Form1", TDlgConnect "DlgConnect", TdlgDelete "dlgDelete", ...).

#include <QList>

#include <memory>

class KxLinkApi;
class QWidget;
class TAboutForm;
class TDataScopeForm;
class TDlgConnect;
class TDlgDialBack;
class TForm1;
class TPBigPrintForm;
class TPPrintForm;
class TPasswordDlg;
class TRMessage;
class TdlgDelete;

class Forms
{
public:
    // `api` stands in for the communications library (not owned).
    explicit Forms(KxLinkApi *api = nullptr);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    TForm1 *Form1 = nullptr;
    TDlgConnect *DlgConnect = nullptr;
    TdlgDelete *dlgDelete = nullptr;
    TDlgDialBack *DlgDialBack = nullptr;
    TAboutForm *AboutForm = nullptr;
    TPasswordDlg *PasswordDlg = nullptr;
    TDataScopeForm *DataScopeForm = nullptr;
    TPPrintForm *PPrintForm = nullptr;
    TPBigPrintForm *PBigPrintForm = nullptr;
    TRMessage *RMessage = nullptr;

    // The windows in the order they were created.
    const QList<QWidget *> &windows() const { return m_windows; }

private:
    template<typename W, typename... Args>
    W *create(Args &&...args);
    // The connect, dial-back, access code and delete dialogs work on the
    // main window's link and address book.
    void connectSiteDialogs();

    QList<QWidget *> m_windows;
};
