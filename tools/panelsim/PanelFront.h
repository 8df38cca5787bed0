#pragma once
// The front of one simulated panel: its 8 x 40 LCD, a small menu tree that
// the keys move through, and its LEDs, played through the emulation command
// (code 39) as a panel plays them to a remote station.
//
//   command payload   answer (unsolicited records of the panel)
//   00 start          display records (39: status 2, stream) drawing the
//                     main menu, then the LED states (54); a panel emulated
//                     elsewhere answers 39: 05 at once
//   01 stop           39: 05
//   03 00 k  key k    display records for the change, LED states when they
//                     changed; nothing while not emulated
//
// Display stream: ESC Y r c places the cursor (row, column + 32), ESC G 0/2
// blue/red, ESC K clears to the end of the line (from one column left of
// the cursor, so each line is written with a trailing blank), ESC + clears
// the screen, ESC ~ 0/1 graphics with axes on/off, ESC % bars, ESC ^ dots.
// A record carries at most 255 payload bytes and never splits a sequence.
//
// LED record (code 54): 46 payload bytes, 0..13 zero, 14..45 LED states.

#include "Scenario.h"

#include <QByteArray>
#include <QList>

namespace panelsim {

constexpr quint8 kCodeEmulation = 0x27; // 39
constexpr quint8 kCodeLedStates = 0x36; // 54
constexpr int kLedStateCount = 32;      // payload bytes 14..45

class PanelFront
{
public:
    enum class Screen { Main, Alarms, Disablements, Test, Levels };

    // `leds`: the 32 LED states (payload bytes 14..45); empty: the panel's
    // normal state (supply on, processor running).
    PanelFront(quint8 node, bool emulatedElsewhere, const QByteArray &leds);

    // Answers an emulation command with the records the panel sends.
    QList<RecordSpec> command(const QByteArray &payload);

    bool active() const { return m_active; }
    Screen screen() const { return m_screen; }
    int selection() const { return m_selection; }
    QByteArray ledStates() const { return m_leds; }

    // The 8 text lines of a screen, as the panel lays them out (40 characters each).
    QList<QByteArray> screenLines(Screen screen) const;

private:
    struct Line
    {
        int row;
        QByteArray text;
        bool red;
    };
    QList<Line> linesOf(Screen screen) const;
    QList<RecordSpec> drawScreen() const;
    QList<RecordSpec> drawMenuItems(int oldSelection) const;
    QList<RecordSpec> ledRecord() const;
    QList<RecordSpec> key(quint8 code);
    bool controlKey(quint8 code);

    quint8 m_node;
    bool m_emulatedElsewhere;
    bool m_active = false;
    Screen m_screen = Screen::Main;
    int m_selection = 0;
    QByteArray m_leds;
};

// Display records (status 2) carrying the stream pieces in order; pieces
// are kept whole, so no escape sequence is split between two records.
QList<RecordSpec> displayRecords(const QList<QByteArray> &pieces);

} // namespace panelsim
