#pragma once
// A table view over one of core's string grids: the grid model, the painting delegate with the owner's paint
// function, the owner's column widths scaled to the font, fixed row heights, and the two ways a user acts on a
// grid besides the keys: a click on a header cell and the context menu (mouse or keyboard).
#include "grid/GridCellDelegate.h"

#include <QTableView>

#include <functional>
#include <utility>

namespace renoka {

class TextGrid;
class TextGridModel;

class GridView : public QTableView {
    Q_OBJECT

public:
    GridView(const TextGrid& grid, GridCellDelegate::PaintFn paint, QWidget* parent = nullptr);

    TextGridModel& gridModel() const { return *m_model; }
    const GridCellDelegate& cellDelegate() const { return *m_delegate; }

    // Every row holds this many text lines; `minimumHeight` is the owner's row height before scaling.
    void setRowLines(int lines, int minimumHeight = 0);
    // For grids whose owner leaves the widths alone (the odds board): each column this many half-width
    // characters wide, in place of the grid's widths.
    void setColumnChars(std::function<int(int col)> chars);
    // Header cells a click sorts by: clickable, with the hand cursor over them.
    void setSortableHeader(std::function<bool(int col)> sortable);
    bool sortableAt(int col) const { return m_sortable && m_sortable(col); }
    // Grids whose cells act when pressed (the marks of the entries-check grid): every left mouse-down on a cell,
    // on a header cell (grid row 0) or on the room beside the cells (row and column -1) is reported as
    // cellPressed, and so is the space key on the current cell; the hand shows over the cells `handAt` names.
    void setCellPresses(std::function<bool(int row, int col)> handAt);
    // Grids whose cells act when clicked (the bet grids): the hand shows over the cells `handAt` names, and the
    // space key on a row is a click on its cell in `spaceCol` (the keyboard's way to the column that acts).
    void setCellClicks(std::function<bool(int row, int col)> handAt, int spaceCol);
    // The grid row and column under a point of the viewport; -1 and -1 where there is no cell.
    std::pair<int, int> cellAt(const QPoint& viewportPos) const;

    // The width that shows every visible column without a horizontal scroll bar.
    int fullWidth() const;
    // The height that shows the header and every row without a vertical scroll bar.
    int fullHeight() const;
    // Back to the first row and column, as a grid shows a new race.
    void scrollToStart();

    // After a handler: cells, size, widths and row heights as the grid has them now.
    void refresh();

    // The grids' font: fixed-pitch, so that the byte-padded fields line up as the system laid them out.
    static QFont gridFont();
    // The owner's widths are pixels of the system's 12-pixel grid font; ours may be larger.
    double widthScale() const { return m_scale; }

Q_SIGNALS:
    void headerClicked(int col);
    // A context menu for the cell, from the mouse or from the keyboard (then for the current cell).
    void contextMenuAt(const QModelIndex& index, const QPoint& globalPos);
    void cellPressed(int row, int col);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyRowHeight();
    void applyWidths();

    const TextGrid& m_grid;
    TextGridModel* m_model;
    GridCellDelegate* m_delegate;
    std::function<bool(int)> m_sortable;
    std::function<int(int)> m_chars;
    std::function<bool(int, int)> m_handAt;
    bool m_cellPresses = false;
    int m_spaceClickCol = -1; // setCellClicks: the column a space key clicks
    double m_scale = 1.0;
    int m_rowLines = 1;
    int m_minimumRowHeight = 0;
};

} // namespace renoka
