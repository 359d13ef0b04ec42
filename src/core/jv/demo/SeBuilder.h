#pragma once
// SE (runner per race) record images, 555 bytes with CR LF.
#include "jv/demo/DemoModel.h"

#include <string>

namespace renoka::demo {

struct SeStage {
    char dataKind = '2';
    bool withResults = false;
    char miningKind = '1'; // which forecast the mining fields carry: 1 the day before, 3 just before the race
};

std::string buildSe(const DemoWorld& world, const Race& race, const Runner& runner, const SeStage& stage,
                    const DemoDate& made);

} // namespace renoka::demo
