#pragma once
// A table model over one of core's string grids. Row 0 of the grid is its header row and shows as the view's
// header; a grid with a fixed first column (the odds matrices) shows that column as the row header too. The
// model only reads the grid, and a handler that changed it asks for refresh() afterwards.
#include "text/CellPaint.h"
#include "text/TextGrid.h"

#include <QAbstractTableModel>

#include <functional>

class QTableView;

namespace renoka {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TextGridModel(const TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const TextGrid& grid() const { return m_grid; }
    // How the owner paints its header row (grid row 0): the header shows its background and text colours.
    void setHeaderPaint(std::function<CellPaint(int row, int col)> paint) { m_headerPaint = std::move(paint); }
    // The grid row behind a model row (the header row is not a model row).
    static int gridRow(int modelRow) { return modelRow + 1; }

    // After a handler changed cells, sizes or widths: the view reads everything again. A grid of the same size
    // keeps the view's current cell, selection and scroll position, which the clock's refresh every second
    // would otherwise take from the user.
    void refresh();

private:
    const TextGrid& m_grid;
    std::function<CellPaint(int row, int col)> m_headerPaint;
    // The size the views were last told of; the grid may already have another one until refresh().
    int m_rows = 0;
    int m_cols = 0;
};

// Column widths of the grid on the view, multiplied by `scale`; a width of -1 hides the column.
void applyColumnWidths(QTableView& view, const TextGrid& grid, double scale = 1.0);

} // namespace renoka
