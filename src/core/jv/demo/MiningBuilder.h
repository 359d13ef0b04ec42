#pragma once
// DM (time-type mining, 303 bytes) and TM (match-type mining, 141 bytes) record images.
#include "jv/demo/DemoModel.h"

#include <string>

namespace renoka::demo {

struct MiningStamp {
    char dataKind = '1'; // 1 the day before, 2 on race morning, 3 just before the race, 7 with the results
    DemoDate made;
    int minute = 0;            // creation time of the forecast
    bool afterScratch = false; // horses withdrawn by then carry no forecast
};

std::string buildDm(const Race& race, const MiningStamp& stamp);
std::string buildTm(const Race& race, const MiningStamp& stamp);

} // namespace renoka::demo
