#pragma once
// What the link logic needs from the main window. The dispatch of the
// library's messages, the request routines and the session commands are
// written against this interface; TForm1 implements it with its widgets and
// timers, the tests with a recorder, the command line with a headless view.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class QWidget;

// The seven shapes of the main window's status group.
enum class LinkIndicator { ShapeStatusLed, CTSLed, DCDLed, DSRLed, RILed, RXLed, TXLed };

// Menu commands of the "&Connect" menu that the link logic enables or checks.
enum class LinkMenuCommand { Dial1, Hangup1, Dialback1, Alarmreporting1, CloseCommunication1 };

// The three timers of the exchange; their expiry handlers are
// SessionControl::AckNTimeOutTimerTimer, ReplyTimeOutTimerTimer, TimerAckTimer.
enum class LinkTimer { AckNTimeOutTimer, ReplyTimeOutTimer, TimerAck };

// Interval of each timer in milliseconds (the window scales them with
// platform::scaledInterval).
constexpr int linkTimerInterval(LinkTimer timer)
{
    switch (timer) {
    case LinkTimer::AckNTimeOutTimer: return 6000;
    case LinkTimer::ReplyTimeOutTimer: return 5000;
    case LinkTimer::TimerAck: return 1000;
    }
    return 1000;
}

namespace linkcolour {
inline QColor red() { return QColor(255, 0, 0); }
inline QColor brightGreen() { return QColor(0, 255, 0); }
inline QColor grey() { return QColor(128, 128, 128); }
} // namespace linkcolour

// The Settings page fields as the operator left them (texts, not yet numbers).
struct SerialSettingsText
{
    QString port;       // ComboBoxComPort
    QString baudRate;   // ComboBoxBaudRate
    QString dataBits;   // ComboBoxDataBits
    QString stopBits;   // ComboBoxStopBits
    QString parity;     // ComboBoxParity: "None", "Odd", "Even", "Mark", "Space"
    QString ownNodeId;  // EditOwnNodeId

    // The parity as the library takes it: "Odd" 1, "Even" 2, "Mark" 3,
    // "Space" 4, any other text 0 (none).
    quint32 parityCode() const
    {
        if (parity == QLatin1String("Odd"))
            return 1;
        if (parity == QLatin1String("Even"))
            return 2;
        if (parity == QLatin1String("Mark"))
            return 3;
        if (parity == QLatin1String("Space"))
            return 4;
        return 0;
    }
};

class LinkView
{
public:
    virtual ~LinkView() = default;

    // Parent for message boxes (nullptr when there is no window).
    virtual QWidget *dialogParent() = 0;
    // The active window's handle, as named to the library by CurrentWindow.
    virtual quintptr activeWindow() = 0;

    // Status group
    virtual void setStatusBar(const QString &text) = 0;   // EditStatusBar
    virtual void setDiagText(const QString &text) = 0;    // DiagEdit
    virtual void setIndicator(LinkIndicator indicator, const QColor &colour) = 0;

    // Menu and buttons
    virtual void setMenuEnabled(LinkMenuCommand command, bool enabled) = 0;
    virtual void setMenuChecked(LinkMenuCommand command, bool checked) = 0;
    virtual bool isMenuChecked(LinkMenuCommand command) = 0;
    // The six session buttons: ButtonStartEmulation, ButtonStopEmulation,
    // Buttonprintscreen, KeyBoardButton, RetrieveDataButton,
    // AbortDataRetreiveButton.
    virtual void setSessionButtonsEnabled(bool enabled) = 0;

    // Timers of the window
    virtual void startTimer(LinkTimer timer) = 0;
    virtual void stopTimer(LinkTimer timer) = 0;

    // Item index of ComboBoxDataRetrieveInfo (-1 when nothing is chosen).
    virtual int dataRetrieveInfoIndex() = 0;

    // Data scope: whether its display is paused, and the two trace views.
    // `bytes` is the buffer as posted; `count` never exceeds what it holds
    // after the three unshown header bytes (received) or from its start (sent).
    virtual bool isScopePaused() = 0;
    virtual void traceReceived(int count, const QByteArray &bytes) = 0;
    virtual void traceSent(int count, const QByteArray &bytes) = 0;

    // Address book ("address.ini" in the program directory) and the site's
    // panel table.
    virtual QList<QByteArray> addressSectionNames() = 0;
    virtual QByteArray readAddressString(const QByteArray &section, const QByteArray &key,
                                         const QByteArray &defaultValue) = 0;
    virtual void OpenSitePanelTable(const QByteArray &siteName) = 0;

    // Settings page and modem settings
    virtual SerialSettingsText serialSettings() = 0;
    virtual QByteArray modemInitString() = 0;

    // The steps of ResetDataViews whose widgets live in the window, in the
    // order in which they are called.
    virtual void stopEmulationIfActive() = 0;         // as the Stop button does
    virtual void closeSitePanelViews() = 0;           // grids disabled, Table1 closed
    virtual void clearRetrievalSelectors() = 0;       // texts emptied, selectors hidden
    virtual void resetProcRunLed() = 0;               // LED7 white, ProcRunTimer stopped
    virtual void clearEmulatedFront() = 0;            // LCD cleared, LEDs reset

    // EmulationActive := false, without stopping anything (the port closes).
    virtual void clearEmulationActive() = 0;

    // Modal forms, shown through platform::execForm; they return the modal
    // result (QDialog::Accepted, QDialog::Rejected).
    virtual int execConnectDialog() = 0;                       // TDlgConnect
    virtual int execDialBackDialog() = 0;                      // TDlgDialBack
    virtual int execAccessCodeDialog(QString *accessCode) = 0; // TPasswordDlg, AccessCodeEdit

    // Progress message (TRMessage) and mouse cursor.
    virtual void hideProgressMessage() = 0;
    virtual void restoreCursor() = 0;
};
