#pragma once
// Choosing a race (DatListClick): the race card of the chosen slot, then the views that depend on the race in the
// order each one needs the one before: its results, the entries-check sort, the stake editors, the axis and
// partner marks, the bets, and the entries table with the marks.
#include <functional>

namespace renoka {

class Desktop;
class EntriesTable;
class PayoutIntake;
class RaceCard;
class RaceDayStore;
class ViewChanges;
struct FrameVisibility;
struct ListControl;

class RaceSelection {
public:
    RaceSelection(RaceDayStore& store, Desktop& desktop, const ListControl& datList, RaceCard& card,
                  EntriesTable& entries, PayoutIntake& payouts, FrameVisibility& visibility, ViewChanges& changes)
        : m_store(store), m_desktop(desktop), m_datList(datList), m_card(card), m_entries(entries), m_payouts(payouts),
          m_visibility(visibility), m_changes(changes) {}

    // A race was chosen in the race list (DatList.itemIndex is the race slot). Refuses a race without runners
    // with a message and leaves the shown card as it was.
    void DatListClick();

    // The betting views that follow the shown race. They belong to the stake, marks and bets features; the main
    // form connects them, and a step that is not connected is skipped. Called in this order, after the
    // entries-check sort and before the entries table is filled:
    std::function<void()> setStakeEditors;   // stake, target profit and loss of the race (SaNumEditExC1..3)
    std::function<void()> JikuHimoBtnClick;  // axis and partner marks
    std::function<void()> KaimeMakeBtnClick; // bets from the marks
    // At the end: empties the bet summary labels (KenLabel, KaiPaternLabel, kinto2tenLabel).
    std::function<void()> clearBetLabels;

private:
    RaceDayStore& m_store;
    Desktop& m_desktop;
    const ListControl& m_datList;
    RaceCard& m_card;
    EntriesTable& m_entries;
    PayoutIntake& m_payouts;
    FrameVisibility& m_visibility;
    ViewChanges& m_changes;
};

} // namespace renoka
