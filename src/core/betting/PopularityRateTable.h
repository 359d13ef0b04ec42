#pragma once
// How often a horse of a given win popularity finishes first, in the first two and in the first three, by the
// size of its field: our own statistics over the race results on disk. The rates fill the 出現率 columns of the
// bet grids.
//
// The counts come from the stored runner records of the day files ("Data/*.jvSEr"): every race with a winner
// counts each runner that had a popularity (scratched horses have none); the field size is the number of runner
// records of the race, which is the registered count the bet grids use. `update` reads only the files that are
// new or changed since the last call (size and time stamp), so a day load pays for the files that the download
// or the day's results brought and nothing else; the race selection only looks the rates up.
#include "betting/BetTypes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace renoka {

class PopularityRateTable {
public:
    static constexpr int kMinField = 4;
    static constexpr int kMaxField = 18;
    static constexpr int kMaxRank = 18;

    // Whether the table has a cell for the field size and rank (4..18 and 1..18).
    static bool covers(int fieldSize, int rank) {
        return fieldSize >= kMinField && fieldSize <= kMaxField && rank >= 1 && rank <= kMaxRank;
    }
    // The rate as a fraction (0 where no horse of that rank ran yet); 0 outside the table.
    double rate(RatePart part, int fieldSize, int rank) const;
    // Sets one rate (tests and the benchmark set the table by hand).
    void set(RatePart part, int fieldSize, int rank, double rate);

    // Reads the runner files of the data folder that are new or changed since the last call, forgets those that
    // are gone, and computes the rates again. A file that cannot be read counts as gone until it can.
    void update(const std::filesystem::path& dataFolder);
    // Races and runners behind the rates.
    int races() const { return m_races; }
    int runners() const { return m_runners; }

private:
    // One counted runner: field size, popularity and how it finished (0 out of the first three, else 1..3).
    struct Runner {
        uint8_t field;
        uint8_t rank;
        uint8_t placing;
    };
    struct FileCounts {
        uintmax_t size = 0;
        std::filesystem::file_time_type stamp{};
        int races = 0;
        std::vector<Runner> runners;
    };
    static FileCounts countFile(const std::filesystem::path& file);
    void recompute();

    static constexpr int kFields = kMaxField - kMinField + 1;
    // [part][field - 4][rank - 1]
    std::array<std::array<std::array<double, kMaxRank>, kFields>, 3> m_rates{};
    std::map<std::filesystem::path, FileCounts> m_files;
    int m_races = 0;
    int m_runners = 0;
};

} // namespace renoka
