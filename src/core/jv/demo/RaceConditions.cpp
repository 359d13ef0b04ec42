#include "jv/demo/RaceConditions.h"

#include "base/Cp932.h"

#include <vector>

namespace renoka::demo {

namespace {

struct CourseTracks {
    const char* code;
    bool leftHanded;
    std::vector<int> turf;
    std::vector<int> dirt;
    std::vector<int> jump;
};

const CourseTracks& tracksOf(const std::string& course) {
    static const CourseTracks tracks[] = {
        {"05", true, {1400, 1600, 1800, 2000, 2400}, {1300, 1400, 1600, 2100}, {3000, 3110}},
        {"07", true, {1200, 1400, 1600, 2000, 2200}, {1200, 1400, 1800, 1900}, {3000, 3300}},
        {"09", false, {1200, 1400, 1600, 1800, 2000, 2200, 2400}, {1200, 1400, 1800, 2000}, {2970, 3140}},
    };
    for (const auto& t : tracks)
        if (course == t.code) return t;
    return tracks[0];
}

bool newcomerSeason(const DemoDate& date) {
    return date.month >= 6 || date.month <= 3;
}

std::string conditionCode(int level) {
    switch (level) {
    case Newcomer:
        return "701";
    case Maiden:
        return "703";
    case OneWin:
        return "005";
    case TwoWins:
        return "010";
    case ThreeWins:
        return "016";
    default:
        return "999";
    }
}

int pickDistance(const std::vector<int>& options, DemoRandom& rng, int minimum, int maximum) {
    std::vector<int> fitting;
    for (int d : options)
        if (d >= minimum && d <= maximum) fitting.push_back(d);
    return fitting.empty() ? rng.pick(options) : rng.pick(fitting);
}

} // namespace

bool isSecondHalf(const DemoDate& date) {
    return date.month >= 6;
}

void setConditions(Race& race) {
    const bool secondHalf = isSecondHalf(race.date);
    const std::string c = conditionCode(race.level);
    race.conditions = {"000", "000", "000", "000", c};
    switch (race.group) {
    case Group::Young:
        race.kind = secondHalf ? "11" : "12";
        race.conditions[secondHalf ? 0 : 1] = c;
        break;
    case Group::Older:
    case Group::Jump:
        race.kind = race.group == Group::Jump ? (secondHalf ? "18" : "19") : (secondHalf ? "13" : "14");
        if (secondHalf) race.conditions[1] = c;
        race.conditions[2] = c;
        race.conditions[3] = c;
        break;
    }
    if (race.group == Group::Jump)
        race.symbol = "000";
    else if (race.grade == 'A' || race.grade == 'B' || race.grade == 'C')
        race.symbol = race.fillies ? "N20" : "N00";
    else
        race.symbol = race.fillies ? "A20" : "A00";
}

void setPrizes(Race& race) {
    int first = 0;
    if (race.group == Group::Jump) {
        first = race.grade == 'H' ? 330000 : race.level == Open ? 150000 : 80000;
    } else if (race.level < Open) {
        static constexpr int young[] = {72000, 56000, 84000, 110000, 155000};
        static constexpr int older[] = {72000, 56000, 78000, 104000, 155000};
        first = (race.group == Group::Young ? young : older)[race.level];
        if (race.grade == 'E') first += first / 10;
    } else {
        switch (race.grade) {
        case 'A':
            first = race.group == Group::Young ? 700000 : 1500000;
            break;
        case 'B':
            first = 600000;
            break;
        case 'C':
            first = 410000;
            break;
        case 'L':
            first = 230000;
            break;
        default:
            first = 210000;
        }
    }
    static constexpr int shares[5] = {100, 40, 25, 15, 10};
    for (int i = 0; i < 5; ++i)
        race.prizes[static_cast<size_t>(i)] = first * shares[i] / 100 / 10 * 10;
    race.addedMoney = {};
    if (race.level == Open && race.group != Group::Jump) {
        const int added = race.grade == 'A' ? 60000 : race.grade == 'B' ? 30000 : race.grade == 'C' ? 20000 : 10000;
        race.addedMoney = {added, added * 4 / 10, added * 25 / 100};
    }
}

void setTitle(Race& race, const RaceName& name) {
    race.title = sj(name.title);
    race.titleLatin = name.latin;
    race.short10 = sj(shortRaceName(name.title, 10));
    race.short6 = sj(shortRaceName(name.title, 6));
    race.short3 = sj(shortRaceName(name.title, 3));
}

void planRaceCard(Race& race, const MainRacePlan& plan, DemoRandom& rng, NamePools& names) {
    const CourseTracks& tracks = tracksOf(race.course);
    const bool newcomers = newcomerSeason(race.date);
    const bool secondHalf = isSecondHalf(race.date);
    race.grade = ' ';
    race.weightRule = '4';
    auto set = [&race](Group group, int level, Surface surface) {
        race.group = group;
        race.level = level;
        race.surface = surface;
    };
    switch (race.number) {
    case 1:
        set(Group::Young, Maiden, Surface::Dirt);
        break;
    case 2:
        set(Group::Young, Maiden, Surface::Turf);
        break;
    case 3:
        set(secondHalf ? Group::Older : Group::Young, secondHalf ? OneWin : Maiden, Surface::Dirt);
        break;
    case 4:
        if (plan.jumpCourse)
            set(Group::Jump, plan.jumpGraded ? Open : Maiden, Surface::Jump);
        else
            set(Group::Young, Maiden, Surface::Dirt);
        break;
    case 5:
        set(Group::Young, newcomers ? Newcomer : Maiden, Surface::Turf);
        break;
    case 6:
        set(newcomers ? Group::Young : Group::Older, newcomers ? Newcomer : OneWin, Surface::Dirt);
        break;
    case 7:
        set(Group::Older, OneWin, Surface::Turf);
        break;
    case 8:
        set(Group::Older, TwoWins, Surface::Dirt);
        break;
    case 9:
        set(Group::Young, OneWin, Surface::Turf);
        race.grade = 'E';
        break;
    case 10:
        set(Group::Older, rng.chance(0.4) ? ThreeWins : TwoWins, rng.chance(0.6) ? Surface::Turf : Surface::Dirt);
        race.grade = 'E';
        break;
    case 11:
        set(Group::Older, Open, rng.chance(0.8) ? Surface::Turf : Surface::Dirt);
        race.grade = plan.grade;
        race.mainRace = true;
        // A first-rank race for the young horses now and then, as the autumn calendar has them.
        if (plan.grade == 'A' && rng.chance(0.5)) race.group = Group::Young;
        break;
    default:
        set(Group::Older, rng.chance(0.5) ? TwoWins : OneWin, Surface::Dirt);
    }
    if (race.grade == 'A' || race.grade == 'B' || race.grade == 'C') race.surface = Surface::Turf;
    race.fillies = (race.number == 9 || race.number == 7 || race.number == 11) && rng.chance(0.25);
    if (race.group == Group::Jump && race.level == Open) race.grade = 'H';

    switch (race.surface) {
    case Surface::Turf: {
        const int minimum = race.grade == 'A' || race.grade == 'B' ? 1600 : race.group == Group::Young ? 1200 : 1400;
        race.distance = pickDistance(tracks.turf, rng, minimum, race.group == Group::Young ? 2000 : 2400);
        race.track = tracks.leftHanded
                         ? 11
                         : (race.distance == 1600 || race.distance == 1800 || race.distance == 2400 ? 18 : 17);
        break;
    }
    case Surface::Dirt:
        race.distance = pickDistance(tracks.dirt, rng, 1200, race.group == Group::Young ? 1800 : 2100);
        race.track = tracks.leftHanded ? 23 : 24;
        break;
    case Surface::Jump:
        race.distance = rng.pick(tracks.jump);
        race.track = rng.chance(0.5) ? 54 : 51;
        break;
    }

    if (race.group == Group::Young && race.level <= Maiden)
        race.weightRule = '3';
    else if (race.grade == 'E')
        race.weightRule = rng.chance(0.5) ? '2' : '1';
    else if (race.grade == 'A')
        race.weightRule = race.group == Group::Young ? '3' : '4';
    else if (race.grade != ' ')
        race.weightRule = rng.chance(0.6) ? '2' : '1';

    if (race.grade == 'E' && race.level < Open)
        setTitle(race, names.raceName(NamePools::RaceKind::Special));
    else if (race.grade == 'E' || race.grade == 'L')
        setTitle(race, names.raceName(NamePools::RaceKind::Stakes));
    else if (race.grade == 'H')
        setTitle(race, names.raceName(NamePools::RaceKind::Jump));
    else if (race.grade != ' ')
        setTitle(race, names.raceName(NamePools::RaceKind::Graded));
    if (race.grade == 'A' || race.grade == 'B' || race.grade == 'C' || race.grade == 'L' || race.grade == 'H') {
        race.specialNo = rng.between(1, 999);
        race.runningNo = rng.between(3, 72);
    }
    setConditions(race);
    setPrizes(race);
    race.daySale = race.mainRace || race.grade == 'H';
}

} // namespace renoka::demo
