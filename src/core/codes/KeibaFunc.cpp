// Number, time and mark texts. The code tables proper live in CodeTexts.cpp, RaceTexts.cpp and JyoName.cpp.
#include "codes/KeibaFunc.h"

#include "codes/CodeTable.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <algorithm>

namespace renoka {

using codes::FullWidthSpace;

std::string NumText(std::string_view s) {
    const int value = toInt(s);
    if (value == 0) return std::string(s.size(), ' ');
    return fmt("%*d", static_cast<int>(s.size()), value);
}

std::string TenthsText(std::string_view s) {
    const int value = toInt(s);
    if (value == 0) return std::string(s.size(), ' ');
    return fmt("%*.1f", static_cast<int>(s.size()) - 1, value / 10.0);
}

std::string TenthsTextWide(std::string_view s) {
    const int value = toInt(s);
    if (value == 0) return std::string(s.size(), ' ');
    return fmt("%*.1f", static_cast<int>(s.size()) + 1, value / 10.0);
}

std::string TimeText(std::string_view s) {
    // Running times and time differences share the layout; "999", "9999" and "0000" are how the records say
    // there is no time (the horse did not finish, or the race has no result yet).
    const std::string_view rest = trimView(field(s, 2, 3));
    const std::string_view whole = trimView(s);
    if (rest.empty() || rest == "999" || whole == "9999" || whole == "0000") return std::string(5, ' ');
    std::string out(field(s, 1, 1));
    out += fmt("%2d", toInt(field(s, 2, 2)));
    out += '.';
    out += field(s, 4, 1);
    return out;
}

std::string TimeTextDots(std::string_view s) {
    if (s == "0000") return std::string(6, ' ');
    std::string out;
    if (s.size() == 4 && s[0] != '0' && s[0] != ' ') {
        out += s[0];
        out += '.';
    } else {
        out = "  ";
    }
    out += field(s, 2, 2);
    out += '.';
    out += field(s, 4, 1);
    return out;
}

namespace {

// At least two digits, the sign in front: -5 gives "-05".
std::string twoDigits(long long value) {
    if (value < 0) return fmt("-%02lld", -value);
    return fmt("%02lld", value);
}

} // namespace

std::string ShiftTime(std::string_view hhmm, int minutes) {
    if (trimView(hhmm).empty()) return {};
    // No wrap-around at midnight: a time moved before 00:00 keeps its minus sign, never equals a real "hhmm"
    // and so is simply never reached by the timers that compare times as text.
    const long long total = toInt(field(hhmm, 1, 2)) * 60LL + toInt(field(hhmm, 3, 2)) + minutes;
    return twoDigits(total / 60) + twoDigits(total % 60);
}

std::string OverwriteAt(std::string_view s, std::string_view part, int pos) {
    std::string out(s);
    // A position past the end removes nothing and appends; one before the start inserts in front.
    if (pos >= 1 && static_cast<size_t>(pos) <= out.size()) out.erase(static_cast<size_t>(pos - 1), part.size());
    const size_t at = pos < 1 ? 0 : std::min(static_cast<size_t>(pos - 1), out.size());
    out.insert(at, part);
    return out;
}

std::string StripFullWidthSpaces(std::string_view s) {
    // Walk by characters: 0x81 0x40 can also be the trail byte of one character followed by an "@".
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        if (isLeadByte(s[i]) && i + 1 < s.size()) {
            if (s.substr(i, 2) != FullWidthSpace) out.append(s.substr(i, 2));
            i += 2;
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string FullWidthDigit(std::string_view s) {
    static const auto digits = codes::sjAll({"１", "２", "３", "４", "５", "６", "７", "８", "９"});
    const int value = toInt(s);
    if (value >= 1 && value <= 9) return digits[static_cast<size_t>(value - 1)];
    if (value >= 10 && value <= 18) return std::string(s);
    return std::string(FullWidthSpace);
}

std::string CircledNumber(std::string_view s) {
    static const auto circled =
        codes::sjAll({"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱"});
    static const std::string none = sj("－");
    const int value = toInt(s);
    if (value >= 1 && value <= 18) return circled[static_cast<size_t>(value - 1)];
    return none;
}

std::string MonthLetter(std::string_view s) {
    // One character per month keeps file names that carry a date short.
    const int month = toInt(s);
    if (month >= 1 && month <= 9) return std::string(1, static_cast<char>('0' + month));
    if (month >= 10 && month <= 12) return std::string(1, static_cast<char>('a' + month - 10));
    return {};
}

} // namespace renoka
