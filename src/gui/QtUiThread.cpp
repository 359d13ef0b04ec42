#include "QtUiThread.h"

#include <QMetaObject>

namespace renoka {

void QtUiThread::post(std::function<void()> task) {
    QMetaObject::invokeMethod(&m_context, std::move(task), Qt::QueuedConnection);
}

} // namespace renoka
