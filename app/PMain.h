#pragma once
// The main window: owner of the link to the panels (the communications
// library binding and the link session), the seven work pages, the main
// menu, the status group and the timers that are not tied to one page.
//
// Components are public members named as the system names them, each with
// the same objectName, so the link dispatch, the decoders and the tests can
// reach them. Pages are built by one function each (PMainPages.cpp).
//
// Life of the window:
//   construction  creation steps (program directory, LoadDll, initial
//                 visibility, logo, information list)
//   first show    FormShow (language, panel model, CurrentWindow, settings,
//                 retrieval selection, session views, filters, code lists)
//   close         FormClose (Lang written back, settings saved, AbortFlag,
//                 CloseComPort)
//   destruction   UnloadDll

#include "EmulationPage.h"
#include "Layerp.h"
#include "LinkSession.h"
#include "Posting.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class KxLinkApi;
class LinkDecoders;
class LinkDispatch;
class MainLinkView;
class SessionControl;
class AddressPage;
class DataRetrievePage;
class QAction;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPrintDialog;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTimer;
class SettingsPage;
class Shape;

class TForm1 : public QMainWindow, public platform::MessageWindow
{
    Q_OBJECT

public:
    // `api` stands in for the communications library (not owned); without
    // one the window binds the real kxlink library.
    explicit TForm1(KxLinkApi *api = nullptr, QWidget *parent = nullptr);
    ~TForm1() override;

    KxLinkApi &linkApi() const { return *m_api; }
    // The handle under which the library posts to this window.
    platform::WindowHandle messageWindowHandle() const { return platform::MessageWindow::windowHandle(); }

    // Every message posted to this window goes to the handler, in posting
    // order. The default handler hands it to the link dispatch; whoever
    // replaces it forwards to linkDispatch() what it does not keep.
    using MessageHandler = std::function<void(const platform::WindowMessage &)>;
    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

    // The link logic behind the window: the message dispatch, the request
    // routines and the session control, all working on Session through
    // linkView().
    LinkDispatch &linkDispatch() const { return *m_linkDispatch; }
    LinkRequests &linkRequests() const { return *m_linkRequests; }
    SessionControl &sessionControl() const { return *m_sessionControl; }
    MainLinkView &linkView() const { return *m_linkView; }
    // The decoders of replies and unsolicited records (not owned; nullptr:
    // the ones that do nothing).
    void setLinkDecoders(LinkDecoders *decoders);
    LinkDecoders &linkDecoders() const;

    // Keyboard preview: the handler sees every key press meant for a widget
    // of this window before the widget does; returning true consumes it.
    using KeyPreviewHandler = std::function<bool(QKeyEvent *)>;
    void setKeyPreviewHandler(KeyPreviewHandler handler) { m_keyPreview = std::move(handler); }

    // The page with this objectName, or nullptr.
    QWidget *page(const QString &objectName) const;

    // Shared state
    LinkSession Session;
    QString ProgramDirectory;      // the current directory when the window was created
    EmulationState Emulation;      // the emulated front: display stream and panel selection
    bool &EmulationActive = Emulation.EmulationActive; // an emulation of a panel front is running
    quint8 &PreviousPanel = Emulation.PreviousPanel;   // selection of the last started emulation
    quint8 &PreviousSub = Emulation.PreviousSub;
    bool ConnectFirstActivation = true; // the connect dialog has not been activated yet
    SensorZoneMark ZoneMark;       // what the sensor decoder leaves for the request loop
    // The working modem initialisation string (filled from the modem
    // settings); sent when alarm reporting finds a modem.
    QByteArray InitString = "AT&F0L3\\N0\\J0\\Q3&Q0%C0S0=1&W0";

    // Main menu
    QMenuBar *MainMenu1 = nullptr;
    QMenu *Session1 = nullptr;
    QMenu *Connect1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Filters1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *Dial1 = nullptr;
    QAction *Hangup1 = nullptr;
    QAction *Dialback1 = nullptr;
    QAction *Alarmreporting1 = nullptr;
    QAction *CloseCommunication1 = nullptr;
    QAction *DataScope1 = nullptr;
    QAction *About1 = nullptr;

    // Status group, docked at the bottom
    QGroupBox *GroupBox5 = nullptr;
    Shape *ShapeStatusLed = nullptr;
    Shape *CTSLed = nullptr;
    Shape *DCDLed = nullptr;
    Shape *DSRLed = nullptr;
    Shape *RILed = nullptr;
    Shape *RXLed = nullptr;
    Shape *TXLed = nullptr;
    QLineEdit *EditStatusBar = nullptr;
    QLineEdit *DiagEdit = nullptr;

    // Pages
    QTabWidget *TabbedNotebook1 = nullptr;
    QWidget *Corvane_m = nullptr;
    QWidget *History_Log_m = nullptr;
    QWidget *Data_Retrieve_m = nullptr;
    QWidget *Emulation_m = nullptr;
    QWidget *Central_Station_m = nullptr;
    QWidget *Address_m = nullptr;
    QWidget *Settings_m = nullptr;

    // Session filters, shown in place of the pages
    QGroupBox *GroupBoxSessionFilters = nullptr;
    // Hidden panel of code-table lists and the scratch list
    QWidget *Panel1 = nullptr;
    QListWidget *TempListBox = nullptr;

    // Welcome page
    QLabel *WelcomeImage = nullptr;
    QLabel *WelcomeSpacer = nullptr;
    QLabel *WelcomeCaption1 = nullptr;
    QLabel *WelcomeCaption2 = nullptr;
    QLabel *WelcomeCaption3 = nullptr;

    // History Log page
    QComboBox *ComboBoxHLnodeid = nullptr;
    QComboBox *ComboBoxHLEventClass = nullptr;
    QComboBox *ComboBoxHLEventType = nullptr;

    // Data Retrieve page: the page (Data_Retrieve_m) holds its controls and
    // runs the retrieval; these name them for the rest of the window.
    DataRetrievePage *DataRetrievePageWidget = nullptr;
    QTableView *DataRetreiveDBGrid = nullptr;
    QComboBox *ComboBoxDataRetrieveInfo = nullptr;
    QLabel *LabelDRLoop = nullptr;
    QComboBox *ComboBoxDRLoop = nullptr;
    QLabel *LabelDRSensor = nullptr;
    QComboBox *ComboBoxDRSensor = nullptr;
    QLabel *LabelDRRange = nullptr;
    QComboBox *ComboBoxDRrange = nullptr;
    QLabel *LabelDRSystemZone = nullptr;
    QSpinBox *SystemZonesEdit = nullptr;
    QLabel *LabelZoneTest = nullptr;
    QComboBox *ZoneTestResultComboBox = nullptr;
    QPushButton *RetrieveDataButton = nullptr;
    QPushButton *AbortDataRetreiveButton = nullptr;
    QPushButton *ButtonDataRetrieveSave = nullptr;
    QPushButton *PrintButton = nullptr;
    QLabel *VersionLabel = nullptr;
    QTableWidget *DataRetreiveStringGrid = nullptr;

    // Emulation page: the page (Emulation_m) holds all of its controls;
    // these name the ones the window itself uses.
    EmulationPage *EmulationPageWidget = nullptr;
    QTableView *EmulationDBGrid = nullptr;
    QPushButton *ButtonStartEmulation = nullptr;
    QPushButton *ButtonStopEmulation = nullptr;
    QPushButton *Buttonprintscreen = nullptr;
    QPushButton *KeyBoardButton = nullptr;
    TDisplay *LCDDisplay = nullptr;
    QFrame *GroupBoxGeneralLeds = nullptr;
    LedShape *LED7 = nullptr;            // "PROC. RUN."

    // Central Station page
    QTableWidget *StringGridEvents = nullptr;
    QGroupBox *GroupBoxAckEvent = nullptr;

    // Address page (the page itself: sites/AddressPage.h)
    AddressPage *AddressView = nullptr;
    QListWidget *ListBoxAddresses = nullptr;
    QPushButton *ButtonAddressAdd = nullptr;
    QGroupBox *GroupBoxSiteInfo = nullptr;
    QLineEdit *EditAddInfo = nullptr;
    QLineEdit *EditSiteName = nullptr;

    // Settings page (the page itself: settings/SettingsPage.h)
    SettingsPage *SettingsView = nullptr;
    QComboBox *ComboBoxComPort = nullptr;
    QComboBox *ComboBoxBaudRate = nullptr;
    QComboBox *ComboBoxDataBits = nullptr;
    QComboBox *ComboBoxStopBits = nullptr;
    QComboBox *ComboBoxParity = nullptr;
    QLabel *LabelOwnNodeId = nullptr;
    QLineEdit *EditOwnNodeId = nullptr;

    // Print dialog of the print-screen command; only when a printer exists.
    QPrintDialog *PrintDialog1 = nullptr;

    // Timers (intervals scaled through platform::scaledInterval)
    QTimer *ProcRunTimer = nullptr;      // 1000 ms: PROC. RUN. blinking
    QTimer *TimerAck = nullptr;          // 1000 ms: beep while an event waits for acknowledgement
    QTimer *AckNTimeOutTimer = nullptr;  // 6000 ms: acknowledgement time-out
    QTimer *ReplyTimeOutTimer = nullptr; // 5000 ms: reply time-out

    // The windows the menu and the link show; set by whoever creates them.
    QDialog *AboutForm = nullptr;
    QWidget *DataScopeForm = nullptr;
    QDialog *DlgConnect = nullptr;
    QDialog *DlgDialBack = nullptr;
    QDialog *PasswordDlg = nullptr;
    QDialog *dlgDelete = nullptr;
    QWidget *RMessage = nullptr;

    // Hidden by the panel model "KorvexF": the sounder and fire-brigade
    // controls of the emulated front, by objectName.
    static const QStringList &sounderAndFireBrigadeControls();

signals:
    // The close steps have run and the window is closing.
    void formClosed();

public slots:
    // Menu commands
    void Filters1Click();
    void Exit1Click();
    void Dial1Click();
    void Hangup1Click();
    void Dialback1Click();
    void Alarmreporting1Click();
    void CloseCommunication1Click();
    void DataScope1Click();
    void About1Click();

    // Page control
    void TabbedNotebook1Change(int index);

    // Data Retrieve page: logs out and ends the running retrieval.
    void AbortDataRetreiveButtonClick();

    // Timers
    void ProcRunTimerTimer();
    void TimerAckTimer();
    void AckNTimeOutTimerTimer();
    void ReplyTimeOutTimerTimer();

public:
    // Steps of the window's life that other subsystems fill in.
    void ClearLcdDisplay();
    void LoadCommunicationSettings();
    void LoadModemSettings();
    void LoadModemList();
    void SaveModemSettings();
    void SaveSerialSettings();
    void ResetLeds();
    void PrepareEventGrid();
    void PrepareHistoryGrid();
    void LoadAlarmFilters();
    void BuildDeviceTypeNames();
    void StopEmulation();          // as the Stop button of the Emulation page
    void OpenSitePanelTable(const QByteArray &siteName);
    void CloseSitePanelTable();    // Table1

    // Runs once, at the first show (also callable by tests of a hidden window).
    void FormShow();

protected:
    void windowMessage(const platform::WindowMessage &message) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The keyboard preview; by default it hands the key to the handler.
    virtual bool FormKeyPress(QKeyEvent *event);

private:
    // Operator-visible texts are kept with their source text, so that a
    // change of language sets them again.
    enum class TextRole { Text, Title, ToolTip, Tab, Item, WindowTitle };
    struct TranslatedText
    {
        QPointer<QObject> target;
        const char *source;
        TextRole role;
        int index;
    };
    void translate(QObject *target, const char *source, TextRole role = TextRole::Text, int index = 0);
    QLabel *label(const char *source);
    void addTranslatedItem(QComboBox *box, const char *source);
    void applyText(const TranslatedText &text);
    void retranslateUi();

    void FormCreate();
    void FormClose();

    void buildMenu();
    void buildStatusGroup();
    void buildPages();
    void buildWelcomePage();
    void buildHistoryLogPage();
    void buildDataRetrievePage();
    void buildEmulationPage();
    // Connects the Emulation page to the link and plugs its decoders in.
    void installEmulation();
    // Connects the Data Retrieve page to the link and plugs its decoders in.
    void installRetrieval();
    void buildCentralStationPage();
    void buildAddressPage();
    void buildSettingsPage();
    void buildHiddenPanel();
    void buildTimers();

    void loadWelcomeImage();
    void applyPanelModel(const QByteArray &model);
    void refillAddressList();

    QList<TranslatedText> m_texts;
    std::unique_ptr<KxLinkApi> m_ownApi;
    KxLinkApi *m_api = nullptr;
    std::unique_ptr<LinkDecoders> m_noDecoders;
    std::unique_ptr<LinkDecoders> m_emulationDecoders;
    std::unique_ptr<LinkDecoders> m_siteDecoders;
    std::unique_ptr<MainLinkView> m_linkView;
    std::unique_ptr<LinkDispatch> m_linkDispatch;
    std::unique_ptr<LinkRequests> m_linkRequests;
    std::unique_ptr<SessionControl> m_sessionControl;
    MessageHandler m_messageHandler;
    KeyPreviewHandler m_keyPreview;
    bool m_shown = false;
    bool m_procRunPhase = false;
};
