#pragma once
// WH (body weights, 847 bytes) record images, announced about seventy minutes before each post.
#include "jv/demo/DemoModel.h"

#include <string>

namespace renoka::demo {

std::string buildWh(const DemoWorld& world, const Race& race, const Moment& announced);

} // namespace renoka::demo
