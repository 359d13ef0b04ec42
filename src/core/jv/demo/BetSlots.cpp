#include "jv/demo/BetSlots.h"

#include <algorithm>

namespace renoka::demo {

namespace {

struct Tables {
    std::array<std::vector<Combo>, BetCount> slots;
    // Index tables by part; unordered types are stored under their ascending form.
    int bracket[9][9];
    int pair[19][19];
    int exacta[19][19];
    int trio[19][19][19];
    int trifecta[19][19][19];

    Tables() {
        std::fill(&bracket[0][0], &bracket[0][0] + 81, -1);
        std::fill(&pair[0][0], &pair[0][0] + 19 * 19, -1);
        std::fill(&exacta[0][0], &exacta[0][0] + 19 * 19, -1);
        std::fill(&trio[0][0][0], &trio[0][0][0] + 19 * 19 * 19, -1);
        std::fill(&trifecta[0][0][0], &trifecta[0][0][0] + 19 * 19 * 19, -1);
        auto add = [this](Bet bet, int a, int b, int c, int size) {
            auto& list = slots[static_cast<size_t>(betIndex(bet))];
            list.push_back(Combo{{a, b, c}, size});
            return static_cast<int>(list.size()) - 1;
        };
        for (int h = 1; h <= 28; ++h) {
            add(Bet::Win, h, 0, 0, 1);
            add(Bet::Place, h, 0, 0, 1);
        }
        for (int a = 1; a <= 8; ++a)
            for (int b = a; b <= 8; ++b)
                bracket[a][b] = add(Bet::Bracket, a, b, 0, 2);
        for (int a = 1; a <= 18; ++a)
            for (int b = a + 1; b <= 18; ++b) {
                pair[a][b] = add(Bet::Quinella, a, b, 0, 2);
                add(Bet::Wide, a, b, 0, 2);
            }
        for (int a = 1; a <= 18; ++a)
            for (int b = 1; b <= 18; ++b)
                if (a != b) exacta[a][b] = add(Bet::Exacta, a, b, 0, 2);
        for (int a = 1; a <= 18; ++a)
            for (int b = a + 1; b <= 18; ++b)
                for (int c = b + 1; c <= 18; ++c)
                    trio[a][b][c] = add(Bet::Trio, a, b, c, 3);
        for (int a = 1; a <= 18; ++a)
            for (int b = 1; b <= 18; ++b)
                for (int c = 1; c <= 18; ++c)
                    if (a != b && b != c && a != c) trifecta[a][b][c] = add(Bet::Trifecta, a, b, c, 3);
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

bool horse(int n) {
    return n >= 1 && n <= 18;
}

} // namespace

int payBackFortieths(Bet bet) {
    switch (bet) {
    case Bet::Win:
    case Bet::Place:
        return 32;
    case Bet::Bracket:
    case Bet::Quinella:
    case Bet::Wide:
        return 31;
    case Bet::Exacta:
    case Bet::Trio:
        return 30;
    case Bet::Trifecta:
        return 29;
    }
    return 0;
}

const std::vector<Combo>& slotsOf(Bet bet) {
    return tables().slots[static_cast<size_t>(betIndex(bet))];
}

int slotOf(Bet bet, int a, int b, int c) {
    const Tables& t = tables();
    switch (bet) {
    case Bet::Win:
    case Bet::Place:
        return a >= 1 && a <= 28 ? a - 1 : -1;
    case Bet::Bracket:
        if (a > b) std::swap(a, b);
        return a >= 1 && b <= 8 ? t.bracket[a][b] : -1;
    case Bet::Quinella:
    case Bet::Wide:
        if (a > b) std::swap(a, b);
        return horse(a) && horse(b) ? t.pair[a][b] : -1;
    case Bet::Exacta:
        return horse(a) && horse(b) ? t.exacta[a][b] : -1;
    case Bet::Trio: {
        int v[3] = {a, b, c};
        std::sort(v, v + 3);
        return horse(v[0]) && horse(v[2]) ? t.trio[v[0]][v[1]][v[2]] : -1;
    }
    case Bet::Trifecta:
        return horse(a) && horse(b) && horse(c) ? t.trifecta[a][b][c] : -1;
    }
    return -1;
}

const SlotLinks& slotLinks() {
    static const SlotLinks links = [] {
        SlotLinks l;
        for (const Combo& c : slotsOf(Bet::Trifecta)) {
            l.trioOfTrifecta.push_back(slotOf(Bet::Trio, c.parts[0], c.parts[1], c.parts[2]));
            l.pairsOfTrifecta.push_back({slotOf(Bet::Wide, c.parts[0], c.parts[1]),
                                         slotOf(Bet::Wide, c.parts[0], c.parts[2]),
                                         slotOf(Bet::Wide, c.parts[1], c.parts[2])});
        }
        for (const Combo& c : slotsOf(Bet::Exacta))
            l.quinellaOfExacta.push_back(slotOf(Bet::Quinella, c.parts[0], c.parts[1]));
        return l;
    }();
    return links;
}

} // namespace renoka::demo
