#include "jv/realtime/RealtimeRouter.h"

#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "store/DayFiles.h"
#include "store/RecordSizes.h"
#include "text/Fields.h"

namespace renoka {

namespace fs = std::filesystem;

namespace {

int raceNumberOf(std::string_view line) {
    return fieldInt(line, 26, 2);
}

// The change notices of a day are named after the day as the day list shows it.
std::string changeFile(std::string_view line, const char* extension) {
    return "CHG/" + dayNameOf(line) + extension;
}

} // namespace

RealtimeRouter::RealtimeRouter(DayFileStore& files, fs::path programDir, std::function<void(const std::string&)> reject)
    : m_files(files), m_programDir(std::move(programDir)), m_reject(std::move(reject)) {}

fs::path RealtimeRouter::path(const std::string& relative) const {
    return pathUnder(m_programDir, relative);
}

void RealtimeRouter::reject(std::string_view line, const char* reasonUtf8) {
    if (m_reject) m_reject(sj(reasonUtf8) + std::string(field(line, 1, 27)));
}

bool RealtimeRouter::wellFormed(std::string_view line, size_t length) {
    if (line.size() != length - 2) {
        reject(line, "長さの合わない速報レコードを読み飛ばしました: ");
        return false;
    }
    // The date becomes part of a file name; the racecourse too, for the runner files. A WE record has no race
    // number, but its racecourse sits at the same place.
    if (dayNameOf(line).empty() || !knownCourseCode(field(line, 20, 2))) {
        reject(line, "日付か競馬場コードが正しくない速報レコードを読み飛ばしました: ");
        return false;
    }
    return true;
}

void RealtimeRouter::route(RealtimeData data, std::string_view line) {
    const std::string_view type = field(line, 1, 2);
    switch (data) {
    case RealtimeData::Odds:
        if (type.size() == 2 && type[0] == 'O' && type[1] >= '1' && type[1] <= '6') routeOdds(type[1] - '0', line);
        return;
    case RealtimeData::Results:
        if (type == "RA" || type == "SE" || type == "HR") routeResults(type, line);
        return;
    case RealtimeData::Weights:
        if (type == "WH" && wellFormed(line, records::WH)) routeZeroed(line, ".jvWH");
        return;
    case RealtimeData::TimeMining:
        if (type == "DM" && wellFormed(line, records::DM)) routeZeroed(line, ".jvDM");
        return;
    case RealtimeData::MatchMining:
        if (type == "TM" && wellFormed(line, records::TM)) routeZeroed(line, ".jvTM");
        return;
    case RealtimeData::Changes:
        if (type == "WE" || type == "TC") routeChange(type, line);
        return;
    }
}

void RealtimeRouter::routeOdds(int kind, std::string_view line) {
    if (!wellFormed(line, records::odds(kind))) return;
    // Kind 0 withdraws a record and kind 9 says the race was called off: neither is odds to keep.
    const std::string_view dataKind = field(line, 3, 1);
    if (dataKind == "0" || dataKind == "9" || raceNumberOf(line) <= 0) return;
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(dayFile(dayNameOf(line), ".jvO" + std::to_string(kind))), m_work, BlankLineRule::DropFirst);
}

void RealtimeRouter::routeResults(std::string_view type, std::string_view line) {
    if (type == "RA") {
        if (!wellFormed(line, records::RA) || raceNumberOf(line) <= 0) return;
        // The race file comes from the stored download; the results only bring it up to date.
        const fs::path file = path(dayFile(dayNameOf(line), ".jvRA"));
        if (!m_files.exists(file)) return;
        m_work.assign(line);
        zeroKindAndDate(m_work);
        m_files.keyedMerge(file, m_work, BlankLineRule::DropFirst);
    } else if (type == "SE") {
        if (!wellFormed(line, records::SE)) return;
        const int race = raceNumberOf(line);
        const int horse = fieldInt(line, 29, 2);
        if (race <= 0 || horse <= 0) return;
        // The runner file has one line for each of 18 horses in 12 races and nowhere else to put a record.
        if (horse > 18 || race > 12) {
            reject(line, "馬番かレース番号が範囲外の速報レコードを読み飛ばしました: ");
            return;
        }
        const std::string venue = jraVenueName(field(line, 20, 2));
        if (venue.empty()) return;
        const fs::path file = path(runnerFile(dayNameOf(line), venue));
        if (!m_files.exists(file)) return;
        m_files.putRunnerLine(file, (race - 1) * 18 + horse - 1, line);
    } else {
        if (!wellFormed(line, records::HR) || raceNumberOf(line) <= 0) return;
        m_files.keyedMerge(path(dayFile(dayNameOf(line), ".jvHR")), line, BlankLineRule::Keep);
    }
}

void RealtimeRouter::routeZeroed(std::string_view line, const char* extension) {
    if (raceNumberOf(line) <= 0) return;
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(dayFile(dayNameOf(line), extension)), m_work, BlankLineRule::DropFirst);
}

void RealtimeRouter::routeChange(std::string_view type, std::string_view line) {
    if (type == "WE") {
        if (!wellFormed(line, records::WE)) return;
        // The meeting day, the announcement time and the change kind tell the notices of a day apart.
        m_files.keyedMerge(path(changeFile(line, ".WE")), line, BlankLineRule::Keep, 12, 23);
    } else {
        if (!wellFormed(line, records::TC)) return;
        m_files.replaceOrInsert(path(changeFile(line, ".TC")), line, BlankLineRule::DropFirst, 12, 16);
    }
}

} // namespace renoka
