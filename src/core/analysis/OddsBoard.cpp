#include "analysis/OddsBoard.h"

#include "base/Cp932.h"
#include "codes/CombinationKeys.h"
#include "codes/KeibaFunc.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/SortedStringList.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

std::string ninkiText(int32_t ninki) {
    return ninki > 0 ? fmt("%3d", ninki) : std::string();
}

// A sort key that puts real odds in ascending order and no-votes / cancelled / missing entries after them.
std::string oddsKey(double odds, int index) {
    return fmt("%12.1f%5d", odds > 0 ? odds : 999999999.0 - odds, index);
}

} // namespace

std::string OddsBoard::oddsText(double odds) {
    if (odds > 0) return fmt("%.1f", odds);
    if (odds == 0) return sj("－");
    if (odds == -1) return sj("取消");
    return {};
}

std::string OddsBoard::caption(int grid) {
    static const char* const captions[] = {"単勝・複勝", "枠連",   "馬連（右上）・ワイド（左下）",
                                           "馬単",       "３連複", "３連単"};
    return (grid >= 0 && grid < 6) ? sj(captions[grid]) : std::string();
}

void OddsBoard::refresh(int slot) {
    const RaceDayStore& store = m_store;
    const RaceWork& w = store.work(slot);
    m_slot = slot;
    const int horses = std::clamp(fieldInt(store.ra(slot), 882, 2), 0, kHorseCount);

    WinPlace = TextGrid(6, horses + 1);
    const char* const heads[] = {"馬番", "馬名", "単勝", "人気", "複勝", "人気"};
    for (int c = 0; c < 6; ++c)
        WinPlace.setCell(c, 0, sj(heads[c]));
    for (int h = 0; h < horses; ++h) {
        const size_t i = static_cast<size_t>(h);
        WinPlace.setCell(0, h + 1, fmt("%2d", h + 1));
        WinPlace.setCell(1, h + 1, StripFullWidthSpaces(field(store.se(slot, h), 41, 36)));
        WinPlace.setCell(2, h + 1, oddsText(w.TanOz[i]));
        WinPlace.setCell(3, h + 1, ninkiText(w.TanNinki[i]));
        if (w.FukuOzMin[i] > 0)
            WinPlace.setCell(4, h + 1, oddsText(w.FukuOzMin[i]) + "-" + oddsText(w.FukuOzMax[i]));
        else
            WinPlace.setCell(4, h + 1, oddsText(w.FukuOzMin[i]));
        WinPlace.setCell(5, h + 1, ninkiText(w.FukuMinNinki[i]));
    }

    Bracket = TextGrid(9, 9);
    Bracket.fixedCols = 1;
    Bracket.setCell(0, 0, sj("枠"));
    for (int a = 1; a <= 8; ++a) {
        Bracket.setCell(a, 0, std::to_string(a));
        Bracket.setCell(0, a, std::to_string(a));
        for (int b = a; b <= 8; ++b)
            if (const int k = WakurenIndex(CombinationKey(a, b)); k > 0)
                Bracket.setCell(b, a, oddsText(w.WakuOz[static_cast<size_t>(k)]));
    }

    Quinella = TextGrid(horses + 1, horses + 1);
    Quinella.fixedCols = 1;
    Quinella.setCell(0, 0, sj("馬番"));
    for (int a = 1; a <= horses; ++a) {
        Quinella.setCell(a, 0, std::to_string(a));
        Quinella.setCell(0, a, std::to_string(a));
        for (int b = a + 1; b <= horses; ++b) {
            const int k = UmarenIndex(CombinationKey(a, b));
            if (k <= 0) continue;
            Quinella.setCell(b, a, oddsText(w.UmarenOz[static_cast<size_t>(k)]));
            Quinella.setCell(a, b, oddsText(w.WideOz[static_cast<size_t>(k)]));
        }
    }

    for (List list : {List::Exacta, List::Trio, List::Trifecta})
        fillList(list);
}

void OddsBoard::sortList(List list, bool byOdds) {
    m_byOdds[static_cast<size_t>(list)] = byOdds;
    fillList(list);
    m_changes.mark(View::Odds);
}

void OddsBoard::fillList(List list) {
    const RaceWork& w = m_store.work(m_slot);
    const int horses = std::clamp(fieldInt(m_store.ra(m_slot), 882, 2), 0, kHorseCount);
    struct Entry {
        std::string key;
        double odds;
        int32_t ninki;
    };
    std::vector<Entry> entries;
    auto add = [&](std::string key, double odds, int32_t ninki) {
        if (odds != -2) entries.push_back({std::move(key), odds, ninki});
    };
    for (int a = 1; a <= horses; ++a)
        for (int b = 1; b <= horses; ++b) {
            if (b == a) continue;
            if (list == List::Exacta) {
                const size_t k = UmatanIndex(CombinationKey(a, b));
                if (k) add(CombinationKey(a, b), w.UmatanOz[k], w.UmatanNinki[k]);
                continue;
            }
            for (int c = 1; c <= horses; ++c) {
                if (c == a || c == b) continue;
                if (list == List::Trio) {
                    if (!(a < b && b < c)) continue;
                    const size_t k = SanrenpukuIndex(CombinationKey(a, b, c));
                    if (k) add(CombinationKey(a, b, c), w.SanpukuOz[k], w.SanpukuNinki[k]);
                } else {
                    const size_t k = SanrentanIndex(CombinationKey(a, b, c));
                    if (k) add(CombinationKey(a, b, c), w.SantanOz[k], w.SantanNinki[k]);
                }
            }
        }
    std::vector<size_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    if (m_byOdds[static_cast<size_t>(list)]) {
        SortedStringList keys;
        for (size_t i = 0; i < entries.size(); ++i)
            keys.add(oddsKey(entries[i].odds, static_cast<int>(i)));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<size_t>(toInt(keys[static_cast<int>(i)].substr(12)));
    }
    TextGrid& grid = Lists[static_cast<size_t>(list)];
    grid = TextGrid(3, static_cast<int>(entries.size()) + 1);
    grid.setCell(0, 0, sj("組番"));
    grid.setCell(1, 0, sj("オッズ"));
    grid.setCell(2, 0, sj("人気"));
    for (size_t r = 0; r < order.size(); ++r) {
        const Entry& e = entries[order[r]];
        const int row = static_cast<int>(r) + 1;
        grid.setCell(0, row, e.key);
        grid.setCell(1, row, oddsText(e.odds));
        grid.setCell(2, row, ninkiText(e.ninki));
    }
}

} // namespace renoka
