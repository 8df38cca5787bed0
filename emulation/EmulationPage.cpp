#include "EmulationPage.h"

#include "DialogSeam.h"
#include "KeyPictures.h"
#include "RecordReader.h"
#include "Timing.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <stdexcept>

namespace {

// The keyboard catcher: every typed character and every released key goes
// to the panel; nothing is kept in the memo.
class KeyCatcherMemo : public QPlainTextEdit
{
public:
    std::function<void(const QString &)> typed;
    std::function<void(int)> released;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->text().isEmpty() && typed)
            typed(event->text());
        event->accept();
    }
    void keyReleaseEvent(QKeyEvent *event) override
    {
        if (!event->isAutoRepeat() && released)
            released(emulation::virtualKeyCode(event));
        event->accept();
    }
};

// The A..Z button hands its key releases to the panel; the arrow keys stay
// with it instead of moving the focus.
class KeyReleaseButton : public QPushButton
{
public:
    std::function<void(int)> released;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
            event->accept();
            return;
        default:
            QPushButton::keyPressEvent(event);
        }
    }
    void keyReleaseEvent(QKeyEvent *event) override
    {
        QPushButton::keyReleaseEvent(event);
        if (!event->isAutoRepeat() && released)
            released(emulation::virtualKeyCode(event));
    }
};

// Page geometry (logical pixels).
constexpr int LcdLeft = 25, LcdTop = 79, LcdWidth = 421, LcdHeight = 136;
constexpr int KeyLeft = 462, KeyWidth = 44, KeyHeight = 31, KeyGap = 4;
constexpr int LedTop = LcdTop + LcdHeight + 12;
constexpr int RowHeight = 21;

} // namespace

EmulationPage::EmulationPage(LinkSession &session, EmulationState &state, QWidget *parent)
    : QWidget(parent), m_session(session), m_state(state)
{
    setObjectName(QStringLiteral("Emulation_m"));
    setMinimumSize(720, 470);
    buildTop();

    LCDDisplay = new TDisplay(this);
    LCDDisplay->setObjectName(QStringLiteral("LCDDisplay"));
    LCDDisplay->setGeometry(LcdLeft, LcdTop, LcdWidth, LcdHeight);
    QFont lcdFont(QStringLiteral("Courier New"));
    lcdFont.setStyleHint(QFont::TypeWriter);
    lcdFont.setFixedPitch(true);
    lcdFont.setBold(true);
    lcdFont.setPixelSize(12);
    LCDDisplay->setFont(lcdFont);
    LCDDisplay->setPen(QPen(QColor(0, 0, 255), 2));
    LCDDisplay->setVBorderSize(10);
    LCDDisplay->setHBorderSize(7);
    LCDDisplay->setNumberOfLines(8);
    LCDDisplay->setCharPerLine(40);
    LCDDisplay->setBrush(QBrush(Qt::white, Qt::SolidPattern));
    LCDDisplay->SetTextColor(Qt::black);
    m_decoder = std::make_unique<DisplayStreamDecoder>(m_session, m_state, *LCDDisplay, *this);

    buildKeypad();
    buildLedPanel();
    retranslateUi();
}

EmulationPage::~EmulationPage() = default;

// ---------------------------------------------------------------------------
// Construction

QLabel *EmulationPage::text(const char *source, QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    if (objectName)
        label->setObjectName(QLatin1String(objectName));
    m_texts.append({label, source});
    return label;
}

QFrame *EmulationPage::frame(const char *objectName, const QRect &geometry)
{
    auto *f = new QFrame(this);
    f->setObjectName(QLatin1String(objectName));
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    f->setLineWidth(1);
    f->setGeometry(geometry);
    return f;
}

void EmulationPage::buildTop()
{
    // Memo1 first: the grid, created after it, covers it.
    auto *memo = new KeyCatcherMemo;
    memo->setParent(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(96, 30, 54, 13);
    memo->setTabChangesFocus(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->typed = [this](const QString &t) { memoTyped(t); };
    memo->released = [this](int vk) { memoReleased(vk); };
    Memo1 = memo;

    QLabel *panelLabel = text(QT_TR_NOOP("Panel :"), this, "LabelPanel");
    panelLabel->setGeometry(LcdLeft, 14, 50, 20);
    EmulationDBGrid = new QTableView(this);
    EmulationDBGrid->setObjectName(QStringLiteral("EmulationDBGrid"));
    EmulationDBGrid->setGeometry(80, 10, 366, 56);
    EmulationDBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    EmulationDBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    EmulationDBGrid->verticalHeader()->setDefaultSectionSize(22);
    EmulationDBGrid->horizontalHeader()->setStretchLastSection(true);

    ButtonStartEmulation = new QPushButton(this);
    ButtonStartEmulation->setObjectName(QStringLiteral("ButtonStartEmulation"));
    m_texts.append({ButtonStartEmulation, QT_TR_NOOP("St&art ")});
    ButtonStopEmulation = new QPushButton(this);
    ButtonStopEmulation->setObjectName(QStringLiteral("ButtonStopEmulation"));
    m_texts.append({ButtonStopEmulation, QT_TR_NOOP("S&top ")});
    Buttonprintscreen = new QPushButton(this);
    Buttonprintscreen->setObjectName(QStringLiteral("Buttonprintscreen"));
    m_texts.append({Buttonprintscreen, QT_TR_NOOP("&Print Screen")});
    KeyBoardButton = new QPushButton(this);
    KeyBoardButton->setObjectName(QStringLiteral("KeyBoardButton"));
    m_texts.append({KeyBoardButton, QT_TR_NOOP("&Keyboard")});

    ButtonStartEmulation->setGeometry(KeyLeft, 10, 112, 26);
    ButtonStopEmulation->setGeometry(KeyLeft, 40, 112, 26);
    Buttonprintscreen->setGeometry(KeyLeft + 124, 10, 112, 26);
    KeyBoardButton->setGeometry(KeyLeft + 124, 40, 112, 26);
    for (QPushButton *b : {ButtonStartEmulation, ButtonStopEmulation, Buttonprintscreen, KeyBoardButton}) {
        b->setEnabled(false); // enabled while a link is open
        b->setFocusPolicy(Qt::TabFocus);
    }
    connect(ButtonStartEmulation, &QPushButton::clicked, this, &EmulationPage::ButtonStartEmulationClick);
    connect(ButtonStopEmulation, &QPushButton::clicked, this, &EmulationPage::ButtonStopEmulationClick);
    connect(Buttonprintscreen, &QPushButton::clicked, this, &EmulationPage::ButtonprintscreenClick);
    connect(KeyBoardButton, &QPushButton::clicked, this, &EmulationPage::KeyBoardButtonClick);
}

QPushButton *EmulationPage::keyButton(const char *name, QWidget *parent)
{
    QPushButton *button = nullptr;
    if (qstrcmp(name, "ButtonAlfanumeriek") == 0) {
        auto *alpha = new KeyReleaseButton;
        alpha->released = [this](int vk) { alphanumericReleased(vk); };
        button = alpha;
        button->setParent(parent);
    } else {
        button = new QPushButton(parent);
    }
    button->setObjectName(QLatin1String(name));
    const int code = emulation::keyCodeOf(button->objectName());
    for (const emulation::KeyButton &k : emulation::keyButtons()) {
        if (qstrcmp(k.name, name) == 0) {
            button->setText(QString::fromLatin1(k.caption));
            break;
        }
    }
    const QIcon picture = emulation::keyPicture(button->objectName());
    if (!picture.isNull()) {
        button->setIcon(picture);
        button->setIconSize(QSize(22, 22));
    }
    if (code >= 0) {
        connect(button, &QPushButton::clicked, this, [this, code] {
            SendPanelKey(quint8(code));
            Memo1->setFocus();
        });
    }
    return button;
}

void EmulationPage::buildKeypad()
{
    static const char *const layout[4][5] = {
        {"ButtonNum1", "ButtonNum2", "ButtonNum3", "ButtonAlfanumeriek", "BitBtnDisplay"},
        {"ButtonNum4", "ButtonNum5", "ButtonNum6", "BitBtnPrint", "BitBtnScroll"},
        {"ButtonNum7", "ButtonNum8", "ButtonNum9", "BitBtnRight", "BitBtnExit"},
        {"BitBtnDown", "ButtonNum0", "BitBtnUP", "BitBtnLeft", "BitBtnEnter"},
    };
    QFont keyFont = font();
    keyFont.setBold(true);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            QPushButton *b = keyButton(layout[row][column], this);
            b->setFont(keyFont);
            b->setFocusPolicy(Qt::TabFocus);
            b->setGeometry(KeyLeft + column * (KeyWidth + KeyGap), LcdTop + row * (KeyHeight + KeyGap),
                           KeyWidth, KeyHeight);
        }
    }
    // The A..Z button keeps the focus for its own key handling.
    auto find = [this](const char *name) { return findChild<QPushButton *>(QLatin1String(name)); };
    ButtonNum0 = find("ButtonNum0");
    ButtonNum1 = find("ButtonNum1");
    ButtonNum2 = find("ButtonNum2");
    ButtonNum3 = find("ButtonNum3");
    ButtonNum4 = find("ButtonNum4");
    ButtonNum5 = find("ButtonNum5");
    ButtonNum6 = find("ButtonNum6");
    ButtonNum7 = find("ButtonNum7");
    ButtonNum8 = find("ButtonNum8");
    ButtonNum9 = find("ButtonNum9");
    ButtonAlfanumeriek = find("ButtonAlfanumeriek");
    ButtonAlfanumeriek->setFocusPolicy(Qt::StrongFocus);
    BitBtnDisplay = find("BitBtnDisplay");
    BitBtnPrint = find("BitBtnPrint");
    BitBtnScroll = find("BitBtnScroll");
    BitBtnRight = find("BitBtnRight");
    BitBtnExit = find("BitBtnExit");
    BitBtnDown = find("BitBtnDown");
    BitBtnUP = find("BitBtnUP");
    BitBtnLeft = find("BitBtnLeft");
    BitBtnEnter = find("BitBtnEnter");
}

void EmulationPage::buildLedPanel()
{
    QFont small = font();
    small.setPointSizeF(qMax(6.5, small.pointSizeF() - 1.5));
    QFont title = small;
    title.setBold(true);

    // One row of a group: LED at the left, its label, a key button at the right.
    auto led = [&](QWidget *group, const char *name, int row, const char *label, const char *labelName) {
        auto *l = new LedShape(QLatin1String(name), group);
        l->setGeometry(8, 24 + row * RowHeight + 4, 11, 11);
        l->setToolTip(QString());
        if (label) {
            QLabel *t = text(label, group, labelName);
            t->setFont(small);
            t->setGeometry(24, 24 + row * RowHeight, 96, 19);
        }
        return l;
    };
    auto button = [&](QWidget *group, const char *name, qreal row) {
        QPushButton *b = keyButton(name, group);
        b->setFont(small);
        b->setFocusPolicy(Qt::TabFocus);
        b->setGeometry(group->width() - 38, 24 + int(row * RowHeight), 30, 19);
        return b;
    };
    auto heading = [&](QWidget *group, const char *source, const char *objectName) {
        QLabel *t = text(source, group, objectName);
        t->setFont(title);
        t->setGeometry(8, 4, group->width() - 16, 18);
        return t;
    };
    const int groupHeight = 24 + 5 * RowHeight + 6;

    // GENERAL
    GroupBoxGeneralLeds = frame("GroupBoxGeneralLeds", QRect(LcdLeft, LedTop, 148, 24 + 8 * RowHeight + 6));
    heading(GroupBoxGeneralLeds, QT_TR_NOOP("GENERAL"), "LabelGeneral");
    LED1 = led(GroupBoxGeneralLeds, "LED1", 0, QT_TR_NOOP("FIRE"), "LabelLED1");
    LED2 = led(GroupBoxGeneralLeds, "LED2", 1, QT_TR_NOOP("FIRE"), "LabelLED2");
    LED8 = led(GroupBoxGeneralLeds, "LED8", 2, QT_TR_NOOP("SUPPLY ON"), "LabelLED8");
    LED5 = led(GroupBoxGeneralLeds, "LED5", 3, QT_TR_NOOP("SUPPLY FAULT"), "LabelLED5");
    LED3 = led(GroupBoxGeneralLeds, "LED3", 4, QT_TR_NOOP("FAULT"), "LabelLED3");
    LED4 = led(GroupBoxGeneralLeds, "LED4", 5, QT_TR_NOOP("DISABLE"), "LabelLED4");
    LED6 = led(GroupBoxGeneralLeds, "LED6", 6, QT_TR_NOOP("SYSTEM FAULT"), "LabelLED6");
    LED7 = led(GroupBoxGeneralLeds, "LED7", 7, QT_TR_NOOP("PROC. RUN."), "LabelLED7");

    // CONTROLS
    const int controlsLeft = LcdLeft + 148 + 8;
    GroupBoxControlLeds = frame("GroupBoxControlLeds", QRect(controlsLeft, LedTop, 168, groupHeight));
    heading(GroupBoxControlLeds, QT_TR_NOOP("CONTROLS"), "LabelControls");
    LED9 = led(GroupBoxControlLeds, "LED9", 0, QT_TR_NOOP("SIL. BUZZER"), "LabelLED9");
    ButtonSilenceBuzzer = button(GroupBoxControlLeds, "ButtonSilenceBuzzer", 0);
    QLabel *reset = text(QT_TR_NOOP("RESET"), GroupBoxControlLeds, "LabelReset");
    reset->setFont(small);
    reset->setGeometry(24, 24 + RowHeight, 96, 19);
    ButtonReset = button(GroupBoxControlLeds, "ButtonReset", 1);
    LED10 = led(GroupBoxControlLeds, "LED10", 2, QT_TR_NOOP("DISABLE"), "LabelLED10");
    ButtonDisable = button(GroupBoxControlLeds, "ButtonDisable", 2);
    LED11 = led(GroupBoxControlLeds, "LED11", 3, QT_TR_NOOP("TEST"), "LabelLED11");
    ButtonTest = button(GroupBoxControlLeds, "ButtonTest", 3);
    LED24 = led(GroupBoxControlLeds, "LED24", 4, QT_TR_NOOP("3RD SOURCE"), "LabelLED24");
    Button3rdSource = button(GroupBoxControlLeds, "Button3rdSource", 4);
    Button3rdSource->setEnabled(false); // present on the panel, without a function here

    // SOUNDERS, with "PANEL" / "ALL" below
    const int soundersLeft = controlsLeft + 168 + 8;
    Shape7 = frame("Shape7", QRect(soundersLeft, LedTop, 168, groupHeight));
    Label21 = heading(Shape7, QT_TR_NOOP("SOUNDERS"), "Label21");
    LED12 = led(Shape7, "LED12", 0, QT_TR_NOOP("SOUND"), "Label29");
    ButtonSound = button(Shape7, "ButtonSound", 0);
    LED14 = led(Shape7, "LED14", 1, QT_TR_NOOP("DELAY ON"), "Label18");
    LED15 = led(Shape7, "LED15", 2, QT_TR_NOOP("DELAY OFF"), "Label30");
    ButtonSoundDelay = button(Shape7, "ButtonSoundDelay", 1.5);
    LED16 = led(Shape7, "LED16", 3, QT_TR_NOOP("FAULT/DISABLE"), "Label31");
    ButtonSoundDisable = button(Shape7, "ButtonSoundDisable", 3);
    LED17 = led(Shape7, "LED17", 4, QT_TR_NOOP("SILENCE"), "Label32");
    ButtonSoundSilence = button(Shape7, "ButtonSoundSilence", 4);

    ShapePanelAll = frame("ShapePanelAll", QRect(soundersLeft, LedTop + groupHeight + 6, 168, 2 * RowHeight + 12));
    auto rowBelow = [](QWidget *, int row) { return 6 + row * RowHeight; };
    LED25 = new LedShape(QStringLiteral("LED25"), ShapePanelAll);
    LED25->setGeometry(8, rowBelow(ShapePanelAll, 0) + 4, 11, 11);
    QLabel *panel = text(QT_TR_NOOP("PANEL"), ShapePanelAll, "LabelLED25");
    panel->setFont(small);
    panel->setGeometry(24, rowBelow(ShapePanelAll, 0), 96, 19);
    ButtonPanel = keyButton("ButtonPanel", ShapePanelAll);
    ButtonPanel->setText(QStringLiteral("^]"));
    ButtonPanel->setEnabled(false); // present on the panel, without a function here
    LED23 = new LedShape(QStringLiteral("LED23"), ShapePanelAll);
    LED23->setGeometry(8, rowBelow(ShapePanelAll, 1) + 4, 11, 11);
    QLabel *all = text(QT_TR_NOOP("ALL"), ShapePanelAll, "LabelLED23");
    all->setFont(small);
    all->setGeometry(24, rowBelow(ShapePanelAll, 1), 96, 19);
    ButtonAll = keyButton("ButtonAll", ShapePanelAll);
    for (int row = 0; row < 2; ++row) {
        QPushButton *b = row == 0 ? ButtonPanel : ButtonAll;
        b->setFont(small);
        b->setFocusPolicy(Qt::TabFocus);
        b->setGeometry(ShapePanelAll->width() - 38, rowBelow(ShapePanelAll, row), 30, 19);
    }

    // FIRE BRIGADE, with decorative circles below
    const int brigadeLeft = soundersLeft + 168 + 8;
    Shape8 = frame("Shape8", QRect(brigadeLeft, LedTop, 168, groupHeight));
    Label22 = heading(Shape8, QT_TR_NOOP("FIRE BRIGADE"), "Label22");
    LED18 = led(Shape8, "LED18", 0, QT_TR_NOOP("SIGNAL"), "Label33");
    ButtonFBSignal = button(Shape8, "ButtonFBSignal", 0);
    LED19 = led(Shape8, "LED19", 1, QT_TR_NOOP("DELAY ON"), "Label54");
    LED20 = led(Shape8, "LED20", 2, QT_TR_NOOP("DELAY OFF"), "Label55");
    ButtonFBDelay = button(Shape8, "ButtonFBDelay", 1.5);
    LED21 = led(Shape8, "LED21", 3, QT_TR_NOOP("FAULT/DISABLE"), "Label35");
    ButtonFBDisable = button(Shape8, "ButtonFBDisable", 3);
    LED22 = led(Shape8, "LED22", 4, QT_TR_NOOP("STOP FB"), "Label36");
    ButtonFBStop = button(Shape8, "ButtonFBStop", 4);

    ShapeDecoration = frame("ShapeDecoration", QRect(brigadeLeft, LedTop + groupHeight + 6, 168, 2 * RowHeight + 12));
    for (int i = 0; i < 6; ++i) {
        auto *circle = new LedShape(QStringLiteral("ShapeCircle%1").arg(i + 1), ShapeDecoration);
        circle->setBrushColor(QColor(170, 170, 170));
        circle->setGeometry(14 + i * 25, 18, 14, 14);
    }

    for (LedShape *l : leds())
        l->setBrushColor(emulation::ledWhite());
}

QList<LedShape *> EmulationPage::leds() const
{
    QList<LedShape *> list;
    for (const emulation::LedEntry &entry : emulation::ledTable())
        list.append(findChild<LedShape *>(QLatin1String(entry.name)));
    return list;
}

void EmulationPage::retranslateUi()
{
    for (const Text &t : std::as_const(m_texts)) {
        if (auto *label = qobject_cast<QLabel *>(t.widget.data()))
            label->setText(tr(t.source));
        else if (auto *button = qobject_cast<QPushButton *>(t.widget.data()))
            button->setText(tr(t.source));
    }
}

void EmulationPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------------------
// Panel selection

QString EmulationPage::selectedAddressText(bool *ok) const
{
    // The emulation page's grid when it is the active page, otherwise the
    // retrieval page's grid: both show the site's panel table.
    const bool active = m_hooks.isActivePage ? m_hooks.isActivePage() : true;
    QAbstractItemView *grid = EmulationDBGrid;
    if (!active && m_hooks.retrievalGrid)
        grid = m_hooks.retrievalGrid();
    *ok = false;
    if (!grid || !grid->model() || grid->model()->rowCount() == 0)
        return QString();
    const QModelIndex current = grid->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const QModelIndex field = grid->model()->index(row, 0);
    if (!field.isValid())
        return QString();
    *ok = true;
    return field.data(Qt::DisplayRole).toString();
}

void EmulationPage::ParsePanelAddress()
{
    bool ok = false;
    const QString address = selectedAddressText(&ok);
    const emulation::PanelAddress parsed = emulation::ParsePanelAddress(address, ok);
    m_state.SelectedPanel = parsed.panel;
    m_state.SelectedSub = parsed.sub;
}

bool EmulationPage::linkOpen() const
{
    // The page's commands are enabled exactly while a link is open.
    return ButtonStartEmulation->isEnabled();
}

// ---------------------------------------------------------------------------
// Start and stop

void EmulationPage::StartEmulation()
{
    if (!linkOpen())
        return;
    if (m_hooks.setStatusBar && m_hooks.onLineText)
        m_hooks.setStatusBar(m_hooks.onLineText());

    m_session.TargetNode = 0;
    m_state.SelectedPanel = 0;
    m_state.SelectedSub = 0;
    m_state.EscapeSeen = false;
    ParsePanelAddress();

    using emulation::PanelNodeNumber;
    const quint8 panel = m_state.SelectedPanel;
    const quint8 sub = m_state.SelectedSub;
    if ((panel == 0 && sub == 0) || !emulation::isAddressable(panel, sub)) {
        platform::showMessage(window(), platform::MessageType::Error, tr("You must select a panel."));
    } else {
        const bool otherPanel = panel != m_state.PreviousPanel || sub != m_state.PreviousSub;
        if (otherPanel && m_state.PreviousPanel != 0 && m_state.PreviousSub == 0 && m_state.EmulationActive) {
            // Switch panels: the previous one is told to stop first.
            LCDDisplay->Clear();
            m_session.TargetNode = PanelNodeNumber(m_state.PreviousPanel, m_state.PreviousSub);
            if (m_hooks.SendDisplayControl)
                m_hooks.SendDisplayControl(1);
            m_session.TargetNode = PanelNodeNumber(panel, sub);
            m_session.AbortFlag = false;
            m_state.EmulationActive = false;
            if (m_hooks.SendDisplayControl)
                m_hooks.SendDisplayControl(0);
        } else {
            m_session.TargetNode = PanelNodeNumber(panel, sub);
            m_session.AbortFlag = false;
            if (m_hooks.SendDisplayControl)
                m_hooks.SendDisplayControl(0);
        }
        m_state.PreviousPanel = panel;
        m_state.PreviousSub = sub;
        m_state.GraphicsMode = false;
    }
    Memo1->setFocus();
}

void EmulationPage::StopEmulation()
{
    if (m_hooks.SendDisplayControl)
        m_hooks.SendDisplayControl(1);
    m_state.EmulationActive = false;
    ResetLeds();
    LCDDisplay->Clear();
}

void EmulationPage::ButtonStopEmulationClick()
{
    if (linkOpen())
        StopEmulation();
}

void EmulationPage::KeyBoardButtonClick()
{
    Memo1->setFocus();
}

// ---------------------------------------------------------------------------
// Keys

void EmulationPage::SendPanelKey(quint8 code)
{
    if (linkOpen() && m_hooks.SendKey)
        m_hooks.SendKey(code);
}

void EmulationPage::memoTyped(const QString &typed)
{
    for (const quint8 code : emulation::typedKeyCodes(typed))
        SendPanelKey(code);
}

void EmulationPage::memoReleased(int virtualKey)
{
    for (const quint8 code : emulation::memoReleaseKeyCodes(virtualKey))
        SendPanelKey(code);
}

void EmulationPage::alphanumericReleased(int virtualKey)
{
    for (const quint8 code : emulation::alphanumericReleaseKeyCodes(virtualKey))
        SendPanelKey(code);
}

// ---------------------------------------------------------------------------
// LEDs

void EmulationPage::UpdateLeds()
{
    // LED states are payload bytes 14..45 of the record in ReceiveBuffer
    // (the LED state record and the alarm report carry them alike).
    const RecordReader record = RecordReader::receive(m_session);
    for (const emulation::LedEntry &entry : emulation::ledTable()) {
        auto *led = findChild<LedShape *>(QLatin1String(entry.name));
        if (!led)
            continue;
        led->setBrushColor(entry.payloadByte < 0 ? emulation::ledGrey()
                                                 : emulation::ledColour(entry.table, record.p(entry.payloadByte)));
        if (led == LED7 && m_procRunTimer)
            m_procRunTimer->start(); // PROC. RUN. blinks from now on
    }
}

void EmulationPage::ResetLeds()
{
    if (m_procRunTimer)
        m_procRunTimer->stop();
    for (LedShape *led : leds()) {
        if (led)
            led->setBrushColor(emulation::ledWhite());
    }
}

// ---------------------------------------------------------------------------
// Display stream host

void EmulationPage::setStatusBar(const QString &text)
{
    if (m_hooks.setStatusBar)
        m_hooks.setStatusBar(text);
}

void EmulationPage::beep()
{
    platform::beep();
}

// ---------------------------------------------------------------------------
// Print screen

void EmulationPage::PrintScreen()
{
    if (!linkOpen())
        return;
    try {
        QPrintDialog *dialog = m_hooks.printDialog ? m_hooks.printDialog() : nullptr;
        if (dialog) {
            if (platform::execForm(dialog) == QDialog::Accepted && dialog->printer())
                LCDDisplay->PrintScreen(*dialog->printer());
            return;
        }
        // No printer installed: the screen goes to a PDF or text file.
        platform::FileRequest request;
        request.kind = platform::FileDialogKind::Save;
        request.title = tr("Print Screen");
        request.filter = tr("PDF files (*.pdf);;Text files (*.txt)");
        request.defaultSuffix = QStringLiteral("pdf");
        const std::optional<QString> path = platform::askFile(window(), request);
        if (path && !path->isEmpty())
            LCDDisplay->PrintScreenToFile(*path);
    } catch (const std::exception &e) {
        platform::showMessage(window(), platform::MessageType::Error, QString::fromLocal8Bit(e.what()));
    }
}
