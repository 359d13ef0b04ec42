#include "grid/TextGridModel.h"

#include "QtText.h"

#include <QTableView>

#include <algorithm>

namespace renoka {

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max(0, m_grid.rowCount() - 1);
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return m_grid.colCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return qs(m_grid.cell(index.column(), gridRow(index.row())));
    return {};
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return qs(m_grid.cell(section, 0));
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The grids are read back by later steps; only handlers write them, never the view.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TextGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

void applyColumnWidths(QTableView& view, const TextGrid& grid) {
    for (int col = 0; col < grid.colCount(); ++col) {
        const bool hidden = grid.colHidden(col);
        view.setColumnHidden(col, hidden);
        if (!hidden && grid.colWidth(col) > 0) view.setColumnWidth(col, grid.colWidth(col));
    }
}

} // namespace renoka
