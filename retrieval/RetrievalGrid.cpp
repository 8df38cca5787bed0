#include "RetrievalGrid.h"

void ClearRetrievalGrid(RetrievalGrid &grid)
{
    const int rows = grid.rowCount();
    const int columns = grid.columnCount();
    for (int row = 1; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            grid.setCell(column, row, QString());
    }
}

MemoryRetrievalGrid::MemoryRetrievalGrid(int visibleRows)
{
    setVisibleRowCount(visibleRows);
    setColumnCount(5);
    setRowCount(5);
}

void MemoryRetrievalGrid::setColumnCount(int count)
{
    m_columns = count < 1 ? 1 : count;
    for (auto &row : m_cells)
        row.resize(size_t(m_columns));
    m_widths.resize(size_t(m_columns), DefaultColumnWidth);
}

void MemoryRetrievalGrid::setRowCount(int count)
{
    const size_t rows = size_t(count < 2 ? 2 : count); // the header row and at least one data row
    m_cells.resize(rows, std::vector<QString>(size_t(m_columns)));
    if (m_topRow >= int(rows))
        m_topRow = int(rows) - 1;
}

QString MemoryRetrievalGrid::cell(int column, int row) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return QString();
    return m_cells[size_t(row)][size_t(column)];
}

void MemoryRetrievalGrid::setCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return;
    m_cells[size_t(row)][size_t(column)] = text;
}

int MemoryRetrievalGrid::columnWidth(int column) const
{
    if (column < 0 || column >= m_columns)
        return DefaultColumnWidth;
    return m_widths[size_t(column)];
}

void MemoryRetrievalGrid::setColumnWidth(int column, int width)
{
    if (column < 0 || column >= m_columns)
        return;
    m_widths[size_t(column)] = width;
}

void MemoryRetrievalGrid::setTopRow(int row)
{
    m_topRow = qBound(1, row, rowCount() - 1);
}
