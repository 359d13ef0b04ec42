#pragma once
// What happens in one race: the runners' strengths on the day, their true chances of winning, what the public
// makes of them (in the morning and at the off), the mining forecasts, the result drawn from the true chances,
// and the market at the off that gives the final odds and the payouts.
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/MarketModel.h"
#include "jv/demo/Payouts.h"

namespace renoka::demo {

// Strengths, true and public chances, and the mining forecasts of a race with its field drawn.
void modelRace(const DemoWorld& world, Race& race, DemoRandom rng);

// The race's expected winning time in tenths of a second (distance, surface, going, class).
int expectedTime(const Race& race);

// The tickets each bet type would hold at the off (100-yen units).
std::array<int64_t, BetCount> finalPools(const Race& race);

// The market `minutesBefore` the post (0 = at the off). Before the off the public's view moves from its
// morning opinion toward the final one and the pools fill up. `dayBefore`: the close of the day-before sale.
MarketSnapshot marketAt(const Race& race, int minutesBefore, bool dayBefore = false);

// The final market, with every paying entry backed; also writes the final win odds and popularity into the
// runners.
MarketSnapshot finalMarket(Race& race);

// Placings by horse number - 1 and brackets by horse number - 1, as the payout functions take them.
std::vector<int> finishes(const Race& race);
std::vector<int> brackets(const Race& race);

} // namespace renoka::demo
