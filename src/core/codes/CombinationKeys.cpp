#include "codes/CombinationKeys.h"

#include "text/Format.h"

namespace renoka {

namespace {

// One number of a key: " 7" or "17". A leading zero, a missing digit or anything else gives -1.
constexpr int keyNumber(char tens, char ones) {
    if (ones < '0' || ones > '9') return -1;
    if (tens == ' ') return ones - '0';
    if (tens < '1' || tens > '9') return -1;
    return (tens - '0') * 10 + (ones - '0');
}

struct Pair {
    int a;
    int b;
};
struct Triple {
    int a;
    int b;
    int c;
};

// The numbers of "aa-bb" (exactly five characters), each checked to lie in 1..top; {0, 0} when not.
constexpr Pair readPair(std::string_view key, int top) {
    if (key.size() != 5 || key[2] != '-') return {0, 0};
    const int a = keyNumber(key[0], key[1]);
    const int b = keyNumber(key[3], key[4]);
    if (a < 1 || a > top || b < 1 || b > top) return {0, 0};
    return {a, b};
}

// The numbers of "aa-bb-cc" (exactly eight characters) in 1..18; {0, 0, 0} when not.
constexpr Triple readTriple(std::string_view key) {
    if (key.size() != 8 || key[2] != '-' || key[5] != '-') return {0, 0, 0};
    const int a = keyNumber(key[0], key[1]);
    const int b = keyNumber(key[3], key[4]);
    const int c = keyNumber(key[6], key[7]);
    if (a < 1 || a > 18 || b < 1 || b > 18 || c < 1 || c > 18) return {0, 0, 0};
    return {a, b, c};
}

// Two-digit numbers without printf: keys are built in every bet-generation loop.
void appendNumber(std::string& out, int n) {
    if (n < 0 || n > 99) {
        out += fmt("%2d", n);
        return;
    }
    out += n < 10 ? ' ' : static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
}

} // namespace

std::string CombinationKey(int a) {
    std::string key;
    appendNumber(key, a);
    return key;
}

std::string CombinationKey(int a, int b) {
    std::string key;
    key.reserve(5);
    appendNumber(key, a);
    key += '-';
    appendNumber(key, b);
    return key;
}

std::string CombinationKey(int a, int b, int c) {
    std::string key;
    key.reserve(8);
    appendNumber(key, a);
    key += '-';
    appendNumber(key, b);
    key += '-';
    appendNumber(key, c);
    return key;
}

// Each index counts the combinations that come before the key in ascending order of its numbers, plus one.

uint8_t WakurenIndex(std::string_view key) {
    const auto [a, b] = readPair(key, 8);
    if (a == 0 || a > b) return 0;
    // Before first bracket a: rows of 8, 7, ... 10 - a combinations (a repeated bracket counts).
    const int before = (a - 1) * 8 - (a - 1) * (a - 2) / 2;
    return static_cast<uint8_t>(before + (b - a) + 1);
}

uint16_t UmarenIndex(std::string_view key) {
    const auto [a, b] = readPair(key, 18);
    if (a == 0 || a >= b) return 0;
    // Before first horse a: rows of 17, 16, ... 19 - a partners.
    const int before = (a - 1) * 17 - (a - 1) * (a - 2) / 2;
    return static_cast<uint16_t>(before + (b - a));
}

uint16_t UmatanIndex(std::string_view key) {
    const auto [a, b] = readPair(key, 18);
    if (a == 0 || a == b) return 0;
    return static_cast<uint16_t>((a - 1) * 17 + b - (b > a ? 1 : 0));
}

namespace {

constexpr int choose2(int n) {
    return n * (n - 1) / 2;
}
constexpr int choose3(int n) {
    return n * (n - 1) * (n - 2) / 6;
}

} // namespace

uint16_t SanrenpukuIndex(std::string_view key) {
    const auto [a, b, c] = readTriple(key);
    if (a == 0 || a >= b || b >= c) return 0;
    // Trios with a smaller first horse: all trios of 18 less those drawn from horses a..18. Then, with first
    // horse a, those with a smaller second horse: pairs from a+1..18 less pairs from b..18.
    const int beforeFirst = choose3(18) - choose3(19 - a);
    const int beforeSecond = choose2(18 - a) - choose2(19 - b);
    return static_cast<uint16_t>(beforeFirst + beforeSecond + (c - b));
}

uint16_t SanrentanIndex(std::string_view key) {
    const auto [a, b, c] = readTriple(key.substr(0, 8));
    if (a == 0 || a == b || a == c || b == c) return 0;
    // Mixed radix 18 x 17 x 16: the second and third horses skip the numbers already taken.
    const int second = b - 1 - (b > a ? 1 : 0);
    const int third = c - 1 - (c > a ? 1 : 0) - (c > b ? 1 : 0);
    return static_cast<uint16_t>((a - 1) * 17 * 16 + second * 16 + third + 1);
}

} // namespace renoka
