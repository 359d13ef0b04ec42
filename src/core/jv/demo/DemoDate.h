#pragma once
// Calendar days and moments of the demo, in Japan time. A small civil-date calculation of our own keeps the
// generator free of time zones and of Qt: the demo only needs whole days, weekdays and minutes of a day.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace renoka::demo {

struct DemoDate {
    int year = 1970;
    int month = 1;
    int day = 1;

    static DemoDate fromDays(int64_t daysSinceEpoch);
    int64_t days() const;
    DemoDate plus(int n) const { return fromDays(days() + n); }
    // 0 Sunday .. 6 Saturday.
    int weekday() const;
    // The weekday code of race records: 1 Saturday, 2 Sunday, 4 Monday .. 8 Friday (no public holidays here).
    int weekdayCode() const;
    std::string ymd() const; // "yyyymmdd"
    std::string md() const;  // "mmdd"
    std::string iso() const; // "yyyy-mm-dd"

    friend bool operator==(const DemoDate&, const DemoDate&) = default;
    friend auto operator<=>(const DemoDate& a, const DemoDate& b) { return a.days() <=> b.days(); }
};

// "YYYY-MM-DD" naming a real day.
std::optional<DemoDate> parseIsoDate(std::string_view text);
// Today in Japan (UTC+9, no daylight saving) from the machine's clock.
DemoDate japanToday();

// A moment of the demo: a day and a minute of it (with seconds for file names that must not collide).
struct Moment {
    DemoDate date;
    int minute = 0; // 0..1439 after normalising
    int second = 0;

    // `minuteOfDay` may lie outside 0..1439 ("the evening before" is -240); the day moves accordingly.
    static Moment at(const DemoDate& date, int minuteOfDay, int second = 0);
    int64_t order() const { return (date.days() * 1440 + minute) * 60 + second; }

    std::string stamp() const;        // "yyyymmddhhnnss"
    std::string announcement() const; // "mmddhhmm" as the records' announcement fields hold it

    friend bool operator==(const Moment&, const Moment&) = default;
    friend auto operator<=>(const Moment& a, const Moment& b) { return a.order() <=> b.order(); }
};

// "hhmm" of a minute of the day.
std::string hhmm(int minuteOfDay);

} // namespace renoka::demo
