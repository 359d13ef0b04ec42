#pragma once
// The provider folder of the demo world (docs/provider-format.md): stored files, real-time announcements,
// the time-series odds of the earlier race days, and provider.ini.
#include "jv/demo/DemoModel.h"
#include "jv/demo/FileSink.h"

namespace renoka::demo {

// Stored files: the cards of the coming race days published the evening before the first of them, the results,
// payouts and confirmed odds of every race day (the earlier ones and the coming ones) published on the Monday
// after, and the runs at local racecourses and abroad published the day after.
void writeStored(const DemoWorld& world, FileSink& sink);

// Real-time files of the coming race days: odds snapshots, results, body weights, mining forecasts and change
// notices, each at the moment the provider announces it.
void writeRealtime(const DemoWorld& world, FileSink& sink);

// Time-series odds of the earlier race days as a time-series odds viewer keeps them.
void writeTimeseries(const DemoWorld& world, FileSink& sink);

// provider.ini: download speed and the clock's start on the first race day at 09:00. Written last: it marks
// the folder complete.
void writeProviderIni(const DemoWorld& world, FileSink& sink);

// The moment the clock of the demo starts: the first race day at 09:00.
Moment clockStart(const DemoWorld& world);

// The odds snapshots of a coming race: minutes before the post (0 = final), the day-before close first where
// betting opened the day before.
struct Snapshot {
    Moment at;
    int minutesBefore = 0;
    bool dayBefore = false;
    char dataKind = '1';
};
std::vector<Snapshot> oddsSnapshots(const Race& race);

} // namespace renoka::demo
