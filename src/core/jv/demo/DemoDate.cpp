#include "jv/demo/DemoDate.h"

#include "text/Format.h"

#include <chrono>

namespace renoka::demo {

// Days from and to the civil calendar after H. Hinnant's well-known algorithms (proleptic Gregorian).
DemoDate DemoDate::fromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

int64_t DemoDate::days() const {
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DemoDate::weekday() const {
    // Day 0 (1970-01-01) was a Thursday.
    return static_cast<int>((days() % 7 + 11) % 7);
}

int DemoDate::weekdayCode() const {
    static constexpr int codes[7] = {2, 4, 5, 6, 7, 8, 1};
    return codes[weekday()];
}

std::string DemoDate::ymd() const {
    return fmt("%04d%02d%02d", year, month, day);
}
std::string DemoDate::md() const {
    return fmt("%02d%02d", month, day);
}
std::string DemoDate::iso() const {
    return fmt("%04d-%02d-%02d", year, month, day);
}

std::optional<DemoDate> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto digits = [&](size_t from, size_t n) {
        int v = 0;
        for (size_t i = from; i < from + n; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const DemoDate date{digits(0, 4), digits(5, 2), digits(8, 2)};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return std::nullopt;
    // A day past the end of its month comes back from the round trip as another day.
    if (DemoDate::fromDays(date.days()) != date) return std::nullopt;
    return date;
}

DemoDate japanToday() {
    using namespace std::chrono;
    const auto seconds = duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch()).count();
    const int64_t japan = seconds + 9 * 3600;
    return DemoDate::fromDays(japan >= 0 ? japan / 86400 : (japan - 86399) / 86400);
}

Moment Moment::at(const DemoDate& date, int minuteOfDay, int second) {
    int dayShift = 0;
    while (minuteOfDay < 0) {
        minuteOfDay += 1440;
        --dayShift;
    }
    dayShift += minuteOfDay / 1440;
    minuteOfDay %= 1440;
    return {date.plus(dayShift), minuteOfDay, second};
}

std::string Moment::stamp() const {
    return date.ymd() + fmt("%02d%02d%02d", minute / 60, minute % 60, second);
}
std::string Moment::announcement() const {
    return date.md() + hhmm(minute);
}

std::string hhmm(int minuteOfDay) {
    return fmt("%02d%02d", minuteOfDay / 60, minuteOfDay % 60);
}

} // namespace renoka::demo
