#include "platform/TimerSchedule.h"

#include <algorithm>

namespace renoka {

void TimerSchedule::add(const TimerState& state, std::function<void()> handler) {
    m_entries.push_back({&state, std::move(handler)});
}

void TimerSchedule::follow(Entry& e, qint64 now) {
    const bool on = e.state->enabled && e.state->intervalMs > 0;
    // Switched on, or re-timed: the first tick comes one whole interval later, as with a window's timer.
    if (on && (!e.running || e.intervalMs != e.state->intervalMs)) e.dueMs = now + e.state->intervalMs;
    e.running = on;
    e.intervalMs = e.state->intervalMs;
}

int TimerSchedule::runDue() {
    int ran = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const qint64 now = m_clock.steadyMs();
        follow(m_entries[i], now);
        if (!m_entries[i].running || now < m_entries[i].dueMs) continue;
        m_entries[i].dueMs = now + m_entries[i].intervalMs;
        // The handler may switch timers on and off (its own too); the next look follows that.
        const std::function<void()> handler = m_entries[i].handler;
        handler();
        ++ran;
    }
    return ran;
}

qint64 TimerSchedule::msUntilNext() {
    const qint64 now = m_clock.steadyMs();
    qint64 next = -1;
    for (Entry& e : m_entries) {
        follow(e, now);
        if (!e.running) continue;
        const qint64 wait = std::max<qint64>(0, e.dueMs - now);
        if (next < 0 || wait < next) next = wait;
    }
    return next;
}

} // namespace renoka
