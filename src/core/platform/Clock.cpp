#include "platform/Clock.h"

#include <QTimeZone>

namespace renoka {

namespace {
constexpr int kJapanOffsetSeconds = 9 * 3600;
}

QDateTime toJapanTime(const QDateTime& moment) {
    return moment.toOffsetFromUtc(kJapanOffsetSeconds);
}

QDateTime japanDateTime(const QDate& date, const QTime& time) {
    return QDateTime(date, time, QTimeZone(kJapanOffsetSeconds));
}

QDateTime SystemClock::now() const {
    return toJapanTime(QDateTime::currentDateTimeUtc());
}

StartedClock::StartedClock(const QDateTime& start, int speed)
    : m_start(toJapanTime(start)), m_speed(speed < 1 ? 1 : speed) {
    m_phase.start();
}

QDateTime StartedClock::now() const {
    return m_start.addMSecs(steadyMs());
}

qint64 StartedClock::steadyMs() const {
    const std::lock_guard lock(m_mutex);
    return m_banked + m_phase.elapsed() * (m_working > 0 ? 1 : m_speed);
}

void StartedClock::bank() const {
    m_banked += m_phase.restart() * (m_working > 0 ? 1 : m_speed);
}

void StartedClock::workStarted() const {
    const std::lock_guard lock(m_mutex);
    if (m_working == 0) bank();
    ++m_working;
}

void StartedClock::workEnded() const {
    const std::lock_guard lock(m_mutex);
    if (m_working == 1) bank();
    if (m_working > 0) --m_working;
}

QDateTime parseJapanTime(const QString& text) {
    for (const char* format : {"yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm"}) {
        QDateTime local = QDateTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (local.isValid()) return japanDateTime(local.date(), local.time());
    }
    return {};
}

} // namespace renoka
