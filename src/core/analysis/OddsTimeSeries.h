#pragma once
// The time-series odds import: which line of a time-series file stands for a race, and how it goes into the
// day's odds file.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace renoka {

class Desktop;
class IniFile;
class ProgramFolder;
class RaceDayStore;
struct ListControl;

// The menu items of the time-series odds viewer's folder.
class OddsTimeSeries {
public:
    // `batchMode` is read at the end of each import: no message while the batch load runs. `reloadDay` loads the
    // day again (the main form points it at the day load); left empty, the import ends without a reload.
    OddsTimeSeries(RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop,
                   const ListControl& dateCombo, const bool& batchMode, std::function<void()> reloadDay)
        : m_store(store), m_folder(folder), m_ini(ini), m_desktop(desktop), m_dateCombo(dateCombo),
          m_batchMode(batchMode), m_reloadDay(std::move(reloadDay)) {}

    // "時系列オッズより取得(&T)": for every race of the loaded day takes, from the time-series odds folder
    // ([Dir] jikeiretu), the record of each odds type announced nearest to the race's first automatic odds
    // time, puts it into the day's odds files, tells how many races were taken (not in a batch load), and
    // reloads the day.
    void T1Click();
    // "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)": picks the time-series odds folder.
    void N12Click();

private:
    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    IniFile& m_ini;
    Desktop& m_desktop;
    const ListControl& m_dateCombo;
    const bool& m_batchMode;
    std::function<void()> m_reloadDay;
};

// Index of the line to take from a time-series file, or -1. Only lines of `recordLength` bytes (a record image
// without its CR LF) announced on the race day itself (announcement month-day at 28-31 equal to the race's at
// 16-19) count; of these, the one whose announcement time (hour 32-33, minute 34-35) is nearest to
// `targetMinute` (minutes after midnight). Among equally near lines the first in the file wins, and a line 1000
// or more minutes away is never taken.
int nearestAnnouncement(const std::vector<std::string>& lines, int targetMinute, size_t recordLength);

// Puts a record line into the lines of a day file: it replaces every line of the same race (positions 12-27:
// year, month-day, racecourse, meeting, day, race), or is added at the end when there is none.
void replaceRaceLines(std::vector<std::string>& lines, const std::string& record);

} // namespace renoka
