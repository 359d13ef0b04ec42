#include "betting/BetFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace renoka::betfmt {

namespace {

// Appends the text right-aligned in `width`.
void appendPadded(std::string& out, const char* first, const char* last, int width) {
    const auto length = static_cast<size_t>(last - first);
    if (width > 0 && static_cast<size_t>(width) > length) out.append(static_cast<size_t>(width) - length, ' ');
    out.append(first, length);
}

// The digits of `n` written backwards from `end`; returns the first digit.
char* digitsBefore(char* end, uint64_t n) {
    do {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return end;
}

// Below this magnitude ten times the value and its halves are exact in a double.
constexpr double kFastLimit = 1e14;

// |value| * 10^precision rounded to the nearest integer, ties to even, as printf rounds the exact binary value;
// precision 0 or 1. The product by ten is carried exactly as a sum s + e (8v and 2v are exact, and the error
// of their sum is recovered exactly), so no tie is decided on a rounded product.
uint64_t scaledMagnitude(double magnitude, int precision) {
    double s = magnitude;
    double e = 0;
    if (precision == 1) {
        const double a = magnitude * 8;
        const double b = magnitude * 2;
        s = a + b;
        const double bb = s - a;
        e = (a - (s - bb)) + (b - bb);
    }
    const double whole = std::floor(s);
    const double half = whole + 0.5;
    auto n = static_cast<uint64_t>(whole);
    // s and the half lie in one binade, so when they differ the error e (below half an ulp of s) cannot cross
    // the half: only an exact half needs e, and a true tie goes to the even neighbour.
    if (s > half || (s == half && (e > 0 || (e == 0 && (n & 1) != 0)))) ++n;
    return n;
}

} // namespace

void appendInteger(std::string& out, int64_t value, int width) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendPadded(out, buffer, result.ptr, width);
}

void appendFixed(std::string& out, double value, int width, int precision) {
    // Infinities and NaN never come from the odds tables; printf's words for them keep the text defined.
    if (!std::isfinite(value)) {
        char buffer[32];
        const int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, precision, value);
        out.append(buffer, static_cast<size_t>(n > 0 ? n : 0));
        return;
    }
    const double magnitude = std::fabs(value);
    if ((precision == 0 || precision == 1) && magnitude < kFastLimit) {
        char buffer[32];
        char* const end = buffer + sizeof buffer;
        uint64_t n = scaledMagnitude(magnitude, precision);
        char* first = end;
        if (precision == 1) {
            *--first = static_cast<char>('0' + n % 10);
            *--first = '.';
            n /= 10;
        }
        first = digitsBefore(first, n);
        // printf writes the sign of every negative value, also of -0.0 and of values that round to zero.
        if (std::signbit(value)) *--first = '-';
        appendPadded(out, first, end, width);
        return;
    }
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    appendPadded(out, buffer, result.ptr, width);
}

std::string integer(int64_t value, int width) {
    std::string out;
    appendInteger(out, value, width);
    return out;
}

std::string fixed(double value, int width, int precision) {
    std::string out;
    appendFixed(out, value, width, precision);
    return out;
}

} // namespace renoka::betfmt
