// Hit marking against the payout table, the return label, the cell colours, the header sort and the label
// highlight of the shown page.
#include "core/betting/BetFixture.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

void setHorsePayout(RaceWork::HorsePayout& e, int horse, int payout, int ninki) {
    e.horse = horse;
    e.payout = payout;
    e.ninki = ninki;
}
void setComboPayout(RaceWork::ComboPayout& e, const char* key, int payout, int ninki) {
    e.setKey(key);
    e.payout = payout;
    e.ninki = ninki;
}

struct HitFixture : BetFixture {
    HitFixture() {
        allOddsRead();
        priceEverything();
        markAll(5);
    }
    int rowOf(BetType type, const char* key) const {
        const std::vector<std::string> k = keys(type);
        for (size_t i = 0; i < k.size(); ++i)
            if (k[i] == key) return static_cast<int>(i) + 1;
        return -1;
    }
};

TEST(BetHitsTest, ADeadHeatMarksBothWinnersAndTheReturnLabelAddsThem) {
    HitFixture f;
    RaceWork::PayoutTable& hr = f.work().HrTable;
    setHorsePayout(hr.Tan[0], 2, 350, 2);
    setHorsePayout(hr.Tan[1], 4, 520, 4);
    f.board.KaimeMakeBtnClick();
    // Five bets of 600 yen.
    EXPECT_EQ(f.cell(BetType::Tan, 9, 2), "    350");
    EXPECT_EQ(f.cell(BetType::Tan, 10, 2), "   2100");
    EXPECT_EQ(f.cell(BetType::Tan, 11, 2), "  2");
    EXPECT_EQ(f.cell(BetType::Tan, 9, 4), "    520");
    EXPECT_EQ(f.cell(BetType::Tan, 10, 4), "   3120");
    EXPECT_EQ(f.cell(BetType::Tan, 9, 1), "");
    EXPECT_EQ(f.labelText(BetType::Tan, BetLabel::Kaishu), "    5220");
    EXPECT_EQ(f.board.label(BetType::Tan, BetLabel::Kaishu).fontColor, colors::Black);
    EXPECT_EQ(f.board.paint(BetType::Tan, 2, 2).background, colors::Fuchsia);
    EXPECT_EQ(f.board.paint(BetType::Tan, 1, 2).background, colors::White);
}

TEST(BetHitsTest, TwoWidePairsBothPayAndAReturnBelowTheStakeIsRed) {
    HitFixture f;
    RaceWork::PayoutTable& hr = f.work().HrTable;
    setComboPayout(hr.Wide[0], " 1- 2", 150, 1);
    setComboPayout(hr.Wide[1], " 1- 3", 210, 2);
    setComboPayout(hr.Wide[2], " 2- 3", 0, 3);
    f.board.KaimeMakeBtnClick();
    // Ten pairs of 300 yen.
    const int a = f.rowOf(BetType::Wide, " 1- 2");
    const int b = f.rowOf(BetType::Wide, " 1- 3");
    EXPECT_EQ(f.cell(BetType::Wide, 11, a), "    150");
    EXPECT_EQ(f.cell(BetType::Wide, 12, a), "    450");
    EXPECT_EQ(f.cell(BetType::Wide, 13, a), "  1");
    EXPECT_EQ(f.cell(BetType::Wide, 12, b), "    630");
    EXPECT_EQ(f.labelText(BetType::Wide, BetLabel::Kaishu), "    1080");
    EXPECT_EQ(f.board.label(BetType::Wide, BetLabel::Kaishu).fontColor, colors::Red);
    // The exacta of those horses did not pay: nothing is marked there.
    EXPECT_EQ(f.labelText(BetType::Umatan, BetLabel::Kaishu), "");
}

TEST(BetHitsTest, AnExcludedWinnerKeepsItsPayoutWithAReturnOfZero) {
    HitFixture f;
    setComboPayout(f.work().HrTable.Sanpuku[0], " 1- 2- 3", 1230, 5);
    setComboPayout(f.work().HrTable.Waku[0], " 1- 2", 800, 3);
    f.board.KaimeMakeBtnClick();
    f.board.gridClick(BetType::Sanpuku, 1, 0);
    EXPECT_EQ(f.cell(BetType::Sanpuku, 6, 1), "");
    EXPECT_EQ(f.cell(BetType::Sanpuku, 12, 1), "   1230");
    EXPECT_EQ(f.cell(BetType::Sanpuku, 13, 1), "      0");
    EXPECT_EQ(f.cell(BetType::Sanpuku, 14, 1), "  5");
    EXPECT_EQ(f.labelText(BetType::Sanpuku, BetLabel::Kaishu), "");

    // 枠連 writes no return of 0.
    TextGrid& waku = f.board.grid(BetType::Waku);
    waku.setRowCount(2);
    waku.setCell(1, 1, " 1");
    waku.setCell(2, 1, " 1- 2");
    waku.setCell(12, 1, "stale");
    f.board.MarkHits(BetType::Waku, 2, 6, 13, 12, 11, waku);
    EXPECT_EQ(waku.cell(11, 1), "    800");
    EXPECT_EQ(waku.cell(12, 1), "");
}

TEST(BetHitsTest, WithoutPayoutsNothingIsMarked) {
    HitFixture f;
    f.board.KaimeMakeBtnClick();
    for (BetType t : kGeneratedBetTypes) {
        const BetTypeInfo& info = betTypeInfo(t);
        for (int r = 1; r < f.grid(t).rowCount(); ++r)
            ASSERT_EQ(f.cell(t, info.resultPayout, r), "") << info.gridName;
        EXPECT_EQ(f.labelText(t, BetLabel::Kaishu), "");
        EXPECT_NE(f.board.paint(t, 1, 2).background, colors::Fuchsia);
    }
}

TEST(BetHitsTest, CellColours) {
    HitFixture f;
    f.board.KaimeMakeBtnClick();
    EXPECT_EQ(f.board.paint(BetType::Santan, 0, 5).background, Color::rgbOf(0xC99292));
    EXPECT_EQ(f.board.paint(BetType::Santan, 3, 1).background, Color::rgbOf(0xC1FFC1));
    EXPECT_EQ(f.board.paint(BetType::Santan, 3, 0).background, colors::White);
    EXPECT_EQ(f.board.paint(BetType::Santan, 3, 7).align, Align::Center);
    EXPECT_TRUE(f.board.paint(BetType::Santan, 3, 7).bold);
    // 60 trifectas at 100 yen: a return rate under 100 % is a hit that loses money.
    const int rateCol = betTypeInfo(BetType::Santan).rateCol();
    EXPECT_EQ(f.board.paint(BetType::Santan, 1, rateCol).textColor, colors::Red);
    const int last = f.grid(BetType::Santan).rowCount() - 1;
    EXPECT_GE(toInt64Def(f.cell(BetType::Santan, 7, last), 0),
              toInt64Def(f.labelText(BetType::Santan, BetLabel::Toshi), 0));
    EXPECT_EQ(f.board.paint(BetType::Santan, last, rateCol).textColor, colors::Black);
    // Outside the grid: the grid's own colours.
    EXPECT_TRUE(f.board.paint(BetType::Santan, 999, 0).background.isDefault);
}

TEST(BetSortTest, AHeaderClickSortsDescendingFirstAndASecondClickReverses) {
    HitFixture f;
    f.board.KaimeMakeBtnClick();
    const std::vector<std::string> generated = f.keys(BetType::Umaren);
    f.board.gridMouseDown(BetType::Umaren, 0, 3);
    EXPECT_EQ(f.board.ActivePage, betIndex(BetType::Umaren));
    EXPECT_EQ(f.board.LastSortCol, 3);
    std::vector<std::string> once = f.keys(BetType::Umaren);
    EXPECT_EQ(once, std::vector<std::string>(generated.rbegin(), generated.rend()));
    // Rows move whole: the row number goes with its key.
    EXPECT_EQ(f.cell(BetType::Umaren, 1, 1), fmt("%3d", static_cast<int>(generated.size())));
    f.board.gridMouseDown(BetType::Umaren, 0, 3);
    EXPECT_EQ(f.keys(BetType::Umaren), generated);
    // The four pair grids share their direction flags: the next click on 馬単's odds sorts descending again.
    f.board.gridMouseDown(BetType::Umatan, 0, 3);
    EXPECT_GT(std::stod(f.cell(BetType::Umatan, 3, 1)), std::stod(f.cell(BetType::Umatan, 3, 2)));
}

TEST(BetSortTest, EqualTextsKeepTheirRowNumberOrder) {
    HitFixture f;
    f.board.KaimeMakeBtnClick();
    // All stakes are equal: both directions keep the generation order.
    const std::vector<std::string> generated = f.keys(BetType::Sanpuku);
    f.board.gridMouseDown(BetType::Sanpuku, 0, 6);
    EXPECT_EQ(f.keys(BetType::Sanpuku), generated);
    f.board.gridMouseDown(BetType::Sanpuku, 0, 6);
    EXPECT_EQ(f.keys(BetType::Sanpuku), generated);
    // Column 0 and the rows below the header do not sort.
    f.board.gridMouseDown(BetType::Sanpuku, 0, 2);
    const std::vector<std::string> byKey = f.keys(BetType::Sanpuku);
    for (auto [row, col] : {std::pair{0, 0}, std::pair{1, 3}, std::pair{0, 15}})
        f.board.gridMouseDown(BetType::Sanpuku, row, col);
    EXPECT_EQ(f.keys(BetType::Sanpuku), byKey);
    EXPECT_TRUE(BetBoard::handCursorAt(0, 5));
    EXPECT_TRUE(BetBoard::handCursorAt(7, 0));
    EXPECT_FALSE(BetBoard::handCursorAt(7, 3));
}

TEST(BetSortTest, TheShownPageHighlightsItsLabels) {
    BetFixture f;
    const Color plain = Color::rgbOf(0xFFFBF0);
    const Color shown = Color::rgbOf(0xACB5FF);
    f.board.PageControl4Change(betIndex(BetType::Wide));
    for (BetType t : kBetTypes)
        for (int l = 0; l < kBetLabelCount; ++l)
            EXPECT_EQ(f.board.label(t, static_cast<BetLabel>(l)).color, t == BetType::Wide ? shown : plain);
    f.board.PageControl4Change(betIndex(BetType::Waku));
    f.board.PageControl4Change(BetBoard::kPreviewPage);
    for (BetType t : kBetTypes)
        EXPECT_EQ(f.board.label(t, BetLabel::Tensu).color, plain);
}

} // namespace
