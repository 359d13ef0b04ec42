#pragma once
// The timers of a front end without an event loop (the command line's live day): each timer's TimerState says
// whether it runs and how often, in the clock's milliseconds; the schedule runs a timer's handler when its
// interval has passed on the clock's steady time, as a window's timer would fire. A timer that falls behind (a
// long handler) fires once, not once for every interval it missed.
#include "platform/Clock.h"
#include "text/Controls.h"

#include <functional>
#include <vector>

namespace renoka {

class TimerSchedule {
public:
    explicit TimerSchedule(const Clock& clock) : m_clock(clock) {}

    // The handler runs whenever the state's interval has passed since the timer was switched on or last ran. A
    // timer whose interval is not above 0 never fires.
    void add(const TimerState& state, std::function<void()> handler);
    // Runs every timer that is due now, in the order they were added; returns how many ran.
    int runDue();
    // The clock's milliseconds until the next timer is due (0 when one is due now), or -1 when none runs.
    qint64 msUntilNext();

private:
    struct Entry {
        const TimerState* state;
        std::function<void()> handler;
        bool running = false; // seen switched on at the last look
        int intervalMs = 0;
        qint64 dueMs = 0;
    };
    // Follows a timer switched on or off, or given another interval, since the last look.
    void follow(Entry& entry, qint64 now);

    const Clock& m_clock;
    std::vector<Entry> m_entries;
};

} // namespace renoka
