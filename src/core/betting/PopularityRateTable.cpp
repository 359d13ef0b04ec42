#include "betting/PopularityRateTable.h"

#include "platform/RecordFile.h"
#include "store/RecordSizes.h"
#include "text/Fields.h"

#include <string_view>
#include <system_error>
#include <unordered_map>

namespace renoka {

namespace fs = std::filesystem;

namespace {

// Runner record fields: race key, final placing, win popularity.
constexpr int kRaceKeyPos = 12;
constexpr int kRaceKeyLength = 16;
constexpr int kPlacingPos = 335;
constexpr int kPopularityPos = 364;

bool isRunnerFile(const fs::path& file) {
    return file.extension() == ".jvSEr";
}

} // namespace

double PopularityRateTable::rate(RatePart part, int fieldSize, int rank) const {
    if (!covers(fieldSize, rank)) return 0.0;
    return m_rates[static_cast<size_t>(part)][static_cast<size_t>(fieldSize - kMinField)]
                  [static_cast<size_t>(rank - 1)];
}

void PopularityRateTable::set(RatePart part, int fieldSize, int rank, double rate) {
    if (!covers(fieldSize, rank)) return;
    m_rates[static_cast<size_t>(part)][static_cast<size_t>(fieldSize - kMinField)][static_cast<size_t>(rank - 1)] =
        rate;
}

PopularityRateTable::FileCounts PopularityRateTable::countFile(const fs::path& file) {
    FileCounts counts;
    const RecordFile records(file, records::SE);
    struct Race {
        int field = 0;
        bool hasWinner = false;
        std::vector<Runner> runners;
    };
    std::unordered_map<std::string_view, Race> races;
    for (size_t i = 0; i < records.count(); ++i) {
        const std::string_view se = records.record(i);
        if (!se.starts_with("SE")) continue;
        Race& race = races[field(se, kRaceKeyPos, kRaceKeyLength)];
        ++race.field;
        const int placing = fieldInt(se, kPlacingPos, 2);
        const int rank = fieldInt(se, kPopularityPos, 2);
        if (placing == 1) race.hasWinner = true;
        if (rank < 1 || rank > kMaxRank) continue;
        race.runners.push_back(
            Runner{0, static_cast<uint8_t>(rank), static_cast<uint8_t>(placing >= 1 && placing <= 3 ? placing : 0)});
    }
    for (auto& [key, race] : races) {
        // A race without a winner has not been run yet (or was called off); a field outside the table is not
        // counted either.
        if (!race.hasWinner || race.field < kMinField || race.field > kMaxField) continue;
        ++counts.races;
        for (Runner r : race.runners) {
            r.field = static_cast<uint8_t>(race.field);
            counts.runners.push_back(r);
        }
    }
    return counts;
}

void PopularityRateTable::update(const fs::path& dataFolder) {
    std::map<fs::path, FileCounts> files;
    std::error_code ec;
    for (fs::directory_iterator it(dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path file = it->path();
        if (!isRunnerFile(file)) continue;
        std::error_code statError;
        const uintmax_t size = fs::file_size(file, statError);
        const auto stamp = fs::last_write_time(file, statError);
        if (statError) continue;
        auto known = m_files.find(file);
        if (known != m_files.end() && known->second.size == size && known->second.stamp == stamp) {
            files.emplace(file, std::move(known->second));
            continue;
        }
        try {
            FileCounts counts = countFile(file);
            counts.size = size;
            counts.stamp = stamp;
            files.emplace(file, std::move(counts));
        } catch (const std::exception&) {
            // Unreadable now (being replaced, no permission): left out until a later update reads it.
        }
    }
    m_files = std::move(files);
    recompute();
}

void PopularityRateTable::recompute() {
    std::array<std::array<std::array<int, kMaxRank>, kFields>, 4> counts{}; // starts, first, first two, first three
    m_races = 0;
    m_runners = 0;
    for (const auto& [path, file] : m_files) {
        m_races += file.races;
        m_runners += static_cast<int>(file.runners.size());
        for (const Runner& r : file.runners) {
            const auto f = static_cast<size_t>(r.field - kMinField);
            const auto k = static_cast<size_t>(r.rank - 1);
            ++counts[0][f][k];
            if (r.placing == 1) ++counts[1][f][k];
            if (r.placing >= 1 && r.placing <= 2) ++counts[2][f][k];
            if (r.placing >= 1) ++counts[3][f][k];
        }
    }
    for (size_t part = 0; part < 3; ++part)
        for (size_t f = 0; f < static_cast<size_t>(kFields); ++f)
            for (size_t k = 0; k < static_cast<size_t>(kMaxRank); ++k) {
                const int starts = counts[0][f][k];
                m_rates[part][f][k] = starts > 0 ? static_cast<double>(counts[part + 1][f][k]) / starts : 0.0;
            }
}

} // namespace renoka
