// The bets of the fullest race there can be: 18 horses, each one axis and both partners, the odds of every type
// read and a payout for every type. BM_BetsWorstCase rebuilds the seven grids (4,896 trifecta rows, 816 trio,
// 306 exacta, 153 quinella and wide, 18 win and place) with their stakes, popularity rates and hits, as one race
// selection or one mark click does; BM_BetsReallocate is a change of the amount over the same grids.
#include "core/betting/BetFixture.h"

#include <benchmark/benchmark.h>

namespace {

using namespace renoka;
using namespace renoka::test;

struct WorstRace : BetFixture {
    WorstRace() {
        allOddsRead();
        priceEverything();
        markAll();
        // Rates for every field size and rank, so that every rate cell is written.
        for (int field = 4; field <= 18; ++field)
            for (int rank = 1; rank <= 18; ++rank)
                for (RatePart part : {RatePart::First, RatePart::FirstTwo, RatePart::FirstThree})
                    rates.set(part, field, rank, 1.0 / rank);
        RaceWork::PayoutTable& hr = work().HrTable;
        hr.Tan[0] = {3, 1, 450};
        for (int i = 0; i < 3; ++i)
            hr.Fuku[static_cast<size_t>(i)] = {3 + i, i + 1, 150 + 50 * i};
        hr.Umaren[0].setKey(" 3- 4");
        hr.Umaren[0].payout = 1230;
        const char* wide[] = {" 3- 4", " 3- 5", " 4- 5"};
        for (size_t i = 0; i < 3; ++i) {
            hr.Wide[i].setKey(wide[i]);
            hr.Wide[i].payout = 400 + 100 * static_cast<int>(i);
        }
        hr.Umatan[0].setKey(" 3- 4");
        hr.Umatan[0].payout = 2450;
        hr.Sanpuku[0].setKey(" 3- 4- 5");
        hr.Sanpuku[0].payout = 5600;
        hr.Santan[0].setKey(" 3- 4- 5");
        hr.Santan[0].payout = 31200;
        board.SaNumEditExC1 = 100000;
    }
};

void BM_BetsWorstCase(benchmark::State& state) {
    WorstRace race;
    race.board.RadioGroup1ItemIndex = static_cast<int>(state.range(0));
    for (auto _ : state) {
        race.board.KaimeMakeBtnClick();
        benchmark::DoNotOptimize(race.board.grid(BetType::Santan).rowCount());
    }
    int rows = 0;
    for (BetType type : kGeneratedBetTypes)
        rows += race.board.grid(type).rowCount() - 1;
    state.counters["rows"] = rows;
    state.counters["return"] = toInt(race.board.label(BetType::Santan, BetLabel::Kaishu).text);
}

void BM_BetsReallocate(benchmark::State& state) {
    WorstRace race;
    race.board.KaimeMakeBtnClick();
    int64_t amount = 100000;
    for (auto _ : state) {
        amount = amount == 100000 ? 200000 : 100000;
        race.board.setStakeAmount(amount);
    }
}

// 0 = equal split, 1 = proportional split.
BENCHMARK(BM_BetsWorstCase)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BetsReallocate)->Unit(benchmark::kMillisecond);

} // namespace
