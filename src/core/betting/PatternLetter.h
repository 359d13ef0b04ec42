#pragma once
// The pattern letter of a race, "A" to "G", from its win market and its time forecasts: how strong the favourite
// is, whether the forecast's best horse is one the market fancies, and how big the field is. The pattern axis
// picks its horse by the letter; docs/marks.md gives the rule and what each letter means for the pick.
#include "store/RaceWork.h"

namespace renoka {

// Odds at which a favourite counts as solid, and as weak (an open race).
inline constexpr double kSolidFavouriteOdds = 2.0;
inline constexpr double kOpenRaceOdds = 3.0;
inline constexpr double kWideOpenRaceOdds = 4.0;
// Fewest runners for a letter that picks a horse.
inline constexpr int kPatternMinField = 8;

// The letter of a race with `horses` runners (its field size) from its work record.
char patternLetterOf(const RaceWork& work, int horses);

} // namespace renoka
