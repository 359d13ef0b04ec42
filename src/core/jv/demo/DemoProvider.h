#pragma once
// The demo provider: a deterministic, realistic provider folder for the data-service simulator, so that the
// program works out of the box. Same options, same bytes: the generator draws from a seeded random stream of
// its own and writes every file in a fixed order.
#include "jv/demo/DemoDate.h"
#include "jv/demo/DemoModel.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace renoka::demo {

struct DemoOptions {
    std::filesystem::path out;     // the provider folder to write
    std::optional<DemoDate> start; // the first race day; today in Japan when not given
    int days = 2;                  // race days from the start date, 1..8
    uint64_t seed = 1;
};

struct DemoSummary {
    std::vector<DemoDate> raceDays;
    std::vector<DemoDate> historyDays;
    std::vector<std::string> courses;
    int races = 0;   // on the race days
    int runners = 0; // on the race days
    int horses = 0;  // in the whole demo world
    int files = 0;
    uint64_t bytes = 0;
    Moment clockStart;
};

inline constexpr int MaxDemoDays = 8;

// The demo world without writing anything: planned, filled, raced.
DemoWorld buildDemoWorld(const DemoDate& start, int days, uint64_t seed);

// Writes the provider folder. A folder that exists must be empty or an earlier provider folder (its stored,
// realtime and timeseries folders are replaced); anything else is refused with a FileError, as are bad options.
DemoSummary makeDemoProvider(const DemoOptions& options);

} // namespace renoka::demo
