#include "jv/demo/HrBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"
#include "text/Format.h"

namespace renoka::demo {

namespace {

struct Block {
    Bet bet;
    int start;
    int slots;
    int comboLen;
    int popLen;
};

// Where each bet type's payouts sit, in the order of the record.
constexpr Block Blocks[] = {
    {Bet::Win, 103, 3, 2, 2},  {Bet::Place, 142, 5, 2, 2},  {Bet::Bracket, 207, 3, 2, 2}, {Bet::Quinella, 246, 3, 4, 3},
    {Bet::Wide, 294, 7, 4, 3}, {Bet::Exacta, 454, 6, 4, 3}, {Bet::Trio, 550, 3, 6, 3},    {Bet::Trifecta, 604, 6, 6, 4},
};

// Horse numbers as two digits each; bracket pairs as one digit each.
std::string comboText(Bet bet, int slot) {
    const Combo& c = slotsOf(bet)[static_cast<size_t>(slot)];
    if (bet == Bet::Bracket) return fmt("%d%d", c.parts[0], c.parts[1]);
    std::string s;
    for (int i = 0; i < c.size; ++i)
        s += fmt("%02d", c.parts[static_cast<size_t>(i)]);
    return s;
}

} // namespace

std::string buildHr(const Race& race, const PayoutTable& payouts, bool bracketOnSale, char dataKind,
                    const DemoDate& made) {
    RecordImage r("HR", records::HR);
    r.header(dataKind, made);
    r.text(12, 16, race.key());
    r.num(28, 2, race.registered);
    r.num(30, 2, race.starters());
    r.fill(32, 9, '0');
    r.fill(41, 9, '0');
    r.fill(50, 9, '0');
    r.fill(59, 28, '0');
    r.fill(87, 8, '0');
    r.fill(95, 8, '0');
    for (const Block& b : Blocks) {
        const int stride = b.comboLen + 9 + b.popLen;
        const auto& list = payouts[static_cast<size_t>(betIndex(b.bet))];
        if (b.bet == Bet::Bracket && !bracketOnSale) {
            // Not sold with eight runners or fewer: the first entry says so with zeros.
            r.fill(b.start, b.comboLen + 9 + b.popLen, '0');
            continue;
        }
        for (int k = 0; k < b.slots && static_cast<size_t>(k) < list.size(); ++k) {
            const Payout& p = list[static_cast<size_t>(k)];
            const int at = b.start + stride * k;
            r.text(at, b.comboLen, comboText(b.bet, p.slot));
            r.num(at + b.comboLen, 9, p.yen);
            r.num(at + b.comboLen + 9, b.popLen, p.popularity > 0 ? p.popularity : 0);
        }
    }
    return r.take();
}

} // namespace renoka::demo
