#include "betting/BetTypes.h"

#include "base/Cp932.h"

namespace renoka {

namespace {

constexpr auto F = RatePart::First;
constexpr auto F2 = RatePart::FirstTwo;
constexpr auto F3 = RatePart::FirstThree;

// Single-horse grids have 12 columns, pair grids 14 and triple grids 15: the stake, payout, rate, 出現率 and
// result columns move right by the 連人気 column and by each further 出現率 column.
constexpr std::array<BetTypeInfo, kBetTypeCount> kInfo = {{
    {BetType::Tan, "単勝", "StringGrid3",   "単勝",   "TAN", "Tan", 1, false, 2, 0, 6, 2, 2, 12, -1, 5, 6, 8, 1, 9,
     10,           11,     PayoutType::Tan, {F, F, F}},
    {BetType::Fuku,
     "複勝",
     "StringGrid5",
     "複勝",
     "FUKU",
     "Fuk",
     1,
     false,
     2,
     0,
     6,
     2,
     2,
     12,
     -1,
     5,
     6,
     8,
     1,
     9,
     10,
     11,
     PayoutType::Fuku,
     {F3, F3, F3}},
    {BetType::Waku,
     "枠連",
     "StringGrid28",
     "枠連",
     "WAKU",
     "WR",
     2,
     false,
     5,
     1,
     7,
     2,
     2,
     14,
     5,
     6,
     7,
     9,
     2,
     11,
     12,
     13,
     PayoutType::Waku,
     {F2, F2, F2}},
    {BetType::Umaren,
     "馬連",
     "StringGrid30",
     "馬連",
     "UMAFUKU",
     "UR",
     2,
     false,
     5,
     2,
     7,
     3,
     3,
     14,
     5,
     6,
     7,
     9,
     2,
     11,
     12,
     13,
     PayoutType::Umaren,
     {F2, F2, F2}},
    {BetType::Wide,
     "ワイド",
     "StringGrid31",
     "ワイド",
     "WIDE",
     "WD",
     2,
     false,
     5,
     3,
     7,
     3,
     3,
     14,
     5,
     6,
     7,
     9,
     2,
     11,
     12,
     13,
     PayoutType::Wide,
     {F3, F3, F3}},
    {BetType::Umatan,
     "馬単",
     "StringGrid32",
     "馬単",
     "UMATAN",
     "UT",
     2,
     true,
     5,
     4,
     7,
     3,
     3,
     14,
     5,
     6,
     7,
     9,
     2,
     11,
     12,
     13,
     PayoutType::Umatan,
     {F2, F2, F2}},
    {BetType::Sanpuku,
     "３連複",
     "StringGrid33",
     "三連複",
     "SANFUKU",
     "SRF",
     3,
     false,
     8,
     5,
     7,
     3,
     3,
     15,
     5,
     6,
     7,
     9,
     3,
     12,
     13,
     14,
     PayoutType::Sanpuku,
     {F3, F3, F3}},
    {BetType::Santan,
     "３連単",
     "StringGrid34",
     "三連単",
     "SANTAN",
     "SRT",
     3,
     true,
     8,
     6,
     8,
     4,
     4,
     15,
     5,
     6,
     7,
     9,
     3,
     12,
     13,
     14,
     PayoutType::Santan,
     {F, F2, F3}},
}};

struct BetTypeTexts {
    std::array<std::string, kBetTypeCount> ids;
    std::array<std::string, kBetTypeCount> captions;
    BetTypeTexts() {
        for (size_t i = 0; i < kInfo.size(); ++i) {
            ids[i] = sj(kInfo[i].id);
            captions[i] = sj(kInfo[i].caption);
        }
    }
};

const BetTypeTexts& betTypeTexts() {
    static const BetTypeTexts t;
    return t;
}

} // namespace

const BetTypeInfo& betTypeInfo(BetType type) {
    return kInfo[static_cast<size_t>(type)];
}

const std::string& betTypeId(BetType type) {
    return betTypeTexts().ids[static_cast<size_t>(type)];
}

std::optional<BetType> betTypeOf(std::string_view cp932) {
    const BetTypeTexts& t = betTypeTexts();
    for (size_t i = 0; i < kInfo.size(); ++i)
        if (cp932 == t.ids[i] || cp932 == t.captions[i] || cp932 == kInfo[i].voteCode) return kInfo[i].type;
    return std::nullopt;
}

std::string betLabelName(BetType type, BetLabel label) {
    static constexpr const char* kinds[kBetLabelCount] = {"Tensu", "Toshi", "YosoKaishu", "Kaishu"};
    return std::string(betTypeInfo(type).labelStem) + kinds[static_cast<size_t>(label)] + "Label";
}

} // namespace renoka
