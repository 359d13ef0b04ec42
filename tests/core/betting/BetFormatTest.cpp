// The fixed-width numbers of the bet grids against printf: decimals by families of values where a rounding can
// go wrong (exact halves and their neighbours, stakes times odds, shares of a total, large and tiny magnitudes),
// and whole numbers up to the ends of the 64-bit range.
#include "betting/BetFormat.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using namespace renoka;

namespace {

struct ValueFamily {
    const char* name;
    std::vector<double> (*values)();
};

void PrintTo(const ValueFamily& family, std::ostream* os) {
    *os << family.name;
}

// Each value, the doubles next to it on both sides, and their negatives.
std::vector<double> withNeighbours(const std::vector<double>& values) {
    std::vector<double> out;
    for (double v : values)
        for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, HUGE_VAL)}) {
            out.push_back(w);
            out.push_back(-w);
        }
    return out;
}

// Halves of the last shown digit that a double holds exactly (x.5 for no decimals, x.25 and x.75 for one).
std::vector<double> exactHalves() {
    std::vector<double> v;
    for (double whole = 0; whole < 3000; ++whole)
        for (double part : {0.25, 0.5, 0.75})
            v.push_back(whole + part);
    for (double whole = 1e6; whole < 1e14; whole *= 7.3)
        for (double part : {0.25, 0.5, 0.75})
            v.push_back(std::floor(whole) + part);
    return withNeighbours(v);
}

// Decimal halves computed in binary (0.05, 12.35, 99.95): never exact, so the side of the half decides.
std::vector<double> decimalHalves() {
    std::vector<double> v;
    for (int k = 0; k < 40000; k += 1)
        v.push_back(k / 20.0);
    for (int k = 1; k < 20000; k += 2)
        v.push_back(k * 0.05);
    return withNeighbours(v);
}

// A stake of whole tickets times odds with one decimal: the payout column.
std::vector<double> payouts() {
    std::vector<double> v;
    for (int stake = 100; stake <= 100000; stake = stake * 3 / 2 / 100 * 100 + 100)
        for (int tenths = 10; tenths <= 99999; tenths = tenths * 51 / 50 + 1)
            v.push_back(static_cast<double>(stake) * (tenths / 10.0));
    return v;
}

// A payout as a percentage of the total stake: the return-rate and expected-return columns.
std::vector<double> shares() {
    std::vector<double> v;
    for (int total = 100; total <= 10000000; total = total * 3 / 2 + 100)
        for (int payout = 1; payout <= 5000000; payout = payout * 11 / 10 + 7)
            v.push_back(static_cast<double>(payout) / static_cast<double>(total) * 100);
    for (int count = 1; count <= 4896; count = count * 2 + 1)
        v.push_back(100.0 / count * 100);
    return v;
}

// Powers of two and ten up to where no double has a fraction left, with their neighbours.
std::vector<double> magnitudes() {
    std::vector<double> v;
    for (double p = 1; p < 1e18; p *= 10)
        v.push_back(p);
    for (int e = -60; e <= 60; ++e)
        v.push_back(std::ldexp(1.0, e));
    v.push_back(99999999999999.95);
    v.push_back(4.9e-324);
    v.push_back(1e-300);
    return withNeighbours(v);
}

class BetFormatFixedTest : public testing::TestWithParam<ValueFamily> {};

TEST_P(BetFormatFixedTest, SameTextAsPrintf) {
    const std::vector<double> values = GetParam().values();
    ASSERT_FALSE(values.empty());
    for (double v : values)
        for (int precision : {0, 1})
            for (int width : {0, 5, 7, 8})
                ASSERT_EQ(betfmt::fixed(v, width, precision), fmt("%*.*f", width, precision, v))
                    << fmt("%.17g width %d precision %d", v, width, precision);
}

// Whole numbers: counts, stakes, payouts and the ends of the 64-bit range, each with its neighbours and negative.
std::vector<long long> integers() {
    std::vector<long long> v = {0, std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()};
    for (long long p = 1; p <= std::numeric_limits<long long>::max() / 10; p *= 10)
        for (long long w : {p - 1, p, p + 1, 5 * p})
            for (long long x : {w, -w})
                v.push_back(x);
    for (long long n = 1; n <= 100000000; n = n * 3 + 7)
        v.push_back(n);
    return v;
}

TEST(BetFormatIntegerTest, SameTextAsPrintfInEveryWidth) {
    for (long long v : integers())
        for (int width : {0, 2, 3, 4, 6, 7, 8, 21})
            ASSERT_EQ(betfmt::integer(v, width), fmt("%*lld", width, v)) << v << " width " << width;
}

INSTANTIATE_TEST_SUITE_P(Families, BetFormatFixedTest,
                         testing::Values(ValueFamily{"ExactHalves", &exactHalves},
                                         ValueFamily{"DecimalHalves", &decimalHalves}, ValueFamily{"Payouts", &payouts},
                                         ValueFamily{"Shares", &shares}, ValueFamily{"Magnitudes", &magnitudes}),
                         [](const testing::TestParamInfo<ValueFamily>& family) {
                             return std::string(family.param.name);
                         });

} // namespace
