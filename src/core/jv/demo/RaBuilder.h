#pragma once
// RA (race details) record images, 1272 bytes with CR LF.
#include "jv/demo/DemoModel.h"

#include <string>

namespace renoka::demo {

// `withResults`: the result part (starters, finishers, weather and going, laps, sectionals, corner orders) is
// filled; a race card leaves it at its initial values.
std::string buildRa(const Race& race, char dataKind, const DemoDate& made, bool withResults);

} // namespace renoka::demo
