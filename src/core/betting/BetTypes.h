#pragma once
// The eight bet types of a race as one table: the identifier every operation names a type by, the grid that
// shows its bets and the tab it sits on, the columns of that grid, the four summary labels, the odds record that
// says whether its odds are in, and the code of the vote files. Everything that reads a bet grid (allocation,
// hit marking, vote files, mail) finds its columns here.
#include "results/HrTable.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace renoka {

enum class BetType { Tan, Fuku, Waku, Umaren, Wide, Umatan, Sanpuku, Santan };
inline constexpr int kBetTypeCount = 8;
// In the order of the payout record, the results panel and the tabs.
inline constexpr std::array<BetType, kBetTypeCount> kBetTypes = {
    BetType::Tan,  BetType::Fuku,   BetType::Waku,    BetType::Umaren,
    BetType::Wide, BetType::Umatan, BetType::Sanpuku, BetType::Santan,
};
// The seven grids the bet generation builds from the marks, in the order it builds them (枠連 has its own
// extraction).
inline constexpr std::array<BetType, 7> kGeneratedBetTypes = {
    BetType::Tan, BetType::Fuku, BetType::Umaren, BetType::Wide, BetType::Umatan, BetType::Sanpuku, BetType::Santan,
};

inline constexpr int betIndex(BetType type) {
    return static_cast<int>(type);
}

// The part of the popularity rates a rate column shows: finishing first, in the first two, in the first three.
enum class RatePart { First, FirstTwo, FirstThree };

// The four summary labels under each grid: number of bets, total stake, expected return rate, actual return.
enum class BetLabel { Tensu, Toshi, YosoKaishu, Kaishu };
inline constexpr int kBetLabelCount = 4;

struct BetTypeInfo {
    BetType type;
    const char* id;        // UTF-8 identifier: "単勝" ... "３連単" (full-width ３)
    const char* gridName;  // "StringGrid3"
    const char* caption;   // UTF-8 tab caption: "単勝" ... "三連単"
    const char* voteCode;  // code of the vote files: "TAN" ... "SANTAN"
    const char* labelStem; // "Tan": TanTensuLabel, TanToshiLabel, TanYosoKaishuLabel, TanKaishuLabel
    int horses;            // numbers per bet (brackets for 枠連)
    bool ordered;          // 馬単 and ３連単 keep the finishing order in the key
    int keyWidth;          // 2, 5 or 8 characters
    int oddsKind;          // the odds record (O1..O6) whose race number says the type's odds are in; 0 = always
    int oddsWidth;         // odds field of a generated line ("%6.1f", "%7.1f", "%8.1f")
    int ninkiWidth;        // popularity field ("%2d", "%3d", "%4d")
    int rowNumberWidth;    // row number ("%2d", "%3d", "%4d")
    int colCount;          // 12, 14 or 15
    // Columns. Key, odds and popularity are 2, 3 and 4 in every grid; exclusion 0, row number 1.
    int ranksCol;     // win popularity of each horse of the key ("連人気"), -1 in single-horse grids
    int stakeCol;     // 購入額
    int payoutCol;    // 回収額 (the return-rate column 回収率 follows it)
    int firstRateCol; // 出現率 (1)
    int rateCols;     // how many 出現率 columns
    int resultPayout; // 結果配当
    int resultReturn; // 結果回収
    int resultNinki;  // 結果人気
    PayoutType payoutType;
    std::array<RatePart, 3> rateParts; // the rate part of each 出現率 column

    int rateCol() const { return payoutCol + 1; }
};

inline constexpr int kExclusionCol = 0;
inline constexpr int kRowNumberCol = 1;
inline constexpr int kKeyCol = 2;
inline constexpr int kOddsCol = 3;
inline constexpr int kNinkiCol = 4;

const BetTypeInfo& betTypeInfo(BetType type);
// The identifier in CP932, as the operations compare it.
const std::string& betTypeId(BetType type);
// The type of a CP932 identifier ("３連単"), of its tab caption ("三連単") or of its vote code ("SANTAN"); none
// for anything else.
std::optional<BetType> betTypeOf(std::string_view cp932);
// The name of a summary label: "SRTYosoKaishuLabel".
std::string betLabelName(BetType type, BetLabel label);

} // namespace renoka
