#include "jv/demo/RaBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"

namespace renoka::demo {

std::string buildRa(const Race& race, char dataKind, const DemoDate& made, bool withResults) {
    RecordImage r("RA", records::RA);
    r.header(dataKind, made);
    r.text(12, 16, race.key());
    r.num(28, 1, race.date.weekdayCode());
    r.num(29, 4, race.specialNo);
    r.wide(33, 60, race.title);
    r.wide(93, 60, "");
    r.wide(153, 60, "");
    r.text(213, 120, race.titleLatin);
    r.text(333, 120, "");
    r.text(453, 120, "");
    r.wide(573, 20, race.short10);
    r.wide(593, 12, race.short6);
    r.wide(605, 6, race.short3);
    r.num(611, 1, race.runningNo > 0 ? 1 : 0);
    r.num(612, 3, race.runningNo);
    r.text(615, 1, std::string(1, race.grade));
    r.text(616, 1, " ");
    r.text(617, 2, race.kind);
    r.text(619, 3, race.symbol);
    r.text(622, 1, std::string(1, race.weightRule));
    for (int i = 0; i < 5; ++i)
        r.text(623 + 3 * i, 3, race.conditions[static_cast<size_t>(i)]);
    r.wide(638, 60, race.conditionName);
    r.num(698, 4, race.distance);
    r.num(702, 4, 0);
    r.num(706, 2, race.track);
    r.num(708, 2, 0);
    r.text(710, 2, race.courseLetter);
    r.text(712, 2, "");
    for (int i = 0; i < 7; ++i)
        r.num(714 + 8 * i, 8, i < 5 ? race.prizes[static_cast<size_t>(i)] : 0);
    for (int i = 0; i < 5; ++i)
        r.num(770 + 8 * i, 8, 0);
    for (int i = 0; i < 5; ++i)
        r.num(810 + 8 * i, 8, i < 3 ? race.addedMoney[static_cast<size_t>(i)] : 0);
    for (int i = 0; i < 3; ++i)
        r.num(850 + 8 * i, 8, 0);
    // A card published before a post-time change shows the first time; results show both.
    const bool changed = withResults && race.postBefore > 0;
    r.text(874, 4, hhmm(!withResults && race.postBefore > 0 ? race.postBefore : race.post));
    r.text(878, 4, changed ? hhmm(race.postBefore) : "0000");
    r.num(882, 2, race.registered);
    // Races away from JRA courses carry only our horses' records; their counts are those of the whole field.
    const bool whole = race.origin == Origin::Jra;
    r.num(884, 2, withResults && whole ? race.starters() : race.registered);
    r.num(886, 2, !withResults ? 0 : whole ? race.finishers() : race.registered);
    r.num(888, 1, withResults ? race.going.weather : 0);
    r.num(889, 1, withResults ? race.going.turf : 0);
    r.num(890, 1, withResults ? race.going.dirt : 0);
    for (int i = 0; i < 25; ++i) {
        const bool lap = withResults && static_cast<size_t>(i) < race.laps.size();
        r.num(891 + 3 * i, 3, lap ? race.laps[static_cast<size_t>(i)] : 0);
    }
    r.num(966, 4, withResults ? race.mileTime : 0);
    r.num(970, 3, withResults ? race.first3f : 0);
    r.num(973, 3, withResults ? race.first4f : 0);
    r.num(976, 3, withResults ? race.last3f : 0);
    r.num(979, 3, withResults ? race.last4f : 0);
    for (int k = 0; k < 4; ++k) {
        const int at = 982 + 72 * k;
        // With two corners the first two slots hold the third and fourth corners.
        const int corner = withResults ? (race.cornerCount == 4 ? k + 1 : k < 2 ? k + 3 : 0) : 0;
        r.num(at, 1, corner);
        r.num(at + 1, 1, corner > 0 ? 1 : 0);
        r.text(at + 2, 70, corner > 0 ? race.cornerOrders[static_cast<size_t>(corner - 1)] : "");
    }
    r.num(1270, 1, 0);
    return r.take();
}

} // namespace renoka::demo
