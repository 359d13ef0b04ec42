#pragma once
// Mining forecasts: the time-type (DM) and match-up (TM) forecasts of the day, per horse, and the ranks they
// give. The axis selection picks among the top of these ranks, so it runs again after every read.
#include "text/SortedStringList.h"

#include <functional>

namespace renoka {

class ProgramFolder;
class RaceDayStore;
class ViewChanges;

class MiningIntake {
public:
    MiningIntake(RaceDayStore& store, const ProgramFolder& folder, ViewChanges& changes)
        : m_store(store), m_folder(folder), m_changes(changes) {}

    // "ﾏｲﾆﾝｸﾞ読込": the day's ".jvDM" and ".jvTM" files into the DM and TM images of the 36 slots, then
    // TimeMining, TimeMiningRank, TaisenMining and TaisenMiningRank of every slot, then the axis selection.
    // Runs after a day load, after a mining fetch and on the button.
    void DMReadBtnClick();

    // The axis selection of the day (the main form connects it); nothing runs while it is empty.
    std::function<void()> JikuBtnClick;

    // Largest head-to-head score the records carry (100.0 in tenths); anything above counts as no score.
    static constexpr int kMaxScore = 1000;

private:
    void readDm();
    void readTm();
    void rankTimes(int slot);
    void rankScores(int slot);

    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    ViewChanges& m_changes;
    SortedStringList m_order;
};

} // namespace renoka
