// The stored-download ingest: a set-up stream of race days, runners, payouts and archives converted from the
// wide text the data service delivers and sorted into the data files. BM_DownloadIngest keeps the merged files
// in memory and writes each once; BM_DownloadIngestPerRecord merges record by record, loading, sorting and
// saving the target file for every record, as the baseline.
#include "base/Cp932.h"
#include "jv/download/StoredRecordRouter.h"
#include "support/SyntheticStream.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using namespace renoka;

const std::vector<std::u16string>& stream() {
    static const std::vector<std::u16string> wide = [] {
        test::SyntheticStreamOptions options;
        options.days = 155;       // 5580 races
        options.horsePool = 6000; // archives of about 12 runs
        options.foreignEvery = 12;
        std::vector<std::u16string> out;
        for (const auto& line : test::syntheticSetupStream(options))
            out.push_back(toUtf16(line + "\r\n"));
        return out;
    }();
    return wide;
}

void ingest(benchmark::State& state, bool batched) {
    const auto& records = stream();
    // Every run writes into a folder of its own, and the folders are removed only after the last run: deleting
    // thousands of files just before creating thousands more makes the file system's inode allocation crawl,
    // which a download into a program folder never meets.
    std::vector<std::unique_ptr<test::TempDir>> homes;
    for (auto _ : state) {
        state.PauseTiming();
        auto& home = homes.emplace_back(std::make_unique<test::TempDir>());
        for (const char* sub : {"Data", "SEI", "SEIR"})
            std::filesystem::create_directories(home->path() / sub);
        DayFileStore files;
        StoredRecordRouter router(files, home->path(), nullptr);
        const RouteConditions conditions{20200101, "2011", true};
        std::string line;
        std::string label;
        state.ResumeTiming();
        if (batched) files.beginBatch();
        for (const auto& record : records) {
            fromUtf16Into(record, line);
            line.resize(line.size() - 2);
            router.route(line, conditions, label);
        }
        if (batched) files.endBatch();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(records.size()));
    state.counters["records"] = static_cast<double>(records.size());
}

void BM_DownloadIngest(benchmark::State& state) {
    ingest(state, true);
}
void BM_DownloadIngestPerRecord(benchmark::State& state) {
    ingest(state, false);
}

BENCHMARK(BM_DownloadIngest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DownloadIngestPerRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
