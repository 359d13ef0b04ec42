// renoka-cli bets on a demo day: the marks given, the grids and labels printed per bet type, the exclusion of a
// row, the method and the amount; arguments that are wrong are usage errors, things that are not there failures.
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/DemoHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class CliBetsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new TempDir;
        const CliRun download = prepareDemoHome(s_home->path());
        ASSERT_EQ(download.status, 0) << download.err;
    }
    static void TearDownTestSuite() {
        delete s_home;
        s_home = nullptr;
    }
    static CliRun cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", s_home->path().string()});
        return runCliCaptured(args);
    }
    static CliRun bets(std::vector<std::string> more) {
        std::vector<std::string> args = {"bets", "2026-12-06", "東京11R"};
        args.insert(args.end(), more.begin(), more.end());
        return cli(args);
    }
    // The lines of one bet type's section: its grid and its four labels.
    static std::vector<std::string> section(const std::string& out, const std::string& type) {
        const std::vector<std::string> lines = splitLines(out);
        std::vector<std::string> part;
        bool in = false;
        for (const std::string& line : lines) {
            if (line.starts_with("["))
                in = line == "[" + type + "]";
            else if (in)
                part.push_back(line);
        }
        return part;
    }
    static std::string labelOf(const std::vector<std::string>& part, const std::string& caption) {
        for (const std::string& line : part)
            if (line.starts_with(caption + "\t")) return line.substr(caption.size() + 1);
        return "?";
    }
    static TempDir* s_home;
};
TempDir* CliBetsTest::s_home = nullptr;

TEST_F(CliBetsTest, TwoAxesGiveTheirWinBetsAndEveryTypePrintsItsGridAndLabels) {
    const CliRun run = bets({"--mark", "1:軸", "--mark", "5:軸", "--amount", "10000"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* type : {"単勝", "複勝", "馬連", "ワイド", "馬単", "３連複", "３連単"}) {
        const std::vector<std::string> part = section(run.out, type);
        ASSERT_GE(part.size(), 6u) << type;
        EXPECT_EQ(part[0], "消\tNo.\t買い目\tオッズ\t購入額\t回収額\t回収率\t結果配当\t結果回収\t結果人気") << type;
        EXPECT_EQ(part[part.size() - 4].rfind("買い点数\t", 0), 0u) << type;
        EXPECT_EQ(part.back().rfind("回収金額\t", 0), 0u) << type;
    }
    const std::vector<std::string> win = section(run.out, "単勝");
    ASSERT_EQ(win.size(), 7u);
    // Two bets of 5000 each: the unit of an equal split of 10000.
    EXPECT_EQ(win[1].substr(0, 13), "\t 1\t 1\t   3.1") << win[1];
    EXPECT_NE(win[1].find("\t  5000\t"), std::string::npos) << win[1];
    EXPECT_EQ(win[2].substr(0, 6), "\t 2\t 5");
    EXPECT_EQ(labelOf(win, "買い点数"), "2");
    EXPECT_EQ(labelOf(win, "投票金額"), "10000");
}

TEST_F(CliBetsTest, AnExcludedRowLosesItsStakeAndTheOthersShareTheAmount) {
    const CliRun run =
        bets({"--mark", "1:軸", "--mark", "5:軸", "--amount", "10000", "--exclude", "単勝:2", "--type", "単勝"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> win = section(run.out, "単勝");
    ASSERT_EQ(win.size(), 7u) << run.out;
    EXPECT_EQ(win[2].substr(0, 5 + 4), "消\t 2\t 5");
    EXPECT_EQ(win[2].find("  5000"), std::string::npos) << win[2];
    EXPECT_EQ(labelOf(win, "買い点数"), "1");
    EXPECT_EQ(labelOf(win, "投票金額"), "10000");
    EXPECT_TRUE(section(run.out, "馬連").empty()) << "--type prints one type";
}

TEST_F(CliBetsTest, TheProportionalMethodStakesTheShorterOddsMore) {
    const CliRun run =
        bets({"--mark", "1:軸", "--mark", "5:軸", "--amount", "10000", "--method", "proportional", "--type", "単勝"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> win = section(run.out, "単勝");
    ASSERT_EQ(win.size(), 7u);
    // Odds 3.1 and 8.6: shares 73.5 % and 26.5 %, stakes Trunc(73.5 + 0.95) and Trunc(26.5 + 0.95) hundreds.
    EXPECT_NE(win[1].find("\t  7400\t"), std::string::npos) << win[1];
    EXPECT_NE(win[2].find("\t  2700\t"), std::string::npos) << win[2];
    EXPECT_EQ(labelOf(win, "投票金額"), "10100");
}

TEST_F(CliBetsTest, AnAmountBelowAHundredAllocatesNothingAndSaysSo) {
    for (const char* amount : {"0", "99"}) {
        const CliRun run = bets({"--mark", "1:軸", "--amount", amount, "--type", "単勝"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.err.find("100円未満の金額では資金配分をしません。"), std::string::npos);
        EXPECT_EQ(labelOf(section(run.out, "単勝"), "投票金額"), "") << amount;
    }
    const CliRun most = bets({"--mark", "1:軸", "--amount", "99999999", "--type", "単勝"});
    ASSERT_EQ(most.status, 0) << most.err;
    // The unit is rounded up to whole hundreds: one yen more than the amount, printed whole.
    EXPECT_EQ(labelOf(section(most.out, "単勝"), "投票金額"), "100000000");
}

struct BadArgs {
    std::vector<std::string> args;
    int status;
    const char* message;
};

class CliBetsBadArgsTest : public CliBetsTest, public testing::WithParamInterface<BadArgs> {};

TEST_P(CliBetsBadArgsTest, IsRefusedWithAMessage) {
    const BadArgs& p = GetParam();
    const CliRun run = cli(p.args);
    EXPECT_EQ(run.status, p.status) << run.err;
    EXPECT_NE(run.err.find(p.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBetsBadArgsTest,
    testing::Values(BadArgs{{"bets", "2026-12-06"}, 2, "使い方: bets"},
                    BadArgs{{"bets", "2026-12-06", "1", "--amount", "1000円"}, 2, "金額は 0 から 99999999"},
                    BadArgs{{"bets", "2026-12-06", "1", "--amount", "100000000"}, 2, "金額は 0 から 99999999"},
                    BadArgs{{"bets", "2026-12-06", "1", "--method", "half"}, 2, "資金配分は equal"},
                    BadArgs{{"bets", "2026-12-06", "1", "--mark", "19:軸"}, 2, "印は 馬番"},
                    BadArgs{{"bets", "2026-12-06", "1", "--mark", "3:本命"}, 2, "印は 馬番"},
                    BadArgs{{"bets", "2026-12-06", "1", "--exclude", "馬券:1"}, 2, "除外は 券種:行番号"},
                    BadArgs{{"bets", "2026-12-06", "1", "--type", "WIN5"}, 2, "券種が正しくありません"},
                    BadArgs{{"bets", "2026-12-06", "1", "--amount"}, 2, "--amount の値がありません"},
                    BadArgs{{"bets", "2001-01-01", "1"}, 1, "開催日が見つかりません"},
                    BadArgs{{"bets", "2026-12-06", "東京99R"}, 1, "レースが見つかりません"},
                    BadArgs{{"bets", "2026-12-06", "1", "--set", "ない設定"}, 1, "設定が見つかりません"},
                    BadArgs{
                        {"bets", "2026-12-06", "1", "--exclude", "馬連:999"}, 1, "馬連にその行の買い目はありません"}));

} // namespace
