#include "jv/demo/RaceModel.h"

#include <algorithm>
#include <cmath>

namespace renoka::demo {

namespace {

// Tickets of an ordinary race at the off, per bet type (100-yen units).
constexpr std::array<int64_t, BetCount> BasePools = {350000, 450000, 120000, 900000, 550000, 650000, 1300000, 3600000};

void normalise(std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    if (sum > 0)
        for (double& x : v)
            x /= sum;
}

// The public backs outsiders a little more than their chances deserve, so no starter is written off
// completely, and never makes one a sure thing: a favourite holds at most three fifths of the win pool.
void publicView(std::vector<double>& v, const Race& race) {
    normalise(v);
    const double starters = race.starters();
    size_t top = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        if (race.runners[i].scratched) continue;
        v[i] = 0.94 * v[i] + 0.06 / starters;
        if (v[i] > v[top]) top = i;
    }
    constexpr double most = 0.6;
    if (v[top] > most) {
        const double scale = (1.0 - most) / (1.0 - v[top]);
        for (double& x : v)
            x *= scale;
        v[top] = most;
    }
}

} // namespace

int expectedTime(const Race& race) {
    double perFurlong;
    switch (race.surface) {
    case Surface::Jump:
        perFurlong = 13.4;
        break;
    case Surface::Dirt:
        perFurlong = 12.2 + (race.distance - 1200) * 0.0004 - 0.05 * std::max(0, race.going.dirt - 1);
        break;
    default:
        perFurlong = 11.5 + (race.distance - 1200) * 0.0004 + 0.06 * std::max(0, race.going.turf - 1);
    }
    perFurlong += (Open - race.level) * 0.04 + (race.group == Group::Young ? 0.1 : 0.0);
    // Always positive; kept as it is so that a demo made again is the same to the byte.
    return static_cast<int>(race.distance / 200.0 * perFurlong * 10.0 + 0.5); // NOLINT(bugprone-incorrect-roundings)
}

void modelRace(const DemoWorld& world, Race& race, DemoRandom rng) {
    const size_t n = race.runners.size();
    std::vector<double> strength(n, 0.0);
    double best = -1e9;
    for (size_t i = 0; i < n; ++i) {
        Runner& r = race.runners[i];
        const Horse& h = world.horses[static_cast<size_t>(r.horse)];
        const Person& j = world.jockeys[static_cast<size_t>(r.jockey)];
        r.strength = h.ability + j.skill + 0.45 * rng.normal() - (h.surface != race.surface ? 0.3 : 0.0) -
                     0.04 * (r.carried - 560) / 10.0;
        strength[i] = r.strength;
        if (!r.scratched) best = std::max(best, r.strength);
    }
    std::vector<double> chance(n, 0.0), morning(n, 0.0), atOff(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        if (race.runners[i].scratched) continue;
        chance[i] = detExp(1.3 * (strength[i] - best));
        atOff[i] = chance[i] * detExp(0.3 * rng.normal());
        morning[i] = chance[i] * detExp(0.55 * rng.normal());
    }
    normalise(chance);
    normalise(atOff);
    normalise(morning);
    publicView(atOff, race);
    publicView(morning, race);
    for (size_t i = 0; i < n; ++i)
        race.runners[i].chance = chance[i];
    race.publicFinal = atOff;
    race.publicMorning = morning;

    // Mining forecasts follow the strengths with an error of their own: a forecast time in M SS SS, the margins
    // of error, and a head-to-head score 0..100.0.
    const int baseHundredths = expectedTime(race) * 10;
    double mean = 0;
    int live = 0;
    for (size_t i = 0; i < n; ++i)
        if (!race.runners[i].scratched) {
            mean += strength[i];
            ++live;
        }
    mean /= std::max(1, live);
    for (size_t i = 0; i < n; ++i) {
        Runner& r = race.runners[i];
        const double behind = (best - strength[i]) * 45.0 + 25.0 * rng.normal();
        const int hundredths = baseHundredths + std::max(0, static_cast<int>(behind));
        r.dmTime = (hundredths / 6000) * 10000 + hundredths % 6000;
        r.dmPlus = 20 + rng.below(80);
        r.dmMinus = 30 + rng.below(120);
        const double score = 500 + 170 * (strength[i] - mean) + 60 * rng.normal();
        r.tmScore = std::clamp(static_cast<int>(score), 0, 1000);
    }
    std::vector<size_t> order;
    for (size_t i = 0; i < n; ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return race.runners[a].dmTime < race.runners[b].dmTime; });
    for (size_t k = 0; k < order.size(); ++k)
        race.runners[order[k]].dmRank = static_cast<int>(k) + 1;
}

std::array<int64_t, BetCount> finalPools(const Race& race) {
    std::array<int64_t, BetCount> pools{};
    for (int b = 0; b < BetCount; ++b)
        pools[static_cast<size_t>(b)] = static_cast<int64_t>(BasePools[static_cast<size_t>(b)] * race.poolScale);
    return pools;
}

std::vector<int> finishes(const Race& race) {
    std::vector<int> out;
    for (const auto& r : race.runners)
        out.push_back(r.finish);
    return out;
}

std::vector<int> brackets(const Race& race) {
    std::vector<int> out;
    for (const auto& r : race.runners)
        out.push_back(r.bracket);
    return out;
}

namespace {

MarketInput inputAt(const Race& race, double weight, double fill) {
    MarketInput in;
    in.registered = static_cast<int>(race.runners.size());
    in.brackets = brackets(race);
    in.chances.assign(race.runners.size(), 0.0);
    for (size_t i = 0; i < race.runners.size(); ++i) {
        in.scratched.push_back(race.runners[i].scratched);
        in.chances[i] = (1.0 - weight) * race.publicMorning[i] + weight * race.publicFinal[i];
    }
    const auto pools = finalPools(race);
    for (size_t b = 0; b < pools.size(); ++b)
        in.pools[b] = static_cast<int64_t>(pools[b] * fill);
    return in;
}

} // namespace

MarketSnapshot marketAt(const Race& race, int minutesBefore, bool dayBefore) {
    // The share of the money already bet: a twelfth-minute half-life toward the off; where betting opened the
    // day before, that sale's money is there from the start.
    const double early = race.daySale ? 0.12 : 0.0;
    double fill = 12.0 / (12.0 + std::max(0, minutesBefore));
    double weight = fill;
    if (dayBefore) {
        fill = 0.0;
        weight = 0.1;
    }
    fill = early + (1.0 - early) * fill;
    MarketInput in = inputAt(race, weight, fill);
    if (minutesBefore == 0 && !dayBefore)
        in.backed = winningSlots(finishes(race), in.brackets, placesPaid(race.starters()), in.registered > 8);
    return makeMarket(in);
}

MarketSnapshot finalMarket(Race& race) {
    MarketSnapshot m = marketAt(race, 0);
    const BetTable& win = m[Bet::Win];
    for (auto& r : race.runners) {
        const OddsEntry& e = win.entries[static_cast<size_t>(r.number - 1)];
        r.odds = r.scratched ? 0 : std::max(0, e.odds);
        r.popularity = r.scratched ? 0 : std::max(0, e.popularity);
    }
    return m;
}

} // namespace renoka::demo
