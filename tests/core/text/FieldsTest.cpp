#include "text/Fields.h"
#include "base/Cp932.h"

#include <gtest/gtest.h>

using namespace renoka;

namespace {

struct FieldIntCase {
    const char* text;
    int expected;
};
class ToIntTest : public testing::TestWithParam<FieldIntCase> {};

TEST_P(ToIntTest, ReadsDigitTextOrZero) {
    EXPECT_EQ(toInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToIntTest,
                         testing::Values(FieldIntCase{"0123", 123}, FieldIntCase{"  7", 7}, FieldIntCase{"07 ", 7},
                                         FieldIntCase{"", 0}, FieldIntCase{"    ", 0}, FieldIntCase{"1a", 0},
                                         FieldIntCase{"-5", -5}, FieldIntCase{"+5", 5}, FieldIntCase{"-", 0},
                                         FieldIntCase{"99999999999", 0}, FieldIntCase{"2147483647", 2147483647},
                                         FieldIntCase{"1 2", 0}, FieldIntCase{"-2147483648", -2147483648},
                                         FieldIntCase{"2147483648", 0}, FieldIntCase{"000000000000000000000042", 42}));

struct Int64Case {
    const char* text;
    long long expected;
};
class ToInt64Test : public testing::TestWithParam<Int64Case> {};

TEST_P(ToInt64Test, ReadsSumsBeyondTheRangeOfIntOrTheDefault) {
    EXPECT_EQ(toInt64Def(GetParam().text, -1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToInt64Test,
                         testing::Values(Int64Case{" 99999999999 ", 99999999999LL}, Int64Case{"-10999999", -10999999},
                                         Int64Case{"9223372036854775807", 9223372036854775807LL},
                                         Int64Case{"9223372036854775808", -1}, Int64Case{"", -1},
                                         Int64Case{"12x", -1}));

TEST(FieldTest, CutsByOneBasedBytePositionAndClampsAtTheEnd) {
    std::string rec = "RA7200612345";
    EXPECT_EQ(field(rec, 1, 2), "RA");
    EXPECT_EQ(field(rec, 3, 1), "7");
    EXPECT_EQ(field(rec, 11, 5), "45");
    EXPECT_EQ(field(rec, 13, 2), "");
    EXPECT_EQ(field(rec, 0, 2), "");
    EXPECT_EQ(fieldInt(rec, 4, 4), 2006);
}

struct CutCase {
    const char* utf8;
    size_t bytes;
    const char* expectedUtf8;
};
class LeftBytesTest : public testing::TestWithParam<CutCase> {};

TEST_P(LeftBytesTest, NeverSplitsADoubleByteCharacter) {
    std::string cut = leftBytes(sj(GetParam().utf8), GetParam().bytes);
    EXPECT_EQ(toUtf8(cut), GetParam().expectedUtf8);
    EXPECT_TRUE(isValidCp932(cut));
}

INSTANTIATE_TEST_SUITE_P(Names, LeftBytesTest,
                         testing::Values(CutCase{"ディープインパクト", 4, "ディ"},
                                         CutCase{"ディープインパクト", 5, "ディ "}, CutCase{"Aディープ", 4, "Aデ "},
                                         CutCase{"ｱｲｳｴｵ", 3, "ｱｲｳ"}, CutCase{"ab", 5, "ab"}));

TEST(FitBytesTest, PadsToTheExactWidth) {
    EXPECT_EQ(fitBytes(sj("東京"), 6), sj("東京  "));
    EXPECT_EQ(fitBytes(sj("岩見沢競馬"), 7), sj("岩見沢 "));
}

} // namespace
