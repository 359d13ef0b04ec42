// renoka-cli download stopped before its end: by a stalled data service, by SIGTERM or SIGINT, and by a kill in the
// middle of writing its files. What was merged is written whole, "LastTime" keeps its old value, and what a kill
// leaves behind is gone after the next start.
#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "jv/demo/DemoProvider.h"
#include "platform/FileIo.h"
#include "support/CliChild.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

constexpr const char* kNow = "2026-12-12 08:00";

// A program folder with a one-day demo provider that serves its files at once, and the faults given.
void makeProvider(const TempDir& home, const char* faults) {
    demo::DemoOptions options;
    options.out = home / "provider";
    options.start = demo::DemoDate{2026, 12, 12};
    options.days = 1;
    demo::makeDemoProvider(options);
    if (*faults) writeBytes(home / "provider" / "faults.ini", faults);
}

std::string lastTime(const TempDir& home) {
    return IniFile(home / "renoka.ini").readString("JvDataGet", "LastTime", "(none)");
}

bool waitForText(CliChild& child, const char* text, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (child.out().find(text) == std::string::npos) {
        if (child.ended() || std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Every temporary of ours under the folder, at any depth.
std::vector<fs::path> temporariesUnder(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isOwnTemporaryName(it->path().filename().native())) found.push_back(it->path());
    return found;
}

TEST(CliDownloadStopTest, AStalledServiceEndsTheDownloadAfterTheTimeOut) {
    TempDir home;
    makeProvider(home, "[fault]\r\ncall=JVStatus\r\nafter=1\r\nstall=1\r\n");
    const CliRun run = runCliCaptured(
        {"--home", home.path().string(), "--now", kNow, "download", "--setup", "--stall-timeout", "0.3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("データ提供サービスの処理が0.3秒間進まないので、データ取込を中止します。"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("JVCancel:キャンセルされました"), std::string::npos) << run.err;
    EXPECT_EQ(lastTime(home), "(none)");
    EXPECT_EQ(runCliCaptured({"--home", home.path().string(), "download", "--stall-timeout", "x"}).status, 2);
}

struct SignalCase {
    const char* name;
    int signal;
    const char* faults;    // where the download waits for ever
    const char* waitingAt; // the progress line printed before the wait
    const char* said;      // UTF-8
    bool merged;           // whether records were read before the stop
};

class CliDownloadSignalTest : public testing::TestWithParam<SignalCase> {};

TEST_P(CliDownloadSignalTest, CancelsAsTheCancelButtonDoes) {
    TempDir home;
    makeProvider(home, GetParam().faults);
    CliChild child({"--home", home.path().string(), "--now", kNow, "download", "--setup", "--stall-timeout", "0"});
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(waitForText(child, GetParam().waitingAt, 60000)) << child.out() << child.err();
    // Time for the records before the stall to be read.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    child.signal(GetParam().signal);
    ASSERT_TRUE(child.waitFor(30000)) << child.err();
    EXPECT_EQ(child.endSignal(), 0);
    EXPECT_EQ(child.exitStatus(), 1);
    EXPECT_NE(child.err().find(GetParam().said), std::string::npos) << child.err();
    EXPECT_NE(child.err().find("JVCancel:キャンセルされました"), std::string::npos) << child.err();
    EXPECT_EQ(lastTime(home), "(none)");
    // What was merged before the stop is on disk, whole.
    int written = 0;
    for (const auto& e : fs::directory_iterator(home / "Data")) {
        ++written;
        if (e.path().extension() == ".jvRA") {
            EXPECT_EQ(fs::file_size(e.path()) % 1272, 0u) << e.path();
        }
    }
    EXPECT_EQ(written > 0, GetParam().merged);
    EXPECT_TRUE(temporariesUnder(home.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Signals, CliDownloadSignalTest,
    testing::Values(SignalCase{"TermWhileDownloading", SIGTERM, "[fault]\r\ncall=JVStatus\r\nafter=1\r\nstall=1\r\n",
                               "ダウンロード中", "終了の指示(SIGTERM)を受けたので", false},
                    SignalCase{"InterruptWhileReading", SIGINT, "[fault]\r\ncall=JVRead\r\nafter=2000\r\nstall=1\r\n",
                               "データ読込み中", "中断の指示(SIGINT)を受けたので", true}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(CliDownloadKillTest, AKillWhileWritingLeavesNoTemporaryAfterTheNextStart) {
    // The write phase is short: a run that ends before it was caught is tried again in a fresh folder.
    for (int attempt = 0; attempt < 5; ++attempt) {
        TempDir home;
        makeProvider(home, "");
        CliChild child({"--home", home.path().string(), "--now", kNow, "download", "--setup", "--odds"});
        ASSERT_TRUE(child.started());
        std::vector<fs::path> left;
        while (!child.ended()) {
            left = temporariesUnder(home / "Data");
            if (!left.empty()) break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (left.empty()) continue;
        child.signal(SIGKILL);
        ASSERT_TRUE(child.waitFor(10000));
        ASSERT_EQ(child.endSignal(), SIGKILL);

        left = temporariesUnder(home.path());
        ASSERT_FALSE(left.empty());
        // The writes are committed a bounded batch at a time.
        EXPECT_LE(left.size(), AtomicWriteBatch::kMaxPending);
        const CliRun next = runCliCaptured({"--home", home.path().string(), "--now", kNow, "days"});
        EXPECT_EQ(next.status, 0) << next.err;
        EXPECT_TRUE(temporariesUnder(home.path()).empty());
        // Every race file that was renamed into place is whole.
        for (const auto& e : fs::directory_iterator(home / "Data"))
            if (e.path().extension() == ".jvRA") {
                EXPECT_EQ(fs::file_size(e.path()) % 1272, 0u) << e.path();
            }
        return;
    }
    GTEST_SKIP() << "no download was caught while writing";
}

} // namespace
