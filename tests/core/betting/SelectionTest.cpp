#include "core/betting/MarksFixture.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

using Horses = std::vector<int>;

// Ten horses: 1, 4, 8 axis candidates, 6 and 9 excluded, the rest partner candidates. Mining ranks and win
// popularity run in opposite directions so that every order picks differently.
struct SelectionTest : testing::Test {
    MarksFixture f{10};
    SelectionTest() {
        const std::array<int, 10> mining = {3, 7, 10, 1, 9, 2, 4, 6, 5, 8};
        for (int h = 0; h < 10; ++h) {
            f.work().TimeMiningRank[static_cast<size_t>(h)] = mining[static_cast<size_t>(h)];
            f.work().TanNinki[static_cast<size_t>(h)] = 11 - mining[static_cast<size_t>(h)];
        }
        for (int number : {1, 4, 8})
            f.makeAxisCandidate(number, f.work().TimeMiningRank[static_cast<size_t>(number - 1)]);
        f.work().TimeMiningRank[7] = 5; // horse 8 within the axis forecast range
        f.work().TimeMiningRank[8] = 6;
        for (int number : {6, 9})
            f.makeExcluded(number);
    }
    const RaceWork& w() { return f.work(); }
};

TEST_F(SelectionTest, CandidatesFirstThenTheOthersFillUpInTheOrdersOrder) {
    // Partner candidates 2, 3, 5, 7, 10 by mining rank: 7 (4), 2 (7), 10 (8), 5 (9), 3 (10).
    f.choices.partner1Count = 7;
    f.choices.partner1Fill = true;
    f.choices.partner2Count = 7;
    f.marks.JikuHimoBtnClick();
    // Then the others by mining rank: 4 (1), 6 (2), so seven in all.
    EXPECT_EQ(MarksFixture::marked(w().Partner1Mark), (Horses{2, 3, 4, 5, 6, 7, 10}));
    EXPECT_EQ(MarksFixture::marked(w().Partner2Mark), (Horses{2, 3, 5, 7, 10})) << "no fill-up: fewer than seven";
}

TEST_F(SelectionTest, FillUpTakesAxisCandidatesAndExcludedHorsesAfterThreeCandidates) {
    // Only three partner candidates are left: 2, 3 and 7.
    for (int number : {5, 10})
        f.makeExcluded(number);
    // Candidates now 2 (7), 3 (10), 7 (4); the others by mining rank: 4 (1), 6 (2), 1 (3), 8 (5).
    f.choices.partner1Count = 7;
    f.choices.partner1Fill = true;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(MarksFixture::marked(w().Partner1Mark), (Horses{1, 2, 3, 4, 6, 7, 8}));
    // A horse is axis and partner only through fill-up.
    EXPECT_EQ(MarksFixture::marked(w().AxisMark), (Horses{4}));
    EXPECT_EQ(f.cell(8, 4), "ν");
    EXPECT_EQ(f.cell(9, 4), "ν");
}

TEST_F(SelectionTest, EachOrderPicksItsOwnEnd) {
    struct Case {
        int order;
        Horses axes;     // two axes among 1 (3), 4 (1), 8 (5) by mining; popularity 8, 10, 6
        Horses partners; // two partners among 2, 3, 5, 7, 10
    };
    for (const Case& c :
         {Case{0, {1, 4}, {2, 7}}, Case{1, {1, 8}, {3, 5}}, Case{2, {1, 8}, {3, 5}}, Case{3, {1, 4}, {2, 7}}}) {
        f.choices.axisOrder = c.order;
        f.choices.partner1Order = c.order;
        f.choices.axisCount = 2;
        f.choices.partner1Count = 2;
        f.marks.JikuHimoBtnClick();
        EXPECT_EQ(MarksFixture::marked(w().AxisMark), c.axes) << "order " << c.order;
        EXPECT_EQ(MarksFixture::marked(w().Partner1Mark), c.partners) << "order " << c.order;
    }
}

TEST_F(SelectionTest, OrderOneWithOneAxisTakesTheWorstForecast) {
    f.choices.axisOrder = static_cast<int>(HorseOrder::MiningBottom);
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(MarksFixture::marked(w().AxisMark), (Horses{8}));
}

TEST_F(SelectionTest, MoreThanEligibleMarksAllOfThem) {
    f.choices.axisCount = 18;
    f.choices.partner2Count = 18;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(MarksFixture::marked(w().AxisMark), (Horses{1, 4, 8}));
    EXPECT_EQ(MarksFixture::marked(w().Partner2Mark), (Horses{2, 3, 5, 7, 10}));
}

TEST_F(SelectionTest, HorsesWithoutARankAreNotConsidered) {
    f.work().TanNinki[1] = 0; // horse 2 scratched
    f.choices.partner1Order = static_cast<int>(HorseOrder::PopularBottom);
    f.choices.partner1Count = 18;
    f.choices.partner1Fill = true;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(MarksFixture::marked(w().Partner1Mark), (Horses{1, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(SelectionTieTest, EqualValuesGoToTheLowerHorseNumber) {
    // Horses 9, 10 and 12 share popularity 2; text order must put " 9" before "10" and "12".
    MarksFixture f(12);
    for (int number : {12, 10, 9})
        f.work().TanNinki[static_cast<size_t>(number - 1)] = 2;
    f.work().TanNinki[2] = 5;
    f.choices.partner1Order = static_cast<int>(HorseOrder::PopularTop);
    f.choices.partner1Count = 1;
    f.choices.partner2Order = static_cast<int>(HorseOrder::PopularBottom);
    f.choices.partner2Count = 2;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(MarksFixture::marked(f.work().Partner1Mark), (Horses{9}));
    EXPECT_EQ(MarksFixture::marked(f.work().Partner2Mark), (Horses{3, 9}));
    EXPECT_EQ(f.cell(9, 9), "ν");
    EXPECT_EQ(f.cell(10, 3), "ν");
    EXPECT_EQ(f.cell(9, 10), "");
}

TEST(SelectionTieTest, NoAxisCandidateMeansNoAxis) {
    MarksFixture f;
    for (int h = 0; h < 8; ++h)
        f.work().TimeMiningRank[static_cast<size_t>(h)] = h + 1;
    f.marks.JikuHimoBtnClick();
    EXPECT_TRUE(MarksFixture::marked(f.work().AxisMark).empty());
    EXPECT_EQ(MarksFixture::marked(f.work().Partner1Mark), (Horses{1, 2, 3, 4, 5, 6, 7}));
}

} // namespace
