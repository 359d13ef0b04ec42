#pragma once
// HR (payouts) record images, 719 bytes with CR LF.
#include "jv/demo/DemoModel.h"
#include "jv/demo/Payouts.h"

#include <string>

namespace renoka::demo {

std::string buildHr(const Race& race, const PayoutTable& payouts, bool bracketOnSale, char dataKind,
                    const DemoDate& made);

} // namespace renoka::demo
