// The day load and the race selection on a demo day: the demo provider is made and downloaded once, then
// BM_DayLoad loads its fullest day (36 races with all six odds files) from the files, BM_DayFilesRead reads the
// bytes of the files such a load reads and nothing else (the floor), and BM_RaceSelect shows one race after
// another with every dependent refresh, the marks and the bets included.
#include "DownloadedDemo.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "betting/BetBoard.h"
#include "platform/FileIo.h"
#include "raceday/DayLoader.h"
#include "raceday/RaceCard.h"
#include "raceday/RaceSelection.h"
#include "text/Fields.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace renoka;
namespace fs = std::filesystem;

struct DemoDay : bench::DownloadedDemo {
    int dayIndex = -1;
    std::vector<fs::path> files; // what a load of the day reads

    DemoDay() {
        // The fullest day: the newest one with a final trifecta odds file.
        const auto& days = form->DateCombo.items;
        for (size_t i = 0; i < days.size() && dayIndex < 0; ++i)
            if (fs::exists(form->pathOf("Data/" + days[i] + ".jvO6"))) dayIndex = static_cast<int>(i);
        load();
        collectFiles(days[static_cast<size_t>(dayIndex)]);
    }

    void load() {
        form->DateCombo.itemIndex = dayIndex;
        form->dayLoader().DateComboChange();
    }

    void collectFiles(const std::string& day) {
        for (const auto& entry : fs::directory_iterator(home.path() / "Data"))
            if (sj(entry.path().filename().string()).rfind(day, 0) == 0) files.push_back(entry.path());
        RaceDayStore& store = form->store();
        for (int slot = 0; slot < store.LoadedRaceCount; ++slot)
            for (int horse = 0; horse < 18; ++horse) {
                const std::string reg(field(store.se(slot, horse), 31, 10));
                if (isDigits(reg)) files.push_back(form->pathOf("SEI/" + reg.substr(0, 4) + "/" + reg + ".jvSEI"));
            }
        for (const auto& entry : fs::recursive_directory_iterator(home.path() / "SEIR"))
            if (entry.is_regular_file()) files.push_back(entry.path());
    }
};

DemoDay& demoDay() {
    static DemoDay day;
    return day;
}

void BM_DayLoad(benchmark::State& state) {
    DemoDay& day = demoDay();
    for (auto _ : state)
        day.load();
    state.counters["races"] = day.form->store().LoadedRaceCount;
}

void BM_DayFilesRead(benchmark::State& state) {
    DemoDay& day = demoDay();
    std::string bytes;
    size_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (const auto& file : day.files) {
            readWholeFile(file, bytes);
            total += bytes.size();
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.counters["files"] = static_cast<double>(day.files.size());
    state.counters["bytes"] = static_cast<double>(total);
}

void BM_RaceSelect(benchmark::State& state) {
    DemoDay& day = demoDay();
    TMainForm& form = *day.form;
    int race = 0;
    int64_t bets = 0;
    for (auto _ : state) {
        form.DatList.itemIndex = race;
        form.raceSelection().DatListClick();
        race = (race + 1) % static_cast<int>(form.DatList.items.size());
        for (BetType type : kGeneratedBetTypes)
            bets += toInt(form.bets().label(type, BetLabel::Tensu).text);
    }
    // The bets each selection built from the marks of the chosen set, all types together.
    state.counters["bets"] = benchmark::Counter(static_cast<double>(bets), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_DayLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayFilesRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RaceSelect)->Unit(benchmark::kMicrosecond);

} // namespace
