#include "core/raceday/RaceCardFixture.h"
#include "raceday/RaceCard.h"

#include <gtest/gtest.h>

#include <functional>

using namespace renoka;
using namespace renoka::test;

namespace {

using Setup = std::function<void(RaceDayFixture&)>;

// Fields of the second horse's runner record (grid row 2).
Setup fields(std::vector<std::pair<int, std::string>> list) {
    return [list](RaceDayFixture& f) {
        f.editRunner(0, 1, [&](std::string& se) {
            for (const auto& [pos, bytes] : list)
                put(se, pos, bytes);
        });
    };
}
Setup weight(int kg, int change) {
    return [kg, change](RaceDayFixture& f) {
        f.store().work(0).Bataiju[1] = kg;
        f.store().work(0).BataijuZogen[1] = change;
    };
}
// This race's last three furlongs, and the previous run's on a track.
Setup last3F(std::string now, std::string previous, std::string previousTrack) {
    return [=](RaceDayFixture& f) {
        fields({{391, now}})(f);
        if (previous.empty()) return;
        std::string se = runnerRecord("05", "03", 2);
        put(se, 391, previous);
        f.store().setPrevSe(0, 1, 1, se);
        std::string ra = raceRecord("05", "03");
        put(ra, 706, previousTrack);
        f.store().setPrevRa(0, 1, 1, ra);
    };
}
Setup jumpRace(std::string furlong) {
    return [furlong](RaceDayFixture& f) {
        std::string ra(f.store().ra(0));
        put(ra, 706, "51");
        f.store().setRa(0, ra);
        fields({{391, furlong}})(f);
    };
}

struct PaintCase {
    const char* name;
    Setup setup;
    int col;
    Color background;
    Color text;
    bool bold;
    std::vector<std::string> lines; // UTF-8
    std::vector<CellPaint::Span> spans;
};
class RaceCardPaintTest : public testing::TestWithParam<PaintCase> {};

TEST_P(RaceCardPaintTest, CellOfTheSecondHorse) {
    const PaintCase& c = GetParam();
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    if (c.setup) c.setup(f);
    f.show(0);
    const CellPaint p = f.form.raceCard().paint(2, c.col);
    EXPECT_EQ(p.background, c.background);
    EXPECT_EQ(p.textColor, c.text);
    EXPECT_EQ(p.bold, c.bold);
    std::vector<std::string> lines;
    for (const auto& line : p.lines)
        lines.push_back(toUtf8(line));
    EXPECT_EQ(lines, c.lines);
    ASSERT_EQ(p.spans.size(), c.spans.size());
    for (size_t i = 0; i < p.spans.size(); ++i) {
        const CellPaint::Span& got = p.spans[i];
        const CellPaint::Span& want = c.spans[i];
        EXPECT_TRUE(got.line == want.line && got.start == want.start && got.length == want.length) << i;
        EXPECT_EQ(got.color, want.color) << i;
    }
}

constexpr Color W = colors::White;
constexpr Color B = colors::Black;
constexpr Color Red = colors::Red;
constexpr Color Blue = colors::Blue;
using S = CellPaint::Span;
using L = std::vector<std::string>;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Columns, RaceCardPaintTest, testing::Values(
    PaintCase{"Bracket1", fields({{28, "1"}}), 0, W, B, true, L{"1"}, {}},
    PaintCase{"Bracket2", fields({{28, "2"}}), 0, colors::Gray, W, true, L{"2"}, {}},
    PaintCase{"Bracket5", fields({{28, "5"}}), 0, colors::Yellow, B, true, L{"5"}, {}},
    PaintCase{"Bracket6", fields({{28, "6"}}), 0, colors::Green, W, true, L{"6"}, {}},
    PaintCase{"Bracket7", fields({{28, "7"}}), 0, Color::rgbOf(0xFF8000), W, true, L{"7"}, {}},
    PaintCase{"Number", {}, 1, colors::BtnFace, B, true, L{" 2"}, {}},
    PaintCase{"NameJockeyWeightSexAge",
              fields({{41, paddedName("サクラ　ホース", 36)}, {553, "1"}, {307, paddedName("武豊", 8)}, {79, "2"},
                      {83, "03"}}),
              2, colors::BtnFace, B, true, L{"サクラホース        逃", "  武豊　　 57.0kg   牝 3"}, {}},
    PaintCase{"Trainer", {}, 3, W, B, false, L{"調教師"}, {}},
    PaintCase{"Blinkers", fields({{295, "1"}}), 4, W, B, false, L{"○"}, {}},
    PaintCase{"DemotedWinner", fields({{333, "01"}, {335, "02"}}), 6, W, B, true, L{"入: 1", "確: 2"},
              {S{0, 0, 5, Red}, S{1, 0, 5, Blue}}},
    PaintCase{"Fourth", fields({{333, "04"}, {335, "04"}}), 6, W, B, true, L{"入: 4", "確: 4"},
              {S{0, 0, 5, B}, S{1, 0, 5, B}}},
    PaintCase{"NoPlacingYet", fields({{333, "00"}, {335, "  "}}), 6, W, B, true, L{" ", " "}, {}},
    PaintCase{"PopularityAndOdds", fields({{364, "03"}, {360, "0123"}}), 7, W, B, false,
              L{"人気:   3", "ｵｯｽﾞ: 12.3"}, {S{0, 0, 9, Blue}}},
    PaintCase{"NoPopularityNoOdds", fields({{364, "00"}, {360, "0000"}}), 7, W, B, false, L{" ", " "}, {}},
    PaintCase{"TimeAndDifference", fields({{339, "1345"}, {532, "+005"}}), 8, W, B, false, L{"1.34.5", "+ 0.5"}, {}},
    PaintCase{"NoTime", fields({{339, "0000"}, {532, "+005"}}), 8, W, B, false, L{"      "}, {}},
    PaintCase{"PreviousAndThisLast3F", last3F("345", "352", "17"), 9, W, B, false, L{"前= 35.2", "後= 34.5"}, {}},
    PaintCase{"NoPreviousRun", last3F("345", "", ""), 9, W, B, false, L{" ", "後= 34.5"}, {}},
    PaintCase{"PreviousRunWasAJump", last3F("345", "132", "54"), 9, W, B, false, L{" ", "後= 34.5"}, {}},
    PaintCase{"DidNotFinish", last3F("999", "352", "17"), 9, W, B, false, L{"前= 35.2", "後=  "}, {}},
    PaintCase{"JumpRace", jumpRace("132"), 9, W, B, false, L{"", "1F= 13.2"}, {}},
    PaintCase{"Corners", fields({{352, "01"}, {354, "03"}, {356, "  "}, {358, "12"}}), 10, W, B, false,
              L{" 1- 3-  -12"}, {S{0, 0, 2, Red}, S{0, 3, 2, Blue}, S{0, 9, 2, B}}},
    PaintCase{"WeightBigLoss", weight(482, -12), 11, W, B, false, L{"482kg", "(-12)"}, {S{1, 0, 5, Red}}},
    PaintCase{"WeightSame", weight(456, 0), 11, W, B, false, L{"456kg", "(±0)"}, {}},
    PaintCase{"NotWeighed", weight(999, 0), 11, W, B, false, L{"計不"}, {}},
    PaintCase{"NoWeight", {}, 11, W, B, false, L{}, {}},
    PaintCase{"Prize", fields({{366, "00006200"}, {374, "00000000"}}), 12, W, B, false, L{"  620.0千円", "        "},
              {}},
    PaintCase{"Abnormal", fields({{332, "4"}}), 13, W, B, false, L{"競争中止"}, {}}),
    [](const testing::TestParamInfo<PaintCase>& param) { return std::string(param.param.name); });
// clang-format on

TEST(RaceCardTest, HeaderCellsAndAnEmptyRaceListDrawAsTheGridDoes) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    f.show(0);
    const CellPaint header = f.form.raceCard().paint(0, 2);
    EXPECT_TRUE(header.background.isDefault && header.lines.empty());
    f.form.DatList.clear();
    const CellPaint p = f.form.raceCard().paint(1, 0);
    EXPECT_TRUE(p.background.isDefault && p.lines.empty());
}

} // namespace
