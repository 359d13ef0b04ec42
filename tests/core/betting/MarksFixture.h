#pragma once
// A race-day store with one race in slot 0 whose horses are built field by field, the entries-check grid of its
// horses and the marks over them, for the tests of the axis and partner marks.
#include "analysis/EntriesTable.h"
#include "betting/AxisPartnerMarks.h"
#include "core/raceday/RaceCardFixture.h"
#include "store/RaceDayStore.h"
#include "text/TextGrid.h"
#include "text/ViewChanges.h"

#include <memory>
#include <string>

namespace renoka::test {

struct MarksFixture {
    std::unique_ptr<RaceDayStore> storePtr = std::make_unique<RaceDayStore>();
    RaceDayStore& store = *storePtr;
    TextGrid grid{EntriesTable::kCheckColCount, 1};
    AxisPartnerSet choices;
    ViewChanges changes;
    AxisPartnerMarks marks{store, grid, choices, changes};
    int bets = 0; // bet generations asked for

    explicit MarksFixture(int horses = 8) {
        store.blank();
        store.IniBtnClick();
        marks.KaimeMakeBtnClick = [this] { ++bets; };
        setRace(0, horses);
        store.CurrentRace = 0;
    }

    // A race of `horses` runners whose every horse is a plain partner candidate: no forecast, no weight.
    void setRace(int slot, int horses) {
        const std::string count = horses < 10 ? "0" + std::to_string(horses) : std::to_string(horses);
        store.setRa(slot, raceRecord("06", "11", count));
        for (int h = 0; h < horses; ++h)
            store.setSe(slot, h, runnerRecord("06", "11", h + 1));
        if (slot == 0) grid.setRowCount(horses + 1);
    }

    RaceWork& work(int slot = 0) { return store.work(slot); }

    // Makes horse number `number` pass every axis-candidate test.
    void makeAxisCandidate(int number, int miningRank) {
        const int h = number - 1;
        std::string se(store.se(0, h));
        put(se, 79, "1");  // colt
        put(se, 83, "04"); // age
        put(se, 77, "00"); // no symbol
        put(se, 295, "0"); // no blinkers
        store.setSe(0, h, se);
        std::string prev = runnerRecord("06", "05", number);
        put(prev, 335, "03"); // third last time
        put(prev, 289, "560");
        store.setPrevSe(0, h, 1, prev);
        RaceWork& w = work();
        w.TimeMiningRank[static_cast<size_t>(h)] = miningRank;
        w.Bataiju[static_cast<size_t>(h)] = 480;
        w.ZensoF3Rank[static_cast<size_t>(h)] = 5;
    }
    // Makes horse number `number` an excluded horse: a poor head-to-head rank and no weight.
    void makeExcluded(int number) { work().TaisenMiningRank[static_cast<size_t>(number - 1)] = 12; }

    std::string cell(int col, int row) const { return toUtf8(grid.cell(col, row)); }
    // The horse numbers whose mark is set, in number order.
    static std::vector<int> marked(const std::array<uint8_t, kHorseCount>& marks) {
        std::vector<int> horses;
        for (int h = 0; h < kHorseCount; ++h)
            if (marks[static_cast<size_t>(h)]) horses.push_back(h + 1);
        return horses;
    }
};

} // namespace renoka::test
