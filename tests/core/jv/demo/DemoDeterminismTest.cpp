// The demo comes out the same for the same options, differently for another seed, refuses foreign folders, and
// is made by renoka-cli make-demo.
#include "DemoFolder.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace renoka;
using namespace renoka::test;

namespace {

demo::DemoOptions options(const std::filesystem::path& out, int days, uint64_t seed) {
    demo::DemoOptions o;
    o.out = out;
    o.start = demo::DemoDate{2026, 12, 5};
    o.days = days;
    o.seed = seed;
    return o;
}

TEST(DemoDeterminismTest, SameOptionsGiveTheSameBytes) {
    const DemoFolder& first = demoFolder();
    TempDir dir;
    demo::makeDemoProvider(options(dir / "again", 2, 1));
    const DemoFolder again = readDemoFolder(dir / "again");
    ASSERT_EQ(again.bytes.size(), first.bytes.size());
    for (const auto& [path, data] : first.bytes) {
        const auto it = again.bytes.find(path);
        ASSERT_NE(it, again.bytes.end()) << path;
        ASSERT_TRUE(it->second == data) << path;
    }
}

TEST(DemoDeterminismTest, AnotherSeedGivesAnotherDemo) {
    const DemoFolder& first = demoFolder();
    TempDir dir;
    const auto summary = demo::makeDemoProvider(options(dir / "other", 1, 2));
    const DemoFolder other = readDemoFolder(dir / "other");
    EXPECT_EQ(summary.raceDays.size(), 1u);
    // The same calendar, other horses and other results.
    const std::string results = "stored/20261130100001-se-20261128.txt";
    ASSERT_TRUE(other.bytes.count(results));
    EXPECT_NE(other.bytes.at(results), first.bytes.at(results));
    EXPECT_TRUE(other.paths("realtime/0B12/20261206").empty());
}

TEST(DemoDeterminismTest, ReplacesAnEarlierDemoButRefusesAForeignFolder) {
    TempDir dir;
    writeBytes(dir / "mine" / "notes.txt", "keep me");
    EXPECT_THROW(demo::makeDemoProvider(options(dir / "mine", 1, 1)), FileError);
    EXPECT_EQ(readBytes(dir / "mine" / "notes.txt"), "keep me");
    EXPECT_FALSE(std::filesystem::exists(dir / "mine" / "stored"));

    // An earlier demo: our own folders and a fault setting written by hand.
    writeBytes(dir / "demo" / "provider.ini", "[download]\n");
    writeBytes(dir / "demo" / "realtime" / "0B12" / "20200101" / "20200101120000.txt", "stale");
    writeBytes(dir / "demo" / "faults.ini", "[fault]\n");
    demo::makeDemoProvider(options(dir / "demo", 1, 1));
    EXPECT_FALSE(std::filesystem::exists(dir / "demo" / "realtime" / "0B12" / "20200101"));
    EXPECT_TRUE(std::filesystem::exists(dir / "demo" / "realtime" / "0B12" / "20261205"));
    EXPECT_EQ(readBytes(dir / "demo" / "faults.ini"), "[fault]\n") << "only the demo's own folders are replaced";
    EXPECT_NE(readBytes(dir / "demo" / "provider.ini"), "[download]\n");

    for (int days : {0, 9})
        EXPECT_THROW(demo::makeDemoProvider(options(dir / "bad", days, 1)), FileError) << days;
}

CliRun run(const std::vector<std::string>& args) {
    return runCliCaptured(args);
}

TEST(DemoCliTest, MakeDemoWritesIntoTheProgramFolderByDefault) {
    TempDir dir;
    const CliRun r = run({"--home", (dir / "home").string(), "make-demo", "--start", "2026-12-05", "--days", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("デモデータを作りました"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2026-12-05(土)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("東京・中京・阪神"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("時計の開始: 2026-12-05 09:00"), std::string::npos) << r.out;
    EXPECT_TRUE(std::filesystem::exists(dir / "home" / "provider" / "provider.ini"));
}

class DemoCliUsageTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(DemoCliUsageTest, BadArgumentsAreRefusedInJapanese) {
    TempDir dir;
    std::vector<std::string> args = {"--home", (dir / "home").string(), "make-demo"};
    for (const auto& a : GetParam())
        args.push_back(a);
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("使い方: make-demo"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "home" / "provider"));
}

INSTANTIATE_TEST_SUITE_P(Arguments, DemoCliUsageTest,
                         testing::Values(std::vector<std::string>{"--days", "0"},
                                         std::vector<std::string>{"--days", "9"},
                                         std::vector<std::string>{"--days", "two"},
                                         std::vector<std::string>{"--start", "2026-02-30"},
                                         std::vector<std::string>{"--seed", "-1"}, std::vector<std::string>{"--out"},
                                         std::vector<std::string>{"--bogus", "1"}, std::vector<std::string>{"extra"}));

} // namespace
