// The simulated download behind JVOpen: JVStatus counts files as the clock's time passes, JVRead answers -3 for a
// file that has not arrived, and JVCancel stops the count where it is. The test moves the clock; nothing sleeps.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class SimJvLinkDownloadTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(link.JVInit(softwareIdentifier()), 0); }
    void storeFiles(int n) {
        for (int i = 0; i < n; ++i)
            provider.stored("202612010000" + std::string(i < 10 ? "0" : "") + std::to_string(i), "f",
                            {recordLine("RA", std::to_string(i), 20)});
    }
    int32_t open() { return link.JVOpen(u"RACEMING", u"20000101000000", 3, readCount, downloadCount, stamp); }
    int32_t read() { return link.JVRead(buffer, size, fileName); }

    // Polls JVStatus every 2 ms of the clock until it reaches the download count (or 10 s pass), returning every
    // answer.
    std::vector<int32_t> pollStatus() {
        std::vector<int32_t> seen;
        const qint64 start = clock.steadyMs();
        while (clock.steadyMs() - start < 10000) {
            seen.push_back(link.JVStatus());
            if (seen.back() < 0 || seen.back() >= downloadCount) break;
            clock.advanceMs(2);
        }
        return seen;
    }

    SimProvider provider;
    FakeClock clock;
    SimJvLink link{provider.root(), clock};
    int32_t readCount = 0, downloadCount = 0, size = 100000;
    std::u16string stamp, buffer, fileName;
};

void expectCountsUpTo(const std::vector<int32_t>& seen, int32_t count) {
    ASSERT_FALSE(seen.empty());
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_LE(seen[i - 1], seen[i]) << "answer " << i;
    EXPECT_EQ(seen.back(), count);
    EXPECT_LT(seen.front(), count) << "the download should take time";
}

TEST_F(SimJvLinkDownloadTest, StatusCountsUpWithTimeAtTheSetSpeed) {
    storeFiles(5);
    link.setFilesPerSecond(25); // 200 ms for the five files
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(downloadCount, 5);
    expectCountsUpTo(pollStatus(), 5);
    // Finished is finished: the count never goes past the download count.
    clock.advanceMs(60);
    EXPECT_EQ(link.JVStatus(), 5);
}

// 40 files a second when provider.ini does not say: ten files take a quarter of a second.
TEST_F(SimJvLinkDownloadTest, WithoutSettingsTheDownloadTakesTime) {
    storeFiles(10);
    ASSERT_EQ(open(), 0);
    expectCountsUpTo(pollStatus(), 10);
}

TEST_F(SimJvLinkDownloadTest, ProviderIniSetsTheSpeed) {
    storeFiles(30);
    provider.providerIni("[download]\r\nfilesPerSecond=0      ; every file at once\r\n");
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), 30);
    EXPECT_EQ(link.JVClose(), 0);

    // The setter wins over the file.
    link.setFilesPerSecond(10);
    provider.stored("20261202000000", "new", {"RA"});
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(downloadCount, 1);
    EXPECT_EQ(link.JVStatus(), 0);
}

// Right after the open nothing has arrived: the first read waits with -3, and reading on while retrying -3 brings
// every record in order.
TEST_F(SimJvLinkDownloadTest, ReadsWaitForTheFileStillDownloading) {
    storeFiles(3);
    link.setFilesPerSecond(10);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(read(), -3);
    EXPECT_EQ(read(), -3);
    std::vector<int32_t> results;
    const qint64 start = clock.steadyMs();
    while (clock.steadyMs() - start < 10000) {
        const int32_t r = read();
        if (r == -3) {
            clock.advanceMs(2);
            continue;
        }
        results.push_back(r);
        if (r <= 0 && r != -1) break;
    }
    EXPECT_EQ(results, (std::vector<int32_t>{20, -1, 20, -1, 20, -1, 0}));
    EXPECT_GE(clock.steadyMs() - start, 250);
}

// A stall holds the download after two files: their records come, then -3 for ever, and the count stays.
TEST_F(SimJvLinkDownloadTest, AStalledDownloadKeepsReadsWaiting) {
    storeFiles(4);
    link.setFilesPerSecond(0);
    provider.faults("[fault]\r\ncall=JVStatus\r\nafter=2\r\nstall=1\r\n");
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(link.JVStatus(), 2);
    const ReadLog log = readAll(link, 12);
    EXPECT_EQ(log.results, (std::vector<int32_t>{20, -1, 20, -1, -3, -3, -3, -3, -3, -3, -3, -3}));
    EXPECT_EQ(link.JVStatus(), 2);

    // A cancel ends the wait: the stream ends where the files that arrived end.
    link.JVCancel();
    EXPECT_EQ(read(), 0);
    EXPECT_EQ(link.JVStatus(), 2);
}

TEST_F(SimJvLinkDownloadTest, CancelStopsTheCountAndTheArrivedFilesStayReadable) {
    storeFiles(4);
    link.setFilesPerSecond(10); // a file every 100 ms
    ASSERT_EQ(open(), 0);
    int32_t arrived = 0;
    const qint64 start = clock.steadyMs();
    while (arrived < 1 && clock.steadyMs() - start < 10000) {
        arrived = link.JVStatus();
        clock.advanceMs(1);
    }
    link.JVCancel();
    ASSERT_GE(arrived, 1);
    const int32_t held = link.JVStatus();
    ASSERT_LT(held, 4) << "the cancel came too late to test anything";
    EXPECT_GE(held, arrived);
    clock.advanceMs(250);
    EXPECT_EQ(link.JVStatus(), held);

    const ReadLog log = readAll(link);
    EXPECT_EQ(log.count(-1), held);
    EXPECT_EQ(static_cast<int32_t>(log.records.size()), held);
    EXPECT_EQ(log.results.back(), 0);
    // A cancel after the cancel changes nothing.
    link.JVCancel();
    EXPECT_EQ(link.JVStatus(), held);
    EXPECT_EQ(link.JVClose(), 0);

    // What arrived before the cancel is in the cache; the rest is downloaded again.
    link.setFilesPerSecond(0);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readCount, 4);
    EXPECT_EQ(downloadCount, 4 - held);
}

TEST_F(SimJvLinkDownloadTest, ARealTimeStreamHasNothingToDownload) {
    provider.realtime("0B12", "20261208", "20261208080000", {"RA"});
    ASSERT_EQ(link.JVRTOpen(u"0B12", u"20261208"), 0);
    EXPECT_EQ(link.JVStatus(), 0);
    link.JVCancel();
    EXPECT_EQ(read(), 4);
}

} // namespace
