#pragma once
// The retrieval grid over the page's QTableWidget: grid row 0 (the column
// headers) is the table's horizontal header, grid row r >= 1 is table row
// r - 1. The table has no row headers; a row is 17 pixels high.

#include "RetrievalGrid.h"

class QTableWidget;

class StringGridAdapter : public RetrievalGrid
{
public:
    static constexpr int RowHeight = 17;
    static constexpr int DefaultColumnWidth = 70;

    // Gives the table the string grid's look: whole-row selection,
    // resizable columns, no row headers, read-only cells.
    explicit StringGridAdapter(QTableWidget &table);

    int columnCount() const override;
    void setColumnCount(int count) override;
    int rowCount() const override;
    void setRowCount(int count) override;

    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString &text) override;

    int columnWidth(int column) const override;
    void setColumnWidth(int column, int width) override;

    int topRow() const override;
    void setTopRow(int row) override;
    int visibleRowCount() const override;

private:
    QTableWidget &m_table;
};
