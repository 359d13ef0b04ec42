#pragma once
// Draws the cells of the string grids. Core decides how each cell looks (background, text colour, weight,
// alignment, lines); this painter only carries that out, so the look stays testable without a screen. Cells
// are painted, never edited in place: a grid with hundreds of rows must not carry a widget per cell.
#include <QStyledItemDelegate>

namespace renoka {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }
};

} // namespace renoka
