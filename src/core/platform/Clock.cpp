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

StartedClock::StartedClock(const QDateTime& start, int speed) : m_start(toJapanTime(start)), m_speed(speed) {
    m_running.start();
}

QDateTime StartedClock::now() const {
    return m_start.addMSecs(steadyMs());
}

qint64 StartedClock::steadyMs() const {
    return m_running.elapsed() * m_speed;
}

QDateTime parseJapanTime(const QString& text) {
    for (const char* format : {"yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm"}) {
        QDateTime local = QDateTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (local.isValid()) return japanDateTime(local.date(), local.time());
    }
    return {};
}

} // namespace renoka
