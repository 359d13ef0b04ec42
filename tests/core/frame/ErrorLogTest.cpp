#include "frame/ErrorLog.h"
#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "support/ScriptedPorts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <thread>

using namespace renoka;
using namespace renoka::test;

namespace {

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

struct StartCase {
    int linesBefore;
    size_t linesAfter;
    const char* firstKept;
};
class ErrorLogStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(ErrorLogStartTest, KeepsTheNewestHundredThenAddsTheTwoStartLines) {
    TempDir dir;
    if (GetParam().linesBefore > 0) writeBytes(dir / "ErrorLog.txt", numberedLines(GetParam().linesBefore));
    FakeClock clock("2026-12-08 09:05:07");
    ErrorLog log(dir / "ErrorLog.txt", clock);
    log.writeStartEntry(sj("/home/競馬"));
    auto lines = loadLines(dir / "ErrorLog.txt");
    ASSERT_EQ(lines.size(), GetParam().linesAfter);
    EXPECT_EQ(lines[0], GetParam().firstKept);
    EXPECT_EQ(toUtf8(lines[lines.size() - 2]), "ソフト起動：2026/12/08 09:05:07");
    EXPECT_EQ(toUtf8(lines.back()), "/home/競馬");
}

INSTANTIATE_TEST_SUITE_P(Sizes, ErrorLogStartTest,
                         testing::Values(StartCase{150, 102, "line 51"}, StartCase{100, 102, "line 1"},
                                         StartCase{101, 102, "line 2"}, StartCase{10000, 102, "line 9901"},
                                         StartCase{3, 5, "line 1"}));

TEST(ErrorLogTest, FirstStartCreatesTheLogInCp932) {
    TempDir dir;
    FakeClock clock("2026-01-02 03:04:05");
    ErrorLog log(dir / "ErrorLog.txt", clock);
    log.writeStartEntry("/p");
    EXPECT_EQ(readBytes(dir / "ErrorLog.txt"), sj("ソフト起動：2026/01/02 03:04:05\r\n/p\r\n"));
}

TEST(ErrorLogTest, EntriesAreAppendedWithoutTrimmingAndKeepInvalidBytes) {
    TempDir dir;
    writeBytes(dir / "ErrorLog.txt", numberedLines(150) + "\x80\xff\xfe broken\r\n");
    FakeClock clock("2026-12-08 21:30:59");
    ErrorLog log(dir / "ErrorLog.txt", clock);
    log.append(sj("JVOpenエラー:テスト"));
    auto lines = loadLines(dir / "ErrorLog.txt");
    ASSERT_EQ(lines.size(), 152u);
    EXPECT_EQ(lines[150], "\x80\xff\xfe broken");
    EXPECT_EQ(toUtf8(lines[151]), "【エラー】21:30:59：JVOpenエラー:テスト");
}

TEST(ErrorLogTest, TwoProgramsAppendingAtOnceLoseNoLine) {
    // The GUI and a command-line run each keep their own log object on the one file.
    TempDir dir;
    FakeClock clock("2026-12-08 21:30:59");
    ErrorLog gui(dir / "ErrorLog.txt", clock);
    ErrorLog cli(dir / "ErrorLog.txt", clock);
    const auto write = [](ErrorLog& log, const char* who) {
        for (int i = 0; i < 100; ++i)
            log.append(std::string(who) + std::to_string(i));
    };
    std::thread first(write, std::ref(gui), "gui");
    std::thread second(write, std::ref(cli), "cli");
    first.join();
    second.join();
    EXPECT_EQ(loadLines(dir / "ErrorLog.txt").size(), 200u);
}

} // namespace
