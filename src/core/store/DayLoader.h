#pragma once
// Loading a race day into the store: race details, runners, previous runs, payouts, then the intakes of odds,
// mining, weights and payouts, the race list, the venues and fetch times, and the first race on screen.
#include <QDateTime>

#include <string>
#include <string_view>

namespace renoka {

class TMainForm;

class DayLoader {
public:
    explicit DayLoader(TMainForm& main) : m_main(main) {}

    // Loads the day chosen in the day list (DateCombo.itemIndex).
    void DateComboChange();
    // Loads every day of the list, oldest first, skipping days with a "STAT/<day>.stat1" marker.
    void DirectReadBtnClick();
    // Picking from the list is handled by DateComboChange alone.
    void DateComboClick() {}

    // Whether every runner record read at the last load holds final results.
    bool resultsState() const { return m_resultsState; }
    // Whether the automatic acquisition runs for a day: today, or tomorrow from 18:00 on.
    static bool automaticDay(std::string_view dayName, const QDateTime& now);

private:
    bool loadRaces(const std::string& raceFile);
    void loadRunners(int slot, std::string_view race);
    void loadPreviousRun(int slot, int horse, std::string_view runner);
    void loadPayouts();
    void loadPreviousRaces();
    void buildVenues();
    void armAutomaticAcquisition(const std::string& day);

    TMainForm& m_main;
    bool m_resultsState = true;
};

} // namespace renoka
