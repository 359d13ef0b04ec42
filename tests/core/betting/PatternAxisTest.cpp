#include "betting/PatternLetter.h"
#include "core/betting/MarksFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace renoka;
using namespace renoka::test;

namespace {

struct HorseMarket {
    int m; // time-forecast rank
    int p; // win popularity
    double o;
};
// Ten runners: the forecast's four best at 2.5, 25, 32 and 45 to one.
constexpr std::array<HorseMarket, 10> kMarket = {{{1, 1, 2.5},
                                                  {2, 9, 25.0},
                                                  {3, 7, 32.0},
                                                  {4, 5, 45.0},
                                                  {5, 10, 50.0},
                                                  {6, 2, 5.0},
                                                  {0, 3, 6.0},
                                                  {0, 4, 8.0},
                                                  {0, 6, 20.0},
                                                  {0, 8, 30.0}}};

void setMarket(RaceWork& w) {
    for (size_t h = 0; h < kMarket.size(); ++h) {
        w.TimeMiningRank[h] = kMarket[h].m;
        w.TanNinki[h] = kMarket[h].p;
        w.TanOz[h] = kMarket[h].o;
    }
}

struct PatternCase {
    const char* name;
    const char* letter;
    std::function<void(RaceWork&)> change; // horse index h = number - 1
    int axis;                              // horse number, 0 = none
};
class PatternAxisTest : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternAxisTest, PicksTheAxisOfTheLetter) {
    MarksFixture f(10);
    f.setRace(5, 10);
    for (int slot : {0, 5}) {
        RaceWork& w = f.work(slot);
        setMarket(w);
        if (GetParam().change) GetParam().change(w);
        w.PatternLetter.assign(GetParam().letter);
        // What an earlier selection marked goes.
        w.AxisMark[9] = 1;
        w.Partner1Mark[0] = 1;
        w.Partner2Mark[1] = 1;
    }
    f.work(5).ExclusionMark[2] = 1;
    f.marks.JikuBtnClick();
    for (int slot : {0, 5}) {
        const RaceWork& w = f.work(slot);
        const std::vector<int> expected = GetParam().axis ? std::vector<int>{GetParam().axis} : std::vector<int>{};
        EXPECT_EQ(MarksFixture::marked(w.AxisMark), expected) << "slot " << slot;
        EXPECT_TRUE(MarksFixture::marked(w.Partner1Mark).empty());
        EXPECT_TRUE(MarksFixture::marked(w.Partner2Mark).empty());
    }
    EXPECT_EQ(f.work(5).ExclusionMark[2], 1);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, PatternAxisTest,
    testing::Values(
        PatternCase{"A", "A", nullptr, 2}, PatternCase{"AOdds19", "A", [](RaceWork& w) { w.TanOz[1] = 19.9; }, 3},
        PatternCase{"AOdds20", "A", [](RaceWork& w) { w.TanOz[1] = 20.0; }, 2},
        PatternCase{"ATieLowerNumber", "A", [](RaceWork& w) { w.TanNinki[3] = 9; }, 2},
        PatternCase{"AScratched", "A", [](RaceWork& w) { w.TanNinki[1] = 0; }, 3},
        PatternCase{"ATrimmed", " A ", nullptr, 2}, PatternCase{"BFavouriteTooShort", "B", nullptr, 0},
        PatternCase{"BOdds30", "B", [](RaceWork& w) { w.TanOz[0] = 30.0; }, 1},
        PatternCase{"BLastByNumber", "B", [](RaceWork& w) { w.TanOz[0] = 30.0, w.TimeMiningRank[4] = 1; }, 5},
        PatternCase{"C", "C", nullptr, 0}, PatternCase{"D", "D", nullptr, 3},
        PatternCase{"DLargestPopularity", "D", [](RaceWork& w) { w.TanOz[1] = 30.0; }, 2},
        PatternCase{"DForecastFourIgnored", "D", [](RaceWork& w) { w.TanNinki[3] = 10; }, 3},
        PatternCase{"E", "E", nullptr, 3}, PatternCase{"EOdds40", "E", [](RaceWork& w) { w.TanOz[3] = 40.0; }, 4},
        PatternCase{"EOdds19", "E", [](RaceWork& w) { w.TanOz[2] = 19.0, w.TanOz[1] = 41.0; }, 0},
        PatternCase{"F", "F", nullptr, 4},
        PatternCase{"FTieLowerNumber", "F", [](RaceWork& w) { w.TanNinki[2] = 5; }, 3},
        PatternCase{"G", "G", nullptr, 0}, PatternCase{"NoLetter", "", nullptr, 0},
        PatternCase{"OtherLetter", "Z", nullptr, 0}, PatternCase{"LowerCase", "a", nullptr, 0}),
    [](const testing::TestParamInfo<PatternCase>& p) { return std::string(p.param.name); });

TEST(PatternAxisTest, OnlyTheFieldIsExamined) {
    MarksFixture f(10);
    setMarket(f.work());
    f.work().PatternLetter.assign("A");
    f.setRace(0, 3); // horse 2 runs; the rest of the old market stays behind the field
    f.marks.JikuBtnClick();
    EXPECT_EQ(MarksFixture::marked(f.work().AxisMark), (std::vector<int>{2}));
    // Horse 4 would qualify, but it does not run.
    f.work().TanOz[1] = 5.0;
    f.work().TanOz[2] = 5.0;
    f.marks.JikuBtnClick();
    EXPECT_TRUE(MarksFixture::marked(f.work().AxisMark).empty());
}

struct LetterCase {
    const char* name;
    int horses;
    double favouriteOdds; // 0 = no odds at all
    int bestPopularity;   // popularity of the forecast's best horse; 0 = it has none, -1 = no forecast
    char letter;
};
class PatternLetterTest : public testing::TestWithParam<LetterCase> {};

TEST_P(PatternLetterTest, Letter) {
    const LetterCase& c = GetParam();
    auto w = std::make_unique<RaceWork>();
    *w = RaceWork{};
    for (int h = 0; h < std::min(c.horses, kHorseCount); ++h) {
        const size_t i = static_cast<size_t>(h);
        if (c.favouriteOdds > 0) {
            w->TanNinki[i] = h + 1;
            w->TanOz[i] = c.favouriteOdds + 3.0 * h;
        }
    }
    if (c.bestPopularity > 0) w->TimeMiningRank[static_cast<size_t>(c.bestPopularity - 1)] = 1;
    if (c.bestPopularity == 0) {
        w->TanNinki[static_cast<size_t>(c.horses - 1)] = 0;
        w->TimeMiningRank[static_cast<size_t>(c.horses - 1)] = 1;
    }
    EXPECT_EQ(patternLetterOf(*w, c.horses), c.letter);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, PatternLetterTest,
    testing::Values(
        LetterCase{"NoOdds", 12, 0.0, -1, 'G'}, LetterCase{"NoForecast", 12, 2.4, -1, 'G'},
        LetterCase{"SevenRunners", 7, 5.0, 6, 'G'}, LetterCase{"EightRunners", 8, 5.0, 6, 'B'},
        LetterCase{"ForecastBestWithoutOdds", 12, 2.4, 0, 'G'}, LetterCase{"SolidFavouriteAgreed", 12, 1.9, 1, 'C'},
        LetterCase{"FavouriteAt2Agreed", 12, 2.0, 1, 'E'}, LetterCase{"SolidFavouriteDisputed", 12, 1.9, 2, 'E'},
        LetterCase{"ForecastLikesSixth", 12, 1.5, 6, 'B'}, LetterCase{"ForecastLikesFifth", 12, 1.5, 5, 'F'},
        LetterCase{"WideOpenBigField", 14, 4.0, 5, 'D'}, LetterCase{"WideOpenThirteen", 13, 4.0, 5, 'A'},
        LetterCase{"Open", 10, 3.0, 2, 'A'}, LetterCase{"FirmFavouriteFancied", 12, 2.9, 3, 'E'},
        LetterCase{"FirmFavouriteFourth", 12, 2.9, 4, 'F'}, LetterCase{"ElevenRunnersFancied", 11, 2.9, 3, 'F'},
        LetterCase{"OverfullFieldIsCut", 30, 2.9, 3, 'E'}),
    [](const testing::TestParamInfo<LetterCase>& p) { return std::string(p.param.name); });

TEST(PatternLetterTest, EveryRaceGetsItsLetterAndTheShownRaceIsLabelled) {
    MarksFixture f(10);
    f.setRace(3, 10);
    setMarket(f.work(0));
    f.store.CurrentRace = 3;
    f.marks.assignPatternLetters();
    EXPECT_EQ(f.work(0).PatternLetter.view(), "F"); // the forecast's best is the favourite, at 2.5 in ten
    EXPECT_EQ(f.work(3).PatternLetter.view(), "G"); // no odds taken in yet
    EXPECT_EQ(f.work(20).PatternLetter.view(), "G");
    EXPECT_EQ(toUtf8(f.marks.PatternLabel.text), "パターン: G");
    f.store.CurrentRace = 0;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(toUtf8(f.marks.PatternLabel.text), "パターン: F");
}

TEST(MarkClicksTest, ClicksToggleTheMarkColumnsAndAlwaysRebuildTheBets) {
    MarksFixture f(8);
    struct Click {
        int row, col;
        const char* after; // the cell afterwards, nullptr = nothing toggles
    };
    for (const Click& c : {Click{1, 8, "ν"}, Click{1, 8, ""}, Click{8, 9, "ν"}, Click{3, 10, "ν"}, Click{2, 11, "消"},
                           Click{2, 11, ""}, Click{0, 8, nullptr}, Click{9, 8, nullptr}, Click{1, 7, nullptr},
                           Click{1, 12, nullptr}, Click{-1, -1, nullptr}}) {
        const int before = f.bets;
        const std::string old = c.row >= 0 ? f.cell(c.col, c.row) : std::string();
        f.marks.StringGrid8MouseDown(c.row, c.col);
        EXPECT_EQ(f.bets, before + 1) << c.row << "," << c.col;
        if (c.after) {
            EXPECT_EQ(f.cell(c.col, c.row), c.after) << c.row << "," << c.col;
        } else if (c.row >= 0) {
            EXPECT_EQ(f.cell(c.col, c.row), old) << c.row << "," << c.col;
        }
    }
    EXPECT_EQ(f.cell(8, 0), "") << "the header stays";
    // The clicks change only the grid: the bets read it, the work record keeps the automatic marks.
    EXPECT_EQ(f.work().Partner1Mark[7], 0);
}

TEST(MarkClicksTest, HandCursorOverTheDataCellsOfTheThreeMarkColumns) {
    MarksFixture f(8);
    EXPECT_TRUE(f.marks.handCursorAt(1, 8));
    EXPECT_TRUE(f.marks.handCursorAt(8, 10));
    EXPECT_FALSE(f.marks.handCursorAt(8, 11));
    EXPECT_FALSE(f.marks.handCursorAt(0, 9));
    EXPECT_FALSE(f.marks.handCursorAt(9, 9));
    EXPECT_FALSE(f.marks.handCursorAt(4, 7));
}

} // namespace
