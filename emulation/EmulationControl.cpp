#include "EmulationControl.h"

#include "CodePage1252.h"

#include <QKeyEvent>

namespace emulation {

// ---------------------------------------------------------------------------
// Panel addresses

PanelAddress ParsePanelAddress(const QString &text, bool ok)
{
    PanelAddress address;
    if (!ok)
        return address;
    const QByteArray bytes = platform::toCp1252(text);
    auto value = [&](int position) { return quint8(quint8(bytes.at(position - 1)) - 48); };

    switch (bytes.size()) {
    case 1:
    case 2: {
        bool isNumber = false;
        const int number = bytes.toInt(&isNumber, 10);
        if (!isNumber)
            return PanelAddress{};
        address.panel = quint8(number);
        address.sub = NoSub;
        break;
    }
    case 3: // P/S
        address.panel = value(1);
        address.sub = value(3);
        break;
    case 4:
        if (bytes.at(1) == '/') { // P/SS
            address.panel = value(1);
            address.sub = quint8(10 * value(3) + value(4));
        }
        if (bytes.at(2) == '/') { // PP/S
            address.panel = quint8(10 * value(1) + value(2));
            address.sub = value(4);
        }
        break;
    case 5: // PP/SS
        address.panel = quint8(10 * value(1) + value(2));
        address.sub = quint8(10 * value(4) + value(5));
        break;
    default:
        break;
    }
    return address;
}

namespace {
quint8 reverseBits(quint8 v)
{
    quint8 r = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (v & (1u << bit))
            r |= quint8(0x80u >> bit);
    }
    return r;
}
} // namespace

quint8 PanelNodeNumber(quint8 panel, quint8 sub)
{
    if (sub == NoSub)
        return panel;
    return quint8(reverseBits(panel) | sub);
}

bool isAddressable(quint8 panel, quint8 sub)
{
    return sub == NoSub || panel < 32;
}

// ---------------------------------------------------------------------------
// Keys

const QList<KeyButton> &keyButtons()
{
    static const QList<KeyButton> buttons = {
        {"BitBtnScroll", "", key::Scroll},
        {"BitBtnDisplay", "", key::Display},
        {"BitBtnPrint", "", key::Print},
        {"ButtonAlfanumeriek", "A..Z", key::Alphanumeric},
        {"BitBtnRight", "", key::Right},
        {"BitBtnLeft", "", key::Left},
        {"ButtonSilenceBuzzer", "^I", key::SilenceBuzzer},
        {"BitBtnDown", "", key::Down},
        {"ButtonReset", "^K", key::Reset},
        {"ButtonDisable", "^L", key::Disable},
        {"BitBtnEnter", "", key::Enter},
        {"ButtonTest", "^N", key::Test},
        {"ButtonSound", "^O", key::Sound},
        {"ButtonSoundDelay", "^P", key::SoundDelay},
        {"ButtonSoundDisable", "^Q", key::SoundDisable},
        {"ButtonSoundSilence", "^R", key::SoundSilence},
        {"ButtonFBDisable", "^S", key::FBDisable},
        {"ButtonFBDelay", "^T", key::FBDelay},
        {"ButtonFBStop", "^V", key::FBStop},
        {"BitBtnUP", "", key::Up},
        {"BitBtnExit", "", key::Exit},
        {"ButtonAll", "^^", key::All},
        {"ButtonFBSignal", "^_", key::FBSignal},
        {"ButtonNum0", "0", '0'},
        {"ButtonNum1", "1", '1'},
        {"ButtonNum2", "2", '2'},
        {"ButtonNum3", "3", '3'},
        {"ButtonNum4", "4", '4'},
        {"ButtonNum5", "5", '5'},
        {"ButtonNum6", "6", '6'},
        {"ButtonNum7", "7", '7'},
        {"ButtonNum8", "8", '8'},
        {"ButtonNum9", "9", '9'},
    };
    return buttons;
}

int keyCodeOf(const QString &buttonName)
{
    for (const KeyButton &b : keyButtons()) {
        if (buttonName == QLatin1String(b.name))
            return b.code;
    }
    return -1;
}

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 0x60 + (qtKey - Qt::Key_0); // VK_NUMPAD0..9
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // the same codes as ASCII upper case and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Return: case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Print: return 0x2C;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Asterisk: return keypad ? 0x6A : 0x38;
    case Qt::Key_Plus: return keypad ? 0x6B : 0xBB;
    case Qt::Key_Minus: return keypad ? 0x6D : 0xBD;
    case Qt::Key_Period: return keypad ? 0x6E : 0xBE;
    case Qt::Key_Slash: return keypad ? 0x6F : 0xBF;
    case Qt::Key_NumLock: return 0x90;
    case Qt::Key_ScrollLock: return 0x91;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Equal: return 0xBB;
    case Qt::Key_Comma: case Qt::Key_Less: return 0xBC;
    case Qt::Key_Underscore: return 0xBD;
    case Qt::Key_Greater: return 0xBE;
    case Qt::Key_Question: return 0xBF;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 0xC0;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 0xDB;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 0xDC;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 0xDD;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 0xDE;
    // Shifted digits of the US layout come from their digit keys.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    default: return 0;
    }
}

int virtualKeyCode(const QKeyEvent *event)
{
#ifdef Q_OS_WIN
    if (event->nativeVirtualKey() != 0)
        return int(event->nativeVirtualKey());
#endif
    return virtualKeyCode(event->key(), event->modifiers());
}

QList<quint8> typedKeyCodes(const QString &text)
{
    QList<quint8> codes;
    for (const char byte : platform::toCp1252(text)) {
        const quint8 code = quint8(byte);
        // Printable characters and the control characters the keyboard
        // types (Enter, Escape, Backspace, Tab, Ctrl+letter); Delete (127)
        // is an editing key, not a character.
        if (code != 127)
            codes.append(code);
    }
    return codes;
}

QList<quint8> memoReleaseKeyCodes(int virtualKey)
{
    switch (virtualKey) {
    case 0x21: // Page Up
    case 0x22: // Page Down
        return {key::Scroll};
    case 0x25: return {key::Left};
    case 0x26: return {key::Up};
    case 0x27: return {key::Right};
    case 0x28: return {key::Down};
    default: return {};
    }
}

QList<quint8> alphanumericReleaseKeyCodes(int virtualKey)
{
    const quint8 k = quint8(virtualKey & 0xFF);
    QList<quint8> codes;
    if (k == 13 || k == 27)
        codes.append(k);
    if (k > 31 && k < 176)
        codes.append(k);
    if (k == 65)
        codes.append(k);
    switch (k) {
    case 37: codes.append(key::Left); break;
    case 38: codes.append(key::Up); break;
    case 39: codes.append(key::Right); break;
    case 40: codes.append(key::Down); break;
    case 112: codes.append(key::Scroll); break;
    default: break;
    }
    return codes;
}

// ---------------------------------------------------------------------------
// LEDs

const QList<LedEntry> &ledTable()
{
    static const QList<LedEntry> table = {
        {14, "LED1", LedTable::Red},      // FIRE
        {15, "LED2", LedTable::Red},      // FIRE
        {16, "LED7", LedTable::Green},    // PROC. RUN.
        {17, "LED5", LedTable::Yellow},   // SUPPLY FAULT
        {18, "LED4", LedTable::Yellow},   // DISABLE
        {19, "LED3", LedTable::Yellow},   // FAULT
        {20, "LED8", LedTable::Green},    // SUPPLY ON
        {24, "LED20", LedTable::Yellow},  // fire brigade DELAY OFF
        {25, "LED19", LedTable::Yellow},  // fire brigade DELAY ON
        {26, "LED22", LedTable::Yellow},  // STOP FB
        {27, "LED21", LedTable::Yellow},  // fire brigade FAULT/DISABLE
        {29, "LED18", LedTable::Red},     // SIGNAL
        {30, "LED14", LedTable::Yellow},  // sounders DELAY ON
        {31, "LED23", LedTable::Yellow},  // ALL
        {32, "LED25", LedTable::Yellow},  // PANEL
        {34, "LED17", LedTable::Yellow},  // SILENCE
        {35, "LED16", LedTable::Yellow},  // sounders FAULT/DISABLE
        {37, "LED12", LedTable::Red},     // SOUND
        {38, "LED15", LedTable::Yellow},  // sounders DELAY OFF
        {39, "LED6", LedTable::Yellow},   // SYSTEM FAULT
        {42, "LED11", LedTable::Yellow},  // TEST
        {43, "LED10", LedTable::Yellow},  // controls DISABLE
        {45, "LED9", LedTable::Yellow},   // SIL. BUZZER
        {-1, "LED24", LedTable::Yellow},  // 3RD SOURCE: never reported
    };
    return table;
}

QColor ledColour(LedTable table, quint8 state)
{
    // 0 is off; 1 and 2 are lit (steady and flashing on the panel). Other
    // values are taken as lit: an LED the panel reports as anything but off
    // must not look off here.
    if (state == 0)
        return ledGrey();
    switch (table) {
    case LedTable::Red: return QColor(255, 0, 0);
    case LedTable::Green: return QColor(0, 255, 0);
    case LedTable::Yellow: return QColor(255, 255, 0);
    }
    return ledGrey();
}

} // namespace emulation
