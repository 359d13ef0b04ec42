#pragma once
// The chase ("追い上げ"): the stake whose return at the expected return rate wins back the recorded loss and the
// target profit, scaled by the increase rate and rounded down to 100 yen.
#include <cstdint>
#include <optional>
#include <string_view>

namespace renoka {

// X = Trunc(Trunc((loss + profit) / (rate - 100) * increasePercent) / 100) * 100. Nothing when no stake can win
// the money back: a rate of 100 % or less (the return never exceeds the stake), or a stake that is negative or
// larger than `maxStake`.
std::optional<int64_t> chaseStake(int64_t loss, int64_t profit, double ratePercent, int increasePercent,
                                  int64_t maxStake);

// A rate label's text ("  150.0") as a number, 0 when it is not one.
double rateOfText(std::string_view text);

} // namespace renoka
