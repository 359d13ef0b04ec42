#pragma once
// The UI thread port over Qt's event loop: a task posted from any thread runs in the loop of the thread that
// made this object (the GUI thread), in the order posted.
#include "platform/UiThread.h"

#include <QObject>

namespace renoka {

class QtUiThread : public UiThread {
public:
    void post(std::function<void()> task) override;

private:
    QObject m_context; // lives in the GUI thread; tasks are queued to it
};

} // namespace renoka
