#pragma once
// Horse weights of the day and the rank of each horse's previous-run last three furlongs.
#include "platform/RecordFile.h"

#include <map>
#include <string>

namespace renoka {

class ProgramFolder;
class RaceDayStore;
class SortedStringList;
class ViewChanges;
struct ListControl;

class HorseWeights {
public:
    // The race list says how many races the previous-run ranks are made for; `workList` is the main form's
    // venue list, borrowed as a sorting list.
    HorseWeights(RaceDayStore& store, const ProgramFolder& folder, const ListControl& datList,
                 SortedStringList& workList, ViewChanges& changes)
        : m_store(store), m_folder(folder), m_datList(datList), m_workList(workList), m_changes(changes) {}

    // "馬体重読込": the day's ".jvWH" file into the WH images of the 36 slots, then Bataiju and BataijuZogen of
    // every slot; a weight in the horse's runner record wins over the WH record. Runs after a day load, after a
    // weight fetch and on the button.
    void BataijuReadBtnClick();

    // "前走3F順位": for every race of the race list, the rank of each horse's last three furlongs among the
    // finishers of its previous race, from that day's runner file. Writes only the ranks it finds. The main
    // form's VenueList is its sorting list, so the day load builds the venue list after this step.
    void ZensoF3BtnClick();

    // The weight fields' mark for "could not be weighed" (both the weight and its change).
    static constexpr int kNotWeighed = 999;

private:
    void readWh();
    void zensoF3(int slot, int horse, std::map<std::string, RecordFile>& files);

    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    const ListControl& m_datList;
    SortedStringList& m_workList;
    ViewChanges& m_changes;
};

} // namespace renoka
