// How the entries table and the entries-check grid are drawn. Colours follow the cell texts, not the horse
// numbers, so they stay with their horse after a sort.
#include "analysis/EntriesTable.h"

#include "base/Cp932.h"
#include "text/Fields.h"
#include "text/SortedStringList.h"

#include <array>

namespace renoka {

namespace {

constexpr Color kPaleGreen = Color::rgbOf(0xE1FFE1);
constexpr Color kLightYellow = Color::rgbOf(0xFFFF80);
constexpr Color kLightMagenta = Color::rgbOf(0xFF80FF);
constexpr Color kLightCyan = Color::rgbOf(0xA2FFFF);
constexpr Color kFloralWhite = Color::rgbOf(0xFFFBF0);

Color bracketColor(int bracket, Color sixth) {
    const std::array<Color, 8> byBracket = {colors::White,  colors::Gray, colors::Red,    colors::Blue,
                                            colors::Yellow, sixth,        colors::Orange, colors::Fuchsia};
    return bracket >= 1 && bracket <= 8 ? byBracket[static_cast<size_t>(bracket - 1)] : colors::White;
}

bool isRankColumn(int col) {
    switch (col) {
    case 10:
    case 12:
    case 14:
    case 16:
    case 19:
    case 20:
    case 21:
    case 36:
    case 37:
        return true;
    default:
        return false;
    }
}

// A name without the blanks and full-width spaces that pad it at either end.
std::string_view withoutPadding(std::string_view s) {
    constexpr std::string_view fw = "\x81\x40";
    for (bool changed = true; changed;) {
        changed = false;
        s = trimView(s);
        if (s.starts_with(fw)) {
            s.remove_prefix(2);
            changed = true;
        }
        // A trailing 0x81 0x40 is a full-width space only when 0x81 starts a character.
        if (s.size() >= 2 && s.ends_with(fw)) {
            size_t i = 0;
            while (i + 2 < s.size())
                i += isLeadByte(s[i]) ? 2 : 1;
            if (i == s.size() - 2) {
                s.remove_suffix(2);
                changed = true;
            }
        }
    }
    return s;
}

} // namespace

bool EntriesTable::jockeyChecked(const std::string& jockey) const {
    const SortedStringList& list = m_jockeyCheckList;
    if (list.contains(jockey)) return true;
    // The record pads short names with full-width spaces; a list typed by hand does not.
    const std::string_view name = withoutPadding(jockey);
    if (name.empty()) return false;
    for (const std::string& line : list)
        if (withoutPadding(line) == name) return true;
    return false;
}

CellPaint EntriesTable::paint(int row, int col) const {
    CellPaint p;
    if (row < 0 || row >= StringGrid26.rowCount() || col < 0 || col >= kColCount) return p;
    p.align = Align::Center;
    p.textColor = colors::Black;
    if (row == 0) {
        p.background = colors::Silver;
        return p;
    }
    const std::string& text = StringGrid26.cell(col, row);
    p.background = colors::White;
    if (col == 0) p.background = bracketColor(toInt(text), colors::Green);
    if (col == 1) p.background = colors::InfoBk;
    if (col == 2) p.align = Align::Left;
    if (col == 4) p.background = jockeyChecked(text) ? colors::Aqua : colors::InfoBk;
    if (col >= 9 && col <= 12) p.background = kLightYellow;
    if (col >= 13 && col <= 16) p.background = kLightMagenta;
    if (col >= 36 && col <= 38) p.background = kLightCyan;
    if (col >= 24 && col <= 29) {
        p.background = kPaleGreen;
        p.bold = true;
    }
    if (isRankColumn(col)) {
        p.bold = true;
        const int rank = toInt(text);
        if (rank == 1)
            p.textColor = colors::Red;
        else if (rank == 2 || rank == 3)
            p.textColor = colors::Blue;
    }
    return p;
}

CellPaint EntriesTable::paintCheck(int row, int col) const {
    CellPaint p;
    if (row < 0 || row >= StringGrid8.rowCount() || col < 0 || col >= kCheckColCount) return p;
    p.bold = true;
    p.align = Align::Center;
    p.textColor = colors::Black;
    if (row == 0) {
        p.background = colors::Aqua;
        return p;
    }
    const std::string& text = StringGrid8.cell(col, row);
    switch (col) {
    case 0:
        p.background = bracketColor(toInt(text), colors::Lime);
        break;
    case 1:
        p.background = kFloralWhite;
        break;
    case 2:
    case 4:
        break;
    case 3:
    case 5:
    case 6:
    case 7:
    case 12:
    case 13: {
        p.background = colors::White;
        static constexpr std::array<Color, 3> byRank = {colors::Red, colors::Blue, colors::Green};
        const int rank = toInt(text);
        if (rank >= 1 && rank <= 3) p.textColor = byRank[static_cast<size_t>(rank - 1)];
        break;
    }
    default:
        p.background = colors::White;
        break;
    }
    return p;
}

} // namespace renoka
