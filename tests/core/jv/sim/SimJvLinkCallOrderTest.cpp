// JVInit's identifier checks and the calling order the simulated control enforces: JVInit first, one stream at a
// time, reads and status only on an open stream.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

struct CallOrderInitCase {
    const char* name;
    std::u16string id;
    int32_t expected;
};

void PrintTo(const CallOrderInitCase& c, std::ostream* os) {
    *os << c.name;
}

class SimJvLinkInitTest : public testing::TestWithParam<CallOrderInitCase> {};

TEST_P(SimJvLinkInitTest, ChecksTheIdentifier) {
    SimProvider provider;
    FakeClock clock;
    SimJvLink link(provider.root(), clock);
    EXPECT_EQ(link.JVInit(GetParam().id), GetParam().expected);
    // Only a successful JVInit lets the stream calls through.
    EXPECT_EQ(link.JVRTOpen(u"0B12", u"20261208"), GetParam().expected == 0 ? 0 : -201);
}

// The limit is in CP932 bytes: 32 full-width characters are 64 bytes.
INSTANTIATE_TEST_SUITE_P(Identifiers, SimJvLinkInitTest,
                         testing::Values(CallOrderInitCase{"empty", u"", -101},
                                         CallOrderInitCase{"bytes63", std::u16string(63, u'A'), 0},
                                         CallOrderInitCase{"bytes64", std::u16string(64, u'A'), -102},
                                         CallOrderInitCase{"wide32", std::u16string(32, u'Ａ'), -102},
                                         CallOrderInitCase{"wide31plus1", std::u16string(31, u'Ａ') + u"A", 0},
                                         CallOrderInitCase{"leadingBlank", u" RENOKA", -103},
                                         CallOrderInitCase{"blankOnly", u" ", -103},
                                         CallOrderInitCase{"innerBlank", u"RK A/", 0},
                                         CallOrderInitCase{"programIdentifier", softwareIdentifier(), 0}));

class SimJvLinkOrderTest : public testing::Test {
protected:
    void SetUp() override {
        provider.stored("20261201090000", "a", {recordLine("RA", "1", 40)});
        link.setFilesPerSecond(0);
    }
    int32_t open(int32_t option = 1) {
        return link.JVOpen(u"RACEMING", u"20261130000000", option, readCount, downloadCount, stamp);
    }
    int32_t read() { return link.JVRead(buffer, size, fileName); }

    SimProvider provider;
    FakeClock clock{"2026-12-08 12:00:00"};
    SimJvLink link{provider.root(), clock};
    int32_t readCount = 0, downloadCount = 0, size = 100000;
    std::u16string stamp, buffer, fileName;
};

TEST_F(SimJvLinkOrderTest, EveryStreamCallBeforeJVInitIsRefused) {
    EXPECT_EQ(open(), -201);
    EXPECT_EQ(link.JVRTOpen(u"0B30", u"2026120805010101"), -201);
    EXPECT_EQ(link.JVStatus(), -201);
    EXPECT_EQ(read(), -201);
    link.JVCancel();
    // The settings dialog and the close answer without JVInit: handlers close after every failed open.
    EXPECT_EQ(link.JVSetUIProperties(), 0);
    EXPECT_EQ(link.JVClose(), 0);
    // A failed JVInit does not count either.
    EXPECT_EQ(link.JVInit(u" x"), -103);
    EXPECT_EQ(open(), -201);
}

TEST_F(SimJvLinkOrderTest, ASecondOpenIsRefusedUntilTheStreamIsClosed) {
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(open(), -202);
    EXPECT_EQ(link.JVRTOpen(u"0B12", u"20261208"), -202);
    // The refused opens leave the first stream as it was.
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.records.size(), 1u);
    EXPECT_EQ(link.JVClose(), 0);

    ASSERT_EQ(link.JVRTOpen(u"0B12", u"20261208"), 0);
    EXPECT_EQ(open(), -202);
    EXPECT_EQ(link.JVRTOpen(u"0B11", u"20261208"), -202);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open(), 0);
}

TEST_F(SimJvLinkOrderTest, ReadAndStatusNeedAnOpenStream) {
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVStatus(), -203);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(link.JVClose(), 0);

    // -1 opens no stream.
    EXPECT_EQ(link.JVOpen(u"RACEMING", u"20261231000000", 1, readCount, downloadCount, stamp), -1);
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVStatus(), -203);

    // An argument error opens none either.
    EXPECT_EQ(open(9), -115);
    EXPECT_EQ(read(), -203);

    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), 1);
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(read(), -203);
    EXPECT_EQ(link.JVStatus(), -203);
}

TEST_F(SimJvLinkOrderTest, ClosingResetsTheStreamToItsStart) {
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(open(), 0);
    EXPECT_GT(read(), 0);
    EXPECT_EQ(link.JVClose(), 0);
    ASSERT_EQ(open(), 0);
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.results, (std::vector<int32_t>{40, -1, 0}));
}

} // namespace
