#include "LcdScreen.h"

namespace {
constexpr quint8 Space = 0x20;
}

LcdScreen::Cell LcdScreen::cell(int row, int column) const
{
    if (!contains(row, column))
        return Cell{};
    return m_cells[size_t(row)][size_t(column)];
}

void LcdScreen::blank(int row, int firstColumn, int lastColumn, bool keepColor)
{
    if (row < 0 || row >= StoreRows)
        return;
    const QRgb background = m_background.rgb() & 0xFFFFFF;
    for (int c = qMax(firstColumn, 0); c <= qMin(lastColumn, StoreColumns - 1); ++c) {
        Cell &target = m_cells[size_t(row)][size_t(c)];
        target.ch = Space;
        if (!keepColor)
            target.color = background;
    }
}

void LcdScreen::Clear()
{
    for (int row = 0; row < m_numberOfLines; ++row)
        blank(row, 0, m_charPerLine - 1, false);
    repaintAll();
}

void LcdScreen::ClearArea(quint8 firstRow, quint8 lastRow, quint8 firstColumn, quint8 lastColumn)
{
    // Rows first, then columns; both ranges 1-based and inclusive. An empty
    // range changes nothing, and the repaint happens all the same.
    for (int row = int(firstRow) - 1; row <= int(lastRow) - 1; ++row)
        blank(row, int(firstColumn) - 1, int(lastColumn) - 1, false);
    repaintAll();
}

void LcdScreen::ClearToEndOfLine(quint8 row, quint8 column)
{
    // The column is 1-based; 0 counts as 1. The cells keep their colours.
    const int first = qMax(int(column), 1) - 1;
    const int last = qMin(int(m_charPerLine), StoreColumns) - 1;
    if (row >= StoreRows || first > last)
        return;
    blank(row, first, last, true);
    drawCells(row, first, last);
}

void LcdScreen::WriteText(int row, int column, const QByteArray &text, const QColor &color)
{
    // Column is 1-based: character k goes to column index column-1+k. The
    // part that lies outside the store is dropped.
    if (row < 0 || row >= StoreRows)
        return;
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    int first = StoreColumns;
    int last = -1;
    for (int k = 0; k < text.size(); ++k) {
        const int c = column - 1 + k;
        if (c < 0 || c >= StoreColumns)
            continue;
        m_cells[size_t(row)][size_t(c)] = Cell{rgb, quint8(text.at(k))};
        first = qMin(first, c);
        last = qMax(last, c);
    }
    if (last >= first)
        drawCells(row, first, last);
}

void LcdScreen::DrawPixel(int x, int y, const QColor &color)
{
    Q_UNUSED(x) Q_UNUSED(y) Q_UNUSED(color)
}

void LcdScreen::DrawBar(int x, int y, int x2, int y2, char mode, const QColor &colorNine,
                        const QColor &colorEight, float scale)
{
    Q_UNUSED(x) Q_UNUSED(y) Q_UNUSED(x2) Q_UNUSED(y2) Q_UNUSED(mode) Q_UNUSED(colorNine)
    Q_UNUSED(colorEight) Q_UNUSED(scale)
}

QByteArray LcdScreen::rowText(int row, int count) const
{
    QByteArray text;
    if (row < 0 || row >= StoreRows)
        return text;
    count = qBound(0, count, StoreColumns);
    text.reserve(count);
    for (int c = 0; c < count; ++c)
        text.append(char(m_cells[size_t(row)][size_t(c)].ch));
    return text;
}

QList<QByteArray> LcdScreen::screenLines() const
{
    QList<QByteArray> lines;
    for (int row = 0; row < m_numberOfLines; ++row)
        lines.append(QByteArray(1, ' ') + rowText(row, m_charPerLine));
    return lines;
}
