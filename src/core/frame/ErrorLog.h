#pragma once
// The error log "ErrorLog.txt" in the program folder: CP932 lines, newest last. At start-up it is cut to its
// newest 100 lines before the start entry; while the program runs every entry is appended and the whole file
// saved, with no trimming.
#include "platform/Clock.h"

#include <filesystem>
#include <string>
#include <vector>

namespace renoka {

class ErrorLog {
public:
    static constexpr size_t kLinesKeptAtStart = 100;

    ErrorLog(std::filesystem::path file, const Clock& clock) : m_file(std::move(file)), m_clock(clock) {}

    // Loads the log, keeps its newest 100 lines, appends "ソフト起動：" with the date and time and a line with the
    // program folder, and saves it (creating it on the first start).
    void writeStartEntry(const std::string& programDirText);
    // Reloads the log, appends "【エラー】hh:nn:ss：" + message and saves the whole list.
    void append(const std::string& message);
    // append() for callers that are already reporting a failure: a log that cannot be written must not turn
    // one failure into two.
    void record(const std::string& message) noexcept;

    const std::vector<std::string>& lines() const { return m_lines; }
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
    const Clock& m_clock;
    std::vector<std::string> m_lines;
};

} // namespace renoka
