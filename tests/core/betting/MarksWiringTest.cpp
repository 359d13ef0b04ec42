#include "analysis/EntriesTable.h"
#include "analysis/MiningIntake.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/UserKaimeForm.h"
#include "core/raceday/RaceCardFixture.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

TEST(MarksWiringTest, AShownRaceGetsTheMarksOfTheDialogsChoices) {
    RaceDayFixture f;
    f.addRace(0, "11", 9);
    RaceWork& w = f.store().work(0);
    for (int h = 0; h < 9; ++h)
        w.TimeMiningRank[static_cast<size_t>(h)] = 9 - h;
    f.form.userKaime().Controls.partner1Count = 2;
    f.form.userKaime().Controls.partner2Count = 3;
    int bets = 0;
    f.form.raceSelection().KaimeMakeBtnClick = [&bets] { ++bets; };
    f.show(0);
    const EntriesTable& t = f.form.entries();
    EXPECT_EQ(toUtf8(t.StringGrid8.cell(9, 9)), "ν");
    EXPECT_EQ(toUtf8(t.StringGrid8.cell(9, 8)), "ν");
    EXPECT_EQ(toUtf8(t.StringGrid8.cell(9, 7)), "");
    EXPECT_EQ(toUtf8(t.StringGrid8.cell(10, 7)), "ν");
    EXPECT_EQ(toUtf8(t.StringGrid26.cell(28, 9)), "ν");
    EXPECT_EQ(toUtf8(t.StringGrid26.cell(25, 1)), "○");
    EXPECT_EQ(bets, 1);
    // A click on a mark builds the bets again through the same hook.
    f.form.marks().StringGrid8MouseDown(1, 8);
    EXPECT_EQ(bets, 2);
    EXPECT_EQ(toUtf8(t.StringGrid8.cell(8, 1)), "ν");
}

TEST(MarksWiringTest, NewForecastsGiveEveryRaceItsLetterAndPatternAxis) {
    RaceDayFixture f;
    f.addRace(0, "11", 9);
    RaceWork& w = f.store().work(0);
    for (int h = 0; h < 9; ++h) {
        const size_t i = static_cast<size_t>(h);
        w.TanNinki[i] = h + 1;
        w.TanOz[i] = 3.5 + 10.0 * h;
    }
    w.AxisMark[3] = 1;
    w.PatternLetter.assign("A");
    // The mining intake rereads the day's forecasts (none on disk here) and then runs the pattern axis.
    f.form.mining().DMReadBtnClick();
    EXPECT_EQ(w.PatternLetter.view(), "G"); // no forecast
    EXPECT_EQ(w.AxisMark[3], 0) << "the pattern axis ran over the new letter";
}

// The horses of the win bets as the bet board built them from the entries-check grid.
std::vector<int> winHorses(TMainForm& form) {
    const TextGrid& grid = form.bets().grid(BetType::Tan);
    std::vector<int> horses;
    for (int r = 1; r < grid.rowCount(); ++r)
        if (const int h = toInt(grid.cell(2, r)); h > 0) horses.push_back(h); // the key column
    return horses;
}

TEST(MarksWiringTest, AClickedAxisMarkIsBetOnAtOnce) {
    RaceDayFixture f;
    f.addRace(0, "11", 9);
    RaceWork& w = f.store().work(0);
    for (int h = 0; h < 9; ++h) {
        const size_t i = static_cast<size_t>(h);
        w.TanNinki[i] = h + 1;
        w.TanOz[i] = 3.5 + 10.0 * h;
    }
    f.show(0);
    // The fixture's horses are no axis candidates: no axis, no win bet.
    EXPECT_TRUE(winHorses(f.form).empty());
    f.form.marks().StringGrid8MouseDown(4, AxisPartnerMarks::kAxisCol);
    f.form.marks().StringGrid8MouseDown(7, AxisPartnerMarks::kAxisCol);
    EXPECT_EQ(winHorses(f.form), (std::vector<int>{4, 7}));
    f.form.marks().StringGrid8MouseDown(4, AxisPartnerMarks::kAxisCol);
    EXPECT_EQ(winHorses(f.form), (std::vector<int>{7}));
    // A press on the header changes no mark and builds the same bets.
    f.form.marks().StringGrid8MouseDown(0, AxisPartnerMarks::kAxisCol);
    EXPECT_EQ(winHorses(f.form), (std::vector<int>{7}));
}

TEST(MarksWiringTest, StartUpAppliesTheChosenSet) {
    RaceDayFixture f;
    f.form.ini().writeInteger("Kaime", "KSetIndex", 2);
    f.form.FormCreate();
    EXPECT_EQ(toUtf8(f.form.SetNameLabel.text), "２頭軸設定");
    EXPECT_EQ(f.form.userKaime().Controls.axisCount, 2);
}

} // namespace
