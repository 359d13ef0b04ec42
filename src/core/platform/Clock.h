#pragma once
// Japan Standard Time (UTC+9, no daylight saving) whatever the machine's time zone: every race-day decision
// uses it.
#include <QDateTime>
#include <QElapsedTimer>

#include <mutex>

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
    // How many times faster than real time this clock runs while the program waits (a rehearsal with --speed); the
    // timers of a front end tick that much more often, so they keep in step with it.
    virtual int speed() const { return 1; }

    // The program works on a handler from workStarted() to workEnded() (nested calls count as one piece of work).
    // A rehearsal clock runs at the real pace meanwhile; other clocks take no notice.
    virtual void workStarted() const {}
    virtual void workEnded() const {}

    // workStarted() for the lifetime of the scope.
    class WorkScope {
    public:
        explicit WorkScope(const Clock& clock) : m_clock(clock) { m_clock.workStarted(); }
        ~WorkScope() { m_clock.workEnded(); }
        WorkScope(const WorkScope&) = delete;
        WorkScope& operator=(const WorkScope&) = delete;

    private:
        const Clock& m_clock;
    };
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

// A clock that starts at a chosen Japan-time moment and then runs with real time (the demo, --now), or rehearses a
// race day `speed` times faster (--speed). A rehearsal clock runs fast only while the program waits for its
// timers: while a handler works it runs at the real pace, so a fetch takes the clock as long as it would take on
// a real race day and no fetch time is missed because the machine is slower than `speed` would need.
class StartedClock : public Clock {
public:
    explicit StartedClock(const QDateTime& start, int speed = 1);
    QDateTime now() const override;
    qint64 steadyMs() const override;
    int speed() const override { return m_speed; }
    void workStarted() const override;
    void workEnded() const override;

private:
    // Banks the time of the phase that ends now at that phase's pace.
    void bank() const;

    QDateTime m_start;
    int m_speed;
    mutable std::mutex m_mutex;
    mutable QElapsedTimer m_phase;
    mutable qint64 m_banked = 0; // clock milliseconds of the phases before this one
    mutable int m_working = 0;
};

// "YYYY-MM-DD hh:mm[:ss]" as a Japan-time moment; invalid QDateTime when malformed.
QDateTime parseJapanTime(const QString& text);

} // namespace renoka
