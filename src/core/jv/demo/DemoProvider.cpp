#include "jv/demo/DemoProvider.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "jv/demo/DemoWriter.h"
#include "jv/demo/FieldBuilder.h"
#include "jv/demo/HorseFactory.h"
#include "jv/demo/NamePools.h"
#include "jv/demo/RaceModel.h"
#include "jv/demo/RacePlanner.h"
#include "jv/demo/ResultModel.h"

#include <system_error>

namespace renoka::demo {

namespace {

// Stream tags of the parts of the demo, fixed so that one part's draws never depend on another's.
enum Tag : uint64_t { NamesTag = 1, PlanTag, OutsideTag, PeopleTag, FieldTag, RaceTag };

uint64_t keyTag(const Race& race) {
    uint64_t h = 1469598103934665603ull;
    for (char c : race.key())
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

void prepareFolder(const std::filesystem::path& out) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(out, ec)) {
        if (!fs::is_directory(out, ec))
            throw FileError(sj("デモデータの出力先がフォルダではありません: ") + sj(out.string()));
        const bool empty = fs::is_empty(out, ec);
        const bool provider = fs::exists(out / "provider.ini", ec) || fs::exists(out / "stored", ec);
        if (!empty && !provider)
            throw FileError(sj("デモデータの出力先が空のフォルダではありません: ") + sj(out.string()));
        // Our own earlier output is replaced whole, so that no file of another start date stays behind.
        // provider.ini goes first and comes back last: a folder without it is not finished.
        for (const char* sub : {"provider.ini", "stored", "realtime", "timeseries"})
            fs::remove_all(out / sub, ec);
    }
    fs::create_directories(out, ec);
    if (ec) throw FileError(sj("デモデータの出力先を作れません: ") + sj(out.string()));
}

} // namespace

DemoWorld buildDemoWorld(const DemoDate& start, int days, uint64_t seed) {
    const DemoRandom root(seed);
    DemoWorld world;
    NamePools names(root.derive(NamesTag));
    planRaceDays(world, start, days, root.derive(PlanTag), names);
    planOutsideRaces(world, start, root.derive(OutsideTag), names);
    HorseFactory factory(world, root.derive(PeopleTag), names);
    factory.makePeople();
    buildFields(world, factory, root.derive(FieldTag));

    const DemoRandom races = root.derive(RaceTag);
    for (auto* list : {&world.history, &world.upcoming})
        for (RaceDay& day : *list)
            for (CourseDay& course : day.courses)
                for (Race& race : course.races) {
                    const DemoRandom rng = races.derive(keyTag(race));
                    modelRace(world, race, rng.derive(1));
                    drawResult(world, race, rng.derive(2));
                    finalMarket(race);
                }
    for (Race& race : world.outside)
        drawOutsideResult(world, race, races.derive(keyTag(race)));
    return world;
}

DemoSummary makeDemoProvider(const DemoOptions& options) {
    if (options.days < 1 || options.days > MaxDemoDays) throw FileError(sj("デモデータの開催日数は1から8までです。"));
    const DemoDate start = options.start ? *options.start : japanToday();
    prepareFolder(options.out);
    const DemoWorld world = buildDemoWorld(start, options.days, options.seed);

    FileSink sink(options.out);
    writeStored(world, sink);
    writeRealtime(world, sink);
    writeTimeseries(world, sink);
    writeProviderIni(world, sink);

    DemoSummary summary;
    for (const RaceDay& day : world.upcoming) {
        summary.raceDays.push_back(day.date);
        for (const CourseDay& course : day.courses) {
            summary.races += static_cast<int>(course.races.size());
            for (const Race& race : course.races)
                summary.runners += static_cast<int>(race.runners.size());
        }
    }
    for (const RaceDay& day : world.history)
        summary.historyDays.push_back(day.date);
    for (const CourseDay& course : world.upcoming.front().courses)
        summary.courses.push_back(course.course);
    summary.horses = static_cast<int>(world.horses.size());
    summary.files = sink.files();
    summary.bytes = sink.bytes();
    summary.clockStart = clockStart(world);
    return summary;
}

} // namespace renoka::demo
