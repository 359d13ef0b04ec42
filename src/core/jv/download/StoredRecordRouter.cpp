#include "jv/download/StoredRecordRouter.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "codes/KeibaFunc.h"
#include "platform/FileIo.h"
#include "store/DayFiles.h"
#include "store/RecordSizes.h"
#include "text/Fields.h"

#include <system_error>

namespace renoka {

namespace fs = std::filesystem;

namespace {

bool kindIsForeign(std::string_view line) {
    const std::string_view kind = field(line, 3, 1);
    return kind == "A" || kind == "B";
}

int raceDate(std::string_view line) {
    return fieldInt(line, 12, 8);
}
int raceNumber(std::string_view line) {
    return fieldInt(line, 26, 2);
}

// The label's "yyyy年mm月dd日" + venue + race number + "R".
std::string meetingText(std::string_view line) {
    return dayNameOf(line) + JyoName(field(line, 20, 2), 2) + std::string(field(line, 26, 2)) + "R";
}

const std::string& text(const char* utf8) {
    thread_local std::unordered_map<const char*, std::string> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(utf8, sj(utf8)).first;
    return it->second;
}

} // namespace

StoredRecordRouter::StoredRecordRouter(DayFileStore& files, fs::path programDir,
                                       std::function<void(const std::string&)> reject)
    : m_files(files), m_programDir(std::move(programDir)), m_reject(std::move(reject)) {}

const fs::path& StoredRecordRouter::path(const std::string& relative) {
    auto it = m_paths.find(relative);
    if (it == m_paths.end()) it = m_paths.emplace(relative, pathUnder(m_programDir, relative)).first;
    return it->second;
}

void StoredRecordRouter::ensureFolder(const std::string& relative) {
    if (m_knownFolders.count(relative)) return;
    const fs::path& folder = path(relative);
    std::error_code ec;
    if (fs::is_directory(folder, ec)) {
        m_knownFolders.insert(relative);
        return;
    }
    fs::create_directories(folder, ec);
    if (ec)
        throw FileError(text("フォルダを作成できません: ") + displayPath(folder) + text("（") +
                        systemErrorText(ec.value()) + text("）"));
    m_knownFolders.insert(relative);
}

void StoredRecordRouter::reject(std::string_view line, const char* reasonUtf8) {
    ++m_rejected;
    if (m_reject) m_reject(text(reasonUtf8) + std::string(field(line, 1, 27)));
}

void StoredRecordRouter::route(std::string_view line, const RouteConditions& c, std::string& label) {
    const std::string_view type = field(line, 1, 2);
    size_t expected = 0;
    int oddsKind = 0;
    if (type == "RA")
        expected = records::RA;
    else if (type == "SE")
        expected = records::SE;
    else if (type == "HR")
        expected = records::HR;
    else if (type == "TM")
        expected = records::TM;
    else if (type.size() == 2 && type[0] == 'O' && type[1] >= '1' && type[1] <= '6') {
        oddsKind = type[1] - '0';
        expected = records::odds(oddsKind);
    } else {
        return; // other record types of the stream are not kept
    }
    if (oddsKind && !c.takeOdds) return;
    if (line.size() != expected - 2) {
        reject(line, "長さの合わないレコードを読み飛ばしました: ");
        return;
    }
    // The date and the racecourse become parts of file names: check them before anything else.
    if (dayNameOf(line).empty() || !knownCourseCode(field(line, 20, 2))) {
        reject(line, "日付か競馬場コードが正しくないレコードを読み飛ばしました: ");
        return;
    }
    if (type == "RA")
        routeRa(line, c, label);
    else if (type == "SE")
        routeSe(line, c, label);
    else if (type == "HR")
        routeHr(line, c, label);
    else if (type == "TM")
        routeTm(line);
    else
        routeOdds(oddsKind, line, label);
}

void StoredRecordRouter::routeRa(std::string_view line, const RouteConditions& c, std::string& label) {
    if (!kindIsForeign(line)) {
        const int runners = fieldInt(line, 882, 2);
        if (raceDate(line) < c.FromDateNumber - 10 || raceNumber(line) <= 0 || runners < 1 || runners > 18) return;
        if (jraVenueName(field(line, 20, 2)).empty()) {
            reject(line, "JRAの競馬場ではないレコードを読み飛ばしました: ");
            return;
        }
        m_work.assign(line);
        zeroKindAndDate(m_work);
        m_files.keyedMerge(path(dayFile(dayNameOf(line), ".jvRA")), m_work, BlankLineRule::DropFirst);
        label = text("開催:") + meetingText(line);
        return;
    }
    const std::string_view year = field(line, 12, 4);
    if (!(year > std::string_view(c.ArchiveFloorYear))) return;
    ensureFolder(foreignRaceFolder(year));
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(foreignRaceFile(line)), m_work, BlankLineRule::Keep);
    label = text("開催:") + meetingText(line);
}

void StoredRecordRouter::routeSe(std::string_view line, const RouteConditions& c, std::string& label) {
    const int race = raceNumber(line);
    const int horse = fieldInt(line, 29, 2);
    const std::string name(field(line, 41, 36));
    const std::string_view course = field(line, 20, 2);
    if (race > 0 && horse >= 1 && horse <= 18 && !kindIsForeign(line) && raceDate(line) >= c.FromDateNumber - 10) {
        const std::string venue = jraVenueName(course);
        if (venue.empty()) {
            reject(line, "JRAの競馬場ではないレコードを読み飛ばしました: ");
        } else if (race > 12) {
            // The runner file has lines for twelve races only.
            reject(line, "レース番号が12を超えるレコードを読み飛ばしました: ");
        } else {
            m_files.putRunnerLine(path(runnerFile(dayNameOf(line), venue)), (race - 1) * 18 + horse - 1, line);
            label = text("馬毎:") + venue + std::string(field(line, 26, 2)) + "R/" + CircledNumber(field(line, 29, 2)) +
                    name;
        }
    }
    const std::string_view registration = field(line, 31, 10);
    if (!(field(line, 31, 4) > std::string_view(c.ArchiveFloorYear))) return;
    if (!isDigits(registration)) {
        reject(line, "血統登録番号が正しくないレコードを読み飛ばしました: ");
        return;
    }
    ensureFolder(horseArchiveFolder(registration));
    const std::string_view kind = field(line, 3, 1);
    if (kind != "7" && kind != "A" && kind != "B") return;
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(horseArchiveFile(registration)), m_work, BlankLineRule::Keep);
    label = text("過去走:") + std::string(field(line, 12, 4)) + "/" + std::string(field(line, 16, 2)) + "/" +
            std::string(field(line, 18, 2)) + JyoName(course, 2) + std::string(field(line, 26, 2)) + "R/" +
            CircledNumber(field(line, 29, 2)) + name;
}

void StoredRecordRouter::routeHr(std::string_view line, const RouteConditions& c, std::string& label) {
    if (raceDate(line) < c.FromDateNumber - 10 || raceNumber(line) <= 0) return;
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(dayFile(dayNameOf(line), ".jvHR")), m_work, BlankLineRule::Keep);
    label = text("払戻:") + meetingText(line);
}

void StoredRecordRouter::routeTm(std::string_view line) {
    if (raceNumber(line) <= 0) return;
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(dayFile(dayNameOf(line), ".jvTM")), m_work, BlankLineRule::DropFirst);
}

void StoredRecordRouter::routeOdds(int kind, std::string_view line, std::string& label) {
    static const char* const captions[] = {
        "単勝確定ｵｯｽﾞ:", "馬連確定ｵｯｽﾞ:", "ﾜｲﾄﾞ確定ｵｯｽﾞ:", "馬単確定ｵｯｽﾞ:", "3連複確定ｵｯｽﾞ:", "3連単確定ｵｯｽﾞ:"};
    const std::string_view dataKind = field(line, 3, 1);
    if (dataKind == "0" || dataKind == "9" || raceNumber(line) <= 0) return;
    const std::string day = dayNameOf(line);
    const std::string extension = ".jvO" + std::to_string(kind);
    m_work.assign(line);
    zeroKindAndDate(m_work);
    m_files.keyedMerge(path(dayFile(day, extension)), m_work, BlankLineRule::DropFirst);
    label = text(captions[kind - 1]) + std::string(field(line, 26, 2)) + "R/" + day + extension;
}

} // namespace renoka
