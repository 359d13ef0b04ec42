#include "codes/CombinationKeys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace renoka;

namespace {

enum class KeyBet { Wakuren, Umaren, Umatan, Sanrenpuku, Sanrentan };

int lookup(KeyBet bet, std::string_view key) {
    switch (bet) {
    case KeyBet::Wakuren:
        return WakurenIndex(key);
    case KeyBet::Umaren:
        return UmarenIndex(key);
    case KeyBet::Umatan:
        return UmatanIndex(key);
    case KeyBet::Sanrenpuku:
        return SanrenpukuIndex(key);
    case KeyBet::Sanrentan:
        return SanrentanIndex(key);
    }
    return -1;
}

const char* nameOf(KeyBet bet) {
    switch (bet) {
    case KeyBet::Wakuren:
        return "Wakuren";
    case KeyBet::Umaren:
        return "Umaren";
    case KeyBet::Umatan:
        return "Umatan";
    case KeyBet::Sanrenpuku:
        return "Sanrenpuku";
    case KeyBet::Sanrentan:
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
    KeyBet bet;
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
    testing::Values(IndexCase{KeyBet::Wakuren, " 1- 8", 8}, IndexCase{KeyBet::Wakuren, " 2- 2", 9},
                    IndexCase{KeyBet::Wakuren, " 8- 8", 36}, IndexCase{KeyBet::Umaren, " 1- 2", 1},
                    IndexCase{KeyBet::Umaren, " 2- 3", 18}, IndexCase{KeyBet::Umaren, "17-18", 153},
                    IndexCase{KeyBet::Umatan, " 1-18", 17}, IndexCase{KeyBet::Umatan, " 2- 1", 18},
                    IndexCase{KeyBet::Umatan, "18-17", 306}, IndexCase{KeyBet::Sanrenpuku, " 1- 2- 3", 1},
                    IndexCase{KeyBet::Sanrenpuku, "16-17-18", 816}, IndexCase{KeyBet::Sanrentan, " 1- 2- 4", 2},
                    IndexCase{KeyBet::Sanrentan, " 9-18-17", 2448}, IndexCase{KeyBet::Sanrentan, "10- 1- 2", 2449},
                    IndexCase{KeyBet::Sanrentan, "18-17-16", 4896}, IndexCase{KeyBet::Sanrentan, "10- 1- 2xyz", 2449},
                    IndexCase{KeyBet::Sanrentan, "10- 1- 2 ", 2449}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, CombinationIndex,
    testing::Values(IndexCase{KeyBet::Umaren, " 2- 1", 0}, IndexCase{KeyBet::Umaren, "01-02", 0},
                    IndexCase{KeyBet::Umaren, "1-2", 0}, IndexCase{KeyBet::Umaren, " 1- 2 ", 0},
                    IndexCase{KeyBet::Umaren, " 1 - 2", 0}, IndexCase{KeyBet::Umaren, " 1/ 2", 0},
                    IndexCase{KeyBet::Umaren, "  - 2", 0}, IndexCase{KeyBet::Umaren, "", 0},
                    IndexCase{KeyBet::Umaren, " 1- 2- 3", 0}, IndexCase{KeyBet::Umatan, " 3- 3", 0},
                    IndexCase{KeyBet::Umatan, " 1-19", 0}, IndexCase{KeyBet::Wakuren, " 1- 9", 0},
                    IndexCase{KeyBet::Wakuren, " 2- 1", 0}, IndexCase{KeyBet::Wakuren, " 0- 1", 0},
                    IndexCase{KeyBet::Sanrenpuku, " 3- 2- 1", 0}, IndexCase{KeyBet::Sanrenpuku, " 1- 2- 3x", 0},
                    IndexCase{KeyBet::Sanrenpuku, " 1- 2", 0}, IndexCase{KeyBet::Sanrentan, " 1- 1- 2", 0},
                    IndexCase{KeyBet::Sanrentan, " 1- 2- 1", 0}, IndexCase{KeyBet::Sanrentan, " 1- 2- 2", 0},
                    IndexCase{KeyBet::Sanrentan, "01- 2- 3", 0}, IndexCase{KeyBet::Sanrentan, "19- 1- 2", 0},
                    IndexCase{KeyBet::Sanrentan, " 1- 2-", 0}, IndexCase{KeyBet::Sanrentan, "x1- 2- 3", 0}));

// Walks every key of the number space 0..19 in ascending order: the valid ones must be numbered 1, 2, ...
// without gap up to the count, every other key must give 0.
struct Enumeration {
    KeyBet bet;
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
    testing::Values(Enumeration{KeyBet::Wakuren, 2, 8, [](int a, int b, int) { return a <= b; }, WakurenCount},
                    Enumeration{KeyBet::Umaren, 2, 18, [](int a, int b, int) { return a < b; }, UmarenCount},
                    Enumeration{KeyBet::Umatan, 2, 18, [](int a, int b, int) { return a != b; }, UmatanCount},
                    Enumeration{KeyBet::Sanrenpuku, 3, 18, [](int a, int b, int c) { return a < b && b < c; },
                                SanrenpukuCount},
                    Enumeration{KeyBet::Sanrentan, 3, 18,
                                [](int a, int b, int c) { return a != b && a != c && b != c; }, SanrentanCount}),
    [](const auto& p) { return std::string(nameOf(p.param.bet)); });

} // namespace
