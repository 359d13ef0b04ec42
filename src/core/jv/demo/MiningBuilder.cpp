#include "jv/demo/MiningBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"

namespace renoka::demo {

std::string buildDm(const Race& race, const MiningStamp& stamp) {
    RecordImage r("DM", records::DM);
    r.header(stamp.dataKind, stamp.made);
    r.text(12, 16, race.key());
    r.text(28, 4, hhmm(stamp.minute));
    for (const Runner& runner : race.runners) {
        const int at = 32 + 15 * (runner.number - 1);
        const bool none = stamp.afterScratch && runner.scratched;
        r.num(at, 2, runner.number);
        r.num(at + 2, 5, none ? 0 : runner.dmTime);
        r.num(at + 7, 4, none ? 0 : runner.dmPlus);
        r.num(at + 11, 4, none ? 0 : runner.dmMinus);
    }
    return r.take();
}

std::string buildTm(const Race& race, const MiningStamp& stamp) {
    RecordImage r("TM", records::TM);
    r.header(stamp.dataKind, stamp.made);
    r.text(12, 16, race.key());
    r.text(28, 4, hhmm(stamp.minute));
    for (const Runner& runner : race.runners) {
        const int at = 32 + 6 * (runner.number - 1);
        r.num(at, 2, runner.number);
        r.num(at + 2, 4, stamp.afterScratch && runner.scratched ? 0 : runner.tmScore);
    }
    return r.take();
}

} // namespace renoka::demo
