// The race-day view over a real program folder: a demo provider written and downloaded once for the suite, then a
// window per test that loads a finished race day. A day and a race chosen from the keyboard are loaded and shown,
// the card in core's colours; a header click sorts the entries table (with the hand over sortable headers only),
// and the odds lists sort by odds from their button.
#include "RaceDayViewFixture.h"
#include "analysis/OddsIntake.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

namespace renoka {
namespace {

TEST_F(RaceDayViewTest, ARaceChosenWithTheKeysShowsItsHeadingAndCardInCoreColours) {
    auto& races = child<QListWidget>("DatList");
    races.setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&races, &down);
    ASSERT_EQ(m_form->DatList.itemIndex, 1);

    const RaceCard& card = m_form->raceCard();
    EXPECT_EQ(toUtf8(card.RaceLabel.text), "2");
    EXPECT_EQ(child<QLabel>("RaceLabel").text(), QStringLiteral("2"));
    EXPECT_EQ(child<QLabel>("Label2").text(), qs(card.Label2.text));

    const GridView& grid = m_window->raceCardPage().grid();
    ASSERT_GT(card.StringGrid6.rowCount(), 2);
    EXPECT_EQ(grid.model()->rowCount(), card.StringGrid6.rowCount() - 1);

    // The bracket cell of a horse in a coloured bracket must be drawn in the colour core chose for it.
    int row = -1;
    for (int r = 1; r < card.StringGrid6.rowCount() && row < 0; ++r)
        if (card.paint(r, 0).background == colors::Red) row = r;
    ASSERT_GT(row, 0) << "no horse in bracket 3";
    const QImage shown = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, 0));
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(shown.pixelColor(cell.topLeft() + QPoint(2, 2)), qcolor(colors::Red));
    // And the number cell next to it in its own colour, not the bracket's.
    const QRect number = grid.visualRect(grid.model()->index(row - 1, 1));
    EXPECT_EQ(shown.pixelColor(number.topLeft() + QPoint(2, 2)), qcolor(card.paint(row, 1).background));
}

TEST_F(RaceDayViewTest, ADayChosenWithTheKeysIsLoadedAndItsResultsStateShown) {
    ASSERT_GE(m_form->DateCombo.items.size(), 3u);
    auto& days = child<QComboBox>("DateCombo");
    days.setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&days, &down);

    EXPECT_EQ(m_form->DateCombo.itemIndex, 2);
    EXPECT_EQ(m_form->store().DayName, m_form->DateCombo.items[2]);
    EXPECT_EQ(m_form->DatList.itemIndex, 0);
    const auto& state = child<QLabel>("SeiRecLabel");
    EXPECT_EQ(state.text(), QStringLiteral("成績記録済"));
    EXPECT_TRUE(state.autoFillBackground());
    EXPECT_EQ(state.palette().color(QPalette::Window), qcolor(m_form->SeiRecLabel.color));
}

TEST_F(RaceDayViewTest, AHeaderClickSortsTheEntriesTableBothWays) {
    m_window->pages().setCurrentIndex(1);
    QApplication::processEvents();
    GridView& table = m_window->entriesPage().table();
    QHeaderView& header = *table.horizontalHeader();
    constexpr int popularity = 10; // 順 of the win odds
    constexpr int name = 2;
    ASSERT_TRUE(EntriesTable::sortableHeader(popularity));
    ASSERT_FALSE(EntriesTable::sortableHeader(name));

    send(*header.viewport(), QEvent::MouseMove, headerCentre(header, popularity));
    EXPECT_EQ(header.viewport()->cursor().shape(), Qt::PointingHandCursor);
    send(*header.viewport(), QEvent::MouseMove, headerCentre(header, name));
    EXPECT_NE(header.viewport()->cursor().shape(), Qt::PointingHandCursor);

    const std::vector<std::string> before = columnShown(table, popularity);
    ASSERT_GT(before.size(), 2u);
    ASSERT_FALSE(std::is_sorted(before.begin(), before.end())) << "horse order already follows popularity";

    clickHeader(header, popularity);
    const std::vector<std::string> ascending = columnShown(table, popularity);
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    EXPECT_EQ(m_form->entries().SortCol, popularity);

    clickHeader(header, popularity);
    const std::vector<std::string> descending = columnShown(table, popularity);
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend()));

    // A click on a header that does not sort changes nothing.
    clickHeader(header, name);
    EXPECT_EQ(columnShown(table, popularity), descending);
}

TEST_F(RaceDayViewTest, TheOddsListSortsByOddsFromItsButton) {
    m_window->pages().setCurrentIndex(3);
    QApplication::processEvents();
    const GridView& exacta = m_window->oddsPage().list(0);
    ASSERT_GT(exacta.model()->rowCount(), 10);
    const auto oddsShown = [&] {
        std::vector<double> odds;
        for (const std::string& text : columnShown(exacta, 1))
            if (!text.empty() && text != sj("－") && text != sj("取消")) odds.push_back(std::stod(text));
        return odds;
    };
    const std::vector<double> byCombination = oddsShown();
    ASSERT_FALSE(std::is_sorted(byCombination.begin(), byCombination.end()));

    child<QPushButton>("OddsSort0").click();
    EXPECT_TRUE(m_form->oddsBoard().sortedByOdds(OddsBoard::List::Exacta));
    const std::vector<double> sorted = oddsShown();
    EXPECT_GT(sorted.size(), 10u);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
}

// An odds fetch by a timer runs unattended, yet the odds page shows the new odds at once: core says what changed.
TEST_F(RaceDayViewTest, OddsReadByAnUnattendedHandlerAreShownOnTheOddsPage) {
    m_window->pages().setCurrentIndex(3);
    QApplication::processEvents();
    RaceDayStore& store = m_form->store();
    const std::string_view ra = store.ra(store.CurrentRace);
    const fs::path o1 = m_form->pathOf(store.dayFile(".jvO1"));
    const std::vector<std::string> original = loadLines(o1);
    std::vector<std::string> lines = original;
    bool changed = false;
    for (std::string& line : lines)
        if (!changed && field(line, 20, 2) == field(ra, 20, 2) && field(line, 26, 2) == field(ra, 26, 2)) {
            line.replace(45, 4, "9876"); // horse 1's win odds, tenths
            changed = true;
        }
    ASSERT_TRUE(changed);
    saveLines(o1, lines);

    const GridView& winPlace = m_window->oddsPage().winPlace();
    EXPECT_NE(fromQs(winPlace.model()->index(0, 2).data().toString()), "987.6");
    m_window->run(
        [&] {
            store.OddsSlot = store.CurrentRace;
            m_form->odds().OzReadBtnClick();
        },
        true);
    EXPECT_EQ(fromQs(winPlace.model()->index(0, 2).data().toString()), "987.6");
    // The suite's other tests share the day.
    saveLines(o1, original);
}

} // namespace
} // namespace renoka
