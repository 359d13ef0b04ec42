#pragma once
// O1..O6 (odds) record images from one market snapshot.
#include "jv/demo/DemoModel.h"
#include "jv/demo/MarketModel.h"

#include <array>
#include <string>

namespace renoka::demo {

// Record lengths with CR LF of O1..O6.

struct OddsStamp {
    char dataKind = '1';   // 1 intermediate, 2 close of the day-before sale, 3 final, 4 confirmed
    DemoDate made;         // creation date of the record
    std::string announced; // "mmddhhmm"; zeros for confirmed odds
};

// O1 (win, place, bracket) .. O6 (trifecta); `type` 1..6.
std::string buildOdds(int type, const Race& race, const MarketSnapshot& market, const OddsStamp& stamp);

} // namespace renoka::demo
