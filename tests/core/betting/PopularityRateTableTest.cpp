// The popularity rates counted from the runner files on disk, and the fixed-width numbers of the bet grids.
#include "betting/PopularityRateTable.h"
#include "betting/BetFormat.h"
#include "support/TempDir.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace renoka;
using namespace renoka::test;

namespace {

// A runner record of race `race` with its horse number, final placing and win popularity.
std::string runner(int race, int horse, int placing, int popularity) {
    std::string se(555, ' ');
    se.replace(0, 2, "SE");
    se.replace(11, 16, fmt("2026120805030%03d", race).substr(0, 16));
    se.replace(28, 2, fmt("%02d", horse));
    se.replace(334, 2, fmt("%02d", placing));
    se.replace(363, 2, fmt("%02d", popularity));
    se[553] = '\r';
    se[554] = '\n';
    return se;
}

// A race of `field` runners where the horse of popularity p finishes in place `finish(p)`.
std::string race(int number, int field, const std::vector<int>& placings) {
    std::string out;
    for (int p = 1; p <= field; ++p)
        out += runner(number, p, placings[static_cast<size_t>(p - 1)], p);
    return out;
}

TEST(PopularityRateTableTest, RatesCountTheRunnersOfEachPopularityByFieldSize) {
    TempDir dir;
    // Two races of five: the favourite wins one and is third in the other; a race without results and one of
    // three horses count for nothing; a scratched horse (popularity 0) is no start.
    std::string day =
        race(1, 5, {1, 2, 3, 4, 5}) + race(2, 5, {3, 1, 2, 5, 4}) + race(3, 5, {0, 0, 0, 0, 0}) + race(4, 3, {1, 2, 3});
    std::string scratched = race(5, 6, {2, 1, 3, 4, 5, 0});
    scratched.replace(static_cast<size_t>(555 * 5 + 363), 2, "00");
    writeBytes(dir / "2026年12月08日東京.jvSEr", day);
    writeBytes(dir / "2026年12月08日阪神.jvSEr", scratched);
    writeBytes(dir / "2026年12月08日.jvRA", "ignored");

    PopularityRateTable t;
    t.update(dir.path());
    EXPECT_EQ(t.races(), 3);
    EXPECT_EQ(t.runners(), 15);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 5, 1), 0.5);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::FirstTwo, 5, 1), 0.5);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::FirstThree, 5, 1), 1.0);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::FirstTwo, 5, 3), 0.5);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::FirstThree, 5, 5), 0.0);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 6, 2), 1.0);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 3, 1), 0.0);
    EXPECT_FALSE(PopularityRateTable::covers(3, 1));
    EXPECT_FALSE(PopularityRateTable::covers(19, 1));
    EXPECT_FALSE(PopularityRateTable::covers(10, 0));
    EXPECT_TRUE(PopularityRateTable::covers(18, 18));
}

TEST(PopularityRateTableTest, AnUpdateReadsChangedFilesAndForgetsRemovedOnes) {
    TempDir dir;
    const auto file = dir / "2026年12月08日東京.jvSEr";
    writeBytes(file, race(1, 4, {1, 2, 3, 4}));
    PopularityRateTable t;
    t.update(dir.path());
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 4, 1), 1.0);
    // The day's results come in: the file grows.
    writeBytes(file, race(1, 4, {1, 2, 3, 4}) + race(2, 4, {4, 3, 2, 1}));
    t.update(dir.path());
    EXPECT_EQ(t.races(), 2);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 4, 1), 0.5);
    std::filesystem::remove(file);
    t.update(dir.path());
    EXPECT_EQ(t.races(), 0);
    EXPECT_DOUBLE_EQ(t.rate(RatePart::First, 4, 1), 0.0);
    // A folder that is not there gives an empty table.
    t.update(dir / "missing");
    EXPECT_EQ(t.runners(), 0);
}

TEST(BetFormatTest, NumbersAreThoseOfPrintf) {
    for (double v : {0.0, 0.05, 0.15, 0.25, 1.25, 2.5, 8.75, 12.3, 99.95, 1234.5, 99999.9, 123456.75, 1e9 + 0.5, -0.0,
                     -3.25, 1.0 / 3, 2.0 / 3}) {
        for (int precision : {0, 1}) {
            for (int width : {5, 7, 8}) {
                ASSERT_EQ(betfmt::fixed(v, width, precision), fmt("%*.*f", width, precision, v))
                    << v << " " << width << " " << precision;
            }
        }
    }
    for (long long v : {0LL, 7LL, -7LL, 4896LL, 100000000LL, 9223372036854775807LL})
        for (int width : {2, 3, 6, 8})
            ASSERT_EQ(betfmt::integer(v, width), fmt("%*lld", width, v));
    EXPECT_EQ(betfmt::fixed(std::nan(""), 7, 1), fmt("%7.1f", std::nan("")));
}

} // namespace
