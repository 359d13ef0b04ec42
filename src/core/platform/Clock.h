#pragma once
// Japan Standard Time (UTC+9, no daylight saving) whatever the machine's time zone: every race-day decision
// uses it.
#include <QDateTime>

namespace renoka {

class Clock {
public:
    virtual ~Clock() = default;
    // Now in Japan time: a QDateTime with an offset of +9 hours.
    virtual QDateTime now() const = 0;
};

// The Japan time of a UTC moment.
QDateTime toJapanTime(const QDateTime& moment);
// A Japan-time moment from its date and time of day.
QDateTime japanDateTime(const QDate& date, const QTime& time);

// The machine's clock.
class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

// A clock that starts at a chosen Japan-time moment and then runs with real time (the demo and --now).
class StartedClock : public Clock {
public:
    explicit StartedClock(const QDateTime& start);
    QDateTime now() const override;

private:
    QDateTime m_start;
    qint64 m_startedAtMs;
};

// "YYYY-MM-DD hh:mm[:ss]" as a Japan-time moment; invalid QDateTime when malformed.
QDateTime parseJapanTime(const QString& text);

} // namespace renoka
