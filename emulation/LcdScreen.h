#pragma once
// The character store of the panel LCD and the operations that write it.
//
// The store is a fixed grid of 9 rows (0..8) by 41 columns (0..40), each
// cell one 8-bit character (code page 1252) and its colour, independent of
// how many lines and characters are shown (at most 8 x 40: row 8 and column
// 40 are storage only). The operations keep the argument conventions of the
// panel's LCD component:
//
//     Clear                                   visible lines and columns
//     ClearArea(firstRow, lastRow, firstCol, lastCol)   all 1-based, inclusive
//     ClearToEndOfLine(row, column)           row 0-based, column 1-based (0 counts as 1)
//     WriteText(row, column, text, colour)    row 0-based, column 1-based
//
// A cell outside the store is never written, whatever the arguments: a
// cursor that a display stream moved off the grid loses its characters
// instead of corrupting memory.
//
// LcdScreen has no widget. The drawing hooks (drawCells, repaintAll) and the
// pixel graphics (DrawPixel, DrawBar) do nothing here; TDisplay paints them,
// tests record them, the command line only needs the text.

#include <QByteArray>
#include <QColor>
#include <QList>

#include <array>

class LcdScreen
{
public:
    static constexpr int StoreRows = 9;
    static constexpr int StoreColumns = 41;
    static constexpr int MaxLines = 8;
    static constexpr int MaxCharPerLine = 40;

    struct Cell
    {
        QRgb color = 0;  // 0x00RRGGBB as stored; alpha ignored
        quint8 ch = 0;
    };

    LcdScreen() = default;
    virtual ~LcdScreen() = default;
    LcdScreen(const LcdScreen &) = delete;
    LcdScreen &operator=(const LcdScreen &) = delete;

    // Lines and characters per line drawn and printed (0..8, 0..40).
    quint8 NumberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(quint8 lines) { m_numberOfLines = qMin<quint8>(lines, MaxLines); }
    quint8 CharPerLine() const { return m_charPerLine; }
    void setCharPerLine(quint8 chars) { m_charPerLine = qMin<quint8>(chars, MaxCharPerLine); }

    // Background of the component and of every cleared cell.
    QColor backgroundColor() const { return m_background; }

    // The colour the stream decoder writes its characters in.
    QColor TextColor() const { return m_textColor; }
    void SetTextColor(const QColor &color) { m_textColor = color; }

    void Clear();
    void ClearArea(quint8 firstRow, quint8 lastRow, quint8 firstColumn, quint8 lastColumn);
    void ClearToEndOfLine(quint8 row, quint8 column);
    void WriteText(int row, int column, const QByteArray &text, const QColor &color);

    // Pixel graphics: drawn, never stored (the next full repaint removes them).
    virtual void DrawPixel(int x, int y, const QColor &color);
    virtual void DrawBar(int x, int y, int x2, int y2, char mode, const QColor &colorNine,
                         const QColor &colorEight, float scale);
    // Redraws everything from the store at once.
    virtual void Repaint() { repaintAll(); }

    // The store
    static bool contains(int row, int column)
    {
        return row >= 0 && row < StoreRows && column >= 0 && column < StoreColumns;
    }
    Cell cell(int row, int column) const;
    QColor cellColor(int row, int column) const { return QColor::fromRgb(cell(row, column).color); }
    quint8 cellChar(int row, int column) const { return cell(row, column).ch; }
    // Characters of row `row`, columns 0..count-1 (count limited to the store).
    QByteArray rowText(int row, int count = StoreColumns) const;

    // The text that print screen puts out: for each shown line one blank,
    // then the line's shown characters, trailing blanks included.
    QList<QByteArray> screenLines() const;

protected:
    // The cells (row, first..last column) changed and are to be drawn now.
    virtual void drawCells(int row, int firstColumn, int lastColumn) { Q_UNUSED(row) Q_UNUSED(firstColumn) Q_UNUSED(lastColumn) }
    // The whole component is to be repainted from the store at once.
    virtual void repaintAll() {}

    void setBackground(const QColor &color) { m_background = color; }

private:
    void blank(int row, int firstColumn, int lastColumn, bool keepColor);

    std::array<std::array<Cell, StoreColumns>, StoreRows> m_cells{};
    quint8 m_numberOfLines = MaxLines;
    quint8 m_charPerLine = MaxCharPerLine;
    QColor m_background = Qt::white;
    QColor m_textColor = Qt::black;
};
