#include "jv/demo/SeBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"
#include "text/Format.h"

#include <algorithm>
#include <cstdlib>

namespace renoka::demo {

namespace {

// M SS S from tenths of a second.
int raceTime(int tenths) {
    return tenths / 600 * 1000 + tenths % 600;
}

void bodyWeight(RecordImage& r, const Runner& runner, bool withResults) {
    if (!withResults || runner.scratched) {
        r.num(325, 3, 0);
        r.text(328, 1, " ");
        r.text(329, 3, withResults ? "" : "000");
        return;
    }
    r.num(325, 3, runner.bodyWeight);
    if (runner.bodyWeight == 999) {
        r.text(328, 1, " ");
        r.num(329, 3, 999);
    } else if (runner.firstStart) {
        r.text(328, 1, " ");
        r.text(329, 3, "");
    } else {
        r.text(328, 1, runner.bodyChange > 0 ? "+" : runner.bodyChange < 0 ? "-" : " ");
        r.num(329, 3, std::abs(runner.bodyChange));
    }
}

// The winner of the race, or the runner-up for the winner itself.
const Runner* rival(const Race& race, const Runner& runner) {
    const Runner* first = nullptr;
    const Runner* second = nullptr;
    for (const auto& other : race.runners) {
        if (other.arrival == 1) first = &other;
        if (other.arrival == 2) second = &other;
    }
    return first == &runner ? second : first;
}

} // namespace

std::string buildSe(const DemoWorld& world, const Race& race, const Runner& runner, const SeStage& stage,
                    const DemoDate& made) {
    const Horse& horse = world.horses[static_cast<size_t>(runner.horse)];
    const Person& trainer = world.trainers[static_cast<size_t>(horse.trainer)];
    const Person& jockey = world.jockeys[static_cast<size_t>(runner.jockey)];
    const bool results = stage.withResults;
    // A horse withdrawn on race morning is still an ordinary runner on the card published the day before.
    const bool withdrawn = results && runner.scratched;
    RecordImage r("SE", records::SE);
    r.header(stage.dataKind, made);
    r.text(12, 16, race.key());
    r.num(28, 1, runner.bracket);
    r.num(29, 2, runner.number);
    r.text(31, 10, horse.regNo);
    r.wide(41, 36, horse.name);
    r.text(77, 2, horse.mark);
    r.num(79, 1, horse.sex);
    r.num(80, 1, 1);
    r.num(81, 2, horse.coat);
    r.num(83, 2, race.date.year - horse.birthYear);
    r.num(85, 1, horse.east);
    r.text(86, 5, trainer.code);
    r.wide(91, 8, trainer.name);
    r.text(99, 6, fmt("%06d", 100001 + horse.owner * 37));
    r.wide(105, 64, world.owners[static_cast<size_t>(horse.owner)]);
    r.wide(169, 60, horse.silks);
    r.text(229, 60, "");
    r.num(289, 3, runner.carried);
    r.num(292, 3, 0);
    r.num(295, 1, runner.blinkers ? 1 : 0);
    r.text(296, 1, "0");
    r.text(297, 5, jockey.code);
    r.num(302, 5, 0);
    r.wide(307, 8, jockey.name);
    r.wide(315, 8, "");
    r.num(323, 1, race.grade == ' ' ? jockey.apprentice : 0);
    r.num(324, 1, 0);
    bodyWeight(r, runner, results);
    r.num(332, 1, results ? runner.abnormal : 0);
    r.num(333, 2, results ? runner.arrival : 0);
    r.num(335, 2, results ? runner.finish : 0);
    r.num(337, 1, results && runner.tiedWith > 0 ? 1 : 0);
    r.num(338, 1, results ? runner.tiedWith : 0);
    r.num(339, 4, results ? raceTime(runner.time) : 0);
    r.text(343, 3, results ? runner.margin : "");
    r.text(346, 3, "");
    r.text(349, 3, "");
    for (int c = 0; c < 4; ++c)
        r.num(352 + 2 * c, 2, results ? runner.corners[static_cast<size_t>(c)] : 0);
    r.num(360, 4, results ? runner.odds : 0);
    r.num(364, 2, results ? runner.popularity : 0);
    r.num(366, 8, results ? runner.prize : 0);
    r.num(374, 8,
          results && runner.finish >= 1 && runner.finish <= 3 ? race.addedMoney[static_cast<size_t>(runner.finish - 1)]
                                                              : 0);
    r.num(382, 3, 0);
    r.num(385, 3, 0);
    r.num(388, 3, 0);
    const bool ran = results && !runner.scratched && runner.abnormal == 0;
    r.num(391, 3, !results ? 0 : ran ? runner.last3f : 999);
    const Runner* other = results && ran ? rival(race, runner) : nullptr;
    for (int k = 0; k < 3; ++k) {
        const int at = 394 + 46 * k;
        if (k == 0 && other) {
            const Horse& h = world.horses[static_cast<size_t>(other->horse)];
            r.text(at, 10, h.regNo);
            r.wide(at + 10, 36, h.name);
        } else {
            r.num(at, 10, 0);
            r.wide(at + 10, 36, "");
        }
    }
    if (!results)
        r.text(532, 4, "0000");
    else if (!ran)
        r.text(532, 4, "9999");
    else
        r.text(532, 4, fmt("%c%03d", runner.finish == 1 ? '-' : '+', std::min(999, runner.timeDiff)));
    r.num(536, 1, 0);
    r.text(537, 1, std::string(1, stage.miningKind));
    r.num(538, 5, withdrawn ? 0 : runner.dmTime);
    r.num(543, 4, withdrawn ? 0 : runner.dmPlus);
    r.num(547, 4, withdrawn ? 0 : runner.dmMinus);
    r.num(551, 2, withdrawn ? 0 : runner.dmRank);
    // The card shows the horse's usual style; a result the style it ran.
    r.num(553, 1, withdrawn ? 0 : results ? runner.style : horse.style);
    return r.take();
}

} // namespace renoka::demo
