// Sorting the entries table. Every number in the table is fixed-width text, so the rows sort by plain byte order
// of one column; rows whose texts tie are then put in order by a second column.
#include "analysis/EntriesTable.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace renoka {

namespace {

struct SortButton {
    const char* caption; // UTF-8
    int primary;
    int secondary;
};

constexpr std::array<SortButton, EntriesTable::kSortButtonCount> kSortButtons = {{
    {"馬番", 1, 10},
    {"人気指数", 9, 13},
    {"勝敗指数", 11, 13},
    {"能力指数", 13, 9},
    {"総合指数", 15, 11},
    {"人気", 18, 1},
    {"着順", 19, 1},
    {"確定人気", 20, 1},
}};

constexpr std::array<int, 11> kSortableColumns = {1, 7, 10, 12, 14, 16, 19, 20, 21, 36, 37};

// The table's own quicksort (middle pivot, rows swapped in place). It is not stable, and rows that tie on both
// keys come out in the order it leaves them, so it is kept as it is rather than replaced by std::sort.
// `order` holds grid rows; positions lo..hi are sorted by the texts of column `col`.
void quickSort(std::vector<int>& order, const TextGrid& grid, int col, bool ascending, int lo, int hi) {
    auto compare = [&](int row, std::string_view pivot) {
        const int c = std::string_view(grid.cell(col, row)).compare(pivot);
        return ascending ? c : -c;
    };
    int i = lo;
    int j = hi;
    do {
        i = lo;
        j = hi;
        // A view of the pivot row's cell stays valid: only `order` changes while sorting.
        const std::string_view pivot = grid.cell(col, order[static_cast<size_t>((lo + hi) / 2)]);
        do {
            while (compare(order[static_cast<size_t>(i)], pivot) < 0)
                ++i;
            while (compare(order[static_cast<size_t>(j)], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j) quickSort(order, grid, col, ascending, lo, j);
        lo = i;
    } while (i < hi);
}

} // namespace

bool EntriesTable::sortableHeader(int col) {
    return std::find(kSortableColumns.begin(), kSortableColumns.end(), col) != kSortableColumns.end();
}

const std::string& EntriesTable::sortButtonCaption(int button) {
    static const auto captions = [] {
        std::array<std::string, kSortButtonCount> out;
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = sj(kSortButtons[i].caption);
        return out;
    }();
    checkIndex(button, kSortButtonCount, "ボタン");
    return captions[static_cast<size_t>(button)];
}

bool EntriesTable::nextSortAscending(int col) const {
    checkIndex(col, static_cast<long long>(m_ascending.size()), "列");
    return m_ascending[static_cast<size_t>(col)];
}

void EntriesTable::StringGrid26MouseDown(int row, int col) {
    if (row != 0 || !sortableHeader(col)) return;
    // Each click on a header sorts the other way round from the last click on it, ascending first.
    bool& next = m_ascending[static_cast<size_t>(col)];
    SortAscending = next;
    next = !next;
    SortCol = col;
    SortBtnClick();
}

void EntriesTable::SortBtnClick() {
    sortRows(SortCol, SortCol == 1 ? 2 : 1, SortAscending);
}

void EntriesTable::SpeedButton14Click() {
    if (SortButtonDown >= 0 && SortButtonDown < kSortButtonCount) {
        const SortButton& b = kSortButtons[static_cast<size_t>(SortButtonDown)];
        sortRows(b.primary, b.secondary, true);
    } else {
        sortRows(0, -1, true);
    }
}

void EntriesTable::sortRows(int primary, int secondary, bool ascending) {
    m_changes.mark(View::Entries);
    const int rows = StringGrid26.rowCount() - 1;
    if (rows < 2) return;
    std::vector<int> order(static_cast<size_t>(rows));
    for (int k = 0; k < rows; ++k)
        order[static_cast<size_t>(k)] = k + 1;
    quickSort(order, StringGrid26, primary, ascending, 0, rows - 1);

    // Ties on the primary column: always ascending by the secondary one.
    if (secondary >= 0) {
        int start = 0;
        while (start < rows) {
            const std::string& text = StringGrid26.cell(primary, order[static_cast<size_t>(start)]);
            int end = start;
            while (end + 1 < rows && StringGrid26.cell(primary, order[static_cast<size_t>(end + 1)]) == text)
                ++end;
            if (end > start) quickSort(order, StringGrid26, secondary, true, start, end);
            start = end + 1;
        }
    }

    std::vector<std::string> cells;
    cells.reserve(static_cast<size_t>(rows * kColCount));
    for (int k = 0; k < rows; ++k)
        for (int c = 0; c < kColCount; ++c)
            cells.push_back(StringGrid26.cell(c, order[static_cast<size_t>(k)]));
    for (int k = 0; k < rows; ++k)
        for (int c = 0; c < kColCount; ++c)
            StringGrid26.setCell(c, k + 1, std::move(cells[static_cast<size_t>(k * kColCount + c)]));
}

} // namespace renoka
