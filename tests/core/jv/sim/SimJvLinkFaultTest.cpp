// Failures injected through faults.ini: every code through every call, the "after" counts, stalls, several faults
// at once, and a file rewritten between calls.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class SimFaultFixture {
protected:
    SimFaultFixture() {
        provider.stored("20261201000000", "a", {"RA1", "RA2"});
        provider.stored("20261202000000", "b", {"RA3", "RA4"});
        provider.realtime("0B30", "2026120805010101", "20261208080000", {"O1a", "O2a"});
        link.setFilesPerSecond(0);
    }
    int32_t init() { return link.JVInit(softwareIdentifier()); }
    int32_t open() { return link.JVOpen(u"RACEMING", u"20000101000000", 1, readCount, downloadCount, stamp); }
    int32_t rtOpen() { return link.JVRTOpen(u"0B30", u"2026120805010101"); }
    int32_t read() { return link.JVRead(buffer, size, fileName); }
    static std::string fault(const std::string& call, int32_t code, int after = 0, bool stall = false) {
        return "[fault]\r\ncall=" + call + "\r\ncode=" + std::to_string(code) + "\r\nafter=" + std::to_string(after) +
               "\r\nstall=" + (stall ? "1" : "0") + "\r\n";
    }

    SimProvider provider;
    FakeClock clock{"2026-12-08 12:00:00"};
    SimJvLink link{provider.root(), clock};
    int32_t readCount = 0, downloadCount = 0, size = 100000;
    std::u16string stamp, buffer, fileName;
};

const char* const kCalls[] = {"JVInit", "JVOpen", "JVRTOpen", "JVStatus", "JVRead", "JVClose"};
const int32_t kCodes[] = {-301, -302, -303, -401, -402, -403, -411, -412, -413, -421, -431, -502, -503, -504, -7};

class SimJvLinkFaultCodeTest : public SimFaultFixture,
                               public testing::TestWithParam<std::tuple<const char*, int32_t>> {};

// The fault is written before the call that reads it; each call gives the code where the program meets it.
TEST_P(SimJvLinkFaultCodeTest, TheCallGivesTheInjectedCode) {
    const std::string call = std::get<0>(GetParam());
    const int32_t code = std::get<1>(GetParam());
    if (call != "JVInit") {
        ASSERT_EQ(init(), 0);
    }
    provider.faults(fault(call, code));
    if (call == "JVInit") {
        EXPECT_EQ(init(), code);
        // The control stays uninitialised.
        EXPECT_EQ(open(), -201);
    } else if (call == "JVOpen") {
        EXPECT_EQ(open(), code);
        EXPECT_EQ(readCount, 0);
        EXPECT_EQ(read(), -203);
        // Real-time opens are not touched.
        EXPECT_EQ(rtOpen(), 0);
    } else if (call == "JVRTOpen") {
        EXPECT_EQ(rtOpen(), code);
        EXPECT_EQ(read(), -203);
        EXPECT_EQ(open(), 0);
    } else if (call == "JVStatus") {
        ASSERT_EQ(open(), 0);
        EXPECT_EQ(link.JVStatus(), code);
        EXPECT_EQ(link.JVStatus(), code);
        // Nothing arrived, so nothing can be read: the download failed.
        EXPECT_EQ(read(), -502);
    } else if (call == "JVRead") {
        ASSERT_EQ(open(), 0);
        EXPECT_EQ(link.JVStatus(), 2);
        EXPECT_EQ(read(), code);
        EXPECT_EQ(read(), code);
        ASSERT_EQ(link.JVClose(), 0);
        ASSERT_EQ(rtOpen(), 0);
        EXPECT_EQ(read(), code);
    } else {
        ASSERT_EQ(open(), 0);
        EXPECT_EQ(link.JVClose(), code);
        // The failed close still ends the stream, so the program can open again.
        EXPECT_EQ(read(), -203);
        EXPECT_EQ(open(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, SimJvLinkFaultCodeTest,
                         testing::Combine(testing::ValuesIn(kCalls), testing::ValuesIn(kCodes)));

struct AfterCase {
    const char* call;
    int after;
};

void PrintTo(const AfterCase& c, std::ostream* os) {
    *os << c.call << "_after" << c.after;
}

class SimJvLinkFaultAfterTest : public SimFaultFixture, public testing::TestWithParam<AfterCase> {
protected:
    // One call of the kind, with what it needs around it; without a fault it succeeds.
    int32_t step(const std::string& call) {
        if (call == "JVInit") return init();
        if (call == "JVOpen") {
            link.JVClose();
            return open();
        }
        if (call == "JVRTOpen") {
            link.JVClose();
            return rtOpen();
        }
        open();
        return link.JVClose();
    }
};

// "after=N": N successful calls first, then the code, and the code again on every later call.
TEST_P(SimJvLinkFaultAfterTest, SucceedsNTimesThenFails) {
    const std::string call = GetParam().call;
    provider.faults(fault(call, -504, GetParam().after));
    if (call != "JVInit") {
        ASSERT_EQ(init(), 0);
    }
    for (int i = 0; i < GetParam().after; ++i)
        EXPECT_EQ(step(call), 0) << "call " << i;
    EXPECT_EQ(step(call), -504);
    EXPECT_EQ(step(call), -504);
}

INSTANTIATE_TEST_SUITE_P(Counts, SimJvLinkFaultAfterTest,
                         testing::Values(AfterCase{"JVInit", 2}, AfterCase{"JVOpen", 1}, AfterCase{"JVOpen", 3},
                                         AfterCase{"JVRTOpen", 2}, AfterCase{"JVClose", 2}));

class SimJvLinkFaultTest : public SimFaultFixture, public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(init(), 0); }
};

// Records count, not -1s: the third record is in the second file, so the fault comes after one -1.
TEST_F(SimJvLinkFaultTest, AReadFaultCountsRecordsAcrossFiles) {
    provider.faults(fault("JVRead", -402, 3));
    ASSERT_EQ(open(), 0);
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.results, (std::vector<int32_t>{5, 5, -1, 5, -402}));
    // Every open starts the count afresh.
    EXPECT_EQ(link.JVClose(), 0);
    ASSERT_EQ(rtOpen(), 0);
    EXPECT_EQ(readAll(link).results, (std::vector<int32_t>{5, 5, 0}));
}

TEST_F(SimJvLinkFaultTest, AReadFaultAfterTheLastRecordTakesThePlaceOfTheEnd) {
    provider.faults(fault("JVRead", -403, 4));
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readAll(link).results, (std::vector<int32_t>{5, 5, -1, 5, 5, -403}));
}

TEST_F(SimJvLinkFaultTest, AStalledReadAnswersMinusThreeForEver) {
    provider.faults(fault("JVRead", -402, 1, true));
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readAll(link, 6).results, (std::vector<int32_t>{5, -3, -3, -3, -3, -3}));
    EXPECT_EQ(link.JVStatus(), 2);
}

// The download breaks down on the file after the first: the first file reads, the second is a failed download.
TEST_F(SimJvLinkFaultTest, AStatusFaultAfterOneFile) {
    provider.faults(fault("JVStatus", -502, 1));
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), -502);
    EXPECT_EQ(readAll(link).results, (std::vector<int32_t>{5, 5, -1, -502}));
    EXPECT_EQ(link.JVClose(), 0);
    // The file that did arrive is in the cache.
    provider.faults("");
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(downloadCount, 1);
}

TEST_F(SimJvLinkFaultTest, AStatusFaultBeyondTheDownloadNeverComes) {
    provider.faults(fault("JVStatus", -502, 2));
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(readAll(link).results.back(), 0);
}

// Sections [fault], [fault2], ... each add a fault; remarks after values, as the format page shows them, are fine.
TEST_F(SimJvLinkFaultTest, SeveralFaultsAtOnce) {
    provider.faults("[fault]\r\n"
                    "call=JVOpen            ; JVInit, JVOpen, JVRTOpen, JVStatus, JVRead, JVClose\r\n"
                    "code=-504              ; the code to return\r\n"
                    "after=1                ; successful results first\r\n"
                    "\r\n"
                    "[Fault2]\r\n"
                    "call=jvread\r\n"
                    "code=-503\r\n"
                    "after=1\r\n"
                    "[other]\r\n"
                    "call=JVRTOpen\r\n"
                    "code=-1\r\n");
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readAll(link).results, (std::vector<int32_t>{5, -503}));
    EXPECT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open(), -504);
    // A section not named "fault..." is no fault.
    EXPECT_EQ(rtOpen(), 0);
}

// Rewriting the file starts its counts afresh; removing it removes the faults. Unchanged, the counts go on.
TEST_F(SimJvLinkFaultTest, TheFileIsReadAgainAtEveryOpen) {
    provider.faults(fault("JVOpen", -411, 1));
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open(), -411);
    EXPECT_EQ(open(), -411);

    provider.faults(fault("JVOpen", -412, 1));
    EXPECT_EQ(open(), 0);
    ASSERT_EQ(link.JVClose(), 0);
    EXPECT_EQ(open(), -412);

    std::filesystem::remove(provider.root() / "faults.ini");
    EXPECT_EQ(open(), 0);
}

struct IgnoredCase {
    const char* name;
    std::string text;
};

void PrintTo(const IgnoredCase& c, std::ostream* os) {
    *os << c.name;
}

class SimJvLinkIgnoredFaultTest : public SimFaultFixture, public testing::TestWithParam<IgnoredCase> {};

TEST_P(SimJvLinkIgnoredFaultTest, InjectsNothing) {
    provider.faults(GetParam().text);
    ASSERT_EQ(init(), 0);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), 2);
    EXPECT_EQ(readAll(link).results, (std::vector<int32_t>{5, 5, -1, 5, 5, -1, 0}));
    EXPECT_EQ(link.JVClose(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ignored, SimJvLinkIgnoredFaultTest,
                         testing::Values(IgnoredCase{"unknownCall", "[fault]\ncall=JVGets\ncode=-502\n"},
                                         IgnoredCase{"noCode", "[fault]\ncall=JVRead\nafter=1\n"},
                                         IgnoredCase{"codeZero", "[fault]\ncall=JVOpen\ncode=0\n"},
                                         IgnoredCase{"stallOfAnOpen", "[fault]\ncall=JVOpen\nstall=1\n"},
                                         IgnoredCase{"notAFaultSection", "[download]\ncall=JVRead\ncode=-1\n"},
                                         IgnoredCase{"empty", ""}));

} // namespace
