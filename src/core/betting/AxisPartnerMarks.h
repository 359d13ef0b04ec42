#pragma once
// The axis and partner marks of a race. At every race selection the horses of the race on screen are
// classified (axis candidate, partner candidate, excluded) by fixed rules, and the axes and partners are picked
// among the candidates by the choices of the axis-and-partner dialog; the marks go into the work record and, as
// "ν" and "消", into columns 8 to 11 of the entries-check grid, where the user can change them by clicking and
// the bets read them. The pattern axis picks one axis horse for every race of the day by its pattern letter.
#include "betting/AxisPartnerSet.h"
#include "text/Label.h"

#include <functional>
#include <string>

namespace renoka {

class RaceDayStore;
class TextGrid;
class ViewChanges;

class AxisPartnerMarks {
public:
    static constexpr int kAxisCol = 8;
    static constexpr int kPartner1Col = 9;
    static constexpr int kPartner2Col = 10;
    static constexpr int kExclusionCol = 11;

    // `checkGrid` is the entries-check grid (StringGrid8, row r = horse number r); `choices` are the dialog's
    // controls as they stand, saved or not.
    AxisPartnerMarks(RaceDayStore& store, TextGrid& checkGrid, const AxisPartnerSet& choices, ViewChanges& changes)
        : m_store(store), m_grid(checkGrid), m_choices(choices), m_changes(changes) {}

    // 軸ヒモ: classifies the horses of the race on screen and marks its axes and partners.
    void JikuHimoBtnClick();
    // 軸: the pattern axis of every race slot, by each race's pattern letter.
    void JikuBtnClick();
    // Gives every race slot its pattern letter from its odds and forecasts (see PatternLetter.h).
    void assignPatternLetters();

    // A mouse-down on the entries-check grid: a data cell of columns 8 to 11 toggles its mark; then, whatever was
    // hit, the bets are built again.
    void StringGrid8MouseDown(int row, int col);
    // StringGrid8MouseMove: the hand cursor over the data cells of columns 8 to 10.
    bool handCursorAt(int row, int col) const;

    // The bets of the race on screen, built from the grid's marks (the main form connects the bet generation).
    std::function<void()> KaimeMakeBtnClick;

    // The pattern letter of the race on screen as the entries-check tab shows it: "パターン: A" (CP932).
    Label PatternLabel;

private:
    void showPattern();

    RaceDayStore& m_store;
    TextGrid& m_grid;
    const AxisPartnerSet& m_choices;
    ViewChanges& m_changes;
};

} // namespace renoka
