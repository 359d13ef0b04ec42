#include "jv/demo/ResultModel.h"

#include "jv/demo/RaceModel.h"
#include "text/Format.h"

#include <algorithm>

namespace renoka::demo {

namespace {

std::vector<size_t> drawOrder(const Race& race, DemoRandom& rng) {
    std::vector<size_t> left;
    for (size_t i = 0; i < race.runners.size(); ++i)
        if (!race.runners[i].scratched) left.push_back(i);
    std::vector<size_t> order;
    while (!left.empty()) {
        std::vector<double> weights;
        weights.reserve(left.size());
        for (size_t i : left)
            weights.push_back(race.runners[i].chance);
        const int k = rng.weighted(weights);
        order.push_back(left[static_cast<size_t>(k)]);
        left.erase(left.begin() + k);
    }
    return order;
}

int gapAfter(int position, DemoRandom& rng) {
    // Close finishes at the front, the field stringing out behind.
    if (position < 4) return rng.weighted({22, 30, 22, 12, 8, 4, 2});
    return rng.weighted({18, 26, 20, 14, 10, 6, 3, 2, 1});
}

// Ranks of a value per runner (1 = smallest), for the corner positions.
std::vector<int> ranks(const std::vector<double>& value) {
    std::vector<size_t> idx(value.size());
    for (size_t i = 0; i < idx.size(); ++i)
        idx[i] = i;
    std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) { return value[a] < value[b]; });
    std::vector<int> out(value.size());
    for (size_t k = 0; k < idx.size(); ++k)
        out[idx[k]] = static_cast<int>(k) + 1;
    return out;
}

// "3,7(1,12)5-9=4": the horse numbers at a corner, with groups running abreast and gaps.
std::string cornerText(const std::vector<int>& numbersInOrder, DemoRandom& rng) {
    std::string s;
    for (size_t i = 0; i < numbersInOrder.size(); ++i) {
        if (i > 0) s += rng.chance(0.7) ? "," : rng.chance(0.85) ? "-" : "=";
        if (i + 1 < numbersInOrder.size() && rng.chance(0.2)) {
            s += fmt("(%d,%d)", numbersInOrder[i], numbersInOrder[i + 1]);
            ++i;
        } else {
            s += std::to_string(numbersInOrder[i]);
        }
    }
    return s.size() > 70 ? s.substr(0, 70) : s;
}

void makeLaps(Race& race, int winnerTime, int winnerLast3, DemoRandom& rng) {
    race.laps.clear();
    if (race.surface == Surface::Jump) {
        race.mileTime = winnerTime * 1600 / race.distance;
        race.mileTime = race.mileTime / 600 * 1000 + race.mileTime % 600;
        return;
    }
    const int full = race.distance / 200;
    const bool partial = race.distance % 200 != 0;
    const int count = full + (partial ? 1 : 0);
    std::vector<double> shape(static_cast<size_t>(count), 1.0);
    if (partial)
        shape[0] = 0.55;
    else
        shape[0] = 1.06;
    for (int i = 1; i < count - 3; ++i)
        shape[static_cast<size_t>(i)] = 0.97 + 0.06 * rng.uniform();
    // The last three furlongs are the winner's own closing sectional.
    double shapeSum = 0;
    for (int i = 0; i < count - 3; ++i)
        shapeSum += shape[static_cast<size_t>(i)];
    const int early = winnerTime - winnerLast3;
    int used = 0;
    for (int i = 0; i < count - 3; ++i) {
        const int lap =
            i == count - 4 ? early - used : static_cast<int>(early * shape[static_cast<size_t>(i)] / shapeSum);
        race.laps.push_back(lap);
        used += lap;
    }
    const int a = winnerLast3 / 3 - 1 + rng.below(3);
    const int b = winnerLast3 / 3 - 1 + rng.below(3);
    race.laps.push_back(a);
    race.laps.push_back(b);
    race.laps.push_back(winnerLast3 - a - b);
    const size_t n = race.laps.size();
    const size_t skip = partial ? 1 : 0; // the opening part-furlong is not part of the first three furlongs
    race.first3f = race.laps[skip] + race.laps[skip + 1] + race.laps[skip + 2];
    race.first4f = race.first3f + race.laps[skip + 3];
    race.last3f = race.laps[n - 1] + race.laps[n - 2] + race.laps[n - 3];
    race.last4f = race.last3f + race.laps[n - 4];
}

} // namespace

std::string marginCode(int gap, DemoRandom& rng) {
    auto one = [&rng](const std::vector<const char*>& options) { return std::string(rng.pick(options)); };
    if (gap <= 0) return one({"H  ", "A  ", "K  "});
    if (gap == 1) return one({"A  ", "K  ", " 12"});
    if (gap == 2) return one({" 12", " 34", "1  "});
    if (gap == 3) return one({"1  ", "114", "112"});
    if (gap == 4) return one({"112", "134", "2  "});
    if (gap == 5) return one({"2  ", "212"});
    if (gap == 6) return one({"212", "3  "});
    if (gap <= 8) return one({"3  ", "312"});
    if (gap <= 11) return one({"4  ", "5  "});
    if (gap <= 15) return one({"6  ", "7  ", "8  ", "9  "});
    if (gap < 30) return "Z  ";
    return "T  ";
}

void drawResult(const DemoWorld& world, Race& race, DemoRandom rng) {
    for (auto& r : race.runners) {
        r.abnormal = r.scratched ? 1 : 0;
        r.finish = r.arrival = r.time = r.tiedWith = r.last3f = r.timeDiff = r.style = r.prize = 0;
        r.corners = {};
        r.margin = "   ";
    }
    std::vector<size_t> order = drawOrder(race, rng);
    if (race.dnf && order.size() > 6) {
        const size_t out = order.size() - 1 - static_cast<size_t>(rng.below(3));
        race.runners[order[out]].abnormal = 4;
        order.erase(order.begin() + static_cast<std::ptrdiff_t>(out));
    }

    // Times and placings over the line.
    const int winnerTime = expectedTime(race) + static_cast<int>(6 * rng.normal());
    int time = winnerTime;
    int placing = 1;
    for (size_t k = 0; k < order.size(); ++k) {
        Runner& r = race.runners[order[k]];
        const bool tie = race.deadHeat && k == 3;
        const int gap = k == 0 ? 0 : tie ? 0 : gapAfter(static_cast<int>(k), rng);
        time += gap;
        r.time = time;
        r.arrival = static_cast<int>(k) + 1;
        r.finish = tie ? placing - 1 : placing;
        if (k > 0) r.margin = tie ? "D  " : marginCode(gap, rng);
        if (tie) {
            r.tiedWith = 1;
            race.runners[order[k - 1]].tiedWith = 1;
        }
        ++placing;
    }
    if (order.size() > 1) race.runners[order[0]].timeDiff = race.runners[order[1]].time - winnerTime;
    for (size_t k = 1; k < order.size(); ++k)
        race.runners[order[k]].timeDiff = race.runners[order[k]].time - winnerTime;

    // Corner positions: the early position follows the running style; the later corners drift toward the finish.
    const size_t n = race.runners.size();
    std::vector<double> early(n, 1e9);
    std::vector<size_t> running; // starters that took part in the race
    for (size_t i = 0; i < n; ++i) {
        const Runner& r = race.runners[i];
        if (r.scratched) continue;
        running.push_back(i);
        early[i] = world.horses[static_cast<size_t>(r.horse)].style * 1.2 + 0.9 * rng.normal();
    }
    const std::vector<int> earlyRank = ranks(early);
    race.cornerCount = race.surface == Surface::Jump || race.distance >= 1800 ? 4 : 2;
    static constexpr double drift[4] = {0.0, 0.15, 0.35, 0.6};
    for (int c = 4 - race.cornerCount; c < 4; ++c) {
        std::vector<double> value(n, 1e9);
        for (size_t i : running) {
            const Runner& r = race.runners[i];
            const double finishRank = r.arrival > 0 ? r.arrival : static_cast<double>(running.size());
            value[i] = (1 - drift[c]) * earlyRank[i] + drift[c] * finishRank + 0.6 * rng.normal();
        }
        const std::vector<int> at = ranks(value);
        std::vector<int> numbers(running.size());
        for (size_t i : running) {
            race.runners[i].corners[static_cast<size_t>(c)] = at[i];
            numbers[static_cast<size_t>(at[i] - 1)] = race.runners[i].number;
        }
        race.cornerOrders[static_cast<size_t>(c)] = cornerText(numbers, rng);
    }
    for (size_t i : running) {
        Runner& r = race.runners[i];
        const int first = r.corners[static_cast<size_t>(4 - race.cornerCount)];
        const int field = static_cast<int>(running.size());
        r.style = first == 1 ? 1 : first * 3 <= field ? 2 : first * 3 <= 2 * field ? 3 : 4;
    }

    // Last three furlongs: the winner's closing sectional, slower by part of the gap, faster for those that made
    // up ground from the last corner. A jump race keeps the average furlong instead.
    const double base =
        race.surface == Surface::Turf ? 340 + (race.distance - 1600) / 40.0 : 370 + (race.distance - 1400) / 50.0;
    int winnerLast3 = static_cast<int>(base + 6 * rng.normal());
    for (size_t i : running) {
        Runner& r = race.runners[i];
        if (r.abnormal != 0) continue;
        if (race.surface == Surface::Jump) {
            r.last3f = r.time * 200 / race.distance;
            continue;
        }
        const double gained = r.corners[3] - r.arrival;
        const double l3 = winnerLast3 + 0.6 * r.timeDiff - 1.2 * gained + 3 * rng.normal();
        r.last3f = std::clamp(static_cast<int>(l3), 320, 450);
        if (r.finish == 1) r.last3f = winnerLast3;
    }
    makeLaps(race, winnerTime, winnerLast3, rng);

    // Prize money; tied horses share the prizes of the places they cover.
    for (const size_t k : order) {
        Runner& r = race.runners[k];
        if (r.finish > 5) continue;
        if (r.tiedWith > 0) {
            const size_t a = static_cast<size_t>(r.finish - 1);
            const int next = a + 1 < race.prizes.size() ? race.prizes[a + 1] : 0;
            r.prize = (race.prizes[a] + next) / 2;
        } else {
            r.prize = race.prizes[static_cast<size_t>(r.finish - 1)];
        }
    }
}

void drawOutsideResult(const DemoWorld& world, Race& race, DemoRandom rng) {
    const int field = race.registered;
    const int winnerTime = expectedTime(race) + static_cast<int>(6 * rng.normal());
    std::vector<int> taken;
    for (Runner& r : race.runners) {
        const Horse& horse = world.horses[static_cast<size_t>(r.horse)];
        // Better horses finish nearer the front; placings are unique among our runners.
        int place;
        do
            place = std::clamp(1 + static_cast<int>((1.2 - 0.4 * horse.ability + rng.uniform() * 3.5) * field / 6), 1,
                               field);
        while (std::find(taken.begin(), taken.end(), place) != taken.end());
        taken.push_back(place);
        r.abnormal = 0;
        r.arrival = r.finish = place;
        r.time = winnerTime + (place - 1) * (2 + rng.below(3));
        r.timeDiff = place == 1 ? 1 + rng.below(4) : r.time - winnerTime;
        r.margin = place == 1 ? "   " : marginCode(r.time - winnerTime, rng);
        const int early = std::clamp(horse.style * field / 4 + rng.between(-2, 2), 1, field);
        r.corners = {0, 0, early, std::clamp((early + place) / 2, 1, field)};
        r.style = horse.style;
        r.last3f = (race.surface == Surface::Turf ? 345 : 375) + (place - 1) * 2 + rng.between(-5, 5);
        r.prize = place <= 5 ? race.prizes[static_cast<size_t>(place - 1)] : 0;
        if (race.origin == Origin::Local) {
            r.popularity = std::clamp(place + rng.between(-2, 2), 1, field);
            r.odds = 15 + r.popularity * r.popularity * (5 + rng.below(8));
        }
    }
}

} // namespace renoka::demo
