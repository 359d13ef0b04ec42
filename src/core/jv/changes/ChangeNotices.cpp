#include "jv/changes/ChangeNotices.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/RecordFile.h"
#include "store/DayFileStore.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "text/Fields.h"
#include "text/Label.h"
#include "text/ViewChanges.h"

namespace renoka {

namespace {

constexpr const char* kCategoryTexts[ChangeNotices::kCategories] = {"[天候馬場]", "[取消または除外]が発生しています。",
                                                                    "[騎手変更]が発生しています。",
                                                                    "[発走時刻変更]が発生しています。", "[ｺｰｽ 変更]"};

// A record of the file read 45 bytes at a time that is a whole TC record: a line of another length shifts every
// record after it, and such a piece must not move a post time.
bool wholeTcRecord(std::string_view record) {
    return record.size() == records::TC && field(record, 1, 2) == "TC" && record.substr(records::TC - 2) == "\r\n" &&
           isDigits(field(record, 28, 8));
}

} // namespace

std::string ChangeNotices::noticeLine(int category, const std::string& time) {
    const auto part = [&](int pos) { return std::string(field(time, pos, 2)); };
    return sj(kCategoryTexts[category]) + sj("(更新：") + part(1) + "/" + part(3) + " " + part(5) + ":" + part(7) + ")";
}

bool ChangeNotices::postTimeUsable(const std::string& hhmm) {
    if (hhmm.size() != 4 || !isDigits(hhmm) || hhmm == "0000") return false;
    return toInt(hhmm.substr(0, 2)) < 24 && toInt(hhmm.substr(2, 2)) < 60;
}

void ChangeNotices::applyPostTime(std::vector<std::string>& raceLines, const std::string& record, int autoOzGet) {
    const std::string_view course = field(record, 20, 2);
    const std::string_view race = field(record, 26, 2);
    const std::string newTime(field(record, 36, 4));
    // A time that cannot be a post time ("0000", blanks) would leave the race without one in the race file and
    // in the store; the race keeps the time it has, and its fetch times are worked out from that.
    const bool usable = postTimeUsable(newTime);
    for (size_t i = 0; i < raceLines.size(); ++i) {
        std::string& line = raceLines[i];
        if (line.size() < 877 || field(line, 20, 2) != course || field(line, 26, 2) != race) continue;
        if (usable) line.replace(873, 4, newTime);
        if (i >= static_cast<size_t>(kSlotCount)) continue;
        const int slot = static_cast<int>(i);
        if (usable) {
            std::string ra(m_store.ra(slot));
            ra.replace(873, 4, newTime);
            m_store.setRa(slot, ra);
        }
        const std::string post(field(m_store.ra(slot), 874, 4));
        RaceWork& work = m_store.work(slot);
        work.OzGetTimes[0].assign(ShiftTime(post, -autoOzGet));
        work.OzGetTimes[1].assign(ShiftTime(post, -autoOzGet + 2));
    }
}

void ChangeNotices::KaisaiReadBtnClick() {
    m_lines.clear();
    std::array<std::string, kCategories> times;
    std::array<bool, kCategories> fresh{};
    const auto newFile = m_folder.pathOf("CHG/" + m_store.DayName + ".NEW");
    // Any other number of lines is a file of some other making: it is as good as none.
    const std::vector<std::string> stored = m_files.lines(newFile);
    if (stored.size() == static_cast<size_t>(kCategories))
        for (int c = 0; c < kCategories; ++c)
            times[static_cast<size_t>(c)] = stored[static_cast<size_t>(c)];
    const int autoOzGet = m_ini.readInteger("Time", "AutoOzGet", 10, 0, 24 * 60 - 1);

    const auto tcFile = m_folder.pathOf("CHG/" + m_store.DayName + ".TC");
    const auto raceFile = m_folder.pathOf(m_store.dayFile(".jvRA"));
    if (!m_store.DayName.empty() && m_files.exists(tcFile) && m_files.exists(raceFile)) {
        std::vector<std::string> raceLines = m_files.lines(raceFile);
        const std::string applied = times[kPostTime];
        std::string newest = applied;
        const RecordFile notices(tcFile, records::TC);
        for (std::string_view view : notices.records(kMaxRecords)) {
            if (!wholeTcRecord(view)) continue;
            const std::string record(view);
            const std::string announced(field(record, 28, 8));
            if (!(announced > applied)) continue;
            if (announced > newest) newest = announced;
            fresh[kPostTime] = true;
            applyPostTime(raceLines, record, autoOzGet);
        }
        times[kPostTime] = newest;
        if (fresh[kPostTime]) {
            m_files.replaceLines(raceFile, std::move(raceLines));
            m_changes.mark(View::RaceCard);
            m_changes.mark(View::Frame);
            if (postTimesChanged) postTimesChanged();
        }
    }

    for (int c = 0; c < kCategories; ++c)
        if (fresh[static_cast<size_t>(c)]) m_lines.push_back(noticeLine(c, times[static_cast<size_t>(c)]));
    if (m_lines.empty()) return;
    m_files.replaceLines(newFile, std::vector<std::string>(times.begin(), times.end()));
    std::string text;
    for (const std::string& line : m_lines)
        text += (text.empty() ? "" : " ") + line;
    m_status.text = text;
    m_changes.mark(View::Status);
}

} // namespace renoka
