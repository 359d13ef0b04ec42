#pragma once
// Where the program keeps its settings, data and logs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace renoka {

// The program folder of a run: every file of the program is addressed below it by a CP932 relative path.
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path dir) : m_dir(std::move(dir)) {}

    const std::filesystem::path& dir() const { return m_dir; }
    // A file below the folder: "\Data\x.jvRA", "Data/x" or "ErrorLog.txt" (CP932).
    std::filesystem::path pathOf(std::string_view cp932Relative) const;
    // The folder as CP932 text, as written to the log and used as a default in settings values.
    std::string text() const;

private:
    std::filesystem::path m_dir;
};

// The folder of the running executable (empty when it cannot be found).
std::filesystem::path executableFolder();

// The program folder: `home` when given (--home), else RENOKA_HOME, else the executable's folder when it is
// writable, else the per-user data folder.
std::filesystem::path resolveProgramDir(const std::optional<std::string>& home);

// The data sub-folders made at start-up. "DATA" and "Data" are one folder, "Data".
inline constexpr const char* kProgramSubFolders[] = {"Data", "kaime", "CHG", "SEI", "SEIR"};

// Makes the program folder (when missing) and its sub-folders. Throws FileError with a Japanese message when a
// folder cannot be made or the program folder cannot be written.
void prepareProgramFolders(const std::filesystem::path& programDir);

// Removes the temporary files that a killed run left where the program writes: the program folder, Data, CHG,
// and each year folder of SEI and SEIR. Returns how many it removed.
size_t removeProgramTemporaries(const std::filesystem::path& programDir);

} // namespace renoka
