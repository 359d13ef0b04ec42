#include "jv/demo/OddsBuilder.h"
#include "store/RecordSizes.h"

#include "jv/demo/RecordImage.h"
#include "text/Format.h"

#include <vector>

namespace renoka::demo {

namespace {

// The combination field of every slot, as the records write it.
const std::string& comboText(Bet bet, size_t slot) {
    static const auto texts = [] {
        std::array<std::vector<std::string>, BetCount> all;
        for (Bet b : AllBets) {
            auto& list = all[static_cast<size_t>(betIndex(b))];
            for (const Combo& c : slotsOf(b)) {
                std::string s;
                for (int i = 0; i < c.size; ++i)
                    s += b == Bet::Bracket ? fmt("%d", c.parts[static_cast<size_t>(i)])
                                           : fmt("%02d", c.parts[static_cast<size_t>(i)]);
                list.push_back(s);
            }
        }
        return all;
    }();
    return texts[static_cast<size_t>(betIndex(bet))][slot];
}

struct EntryShape {
    int start;
    int count;
    int comboLen;
    int oddsLen;
    bool range; // lowest and highest odds
    int popLen;
};

void writeOdds(RecordImage& r, int at, int len, int odds) {
    if (odds == Cancelled)
        r.fill(at, len, '-');
    else
        r.num(at, len, odds);
}

void writeEntries(RecordImage& r, Bet bet, const BetTable& table, const EntryShape& shape) {
    const int stride = shape.comboLen + shape.oddsLen * (shape.range ? 2 : 1) + shape.popLen;
    for (int k = 0; k < shape.count; ++k) {
        const OddsEntry& e = table.entries[static_cast<size_t>(k)];
        const int at = shape.start + stride * k;
        if (e.odds == NoEntry) continue; // the image is blank already: no such entry
        r.text(at, shape.comboLen, comboText(bet, static_cast<size_t>(k)));
        int p = at + shape.comboLen;
        writeOdds(r, p, shape.oddsLen, e.odds);
        p += shape.oddsLen;
        if (shape.range) {
            writeOdds(r, p, shape.oddsLen, e.oddsHigh);
            p += shape.oddsLen;
        }
        if (e.popularity < 0)
            r.fill(p, shape.popLen, '-');
        else
            r.num(p, shape.popLen, e.popularity);
    }
}

char saleFlag(const BetTable& table) {
    return table.onSale ? '7' : '0';
}

} // namespace

std::string buildOdds(int type, const Race& race, const MarketSnapshot& m, const OddsStamp& stamp) {
    RecordImage r(fmt("O%d", type), records::odds(type));
    r.header(stamp.dataKind, stamp.made);
    r.text(12, 16, race.key());
    r.text(28, 8, stamp.announced.empty() ? "00000000" : stamp.announced);
    r.num(36, 2, race.registered);
    r.num(38, 2, race.starters());
    switch (type) {
    case 1:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Win])));
        r.text(41, 1, std::string(1, saleFlag(m[Bet::Place])));
        r.text(42, 1, std::string(1, saleFlag(m[Bet::Bracket])));
        r.num(43, 1, m.placePaid);
        writeEntries(r, Bet::Win, m[Bet::Win], {44, 28, 2, 4, false, 2});
        writeEntries(r, Bet::Place, m[Bet::Place], {268, 28, 2, 4, true, 2});
        writeEntries(r, Bet::Bracket, m[Bet::Bracket], {604, 36, 2, 5, false, 2});
        r.num(928, 11, m[Bet::Win].pool);
        r.num(939, 11, m[Bet::Place].pool);
        r.num(950, 11, m[Bet::Bracket].pool);
        break;
    case 2:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Quinella])));
        writeEntries(r, Bet::Quinella, m[Bet::Quinella], {41, 153, 4, 6, false, 3});
        r.num(2030, 11, m[Bet::Quinella].pool);
        break;
    case 3:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Wide])));
        writeEntries(r, Bet::Wide, m[Bet::Wide], {41, 153, 4, 5, true, 3});
        r.num(2642, 11, m[Bet::Wide].pool);
        break;
    case 4:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Exacta])));
        writeEntries(r, Bet::Exacta, m[Bet::Exacta], {41, 306, 4, 6, false, 3});
        r.num(4019, 11, m[Bet::Exacta].pool);
        break;
    case 5:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Trio])));
        writeEntries(r, Bet::Trio, m[Bet::Trio], {41, 816, 6, 6, false, 3});
        r.num(12281, 11, m[Bet::Trio].pool);
        break;
    default:
        r.text(40, 1, std::string(1, saleFlag(m[Bet::Trifecta])));
        writeEntries(r, Bet::Trifecta, m[Bet::Trifecta], {41, 4896, 6, 7, false, 4});
        r.num(83273, 11, m[Bet::Trifecta].pool);
    }
    return r.take();
}

} // namespace renoka::demo
