#pragma once
// Payout intake, the payout tables of the day and the results panel of the shown race.
#include "results/ResultsPanel.h"

#include <functional>
#include <string>

namespace renoka {

class ProgramFolder;
class RaceDayStore;
class ViewChanges;
struct ListControl;

class PayoutIntake {
public:
    // The race list tells whether a race is on screen to be shown again.
    PayoutIntake(RaceDayStore& store, const ProgramFolder& folder, const ListControl& datList, ViewChanges& changes)
        : m_store(store), m_folder(folder), m_datList(datList), m_changes(changes) {}

    // "払戻取込": the day's race records and per-course runner (result) files into the store, the results
    // arrays, then the day's HR records into the payout images, the placings written from the place payouts
    // and the payout tables. When the race on screen got its first payout, the race view shows it again.
    // Runs on the button and after every results fetch.
    void HrReadBtnClick();
    // "Calc": the payout tables (HrTable) of all 36 slots from their HR images. Runs at the end of
    // HrReadBtnClick, after a day load and each time the race view shows a race.
    void CalcBtnClick();

    // The results panel of the race view. The race view empties it and fills it for the race on screen.
    ResultsPanel KekkaPanel;
    void KekkaPanelClear();
    // Fills the panel from the payout table of the race on screen (CurrentRace).
    void KekkaPanelFill();

    // Shows the race on screen again (the race view's DatListClick; the main form connects it).
    std::function<void()> DatListClick;

private:
    void readResults();
    // True when the race on screen (racecourse `course`, race `race`) got its first payout record.
    bool readPayouts(const std::string& course, const std::string& race);
    void writePlacings();

    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    const ListControl& m_datList;
    ViewChanges& m_changes;
};

} // namespace renoka
