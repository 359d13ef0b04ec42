#include "jv/demo/FieldBuilder.h"

#include "jv/demo/Brackets.h"
#include "text/Fields.h"

#include <algorithm>
#include <set>

namespace renoka::demo {

namespace {

// Whether a horse's age on the race day is one the race is open to (two-year-olds only in races for them, and
// so on); it keeps histories right where the demo spans the change of season or of year.
bool ageFits(const Horse& horse, const Race& race) {
    const int age = race.date.year - horse.birthYear;
    switch (toInt(race.kind)) {
    case 11:
        return age == 2;
    case 12:
        return age == 3;
    case 14:
    case 19:
        return age >= 4;
    default:
        return age >= 3;
    }
}

// Which earlier races a horse can have run: any its age and sex allowed (only jumpers jump), `strict` in its own
// class or the class below (a maiden's previous run may have been its debut).
bool fitsHistory(const Horse& horse, const Race& race, bool strict) {
    if (race.fillies && horse.sex != 2) return false;
    if (race.group == Group::Jump && horse.group != Group::Jump) return false;
    if (!ageFits(horse, race)) return false;
    return !strict || race.level == horse.level || race.level == horse.level - 1;
}

std::vector<Race*> racesOf(std::vector<RaceDay>& days, size_t first, size_t last) {
    std::vector<Race*> out;
    for (size_t d = first; d < last && d < days.size(); ++d)
        for (auto& course : days[d].courses)
            for (auto& race : course.races)
                out.push_back(&race);
    return out;
}

bool placeInto(std::vector<Race*>& candidates, int horse, const DemoWorld& world, DemoRandom& rng, bool strict) {
    std::vector<Race*> open;
    for (Race* race : candidates) {
        if (static_cast<int>(race->runners.size()) >= race->registered) continue;
        const Horse& h = world.horses[static_cast<size_t>(horse)];
        if (!fitsHistory(h, *race, strict)) continue;
        open.push_back(race);
    }
    if (open.empty()) return false;
    Runner r;
    r.horse = horse;
    rng.pick(open)->runners.push_back(r);
    return true;
}

void placeOutside(DemoWorld& world, std::vector<int>& upcomingHorses, std::set<int>& abroadOrLocal, DemoRandom& rng) {
    for (Race& race : world.outside) {
        std::vector<int> candidates;
        for (int h : upcomingHorses) {
            const Horse& horse = world.horses[static_cast<size_t>(h)];
            if (abroadOrLocal.count(h) || horse.group != Group::Older) continue;
            const bool fits = race.origin == Origin::Abroad ? horse.level == Open && horse.surface == Surface::Turf
                              : race.level == Open          ? horse.level >= ThreeWins && horse.surface == Surface::Dirt
                                                            : horse.level <= TwoWins && horse.surface == Surface::Dirt;
            if (fits) candidates.push_back(h);
        }
        const int wanted = race.origin == Origin::Abroad ? 1 + rng.below(2) : 1;
        for (int i = 0; i < wanted && !candidates.empty(); ++i) {
            const int pickAt = rng.below(static_cast<int>(candidates.size()));
            const int h = candidates[static_cast<size_t>(pickAt)];
            candidates.erase(candidates.begin() + pickAt);
            abroadOrLocal.insert(h);
            if (race.level < Open) world.horses[static_cast<size_t>(h)].mark = "05"; // came over from local racing
            Runner r;
            r.horse = h;
            race.runners.push_back(r);
        }
    }
}

void drawField(const DemoWorld& world, Race& race, std::vector<int>& jockeyPool, DemoRandom& rng) {
    rng.shuffle(race.runners);
    race.registered = static_cast<int>(race.runners.size()) > race.registered ? static_cast<int>(race.runners.size())
                                                                              : race.registered;
    if (race.origin == Origin::Jra) race.registered = static_cast<int>(race.runners.size());
    // Outside races carry only our horses; their numbers are drawn from the whole field.
    std::vector<int> numbers;
    for (int n = 1; n <= race.registered; ++n)
        numbers.push_back(n);
    rng.shuffle(numbers);
    for (size_t i = 0; i < race.runners.size(); ++i)
        race.runners[i].number = race.origin == Origin::Jra ? static_cast<int>(i) + 1 : numbers[i];
    std::sort(race.runners.begin(), race.runners.end(),
              [](const Runner& a, const Runner& b) { return a.number < b.number; });
    std::vector<int> riders = jockeyPool;
    rng.shuffle(riders);
    for (size_t i = 0; i < race.runners.size(); ++i) {
        Runner& r = race.runners[i];
        const Horse& horse = world.horses[static_cast<size_t>(r.horse)];
        r.bracket = bracketOf(race.registered, r.number);
        r.jockey = riders[i % riders.size()];
        r.blinkers = horse.blinkers;
        r.carried = carriedWeight(race, race.date.year - horse.birthYear, horse.sex, rng);
        const Person& jockey = world.jockeys[static_cast<size_t>(r.jockey)];
        if (race.grade == ' ' && jockey.apprentice) r.carried -= (jockey.apprentice == 9 ? 2 : jockey.apprentice) * 10;
    }
    if (race.scratches > 0 && !race.runners.empty())
        race.runners[static_cast<size_t>(rng.below(static_cast<int>(race.runners.size())))].scratched = true;
}

void assignBodyWeights(DemoWorld& world, DemoRandom rng) {
    std::vector<Race*> all;
    for (auto* days : {&world.history, &world.upcoming})
        for (auto& day : *days)
            for (auto& course : day.courses)
                for (auto& race : course.races)
                    all.push_back(&race);
    for (auto& race : world.outside)
        all.push_back(&race);
    std::stable_sort(all.begin(), all.end(), [](const Race* a, const Race* b) {
        return a->date != b->date ? a->date < b->date : a->post < b->post;
    });
    for (Race* race : all) {
        for (Runner& r : race->runners) {
            Horse& horse = world.horses[static_cast<size_t>(r.horse)];
            if (r.scratched) continue;
            if (race->origin == Origin::Abroad) {
                r.bodyWeight = 999; // not weighed abroad
                continue;
            }
            if (horse.lastWeight == 0) {
                r.firstStart = race->level == Newcomer;
                r.bodyWeight = horse.bodyWeight + rng.between(-4, 4);
                r.bodyChange = r.firstStart ? 0 : rng.between(-8, 8);
            } else {
                r.bodyWeight = horse.lastWeight + rng.between(-6, 8);
                r.bodyChange = r.bodyWeight - horse.lastWeight;
            }
            horse.lastWeight = r.bodyWeight;
        }
    }
}

} // namespace

int carriedWeight(const Race& race, int age, int sex, DemoRandom& rng) {
    const bool filly = sex == 2;
    if (race.group == Group::Jump) return filly ? 580 : 600;
    switch (race.weightRule) {
    case '3':
        return age <= 2 ? (filly ? 540 : 550) : (filly ? 550 : 570);
    case '1':
        return 520 + 5 * rng.below(13);
    case '2':
        return (age <= 3 ? (filly ? 540 : 560) : (filly ? 560 : 580)) - 10 * rng.below(3) + (rng.chance(0.2) ? 10 : 0);
    default:
        return age <= 3 ? (filly ? 550 : 570) : (filly ? 560 : 580);
    }
}

void buildFields(DemoWorld& world, HorseFactory& factory, DemoRandom rng) {
    // Runners of the coming race days, each a horse of its own.
    std::vector<int> upcomingHorses;
    for (auto& day : world.upcoming)
        for (auto& course : day.courses)
            for (auto& race : course.races) {
                for (int i = 0; i < race.registered; ++i) {
                    Runner r;
                    r.horse = factory.makeHorse(race);
                    race.runners.push_back(r);
                    upcomingHorses.push_back(r.horse);
                }
            }

    std::set<int> outsideRun;
    placeOutside(world, upcomingHorses, outsideRun, rng);

    // Earlier runs: the recent weekend is history days 2 and 3, the earlier one days 0 and 1.
    std::vector<Race*> earlier = racesOf(world.history, 0, 2);
    std::vector<Race*> recent = racesOf(world.history, 2, 4);
    for (int h : upcomingHorses) {
        if (world.horses[static_cast<size_t>(h)].level == Newcomer) continue;
        const bool outside = outsideRun.count(h) > 0;
        const double r = rng.uniform();
        bool recentRun = false;
        if (!outside && r < 0.65)
            recentRun = placeInto(recent, h, world, rng, true) || placeInto(recent, h, world, rng, false);
        const bool earlierRun = outside ? rng.chance(0.4) : recentRun ? rng.chance(0.35) : r < 0.9;
        if (earlierRun && !placeInto(earlier, h, world, rng, true)) placeInto(earlier, h, world, rng, false);
    }
    // The rest of every history field: horses that do not run again in the demo.
    for (auto& day : world.history)
        for (auto& course : day.courses)
            for (auto& race : course.races)
                while (static_cast<int>(race.runners.size()) < race.registered) {
                    Runner runner;
                    runner.horse = factory.makeHorse(race);
                    race.runners.push_back(runner);
                }

    // Riders: each race day splits the riders between its three racecourses.
    auto drawDay = [&](RaceDay& day, DemoRandom drng) {
        std::vector<int> riders(world.jockeys.size());
        for (size_t i = 0; i < riders.size(); ++i)
            riders[i] = static_cast<int>(i);
        drng.shuffle(riders);
        for (size_t c = 0; c < day.courses.size(); ++c) {
            std::vector<int> pool;
            for (size_t i = c; i < riders.size(); i += day.courses.size())
                pool.push_back(riders[i]);
            for (auto& race : day.courses[c].races)
                drawField(world, race, pool, drng);
        }
    };
    uint64_t tag = 1;
    for (auto* days : {&world.history, &world.upcoming})
        for (auto& day : *days)
            drawDay(day, rng.derive(tag++));
    std::vector<int> everyone(world.jockeys.size());
    for (size_t i = 0; i < everyone.size(); ++i)
        everyone[i] = static_cast<int>(i);
    for (auto& race : world.outside)
        drawField(world, race, everyone, rng);

    assignBodyWeights(world, rng.derive(0xB0D1));
}

} // namespace renoka::demo
