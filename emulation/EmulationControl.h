#pragma once
// The widget-free rules of the emulated front: panel addresses to node
// numbers, the panel's key codes and how PC keys map to them, and the LED
// table with its colours.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class QKeyEvent;

namespace emulation {

// ---------------------------------------------------------------------------
// Panel addresses
//
// The panel table's address text: "P" or "PP" (a panel, no sub-address),
// "P/S", "P/SS", "PP/S" or "PP/SS". Digits are taken as character code - 48
// without checking, sums modulo 256, as the panel table has always been read.

struct PanelAddress
{
    quint8 panel = 0;
    quint8 sub = 0; // NoSub: no sub-address
};
constexpr quint8 NoSub = 255;

// `ok` false: reading the record failed (there is none); both stay 0.
PanelAddress ParsePanelAddress(const QString &text, bool ok = true);

// The node number of panel/sub: the panel itself without a sub-address,
// otherwise the panel number bit-reversed into the high bits, ORed with sub.
// The inverse of the panel/sub formatting of node numbers in all three
// addressing modes ("15/15", "7/31", "31/7").
quint8 PanelNodeNumber(quint8 panel, quint8 sub);
// Panel numbers 0..31 can carry a sub-address; a larger one cannot be
// turned into a node number with one.
bool isAddressable(quint8 panel, quint8 sub);

// ---------------------------------------------------------------------------
// Keys

namespace key {
constexpr quint8 Scroll = 1;
constexpr quint8 Display = 2;
constexpr quint8 Print = 4;
constexpr quint8 Alphanumeric = 5;
constexpr quint8 Right = 6;
constexpr quint8 Left = 8;
constexpr quint8 SilenceBuzzer = 9;
constexpr quint8 Down = 10;
constexpr quint8 Reset = 11;
constexpr quint8 Disable = 12;
constexpr quint8 Enter = 13;
constexpr quint8 Test = 14;
constexpr quint8 Sound = 15;
constexpr quint8 SoundDelay = 16;
constexpr quint8 SoundDisable = 17;
constexpr quint8 SoundSilence = 18;
constexpr quint8 FBDisable = 19;
constexpr quint8 FBDelay = 20;
constexpr quint8 FBStop = 22;
constexpr quint8 Up = 26;
constexpr quint8 Exit = 27;
constexpr quint8 All = 30;
constexpr quint8 FBSignal = 31;
} // namespace key

// The key buttons of the front: objectName, caption (empty for a picture
// button; control-key captions name their code, "^K" is 11) and key code.
struct KeyButton
{
    const char *name;
    const char *caption;
    quint8 code;
};
const QList<KeyButton> &keyButtons();
// The key code of the button with this objectName, or -1.
int keyCodeOf(const QString &buttonName);

// Windows virtual-key code of a key event (the keyboard of the PC that the
// panel's key handling was made for); 0 for keys without one.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKeyCode(const QKeyEvent *event);

// Keys sent for a character typed into the keyboard catcher: its 8-bit code
// page 1252 code (printable characters, Enter 13, Escape 27, Backspace 8).
QList<quint8> typedKeyCodes(const QString &text);
// Keys sent when a key is released in the keyboard catcher: Page Up and
// Page Down 1, the arrows 8, 26, 6, 10; nothing for other keys.
QList<quint8> memoReleaseKeyCodes(int virtualKey);
// Keys sent when a key is released on the A..Z button, from the low 8 bits
// of its virtual-key code: 13 and 27 and the codes 32..175 as they are (A
// twice), then the arrows' and F1's panel codes.
QList<quint8> alphanumericReleaseKeyCodes(int virtualKey);

// ---------------------------------------------------------------------------
// LEDs

enum class LedTable { Red, Green, Yellow };

struct LedEntry
{
    int payloadByte; // -1: no state byte (always grey after an update)
    const char *name;
    LedTable table;
};
// Every LED of the front in the order of the LED state record.
const QList<LedEntry> &ledTable();

QColor ledColour(LedTable table, quint8 state);
inline QColor ledGrey() { return QColor(128, 128, 128); }
inline QColor ledWhite() { return QColor(255, 255, 255); } // no LED information

} // namespace emulation
