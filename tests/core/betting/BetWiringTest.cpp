// The bets as the main form runs them: built at every race selection after the stake editors and the marks,
// again after a mark click and after new odds of the race on screen, and gone when a day load begins.
#include "analysis/EntriesTable.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "core/raceday/RaceCardFixture.h"
#include "jv/realtime/RealtimeFetches.h"
#include "raceday/DayLoader.h"
#include "results/LossRegForm.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

struct BetWiringFixture : RaceDayFixture {
    BetWiringFixture() {
        for (int slot : {0, 1}) {
            addRace(slot, slot == 0 ? "11" : "12", 9);
            RaceWork& w = store().work(slot);
            for (int h = 0; h < 9; ++h) {
                const auto i = static_cast<size_t>(h);
                w.TanOz[i] = 2.5 + h;
                w.TanNinki[i] = h + 1;
                w.FukuOzMin[i] = 1.2 + h * 0.1;
                w.FukuMinNinki[i] = h + 1;
            }
        }
        form.RaceAmounts.assign(36, "3000");
    }
    BetBoard& bets() { return form.bets(); }
    const TextGrid& check() { return form.entries().StringGrid8; }
    // The win bets of the race on screen, as keys.
    std::vector<std::string> winKeys() {
        std::vector<std::string> keys;
        const TextGrid& g = bets().grid(BetType::Tan);
        for (int r = 1; r < g.rowCount(); ++r)
            if (!g.cell(2, r).empty()) keys.push_back(g.cell(2, r));
        return keys;
    }
    // The win bets the entries-check grid's marks call for: axes that are not excluded.
    std::vector<std::string> markedAxes() {
        std::vector<std::string> keys;
        for (int h = 1; h <= 9; ++h)
            if (!check().cell(8, h).empty() && check().cell(11, h) != sj("消")) keys.push_back(fmt("%2d", h));
        return keys;
    }
};

TEST(BetWiringTest, EachRaceShowsItsOwnStakeAndTheChaseEditorsComeFromTheSettingsAndTheRegister) {
    BetWiringFixture f;
    f.form.RaceAmounts[0] = "1000";
    f.form.RaceAmounts[1] = "5000";
    f.form.ini().writeInteger("KaimeSet", "DefaultTarProfit", 20000);
    f.form.lossReg().RuisonLabel.text = "  12345";
    f.show(0);
    EXPECT_EQ(f.bets().SaNumEditExC1, 1000);
    EXPECT_EQ(f.bets().SaNumEditExC2, 20000);
    EXPECT_EQ(f.bets().SaNumEditExC3, 12345);
    f.show(1);
    EXPECT_EQ(f.bets().SaNumEditExC1, 5000);
    // A changed amount stays with its race.
    f.bets().setStakeAmount(2000);
    EXPECT_EQ(f.form.RaceAmounts[1], "2000");
    f.show(0);
    EXPECT_EQ(f.bets().SaNumEditExC1, 1000);
    f.show(1);
    EXPECT_EQ(f.bets().SaNumEditExC1, 2000);
    // A register total that is not a number reads 0.
    f.form.lossReg().RuisonLabel.text = "---";
    f.show(1);
    EXPECT_EQ(f.bets().SaNumEditExC3, 0);
}

TEST(BetWiringTest, TheBetsFollowTheMarksOfTheSelectionAndOfEveryMarkClick) {
    BetWiringFixture f;
    f.show(0);
    EXPECT_EQ(f.winKeys(), f.markedAxes());
    // Every horse's axis mark toggled in turn: the bets follow each click at once.
    for (int h = 1; h <= 9; ++h) {
        f.form.marks().StringGrid8MouseDown(h, AxisPartnerMarks::kAxisCol);
        EXPECT_EQ(f.winKeys(), f.markedAxes()) << "after the click on horse " << h;
    }
    ASSERT_FALSE(f.markedAxes().empty());
    // The stakes were allocated from the race's amount.
    EXPECT_FALSE(trimView(f.bets().label(BetType::Tan, BetLabel::Toshi).text).empty());
}

TEST(BetWiringTest, NewOddsOfTheShownRaceRebuildItsBetsAndOtherRacesLeaveThemAlone) {
    BetWiringFixture f;
    f.show(0);
    for (int h = 1; h <= 9; ++h)
        if (f.check().cell(8, h).empty()) f.form.marks().StringGrid8MouseDown(h, AxisPartnerMarks::kAxisCol);
    ASSERT_EQ(toUtf8(f.bets().grid(BetType::Tan).cell(3, 1)), "   2.5");
    f.store().work(0).TanOz[0] = 7.7;
    f.store().work(1).TanOz[0] = 9.9;
    f.form.fetches().oddsRead(1);
    EXPECT_EQ(toUtf8(f.bets().grid(BetType::Tan).cell(3, 1)), "   2.5");
    f.form.fetches().oddsRead(0);
    EXPECT_EQ(toUtf8(f.bets().grid(BetType::Tan).cell(3, 1)), "   7.7");
}

TEST(BetWiringTest, ADayLoadTakesTheBetsOfTheShownRaceAway) {
    BetWiringFixture f;
    f.show(0);
    for (int h = 1; h <= 9; ++h)
        if (f.check().cell(8, h).empty()) f.form.marks().StringGrid8MouseDown(h, AxisPartnerMarks::kAxisCol);
    ASSERT_EQ(f.winKeys().size(), 9u);
    f.form.DateCombo.items = {sj("2026年12月06日")};
    f.form.DateCombo.itemIndex = 0;
    f.form.runHandler([&] { f.form.dayLoader().DateComboChange(); });
    // No files of that day: the load stops with an empty race list, and no bet of the old day is left.
    EXPECT_TRUE(f.form.DatList.items.empty());
    EXPECT_TRUE(f.winKeys().empty());
    EXPECT_TRUE(f.bets().label(BetType::Tan, BetLabel::Toshi).text.empty());
}

} // namespace
