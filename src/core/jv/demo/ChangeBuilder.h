#pragma once
// Change notices of a race day: WE (weather and going, 42 bytes), TC (post-time change, 45 bytes) and AV
// (a runner withdrawn, 78 bytes).
#include "jv/demo/DemoModel.h"

#include <string>

namespace renoka::demo {

std::string buildWe(const DemoDate& date, const CourseDay& course, const GoingNotice& notice);
std::string buildTc(const Race& race);
std::string buildAv(const DemoWorld& world, const Race& race, const Runner& runner, const Moment& announced);

} // namespace renoka::demo
