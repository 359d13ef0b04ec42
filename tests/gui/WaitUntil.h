#pragma once
// Runs the event loop until `done` holds or `timeoutMs` have passed; answers whether it holds.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <functional>

namespace renoka::test {

inline bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return done();
}

} // namespace renoka::test
