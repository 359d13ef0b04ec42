// Brackets, calendar days and record images of the demo generator.
#include "base/Cp932.h"
#include "jv/demo/Brackets.h"
#include "jv/demo/DemoDate.h"
#include "jv/demo/DemoRandom.h"
#include "jv/demo/RacePlanner.h"
#include "jv/demo/RecordImage.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace renoka;
using namespace renoka::demo;

namespace {

struct BracketCase {
    int registered;
    std::vector<int> perBracket; // horses in brackets 1..8
};
class DemoBracketTest : public testing::TestWithParam<BracketCase> {};

TEST_P(DemoBracketTest, FieldSizeGivesTheBracketsTheAuthorityDraws) {
    const auto& c = GetParam();
    std::vector<int> counted(8, 0);
    int previous = 1;
    for (int n = 1; n <= c.registered; ++n) {
        const int b = bracketOf(c.registered, n);
        ASSERT_GE(b, 1);
        ASSERT_LE(b, 8);
        EXPECT_GE(b, previous) << "horse " << n; // brackets never go back as the numbers rise
        previous = b;
        ++counted[static_cast<size_t>(b - 1)];
    }
    EXPECT_EQ(counted, c.perBracket);
    EXPECT_EQ(bracketOf(c.registered, 0), 0);
    EXPECT_EQ(bracketOf(c.registered, c.registered + 1), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DemoBracketTest,
    testing::Values(BracketCase{8, {1, 1, 1, 1, 1, 1, 1, 1}}, BracketCase{9, {1, 1, 1, 1, 1, 1, 1, 2}},
                    BracketCase{12, {1, 1, 1, 1, 2, 2, 2, 2}}, BracketCase{16, {2, 2, 2, 2, 2, 2, 2, 2}},
                    BracketCase{17, {2, 2, 2, 2, 2, 2, 2, 3}}, BracketCase{18, {2, 2, 2, 2, 2, 2, 3, 3}},
                    BracketCase{5, {1, 1, 1, 1, 1, 0, 0, 0}}));

struct DateCase {
    const char* iso;
    int weekday;     // 0 Sunday
    int weekdayCode; // race records: 1 Saturday, 2 Sunday, 4 Monday .. 8 Friday
};
class DemoDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(DemoDateTest, WeekdaysAndRoundTripsOfRealDays) {
    const auto date = parseIsoDate(GetParam().iso);
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->weekday(), GetParam().weekday);
    EXPECT_EQ(date->weekdayCode(), GetParam().weekdayCode);
    EXPECT_EQ(date->iso(), GetParam().iso);
    EXPECT_EQ(DemoDate::fromDays(date->days()), *date);
    EXPECT_EQ(date->plus(7).weekday(), GetParam().weekday);
}

INSTANTIATE_TEST_SUITE_P(Days, DemoDateTest,
                         testing::Values(DateCase{"2026-12-05", 6, 1}, DateCase{"2026-12-06", 0, 2},
                                         DateCase{"2024-02-29", 4, 7}, DateCase{"1970-01-01", 4, 7},
                                         DateCase{"1969-12-31", 3, 6}, DateCase{"2026-06-15", 1, 4},
                                         DateCase{"2000-03-01", 3, 6}));

TEST(DemoDateTest, RefusesTextThatIsNoRealDay) {
    for (const char* text : {"2026-02-29", "2026-13-01", "2026-00-10", "2026-1-01", "2026/12/05", "", "2026-12-5x"})
        EXPECT_FALSE(parseIsoDate(text).has_value()) << text;
}

TEST(DemoDateTest, MomentsBeforeMidnightBelongToThePreviousDay) {
    const DemoDate day{2026, 12, 1};
    const Moment evening = Moment::at(day, -4 * 60); // 20:00 the day before
    EXPECT_EQ(evening.stamp(), "20261130200000");
    EXPECT_EQ(evening.announcement(), "11302000");
    EXPECT_EQ(Moment::at(day, 24 * 60 + 5, 7).stamp(), "20261202000507");
}

TEST(DemoDateTest, HistoryDaysAreTheTwoWeekendsAtLeastSixDaysBefore) {
    std::vector<std::string> got;
    for (const auto& d : historyDates(*parseIsoDate("2026-12-05")))
        got.push_back(d.iso());
    EXPECT_EQ(got, (std::vector<std::string>{"2026-11-21", "2026-11-22", "2026-11-28", "2026-11-29"}));
    got.clear();
    // From a Wednesday the weekend just before is too close: a horse would run twice in a week.
    for (const auto& d : historyDates(*parseIsoDate("2026-12-09")))
        got.push_back(d.iso());
    EXPECT_EQ(got, (std::vector<std::string>{"2026-11-21", "2026-11-22", "2026-11-28", "2026-11-29"}));
}

TEST(DemoRecordImageTest, FieldsLandAtTheirBytePositions) {
    RecordImage r("TC", 45);
    r.header('1', DemoDate{2026, 12, 5});
    r.num(36, 4, 1540);
    r.wide(12, 6, sj("東京都"));
    EXPECT_EQ(r.line().size(), 43u);
    EXPECT_EQ(field(r.line(), 1, 11), "TC120261205");
    EXPECT_EQ(field(r.line(), 36, 4), "1540");
    EXPECT_EQ(field(r.line(), 12, 6), sj("東京都"));
}

TEST(DemoRecordImageTest, JapaneseTextIsPaddedWithFullWidthBlanksAndNeverCutInHalf) {
    RecordImage r("WE", 42);
    r.wide(12, 7, sj("東京都府"));
    // Three characters fit in seven bytes; the odd byte left over is a half-width blank.
    EXPECT_EQ(field(r.line(), 12, 7), sj("東京都") + " ");
    r.wide(20, 8, sj("馬"));
    EXPECT_EQ(field(r.line(), 20, 8), sj("馬　　　"));
    EXPECT_TRUE(isValidCp932(r.line()));
}

TEST(DemoRecordImageTest, AFieldThatDoesNotFitIsABuilderMistake) {
    RecordImage r("TC", 45);
    EXPECT_THROW(r.num(36, 2, 123), std::logic_error);
    EXPECT_THROW(r.num(36, 2, -1), std::logic_error);
    EXPECT_THROW(r.text(42, 3, "abc"), std::logic_error); // past the record's last byte before CR LF
    EXPECT_NO_THROW(r.text(42, 2, "ab"));
}

TEST(DemoRandomTest, DerivedStreamsAreReproducibleAndIndependent) {
    const DemoRandom root(7);
    DemoRandom a = root.derive(1);
    DemoRandom again = root.derive(1);
    DemoRandom b = root.derive(2);
    int same = 0;
    for (int i = 0; i < 100; ++i) {
        const uint64_t x = a.next();
        EXPECT_EQ(x, again.next());
        same += x == b.next() ? 1 : 0;
    }
    EXPECT_EQ(same, 0);
}

TEST(DemoRandomTest, DrawsStayInTheirRanges) {
    DemoRandom rng(3);
    std::vector<int> seen(6, 0);
    for (int i = 0; i < 6000; ++i) {
        const int v = rng.between(1, 6);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        ++seen[static_cast<size_t>(v - 1)];
        const double u = rng.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    for (int count : seen)
        EXPECT_NEAR(count, 1000, 150);
    EXPECT_EQ(rng.weighted({0, 0, 5, 0}), 2);
}

TEST(DemoRandomTest, ExponentialAgreesWithTheLibraryClosely) {
    for (double x : {-20.0, -3.5, -0.1, 0.0, 0.3, 1.0, 7.25, 40.0})
        EXPECT_NEAR(detExp(x) / std::exp(x), 1.0, 1e-14) << x;
}

} // namespace
