#include "jv/demo/Payouts.h"

#include <algorithm>

namespace renoka::demo {

namespace {

// Whether horse h can stand in place `position` (1-based): its placing and the horses tied with it cover it.
bool covers(const std::vector<int>& finish, int h, int position) {
    const int f = finish[static_cast<size_t>(h)];
    if (f <= 0) return false;
    const auto tied = std::count(finish.begin(), finish.end(), f);
    return f <= position && position <= f + static_cast<int>(tied) - 1;
}

void addUnique(std::vector<int>& list, int slot) {
    if (slot >= 0 && std::find(list.begin(), list.end(), slot) == list.end()) list.push_back(slot);
}

} // namespace

std::array<std::vector<int>, BetCount> winningSlots(const std::vector<int>& finish, const std::vector<int>& brackets,
                                                    int placePaid, bool bracketOnSale) {
    std::array<std::vector<int>, BetCount> out;
    auto list = [&out](Bet bet) -> std::vector<int>& { return out[static_cast<size_t>(betIndex(bet))]; };
    const int n = static_cast<int>(finish.size());
    for (int a = 0; a < n; ++a) {
        const int f = finish[static_cast<size_t>(a)];
        if (f == 1) addUnique(list(Bet::Win), slotOf(Bet::Win, a + 1));
        if (f >= 1 && f <= placePaid) addUnique(list(Bet::Place), slotOf(Bet::Place, a + 1));
        if (!covers(finish, a, 1)) continue;
        for (int b = 0; b < n; ++b) {
            if (b == a || !covers(finish, b, 2)) continue;
            addUnique(list(Bet::Exacta), slotOf(Bet::Exacta, a + 1, b + 1));
            addUnique(list(Bet::Quinella), slotOf(Bet::Quinella, a + 1, b + 1));
            if (bracketOnSale)
                addUnique(list(Bet::Bracket),
                          slotOf(Bet::Bracket, brackets[static_cast<size_t>(a)], brackets[static_cast<size_t>(b)]));
            for (int c = 0; c < n; ++c) {
                if (c == a || c == b || !covers(finish, c, 3)) continue;
                addUnique(list(Bet::Trifecta), slotOf(Bet::Trifecta, a + 1, b + 1, c + 1));
                addUnique(list(Bet::Trio), slotOf(Bet::Trio, a + 1, b + 1, c + 1));
                addUnique(list(Bet::Wide), slotOf(Bet::Wide, a + 1, b + 1));
                addUnique(list(Bet::Wide), slotOf(Bet::Wide, a + 1, c + 1));
                addUnique(list(Bet::Wide), slotOf(Bet::Wide, b + 1, c + 1));
            }
        }
    }
    for (auto& slots : out)
        std::sort(slots.begin(), slots.end());
    return out;
}

PayoutTable payouts(const MarketSnapshot& market, const std::vector<int>& finish, const std::vector<int>& brackets) {
    PayoutTable table;
    const auto winners = winningSlots(finish, brackets, market.placePaid, market[Bet::Bracket].onSale);
    for (Bet bet : AllBets) {
        const BetTable& bets = market[bet];
        const auto& slots = winners[static_cast<size_t>(betIndex(bet))];
        int64_t winnerVotes = 0;
        for (int s : slots)
            winnerVotes += bets.entries[static_cast<size_t>(s)].votes;
        for (int s : slots) {
            const OddsEntry& e = bets.entries[static_cast<size_t>(s)];
            Payout p;
            p.slot = s;
            p.popularity = e.popularity;
            // An entry nobody backed gets the special payout of 70 yen; the market model avoids it.
            p.yen =
                e.votes > 0
                    ? 10 * int64_t{payoutTenths(bet, bets.pool, winnerVotes, static_cast<int>(slots.size()), e.votes)}
                    : 70;
            table[static_cast<size_t>(betIndex(bet))].push_back(p);
        }
    }
    return table;
}

} // namespace renoka::demo
