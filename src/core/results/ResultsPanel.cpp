#include "results/ResultsPanel.h"

#include "base/Errors.h"
#include "text/Fields.h"
#include "text/Format.h"

namespace renoka {

namespace {

// Position of a bet type's first triple in the panel.
int firstEntry(PayoutType type) {
    int first = 0;
    for (PayoutType t : kPayoutTypes) {
        if (t == type) break;
        first += payoutLayout(t).entries;
    }
    return first;
}

void show(ResultLabels& labels, std::string kekka, int ninki, int payout) {
    labels.Kekka.text = std::move(kekka);
    labels.Ninki.text = fmt("%2d", ninki);
    labels.Haito.text = fmt("%8d", payout);
}

void empty(ResultLabels& labels) {
    labels.Kekka.text.clear();
    labels.Ninki.text.clear();
    labels.Haito.text.clear();
}

} // namespace

const ResultLabels& ResultsPanel::entry(PayoutType type, int index) const {
    checkIndex(index, payoutLayout(type).entries, "結果");
    return m_entries[static_cast<size_t>(firstEntry(type) + index)];
}

ResultLabels& ResultsPanel::entry(PayoutType type, int index) {
    checkIndex(index, payoutLayout(type).entries, "結果");
    return m_entries[static_cast<size_t>(firstEntry(type) + index)];
}

void ResultsPanel::clear() {
    for (ResultLabels& labels : m_entries)
        empty(labels);
}

void ResultsPanel::fill(const RaceWork::PayoutTable& table) {
    for (PayoutType type : kPayoutTypes) {
        const bool byHorse = type == PayoutType::Tan || type == PayoutType::Fuku;
        for (int i = 0; i < payoutLayout(type).entries; ++i) {
            const PayoutEntry e = payoutEntry(table, type, i);
            ResultLabels& labels = entry(type, i);
            if (byHorse && e.horse != 0)
                show(labels, fmt("%2d", e.horse), e.ninki, e.payout);
            else if (!byHorse && !trimView(e.key).empty())
                show(labels, std::string(e.key), e.ninki, e.payout);
            else
                empty(labels);
        }
    }
}

} // namespace renoka
