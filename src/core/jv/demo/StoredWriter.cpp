// Stored files of the demo provider.
#include "jv/demo/DemoWriter.h"
#include "jv/demo/HrBuilder.h"
#include "jv/demo/MiningBuilder.h"
#include "jv/demo/OddsBuilder.h"
#include "jv/demo/RaBuilder.h"
#include "jv/demo/RaceModel.h"
#include "jv/demo/SeBuilder.h"
#include "text/Format.h"

namespace renoka::demo {

namespace {

std::string storedName(const Moment& at, const std::string& what) {
    return "stored/" + at.stamp() + "-" + what + ".txt";
}

// The Monday after a weekend race day, when the confirmed results come out.
DemoDate mondayAfter(const DemoDate& day) {
    DemoDate d = day.plus(1);
    while (d.weekday() != 1)
        d = d.plus(1);
    return d;
}

// `stem` names the files after their record type: "ra-<day>" for the earlier race days; the coming race days put
// the day first ("<day>-ra"), which keeps their confirmed results apart from their cards ("ra-<day>").
void writeResultsOfDay(const DemoWorld& world, const RaceDay& day, FileSink& sink, bool dayFirst) {
    const DemoDate monday = mondayAfter(day.date);
    // Saturday's files a little before Sunday's, so that they come out in race-day order.
    const int minute = 10 * 60 + (day.date.weekday() == 0 ? 10 : 0);
    std::vector<std::string> ra, se, hr, tm;
    std::array<std::vector<std::string>, 6> odds;
    for (const CourseDay& course : day.courses) {
        for (const Race& race : course.races) {
            ra.push_back(buildRa(race, '7', monday, true));
            for (const Runner& runner : race.runners)
                se.push_back(buildSe(world, race, runner, {'7', true, '3'}, monday));
            const MarketSnapshot market = marketAt(race, 0);
            hr.push_back(buildHr(race, payouts(market, finishes(race), brackets(race)), market[Bet::Bracket].onSale,
                                 '2', monday));
            tm.push_back(buildTm(race, {'7', monday, race.post - 15, true}));
            for (int t = 1; t <= 6; ++t)
                odds[static_cast<size_t>(t - 1)].push_back(buildOdds(t, race, market, {'4', monday, ""}));
        }
    }
    const std::string ymd = day.date.ymd();
    const auto name = [&](const std::string& type) { return dayFirst ? ymd + "-" + type : type + "-" + ymd; };
    sink.write(storedName(Moment::at(monday, minute, 0), name("ra")), ra);
    sink.write(storedName(Moment::at(monday, minute, 1), name("se")), se);
    sink.write(storedName(Moment::at(monday, minute, 2), name("hr")), hr);
    sink.write(storedName(Moment::at(monday, minute, 3), name("tm")), tm);
    for (int t = 1; t <= 6; ++t)
        sink.write(storedName(Moment::at(monday, minute, 3 + t), name(fmt("o%d", t))),
                   odds[static_cast<size_t>(t - 1)]);
}

void writeCards(const DemoWorld& world, FileSink& sink) {
    // Every card of the coming race days is out on the evening before the first of them, as the weekend's cards
    // are published together.
    const DemoDate eve = world.upcoming.front().date.plus(-1);
    int minute = 17 * 60;
    for (const RaceDay& day : world.upcoming) {
        std::vector<std::string> ra, se, tm;
        for (const CourseDay& course : day.courses)
            for (const Race& race : course.races) {
                ra.push_back(buildRa(race, '2', eve, false));
                for (const Runner& runner : race.runners)
                    se.push_back(buildSe(world, race, runner, {'2', false, '1'}, eve));
                tm.push_back(buildTm(race, {'1', eve, 18 * 60, false}));
            }
        const std::string ymd = day.date.ymd();
        sink.write(storedName(Moment::at(eve, minute, 0), "ra-" + ymd), ra);
        sink.write(storedName(Moment::at(eve, minute, 1), "se-" + ymd), se);
        sink.write(storedName(Moment::at(eve, minute + 60, 0), "tm-" + ymd), tm);
        ++minute;
    }
}

void writeOutside(const DemoWorld& world, FileSink& sink) {
    for (const Race& race : world.outside) {
        if (race.runners.empty()) continue;
        const char kind = race.origin == Origin::Local ? 'A' : 'B';
        const DemoDate next = race.date.plus(1);
        std::vector<std::string> lines{buildRa(race, kind, next, true)};
        for (const Runner& runner : race.runners)
            lines.push_back(buildSe(world, race, runner, {kind, true, '0'}, next));
        const std::string what = (race.origin == Origin::Local ? "local-" : "abroad-") + race.date.ymd() + race.course;
        sink.write(storedName(Moment::at(next, 12 * 60), what), lines);
    }
}

} // namespace

void writeStored(const DemoWorld& world, FileSink& sink) {
    for (const RaceDay& day : world.history)
        writeResultsOfDay(world, day, sink, false);
    writeOutside(world, sink);
    writeCards(world, sink);
    // The coming race days' confirmed results too, on the Monday after: a download made after that Monday holds
    // the same day as a program that followed it live (the simulator serves nothing before its time).
    for (const RaceDay& day : world.upcoming)
        writeResultsOfDay(world, day, sink, true);
}

} // namespace renoka::demo
