#pragma once
// The retrieval grid as the decoders see it: a string grid with one header
// row (row 0) and data rows from 1, column widths in pixels, and a top row
// that can be scrolled. The Data Retrieve page supplies its string grid
// through this interface; the command line and the tests use
// MemoryRetrievalGrid.

#include <QString>

#include <vector>

class RetrievalGrid
{
public:
    virtual ~RetrievalGrid() = default;

    virtual int columnCount() const = 0;
    virtual void setColumnCount(int count) = 0;
    virtual int rowCount() const = 0;
    virtual void setRowCount(int count) = 0;

    // Cells outside the grid read as empty; writes outside it are ignored.
    virtual QString cell(int column, int row) const = 0;
    virtual void setCell(int column, int row, const QString &text) = 0;

    virtual int columnWidth(int column) const = 0;
    virtual void setColumnWidth(int column, int width) = 0;

    // The first data row shown below the header.
    virtual int topRow() const = 0;
    virtual void setTopRow(int row) = 0;
    // The number of fully visible data rows.
    virtual int visibleRowCount() const = 0;

    // Header text of a column (row 0).
    void setHeader(int column, const QString &text) { setCell(column, 0, text); }
    QString header(int column) const { return cell(column, 0); }
};

// Empties every cell of rows 1 to the last row in every column, with the
// grid's current size; the header row stays.
void ClearRetrievalGrid(RetrievalGrid &grid);

// A grid held in memory, without widgets.
class MemoryRetrievalGrid : public RetrievalGrid
{
public:
    static constexpr int DefaultColumnWidth = 70;

    // A new grid has the size of an empty string grid: 5 columns, 5 rows.
    explicit MemoryRetrievalGrid(int visibleRows = 20);

    int columnCount() const override { return m_columns; }
    void setColumnCount(int count) override;
    int rowCount() const override { return int(m_cells.size()); }
    void setRowCount(int count) override;

    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString &text) override;

    int columnWidth(int column) const override;
    void setColumnWidth(int column, int width) override;

    int topRow() const override { return m_topRow; }
    void setTopRow(int row) override;
    int visibleRowCount() const override { return m_visibleRows; }
    void setVisibleRowCount(int rows) { m_visibleRows = rows < 1 ? 1 : rows; }

private:
    int m_columns = 0;
    int m_visibleRows = 20;
    int m_topRow = 1;
    std::vector<std::vector<QString>> m_cells; // [row][column]
    std::vector<int> m_widths;
};
