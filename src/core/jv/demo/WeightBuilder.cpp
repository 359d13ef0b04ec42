#include "jv/demo/WeightBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"

#include <cstdlib>

namespace renoka::demo {

std::string buildWh(const DemoWorld& world, const Race& race, const Moment& announced) {
    RecordImage r("WH", records::WH);
    r.header('1', announced.date);
    r.text(12, 16, race.key());
    r.text(28, 8, announced.announcement());
    for (const Runner& runner : race.runners) {
        const int at = 36 + 45 * (runner.number - 1);
        r.num(at, 2, runner.number);
        r.wide(at + 2, 36, world.horses[static_cast<size_t>(runner.horse)].name);
        if (runner.scratched) {
            r.num(at + 38, 3, 0);
            continue; // sign and change stay blank
        }
        r.num(at + 38, 3, runner.bodyWeight);
        if (runner.firstStart) continue;
        r.text(at + 41, 1, runner.bodyChange > 0 ? "+" : runner.bodyChange < 0 ? "-" : " ");
        r.num(at + 42, 3, std::abs(runner.bodyChange));
    }
    return r.take();
}

} // namespace renoka::demo
