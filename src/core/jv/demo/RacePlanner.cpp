#include "jv/demo/RacePlanner.h"

#include "base/Cp932.h"
#include "jv/demo/RaceConditions.h"

#include <algorithm>

namespace renoka::demo {

namespace {

// First post per racecourse: the three cards start ten minutes apart and keep that stagger all day.
constexpr int FirstPost[3] = {9 * 60 + 50, 10 * 60, 10 * 60 + 10};
// Minutes after the first post; the gap after 4R is the lunch break.
constexpr int PostOffset[12] = {0, 30, 60, 90, 145, 175, 205, 235, 270, 305, 340, 380};

int fieldSize(const Race& race, DemoRandom& rng) {
    //                                    8  9 10 11 12 13 14 15 16  17 18
    static const std::vector<double> usual{2, 2, 3, 4, 5, 6, 8, 8, 10, 5, 8};
    static const std::vector<double> main{1, 1, 2, 2, 3, 4, 6, 7, 10, 6, 12};
    return 8 + rng.weighted(race.mainRace ? main : usual);
}

double poolScale(const Race& race, DemoRandom& rng) {
    static constexpr double byLevel[6] = {0.7, 0.65, 0.8, 0.95, 1.1, 1.4};
    double scale = race.group == Group::Jump ? 0.45 : byLevel[race.level];
    switch (race.grade) {
    case 'A':
        scale = 8.0;
        break;
    case 'B':
        scale = 3.2;
        break;
    case 'C':
        scale = 2.5;
        break;
    case 'L':
        scale = 1.6;
        break;
    case 'H':
        scale = 0.9;
        break;
    case 'E':
        scale *= 1.1;
        break;
    default:
        break;
    }
    if (race.mainRace) scale *= 1.3;
    return scale * (0.85 + 0.3 * rng.uniform());
}

Going morningGoing(DemoRandom& rng) {
    Going g;
    g.weather = 1 + rng.weighted({60, 30, 10});
    g.turf = g.weather == 3 ? 2 + rng.below(2) : 1 + rng.weighted({80, 20});
    g.dirt = g.weather == 3 ? 3 : 1 + rng.weighted({55, 35, 10});
    return g;
}

void planNotices(CourseDay& day, bool rainComes, DemoRandom& rng) {
    const Going morning = morningGoing(rng);
    day.notices.push_back({8 * 60 + 30, 1, morning, Going{0, 0, 0}});
    if (!rainComes) return;
    Going wet = morning;
    wet.weather = rng.chance(0.5) ? 3 : 4;
    day.notices.push_back({11 * 60 + 50 + rng.below(20), 2, wet, morning});
    Going heavier = wet;
    heavier.turf = std::min(4, wet.turf + 1);
    heavier.dirt = std::min(4, wet.dirt + 1);
    day.notices.push_back({13 * 60 + 20 + rng.below(20), 3, heavier, wet});
}

// `meetingMonth`: the month of the start date; every day of the demo belongs to the same meeting (kai) of a
// racecourse, the earlier race days being its first days.
void planDay(RaceDay& day, int dayIndex, int meetingMonth, int nichi, bool gradeOne, bool jumpGraded, DemoRandom rng,
             NamePools& names) {
    const int jumpCourse = dayIndex % 3;
    const int rainyCourse = rng.below(3);
    for (int c = 0; c < 3; ++c) {
        CourseDay course;
        course.course = DemoCourses[c];
        course.kai = 1 + (meetingMonth + c) % 5;
        course.nichi = nichi;
        DemoRandom crng = rng.derive(static_cast<uint64_t>(c) + 1);
        planNotices(course, c == rainyCourse, crng);
        MainRacePlan plan;
        plan.jumpCourse = c == jumpCourse;
        plan.jumpGraded = jumpGraded;
        switch (c) {
        case 0:
            plan.grade = crng.chance(0.5) ? 'B' : 'C';
            break;
        case 1:
            plan.grade = gradeOne ? 'A' : crng.chance(0.5) ? 'C' : 'L';
            break;
        default:
            plan.grade = crng.chance(0.5) ? 'L' : 'E';
        }
        const std::string letter = std::string(1, static_cast<char>('A' + crng.below(4))) + " ";
        for (int n = 1; n <= 12; ++n) {
            Race race;
            race.date = day.date;
            race.course = course.course;
            race.kai = course.kai;
            race.nichi = course.nichi;
            race.number = n;
            DemoRandom rrng = crng.derive(static_cast<uint64_t>(n) + 100);
            planRaceCard(race, plan, rrng, names);
            if (race.surface == Surface::Turf) race.courseLetter = letter;
            race.post = FirstPost[c] + PostOffset[n - 1];
            race.registered = fieldSize(race, rrng);
            race.poolScale = poolScale(race, rrng);
            course.races.push_back(std::move(race));
        }
        // One horse withdrawn on the morning somewhere on every card, never where betting opened the day before.
        std::vector<int> candidates;
        for (const Race& race : course.races)
            if (race.registered >= 10 && !race.daySale) candidates.push_back(race.number);
        if (!candidates.empty()) course.races[static_cast<size_t>(crng.pick(candidates) - 1)].scratches = 1;
        day.courses.push_back(std::move(course));
    }
}

} // namespace

std::vector<DemoDate> historyDates(const DemoDate& start) {
    std::vector<DemoDate> dates;
    for (DemoDate d = start.plus(-6); static_cast<int>(dates.size()) < HistoryDays; d = d.plus(-1))
        if (d.weekday() == 0 || d.weekday() == 6) dates.push_back(d);
    std::reverse(dates.begin(), dates.end());
    return dates;
}

Going goingAt(const CourseDay& day, int minute) {
    Going g = day.notices.empty() ? Going{} : day.notices.front().now;
    for (const auto& n : day.notices)
        if (n.minute <= minute) g = n.now;
    return g;
}

void planRaceDays(DemoWorld& world, const DemoDate& start, int days, DemoRandom rng, NamePools& names) {
    const auto dates = historyDates(start);
    int dayIndex = 0;
    for (size_t h = 0; h < dates.size(); ++h, ++dayIndex) {
        RaceDay day;
        day.date = dates[h];
        planDay(day, dayIndex, start.month, static_cast<int>(h) + 1, h + 1 == dates.size(), h == 1,
                rng.derive(static_cast<uint64_t>(dayIndex)), names);
        world.history.push_back(std::move(day));
    }
    for (int i = 0; i < days; ++i, ++dayIndex) {
        RaceDay day;
        day.date = start.plus(i);
        day.upcoming = true;
        planDay(day, dayIndex, start.month, HistoryDays + i + 1, i == days - 1 && days >= 2, false,
                rng.derive(static_cast<uint64_t>(dayIndex)), names);
        world.upcoming.push_back(std::move(day));
    }

    // The results need a dead heat and a horse that does not finish somewhere in the histories; the first race
    // day gets a post-time change.
    DemoRandom special = rng.derive(0xDEAD);
    for (auto& day : world.history) {
        auto& course = day.courses[static_cast<size_t>(special.below(3))];
        course.races[static_cast<size_t>(special.between(0, 9))].dnf = true;
    }
    Race& tied = world.history[1].courses[0].races[6];
    tied.deadHeat = true;
    tied.registered = std::max(tied.registered, 12);
    Race& delayed = world.upcoming.front().courses[1].races[8];
    delayed.postBefore = delayed.post;
    delayed.post += 10;
    delayed.postNotice = delayed.postBefore - 40;

    for (auto* list : {&world.history, &world.upcoming})
        for (auto& day : *list)
            for (auto& course : day.courses)
                for (auto& race : course.races)
                    race.going = goingAt(course, race.post);
}

void planOutsideRaces(DemoWorld& world, const DemoDate& start, DemoRandom rng, NamePools& names) {
    // Between the earlier weekend of the histories and the start date; local racing on weekdays.
    const DemoDate from = world.history.empty() ? start.plus(-12) : world.history[1].date.plus(1);
    auto freeDays = [&](bool weekdaysOnly) {
        std::vector<DemoDate> out;
        // At least a week before the start: no horse comes back from abroad or a local track within days.
        for (DemoDate d = from; d < start.plus(-6); d = d.plus(1)) {
            const bool weekend = d.weekday() == 0 || d.weekday() == 6;
            if (!weekend || !weekdaysOnly) out.push_back(d);
        }
        return out;
    };
    static const char* const localCourses[] = {"44", "43", "45", "42", "35", "30", "47", "50"};
    static const bool localRight[] = {true, false, false, false, false, true, true, true};
    static const char* const abroadCourses[] = {"A4", "A8", "C7", "G0", "B6"};
    for (int i = 0; i < 4; ++i) {
        Race race;
        const int c = rng.below(8);
        race.date = rng.pick(freeDays(true));
        race.course = localCourses[c];
        race.origin = Origin::Local;
        race.kai = rng.between(1, 12);
        race.nichi = rng.between(1, 5);
        race.number = rng.between(9, 11);
        race.group = Group::Older;
        race.surface = Surface::Dirt;
        race.distance = rng.pick(std::vector<int>{1200, 1400, 1600, 1800, 2000, 2100});
        race.track = localRight[c] ? 24 : 23;
        race.post = 15 * 60 + 40 + 30 * rng.below(10);
        race.registered = rng.between(11, 16);
        race.going = {1 + rng.below(2), 0, 1 + rng.below(3)};
        race.poolScale = 0.5;
        if (i < 3) {
            race.level = Open;
            race.grade = rng.chance(0.5) ? 'C' : 'B';
            setTitle(race, names.raceName(NamePools::RaceKind::Local));
            race.conditionName = sj("３歳以上オープン");
        } else {
            // A lower-class race of the local circuit, the former home of a horse now racing at JRA courses.
            race.level = OneWin;
            race.conditionName = sj("Ｃ１");
        }
        setConditions(race);
        setPrizes(race);
        world.outside.push_back(std::move(race));
    }
    for (int i = 0; i < 3; ++i) {
        Race race;
        race.date = rng.pick(freeDays(false));
        race.course = abroadCourses[rng.below(5)];
        race.origin = Origin::Abroad;
        race.kai = 1;
        race.nichi = 1;
        race.number = rng.between(1, 10);
        race.group = Group::Older;
        race.level = Open;
        race.surface = Surface::Turf;
        race.grade = rng.chance(0.6) ? 'A' : 'B';
        race.distance = rng.pick(std::vector<int>{1600, 1800, 2000, 2400});
        race.track = rng.pick(std::vector<int>{10, 11, 17});
        race.post = 21 * 60 + 30 + 10 * rng.below(12);
        race.registered = rng.between(8, 14);
        race.going = {1, 1 + rng.below(2), 0};
        race.poolScale = 0;
        setTitle(race, names.raceName(NamePools::RaceKind::Abroad));
        setConditions(race);
        race.symbol = "N00";
        setPrizes(race);
        world.outside.push_back(std::move(race));
    }
    std::stable_sort(world.outside.begin(), world.outside.end(),
                     [](const Race& a, const Race& b) { return a.date < b.date; });
}

} // namespace renoka::demo
