#pragma once
// Runs a race: the finishing order is drawn from the true chances (winner first, then the next among the rest,
// each in proportion to its chance), then the times, margins, corner positions, last three furlongs, running
// styles, lap times and prize money are made to fit that order.
#include "jv/demo/DemoModel.h"
#include "jv/demo/DemoRandom.h"

#include <string>

namespace renoka::demo {

void drawResult(const DemoWorld& world, Race& race, DemoRandom rng);

// A race at a local racecourse or abroad holds only our horses' records: each gets a placing in the whole field,
// a time and sectionals that fit it, and (locally) odds and popularity of its own.
void drawOutsideResult(const DemoWorld& world, Race& race, DemoRandom rng);

// The margin code (3 characters) for a gap in tenths of a second behind the horse in front.
std::string marginCode(int gapTenths, DemoRandom& rng);

} // namespace renoka::demo
