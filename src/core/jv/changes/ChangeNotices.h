#pragma once
// The change notices of a live race day: the post-time changes fetched into "CHG/<day>.TC" are applied to the
// day's race file, to the race details in the store and to the races' automatic odds times, once each. Which
// notices were applied is kept per notice category in "CHG/<day>.NEW" (five lines, the announcement time
// MMDDhhmm of the newest applied notice of each category), so it survives a restart.
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace renoka {

class DayFileStore;
class IniFile;
class ProgramFolder;
class RaceDayStore;
class ViewChanges;
struct Label;

class ChangeNotices {
public:
    static constexpr int kCategories = 5;
    static constexpr int kPostTime = 3; // the category this reader applies
    static constexpr int kMaxRecords = 36;

    // `status` is the status line, where the notices that came in are shown.
    ChangeNotices(RaceDayStore& store, DayFileStore& files, const ProgramFolder& folder, const IniFile& ini,
                  Label& status, ViewChanges& changes)
        : m_store(store), m_files(files), m_folder(folder), m_ini(ini), m_status(status), m_changes(changes) {}

    // "開催読込" (hidden): applies the post-time changes not applied yet and writes ".NEW" when one was.
    void KaisaiReadBtnClick();
    // Called when a run changed post times in the store (the race on screen shows its new time).
    std::function<void()> postTimesChanged;

    // The notice lines of the last run, one per category that had something new, in category order.
    const std::vector<std::string>& NoticeLines() const { return m_lines; }

    // "[発走時刻変更]が発生しています。(更新：06/15 10:12)" for a category and its time MMDDhhmm (CP932).
    static std::string noticeLine(int category, const std::string& time);
    // Whether a TC record's new post time can be a post time: four digits of a time of day, not "0000".
    static bool postTimeUsable(const std::string& hhmm);

private:
    void applyPostTime(std::vector<std::string>& raceLines, const std::string& record, int autoOzGet);

    RaceDayStore& m_store;
    DayFileStore& m_files;
    const ProgramFolder& m_folder;
    const IniFile& m_ini;
    Label& m_status;
    ViewChanges& m_changes;
    std::vector<std::string> m_lines;
};

} // namespace renoka
