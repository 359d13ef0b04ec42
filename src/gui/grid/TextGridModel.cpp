#include "grid/TextGridModel.h"

#include "QtText.h"
#include "widgets/QtColor.h"

#include <QBrush>

#include <QTableView>

#include <algorithm>
#include <cmath>

namespace renoka {

namespace {

int dataRowsOf(const TextGrid& grid) {
    return std::max(0, grid.rowCount() - 1);
}

} // namespace

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(dataRowsOf(grid)), m_cols(grid.colCount()) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return m_rows;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return m_cols;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return qs(m_grid.cell(index.column(), gridRow(index.row())));
    return {};
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && orientation == Qt::Horizontal && m_headerPaint) {
        const CellPaint paint = m_headerPaint(0, section);
        const Color& color = role == Qt::BackgroundRole ? paint.background : paint.textColor;
        if (!color.isDefault) return QBrush(qcolor(color));
        return {};
    }
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return qs(m_grid.cell(section, 0));
    if (m_grid.fixedCols > 0) return qs(m_grid.cell(0, gridRow(section)));
    return section + 1;
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // The grids are read back by later steps; only handlers write them, never the view.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TextGridModel::refresh() {
    const int rows = dataRowsOf(m_grid);
    const int cols = m_grid.colCount();
    if (rows != m_rows || cols != m_cols) {
        beginResetModel();
        m_rows = rows;
        m_cols = cols;
        endResetModel();
        return;
    }
    if (m_cols > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    if (m_rows > 0) Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 1);
    if (m_rows > 0 && m_cols > 0) Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

void applyColumnWidths(QTableView& view, const TextGrid& grid, double scale) {
    for (int col = 0; col < grid.colCount(); ++col) {
        const bool hidden = grid.colHidden(col);
        if (view.isColumnHidden(col) != hidden) view.setColumnHidden(col, hidden);
        if (hidden || grid.colWidth(col) <= 0) continue;
        const int width = static_cast<int>(std::lround(grid.colWidth(col) * scale));
        if (view.columnWidth(col) != width) view.setColumnWidth(col, width);
    }
}

} // namespace renoka
