#pragma once
// Sorts the records of a stored download into the data files: race details, runners, payouts, match-up
// forecasts and (when asked) final odds into the day files, past runs into the per-horse archives, and races
// outside JRA into the foreign-race files.
#include "store/DayFileStore.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace renoka {

struct RouteConditions {
    int FromDateNumber = 0;       // the from-time's "yyyymmdd" as a number
    std::string ArchiveFloorYear; // "%4d" of the current year - 15
    bool takeOdds = false;        // 確定オッズも合わせて取得する
};

class StoredRecordRouter {
public:
    // `reject` hears about every record skipped because it was malformed (wrong length, or a field that would
    // become part of a file name is not what it must be), with the reason (CP932).
    StoredRecordRouter(DayFileStore& files, std::filesystem::path programDir,
                       std::function<void(const std::string&)> reject);

    // Routes one record (CP932, without CR LF). `label` takes the progress text of the record when it has one.
    void route(std::string_view line, const RouteConditions& conditions, std::string& label);

    int rejectedCount() const { return m_rejected; }

private:
    void routeRa(std::string_view line, const RouteConditions& c, std::string& label);
    void routeSe(std::string_view line, const RouteConditions& c, std::string& label);
    void routeHr(std::string_view line, const RouteConditions& c, std::string& label);
    void routeTm(std::string_view line);
    void routeOdds(int kind, std::string_view line, std::string& label);
    void reject(std::string_view line, const char* reasonUtf8);
    // The file of a relative CP932 path; converted once per file, since most records go to a file seen before.
    const std::filesystem::path& path(const std::string& relative);
    void ensureFolder(const std::string& relative);

    DayFileStore& m_files;
    std::filesystem::path m_programDir;
    std::function<void(const std::string&)> m_reject;
    int m_rejected = 0;
    std::string m_work;                             // the zeroed copy of the record being stored
    std::unordered_set<std::string> m_knownFolders; // archive folders known to exist
    std::unordered_map<std::string, std::filesystem::path> m_paths;
};

} // namespace renoka
