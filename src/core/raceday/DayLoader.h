#pragma once
// Loading a race day into the store: race details, runners, previous runs, payouts, then the intakes of odds,
// mining, weights and payouts, the race list, the venues and fetch times, and the first race on screen.
#include "platform/RecordFile.h"
#include "store/RecordSizes.h"

#include <QDateTime>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

class Clock;
class Desktop;
class HorseWeights;
class IniFile;
struct Label;
class MiningIntake;
class OddsIntake;
class PayoutIntake;
class ProgramFolder;
class RaceDayStore;
class SortedStringList;
class ViewChanges;
struct FrameVisibility;
struct ListControl;
struct TimerState;

// The main window's lists, labels and flags that a day load fills or resets.
struct DayControls {
    ListControl& DateCombo;
    ListControl& DatList;
    Label& RestTimeLabel;
    Label& SeiRecLabel;
    Label& PrgrsText;
    FrameVisibility& visibility;
    TimerState& Timer4;
    std::vector<std::string>& SharedLines;
    SortedStringList& VenueList;
    std::vector<std::string>& RaceAmounts;
    bool& BatchMode;
};

// The intakes a day load runs, in its order.
struct DayIntakes {
    OddsIntake& odds;
    MiningIntake& mining;
    HorseWeights& weights;
    PayoutIntake& payouts;
};

class DayLoader {
public:
    DayLoader(RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop, const Clock& clock,
              DayControls controls, DayIntakes intakes, ViewChanges& changes)
        : m_store(store), m_folder(folder), m_ini(ini), m_desktop(desktop), m_clock(clock), m_c(controls),
          m_intakes(intakes), m_changes(changes) {}

    // Shows the first race of a loaded day (the main form points it at the race selection).
    std::function<void()> DatListClick;
    // The race list was emptied or filled: the other lists of the day's races follow it.
    std::function<void()> raceListChanged;
    // Arms the automatic acquisition of the loaded day, after its fetch times are set (the main form connects it).
    std::function<void()> armAutomaticAcquisition;

    // Loads the day chosen in the day list (DateCombo.itemIndex).
    void DateComboChange();
    // Loads every day of the list, oldest first, skipping days with a "STAT/<day>.stat1" marker.
    void DirectReadBtnClick();
    // Picking from the list is handled by DateComboChange alone.
    void DateComboClick() {}

    // Whether every runner record read at the last load holds final results.
    bool resultsState() const { return m_resultsState; }
    // True while DateComboChange runs: the store holds half a day.
    bool loading() const { return m_loading; }
    // Whether the automatic acquisition runs for a day: today, or tomorrow from 18:00 on.
    static bool automaticDay(std::string_view dayName, const QDateTime& now);

private:
    bool loadRaces(const std::string& raceFile);
    void loadRunners(int slot, std::string_view race);
    void loadPreviousRun(int slot, int horse, std::string_view runner);
    void loadPayouts();
    void loadPreviousRaces();
    void buildVenues();

    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    IniFile& m_ini;
    Desktop& m_desktop;
    const Clock& m_clock;
    DayControls m_c;
    DayIntakes m_intakes;
    ViewChanges& m_changes;
    bool m_resultsState = true;
    // Buffers kept across loads: a day reads some 500 history files and a runner file per course.
    RecordFile m_runners{records::SE};
    RecordFile m_history{records::SE};
    bool m_loading = false;
};

} // namespace renoka
