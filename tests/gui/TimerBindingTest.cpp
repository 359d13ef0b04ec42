// A QTimer follows the TimerState core keeps: started, stopped and re-timed by sync(), never by the window.
#include "widgets/TimerBinding.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace renoka {
namespace {

TEST(TimerBindingTest, TheQtTimerFollowsCoresStateAtEverySync) {
    QTimer timer;
    TimerState state{false, 40000};
    TimerBinding binding(timer, state);
    binding.sync();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 40000);

    state.enabled = true;
    binding.sync();
    EXPECT_TRUE(timer.isActive());

    // A new interval applies to the running timer.
    state.intervalMs = 600000;
    binding.sync();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 600000);

    state.enabled = false;
    binding.sync();
    EXPECT_FALSE(timer.isActive());
}

} // namespace
} // namespace renoka
