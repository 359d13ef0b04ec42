// The "オッズ" page of an eighteen-horse race: every grid whole in its width at 1280x800 and at 1920x1080, side by
// side where the window is wide enough, and another race starts at the top of its lists.
#include "RaceDayViewFixture.h"

#include <QScrollArea>
#include <QScrollBar>

namespace renoka {
namespace {

class OddsPageLayoutTest : public RaceDayViewTest {
protected:
    // Shows the first race of the loaded day with eighteen horses on the odds page.
    void showFullField() {
        int row = -1;
        for (int slot = 0; slot < m_form->store().LoadedRaceCount && row < 0; ++slot)
            if (m_form->store().ra(slot).substr(881, 2) == "18") row = slot;
        ASSERT_GE(row, 0) << "no race of 18 horses";
        m_window->chooseRace(row);
        m_window->pages().setCurrentIndex(3);
        QApplication::processEvents();
    }
    std::vector<GridView*> grids() const {
        std::vector<GridView*> found;
        for (const char* name : {"WinPlace", "Bracket", "Quinella", "OddsList0", "OddsList1", "OddsList2"})
            found.push_back(m_window->oddsPage().findChild<GridView*>(QString::fromLatin1(name)));
        return found;
    }
    QScrollArea& pageScroll() const {
        return *qobject_cast<QScrollArea*>(m_window->oddsPage().parentWidget()->parentWidget());
    }
};

TEST_F(OddsPageLayoutTest, EveryGridIsWholeInItsWidth) {
    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        m_window->resize(size);
        showFullField();
        QApplication::processEvents();
        ASSERT_EQ(m_window->oddsPage().list(0).model()->rowCount(), 18 * 17);
        for (GridView* grid : grids()) {
            ASSERT_NE(grid, nullptr);
            const QString name = grid->objectName();
            EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0) << name.toStdString() << " at " << size.width();
            const int last = grid->model()->columnCount() - 1;
            EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last), grid->viewport()->width())
                << name.toStdString() << " at " << size.width();
        }
        // Nor does the page itself scroll sideways.
        EXPECT_EQ(pageScroll().horizontalScrollBar()->maximum(), 0) << size.width();
    }
    // The wide window has room for all of them side by side.
    EXPECT_TRUE(m_window->oddsPage().oneRow());
}

TEST_F(OddsPageLayoutTest, AnotherRaceStartsAtTheTopOfItsLists) {
    showFullField();
    GridView& exacta = m_window->oddsPage().list(0);
    exacta.verticalScrollBar()->setValue(exacta.verticalScrollBar()->maximum());
    ASSERT_GT(exacta.verticalScrollBar()->value(), 0);
    const int shown = m_form->DatList.itemIndex;
    m_window->chooseRace(shown == 0 ? 1 : 0);
    QApplication::processEvents();
    EXPECT_EQ(exacta.verticalScrollBar()->value(), 0);
    EXPECT_EQ(exacta.horizontalScrollBar()->value(), 0);
}

} // namespace
} // namespace renoka
