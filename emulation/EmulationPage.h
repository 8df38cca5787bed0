#pragma once
// The Emulation page: the remote front of one panel of the current site.
//
//   Panel : [EmulationDBGrid ..........]  [St&art ] [&Print Screen]
//                                          [S&top ] [&Keyboard    ]
//   +---------------- LCDDisplay ----------------+  1  2  3  A..Z Disp
//   |  8 lines of 40 characters                  |  4  5  6  Prnt Scrl
//   |                                            |  7  8  9  Rght Exit
//   +--------------------------------------------+  Dn 0  Up Left Entr
//   GENERAL      CONTROLS      SOUNDERS       FIRE BRIGADE
//   (LEDs, labels and control-key buttons; "PANEL"/"ALL" below the
//   sounders, decorative circles below the fire brigade)
//
// Components are public members named as the system names them, each with
// the same objectName. The page talks to the link only through the hooks
// the main window sets; without them it sends nothing. Memo1, a tiny memo
// hidden behind the grid, catches the PC keyboard for the panel.

#include "Cdisplay.h"
#include "DisplayStream.h"
#include "EmulationControl.h"
#include "LedShape.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QAbstractItemView;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPrintDialog;
class QPushButton;
class QTableView;
#include <QTimer>

// What the page needs from the main window and the link.
struct EmulationHooks
{
    std::function<void(quint8)> SendDisplayControl;      // emulation command, function 0 start / 1 stop
    std::function<void(quint8)> SendKey;                 // key command
    std::function<void(const QString &)> setStatusBar;   // EditStatusBar
    std::function<QString()> onLineText;                 // "ON-LINE" " - " LinkSiteKey
    std::function<QPrintDialog *()> printDialog;         // PrintDialog1, nullptr without a printer
    std::function<bool()> isActivePage;                  // the Emulation page is the active page
    std::function<QAbstractItemView *()> retrievalGrid;  // DataRetreiveDBGrid
};

class EmulationPage : public QWidget, public DisplayStreamHost
{
    Q_OBJECT

public:
    EmulationPage(LinkSession &session, EmulationState &state, QWidget *parent = nullptr);
    ~EmulationPage() override;

    void setHooks(EmulationHooks hooks) { m_hooks = std::move(hooks); }
    // The PROC. RUN. timer of the main window (started by UpdateLeds,
    // stopped by ResetLeds); its tick blinks LED7.
    void setProcRunTimer(QTimer *timer) { m_procRunTimer = timer; }

    // Operations of the page
    void ParsePanelAddress();
    void StartEmulation();
    void StopEmulation();
    void UpdateLeds();
    void ResetLeds() override;
    void DecodeDisplayStream() { m_decoder->DecodeDisplayStream(); }
    void PrintScreen();
    // Sends one key while a link is open (the page's buttons are enabled).
    void SendPanelKey(quint8 code);
    bool linkOpen() const;

    DisplayStreamDecoder &decoder() { return *m_decoder; }
    // All 24 LEDs in the order of the LED state record (LED24 last).
    QList<LedShape *> leds() const;

    // DisplayStreamHost
    void setStatusBar(const QString &text) override;
    QWidget *dialogParent() override { return window(); }
    void beep() override;

    // Panel selection and commands
    QTableView *EmulationDBGrid = nullptr;
    QPushButton *ButtonStartEmulation = nullptr;
    QPushButton *ButtonStopEmulation = nullptr;
    QPushButton *Buttonprintscreen = nullptr;
    QPushButton *KeyBoardButton = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    // LCD and keypad
    TDisplay *LCDDisplay = nullptr;
    QPushButton *ButtonNum0 = nullptr, *ButtonNum1 = nullptr, *ButtonNum2 = nullptr, *ButtonNum3 = nullptr,
                *ButtonNum4 = nullptr, *ButtonNum5 = nullptr, *ButtonNum6 = nullptr, *ButtonNum7 = nullptr,
                *ButtonNum8 = nullptr, *ButtonNum9 = nullptr;
    QPushButton *ButtonAlfanumeriek = nullptr;
    QPushButton *BitBtnDisplay = nullptr, *BitBtnPrint = nullptr, *BitBtnScroll = nullptr, *BitBtnRight = nullptr,
                *BitBtnExit = nullptr, *BitBtnDown = nullptr, *BitBtnUP = nullptr, *BitBtnLeft = nullptr,
                *BitBtnEnter = nullptr;

    // LED panel: frames, titles, LEDs, labels, control-key buttons
    QFrame *GroupBoxGeneralLeds = nullptr;
    QFrame *GroupBoxControlLeds = nullptr;
    QFrame *Shape7 = nullptr;          // SOUNDERS frame
    QFrame *Shape8 = nullptr;          // FIRE BRIGADE frame
    QFrame *ShapePanelAll = nullptr;   // "PANEL" / "ALL"
    QFrame *ShapeDecoration = nullptr; // circles below the fire brigade group
    QLabel *Label21 = nullptr;         // "SOUNDERS"
    QLabel *Label22 = nullptr;         // "FIRE BRIGADE"
    LedShape *LED1 = nullptr, *LED2 = nullptr, *LED3 = nullptr, *LED4 = nullptr, *LED5 = nullptr, *LED6 = nullptr,
             *LED7 = nullptr, *LED8 = nullptr, *LED9 = nullptr, *LED10 = nullptr, *LED11 = nullptr, *LED12 = nullptr,
             *LED14 = nullptr, *LED15 = nullptr, *LED16 = nullptr, *LED17 = nullptr, *LED18 = nullptr,
             *LED19 = nullptr, *LED20 = nullptr, *LED21 = nullptr, *LED22 = nullptr, *LED23 = nullptr,
             *LED24 = nullptr, *LED25 = nullptr;
    QLabel *Label18 = nullptr, *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr;
    QLabel *Label33 = nullptr, *Label35 = nullptr, *Label36 = nullptr, *Label54 = nullptr, *Label55 = nullptr;
    QPushButton *ButtonSilenceBuzzer = nullptr, *ButtonReset = nullptr, *ButtonDisable = nullptr,
                *ButtonTest = nullptr, *Button3rdSource = nullptr;
    QPushButton *ButtonSound = nullptr, *ButtonSoundDelay = nullptr, *ButtonSoundDisable = nullptr,
                *ButtonSoundSilence = nullptr;
    QPushButton *ButtonPanel = nullptr, *ButtonAll = nullptr;
    QPushButton *ButtonFBSignal = nullptr, *ButtonFBDelay = nullptr, *ButtonFBDisable = nullptr,
                *ButtonFBStop = nullptr;

public slots:
    void ButtonStartEmulationClick() { StartEmulation(); }
    void ButtonStopEmulationClick();
    void ButtonprintscreenClick() { PrintScreen(); }
    void KeyBoardButtonClick();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildTop();
    void buildKeypad();
    void buildLedPanel();
    QPushButton *keyButton(const char *name, QWidget *parent);
    QLabel *text(const char *source, QWidget *parent, const char *objectName = nullptr);
    QFrame *frame(const char *objectName, const QRect &geometry);
    void retranslateUi();
    QString selectedAddressText(bool *ok) const;
    void memoTyped(const QString &text);
    void memoReleased(int virtualKey);
    void alphanumericReleased(int virtualKey);

    struct Text
    {
        QPointer<QWidget> widget;
        const char *source;
    };
    QList<Text> m_texts;
    LinkSession &m_session;
    EmulationState &m_state;
    std::unique_ptr<DisplayStreamDecoder> m_decoder;
    EmulationHooks m_hooks;
    QPointer<QTimer> m_procRunTimer;
};
