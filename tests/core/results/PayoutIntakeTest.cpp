#include "results/PayoutIntake.h"
#include "base/Errors.h"
#include "core/results/DayFixture.h"
#include "text/Fields.h"

#include <gtest/gtest.h>

#include <vector>

using namespace renoka;
using namespace renoka::test;

namespace {

struct PayoutRunner {
    int horse;
    int placing;
    int ninki;
    int odds; // tenths
};

std::string se(int raceNo, const PayoutRunner& r) {
    return Rec("SE", 555)
        .race("06", raceNo)
        .num(29, 2, r.horse)
        .num(335, 2, r.placing)
        .num(360, 4, r.odds)
        .num(364, 2, r.ninki)
        .bytes;
}

// Place entries (horse numbers) and one win entry; `kai` lets a record miss its race by meeting alone.
std::string hr(const char* course, int raceNo, const std::vector<const char*>& fuku = {},
               const char* kainichi = "0503") {
    Rec r("HR", 719);
    r.race(course, raceNo).put(22, kainichi).put(103, "01000000250").put(114, "01");
    for (size_t i = 0; i < fuku.size(); ++i)
        r.put(142 + 13 * static_cast<int>(i), fuku[i]).put(144 + 13 * static_cast<int>(i), "000000110");
    return r.bytes;
}

// The day of these tests: Nakayama 1R (slot 0), Nakayama 11R (slot 1), Hanshin 1R (slot 2).
struct PayoutDay : DayFixture {
    PayoutDay() {
        const std::vector<std::string> races = {ra("06", 1, 2).bytes, ra("06", 11, 3).bytes, ra("09", 1, 1).bytes};
        for (size_t i = 0; i < races.size(); ++i)
            store().setRa(static_cast<int>(i), races[i]);
        writeDayFile(".jvRA", races);
    }
    PayoutIntake& payouts() { return form->payouts(); }
};

TEST(PayoutIntakeTest, RunnersComeFromTheRunnerFileByRaceAndHorseNumber) {
    PayoutDay f;
    f.store().setRa(0, DayFixture::ra("09", 5).bytes); // the file's record replaces what the store had
    std::vector<std::string> lines(216, std::string(553, ' ') + "\r\n");
    lines[0] = se(1, {1, 2, 1, 23});
    for (int h = 1; h <= 4; ++h)
        lines[static_cast<size_t>(10 * 18 + h - 1)] = se(11, {h, h, 5 - h, 100 * h + 5});
    f.writeData("2026年12月08日中山.jvSEr", lines);
    f.payouts().HrReadBtnClick();

    EXPECT_EQ(field(f.store().ra(0), 26, 2), "01");
    EXPECT_EQ(f.store().se(0, 0), lines[0]);
    EXPECT_EQ(f.store().se(1, 2), lines[10 * 18 + 2]);
    // Horse 4 of race 11 is beyond the three registered.
    EXPECT_EQ(f.store().se(1, 3), std::string(555, ' '));
    EXPECT_EQ(f.work(1).Chakujun[2], 3);
    EXPECT_EQ(f.work(1).KakuteiNinki[2], 2);
    EXPECT_DOUBLE_EQ(f.work(1).KakuteiTanOz[2], 30.5);
    EXPECT_EQ(f.work(1).Chakujun[3], 0);
    EXPECT_DOUBLE_EQ(f.work(0).KakuteiTanOz[0], 2.3);
}

TEST(PayoutIntakeTest, PayoutRecordsNeedTheWholeRaceKeyAndAnUsedSlot) {
    PayoutDay f;
    std::vector<std::string> records = {hr("06", 11), hr("06", 1, {}, "0504"), hr("06", 7), Rec("HR", 719).bytes};
    f.writeDayFile(".jvHR", records);
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(f.store().hr(1), records[0]);
    EXPECT_TRUE(f.work(1).PayoutTaken);
    EXPECT_EQ(f.work(1).HrTable.Tan[0].payout, 250);
    for (int slot : {0, 2, 3}) {
        EXPECT_EQ(f.store().hr(slot), std::string(719, ' ')) << slot;
        EXPECT_FALSE(f.work(slot).PayoutTaken) << slot;
    }
}

TEST(PayoutIntakeTest, OnlyTheFirst36RecordsAreRead) {
    PayoutDay f;
    std::vector<std::string> records(36, hr("05", 1));
    records.push_back(hr("06", 11));
    f.writeDayFile(".jvHR", records);
    f.payouts().HrReadBtnClick();
    EXPECT_FALSE(f.work(1).PayoutTaken);
}

TEST(PayoutIntakeTest, ImagesAreRefilledOnlyWhenThePayoutFileExists) {
    PayoutDay f;
    f.writeDayFile(".jvHR", {hr("06", 11), hr("09", 1)});
    f.payouts().HrReadBtnClick();
    std::filesystem::remove(f.dir / "Data" / "2026年12月08日.jvHR");
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(f.store().hr(2), hr("09", 1));
    // The record of Hanshin 1R has gone from the file: its race shows blanks again.
    f.writeDayFile(".jvHR", {hr("06", 11)});
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(f.store().hr(2), std::string(719, ' '));
    EXPECT_EQ(f.work(2).HrTable.Tan[0].horse, 0);
}

TEST(PayoutIntakeTest, DeadHeatPlacesNumberTheHorsesByEntry) {
    PayoutDay f;
    std::vector<std::string> lines(216, std::string(553, ' ') + "\r\n");
    lines[10 * 18 + 0] = se(11, {1, 3, 3, 50});
    lines[10 * 18 + 2] = se(11, {3, 1, 1, 20});
    f.writeData("2026年12月08日中山.jvSEr", lines);
    // Horses 3 and 1 dead-heated for first; place entry 3 names a horse the race cannot have.
    f.writeDayFile(".jvHR", {hr("06", 11, {"03", "01", "25"})});
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(field(f.store().se(1, 2), 335, 2), "01");
    EXPECT_EQ(field(f.store().se(1, 0), 335, 2), "02");
    // The rest of the runner record stays as read.
    EXPECT_EQ(f.store().se(1, 0).substr(0, 334), lines[10 * 18].substr(0, 334));
    EXPECT_EQ(f.store().se(1, 0).substr(336), lines[10 * 18].substr(336));
    // The results arrays were taken from the runner file before the place payouts wrote into it.
    EXPECT_EQ(f.work(1).Chakujun[0], 3);
    EXPECT_EQ(f.work(1).HrTable.Fuku[2].horse, 25);
}

struct RedrawCase {
    const char* name;
    int currentRace;
    int selected; // DatList.itemIndex
    int reads;
    int redraws;
};

class PayoutRedrawTest : public testing::TestWithParam<RedrawCase> {};

TEST_P(PayoutRedrawTest, RaceOnScreenIsShownAgainOnItsFirstPayout) {
    const RedrawCase& c = GetParam();
    PayoutDay f;
    f.writeDayFile(".jvHR", {hr("06", 11)});
    f.store().CurrentRace = c.currentRace;
    f.form->DatList.items = {"1R", "11R", "1R"};
    f.form->DatList.itemIndex = c.selected;
    int redraws = 0;
    f.payouts().DatListClick = [&] {
        ++redraws;
        // The race view reads the payout table, so it must be rebuilt by then.
        EXPECT_EQ(f.work(1).HrTable.Tan[0].horse, 1);
    };
    for (int i = 0; i < c.reads; ++i)
        f.payouts().HrReadBtnClick();
    EXPECT_EQ(redraws, c.redraws);
}

INSTANTIATE_TEST_SUITE_P(Cases, PayoutRedrawTest,
                         testing::Values(RedrawCase{"FirstPayout", 1, 1, 1, 1},
                                         RedrawCase{"AlreadyHadItsPayout", 1, 1, 2, 1},
                                         RedrawCase{"NoRaceSelected", 1, -1, 1, 0},
                                         RedrawCase{"PayoutOfAnotherRace", 0, 0, 1, 0}),
                         [](const testing::TestParamInfo<RedrawCase>& param) { return std::string(param.param.name); });

TEST(PayoutIntakeTest, ResultsPanelShowsTheRaceOnScreen) {
    PayoutDay f;
    f.writeDayFile(".jvHR", {hr("06", 11, {"01", "04"})});
    f.payouts().HrReadBtnClick();
    f.store().CurrentRace = 1;
    f.payouts().KekkaPanelFill();
    EXPECT_EQ(f.payouts().KekkaPanel.entry(PayoutType::Fuku, 1).Kekka.text, " 4");
    f.store().CurrentRace = 0;
    f.payouts().KekkaPanelFill();
    EXPECT_EQ(f.payouts().KekkaPanel.entry(PayoutType::Fuku, 1).Kekka.text, "");
    f.store().CurrentRace = 36;
    EXPECT_THROW(f.payouts().KekkaPanelFill(), RangeError);
    EXPECT_THROW(f.payouts().HrReadBtnClick(), RangeError);
}

TEST(PayoutIntakeTest, ShortFilesChangeNothingTheyDoNotHold) {
    PayoutDay f;
    const std::string before(f.store().ra(1));
    f.store().setSe(1, 0, se(11, {1, 9, 9, 99}));
    f.writeDayFile(".jvRA", {}, DayFixture::ra("06", 12).bytes.substr(0, 1000));
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(f.store().ra(1), before);

    // The runner file ends before race 11: its horses keep what the store had.
    f.writeDayFile(".jvRA", {DayFixture::ra("06", 1, 2).bytes, DayFixture::ra("06", 11, 3).bytes});
    f.writeData("2026年12月08日中山.jvSEr", {se(1, {1, 1, 1, 10})});
    f.payouts().HrReadBtnClick();
    EXPECT_EQ(f.work(1).Chakujun[0], 9);
    EXPECT_EQ(f.work(0).Chakujun[0], 1);
}

} // namespace
