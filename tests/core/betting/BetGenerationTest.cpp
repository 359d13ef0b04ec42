// Bet generation from the marks: which combinations, in which order, with which odds, and how the lines are cut
// into the cells.
#include "core/betting/BetFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace renoka;
using namespace renoka::test;

namespace {

TEST(BetGenerationTest, TwoAxesThatAreBothFirstPartnersGiveOneQuinellaAndBothExactas) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    for (int h : {1, 2}) {
        f.mark(h, kAxis);
        f.mark(h, kP1);
    }
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Umaren), std::vector<std::string>{" 1- 2"});
    EXPECT_EQ(f.keys(BetType::Wide), std::vector<std::string>{" 1- 2"});
    EXPECT_EQ(f.keys(BetType::Umatan), (std::vector<std::string>{" 1- 2", " 2- 1"}));
    EXPECT_TRUE(f.changes.has(View::Bets));
}

TEST(BetGenerationTest, OneAxisOnePartnerOneSecondPartnerGiveOneTrioAndSixTrifectas) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    f.mark(5, kAxis);
    f.mark(2, kP1);
    f.mark(9, kP2);
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Sanpuku), std::vector<std::string>{" 2- 5- 9"});
    EXPECT_EQ(f.keys(BetType::Santan),
              (std::vector<std::string>{" 2- 5- 9", " 2- 9- 5", " 5- 2- 9", " 5- 9- 2", " 9- 2- 5", " 9- 5- 2"}));
}

TEST(BetGenerationTest, AHorseIsNeverPairedWithItselfAndAnExcludedHorseAppearsNowhere) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    f.mark(3, kAxis);
    f.mark(3, kP1);
    f.mark(3, kP2);
    f.board.KaimeMakeBtnClick();
    for (BetType t : {BetType::Umaren, BetType::Wide, BetType::Umatan, BetType::Sanpuku, BetType::Santan}) {
        EXPECT_EQ(f.grid(t).rowCount(), 2) << betTypeInfo(t).gridName;
        EXPECT_EQ(f.cell(t, 2, 1), "");
    }
    EXPECT_EQ(f.keys(BetType::Tan), std::vector<std::string>{" 3"});

    // Marks on an excluded horse count for nothing.
    f.markAll(6);
    f.mark(4, kExcl, "消");
    f.board.KaimeMakeBtnClick();
    for (BetType t : kGeneratedBetTypes)
        for (const std::string& key : f.keys(t))
            for (int n = 0; n < betTypeInfo(t).horses; ++n)
                EXPECT_NE(toInt(key.substr(static_cast<size_t>(3 * n), 2)), 4) << key;
    // Only the exact text "消" excludes.
    f.mark(4, kExcl, "x");
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Tan).size(), 6u);
}

TEST(BetGenerationTest, WithoutAnAxisEveryGridHasOneEmptyRowAndEmptyLabels) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    f.markAll(5);
    f.board.KaimeMakeBtnClick();
    for (int h = 1; h <= 5; ++h)
        f.check.setCell(kAxis, h, "");
    f.board.KaimeMakeBtnClick();
    for (BetType t : kGeneratedBetTypes) {
        const TextGrid& g = f.grid(t);
        EXPECT_EQ(g.rowCount(), 2);
        for (int c = 0; c < g.colCount(); ++c)
            EXPECT_EQ(g.cell(c, 1), "") << betTypeInfo(t).gridName << " col " << c;
        for (int l = 0; l < kBetLabelCount; ++l)
            EXPECT_EQ(f.labelText(t, static_cast<BetLabel>(l)), "");
    }
}

TEST(BetGenerationTest, KeysComeInNumericOrder) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    for (int h : {2, 9, 10})
        f.mark(h, kAxis);
    for (int h : {9, 10, 11, 18})
        f.mark(h, kP1);
    f.board.KaimeMakeBtnClick();
    const std::vector<std::string> keys = f.keys(BetType::Umaren);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    const auto at = [&](const char* key) { return std::find(keys.begin(), keys.end(), key) - keys.begin(); };
    EXPECT_LT(at(" 2- 9"), at(" 2-10"));
    EXPECT_LT(at(" 9-18"), at("10-11"));
    EXPECT_EQ(keys.size(), std::set<std::string>(keys.begin(), keys.end()).size());
}

TEST(BetGenerationTest, LinesAreCutIntoTheCellsAtTheFieldWidths) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    RaceWork& w = f.work();
    w.TanNinki[2] = 3;
    w.TanNinki[0] = 1;
    w.TanNinki[6] = 7;
    f.mark(3, kAxis);
    f.mark(1, kP1);
    f.mark(7, kP2);
    w.TanOz[2] = 12.3;
    w.FukuOzMin[2] = 2.4;
    w.FukuMinNinki[2] = 5;
    const int umaren = UmarenIndex(" 1- 3");
    w.UmarenOz[static_cast<size_t>(umaren)] = 8.75;
    w.UmarenNinki[static_cast<size_t>(umaren)] = 12;
    const int santan = SanrentanIndex(" 3- 1- 7");
    w.SantanOz[static_cast<size_t>(santan)] = 1234.5;
    w.SantanNinki[static_cast<size_t>(santan)] = 876;
    f.board.KaimeMakeBtnClick();

    EXPECT_EQ(f.grid(BetType::Tan).rowTexts(1), (std::vector<std::string>{"", " 1", " 3", "  12.3", " 3", "  3000",
                                                                          "  36900", " 1230.0", "  0.0", "", "", ""}));
    EXPECT_EQ(f.cell(BetType::Fuku, 3, 1), "   2.4");
    EXPECT_EQ(f.cell(BetType::Fuku, 4, 1), " 5");
    // "%7.1f" rounds as printf does; the popularity ranks of the horses stand in key order.
    EXPECT_EQ(f.cell(BetType::Umaren, 1, 1), "  1");
    EXPECT_EQ(f.cell(BetType::Umaren, 3, 1), "    8.8");
    EXPECT_EQ(f.cell(BetType::Umaren, 4, 1), " 12");
    EXPECT_EQ(f.cell(BetType::Umaren, 5, 1), " 1- 3");
    const std::vector<std::string> keys = f.keys(BetType::Santan);
    const int row = static_cast<int>(std::find(keys.begin(), keys.end(), " 3- 1- 7") - keys.begin()) + 1;
    EXPECT_EQ(f.cell(BetType::Santan, 1, row), fmt("%4d", row));
    EXPECT_EQ(f.cell(BetType::Santan, 3, row), "  1234.5");
    EXPECT_EQ(f.cell(BetType::Santan, 4, row), " 876");
    EXPECT_EQ(f.cell(BetType::Santan, 5, row), " 3- 1- 7");
    EXPECT_EQ(f.cell(BetType::Sanpuku, 5, 1), " 1- 3- 7");
}

TEST(BetGenerationTest, OddsThatAreNotReadLeaveBlankOddsAndOddsOfZeroDropTheCombination) {
    BetFixture f;
    f.oddsRead({1, 2, 4});
    f.priceEverything();
    RaceWork& w = f.work();
    w.UmarenOz[static_cast<size_t>(UmarenIndex(" 1- 3"))] = 0;
    w.UmatanOz[static_cast<size_t>(UmatanIndex(" 2- 3"))] = -1;
    w.TanNinki[1] = 0; // scratched
    f.mark(1, kAxis);
    f.mark(2, kAxis);
    for (int h : {2, 3, 4})
        f.mark(h, kP1);
    f.mark(5, kP2);
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Tan), std::vector<std::string>{" 1"});
    EXPECT_EQ(f.keys(BetType::Fuku), std::vector<std::string>{" 1"});
    EXPECT_EQ(f.keys(BetType::Umaren), (std::vector<std::string>{" 1- 2", " 1- 4", " 2- 3", " 2- 4"}));
    // Not read: every combination stays, without odds, popularity or stake.
    EXPECT_EQ(f.keys(BetType::Wide), (std::vector<std::string>{" 1- 2", " 1- 3", " 1- 4", " 2- 3", " 2- 4"}));
    EXPECT_EQ(f.cell(BetType::Wide, 3, 2), "       ");
    EXPECT_EQ(f.cell(BetType::Wide, 4, 2), "   ");
    EXPECT_EQ(f.cell(BetType::Wide, 6, 2), "");
    EXPECT_EQ(f.labelText(BetType::Wide, BetLabel::Tensu), "");
    EXPECT_EQ(f.cell(BetType::Santan, 3, 1), "        ");
    EXPECT_EQ(f.cell(BetType::Santan, 4, 1), "  ");
    const std::vector<std::string> exactas = f.keys(BetType::Umatan);
    EXPECT_EQ(std::count(exactas.begin(), exactas.end(), " 2- 3"), 0);
    EXPECT_EQ(std::count(exactas.begin(), exactas.end(), " 1- 3"), 1);
    // A horse without popularity leaves the rank column empty.
    EXPECT_EQ(f.cell(BetType::Umaren, 5, 1), "");
    EXPECT_EQ(f.cell(BetType::Umaren, 5, 2), " 1- 4");
}

struct WorstCase {
    BetType type;
    int rows;
    const char* first;
    const char* last;
};
class BetGenerationWorstCaseTest : public testing::TestWithParam<WorstCase> {
protected:
    static void SetUpTestSuite() {
        s_f = new BetFixture;
        s_f->allOddsRead();
        s_f->priceEverything();
        s_f->markAll();
        s_f->board.KaimeMakeBtnClick();
    }
    static void TearDownTestSuite() { delete s_f; }
    static BetFixture* s_f;
};
BetFixture* BetGenerationWorstCaseTest::s_f = nullptr;

TEST_P(BetGenerationWorstCaseTest, EveryCombinationOnceInKeyOrder) {
    const WorstCase& c = GetParam();
    const std::vector<std::string> keys = s_f->keys(c.type);
    ASSERT_EQ(static_cast<int>(keys.size()), c.rows);
    EXPECT_EQ(keys.front(), c.first);
    EXPECT_EQ(keys.back(), c.last);
    EXPECT_TRUE(std::adjacent_find(keys.begin(), keys.end(), std::greater_equal<>()) == keys.end());
    EXPECT_EQ(s_f->cell(c.type, 1, c.rows), fmt("%*d", betTypeInfo(c.type).rowNumberWidth, c.rows));
    EXPECT_EQ(toInt(s_f->labelText(c.type, BetLabel::Tensu)), c.rows);
}

INSTANTIATE_TEST_SUITE_P(AllMarked, BetGenerationWorstCaseTest,
                         testing::Values(WorstCase{BetType::Tan, 18, " 1", "18"},
                                         WorstCase{BetType::Fuku, 18, " 1", "18"},
                                         WorstCase{BetType::Umaren, 153, " 1- 2", "17-18"},
                                         WorstCase{BetType::Wide, 153, " 1- 2", "17-18"},
                                         WorstCase{BetType::Umatan, 306, " 1- 2", "18-17"},
                                         WorstCase{BetType::Sanpuku, 816, " 1- 2- 3", "16-17-18"},
                                         WorstCase{BetType::Santan, 4896, " 1- 2- 3", "18-17-16"}));

TEST(BetGenerationTest, TheFieldSizeBoundsTheHorsesExaminedAndFewerThanThreeGiveNoTriples) {
    BetFixture f(2);
    f.allOddsRead();
    f.priceEverything();
    f.markAll();
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Tan), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_EQ(f.keys(BetType::Umatan), (std::vector<std::string>{" 1- 2", " 2- 1"}));
    EXPECT_EQ(f.keys(BetType::Sanpuku), std::vector<std::string>{""});
    EXPECT_EQ(f.keys(BetType::Santan), std::vector<std::string>{""});
    // A damaged field size reads no more than 18 horses.
    f.setHorses(99);
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.keys(BetType::Tan).size(), 18u);
}

TEST(BetGenerationTest, RateColumnsShowTheTableInPercentAndNothingOutsideIt) {
    BetFixture f(10);
    f.allOddsRead();
    f.priceEverything();
    f.rates.set(RatePart::First, 10, 1, 0.321);
    f.rates.set(RatePart::FirstTwo, 10, 2, 0.5);
    f.rates.set(RatePart::FirstThree, 10, 3, 0.25);
    f.mark(1, kAxis);
    f.mark(2, kP1);
    f.mark(3, kP2);
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.cell(BetType::Tan, 8, 1), " 32.1");
    EXPECT_EQ(f.cell(BetType::Santan, 9, 1), " 32.1");
    EXPECT_EQ(f.cell(BetType::Santan, 10, 1), " 50.0");
    EXPECT_EQ(f.cell(BetType::Santan, 11, 1), " 25.0");
    EXPECT_EQ(f.cell(BetType::Sanpuku, 9, 1), "  0.0");
    EXPECT_EQ(f.cell(BetType::Umaren, 10, 1), " 50.0");

    f.setHorses(3); // outside the statistics
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.cell(BetType::Tan, 8, 1), "");
    EXPECT_EQ(f.cell(BetType::Santan, 9, 1), "");
}

TEST(BetGenerationTest, HeadersAndHiddenColumns) {
    BetFixture f;
    const TextGrid& tan = f.grid(BetType::Tan);
    EXPECT_EQ(toUtf8(tan.cell(1, 0)), "No.");
    EXPECT_EQ(toUtf8(tan.cell(8, 0)), "出現率");
    EXPECT_EQ(toUtf8(f.grid(BetType::Waku).cell(1, 0)), "No");
    EXPECT_EQ(toUtf8(f.grid(BetType::Santan).cell(11, 0)), "出現率3");
    EXPECT_EQ(toUtf8(f.grid(BetType::Santan).cell(14, 0)), "結果人気");
    for (BetType t : kBetTypes) {
        const BetTypeInfo& info = betTypeInfo(t);
        const TextGrid& g = f.grid(t);
        ASSERT_EQ(g.colCount(), info.colCount);
        EXPECT_TRUE(g.colHidden(4));
        for (int n = 0; n < info.rateCols; ++n)
            EXPECT_TRUE(g.colHidden(info.firstRateCol + n));
        if (info.ranksCol > 0) {
            EXPECT_TRUE(g.colHidden(info.ranksCol));
        }
        EXPECT_FALSE(g.colHidden(info.stakeCol));
        EXPECT_EQ(toUtf8(g.cell(info.stakeCol, 0)), "購入額");
        EXPECT_EQ(toUtf8(g.cell(info.resultPayout, 0)), "結果配当");
    }
    EXPECT_EQ(tan.colWidth(5), 60);
    EXPECT_EQ(tan.colWidth(0), 20);
}

TEST(BetTypesTest, IdentifiersCaptionsAndCodesFindTheirType) {
    for (BetType t : kBetTypes) {
        const BetTypeInfo& info = betTypeInfo(t);
        EXPECT_EQ(betTypeOf(sj(info.id)), t);
        EXPECT_EQ(betTypeOf(sj(info.caption)), t);
        EXPECT_EQ(betTypeOf(info.voteCode), t);
    }
    EXPECT_EQ(betTypeOf(sj("３連単")), BetType::Santan);
    EXPECT_EQ(betTypeOf(sj("三連複")), BetType::Sanpuku);
    EXPECT_FALSE(betTypeOf(sj("3連単")).has_value());
    EXPECT_EQ(betLabelName(BetType::Santan, BetLabel::YosoKaishu), "SRTYosoKaishuLabel");
    EXPECT_EQ(betLabelName(BetType::Fuku, BetLabel::Tensu), "FukTensuLabel");
}

} // namespace
