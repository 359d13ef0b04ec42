#include "raceday/DayLoader.h"
#include "core/results/DayFixture.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

std::string se(const char* course, int raceNo, int horse, const char* registration, char kind = '7',
               const char* mmdd = "1208") {
    Rec r("SE", 555);
    r.race(course, raceNo, mmdd).num(29, 2, horse).put(31, registration).put(41, sj("テストホース"));
    r.bytes[2] = kind;
    return r.bytes;
}

// A 216-line runner file of one racecourse with the given runners put on their lines.
std::vector<std::string> runnerFile(const std::vector<std::string>& runners) {
    std::vector<std::string> lines(216, std::string(553, ' ') + "\r\n");
    for (const auto& r : runners)
        lines[static_cast<size_t>((toInt(r.substr(25, 2)) - 1) * 18 + toInt(r.substr(28, 2)) - 1)] = r;
    return lines;
}

class DayLoaderTest : public DayFixture, public testing::Test {
protected:
    void load(const char* dayUtf8 = "2026年12月08日") {
        form->DateCombo.items = {sj(dayUtf8)};
        form->DateCombo.itemIndex = 0;
        form->dayLoader().DateComboChange();
    }
};

TEST_F(DayLoaderTest, OnlyTheFirst36RacesAreLoadedAndTheRaceListFollowsTheSlots) {
    std::vector<std::string> races;
    for (const char* course : {"05", "06", "09", "10"})
        for (int r = 1; r <= 12 && races.size() < 38; ++r)
            races.push_back(ra(course, r, 0).bytes);
    writeDayFile(".jvRA", races);
    load();
    EXPECT_EQ(store().LoadedRaceCount, 36);
    ASSERT_EQ(form->DatList.items.size(), 36u);
    EXPECT_EQ(toUtf8(form->DatList.items[0]), "東京 1R");
    EXPECT_EQ(toUtf8(form->DatList.items[35]), "阪神12R");
    // The placeholder odds file: one blank win/place record per race line.
    auto o1 = loadLines(pathUnder(dir.path(), sj("Data/2026年12月08日.jvO1")));
    ASSERT_EQ(o1.size(), 38u);
    EXPECT_EQ(o1[0], std::string(960, ' '));
    EXPECT_EQ(form->RaceAmounts.size(), 36u);
    EXPECT_EQ(form->RaceAmounts[0], "3000");
}

TEST_F(DayLoaderTest, AMissingRaceFileIsReportedAndNothingIsLoaded) {
    load();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0], "データ作成が未完了のようです。");
    EXPECT_TRUE(form->DatList.items.empty());
}

struct TimingCase {
    const char* autoOzGet;
    const char* autoRdataGet;
    const char* firstFetch;
    int intervalMs;
};

class TimingSettingsTest : public DayLoaderTest, public testing::WithParamInterface<TimingCase> {};

// Minutes that would overflow when made milliseconds or negated are not used: the default takes their place. An
// interval of 0 stays 0 (the timer then has no effect).
TEST_P(TimingSettingsTest, OnlyMinutesWithinADayArmTheFetches) {
    writeBytes(dir / "renoka.ini", std::string("[Time]\r\nAutoOzGet=") + GetParam().autoOzGet +
                                       "\r\nAutoRdataGet=" + GetParam().autoRdataGet + "\r\n");
    writeDayFile(".jvRA", {ra("05", 11).put(874, "1540").bytes});
    load();
    ASSERT_EQ(form->DatList.items.size(), 1u);
    EXPECT_EQ(std::string(work(0).OzGetTimes[0].view()), GetParam().firstFetch);
    EXPECT_EQ(form->Timer4.intervalMs, GetParam().intervalMs);
}

INSTANTIATE_TEST_SUITE_P(Settings, TimingSettingsTest,
                         testing::Values(TimingCase{"15", "30", "1525", 30 * 60000},
                                         TimingCase{"0", "1440", "1540", 1440 * 60000},
                                         TimingCase{"-2147483648", "40000", "1530", 10 * 60000},
                                         TimingCase{"2147483647", "0", "1530", 0},
                                         TimingCase{"1440", "-5", "1530", 10 * 60000}));

struct ResultsCase {
    char secondKind;
    const char* text;
    uint32_t rgb;
};
class ResultsStateTest : public DayLoaderTest, public testing::WithParamInterface<ResultsCase> {};

TEST_P(ResultsStateTest, FollowsTheRunnerRecordsOnly) {
    writeDayFile(".jvRA", {ra("05", 1, 2).bytes});
    writeData("2026年12月08日東京.jvSEr",
              runnerFile({se("05", 1, 1, "2022100001"), se("05", 1, 2, "2022100002", GetParam().secondKind)}));
    load();
    EXPECT_EQ(toUtf8(form->SeiRecLabel.text), GetParam().text);
    EXPECT_EQ(form->SeiRecLabel.color, Color::rgbOf(GetParam().rgb));
    EXPECT_EQ(field(store().se(0, 1), 29, 2), "02");
    EXPECT_TRUE(trimView(store().hr(0)).empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ResultsStateTest,
                         testing::Values(ResultsCase{'7', "成績記録済", 0x00FFFF},
                                         ResultsCase{'2', "成績未記録", 0xFFFF00}));

TEST_F(DayLoaderTest, ARaceWithoutRegisteredHorsesReadsNoRunners) {
    writeDayFile(".jvRA", {ra("05", 1, 0).bytes});
    writeData("2026年12月08日東京.jvSEr", runnerFile({se("05", 1, 1, "2022100001")}));
    load();
    EXPECT_TRUE(trimView(store().se(0, 0)).empty());
}

TEST_F(DayLoaderTest, ThePreviousRunIsTheLatestStrictlyEarlierRunWithItsRaceDetails) {
    writeDayFile(".jvRA", {ra("05", 11, 2).bytes});
    writeData("2026年12月08日東京.jvSEr", runnerFile({se("05", 11, 1, "2022100001"), se("05", 11, 2, "2022100002")}));
    // Horse 1: runs on 11/01 (Kyoto race 9) and 11/22 (Oi, a local course), and one on the race day itself.
    writeBytes(pathUnder(dir.path(), "SEI/2022/2022100001.jvSEI"), se("08", 9, 3, "2022100001", '7', "1101") +
                                                                       se("44", 4, 5, "2022100001", 'A', "1122") +
                                                                       se("05", 11, 1, "2022100001", '7', "1208"));
    // Horse 2: its only run is on the race day: no previous run.
    writeBytes(pathUnder(dir.path(), "SEI/2022/2022100002.jvSEI"), se("05", 11, 2, "2022100002", '7', "1208"));
    Rec local("RA", 1272);
    local.race("44", 4, "1122").put(33, sj("大井の特別"));
    Rec other("RA", 1272);
    other.race("44", 3, "1122");
    writeBytes(pathUnder(dir.path(), "SEIR/2026/2026112244.jvSERA"), other.bytes + local.bytes);
    load();
    EXPECT_EQ(field(store().prevSe(0, 0, 1), 16, 4), "1122");
    EXPECT_EQ(field(store().prevRa(0, 0, 1), 12, 16), "2026112244050304");
    EXPECT_EQ(field(store().prevRa(0, 0, 1), 33, 10), sj("大井の特別"));
    EXPECT_TRUE(trimView(store().prevSe(0, 1, 1)).empty());
    EXPECT_TRUE(trimView(store().prevRa(0, 1, 1)).empty());

    // Another day where horse 1 has no earlier run must not keep the first day's previous run.
    writeBytes(pathUnder(dir.path(), sj("Data/2026年10月01日.jvRA")), ra("05", 11, 1).bytes);
    load("2026年10月01日");
    EXPECT_TRUE(trimView(store().prevSe(0, 0, 1)).empty());
    EXPECT_TRUE(
        std::all_of(store().prevSe(0, 0, 2).begin(), store().prevSe(0, 0, 2).end(), [](char c) { return c == '\0'; }));
}

TEST_F(DayLoaderTest, PayoutsFindTheirRaceByTheMatchKey) {
    writeDayFile(".jvRA", {ra("05", 1, 0).bytes, ra("05", 2, 0).bytes});
    Rec hr("HR", 719);
    hr.race("05", 2);
    Rec stray("HR", 719);
    stray.race("06", 2);
    Rec blank("HR", 719);
    writeDayFile(".jvHR", {blank.bytes, stray.bytes, hr.bytes});
    load();
    EXPECT_EQ(field(store().hr(1), 26, 2), "02");
    EXPECT_TRUE(trimView(store().hr(0)).empty());
}

struct DayArmCase {
    const char* now;
    const char* day;
    bool armed;
};
class AutomaticDayTest : public testing::TestWithParam<DayArmCase> {};

TEST_P(AutomaticDayTest, IsTodayOrTomorrowFromSixInTheEvening) {
    FakeClock clock(GetParam().now);
    EXPECT_EQ(DayLoader::automaticDay(sj(GetParam().day), clock.now()), GetParam().armed);
}

INSTANTIATE_TEST_SUITE_P(Times, AutomaticDayTest,
                         testing::Values(DayArmCase{"2026-12-08 17:59:59", "2026年12月09日", false},
                                         DayArmCase{"2026-12-08 18:00:00", "2026年12月09日", true},
                                         DayArmCase{"2026-12-08 06:00:00", "2026年12月08日", true},
                                         DayArmCase{"2026-12-08 23:00:00", "2026年12月10日", false},
                                         DayArmCase{"2026-12-08 09:00:00", "2026年12月07日", false}));

TEST_F(DayLoaderTest, BatchLoadGoesOldestFirstAndSkipsMarkedDays) {
    for (const char* day : {"2026年12月01日", "2026年12月02日", "2026年12月03日"})
        writeBytes(pathUnder(dir.path(), sj(std::string("Data/") + day + ".jvRA")), ra("05", 1, 0).bytes);
    writeBytes(pathUnder(dir.path(), sj("STAT/2026年12月01日.stat1")), "");
    form->DateCombo.items = {sj("2026年12月03日"), sj("2026年12月02日"), sj("2026年12月01日")};
    std::vector<std::string> loaded;
    desktop.onProcessEvents = [&] {
        if (loaded.empty() || loaded.back() != store().DayName) loaded.push_back(store().DayName);
    };
    form->dayLoader().DirectReadBtnClick();
    EXPECT_EQ(loaded, (std::vector<std::string>{sj("2026年12月02日"), sj("2026年12月03日")}));
    EXPECT_FALSE(form->BatchMode);
}

} // namespace
