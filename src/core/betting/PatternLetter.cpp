#include "betting/PatternLetter.h"

#include <algorithm>

namespace renoka {

char patternLetterOf(const RaceWork& work, int horses) {
    const int n = std::clamp(horses, 0, kHorseCount);
    int favourite = -1;
    int forecastBest = -1;
    for (int h = 0; h < n; ++h) {
        const size_t i = static_cast<size_t>(h);
        if (work.TanNinki[i] == 1 && favourite < 0) favourite = h;
        if (work.TimeMiningRank[i] == 1 && forecastBest < 0) forecastBest = h;
    }
    // Without a market or a forecast, or in a small field, there is nothing to read.
    if (n < kPatternMinField || favourite < 0 || forecastBest < 0) return 'G';
    const double favouriteOdds = work.TanOz[static_cast<size_t>(favourite)];
    const int bestPopularity = work.TanNinki[static_cast<size_t>(forecastBest)];
    // The forecast's best horse was withdrawn or has no odds.
    if (bestPopularity <= 0) return 'G';
    // Market and forecast agree on a solid favourite: no outsider to look for.
    if (forecastBest == favourite && favouriteOdds < kSolidFavouriteOdds) return 'C';
    // The forecast likes a horse the market has all but written off.
    if (bestPopularity >= 6) return 'B';
    if (favouriteOdds >= kWideOpenRaceOdds && n >= 14) return 'D';
    if (favouriteOdds >= kOpenRaceOdds) return 'A';
    // A fancied forecast horse in a big field with a firm favourite.
    if (bestPopularity <= 3 && n >= 12) return 'E';
    return 'F';
}

} // namespace renoka
