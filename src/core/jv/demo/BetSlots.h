#pragma once
// The entries of the eight bet types in the order the odds records list them: horses 1..28 for win and place,
// bracket pairs 1-1 .. 8-8, and the combinations of horses 1..18 in ascending order (ordered ones for exacta
// and trifecta). The market, the odds records and the payouts all address entries by these slot numbers.
#include <array>
#include <vector>

namespace renoka::demo {

enum class Bet { Win, Place, Bracket, Quinella, Wide, Exacta, Trio, Trifecta };
inline constexpr int BetCount = 8;
inline constexpr std::array<Bet, BetCount> AllBets = {Bet::Win,  Bet::Place,  Bet::Bracket, Bet::Quinella,
                                                      Bet::Wide, Bet::Exacta, Bet::Trio,    Bet::Trifecta};
inline constexpr int betIndex(Bet bet) {
    return static_cast<int>(bet);
}

// The share of the pool paid back, in fortieths (so that odds in tenths stay whole-number arithmetic): win
// and place 80 % (32), bracket, quinella and quinella place 77.5 % (31), exacta and trio 75 % (30), trifecta
// 72.5 % (29).
int payBackFortieths(Bet bet);

struct Combo {
    std::array<int, 3> parts{}; // horse numbers, or bracket numbers for Bet::Bracket; unused parts 0
    int size = 1;
};

// Every slot of a bet type in record order.
const std::vector<Combo>& slotsOf(Bet bet);

// Slot of a combination (0-based), or -1. Unordered types take their numbers in any order.
int slotOf(Bet bet, int a, int b = 0, int c = 0);

// For each trifecta slot: its trio slot and the quinella-place slots of its three pairs; for each exacta slot its
// quinella slot. The market adds the chances of ordered finishes up through these.
struct SlotLinks {
    std::vector<int> trioOfTrifecta;
    std::vector<std::array<int, 3>> pairsOfTrifecta;
    std::vector<int> quinellaOfExacta;
};
const SlotLinks& slotLinks();

} // namespace renoka::demo
