// Hit marking, sorting and painting of the bet grids, and the highlighting of the shown bet type's labels.
#include "betting/BetBoard.h"

#include "betting/BetFormat.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace renoka {

namespace {

constexpr Color kHeader = Color::rgbOf(0xC99292);     // RGB (201, 146, 146)
constexpr Color kRowNumber = Color::rgbOf(0xC1FFC1);  // RGB (193, 255, 193)
constexpr Color kLabel = Color::rgbOf(0xFFFBF0);      // RGB (255, 251, 240)
constexpr Color kShownLabel = Color::rgbOf(0xACB5FF); // RGB (172, 181, 255)

bool singleHorse(const BetTypeInfo& info) {
    return info.horses == 1;
}

// Whether a key cell hits a payout entry: the horse number for 単勝 and 複勝, the whole key text for the others.
bool hits(const BetTypeInfo& info, const std::string& key, const PayoutEntry& entry) {
    if (singleHorse(info)) return entry.horse > 0 && toInt(key) == entry.horse;
    return !trimView(key).empty() && key == entry.key;
}

} // namespace

void BetBoard::MarkHits(BetType type, int keyCol, int stakeCol, int ninkiCol, int returnCol, int payoutCol,
                        TextGrid& g) {
    const BetTypeInfo& info = betTypeInfo(type);
    const RaceWork::PayoutTable& table = m_store.work(m_store.CurrentRace).HrTable;
    const int entries = payoutLayout(info.payoutType).entries;
    // The entries are looked up once for all rows.
    std::vector<PayoutEntry> payouts;
    payouts.reserve(static_cast<size_t>(std::max(entries, 0)));
    for (int i = 0; i < entries; ++i)
        payouts.push_back(payoutEntry(table, info.payoutType, i));
    int64_t total = 0;
    for (int r = 1; r < g.rowCount(); ++r) {
        // The result columns always follow the payout table as it is now, also after a corrected payout.
        for (int c : {payoutCol, returnCol, ninkiCol})
            if (!g.cell(c, r).empty()) g.writable(c, r).clear();
        const std::string& key = g.cell(keyCol, r);
        if (trimView(key).empty()) continue;
        for (const PayoutEntry& entry : payouts) {
            if (!hits(info, key, entry)) continue;
            const int64_t stake = toInt64Def(g.cell(stakeCol, r), 0);
            const int64_t back = static_cast<int64_t>(entry.payout) * stake / 100;
            betfmt::assignInteger(g.writable(payoutCol, r), entry.payout, 7);
            if (type != BetType::Waku || back > 0) betfmt::assignInteger(g.writable(returnCol, r), back, 7);
            betfmt::assignInteger(g.writable(ninkiCol, r), entry.ninki, 3);
            total += back;
        }
    }
    Label& kaishu = label(type, BetLabel::Kaishu);
    if (total > 0) {
        kaishu.text = betfmt::integer(total, 8);
        kaishu.fontColor = toInt64Def(label(type, BetLabel::Toshi).text, 0) > total ? colors::Red : colors::Black;
    } else {
        kaishu.text.clear();
    }
}

bool BetBoard::winningKey(BetType type, const std::string& key) const {
    const BetTypeInfo& info = betTypeInfo(type);
    if (trimView(key).empty()) return false;
    const RaceWork::PayoutTable& table = m_store.work(m_store.CurrentRace).HrTable;
    for (int i = 0; i < payoutLayout(info.payoutType).entries; ++i)
        if (hits(info, key, payoutEntry(table, info.payoutType, i))) return true;
    return false;
}

CellPaint BetBoard::paint(BetType type, int row, int col) const {
    CellPaint p;
    const TextGrid& g = grid(type);
    if (row < 0 || row >= g.rowCount() || col < 0 || col >= g.colCount()) return p;
    p.align = Align::Center;
    p.bold = true;
    p.textColor = colors::Black;
    if (row == 0) {
        p.background = kHeader;
        return p;
    }
    p.background = colors::White;
    if (col == kRowNumberCol) p.background = kRowNumber;
    if (col == kKeyCol && winningKey(type, g.cell(col, row))) p.background = colors::Fuchsia;
    // A hit that would still lose money: its payout does not cover the type's total stake.
    const BetTypeInfo& info = betTypeInfo(type);
    if (col == info.rateCol() && !trimView(g.cell(col, row)).empty()) {
        const int64_t total = toInt64Def(label(type, BetLabel::Toshi).text, 0);
        if (total > 0 && toInt64Def(g.cell(info.payoutCol, row), 0) < total) p.textColor = colors::Red;
    }
    return p;
}

BetBoard::SortSet BetBoard::sortSetOf(BetType type) {
    switch (type) {
    case BetType::Tan:
        return SortSet::Tan;
    case BetType::Fuku:
        return SortSet::Fuku;
    case BetType::Sanpuku:
        return SortSet::Sanpuku;
    case BetType::Santan:
        return SortSet::Santan;
    default:
        return SortSet::Ren;
    }
}

void BetBoard::gridMouseDown(BetType type, int row, int col) {
    const TextGrid& g = grid(type);
    if (row != 0 || col < 1 || col >= g.colCount()) return;
    // A header is clicked on the page it is shown on.
    if (ActivePage != betIndex(type)) PageControl4Change(betIndex(type));
    auto& flags = m_sortDescending[static_cast<size_t>(sortSetOf(type))];
    flags[static_cast<size_t>(col)] = !flags[static_cast<size_t>(col)];
    LastSortCol = col;
    switch (sortSetOf(type)) {
    case SortSet::Tan:
    case SortSet::Fuku:
        SortKaimeHyoTanBtnClick();
        break;
    case SortSet::Ren:
        SortKaimeHyoRenBtnClick();
        break;
    default:
        SortKaimeHyoSanBtnClick();
        break;
    }
}

void BetBoard::SortKaimeHyoTanBtnClick() {
    BetType type{};
    if (!pageOfType(ActivePage, type) || (type != BetType::Tan && type != BetType::Fuku)) return;
    sortActive(sortSetOf(type));
}

void BetBoard::SortKaimeHyoRenBtnClick() {
    BetType type{};
    if (!pageOfType(ActivePage, type) || sortSetOf(type) != SortSet::Ren) return;
    sortActive(SortSet::Ren);
}

void BetBoard::SortKaimeHyoSanBtnClick() {
    BetType type{};
    if (!pageOfType(ActivePage, type) || (type != BetType::Sanpuku && type != BetType::Santan)) return;
    sortActive(sortSetOf(type));
}

void BetBoard::sortActive(SortSet set) {
    BetType type{};
    if (!pageOfType(ActivePage, type)) return;
    TextGrid& g = grid(type);
    const int col = LastSortCol;
    if (col < 1 || col >= g.colCount()) return;
    sortGrid(g, col, m_sortDescending[static_cast<size_t>(set)][static_cast<size_t>(col)]);
    m_changes.mark(View::Bets);
}

void BetBoard::sortGrid(TextGrid& g, int col, bool descending) {
    const int rows = g.rowCount() - 1;
    if (rows < 2) return;
    // Rows with equal text in the column keep the order of a second column: the key when sorting by the row
    // number, otherwise the row number, which is their generation order.
    const int second = col == kRowNumberCol ? kKeyCol : kRowNumberCol;
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& x = g.cell(col, a + 1);
        const std::string& y = g.cell(col, b + 1);
        if (x != y) return descending ? y < x : x < y;
        return g.cell(second, a + 1) < g.cell(second, b + 1);
    });
    g.reorderRows(1, order);
}

bool BetBoard::pageOfType(int page, BetType& type) {
    if (page < 0 || page >= kBetTypeCount) return false;
    type = kBetTypes[static_cast<size_t>(page)];
    return true;
}

void BetBoard::PageControl4Change(int page) {
    ActivePage = std::clamp(page, 0, kPageCount - 1);
    for (auto& labels : m_labels)
        for (Label& l : labels)
            l.color = kLabel;
    BetType type{};
    if (pageOfType(ActivePage, type) && type != BetType::Waku)
        for (Label& l : m_labels[static_cast<size_t>(type)])
            l.color = kShownLabel;
    m_changes.mark(View::Bets);
}

} // namespace renoka
