#pragma once
// The betting market of one race at one moment. The public's chances of each horse winning give the chance of
// every combination (Harville: the chance that b follows a is q_b / (1 - q_a), and so on), the money of each
// pool is spread over the entries by those chances in whole 100-yen tickets, and odds, popularity and payouts
// are worked out from the tickets as a totalisator does: odds = pool x pay-back share / tickets on the entry,
// cut down to tenths. Whole-number arithmetic throughout, so the record fields and the payouts agree exactly.
#include "jv/demo/BetSlots.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace renoka::demo {

// Odds in tenths; these values mark entries without odds.
inline constexpr int NoVotes = 0;
inline constexpr int Cancelled = -1; // a scratched horse is part of the entry
inline constexpr int NoEntry = -2;   // no such horse or bracket pair in this race

struct OddsEntry {
    int64_t votes = 0;  // tickets of 100 yen
    int odds = NoEntry; // tenths; for place and quinella place the lowest odds
    int oddsHigh = NoEntry;
    int popularity = 0; // 0 for no entry, -1 for a cancelled one
};

struct BetTable {
    std::vector<OddsEntry> entries; // by slot (BetSlots.h)
    int64_t pool = 0;               // tickets of the whole pool
    bool onSale = true;
};

struct MarketInput {
    int registered = 0;
    std::vector<int> brackets;             // by horse number - 1
    std::vector<double> chances;           // the public's win chances by horse number - 1; 0 for a scratched horse
    std::vector<bool> scratched;           // by horse number - 1
    std::array<int64_t, BetCount> pools{}; // tickets the public spends on each bet type
    // Entries that must have at least one ticket: the winning ones. A winning entry nobody backed would need
    // a special payout, which a demo has no use for.
    std::array<std::vector<int>, BetCount> backed;
};

struct MarketSnapshot {
    std::array<BetTable, BetCount> bets;
    int placePaid = 3; // places the place bets pay: 3, 2 for seven runners or fewer

    const BetTable& operator[](Bet bet) const { return bets[static_cast<size_t>(betIndex(bet))]; }
    BetTable& operator[](Bet bet) { return bets[static_cast<size_t>(betIndex(bet))]; }
};

MarketSnapshot makeMarket(const MarketInput& input);

// Tenths paid per ticket on `entryVotes` when `winners` entries share the pool with `winnerVotes` tickets on
// them together: every ticket gets its stake back, the rest of the pool after the takeout is split evenly among
// the winning entries and then among their tickets. With one winner this equals the odds. Never below 1.0.
int payoutTenths(Bet bet, int64_t pool, int64_t winnerVotes, int winners, int64_t entryVotes);

// The largest value a bet type's odds field can show (tenths): 999.9 for win and place, and so on.
int oddsCap(Bet bet);

// Number of places the place bets pay for a field of `starters`.
int placesPaid(int starters);

} // namespace renoka::demo
