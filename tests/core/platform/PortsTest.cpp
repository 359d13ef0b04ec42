// The seams the ports give every subsystem: the desktop's unattended mode, tasks posted back to the UI thread,
// and the steady time of the clocks.
#include "base/Cp932.h"
#include "platform/Clock.h"
#include "platform/ConsoleDesktop.h"
#include "platform/UiThread.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>
#include <vector>

using namespace renoka;
using namespace renoka::test;

namespace {

TEST(UnattendedDesktopTest, NoDialogOpensAndEveryQuestionIsAnsweredNoForTheLengthOfTheScope) {
    ScriptedDesktop desktop;
    {
        const Desktop::UnattendedScope outer(desktop);
        {
            const Desktop::UnattendedScope inner(desktop);
            desktop.information(sj("取込みました"));
        }
        // Still unattended after the inner scope: scopes nest.
        EXPECT_TRUE(desktop.unattended());
        // No answer is queued: a question that reached the script would fail the test.
        EXPECT_FALSE(desktop.confirm(sj("投票しますか？")));
    }
    EXPECT_FALSE(desktop.unattended());
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(desktop.unattendedMessages, (std::vector<std::string>{"取込みました", "投票しますか？"}));

    desktop.expectConfirm(true);
    EXPECT_TRUE(desktop.confirm(sj("投票しますか？")));
    EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST(UnattendedDesktopTest, AnInactiveScopeLeavesTheDesktopAttended) {
    ScriptedDesktop desktop;
    const Desktop::UnattendedScope scope(desktop, false);
    desktop.information(sj("表示"));
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"表示"});
}

TEST(UnattendedDesktopTest, TheConsoleStillPrintsWhatItWouldHaveShown) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ConsoleDesktop desktop(true, out);
    std::vector<std::string> heard;
    desktop.onUnattendedMessage = [&](const std::string& m) { heard.push_back(toUtf8(m)); };
    {
        const Desktop::UnattendedScope scope(desktop);
        // --yes answers people, not timers.
        EXPECT_FALSE(desktop.confirm(sj("削除しますか？")));
    }
    EXPECT_TRUE(desktop.confirm(sj("削除しますか？")));
    std::fclose(out);
    EXPECT_EQ(heard, std::vector<std::string>{"削除しますか？"});
}

TEST(PostedTasksTest, TasksPostedFromOtherThreadsRunOnTheCallingThreadInOrder) {
    PostedTasks tasks;
    std::vector<int> ran;
    const std::thread::id uiThread = std::this_thread::get_id();
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            tasks.post([&, i] {
                EXPECT_EQ(std::this_thread::get_id(), uiThread);
                ran.push_back(i);
            });
    });
    worker.join();
    EXPECT_TRUE(ran.empty()) << "nothing runs until the UI thread asks";
    EXPECT_EQ(tasks.runPending(), 100);
    ASSERT_EQ(ran.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(ran[static_cast<size_t>(i)], i);
    EXPECT_TRUE(tasks.empty());
}

TEST(PostedTasksTest, ATaskThatPostsAgainRunsInTheSameTurnAndTheConsoleRunsThemWhileProcessingEvents) {
    PostedTasks tasks;
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    ConsoleDesktop desktop(false, out, &tasks);
    int second = 0;
    tasks.post([&] { tasks.post([&] { ++second; }); });
    desktop.processEvents();
    std::fclose(out);
    EXPECT_EQ(second, 1);
    EXPECT_TRUE(tasks.empty());
}

TEST(SteadyTimeTest, AFakeClockSetBackKeepsItsSteadyTime) {
    FakeClock clock("2026-12-08 10:00:00");
    clock.advanceMs(1500);
    EXPECT_EQ(clock.steadyMs(), 1500);
    clock.set("2026-12-08 09:00:00");
    EXPECT_EQ(clock.steadyMs(), 1500);
    clock.set("2026-12-08 09:00:02");
    EXPECT_EQ(clock.steadyMs(), 3500);
}

TEST(SteadyTimeTest, AStartedClockRunsItsSpeedTimesFaster) {
    const QDateTime start = parseJapanTime(QStringLiteral("2026-12-06 09:30"));
    StartedClock clock(start, 120);
    const qint64 steady = clock.steadyMs();
    const qint64 elapsed = start.msecsTo(clock.now());
    EXPECT_EQ(clock.speed(), 120);
    EXPECT_GE(elapsed, steady);
    // The steady time and the time of day run together, a multiple of 120 ms of Japan time per real ms.
    EXPECT_EQ(steady % 120, 0);
    EXPECT_FALSE(clock.followsMachineClock());
    EXPECT_TRUE(SystemClock().followsMachineClock());
}

} // namespace
