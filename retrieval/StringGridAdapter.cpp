#include "StringGridAdapter.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

StringGridAdapter::StringGridAdapter(QTableWidget &table) : m_table(table)
{
    m_table.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_table.verticalHeader()->hide();
    m_table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table.verticalHeader()->setDefaultSectionSize(RowHeight);
    m_table.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table.horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    m_table.setWordWrap(false);
    // An empty string grid: 5 columns, 5 rows (the header and 4 data rows).
    m_table.setColumnCount(5);
    m_table.setRowCount(4);
}

int StringGridAdapter::columnCount() const
{
    return m_table.columnCount();
}

void StringGridAdapter::setColumnCount(int count)
{
    m_table.setColumnCount(qMax(0, count));
}

int StringGridAdapter::rowCount() const
{
    return m_table.rowCount() + 1;
}

void StringGridAdapter::setRowCount(int count)
{
    m_table.setRowCount(qMax(0, count - 1));
}

QString StringGridAdapter::cell(int column, int row) const
{
    if (column < 0 || column >= m_table.columnCount() || row < 0 || row > m_table.rowCount())
        return QString();
    const QTableWidgetItem *item = row == 0 ? m_table.horizontalHeaderItem(column) : m_table.item(row - 1, column);
    return item ? item->text() : QString();
}

void StringGridAdapter::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= m_table.columnCount() || row < 0 || row > m_table.rowCount())
        return;
    if (row == 0) {
        if (QTableWidgetItem *item = m_table.horizontalHeaderItem(column))
            item->setText(text);
        else
            m_table.setHorizontalHeaderItem(column, new QTableWidgetItem(text));
        return;
    }
    if (QTableWidgetItem *item = m_table.item(row - 1, column)) {
        item->setText(text);
    } else if (!text.isEmpty()) {
        m_table.setItem(row - 1, column, new QTableWidgetItem(text));
    }
}

int StringGridAdapter::columnWidth(int column) const
{
    return m_table.columnWidth(column);
}

void StringGridAdapter::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_table.columnCount())
        m_table.setColumnWidth(column, width);
}

int StringGridAdapter::topRow() const
{
    const int tableRow = m_table.rowAt(0);
    return tableRow < 0 ? 1 : tableRow + 1;
}

void StringGridAdapter::setTopRow(int row)
{
    if (m_table.rowCount() == 0)
        return;
    const int tableRow = qBound(0, row - 1, m_table.rowCount() - 1);
    // Per-item scrolling: the scroll bar's value is the top row.
    m_table.verticalScrollBar()->setValue(tableRow);
}

int StringGridAdapter::visibleRowCount() const
{
    const int height = m_table.viewport()->height();
    return qMax(1, height / RowHeight);
}
