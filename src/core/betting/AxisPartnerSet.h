#pragma once
// The choices that pick the axis and partner horses of a race among its candidates: how many horses of each
// kind, in which order, and whether the partners are filled up from the other horses when too few candidates
// exist. The axis-and-partner dialog holds one (its controls); a stored set is one line of "\userkaimeset.dat".
#include <algorithm>

namespace renoka {

// The orders a selection can take its horses in (the items of the dialog's three order choosers).
enum class HorseOrder : int {
    MiningTop = 0,     // マイニング上位の馬: the best time-forecast rank first
    MiningBottom = 1,  // マイニング下位の馬: the worst first
    PopularTop = 2,    // 単勝人気上位の馬: the favourite first
    PopularBottom = 3, // 単勝人気下位の馬: the outsider first
};

struct AxisPartnerSet {
    static constexpr int kMinCount = 1;
    static constexpr int kMaxCount = 18;
    static constexpr int kOrderCount = 4;

    int axisCount = 1;         // JikuTosuEdit1 (頭選定)
    int partner1Count = 7;     // HimoTosuEdit1
    int partner2Count = 7;     // HimoTosuEdit2
    int axisOrder = 0;         // JikuCombo1, a HorseOrder
    int partner1Order = 0;     // HimoCombo1
    int partner2Order = 0;     // HimoCombo2
    bool partner1Fill = false; // Himo1plsCheckBox
    bool partner2Fill = false; // Himo2plsCheckBox

    // The count editors take 1..18 only; an order chooser has four items, anything else shows the first.
    static int keepCount(int value) { return std::clamp(value, kMinCount, kMaxCount); }
    static int keepOrder(int value) { return value >= 0 && value < kOrderCount ? value : 0; }

    bool operator==(const AxisPartnerSet&) const = default;
};

} // namespace renoka
