// The timers of a front end without an event loop: when each fires on the clock's steady time.
#include "platform/TimerSchedule.h"

#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace renoka;
using namespace renoka::test;

namespace {

struct Ticks {
    FakeClock clock;
    TimerSchedule schedule{clock};
    TimerState fast{true, 1000};
    TimerState slow{true, 5000};
    std::vector<std::string> fired;

    Ticks() {
        schedule.add(fast, [this] { fired.push_back("fast"); });
        schedule.add(slow, [this] { fired.push_back("slow"); });
    }
    // Moves the clock in steps of `stepMs` for `totalMs`, running what is due after each step.
    void run(qint64 totalMs, qint64 stepMs) {
        for (qint64 t = 0; t < totalMs; t += stepMs) {
            clock.advanceMs(stepMs);
            schedule.runDue();
        }
    }
};

TEST(TimerScheduleTest, EachTimerFiresOnceEveryIntervalFromWhenItWasFirstSeen) {
    Ticks t;
    t.schedule.runDue();
    t.run(5000, 250);
    EXPECT_EQ(std::count(t.fired.begin(), t.fired.end(), "fast"), 5);
    EXPECT_EQ(std::count(t.fired.begin(), t.fired.end(), "slow"), 1);
    EXPECT_EQ(t.schedule.msUntilNext(), 1000);
}

TEST(TimerScheduleTest, ATimerThatFellBehindFiresOnceNotOnceForEveryIntervalMissed) {
    Ticks t;
    t.schedule.runDue();
    t.clock.advanceMs(10000);
    t.schedule.runDue();
    EXPECT_EQ(t.fired, (std::vector<std::string>{"fast", "slow"}));
    EXPECT_EQ(t.schedule.msUntilNext(), 1000);
}

TEST(TimerScheduleTest, SwitchedOffTimersAndTimersWithoutAnIntervalNeverFire) {
    Ticks t;
    t.slow.enabled = false;
    t.fast.intervalMs = 0;
    t.schedule.runDue();
    t.run(20000, 500);
    EXPECT_TRUE(t.fired.empty());
    EXPECT_EQ(t.schedule.msUntilNext(), -1);
}

TEST(TimerScheduleTest, ATimerSwitchedOnByAHandlerCountsItsIntervalFromThen) {
    Ticks t;
    t.slow.enabled = false;
    t.schedule.runDue();
    t.clock.advanceMs(1000);
    t.schedule.runDue(); // fast fires; slow is still off
    t.slow.enabled = true;
    t.clock.advanceMs(1000);
    t.schedule.runDue(); // slow is first seen switched on here
    t.clock.advanceMs(4999);
    t.schedule.runDue();
    EXPECT_EQ(std::count(t.fired.begin(), t.fired.end(), "slow"), 0);
    t.clock.advanceMs(1);
    t.schedule.runDue();
    EXPECT_EQ(std::count(t.fired.begin(), t.fired.end(), "slow"), 1);
}

} // namespace
