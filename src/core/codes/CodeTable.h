#pragma once
// Building blocks of the code-table sources. The texts are written in the sources as UTF-8, where they can be
// read and checked against the code tables, and become CP932 once, the first time a table is used.
#include "base/Cp932.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace renoka::codes {

inline constexpr std::string_view FullWidthSpace = "\x81\x40";

template <size_t N> std::array<std::string, N> sjAll(const char* const (&utf8)[N]) {
    std::array<std::string, N> out;
    for (size_t i = 0; i < N; ++i)
        out[i] = sj(utf8[i]);
    return out;
}

// Pads with full-width spaces to `bytes`; a text of odd length gets a blank in the last byte.
// The padded text is built in one allocation and its spaces written in place.
inline std::string padFullWidth(std::string_view text, size_t bytes) {
    std::string out(std::max(bytes, text.size()), ' ');
    text.copy(out.data(), text.size());
    for (size_t i = text.size(); i + 2 <= bytes; i += 2) {
        out[i] = FullWidthSpace[0];
        out[i + 1] = FullWidthSpace[1];
    }
    return out;
}

// Codes written as text ("1", "A"): the field must match exactly.
class TextCodes {
public:
    struct Entry {
        std::string_view code;
        const char* utf8;
    };
    TextCodes(std::initializer_list<Entry> entries, const char* otherUtf8) : m_other(sj(otherUtf8)) {
        m_entries.reserve(entries.size());
        for (const Entry& e : entries)
            m_entries.emplace_back(e.code, sj(e.utf8));
    }
    const std::string& operator[](std::string_view code) const {
        for (const auto& [key, text] : m_entries)
            if (key == code) return text;
        return m_other;
    }

private:
    std::vector<std::pair<std::string_view, std::string>> m_entries;
    std::string m_other;
};

// Codes read as numbers; an entry covers one value or a range of them.
class ValueCodes {
public:
    struct Entry {
        Entry(int value, const char* text) : from(value), to(value), utf8(text) {}
        Entry(int first, int last, const char* text) : from(first), to(last), utf8(text) {}
        int from;
        int to;
        const char* utf8;
    };
    ValueCodes(std::initializer_list<Entry> entries, const char* otherUtf8) : m_other(sj(otherUtf8)) {
        m_entries.reserve(entries.size());
        for (const Entry& e : entries)
            m_entries.push_back({e.from, e.to, sj(e.utf8)});
    }
    const std::string& operator[](int value) const {
        for (const Range& r : m_entries)
            if (value >= r.from && value <= r.to) return r.text;
        return m_other;
    }

private:
    struct Range {
        int from;
        int to;
        std::string text;
    };
    std::vector<Range> m_entries;
    std::string m_other;
};

} // namespace renoka::codes
