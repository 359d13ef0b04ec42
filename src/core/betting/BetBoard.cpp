// The bet grids: their columns, the bet generation from the marks, the popularity-rate columns, the clicks on
// the grids and the bet-logic menus.
#include "betting/BetBoard.h"

#include "base/Cp932.h"
#include "betting/BetFormat.h"
#include "betting/KaimeSetForm.h"
#include "betting/PopularityRateTable.h"
#include "codes/CombinationKeys.h"
#include "frame/FrameState.h"
#include "frame/IniFile.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

// Columns of the entries-check grid that carry the marks.
constexpr int kAxisCol = 8;
constexpr int kPartner1Col = 9;
constexpr int kPartner2Col = 10;
constexpr int kExcludedCol = 11;

const std::string& exclusionMark() {
    static const std::string mark = sj("消");
    return mark;
}

// Column widths in the system's pixels; -1 hides a column that is still filled and read.
std::vector<int> widthsOf(const BetTypeInfo& info) {
    if (info.horses == 1) return {20, 20, 50, 50, -1, 60, 60, 60, -1, 60, 60, 60};
    if (info.horses == 2) return {20, 28, 50, 50, -1, -1, 60, 60, 60, -1, -1, 60, 60, 60};
    return {20, 34, 66, 60, -1, -1, 60, 60, 60, -1, -1, -1, 60, 60, 60};
}

// The race's horses by their marks, horse numbers ascending.
struct Marks {
    std::vector<int> axes, partners1, partners2;
};

Marks marksOf(const TextGrid& check, int horses) {
    Marks m;
    const std::string& excluded = exclusionMark();
    for (int h = 1; h <= horses; ++h) {
        if (check.cell(kExcludedCol, h) == excluded) continue;
        if (!check.cell(kAxisCol, h).empty()) m.axes.push_back(h);
        if (!check.cell(kPartner1Col, h).empty()) m.partners1.push_back(h);
        if (!check.cell(kPartner2Col, h).empty()) m.partners2.push_back(h);
    }
    return m;
}

// The odds and popularity table of a multi-horse type, by combination index.
struct PriceTable {
    const double* odds;
    const int32_t* ninki;
    int count;
    uint16_t (*index)(std::string_view);
};

uint16_t wakurenIndex16(std::string_view key) {
    return WakurenIndex(key);
}

PriceTable priceTableOf(const RaceWork& w, BetType type) {
    switch (type) {
    case BetType::Waku:
        return {w.WakuOz.data(), w.WakuNinki.data(), combos::Wakuren, &wakurenIndex16};
    case BetType::Umaren:
        return {w.UmarenOz.data(), w.UmarenNinki.data(), combos::Umaren, &UmarenIndex};
    case BetType::Wide:
        return {w.WideOz.data(), w.WideNinki.data(), combos::Umaren, &UmarenIndex};
    case BetType::Umatan:
        return {w.UmatanOz.data(), w.UmatanNinki.data(), combos::Umatan, &UmatanIndex};
    case BetType::Sanpuku:
        return {w.SanpukuOz.data(), w.SanpukuNinki.data(), combos::Sanrenpuku, &SanrenpukuIndex};
    default:
        return {w.SantanOz.data(), w.SantanNinki.data(), combos::Sanrentan, &SanrentanIndex};
    }
}

// Writes a generated line into row `row`: the row number, then key, odds and popularity cut from the line at
// the type's field widths.
void putLine(TextGrid& grid, const BetTypeInfo& info, int row, std::string_view line) {
    betfmt::assignInteger(grid.writable(kRowNumberCol, row), row, info.rowNumberWidth);
    grid.assignCell(kKeyCol, row, field(line, 1, info.keyWidth));
    grid.assignCell(kOddsCol, row, field(line, info.keyWidth + 1, info.oddsWidth));
    grid.assignCell(kNinkiCol, row, field(line, info.keyWidth + info.oddsWidth + 1, info.ninkiWidth));
}

} // namespace

BetBoard::BetBoard(RaceDayStore& store, IniFile& ini, const PopularityRateTable& rates, BetControls controls,
                   ViewChanges& changes)
    : m_store(store), m_ini(ini), m_rates(rates), m_c(controls), m_changes(changes) {
    setupGrids();
    PageControl4Change(0);
}

BetBoard::~BetBoard() = default;

std::vector<std::string> BetBoard::headers(BetType type) {
    const BetTypeInfo& info = betTypeInfo(type);
    std::vector<std::string> h = {"消", type == BetType::Waku ? "No" : "No.", "買い目", "オッズ", "人気"};
    if (info.horses > 1) h.emplace_back("連人気");
    for (const char* c : {"購入額", "回収額", "回収率"})
        h.emplace_back(c);
    if (info.rateCols == 1)
        h.emplace_back("出現率");
    else
        for (int i = 1; i <= info.rateCols; ++i)
            h.push_back("出現率" + std::to_string(i));
    for (const char* c : {"結果配当", "結果回収", "結果人気"})
        h.emplace_back(c);
    for (auto& text : h)
        text = sj(text);
    return h;
}

void BetBoard::setupGrids() {
    for (BetType type : kBetTypes) {
        const BetTypeInfo& info = betTypeInfo(type);
        TextGrid& g = grid(type);
        g = TextGrid(info.colCount, 2);
        const std::vector<std::string> h = headers(type);
        const std::vector<int> widths = widthsOf(info);
        for (int c = 0; c < info.colCount; ++c) {
            g.setCell(c, 0, h[static_cast<size_t>(c)]);
            g.setColWidth(c, widths[static_cast<size_t>(c)]);
        }
    }
    StringGrid2 = TextGrid(4, 2);
    const char* previewHeaders[] = {"No", "組番", "オッズ", "選択"};
    const int previewWidths[] = {24, 50, 60, 40};
    for (int c = 0; c < 4; ++c) {
        StringGrid2.setCell(c, 0, sj(previewHeaders[c]));
        StringGrid2.setColWidth(c, previewWidths[c]);
    }
}

int BetBoard::fieldSize() const {
    // A race has at most 18 horses; a damaged count must not address rows that cannot exist.
    return std::clamp(fieldInt(m_store.ra(m_store.CurrentRace), 882, 2), 0, kHorseCount);
}

bool BetBoard::oddsRead(int kind) const {
    return kind == 0 || fieldInt(m_store.odds(kind, m_store.CurrentRace), 26, 2) > 0;
}

void BetBoard::clearGrid(BetType type) {
    // Dropping every data row and adding one back leaves the header and one empty row.
    TextGrid& g = grid(type);
    g.setRowCount(1);
    g.setRowCount(2);
}

void BetBoard::clearLabels(BetType type) {
    for (Label& l : m_labels[static_cast<size_t>(type)])
        l.text.clear();
}

void BetBoard::KaimeMakeBtnClick() {
    const int horses = fieldSize();
    for (BetType type : kGeneratedBetTypes) {
        clearGrid(type);
        clearLabels(type);
    }
    buildSingles(horses);
    for (BetType type : kGeneratedBetTypes)
        if (betTypeInfo(type).horses > 1) buildMulti(type, horses);
    for (BetType type : kGeneratedBetTypes) {
        allocate(type);
        fillRates(type, horses);
        markHits(type);
    }
    m_changes.mark(View::Bets);
}

void BetBoard::buildSingles(int horses) {
    const RaceWork& w = m_store.work(m_store.CurrentRace);
    const Marks marks = marksOf(m_c.StringGrid8, horses);
    for (BetType type : {BetType::Tan, BetType::Fuku}) {
        const BetTypeInfo& info = betTypeInfo(type);
        std::vector<std::string> lines;
        for (int h : marks.axes) {
            const auto i = static_cast<size_t>(h - 1);
            // A horse without a win popularity has no odds or was scratched.
            if (w.TanNinki[i] <= 0) continue;
            const bool win = type == BetType::Tan;
            lines.push_back(betfmt::integer(h, 2) + betfmt::fixed(win ? w.TanOz[i] : w.FukuOzMin[i], 6, 1) +
                            betfmt::integer(win ? w.TanNinki[i] : w.FukuMinNinki[i], 2));
        }
        TextGrid& g = grid(type);
        g.setRowCount(lines.size() >= 2 ? static_cast<int>(lines.size()) + 1 : 2);
        for (size_t k = 0; k < lines.size(); ++k)
            putLine(g, info, static_cast<int>(k) + 1, lines[k]);
    }
}

void BetBoard::buildMulti(BetType type, int horses) {
    const BetTypeInfo& info = betTypeInfo(type);
    const RaceWork& w = m_store.work(m_store.CurrentRace);
    const Marks marks = marksOf(m_c.StringGrid8, horses);
    const bool available = oddsRead(info.oddsKind);
    const PriceTable prices = priceTableOf(w, type);

    // Every combination the marks allow, once: a flag per ordered number tuple, read back in ascending order of
    // the numbers, which is the text order of the keys.
    constexpr int kSide = kHorseCount + 1;
    std::vector<char> seen(static_cast<size_t>(kSide * kSide * (info.horses == 3 ? kSide : 1)), 0);
    const auto mark = [&](int a, int b, int c) {
        seen[static_cast<size_t>((a * kSide + b) * (info.horses == 3 ? kSide : 1) + c)] = 1;
    };
    for (int i : marks.axes)
        for (int j : marks.partners1) {
            if (i == j) continue;
            if (info.horses == 2) {
                if (info.ordered)
                    mark(i, j, 0);
                else
                    mark(std::min(i, j), std::max(i, j), 0);
                continue;
            }
            for (int k : marks.partners2) {
                if (k == i || k == j) continue;
                if (info.ordered) {
                    for (const auto& [a, b, c] : {std::array{i, j, k}, std::array{i, k, j}, std::array{j, i, k},
                                                  std::array{j, k, i}, std::array{k, i, j}, std::array{k, j, i}})
                        mark(a, b, c);
                } else {
                    std::array<int, 3> t{i, j, k};
                    std::sort(t.begin(), t.end());
                    mark(t[0], t[1], t[2]);
                }
            }
        }

    // The generated lines one after another in one text; line k ends at ends[k].
    std::string text;
    std::vector<size_t> ends;
    constexpr size_t kBlanks = 7 + 3;
    const auto addKey = [&](const std::string& key) {
        if (!available) {
            text += key;
            text.append(kBlanks, ' ');
            ends.push_back(text.size());
            return;
        }
        const int index = prices.index(key);
        if (index < 1 || index > prices.count) return;
        const double odds = prices.odds[index];
        // Not on sale: no bet.
        if (odds <= 0) return;
        text += key;
        betfmt::appendFixed(text, odds, info.oddsWidth, 1);
        betfmt::appendInteger(text, prices.ninki[index], info.ninkiWidth);
        ends.push_back(text.size());
    };
    for (int a = 1; a <= horses; ++a)
        for (int b = 1; b <= horses; ++b) {
            if (info.horses == 2) {
                if (seen[static_cast<size_t>(a * kSide + b)]) addKey(CombinationKey(a, b));
                continue;
            }
            for (int c = 1; c <= horses; ++c)
                if (seen[static_cast<size_t>((a * kSide + b) * kSide + c)]) addKey(CombinationKey(a, b, c));
        }

    TextGrid& g = grid(type);
    g.setRowCount(ends.size() >= 2 ? static_cast<int>(ends.size()) + 1 : 2);
    std::string ranks;
    size_t start = 0;
    for (size_t k = 0; k < ends.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        const std::string_view line(text.data() + start, ends[k] - start);
        start = ends[k];
        putLine(g, info, row, line);
        // The win popularity of each horse of the key, when every one of them has one.
        ranks.clear();
        for (int n = 0; n < info.horses; ++n) {
            const int horse = fieldInt(line, 1 + 3 * n, 2);
            const int rank = horse >= 1 && horse <= kHorseCount ? w.TanNinki[static_cast<size_t>(horse - 1)] : 0;
            if (rank <= 0) {
                ranks.clear();
                break;
            }
            if (n > 0) ranks += '-';
            betfmt::appendInteger(ranks, rank, 2);
        }
        if (!ranks.empty()) g.assignCell(info.ranksCol, row, ranks);
    }
}

void BetBoard::FillRateColumn(RatePart part, int fieldSize, int rows, TextGrid& g, int targetCol, int sourceCol,
                              int number) const {
    rows = std::min(rows, g.rowCount() - 1);
    for (int r = 1; r <= rows; ++r) {
        const int rank = fieldInt(g.cell(sourceCol, r), 1 + 3 * (number - 1), 2);
        if (rank <= 0) continue;
        // The statistics know fields of 4 to 18 horses only.
        if (!PopularityRateTable::covers(fieldSize, rank)) {
            g.writable(targetCol, r).clear();
            continue;
        }
        const double rate = m_rates.rate(part, fieldSize, rank) * 100;
        betfmt::assignFixed(g.writable(targetCol, r), rate, 5, 1);
    }
}

void BetBoard::fillRates(BetType type, int horses) {
    if (type == BetType::Waku) return;
    const BetTypeInfo& info = betTypeInfo(type);
    TextGrid& g = grid(type);
    const int source = info.horses == 1 ? kNinkiCol : info.ranksCol;
    for (int n = 0; n < info.rateCols; ++n)
        FillRateColumn(info.rateParts[static_cast<size_t>(n)], horses, g.rowCount() - 1, g, info.firstRateCol + n,
                       source, n + 1);
}

void BetBoard::allocate(BetType type) {
    const BetTypeInfo& info = betTypeInfo(type);
    AllocateFunds(type, RadioGroup1ItemIndex, SaNumEditExC1, grid(type), info.payoutCol, info.stakeCol, kExclusionCol,
                  kOddsCol, kRowNumberCol);
}

void BetBoard::markHits(BetType type) {
    const BetTypeInfo& info = betTypeInfo(type);
    MarkHits(type, kKeyCol, info.stakeCol, info.resultNinki, info.resultReturn, info.resultPayout, grid(type));
}

void BetBoard::recompute(BetType type) {
    clearLabels(type);
    TextGrid& g = grid(type);
    if (type == BetType::Waku) {
        int open = 0;
        for (int r = 1; r < g.rowCount(); ++r)
            if (trimView(g.cell(kExclusionCol, r)).empty()) ++open;
        bracketRule(open);
    }
    allocate(type);
    fillRates(type, fieldSize());
    markHits(type);
}

void BetBoard::gridClick(BetType type, int row, int col) {
    TextGrid& g = grid(type);
    if (row < 1 || row >= g.rowCount() || col < 0 || col >= g.colCount()) return;
    if (col == kExclusionCol)
        g.setCell(kExclusionCol, row, trimView(g.cell(kExclusionCol, row)).empty() ? exclusionMark() : std::string());
    recompute(type);
    m_changes.mark(View::Bets);
}

void BetBoard::clearBets() {
    for (BetType type : kBetTypes) {
        clearGrid(type);
        clearLabels(type);
    }
    for (int r = 1; r < StringGrid2.rowCount(); ++r)
        for (int c = 0; c < StringGrid2.colCount(); ++c)
            StringGrid2.setCell(c, r, {});
    StringGrid2.setRowCount(2);
    m_previewSlot = -1;
    m_previewDay.clear();
    m_changes.mark(View::Bets);
}

void BetBoard::clearBetLabels() {
    KenLabel.text.clear();
    KaiPaternLabel.text.clear();
    kinto2tenLabel.text.clear();
    m_changes.mark(View::Bets);
}

void BetBoard::Kaime3IncludeClick(int item) {
    MenuChecks& m = m_c.menus;
    m.DefaultKaime = item == 0;
    m.Kaime3Include = item == 1;
    m.NagasiKaime = item == 2;
    m.StdDev13 = item == 3;
    m_ini.writeInteger("KaimeSet", "ExKaime", item);
    // The picks mailed are those of the default bets: another logic stops the mail.
    if (item != 0) {
        m.N30 = false;
        m_c.DeliverTimer.enabled = false;
        m_changes.mark(View::Timers);
    }
    m_changes.mark(View::Frame);
}

void BetBoard::N32Click(int item) {
    MenuChecks& m = m_c.menus;
    m.N32 = item == 1;
    m.N33 = item == 2;
    m_ini.writeInteger("Kaime", "Option", item);
    m_changes.mark(View::Frame);
}

void BetBoard::KaimeJoiClick(int item) {
    MenuChecks& m = m_c.menus;
    m.KaimeJoi = item == 0;
    m.KaimeKai = item == 1;
    m_ini.writeInteger("IniKaime", "Priority", item);
    m_changes.mark(View::Frame);
}

std::unique_ptr<TKaimeSetForm> BetBoard::N18Click() {
    auto form = std::make_unique<TKaimeSetForm>(m_ini, m_store, m_c.DatList, DatListClick);
    form->FormCreate();
    return form;
}

} // namespace renoka
