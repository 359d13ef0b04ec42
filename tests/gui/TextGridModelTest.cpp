// The grid model: the header row is the view's header, not a data row; hidden columns stay hidden; a refresh
// after a handler changed the grid shows the new rows, and keeps the current cell when only texts changed.
#include "grid/TextGridModel.h"
#include "base/Cp932.h"

#include <QTableView>

#include <gtest/gtest.h>

namespace renoka {
namespace {

TEST(TextGridModelTest, HeaderRowIsTheHeaderAndCellsAreCp932) {
    TextGrid grid(3, 3);
    grid.setCell(0, 0, sj("馬番"));
    grid.setCell(1, 0, sj("馬名"));
    grid.setCell(0, 1, " 1");
    grid.setCell(1, 1, sj("ｱｵﾉｷｾｷ"));
    grid.setCell(1, 2, sj("サクラ"));
    TextGridModel model(grid);

    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("馬名"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("ｱｵﾉｷｾｷ"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("サクラ"));
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
}

TEST(TextGridModelTest, WidthsHideColumnsAndRefreshFollowsTheGrid) {
    TextGrid grid(3, 2);
    grid.setColWidth(0, 40);
    grid.setColWidth(1, -1);
    TextGridModel model(grid);
    QTableView view;
    view.setModel(&model);
    applyColumnWidths(view, grid);

    EXPECT_EQ(view.columnWidth(0), 40);
    EXPECT_TRUE(view.isColumnHidden(1));
    EXPECT_FALSE(view.isColumnHidden(2));

    grid.setRowCount(5);
    grid.setCell(2, 4, "x");
    model.refresh();
    EXPECT_EQ(view.model()->rowCount(), 4);
    EXPECT_EQ(view.model()->index(3, 2).data().toString(), QStringLiteral("x"));
}

// The clock shows the form every second: a refresh that changed only texts must leave the user's place alone.
TEST(TextGridModelTest, RefreshOfTheSameSizeKeepsTheCurrentCell) {
    TextGrid grid(3, 6);
    TextGridModel model(grid);
    QTableView view;
    view.setModel(&model);
    view.setCurrentIndex(model.index(3, 2));

    grid.setCell(2, 4, "new");
    model.refresh();
    EXPECT_EQ(view.currentIndex(), model.index(3, 2));
    EXPECT_EQ(model.index(3, 2).data().toString(), QStringLiteral("new"));

    // A grid of another size is a new race: the place goes, the rows follow.
    grid.setRowCount(3);
    model.refresh();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_FALSE(view.currentIndex().isValid());
}

} // namespace
} // namespace renoka
