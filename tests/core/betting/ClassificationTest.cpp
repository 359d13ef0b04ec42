#include "core/betting/MarksFixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace renoka;
using namespace renoka::test;

namespace {

enum class Kind { Axis, Partner, Excluded };

struct ClassCase {
    const char* name;
    // Changes horse 3, which starts as an axis candidate with mining rank 1.
    std::function<void(MarksFixture&, std::string& se, std::string& prev, RaceWork& w)> change;
    Kind expected;
};

class ClassificationTest : public testing::TestWithParam<ClassCase> {};

TEST_P(ClassificationTest, HorseThree) {
    MarksFixture f;
    f.makeAxisCandidate(3, 1);
    std::string se(f.store.se(0, 2));
    std::string prev(f.store.prevSe(0, 2, 1));
    GetParam().change(f, se, prev, f.work());
    f.store.setSe(0, 2, se);
    f.store.setPrevSe(0, 2, 1, prev);
    f.marks.JikuHimoBtnClick();
    const RaceWork& w = f.work();
    const Kind kind = GetParam().expected;
    EXPECT_EQ(w.AxisCandidate[2], kind == Kind::Axis ? 1 : 0);
    EXPECT_EQ(w.PartnerCandidate[2], kind == Kind::Partner ? 1 : 0);
    EXPECT_EQ(w.ExcludedHorse[2], kind == Kind::Excluded ? 1 : 0);
    EXPECT_EQ(w.ExclusionMark[2], kind == Kind::Excluded ? 1 : 0);
    EXPECT_EQ(f.cell(11, 3), kind == Kind::Excluded ? "消" : "");
    // The only axis candidate is the axis.
    EXPECT_EQ(f.cell(8, 3), kind == Kind::Axis ? "ν" : "");
}

using Se = std::string;
ClassCase at(const char* name, int pos, const char* bytes, Kind kind) {
    return {name, [pos, bytes](MarksFixture&, Se& se, Se&, RaceWork&) { put(se, pos, bytes); }, kind};
}
ClassCase prevAt(const char* name, int pos, const char* bytes, Kind kind) {
    return {name, [pos, bytes](MarksFixture&, Se&, Se& prev, RaceWork&) { put(prev, pos, bytes); }, kind};
}
ClassCase work(const char* name, std::function<void(RaceWork&)> edit, Kind kind) {
    return {name, [edit](MarksFixture&, Se&, Se&, RaceWork& w) { edit(w); }, kind};
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ClassificationTest,
    testing::Values(
        work(
            "AllRulesPass", [](RaceWork&) {}, Kind::Axis),
        work(
            "Weight460", [](RaceWork& w) { w.Bataiju[2] = 460; }, Kind::Axis),
        work(
            "Weight459", [](RaceWork& w) { w.Bataiju[2] = 459; }, Kind::Partner),
        work(
            "Weight459PoorScore", [](RaceWork& w) { w.Bataiju[2] = 459, w.TaisenMiningRank[2] = 9; }, Kind::Partner),
        work(
            "Weight458PoorScore", [](RaceWork& w) { w.Bataiju[2] = 458, w.TaisenMiningRank[2] = 9; }, Kind::Excluded),
        work(
            "NoWeightPoorScore", [](RaceWork& w) { w.Bataiju[2] = 0, w.TaisenMiningRank[2] = 9; }, Kind::Excluded),
        work(
            "NoWeightScoreRank8", [](RaceWork& w) { w.Bataiju[2] = 0, w.TaisenMiningRank[2] = 8; }, Kind::Partner),
        work(
            "HeavyPoorScoreStaysAxis", [](RaceWork& w) { w.TaisenMiningRank[2] = 18; }, Kind::Axis),
        work(
            "MiningRank5", [](RaceWork& w) { w.TimeMiningRank[2] = 5; }, Kind::Axis),
        work(
            "MiningRank6", [](RaceWork& w) { w.TimeMiningRank[2] = 6; }, Kind::Partner),
        work(
            "NoMiningRank", [](RaceWork& w) { w.TimeMiningRank[2] = 0; }, Kind::Partner),
        work(
            "PreviousF3Rank3", [](RaceWork& w) { w.ZensoF3Rank[2] = 3; }, Kind::Partner),
        work(
            "PreviousF3Rank4", [](RaceWork& w) { w.ZensoF3Rank[2] = 4; }, Kind::Axis),
        work(
            "NoPreviousF3Rank", [](RaceWork& w) { w.ZensoF3Rank[2] = 0; }, Kind::Partner),
        at("Gelding", 79, "3", Kind::Partner), at("Filly", 79, "2", Kind::Axis),
        at("Symbol06", 77, "06", Kind::Partner), at("Symbol11", 77, "11", Kind::Partner),
        at("Symbol16", 77, "16", Kind::Partner), at("Symbol20", 77, "20", Kind::Partner),
        at("Symbol22", 77, "22", Kind::Partner), at("Symbol40", 77, "40", Kind::Partner),
        at("Symbol41", 77, "41", Kind::Partner), at("Symbol05", 77, "05", Kind::Axis),
        at("Symbol21", 77, "21", Kind::Axis), at("Blinkers", 295, "1", Kind::Partner),
        at("BlinkersBlank", 295, " ", Kind::Axis), at("Age1", 83, "01", Kind::Partner),
        at("Age2", 83, "02", Kind::Axis), at("Age6", 83, "06", Kind::Axis), at("Age7", 83, "07", Kind::Partner),
        at("AgeBlank", 83, "  ", Kind::Partner), prevAt("PreviousWinner", 335, "01", Kind::Partner),
        prevAt("PreviousSecond", 335, "02", Kind::Axis), prevAt("PreviousPlacingBlank", 335, "  ", Kind::Partner),
        prevAt("Carried534", 289, "534", Kind::Partner), prevAt("Carried535", 289, "535", Kind::Axis),
        ClassCase{"NoPreviousRun", [](MarksFixture&, Se&, Se& prev, RaceWork&) { prev.clear(); }, Kind::Partner}),
    [](const testing::TestParamInfo<ClassCase>& p) { return std::string(p.param.name); });

TEST(ClassificationTest, ClearsTheMarkColumnsButKeepsTheExclusionMark) {
    MarksFixture f;
    f.work().ExclusionMark[4] = 1; // excluded at an earlier selection of the race
    for (int c = 8; c <= 11; ++c)
        f.grid.setCell(c, 2, sj("ν"));
    f.work().AxisCandidate[1] = 7; // a rule number of the horse judgement
    f.work().AxisMark[1] = 1;
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(f.cell(8, 2), "");
    EXPECT_EQ(f.cell(9, 2), "");
    EXPECT_EQ(f.cell(10, 2), "");
    EXPECT_EQ(f.cell(11, 2), "ν") << "the exclusion column is not emptied";
    EXPECT_EQ(f.cell(11, 5), "消");
    EXPECT_EQ(f.work().ExclusionMark[4], 1);
    EXPECT_EQ(f.work().ExcludedHorse[4], 0);
    EXPECT_EQ(f.work().AxisCandidate[1], 0);
    EXPECT_EQ(f.work().AxisMark[1], 0);
    // Without forecasts or odds no horse is considered by any order: no marks at all.
    EXPECT_TRUE(MarksFixture::marked(f.work().Partner1Mark).empty());
}

TEST(ClassificationTest, HorsesBeyondTheFieldStayUnclassified) {
    MarksFixture f(8);
    f.work().TimeMiningRank[8] = 1; // a stale value behind the last runner
    f.marks.JikuHimoBtnClick();
    EXPECT_EQ(f.work().PartnerCandidate[7], 1);
    EXPECT_EQ(f.work().PartnerCandidate[8], 0);
    EXPECT_EQ(f.work().Partner1Mark[8], 0);
}

} // namespace
