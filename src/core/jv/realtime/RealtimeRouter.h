#pragma once
// Where each record of a real-time answer goes: odds, results, weights and mining forecasts into the day files,
// change notices into the CHG folder. Every update goes through the main window's one file store, so whoever reads
// a file next reads it with the record in it.
#include "store/DayFileStore.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace renoka {

// What a real-time stream carries, and so which routes its reader takes.
enum class RealtimeData { Odds, Results, Weights, TimeMining, MatchMining, Changes };

class RealtimeRouter {
public:
    // `reject` hears about every record skipped because it is malformed (wrong length, a date or racecourse that
    // cannot name a file, a horse or race number that has no line in its runner file), with the reason (CP932).
    RealtimeRouter(DayFileStore& files, std::filesystem::path programDir,
                   std::function<void(const std::string&)> reject);

    // Routes one record (CP932, without CR LF) of a stream of `data`. A record that fits no route is dropped.
    void route(RealtimeData data, std::string_view line);

private:
    void routeOdds(int kind, std::string_view line);
    void routeResults(std::string_view type, std::string_view line);
    void routeZeroed(std::string_view line, const char* extension);
    void routeChange(std::string_view type, std::string_view line);
    // The checks every route shares: the record's own length, and a date and racecourse fit for a file name.
    bool wellFormed(std::string_view line, size_t length);
    void reject(std::string_view line, const char* reasonUtf8);
    std::filesystem::path path(const std::string& relative) const;

    DayFileStore& m_files;
    std::filesystem::path m_programDir;
    std::function<void(const std::string&)> m_reject;
    std::string m_work;
};

} // namespace renoka
