#pragma once
// The payout table of a race (RaceWork::HrTable) read from its HR record image, and the eight bet types in the
// order the payout record, the results panel and the summaries list them.
#include "store/RaceWork.h"

#include <array>
#include <string>
#include <string_view>

namespace renoka {

enum class PayoutType { Tan, Fuku, Waku, Umaren, Wide, Umatan, Sanpuku, Santan };
inline constexpr int kPayoutTypeCount = 8;
inline constexpr std::array<PayoutType, kPayoutTypeCount> kPayoutTypes = {
    PayoutType::Tan,  PayoutType::Fuku,   PayoutType::Waku,    PayoutType::Umaren,
    PayoutType::Wide, PayoutType::Umatan, PayoutType::Sanpuku, PayoutType::Santan,
};

// Where a bet type's entries lie in the HR record: entry i (0-based) starts at `start + stride * i` with the
// combination (`numberLength` bytes), then the payout (9 bytes), then the popularity (`ninkiLength` bytes).
struct PayoutLayout {
    int entries;
    int start;
    int stride;
    int numberLength;
    int ninkiLength;
};
const PayoutLayout& payoutLayout(PayoutType type);
// "単勝", "複勝", "枠連", "馬連", "ワイド", "馬単", "３連複", "３連単" (CP932).
std::string payoutTypeName(PayoutType type);

// The payout table of one HR image. Numbers that are not digits read as 0; a combination key is set only when
// every number of the combination is above 0. An all-blank or all-zero image gives an empty table.
RaceWork::PayoutTable HrTableOf(std::string_view hr);

// One entry of a table in a form common to all bet types: the 単勝 and 複勝 horse number stands in `horse`,
// the combination key of the others in `key`.
struct PayoutEntry {
    int horse = 0;
    std::string_view key;
    int ninki = 0;
    int payout = 0;
};
// Entry `index` (0-based) of a bet type; a RangeError outside the type's entries.
PayoutEntry payoutEntry(const RaceWork::PayoutTable& table, PayoutType type, int index);

} // namespace renoka
