#include "jv/demo/Brackets.h"

namespace renoka::demo {

int bracketOf(int registered, int horseNumber) {
    if (horseNumber < 1 || horseNumber > registered || registered > 18) return 0;
    if (registered <= 8) return horseNumber;
    const int base = registered / 8;
    const int fuller = registered % 8; // the last `fuller` brackets take base + 1 horses
    const int thinBrackets = 8 - fuller;
    const int inThin = thinBrackets * base;
    if (horseNumber <= inThin) return (horseNumber - 1) / base + 1;
    return thinBrackets + (horseNumber - inThin - 1) / (base + 1) + 1;
}

} // namespace renoka::demo
