// Real-time announcements of the coming race days.
#include "jv/demo/ChangeBuilder.h"
#include "jv/demo/DemoWriter.h"
#include "jv/demo/HrBuilder.h"
#include "jv/demo/MiningBuilder.h"
#include "jv/demo/OddsBuilder.h"
#include "jv/demo/RaBuilder.h"
#include "jv/demo/RaceModel.h"
#include "jv/demo/SeBuilder.h"
#include "jv/demo/WeightBuilder.h"

namespace renoka::demo {

namespace {

constexpr int MorningOdds = 9 * 60;
constexpr int MorningMining = 8 * 60 + 40;
constexpr int ScratchNotice = 8 * 60 + 10;
constexpr int EveningMining = -4 * 60; // 20:00 the day before

std::string dayFile(const char* dataSpec, const DemoDate& day, const Moment& at) {
    return std::string("realtime/") + dataSpec + "/" + day.ymd() + "/" + at.stamp() + ".txt";
}

// Writes the snapshots and returns the last, the market at the off.
MarketSnapshot writeOdds(const Race& race, FileSink& sink) {
    MarketSnapshot market;
    for (const Snapshot& s : oddsSnapshots(race)) {
        market = marketAt(race, s.minutesBefore, s.dayBefore);
        const OddsStamp stamp{s.dataKind, s.at.date, s.at.announcement()};
        std::vector<std::string> lines;
        for (int t = 1; t <= 6; ++t)
            lines.push_back(buildOdds(t, race, market, stamp));
        sink.write("realtime/0B30/" + race.key() + "/" + s.at.stamp() + ".txt", lines);
    }
    return market;
}

void addResults(const DemoWorld& world, const Race& race, const MarketSnapshot& market, FileSink& sink) {
    const Moment at = Moment::at(race.date, resultMinute(race));
    const std::string file = dayFile("0B12", race.date, at);
    // Results on the day come as the fast results with every placing and the corner orders.
    sink.add(file, buildRa(race, '6', race.date, true));
    for (const Runner& runner : race.runners)
        sink.add(file, buildSe(world, race, runner, {'6', true, '3'}, race.date));
    sink.add(file, buildHr(race, payouts(market, finishes(race), brackets(race)), market[Bet::Bracket].onSale, '1',
                           race.date));
}

void addRaceNotices(const DemoWorld& world, const Race& race, FileSink& sink) {
    // Weights are out about seventy minutes before the post as first planned.
    const Moment weights = Moment::at(race.date, (race.postBefore > 0 ? race.postBefore : race.post) - 70);
    sink.add(dayFile("0B11", race.date, weights), buildWh(world, race, weights));

    const Moment evening = Moment::at(race.date, EveningMining);
    const Moment morning = Moment::at(race.date, MorningMining);
    sink.add(dayFile("0B13", race.date, evening), buildDm(race, {'1', evening.date, evening.minute, false}));
    sink.add(dayFile("0B13", race.date, morning), buildDm(race, {'2', morning.date, morning.minute, true}));
    sink.add(dayFile("0B17", race.date, evening), buildTm(race, {'1', evening.date, evening.minute, false}));
    sink.add(dayFile("0B17", race.date, morning), buildTm(race, {'2', morning.date, morning.minute, true}));

    if (race.postBefore > 0)
        sink.add(dayFile("0B14", race.date, Moment::at(race.date, race.postNotice)), buildTc(race));
    const Moment scratch = Moment::at(race.date, ScratchNotice);
    for (const Runner& runner : race.runners)
        if (runner.scratched) sink.add(dayFile("0B14", race.date, scratch), buildAv(world, race, runner, scratch));
}

} // namespace

std::vector<Snapshot> oddsSnapshots(const Race& race) {
    std::vector<Snapshot> out;
    if (race.daySale) out.push_back({Moment::at(race.date, 17 * 60 - 1440), 24 * 60, true, '2'});
    if (race.post - MorningOdds > 35)
        out.push_back({Moment::at(race.date, MorningOdds), race.post - MorningOdds, false, '1'});
    // Afternoon races once more at noon; then the half hour and the minutes before the post, when punters look.
    if (race.post >= 13 * 60) out.push_back({Moment::at(race.date, 12 * 60), race.post - 12 * 60, false, '1'});
    for (int before : {30, 10, 5, 1})
        out.push_back({Moment::at(race.date, race.post - before), before, false, '1'});
    out.push_back({Moment::at(race.date, race.post + 1), 0, false, '3'});
    return out;
}

void writeRealtime(const DemoWorld& world, FileSink& sink) {
    for (const RaceDay& day : world.upcoming) {
        for (const CourseDay& course : day.courses) {
            for (const Race& race : course.races) {
                const MarketSnapshot atOff = writeOdds(race, sink);
                addResults(world, race, atOff, sink);
                addRaceNotices(world, race, sink);
            }
            for (const GoingNotice& notice : course.notices)
                sink.add(dayFile("0B14", day.date, Moment::at(day.date, notice.minute)),
                         buildWe(day.date, course, notice));
        }
        sink.flush();
    }
}

} // namespace renoka::demo
