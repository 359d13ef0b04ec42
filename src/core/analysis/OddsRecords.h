#pragma once
// The odds records O1..O6 as tables: field positions, the special texts, and the popularity of the win and
// place odds. Pure functions over a record image and a work record; no files.
#include "store/RaceWork.h"
#include "text/SortedStringList.h"

#include <string_view>

namespace renoka {

// Odds values that are not odds.
inline constexpr double kOzNoVotes = 0.0;
inline constexpr double kOzCancelled = -1.0; // "----" or "****": sale cancelled before or after it opened
inline constexpr double kOzNoEntry = -2.0;   // blanks: no such horse or combination

// An odds field in tenths: all '-' or all '*' is a cancelled sale, blanks are no entry, anything else is the
// number divided by ten (text that is not a number reads as 0, like "0000": no votes).
double oddsValue(std::string_view field);

// Where one bet type keeps its combinations in its record (1-based positions of combination 1).
struct ComboLayout {
    int kind;    // odds record 1..6
    int count;   // combinations
    int stride;  // bytes per combination
    int oddsPos; // odds of combination 1
    int oddsLen;
    int ninkiPos; // popularity of combination 1
    int ninkiLen;
};

inline constexpr ComboLayout kWakurenLayout{1, 36, 9, 606, 5, 611, 2};
inline constexpr ComboLayout kUmarenLayout{2, 153, 13, 45, 6, 51, 3};
inline constexpr ComboLayout kWideLayout{3, 153, 17, 45, 5, 55, 3}; // the lowest odds only
inline constexpr ComboLayout kUmatanLayout{4, 306, 13, 45, 6, 51, 3};
inline constexpr ComboLayout kSanpukuLayout{5, 816, 15, 47, 6, 53, 3};
inline constexpr ComboLayout kSantanLayout{6, 4896, 17, 47, 7, 54, 4};

// Reads every combination of the layout into oz[1..count] and ninki[1..count]. A combination with odds of 0 or
// more takes the record's popularity; a cancelled or missing one keeps popularity 0.
void readCombinations(std::string_view image, const ComboLayout& layout, double* oz, int32_t* ninki);

// The three lists the win and place popularities are numbered from; kept by the caller so that their storage
// is reused from race to race.
struct HorseRankLists {
    SortedStringList tan;
    SortedStringList fukuMin;
    SortedStringList fukuMax;
};

// Win and place odds of horses 1..horses from an O1 image, and their popularities. The popularity fields of
// the record are not used: a popularity is the place of the horse's odds among the horses that have odds,
// equal odds ordered by the other odds value and then by the lower horse number.
void readWinPlace(std::string_view o1, int horses, RaceWork& work, HorseRankLists& lists);

// Clears what the odds intake rebuilds for a race: the win and place tables, every combination table and the
// per-bracket values, and the axis and partner marks picked from the old odds.
void clearOddsTables(RaceWork& work);

} // namespace renoka
