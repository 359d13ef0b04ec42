#pragma once
// Names of the data files. Every name that comes from a record's fields is checked first, so that a malformed
// record can never address a file outside its folder.
#include <filesystem>
#include <string>
#include <string_view>

namespace renoka {

// "yyyy年mm月dd日" (CP932) of a record's race date (positions 12-19), or "" when the date is not eight digits
// forming a plausible date.
std::string dayNameOf(std::string_view record);
// The same for an eight-digit "yyyymmdd" text.
std::string dayNameOfDate(std::string_view yyyymmdd);

// The two-character name of a JRA racecourse code "01".."10" (CP932), or "" for any other code.
std::string jraVenueName(std::string_view courseCode);
// Whether the code is a racecourse or country of the code table (so it may become part of a file name).
bool knownCourseCode(std::string_view courseCode);

// Relative data paths (CP932, "/" separated) under the program folder.
std::string dayFile(std::string_view dayName, std::string_view extension); // Data/<day><ext>
std::string runnerFile(std::string_view dayName, std::string_view venue);  // Data/<day><venue>.jvSEr
std::string horseArchiveFolder(std::string_view registration);             // SEI/<first 4>
std::string horseArchiveFile(std::string_view registration);               // SEI/<4>/<reg>.jvSEI
std::string foreignRaceFolder(std::string_view year);                      // SEIR/<yyyy>
std::string foreignRaceFile(std::string_view record);                      // SEIR/<yyyy>/<12-21>.jvSERA

// Positions 3-11 (data kind and creation date) replaced by "000000000".
void zeroKindAndDate(std::string& record);

} // namespace renoka
