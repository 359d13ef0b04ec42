// Results, payouts and odds of the demo provider agree with each other as a totalisator's would.
#include "DemoFolder.h"

#include "codes/CombinationKeys.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace renoka;
using namespace renoka::test;

namespace {

struct Finisher {
    int number = 0;
    int finish = 0;
    int bracket = 0;
    int odds = 0;
    int popularity = 0;
};

struct RaceResult {
    std::vector<Finisher> runners;
    int registered = 0;
    bool tie = false;
    std::vector<int> at(int finish) const {
        std::vector<int> out;
        for (const auto& r : runners)
            if (r.finish == finish) out.push_back(r.number);
        return out;
    }
    int bracketOf(int number) const {
        for (const auto& r : runners)
            if (r.number == number) return r.bracket;
        return 0;
    }
};

std::map<std::string, RaceResult> results(const std::vector<std::string>& ses) {
    std::map<std::string, RaceResult> out;
    for (const auto& se : ses) {
        RaceResult& r = out[std::string(field(se, 12, 16))];
        r.runners.push_back({fieldInt(se, 29, 2), fieldInt(se, 335, 2), fieldInt(se, 28, 1), fieldInt(se, 360, 4),
                             fieldInt(se, 364, 2)});
        r.tie = r.tie || field(se, 337, 1) == "1";
    }
    return out;
}

std::map<std::string, std::string> byKey(const std::vector<std::string>& records) {
    std::map<std::string, std::string> out;
    for (const auto& r : records)
        out[std::string(field(r, 12, 16))] = r;
    return out;
}

// One payout entry of an HR record: combination text, yen and popularity.
struct Paid {
    std::string combo;
    int yen;
    int popularity;
};
std::vector<Paid> paid(const std::string& hr, int start, int count, int comboLen, int popLen) {
    std::vector<Paid> out;
    const int stride = comboLen + 9 + popLen;
    for (int k = 0; k < count; ++k) {
        const int at = start + stride * k;
        if (trim(field(hr, at, comboLen)).empty()) continue;
        out.push_back({std::string(field(hr, at, comboLen)), fieldInt(hr, at + comboLen, 9),
                       fieldInt(hr, at + comboLen + 9, popLen)});
    }
    return out;
}

std::string two(int n) {
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

// Checks one race's payouts against its results and its final odds records.
void checkRace(const std::string& key, const RaceResult& race, const std::string& hr,
               const std::map<int, std::string>& odds) {
    SCOPED_TRACE(key);
    const auto firsts = race.at(1);
    ASSERT_EQ(firsts.size(), 1u);
    const int a = firsts[0];
    const auto seconds = race.at(2);
    ASSERT_EQ(seconds.size(), 1u);
    const int b = seconds[0];
    const auto thirds = race.at(3);
    ASSERT_GE(thirds.size(), 1u);
    const std::string& o1 = odds.at(1);

    const auto win = paid(hr, 103, 3, 2, 2);
    ASSERT_EQ(win.size(), 1u);
    EXPECT_EQ(toInt(win[0].combo), a);
    EXPECT_EQ(win[0].yen, fieldInt(o1, 46 + 8 * (a - 1), 4) * 10);
    for (const auto& r : race.runners) {
        if (r.finish == 0) continue;
        EXPECT_EQ(r.odds, fieldInt(o1, 46 + 8 * (r.number - 1), 4)) << "final odds on the runner's record";
        EXPECT_EQ(r.popularity, fieldInt(o1, 50 + 8 * (r.number - 1), 2));
    }
    EXPECT_EQ(win[0].popularity, fieldInt(o1, 50 + 8 * (a - 1), 2));

    const auto place = paid(hr, 142, 5, 2, 2);
    EXPECT_EQ(place.size(), 2 + thirds.size());
    for (const auto& p : place) {
        const int h = toInt(p.combo);
        const auto& runner =
            *std::find_if(race.runners.begin(), race.runners.end(), [h](auto& r) { return r.number == h; });
        EXPECT_GE(runner.finish, 1);
        EXPECT_LE(runner.finish, 3);
        if (race.tie) continue; // tied places share the pool and may leave the range shown before the race
        EXPECT_GE(p.yen, fieldInt(o1, 270 + 12 * (h - 1), 4) * 10);
        EXPECT_LE(p.yen, fieldInt(o1, 274 + 12 * (h - 1), 4) * 10);
    }

    const int q = UmarenIndex(CombinationKey(std::min(a, b), std::max(a, b)));
    const auto quinella = paid(hr, 246, 3, 4, 3);
    ASSERT_EQ(quinella.size(), 1u);
    EXPECT_EQ(quinella[0].combo, two(std::min(a, b)) + two(std::max(a, b)));
    EXPECT_EQ(quinella[0].yen, fieldInt(odds.at(2), 45 + 13 * (q - 1), 6) * 10);
    EXPECT_EQ(quinella[0].popularity, fieldInt(odds.at(2), 51 + 13 * (q - 1), 3));

    const int x = UmatanIndex(CombinationKey(a, b));
    const auto exacta = paid(hr, 454, 6, 4, 3);
    ASSERT_EQ(exacta.size(), 1u);
    EXPECT_EQ(exacta[0].combo, two(a) + two(b));
    EXPECT_EQ(exacta[0].yen, fieldInt(odds.at(4), 45 + 13 * (x - 1), 6) * 10);

    const auto wide = paid(hr, 294, 7, 4, 3);
    EXPECT_EQ(wide.size(), thirds.size() == 1 ? 3u : 5u);
    for (const auto& w : wide) {
        const int k = UmarenIndex(CombinationKey(toInt(w.combo.substr(0, 2)), toInt(w.combo.substr(2, 2))));
        ASSERT_GT(k, 0) << w.combo;
        if (race.tie) continue;
        EXPECT_GE(w.yen, fieldInt(odds.at(3), 45 + 17 * (k - 1), 5) * 10) << w.combo;
        EXPECT_LE(w.yen, fieldInt(odds.at(3), 50 + 17 * (k - 1), 5) * 10) << w.combo;
    }

    const auto trio = paid(hr, 550, 3, 6, 3);
    const auto trifecta = paid(hr, 604, 6, 6, 4);
    ASSERT_EQ(trio.size(), thirds.size());
    ASSERT_EQ(trifecta.size(), thirds.size());
    for (size_t i = 0; i < thirds.size(); ++i) {
        const int c = thirds[i];
        EXPECT_EQ(trifecta[i].combo, two(a) + two(b) + two(c));
        if (race.tie) continue;
        int v[3] = {a, b, c};
        std::sort(v, v + 3);
        const int t = SanrenpukuIndex(CombinationKey(v[0], v[1], v[2]));
        EXPECT_EQ(trio[i].combo, two(v[0]) + two(v[1]) + two(v[2]));
        EXPECT_EQ(trio[i].yen, fieldInt(odds.at(5), 47 + 15 * (t - 1), 6) * 10);
        const int s = SanrentanIndex(CombinationKey(a, b, c));
        EXPECT_EQ(trifecta[i].yen, fieldInt(odds.at(6), 47 + 17 * (s - 1), 7) * 10);
        EXPECT_EQ(trifecta[i].popularity, fieldInt(odds.at(6), 54 + 17 * (s - 1), 4));
    }

    const auto bracket = paid(hr, 207, 3, 2, 2);
    if (race.registered <= 8) {
        EXPECT_EQ(field(o1, 42, 1), "0") << "no bracket betting with eight runners";
        EXPECT_EQ(field(hr, 207, 2), "00");
    } else {
        ASSERT_EQ(bracket.size(), 1u);
        const int ba = race.bracketOf(a), bb = race.bracketOf(b);
        const int w = WakurenIndex(CombinationKey(std::min(ba, bb), std::max(ba, bb)));
        EXPECT_EQ(bracket[0].combo, std::to_string(std::min(ba, bb)) + std::to_string(std::max(ba, bb)));
        EXPECT_EQ(bracket[0].yen, fieldInt(o1, 606 + 9 * (w - 1), 5) * 10);
    }
}

TEST(DemoResultsTest, HistoryPayoutsFollowTheResultsAndTheConfirmedOdds) {
    const DemoFolder& demo = demoFolder();
    const auto races = results(demo.records("SE", "stored/", "-se-202611"));
    const auto hrs = byKey(demo.records("HR", "stored/", "-hr-"));
    std::map<int, std::map<std::string, std::string>> odds;
    for (int t = 1; t <= 6; ++t)
        odds[t] = byKey(demo.records("O" + std::to_string(t), "stored/", "-o"));
    const auto ras = byKey(demo.records("RA", "stored/", "-ra-202611"));
    ASSERT_EQ(races.size(), 144u);
    int ties = 0;
    for (const auto& [key, race] : races) {
        RaceResult r = race;
        r.registered = fieldInt(ras.at(key), 882, 2);
        ASSERT_TRUE(hrs.count(key)) << key;
        EXPECT_EQ(field(hrs.at(key), 3, 1), "2");
        std::map<int, std::string> raceOdds;
        for (int t = 1; t <= 6; ++t) {
            raceOdds[t] = odds[t].at(key);
            EXPECT_EQ(field(raceOdds[t], 3, 1), "4") << "confirmed odds";
        }
        checkRace(key, r, hrs.at(key), raceOdds);
        ties += r.tie ? 1 : 0;
    }
    EXPECT_EQ(ties, 1) << "one dead heat in the histories";
}

TEST(DemoResultsTest, RaceDayPayoutsFollowTheFinalSnapshot) {
    const DemoFolder& demo = demoFolder();
    const auto races = results(demo.records("SE", "realtime/0B12/"));
    const auto hrs = byKey(demo.records("HR", "realtime/0B12/"));
    ASSERT_EQ(races.size(), 72u);
    for (const auto& [key, race] : races) {
        const auto snapshots = demo.paths("realtime/0B30/" + key + "/");
        ASSERT_GE(snapshots.size(), 5u) << key;
        std::map<int, std::string> finalOdds;
        for (const auto& line : demo.lines.at(snapshots.back()))
            finalOdds[line[1] - '0'] = line;
        EXPECT_EQ(field(finalOdds[1], 3, 1), "3") << "final odds after the post";
        RaceResult r = race;
        r.registered = fieldInt(finalOdds[1], 36, 2);
        checkRace(key, r, hrs.at(key), finalOdds);
    }
}

// Odds texts of one record: tenths, or -1 for a cancelled entry, -2 for none.
struct OddsShape {
    int start, count, comboLen, oddsLen, popLen;
    bool range;
};
const std::map<char, std::vector<OddsShape>> Shapes = {
    {'1', {{44, 28, 2, 4, 2, false}, {268, 28, 2, 4, 2, true}, {604, 36, 2, 5, 2, false}}},
    {'2', {{41, 153, 4, 6, 3, false}}},
    {'3', {{41, 153, 4, 5, 3, true}}},
    {'4', {{41, 306, 4, 6, 3, false}}},
    {'5', {{41, 816, 6, 6, 3, false}}},
    {'6', {{41, 4896, 6, 7, 4, false}}}};

void checkPopularity(const std::string& rec) {
    for (const OddsShape& s : Shapes.at(rec[1])) {
        const int stride = s.comboLen + s.oddsLen * (s.range ? 2 : 1) + s.popLen;
        std::vector<std::pair<int, int>> ranked; // popularity, odds
        for (int k = 0; k < s.count; ++k) {
            const int at = s.start + stride * k;
            const std::string_view odds = field(rec, at + s.comboLen, s.oddsLen);
            const int value = toIntDef(odds, -1);
            if (value <= 0) continue; // cancelled, none, or no votes
            ranked.emplace_back(fieldInt(rec, at + stride - s.popLen, s.popLen), value);
        }
        std::sort(ranked.begin(), ranked.end());
        for (size_t i = 0; i < ranked.size(); ++i) {
            ASSERT_EQ(ranked[i].first, static_cast<int>(i) + 1) << field(rec, 1, 27);
            if (i > 0) {
                ASSERT_LE(ranked[i - 1].second, ranked[i].second) << field(rec, 1, 27) << " rank " << i + 1;
            }
        }
    }
}

TEST(DemoResultsTest, PopularityOrderIsOddsOrderInEveryOddsRecord) {
    const DemoFolder& demo = demoFolder();
    int checked = 0, noVotes = 0;
    for (const auto& [path, lines] : demo.lines) {
        for (const auto& line : lines) {
            if (line[0] != 'O') continue;
            checkPopularity(line);
            ++checked;
            if (line[1] == '6' && line.find("0000000") != std::string::npos) ++noVotes;
        }
    }
    EXPECT_GT(checked, 5000);
    EXPECT_GT(noVotes, 0) << "unbacked trifectas show 0000000";
}

TEST(DemoResultsTest, WinOddsKeepTheTakeout) {
    // Odds are cut down to tenths, so sum(1/odds) is at least 1/0.8, and would be below it without the cut.
    for (const auto& o1 : demoFolder().records("O1", "stored/")) {
        double atLeast = 0, below = 0;
        for (int h = 0; h < 18; ++h) {
            const int odds = toIntDef(field(o1, 46 + 8 * h, 4), -1);
            if (odds <= 0) continue;
            atLeast += 10.0 / odds;
            below += 10.0 / (odds + 1);
        }
        EXPECT_GE(atLeast, 1.25 - 1e-9) << field(o1, 12, 16);
        EXPECT_LT(below, 1.25) << field(o1, 12, 16);
        EXPECT_NEAR(1.0 / atLeast, 0.8, 0.05) << "short-priced favourites lose most to the cut";
    }
}

TEST(DemoResultsTest, SnapshotsFillThePoolsAndMoveTowardTheFinalOdds) {
    const DemoFolder& demo = demoFolder();
    std::vector<std::string> keys;
    for (const auto& path : demo.paths("realtime/0B30/")) {
        const std::string key = path.substr(std::string("realtime/0B30/").size(), 16);
        if (keys.empty() || keys.back() != key) keys.push_back(key);
    }
    ASSERT_EQ(keys.size(), 72u);
    int races = 0, moved = 0;
    for (const auto& key : keys) {
        const auto snapshots = demo.paths("realtime/0B30/" + key + "/");
        ASSERT_GE(snapshots.size(), 5u) << key;
        int64_t previousPool = -1;
        std::vector<std::vector<int>> winOdds;
        for (size_t i = 0; i < snapshots.size(); ++i) {
            const auto& lines = demo.lines.at(snapshots[i]);
            ASSERT_EQ(lines.size(), 6u);
            for (int t = 0; t < 6; ++t)
                EXPECT_EQ(field(lines[static_cast<size_t>(t)], 1, 2), "O" + std::to_string(t + 1));
            const std::string& o1 = lines[0];
            const std::string stamp = snapshots[i].substr(snapshots[i].size() - 18, 14);
            EXPECT_EQ(field(o1, 28, 8), stamp.substr(4, 8)) << "announced when the file says";
            const bool last = i + 1 == snapshots.size();
            EXPECT_EQ(field(o1, 3, 1), last ? "3" : stamp.substr(0, 8) == field(o1, 12, 8) ? "1" : "2");
            const int64_t pool = fieldInt(o1, 928, 11);
            EXPECT_GE(pool, previousPool);
            previousPool = pool;
            std::vector<int> w;
            for (int h = 0; h < 18; ++h)
                w.push_back(toIntDef(field(o1, 46 + 8 * h, 4), 0));
            winOdds.push_back(w);
        }
        // The earliest snapshot is further from the final odds than the one a minute before the post.
        auto distance = [&](const std::vector<int>& a) {
            double d = 0;
            for (size_t h = 0; h < a.size(); ++h)
                if (a[h] > 0 && winOdds.back()[h] > 0)
                    d += std::abs(a[h] - winOdds.back()[h]) / double(winOdds.back()[h]);
            return d;
        };
        ++races;
        if (distance(winOdds.front()) > distance(winOdds[winOdds.size() - 2])) ++moved;
    }
    // Chance may leave a race's odds where they were in the morning; most move.
    EXPECT_GT(moved * 100, races * 80) << moved << " of " << races;
}

} // namespace
