#include "analysis/OddsRecords.h"

#include "text/Fields.h"
#include "text/Format.h"

#include <algorithm>

namespace renoka {

namespace {

bool allOf(std::string_view s, char c) {
    return std::all_of(s.begin(), s.end(), [c](char x) { return x == c; });
}

double tenths(std::string_view s) {
    return toInt(s) / 10.0;
}

// Gives each horse named by a key its place in the list (1 = first); the horse number is the key's last two
// characters (13-14).
void number(const SortedStringList& list, std::array<int32_t, kHorseCount>& ninki) {
    int place = 0;
    for (const std::string& key : list) {
        ++place;
        const int horse = toInt(field(key, 13, 2));
        if (horse >= 1 && horse <= kHorseCount) ninki[static_cast<size_t>(horse - 1)] = place;
    }
}

} // namespace

// Reads a field of plain digits; false for anything else. Odds fields are nearly always plain digits, and a
// day's load reads some 200,000 of them.
static bool plainDigits(std::string_view text, int& value) {
    if (text.empty()) return false;
    int v = 0;
    for (char c : text) {
        const unsigned d = static_cast<unsigned>(c - '0');
        if (d > 9) return false;
        v = v * 10 + static_cast<int>(d);
    }
    value = v;
    return true;
}

double oddsValue(std::string_view text) {
    if (int v = 0; plainDigits(text, v)) return v / 10.0;
    const std::string_view t = trimView(text);
    if (t.empty()) return kOzNoEntry;
    if (allOf(t, '-') || allOf(t, '*')) return kOzCancelled;
    return tenths(t);
}

void readCombinations(std::string_view image, const ComboLayout& layout, double* oz, int32_t* ninki) {
    if (layout.count <= 0) return;
    // A record that holds every field of the layout (a stored image always does) is read in place; anything
    // shorter goes field by field, each cut where the record ends.
    const size_t last = static_cast<size_t>(layout.stride) * static_cast<size_t>(layout.count - 1);
    const size_t needed = last + static_cast<size_t>(std::max(layout.oddsPos + layout.oddsLen - 1,
                                                              layout.ninkiPos + layout.ninkiLen - 1));
    if (layout.oddsPos >= 1 && layout.ninkiPos >= 1 && layout.oddsLen > 0 && layout.ninkiLen > 0 &&
        image.size() >= needed) {
        const char* odds = image.data() + layout.oddsPos - 1;
        const char* ranks = image.data() + layout.ninkiPos - 1;
        const auto oddsLen = static_cast<size_t>(layout.oddsLen);
        const auto ninkiLen = static_cast<size_t>(layout.ninkiLen);
        for (int k = 0; k < layout.count; ++k, odds += layout.stride, ranks += layout.stride) {
            const std::string_view oddsText(odds, oddsLen);
            int v = 0;
            // Plain digits and all blanks (no such combination) are most fields; the rest are read as usual.
            const double value = plainDigits(oddsText, v) ? v / 10.0
                                 : allOf(oddsText, ' ')   ? kOzNoEntry
                                                          : oddsValue(oddsText);
            oz[k + 1] = value;
            const std::string_view ninkiText(ranks, ninkiLen);
            int n = 0;
            ninki[k + 1] = value < 0 ? 0 : plainDigits(ninkiText, n) ? n : toInt(ninkiText);
        }
        return;
    }
    for (int k = 0; k < layout.count; ++k) {
        const int step = layout.stride * k;
        const double value = oddsValue(field(image, layout.oddsPos + step, layout.oddsLen));
        oz[k + 1] = value;
        const std::string_view ninkiText = field(image, layout.ninkiPos + step, layout.ninkiLen);
        int n = 0;
        ninki[k + 1] = value < 0 ? 0 : plainDigits(ninkiText, n) ? n : toInt(ninkiText);
    }
}

void readWinPlace(std::string_view o1, int horses, RaceWork& work, HorseRankLists& lists) {
    lists.tan.clear();
    lists.fukuMin.clear();
    lists.fukuMax.clear();
    // The registered count comes from the race record; the tables hold 18 horses whatever it says.
    const int n = std::clamp(horses, 0, kHorseCount);
    for (int i = 1; i <= n; ++i) {
        const auto h = static_cast<size_t>(i - 1);
        work.TanOz[h] = oddsValue(field(o1, 46 + 8 * (i - 1), 4));
        // A cancelled or missing place entry is decided by its lowest odds and holds for the highest too.
        const double low = oddsValue(field(o1, 270 + 12 * (i - 1), 4));
        if (low < 0) {
            work.FukuOzMin[h] = low;
            work.FukuOzMax[h] = low;
        } else {
            work.FukuOzMin[h] = low;
            work.FukuOzMax[h] = tenths(field(o1, 274 + 12 * (i - 1), 4));
        }
        if (work.TanOz[h] > 0) lists.tan.add(fmt("%6.1f%6.1f%2d", work.TanOz[h], work.FukuOzMin[h], i));
        if (work.FukuOzMin[h] > 0) lists.fukuMin.add(fmt("%6.1f%6.1f%2d", work.FukuOzMin[h], work.FukuOzMax[h], i));
        if (work.FukuOzMax[h] > 0) lists.fukuMax.add(fmt("%6.1f%6.1f%2d", work.FukuOzMax[h], work.FukuOzMin[h], i));
    }
    number(lists.tan, work.TanNinki);
    number(lists.fukuMin, work.FukuMinNinki);
    number(lists.fukuMax, work.FukuMaxNinki);
}

void clearOddsTables(RaceWork& work) {
    for (auto* table : {&work.TanOz, &work.FukuOzMin, &work.FukuOzMax})
        table->fill(0.0);
    for (auto* table : {&work.TanNinki, &work.FukuMinNinki, &work.FukuMaxNinki})
        table->fill(0);
    work.WakuOz.fill(0.0);
    work.WakuNinki.fill(0);
    work.UmarenOz.fill(0.0);
    work.UmarenNinki.fill(0);
    work.WideOz.fill(0.0);
    work.WideNinki.fill(0);
    work.UmatanOz.fill(0.0);
    work.UmatanNinki.fill(0);
    work.SanpukuOz.fill(0.0);
    work.SanpukuNinki.fill(0);
    work.SantanOz.fill(0.0);
    work.SantanNinki.fill(0);
    work.BracketNinki.fill(0);
    work.BracketRate.fill(0.0);
    // New odds make the marks picked from the old ones stale; the exclusion mark stays until the next day.
    for (auto* marks : {&work.AxisMark, &work.Partner1Mark, &work.Partner2Mark})
        marks->fill(0);
}

} // namespace renoka
