#pragma once
// The Address page of the main window: the site list, the site information
// group with its three states, and the PANELS grid over the site's panel
// table.
//
//   Browsing  site information hidden (on entry, after Exit Save, Exit
//             Cancel and a deletion)
//   Adding    group shown with OK to ADD only, key fields enabled, the panel
//             table closed
//   Editing   group shown with Exit Save, Exit Cancel, Delete Site and the
//             PANELS grid (after opening a site, or after OK to ADD)
//
// The page's controls are public members named as the system names them,
// with the same objectName; their texts belong to the main window's form
// (translation context "TForm1"). What the page needs from the rest of the
// window comes in as hooks, so that the address book knows nothing of the
// main window.

#include "FormTexts.h"
#include "Address.h"
#include "Table.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

struct LinkSession;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QToolButton;
class YesNoButton;

class AddressPage : public QWidget
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> stopEmulation;     // as the emulation's Stop button does
        std::function<void()> resetDataViews;    // the session's ResetDataViews (closes Table1 too)
        std::function<void()> execDeleteDialog;  // the site delete dialog, modal
    };

    enum class State { Browsing, Adding, Editing };

    AddressPage(const QString &programDirectory, const LinkSession &session, QWidget *parent = nullptr);
    ~AddressPage() override;

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // The grids of other pages that show the site panel table too
    // (EmulationDBGrid, DataRetreiveDBGrid): opening the table enables them.
    void setSitePanelGrids(const QList<QTableView *> &grids);

    State state() const;
    const QString &programDirectory() const { return m_programDirectory; }

    // The current site record: filled by adding a site here and by the
    // connect dialog.
    SiteRecord CurrentSite;

    // The site panel table, shown by DBGrid1 and the grids of other pages.
    platform::Table Table1;

    // Site list
    QListWidget *ListBoxAddresses = nullptr;
    QPushButton *ButtonAddressAdd = nullptr;

    // Site information
    QGroupBox *GroupBoxSiteInfo = nullptr;
    QLineEdit *EditAddInfo = nullptr;
    QLineEdit *EditSiteName = nullptr;
    QLineEdit *EditSiteAddress = nullptr;
    QLineEdit *EditSiteTelephoneNumber = nullptr;
    QComboBox *ComboBoxMode = nullptr;
    QComboBox *OwnIDComboBox = nullptr;
    YesNoButton *BitBtnLTFAction = nullptr;
    YesNoButton *BitBtnLTFFire = nullptr;
    YesNoButton *BitBtnLTFFault = nullptr;
    YesNoButton *BitBtnLTFCond = nullptr;
    QPushButton *ButtonSiteInfoOK = nullptr;
    QPushButton *ButtonAddressChange = nullptr;
    QPushButton *ButtonSiteInfoCancel = nullptr;
    QPushButton *ButtonAddressDelete = nullptr;

    // PANELS
    QGroupBox *GroupBox10 = nullptr;
    QTableView *DBGrid1 = nullptr;
    QWidget *DBNavigator1 = nullptr;
    QToolButton *NavigatorFirst = nullptr;
    QToolButton *NavigatorPrior = nullptr;
    QToolButton *NavigatorNext = nullptr;
    QToolButton *NavigatorLast = nullptr;
    QToolButton *NavigatorInsert = nullptr;
    QToolButton *NavigatorDelete = nullptr;

    // Opens the panel table of the site folder unless it is open already,
    // and enables the other pages' grids. Throws platform::TableError when
    // the table cannot be opened.
    void OpenSitePanelTable(const QByteArray &siteName);
    // Creates (replacing) the panel table of the site folder and opens it.
    void CreateSitePanelTable(const QByteArray &siteName);
    // The other pages' grids disabled, Table1 closed.
    void closeSitePanelViews();
    // The own-ID list offers 1 to N by the selected network configuration;
    // the text in the box stays.
    void FillOwnIdChoices();
    // Refills the site list from the book; `leaveOutIndexAndDefaults` on
    // entering the page. An unreadable book gives an empty list.
    void refillSiteList(bool leaveOutIndexAndDefaults);
    // Back to browsing: site information hidden, the whole list refilled.
    void returnToBrowsing();

    // Stores a pending edit of the panel grid (an inserted row left blank is
    // dropped). False when the store failed: "Duplicate Node ID" was shown
    // and the row stays in editing.
    bool storePanelEdit();

public slots:
    void ButtonAddressAddClick();
    void ButtonSiteInfoOKClick();
    void ListBoxAddressesClick();
    void ButtonAddressChangeClick();
    void ButtonSiteInfoCancelClick();
    void ButtonAddressDeleteClick();
    void ComboBoxModeChange();

    // Navigator
    void NavigatorFirstClick();
    void NavigatorPriorClick();
    void NavigatorNextClick();
    void NavigatorLastClick();
    void NavigatorInsertClick();
    void NavigatorDeleteClick();

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyTexts();

    void build();
    void showEditingButtons();
    void pointTableAt(const QByteArray &siteName);
    void setOtherGridsEnabled(bool enabled);
    void moveToRow(int row);
    void panelRowChanged(int current, int previous);
    bool readOwnId(qint32 &ownId);
    void errorBox(const std::exception &e);

    QString m_programDirectory;
    const LinkSession &m_session;
    Hooks m_hooks;
    QList<QPointer<QTableView>> m_otherGrids;
    platform::FormTexts m_texts{"TForm1"};
    int m_insertedRow = -1;
    bool m_restoringRow = false;
};
