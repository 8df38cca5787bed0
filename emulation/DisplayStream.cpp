#include "DisplayStream.h"

#include "DialogSeam.h"
#include "RecordReader.h"

#include <cmath>

namespace {
constexpr quint8 Bell = 7;
constexpr quint8 Escape = 27;
constexpr quint8 EmDash = 151; // code page 1252

constexpr quint8 StatusActive = 2;
constexpr quint8 StatusEnded = 5;

quint8 minus32(quint8 byte)
{
    return quint8(byte - 32);
}
} // namespace

DisplayStreamDecoder::DisplayStreamDecoder(const LinkSession &session, EmulationState &state, LcdScreen &lcd,
                                           DisplayStreamHost &host)
    : m_session(session), m_state(state), m_lcd(lcd), m_host(host)
{
}

void DisplayStreamDecoder::DecodeDisplayStream()
{
    const RecordReader record = RecordReader::display(m_session);
    const int payloadLength = qBound(0, int(m_session.DisplayLength) - 9, record.payloadCapacity());
    // Without a status byte the message says nothing: the buffer would only
    // hold what an earlier record left there.
    if (payloadLength == 0)
        return;

    // The status applies to messages from every node.
    const quint8 status = record.p(0);
    if (status == StatusActive)
        m_state.EmulationActive = true;
    if (status == StatusEnded) {
        m_state.EmulationActive = false;
        m_host.ResetLeds();
        m_lcd.Clear();
        // The panel ended the emulation before it showed anything: its front
        // is emulated by another station. Only the emulated panel can say so:
        // when the operator switches panels, the previous panel confirms its
        // stop with this status too, and that is no refusal.
        if (!m_state.EscapeSeen && record.node() == m_session.TargetNode) {
            const QString text = tr("Panel already emulated");
            m_host.setStatusBar(text);
            platform::showMessage(m_host.dialogParent(), platform::MessageType::Information, text);
        }
        m_state.EscapeSeen = false;
    }

    if (!m_state.EmulationActive || record.node() != m_session.TargetNode)
        return;
    interpret(record.bytes(1, payloadLength - 1));
}

void DisplayStreamDecoder::interpret(const QByteArray &stream)
{
    qsizetype i = 0;
    while (i < stream.size()) {
        const quint8 byte = quint8(stream.at(i));
        ++i;
        if (byte == Escape)
            escape(stream, i);
        else
            character(byte);
    }
}

void DisplayStreamDecoder::escape(const QByteArray &stream, qsizetype &i)
{
    m_state.EscapeSeen = true;
    if (i >= stream.size())
        return; // the sequence was cut off: nothing to do
    const quint8 command = quint8(stream.at(i));
    ++i;

    // Parameter bytes; a sequence cut off by the end of the message consumes
    // what is there and does nothing.
    quint8 p[7] = {};
    auto take = [&](int count) {
        if (stream.size() - i < count) {
            i = stream.size();
            return false;
        }
        for (int k = 0; k < count; ++k)
            p[k] = quint8(stream.at(i + k));
        i += count;
        return true;
    };

    switch (command) {
    case 'Y':
        if (take(2)) {
            m_state.CursorRow = qint32(p[0]) - 32;
            m_state.CursorColumn = qint32(p[1]) - 32;
        }
        break;
    case 'K':
        // The operation's column is 1-based, the cursor's 0-based: the
        // blanking starts one column left of the cursor, as the panel expects.
        m_lcd.ClearToEndOfLine(quint8(m_state.CursorRow), quint8(m_state.CursorColumn));
        break;
    case '+':
        m_lcd.Clear();
        break;
    case '?':
        m_lcd.ClearArea(1, 6, 1, 40);
        break;
    case 'G':
        if (take(1)) {
            if (p[0] == '0')
                m_lcd.SetTextColor(lcdcolour::blue());
            else if (p[0] == '2' || p[0] == '4' || p[0] == '6')
                m_lcd.SetTextColor(lcdcolour::red());
        }
        break;
    case '~':
        if (take(1)) {
            m_state.GraphicsMode = p[0] == '0';
            if (m_state.GraphicsMode)
                drawAxes();
        }
        break;
    case '%':
    case '&':
        if (take(7))
            bar(p);
        break;
    case '^':
        if (take(4))
            dot(p);
        break;
    case 96:
        take(1);
        break;
    case 128:
        m_host.beep();
        break;
    default:
        break;
    }
}

void DisplayStreamDecoder::character(quint8 byte)
{
    if (m_state.CursorRow >= LcdScreen::MaxLines || m_state.CursorColumn > LcdScreen::MaxCharPerLine)
        return; // beyond line 7 or column index 40: dropped, a bell stays silent
    ++m_state.CursorColumn;
    if (byte == Bell) {
        m_host.beep();
        return;
    }
    // 1-based column: the cell where the cursor stood. A cursor placed left
    // of or above the grid writes nothing (the store drops it).
    m_lcd.WriteText(m_state.CursorRow, m_state.CursorColumn, QByteArray(1, char(byte)), m_lcd.TextColor());
}

void DisplayStreamDecoder::bar(const quint8 *p)
{
    // Unsigned 8-bit arithmetic throughout, as the panel computes it.
    const quint8 width = quint8(minus32(p[4]) * 100 + minus32(p[5]));
    if (width >= 20)
        return;
    const quint8 x = quint8(minus32(p[1]) * 100 + minus32(p[2]));
    quint8 y = minus32(p[0]);
    if (y < 7)
        y = 7;
    if (m_state.GraphicsMode)
        m_lcd.DrawBar(x + 11, y, x + width + 11, 85, char(p[6]), lcdcolour::yellow(), lcdcolour::blue(), 1.9f);
}

void DisplayStreamDecoder::dot(const quint8 *p)
{
    const long double scaled = static_cast<long double>(minus32(p[0])) * 1.92L;
    const quint8 y = quint8(int(std::nearbyint(scaled)) & 0xFF); // halves to even
    const quint8 x = quint8(minus32(p[1]) * 100 + minus32(p[2]) + 14);
    // "0" erases the dot to the background; "8" (and any other value) sets it.
    const QColor color = p[3] == '0' ? lcdcolour::white() : lcdcolour::blue();
    if (m_state.GraphicsMode)
        m_lcd.DrawPixel(x, y, color);
}

void DisplayStreamDecoder::drawAxes()
{
    // Vertical axis at column index 3 of lines 0..5, horizontal axis of em
    // dashes along line 5, then a full repaint, which wipes earlier bars and dots.
    for (int row = 0; row <= 5; ++row)
        m_lcd.WriteText(row, 4, QByteArrayLiteral("|"), lcdcolour::red());
    for (int column = 5; column <= 30; ++column)
        m_lcd.WriteText(5, column, QByteArray(1, char(EmDash)), lcdcolour::red());
    m_lcd.Repaint();
}
