#include "base/Cp932.h"

#include <gtest/gtest.h>

using namespace renoka;

namespace {

struct RoundTrip {
    const char* utf8;
    const char* backUtf8; // what CP932 gives back (the code page folds some characters)
    size_t cp932Bytes;
};
class Cp932RoundTripTest : public testing::TestWithParam<RoundTrip> {};

TEST_P(Cp932RoundTripTest, ConvertsTheCharactersShiftJisLacks) {
    const std::string bytes = sj(GetParam().utf8);
    EXPECT_EQ(bytes.size(), GetParam().cp932Bytes);
    EXPECT_EQ(toUtf8(bytes), GetParam().backUtf8);
    EXPECT_EQ(fromUtf16(toUtf16(bytes)), bytes);
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp932RoundTripTest,
                         testing::Values(RoundTrip{"成績記録済", "成績記録済", 10}, RoundTrip{"①⑱", "①⑱", 4},
                                         RoundTrip{"髙橋", "髙橋", 4}, RoundTrip{"№㈱", "№㈱", 4},
                                         RoundTrip{"ｾﾝ", "ｾﾝ", 2}, RoundTrip{"〜", "～", 2}, RoundTrip{"−", "－", 2},
                                         RoundTrip{"ABC 12", "ABC 12", 6}, RoundTrip{"　", "　", 2}));

TEST(Cp932Test, ACharacterTheCodePageCannotHoldBecomesOneQuestionMark) {
    EXPECT_EQ(sj("a😀b"), "a?b");
    EXPECT_EQ(sj("한국"), "??");
    std::string wide = fromUtf16(u"x\U0001F600y");
    EXPECT_EQ(wide, "x?y");
}

TEST(Cp932Test, BytesThatAreNotCp932AreMarkedNotDropped) {
    EXPECT_FALSE(isValidCp932("\x81"));       // a lead byte without its trail
    EXPECT_FALSE(isValidCp932("ab\x81\x20")); // trail byte out of range
    EXPECT_TRUE(isValidCp932(sj("東京11R")));
    EXPECT_EQ(toUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Test, ACharacterAnywhereInARunOfAsciiIsConvertedInItsPlace) {
    // Runs of ASCII go four units at a time: a kanji, a surrogate pair or a stray half at every position of texts
    // of every length up to eleven must come out as each unit converted on its own (texts too short for the run).
    const std::u16string others[] = {u"東", u"\U0001F600", std::u16string(1, char16_t(0xDC00)), u"ｱ", u"§"};
    for (const std::u16string& other : others)
        for (size_t length = 0; length <= 11; ++length)
            for (size_t at = 0; at <= length; ++at) {
                std::u16string text;
                std::string expected;
                for (size_t i = 0; i < length; ++i) {
                    if (i == at) {
                        text += other;
                        expected += fromUtf16(other);
                    }
                    const char16_t ascii = static_cast<char16_t>(u'0' + i % 10);
                    text += ascii;
                    expected += static_cast<char>(ascii);
                }
                if (at == length) {
                    text += other;
                    expected += fromUtf16(other);
                }
                std::string out = "leftover";
                fromUtf16Into(text, out);
                ASSERT_EQ(out, expected) << "length " << length << " at " << at;
            }
}

TEST(Cp932Test, ConvertingIntoAReusedBufferGivesTheSameBytes) {
    std::string out = "old contents that are longer than the record";
    fromUtf16Into(u"RA東京\r\n", out);
    EXPECT_EQ(out, sj("RA東京\r\n"));
}

} // namespace

namespace {

std::string utf8Of(char16_t unit) {
    std::string s;
    if (unit < 0x800) {
        s += static_cast<char>(0xC0 | (unit >> 6));
    } else {
        s += static_cast<char>(0xE0 | (unit >> 12));
        s += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    }
    s += static_cast<char>(0x80 | (unit & 0x3F));
    return s;
}

TEST(Cp932Test, TheWideTextLookupAgreesWithTheCodecForEveryCharacter) {
    int differences = 0;
    for (uint32_t unit = 0x80; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF) continue;
        const char16_t c = static_cast<char16_t>(unit);
        if (fromUtf16(std::u16string(1, c)) != sj(utf8Of(c)) && ++differences <= 5) ADD_FAILURE() << "U+" << unit;
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
