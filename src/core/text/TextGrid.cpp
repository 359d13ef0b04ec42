#include "text/TextGrid.h"

#include "base/Errors.h"

#include <algorithm>

namespace renoka {

namespace {
const std::string kEmpty;
constexpr int kDefaultWidth = 64;
} // namespace

TextGrid::TextGrid(int colCount, int rowCount) {
    resize(colCount, rowCount);
}

void TextGrid::setColCount(int count) {
    resize(count, m_rowCount);
}
void TextGrid::setRowCount(int count) {
    resize(m_colCount, count);
}

void TextGrid::resize(int cols, int rows) {
    cols = std::max(cols, 0);
    rows = std::max(rows, 0);
    if (cols == m_colCount) {
        m_cells.resize(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    } else {
        std::vector<std::string> cells(static_cast<size_t>(cols) * static_cast<size_t>(rows));
        int keepRows = std::min(rows, m_rowCount);
        int keepCols = std::min(cols, m_colCount);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                cells[static_cast<size_t>(r * cols + c)] = std::move(m_cells[static_cast<size_t>(r * m_colCount + c)]);
        m_cells = std::move(cells);
    }
    m_widths.resize(static_cast<size_t>(cols), kDefaultWidth);
    m_colCount = cols;
    m_rowCount = rows;
}

const std::string& TextGrid::emptyText() {
    return kEmpty;
}

void TextGrid::outside(int col, int row) const {
    checkIndex(col, m_colCount, "列");
    checkIndex(row, m_rowCount, "行");
}

int TextGrid::colWidth(int col) const {
    if (col < 0 || col >= m_colCount) return 0;
    return m_widths[static_cast<size_t>(col)];
}

void TextGrid::setColWidth(int col, int width) {
    checkIndex(col, m_colCount, "列");
    m_widths[static_cast<size_t>(col)] = width;
}

void TextGrid::clearCells() {
    for (auto& c : m_cells)
        c.clear();
}

void TextGrid::reorderRows(int first, const std::vector<int>& order) {
    const auto count = static_cast<int>(order.size());
    checkIndex(first, m_rowCount + 1, "行");
    checkIndex(count, m_rowCount - first + 1, "行");
    std::vector<bool> seen(order.size(), false);
    for (int from : order) {
        checkIndex(from, count, "行");
        if (seen[static_cast<size_t>(from)]) checkIndex(count, count, "行");
        seen[static_cast<size_t>(from)] = true;
    }
    const auto cols = static_cast<size_t>(m_colCount);
    std::vector<std::string> moved(static_cast<size_t>(count) * cols);
    for (int i = 0; i < count; ++i)
        for (size_t c = 0; c < cols; ++c)
            moved[static_cast<size_t>(i) * cols + c] =
                std::move(m_cells[static_cast<size_t>(first + order[static_cast<size_t>(i)]) * cols + c]);
    std::move(moved.begin(), moved.end(),
              m_cells.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(first) * cols));
}

std::vector<std::string> TextGrid::rowTexts(int r) const {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(m_colCount));
    for (int c = 0; c < m_colCount; ++c)
        out.push_back(cell(c, r));
    return out;
}

} // namespace renoka
