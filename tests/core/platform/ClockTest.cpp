#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <QThread>

#include <cstdlib>
#include <ctime>

using namespace renoka;

namespace {

TEST(ClockTest, JapanTimeWhateverTheMachinesZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    const QDateTime now = SystemClock().now();
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(now.offsetFromUtc(), 9 * 3600);
    EXPECT_LE(std::llabs(now.toMSecsSinceEpoch() - utc.toMSecsSinceEpoch()), 5000);
    // 15:00 UTC is midnight of the next day in Japan.
    const QDateTime late = toJapanTime(QDateTime(QDate(2026, 12, 8), QTime(15, 0), Qt::UTC));
    EXPECT_EQ(late.date(), QDate(2026, 12, 9));
    EXPECT_EQ(late.time(), QTime(0, 0));
}

struct ParseCase {
    const char* text;
    bool valid;
    const char* shown;
};
class ParseJapanTimeTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseJapanTimeTest, ReadsTheCommandLineForms) {
    const QDateTime t = parseJapanTime(QString::fromLatin1(GetParam().text));
    ASSERT_EQ(t.isValid(), GetParam().valid);
    if (t.isValid()) {
        EXPECT_EQ(t.offsetFromUtc(), 9 * 3600);
        EXPECT_EQ(t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString(), GetParam().shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseJapanTimeTest,
                         testing::Values(ParseCase{"2026-12-08 09:05", true, "2026-12-08 09:05:00"},
                                         ParseCase{"2026-12-08 23:59:59", true, "2026-12-08 23:59:59"},
                                         ParseCase{" 2026-12-08 09:05 ", true, "2026-12-08 09:05:00"},
                                         ParseCase{"2026-02-30 09:00", false, ""}, ParseCase{"yesterday", false, ""},
                                         ParseCase{"2026/12/08 09:00", false, ""}));

TEST(StartedClockTest, StartsAtTheChosenMomentAndRuns) {
    const QDateTime start = parseJapanTime(QStringLiteral("2026-12-06 10:30"));
    StartedClock clock(start);
    const qint64 elapsed = start.msecsTo(clock.now());
    EXPECT_GE(elapsed, 0);
    EXPECT_LT(elapsed, 5000);
    EXPECT_EQ(clock.now().offsetFromUtc(), 9 * 3600);
}

// A rehearsal clock races through the waiting, but a handler's work takes it the real time it takes. The bounds
// are wide: only which pace each phase ran at is checked, not how long the machine took.
TEST(StartedClockTest, ARehearsalRunsFastWhileWaitingAndAtTheRealPaceWhileWorking) {
    StartedClock clock(parseJapanTime(QStringLiteral("2026-12-06 10:30")), 1000);
    EXPECT_EQ(clock.speed(), 1000);
    const qint64 t0 = clock.steadyMs();
    QThread::msleep(20);
    const qint64 waited = clock.steadyMs() - t0;
    EXPECT_GE(waited, 20 * 1000);
    qint64 worked = 0;
    {
        const Clock::WorkScope work(clock);
        const Clock::WorkScope nested(clock);
        const qint64 t1 = clock.steadyMs();
        QThread::msleep(20);
        worked = clock.steadyMs() - t1;
    }
    EXPECT_GE(worked, 20);
    EXPECT_LT(worked, 20 * 1000 / 4) << "work runs at the real pace";
    const qint64 t2 = clock.steadyMs();
    QThread::msleep(20);
    EXPECT_GE(clock.steadyMs() - t2, 20 * 1000) << "fast again once the work is done";
}

} // namespace
