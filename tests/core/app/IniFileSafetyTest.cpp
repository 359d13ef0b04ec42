// The settings file under use by several programs and by hand: integers outside what their use allows fall back
// to the default, values cannot plant lines of their own, writes of two programs at once are all kept, and a
// file others could read is closed to them at start-up.
#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "support/FormFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <sys/stat.h>
#include <thread>

using namespace renoka;
using namespace renoka::test;

namespace {

struct RangeCase {
    const char* value;
    int expected;
};

class IniRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(IniRangeTest, AValueOutsideItsRangeGivesTheDefault) {
    TempDir dir;
    writeBytes(dir / "renoka.ini", std::string("[Time]\r\nAutoRdataGet=") + GetParam().value + "\r\n");
    EXPECT_EQ(IniFile(dir / "renoka.ini").readInteger("Time", "AutoRdataGet", 10, 1, 1440), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, IniRangeTest,
                         testing::Values(RangeCase{"1", 1}, RangeCase{"1440", 1440}, RangeCase{"0", 10},
                                         RangeCase{"1441", 10}, RangeCase{"40000", 10}, RangeCase{"-2147483648", 10},
                                         RangeCase{"2147483647", 10}, RangeCase{"99999999999", 10},
                                         RangeCase{"abc", 10}));

TEST(IniFileSafetyTest, LineBreaksInAValueCannotPlantASection) {
    TempDir dir;
    IniFile ini(dir / "renoka.ini");
    ini.writeString("Dir", "kaime", "/tmp/x\r\n[Time]\r\nAutoOzGet=1");
    ini.writeString("Sec\n", "Key\r", "v");
    EXPECT_EQ(ini.readString("Dir", "kaime", ""), "/tmp/x[Time]AutoOzGet=1");
    EXPECT_EQ(ini.readInteger("Time", "AutoOzGet", 10), 10);
    EXPECT_EQ(ini.readString("Sec", "Key", ""), "v");
    EXPECT_EQ(readBytes(dir / "renoka.ini"), "[Dir]\r\nkaime=/tmp/x[Time]AutoOzGet=1\r\n[Sec]\r\nKey=v\r\n");
}

TEST(IniFileSafetyTest, WritesOfTwoProgramsAtOnceAreAllKept) {
    TempDir dir;
    // Each writer has its own IniFile, as the GUI and a CLI run have; each writes keys of its own.
    constexpr int kWrites = 60;
    const auto writer = [&dir](char name) {
        IniFile ini(dir / "renoka.ini");
        for (int i = 0; i < kWrites; ++i)
            ini.writeInteger("Shared", std::string(1, name) + std::to_string(i), i);
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    const IniFile ini(dir / "renoka.ini");
    int kept = 0;
    for (char name : {'a', 'b'})
        for (int i = 0; i < kWrites; ++i)
            kept += ini.readInteger("Shared", std::string(1, name) + std::to_string(i), -1) == i;
    EXPECT_EQ(kept, 2 * kWrites);
}

TEST(IniFileSafetyTest, StartUpClosesASettingsFileThatOthersCouldRead) {
    FormFixture fixture;
    const auto file = fixture.dir / "renoka.ini";
    writeBytes(file, "[MailSet]\r\nPass=secret\r\n");
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    fixture.main().FormCreate();
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(readBytes(file), "[MailSet]\r\nPass=secret\r\n");
}

} // namespace
