// The chase stake: the formula, its rounding, and the rates and settings that give no stake.
#include "betting/ChaseStake.h"

#include <gtest/gtest.h>

#include <limits>

using namespace renoka;

namespace {

constexpr int64_t kMax = 99'999'999;

struct StakeCase {
    const char* name;
    int64_t loss, profit;
    double rate;
    int increase;
    std::optional<int64_t> stake;
};

class ChaseStakeTest : public testing::TestWithParam<StakeCase> {};

TEST_P(ChaseStakeTest, StakeOrNone) {
    const StakeCase& c = GetParam();
    EXPECT_EQ(chaseStake(c.loss, c.profit, c.rate, c.increase, kMax), c.stake);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChaseStakeTest,
    testing::Values(
        // 20000 / 200 * 100 = 10000.
        StakeCase{"LossAndProfitAtThreeHundred", 10000, 10000, 300.0, 100, 10000},
        StakeCase{"IncreaseRateScales", 10000, 10000, 300.0, 120, 12000},
        // 1000 / 150 * 100 = 666.6: cut to 666, then to whole hundreds.
        StakeCase{"RoundedDownToHundreds", 1000, 0, 250.0, 100, 600},
        StakeCase{"NothingToWinBack", 0, 0, 300.0, 100, 0},
        StakeCase{"NoIncreaseGivesNoStake", 10000, 10000, 300.0, 0, 0},
        StakeCase{"RateJustAboveAHundred", 10000, 10000, 100.1, 100, 20'000'000},
        StakeCase{"RateOfOneDecimalAsTheLabelShowsIt", 5000, 5000, 133.3, 100, 30000},
        // Below 10 %, and from 10 % up to 100 % (no stake, a negative one, a division by zero).
        StakeCase{"RateBelowTen", 10000, 10000, 9.9, 100, std::nullopt},
        StakeCase{"RateZero", 10000, 10000, 0.0, 100, std::nullopt},
        StakeCase{"RateTen", 10000, 10000, 10.0, 100, std::nullopt},
        StakeCase{"RateFifty", 10000, 10000, 50.0, 100, std::nullopt},
        StakeCase{"RateJustBelowAHundred", 10000, 10000, 99.9, 100, std::nullopt},
        StakeCase{"RateAHundred", 10000, 10000, 100.0, 100, std::nullopt},
        StakeCase{"RateNotANumber", 10000, 10000, std::numeric_limits<double>::quiet_NaN(), 100, std::nullopt},
        StakeCase{"RateInfinite", 10000, 10000, std::numeric_limits<double>::infinity(), 100, std::nullopt},
        // More than the stake field holds, and a negative increase rate written into the settings by hand.
        StakeCase{"StakeBeyondTheField", 10000, 10000, 100.01, 100, std::nullopt},
        StakeCase{"NegativeIncrease", 10000, 10000, 300.0, -100, std::nullopt}),
    [](const testing::TestParamInfo<StakeCase>& p) { return std::string(p.param.name); });

TEST(ChaseStakeTest, TheLargestStakeTheFieldHoldsIsTaken) {
    // 999,999.99 / 1 * 100 cut: exactly the limit in whole hundreds.
    EXPECT_EQ(chaseStake(999'999, 0, 101.0, 100, 99'999'900), 99'999'900);
    EXPECT_EQ(chaseStake(999'999, 0, 101.0, 100, 99'999'899), std::nullopt);
}

TEST(ChaseStakeTest, RateLabelsReadAsNumbers) {
    EXPECT_DOUBLE_EQ(rateOfText("  150.0"), 150.0);
    EXPECT_DOUBLE_EQ(rateOfText("100.0  "), 100.0);
    EXPECT_DOUBLE_EQ(rateOfText(""), 0.0);
    EXPECT_DOUBLE_EQ(rateOfText("   "), 0.0);
    EXPECT_DOUBLE_EQ(rateOfText("12.5%"), 0.0);
    EXPECT_DOUBLE_EQ(rateOfText("abc"), 0.0);
}

} // namespace
