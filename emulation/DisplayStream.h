#pragma once
// The display stream of an emulated panel (unsolicited message code 39).
//
// DisplayBuffer holds the record as
//     bytes 0..3 unused | 4 node | 5 code | 6 status | 7.. stream
// with DisplayLength = payload length + 9. Payload byte 0 is the status:
// 2 the panel shows its front to us, 5 it ends (or refuses) the emulation.
// Bytes 1..n-1 are the stream, a small terminal language:
//
//     ESC Y r c        cursor to row r-32, column c-32 (0-based)
//     ESC K            clear to end of line from the cursor
//     ESC +            clear the screen       ESC ?   blank lines 1..6
//     ESC G a          colour: "0" blue, "2" "4" "6" red, others unchanged
//     ESC ~ a          "0" graphics on and axes drawn, others graphics off
//     ESC % p1..p7     bar (also ESC &)       ESC ^ p1..p4   dot
//     ESC ` x          ignored with its byte  ESC 128        beep
//     7                bell: the cursor moves on, the PC beeps
//     any other byte   the character at the cursor; the cursor moves on
//
// Parameters are printable: the panel adds 32 to each number. There is no
// line wrap: characters beyond column index 40 or line 7 are dropped until
// the cursor is placed again.
//
// The decoder knows no widget: it draws through LcdScreen and reports
// through DisplayStreamHost.

#include "LcdScreen.h"
#include "LinkSession.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

class DisplayStreamHost
{
public:
    virtual ~DisplayStreamHost() = default;
    virtual void ResetLeds() = 0;
    virtual void setStatusBar(const QString &text) = 0;   // EditStatusBar
    virtual QWidget *dialogParent() = 0;
    virtual void beep() = 0;                               // the system's default beep
};

// Emulation state shared by the decoder and the emulation control.
struct EmulationState
{
    bool EmulationActive = false; // the display stream is being shown
    bool EscapeSeen = false;      // an escape byte came since the start or the last end
    bool GraphicsMode = false;    // bars and dots are drawn
    qint32 CursorRow = 0;         // line of the next character, 0-based
    qint32 CursorColumn = 0;      // column index of the next character, 0-based
    quint8 SelectedPanel = 0;     // read from the selected panel record
    quint8 SelectedSub = 0;
    quint8 PreviousPanel = 0;     // selection of the last started emulation
    quint8 PreviousSub = 0;
};

namespace lcdcolour {
inline QColor blue() { return QColor(0, 0, 255); }
inline QColor red() { return QColor(255, 0, 0); }
inline QColor white() { return QColor(255, 255, 255); }
inline QColor yellow() { return QColor(255, 255, 0); }
} // namespace lcdcolour

class DisplayStreamDecoder
{
    Q_DECLARE_TR_FUNCTIONS(DisplayStreamDecoder)

public:
    DisplayStreamDecoder(const LinkSession &session, EmulationState &state, LcdScreen &lcd, DisplayStreamHost &host);

    // Handles the record last copied into DisplayBuffer.
    void DecodeDisplayStream();

    // Interprets stream bytes (without the status byte) as they stand.
    void interpret(const QByteArray &stream);

private:
    void escape(const QByteArray &stream, qsizetype &i);
    void character(quint8 byte);
    void bar(const quint8 *p);
    void dot(const quint8 *p);
    void drawAxes();

    const LinkSession &m_session;
    EmulationState &m_state;
    LcdScreen &m_lcd;
    DisplayStreamHost &m_host;
};
