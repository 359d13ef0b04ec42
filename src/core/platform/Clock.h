#pragma once
// Japan Standard Time (UTC+9, no daylight saving) whatever the machine's time zone: every race-day decision
// uses it.
#include <QDateTime>
#include <QElapsedTimer>

namespace renoka {

class Clock {
public:
    virtual ~Clock() = default;
    // Now in Japan time: a QDateTime with an offset of +9 hours.
    virtual QDateTime now() const = 0;
    // Whether this is the machine's own clock, rather than one started at a chosen moment (--now) or a test's.
    virtual bool followsMachineClock() const { return false; }
    // Milliseconds on a clock that only runs forward at the pace of now(), for measuring how long something takes
    // (a download): unlike now(), a change of the machine's time never makes it jump.
    virtual qint64 steadyMs() const = 0;
};

// The Japan time of a UTC moment.
QDateTime toJapanTime(const QDateTime& moment);
// A Japan-time moment from its date and time of day.
QDateTime japanDateTime(const QDate& date, const QTime& time);

// The machine's clock.
class SystemClock : public Clock {
public:
    SystemClock() { m_steady.start(); }
    QDateTime now() const override;
    bool followsMachineClock() const override { return true; }
    qint64 steadyMs() const override { return m_steady.elapsed(); }

private:
    QElapsedTimer m_steady;
};

// A clock that starts at a chosen Japan-time moment and then runs with real time, or `speed` times faster (the
// demo, --now and the rehearsal of a race day with --speed).
class StartedClock : public Clock {
public:
    explicit StartedClock(const QDateTime& start, int speed = 1);
    QDateTime now() const override;
    qint64 steadyMs() const override;
    int speed() const { return m_speed; }

private:
    QDateTime m_start;
    int m_speed;
    QElapsedTimer m_running;
};

// "YYYY-MM-DD hh:mm[:ss]" as a Japan-time moment; invalid QDateTime when malformed.
QDateTime parseJapanTime(const QString& text);

} // namespace renoka
