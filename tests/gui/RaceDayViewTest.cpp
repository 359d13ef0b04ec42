// The race-day view over a real program folder: a demo provider written and downloaded once for the suite, then a
// window per test that loads a finished race day. A day and a race chosen from the keyboard are loaded and shown,
// the card in core's colours; a header click sorts the entries table (with the hand over sortable headers only),
// and the odds lists sort by odds from their button.
#include "QtText.h"
#include "analysis/EntriesTable.h"
#include "analysis/OddsBoard.h"
#include "analysis/OddsIntake.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "frame/Registry.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "jv/demo/DemoProvider.h"
#include "jv/download/GetDataForm.h"
#include "jv/sim/SimJvLink.h"
#include "main/EntriesPage.h"
#include "main/MainWindow.h"
#include "main/OddsPage.h"
#include "main/RaceCardPage.h"
#include "platform/FileIo.h"
#include "platform/UiThread.h"
#include "raceday/RaceCard.h"
#include "support/ScriptedPorts.h"
#include "text/Fields.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace renoka {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNow = "2026-12-05 09:00:00";

class RaceDayViewTest : public ::testing::Test {
protected:
    // The demo's race day is the clock's today; the days before it are finished days with results and payouts.
    static void SetUpTestSuite() {
        s_home = new QTemporaryDir;
        ASSERT_TRUE(s_home->isValid());
        const fs::path home(s_home->path().toStdU16String());
        demo::DemoOptions options;
        options.out = home / "provider";
        options.start = demo::DemoDate{2026, 12, 5};
        options.days = 1;
        demo::makeDemoProvider(options);

        test::ScriptedDesktop desktop;
        test::FakeClock clock(kNow);
        test::FakeSoundPlayer sound;
        NoRegistry registry;
        PostedTasks uiThread;
        SimJvLink sim(home / "provider", clock);
        sim.setFilesPerSecond(0);
        TMainForm form(home, {desktop, clock, sound, sim, registry, uiThread});
        form.FormCreate();
        form.FormShow();
        const auto downloadOwned = form.createGetDataForm();
        TGetDataForm& download = *downloadOwned;
        download.FormCreate();
        download.rbtSetup = true;
        download.rbtNormal = false;
        download.CheckBox2 = true;
        download.ButtonStartClick();
        while (download.TimerJVStatus.enabled)
            download.TimerJVStatusTimer();
        download.FormCloseQuery();
        ASSERT_EQ(toUtf8(download.ProgressLabel.text), "データ作成が完了しました。");
    }
    static void TearDownTestSuite() {
        delete s_home;
        s_home = nullptr;
    }

    void SetUp() override {
        const fs::path home(s_home->path().toStdU16String());
        m_sim = std::make_unique<SimJvLink>(home / "provider", clock);
        m_form = std::make_unique<TMainForm>(home, MainFormPorts{desktop, clock, sound, *m_sim, registry, uiThread});
        m_form->FormCreate();
        m_window = std::make_unique<MainWindow>(*m_form);
        m_window->resize(1280, 800);
        m_window->show();
        QApplication::processEvents();
        // The newest day is the race day ahead; the one after it in the list is finished.
        ASSERT_GE(m_form->DateCombo.items.size(), 2u);
        m_window->chooseDay(1);
        ASSERT_FALSE(m_form->DatList.items.empty());
        QApplication::processEvents();
    }
    void TearDown() override { EXPECT_TRUE(desktop.scriptUsedUp()); }

    template <typename T> T& child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    // The texts a grid view shows in a column, top to bottom, back in CP932.
    static std::vector<std::string> columnShown(const GridView& view, int col) {
        std::vector<std::string> texts;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            texts.push_back(fromQs(view.model()->index(row, col).data().toString()));
        return texts;
    }

    static void send(QWidget& target, QEvent::Type type, const QPoint& at) {
        QMouseEvent event(type, at, target.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    static QPoint headerCentre(const QHeaderView& header, int col) {
        return {header.sectionViewportPosition(col) + header.sectionSize(col) / 2, header.height() / 2};
    }

    static void clickHeader(QHeaderView& header, int col) {
        send(*header.viewport(), QEvent::MouseButtonPress, headerCentre(header, col));
        send(*header.viewport(), QEvent::MouseButtonRelease, headerCentre(header, col));
    }

    test::ScriptedDesktop desktop;
    test::FakeClock clock{kNow};
    test::FakeSoundPlayer sound;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<SimJvLink> m_sim;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<MainWindow> m_window;

private:
    static QTemporaryDir* s_home;
};

QTemporaryDir* RaceDayViewTest::s_home = nullptr;

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
