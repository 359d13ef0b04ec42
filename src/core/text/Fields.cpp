#include "text/Fields.h"

#include "base/Cp932.h"

#include <limits>

namespace renoka {

std::string_view field(std::string_view rec, int pos, int len) {
    if (pos < 1 || len <= 0) return {};
    auto start = static_cast<size_t>(pos - 1);
    if (start >= rec.size()) return {};
    return rec.substr(start, static_cast<size_t>(len));
}

std::string_view trimView(std::string_view s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
        --e;
    return s.substr(b, e - b);
}

long long toInt64Def(std::string_view s, long long def) {
    s = trimView(s);
    if (s.empty()) return def;
    bool negative = false;
    size_t i = 0;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        i = 1;
    }
    if (i == s.size()) return def;
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return def;
        const int digit = c - '0';
        if (value > (std::numeric_limits<long long>::max() - digit) / 10) return def;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int toIntDef(std::string_view s, int def) {
    const long long value = toInt64Def(s, std::numeric_limits<long long>::min());
    if (value == std::numeric_limits<long long>::min()) return def;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return def;
    return static_cast<int>(value);
}

bool isDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string leftBytes(std::string_view s, size_t n) {
    if (s.size() <= n) return std::string(s);
    size_t i = 0;
    while (i < n) {
        if (isLeadByte(s[i])) {
            if (i + 1 >= n) {
                std::string out(s.substr(0, i));
                out += ' ';
                return out;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return std::string(s.substr(0, n));
}

std::string fitBytes(std::string_view s, size_t n) {
    std::string out = leftBytes(s, n);
    out.resize(n, ' ');
    return out;
}

size_t charCount(std::string_view s) {
    size_t count = 0;
    for (size_t i = 0; i < s.size(); ++count)
        i += (isLeadByte(s[i]) && i + 1 < s.size()) ? 2 : 1;
    return count;
}

} // namespace renoka
