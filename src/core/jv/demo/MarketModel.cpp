#include "jv/demo/MarketModel.h"

#include <algorithm>

namespace renoka::demo {

namespace {

constexpr int Horses = 18;

int64_t tickets(double pool, double chance) {
    const double x = pool * chance + 0.5;
    return x < 1.0 ? 0 : static_cast<int64_t>(x);
}

int plainOdds(Bet bet, int64_t pool, int64_t votes) {
    if (votes <= 0) return NoVotes;
    const int64_t tenths = payBackFortieths(bet) * pool / (4 * votes);
    return static_cast<int>(std::clamp<int64_t>(tenths, 10, oddsCap(bet)));
}

// The field as the market sees it: who is there and who is withdrawn.
struct Field {
    int registered = 0;
    int brackets[Horses + 1] = {};
    bool scratched[Horses + 1] = {};
    int inBracket[9] = {};
    int liveInBracket[9] = {};
};

Field fieldOf(const MarketInput& in) {
    Field f;
    f.registered = std::min(in.registered, Horses);
    for (int h = 1; h <= f.registered; ++h) {
        f.brackets[h] = in.brackets[static_cast<size_t>(h - 1)];
        f.scratched[h] = in.scratched[static_cast<size_t>(h - 1)];
        ++f.inBracket[f.brackets[h]];
        if (!f.scratched[h]) ++f.liveInBracket[f.brackets[h]];
    }
    return f;
}

// Whether a combination's horses are all in the field, and whether one of them is scratched.
struct Presence {
    bool exists = true;
    bool cancelled = false;
};

Presence presence(const Field& f, const Combo& combo, Bet bet) {
    Presence p;
    if (bet == Bet::Bracket) {
        const int a = combo.parts[0];
        const int b = combo.parts[1];
        if (a == b) {
            p.exists = f.inBracket[a] >= 2;
            p.cancelled = f.liveInBracket[a] < 2;
        } else {
            p.exists = f.inBracket[a] > 0 && f.inBracket[b] > 0;
            p.cancelled = f.liveInBracket[a] == 0 || f.liveInBracket[b] == 0;
        }
        return p;
    }
    for (int i = 0; i < combo.size; ++i) {
        const int h = combo.parts[static_cast<size_t>(i)];
        if (h > f.registered)
            p.exists = false;
        else if (f.scratched[h])
            p.cancelled = true;
    }
    return p;
}

void rankPopularity(BetTable& table, Bet bet) {
    // One sortable number per priced entry: odds, then the highest odds (place) or the most tickets, then the
    // slot. Odds stay below 2^24, tickets and slots well inside their bits.
    std::vector<uint64_t> keys;
    int onSale = 0;
    for (size_t i = 0; i < table.entries.size(); ++i) {
        const OddsEntry& e = table.entries[i];
        if (e.odds == NoEntry || e.odds == Cancelled) continue;
        ++onSale;
        if (e.odds <= 0) continue;
        const uint64_t second =
            bet == Bet::Place ? static_cast<uint64_t>(e.oddsHigh)
                              : (1ull << 24) - 1 - static_cast<uint64_t>(std::min<int64_t>(e.votes, (1 << 24) - 1));
        keys.push_back(static_cast<uint64_t>(e.odds) << 37 | second << 13 | i);
    }
    std::sort(keys.data(), keys.data() + keys.size()); // plain pointers: the hot loop of the demo, also unoptimised
    for (size_t k = 0; k < keys.size(); ++k)
        table.entries[keys[k] & 0x1FFF].popularity = static_cast<int>(k) + 1;
    for (auto& e : table.entries) {
        if (e.odds == Cancelled) e.popularity = -1;
        // Entries nobody backed share the last rank of those on sale.
        else if (e.odds == NoVotes)
            e.popularity = onSale;
    }
}

// Lowest and highest odds of an entry that pays as one of `shares` winning entries; `fewest` and `most` are the
// tickets of the partners' entries in the cheapest and the dearest case.
void rangeOdds(Bet bet, OddsEntry& e, int64_t pool, int shares, int64_t fewest, int64_t most) {
    e.odds = std::min(payoutTenths(bet, pool, e.votes + most, shares, e.votes), oddsCap(bet));
    e.oddsHigh = std::min(payoutTenths(bet, pool, e.votes + fewest, shares, e.votes), oddsCap(bet));
}

// Chances of every entry of every bet type from the public's win chances (Harville).
std::array<std::vector<double>, BetCount> entryChances(const std::vector<double>& q, int placePaid) {
    std::array<std::vector<double>, BetCount> chance;
    for (Bet bet : AllBets)
        chance[static_cast<size_t>(betIndex(bet))].assign(slotsOf(bet).size(), 0.0);
    auto of = [&chance](Bet bet) -> std::vector<double>& { return chance[static_cast<size_t>(betIndex(bet))]; };
    const SlotLinks& links = slotLinks();
    for (int h = 0; h < Horses; ++h)
        of(Bet::Win)[static_cast<size_t>(h)] = q[static_cast<size_t>(h)];
    const auto& exactas = slotsOf(Bet::Exacta);
    for (size_t i = 0; i < exactas.size(); ++i) {
        const double qa = q[static_cast<size_t>(exactas[i].parts[0] - 1)];
        const double qb = q[static_cast<size_t>(exactas[i].parts[1] - 1)];
        if (qa <= 0 || qb <= 0) continue;
        const double p = qa * qb / std::max(1e-9, 1.0 - qa);
        of(Bet::Exacta)[i] = p;
        of(Bet::Quinella)[static_cast<size_t>(links.quinellaOfExacta[i])] += p;
        if (placePaid == 2) {
            of(Bet::Place)[static_cast<size_t>(exactas[i].parts[0] - 1)] += p;
            of(Bet::Place)[static_cast<size_t>(exactas[i].parts[1] - 1)] += p;
        }
    }
    const auto& trifectas = slotsOf(Bet::Trifecta);
    for (size_t i = 0; i < trifectas.size(); ++i) {
        const auto& parts = trifectas[i].parts;
        const double qa = q[static_cast<size_t>(parts[0] - 1)];
        const double qb = q[static_cast<size_t>(parts[1] - 1)];
        const double qc = q[static_cast<size_t>(parts[2] - 1)];
        if (qa <= 0 || qb <= 0 || qc <= 0) continue;
        const double p = qa * qb / std::max(1e-9, 1.0 - qa) * qc / std::max(1e-9, 1.0 - qa - qb);
        of(Bet::Trifecta)[i] = p;
        of(Bet::Trio)[static_cast<size_t>(links.trioOfTrifecta[i])] += p;
        for (int pair : links.pairsOfTrifecta[i])
            of(Bet::Wide)[static_cast<size_t>(pair)] += p;
        if (placePaid == 3)
            for (int part : parts)
                of(Bet::Place)[static_cast<size_t>(part - 1)] += p;
    }
    // Place and quinella-place chances add up to more than one (three horses place); spread the pool by share.
    for (Bet bet : {Bet::Place, Bet::Wide}) {
        double sum = 0;
        for (double x : of(bet))
            sum += x;
        if (sum > 0)
            for (double& x : of(bet))
                x /= sum;
    }
    return chance;
}

} // namespace

int oddsCap(Bet bet) {
    switch (bet) {
    case Bet::Win:
    case Bet::Place:
        return 9999;
    case Bet::Bracket:
    case Bet::Wide:
        return 99999;
    case Bet::Quinella:
    case Bet::Exacta:
    case Bet::Trio:
        return 999999;
    case Bet::Trifecta:
        return 9999999;
    }
    return 0;
}

int placesPaid(int starters) {
    return starters >= 8 ? 3 : starters >= 5 ? 2 : 0;
}

int payoutTenths(Bet bet, int64_t pool, int64_t winnerVotes, int winners, int64_t entryVotes) {
    if (entryVotes <= 0 || winners <= 0) return 0;
    const int64_t profit = payBackFortieths(bet) * pool - 40 * winnerVotes;
    if (profit <= 0) return 10;
    return static_cast<int>(10 + profit / (4 * winners * entryVotes));
}

MarketSnapshot makeMarket(const MarketInput& in) {
    MarketSnapshot m;
    const Field f = fieldOf(in);
    int starters = 0;
    std::vector<double> q(Horses, 0.0);
    for (int h = 1; h <= f.registered; ++h)
        if (!f.scratched[h]) {
            ++starters;
            q[static_cast<size_t>(h - 1)] = in.chances[static_cast<size_t>(h - 1)];
        }
    m.placePaid = placesPaid(starters);
    const auto chance = entryChances(q, m.placePaid);
    std::vector<double> bracketChance(slotsOf(Bet::Bracket).size(), 0.0);
    const auto& pairs = slotsOf(Bet::Quinella);
    for (size_t i = 0; i < pairs.size(); ++i) {
        const int a = pairs[i].parts[0], b = pairs[i].parts[1];
        if (b > f.registered) continue;
        bracketChance[static_cast<size_t>(slotOf(Bet::Bracket, f.brackets[a], f.brackets[b]))] +=
            chance[static_cast<size_t>(betIndex(Bet::Quinella))][i];
    }

    for (Bet bet : AllBets) {
        const size_t b = static_cast<size_t>(betIndex(bet));
        BetTable& table = m.bets[b];
        const auto& slots = slotsOf(bet);
        const auto& c = bet == Bet::Bracket ? bracketChance : chance[b];
        table.onSale = !(bet == Bet::Bracket && f.registered <= 8) && !(bet == Bet::Place && m.placePaid == 0);
        table.entries.assign(slots.size(), OddsEntry{});
        for (size_t i = 0; i < slots.size(); ++i) {
            OddsEntry& e = table.entries[i];
            const Presence p = presence(f, slots[i], bet);
            if (!table.onSale || !p.exists) continue;
            if (p.cancelled) {
                e.odds = e.oddsHigh = Cancelled;
                continue;
            }
            e.votes = tickets(static_cast<double>(in.pools[b]), c[i]);
            e.odds = e.oddsHigh = NoVotes;
        }
        // Enough tickets on a winning entry that its odds stay below what the odds field can show.
        const int64_t fewest = payBackFortieths(bet) * in.pools[b] / (4 * int64_t{oddsCap(bet)}) + 1;
        for (int slot : in.backed[b]) {
            OddsEntry& e = table.entries[static_cast<size_t>(slot)];
            if (e.odds == NoVotes) e.votes = std::max(fewest, e.votes);
        }
        for (const auto& e : table.entries)
            table.pool += e.votes;
    }

    for (Bet bet : AllBets) {
        BetTable& table = m[bet];
        if (bet == Bet::Place) {
            // The other places go to any two (one) of the other starters: the least and the most backed.
            std::vector<int64_t> rivals;
            for (int h = 1; h <= f.registered; ++h)
                if (!f.scratched[h]) rivals.push_back(table.entries[static_cast<size_t>(h - 1)].votes);
            std::sort(rivals.begin(), rivals.end());
            const size_t others = static_cast<size_t>(std::max(0, m.placePaid - 1));
            for (int h = 1; h <= f.registered; ++h) {
                OddsEntry& e = table.entries[static_cast<size_t>(h - 1)];
                if (e.odds != NoVotes || e.votes <= 0 || rivals.size() <= others) continue;
                // Sum the extremes among the rivals other than this horse itself.
                int64_t fewest = 0, most = 0;
                size_t taken = 0;
                bool skipped = false;
                for (size_t k = 0; taken < others && k < rivals.size(); ++k) {
                    if (!skipped && rivals[k] == e.votes) {
                        skipped = true;
                        continue;
                    }
                    fewest += rivals[k];
                    ++taken;
                }
                taken = 0;
                skipped = false;
                for (size_t k = rivals.size(); taken < others && k > 0; --k) {
                    if (!skipped && rivals[k - 1] == e.votes) {
                        skipped = true;
                        continue;
                    }
                    most += rivals[k - 1];
                    ++taken;
                }
                rangeOdds(bet, e, table.pool, m.placePaid, fewest, most);
            }
        } else if (bet == Bet::Wide) {
            // The third place goes to any other starter; the three pairs of the first three pay.
            const auto& slots = slotsOf(bet);
            for (size_t i = 0; i < slots.size(); ++i) {
                OddsEntry& e = table.entries[i];
                if (e.odds != NoVotes || e.votes <= 0) continue;
                const int a = slots[i].parts[0], b = slots[i].parts[1];
                int64_t fewest = -1, most = 0;
                for (int h = 1; h <= f.registered; ++h) {
                    if (h == a || h == b || f.scratched[h]) continue;
                    const int64_t v = table.entries[static_cast<size_t>(slotOf(bet, a, h))].votes +
                                      table.entries[static_cast<size_t>(slotOf(bet, b, h))].votes;
                    fewest = fewest < 0 ? v : std::min(fewest, v);
                    most = std::max(most, v);
                }
                if (fewest < 0)
                    e.odds = e.oddsHigh = plainOdds(bet, table.pool, e.votes);
                else
                    rangeOdds(bet, e, table.pool, 3, fewest, most);
            }
        } else {
            for (auto& e : table.entries)
                if (e.odds == NoVotes) e.odds = e.oddsHigh = plainOdds(bet, table.pool, e.votes);
        }
        rankPopularity(table, bet);
    }
    return m;
}

} // namespace renoka::demo
