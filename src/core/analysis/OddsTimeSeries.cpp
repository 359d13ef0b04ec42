#include "analysis/OddsTimeSeries.h"

#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "store/DayFiles.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <cstdlib>
#include <map>

namespace renoka {

namespace {

// The time-series viewer's data folder. While it reads as the program folder (the default) it was never chosen.
constexpr const char* kFolderSection = "Dir";
constexpr const char* kFolderKey = "jikeiretu";

int minutesOf(std::string_view hhmm) {
    return fieldInt(hhmm, 1, 2) * 60 + fieldInt(hhmm, 3, 2);
}

// Racecourse, meeting, day and race number as they become a file name: eight ASCII letters or digits.
bool plainName(std::string_view s) {
    if (s.size() != 8) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return true;
}

std::string comboText(const ListControl& combo) {
    if (combo.itemIndex < 0 || static_cast<size_t>(combo.itemIndex) >= combo.items.size()) return {};
    return combo.items[static_cast<size_t>(combo.itemIndex)];
}

} // namespace

int nearestAnnouncement(const std::vector<std::string>& lines, int targetMinute, size_t recordLength) {
    int best = 1000;
    int chosen = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // Odds announced the day before are the previous day's sales, whatever their time.
        if (line.size() != recordLength || field(line, 16, 4) != field(line, 28, 4)) continue;
        const int distance = std::abs(targetMinute - minutesOf(field(line, 32, 4)));
        if (distance < best) {
            best = distance;
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

void replaceRaceLines(std::vector<std::string>& lines, const std::string& record) {
    const std::string_view key = field(record, 12, 16);
    bool replaced = false;
    for (std::string& line : lines) {
        if (field(line, 12, 16) == key) {
            line = record;
            replaced = true;
        }
    }
    if (!replaced) lines.push_back(record);
}

void OddsTimeSeries::T1Click() {
    Desktop& desktop = m_desktop;
    const std::string programDir = m_folder.text();
    const std::string folder = trim(m_ini.readString(kFolderSection, kFolderKey, programDir));
    if (folder.empty() || folder == programDir) {
        desktop.beep();
        desktop.information(sj("時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。"));
        return;
    }
    if (trimView(comboText(m_dateCombo)).empty()) {
        desktop.beep();
        desktop.information(sj("ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。"));
        return;
    }

    RaceDayStore& store = m_store;
    const std::filesystem::path source = folderSettingPath(folder);
    int taken[7] = {};
    // Type by type, so that each day file is loaded and written once however many races it takes.
    for (int kind = 1; kind <= 6; ++kind) {
        const std::string extension = fmt(".jvO%d", kind);
        std::map<std::string, std::vector<std::string>> dayFiles; // by day name, as loaded before the first change
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!store.slotInUse(slot)) continue;
            const std::string_view ra = store.ra(slot);
            const std::string date(field(ra, 12, 8));
            const std::string day = dayNameOf(ra);
            const std::string_view race = field(ra, 20, 8);
            if (day.empty() || !plainName(race)) continue;
            const auto lines = loadLines(source / date / (std::string(race) + extension));
            const int target = minutesOf(store.work(slot).OzGetTimes[0].view());
            const int chosen = nearestAnnouncement(lines, target, records::odds(kind) - 2);
            if (chosen < 0) continue;
            auto [entry, added] = dayFiles.try_emplace(day);
            if (added) entry->second = loadLines(m_folder.pathOf(dayFile(day, extension)));
            replaceRaceLines(entry->second, lines[static_cast<size_t>(chosen)]);
            ++taken[kind];
        }
        for (const auto& [day, lines] : dayFiles)
            saveLines(m_folder.pathOf(dayFile(day, extension)), lines);
    }

    if (!m_batchMode) {
        desktop.information(fmt("%d", taken[1]) + sj("ﾚｰｽ分の単複枠ｵｯｽﾞ") + "\r\n" + fmt("%d", taken[2]) +
                            sj("ﾚｰｽ分の馬連ｵｯｽﾞ") + "\r\n" + sj("を取りこみました。"));
    }
    if (m_reloadDay) m_reloadDay();
}

void OddsTimeSeries::N12Click() {
    const std::string current = m_ini.readString(kFolderSection, kFolderKey, m_folder.text());
    if (auto chosen = m_desktop.pickFolder(sj("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定"), current))
        m_ini.writeString(kFolderSection, kFolderKey, *chosen);
}

} // namespace renoka
