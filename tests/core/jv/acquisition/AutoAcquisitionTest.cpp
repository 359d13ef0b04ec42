// The automatic acquisition: when the odds, results, weights, mining and change-notice timers fetch, the check
// box's refusals, the arming at a day load, the countdown and "直前ﾚｰｽ".
#include "jv/acquisition/AutoAcquisition.h"

#include "base/Cp932.h"
#include "core/jv/LiveDayFixture.h"
#include "frame/IniFile.h"
#include "raceday/DayLoader.h"
#include "store/RecordSizes.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// The races a test's timers see, their fetch times set as a day load sets them (N = 10).
struct AcquisitionDay : LiveDayFixture {
    AcquisitionDay(const char* now, const std::vector<Race>& races) {
        clock.set(now);
        setRaces(races);
        for (size_t slot = 0; slot < races.size(); ++slot)
            store().setOzGetTimes(static_cast<int>(slot), 10);
    }
    AutoAcquisition& acquisition() { return main().acquisition(); }
    // The odds streams opened, by race key.
    std::vector<std::string> oddsOpened() const {
        std::vector<std::string> out;
        for (const std::string& call : jv.calls)
            if (call.rfind("JVRTOpen 0B30 ", 0) == 0) out.push_back(call.substr(14));
        return out;
    }
    // An O1 record of slot 0's race announced at MMDDhhmm.
    void setO1(const char* announced) {
        store().setOdds(1, 0, Rec("O1", records::O1).race("06", 11).put(28, announced).bytes);
    }
};

struct WindowCase {
    const char* now;
    const char* post;
    bool fetched;
};

class TimerOneWindowTest : public testing::TestWithParam<WindowCase> {};

TEST_P(TimerOneWindowTest, FetchesAtTheFirstAndSecondFetchMinuteBetweenNineAndSix) {
    AcquisitionDay f(GetParam().now, {{"06", 11, GetParam().post}});
    f.acquisition().Timer1Timer();
    EXPECT_EQ(f.oddsOpened().size(), GetParam().fetched ? 1u : 0u);
    EXPECT_FALSE(f.main().AutoOddsBusy);
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimerOneWindowTest,
    testing::Values(WindowCase{"2026-12-08 08:59:00", "0909", false}, WindowCase{"2026-12-08 09:00:00", "0910", true},
                    WindowCase{"2026-12-08 15:30:59", "1540", true}, WindowCase{"2026-12-08 15:31:10", "1540", true},
                    WindowCase{"2026-12-08 15:32:00", "1540", false}, WindowCase{"2026-12-08 15:29:59", "1540", false},
                    WindowCase{"2026-12-08 18:00:30", "1810", true}, WindowCase{"2026-12-08 18:01:00", "1811", false}));

struct FreshCase {
    const char* name;
    const char* announced; // of the O1 record in the store; nullptr: none
    bool fetched;
};

class OddsFreshnessTest : public testing::TestWithParam<FreshCase> {};

TEST_P(OddsFreshnessTest, OddsAnnouncedFiveMinutesBeforeTheFirstFetchTimeOrLaterAreNotFetchedAgain) {
    AcquisitionDay f("2026-12-08 15:31:00", {{"06", 11, "1540"}});
    if (GetParam().announced) f.setO1(GetParam().announced);
    f.acquisition().Timer1Timer();
    EXPECT_EQ(f.oddsOpened().size(), GetParam().fetched ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Announcements, OddsFreshnessTest,
                         testing::Values(FreshCase{"NoOddsYet", nullptr, true},
                                         FreshCase{"FiveMinutesBefore", "12081525", false},
                                         FreshCase{"AtTheFetchTime", "12081530", false},
                                         FreshCase{"SixMinutesBefore", "12081524", true},
                                         // The evening sale of the day before says nothing about this day's market.
                                         FreshCase{"TheDayBefore", "12071700", true}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(AutoAcquisitionTest, OneRoundFetchesEveryRaceDueThisMinuteInSlotOrder) {
    AcquisitionDay f("2026-12-08 10:00:10", {{"06", 1, "1010"}, {"06", 2, "1040"}, {"09", 1, "1009"}});
    f.acquisition().Timer1Timer();
    EXPECT_EQ(f.oddsOpened(), (std::vector<std::string>{"2026120806050301", "2026120809050301"}));
    EXPECT_EQ(f.main().OzFetchList, (std::vector<std::string>{"2026120806050301 0", "2026120809050301 2"}));
}

TEST(AutoAcquisitionTest, NoSecondRoundWhileOneRuns) {
    AcquisitionDay f("2026-12-08 10:00:10", {{"06", 1, "1010"}});
    // A tick that comes inside the round's read meets the busy flag, not a second stream.
    int inner = 0;
    f.desktop.onProcessEvents = [&] {
        if (inner++ == 0) f.acquisition().Timer1Timer();
    };
    f.acquisition().Timer1Timer();
    EXPECT_EQ(f.oddsOpened().size(), 1u);
}

TEST(AutoAcquisitionTest, TimersLeaveADayAloneWhileItLoadsAndOnceItIsOver) {
    AcquisitionDay f("2026-12-09 10:00:10", {{"06", 1, "1010"}});
    f.acquisition().Timer1Timer();
    f.acquisition().Timer4Timer();
    EXPECT_TRUE(f.jv.calls.empty()) << "yesterday's races are not fetched at the same times today";

    f.clock.set("2026-12-08 10:00:10");
    f.acquisition().dayLoading = [] { return true; };
    f.acquisition().Timer1Timer();
    f.acquisition().Timer4Timer();
    f.acquisition().HenkoJohoTimerTimer();
    EXPECT_TRUE(f.jv.calls.empty());
}

struct CheckCase {
    const char* name;
    const char* now;
    const char* day; // the day list's text, UTF-8; "" for none
    bool entriesStage;
    const char* message; // nullptr: the box stays checked and Timer1 runs
};

class AutoOzCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(AutoOzCheckTest, RefusesWithTheFirstFailingCheck) {
    const CheckCase& c = GetParam();
    AcquisitionDay f(c.now, {{"06", 11, "1540"}});
    f.main().DateCombo.items = {sj(c.day)};
    if (c.entriesStage) f.store().setSe(0, 3, Rec("SE", records::SE).put(3, "1").race("06", 11).bytes);
    f.main().AutoOzCheck = true;
    f.acquisition().AutoOzCheckClick();
    if (c.message) {
        EXPECT_EQ(f.desktop.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(f.desktop.beeps, 1);
        EXPECT_FALSE(f.main().AutoOzCheck);
    } else {
        EXPECT_TRUE(f.desktop.messages.empty());
        EXPECT_TRUE(f.main().AutoOzCheck);
    }
    EXPECT_EQ(f.main().Timer1.enabled, c.message == nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, AutoOzCheckTest,
    testing::Values(CheckCase{"NoDay", "2026-12-08 10:00:00", "", false, "ﾃﾞｰﾀを読み込んでください。"},
                    CheckCase{"TomorrowBeforeSix", "2026-12-07 17:59:00", "2026年12月08日", false,
                              "翌日のﾃﾞｰﾀは１８時過ぎに読み込んでください。"},
                    CheckCase{"TomorrowFromSix", "2026-12-07 18:00:00", "2026年12月08日", false, nullptr},
                    CheckCase{"APastDay", "2026-12-09 10:00:00", "2026年12月08日", false,
                              "本日のﾃﾞｰﾀを読み込んでください。"},
                    CheckCase{"EntriesStage", "2026-12-08 10:00:00", "2026年12月08日", true,
                              "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してから"
                              "オッズを取得してください。"},
                    CheckCase{"Today", "2026-12-08 10:00:00", "2026年12月08日", false, nullptr}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AutoAcquisitionTest, UncheckingTheBoxStopsTheAutomaticOdds) {
    AcquisitionDay f("2026-12-08 10:00:00", {{"06", 11, "1540"}});
    f.main().AutoOzCheck = true;
    f.acquisition().AutoOzCheckClick();
    ASSERT_TRUE(f.main().Timer1.enabled);
    EXPECT_EQ(f.main().Timer1.intervalMs, 40000);
    f.main().AutoOzCheck = false;
    f.acquisition().AutoOzCheckClick();
    EXPECT_FALSE(f.main().Timer1.enabled);
}

// A day load by the real loader, to see the arming.
struct ArmingDay : LiveDayFixture {
    explicit ArmingDay(const char* now) : LiveDayFixture(false) {
        clock.set(now);
        setRaces({{"06", 1, "1000"}, {"06", 2, "1030"}});
    }
    void load() {
        main().DateCombo.itemIndex = 0;
        main().dayLoader().DateComboChange();
    }
    // The settings the messages shown were about, in order.
    std::vector<std::string> settingMessages() const {
        std::vector<std::string> out;
        for (const std::string& m : desktop.messages)
            for (const char* key : {"AutoRdataGet", "GetInterval"})
                if (m.find(key) != std::string::npos) out.push_back(key);
        return out;
    }
};

struct ArmCase {
    const char* now;
    bool live;
};

class ArmingTest : public testing::TestWithParam<ArmCase> {};

TEST_P(ArmingTest, ALiveDayArmsResultsOddsAndChangeNotices) {
    ArmingDay f(GetParam().now);
    f.main().ini().writeInteger("Time", "AutoRdataGet", 7);
    f.main().ini().writeInteger("Henko", "GetInterval", 3);
    f.load();
    TMainForm& main = f.main();
    EXPECT_EQ(main.Timer4.intervalMs, 7 * 60000);
    EXPECT_EQ(main.Timer4.enabled, GetParam().live);
    EXPECT_EQ(main.AutoOzCheck, GetParam().live);
    EXPECT_EQ(main.Timer1.enabled, GetParam().live);
    EXPECT_EQ(main.HenkoJohoTimer.enabled, GetParam().live);
    // On a live day the shared minutes value ends up holding the change-notice interval.
    EXPECT_EQ(main.acquisition().M(), GetParam().live ? 3 : 7);
    EXPECT_EQ(f.store().work(0).OzGetTimes[0].view(), "0950");
    EXPECT_EQ(f.store().work(0).OzGetTimes[1].view(), "0951");
}

INSTANTIATE_TEST_SUITE_P(Times, ArmingTest,
                         testing::Values(ArmCase{"2026-12-08 06:00:00", true}, ArmCase{"2026-12-07 17:59:00", false},
                                         ArmCase{"2026-12-07 18:00:00", true}, ArmCase{"2026-12-09 09:00:00", false}));

TEST(AutoAcquisitionTest, ANegativeIntervalIsRefusedAndItsTimerStaysOffWhileTheDayLoads) {
    ArmingDay f("2026-12-08 08:00:00");
    f.main().ini().writeInteger("Time", "AutoRdataGet", -5);
    f.main().ini().writeInteger("Henko", "GetInterval", -1);
    f.load();
    TMainForm& main = f.main();
    EXPECT_FALSE(main.Timer4.enabled);
    EXPECT_FALSE(main.HenkoJohoTimer.enabled);
    EXPECT_TRUE(main.Timer1.enabled) << "the automatic odds do not depend on either interval";
    EXPECT_EQ(main.DatList.items.size(), 2u) << "the day is loaded all the same";
    EXPECT_EQ(f.settingMessages(), (std::vector<std::string>{"AutoRdataGet", "GetInterval"}));
}

TEST(AutoAcquisitionTest, AZeroIntervalLeavesItsTimerWithoutEffect) {
    ArmingDay f("2026-12-08 08:00:00");
    f.main().ini().writeInteger("Time", "AutoRdataGet", 0);
    f.main().ini().writeInteger("Henko", "GetInterval", 0);
    f.load();
    EXPECT_FALSE(f.main().Timer4.enabled);
    EXPECT_FALSE(f.main().HenkoJohoTimer.enabled);
    EXPECT_TRUE(f.settingMessages().empty());
}

struct TimerFourCase {
    const char* now;
    std::vector<std::string> specs;
};

class TimerFourTest : public testing::TestWithParam<TimerFourCase> {};

TEST_P(TimerFourTest, MiningAlwaysAndResultsAndWeightsFromTheThreshold) {
    AcquisitionDay f(GetParam().now, {{"06", 1, "1000"}});
    f.main().ini().writeInteger("Henko", "GetInterval", 5);
    f.main().ini().writeInteger("Time", "AutoRdataGet", 10);
    f.acquisition().armAtDayLoad(); // M = 5 on this live day: the threshold is 10:00 - 35 minutes
    f.jv.calls.clear();
    f.desktop.beeps = 0;
    f.acquisition().Timer4Timer();
    std::vector<std::string> specs;
    for (const std::string& call : f.jv.calls)
        if (call.rfind("JVRTOpen ", 0) == 0) specs.push_back(call.substr(9, 4));
    EXPECT_EQ(specs, GetParam().specs);
    EXPECT_EQ(f.desktop.beeps, 0) << "an automatic run is quiet";
    const QuietFlags& q = f.main().quiet;
    EXPECT_FALSE(q.QuietMining || q.QuietResults || q.QuietWeights);
}

INSTANTIATE_TEST_SUITE_P(Times, TimerFourTest,
                         testing::Values(TimerFourCase{"2026-12-08 09:25:00", {"0B13", "0B17"}},
                                         TimerFourCase{"2026-12-08 09:26:00", {"0B13", "0B17", "0B12", "0B11"}},
                                         TimerFourCase{"2026-12-08 18:00:30", {"0B13", "0B17", "0B12", "0B11"}},
                                         TimerFourCase{"2026-12-08 18:01:00", {}}));

struct HenkoCase {
    const char* now;
    bool fetched;
};

class HenkoTimerTest : public testing::TestWithParam<HenkoCase> {};

TEST_P(HenkoTimerTest, FetchesFromAnHourAndTheIntervalBeforeTheFirstPost) {
    AcquisitionDay f(GetParam().now, {{"06", 1, "1000"}});
    f.main().DatList.itemIndex = -1; // a day is enough
    f.main().ini().writeInteger("Henko", "GetInterval", 5);
    f.acquisition().HenkoJohoTimerTimer();
    EXPECT_EQ(f.jv.calls.size(), GetParam().fetched ? 2u : 0u);
    EXPECT_EQ(f.desktop.beeps, 0);
    EXPECT_FALSE(f.main().quiet.QuietChanges);
}

INSTANTIATE_TEST_SUITE_P(Times, HenkoTimerTest,
                         testing::Values(HenkoCase{"2026-12-08 08:55:00", false},
                                         HenkoCase{"2026-12-08 08:56:00", true},
                                         HenkoCase{"2026-12-08 23:30:00", true}));

struct CountdownCase {
    const char* now;
    const char* post;
    bool raceChosen;
    const char* text;
};

class CountdownTest : public testing::TestWithParam<CountdownCase> {};

TEST_P(CountdownTest, CountsDownToThePostOfTheRaceOnScreen) {
    AcquisitionDay f(GetParam().now, {{"06", 11, GetParam().post}});
    if (!GetParam().raceChosen) f.main().DatList.itemIndex = -1;
    f.main().RestTimeLabel.text = "x";
    f.acquisition().Timer3Timer();
    EXPECT_EQ(toUtf8(f.main().RestTimeLabel.text), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Times, CountdownTest,
    testing::Values(CountdownCase{"2026-12-08 15:29:30", "1540", true, "発走までの残り時間：00:10:30"},
                    CountdownCase{"2026-12-08 09:00:00", "1540", true, "発走までの残り時間：06:40:00"},
                    CountdownCase{"2026-12-08 15:40:00", "1540", true, "発走済み"},
                    CountdownCase{"2026-12-09 00:10:00", "1540", true, "発走済み"},
                    CountdownCase{"2026-12-08 15:00:00", "1540", false, ""},
                    CountdownCase{"2026-12-08 15:00:00", "    ", true, ""}));

struct NextRaceCase {
    const char* now;
    std::vector<const char*> posts;
    int chosen; // -1: the list stays as it was
};

class NextRaceTest : public testing::TestWithParam<NextRaceCase> {};

TEST_P(NextRaceTest, ShowsTheEarliestRaceStillToStart) {
    std::vector<LiveDayFixture::Race> races;
    for (size_t i = 0; i < GetParam().posts.size(); ++i)
        races.push_back({"06", static_cast<int>(i) + 1, GetParam().posts[i]});
    AcquisitionDay f(GetParam().now, races);
    f.main().DatList.itemIndex = 0;
    int shown = 0;
    f.acquisition().DatListClick = [&] { ++shown; };
    f.acquisition().NextRaceBtnClick();
    EXPECT_EQ(f.main().DatList.itemIndex, GetParam().chosen < 0 ? 0 : GetParam().chosen);
    EXPECT_EQ(shown, GetParam().chosen < 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Times, NextRaceTest,
                         testing::Values(NextRaceCase{"2026-12-08 12:00:00", {"1150", "1205", "1210"}, 1},
                                         NextRaceCase{"2026-12-08 12:00:00", {"1210", "1205", "1205"}, 1},
                                         NextRaceCase{"2026-12-08 12:05:00", {"1150", "1205", "1210"}, 2},
                                         NextRaceCase{"2026-12-08 12:30:00", {"1150", "1205", "1210"}, -1},
                                         NextRaceCase{"2026-12-09 09:00:00", {"1150", "1205", "1210"}, -1}));

} // namespace
