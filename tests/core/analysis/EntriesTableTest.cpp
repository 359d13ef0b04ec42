#include "analysis/EntriesTable.h"
#include "core/raceday/RaceCardFixture.h"
#include "raceday/RaceCard.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace renoka;
using namespace renoka::test;

namespace {

const std::string kName = toUtf8(paddedName("テストホース", 36));

// Columns 0-22 and 36-38 of the table, and the candidate and mark columns 24-29; the separator and the hidden
// columns stay empty.
std::vector<std::string> tableRow(std::vector<std::string> to22, const std::vector<std::string>& from36,
                                  const std::vector<std::string>& from24) {
    to22.resize(24);
    to22.insert(to22.end(), from24.begin(), from24.end());
    to22.resize(36);
    to22.insert(to22.end(), from36.begin(), from36.end());
    return to22;
}

struct RowCase {
    const char* name;
    std::function<void(RaceDayFixture&, std::string& se, std::string& prev, RaceWork& w)> setup;
    std::vector<std::string> table;   // UTF-8, StringGrid26 row of the second horse
    std::vector<std::string> compact; // StringGrid8
};
class EntriesTableRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(EntriesTableRowTest, RowOfTheSecondHorse) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    std::string se(f.store().se(0, 1));
    std::string prev;
    GetParam().setup(f, se, prev, f.store().work(0));
    f.store().setSe(0, 1, se);
    if (!prev.empty()) f.store().setPrevSe(0, 1, 1, prev);
    f.show(0);
    const EntriesTable& t = f.form.entries();
    std::vector<std::string> table, compact;
    for (int c = 0; c < EntriesTable::kColCount; ++c)
        table.push_back(toUtf8(t.StringGrid26.cell(c, 2)));
    for (int c = 0; c < EntriesTable::kCheckColCount; ++c)
        compact.push_back(toUtf8(t.StringGrid8.cell(c, 2)));
    EXPECT_EQ(table, GetParam().table);
    EXPECT_EQ(compact, GetParam().compact);
}

void complete(RaceDayFixture&, std::string& se, std::string& prev, RaceWork& w) {
    for (auto [pos, bytes] :
         {std::pair{79, "1"}, {83, "04"}, {295, "1"}, {77, "03"}, {335, "01"}, {364, "03"}, {360, "0056"}})
        put(se, pos, bytes);
    prev = runnerRecord("05", "03", 7);
    for (auto [pos, bytes] : {std::pair{391, "345"}, {364, "07"}, {335, "12"}, {289, "560"}})
        put(prev, pos, bytes);
    w.Bataiju[1] = 482;
    w.BataijuZogen[1] = -12;
    w.TanOz[1] = 12.3;
    w.TanNinki[1] = 4;
    w.FukuOzMin[1] = 2.1;
    w.FukuMinNinki[1] = 11;
    w.TimeMining[1] = 5812;
    w.TimeMiningRank[1] = 2;
    w.TaisenMining[1] = 654;
    w.TaisenMiningRank[1] = 18;
    w.ZensoF3Rank[1] = 1;
}

// Before any odds, forecasts or results: a change without a weight, no such entry in the odds, no previous run.
void nothingYet(RaceDayFixture&, std::string& se, std::string&, RaceWork& w) {
    for (auto [pos, bytes] : {std::pair{295, "0"}, {335, "00"}, {364, "00"}, {360, "0000"}})
        put(se, pos, bytes);
    w.BataijuZogen[1] = 4;
    w.TanOz[1] = -2.0;
    w.FukuOzMin[1] = -1.0;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EntriesTableRowTest,
    testing::Values(RowCase{"Complete",
                            complete,
                            tableRow({" 1",  " 2",    kName, "牡4",   "騎手　　", "57.0",    "ﾌﾞﾘﾝ", "482",
                                      "-12", " 12.3", " 4",  "  2.1", "11",       "0.58.12", " 2",   " 65.4",
                                      "18",  "(父)",  "345", " 1",    " 7",       "12",      "56.0"},
                                     {" 1", " 3", "  5.6"},
                                     // a partner candidate (its last three furlongs ranked first), forecast second
                                     {"", "○", "", "", "ν", "ν"}),
                            {" 1", " 2", " 12.3", " 4", "  2.1", "11", " 2", "18", "", "ν", "ν", "", " 1", " 3"}},
                    RowCase{
                        "NothingYet",
                        nothingYet,
                        tableRow({" 1", " 2", kName, "",      "騎手　　", "57.0", " ", "", "", "     ", "　", "     ",
                                  "　", "",   "　",  "     ", "　",       "　",   "",  "", "", "",      ""},
                                 {"　", "　", "     "}, {"", "○", "", "", "", ""}),
                        {" 1", " 2", "     ", "　", "     ", "　", "　", "　", "", "", "", "", "　", "　"}}),
    [](const testing::TestParamInfo<RowCase>& param) { return std::string(param.param.name); });

TEST(EntriesTableTest, HeadersOfBothGrids) {
    RaceDayFixture f;
    const EntriesTable& t = f.form.entries();
    std::string line;
    for (int c = 0; c < EntriesTable::kColCount; ++c)
        line += toUtf8(t.StringGrid26.cell(c, 0)) + "|";
    EXPECT_EQ(line, "枠|馬|馬名|性齢|騎手|斤量|ブリ|馬体重|増減|単ｵｯｽﾞ|順|複ｵｯｽﾞ|順|ﾀｲﾑ型M|順|対戦型M|順|馬記号|前走3F|"
                    "順|前走人|前走着|前走斤||軸候補|紐候補|消馬|軸|紐1|紐2|||||||着|人|確ｵｯｽﾞ|");
    line.clear();
    for (int c = 0; c < EntriesTable::kCheckColCount; ++c)
        line += toUtf8(t.StringGrid8.cell(c, 0)) + "|";
    EXPECT_EQ(line, "枠|馬|単ｵｯｽﾞ|順|複ｵｯｽﾞ|順|ﾀｲﾑM|対M|軸|ヒモ1|ヒモ2|消|着|人|");
    EXPECT_EQ(t.StringGrid26.colWidth(23), 2);
    for (int c = 30; c <= 35; ++c)
        EXPECT_TRUE(t.StringGrid26.colHidden(c)) << c;
    EXPECT_FALSE(t.StringGrid26.colHidden(36));
}

// --- Sorting --------------------------------------------------------------------------------------------------

// Horse numbers of the table from top to bottom.
std::vector<int> numberOrder(const EntriesTable& t) {
    std::vector<int> out;
    for (int r = 1; r < t.StringGrid26.rowCount(); ++r)
        out.push_back(toInt(t.StringGrid26.cell(1, r)));
    return out;
}

TEST(EntriesTableTest, RankHeaderSortsAscendingThenDescendingWithUnrankedHorsesLast) {
    RaceDayFixture f;
    f.addRace(0, "05", 5);
    RaceWork& w = f.store().work(0);
    w.TanNinki = {3, 0, 1, 0, 2};
    f.show(0);
    EntriesTable& t = f.form.entries();
    EXPECT_TRUE(t.nextSortAscending(10));

    t.StringGrid26MouseDown(0, 10);
    EXPECT_EQ(numberOrder(t), (std::vector<int>{3, 5, 1, 2, 4}));
    EXPECT_FALSE(t.nextSortAscending(10));
    t.StringGrid26MouseDown(0, 10);
    // Ties are ordered by horse number in both directions.
    EXPECT_EQ(numberOrder(t), (std::vector<int>{2, 4, 1, 5, 3}));
    t.StringGrid26MouseDown(0, 10);
    EXPECT_EQ(numberOrder(t), (std::vector<int>{3, 5, 1, 2, 4}));
    // Each column keeps its own direction.
    t.StringGrid26MouseDown(0, 1);
    EXPECT_EQ(numberOrder(t), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(t.SortCol, 1);
}

TEST(EntriesTableTest, ColoursFollowTheirHorseThroughASort) {
    RaceDayFixture f;
    f.addRace(0, "05", 6);
    f.store().work(0).TanNinki = {6, 5, 4, 3, 2, 1};
    f.show(0);
    EntriesTable& t = f.form.entries();
    t.StringGrid26MouseDown(0, 10);
    // Horse 6 (bracket 3) is now on top and the favourite.
    EXPECT_EQ(t.paint(1, 0).background, colors::Red);
    EXPECT_EQ(t.paint(1, 10).textColor, colors::Red);
    EXPECT_EQ(t.paint(6, 0).background, colors::White);
    // The compact grid keeps horse-number order for the marks that are read from it.
    EXPECT_EQ(t.StringGrid8.cell(1, 1), " 1");
}

// Fills the table directly: one row per text of `primary`, the row's id in column 2.
void fillRows(EntriesTable& t, int primaryCol, std::vector<std::string> primary, int secondaryCol,
              std::vector<std::string> secondary) {
    t.prepareRows(static_cast<int>(primary.size()) + 1);
    for (size_t i = 0; i < primary.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        t.StringGrid26.setCell(2, row, "r" + std::to_string(row));
        t.StringGrid26.setCell(primaryCol, row, primary[i]);
        if (secondaryCol >= 0) t.StringGrid26.setCell(secondaryCol, row, secondary[i]);
    }
}
std::vector<std::string> idOrder(const EntriesTable& t) {
    std::vector<std::string> out;
    for (int r = 1; r < t.StringGrid26.rowCount(); ++r)
        out.push_back(t.StringGrid26.cell(2, r));
    return out;
}

TEST(EntriesTableTest, HorseNumberHeaderBreaksTiesByNameInBothDirections) {
    RaceDayFixture f;
    EntriesTable& t = f.form.entries();
    fillRows(t, 1, {" 2", " 1", " 2", " 1"}, -1, {});
    for (auto [row, name] : {std::pair{1, "D"}, {2, "C"}, {3, "B"}, {4, "A"}})
        t.StringGrid26.setCell(2, row, name);
    t.StringGrid26MouseDown(0, 1);
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"A", "C", "B", "D"}));
    t.StringGrid26MouseDown(0, 1);
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"B", "D", "A", "C"}));
}

struct ButtonCase {
    int button;
    const char* caption;
    int primary;
    int secondary;
};
class EntriesTableButtonTest : public testing::TestWithParam<ButtonCase> {};

TEST_P(EntriesTableButtonTest, SortsAscendingByItsColumnThenBreaksTies) {
    RaceDayFixture f;
    EntriesTable& t = f.form.entries();
    EXPECT_EQ(toUtf8(EntriesTable::sortButtonCaption(GetParam().button)), GetParam().caption);
    fillRows(t, GetParam().primary, {"B", "A", "B", "A", "C"}, GetParam().secondary, {"2", "9", "1", "3", "0"});
    // A header sort before must not change the direction of the buttons.
    t.StringGrid26MouseDown(0, GetParam().primary == 1 ? 1 : 10);
    t.StringGrid26MouseDown(0, GetParam().primary == 1 ? 1 : 10);
    t.SortButtonDown = GetParam().button;
    t.SpeedButton14Click();
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"r4", "r2", "r3", "r1", "r5"}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, EntriesTableButtonTest,
                         testing::Values(ButtonCase{0, "馬番", 1, 10}, ButtonCase{1, "人気指数", 9, 13},
                                         ButtonCase{2, "勝敗指数", 11, 13}, ButtonCase{3, "能力指数", 13, 9},
                                         ButtonCase{4, "総合指数", 15, 11}, ButtonCase{5, "人気", 18, 1},
                                         ButtonCase{6, "着順", 19, 1}, ButtonCase{7, "確定人気", 20, 1}),
                         [](const testing::TestParamInfo<ButtonCase>& param) {
                             return "Button" + std::to_string(param.param.button);
                         });

TEST(EntriesTableTest, WithoutAButtonDownTheBracketAloneDecides) {
    RaceDayFixture f;
    EntriesTable& t = f.form.entries();
    fillRows(t, 0, {" 3", " 1", " 2"}, 1, {" 5", " 1", " 3"});
    t.SpeedButton14Click();
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"r2", "r3", "r1"}));
    // No second key: two rows of one bracket are left as the quicksort leaves them, which swaps an equal pair.
    fillRows(t, 0, {" 1", " 1"}, 1, {" 1", " 2"});
    t.SpeedButton14Click();
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"r2", "r1"}));
}

TEST(EntriesTableTest, OnlyRankAndNumberHeadersSort) {
    const std::vector<int> sortable = {1, 7, 10, 12, 14, 16, 19, 20, 21, 36, 37};
    for (int c = -1; c <= 41; ++c) {
        const bool expected = std::find(sortable.begin(), sortable.end(), c) != sortable.end();
        EXPECT_EQ(EntriesTable::sortableHeader(c), expected) << c;
        EXPECT_EQ(EntriesTable::handCursorAt(0, c), expected) << c;
        EXPECT_FALSE(EntriesTable::handCursorAt(1, c)) << c;
    }
    RaceDayFixture f;
    EntriesTable& t = f.form.entries();
    fillRows(t, 9, {" 3.0", " 1.0"}, -1, {});
    t.StringGrid26MouseDown(0, 9);
    t.StringGrid26MouseDown(1, 10);
    EXPECT_EQ(idOrder(t), (std::vector<std::string>{"r1", "r2"}));
    EXPECT_TRUE(t.nextSortAscending(9));
}

// --- Painting -------------------------------------------------------------------------------------------------

constexpr Color kInfoBk = Color::rgbOf(0xFFFFE1);
constexpr Color kLightYellow = Color::rgbOf(0xFFFF80);
constexpr Color kLightMagenta = Color::rgbOf(0xFF80FF);
constexpr Color kLightCyan = Color::rgbOf(0xA2FFFF);
constexpr Color kPaleGreen = Color::rgbOf(0xE1FFE1);
constexpr Color W = colors::White;
constexpr Color B = colors::Black;
constexpr Align C = Align::Center;

struct PaintCase {
    const char* name;
    bool compact;
    int row;
    int col;
    std::string text; // UTF-8, put into the cell first
    Color background;
    Color textColor;
    bool bold;
    Align align;
};
class EntriesTablePaintTest : public testing::TestWithParam<PaintCase> {};

TEST_P(EntriesTablePaintTest, Cell) {
    RaceDayFixture f;
    f.form.JockeyCheckList.add(sj("武豊"));
    f.form.JockeyCheckList.add(sj("ルメール"));
    EntriesTable& t = f.form.entries();
    t.prepareRows(3);
    const PaintCase& c = GetParam();
    TextGrid& grid = c.compact ? t.StringGrid8 : t.StringGrid26;
    grid.setCell(c.col, c.row, sj(c.text));
    const CellPaint p = c.compact ? t.paintCheck(c.row, c.col) : t.paint(c.row, c.col);
    EXPECT_EQ(p.background, c.background);
    EXPECT_EQ(p.textColor, c.textColor);
    EXPECT_EQ(p.bold, c.bold);
    EXPECT_EQ(p.align, c.align);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cells, EntriesTablePaintTest, testing::Values(
    PaintCase{"Header", false, 0, 10, "順", colors::Silver, B, false, C},
    PaintCase{"HeaderOfName", false, 0, 2, "馬名", colors::Silver, B, false, C},
    PaintCase{"Bracket2", false, 1, 0, " 2", colors::Gray, B, false, C},
    PaintCase{"Bracket6", false, 1, 0, " 6", colors::Green, B, false, C},
    PaintCase{"Bracket7", false, 1, 0, " 7", Color::rgbOf(0xFF8000), B, false, C},
    PaintCase{"Number", false, 1, 1, " 4", kInfoBk, B, false, C},
    PaintCase{"Name", false, 1, 2, "テスト", W, B, false, Align::Left},
    PaintCase{"CheckedJockey", false, 1, 4, "ルメール", colors::Aqua, B, false, C},
    PaintCase{"CheckedJockeyAsStored", false, 2, 4, "武豊　　", colors::Aqua, B, false, C},
    PaintCase{"OtherJockey", false, 1, 4, "武幸四郎", kInfoBk, B, false, C},
    PaintCase{"Carried", false, 1, 5, "57.0", W, B, false, C},
    PaintCase{"WinOdds", false, 1, 9, " 12.3", kLightYellow, B, false, C},
    PaintCase{"Favourite", false, 1, 10, " 1", kLightYellow, colors::Red, true, C},
    PaintCase{"MiningRank3", false, 1, 14, " 3", kLightMagenta, colors::Blue, true, C},
    PaintCase{"NoMatchUpRank", false, 1, 16, "　", kLightMagenta, B, true, C},
    PaintCase{"PreviousPopularity11", false, 1, 20, "11", W, B, true, C},
    PaintCase{"PreviousCarried", false, 1, 22, "56.0", W, B, false, C},
    PaintCase{"PartnerMark2", false, 1, 29, "ν", kPaleGreen, B, true, C},
    PaintCase{"FinalPopularity", false, 1, 37, " 2", kLightCyan, colors::Blue, true, C},
    PaintCase{"FinalOdds", false, 1, 38, "  5.6", kLightCyan, B, false, C},
    PaintCase{"CheckHeader", true, 0, 3, "順", colors::Aqua, B, true, C},
    PaintCase{"CheckBracket6", true, 1, 0, " 6", colors::Lime, B, true, C},
    PaintCase{"CheckNumber", true, 1, 1, " 6", Color::rgbOf(0xFFFBF0), B, true, C},
    PaintCase{"CheckWinOdds", true, 1, 2, " 12.3", colors::Default, B, true, C},
    PaintCase{"CheckRank1", true, 1, 3, " 1", W, colors::Red, true, C},
    PaintCase{"CheckRank3", true, 1, 6, " 3", W, colors::Green, true, C},
    PaintCase{"CheckRank4", true, 1, 13, " 4", W, B, true, C},
    PaintCase{"CheckAxis", true, 1, 8, "ν", W, B, true, C}),
    [](const testing::TestParamInfo<PaintCase>& param) { return std::string(param.param.name); });
// clang-format on

// --- Clipboard ------------------------------------------------------------------------------------------------

TEST(EntriesTableTest, CopyGivesTheRaceHeadingAndEveryRowAsTabSeparatedLines) {
    RaceDayFixture f;
    f.addRace(0, "05", 2);
    f.store().work(0).TanOz = {3.4, 12.0};
    f.show(0);
    f.form.entries().Clip1Click();
    const std::string text = toUtf8(f.desktop.clipboard);
    const RaceCard& card = f.form.raceCard();
    std::string expected;
    for (const Label* l : {&card.Label1, &card.Label2, &card.Label3, &card.Label4})
        expected += toUtf8(l->text) + "\r\n";
    expected +=
        "枠\t馬\t馬名\t性齢\t騎手\t斤量\tブリ\t馬体重\t増減\t単ｵｯｽﾞ\t順\t複ｵｯｽﾞ\t順\tﾀｲﾑ型M\t順\t対戦型M\t順\t馬記号\t"
        "前走3F\t順\t前走人\t前走着\t前走斤\t\t軸候補\t紐候補\t消馬\t軸\t紐1\t紐2\t\t\t\t\t\t\t着\t人\t確ｵｯｽﾞ\r\n";
    const std::string row1 = " 1\t 1\t" + kName + "\t\t騎手　　\t57.0\t \t\t\t  3.4\t";
    ASSERT_GT(text.size(), expected.size());
    EXPECT_EQ(text.substr(0, expected.size()), expected);
    EXPECT_EQ(text.substr(expected.size(), row1.size()), row1);
    EXPECT_TRUE(text.ends_with("\t　\t　\t     \r\n"));
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 4u + 3u);
}

} // namespace
