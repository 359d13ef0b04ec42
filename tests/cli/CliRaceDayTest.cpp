// The command line from an empty program folder to a race on screen: the first download makes the demo data
// service, a second finds nothing new, and a day and its races print as text.
#include "support/CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace renoka;
using namespace renoka::test;

namespace {

using CliOutcome = CliRun;

class CliRaceDayTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new TempDir;
        s_download = new CliOutcome(cli({"--now", "2026-12-12 08:00", "download", "--setup", "--odds"}));
    }
    static void TearDownTestSuite() {
        delete s_download;
        delete s_home;
    }
    static CliOutcome cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", s_home->path().string()});
        return runCliCaptured(args);
    }
    static TempDir* s_home;
    static CliOutcome* s_download;
};
TempDir* CliRaceDayTest::s_home = nullptr;
CliOutcome* CliRaceDayTest::s_download = nullptr;

TEST_F(CliRaceDayTest, TheFirstDownloadTakesInTheDemoAndASecondFindsNothingNew) {
    EXPECT_EQ(s_download->status, 0) << s_download->err;
    EXPECT_NE(s_download->out.find("データ作成が完了しました。\n"), std::string::npos);
    EXPECT_NE(s_download->err.find("デモ用のデータ提供フォルダを作成しました"), std::string::npos);
    const CliOutcome again = cli({"--now", "2026-12-12 08:05", "download"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("最新のデータがありません。"), std::string::npos);
}

TEST_F(CliRaceDayTest, DaysLoadAndShowPrintTheDayAndItsRaces) {
    const CliOutcome days = cli({"days"});
    ASSERT_EQ(days.status, 0);
    EXPECT_EQ(days.out.rfind("2026年12月13日\n", 0), 0u) << days.out;
    const CliOutcome load = cli({"load", "2026-11-29"});
    ASSERT_EQ(load.status, 0) << load.err;
    EXPECT_NE(load.out.find("東京11R\n"), std::string::npos);
    EXPECT_NE(load.out.find("成績記録済\n"), std::string::npos);

    const CliOutcome card = cli({"show", "2026-11-29", "東京11R", "card"});
    ASSERT_EQ(card.status, 0) << card.err;
    EXPECT_NE(card.out.find("枠\t馬\t馬名/騎手/斤量/性齢"), std::string::npos);
    // Each cell prints as the window draws it, its lines joined by " / ": the jockey under the name, the final
    // placing under the arrival, the odds under the popularity, the weight's change under the weight.
    for (const char* drawn : {"\t入: ", " / 確: ", "\t人気: ", " / ｵｯｽﾞ: ", "kg / (", " / 後= "})
        EXPECT_NE(card.out.find(drawn), std::string::npos) << drawn << "\n" << card.out;
    const CliOutcome results = cli({"show", "2026-11-29", "1", "results"});
    ASSERT_EQ(results.status, 0);
    EXPECT_EQ(results.out.rfind("券種\t結果\t人気\t配当\n単勝\t", 0), 0u) << results.out;
    EXPECT_EQ(cli({"show", "2026-11-29", "東京99R", "card"}).status, 1);
    EXPECT_EQ(cli({"show", "2026-11-29", "1", "nonsense"}).status, 2);
    EXPECT_EQ(cli({"load", "2001-01-01"}).status, 1);
}

} // namespace
