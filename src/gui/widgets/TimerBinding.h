#pragma once
// A QTimer that follows a TimerState of core: core decides when a timer runs and how often, the window only
// ticks it. sync() after every handler starts, stops or re-times the QTimer to match.
#include "text/Controls.h"

#include <QTimer>

namespace renoka {

class TimerBinding {
public:
    TimerBinding(QTimer& timer, const TimerState& state) : m_timer(timer), m_state(state) {}

    void sync() {
        if (m_timer.interval() != m_state.intervalMs) m_timer.setInterval(m_state.intervalMs);
        if (m_timer.isActive() == m_state.enabled) return;
        if (m_state.enabled)
            m_timer.start();
        else
            m_timer.stop();
    }

private:
    QTimer& m_timer;
    const TimerState& m_state;
};

} // namespace renoka
