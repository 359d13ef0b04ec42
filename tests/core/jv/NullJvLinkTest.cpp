#include "jv/NullJvLink.h"
#include "jv/SoftwareId.h"

#include <gtest/gtest.h>

using namespace renoka;

namespace {

struct InitCase {
    const char* name;
    std::u16string id;
    int32_t expected;
};

void PrintTo(const InitCase& c, std::ostream* os) {
    *os << c.name;
}

class NullJvLinkInitTest : public testing::TestWithParam<InitCase> {};

TEST_P(NullJvLinkInitTest, ChecksTheIdentifier) {
    NullJvLink link;
    EXPECT_EQ(link.JVInit(GetParam().id), GetParam().expected);
}

// The limit is in bytes of the 8-bit code page: 32 full-width characters are 64 bytes.
INSTANTIATE_TEST_SUITE_P(Identifiers, NullJvLinkInitTest,
                         testing::Values(InitCase{"empty", u"", -101}, InitCase{"bytes63", std::u16string(63, u'A'), 0},
                                         InitCase{"bytes64", std::u16string(64, u'A'), -102},
                                         InitCase{"bytes200", std::u16string(200, u'A'), -102},
                                         InitCase{"wide32", std::u16string(32, u'Ａ'), -102},
                                         InitCase{"wide31plus1", std::u16string(31, u'Ａ') + u"A", 0},
                                         InitCase{"leadingBlank", u" RKA10000/RKV10400/RENOKA/", -103},
                                         InitCase{"blankOnly", u" ", -103}, InitCase{"innerBlank", u"RK A/", 0},
                                         InitCase{"programIdentifier", softwareIdentifier(), 0}));

TEST(NullJvLinkTest, RefusesEveryStreamCallBeforeJVInit) {
    NullJvLink link;
    int32_t readCount = 7, downloadCount = 7, size = 100000;
    std::u16string stamp, buffer, fileName;
    EXPECT_EQ(link.JVOpen(u"RACEMING", u"20240101000000", 1, readCount, downloadCount, stamp), -201);
    EXPECT_EQ(link.JVRTOpen(u"0B30", u"2024010106010101"), -201);
    EXPECT_EQ(link.JVStatus(), -201);
    EXPECT_EQ(link.JVRead(buffer, size, fileName), -201);
    // Handlers close after a failed open whatever the reason, so the close itself never fails.
    EXPECT_EQ(link.JVClose(), 0);
}

TEST(NullJvLinkTest, AFailedJVInitLeavesTheControlUninitialised) {
    NullJvLink link;
    ASSERT_EQ(link.JVInit(u" x"), -103);
    EXPECT_EQ(link.JVRTOpen(u"0B12", u"20240101"), -201);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    EXPECT_EQ(link.JVRTOpen(u"0B12", u"20240101"), 0);
}

class NullJvLinkStreamTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(link.JVInit(softwareIdentifier()), 0); }

    int32_t open() { return link.JVOpen(u"RACEMING", u"20240101000000", 1, readCount, downloadCount, stamp); }
    int32_t read() { return link.JVRead(buffer, size, fileName); }

    NullJvLink link;
    int32_t readCount = 7, downloadCount = 7, size = 60000;
    std::u16string stamp = u"20231231235959", buffer, fileName;
};

TEST_F(NullJvLinkStreamTest, RealTimeStreamEndsAtTheFirstReadAndStaysOpenUntilClosed) {
    EXPECT_EQ(link.JVRTOpen(u"0B30", u"2024010106010101"), 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(link.JVRTOpen(u"0B11", u"20240101"), -202);
    EXPECT_EQ(open(), -202);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVRTOpen(u"0B11", u"20240101"), 0);
}

TEST_F(NullJvLinkStreamTest, StoredOpenFindsNothingNewerAndLeavesNoStream) {
    EXPECT_EQ(open(), -1);
    EXPECT_EQ(readCount, 0);
    EXPECT_EQ(downloadCount, 0);
    EXPECT_EQ(stamp, u"");
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVRTOpen(u"0B17", u"20240101"), 0);
}

TEST_F(NullJvLinkStreamTest, ReadWithoutAnOpenStreamIsRefused) {
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVStatus(), 0);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVClose(), 0);
}

} // namespace
