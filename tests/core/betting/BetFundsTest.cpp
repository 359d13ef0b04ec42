// Fund allocation: both methods to the yen, the labels and their colour, the amounts at the edges, and the
// recompute after a click, a method change or a new amount.
#include "core/betting/BetFixture.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// A 馬連 grid of bets with these odds, as the generation leaves it.
TextGrid quinellaGrid(const std::vector<double>& odds) {
    TextGrid g(14, static_cast<int>(odds.size()) + 1);
    for (size_t i = 0; i < odds.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        g.setCell(1, row, fmt("%3d", row));
        g.setCell(2, row, CombinationKey(1, row + 1));
        g.setCell(3, row, fmt("%7.1f", odds[i]));
    }
    return g;
}

struct EqualCase {
    int64_t amount;
    int bets;
    const char* unit;
    const char* total;
};
class EqualAllocationTest : public testing::TestWithParam<EqualCase> {};

TEST_P(EqualAllocationTest, UnitStakeAndTotal) {
    const EqualCase& c = GetParam();
    BetFixture f;
    TextGrid g = quinellaGrid(std::vector<double>(static_cast<size_t>(c.bets), 10.0));
    f.board.AllocateFunds(BetType::Umaren, 0, c.amount, g, 7, 6, 0, 3, 1);
    for (int r = 1; r <= c.bets; ++r)
        ASSERT_EQ(g.cell(6, r), c.unit) << r;
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), fmt("%3d", c.bets));
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), c.total);
    // Every bet at 10.0 returns ten times its stake: the expected rate is 1000 / n percent.
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::YosoKaishu), fmt("%7.1f", 1000.0 / c.bets));
}

INSTANTIATE_TEST_SUITE_P(Examples, EqualAllocationTest,
                         testing::Values(EqualCase{3000, 7, "   500", "  3500"}, EqualCase{1000, 3, "   400", "  1200"},
                                         EqualCase{1000, 10, "   100", "  1000"},
                                         EqualCase{1000, 20, "   100", "  2000"}, EqualCase{100, 1, "   100", "   100"},
                                         EqualCase{99'999'999, 1, "100000000", "100000000"}));

TEST(BetFundsTest, ProportionalStakesFollowTheInverseOdds) {
    BetFixture f;
    TextGrid g = quinellaGrid({2.0, 8.0});
    f.board.AllocateFunds(BetType::Umaren, 1, 3000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(g.cell(6, 1), "  2400");
    EXPECT_EQ(g.cell(6, 2), "   600");
    EXPECT_EQ(g.cell(7, 1), "   4800");
    EXPECT_EQ(g.cell(7, 2), "   4800");
    EXPECT_EQ(g.cell(8, 1), "  160.0");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  2");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), "  3000");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::YosoKaishu), "  160.0");
    EXPECT_EQ(f.board.label(BetType::Umaren, BetLabel::YosoKaishu).fontColor, colors::Black);
}

TEST(BetFundsTest, AShareBelowOneTicketStakesOneTicketAndCountsInTheTotal) {
    BetFixture f;
    // 1000 yen at odds 1.0 and 240.0: the long shot's share is 1/241 of the amount, 0.04 tickets.
    TextGrid g = quinellaGrid({1.0, 240.0});
    f.board.AllocateFunds(BetType::Umaren, 1, 1000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(g.cell(6, 1), "  1000");
    EXPECT_EQ(g.cell(6, 2), "   100");
    EXPECT_EQ(g.cell(7, 2), "  24000");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), "  1100");
    EXPECT_EQ(g.cell(8, 2), fmt("%7.1f", 24000.0 / 1100 * 100));
}

TEST(BetFundsTest, AnExpectedRateOfExactlyAHundredIsRed) {
    BetFixture f;
    TextGrid g = quinellaGrid({1.0});
    f.board.label(BetType::Umaren, BetLabel::YosoKaishu).fontColor = colors::Black;
    f.board.AllocateFunds(BetType::Umaren, 0, 1000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::YosoKaishu), "  100.0");
    EXPECT_EQ(f.board.label(BetType::Umaren, BetLabel::YosoKaishu).fontColor, colors::Red);
    // Above a hundred it turns black again.
    TextGrid h = quinellaGrid({1.1});
    f.board.AllocateFunds(BetType::Umaren, 0, 1000, h, 7, 6, 0, 3, 1);
    EXPECT_EQ(f.board.label(BetType::Umaren, BetLabel::YosoKaishu).fontColor, colors::Black);
}

TEST(BetFundsTest, AmountsBelowAHundredAndGridsWithoutOddsChangeNothing) {
    BetFixture f;
    for (int64_t amount : {0, 99, -5}) {
        TextGrid g = quinellaGrid({2.0, 3.0});
        g.setCell(6, 1, "keep");
        f.board.label(BetType::Umaren, BetLabel::Toshi).text = "old";
        f.board.AllocateFunds(BetType::Umaren, 0, amount, g, 7, 6, 0, 3, 1);
        EXPECT_EQ(g.cell(6, 1), "keep") << amount;
        EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), "old");
    }
    TextGrid blank = quinellaGrid({2.0});
    blank.setCell(3, 1, "       ");
    blank.setCell(6, 1, "keep");
    f.board.AllocateFunds(BetType::Umaren, 0, 3000, blank, 7, 6, 0, 3, 1);
    EXPECT_EQ(blank.cell(6, 1), "keep");
    TextGrid tooLarge(15, 4899);
    tooLarge.setCell(3, 1, "    2.0");
    tooLarge.setCell(1, 1, "   1");
    f.board.AllocateFunds(BetType::Santan, 0, 3000, tooLarge, 7, 6, 0, 3, 1);
    EXPECT_EQ(tooLarge.cell(6, 1), "");
}

TEST(BetFundsTest, ExcludedBetsLeaveTheCountAndAllExcludedShowsNothingNewOrZero) {
    BetFixture f;
    TextGrid g = quinellaGrid({2.0, 4.0, 8.0});
    g.setCell(0, 2, sj("消"));
    f.board.AllocateFunds(BetType::Umaren, 0, 3000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  2");
    EXPECT_EQ(g.cell(6, 2), "");
    EXPECT_EQ(g.cell(6, 3), "  1500");

    for (int r = 1; r <= 3; ++r)
        g.setCell(0, r, sj("消"));
    f.board.AllocateFunds(BetType::Umaren, 0, 3000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  2");
    EXPECT_EQ(g.cell(6, 3), "");
    f.board.AllocateFunds(BetType::Umaren, 1, 3000, g, 7, 6, 0, 3, 1);
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  0");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), "     0");
}

TEST(BetFundsTest, AClickOnTheExclusionColumnRecomputesAtOnceAndOtherClicksOnlyRecompute) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    f.mark(1, kAxis);
    for (int h : {2, 3, 4})
        f.mark(h, kP1);
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Toshi), "  3000");
    f.board.gridClick(BetType::Umaren, 2, 0);
    EXPECT_EQ(toUtf8(f.cell(BetType::Umaren, 0, 2)), "消");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  2");
    EXPECT_EQ(f.cell(BetType::Umaren, 6, 1), "  1500");
    EXPECT_EQ(f.cell(BetType::Umaren, 6, 2), "");
    f.board.gridClick(BetType::Umaren, 2, 0);
    EXPECT_EQ(f.cell(BetType::Umaren, 0, 2), "");
    EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  3");

    // The header row and cells outside the grid are not bets.
    const std::vector<std::string> header = f.grid(BetType::Umaren).rowTexts(0);
    for (auto [row, col] :
         {std::pair{0, 0}, std::pair{0, 3}, std::pair{4, 0}, std::pair{-1, 0}, std::pair{1, 14}, std::pair{1, -1}}) {
        f.board.gridClick(BetType::Umaren, row, col);
        EXPECT_EQ(f.labelText(BetType::Umaren, BetLabel::Tensu), "  3") << row << "," << col;
    }
    EXPECT_EQ(f.grid(BetType::Umaren).rowTexts(0), header);
    EXPECT_EQ(f.grid(BetType::Umaren).rowCount(), 4);
}

TEST(BetFundsTest, TheMethodAndTheAmountReallocateEveryGrid) {
    BetFixture f;
    f.allOddsRead();
    f.priceEverything();
    f.markAll(4);
    f.board.KaimeMakeBtnClick();
    f.board.RadioGroup1Click(1);
    EXPECT_EQ(f.ini.readInteger("KaimeSet", "HaibunSet", -9), 1);
    // Proportional: the shortest odds get the largest stake.
    for (BetType t : kGeneratedBetTypes) {
        const int stake = betTypeInfo(t).stakeCol;
        const int last = f.grid(t).rowCount() - 1;
        EXPECT_GT(toInt(f.cell(t, stake, 1)), toInt(f.cell(t, stake, last))) << betTypeInfo(t).gridName;
    }
    f.board.RadioGroup1Click(0);
    f.store.CurrentRace = 5;
    f.board.setStakeAmount(10000);
    EXPECT_EQ(f.amounts[5], "10000");
    EXPECT_EQ(f.labelText(BetType::Tan, BetLabel::Toshi), " 10000");
    f.board.setStakeAmount(123'456'789);
    EXPECT_EQ(f.board.SaNumEditExC1, 99'999'999);
    EXPECT_EQ(f.amounts[5], "99999999");
}

TEST(BetFundsTest, TheEditorsOfARaceComeFromItsAmountTheSettingsAndTheLossRegister) {
    BetFixture f;
    f.amounts[0] = "4500";
    f.board.setStakeEditors();
    EXPECT_EQ(f.board.SaNumEditExC1, 4500);
    EXPECT_EQ(f.board.SaNumEditExC2, 10000);
    EXPECT_EQ(f.board.SaNumEditExC3, 0);
    f.ini.writeInteger("KaimeSet", "DefaultTarProfit", 20000);
    f.board.lossTotal = [] { return int64_t{12345}; };
    f.amounts[0] = "abc";
    f.board.setStakeEditors();
    EXPECT_EQ(f.board.SaNumEditExC1, 0);
    EXPECT_EQ(f.board.SaNumEditExC2, 20000);
    EXPECT_EQ(f.board.SaNumEditExC3, 12345);
    // Before any day load there are no amounts to keep.
    f.amounts.clear();
    f.board.setStakeEditors();
    f.board.setStakeAmount(3000);
    EXPECT_TRUE(f.amounts.empty());
}

} // namespace
