#include "Forms.h"

#include "AddressPage.h"
#include "Connect.h"
#include "Delsite.h"
#include "Dialback.h"
#include "FRMessage.h"
#include "MainLinkView.h"
#include "PBigPrint.h"
#include "PDataScope.h"
#include "PMain.h"
#include "PPrint.h"
#include "Pabout.h"
#include "Password.h"
#include "SessionControl.h"
#include "SettingsPage.h"

template<typename W, typename... Args>
W *Forms::create(Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)...);
    m_windows.append(w);
    return w;
}

Forms::Forms(KxLinkApi *api)
{
    Form1 = create<TForm1>(api);
    DlgConnect = create<TDlgConnect>();
    dlgDelete = create<TdlgDelete>();
    DlgDialBack = create<TDlgDialBack>();
    AboutForm = create<TAboutForm>(Form1->ProgramDirectory);
    PasswordDlg = create<TPasswordDlg>();
    DataScopeForm = create<TDataScopeForm>();
    PPrintForm = create<TPPrintForm>();
    PBigPrintForm = create<TPBigPrintForm>();
    RMessage = create<TRMessage>();

    Form1->AboutForm = AboutForm;
    Form1->DataScopeForm = DataScopeForm;
    Form1->DlgConnect = DlgConnect;
    Form1->DlgDialBack = DlgDialBack;
    Form1->PasswordDlg = PasswordDlg;
    Form1->dlgDelete = dlgDelete;
    Form1->RMessage = RMessage;
    connectSiteDialogs();
}

void Forms::connectSiteDialogs()
{
    TForm1 *form = Form1;
    ConnectLink link;
    link.session = &form->Session;
    link.view = &form->linkView();
    link.api = &form->linkApi();
    link.control = &form->sessionControl();
    link.currentSite = &form->AddressView->CurrentSite;
    link.programDirectory = form->ProgramDirectory;
    link.dialString = [form] { return form->SettingsView->workingStrings().DialStr; };
    link.dialPrefix = [form] { return form->SettingsView->workingStrings().DialPrefix; };
    DlgConnect->setLink(std::move(link));
    DlgDialBack->setLink(&form->linkView(), &form->linkApi());
    PasswordDlg->setSession(&form->Session);
    dlgDelete->setAddressPage(form->AddressView);
    dlgDelete->setResetDataViews([form] { form->sessionControl().ResetDataViews(); });
}

Forms::~Forms()
{
    // The main window goes last: it unbinds the library.
    while (!m_windows.isEmpty())
        delete m_windows.takeLast();
}
