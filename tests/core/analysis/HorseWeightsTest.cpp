#include "analysis/HorseWeights.h"
#include "core/results/DayFixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace renoka;
using namespace renoka::test;

namespace {

struct Weight {
    const char* weight; // 3 characters
    const char* sign;   // 1
    const char* change; // 3
};

struct WeightCase {
    const char* name;
    Weight wh;
    bool seHasFields;
    Weight se;
    int bataiju;
    int zogen;
};

class HorseWeightReadTest : public testing::TestWithParam<WeightCase> {};

TEST_P(HorseWeightReadTest, WeightAndChange) {
    const WeightCase& c = GetParam();
    DayFixture f;
    f.setRace(0, "06", 1);
    // Horse 5 of the race: WH entry 5, runner record of horse index 4.
    const int at = 36 + 45 * 4;
    f.writeDayFile(".jvWH", {Rec("WH", 847)
                                 .race("06", 1)
                                 .put(at, "05")
                                 .put(at + 38, c.wh.weight)
                                 .put(at + 41, c.wh.sign)
                                 .put(at + 42, c.wh.change)
                                 .bytes});
    if (c.seHasFields)
        f.store().setSe(0, 4,
                        Rec("SE", 555)
                            .race("06", 1)
                            .put(29, "05")
                            .put(325, c.se.weight)
                            .put(328, c.se.sign)
                            .put(329, c.se.change)
                            .bytes);
    f.form->weights().BataijuReadBtnClick();
    EXPECT_EQ(f.work(0).Bataiju[4], c.bataiju);
    EXPECT_EQ(f.work(0).BataijuZogen[4], c.zogen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HorseWeightReadTest,
    testing::Values(
        WeightCase{"MinusIsALoss", {"480", "-", "006"}, false, {}, 480, -6},
        WeightCase{"BlankSignIsAGain", {"480", " ", "006"}, false, {}, 480, 6},
        WeightCase{"PlusIsAGain", {"452", "+", "010"}, false, {}, 452, 10},
        WeightCase{"NotWeighedIsNoWeight", {"999", " ", "999"}, false, {}, 0, 0},
        WeightCase{"BlankFieldsAreZero", {"   ", " ", "   "}, false, {}, 0, 0},
        WeightCase{"RunnerRecordWins", {"470", "+", "002"}, true, {"482", "-", "004"}, 482, -4},
        WeightCase{"RunnerRecordWithoutWeightLeavesWh", {"470", "+", "002"}, true, {"000", " ", "   "}, 470, 2},
        WeightCase{"RunnerRecordNotWeighedLeavesWh", {"470", "+", "002"}, true, {"999", " ", "999"}, 470, 2}),
    [](const testing::TestParamInfo<WeightCase>& param) { return std::string(param.param.name); });

TEST(HorseWeightReadTest, RecordsFindTheirRaceAndARereadRebuildsWhole) {
    DayFixture f;
    f.setRace(0, "06", 1);
    f.setRace(1, "09", 11);
    auto wh = [](const char* course, int raceNo, const char* weight) {
        return Rec("WH", 847).race(course, raceNo).put(36, "01").put(74, weight).put(77, "+").put(78, "000").bytes;
    };
    f.writeDayFile(".jvWH", {wh("09", 11, "500"), wh("06", 3, "510")});
    f.form->weights().BataijuReadBtnClick();
    EXPECT_EQ(f.work(1).Bataiju[0], 500);
    EXPECT_EQ(f.work(0).Bataiju[0], 0);
    EXPECT_EQ(f.store().wh(0), std::string(847, ' '));

    f.writeDayFile(".jvWH", {wh("06", 1, "490")});
    f.form->weights().BataijuReadBtnClick();
    EXPECT_EQ(f.work(0).Bataiju[0], 490);
    EXPECT_EQ(f.work(1).Bataiju[0], 0);
}

// --- Previous-run rank of the last three furlongs ----------------------------------------------------------

struct Runner {
    int horse;
    int placing;
    const char* f3;   // last three furlongs, tenths, 3 characters
    const char* time; // running time m ss t, 4 characters
    int raceNo = 7;
};

// The runner file of Tokyo, 2026-11-29, that the previous runs below point to.
void writePreviousDay(DayFixture& f, const std::vector<Runner>& runners) {
    std::vector<std::string> lines(216, std::string(553, ' ') + "\r\n");
    for (const Runner& r : runners)
        lines[static_cast<size_t>((r.raceNo - 1) * 18 + r.horse - 1)] = Rec("SE", 555)
                                                                            .race("05", r.raceNo, "1129")
                                                                            .num(29, 2, r.horse)
                                                                            .num(335, 2, r.placing)
                                                                            .put(339, r.time)
                                                                            .put(391, r.f3)
                                                                            .bytes;
    f.writeData("2026年11月29日東京.jvSEr", lines);
}

void setPreviousRun(DayFixture& f, int slot, int horseIndex, int previousHorse, const char* mmdd = "1129") {
    f.store().setPrevSe(slot, horseIndex, 1, Rec("SE", 555).race("05", 7, mmdd).num(29, 2, previousHorse).bytes);
}

struct F3Case {
    const char* name;
    std::vector<Runner> runners;
    int self; // the horse's number in its previous race
    int rank;
};

class ZensoF3RankTest : public testing::TestWithParam<F3Case> {};

TEST_P(ZensoF3RankTest, RankInThePreviousRace) {
    const F3Case& c = GetParam();
    DayFixture f;
    f.setRace(0, "06", 1, 1);
    f.form->DatList.items = {"race"};
    writePreviousDay(f, c.runners);
    setPreviousRun(f, 0, 0, c.self);
    f.form->weights().ZensoF3BtnClick();
    EXPECT_EQ(f.work(0).ZensoF3Rank[0], c.rank);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZensoF3RankTest,
    testing::Values(
        F3Case{"FastestFurlongsFirst", {{1, 1, "350", "1350"}, {2, 2, "338", "1352"}, {3, 3, "345", "1353"}}, 3, 2},
        F3Case{"EqualFurlongsGoToTheFasterTime",
               {{1, 1, "345", "1350"}, {2, 2, "345", "1349"}, {3, 3, "340", "1360"}},
               1,
               3},
        F3Case{"EqualFurlongsAndTimeGoToTheLowerNumber", {{4, 1, "345", "1350"}, {2, 2, "345", "1350"}}, 4, 2},
        F3Case{"NonFinisherIsLeftOut", {{1, 0, "330", "1400"}, {2, 1, "340", "1350"}, {3, 2, "345", "1351"}}, 3, 2},
        F3Case{"NonFinisherHimselfHasNoRank", {{1, 0, "330", "1400"}, {2, 1, "340", "1350"}}, 1, 0},
        F3Case{"NoFurlongTimeIsLeftOut", {{1, 1, "000", "1350"}, {2, 2, "350", "1351"}}, 2, 1},
        F3Case{"OwnRecordMissing", {{1, 1, "350", "1350"}, {2, 2, "345", "1351"}}, 9, 0},
        F3Case{"OtherRacesOfTheDayDoNotCount",
               {{1, 1, "300", "1300", 8}, {2, 1, "350", "1350"}, {3, 2, "345", "1351"}},
               2,
               2}),
    [](const testing::TestParamInfo<F3Case>& param) { return std::string(param.param.name); });

TEST(ZensoF3RankTest, OnlyRacesOfTheListAndRegisteredHorsesAndFoundRanksAreWritten) {
    DayFixture f;
    f.setRace(0, "06", 1, 2);
    f.setRace(1, "06", 2, 18);
    f.form->DatList.items = {"race 1"};
    writePreviousDay(f, {{1, 1, "350", "1350"}, {2, 2, "340", "1351"}});
    setPreviousRun(f, 0, 0, 1);
    setPreviousRun(f, 0, 1, 2, "1130"); // a day without a runner file
    setPreviousRun(f, 0, 2, 2);         // horse 3 is not registered
    setPreviousRun(f, 1, 0, 2);         // race 2 is not in the race list
    f.work(0).ZensoF3Rank[1] = 5;
    f.form->weights().ZensoF3BtnClick();
    EXPECT_EQ(f.work(0).ZensoF3Rank[0], 2);
    EXPECT_EQ(f.work(0).ZensoF3Rank[1], 5);
    EXPECT_EQ(f.work(0).ZensoF3Rank[2], 0);
    EXPECT_EQ(f.work(1).ZensoF3Rank[0], 0);
    // The venue list served as the sorting list; the day load builds it afterwards.
    ASSERT_EQ(f.form->VenueList.count(), 2);
    EXPECT_EQ(f.form->VenueList[0], "3401351020");
}

} // namespace
