#include "analysis/MiningIntake.h"
#include "core/results/DayFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <utility>
#include <vector>

using namespace renoka;
using namespace renoka::test;

namespace {

using Fields = std::vector<std::pair<int, std::string>>; // horse number, field text
using Expected = std::vector<std::array<int, 3>>;        // horse number, value, rank

std::string dm(const char* course, int raceNo, const Fields& times) {
    Rec r("DM", 303);
    r.race(course, raceNo);
    for (const auto& [horse, time] : times)
        r.num(32 + 15 * (horse - 1), 2, horse).put(34 + 15 * (horse - 1), time);
    return r.bytes;
}

std::string tm(const char* course, int raceNo, const Fields& scores) {
    Rec r("TM", 141);
    r.race(course, raceNo);
    for (const auto& [horse, score] : scores)
        r.num(32 + 6 * (horse - 1), 2, horse).put(34 + 6 * (horse - 1), score);
    return r.bytes;
}

// Every horse not listed must have neither a value nor a rank.
void expectTable(const std::array<int32_t, 18>& values, const std::array<int32_t, 18>& ranks, const Expected& want) {
    std::array<int, 18> wantValue{}, wantRank{};
    for (const auto& [horse, value, rank] : want) {
        wantValue[static_cast<size_t>(horse - 1)] = value;
        wantRank[static_cast<size_t>(horse - 1)] = rank;
    }
    for (size_t h = 0; h < 18; ++h) {
        EXPECT_EQ(values[h], wantValue[h]) << "horse " << h + 1;
        EXPECT_EQ(ranks[h], wantRank[h]) << "horse " << h + 1;
    }
}

struct TimeCase {
    const char* name;
    bool dmRecord;
    Fields dmTimes;
    Fields seTimes; // the runner record's own forecast at 538
    Expected expected;
};

class MiningTimeRankTest : public testing::TestWithParam<TimeCase> {};

TEST_P(MiningTimeRankTest, TimeMiningAndItsRank) {
    const TimeCase& c = GetParam();
    DayFixture f;
    f.setRace(0, "06", 1);
    if (c.dmRecord) f.writeDayFile(".jvDM", {dm("06", 1, c.dmTimes)});
    for (const auto& [horse, time] : c.seTimes)
        f.store().setSe(0, horse - 1, Rec("SE", 555).race("06", 1).num(29, 2, horse).put(538, time).bytes);
    f.form->mining().DMReadBtnClick();
    expectTable(f.work(0).TimeMining, f.work(0).TimeMiningRank, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MiningTimeRankTest,
    testing::Values(
        TimeCase{"FastestFirst",
                 true,
                 {{1, "13512"}, {2, "13498"}, {3, "13605"}},
                 {},
                 {{1, 13512, 2}, {2, 13498, 1}, {3, 13605, 3}}},
        TimeCase{"EqualTimesLowerNumberFirst",
                 true,
                 {{5, "13500"}, {2, "13500"}, {9, "13400"}},
                 {},
                 {{9, 13400, 1}, {2, 13500, 2}, {5, 13500, 3}}},
        TimeCase{
            "RunnerRecordWins", true, {{1, "13500"}, {2, "13600"}}, {{2, "13400"}}, {{2, 13400, 1}, {1, 13500, 2}}},
        TimeCase{"RunnerRecordOutsideItsRangeIsIgnored",
                 true,
                 {{1, "13500"}, {2, "13600"}},
                 {{1, "99999"}, {2, "00000"}},
                 {{1, 13500, 1}, {2, 13600, 2}}},
        TimeCase{"BlankTextAndSignAreNoTime",
                 true,
                 {{1, "     "}, {2, "13A00"}, {3, "13700"}, {4, "-1300"}},
                 {},
                 {{3, 13700, 1}}},
        TimeCase{
            "RunnerRecordWithoutDmRecord", false, {}, {{4, "13300"}, {11, "13250"}}, {{11, 13250, 1}, {4, 13300, 2}}}),
    [](const testing::TestParamInfo<TimeCase>& param) { return std::string(param.param.name); });

struct ScoreCase {
    const char* name;
    Fields scores;
    Expected expected;
};

class MiningScoreRankTest : public testing::TestWithParam<ScoreCase> {};

TEST_P(MiningScoreRankTest, TaisenMiningAndItsRank) {
    const ScoreCase& c = GetParam();
    DayFixture f;
    f.setRace(0, "06", 1);
    f.writeDayFile(".jvTM", {tm("06", 1, c.scores)});
    f.form->mining().DMReadBtnClick();
    expectTable(f.work(0).TaisenMining, f.work(0).TaisenMiningRank, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MiningScoreRankTest,
    testing::Values(
        ScoreCase{"HighestFirst", {{1, "0523"}, {2, "0611"}, {3, "0498"}}, {{2, 611, 1}, {1, 523, 2}, {3, 498, 3}}},
        ScoreCase{"EqualScoresHigherNumberFirst",
                  {{4, "0500"}, {7, "0500"}, {1, "0400"}},
                  {{7, 500, 1}, {4, 500, 2}, {1, 400, 3}}},
        ScoreCase{"AboveOneThousandIsNoScore", {{1, "1001"}, {2, "1000"}, {3, "9999"}, {4, "0000"}}, {{2, 1000, 1}}},
        ScoreCase{"TextIsNoScore", {{1, "05A0"}, {2, "    "}, {3, "0300"}}, {{3, 300, 1}}}),
    [](const testing::TestParamInfo<ScoreCase>& param) { return std::string(param.param.name); });

TEST(MiningIntakeTest, RecordsGoToTheSlotOfTheirRaceOnly) {
    DayFixture f;
    f.setRace(0, "06", 1);
    f.setRace(1, "06", 2);
    f.setRace(2, "09", 1);
    // A race that is not on the day and a record without a key find no slot; slot 3 has no race.
    f.writeDayFile(".jvDM", {dm("09", 1, {{1, "11111"}}), dm("06", 5, {{1, "12222"}}), dm("06", 2, {{1, "13333"}}),
                             Rec("DM", 303).put(32, "0114444").bytes});
    f.form->mining().DMReadBtnClick();
    EXPECT_EQ(f.work(2).TimeMining[0], 11111);
    EXPECT_EQ(f.work(1).TimeMining[0], 13333);
    EXPECT_EQ(f.work(0).TimeMining[0], 0);
    EXPECT_EQ(f.work(3).TimeMining[0], 0);
    EXPECT_EQ(f.store().dm(3), std::string(303, ' '));
}

TEST(MiningIntakeTest, OnlyTheFirst36WholeRecordsAreRead) {
    DayFixture f;
    f.setRace(0, "06", 1);
    f.setRace(1, "06", 2);
    std::vector<std::string> records(36, dm("05", 1, {{1, "10000"}}));
    records.push_back(dm("06", 1, {{1, "13000"}}));
    f.writeDayFile(".jvDM", records);
    // A record cut short at the end of the file is no record.
    f.writeDayFile(".jvTM", {tm("06", 1, {{1, "0500"}})}, tm("06", 2, {{1, "0600"}}).substr(0, 120));
    f.form->mining().DMReadBtnClick();
    EXPECT_EQ(f.work(0).TimeMining[0], 0);
    EXPECT_EQ(f.work(0).TaisenMining[0], 500);
    EXPECT_EQ(f.work(1).TaisenMining[0], 0);
    EXPECT_EQ(f.store().tm(1), std::string(141, ' '));
}

TEST(MiningIntakeTest, RereadWithoutFilesClearsEverythingAndTheAxisSelectionSeesTheNewTables) {
    DayFixture f;
    f.setRace(0, "06", 1);
    f.writeDayFile(".jvDM", {dm("06", 1, {{3, "13000"}})});
    f.writeDayFile(".jvTM", {tm("06", 1, {{3, "0700"}})});
    std::vector<std::array<int, 2>> seen;
    f.form->mining().JikuBtnClick = [&] {
        seen.push_back({f.work(0).TimeMiningRank[2], f.work(0).TaisenMiningRank[2]});
    };
    f.form->mining().DMReadBtnClick();
    std::filesystem::remove_all(f.dir / "Data");
    f.form->mining().DMReadBtnClick();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (std::array<int, 2>{1, 1}));
    EXPECT_EQ(seen[1], (std::array<int, 2>{0, 0}));
    EXPECT_EQ(f.work(0).TimeMining[2], 0);
    EXPECT_EQ(f.work(0).TaisenMining[2], 0);
}

} // namespace
