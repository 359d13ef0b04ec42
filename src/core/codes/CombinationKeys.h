#pragma once
// Combination keys and combination indices.
//
// A bet on several horses (or brackets) is written everywhere as a key of two-character right-aligned numbers
// joined by "-": " 7", " 1- 2", "16-17-18". The odds, popularity and stake tables of a race are indexed by the
// combination's position (1-based) in the ascending order of its numbers, which is the order in which the
// odds records list them. Index 0 means "no combination of this bet type"; it never addresses a table.
//
// The lookups take the key text and accept only the exact format: " 1- 2" but not "01-02", "1-2" or " 1- 2 ".
// They are plain arithmetic on the characters, cheap enough for the inner loops of bet generation.
#include "codes/CombinationCounts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace renoka {

// The counts themselves live in CombinationCounts.h, which sizes the per-race tables of RaceWork.
inline constexpr int WakurenCount = combos::Wakuren;
inline constexpr int UmarenCount = combos::Umaren;
inline constexpr int UmatanCount = combos::Umatan;
inline constexpr int SanrenpukuCount = combos::Sanrenpuku;
inline constexpr int SanrentanCount = combos::Sanrentan;

std::string CombinationKey(int a);
std::string CombinationKey(int a, int b);
std::string CombinationKey(int a, int b, int c);

// Whole-text lookups: anything but an exact key of the bet type gives 0.
uint8_t WakurenIndex(std::string_view key);
uint16_t UmarenIndex(std::string_view key);
uint16_t UmatanIndex(std::string_view key);
uint16_t SanrenpukuIndex(std::string_view key);
// Reads only the first eight characters: a trifecta key followed by any further text still finds its index.
uint16_t SanrentanIndex(std::string_view key);

} // namespace renoka
