#pragma once
// The day and race arguments of the commands that work on one race day.
#include <string>

namespace renoka::cli {

class CliContext;

// Loads the day given as "yyyy年mm月dd日", "YYYY-MM-DD" or "yyyymmdd"; false with a message when it is not in the
// day list or did not load. `unattended` loads it as a timer would: no dialog, questions answered No.
bool loadDay(CliContext& context, const std::string& dayArg, bool unattended = false);
// The race given as its list entry ("東京11R") or its 1-based position; -1 with a message when there is none.
int findRace(CliContext& context, const std::string& raceArg);

} // namespace renoka::cli
