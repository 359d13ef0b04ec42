// The bracket preview (金のなる木プレビュー) and the bracket extraction into the 枠連 grid.
#include "betting/BetBoard.h"

#include "base/Cp932.h"
#include "betting/BetFormat.h"
#include "betting/PopularityRateTable.h"
#include "codes/CombinationKeys.h"
#include "frame/FrameState.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace renoka {

namespace {

constexpr int kPreviewKeyCol = 1;
constexpr int kPreviewOddsCol = 2;
constexpr int kPreviewChoiceCol = 3;

const std::string& choiceMark() {
    static const std::string mark = sj("●");
    return mark;
}

// How many horses of the race run in each bracket (index bracket - 1), from the runner records.
std::array<int, kBracketCount> bracketSizes(const RaceDayStore& store, int slot, int horses) {
    std::array<int, kBracketCount> sizes{};
    for (int h = 0; h < horses; ++h) {
        const int bracket = fieldInt(store.se(slot, h), 28, 1);
        if (bracket >= 1 && bracket <= kBracketCount) ++sizes[static_cast<size_t>(bracket - 1)];
    }
    return sizes;
}

} // namespace

void BetBoard::fillPreview() {
    const int slot = m_store.CurrentRace;
    // The same race shown again keeps its choices and its extracted bets; another race starts without either,
    // so that no bracket bet of one race is ever read as one of another.
    if (slot == m_previewSlot && m_store.DayName == m_previewDay) return;
    m_previewSlot = slot;
    m_previewDay = m_store.DayName;
    clearGrid(BetType::Waku);
    clearLabels(BetType::Waku);

    const int horses = fieldSize();
    const std::array<int, kBracketCount> sizes = bracketSizes(m_store, slot, horses);
    const RaceWork& w = m_store.work(slot);
    std::vector<std::string> keys;
    for (int a = 1; a <= kBracketCount; ++a)
        for (int b = a; b <= kBracketCount; ++b) {
            const int needed = a == b ? 2 : 1;
            if (sizes[static_cast<size_t>(a - 1)] >= needed && sizes[static_cast<size_t>(b - 1)] >= needed)
                keys.push_back(CombinationKey(a, b));
        }
    for (int r = 1; r < StringGrid2.rowCount(); ++r)
        for (int c = 0; c < StringGrid2.colCount(); ++c)
            StringGrid2.setCell(c, r, {});
    StringGrid2.setRowCount(std::max<int>(static_cast<int>(keys.size()) + 1, 2));
    for (size_t i = 0; i < keys.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const int index = WakurenIndex(keys[i]);
        StringGrid2.setCell(0, row, betfmt::integer(row, 2));
        StringGrid2.setCell(kPreviewKeyCol, row, keys[i]);
        if (index > 0 && w.WakuOz[static_cast<size_t>(index)] > 0)
            StringGrid2.setCell(kPreviewOddsCol, row, betfmt::fixed(w.WakuOz[static_cast<size_t>(index)], 7, 1));
    }
    m_changes.mark(View::Bets);
}

void BetBoard::StringGrid2Click(int row, int col) {
    if (row < 1 || row >= StringGrid2.rowCount() || col != kPreviewChoiceCol) return;
    if (trimView(StringGrid2.cell(kPreviewKeyCol, row)).empty()) return;
    const bool chosen = StringGrid2.cell(kPreviewChoiceCol, row) == choiceMark();
    StringGrid2.setCell(kPreviewChoiceCol, row, chosen ? std::string() : choiceMark());
    m_changes.mark(View::Bets);
}

void BetBoard::bracketRule(int lines) {
    // A bracket bet of other than two combinations is staked by the odds, unless a logic that picks its own
    // combinations is chosen.
    const MenuChecks& m = m_c.menus;
    if (lines != 2 && (RadioGroup1ItemIndex == 0 || RadioGroup1ItemIndex == 1) && !m.Kaime3Include && !m.NagasiKaime) {
        RadioGroup1ItemIndex = 1;
        m_changes.mark(View::Bets);
    }
}

void BetBoard::KaimeMakeBtn_OldClick() {
    const BetType type = BetType::Waku;
    const BetTypeInfo& info = betTypeInfo(type);
    clearGrid(type);
    clearLabels(type);
    m_changes.mark(View::Bets);
    const int slot = m_store.CurrentRace;
    const int horses = fieldSize();
    if (!oddsRead(info.oddsKind) || horses < 9) return;

    // Each bracket's chance of a horse in the first two, from the popularity rates of its horses: one less the
    // chance that none of them gets there, in percent; the popularity of the brackets follows that chance
    // (higher first, the lower bracket on a tie; a bracket without a horse with odds has none).
    RaceWork& w = m_store.work(slot);
    std::array<double, kBracketCount> chance{};
    std::array<bool, kBracketCount> priced{};
    std::array<double, kBracketCount> missing;
    missing.fill(1.0);
    for (int h = 0; h < horses; ++h) {
        const int bracket = fieldInt(m_store.se(slot, h), 28, 1);
        const int rank = w.TanNinki[static_cast<size_t>(h)];
        if (bracket < 1 || bracket > kBracketCount || rank <= 0) continue;
        const auto b = static_cast<size_t>(bracket - 1);
        priced[b] = true;
        missing[b] *= 1.0 - m_rates.rate(RatePart::FirstTwo, horses, rank);
    }
    std::array<int, kBracketCount> order{};
    std::iota(order.begin(), order.end(), 0);
    for (size_t b = 0; b < chance.size(); ++b)
        chance[b] = priced[b] ? (1.0 - missing[b]) * 100 : 0.0;
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        if (priced[static_cast<size_t>(x)] != priced[static_cast<size_t>(y)]) return priced[static_cast<size_t>(x)];
        return chance[static_cast<size_t>(x)] > chance[static_cast<size_t>(y)];
    });
    w.BracketNinki.fill(0);
    int rank = 0;
    for (int b : order)
        if (priced[static_cast<size_t>(b)]) w.BracketNinki[static_cast<size_t>(b)] = ++rank;
    w.BracketRate = chance;

    std::vector<std::string> lines;
    for (int r = 1; r < StringGrid2.rowCount(); ++r) {
        const std::string& key = StringGrid2.cell(kPreviewKeyCol, r);
        const int index = WakurenIndex(key);
        if (index <= 0 || w.WakuOz[static_cast<size_t>(index)] <= 0) continue;
        if (StringGrid2.cell(kPreviewChoiceCol, r) != choiceMark()) continue;
        lines.push_back(key + betfmt::fixed(w.WakuOz[static_cast<size_t>(index)], 7, 1) +
                        betfmt::integer(w.WakuNinki[static_cast<size_t>(index)], 2));
    }
    TextGrid& g = grid(type);
    g.setRowCount(std::max<int>(static_cast<int>(lines.size()) + 1, 2));
    for (size_t k = 0; k < lines.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        const std::string& line = lines[k];
        g.setCell(kRowNumberCol, row, betfmt::integer(row, 2));
        g.setCell(kKeyCol, row, std::string(field(line, 1, 5)));
        g.setCell(kOddsCol, row, std::string(field(line, 6, 7)));
        g.setCell(kNinkiCol, row, std::string(field(line, 13, 2)));
        const auto a = static_cast<size_t>(fieldInt(line, 1, 2) - 1);
        const auto b = static_cast<size_t>(fieldInt(line, 4, 2) - 1);
        if (w.BracketNinki[a] > 0 && w.BracketNinki[b] > 0)
            g.setCell(info.ranksCol, row,
                      betfmt::integer(w.BracketNinki[a], 2) + "-" + betfmt::integer(w.BracketNinki[b], 2));
        g.setCell(info.firstRateCol, row, betfmt::fixed(w.BracketRate[a], 5, 1));
        g.setCell(info.firstRateCol + 1, row, betfmt::fixed(w.BracketRate[b], 5, 1));
    }
    bracketRule(static_cast<int>(lines.size()));
    AllocateFunds(type, RadioGroup1ItemIndex, SaNumEditExC1, g, info.payoutCol, info.stakeCol, kExclusionCol, kOddsCol,
                  kRowNumberCol);
    MarkHits(type, kKeyCol, info.stakeCol, info.resultNinki, info.resultReturn, info.resultPayout, g);
}

} // namespace renoka
