#include "frame/IniFile.h"
#include "base/Cp932.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace renoka;
using renoka::test::readBytes;
using renoka::test::TempDir;
using renoka::test::writeBytes;

namespace {

struct StringCase {
    const char* valueUtf8; // as written in the file after "Key="
    const char* expectedUtf8;
};
class IniStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(IniStringTest, StripsBlanksThenTheEnclosingPair) {
    TempDir dir;
    writeBytes(dir / "renoka.ini", sj(std::string("[Sec]\r\nKey=") + GetParam().valueUtf8 + "\r\n"));
    IniFile ini(dir / "renoka.ini");
    EXPECT_EQ(toUtf8(ini.readString("Sec", "Key", "def")), GetParam().expectedUtf8);
}

INSTANTIATE_TEST_SUITE_P(Values, IniStringTest,
                         testing::Values(StringCase{"｢ abc ｣", " abc "}, StringCase{"\" abc \"", " abc "},
                                         StringCase{"\"\"", ""}, StringCase{"｢｣", ""}, StringCase{"\"abc", "\"abc"},
                                         StringCase{"abc\"", "abc\""}, StringCase{"  plain  ", "plain"},
                                         StringCase{"\"", "\""}, StringCase{"｢ぅ", "｢ぅ"},
                                         StringCase{"\"x\"y\"", "x\"y"}, StringCase{"a=b", "a=b"}, StringCase{"", ""}));

struct IntCase {
    const char* fileUtf8;
    int expected;
};
class IniIntegerTest : public testing::TestWithParam<IntCase> {};

TEST_P(IniIntegerTest, MissingOrNonNumericGivesTheDefault) {
    TempDir dir;
    writeBytes(dir / "renoka.ini", sj(GetParam().fileUtf8));
    EXPECT_EQ(IniFile(dir / "renoka.ini").readInteger("Kaime", "Option", 7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, IniIntegerTest,
                         testing::Values(IntCase{"[Kaime]\r\nOption=3\r\n", 3}, IntCase{"[Kaime]\r\nOption=abc\r\n", 7},
                                         IntCase{"[Kaime]\r\nOption=\r\n", 7}, IntCase{"[Kaime]\r\n", 7},
                                         IntCase{"", 7}, IntCase{"[kaime]\r\noption = 2 \r\n", 2},
                                         IntCase{"[Other]\r\nOption=3\r\n[Kaime]\r\n", 7},
                                         IntCase{"garbage\r\n[Kaime]\r\nno equals\r\nOption=-4\r\n", -4},
                                         IntCase{"[Kaime]\nOption=5\n", 5},
                                         IntCase{"[Kaime]\r\nOption=1\r\nOption=2\r\n", 1}));

TEST(IniFileTest, BooleansAreAnyNonZeroInteger) {
    TempDir dir;
    writeBytes(dir / "renoka.ini", "[alarm]\r\nbell=2\r\nmail=0\r\nother=x\r\n");
    IniFile ini(dir / "renoka.ini");
    EXPECT_TRUE(ini.readBool("alarm", "bell", false));
    EXPECT_FALSE(ini.readBool("alarm", "mail", true));
    EXPECT_TRUE(ini.readBool("alarm", "other", true));
    EXPECT_FALSE(ini.readBool("alarm", "missing", false));
}

TEST(IniFileTest, WritingKeepsEveryOtherLineByteForByte) {
    TempDir dir;
    // Garbage, a zero byte and bytes that are not CP932 must survive a write elsewhere in the file.
    const std::string original = std::string("junk line\r\n[locate]\r\ntop=5\r\nbad\x80\xff\r\nx\0y\r\n", 40) +
                                 "[Dir]\r\nkaime=" + sj("／データ") + "\r\n";
    writeBytes(dir / "renoka.ini", original);
    IniFile ini(dir / "renoka.ini");
    ini.writeInteger("locate", "top", 42);
    std::string expected = original;
    expected.replace(expected.find("top=5"), 5, "top=42");
    EXPECT_EQ(readBytes(dir / "renoka.ini"), expected);
    EXPECT_EQ(ini.readString("Dir", "kaime", ""), sj("／データ"));
}

TEST(IniFileTest, WritingAddsMissingKeysAndSectionsAndCreatesAnOwnerOnlyFile) {
    TempDir dir;
    IniFile ini(dir / "renoka.ini");
    ini.writeString("Dir", "kaime", sj("/home/太郎"));
    ini.writeInteger("locate", "top", 10);
    ini.writeInteger("Dir", "jikeiretu", 1);
    ini.writeBool("alarm", "bell", true);
    EXPECT_EQ(readBytes(dir / "renoka.ini"),
              sj("[Dir]\r\nkaime=/home/太郎\r\njikeiretu=1\r\n[locate]\r\ntop=10\r\n[alarm]\r\nbell=1\r\n"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "renoka.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(IniFileTest, AKeyIsAddedAfterTheLastEntryOfItsSectionNotAfterBlankLines) {
    TempDir dir;
    writeBytes(dir / "renoka.ini", "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n");
    IniFile ini(dir / "renoka.ini");
    ini.writeInteger("A", "c", 3);
    EXPECT_EQ(readBytes(dir / "renoka.ini"), "[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\n");
}

} // namespace
