#pragma once
// What the analysis steps compute for one race slot. Every member has a fixed size and all-zero bytes are its
// cleared state, so clearing the 36 work records is one block fill. Later features add their members here.
#include "codes/CombinationCounts.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace renoka {

inline constexpr int kHorseCount = 18;
inline constexpr int kBracketCount = 8;

// A short text of up to five characters kept in place (no allocation).
struct ShortText {
    std::array<char, 6> bytes{};

    std::string_view view() const { return std::string_view(bytes.data()); }
    void assign(std::string_view text) {
        bytes.fill('\0');
        for (size_t i = 0; i < text.size() && i < bytes.size() - 1; ++i)
            bytes[i] = text[i];
    }
};

struct RaceWork {
    // Times "hhmm" at which the automatic odds fetch fires: post time - A, - A + 1, - A + 2 minutes.
    std::array<ShortText, 3> OzGetTimes;
    // One flag per horse index: the horse is on the tracked-horse list.
    std::array<bool, kHorseCount> Tracked;

    // Odds and popularity by horse index.
    std::array<double, kHorseCount> TanOz, FukuOzMin, FukuOzMax;
    std::array<int32_t, kHorseCount> TanNinki, FukuMinNinki, FukuMaxNinki;

    // Odds and popularity by combination index 1..count (element 0 is never read).
    std::array<double, combos::Wakuren + 1> WakuOz;
    std::array<int32_t, combos::Wakuren + 1> WakuNinki;
    std::array<double, combos::Umaren + 1> UmarenOz;
    std::array<int32_t, combos::Umaren + 1> UmarenNinki;
    std::array<double, combos::Umaren + 1> WideOz;
    std::array<int32_t, combos::Umaren + 1> WideNinki;
    std::array<double, combos::Umatan + 1> UmatanOz;
    std::array<int32_t, combos::Umatan + 1> UmatanNinki;
    std::array<double, combos::Sanrenpuku + 1> SanpukuOz;
    std::array<int32_t, combos::Sanrenpuku + 1> SanpukuNinki;
    std::array<double, combos::Sanrentan + 1> SantanOz;
    std::array<int32_t, combos::Sanrentan + 1> SantanNinki;

    // Set when a payout record has been taken into the slot.
    bool PayoutTaken;

    // --- Odds intake: per-bracket values and anything else it computes ------------------------------------

    // Hour and minute "hhmm" of the O1 announcement the tables were read from.
    ShortText OzHappyoTime;
    // Per bracket (index bracket - 1): the bracket's popularity rank and its rate, worked out by the bracket
    // extraction of the bet generation. The odds intake clears them with the rest of the race's odds.
    std::array<int32_t, kBracketCount> BracketNinki;
    std::array<double, kBracketCount> BracketRate;

    // --- Mining forecasts ----------------------------------------------------------------------------------
    // Element j - 1 is horse number j; 0 = no forecast. The time is the record's five digits (m ss ss), the score
    // its four digits in tenths (0..1000). Rank 1 is the fastest time and the highest score.
    std::array<int32_t, kHorseCount> TimeMining, TimeMiningRank;
    std::array<int32_t, kHorseCount> TaisenMining, TaisenMiningRank;

    // --- Horse weights and previous-run rank ---------------------------------------------------------------
    // Element j - 1 is horse number j. Body weight in kg (0 = none), its change in kg (signed), and the rank of
    // the horse's last three furlongs within its previous race (0 = none).
    std::array<int32_t, kHorseCount> Bataiju, BataijuZogen, ZensoF3Rank;

    // --- Axis and partner marks ----------------------------------------------------------------------------
    // Element j - 1 is horse number j. The classification of the race: above 0 = axis candidate, partner
    // candidate, excluded horse (the classification writes 1). The marks the bets are built from: 1 = marked.
    // The exclusion mark survives the classification; only a day load clears it.
    std::array<int32_t, kHorseCount> AxisCandidate, PartnerCandidate, ExcludedHorse;
    std::array<uint8_t, kHorseCount> AxisMark, Partner1Mark, Partner2Mark, ExclusionMark;
    // The race's pattern letter "A".."G" (empty until its odds and forecasts were taken in); the pattern axis
    // picks its horse by it.
    ShortText PatternLetter;

    // --- Entries table ratings -----------------------------------------------------------------------------

    // --- Payout tables and results -------------------------------------------------------------------------
    // One payout entry of 単勝 or 複勝: horse number 0 = no entry. Payouts are yen per 100 yen.
    struct HorsePayout {
        int32_t horse;
        int32_t ninki;
        int32_t payout;
    };
    // One payout entry of a combination bet type; the key is a combination key (" 1- 2", " 1- 2- 3") or empty
    // when the record's combination had a number that is not above 0.
    struct ComboPayout {
        std::array<char, 9> keyBytes;
        int32_t ninki;
        int32_t payout;

        std::string_view key() const { return std::string_view(keyBytes.data()); }
        void setKey(std::string_view text) {
            keyBytes.fill('\0');
            for (size_t i = 0; i < text.size() && i < keyBytes.size() - 1; ++i)
                keyBytes[i] = text[i];
        }
    };
    // The payouts of the race in the entry order of its payout record (dead heats take the further entries).
    struct PayoutTable {
        std::array<HorsePayout, 3> Tan;
        std::array<HorsePayout, 5> Fuku;
        std::array<ComboPayout, 3> Waku;
        std::array<ComboPayout, 3> Umaren;
        std::array<ComboPayout, 7> Wide;
        std::array<ComboPayout, 6> Umatan;
        std::array<ComboPayout, 3> Sanpuku;
        std::array<ComboPayout, 6> Santan;
    };
    PayoutTable HrTable;
    // Results by horse index from the runner records: official placing, final win popularity and final win odds.
    std::array<int32_t, kHorseCount> Chakujun;
    std::array<int32_t, kHorseCount> KakuteiNinki;
    std::array<double, kHorseCount> KakuteiTanOz;

    // --- Race card -----------------------------------------------------------------------------------------
    // By horse index: the last three furlongs of the horse's previous flat run in tenths of a second (0 = none),
    // shown after "前= " above this race's own time so the two can be compared at a glance.
    std::array<double, kHorseCount> PrevLast3F;
};

static_assert(std::is_trivially_copyable_v<RaceWork>, "RaceWork is cleared by a block fill");

} // namespace renoka
