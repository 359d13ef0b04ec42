#pragma once
// Draws the cells of the string grids. Core decides how each cell looks (background, text colour, weight,
// alignment, lines, coloured parts of a line); this painter only carries that out, so the look stays testable
// without a screen. Cells are painted, never edited in place: a grid with hundreds of rows must not carry a
// widget per cell.
#include "text/CellPaint.h"

#include <QStyledItemDelegate>

#include <functional>

namespace renoka {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // How the grid's owner wants cell (grid row, column) drawn; the header row is row 0 and never asked for.
    using PaintFn = std::function<CellPaint(int row, int col)>;

    // Without a paint function every cell draws its text in the view's own colours.
    explicit GridCellDelegate(PaintFn paint = {}, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

    // What the cell is told to look like; the cell's own text stands in when core gives no lines.
    CellPaint cellPaint(const QModelIndex& index) const;

private:
    PaintFn m_paint;
};

} // namespace renoka
