// The demo's betting market: odds from tickets and the takeout, popularity, cancelled entries and payouts.
#include "codes/CombinationKeys.h"
#include "jv/demo/Brackets.h"
#include "jv/demo/MarketModel.h"
#include "jv/demo/Payouts.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace renoka;
using namespace renoka::demo;

namespace {

// A race of `registered` horses with steeply falling chances; `scratched` (1-based, 0 none) is withdrawn.
MarketInput race(int registered, int scratched, double poolScale = 1.0) {
    MarketInput in;
    in.registered = registered;
    double sum = 0;
    for (int h = 1; h <= registered; ++h) {
        in.brackets.push_back(bracketOf(registered, h));
        in.scratched.push_back(h == scratched);
        const double c = h == scratched ? 0.0 : 1.0 / ((h + 1.0) * (h + 1.0));
        in.chances.push_back(c);
        sum += c;
    }
    for (double& c : in.chances)
        c /= sum;
    const std::array<int64_t, BetCount> pools = {350000, 450000, 120000, 900000, 550000, 650000, 1300000, 3600000};
    for (size_t b = 0; b < pools.size(); ++b)
        in.pools[b] = static_cast<int64_t>(pools[b] * poolScale);
    return in;
}

class DemoTakeoutTest : public testing::TestWithParam<Bet> {};

// Odds are the pool after the takeout divided by the tickets on the entry, cut down to tenths. Summed over the
// whole pool, 1/odds then lies between the pay-back share's inverse and what it would be without the cut.
TEST_P(DemoTakeoutTest, InverseOddsAddUpToThePayBackShare) {
    const Bet bet = GetParam();
    for (int registered : {9, 14, 18}) {
        const MarketSnapshot m = makeMarket(race(registered, 3));
        const double share = payBackFortieths(bet) / 40.0;
        double atLeast = 0, below = 0;
        int priced = 0;
        for (const auto& e : m[bet].entries) {
            if (e.odds <= 0) continue;
            ++priced;
            atLeast += 10.0 / e.odds;
            if (e.odds < oddsCap(bet)) below += 10.0 / (e.odds + 1);
        }
        ASSERT_GT(priced, 0);
        EXPECT_GE(atLeast, 1.0 / share - 1e-9) << registered;
        EXPECT_LT(below, 1.0 / share) << registered;
        // The cut costs the punter little where most money is: within a few percent of the share.
        EXPECT_NEAR(1.0 / atLeast, share, 0.03) << registered;
    }
}

INSTANTIATE_TEST_SUITE_P(PlainBets, DemoTakeoutTest,
                         testing::Values(Bet::Win, Bet::Bracket, Bet::Quinella, Bet::Exacta, Bet::Trio, Bet::Trifecta));

class DemoPopularityTest : public testing::TestWithParam<Bet> {};

TEST_P(DemoPopularityTest, PopularityFollowsTheOdds) {
    const Bet bet = GetParam();
    const MarketSnapshot m = makeMarket(race(16, 5, 0.3));
    std::vector<const OddsEntry*> priced;
    int noVotes = 0, onSale = 0;
    for (const auto& e : m[bet].entries) {
        if (e.odds == NoEntry || e.odds == Cancelled) continue;
        ++onSale;
        if (e.odds == NoVotes) {
            ++noVotes;
            continue;
        }
        priced.push_back(&e);
    }
    std::sort(priced.begin(), priced.end(), [](auto* a, auto* b) { return a->popularity < b->popularity; });
    for (size_t i = 0; i < priced.size(); ++i) {
        EXPECT_EQ(priced[i]->popularity, static_cast<int>(i) + 1);
        if (i > 0) {
            EXPECT_LE(priced[i - 1]->odds, priced[i]->odds) << "popularity " << i + 1;
        }
    }
    // Entries nobody backed share the last rank.
    for (const auto& e : m[bet].entries) {
        if (e.odds == NoVotes) {
            EXPECT_EQ(e.popularity, onSale);
        }
    }
    if (bet == Bet::Trifecta) {
        EXPECT_GT(noVotes, 0) << "a small pool leaves long-shot trifectas unbacked";
    }
}

INSTANTIATE_TEST_SUITE_P(AllBets, DemoPopularityTest, testing::ValuesIn(AllBets));

TEST(DemoMarketTest, AScratchedHorseCancelsItsEntriesAndAbsentHorsesHaveNone) {
    const MarketSnapshot m = makeMarket(race(10, 4));
    for (Bet bet : AllBets) {
        const auto& slots = slotsOf(bet);
        for (size_t i = 0; i < slots.size(); ++i) {
            const Combo& c = slots[i];
            const OddsEntry& e = m[bet].entries[i];
            if (bet == Bet::Bracket) {
                // Brackets of 10 horses: 1..6 one horse each, 7 and 8 two each; bracket 4 holds horse 4.
                const bool same = c.parts[0] == c.parts[1];
                if (same && c.parts[0] < 7) {
                    EXPECT_EQ(e.odds, NoEntry);
                } else if (c.parts[0] == 4 || c.parts[1] == 4) {
                    EXPECT_EQ(e.odds, Cancelled);
                } else {
                    EXPECT_GT(e.odds, 0);
                }
                continue;
            }
            bool absent = false, withdrawn = false;
            for (int k = 0; k < c.size; ++k) {
                absent = absent || c.parts[static_cast<size_t>(k)] > 10;
                withdrawn = withdrawn || c.parts[static_cast<size_t>(k)] == 4;
            }
            if (absent) {
                EXPECT_EQ(e.odds, NoEntry) << i;
            } else if (withdrawn) {
                EXPECT_EQ(e.odds, Cancelled) << i;
                EXPECT_EQ(e.popularity, -1);
            } else {
                EXPECT_GE(e.odds, 0) << i;
            }
        }
    }
}

TEST(DemoMarketTest, NoBracketBettingWithEightRunnersOrFewer) {
    const MarketSnapshot small = makeMarket(race(8, 0));
    EXPECT_FALSE(small[Bet::Bracket].onSale);
    for (const auto& e : small[Bet::Bracket].entries)
        EXPECT_EQ(e.odds, NoEntry);
    EXPECT_EQ(small.placePaid, 3);
    EXPECT_TRUE(makeMarket(race(9, 0))[Bet::Bracket].onSale);
    EXPECT_EQ(makeMarket(race(8, 2)).placePaid, 2); // seven runners: place pays two
}

TEST(DemoMarketTest, RecordOrderOfCombinationsIsTheProgramsIndexOrder) {
    // The odds intake addresses combinations by their place in the record; the demo must list them that way.
    const auto& pairs = slotsOf(Bet::Quinella);
    for (size_t i = 0; i < pairs.size(); ++i)
        ASSERT_EQ(UmarenIndex(CombinationKey(pairs[i].parts[0], pairs[i].parts[1])), i + 1);
    const auto& ordered = slotsOf(Bet::Exacta);
    for (size_t i = 0; i < ordered.size(); ++i)
        ASSERT_EQ(UmatanIndex(CombinationKey(ordered[i].parts[0], ordered[i].parts[1])), i + 1);
    const auto& trios = slotsOf(Bet::Trio);
    for (size_t i = 0; i < trios.size(); ++i)
        ASSERT_EQ(SanrenpukuIndex(CombinationKey(trios[i].parts[0], trios[i].parts[1], trios[i].parts[2])), i + 1);
    const auto& trifectas = slotsOf(Bet::Trifecta);
    for (size_t i = 0; i < trifectas.size(); ++i)
        ASSERT_EQ(SanrentanIndex(CombinationKey(trifectas[i].parts[0], trifectas[i].parts[1], trifectas[i].parts[2])),
                  i + 1);
    const auto& brackets = slotsOf(Bet::Bracket);
    for (size_t i = 0; i < brackets.size(); ++i)
        ASSERT_EQ(WakurenIndex(CombinationKey(brackets[i].parts[0], brackets[i].parts[1])), i + 1);
}

struct FinishCase {
    const char* name;
    std::vector<int> finish; // placing by horse number - 1
    std::array<size_t, BetCount> paying;
};
class DemoWinningSlotsTest : public testing::TestWithParam<FinishCase> {};

std::string finishCaseName(const testing::TestParamInfo<FinishCase>& param) {
    std::string n = param.param.name;
    std::replace(n.begin(), n.end(), ' ', '_');
    return n;
}

TEST_P(DemoWinningSlotsTest, DeadHeatsPayEveryEntryTheyMakeRight) {
    const auto& c = GetParam();
    std::vector<int> brackets;
    for (size_t h = 1; h <= c.finish.size(); ++h)
        brackets.push_back(bracketOf(static_cast<int>(c.finish.size()), static_cast<int>(h)));
    const auto slots = winningSlots(c.finish, brackets, 3, true);
    for (Bet bet : AllBets)
        EXPECT_EQ(slots[static_cast<size_t>(betIndex(bet))].size(), c.paying[static_cast<size_t>(betIndex(bet))])
            << c.name << " bet " << betIndex(bet);
}

INSTANTIATE_TEST_SUITE_P(Results, DemoWinningSlotsTest,
                         testing::Values(
                             //                      win place bracket quinella wide exacta trio trifecta
                             FinishCase{"plain", {3, 1, 2, 0, 4, 5, 6, 7, 8, 9}, {1, 3, 1, 1, 3, 1, 1, 1}},
                             FinishCase{"tie for third", {1, 2, 3, 3, 5, 6, 7, 8, 9, 10}, {1, 4, 1, 1, 5, 1, 2, 2}},
                             FinishCase{"tie for first", {1, 1, 3, 4, 5, 6, 7, 8, 9, 10}, {2, 3, 1, 1, 3, 2, 1, 2}},
                             FinishCase{"tie for second", {1, 2, 2, 4, 5, 6, 7, 8, 9, 10}, {1, 3, 2, 2, 3, 2, 1, 2}}),
                         finishCaseName);

TEST(DemoPayoutTest, SingleWinnersPayTheirOddsAndPlacesStayInTheirRange) {
    MarketInput in = race(14, 0);
    std::vector<int> finish = {4, 2, 1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    in.backed = winningSlots(finish, in.brackets, 3, true);
    const MarketSnapshot m = makeMarket(in);
    const PayoutTable pay = payouts(m, finish, in.brackets);
    for (Bet bet : {Bet::Win, Bet::Bracket, Bet::Quinella, Bet::Exacta, Bet::Trio, Bet::Trifecta}) {
        const auto& list = pay[static_cast<size_t>(betIndex(bet))];
        ASSERT_EQ(list.size(), 1u);
        const OddsEntry& e = m[bet].entries[static_cast<size_t>(list[0].slot)];
        EXPECT_EQ(list[0].yen, e.odds * 10) << betIndex(bet);
        EXPECT_EQ(list[0].popularity, e.popularity);
    }
    for (Bet bet : {Bet::Place, Bet::Wide}) {
        for (const Payout& p : pay[static_cast<size_t>(betIndex(bet))]) {
            const OddsEntry& e = m[bet].entries[static_cast<size_t>(p.slot)];
            EXPECT_GE(p.yen, e.odds * 10) << betIndex(bet);
            EXPECT_LE(p.yen, e.oddsHigh * 10) << betIndex(bet);
        }
    }
    EXPECT_EQ(pay[static_cast<size_t>(betIndex(Bet::Trifecta))][0].slot, slotOf(Bet::Trifecta, 3, 2, 4));
}

TEST(DemoPayoutTest, TiedEntriesShareThePool) {
    MarketInput in = race(12, 0);
    std::vector<int> finish = {1, 2, 3, 3, 5, 6, 7, 8, 9, 10, 11, 12};
    in.backed = winningSlots(finish, in.brackets, 3, true);
    const MarketSnapshot m = makeMarket(in);
    const PayoutTable pay = payouts(m, finish, in.brackets);
    const auto& trio = pay[static_cast<size_t>(betIndex(Bet::Trio))];
    ASSERT_EQ(trio.size(), 2u);
    // Two winning trios: each pays less than its odds, the less-backed one more than the other.
    for (const Payout& p : trio)
        EXPECT_LT(p.yen, m[Bet::Trio].entries[static_cast<size_t>(p.slot)].odds * 10);
    const int64_t v0 = m[Bet::Trio].entries[static_cast<size_t>(trio[0].slot)].votes;
    const int64_t v1 = m[Bet::Trio].entries[static_cast<size_t>(trio[1].slot)].votes;
    EXPECT_EQ(v0<v1, trio[0].yen> trio[1].yen);
    EXPECT_EQ(payoutTenths(Bet::Win, 100, 200, 1, 200), 10); // a pool that cannot pay still returns the stake
}

} // namespace
