// The routes of the real-time readers: which records reach which file, zeroed or as they came, and what is dropped.
#include "jv/realtime/RealtimeRouter.h"

#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "store/RecordSizes.h"
#include "support/TempDir.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <optional>

using namespace renoka;
using namespace renoka::test;

namespace {

// A record line as the reader hands it over (no CR LF): type, data kind and creation date, race key of
// 2026-12-08 at Nakayama ("06"), then a tag that tells lines apart.
std::string line(const char* type, size_t length, int race, char kind = '1', const std::string& tag = "x") {
    std::string l = std::string(type) + kind + "20261208" + "2026120806050" + "3" + fmt("%02d", race) + tag;
    l.resize(length - 2, ' ');
    return l;
}

std::string zeroed(std::string l) {
    l.replace(2, 9, "000000000");
    return l;
}

// A WE record: meeting day (no race number), announcement time MMDDhhmm, change kind.
std::string we(const char* time, char change, const std::string& state) {
    std::string l = std::string("WE1") + "20261208" + "20261208060503" + time + change + state;
    l.resize(records::WE - 2, ' ');
    return l;
}

struct RouteCase {
    const char* name;
    std::vector<std::pair<const char*, std::vector<std::string>>> before; // files (UTF-8, below the program folder)
    RealtimeData data;
    std::vector<std::string> records;
    const char* file;
    std::optional<std::vector<std::string>> after; // nothing: the file must not exist
    int rejected = 0;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << c.name;
}

class RealtimeRouterTest : public testing::TestWithParam<RouteCase> {};

TEST_P(RealtimeRouterTest, PutsEachRecordWhereItsRouteSays) {
    const RouteCase& c = GetParam();
    TempDir dir;
    for (const char* folder : {"Data", "CHG"})
        std::filesystem::create_directories(dir / folder);
    for (const auto& [file, lines] : c.before)
        saveLines(dir / file, lines);
    DayFileStore files;
    int rejected = 0;
    RealtimeRouter router(files, dir.path(), [&](const std::string&) { ++rejected; });
    for (const std::string& record : c.records)
        router.route(c.data, record);
    const auto target = dir / c.file;
    if (c.after) {
        EXPECT_EQ(loadLines(target), *c.after);
    } else {
        EXPECT_FALSE(std::filesystem::exists(target));
    }
    EXPECT_EQ(rejected, c.rejected);
}

const std::string kO3 = line("O3", records::O3, 5);
const std::string kRa1 = zeroed(line("RA", records::RA, 1, '2', "card")); // as the stored download keeps it
const std::string kRa2 = line("RA", records::RA, 2, '6', "result");
const std::string kHr = line("HR", records::HR, 2, '1');
const std::string kTcOld = line("TC", records::TC, 9, '1', "12081012");
const std::string kTcNew = line("TC", records::TC, 9, '1', "12081105");
const std::string kTc2 = line("TC", records::TC, 2, '1', "12081000");

INSTANTIATE_TEST_SUITE_P(
    Routes, RealtimeRouterTest,
    testing::Values(
        RouteCase{"OddsAreZeroedIntoTheirFile",
                  {},
                  RealtimeData::Odds,
                  {kO3},
                  "Data/2026年12月08日.jvO3",
                  std::vector<std::string>{zeroed(kO3)}},
        RouteCase{"OddsOfACancelledRaceAreDropped",
                  {},
                  RealtimeData::Odds,
                  {line("O1", records::O1, 5, '9')},
                  "Data/2026年12月08日.jvO1",
                  std::nullopt},
        RouteCase{"WithdrawnOddsAreDropped",
                  {},
                  RealtimeData::Odds,
                  {line("O1", records::O1, 5, '0')},
                  "Data/2026年12月08日.jvO1",
                  std::nullopt},
        RouteCase{"OddsWithoutARaceNumberAreDropped",
                  {},
                  RealtimeData::Odds,
                  {line("O2", records::O2, 0)},
                  "Data/2026年12月08日.jvO2",
                  std::nullopt},
        RouteCase{"OddsOfTheWrongLengthAreSkippedAndReported",
                  {},
                  RealtimeData::Odds,
                  {line("O1", records::O1 - 1, 5)},
                  "Data/2026年12月08日.jvO1",
                  std::nullopt,
                  1},
        RouteCase{"ResultsUpdateAnExistingRaceFile",
                  {{"Data/2026年12月08日.jvRA", {kRa1}}},
                  RealtimeData::Results,
                  {kRa2},
                  "Data/2026年12月08日.jvRA",
                  std::vector<std::string>{kRa1, zeroed(kRa2)}},
        RouteCase{
            "ResultsNeverMakeTheRaceFile", {}, RealtimeData::Results, {kRa2}, "Data/2026年12月08日.jvRA", std::nullopt},
        RouteCase{"PayoutsMakeTheirFileAndKeepTheirHeader",
                  {},
                  RealtimeData::Results,
                  {kHr},
                  "Data/2026年12月08日.jvHR",
                  std::vector<std::string>{kHr}},
        RouteCase{"WeightsAreZeroed",
                  {},
                  RealtimeData::Weights,
                  {line("WH", records::WH, 4)},
                  "Data/2026年12月08日.jvWH",
                  std::vector<std::string>{zeroed(line("WH", records::WH, 4))}},
        RouteCase{"TimeMiningIsZeroed",
                  {},
                  RealtimeData::TimeMining,
                  {line("DM", records::DM, 4, '2')},
                  "Data/2026年12月08日.jvDM",
                  std::vector<std::string>{zeroed(line("DM", records::DM, 4, '2'))}},
        RouteCase{"MatchMiningIsZeroed",
                  {},
                  RealtimeData::MatchMining,
                  {line("TM", records::TM, 4, '2')},
                  "Data/2026年12月08日.jvTM",
                  std::vector<std::string>{zeroed(line("TM", records::TM, 4, '2'))}},
        RouteCase{"ARecordOfAnotherStreamIsDropped",
                  {},
                  RealtimeData::Weights,
                  {line("DM", records::DM, 4)},
                  "Data/2026年12月08日.jvDM",
                  std::nullopt},
        RouteCase{"WeatherNoticesOfOneDayAreKeptApartByTimeAndKind",
                  {},
                  RealtimeData::Changes,
                  {we("12080810", '1', "111000"), we("12081130", '2', "211000"), we("12080810", '1', "111000")},
                  "CHG/2026年12月08日.WE",
                  std::vector<std::string>{we("12080810", '1', "111000"), we("12081130", '2', "211000")}},
        RouteCase{"APostTimeChangeReplacesItsRaceInPlace",
                  {{"CHG/2026年12月08日.TC", {kTcOld, kTc2}}},
                  RealtimeData::Changes,
                  {kTcNew},
                  "CHG/2026年12月08日.TC",
                  std::vector<std::string>{kTcNew, kTc2}},
        RouteCase{"APostTimeChangeOfANewRaceIsSortedIn",
                  {{"CHG/2026年12月08日.TC", {std::string(records::TC - 2, ' '), kTcOld}}},
                  RealtimeData::Changes,
                  {kTc2},
                  "CHG/2026年12月08日.TC",
                  std::vector<std::string>{kTc2, kTcOld}},
        RouteCase{"ANoticeWithABadDateIsSkipped",
                  {},
                  RealtimeData::Changes,
                  {"TC120261208" + std::string("2026130806050309") + std::string(16, '0')},
                  "CHG/2026年13月08日.TC",
                  std::nullopt,
                  1}),
    [](const auto& p) { return std::string(p.param.name); });

// Runner files: 216 fixed lines, one per race and horse number.
class RunnerRouteTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "Data");
        for (int i = 0; i < 216; ++i)
            before.push_back(line("SE", records::SE, i / 18 + 1, '2', fmt("card%03d", i)));
        saveLines(runners(), before);
    }
    std::filesystem::path runners() const { return pathUnder(dir.path(), sj("Data/2026年12月08日中山.jvSEr")); }
    std::string result(int race, int horse) {
        std::string l = line("SE", records::SE, race, '6', "result");
        l.replace(28, 2, fmt("%02d", horse));
        return l;
    }

    TempDir dir;
    std::vector<std::string> before;
    DayFileStore files;
    int rejected = 0;
    RealtimeRouter router{files, dir.path(), [this](const std::string&) { ++rejected; }};
};

TEST_F(RunnerRouteTest, AResultReplacesExactlyItsOwnLineAsItCame) {
    router.route(RealtimeData::Results, result(3, 5));
    std::vector<std::string> expected = before;
    expected[2 * 18 + 4] = result(3, 5);
    EXPECT_EQ(loadLines(runners()), expected);
}

TEST_F(RunnerRouteTest, HorseAndRaceNumbersWithoutALineChangeNothing) {
    for (const auto& [race, horse] : std::vector<std::pair<int, int>>{{3, 0}, {3, 19}, {13, 1}, {0, 4}})
        router.route(RealtimeData::Results, result(race, horse));
    EXPECT_EQ(loadLines(runners()), before);
    EXPECT_EQ(rejected, 2) << "horse 19 and race 13 are reported; no horse or race number is simply no runner";
}

TEST_F(RunnerRouteTest, ARunnerOfAnotherRacecourseWithoutItsFileIsDropped) {
    std::string hanshin = result(1, 1);
    hanshin.replace(19, 2, "09");
    router.route(RealtimeData::Results, hanshin);
    EXPECT_FALSE(std::filesystem::exists(pathUnder(dir.path(), sj("Data/2026年12月08日阪神.jvSEr"))));
    EXPECT_EQ(loadLines(runners()), before);
}

} // namespace
