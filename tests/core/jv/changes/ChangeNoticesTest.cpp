// The post-time reader: which changes it applies to the race file, the store and the fetch times, and how ".NEW"
// keeps what was applied across runs.
#include "jv/changes/ChangeNotices.h"

#include "base/Cp932.h"
#include "core/jv/LiveDayFixture.h"
#include "frame/IniFile.h"
#include "raceday/RaceCard.h"
#include "store/RecordSizes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// A TC record image (with CR LF, as the file holds it): racecourse, race, announcement MMDDhhmm, new post time.
std::string tc(const char* course, int race, const char* announced, const char* post) {
    std::string r =
        std::string("TC1") + "20261208" + "20261208" + course + "0503" + fmt("%02d", race) + announced + post + "0000";
    r.resize(records::TC - 2, ' ');
    return r + "\r\n";
}

struct NoticeDay : LiveDayFixture {
    NoticeDay() : LiveDayFixture(false) {
        setRaces({{"06", 1, "1000"}, {"06", 11, "1530"}, {"09", 11, "1540"}});
        for (int slot = 0; slot < 3; ++slot)
            store().setOzGetTimes(slot, 10);
    }
    void writeTc(const std::vector<std::string>& records, const std::string& tail = {}) {
        std::string bytes;
        for (const auto& r : records)
            bytes += r;
        writeBytes(dir / "CHG" / "2026年12月08日.TC", bytes + tail);
    }
    std::filesystem::path newFile() const { return dir / "CHG" / "2026年12月08日.NEW"; }
    std::filesystem::path raceFile() const { return dir / "Data" / "2026年12月08日.jvRA"; }
    std::string filePost(int line) const {
        return std::string(field(loadLines(raceFile()).at(static_cast<size_t>(line)), 874, 4));
    }
    std::string storePost(int slot) { return std::string(field(store().ra(slot), 874, 4)); }
    std::string times(int slot) {
        const auto& t = store().work(slot).OzGetTimes;
        return std::string(t[0].view()) + " " + std::string(t[1].view()) + " " + std::string(t[2].view());
    }
    ChangeNotices& notices() { return main().changeNotices(); }
};

TEST(ChangeNoticesTest, APostTimeChangeMovesTheRaceAndItsFetchTimesAndIsRemembered) {
    NoticeDay f;
    f.writeTc({tc("06", 11, "12081012", "1540")});
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.filePost(1), "1540");
    EXPECT_EQ(f.storePost(1), "1540");
    EXPECT_EQ(f.times(1), "1530 1532 1522") << "T1 and T2 follow the new post time; T3 stays";
    EXPECT_EQ(f.filePost(0), "1000");
    EXPECT_EQ(f.filePost(2), "1540") << "another racecourse's race 11 keeps its own time";
    EXPECT_EQ(f.times(2), "1530 1531 1532");
    EXPECT_EQ(loadLines(f.newFile()), (std::vector<std::string>{"", "", "", "12081012", ""}));
    EXPECT_EQ(toUtf8(f.main().StatusLabel.text), "[発走時刻変更]が発生しています。(更新：12/08 10:12)");
}

TEST(ChangeNoticesTest, TheRaceOnScreenShowsItsNewPostTimeAtOnce) {
    NoticeDay f;
    f.store().CurrentRace = 1;
    f.main().DatList.itemIndex = 1;
    f.main().raceCard().show(1, 0);
    const std::string before = toUtf8(f.main().raceCard().Label1.text);
    ASSERT_NE(before.find("15.30発走"), std::string::npos) << before;
    f.main().changes().take();
    f.writeTc({tc("06", 11, "12081012", "1540")});
    f.notices().KaisaiReadBtnClick();
    const std::string after = toUtf8(f.main().raceCard().Label1.text);
    EXPECT_NE(after.find("15.40発走"), std::string::npos) << after;
    EXPECT_TRUE(f.main().changes().take().has(View::RaceCard));
}

TEST(ChangeNoticesTest, ANoticeAlreadyAppliedIsNotAppliedAgainAndNothingIsWritten) {
    NoticeDay f;
    f.writeTc({tc("06", 11, "12081012", "1540")});
    f.notices().KaisaiReadBtnClick();
    // A later run after the race was set back by hand: the old notice must not move it again.
    f.store().setRa(1, DayFixture::ra("06", 11).put(874, "1530").bytes);
    struct stat before {};
    ::stat(f.newFile().c_str(), &before);
    f.main().StatusLabel.text.clear();
    f.notices().KaisaiReadBtnClick();
    struct stat after {};
    ::stat(f.newFile().c_str(), &after);
    EXPECT_EQ(f.storePost(1), "1530");
    EXPECT_EQ(before.st_ino, after.st_ino) << ".NEW is not written again";
    EXPECT_TRUE(f.notices().NoticeLines().empty());
    EXPECT_TRUE(f.main().StatusLabel.text.empty());
}

TEST(ChangeNoticesTest, OnlyNoticesLaterThanTheRememberedOneApplyAndTheOtherCategoriesAreCarriedOver) {
    NoticeDay f;
    saveLines(f.newFile(), {"12080810", "12080900", "", "12081012", "12080700"});
    f.writeTc({tc("06", 1, "12081012", "1005"), tc("06", 11, "12081100", "1545"), tc("09", 11, "12081050", "1550")});
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.storePost(0), "1000") << "announced in the remembered minute";
    EXPECT_EQ(f.storePost(1), "1545");
    EXPECT_EQ(f.storePost(2), "1550");
    EXPECT_EQ(loadLines(f.newFile()), (std::vector<std::string>{"12080810", "12080900", "", "12081100", "12080700"}));
}

struct BrokenNewCase {
    const char* name;
    std::vector<std::string> lines;
};

class BrokenNewFileTest : public testing::TestWithParam<BrokenNewCase> {};

TEST_P(BrokenNewFileTest, IsTreatedAsAbsentAndReplacedByFiveLines) {
    NoticeDay f;
    saveLines(f.newFile(), GetParam().lines);
    f.writeTc({tc("06", 11, "12080930", "1540")});
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.storePost(1), "1540");
    EXPECT_EQ(loadLines(f.newFile()), (std::vector<std::string>{"", "", "", "12080930", ""}));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenNewFileTest,
                         testing::Values(BrokenNewCase{"FourLines", {"12080810", "", "", "12081200"}},
                                         BrokenNewCase{"SixLines", {"12080810", "", "", "12081200", "", "12080700"}}),
                         [](const auto& p) { return std::string(p.param.name); });

struct PostTimeCase {
    const char* name;
    const char* post;
};

class UnusablePostTimeTest : public testing::TestWithParam<PostTimeCase> {};

TEST_P(UnusablePostTimeTest, LeavesTheRaceItsTimeButCountsAsApplied) {
    NoticeDay f;
    f.writeTc({tc("06", 11, "12081012", GetParam().post)});
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.filePost(1), "1530");
    EXPECT_EQ(f.storePost(1), "1530");
    EXPECT_EQ(f.times(1), "1520 1522 1522") << "worked out again from the time the race keeps";
    EXPECT_EQ(loadLines(f.newFile()).at(3), "12081012");
}

INSTANTIATE_TEST_SUITE_P(Times, UnusablePostTimeTest,
                         testing::Values(PostTimeCase{"Zeros", "0000"}, PostTimeCase{"Blank", "    "},
                                         PostTimeCase{"NoTimeOfDay", "2575"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ChangeNoticesTest, APieceOfARecordAtTheEndAndRecordsPastTheThirtySixthAreNotRead) {
    NoticeDay f;
    std::vector<std::string> records;
    for (int i = 0; i < 36; ++i)
        records.push_back(tc("05", i % 12 + 1, "12080900", "1200"));
    records.push_back(tc("06", 11, "12081012", "1540")); // the 37th
    f.writeTc(records, tc("06", 1, "12081013", "1010").substr(0, 30));
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.storePost(0), "1000");
    EXPECT_EQ(f.storePost(1), "1530");
    EXPECT_EQ(loadLines(f.newFile()).at(3), "12080900");
}

TEST(ChangeNoticesTest, ALineOfAnotherLengthDoesNotShiftPostTimesIntoTheWrongRace) {
    NoticeDay f;
    // A hand-edited line one byte short: every record after it is read one byte off and must not count.
    const std::string shortLine = tc("06", 1, "12081012", "1005").substr(0, records::TC - 3) + "\r\n";
    f.writeTc({shortLine, tc("06", 11, "12081020", "1540")});
    f.notices().KaisaiReadBtnClick();
    EXPECT_EQ(f.storePost(0), "1000");
    EXPECT_EQ(f.storePost(1), "1530");
}

TEST(ChangeNoticesTest, WithoutANoticeFileOrARaceFileNothingIsWritten) {
    NoticeDay f;
    f.notices().KaisaiReadBtnClick();
    EXPECT_FALSE(std::filesystem::exists(f.newFile()));
    f.writeTc({tc("06", 11, "12081012", "1540")});
    std::filesystem::remove(f.raceFile());
    f.notices().KaisaiReadBtnClick();
    EXPECT_FALSE(std::filesystem::exists(f.newFile()));
    EXPECT_EQ(f.storePost(1), "1530");
}

} // namespace
