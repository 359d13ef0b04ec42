// The demo provider folder: record images, race cards, runners, histories and the announcement schedule.
#include "DemoFolder.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "jv/demo/Brackets.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace renoka;
using namespace renoka::test;

namespace {

int demoMinuteOf(std::string_view hhmm) {
    return toInt(hhmm.substr(0, 2)) * 60 + toInt(hhmm.substr(2, 2));
}

// Whether the CP932 text is full-width katakana (with the long-vowel mark), followed only by full-width blanks.
bool katakanaName(std::string_view s, int& chars) {
    chars = 0;
    size_t i = 0;
    for (; i + 1 < s.size(); i += 2) {
        const auto hi = static_cast<unsigned char>(s[i]);
        const auto lo = static_cast<unsigned char>(s[i + 1]);
        if (hi == 0x81 && lo == 0x40) break;
        const bool kana = hi == 0x83 && lo >= 0x40 && lo <= 0x96;
        const bool longMark = hi == 0x81 && lo == 0x5B;
        if (!kana && !longMark) return false;
        ++chars;
    }
    for (; i + 1 < s.size(); i += 2)
        if (s.substr(i, 2) != "\x81\x40") return false;
    return chars > 0;
}

TEST(DemoProviderTest, EveryLineIsOneRecordImageOfItsLengthInCp932) {
    const DemoFolder& demo = demoFolder();
    size_t records = 0;
    for (const auto& [path, data] : demo.bytes) {
        if (path == "provider.ini") continue;
        ASSERT_GE(data.size(), 2u) << path;
        EXPECT_EQ(data.substr(data.size() - 2), "\r\n") << path;
        for (const auto& line : demo.lines.at(path)) {
            const int expected = recordBytes(field(line, 1, 2));
            ASSERT_GT(expected, 0) << path << " " << field(line, 1, 2);
            ASSERT_EQ(static_cast<int>(line.size()), expected) << path;
            ASSERT_TRUE(isValidCp932(line)) << path;
            ++records;
        }
    }
    EXPECT_GT(records, 10000u);
    EXPECT_EQ(demo.summary.files, static_cast<int>(demo.bytes.size()));
    // Big enough to be real, small enough to make on first start.
    EXPECT_LT(demo.summary.bytes, 120u * 1000 * 1000);
}

TEST(DemoProviderTest, ProviderIniStartsTheClockOnTheFirstRaceDay) {
    const std::string ini = demoFolder().bytes.at("provider.ini");
    EXPECT_NE(ini.find("[download]\r\nfilesPerSecond=40"), std::string::npos);
    EXPECT_NE(ini.find("[clock]\r\nstart=2026-12-05 09:00:00"), std::string::npos);
}

TEST(DemoProviderTest, EachRaceDayHasThreeCoursesOfTwelvePlannedRaces) {
    const DemoFolder& demo = demoFolder();
    for (const auto& [day, weekday] : std::map<std::string, std::string>{{"20261205", "1"}, {"20261206", "2"}}) {
        const auto races = demo.records("RA", "stored/", "-ra-" + day);
        ASSERT_EQ(races.size(), 36u) << day;
        std::map<std::string, std::vector<int>> numbers;
        int graded = 0;
        for (const auto& ra : races) {
            EXPECT_EQ(field(ra, 3, 1), "2"); // the card, published the evening before
            EXPECT_EQ(field(ra, 12, 8), day);
            EXPECT_EQ(field(ra, 28, 1), weekday);
            numbers[std::string(field(ra, 20, 2))].push_back(fieldInt(ra, 26, 2));
            const int post = demoMinuteOf(field(ra, 874, 4));
            EXPECT_GE(post, 9 * 60 + 50);
            EXPECT_LE(post, 16 * 60 + 30);
            EXPECT_GE(fieldInt(ra, 882, 2), 8);
            EXPECT_LE(fieldInt(ra, 882, 2), 18);
            const int track = fieldInt(ra, 706, 2);
            const std::string grade(field(ra, 615, 1));
            const bool jump = track >= 51 && track <= 59;
            EXPECT_TRUE((track >= 10 && track <= 29) || jump) << track;
            EXPECT_EQ(jump, field(ra, 617, 2) == "18") << "jump races are for jumpers";
            EXPECT_GE(fieldInt(ra, 698, 4), jump ? 2800 : 1000);
            // Named races carry a grade; ordinary ones leave the title blank and say their class in the codes.
            const bool named = trim(StripFullWidthSpaces(field(ra, 33, 60))).size() > 0;
            EXPECT_EQ(named, grade != " ") << field(ra, 12, 16);
            if (grade == "A" || grade == "B" || grade == "C") ++graded;
            const std::string youngest(field(ra, 635, 3));
            EXPECT_TRUE(youngest == "701" || youngest == "703" || youngest == "005" || youngest == "010" ||
                        youngest == "016" || youngest == "999")
                << youngest;
            EXPECT_EQ(field(ra, 884, 2), field(ra, 882, 2)); // nobody withdrawn yet on the card
        }
        EXPECT_GE(graded, 1) << day;
        ASSERT_EQ(numbers.size(), 3u);
        for (auto& [course, list] : numbers) {
            std::sort(list.begin(), list.end());
            EXPECT_EQ(list, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})) << course;
        }
    }
}

TEST(DemoProviderTest, RunnersFitTheirCards) {
    const DemoFolder& demo = demoFolder();
    std::map<std::string, int> registered;
    for (const auto& ra : demo.records("RA", "stored/", "-ra-2026120"))
        registered[std::string(field(ra, 12, 16))] = fieldInt(ra, 882, 2);
    std::map<std::string, std::set<int>> numbers;
    std::set<std::string> horses;
    for (const auto& se : demo.records("SE", "stored/", "-se-2026120")) {
        const std::string key(field(se, 12, 16));
        ASSERT_TRUE(registered.count(key)) << key;
        const int n = registered[key];
        const int number = fieldInt(se, 29, 2);
        EXPECT_TRUE(numbers[key].insert(number).second) << key << " " << number;
        EXPECT_EQ(fieldInt(se, 28, 1), demo::bracketOf(n, number)) << key << " " << number;
        const std::string regNo(field(se, 31, 10));
        EXPECT_TRUE(isDigits(regNo));
        EXPECT_TRUE(horses.insert(regNo).second) << "a horse runs once on the coming race days";
        EXPECT_EQ(toInt(regNo.substr(0, 4)), 2026 - fieldInt(se, 83, 2)) << "the number begins with the birth year";
        int chars = 0;
        EXPECT_TRUE(katakanaName(field(se, 41, 36), chars)) << toUtf8(field(se, 41, 36));
        EXPECT_LE(chars, 9);
        EXPECT_NE(trim(StripFullWidthSpaces(field(se, 307, 8))), "") << "a rider";
        EXPECT_NE(trim(StripFullWidthSpaces(field(se, 91, 8))), "") << "a trainer";
        const int carried = fieldInt(se, 289, 3);
        EXPECT_GE(carried, 480);
        EXPECT_LE(carried, 620);
        EXPECT_GE(fieldInt(se, 553, 1), 1);
        EXPECT_LE(fieldInt(se, 553, 1), 4);
        EXPECT_GE(fieldInt(se, 538, 5), 10000) << "a mining forecast time";
    }
    for (const auto& [key, n] : registered)
        EXPECT_EQ(static_cast<int>(numbers[key].size()), n) << key;
}

TEST(DemoProviderTest, MostRunnersHaveAnEarlierRunOnRecord) {
    const DemoFolder& demo = demoFolder();
    std::map<std::string, std::vector<int>> runDates; // registration number -> dates of earlier runs
    std::map<char, int> kinds;
    std::set<std::string> outsideRaces;
    for (const auto& se : demo.records("SE", "stored/")) {
        const char kind = se[2];
        if (kind != '7' && kind != 'A' && kind != 'B') continue;
        ++kinds[kind];
        runDates[std::string(field(se, 31, 10))].push_back(fieldInt(se, 12, 8));
        if (kind != '7') outsideRaces.insert(std::string(field(se, 12, 16)));
    }
    EXPECT_GT(kinds['A'], 0) << "runs at local racecourses";
    EXPECT_GT(kinds['B'], 0) << "runs abroad";
    for (const auto& ra : demo.records("RA", "stored/")) {
        const char kind = ra[2];
        if (kind != 'A' && kind != 'B') continue;
        outsideRaces.erase(std::string(field(ra, 12, 16)));
        const int course = toIntDef(field(ra, 20, 2), -1);
        if (kind == 'A') {
            EXPECT_TRUE(course >= 30 && course <= 57) << field(ra, 20, 2);
            EXPECT_NE(trim(StripFullWidthSpaces(field(ra, 638, 60))), "") << "local races name their condition";
        } else {
            EXPECT_TRUE(ra[19] >= 'A' && ra[19] <= 'Z') << field(ra, 20, 2); // a country code
        }
    }
    EXPECT_TRUE(outsideRaces.empty()) << "every run away from JRA courses has its race record";

    std::set<std::string> newcomerRaces;
    for (const auto& ra : demo.records("RA", "stored/", "-ra-2026120"))
        if (field(ra, 635, 3) == "701") newcomerRaces.insert(std::string(field(ra, 12, 16)));
    ASSERT_FALSE(newcomerRaces.empty());
    int runners = 0, withHistory = 0, newcomersWithHistory = 0;
    for (const auto& se : demo.records("SE", "stored/", "-se-2026120")) {
        bool earlier = false;
        for (int date : runDates[std::string(field(se, 31, 10))])
            earlier = earlier || date < fieldInt(se, 12, 8);
        if (newcomerRaces.count(std::string(field(se, 12, 16)))) {
            newcomersWithHistory += earlier ? 1 : 0;
            continue;
        }
        ++runners;
        withHistory += earlier ? 1 : 0;
    }
    EXPECT_GT(withHistory * 100, runners * 80) << withHistory << " of " << runners;
    EXPECT_EQ(newcomersWithHistory, 0) << "a newcomer has never run";
}

TEST(DemoProviderTest, EveryRaceDayHasAWithdrawnHorse) {
    const DemoFolder& demo = demoFolder();
    for (const std::string day : {"20261205", "20261206"}) {
        std::set<std::string> withdrawn; // race key + horse number
        for (const auto& av : demo.records("AV", "realtime/0B14/" + day))
            withdrawn.insert(std::string(field(av, 12, 16)) + std::string(field(av, 36, 2)));
        ASSERT_FALSE(withdrawn.empty()) << day;
        for (const auto& se : demo.records("SE", "realtime/0B12/" + day)) {
            const std::string id = std::string(field(se, 12, 16)) + std::string(field(se, 29, 2));
            EXPECT_EQ(field(se, 332, 1) == "1", withdrawn.count(id) == 1) << id;
            if (withdrawn.count(id)) {
                EXPECT_EQ(field(se, 325, 3), "000");
                EXPECT_EQ(field(se, 335, 2), "00");
            }
        }
        int cancelledOdds = 0;
        for (const auto& o1 : demo.records("O1", "realtime/0B30/" + day))
            for (int h = 0; h < 18; ++h)
                if (field(o1, 46 + 8 * h, 4) == "----") {
                    ++cancelledOdds;
                    EXPECT_TRUE(
                        withdrawn.count(std::string(field(o1, 12, 16)) + std::string(field(o1, 44 + 8 * h, 2))));
                    EXPECT_EQ(field(o1, 50 + 8 * h, 2), "--");
                    EXPECT_EQ(field(o1, 270 + 12 * h, 8), "--------");
                }
        EXPECT_GT(cancelledOdds, 0) << day;
    }
}

TEST(DemoProviderTest, AnnouncementsComeAtTheirTimesOfTheRaceDay) {
    const DemoFolder& demo = demoFolder();
    std::map<std::string, int> post, firstPost;
    for (const auto& ra : demo.records("RA", "stored/", "-ra-2026120")) {
        post[std::string(field(ra, 12, 16))] = demoMinuteOf(field(ra, 874, 4));
    }
    auto fileMinute = [](const std::string& path) { // ".../yyyymmddhhnnss.txt"
        const std::string stamp = path.substr(path.size() - 18, 14);
        return toInt(stamp.substr(8, 2)) * 60 + toInt(stamp.substr(10, 2));
    };
    // Results a few minutes after the post (the changed post time where there is one).
    std::set<std::string> resulted;
    std::map<std::string, int> changed;
    for (const auto& tc : demo.records("TC", "realtime/0B14/")) {
        EXPECT_EQ(post[std::string(field(tc, 12, 16))], demoMinuteOf(field(tc, 40, 4)));
        changed[std::string(field(tc, 12, 16))] = demoMinuteOf(field(tc, 36, 4));
    }
    EXPECT_EQ(changed.size(), 1u);
    for (const auto& path : demo.paths("realtime/0B12/")) {
        for (const auto& line : demo.lines.at(path)) {
            if (line.compare(0, 2, "RA") != 0) continue;
            const std::string key(field(line, 12, 16));
            const int at = changed.count(key) ? changed[key] : post[key];
            EXPECT_EQ(demoMinuteOf(field(line, 874, 4)), at);
            if (changed.count(key)) {
                EXPECT_EQ(demoMinuteOf(field(line, 878, 4)), post[key]);
            }
            EXPECT_GE(fileMinute(path) - at, 2) << path;
            EXPECT_LE(fileMinute(path) - at, 6) << path;
            EXPECT_TRUE(resulted.insert(key).second);
        }
        const auto hr = demo.records("HR", path);
        for (const auto& h : hr)
            EXPECT_EQ(field(h, 3, 1), "1");
    }
    EXPECT_EQ(resulted.size(), 72u);
    // Body weights seventy minutes before the first planned post.
    int weights = 0;
    for (const auto& path : demo.paths("realtime/0B11/"))
        for (const auto& wh : demo.lines.at(path)) {
            EXPECT_EQ(fileMinute(path), post[std::string(field(wh, 12, 16))] - 70);
            EXPECT_EQ(field(wh, 28, 8), path.substr(path.size() - 14, 8)) << "announcement field";
            ++weights;
        }
    EXPECT_EQ(weights, 72);
}

TEST(DemoProviderTest, WeatherNoticesGiveTheGoingOfEveryResult) {
    const DemoFolder& demo = demoFolder();
    // Notices per meeting day (year, date, course, kai, nichi), oldest first: the first gives the whole state, a
    // weather notice only the weather, a going notice only the going.
    std::map<std::string, std::vector<std::string>> notices;
    for (const auto& we : demo.records("WE", "realtime/0B14/"))
        notices[std::string(field(we, 12, 14))].push_back(we);
    ASSERT_EQ(notices.size(), 6u);
    int changes = 0;
    for (auto& [day, list] : notices) {
        std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return field(a, 26, 8) < field(b, 26, 8); });
        EXPECT_EQ(field(list[0], 34, 1), "1") << day;
        EXPECT_EQ(field(list[0], 32, 2), "30") << "the morning state at 08:30";
        changes += static_cast<int>(list.size()) - 1;
    }
    EXPECT_GT(changes, 0);
    int checked = 0;
    for (const auto& ra : demo.records("RA", "realtime/0B12/")) {
        const auto& list = notices[std::string(field(ra, 12, 14))];
        std::string state = "000";
        for (const auto& we : list) {
            if (field(we, 30, 4) > field(ra, 874, 4)) break;
            const std::string kind(field(we, 34, 1));
            if (kind != "3") state[0] = we[34];
            if (kind != "2") state.replace(1, 2, field(we, 36, 2));
        }
        EXPECT_EQ(field(ra, 888, 3), state) << field(ra, 12, 16);
        ++checked;
    }
    EXPECT_EQ(checked, 72);
}

TEST(DemoProviderTest, MiningComesTheEveningBeforeAndInTheMorning) {
    const DemoFolder& demo = demoFolder();
    for (const char* folder : {"realtime/0B13/20261206/", "realtime/0B17/20261206/"}) {
        const auto files = demo.paths(folder);
        ASSERT_EQ(files.size(), 2u) << folder;
        EXPECT_NE(files[0].find("20261205200000"), std::string::npos);
        EXPECT_NE(files[1].find("20261206084000"), std::string::npos);
        EXPECT_EQ(demo.lines.at(files[0]).size(), 36u);
        for (const auto& line : demo.lines.at(files[0]))
            EXPECT_EQ(field(line, 3, 1), "1");
        for (const auto& line : demo.lines.at(files[1]))
            EXPECT_EQ(field(line, 3, 1), "2");
    }
    // On race morning the forecasts leave out the horses withdrawn by then.
    std::set<std::string> withdrawn;
    for (const auto& av : demo.records("AV", "realtime/0B14/"))
        withdrawn.insert(std::string(field(av, 12, 16)) + std::string(field(av, 36, 2)));
    int forecasts = 0;
    for (const auto& dm : demo.records("DM", "realtime/0B13/", "084000")) {
        for (int j = 0; j < 18; ++j) {
            const std::string number(field(dm, 32 + 15 * j, 2));
            if (trim(number).empty()) continue;
            const bool out = withdrawn.count(std::string(field(dm, 12, 16)) + number) > 0;
            EXPECT_EQ(fieldInt(dm, 34 + 15 * j, 5) == 0, out) << field(dm, 12, 16) << " " << number;
            ++forecasts;
        }
    }
    EXPECT_GT(forecasts, 900);
    // The head-to-head favourite is usually among the market's favourites: both follow the horses' ability.
    std::map<std::string, std::map<int, int>> popularity;
    for (const auto& se : demo.records("SE", "realtime/0B12/"))
        popularity[std::string(field(se, 12, 16))][fieldInt(se, 29, 2)] = fieldInt(se, 364, 2);
    int races = 0, agree = 0;
    for (const auto& tm : demo.records("TM", "realtime/0B17/", "084000")) {
        int best = 0, bestScore = -1;
        for (int j = 0; j < 18; ++j) {
            const int score = toIntDef(field(tm, 34 + 6 * j, 4), -1);
            if (score > bestScore) {
                bestScore = score;
                best = fieldInt(tm, 32 + 6 * j, 2);
            }
        }
        ++races;
        const int pop = popularity[std::string(field(tm, 12, 16))][best];
        if (pop >= 1 && pop <= 4) ++agree;
    }
    EXPECT_EQ(races, 72);
    EXPECT_GT(agree * 100, races * 55) << agree;
}

TEST(DemoProviderTest, TimeSeriesKeepSnapshotsOfTheRaceDay) {
    const DemoFolder& demo = demoFolder();
    const auto o1 = demo.paths("timeseries/20261128/", ".jvO1");
    EXPECT_EQ(o1.size(), 36u);
    EXPECT_EQ(demo.paths("timeseries/").size(), 4u * 36 * 6);
    std::map<std::string, int> post;
    for (const auto& ra : demo.records("RA", "stored/", "-ra-20261128"))
        post[std::string(field(ra, 20, 2)) + std::string(field(ra, 22, 6))] = demoMinuteOf(field(ra, 874, 4));
    for (const auto& path : o1) {
        const std::string name = path.substr(std::string("timeseries/20261128/").size(), 8);
        ASSERT_TRUE(post.count(name)) << name;
        std::vector<int> before;
        for (const auto& line : demo.lines.at(path)) {
            EXPECT_EQ(field(line, 12, 8), "20261128");
            if (field(line, 16, 4) != field(line, 28, 4)) continue; // the day-before sale
            before.push_back(post[name] - demoMinuteOf(field(line, 32, 4)));
        }
        EXPECT_EQ(before, (std::vector<int>{30, 10, 5})) << path;
        const auto& o6 = demo.lines.at(path.substr(0, path.size() - 1) + "6");
        ASSERT_EQ(o6.size(), 1u);
        EXPECT_EQ(post[name] - demoMinuteOf(field(o6[0], 32, 4)), 10);
    }
}

} // namespace
