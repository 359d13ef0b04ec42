#include "betting/AxisPartnerMarks.h"

#include "base/Cp932.h"
#include "betting/PatternLetter.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/SortedStringList.h"
#include "text/TextGrid.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <array>

namespace renoka {

namespace {

// The horse symbols (SE 77) that rule a horse out as an axis: the foreign-bred, the market-bred and the like.
constexpr std::array<std::string_view, 7> kNoAxisSymbols = {"06", "11", "16", "20", "22", "40", "41"};

int fieldSize(const RaceDayStore& store, int slot) {
    return std::clamp(fieldInt(store.ra(slot), 882, 2), 0, kHorseCount);
}

bool isAxisCandidate(const RaceDayStore& store, int slot, int horse) {
    const RaceWork& w = store.work(slot);
    const size_t h = static_cast<size_t>(horse);
    const std::string_view se = store.se(slot, horse);
    const std::string_view prev = store.prevSe(slot, horse, 1);
    const int mining = w.TimeMiningRank[h];
    const int age = fieldInt(se, 83, 2);
    const std::string_view symbol = field(se, 77, 2);
    return mining >= 1 && mining <= 5 && w.Bataiju[h] >= 460 && field(se, 79, 1) != "3" &&
           std::find(kNoAxisSymbols.begin(), kNoAxisSymbols.end(), symbol) == kNoAxisSymbols.end() &&
           field(se, 295, 1) != "1" && age >= 2 && age <= 6 && w.ZensoF3Rank[h] >= 4 && fieldInt(prev, 335, 2) >= 2 &&
           fieldInt(prev, 289, 3) >= 535;
}

// The sort value of a horse under an order, or nothing when the order does not consider it (no rank).
bool sortValue(const RaceWork& w, size_t h, int order, int& value) {
    const bool byMining =
        order == static_cast<int>(HorseOrder::MiningTop) || order == static_cast<int>(HorseOrder::MiningBottom);
    const int rank = byMining ? w.TimeMiningRank[h] : w.TanNinki[h];
    if (rank <= 0) return false;
    const bool bottomFirst =
        order == static_cast<int>(HorseOrder::MiningBottom) || order == static_cast<int>(HorseOrder::PopularBottom);
    value = bottomFirst ? 20 - rank : rank;
    return true;
}

// Marks the first `count` horses of the selection: the eligible horses as "1" + sort value + horse number in
// text order, so the better sort value wins and a tie goes to the lower horse number. With `fill` the horses that
// are not candidates follow as "2" + ..., after every candidate.
template <class IsCandidate>
void select(RaceWork& w, int horses, int order, int count, bool fill, IsCandidate isCandidate,
            std::array<uint8_t, kHorseCount>& marks) {
    SortedStringList keys(SortedStringList::Duplicates::Ignore);
    for (int horse = 1; horse <= horses; ++horse) {
        const size_t h = static_cast<size_t>(horse - 1);
        int value = 0;
        if (!sortValue(w, h, order, value)) continue;
        const bool candidate = isCandidate(h);
        if (!candidate && !fill) continue;
        keys.add(std::string(candidate ? "1" : "2") + fmt("%2d", value) + fmt("%2d", horse));
    }
    const int taken = std::min(count, keys.count());
    for (int i = 0; i < taken; ++i) {
        const int horse = toInt(std::string_view(keys[i]).substr(3, 2));
        if (horse >= 1 && horse <= kHorseCount) marks[static_cast<size_t>(horse - 1)] = 1;
    }
}

} // namespace

void AxisPartnerMarks::JikuHimoBtnClick() {
    RaceDayStore& store = m_store;
    const int slot = store.CurrentRace;
    RaceWork& w = store.work(slot);
    const int horses = fieldSize(store, slot);

    for (int r = 1; r < m_grid.rowCount(); ++r)
        for (int c : {kAxisCol, kPartner1Col, kPartner2Col})
            m_grid.setCell(c, r, {});
    for (auto* table : {&w.AxisCandidate, &w.PartnerCandidate, &w.ExcludedHorse})
        table->fill(0);
    for (auto* marks : {&w.AxisMark, &w.Partner1Mark, &w.Partner2Mark})
        marks->fill(0);

    for (int horse = 0; horse < horses; ++horse) {
        const size_t h = static_cast<size_t>(horse);
        if (isAxisCandidate(store, slot, horse)) w.AxisCandidate[h] = 1;
        // A horse without a body weight (0) counts as light.
        if (w.TaisenMiningRank[h] >= 9 && w.Bataiju[h] <= 458) {
            w.ExcludedHorse[h] = 1;
            w.ExclusionMark[h] = 1;
        }
        if (w.AxisCandidate[h] == 0 && w.ExcludedHorse[h] == 0) w.PartnerCandidate[h] = 1;
    }

    const AxisPartnerSet& c = m_choices;
    const auto axisCandidate = [&w](size_t h) { return w.AxisCandidate[h] > 0; };
    const auto partnerCandidate = [&w](size_t h) { return w.PartnerCandidate[h] > 0; };
    select(w, horses, c.axisOrder, c.axisCount, false, axisCandidate, w.AxisMark);
    select(w, horses, c.partner1Order, c.partner1Count, c.partner1Fill, partnerCandidate, w.Partner1Mark);
    select(w, horses, c.partner2Order, c.partner2Count, c.partner2Fill, partnerCandidate, w.Partner2Mark);

    static const std::string nu = sj("ν");
    static const std::string kesu = sj("消");
    const int rows = std::min(horses, m_grid.rowCount() - 1);
    for (int horse = 1; horse <= rows; ++horse) {
        const size_t h = static_cast<size_t>(horse - 1);
        if (w.AxisMark[h]) m_grid.setCell(kAxisCol, horse, nu);
        if (w.Partner1Mark[h]) m_grid.setCell(kPartner1Col, horse, nu);
        if (w.Partner2Mark[h]) m_grid.setCell(kPartner2Col, horse, nu);
        if (w.ExclusionMark[h]) m_grid.setCell(kExclusionCol, horse, kesu);
    }
    showPattern();
    m_changes.mark(View::Entries);
}

void AxisPartnerMarks::assignPatternLetters() {
    RaceDayStore& store = m_store;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RaceWork& w = store.work(slot);
        const char letter = patternLetterOf(w, fieldSize(store, slot));
        w.PatternLetter.assign(std::string_view(&letter, 1));
    }
    showPattern();
    m_changes.mark(View::Entries);
}

void AxisPartnerMarks::JikuBtnClick() {
    RaceDayStore& store = m_store;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RaceWork& w = store.work(slot);
        for (auto* marks : {&w.AxisMark, &w.Partner1Mark, &w.Partner2Mark})
            marks->fill(0);
        const int horses = fieldSize(store, slot);
        const std::string_view letter = trimView(w.PatternLetter.view());

        // Which horses a letter looks at, and whether it wants the most or the least popular of them.
        int lowMining = 1, highMining = 0;
        double lowOdds = 0.0, highOdds = 1e300;
        bool mostPopular = false;
        bool lastByNumber = false;
        if (letter == "A") {
            highMining = 4, lowOdds = 20.0;
        } else if (letter == "B") {
            highMining = 1, lowOdds = 30.0, lastByNumber = true;
        } else if (letter == "D") {
            highMining = 3, lowOdds = 30.0;
        } else if (letter == "E") {
            highMining = 4, lowOdds = 20.0, highOdds = 40.0, mostPopular = true;
        } else if (letter == "F") {
            highMining = 4, lowOdds = 20.0, mostPopular = true;
        }
        int chosen = -1;
        for (int h = 0; h < horses; ++h) {
            const size_t i = static_cast<size_t>(h);
            const int p = w.TanNinki[i];
            const int m = w.TimeMiningRank[i];
            const double o = w.TanOz[i];
            if (p <= 0 || m < lowMining || m > highMining || o < lowOdds || o > highOdds) continue;
            // On equal popularity the lower horse number, which is met first, stays.
            const bool better = chosen < 0 || lastByNumber ||
                                (mostPopular ? p < w.TanNinki[static_cast<size_t>(chosen)]
                                             : p > w.TanNinki[static_cast<size_t>(chosen)]);
            if (better) chosen = h;
        }
        if (chosen >= 0) w.AxisMark[static_cast<size_t>(chosen)] = 1;
    }
    m_changes.mark(View::Entries);
}

void AxisPartnerMarks::StringGrid8MouseDown(int row, int col) {
    if (row >= 1 && row < m_grid.rowCount() && col >= kAxisCol && col <= kExclusionCol) {
        static const std::string nu = sj("ν");
        static const std::string kesu = sj("消");
        const bool empty = m_grid.cell(col, row).empty();
        m_grid.setCell(col, row, empty ? (col == kExclusionCol ? kesu : nu) : std::string());
        m_changes.mark(View::Entries);
    }
    if (KaimeMakeBtnClick) KaimeMakeBtnClick();
}

bool AxisPartnerMarks::handCursorAt(int row, int col) const {
    return row >= 1 && row < m_grid.rowCount() && col >= kAxisCol && col <= kPartner2Col;
}

void AxisPartnerMarks::showPattern() {
    const RaceDayStore& store = m_store;
    const int slot = store.CurrentRace;
    std::string letter;
    if (slot >= 0 && slot < kSlotCount) letter = trim(store.work(slot).PatternLetter.view());
    static const std::string caption = sj("パターン: ");
    PatternLabel.text = caption + (letter.empty() ? std::string("-") : letter);
}

} // namespace renoka
