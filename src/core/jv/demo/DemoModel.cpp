#include "jv/demo/DemoModel.h"

#include "text/Format.h"

namespace renoka::demo {

std::string Race::key() const {
    return date.ymd() + course + fmt("%02d%02d%02d", kai, nichi, number);
}

int Race::starters() const {
    int n = 0;
    for (const auto& r : runners)
        if (!r.scratched) ++n;
    return n;
}

int Race::finishers() const {
    int n = 0;
    for (const auto& r : runners)
        if (!r.scratched && r.abnormal == 0) ++n;
    return n;
}

int resultMinute(const Race& race) {
    int winner = 0;
    for (const auto& r : race.runners)
        if (r.finish == 1) winner = r.time;
    const int raceMinutes = (winner + 599) / 600; // tenths of a second to whole minutes, rounded up
    return race.post + (raceMinutes > 0 ? raceMinutes : 2) + 1;
}

} // namespace renoka::demo
