#include "codes/CombinationKeys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace renoka;

namespace {

enum class Bet { Wakuren, Umaren, Umatan, Sanrenpuku, Sanrentan };

int lookup(Bet bet, std::string_view key) {
    switch (bet) {
    case Bet::Wakuren:
        return WakurenIndex(key);
    case Bet::Umaren:
        return UmarenIndex(key);
    case Bet::Umatan:
        return UmatanIndex(key);
    case Bet::Sanrenpuku:
        return SanrenpukuIndex(key);
    case Bet::Sanrentan:
        return SanrentanIndex(key);
    }
    return -1;
}

const char* nameOf(Bet bet) {
    switch (bet) {
    case Bet::Wakuren:
        return "Wakuren";
    case Bet::Umaren:
        return "Umaren";
    case Bet::Umatan:
        return "Umatan";
    case Bet::Sanrenpuku:
        return "Sanrenpuku";
    case Bet::Sanrentan:
        return "Sanrentan";
    }
    return "?";
}

TEST(CombinationKeyTest, PrintsTwoCharacterNumbersJoinedByDashes) {
    EXPECT_EQ(CombinationKey(7), " 7");
    EXPECT_EQ(CombinationKey(1, 2), " 1- 2");
    EXPECT_EQ(CombinationKey(10, 18), "10-18");
    EXPECT_EQ(CombinationKey(1, 2, 3), " 1- 2- 3");
    EXPECT_EQ(CombinationKey(16, 9, 18), "16- 9-18");
}

struct IndexCase {
    Bet bet;
    const char* key;
    int index;
};
void PrintTo(const IndexCase& c, std::ostream* os) {
    *os << nameOf(c.bet) << " \"" << c.key << "\"";
}

class CombinationIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(CombinationIndex, FindsThePositionInTheOddsRecord) {
    EXPECT_EQ(lookup(GetParam().bet, GetParam().key), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    TellingKeys, CombinationIndex,
    testing::Values(IndexCase{Bet::Wakuren, " 1- 8", 8}, IndexCase{Bet::Wakuren, " 2- 2", 9},
                    IndexCase{Bet::Wakuren, " 8- 8", 36}, IndexCase{Bet::Umaren, " 1- 2", 1},
                    IndexCase{Bet::Umaren, " 2- 3", 18}, IndexCase{Bet::Umaren, "17-18", 153},
                    IndexCase{Bet::Umatan, " 1-18", 17}, IndexCase{Bet::Umatan, " 2- 1", 18},
                    IndexCase{Bet::Umatan, "18-17", 306}, IndexCase{Bet::Sanrenpuku, " 1- 2- 3", 1},
                    IndexCase{Bet::Sanrenpuku, "16-17-18", 816}, IndexCase{Bet::Sanrentan, " 1- 2- 4", 2},
                    IndexCase{Bet::Sanrentan, " 9-18-17", 2448}, IndexCase{Bet::Sanrentan, "10- 1- 2", 2449},
                    IndexCase{Bet::Sanrentan, "18-17-16", 4896}, IndexCase{Bet::Sanrentan, "10- 1- 2xyz", 2449},
                    IndexCase{Bet::Sanrentan, "10- 1- 2 ", 2449}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, CombinationIndex,
    testing::Values(IndexCase{Bet::Umaren, " 2- 1", 0}, IndexCase{Bet::Umaren, "01-02", 0},
                    IndexCase{Bet::Umaren, "1-2", 0}, IndexCase{Bet::Umaren, " 1- 2 ", 0},
                    IndexCase{Bet::Umaren, " 1 - 2", 0}, IndexCase{Bet::Umaren, " 1/ 2", 0},
                    IndexCase{Bet::Umaren, "  - 2", 0}, IndexCase{Bet::Umaren, "", 0},
                    IndexCase{Bet::Umaren, " 1- 2- 3", 0}, IndexCase{Bet::Umatan, " 3- 3", 0},
                    IndexCase{Bet::Umatan, " 1-19", 0}, IndexCase{Bet::Wakuren, " 1- 9", 0},
                    IndexCase{Bet::Wakuren, " 2- 1", 0}, IndexCase{Bet::Wakuren, " 0- 1", 0},
                    IndexCase{Bet::Sanrenpuku, " 3- 2- 1", 0}, IndexCase{Bet::Sanrenpuku, " 1- 2- 3x", 0},
                    IndexCase{Bet::Sanrenpuku, " 1- 2", 0}, IndexCase{Bet::Sanrentan, " 1- 1- 2", 0},
                    IndexCase{Bet::Sanrentan, " 1- 2- 1", 0}, IndexCase{Bet::Sanrentan, " 1- 2- 2", 0},
                    IndexCase{Bet::Sanrentan, "01- 2- 3", 0}, IndexCase{Bet::Sanrentan, "19- 1- 2", 0},
                    IndexCase{Bet::Sanrentan, " 1- 2-", 0}, IndexCase{Bet::Sanrentan, "x1- 2- 3", 0}));

// Walks every key of the number space 0..19 in ascending order: the valid ones must be numbered 1, 2, ...
// without gap up to the count, every other key must give 0.
struct Enumeration {
    Bet bet;
    int numbers; // 2 or 3
    int top;     // highest valid number
    bool (*valid)(int a, int b, int c);
    int count;
};
void PrintTo(const Enumeration& e, std::ostream* os) {
    *os << nameOf(e.bet);
}

class CombinationEnumeration : public testing::TestWithParam<Enumeration> {};

TEST_P(CombinationEnumeration, NumbersEveryCombinationInAscendingOrder) {
    const Enumeration& e = GetParam();
    int next = 1;
    for (int a = 0; a <= 19; ++a) {
        for (int b = 0; b <= 19; ++b) {
            for (int c = 0; c <= (e.numbers == 3 ? 19 : 0); ++c) {
                const std::string key = e.numbers == 3 ? CombinationKey(a, b, c) : CombinationKey(a, b);
                const bool inRange =
                    a >= 1 && a <= e.top && b >= 1 && b <= e.top && (e.numbers == 2 || (c >= 1 && c <= e.top));
                const int expected = inRange && e.valid(a, b, c) ? next++ : 0;
                ASSERT_EQ(lookup(e.bet, key), expected) << "\"" << key << "\"";
            }
        }
    }
    EXPECT_EQ(next - 1, e.count);
}

INSTANTIATE_TEST_SUITE_P(
    AllKeys, CombinationEnumeration,
    testing::Values(Enumeration{Bet::Wakuren, 2, 8, [](int a, int b, int) { return a <= b; }, WakurenCount},
                    Enumeration{Bet::Umaren, 2, 18, [](int a, int b, int) { return a < b; }, UmarenCount},
                    Enumeration{Bet::Umatan, 2, 18, [](int a, int b, int) { return a != b; }, UmatanCount},
                    Enumeration{Bet::Sanrenpuku, 3, 18, [](int a, int b, int c) { return a < b && b < c; },
                                SanrenpukuCount},
                    Enumeration{Bet::Sanrentan, 3, 18, [](int a, int b, int c) { return a != b && a != c && b != c; },
                                SanrentanCount}),
    [](const auto& p) { return std::string(nameOf(p.param.bet)); });

} // namespace
