#include "raceday/RaceCard.h"
#include "analysis/EntriesTable.h"
#include "core/raceday/RaceCardFixture.h"
#include "platform/FileIo.h"
#include "results/PayoutIntake.h"

#include <gtest/gtest.h>

#include <functional>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

// --- Refusal and header ---------------------------------------------------------------------------------------

// Choosing a race tells the front end to redraw every view of the race, whoever chose it.
TEST(RaceCardTest, ChoosingARaceMarksEveryViewOfTheRaceAsChanged) {
    RaceDayFixture f;
    f.addRace(0, "06", 9);
    f.form.changes().take();
    f.show(0);
    const ViewChanges marked = f.form.changes().take();
    for (View view : {View::RaceCard, View::Entries, View::Results, View::Odds, View::Bets, View::Frame})
        EXPECT_TRUE(marked.has(view)) << static_cast<unsigned>(view);
    EXPECT_FALSE(marked.has(View::DayList));
}

TEST(RaceCardTest, RaceWithoutRunnersIsRefusedAndTheShownCardStays) {
    RaceDayFixture f;
    f.addRace(0, "10", 9);
    f.addRace(1, "11", 0);
    f.addRace(2, "01", 0);
    f.show(0);
    const RaceCard& card = f.form.raceCard();
    const std::string shownLabel = card.Label1.text;
    const std::string shownName = card.StringGrid6.cell(2, 1);

    f.show(1);
    f.show(2);
    EXPECT_EQ(f.desktop.messages,
              (std::vector<std::string>{"11レースはデータが不十分です。", "1レースはデータが不十分です。"}));
    EXPECT_EQ(f.store().CurrentRace, 0);
    EXPECT_EQ(card.Label1.text, shownLabel);
    EXPECT_EQ(card.StringGrid6.rowCount(), 10);
    EXPECT_EQ(card.StringGrid6.cell(2, 1), shownName);
}

// A stakes race with every header field set.
std::string stakesRace() {
    std::string ra = raceRecord("06", "11");
    put(ra, 33, paddedName("ステイヤーズステークス", 60));
    put(ra, 612, "085");
    put(ra, 615, "B");
    put(ra, 617, "13");
    put(ra, 619, "A10");
    put(ra, 622, "2");
    put(ra, 635, "005");
    put(ra, 698, "3600");
    put(ra, 706, "21");
    put(ra, 710, "A ");
    put(ra, 714, "0000620000002500000016000000093000000620");
    put(ra, 810, "000001230000000000000010");
    put(ra, 886, "08");
    put(ra, 888, "1");
    put(ra, 889, "1");
    put(ra, 890, "2");
    return ra;
}

struct LabelCase {
    const char* name;
    Label RaceCard::*label;
    std::function<void(std::string& ra)> edit;
    const char* expected;
};

class RaceCardLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(RaceCardLabelTest, HeaderTextIsExact) {
    RaceDayFixture f;
    f.addRace(0, "11", 9);
    std::string ra = stakesRace();
    if (GetParam().edit) GetParam().edit(ra);
    f.store().setRa(0, ra);
    std::string o1 = blankRecord("O1", records::O1);
    put(o1, 28, "12061432");
    f.store().setOdds(1, 0, o1);
    f.show(0);
    EXPECT_EQ(toUtf8((f.form.raceCard().*GetParam().label).text), GetParam().expected);
}

const std::string kTitlePadding = [] {
    std::string s;
    for (int i = 0; i < 19; ++i)
        s += "　";
    return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Labels, RaceCardLabelTest,
    testing::Values(
        LabelCase{"Date", &RaceCard::Label1, {}, "2026年12月06日(日)中山05回02日11R   15.45発走  晴　芝:良　ダ:稍重"},
        LabelCase{"NoWeatherYet", &RaceCard::Label1, [](std::string& ra) { put(ra, 888, "   "); },
                  "2026年12月06日(日)中山05回02日11R   15.45発走  　　"},
        LabelCase{"Field",
                  &RaceCard::Label3,
                  {},
                  " 9頭[入線: 8頭] 3600ﾒｰﾄﾙ 芝 右回り 内２周(A) G2    サラ系３歳以上　 (混合)牡　　　　　　　　"},
        LabelCase{"FieldBeforeTheRace", &RaceCard::Label3,
                  [](std::string& ra) {
                      put(ra, 886, "00");
                      put(ra, 615, " ");
                      put(ra, 619, "000");
                  },
                  " 9頭[入線:  頭] 3600ﾒｰﾄﾙ 芝 右回り 内２周(A) 　　  サラ系３歳以上　 　　　　　　　　　　　　"},
        LabelCase{"Conditions", &RaceCard::Label4, {}, "別定 3歳上1勝ｸﾗｽ"},
        LabelCase{"Prize",
                  &RaceCard::Label6,
                  {},
                  "【本 賞 金】1着:    6200/2着:    2500/3着:    1600/4着:     930/5着:     620"},
        LabelCase{"AddedMoney",
                  &RaceCard::Label7,
                  {},
                  "【付加賞金】1着:     123/2着:        /3着:      10　　　　　　　　(単位：百円)"},
        LabelCase{"Racecourse", &RaceCard::BashoLabel, {}, "中山"},
        LabelCase{"RaceNumber", &RaceCard::RaceLabel, {}, "11"},
        LabelCase{"OddsTime", &RaceCard::TFWtimeLabel, {}, "14:32"},
        LabelCase{"NoCourseRecordLine", &RaceCard::Label3Dj1, {}, ""}),
    [](const testing::TestParamInfo<LabelCase>& param) { return std::string(param.param.name); });

TEST(RaceCardTest, TitleIsKeptAsStoredAfterTheRunningCount) {
    RaceDayFixture f;
    f.addRace(0, "11", 9);
    f.store().setRa(0, stakesRace());
    f.show(0);
    EXPECT_EQ(toUtf8(f.form.raceCard().Label2.text), "第85回 ステイヤーズステークス" + kTitlePadding);
    std::string ra = stakesRace();
    put(ra, 612, "000");
    f.store().setRa(0, ra);
    f.show(0);
    EXPECT_EQ(toUtf8(f.form.raceCard().Label2.text), "ステイヤーズステークス" + kTitlePadding);
}

struct PanelCase {
    const char* track;
    Color color;
};
class RaceCardPanelTest : public testing::TestWithParam<PanelCase> {};

TEST_P(RaceCardPanelTest, TurfIsGreenEverythingElseMaroon) {
    RaceDayFixture f;
    f.addRace(0, "03", 9);
    std::string ra = raceRecord("06", "03");
    put(ra, 706, GetParam().track);
    f.store().setRa(0, ra);
    f.show(0);
    EXPECT_EQ(f.form.raceCard().Panel3Color, GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Tracks, RaceCardPanelTest,
                         testing::Values(PanelCase{"09", colors::Maroon}, PanelCase{"10", colors::Green},
                                         PanelCase{"22", colors::Green}, PanelCase{"23", colors::Maroon},
                                         PanelCase{"51", colors::Maroon}));

// --- Grid texts -----------------------------------------------------------------------------------------------

struct CardRowCase {
    const char* name;
    std::function<void(std::string& se)> edit;
    std::vector<std::string> cells; // UTF-8, columns 0..13 of the second horse
};
class RaceCardRowTest : public testing::TestWithParam<CardRowCase> {};

TEST_P(RaceCardRowTest, CellTextsOfTheSecondHorse) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    f.editRunner(0, 1, GetParam().edit);
    f.show(0);
    std::vector<std::string> cells;
    for (int c = 0; c < RaceCard::kColCount; ++c)
        cells.push_back(toUtf8(f.form.raceCard().StringGrid6.cell(c, 2)));
    EXPECT_EQ(cells, GetParam().cells);
}

// Fourth, second favourite, blinkers, an apprentice; the painted-only columns keep no text.
void finished(std::string& se) {
    for (auto [pos, bytes] : {std::pair{295, "1"}, {323, "3"}, {335, "04"}, {339, "1345"}, {364, "02"}, {391, "345"}})
        put(se, pos, bytes);
}

INSTANTIATE_TEST_SUITE_P(Rows, RaceCardRowTest,
                         testing::Values(CardRowCase{"AfterTheRace",
                                                     finished,
                                                     {"1", " 2", "テストホース　　　　　　　　　　　　", "調教師　",
                                                      "ﾌﾞﾘﾝ", "3kg減", " 4", " 2", "1.34.5", "34.5", "", "", "", ""}},
                                         CardRowCase{"BeforeTheRace",
                                                     [](std::string& se) { put(se, 339, "0000"); },
                                                     {"1", " 2", "テストホース　　　　　　　　　　　　", "調教師　",
                                                      " ", "　", "  ", "  ", "      ", "   ", "", "", "", ""}}),
                         [](const testing::TestParamInfo<CardRowCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(RaceCardTest, RowsFollowTheRegisteredCountAndEmptyTheRowsOfTheRaceBefore) {
    RaceDayFixture f;
    f.addRace(0, "01", 12);
    f.addRace(1, "02", 5);
    f.show(0);
    f.form.entries().StringGrid26.setCell(30, 3, "stale");
    f.show(1);
    const RaceCard& card = f.form.raceCard();
    EXPECT_EQ(card.StringGrid6.rowCount(), 6);
    EXPECT_EQ(f.form.entries().StringGrid26.rowCount(), 6);
    EXPECT_EQ(f.form.entries().StringGrid8.rowCount(), 6);
    EXPECT_EQ(f.form.entries().StringGrid26.cell(30, 3), "");
    EXPECT_EQ(toUtf8(card.StringGrid6.cell(0, 0)), "枠");
    EXPECT_EQ(toUtf8(card.StringGrid6.cell(13, 0)), "異常区分");
    EXPECT_EQ(card.StringGrid6.cell(1, 5), " 5");
    EXPECT_EQ(f.store().CurrentRace, 1);
    // The entries table follows the race on screen.
    EXPECT_EQ(f.form.entries().StringGrid26.cell(1, 5), " 5");
    EXPECT_EQ(card.StringGrid6.selectedRow, -1);
    EXPECT_TRUE(f.form.visibility.StringGrid6 && f.form.visibility.PageControl1 && f.form.visibility.Panel8);
}

// --- Dependent views ------------------------------------------------------------------------------------------

TEST(RaceCardTest, DependentViewsFollowInOrderOnceTheCardIsFilled) {
    RaceDayFixture f;
    f.addRace(0, "05", 3);
    f.addRace(1, "06", 4);
    std::string hr = blankRecord("HR", records::HR);
    putRaceKey(hr, "06", "06");
    put(hr, 103, "0300000038002");
    f.store().setHr(1, hr);

    RaceCard& card = f.form.raceCard();
    RaceSelection& selection = f.form.raceSelection();
    std::vector<std::string> calls;
    selection.setStakeEditors = [&] { calls.push_back("stake"); };
    selection.JikuHimoBtnClick = [&] {
        calls.push_back("marks");
        // The marks see the new race with its card filled and an entries table not yet rebuilt.
        EXPECT_EQ(f.store().CurrentRace, 1);
        EXPECT_EQ(card.StringGrid6.cell(1, 4), " 4");
        EXPECT_EQ(f.form.entries().StringGrid26.cell(1, 4), "");
        EXPECT_EQ(toUtf8(f.form.payouts().KekkaPanel.entry(PayoutType::Tan, 0).Kekka.text), " 3");
    };
    selection.KaimeMakeBtnClick = [&] { calls.push_back("bets"); };
    selection.clearBetLabels = [&] {
        calls.push_back("labels");
        EXPECT_EQ(f.form.entries().StringGrid26.cell(1, 4), " 4");
    };
    f.show(1);
    EXPECT_EQ(calls, (std::vector<std::string>{"stake", "marks", "bets", "labels"}));

    // A refused race runs none of them.
    calls.clear();
    f.addRace(2, "07", 0);
    f.show(2);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(toUtf8(f.form.payouts().KekkaPanel.entry(PayoutType::Tan, 0).Kekka.text), " 3");
}

// --- Pop-up menu and tracked horses ---------------------------------------------------------------------------

TEST(RaceCardTest, MouseDownNamesTheHorseInThePopupMenu) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    f.editRunner(0, 2, [](std::string& se) {
        put(se, 41, paddedName("サクラ　ホース", 36));
        put(se, 307, paddedName("武豊", 8));
    });
    f.show(0);
    RaceCard& card = f.form.raceCard();
    card.StringGrid6MouseDown(3, 5);
    EXPECT_EQ(toUtf8(card.menu.R1), "追跡馬に登録:サクラホース");
    EXPECT_EQ(toUtf8(card.menu.UmaMenu), "馬情報:サクラホース");
    EXPECT_EQ(toUtf8(card.menu.KishuMenu), "騎手情報:武豊　　");
    EXPECT_EQ(toUtf8(card.menu.ChokMenu), "調教師情報:調教師　");
    EXPECT_EQ(f.store().CurrentHorse, 2);

    card.StringGrid6MouseDown(0, 5);
    EXPECT_EQ(f.store().CurrentHorse, 2);
}

TEST(RaceCardTest, TrackingAHorseSavesTheListOnceAndPaintsItsNumberRed) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    f.show(0);
    RaceCard& card = f.form.raceCard();
    EXPECT_EQ(card.paint(4, 1).background, colors::BtnFace);

    card.StringGrid6MouseDown(4, 1);
    f.desktop.expectConfirm(true, "テストホースを追跡馬に登録しますか？");
    card.R1Click();
    f.desktop.expectConfirm(true);
    card.R1Click();
    card.StringGrid6MouseDown(2, 1);
    f.desktop.expectConfirm(true);
    card.R1Click();
    EXPECT_TRUE(f.desktop.scriptUsedUp());

    const std::string name = paddedName("テストホース", 36);
    EXPECT_EQ(loadLines(f.dir / "ChaseHorse.dat"),
              (std::vector<std::string>{"2022010002" + name, "2022010004" + name}));
    EXPECT_EQ(f.desktop.messages[1], "テストホースを追跡馬に登録しました。");
    EXPECT_EQ(card.paint(4, 1).background, colors::Red);
    EXPECT_EQ(card.paint(2, 1).background, colors::Red);
    EXPECT_EQ(card.paint(3, 1).background, colors::BtnFace);
}

TEST(RaceCardTest, AnsweringNoTracksNothing) {
    RaceDayFixture f;
    f.addRace(0, "05", 9);
    f.show(0);
    f.form.raceCard().StringGrid6MouseDown(1, 1);
    f.desktop.expectConfirm(false);
    f.form.raceCard().R1Click();
    EXPECT_FALSE(fs::exists(f.dir / "ChaseHorse.dat"));
    EXPECT_TRUE(f.form.TrackedHorses.empty());
    EXPECT_EQ(f.form.raceCard().paint(1, 1).background, colors::BtnFace);
}

} // namespace
