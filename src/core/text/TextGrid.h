#pragma once
// A string grid as data: cells of CP932 text addressed (column, row) like the system's grids, a row count
// that includes the header row, and column widths where -1 hides a column.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace renoka {

class TextGrid {
public:
    TextGrid() = default;
    TextGrid(int colCount, int rowCount);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    // Resizing keeps the cells that remain inside the grid; new cells are empty.
    void setColCount(int count);
    void setRowCount(int count);

    // Reading outside the grid gives an empty text; writing outside it is a range error.
    const std::string& cell(int col, int row) const {
        if (!inside(col, row)) return emptyText();
        return m_cells[offset(col, row)];
    }
    void setCell(int col, int row, std::string text) { writable(col, row) = std::move(text); }
    // Copies the text into the cell's own string, which keeps its storage.
    void assignCell(int col, int row, std::string_view text) { writable(col, row).assign(text); }
    // The cell's text to change in place; outside the grid a range error like setCell.
    std::string& writable(int col, int row) {
        if (!inside(col, row)) [[unlikely]]
            outside(col, row);
        return m_cells[offset(col, row)];
    }

    int colWidth(int col) const;
    void setColWidth(int col, int width);
    bool colHidden(int col) const { return colWidth(col) == -1; }

    int fixedRows = 1;
    int fixedCols = 0;
    int selectedRow = 1;
    int selectedCol = 0;

    // Empties every cell; sizes and widths stay.
    void clearCells();
    // The cells of one row, empty texts where the row is outside the grid.
    std::vector<std::string> rowTexts(int row) const;
    // Puts whole rows in a new order: row first + i gets the row that stood at first + order[i]. `order` must be a
    // permutation of 0..order.size()-1 within the grid (a range error otherwise, with nothing moved).
    void reorderRows(int first, const std::vector<int>& order);

private:
    void resize(int cols, int rows);
    bool inside(int col, int row) const { return col >= 0 && row >= 0 && col < m_colCount && row < m_rowCount; }
    size_t offset(int col, int row) const {
        return static_cast<size_t>(row) * static_cast<size_t>(m_colCount) + static_cast<size_t>(col);
    }
    static const std::string& emptyText();
    // The range error of a write outside the grid: the column is checked first, then the row.
    void outside(int col, int row) const;

    int m_colCount = 0;
    int m_rowCount = 0;
    std::vector<std::string> m_cells; // row-major
    std::vector<int> m_widths;
};

} // namespace renoka
