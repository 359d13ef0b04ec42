#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

CliRun runCli(const std::vector<std::string>& args) {
    return runCliCaptured(args);
}

TEST(CliVersionTest, PrintsTheVersionAfterTheHeadlessStartUp) {
    TempDir dir;
    const auto home = (dir / "home").string();
    CliRun run = runCli({"--home", home, "--now", "2026-12-08 10:11", "version"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "RENOKA Ver.1.04\n");
    for (const char* sub : {"Data", "kaime", "CHG", "SEI", "SEIR"})
        EXPECT_TRUE(fs::is_directory(dir / "home" / sub));
    auto log = loadLines(dir / "home" / "ErrorLog.txt");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(toUtf8(log[0]).substr(0, 34), "ソフト起動：2026/12/08 10:11");
}

struct UsageCase {
    std::vector<std::string> args;
    int status;
};
class CliUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, BadCommandLinesAreRefusedWithAMessage) {
    CliRun run = runCli(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, CliUsageTest,
                         testing::Values(UsageCase{{}, 2}, UsageCase{{"--home"}, 2}, UsageCase{{"frobnicate"}, 2},
                                         UsageCase{{"--bogus", "version"}, 2},
                                         UsageCase{{"--now", "yesterday", "version"}, 2},
                                         UsageCase{{"--home", "/dev/null/x", "version"}, 1}));

} // namespace
