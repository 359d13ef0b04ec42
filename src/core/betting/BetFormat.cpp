#include "betting/BetFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace renoka::betfmt {

namespace {

std::string padded(const char* first, const char* last, int width) {
    const auto length = static_cast<int>(last - first);
    std::string out;
    if (length < width) out.assign(static_cast<size_t>(width - length), ' ');
    out.append(first, last);
    return out;
}

} // namespace

std::string integer(int64_t value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return padded(buffer, result.ptr, width);
}

std::string fixed(double value, int width, int precision) {
    // Infinities and NaN never come from the odds tables; printf's words for them keep the text defined.
    if (!std::isfinite(value)) {
        char buffer[32];
        const int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, precision, value);
        return std::string(buffer, static_cast<size_t>(n > 0 ? n : 0));
    }
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return padded(buffer, result.ptr, width);
}

} // namespace renoka::betfmt
