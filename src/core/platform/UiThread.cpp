#include "platform/UiThread.h"

#include <utility>

namespace renoka {

void PostedTasks::post(std::function<void()> task) {
    const std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
}

int PostedTasks::runPending() {
    int ran = 0;
    while (true) {
        std::function<void()> task;
        {
            const std::lock_guard lock(m_mutex);
            if (m_tasks.empty()) return ran;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        // Outside the lock: a task may post again.
        task();
        ++ran;
    }
}

bool PostedTasks::empty() const {
    const std::lock_guard lock(m_mutex);
    return m_tasks.empty();
}

} // namespace renoka
