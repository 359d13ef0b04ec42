// The vote files: the bytes of the ".BET" bet list and of the plug-in's order file, which rows they take, the
// folders they go to, the messages and the question in their order, and how the plug-in is started.
#include "betting/VoteFiles.h"
#include "core/results/DayFixture.h"
#include "frame/IniFile.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// The first meeting's second day at 東京 on 5 January 2025.
std::string tokyoRa(int raceNo) {
    return Rec("RA", 1272).put(12, "20250105").put(20, "05").put(22, "0102").num(26, 2, raceNo).bytes;
}

VoteKind kind(const char* idUtf8, const char* code, int numbers, bool brackets = false) {
    return VoteKind{sj(idUtf8), code, numbers, brackets};
}

VoteRow row(const char* key, const char* odds, const char* stake, const char* exclusionUtf8 = "") {
    return VoteRow{sj(exclusionUtf8), key, odds, stake};
}

TEST(VoteLinesTest, TheBetListIsTheHeadingThenOneLinePerBetWithTheStakeAsShown) {
    const std::vector<VoteRow> rows = {row(" 3- 7", "   12.5", "   500"), row(" 1-12", "  104.0", "   100")};
    const auto lines = betFileLines(tokyoRa(11), kind("馬連", "UMAFUKU", 2), rows);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(toUtf8(lines[0]), "東京 25年  1月  5日  1回  2日 ");
    EXPECT_EQ(toUtf8(lines[1]), "11R 馬連 03-07    500");
    EXPECT_EQ(toUtf8(lines[2]), "11R 馬連 01-12    100");
}

TEST(VoteLinesTest, TheOrderFileNamesDateCourseRaceCodeAndTheBetAndEndsWithAComma) {
    const std::vector<VoteRow> rows = {row(" 3- 7", "   12.5", "   500"), row(" 1-12", "  104.0", "  1200")};
    const auto lines = orderFileLines(tokyoRa(11), kind("馬連", "UMAFUKU", 2), rows);
    const std::vector<std::string> expected = {"20250105,05,11,UMAFUKU,NORMAL,500,03-07,",
                                               "20250105,05,11,UMAFUKU,NORMAL,1200,01-12,"};
    EXPECT_EQ(lines, expected);
}

struct BetCase {
    const char* idUtf8;
    const char* code;
    int numbers;
    bool brackets;
    const char* key;
    const char* betLineUtf8; // race 1: the race number is right-aligned
    const char* orderLine;
};

class VoteLinesBetTest : public testing::TestWithParam<BetCase> {};

TEST_P(VoteLinesBetTest, EachBetTypeWritesItsNumbers) {
    const BetCase& c = GetParam();
    const std::vector<VoteRow> rows = {row(c.key, "   3.1", "   200")};
    const VoteKind k = kind(c.idUtf8, c.code, c.numbers, c.brackets);
    const auto bet = betFileLines(tokyoRa(1), k, rows);
    ASSERT_EQ(bet.size(), 2u);
    EXPECT_EQ(toUtf8(bet[1]), c.betLineUtf8);
    const auto order = orderFileLines(tokyoRa(1), k, rows);
    ASSERT_EQ(order.size(), 1u);
    EXPECT_EQ(order[0], c.orderLine);
}

INSTANTIATE_TEST_SUITE_P(
    Types, VoteLinesBetTest,
    testing::Values(
        BetCase{"単勝", "TAN", 1, false, " 7", " 1R 単勝  7    200", "20250105,05,01,TAN,NORMAL,200,07,"},
        BetCase{"複勝", "FUKU", 1, false, "12", " 1R 複勝 12    200", "20250105,05,01,FUKU,NORMAL,200,12,"},
        // Brackets: two digits in the bet list, one in the order file.
        BetCase{"枠連", "WAKU", 2, true, " 3- 7", " 1R 枠連 03-07    200", "20250105,05,01,WAKU,NORMAL,200,3-7,"},
        BetCase{"枠連", "WAKU", 2, true, " 8- 8", " 1R 枠連 08-08    200", "20250105,05,01,WAKU,NORMAL,200,8-8,"},
        BetCase{"ワイド", "WIDE", 2, false, "10-18", " 1R ワイド 10-18    200",
                "20250105,05,01,WIDE,NORMAL,200,10-18,"},
        // Finishing order stays as the key has it.
        BetCase{"馬単", "UMATAN", 2, false, "12- 3", " 1R 馬単 12-03    200",
                "20250105,05,01,UMATAN,NORMAL,200,12-03,"},
        BetCase{"３連複", "SANFUKU", 3, false, " 1- 5-12", " 1R ３連複 01-05-12    200",
                "20250105,05,01,SANFUKU,NORMAL,200,01-05-12,"},
        BetCase{"３連単", "SANTAN", 3, false, "18- 1- 9", " 1R ３連単 18-01-09    200",
                "20250105,05,01,SANTAN,NORMAL,200,18-01-09,"}));

struct VoteRowCase {
    const char* name;
    VoteRow row;
    bool counts;  // holds a bet: the grid is not "empty"
    bool written; // is written to the files
};

class VoteRowTest : public testing::TestWithParam<VoteRowCase> {};

TEST_P(VoteRowTest, WhichRowsCountAndWhichAreWritten) {
    const VoteRowCase& c = GetParam();
    EXPECT_EQ(hasBet(c.row), c.counts);
    EXPECT_EQ(isVoted(c.row), c.written);
    EXPECT_EQ(betFileLines(tokyoRa(1), kind("馬連", "UMAFUKU", 2), {c.row}).size(), c.written ? 2u : 1u);
    EXPECT_EQ(orderFileLines(tokyoRa(1), kind("馬連", "UMAFUKU", 2), {c.row}).size(), c.written ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, VoteRowTest,
                         testing::Values(VoteRowCase{"Bet", row(" 1- 2", " 5.0", "   100"), true, true},
                                         VoteRowCase{"Excluded", row(" 1- 2", " 5.0", "   100", "消"), true, false},
                                         VoteRowCase{"ExcludedWithBlanks", row(" 1- 2", " 5.0", "   100", " 消 "), true,
                                                     false},
                                         VoteRowCase{"OtherMark", row(" 1- 2", " 5.0", "   100", "○"), true, true},
                                         VoteRowCase{"NoOdds", row(" 1- 2", "      ", "   100"), false, false},
                                         VoteRowCase{"NoStake", row(" 1- 2", " 5.0", "      "), false, false},
                                         VoteRowCase{"NoKey", row("     ", " 5.0", "   100"), false, false}),
                         [](const testing::TestParamInfo<VoteRowCase>& p) { return std::string(p.param.name); });

TEST(VoteLinesTest, ZeroMeetingNumbersAreBlanksAndTwoDigitValuesStay) {
    const std::string ra = Rec("RA", 1272).put(12, "20261208").put(20, "06").put(22, "0000").num(26, 2, 12).bytes;
    const auto lines = betFileLines(ra, kind("単勝", "TAN", 1), {});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(toUtf8(lines[0]), "中山 26年 12月  8日   回   日 ");
    EXPECT_EQ(voteFileStem(ra), "261208");
}

// The writes through the handler, on a form over a temporary program folder.
struct VoteFixture : DayFixture {
    std::unique_ptr<VoteFiles> votes;
    std::filesystem::path plugin;

    VoteFixture() {
        form->FormCreate();
        store().setRa(0, tokyoRa(11));
        store().CurrentRace = 0;
        form->DateCombo.items = {sj("2025年01月05日")};
        form->DateCombo.itemIndex = 0;
        form->DatList.items = {sj("東京11R")};
        form->DatList.itemIndex = 0;
        plugin = dir.path() / "plug-in";
        std::filesystem::create_directories(plugin);
        form->ini().writeString("Dir", "QRVTohyo2", displayPath(plugin));
        votes =
            std::make_unique<VoteFiles>(store(), form->folder(), form->ini(), desktop, form->DateCombo, form->DatList);
    }
    std::vector<VoteRow> rows() const {
        return {row(" 3- 7", "  12.5", "   500"), row(" 1- 2", "   4.0", "   300", "消"),
                row(" 2- 9", "      ", "      "), row(" 5- 6", "  30.1", "   100")};
    }
    std::filesystem::path betFile() const { return dir.path() / "kaime" / "250105.BET"; }
    std::filesystem::path orderFile() const { return plugin / "kaime" / "250105.csv"; }
};

TEST(VoteFilesTest, TheBetFileIsWrittenAfterTheQuestionInCp932WithCrLf) {
    VoteFixture f;
    f.desktop.expectConfirm(true, "[東京11R:馬連]に投票します。投票ファイルを出力しますか？");
    f.votes->writeBetFile(kind("馬連", "UMAFUKU", 2), f.rows());
    EXPECT_EQ(readBytes(f.betFile()), sj("東京 25年  1月  5日  1回  2日 \r\n"
                                         "11R 馬連 03-07    500\r\n"
                                         "11R 馬連 05-06    100\r\n"));
    EXPECT_EQ(f.votes->lastBetFile, f.betFile());
}

TEST(VoteFilesTest, AnswerNoWritesNothing) {
    VoteFixture f;
    f.desktop.expectConfirm(false);
    f.votes->writeBetFile(kind("馬連", "UMAFUKU", 2), f.rows());
    EXPECT_FALSE(std::filesystem::exists(f.betFile()));
    f.desktop.expectConfirm(false, "[東京11R:馬連]に投票します。実行してよろしいですか？");
    f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), f.rows());
    EXPECT_FALSE(std::filesystem::exists(f.orderFile()));
    EXPECT_TRUE(f.desktop.startedPrograms.empty());
}

TEST(VoteFilesTest, ALaterTypeOfTheSameDayReplacesTheFile) {
    VoteFixture f;
    f.desktop.expectConfirm(true);
    f.votes->writeBetFile(kind("馬連", "UMAFUKU", 2), f.rows());
    f.desktop.expectConfirm(true);
    f.votes->writeBetFile(kind("ワイド", "WIDE", 2), {row(" 4- 8", " 2.2", "   700")});
    EXPECT_EQ(toUtf8(readBytes(f.betFile())), "東京 25年  1月  5日  1回  2日 \r\n11R ワイド 04-08    700\r\n");
}

TEST(VoteFilesTest, AGridOfExcludedBetsIsAskedAboutAndWritesTheHeadingOnly) {
    VoteFixture f;
    f.desktop.expectConfirm(true);
    f.votes->writeBetFile(kind("単勝", "TAN", 1), {row(" 7", " 3.0", "   100", "消")});
    EXPECT_EQ(toUtf8(readBytes(f.betFile())), "東京 25年  1月  5日  1回  2日 \r\n");
    f.desktop.expectConfirm(true);
    f.votes->writeOrderFile(kind("単勝", "TAN", 1), {row(" 7", " 3.0", "   100", "消")});
    EXPECT_EQ(readBytes(f.orderFile()), "");
}

TEST(VoteFilesTest, AChosenBetFolderTakesTheFileAndTheProgramFolderMeansItsKaimeFolder) {
    VoteFixture f;
    const auto elsewhere = f.dir.path() / "bets";
    std::filesystem::create_directories(elsewhere);
    f.form->ini().writeString("Dir", "kaime", displayPath(elsewhere));
    f.desktop.expectConfirm(true);
    f.votes->writeBetFile(kind("単勝", "TAN", 1), {row(" 7", " 3.0", "   100")});
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "250105.BET"));
    EXPECT_FALSE(std::filesystem::exists(f.betFile()));

    f.form->ini().writeString("Dir", "kaime", f.form->folder().text());
    EXPECT_EQ(f.votes->betFolder(), f.dir.path() / "kaime");
}

// Each check of the writes stops with its message before any question; the order of the checks is the order of
// the table.
struct RefusalCase {
    const char* name;
    bool day, race, bets;
    const char* messageUtf8;
};

class VoteRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(VoteRefusalTest, EachMissingPieceIsToldAndNothingIsWritten) {
    const RefusalCase& c = GetParam();
    for (bool order : {false, true}) {
        VoteFixture f;
        if (!c.day) f.form->DateCombo.itemIndex = -1;
        if (!c.race) f.form->DatList.itemIndex = -1;
        const std::vector<VoteRow> rows =
            c.bets ? f.rows() : std::vector<VoteRow>{row(" 1- 2", "      ", "   100"), row(" 1- 3", " 2.0", "")};
        if (order)
            f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), rows);
        else
            f.votes->writeBetFile(kind("馬連", "UMAFUKU", 2), rows);
        EXPECT_EQ(f.desktop.messages, std::vector<std::string>{c.messageUtf8});
        EXPECT_EQ(f.desktop.beeps, 1);
        EXPECT_FALSE(std::filesystem::exists(f.betFile()));
        EXPECT_FALSE(std::filesystem::exists(f.orderFile()));
        EXPECT_TRUE(f.desktop.startedPrograms.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Checks, VoteRefusalTest,
                         testing::Values(RefusalCase{"NoDay", false, false, false, "開催日ﾃﾞｰﾀを読み込んでください。"},
                                         RefusalCase{"NoRace", true, false, false,
                                                     "レースデータを読み込んでください。"},
                                         RefusalCase{"NoBets", true, true, false, "買い目が作成されていません。"}),
                         [](const testing::TestParamInfo<RefusalCase>& p) { return std::string(p.param.name); });

TEST(VoteFilesTest, TheOrderFileGoesToThePluginsKaimeFolderMadeWhenMissingAndThePluginIsStartedWithIt) {
    VoteFixture f;
    ASSERT_FALSE(std::filesystem::exists(f.plugin / "kaime"));
    f.desktop.expectConfirm(true, "[東京11R:馬連]に投票します。実行してよろしいですか？");
    f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), f.rows());
    EXPECT_EQ(readBytes(f.orderFile()), "20250105,05,11,UMAFUKU,NORMAL,500,03-07,\r\n"
                                        "20250105,05,11,UMAFUKU,NORMAL,100,05-06,\r\n");
    ASSERT_EQ(f.desktop.startedPrograms.size(), 1u);
    EXPECT_EQ(f.desktop.startedPrograms[0],
              (f.plugin / "QRVTohyoPlugIn2.exe").string() + " " + toUtf8(displayPath(f.orderFile())));
    EXPECT_EQ(f.desktop.startedIn, std::vector<std::filesystem::path>{f.plugin});
    // Only the question: a start that works says nothing.
    EXPECT_EQ(f.desktop.messages.size(), 1u);
}

TEST(VoteFilesTest, OnASystemWithoutSuffixesTheBareProgramIsStartedWhenOnlyItIsThere) {
    TempDir dir;
    EXPECT_EQ(VoteFiles::pluginProgram(dir.path()), dir.path() / "QRVTohyoPlugIn2.exe");
    writeBytes(dir.path() / "QRVTohyoPlugIn2", "");
#ifdef _WIN32
    EXPECT_EQ(VoteFiles::pluginProgram(dir.path()), dir.path() / "QRVTohyoPlugIn2.exe");
#else
    EXPECT_EQ(VoteFiles::pluginProgram(dir.path()), dir.path() / "QRVTohyoPlugIn2");
#endif
    writeBytes(dir.path() / "QRVTohyoPlugIn2.exe", "");
    EXPECT_EQ(VoteFiles::pluginProgram(dir.path()), dir.path() / "QRVTohyoPlugIn2.exe");
}

TEST(VoteFilesTest, AFailedStartIsToldInTwoLinesAndTheOrderFileStays) {
    VoteFixture f;
    f.desktop.startProgramResult = false;
    f.desktop.expectConfirm(true);
    const int beeps = f.desktop.beeps;
    f.votes->writeOrderFile(kind("ワイド", "WIDE", 2), f.rows());
    ASSERT_EQ(f.desktop.messages.size(), 2u);
    EXPECT_EQ(f.desktop.messages[1], "投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
                                     "投票プラグイン２が正しくインストールされているか確認してください。");
    EXPECT_EQ(f.desktop.beeps, beeps + 1);
    EXPECT_EQ(readBytes(f.orderFile()), "20250105,05,11,WIDE,NORMAL,500,03-07,\r\n"
                                        "20250105,05,11,WIDE,NORMAL,100,05-06,\r\n");
}

TEST(VoteFilesTest, NoPluginFolderIsToldAfterTheGridChecksAndBeforeTheQuestion) {
    for (const char* setting : {"", "   ", "/no/such/plug-in/folder"}) {
        VoteFixture f;
        f.form->ini().writeString("Dir", "QRVTohyo2", setting);
        f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), f.rows());
        EXPECT_EQ(f.desktop.messages,
                  std::vector<std::string>{
                      "「QRV投票プラグイン２」が正常にインストールされていません。再インストールしてください。"})
            << setting;
        EXPECT_TRUE(f.desktop.startedPrograms.empty());
    }
    // The grid checks come first.
    VoteFixture f;
    f.form->ini().writeString("Dir", "QRVTohyo2", "");
    f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), {});
    EXPECT_EQ(f.desktop.messages, std::vector<std::string>{"買い目が作成されていません。"});
}

TEST(VoteFilesTest, AKaimeFolderThatCannotBeMadeStopsWithTheReasonAndStartsNothing) {
    VoteFixture f;
    // A file where the folder should be.
    writeBytes(f.plugin / "kaime", "not a folder");
    f.desktop.expectConfirm(true);
    EXPECT_FALSE(f.form->runHandler([&] { f.votes->writeOrderFile(kind("馬連", "UMAFUKU", 2), f.rows()); }));
    ASSERT_EQ(f.desktop.messages.size(), 2u);
    EXPECT_NE(f.desktop.messages[1].find("kaime"), std::string::npos) << f.desktop.messages[1];
    EXPECT_TRUE(f.desktop.startedPrograms.empty());
}

TEST(VoteFilesTest, TheFolderMenusPickFromTheSettingAndKeepTheChoice) {
    VoteFixture f;
    const std::string programDir = toUtf8(f.form->folder().text());
    f.form->ini().writeString("Dir", "QRVTohyo2", "");
    f.desktop.expectFolder(sj("/opt/plug-in"));
    f.votes->QRV1Click();
    EXPECT_EQ(f.form->ini().readString("Dir", "QRVTohyo2", ""), "/opt/plug-in");
    f.desktop.expectFolder(std::nullopt);
    f.votes->QRV1Click();
    EXPECT_EQ(f.form->ini().readString("Dir", "QRVTohyo2", ""), "/opt/plug-in");

    f.desktop.expectFolder(sj("/home/bets"));
    f.votes->N28Click();
    EXPECT_EQ(f.form->ini().readString("Dir", "kaime", ""), "/home/bets");
    const std::vector<std::string> pickers = {"QRV投票プラグイン２フォルダの指定|" + programDir,
                                              "QRV投票プラグイン２フォルダの指定|/opt/plug-in",
                                              "買い目ﾌｧｲﾙﾌｫﾙﾀﾞの指定|" + programDir};
    EXPECT_EQ(f.desktop.pickedFrom, pickers);
}

} // namespace
