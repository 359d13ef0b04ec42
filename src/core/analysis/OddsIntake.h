#pragma once
// Odds intake: the odds records of a race into its odds and popularity tables.
#include "analysis/OddsFile.h"
#include "analysis/OddsRecords.h"

namespace renoka {

class ProgramFolder;
class RaceDayStore;
class ViewChanges;

class OddsIntake {
public:
    OddsIntake(RaceDayStore& store, const ProgramFolder& folder, ViewChanges& changes)
        : m_store(store), m_folder(folder), m_changes(changes) {}

    // "オッズ取込": reads the first record of the race in slot store().OddsSlot from each of the day's six odds
    // files into the slot's record images, then rebuilds the slot's odds and popularity tables from the images.
    // A missing file or race leaves that image as it was, and it is read again. Called for every slot at a day
    // load and after every real-time odds fetch. An OddsSlot out of range is a RangeError that changes nothing.
    void OzReadBtnClick();

private:
    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    ViewChanges& m_changes;
    OddsFileReader m_reader;
    HorseRankLists m_ranks;
};

} // namespace renoka
