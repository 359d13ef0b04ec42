// A race day rehearsed offline: the demo day followed live from 09:30 at a high speed, every race's odds fetched
// at its fetch times, the post-time change applied, and the day's files compared with a download of the same day
// made after its results were published. Then the live command's refusals and one fetch by hand.
#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "jv/demo/DemoProvider.h"
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

// The day of the rehearsal: the demo's one race day, a Saturday; its results come out on the Monday after.
constexpr const char* kDay = "2026-12-05";

// A program folder of the test that reads the shared provider folder.
struct Homes {
    TempDir dir;
    Homes() {
        demo::DemoOptions options;
        options.out = dir / "provider";
        options.start = demo::DemoDate{2026, 12, 5};
        options.days = 1;
        demo::makeDemoProvider(options);
        for (const char* home : {"live", "stored"}) {
            fs::create_directories(dir / home);
            writeBytes(dir / home / "renoka.ini", "[Sim]\r\nProvider=" + (dir / "provider").string() + "\r\n");
        }
    }
    CliRun cli(const char* home, std::vector<std::string> args) const {
        args.insert(args.begin(), {"--home", (dir / home).string()});
        return runCliCaptured(args);
    }
    std::vector<std::string> dayFile(const char* home, const std::string& name) const {
        return loadLines(dir / home / "Data" / ("2026年12月05日" + name));
    }
    std::vector<std::string> changeFile(const char* home, const std::string& name) const {
        return loadLines(dir / home / "CHG" / ("2026年12月05日" + name));
    }
};

// "東京11R" of a race file line (UTF-8).
std::string raceName(const std::string& ra) {
    return toUtf8(JyoName(field(ra, 20, 2), 2) + NumText(field(ra, 26, 2)) + "R");
}

int minuteOf(std::string_view hhmm) {
    return toInt(hhmm.substr(0, 2)) * 60 + toInt(hhmm.substr(2, 2));
}

// Every race's odds fetched once, at one of its two fetch minutes, the post-time change applied and the race's
// fetch times moved with it; what came in is the market announced at each race's first fetch time.
void expectOddsAtTheirFetchTimes(const Homes& homes, const std::string& progressLines) {
    const std::vector<std::string> changes = homes.changeFile("live", ".TC");
    ASSERT_EQ(changes.size(), 1u);
    const std::string& change = changes[0];
    EXPECT_EQ(homes.changeFile("live", ".NEW"),
              (std::vector<std::string>{"", "", "", std::string(field(change, 28, 8)), ""}));
    EXPECT_NE(progressLines.find("[発走時刻変更]が発生しています。"), std::string::npos);

    // When each race's odds were fetched, from the progress lines "hh:mm:ss 東京 1R ｵｯｽﾞ取得中".
    std::map<std::string, std::vector<int>> fetched;
    const std::regex progress("^(\\d\\d):(\\d\\d):\\d\\d (.+R) ｵｯｽﾞ取得中$");
    std::istringstream lines(progressLines);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, progress))
            fetched[m[3].str()].push_back(std::stoi(m[1].str()) * 60 + std::stoi(m[2].str()));
    }
    const std::vector<std::string> races = homes.dayFile("live", ".jvRA");
    const std::vector<std::string> odds = homes.dayFile("live", ".jvO1");
    ASSERT_EQ(races.size(), 36u);
    ASSERT_EQ(odds.size(), 36u);
    int changedRaces = 0;
    for (size_t i = 0; i < races.size(); ++i) {
        const std::string& ra = races[i];
        const std::string name = raceName(ra);
        const bool changed = field(ra, 12, 16) == field(change, 12, 16);
        if (changed) {
            ++changedRaces;
            EXPECT_EQ(field(ra, 874, 4), field(change, 36, 4)) << name;
        }
        const int t1 = minuteOf(field(ra, 874, 4)) - 10;
        const std::set<int> fetchMinutes{t1, changed ? t1 + 2 : t1 + 1};
        ASSERT_EQ(fetched[name].size(), 1u) << name;
        EXPECT_TRUE(fetchMinutes.count(fetched[name][0])) << name << " fetched at minute " << fetched[name][0];
        EXPECT_EQ(field(odds[i], 12, 16), field(ra, 12, 16));
        EXPECT_EQ(field(odds[i], 28, 4), "1205") << name;
        EXPECT_EQ(minuteOf(field(odds[i], 32, 4)), t1) << name;
    }
    EXPECT_EQ(changedRaces, 1);
}

// Positions 1-based, inclusive, masked.
std::vector<std::string> without(std::vector<std::string> lines, int from, int to) {
    for (std::string& l : lines)
        if (static_cast<int>(l.size()) >= to)
            l.replace(static_cast<size_t>(from - 1), to - from + 1, to - from + 1, '#');
    return lines;
}

// The day followed live holds what a download made after the day's results were published holds.
void expectTheStoredDay(const Homes& homes) {
    EXPECT_EQ(homes.dayFile("live", ".jvRA"), homes.dayFile("stored", ".jvRA"));
    // The runners and payouts of the real-time results keep their data kind and creation date; the stored ones
    // are the Monday's confirmed records.
    for (const char* venue : {"東京", "中京", "阪神"}) {
        const std::string name = std::string(venue) + ".jvSEr";
        EXPECT_EQ(without(homes.dayFile("live", name), 3, 11), without(homes.dayFile("stored", name), 3, 11)) << venue;
    }
    EXPECT_EQ(without(homes.dayFile("live", ".jvHR"), 3, 11), without(homes.dayFile("stored", ".jvHR"), 3, 11));
    // The match-up forecasts differ in the time they were made for.
    EXPECT_EQ(without(homes.dayFile("live", ".jvTM"), 28, 31), without(homes.dayFile("stored", ".jvTM"), 28, 31));
    // Weights and time forecasts come only in real time.
    EXPECT_EQ(homes.dayFile("live", ".jvWH").size(), 36u);
    EXPECT_EQ(homes.dayFile("live", ".jvDM").size(), 36u);
    EXPECT_TRUE(homes.dayFile("stored", ".jvWH").empty());
}

// One test, so that the day is rehearsed once: from 09:30 at 3600 times the real pace until the last results.
TEST(CliLiveTest, ARaceDayRehearsedOfflineEndsWithTheFilesOfTheStoredDay) {
    const Homes homes;
    const CliRun setup =
        homes.cli("live", {"--now", "2026-12-05 09:30", "--speed", "120", "download", "--setup", "--odds"});
    ASSERT_EQ(setup.status, 0) << setup.err;
    const CliRun live = homes.cli("live", {"--now", "2026-12-05 09:30", "live", kDay, "--speed", "3600"});
    ASSERT_EQ(live.status, 0) << live.err;
    EXPECT_NE(live.err.find("全レースの結果を取得しました。 結果取得 36/36 レース"), std::string::npos) << live.err;
    EXPECT_EQ(live.err.find("エラー"), std::string::npos) << live.err;
    expectOddsAtTheirFetchTimes(homes, live.err);

    // The stored download of the day's confirmed results, published on the Monday after (the cards came out two
    // days before the race day and are replaced by them).
    const CliRun stored = homes.cli("stored", {"--now", "2026-12-07 12:00", "--speed", "120", "download", "--from",
                                               "2026-12-06 00:00:00", "--odds"});
    ASSERT_EQ(stored.status, 0) << stored.err;
    expectTheStoredDay(homes);

    // One fetch by hand, and a day that is over cannot be followed live.
    const CliRun odds = homes.cli("stored", {"--now", "2026-12-05 15:00", "fetch", kDay, "東京11R", "odds"});
    EXPECT_EQ(odds.status, 0) << odds.err;
    EXPECT_NE(odds.err.find("東京11オッズ取得中"), std::string::npos) << odds.err;
    EXPECT_NE(odds.out.find("東京11R オッズ発表"), std::string::npos) << odds.out;
    const CliRun past = homes.cli("stored", {"--now", "2026-12-07 12:00", "live", kDay});
    EXPECT_EQ(past.status, 1);
    EXPECT_NE(past.err.find("本日の開催日ではない"), std::string::npos) << past.err;
}

TEST(CliLiveUsageTest, BadArgumentsAreUsageErrors) {
    const TempDir home;
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        return runCliCaptured(args).status;
    };
    EXPECT_EQ(run({"live", kDay, "--speed", "0"}), 2);
    EXPECT_EQ(run({"--speed", "fast", "days"}), 2);
    EXPECT_EQ(run({"live", kDay, "--until", "25:00"}), 2);
    EXPECT_EQ(run({"live"}), 2);
    EXPECT_EQ(run({"fetch", kDay, "1", "everything"}), 2);
}

} // namespace
