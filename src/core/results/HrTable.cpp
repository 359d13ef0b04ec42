#include "results/HrTable.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "codes/CombinationKeys.h"
#include "text/Fields.h"

namespace renoka {

namespace {

constexpr int kPayoutLength = 9;

constexpr std::array<PayoutLayout, kPayoutTypeCount> kLayouts = {{
    {3, 103, 13, 2, 2}, // 単勝
    {5, 142, 13, 2, 2}, // 複勝
    {3, 207, 13, 2, 2}, // 枠連: two one-digit brackets
    {3, 246, 16, 4, 3}, // 馬連
    {7, 294, 16, 4, 3}, // ワイド; the reserved block 406-453 after it is not read
    {6, 454, 16, 4, 3}, // 馬単
    {3, 550, 18, 6, 3}, // ３連複
    {6, 604, 19, 6, 4}, // ３連単
}};

size_t indexOf(PayoutType type) {
    return static_cast<size_t>(type);
}

// A figure of the record: a stray sign or any other text reads as 0, like a blank.
int figure(std::string_view text) {
    const int v = toInt(text);
    return v > 0 ? v : 0;
}

// The combination key of `count` numbers of `digits` each; empty unless every number is above 0 (a field cut
// short by the end of the image has no numbers).
std::string comboKey(std::string_view numbers, int count, int digits) {
    int n[3] = {0, 0, 0};
    for (int i = 0; i < count; ++i) {
        n[i] = figure(field(numbers, 1 + i * digits, digits));
        if (n[i] <= 0) return {};
    }
    return count == 3 ? CombinationKey(n[0], n[1], n[2]) : CombinationKey(n[0], n[1]);
}

template <size_t N>
void readHorses(std::string_view hr, const PayoutLayout& l, std::array<RaceWork::HorsePayout, N>& out) {
    for (size_t i = 0; i < N; ++i) {
        const int pos = l.start + l.stride * static_cast<int>(i);
        out[i].horse = figure(field(hr, pos, l.numberLength));
        out[i].payout = figure(field(hr, pos + l.numberLength, kPayoutLength));
        out[i].ninki = figure(field(hr, pos + l.numberLength + kPayoutLength, l.ninkiLength));
    }
}

template <size_t N>
void readCombos(std::string_view hr, const PayoutLayout& l, int digits, std::array<RaceWork::ComboPayout, N>& out) {
    for (size_t i = 0; i < N; ++i) {
        const int pos = l.start + l.stride * static_cast<int>(i);
        out[i].setKey(comboKey(field(hr, pos, l.numberLength), l.numberLength / digits, digits));
        out[i].payout = figure(field(hr, pos + l.numberLength, kPayoutLength));
        out[i].ninki = figure(field(hr, pos + l.numberLength + kPayoutLength, l.ninkiLength));
    }
}

template <size_t N> PayoutEntry entryOf(const std::array<RaceWork::HorsePayout, N>& entries, int index) {
    const auto& e = entries[static_cast<size_t>(index)];
    return PayoutEntry{e.horse, {}, e.ninki, e.payout};
}

template <size_t N> PayoutEntry entryOf(const std::array<RaceWork::ComboPayout, N>& entries, int index) {
    const auto& e = entries[static_cast<size_t>(index)];
    return PayoutEntry{0, e.key(), e.ninki, e.payout};
}

} // namespace

const PayoutLayout& payoutLayout(PayoutType type) {
    return kLayouts[indexOf(type)];
}

std::string payoutTypeName(PayoutType type) {
    static constexpr const char* names[kPayoutTypeCount] = {"単勝",   "複勝", "枠連",   "馬連",
                                                            "ワイド", "馬単", "３連複", "３連単"};
    return sj(names[indexOf(type)]);
}

RaceWork::PayoutTable HrTableOf(std::string_view hr) {
    RaceWork::PayoutTable t{};
    readHorses(hr, payoutLayout(PayoutType::Tan), t.Tan);
    readHorses(hr, payoutLayout(PayoutType::Fuku), t.Fuku);
    readCombos(hr, payoutLayout(PayoutType::Waku), 1, t.Waku);
    readCombos(hr, payoutLayout(PayoutType::Umaren), 2, t.Umaren);
    readCombos(hr, payoutLayout(PayoutType::Wide), 2, t.Wide);
    readCombos(hr, payoutLayout(PayoutType::Umatan), 2, t.Umatan);
    readCombos(hr, payoutLayout(PayoutType::Sanpuku), 2, t.Sanpuku);
    readCombos(hr, payoutLayout(PayoutType::Santan), 2, t.Santan);
    return t;
}

PayoutEntry payoutEntry(const RaceWork::PayoutTable& table, PayoutType type, int index) {
    checkIndex(index, payoutLayout(type).entries, "払戻");
    switch (type) {
    case PayoutType::Tan:
        return entryOf(table.Tan, index);
    case PayoutType::Fuku:
        return entryOf(table.Fuku, index);
    case PayoutType::Waku:
        return entryOf(table.Waku, index);
    case PayoutType::Umaren:
        return entryOf(table.Umaren, index);
    case PayoutType::Wide:
        return entryOf(table.Wide, index);
    case PayoutType::Umatan:
        return entryOf(table.Umatan, index);
    case PayoutType::Sanpuku:
        return entryOf(table.Sanpuku, index);
    case PayoutType::Santan:
        return entryOf(table.Santan, index);
    }
    return {};
}

} // namespace renoka
