#pragma once
// A bet board over a store of its own: one race in slot 0 whose field size, marks, odds tables and payout table a
// test sets by hand.
#include "base/Cp932.h"
#include "betting/BetBoard.h"
#include "betting/PopularityRateTable.h"
#include "codes/CombinationKeys.h"
#include "frame/FrameState.h"
#include "frame/IniFile.h"
#include "store/RaceDayStore.h"
#include "support/TempDir.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/ViewChanges.h"

#include <memory>
#include <string>
#include <vector>

namespace renoka::test {

// Columns of the entries-check grid.
inline constexpr int kAxis = 8;
inline constexpr int kP1 = 9;
inline constexpr int kP2 = 10;
inline constexpr int kExcl = 11;

struct BetFixture {
    TempDir dir;
    IniFile ini{dir / "renoka.ini"};
    std::unique_ptr<RaceDayStore> storePtr = std::make_unique<RaceDayStore>();
    RaceDayStore& store = *storePtr;
    PopularityRateTable rates;
    TextGrid check{14, 19};
    ListControl datList;
    std::vector<std::string> amounts = std::vector<std::string>(36, "3000");
    MenuChecks menus;
    TimerState deliver{true, 40000};
    ViewChanges changes;
    BetBoard board{store, ini, rates, BetControls{check, datList, amounts, menus, deliver}, changes};

    explicit BetFixture(int horses = 18) {
        store.blank();
        setHorses(horses);
        store.CurrentRace = 0;
        board.SaNumEditExC1 = 3000;
    }
    RaceWork& work() { return store.work(0); }
    void setHorses(int horses) {
        std::string ra(1272, ' ');
        ra.replace(0, 2, "RA");
        ra.replace(881, 2, fmt("%2d", horses));
        store.setRa(0, ra);
    }
    // Odds records of the kinds (2..6 = 馬連..３連単, 1 = 単複枠) as read for the race.
    void oddsRead(std::initializer_list<int> kinds) {
        for (int kind : kinds) {
            std::string image(records::odds(kind), ' ');
            image.replace(0, 2, fmt("O%d", kind));
            image.replace(25, 2, "11");
            store.setOdds(kind, 0, image);
        }
    }
    void allOddsRead() { oddsRead({1, 2, 3, 4, 5, 6}); }
    // Win odds h + 0.5 and popularity h for every horse, and odds for every combination of every type: index / 10
    // + 1 with the index as popularity.
    void priceEverything() {
        RaceWork& w = work();
        for (int h = 0; h < 18; ++h) {
            w.TanOz[static_cast<size_t>(h)] = h + 1.5;
            w.TanNinki[static_cast<size_t>(h)] = h + 1;
            w.FukuOzMin[static_cast<size_t>(h)] = 1.1 + h * 0.1;
            w.FukuMinNinki[static_cast<size_t>(h)] = h + 1;
        }
        const auto fill = [](auto& odds, auto& ninki) {
            for (size_t i = 1; i < odds.size(); ++i) {
                odds[i] = static_cast<double>(i) / 10 + 1;
                ninki[i] = static_cast<int32_t>(i);
            }
        };
        fill(w.WakuOz, w.WakuNinki);
        fill(w.UmarenOz, w.UmarenNinki);
        fill(w.WideOz, w.WideNinki);
        fill(w.UmatanOz, w.UmatanNinki);
        fill(w.SanpukuOz, w.SanpukuNinki);
        fill(w.SantanOz, w.SantanNinki);
    }
    void mark(int horse, int col, const char* text = "ν") { check.setCell(col, horse, sj(text)); }
    void markAll(int horses = 18) {
        for (int h = 1; h <= horses; ++h)
            for (int c : {kAxis, kP1, kP2})
                mark(h, c);
    }
    const TextGrid& grid(BetType type) const { return board.grid(type); }
    std::string cell(BetType type, int col, int row) const { return board.grid(type).cell(col, row); }
    std::string labelText(BetType type, BetLabel which) const { return board.label(type, which).text; }
    // The keys of a grid, rows 1.. in order.
    std::vector<std::string> keys(BetType type) const {
        std::vector<std::string> out;
        const TextGrid& g = grid(type);
        for (int r = 1; r < g.rowCount(); ++r)
            out.push_back(g.cell(2, r));
        return out;
    }
};

} // namespace renoka::test
