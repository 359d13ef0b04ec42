#pragma once
// A QTimer that follows a TimerState of core: core decides when a timer runs and how often, the window only
// ticks it. sync() after every handler starts, stops or re-times the QTimer to match. The intervals are the
// program clock's: a clock that runs `speed` times faster (a rehearsed race day) has its timers tick that much
// more often, so they keep in step with it.
#include "platform/Clock.h"
#include "text/Controls.h"

#include <QTimer>

#include <algorithm>

namespace renoka {

class TimerBinding {
public:
    // Nothing in a window needs ticks closer together than this, and closer ones would starve its painting.
    static constexpr int kShortestMs = 10;

    // A timer of the dialogs, which tick in real time whatever the clock does.
    TimerBinding(QTimer& timer, const TimerState& state) : m_timer(timer), m_state(state) {}
    // A timer of the program clock.
    TimerBinding(QTimer& timer, const TimerState& state, const Clock& clock)
        : m_timer(timer), m_state(state), m_clock(&clock), m_speed(std::max(1, clock.speed())) {}

    void sync() {
        const int interval = std::max(kShortestMs, m_state.intervalMs / m_speed);
        if (m_timer.interval() != interval) m_timer.setInterval(interval);
        // An interval that is not above 0 leaves the timer without effect.
        const bool on = m_state.enabled && m_state.intervalMs > 0;
        if (m_timer.isActive() == on) return;
        if (on) {
            m_timer.start();
            if (m_clock) m_lastMs = m_clock->steadyMs();
        } else {
            m_timer.stop();
        }
    }

    // Whether the timer's interval has passed on the clock since it last fired; true marks it fired now. A
    // rehearsal clock runs at the real pace while a handler works, so ticks that come meanwhile are too early for
    // the clock and are let go.
    bool due() {
        if (!m_clock) return true;
        const qint64 now = m_clock->steadyMs();
        // A window's timer may come a little early; a tenth of the interval is let pass.
        if (now - m_lastMs < m_state.intervalMs - m_state.intervalMs / 10) return false;
        m_lastMs = now;
        return true;
    }

private:
    QTimer& m_timer;
    const TimerState& m_state;
    const Clock* m_clock = nullptr;
    int m_speed = 1;
    qint64 m_lastMs = 0;
};

} // namespace renoka
