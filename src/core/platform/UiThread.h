#pragma once
// How a worker thread (the mail transport's) hands work back to the one user-interface thread: post() may be
// called from any thread; the task runs later on the UI thread, in the order posted.
#include <deque>
#include <functional>
#include <mutex>

namespace renoka {

class UiThread {
public:
    virtual ~UiThread() = default;
    virtual void post(std::function<void()> task) = 0;
};

// The UI thread of a front end without an event loop of its own (the CLI, tests): posted tasks wait in a queue
// until the UI thread runs them, at its next processEvents() or when it waits for them.
class PostedTasks : public UiThread {
public:
    void post(std::function<void()> task) override;
    // Runs every task posted so far, and those they post, on the calling thread. Returns how many ran.
    int runPending();
    bool empty() const;

private:
    mutable std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
};

} // namespace renoka
