// The command line's outward and money-bearing commands on a demo race day: the loss register recorded,
// overwritten, refused, deleted and cleared, every question answered by --yes or --no and every refusal ending
// with a status that says nothing changed.
#include "base/Cp932.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class CliVotesTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new TempDir;
        s_download = new CliRun(cli({"--now", "2026-12-12 08:00", "download", "--setup", "--odds"}));
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

} // namespace
