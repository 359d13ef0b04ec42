// The vote files and the chase as the 買い目 tab runs them: each bet type's grid read by its own columns into
// both files (whole files compared), the active tab choosing the grid, the plug-in started on the order file,
// a target the file cannot take, and the chase stake with its refusals.
#include "betting/BetVotes.h"
#include "betting/BetBoard.h"
#include "betting/VoteFiles.h"
#include "core/raceday/RaceCardFixture.h"
#include "frame/IniFile.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

struct VoteBoardFixture : RaceDayFixture {
    std::filesystem::path plugin;

    VoteBoardFixture() {
        addRace(0, "11", 12);
        store().CurrentRace = 0;
        form.DateCombo.items = {sj("2026年12月06日")};
        form.DateCombo.itemIndex = 0;
        form.DatList.itemIndex = 0;
        plugin = dir.path() / "plug-in";
        std::filesystem::create_directories(plugin);
        // The program folder's bet folder, as the start-up makes it.
        std::filesystem::create_directories(dir.path() / "kaime");
        form.ini().writeString("Dir", "QRVTohyo2", displayPath(plugin));
    }
    BetBoard& board() { return form.bets(); }
    BetVotes& votes() { return form.votes(); }
    // Three rows as the grid of `type` shows them: a bet, an excluded bet and a bet without odds.
    void fill(BetType type, const char* key1, const char* key2) {
        const BetTypeInfo& info = betTypeInfo(type);
        TextGrid& g = board().grid(type);
        g.setRowCount(4);
        const char* keys[] = {key1, key2, key1};
        const char* odds[] = {"  12.5", "   4.0", ""};
        const char* stakes[] = {"   500", "   300", "   100"};
        for (int r = 1; r <= 3; ++r) {
            g.setCell(kRowNumberCol, r, fieldText(r));
            g.setCell(kKeyCol, r, keys[r - 1]);
            g.setCell(kOddsCol, r, odds[r - 1]);
            g.setCell(info.stakeCol, r, stakes[r - 1]);
        }
        g.setCell(kExclusionCol, 2, sj("消"));
    }
    static std::string fieldText(int r) { return r < 10 ? " " + std::to_string(r) : std::to_string(r); }
    std::filesystem::path betFile() const { return dir.path() / "kaime" / "261206.BET"; }
    std::filesystem::path orderFile() const { return plugin / "kaime" / "261206.csv"; }
};

struct TypeCase {
    BetType type;
    const char* key1;
    const char* key2;
    const char* betLineUtf8;
    const char* orderLine;
};

class BetVotesTypeTest : public testing::TestWithParam<TypeCase> {};

TEST_P(BetVotesTypeTest, TheActiveTabsGridIsWrittenByItsOwnColumnsToBothFiles) {
    const TypeCase& c = GetParam();
    VoteBoardFixture f;
    f.fill(c.type, c.key1, c.key2);
    f.board().PageControl4Change(betIndex(c.type));
    const std::string id = betTypeInfo(c.type).id;

    f.desktop.expectConfirm(true, "[中山11R:" + id + "]に投票します。投票ファイルを出力しますか？");
    f.votes().TohyouBtnClick();
    EXPECT_EQ(toUtf8(readBytes(f.betFile())),
              std::string("中山 26年 12月  6日  5回  2日 \r\n") + c.betLineUtf8 + "\r\n");

    f.desktop.expectConfirm(true, "[中山11R:" + id + "]に投票します。実行してよろしいですか？");
    f.votes().TohyoCSVBtnClick();
    EXPECT_EQ(readBytes(f.orderFile()), std::string(c.orderLine) + "\r\n");
    // The plug-in in its own folder, with the order file as its one argument.
    ASSERT_EQ(f.desktop.startedPrograms.size(), 1u);
    EXPECT_EQ(f.desktop.startedPrograms[0],
              VoteFiles::pluginProgram(f.plugin).string() + " " + toUtf8(displayPath(f.orderFile())));
    EXPECT_EQ(f.desktop.startedIn, std::vector<std::filesystem::path>{f.plugin});
    // The two questions and nothing else.
    EXPECT_EQ(f.desktop.messages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Types, BetVotesTypeTest,
    testing::Values(
        TypeCase{BetType::Tan, " 7", " 9", "11R 単勝  7    500", "20261206,06,11,TAN,NORMAL,500,07,"},
        TypeCase{BetType::Fuku, "12", " 1", "11R 複勝 12    500", "20261206,06,11,FUKU,NORMAL,500,12,"},
        TypeCase{BetType::Waku, " 3- 7", " 1- 2", "11R 枠連 03-07    500", "20261206,06,11,WAKU,NORMAL,500,3-7,"},
        TypeCase{BetType::Umaren, " 3- 7", " 1- 2", "11R 馬連 03-07    500",
                 "20261206,06,11,UMAFUKU,NORMAL,500,03-07,"},
        TypeCase{BetType::Wide, " 3-12", " 1- 2", "11R ワイド 03-12    500", "20261206,06,11,WIDE,NORMAL,500,03-12,"},
        TypeCase{BetType::Umatan, "12- 3", " 1- 2", "11R 馬単 12-03    500", "20261206,06,11,UMATAN,NORMAL,500,12-03,"},
        TypeCase{BetType::Sanpuku, " 1- 5-12", " 1- 2- 3", "11R ３連複 01-05-12    500",
                 "20261206,06,11,SANFUKU,NORMAL,500,01-05-12,"},
        TypeCase{BetType::Santan, "12- 5- 1", " 1- 2- 3", "11R ３連単 12-05-01    500",
                 "20261206,06,11,SANTAN,NORMAL,500,12-05-01,"}),
    [](const testing::TestParamInfo<TypeCase>& p) { return std::string(betTypeInfo(p.param.type).voteCode); });

TEST(BetVotesTest, TheMenuItemsWriteTheirOwnTypeWhateverTabIsShownAndThePreviewTabWritesNothing) {
    VoteBoardFixture f;
    f.fill(BetType::Wide, " 3-12", " 1- 2");
    f.fill(BetType::Umaren, " 4- 8", " 1- 2");
    f.board().PageControl4Change(betIndex(BetType::Umaren));
    f.desktop.expectConfirm(true, "[中山11R:ワイド]に投票します。投票ファイルを出力しますか？");
    f.votes().N23Click();
    EXPECT_EQ(toUtf8(readBytes(f.betFile())), "中山 26年 12月  6日  5回  2日 \r\n11R ワイド 03-12    500\r\n");

    // On the bracket preview no grid is chosen: no question, no message, no file.
    f.desktop.messages.clear();
    f.board().PageControl4Change(BetBoard::kPreviewPage);
    f.votes().TohyouBtnClick();
    f.votes().TohyoCSVBtnClick();
    EXPECT_TRUE(f.desktop.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(f.orderFile()));
    EXPECT_TRUE(f.desktop.scriptUsedUp());
}

TEST(BetVotesTest, ATargetThatIsAFolderIsRefusedWithTheReasonAndNothingElseChanges) {
    VoteBoardFixture f;
    f.fill(BetType::Umaren, " 3- 7", " 1- 2");
    f.board().PageControl4Change(betIndex(BetType::Umaren));
    std::filesystem::create_directories(f.betFile());
    std::filesystem::create_directories(f.orderFile());
    f.desktop.expectConfirm(true);
    EXPECT_FALSE(f.form.runHandler([&] { f.votes().TohyouBtnClick(); }));
    f.desktop.expectConfirm(true);
    EXPECT_FALSE(f.form.runHandler([&] { f.votes().TohyoCSVBtnClick(); }));
    // Each question, then the reason the file could not be written.
    ASSERT_EQ(f.desktop.messages.size(), 4u);
    EXPECT_EQ(f.desktop.messages[1],
              "ファイルを書き込めません: " + f.betFile().string() + "（ファイルではなくフォルダです）");
    EXPECT_EQ(f.desktop.messages[3],
              "ファイルを書き込めません: " + f.orderFile().string() + "（ファイルではなくフォルダです）");
    EXPECT_TRUE(std::filesystem::is_directory(f.betFile()));
    EXPECT_TRUE(std::filesystem::is_directory(f.orderFile()));
    // A failed write starts no plug-in, and leaves no temporary file beside the target.
    EXPECT_TRUE(f.desktop.startedPrograms.empty());
    for (const auto& entry : std::filesystem::directory_iterator(f.plugin / "kaime"))
        EXPECT_EQ(entry.path().filename(), "261206.csv");
}

struct ChaseCase {
    const char* name;
    const char* rateLabel; // the 枠連 expected-rate label
    int increase;          // KaimeSet/DefaultZogaku
    int64_t loss, profit;
    int64_t stake; // the stake amount after the click; 0: refused, the amount stays
};

class ChaseClickTest : public testing::TestWithParam<ChaseCase> {};

TEST_P(ChaseClickTest, TheStakeFollowsTheFormulaOrTheClickIsRefusedAndNothingChanges) {
    const ChaseCase& c = GetParam();
    VoteBoardFixture f;
    f.form.ini().writeInteger("KaimeSet", "DefaultZogaku", c.increase);
    f.board().label(BetType::Waku, BetLabel::YosoKaishu).text = c.rateLabel;
    f.board().SaNumEditExC1 = 3000;
    f.board().SaNumEditExC3 = c.loss;
    f.board().SaNumEditExC2 = c.profit;
    f.form.RaceAmounts.assign(36, "3000");
    f.votes().OiageBtnClick();
    if (c.stake == 0) {
        EXPECT_EQ(f.desktop.messages, std::vector<std::string>{"この組合せまたは金額では資金配分ができません。"});
        EXPECT_EQ(f.desktop.beeps, 1);
        EXPECT_EQ(f.board().SaNumEditExC1, 3000);
        EXPECT_EQ(f.form.RaceAmounts[0], "3000");
    } else {
        EXPECT_TRUE(f.desktop.messages.empty());
        EXPECT_EQ(f.board().SaNumEditExC1, c.stake);
        // As typed into the stake editor: the race keeps the amount.
        EXPECT_EQ(f.form.RaceAmounts[0], std::to_string(c.stake));
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, ChaseClickTest,
                         testing::Values(ChaseCase{"Example", "  300.0", 100, 10000, 10000, 10000},
                                         ChaseCase{"IncreaseRate", "  300.0", 120, 10000, 10000, 12000},
                                         ChaseCase{"RoundedDownTo100", "  250.0", 100, 12345, 0, 8200},
                                         ChaseCase{"NoRate", "", 100, 10000, 10000, 0},
                                         ChaseCase{"BelowTen", "    9.9", 100, 1, 1, 0},
                                         ChaseCase{"Ten", "   10.0", 100, 10000, 10000, 0},
                                         ChaseCase{"Hundred", "  100.0", 100, 10000, 10000, 0},
                                         ChaseCase{"NotANumber", "  abc", 100, 10000, 10000, 0},
                                         ChaseCase{"BelowAHundredYen", "  900.0", 100, 100, 0, 0},
                                         ChaseCase{"BeyondTheStakeField", "  100.1", 100, 999999, 999999, 0}),
                         [](const testing::TestParamInfo<ChaseCase>& p) { return std::string(p.param.name); });

} // namespace
