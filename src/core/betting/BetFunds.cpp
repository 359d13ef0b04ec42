// Fund allocation (資金配分) of the bet grids, the allocation method, and the stake editors of the shown race.
#include "betting/BetBoard.h"

#include "base/Cp932.h"
#include "betting/BetFormat.h"
#include "frame/IniFile.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace renoka {

namespace {

// Odds as the grid shows them ("   12.3"); text that is not a number reads 0.
double oddsOf(std::string_view text) {
    text = trimView(text);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() ? value : 0.0;
}

int64_t truncated(double value) {
    return static_cast<int64_t>(std::trunc(value));
}

} // namespace

void BetBoard::AllocateFunds(BetType type, int method, int64_t amount, TextGrid& g, int payoutCol, int stakeCol,
                             int exclusionCol, int oddsCol, int rowNumberCol) {
    if (amount < 100 || g.rowCount() > kMaxBetRows) return;
    Label& tensu = label(type, BetLabel::Tensu);
    Label& toshi = label(type, BetLabel::Toshi);
    Label& yoso = label(type, BetLabel::YosoKaishu);
    if (g.rowCount() < 2 || trimView(g.cell(oddsCol, 1)).empty()) return;
    if (method != 0 && method != 1) return;

    const int rateCol = payoutCol + 1;
    const int rows = g.rowCount();
    static const std::string excluded = sj("消");
    std::vector<int> bets;
    bets.reserve(static_cast<size_t>(rows));
    for (int r = 1; r < rows; ++r) {
        for (int c : {stakeCol, payoutCol, rateCol})
            if (!g.cell(c, r).empty()) g.writable(c, r).clear();
        if (!trimView(g.cell(rowNumberCol, r)).empty() && g.cell(exclusionCol, r) != excluded &&
            !trimView(g.cell(oddsCol, r)).empty())
            bets.push_back(r);
    }
    const auto n = static_cast<int64_t>(bets.size());

    int64_t total = 0; // T
    int64_t sum = 0;   // S, the 64-bit sum of the payouts
    if (method == 0) {
        if (n == 0) return;
        const int64_t unit =
            std::max<int64_t>(truncated(static_cast<double>(amount) / static_cast<double>(n) / 100.0 + 0.9) * 100, 100);
        total = n * unit;
        tensu.text = betfmt::integer(n, 3);
        toshi.text = betfmt::integer(total, 6);
        const std::string stakeText = betfmt::integer(unit, 6);
        for (int r : bets) {
            const double payout = static_cast<double>(unit) * oddsOf(g.cell(oddsCol, r));
            g.assignCell(stakeCol, r, stakeText);
            betfmt::assignFixed(g.writable(payoutCol, r), payout, 7, 0);
            betfmt::assignFixed(g.writable(rateCol, r), payout / static_cast<double>(total) * 100, 7, 1);
            sum += truncated(payout);
        }
    } else {
        const double base = oddsOf(g.cell(oddsCol, 1)) * 100;
        std::vector<double> weights(bets.size(), 0.0);
        double weightSum = 0;
        for (size_t i = 0; i < bets.size(); ++i) {
            const double odds = oddsOf(g.cell(oddsCol, bets[i]));
            if (odds > 0) {
                weights[i] = base / odds;
                weightSum += weights[i];
            }
        }
        for (size_t i = 0; i < bets.size(); ++i) {
            if (weightSum <= 0) break;
            const double share = weights[i] / weightSum * 100;
            if (share <= 0) continue;
            int64_t stake = truncated(static_cast<double>(amount) * share / 10000 + 0.95) * 100;
            // Every bet gets at least one ticket. The ticket counts in the total too, so the total stake always
            // equals the stakes of the grid.
            if (stake < 100) {
                g.assignCell(stakeCol, bets[i], "   100");
                stake = 100;
            } else {
                betfmt::assignInteger(g.writable(stakeCol, bets[i]), stake, 6);
            }
            total += stake;
        }
        tensu.text = betfmt::integer(n, 3);
        toshi.text = betfmt::integer(total, 6);
        if (total < 1) return;
        for (int r : bets) {
            const double payout = static_cast<double>(toInt64Def(g.cell(stakeCol, r), 0)) * oddsOf(g.cell(oddsCol, r));
            betfmt::assignFixed(g.writable(payoutCol, r), payout, 7, 0);
            betfmt::assignFixed(g.writable(rateCol, r), payout / static_cast<double>(total) * 100, 7, 1);
            sum += truncated(payout);
        }
    }
    const double expected = static_cast<double>(sum) / static_cast<double>(n) / static_cast<double>(total) * 100;
    yoso.text = betfmt::fixed(expected, 7, 1);
    if (expected > 100)
        yoso.fontColor = colors::Black;
    else if (expected > 0)
        yoso.fontColor = colors::Red;
}

void BetBoard::RadioGroup1Click(int index) {
    RadioGroup1ItemIndex = std::clamp(index, -1, 1);
    m_ini.writeInteger("KaimeSet", "HaibunSet", RadioGroup1ItemIndex);
    for (BetType type : kGeneratedBetTypes)
        allocate(type);
    for (BetType type : kGeneratedBetTypes)
        markHits(type);
    m_changes.mark(View::Bets);
}

void BetBoard::SaNumEditExC1Change() {
    const auto slot = static_cast<size_t>(m_store.CurrentRace);
    // Before the first day load there is no race to keep the amount for.
    if (slot < m_c.RaceAmounts.size()) m_c.RaceAmounts[slot] = std::to_string(SaNumEditExC1);
    for (BetType type : kGeneratedBetTypes)
        allocate(type);
    for (BetType type : kGeneratedBetTypes)
        markHits(type);
    m_changes.mark(View::Bets);
}

void BetBoard::setStakeAmount(int64_t amount) {
    SaNumEditExC1 = std::clamp<int64_t>(amount, 0, kMaxAmount);
    SaNumEditExC1Change();
}

void BetBoard::setTargetProfit(int64_t amount) {
    SaNumEditExC2 = std::clamp<int64_t>(amount, 0, kMaxChaseAmount);
    SaNumEditExC1Change();
}

void BetBoard::setLossAmount(int64_t amount) {
    SaNumEditExC3 = std::clamp<int64_t>(amount, 0, kMaxChaseAmount);
    SaNumEditExC1Change();
}

void BetBoard::setStakeEditors() {
    const auto slot = static_cast<size_t>(m_store.CurrentRace);
    SaNumEditExC1 =
        slot < m_c.RaceAmounts.size() ? std::clamp<int64_t>(toInt64Def(m_c.RaceAmounts[slot], 0), 0, kMaxAmount) : 0;
    SaNumEditExC2 = m_ini.readInteger("KaimeSet", "DefaultTarProfit", 10000);
    // The register's loss as it is: the chase works from the whole of it.
    SaNumEditExC3 = lossTotal ? lossTotal() : 0;
    fillPreview();
    m_changes.mark(View::Bets);
}

} // namespace renoka
