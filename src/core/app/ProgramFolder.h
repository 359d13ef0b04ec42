#pragma once
// Where the program keeps its settings, data and logs.
#include <filesystem>
#include <optional>
#include <string>

namespace renoka {

// The program folder: `home` when given (--home), else RENOKA_HOME, else the executable's folder when it is
// writable, else the per-user data folder.
std::filesystem::path resolveProgramDir(const std::optional<std::string>& home);

// The data sub-folders made at start-up. "DATA" and "Data" are one folder, "Data".
inline constexpr const char* kProgramSubFolders[] = {"Data", "kaime", "CHG", "SEI", "SEIR"};

// Makes the program folder (when missing) and its sub-folders. Throws FileError with a Japanese message when a
// folder cannot be made or the program folder cannot be written.
void prepareProgramFolders(const std::filesystem::path& programDir);

} // namespace renoka
