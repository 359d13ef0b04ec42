// The fetch handlers against a scripted data service: what DLlabel shows, what the error log keeps, the beeps,
// that the stream is closed, and that the follow-up steps run, for a good fetch and every kind of failure.
#include "base/Cp932.h"
#include "core/jv/LiveDayFixture.h"
#include "jv/JvResultCodes.h"
#include "store/RecordSizes.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

enum class Handler { Odds, Results, Weights, Mining, Changes };

struct FetchCase {
    const char* name;
    Handler handler;
    bool quiet;
    std::vector<int32_t> opens; // JVRTOpen answers in order; 0 after them
    std::vector<int32_t> reads; // JVRead answers before the end (a record for a positive one)
    int32_t closeResult;
    std::vector<std::string> labels; // UTF-8
    int closes;
    int beeps;
    std::vector<std::string> logged;
    std::vector<std::string> followUp;
};

void PrintTo(const FetchCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const kMaintenance = "サーバーがメンテナンス中です。(-504)";
const char* const kOpenPending =
    "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）(-202)";
const char* const kBadSize = "ダウンロードしたファイルサイズが異常です。(-402)";

std::string text(const char* a, const char* b) {
    return std::string(a) + b;
}

class RealtimeFetchesTest : public testing::TestWithParam<FetchCase> {};

TEST_P(RealtimeFetchesTest, ReportsClosesAndFollowsUpAsItsRowSays) {
    const FetchCase& c = GetParam();
    LiveDayFixture f;
    f.setRaces({{"06", 11, "1540"}});
    f.jv.rtOpenResults.assign(c.opens.begin(), c.opens.end());
    for (int32_t r : c.reads) {
        if (r > 0)
            f.jv.addRecord(Rec("HR", records::HR).race("06", 11).bytes.substr(0, records::HR - 2));
        else
            f.jv.addCode(r);
    }
    f.jv.closeResult = c.closeResult;
    TMainForm& main = f.main();
    RealtimeFetches& fetches = main.fetches();
    main.quiet = {c.quiet, c.quiet, c.quiet, c.quiet};
    switch (c.handler) {
    case Handler::Odds:
        fetches.SokuhoOddsBtnClick();
        break;
    case Handler::Results:
        fetches.KekkaGetBtnClick();
        break;
    case Handler::Weights:
        fetches.GetBataijuBtnClick();
        break;
    case Handler::Mining:
        fetches.GetDMBtnClick();
        break;
    case Handler::Changes:
        fetches.GetKaisaiBtnClick();
        break;
    }
    EXPECT_EQ(f.labels, c.labels);
    EXPECT_EQ(f.jv.closes, c.closes);
    EXPECT_EQ(f.desktop.beeps, c.beeps);
    EXPECT_EQ(f.loggedErrors(), c.logged);
    EXPECT_EQ(f.followUp, c.followUp);
    EXPECT_TRUE(main.DLlabel.text.empty() || c.handler == Handler::Changes) << "cleared at the end of the fetch";
}

const std::vector<std::string> kAfterResults{"HrRead", "DatList"};

INSTANTIATE_TEST_SUITE_P(
    Fetches, RealtimeFetchesTest,
    testing::Values(
        FetchCase{
            "ResultsRead", Handler::Results, false, {}, {1}, 0, {"ﾚｰｽ情報データ取得中", ""}, 1, 1, {}, kAfterResults},
        FetchCase{"ResultsReadQuietly",
                  Handler::Results,
                  true,
                  {},
                  {1},
                  0,
                  {"ﾚｰｽ情報データ取得中", ""},
                  1,
                  0,
                  {},
                  kAfterResults},
        FetchCase{"ResultsOpenFails",
                  Handler::Results,
                  false,
                  {-504},
                  {},
                  0,
                  {"ﾚｰｽ情報データ取得中", text("中山11R:ﾚｰｽ情報データ取得エラー：", kMaintenance), ""},
                  1,
                  2,
                  {text("中山11R:ﾚｰｽ情報データ取得エラー：", kMaintenance)},
                  kAfterResults},
        FetchCase{"ResultsOpenFailsQuietly",
                  Handler::Results,
                  true,
                  {-504},
                  {},
                  0,
                  {"ﾚｰｽ情報データ取得中", text("中山11R:ﾚｰｽ情報データ取得エラー：", kMaintenance), ""},
                  1,
                  0,
                  {text("中山11R:ﾚｰｽ情報データ取得エラー：", kMaintenance)},
                  kAfterResults},
        FetchCase{"ResultsReadFails",
                  Handler::Results,
                  false,
                  {},
                  {1, -402},
                  0,
                  {"ﾚｰｽ情報データ取得中", kBadSize, ""},
                  1,
                  1,
                  {kBadSize},
                  kAfterResults},
        FetchCase{"ResultsCloseFails",
                  Handler::Results,
                  false,
                  {},
                  {1},
                  -201,
                  {"ﾚｰｽ情報データ取得中", "(-201)", ""},
                  1,
                  0,
                  {"(-201)"},
                  kAfterResults},
        FetchCase{"ResultsMeetAnotherOpenStream",
                  Handler::Results,
                  true,
                  {-202},
                  {},
                  0,
                  {"ﾚｰｽ情報データ取得中", text("中山11R:ﾚｰｽ情報データ取得エラー：", kOpenPending), ""},
                  0,
                  0,
                  {text("中山11R:ﾚｰｽ情報データ取得エラー：", kOpenPending)},
                  kAfterResults},
        FetchCase{"WeightsRead",
                  Handler::Weights,
                  false,
                  {},
                  {},
                  0,
                  {"馬体重データ取得中", ""},
                  1,
                  1,
                  {},
                  {"BataijuRead", "DatList"}},
        FetchCase{
            "OddsRead", Handler::Odds, false, {}, {}, 0, {"中山11オッズ取得中", ""}, 1, 0, {}, {"OzRead 0", "DatList"}},
        FetchCase{"OddsOpenFailsAndBeepsEvenQuiet",
                  Handler::Odds,
                  true,
                  {-504},
                  {},
                  0,
                  {"中山11オッズ取得中", text("中山11R:ｵｯｽﾞ取得エラー：", kMaintenance), ""},
                  1,
                  1,
                  {text("中山11R:ｵｯｽﾞ取得エラー：", kMaintenance)},
                  {"OzRead 0", "DatList"}},
        FetchCase{"OddsReadFailsWithABeep",
                  Handler::Odds,
                  false,
                  {},
                  {-402},
                  0,
                  {"中山11オッズ取得中", kBadSize, ""},
                  1,
                  1,
                  {kBadSize},
                  {"OzRead 0", "DatList"}},
        FetchCase{"OddsCloseFailsWithABeep",
                  Handler::Odds,
                  false,
                  {},
                  {},
                  -201,
                  {"中山11オッズ取得中", "(-201)", ""},
                  1,
                  1,
                  {"(-201)"},
                  {"OzRead 0", "DatList"}},
        FetchCase{"MiningFetchesBothStreamsAndFollowsUpOnce",
                  Handler::Mining,
                  false,
                  {-504, 0},
                  {},
                  0,
                  {"DM取得中", text("中山11R:DMデータ取得エラー：", kMaintenance), "", "対戦DM取得中", ""},
                  2,
                  3,
                  {text("中山11R:DMデータ取得エラー：", kMaintenance)},
                  {"DMRead", "DatList"}},
        FetchCase{
            "ChangesRead", Handler::Changes, false, {}, {}, 0, {"開催速報データ取得中", ""}, 1, 1, {}, {"KaisaiRead"}},
        FetchCase{"ChangesReadQuietly",
                  Handler::Changes,
                  true,
                  {},
                  {},
                  0,
                  {"開催速報データ取得中", ""},
                  1,
                  0,
                  {},
                  {"KaisaiRead"}},
        FetchCase{"ChangesOpenFailureBeepsButStaysOutOfTheLog",
                  Handler::Changes,
                  true,
                  {-504},
                  {},
                  0,
                  {"開催速報データ取得中", text("中山11R:開催速報データ取得エラー：", kMaintenance), ""},
                  1,
                  1,
                  {},
                  {"KaisaiRead"}},
        FetchCase{"ChangesCloseFailureStaysShown",
                  Handler::Changes,
                  true,
                  {},
                  {},
                  -201,
                  {"開催速報データ取得中", "", "(-201)"},
                  1,
                  0,
                  {"(-201)"},
                  {"KaisaiRead"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(RealtimeFetchesRulesTest, WithoutARaceChosenOnlyTheChangeNoticesAreFetched) {
    LiveDayFixture f;
    f.setRaces({{"06", 11, "1540"}});
    f.main().DatList.itemIndex = -1;
    RealtimeFetches& fetches = f.main().fetches();
    fetches.SokuhoOddsBtnClick();
    fetches.KekkaGetBtnClick();
    fetches.GetBataijuBtnClick();
    fetches.GetDMBtnClick();
    EXPECT_TRUE(f.jv.calls.empty());
    fetches.GetKaisaiBtnClick();
    EXPECT_EQ(f.jv.calls, (std::vector<std::string>{"JVRTOpen 0B14 20261208", "JVClose"}));
}

TEST(RealtimeFetchesRulesTest, ASlotWithoutARaceHasNoKeyToFetch) {
    LiveDayFixture f;
    f.setRaces({});
    f.main().DatList.items = {"x"};
    f.main().DatList.itemIndex = 0;
    f.main().fetches().SokuhoOddsBtnClick();
    f.main().fetches().KekkaGetBtnClick();
    f.main().fetches().GetKaisaiBtnClick();
    EXPECT_TRUE(f.jv.calls.empty());
}

TEST(RealtimeFetchesRulesTest, AStreamThatKeepsWaitingIsGivenUpAndClosed) {
    LiveDayFixture f;
    f.setRaces({{"06", 11, "1540"}});
    for (int i = 0; i < 1000; ++i)
        f.jv.addCode(jvcode::StillDownloading);
    f.desktop.onProcessEvents = [&] { f.clock.advanceSeconds(1); };
    f.main().fetches().GetBataijuBtnClick();
    EXPECT_EQ(f.loggedErrors(),
              std::vector<std::string>{"ファイルダウンロード中(-3)が続くため読込みを打ち切りました。"});
    EXPECT_EQ(f.jv.closes, 1);
    EXPECT_LT(f.jv.reads_, 100) << "the read gives up after the stall limit";
    EXPECT_EQ(f.followUp, (std::vector<std::string>{"BataijuRead", "DatList"}));
}

TEST(RealtimeFetchesRulesTest, AFailingFileWriteEndsTheFetchButClosesTheStream) {
    LiveDayFixture f;
    f.setRaces({{"06", 11, "1540"}});
    f.jv.addRecord(Rec("HR", records::HR).race("06", 11).bytes.substr(0, records::HR - 2));
    // The day's payout file cannot be written where a folder of its name stands.
    std::filesystem::create_directories(f.dir / "Data" / "2026年12月08日.jvHR");
    EXPECT_FALSE(f.main().runHandler([&] { f.main().fetches().KekkaGetBtnClick(); }, true));
    EXPECT_EQ(f.jv.closes, 1);
    EXPECT_TRUE(f.followUp.empty()) << "an exception ends the handler before its follow-up";
    EXPECT_TRUE(f.main().DLlabel.text.empty());
}

TEST(RealtimeFetchesRulesTest, TheAutomaticRoundFetchesEachRaceAndShowsTheRaceOnScreenOnceAtTheEnd) {
    LiveDayFixture f;
    f.setRaces({{"06", 1, "1000"}, {"06", 2, "1030"}, {"09", 1, "1010"}});
    f.store().CurrentRace = 1;
    f.main().DatList.itemIndex = 1;
    for (int slot : {0, 1, 2})
        f.main().OzFetchList.push_back(std::string(field(f.store().ra(slot), 12, 16)) + fmt("%2d", slot));
    f.jv.rtOpenResults = {0, -504, 0};
    f.main().fetches().OzGetLoopBtnClick();
    EXPECT_EQ(f.jv.calls,
              (std::vector<std::string>{"JVRTOpen 0B30 2026120806050301", "JVClose", "JVRTOpen 0B30 2026120806050302",
                                        "JVClose", "JVRTOpen 0B30 2026120809050301", "JVClose"}));
    EXPECT_EQ(f.followUp, (std::vector<std::string>{"OzRead 0", "oddsRead 0", "Jiku", "OzRead 1", "oddsRead 1", "Jiku",
                                                    "OzRead 2", "oddsRead 2", "Jiku", "DatList"}));
    EXPECT_EQ(f.labels, (std::vector<std::string>{"中山 1R ｵｯｽﾞ取得中", "", "中山 2R ｵｯｽﾞ取得中",
                                                  text("中山 2R:", kMaintenance), "", "阪神 1R ｵｯｽﾞ取得中", ""}));
}

TEST(RealtimeFetchesRulesTest, TheAutomaticRoundLeavesTheRaceCardAloneWhenItsRaceWasNotFetched) {
    LiveDayFixture f;
    f.setRaces({{"06", 1, "1000"}, {"06", 2, "1030"}});
    f.main().OzFetchList = {std::string(field(f.store().ra(1), 12, 16)) + " 1"};
    f.main().fetches().OzGetLoopBtnClick();
    EXPECT_EQ(f.followUp, (std::vector<std::string>{"OzRead 1", "oddsRead 1", "Jiku"}));
    f.followUp.clear();
    f.main().OzFetchList.clear();
    f.main().fetches().OzGetLoopBtnClick();
    EXPECT_TRUE(f.followUp.empty());
    EXPECT_TRUE(f.jv.calls.size() == 2u) << "an empty list fetches nothing";
}

TEST(RealtimeFetchesRulesTest, AllTheOddsOfADayShowEachRaceThenFetchIt) {
    LiveDayFixture f;
    f.setRaces({{"06", 1, "1000"}, {"06", 2, "1030"}});
    f.main().fetches().DatListClick = [&] {
        f.followUp.push_back("DatList " + std::to_string(f.main().DatList.itemIndex));
        f.store().CurrentRace = f.main().DatList.itemIndex;
    };
    f.main().fetches().N1O1Click();
    EXPECT_EQ(f.jv.calls, (std::vector<std::string>{"JVRTOpen 0B30 2026120806050301", "JVClose",
                                                    "JVRTOpen 0B30 2026120806050302", "JVClose"}));
    EXPECT_EQ(f.followUp,
              (std::vector<std::string>{"DatList 0", "OzRead 0", "DatList 0", "DatList 1", "OzRead 1", "DatList 1"}));
    f.main().DateCombo.itemIndex = -1;
    f.main().fetches().N1O1Click();
    EXPECT_EQ(f.desktop.messages, std::vector<std::string>{"ﾃﾞｰﾀを読み込んでください。"});
}

} // namespace
