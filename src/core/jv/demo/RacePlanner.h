#pragma once
// The calendar of the demo: the race days from the start date, the earlier race days whose results make the
// horses' histories, and the races at local racecourses and abroad. Races come out planned (class, distance,
// post time, field size, going) but without runners.
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/NamePools.h"

namespace renoka::demo {

// The three racecourses of every demo race day, in code order.
inline constexpr const char* DemoCourses[3] = {"05", "07", "09"};
// How many earlier race days carry the horses' histories.
inline constexpr int HistoryDays = 4;

// The earlier race days: the Saturdays and Sundays before the start date, at least six days before it so that
// no horse runs twice in a week. Oldest first.
std::vector<DemoDate> historyDates(const DemoDate& start);

void planRaceDays(DemoWorld& world, const DemoDate& start, int days, DemoRandom rng, NamePools& names);
void planOutsideRaces(DemoWorld& world, const DemoDate& start, DemoRandom rng, NamePools& names);

// The going at a minute of a course day: the newest notice announced by then.
Going goingAt(const CourseDay& day, int minute);

} // namespace renoka::demo
