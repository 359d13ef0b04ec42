#include "store/RaceDayStore.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace renoka;

namespace {

// An RA image of the given race with the post time at 874-877.
std::string raRecord(const char* year, const char* mmdd, const char* course, const char* race, const char* post) {
    std::string r(records::RA, ' ');
    r.replace(0, 2, "RA");
    r.replace(11, 4, year);
    r.replace(15, 4, mmdd);
    r.replace(19, 2, course);
    r.replace(21, 2, "05");
    r.replace(23, 2, "08");
    r.replace(25, 2, race);
    r.replace(873, 4, post);
    r.replace(r.size() - 2, 2, "\r\n");
    return r;
}

bool allBytes(std::string_view s, char c) {
    return std::all_of(s.begin(), s.end(), [c](char x) { return x == c; });
}

class RaceDayStoreTest : public testing::Test {
protected:
    // The store is large; one per suite keeps the tests quick, and each test starts from a blanked day.
    static void SetUpTestSuite() { s_store = new RaceDayStore; }
    static void TearDownTestSuite() { delete s_store; }
    void SetUp() override {
        s_store->blank();
        s_store->IniBtnClick();
    }
    RaceDayStore& store() { return *s_store; }
    static RaceDayStore* s_store;
};
RaceDayStore* RaceDayStoreTest::s_store = nullptr;

TEST(RaceDayStoreFreshTest, StartsAllZeroAndNoSlotIsInUse) {
    RaceDayStore store;
    EXPECT_TRUE(allBytes(store.ra(35), '\0'));
    EXPECT_TRUE(allBytes(store.prevRa(35, 17, 20), '\0'));
    EXPECT_TRUE(allBytes(store.odds(6, 0), '\0'));
    EXPECT_FALSE(store.slotInUse(0));
}

struct OutOfRange {
    const char* name;
    std::function<void(RaceDayStore&)> access;
};
class RaceDayStoreBoundsTest : public testing::TestWithParam<OutOfRange> {};

TEST_P(RaceDayStoreBoundsTest, AnIndexOutOfRangeIsARangeErrorAndChangesNothing) {
    static RaceDayStore store;
    store.blank();
    const std::string before(store.ra(35));
    EXPECT_THROW(GetParam().access(store), RangeError);
    EXPECT_EQ(store.ra(35), before);
}

INSTANTIATE_TEST_SUITE_P(Accesses, RaceDayStoreBoundsTest,
                         testing::Values(OutOfRange{"slot36", [](RaceDayStore& s) { s.ra(36); }},
                                         OutOfRange{"slotMinus1", [](RaceDayStore& s) { s.setRa(-1, "RA"); }},
                                         OutOfRange{"horse18", [](RaceDayStore& s) { s.setSe(0, 18, "SE"); }},
                                         OutOfRange{"horseMinus1", [](RaceDayStore& s) { s.se(0, -1); }},
                                         OutOfRange{"run0", [](RaceDayStore& s) { s.prevSe(0, 0, 0); }},
                                         OutOfRange{"run21", [](RaceDayStore& s) { s.setPrevRaKey(0, 0, 21, "2026"); }},
                                         OutOfRange{"odds7", [](RaceDayStore& s) { s.setOdds(7, 0, "O7"); }},
                                         OutOfRange{"odds0", [](RaceDayStore& s) { s.odds(0, 0); }},
                                         OutOfRange{"work36", [](RaceDayStore& s) { s.work(36); }},
                                         OutOfRange{"ozTimes36", [](RaceDayStore& s) { s.setOzGetTimes(36, 10); }}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(RaceDayStoreTest, ImagesAreStoredWholeCutOrPaddedToTheElementSize) {
    store().setTm(3, std::string(500, 'x'));
    EXPECT_EQ(store().tm(3), std::string(records::TM, 'x'));
    store().setDm(3, "DM");
    EXPECT_EQ(store().dm(3), "DM" + std::string(records::DM - 2, ' '));
}

TEST_F(RaceDayStoreTest, ClearZeroesEveryWorkRecordButLeavesTheImages) {
    store().setRa(5, raRecord("2026", "1208", "05", "11", "1540"));
    RaceWork& w = store().work(35);
    w.SantanOz[4896] = 12.5;
    w.TanNinki[17] = 3;
    w.Tracked[0] = true;
    w.OzGetTimes[2].assign("1532");
    store().IniBtnClick();
    const RaceWork& cleared = store().work(35);
    EXPECT_EQ(cleared.SantanOz[4896], 0.0);
    EXPECT_EQ(cleared.TanNinki[17], 0);
    EXPECT_FALSE(cleared.Tracked[0]);
    EXPECT_EQ(cleared.OzGetTimes[2].view(), "");
    EXPECT_EQ(field(store().ra(5), 26, 2), "11");
}

TEST(RaceDayStoreBlankTest, BlankFillsTheDayWithSpacesButNotPreviousRunsOrCourseRecords) {
    RaceDayStore store;
    store.blank();
    EXPECT_TRUE(allBytes(store.ra(0), ' '));
    EXPECT_TRUE(allBytes(store.se(35, 17), ' '));
    EXPECT_TRUE(allBytes(store.hr(10), ' '));
    EXPECT_TRUE(allBytes(store.odds(6, 35), ' '));
    EXPECT_TRUE(allBytes(store.wh(1), ' ') && allBytes(store.dm(1), ' ') && allBytes(store.tm(1), ' '));
    EXPECT_TRUE(allBytes(store.prevSe(0, 0, 1), '\0'));
    EXPECT_TRUE(allBytes(store.prevRa(0, 0, 2), '\0'));
    EXPECT_TRUE(allBytes(store.rc(0), '\0'));
    EXPECT_FALSE(store.slotInUse(0));
}

TEST_F(RaceDayStoreTest, SlotsInUseAndMatchKeyLookup) {
    for (int race = 1; race <= 12; ++race) {
        store().setRa(race - 1, raRecord("2026", "1208", "05", fmt("%02d", race).c_str(), "1000"));
        store().setRa(race + 11, raRecord("2026", "1208", "09", fmt("%02d", race).c_str(), "1000"));
    }
    EXPECT_TRUE(store().slotInUse(23));
    EXPECT_FALSE(store().slotInUse(24));
    store().setRa(30, raRecord("0000", "1208", "06", "01", "1000"));
    EXPECT_FALSE(store().slotInUse(30));

    // A payout of Hanshin race 3: the match key ignores kai and nichi.
    std::string hr(records::HR, ' ');
    hr.replace(11, 16,
               "20261208091212"
               "03");
    EXPECT_EQ(store().slotByMatchKey(hr), 14);
    hr.replace(19, 2, "06");
    EXPECT_EQ(store().slotByMatchKey(hr), -1);
    // A record with blank key fields never finds a blank slot.
    EXPECT_EQ(store().slotByMatchKey(std::string(records::HR, ' ')), -1);
}

struct OzTimesCase {
    const char* post;
    int before;
    const char* first;
    const char* second;
    const char* third;
};
class OzGetTimesTest : public testing::TestWithParam<OzTimesCase> {};

TEST_P(OzGetTimesTest, AreThePostTimeLessTheMinutesThenOneAndTwoMinutesLater) {
    static RaceDayStore store;
    store.setRa(0, raRecord("2026", "1208", "05", "11", GetParam().post));
    store.setOzGetTimes(0, GetParam().before);
    const auto& t = store.work(0).OzGetTimes;
    EXPECT_EQ(t[0].view(), GetParam().first);
    EXPECT_EQ(t[1].view(), GetParam().second);
    EXPECT_EQ(t[2].view(), GetParam().third);
}

INSTANTIATE_TEST_SUITE_P(PostTimes, OzGetTimesTest,
                         testing::Values(OzTimesCase{"1540", 10, "1530", "1531", "1532"},
                                         OzTimesCase{"1000", 10, "0950", "0951", "0952"},
                                         OzTimesCase{"1001", 1, "1000", "1001", "1002"},
                                         OzTimesCase{"1059", 0, "1059", "1100", "1101"},
                                         OzTimesCase{"    ", 10, "", "", ""}));

} // namespace
