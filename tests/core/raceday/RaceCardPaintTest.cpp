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

struct CardPaintCase {
    const char* name;
    Setup setup;
    int col;
    Color background;
    Color text;
    bool bold;
    std::vector<std::string> lines; // UTF-8
    std::vector<CellPaint::Span> spans;
};
class RaceCardPaintTest : public testing::TestWithParam<CardPaintCase> {};

TEST_P(RaceCardPaintTest, CellOfTheSecondHorse) {
    const CardPaintCase& c = GetParam();
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

constexpr Color kWhite = colors::White;
constexpr Color kBlack = colors::Black;
constexpr Color Red = colors::Red;
constexpr Color Blue = colors::Blue;
using S = CellPaint::Span;
using L = std::vector<std::string>;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Columns, RaceCardPaintTest, testing::Values(
    CardPaintCase{"Bracket1", fields({{28, "1"}}), 0, kWhite, kBlack, true, L{"1"}, {}},
    CardPaintCase{"Bracket2", fields({{28, "2"}}), 0, colors::Gray, kWhite, true, L{"2"}, {}},
    CardPaintCase{"Bracket5", fields({{28, "5"}}), 0, colors::Yellow, kBlack, true, L{"5"}, {}},
    CardPaintCase{"Bracket6", fields({{28, "6"}}), 0, colors::Green, kWhite, true, L{"6"}, {}},
    CardPaintCase{"Bracket7", fields({{28, "7"}}), 0, Color::rgbOf(0xFF8000), kWhite, true, L{"7"}, {}},
    CardPaintCase{"Number", {}, 1, colors::BtnFace, kBlack, true, L{" 2"}, {}},
    CardPaintCase{"NameJockeyWeightSexAge",
              fields({{41, paddedName("サクラ　ホース", 36)}, {553, "1"}, {307, paddedName("武豊", 8)}, {79, "2"},
                      {83, "03"}}),
              2, colors::BtnFace, kBlack, true, L{"サクラホース        逃", "  武豊　　 57.0kg   牝 3"}, {}},
    CardPaintCase{"Trainer", {}, 3, kWhite, kBlack, false, L{"調教師"}, {}},
    CardPaintCase{"Blinkers", fields({{295, "1"}}), 4, kWhite, kBlack, false, L{"○"}, {}},
    CardPaintCase{"DemotedWinner", fields({{333, "01"}, {335, "02"}}), 6, kWhite, kBlack, true, L{"入: 1", "確: 2"},
              {S{0, 0, 5, Red}, S{1, 0, 5, Blue}}},
    CardPaintCase{"Fourth", fields({{333, "04"}, {335, "04"}}), 6, kWhite, kBlack, true, L{"入: 4", "確: 4"},
              {S{0, 0, 5, kBlack}, S{1, 0, 5, kBlack}}},
    CardPaintCase{"NoPlacingYet", fields({{333, "00"}, {335, "  "}}), 6, kWhite, kBlack, true, L{" ", " "}, {}},
    CardPaintCase{"PopularityAndOdds", fields({{364, "03"}, {360, "0123"}}), 7, kWhite, kBlack, false,
              L{"人気:   3", "ｵｯｽﾞ: 12.3"}, {S{0, 0, 9, Blue}}},
    CardPaintCase{"NoPopularityNoOdds", fields({{364, "00"}, {360, "0000"}}), 7, kWhite, kBlack, false, L{" ", " "}, {}},
    CardPaintCase{"TimeAndDifference", fields({{339, "1345"}, {532, "+005"}}), 8, kWhite, kBlack, false, L{"1.34.5", "+ 0.5"}, {}},
    CardPaintCase{"NoTime", fields({{339, "0000"}, {532, "+005"}}), 8, kWhite, kBlack, false, L{"      "}, {}},
    CardPaintCase{"PreviousAndThisLast3F", last3F("345", "352", "17"), 9, kWhite, kBlack, false, L{"前= 35.2", "後= 34.5"}, {}},
    CardPaintCase{"NoPreviousRun", last3F("345", "", ""), 9, kWhite, kBlack, false, L{" ", "後= 34.5"}, {}},
    CardPaintCase{"PreviousRunWasAJump", last3F("345", "132", "54"), 9, kWhite, kBlack, false, L{" ", "後= 34.5"}, {}},
    CardPaintCase{"DidNotFinish", last3F("999", "352", "17"), 9, kWhite, kBlack, false, L{"前= 35.2", "後=  "}, {}},
    CardPaintCase{"JumpRace", jumpRace("132"), 9, kWhite, kBlack, false, L{"", "1F= 13.2"}, {}},
    CardPaintCase{"Corners", fields({{352, "01"}, {354, "03"}, {356, "  "}, {358, "12"}}), 10, kWhite, kBlack, false,
              L{" 1- 3-  -12"}, {S{0, 0, 2, Red}, S{0, 3, 2, Blue}, S{0, 9, 2, kBlack}}},
    CardPaintCase{"WeightBigLoss", weight(482, -12), 11, kWhite, kBlack, false, L{"482kg", "(-12)"}, {S{1, 0, 5, Red}}},
    CardPaintCase{"WeightSame", weight(456, 0), 11, kWhite, kBlack, false, L{"456kg", "(±0)"}, {}},
    CardPaintCase{"NotWeighed", weight(999, 0), 11, kWhite, kBlack, false, L{"計不"}, {}},
    CardPaintCase{"NoWeight", {}, 11, kWhite, kBlack, false, L{}, {}},
    CardPaintCase{"Prize", fields({{366, "00006200"}, {374, "00000000"}}), 12, kWhite, kBlack, false, L{"  620.0千円", "        "},
              {}},
    CardPaintCase{"Abnormal", fields({{332, "4"}}), 13, kWhite, kBlack, false, L{"競争中止"}, {}}),
    [](const testing::TestParamInfo<CardPaintCase>& param) { return std::string(param.param.name); });
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
