#pragma once
// Which entries of each bet type a result pays, and how much. A dead heat pays every entry it makes right:
// two horses tied for third give four place payouts, five quinella-place pairs, two trios and two trifectas,
// and those entries share the pool.
#include "jv/demo/MarketModel.h"

#include <array>
#include <vector>

namespace renoka::demo {

struct Payout {
    int slot = 0;    // the entry (BetSlots.h)
    int64_t yen = 0; // per 100-yen ticket
    int popularity = 0;
};
using PayoutTable = std::array<std::vector<Payout>, BetCount>;

// The paying entries of each bet type. `finish` holds the official placing by horse number - 1 (0 for a
// horse that did not finish or did not start); horses with the same placing dead-heated.
std::array<std::vector<int>, BetCount> winningSlots(const std::vector<int>& finish, const std::vector<int>& brackets,
                                                    int placePaid, bool bracketOnSale);

PayoutTable payouts(const MarketSnapshot& market, const std::vector<int>& finish, const std::vector<int>& brackets);

} // namespace renoka::demo
