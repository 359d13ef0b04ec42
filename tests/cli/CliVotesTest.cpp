// The command line's outward and money-bearing commands on a demo race day: the loss register recorded,
// overwritten, refused, deleted and cleared, every question answered by --yes or --no and every refusal ending
// with a status that says nothing changed.
#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "platform/FileIo.h"
#include "support/CliRun.h"
#include "support/DemoHome.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

using namespace renoka;
using namespace renoka::test;

namespace {

class CliVotesTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new TempDir;
        s_download = new CliRun(prepareDemoHome(s_home->path()));
    }
    static void TearDownTestSuite() {
        delete s_download;
        delete s_home;
    }
    void SetUp() override {
        ASSERT_EQ(s_download->status, 0) << s_download->err;
        // Each test starts from an empty register.
        std::error_code ec;
        std::filesystem::remove(s_home->path() / "ruison.csv", ec);
    }
    static CliRun cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", s_home->path().string()});
        return runCliCaptured(args);
    }
    static std::string ruison() { return toUtf8(readBytes(s_home->path() / "ruison.csv")); }
    static TempDir* s_home;
    static CliRun* s_download;
};
TempDir* CliVotesTest::s_home = nullptr;
CliRun* CliVotesTest::s_download = nullptr;

TEST_F(CliVotesTest, LossAddAsksOverwritesAndRefusesAsTheRegisterDoes) {
    // Without --yes the question is answered No: nothing is written.
    const CliRun declined = cli({"loss", "add", "2026-11-29", "東京11R", "1000"});
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("2026/11/29東京11Rの損失金を記録しますか？ [no]"), std::string::npos) << declined.err;
    EXPECT_FALSE(std::filesystem::exists(s_home->path() / "ruison.csv"));

    const CliRun added = cli({"--yes", "loss", "add", "2026-11-29", "東京11R", "1000"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(ruison(), "\" 1\",\"2026/11/29東京11R\",\"枠連\",\"   1000\"\r\n");
    EXPECT_NE(added.out.find(" 1\t2026/11/29東京11R\t   1000\n累積損失額：    1000円\n"), std::string::npos)
        << added.out;

    const CliRun same = cli({"--yes", "loss", "add", "2026-11-29", "東京11R", "1000"});
    EXPECT_EQ(same.status, 1);
    EXPECT_NE(same.err.find("すでに同じ内容が計上済みです。"), std::string::npos);

    const CliRun over = cli({"--yes", "loss", "add", "2026-11-29", "11", "1500"});
    ASSERT_EQ(over.status, 0) << over.err;
    EXPECT_NE(over.err.find("同じレースの損失金が計上済みです。上書きしますか？ [yes]"), std::string::npos);
    EXPECT_EQ(ruison(), "\" 1\",\"2026/11/29東京11R\",\"枠連\",\"   1500\"\r\n");

    // A recovery that reaches the loss is refused; the limits of the amount field hold.
    const CliRun recovery = cli({"--yes", "loss", "add", "2026-11-29", "1", "-1500"});
    EXPECT_EQ(recovery.status, 1);
    EXPECT_NE(recovery.err.find("利益金を記録する必要はありません。"), std::string::npos);
    EXPECT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "1", "-10000000"}).status, 2);
    EXPECT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "1", "12x"}).status, 2);
    EXPECT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "1", "0"}).status, 1);
    const CliRun most = cli({"--yes", "loss", "add", "2026-11-29", "1", "9999999"});
    ASSERT_EQ(most.status, 0) << most.err;
    EXPECT_NE(most.out.find("累積損失額：10001499円"), std::string::npos) << most.out;
}

TEST_F(CliVotesTest, LossDeleteAndClearFollowTheRegistersRules) {
    ASSERT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "東京11R", "1000"}).status, 0);
    // The only entry cannot be deleted, only cleared.
    const CliRun only = cli({"--yes", "loss", "delete", "1"});
    EXPECT_EQ(only.status, 1);
    EXPECT_NE(only.err.find("このデータを削除すると損失が消えます。全削除を行ってください。"), std::string::npos);
    ASSERT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "東京10R", "700"}).status, 0);
    EXPECT_EQ(cli({"--yes", "loss", "delete", "3"}).status, 1);
    EXPECT_EQ(cli({"--yes", "loss", "delete", "x"}).status, 1);
    EXPECT_EQ(cli({"loss", "delete", "1"}).status, 1);
    const CliRun deleted = cli({"--yes", "loss", "delete", "1"});
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(ruison(), "\" 1\",\"2026/11/29東京10R\",\"枠連\",\"    700\"\r\n");

    EXPECT_EQ(cli({"--no", "loss", "clear"}).status, 1);
    const CliRun cleared = cli({"--yes", "loss", "clear"});
    ASSERT_EQ(cleared.status, 0) << cleared.err;
    EXPECT_EQ(ruison(), "");
    const CliRun list = cli({"loss", "list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "No.\tレース\t損失金\n累積損失額：       0円\n");
    EXPECT_EQ(cli({"loss"}).status, 2);
    EXPECT_EQ(cli({"loss", "add", "2026-11-29"}).status, 2);
}

// The vote commands on race 11 of a day with results: the bets of a bet type as the grid shows them.
class CliVoteFilesTest : public CliVotesTest {
protected:
    void SetUp() override {
        CliVotesTest::SetUp();
        std::error_code ec;
        std::filesystem::remove_all(s_home->path() / "kaime", ec);
        std::filesystem::remove_all(plugin(), ec);
    }
    static std::filesystem::path plugin() { return s_home->path() / "plug-in"; }
    static std::filesystem::path betFile() { return s_home->path() / "kaime" / "261206.BET"; }
    static std::filesystem::path orderFile() { return plugin() / "kaime" / "261206.csv"; }
    // The stakes of a bet type's grid that are written (not excluded, with odds) and its 投票金額 label.
    struct Grid {
        std::vector<std::string> bets; // "03-07 500"
        long long total = -1;
    };
    static Grid grid(const char* type, std::vector<std::string> more = {}) {
        return gridOf(cli(withMarks({"bets", "2026-12-06", "東京11R", "--type", type}, more)));
    }
    // Two axes: the default set's partners make bets of every type with them.
    static std::vector<std::string> withMarks(std::vector<std::string> args,
                                              const std::vector<std::string>& more = {}) {
        args.insert(args.end(), {"--mark", "1:軸", "--mark", "5:軸"});
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
    static Grid gridOf(const CliRun& run) {
        EXPECT_EQ(run.status, 0) << run.err;
        Grid g;
        const std::vector<std::string> lines = splitLines(run.out);
        for (size_t i = 2; i < lines.size(); ++i) {
            const std::vector<std::string> cells = split(lines[i], '\t');
            if (lines[i].starts_with("投票金額\t"))
                g.total = std::stoll(lines[i].substr(std::string("投票金額\t").size()));
            // Visible columns: 消, No, 買い目, オッズ, 購入額 ...
            if (cells.size() < 5 || cells[0] == "消" || trim(cells[3]).empty() || trim(cells[4]).empty()) continue;
            g.bets.push_back(twoDigits(cells[2]) + " " + trim(cells[4]));
        }
        return g;
    }
    static std::vector<std::string> split(const std::string& line, char sep) {
        std::vector<std::string> out(1);
        for (char c : line)
            if (c == sep)
                out.emplace_back();
            else
                out.back() += c;
        return out;
    }
    static std::string trim(const std::string& s) {
        const size_t a = s.find_first_not_of(' ');
        return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
    }
    // " 3- 7" as the files write it: "03-07".
    static std::string twoDigits(const std::string& key) {
        std::string out;
        for (const std::string& n : split(key, '-')) {
            const std::string t = trim(n);
            out += (out.empty() ? "" : "-") + (t.size() == 1 ? "0" + t : t);
        }
        return out;
    }
};

TEST_F(CliVoteFilesTest, TheBetFileHoldsTheGridsBetsAndALaterTypeReplacesIt) {
    const Grid quinella = grid("馬連");
    ASSERT_FALSE(quinella.bets.empty());

    const CliRun declined = cli(withMarks({"vote", "2026-12-06", "東京11R", "馬連"}));
    EXPECT_EQ(declined.status, 1);
    EXPECT_NE(declined.err.find("[東京11R:馬連]に投票します。投票ファイルを出力しますか？ [no]"), std::string::npos)
        << declined.err;
    EXPECT_FALSE(std::filesystem::exists(betFile()));

    const CliRun voted = cli(withMarks({"--yes", "vote", "2026-12-06", "東京11R", "馬連"}));
    ASSERT_EQ(voted.status, 0) << voted.err;
    const std::vector<std::string> lines = splitLines(toUtf8(readBytes(betFile())));
    ASSERT_EQ(lines.size(), quinella.bets.size() + 1);
    EXPECT_TRUE(lines[0].starts_with("東京 26年 12月  6日 ")) << lines[0];
    long long sum = 0;
    for (size_t i = 0; i < quinella.bets.size(); ++i) {
        const std::string& bet = quinella.bets[i];
        const std::string stake = bet.substr(bet.find(' ') + 1);
        EXPECT_EQ(lines[i + 1],
                  "11R 馬連 " + bet.substr(0, bet.find(' ')) + " " + std::string(6 - stake.size(), ' ') + stake);
        sum += std::stoll(stake);
    }
    EXPECT_EQ(sum, quinella.total);

    // ワイド of the same day replaces the file; an excluded row is not written.
    const Grid wide = grid("ワイド", {"--exclude", "ワイド:1"});
    ASSERT_EQ(cli(withMarks({"--yes", "vote", "2026-12-06", "東京11R", "ワイド", "--exclude", "ワイド:1"})).status, 0);
    const std::vector<std::string> wideLines = splitLines(toUtf8(readBytes(betFile())));
    ASSERT_EQ(wideLines.size(), wide.bets.size() + 1);
    for (size_t i = 1; i < wideLines.size(); ++i)
        EXPECT_TRUE(wideLines[i].starts_with("11R ワイド ")) << wideLines[i];
}

TEST_F(CliVoteFilesTest, ThePluginStartsInItsFolderOnTheOrderFileAndTotalsWhatTheGridStakes) {
    // A plug-in folder of our own whose program notes how it was started, then hands the file to the stand-in.
    std::filesystem::create_directories(plugin());
    const std::filesystem::path program = plugin() / "QRVTohyoPlugIn2";
    {
        std::ofstream script(program);
        script << "#!/bin/sh\npwd > started.txt\nprintf '%s\\n' \"$#\" \"$1\" >> started.txt\n"
               << "\"" << RENOKA_VOTE_PLUGIN << "\" --console \"$1\" > report.tmp 2>&1\nmv report.tmp report.txt\n";
    }
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    IniFile(s_home->path() / "renoka.ini").writeString("Dir", "QRVTohyo2", displayPath(plugin()));

    const Grid trio = grid("３連複");
    ASSERT_FALSE(trio.bets.empty());
    const CliRun voted = cli(withMarks({"--yes", "vote", "2026-12-06", "東京11R", "３連複", "--plugin"}));
    ASSERT_EQ(voted.status, 0) << voted.err;
    // The plug-in's own "kaime" folder is made for the order file.
    const std::vector<std::string> lines = splitLines(readBytes(orderFile()));
    ASSERT_EQ(lines.size(), trio.bets.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& bet = trio.bets[i];
        EXPECT_EQ(lines[i], "20261206,05,11,SANFUKU,NORMAL," + bet.substr(bet.find(' ') + 1) + "," +
                                bet.substr(0, bet.find(' ')) + ",");
    }

    // The plug-in runs on its own; wait for its report.
    const std::filesystem::path report = plugin() / "report.txt";
    for (int i = 0; i < 200 && !std::filesystem::exists(report); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(report)) << "the plug-in did not run";
    EXPECT_EQ(splitLines(readBytes(plugin() / "started.txt")),
              (std::vector<std::string>{plugin().string(), "1", orderFile().string()}));
    const std::string printed = readBytes(report);
    EXPECT_NE(printed.find("総合計 " + std::to_string(trio.total) + "円（" + std::to_string(trio.bets.size()) + "点）"),
              std::string::npos)
        << printed;
}

TEST_F(CliVoteFilesTest, APluginFolderThatIsNotThereIsToldAndNothingIsWritten) {
    IniFile(s_home->path() / "renoka.ini").writeString("Dir", "QRVTohyo2", displayPath(plugin()));
    const CliRun voted = cli(withMarks({"--yes", "vote", "2026-12-06", "東京11R", "馬連", "--plugin"}));
    EXPECT_EQ(voted.status, 1);
    EXPECT_NE(voted.err.find("「QRV投票プラグイン２」が正常にインストールされていません。再インストールしてください。"),
              std::string::npos)
        << voted.err;
    EXPECT_FALSE(std::filesystem::exists(plugin()));
}

TEST_F(CliVoteFilesTest, APluginFolderWithoutThePluginKeepsTheOrderFileAndSaysTheStartFailed) {
    std::filesystem::create_directories(plugin());
    IniFile(s_home->path() / "renoka.ini").writeString("Dir", "QRVTohyo2", displayPath(plugin()));
    const CliRun voted = cli(withMarks({"--yes", "vote", "2026-12-06", "東京11R", "馬連", "--plugin"}));
    EXPECT_EQ(voted.status, 1);
    // The two lines of the message, and no line saying the plug-in started.
    const size_t first = voted.err.find("投票プラグイン２の呼び出しでエラーが発生しました。");
    ASSERT_NE(first, std::string::npos) << voted.err;
    EXPECT_NE(voted.err.find("投票プラグイン２が正しくインストールされているか確認してください。", first),
              std::string::npos);
    EXPECT_EQ(voted.err.find("起動しました"), std::string::npos) << voted.err;
    EXPECT_FALSE(splitLines(readBytes(orderFile())).empty());
}

TEST_F(CliVoteFilesTest, TheChaseTakesTheRecordedLossAndTheBracketRate) {
    // Without bracket bets there is no rate to chase with.
    const CliRun refused = cli({"chase", "2026-12-06", "東京11R"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("この組合せまたは金額では資金配分ができません。"), std::string::npos) << refused.err;

    ASSERT_EQ(cli({"--yes", "loss", "add", "2026-11-29", "東京11R", "20000"}).status, 0);
    const CliRun chased = cli({"chase", "2026-12-06", "東京11R", "--bracket", "1-2", "--bracket", "3-4", "--bracket",
                               "5-6", "--bracket", "7-8", "--bracket", "1-8"});
    const std::vector<std::string> lines = splitLines(chased.out);
    ASSERT_EQ(lines.size(), 4u) << chased.out << chased.err;
    EXPECT_EQ(lines[0], "損失金額\t20000");
    EXPECT_EQ(lines[1], "目標利益金額\t10000");
    const double rate = std::stod(lines[2].substr(lines[2].find('\t') + 1));
    // The demo's bracket odds of the race stake these five at a rate well above 100 %.
    ASSERT_GT(rate, 100) << chased.out;
    EXPECT_EQ(chased.status, 0) << chased.err;
    const auto expected = static_cast<long long>(std::trunc(std::trunc(30000 / (rate - 100) * 100) / 100) * 100);
    EXPECT_EQ(lines[3], "入力投票金額\t" + std::to_string(expected));
}

} // namespace
