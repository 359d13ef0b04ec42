#pragma once
// The time-series odds import: which line of a time-series file stands for a race, and how it goes into the
// day's odds file.
#include <cstddef>
#include <string>
#include <vector>

namespace renoka {

// Index of the line to take from a time-series file, or -1. Only lines of `recordLength` bytes (a record image
// without its CR LF) announced on the race day itself (announcement month-day at 28-31 equal to the race's at
// 16-19) count; of these, the one whose announcement time (hour 32-33, minute 34-35) is nearest to
// `targetMinute` (minutes after midnight). Among equally near lines the first in the file wins, and a line 1000
// or more minutes away is never taken.
int nearestAnnouncement(const std::vector<std::string>& lines, int targetMinute, size_t recordLength);

// Puts a record line into the lines of a day file: it replaces every line of the same race (positions 12-27:
// year, month-day, racecourse, meeting, day, race), or is added at the end when there is none.
void replaceRaceLines(std::vector<std::string>& lines, const std::string& record);

} // namespace renoka
