#include "betting/BetFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace renoka::betfmt {

namespace {

// The text right-aligned in `width`, in one string of its final size.
std::string padded(const char* first, const char* last, int width) {
    const auto length = static_cast<size_t>(last - first);
    const size_t size = width > 0 && static_cast<size_t>(width) > length ? static_cast<size_t>(width) : length;
    std::string out(size, ' ');
    std::char_traits<char>::copy(out.data() + (size - length), first, length);
    return out;
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
        return padded(first, end, width);
    }
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return padded(buffer, result.ptr, width);
}

} // namespace renoka::betfmt
