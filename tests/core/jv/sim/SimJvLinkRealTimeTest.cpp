// JVRTOpen: the key checks, and which announced files a stream serves at the clock's now.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

constexpr const char* kRace = "2026120805010101";
constexpr const char* kRealTimeDay = "20261208";

class SimRealTimeFixture {
protected:
    SimRealTimeFixture() {
        provider.realtime("0B30", kRace, "20261208090000", {"O1 at 0900", "O2 at 0900"});
        provider.realtime("0B30", kRace, "20261208093000", {"O1 at 0930", "O2 at 0930"});
        provider.realtime("0B30", kRace, "20261208100000", {"O1 at 1000", "O2 at 1000"});
        // Another race's snapshot, which must never mix in.
        provider.realtime("0B30", "2026120805010102", "20261208091500", {"O1 of race 2"});
        EXPECT_EQ(link.JVInit(softwareIdentifier()), 0);
    }
    std::vector<std::string> fetch(const std::string& spec, const std::string& key) {
        const int32_t r =
            link.JVRTOpen(QString::fromStdString(spec).toStdU16String(), QString::fromStdString(key).toStdU16String());
        EXPECT_EQ(r, 0);
        const ReadLog log = readAll(link);
        EXPECT_EQ(link.JVClose(), 0);
        // A real-time answer is one data set: records, then the end, nothing in between.
        for (int32_t result : log.results)
            EXPECT_TRUE(result > 0 || result == 0) << result;
        std::vector<std::string> lines;
        for (const std::string& rec : log.records)
            lines.push_back(rec.substr(0, rec.size() - 2));
        return lines;
    }

    SimProvider provider;
    FakeClock clock;
    SimJvLink link{provider.root(), clock};
};

struct SnapshotCase {
    const char* now;
    std::vector<std::string> records;
};

void PrintTo(const SnapshotCase& c, std::ostream* os) {
    *os << c.now;
}

class SimJvLinkOddsSnapshotTest : public SimRealTimeFixture, public testing::TestWithParam<SnapshotCase> {};

TEST_P(SimJvLinkOddsSnapshotTest, ServesTheNewestSnapshotAnnouncedByNow) {
    clock.set(GetParam().now);
    EXPECT_EQ(fetch("0B30", kRace), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(ClockTimes, SimJvLinkOddsSnapshotTest,
                         testing::Values(SnapshotCase{"2026-12-07 23:00:00", {}},
                                         SnapshotCase{"2026-12-08 08:59:59", {}},
                                         SnapshotCase{"2026-12-08 09:00:00", {"O1 at 0900", "O2 at 0900"}},
                                         SnapshotCase{"2026-12-08 09:29:59", {"O1 at 0900", "O2 at 0900"}},
                                         SnapshotCase{"2026-12-08 09:30:00", {"O1 at 0930", "O2 at 0930"}},
                                         SnapshotCase{"2026-12-08 10:00:00", {"O1 at 1000", "O2 at 1000"}},
                                         SnapshotCase{"2026-12-09 10:00:00", {"O1 at 1000", "O2 at 1000"}}));

class SimJvLinkDaySpecTest : public SimRealTimeFixture, public testing::TestWithParam<const char*> {};

// Every announcement up to now, oldest first, in one stream.
TEST_P(SimJvLinkDaySpecTest, ServesEveryFileAnnouncedByNowOldestFirst) {
    const std::string spec = GetParam();
    provider.realtime(spec, kRealTimeDay, "20261208120000", {spec + " noon 1", spec + " noon 2"});
    provider.realtime(spec, kRealTimeDay, "20261208101500", {spec + " morning"});
    provider.realtime(spec, kRealTimeDay, "20261208153000", {spec + " afternoon"});
    provider.realtime(spec, "20261209", "20261208100000", {spec + " next day"});

    clock.set("2026-12-08 10:00:00");
    EXPECT_EQ(fetch(spec, kRealTimeDay), std::vector<std::string>{});
    clock.set("2026-12-08 12:00:00");
    EXPECT_EQ(fetch(spec, kRealTimeDay),
              (std::vector<std::string>{spec + " morning", spec + " noon 1", spec + " noon 2"}));
    clock.set("2026-12-08 18:00:00");
    EXPECT_EQ(fetch(spec, kRealTimeDay),
              (std::vector<std::string>{spec + " morning", spec + " noon 1", spec + " noon 2", spec + " afternoon"}));
}

INSTANTIATE_TEST_SUITE_P(Specs, SimJvLinkDaySpecTest, testing::Values("0B12", "0B11", "0B13", "0B17", "0B14"));

struct KeyCase {
    const char* name;
    std::u16string spec;
    std::u16string key;
    int32_t expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class SimJvLinkRealTimeKeyTest : public SimRealTimeFixture, public testing::TestWithParam<KeyCase> {};

TEST_P(SimJvLinkRealTimeKeyTest, ChecksSpecThenKey) {
    EXPECT_EQ(link.JVRTOpen(GetParam().spec, GetParam().key), GetParam().expected);
    // A refused open leaves no stream.
    if (GetParam().expected != 0) {
        EXPECT_EQ(link.JVStatus(), -203);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SimJvLinkRealTimeKeyTest,
    testing::Values(
        KeyCase{"raceKey", u"0B30", u"2026120805010101", 0},
        KeyCase{"raceKeyOfNoRace", u"0B30", u"9999999999999999", 0},
        KeyCase{"raceKey15", u"0B30", u"202612080501010", -114},
        KeyCase{"raceKey17", u"0B30", u"20261208050101010", -114},
        KeyCase{"raceKeyLetter", u"0B30", u"20261208050101A1", -114},
        KeyCase{"raceKeyBlank", u"0B30", u"2026120805010 01", -114},
        KeyCase{"raceKeyDotDot", u"0B30", u"../../../../etc/", -114}, KeyCase{"raceKeyEmpty", u"0B30", u"", -114},
        KeyCase{"raceSpecWithDayKey", u"0B30", u"20261208", -114}, KeyCase{"dayKey", u"0B12", u"20261208", 0},
        KeyCase{"dayKeyWeights", u"0B11", u"20261208", 0}, KeyCase{"dayKey7", u"0B13", u"2026120", -114},
        KeyCase{"dayKey9", u"0B17", u"202612081", -114}, KeyCase{"dayKeyRaceKey", u"0B14", u"2026120805010101", -114},
        KeyCase{"dayKeyMonth13", u"0B12", u"20261308", -114}, KeyCase{"dayKeyDay32", u"0B11", u"20261232", -114},
        KeyCase{"unknownSpec", u"0B31", u"2026120805010101", -111},
        KeyCase{"storedSpec", u"RACEMING", u"20261208", -111}, KeyCase{"lowerCaseSpec", u"0b12", u"20261208", -111},
        KeyCase{"emptySpec", u"", u"20261208", -111}, KeyCase{"specBeforeKey", u"0B99", u"x", -111}));

// A clock that answers in another offset still means the same moment: what counts is Japan time.
class UtcClock : public Clock {
public:
    explicit UtcClock(QDateTime utc) : m_utc(std::move(utc)) {}
    QDateTime now() const override { return m_utc; }
    qint64 steadyMs() const override { return 0; }

private:
    QDateTime m_utc;
};

TEST(SimJvLinkRealTimeClockTest, AnnouncementTimesAreJapanTime) {
    SimProvider provider;
    provider.realtime("0B30", kRace, "20261208090000", {"O1 at 0900"});
    provider.realtime("0B30", kRace, "20261208093000", {"O1 at 0930"});
    // 00:15 UTC is 09:15 in Japan.
    UtcClock clock(QDateTime(QDate(2026, 12, 8), QTime(0, 15), Qt::UTC));
    SimJvLink link(provider.root(), clock);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(link.JVRTOpen(u"0B30", u"2026120805010101"), 0);
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.records, std::vector<std::string>{"O1 at 0900\r\n"});
}

TEST(SimJvLinkRealTimeClockTest, TheClockCanBeChangedLikeTheProviderFolder) {
    SimProvider provider;
    provider.realtime("0B14", kRealTimeDay, "20261208090000", {"WE"});
    FakeClock early("2026-12-08 08:00:00");
    FakeClock late("2026-12-08 09:00:00");
    SimJvLink link(provider.root(), early);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(link.JVRTOpen(u"0B14", u"20261208"), 0);
    EXPECT_EQ(readAll(link).records.size(), 0u);
    ASSERT_EQ(link.JVClose(), 0);
    link.setClock(late);
    ASSERT_EQ(link.JVRTOpen(u"0B14", u"20261208"), 0);
    EXPECT_EQ(readAll(link).records.size(), 1u);
}

// A real-time file that goes away between the open and the read is missing, as a stored file is.
TEST(SimJvLinkRealTimeClockTest, ARemovedFileIsMissingOnRead) {
    SimProvider provider;
    const auto file = provider.realtime("0B11", kRealTimeDay, "20261208090000", {"WH"});
    FakeClock clock("2026-12-08 12:00:00");
    SimJvLink link(provider.root(), clock);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(link.JVRTOpen(u"0B11", u"20261208"), 0);
    std::filesystem::remove(file);
    std::u16string buffer, fileName;
    int32_t size = 60000;
    EXPECT_EQ(link.JVRead(buffer, size, fileName), -503);
}

TEST(SimJvLinkRealTimeClockTest, NoRealtimeFolderMeansNothingAnnounced) {
    TempDir dir;
    FakeClock clock;
    SimJvLink link(dir / "missing", clock);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(link.JVRTOpen(u"0B30", u"2026120805010101"), 0);
    std::u16string buffer, fileName;
    int32_t size = 100000;
    EXPECT_EQ(link.JVRead(buffer, size, fileName), 0);
    EXPECT_EQ(link.JVRead(buffer, size, fileName), 0);
}

} // namespace
