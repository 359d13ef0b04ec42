#include "betting/ChaseStake.h"

#include "text/Fields.h"

#include <charconv>
#include <cmath>

namespace renoka {

std::optional<int64_t> chaseStake(int64_t loss, int64_t profit, double ratePercent, int increasePercent,
                                  int64_t maxStake) {
    // At 100 % or less the formula divides by zero or gives no stake or a negative one.
    if (!(ratePercent > 100.0) || !std::isfinite(ratePercent)) return std::nullopt;
    const double scaled =
        std::trunc(static_cast<double>(loss + profit) / (ratePercent - 100.0) * static_cast<double>(increasePercent));
    const double stake = std::trunc(scaled / 100.0) * 100.0;
    if (!std::isfinite(stake) || stake < 0.0 || stake > static_cast<double>(maxStake)) return std::nullopt;
    return static_cast<int64_t>(stake);
}

double rateOfText(std::string_view text) {
    text = trimView(text);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() ? value : 0.0;
}

} // namespace renoka
