#pragma once
// The results panel of the race view (the "結果" tab): for every payout entry of the eight bet types a triple of
// labels 結果 (horse number or combination key), 人気 and 配当. The summaries read the 結果 and 配当 texts
// back, so the texts keep their fixed widths: "%2d" horse numbers and popularities, "%8d" payouts.
#include "results/HrTable.h"
#include "text/Label.h"

#include <array>

namespace renoka {

struct ResultLabels {
    Label Kekka; // 結果
    Label Ninki; // 人気
    Label Haito; // 配当
};

class ResultsPanel {
public:
    // 3 + 5 + 3 + 3 + 7 + 6 + 3 + 6 label triples.
    static constexpr int kEntryCount = 36;

    // Entry `index` (0-based) of a bet type; a RangeError outside the type's entries.
    const ResultLabels& entry(PayoutType type, int index) const;
    ResultLabels& entry(PayoutType type, int index);

    // Empties every text.
    void clear();
    // Shows a payout table: an entry without a horse (単勝, 複勝) or without a key (the others) stays empty in
    // all three labels, whatever payout the record carries for it.
    void fill(const RaceWork::PayoutTable& table);

private:
    std::array<ResultLabels, kEntryCount> m_entries{};
};

} // namespace renoka
