// Time-series odds of the earlier race days and provider.ini.
#include "jv/demo/DemoWriter.h"
#include "jv/demo/OddsBuilder.h"
#include "jv/demo/RaceModel.h"
#include "text/Format.h"

namespace renoka::demo {

void writeTimeseries(const DemoWorld& world, FileSink& sink) {
    for (const RaceDay& day : world.history) {
        for (const CourseDay& course : day.courses) {
            for (const Race& race : course.races) {
                std::array<std::vector<std::string>, 6> lines;
                auto take = [&](const MarketSnapshot& market, const OddsStamp& stamp, bool withTrifecta) {
                    for (int t = 1; t <= (withTrifecta ? 6 : 5); ++t)
                        lines[static_cast<size_t>(t - 1)].push_back(buildOdds(t, race, market, stamp));
                };
                // The viewer polled the day-before sale of the big races, then every race on the day; the bulky
                // trifecta odds it kept only ten minutes before the post.
                if (race.daySale) {
                    const Moment eve = Moment::at(race.date, 17 * 60 - 1440);
                    take(marketAt(race, 24 * 60, true), {'2', eve.date, eve.announcement()}, false);
                }
                for (int before : {30, 10, 5}) {
                    const Moment at = Moment::at(race.date, race.post - before);
                    take(marketAt(race, before), {'1', at.date, at.announcement()}, before == 10);
                }
                const std::string stem = "timeseries/" + day.date.ymd() + "/" + race.course +
                                         fmt("%02d%02d%02d", race.kai, race.nichi, race.number);
                for (int t = 1; t <= 6; ++t)
                    sink.write(stem + fmt(".jvO%d", t), lines[static_cast<size_t>(t - 1)]);
            }
        }
    }
}

Moment clockStart(const DemoWorld& world) {
    return Moment::at(world.upcoming.front().date, 9 * 60);
}

void writeProviderIni(const DemoWorld& world, FileSink& sink) {
    const Moment start = clockStart(world);
    const std::string text = "; RENOKA demo provider\r\n"
                             "[download]\r\n"
                             "filesPerSecond=40      ; how fast JVStatus counts up; 0 = every file at once\r\n"
                             "[clock]\r\n"
                             "start=" +
                             start.date.iso() + fmt(" %02d:%02d:00", start.minute / 60, start.minute % 60) +
                             "    ; the first race day of the demo, before its first race\r\n";
    sink.finish("provider.ini", text);
}

} // namespace renoka::demo
