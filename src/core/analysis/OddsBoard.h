#pragma once
// The odds of every bet type of the shown race, read only, from the race's odds and popularity tables: the
// win/place list, the bracket and quinella/quinella-place matrices, and exacta, trio and trifecta lists that can
// be ordered by combination or by odds.
#include "text/TextGrid.h"

#include <array>
#include <string>

namespace renoka {

class RaceDayStore;
class ViewChanges;

class OddsBoard {
public:
    enum class List { Exacta, Trio, Trifecta };

    OddsBoard(const RaceDayStore& store, ViewChanges& changes) : m_store(store), m_changes(changes) {}

    // Rebuilds every grid for the race slot.
    void refresh(int slot);
    // Orders a list by odds (lowest first, races without odds last) or back by combination.
    void sortList(List list, bool byOdds);
    bool sortedByOdds(List list) const { return m_byOdds[static_cast<size_t>(list)]; }

    TextGrid WinPlace;             // 馬番, 馬名, 単勝, 人気, 複勝, 人気
    TextGrid Bracket;              // 9 x 9: brackets across and down, odds where the row bracket <= the column bracket
    TextGrid Quinella;             // 19 x 19: 馬連 above the diagonal (row < column), ワイド below it
    std::array<TextGrid, 3> Lists; // 組番, オッズ, 人気 for 馬単, ３連複, ３連単

    // The captions of the grids, in the order above (CP932).
    static std::string caption(int grid);

    // Odds as the board shows them: one decimal, "取消" for a cancelled sale, "－" for no votes, "" for none.
    static std::string oddsText(double odds);

private:
    void fillList(List list);

    const RaceDayStore& m_store;
    ViewChanges& m_changes;
    int m_slot = 0;
    std::array<bool, 3> m_byOdds{};
};

} // namespace renoka
