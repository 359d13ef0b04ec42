#include "analysis/EntriesTable.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "platform/Desktop.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

struct TableTexts {
    std::string fwSpace = sj("　");
    std::string circle = sj("○");
    std::string nu = sj("ν");
};

const TableTexts& tableTexts() {
    static const TableTexts t;
    return t;
}

// Ranks as "%2d"; a missing rank is a full-width space, which sorts after every number.
std::string rankText(int rank) {
    return rank >= 1 ? fmt("%2d", rank) : tableTexts().fwSpace;
}

// Odds as "%5.1f"; missing odds are five blanks, which sort before every number.
std::string oddsText(double odds) {
    return odds > 0 ? fmt("%5.1f", odds) : std::string(5, ' ');
}

// A count or rank right-aligned in `width` characters (0: as long as it is), nothing when not above 0.
std::string positiveText(int value, int width) {
    return value > 0 ? fmt("%*d", width, value) : std::string();
}

// The mining time m ss ss as "m.ss.ss".
std::string miningTimeText(int value) {
    if (value <= 0) return {};
    const std::string d = fmt("%05d", value);
    return d.substr(0, 1) + '.' + d.substr(1, 2) + '.' + d.substr(3);
}

} // namespace

EntriesTable::EntriesTable(const RaceDayStore& store, Desktop& desktop, const SortedStringList& jockeyCheckList,
                           ViewChanges& changes)
    : StringGrid26(kColCount, 1), StringGrid8(kCheckColCount, 1), m_store(store), m_desktop(desktop),
      m_jockeyCheckList(jockeyCheckList), m_changes(changes) {
    m_ascending.fill(true);
    static const std::array<const char*, kColCount> headers = {
        "枠",     "馬",     "馬名",   "性齢",   "騎手",   "斤量",    "ブリ", "馬体重", "増減",   "単ｵｯｽﾞ",
        "順",     "複ｵｯｽﾞ", "順",     "ﾀｲﾑ型M", "順",     "対戦型M", "順",   "馬記号", "前走3F", "順",
        "前走人", "前走着", "前走斤", "",       "軸候補", "紐候補",  "消馬", "軸",     "紐1",    "紐2",
        "",       "",       "",       "",       "",       "",        "着",   "人",     "確ｵｯｽﾞ"};
    static constexpr std::array<int, kColCount> widths = {20, 20, 130, 40, 60, 36, 30, 40, 32, 44, 22, 44, 22,
                                                          52, 22, 50,  22, 56, 40, 22, 40, 40, 40, 2,  40, 40,
                                                          32, 24, 24,  24, -1, -1, -1, -1, -1, -1, 22, 22, 44};
    for (int c = 0; c < kColCount; ++c) {
        StringGrid26.setCell(c, 0, sj(headers[static_cast<size_t>(c)]));
        StringGrid26.setColWidth(c, widths[static_cast<size_t>(c)]);
    }
    static const std::array<const char*, kCheckColCount> checkHeaders = {
        "枠", "馬", "単ｵｯｽﾞ", "順", "複ｵｯｽﾞ", "順", "ﾀｲﾑM", "対M", "軸", "ヒモ1", "ヒモ2", "消", "着", "人"};
    static constexpr std::array<int, kCheckColCount> checkWidths = {20, 20, 44, 22, 44, 22, 36,
                                                                    30, 24, 36, 36, 24, 22, 22};
    for (int c = 0; c < kCheckColCount; ++c) {
        StringGrid8.setCell(c, 0, sj(checkHeaders[static_cast<size_t>(c)]));
        StringGrid8.setColWidth(c, checkWidths[static_cast<size_t>(c)]);
    }
}

void EntriesTable::prepareRows(int rowCount) {
    for (TextGrid* grid : {&StringGrid26, &StringGrid8}) {
        grid->setRowCount(rowCount);
        for (int r = 1; r < rowCount; ++r)
            for (int c = 0; c < grid->colCount(); ++c)
                grid->setCell(c, r, {});
    }
}

void EntriesTable::sisushutubaBtnClick() {
    m_changes.mark(View::Entries);
    const RaceDayStore& store = m_store;
    const int slot = store.CurrentRace;
    const RaceWork& w = store.work(slot);
    const int rows = std::min(StringGrid26.rowCount() - 1, kHorseCount);
    if (StringGrid8.rowCount() < rows + 1) StringGrid8.setRowCount(rows + 1);
    const TableTexts& t = tableTexts();

    for (int r = 1; r <= rows; ++r) {
        const int horse = r - 1;
        const size_t h = static_cast<size_t>(horse);
        const std::string_view se = store.se(slot, horse);
        const std::string_view prev = store.prevSe(slot, horse, 1);
        auto set = [this, r](int col, std::string text) { StringGrid26.setCell(col, r, std::move(text)); };

        set(0, fmt("%2d", fieldInt(se, 28, 1)));
        set(1, fmt("%2d", fieldInt(se, 29, 2)));
        set(2, std::string(field(se, 41, 36)));
        set(3, SexText(field(se, 79, 1)) + positiveText(fieldInt(se, 83, 2), 0));
        set(4, std::string(field(se, 307, 8)));
        const std::string_view carried = field(se, 289, 3);
        set(5, std::string(carried.substr(0, 2)) + '.' + std::string(carried.substr(2)));
        set(6, BlinkerText(field(se, 295, 1)));
        const bool weighed = w.Bataiju[h] > 0;
        set(7, weighed ? fmt("%3d", w.Bataiju[h]) : std::string());
        set(8, weighed ? fmt("%3d", w.BataijuZogen[h]) : std::string());
        set(9, oddsText(w.TanOz[h]));
        set(10, rankText(w.TanNinki[h]));
        set(11, oddsText(w.FukuOzMin[h]));
        set(12, rankText(w.FukuMinNinki[h]));
        set(13, miningTimeText(w.TimeMining[h]));
        set(14, rankText(w.TimeMiningRank[h]));
        set(15, w.TaisenMining[h] >= 1 ? fmt("%5.1f", w.TaisenMining[h] / 10.0) : std::string(5, ' '));
        set(16, rankText(w.TaisenMiningRank[h]));
        set(17, HorseMarkText(field(se, 77, 2)));
        set(18, positiveText(fieldInt(prev, 391, 3), 3));
        set(19, positiveText(w.ZensoF3Rank[h], 2));
        set(20, positiveText(fieldInt(prev, 364, 2), 2));
        set(21, positiveText(fieldInt(prev, 335, 2), 2));
        const int prevCarried = fieldInt(prev, 289, 3);
        set(22, prevCarried > 0 ? fmt("%4.1f", prevCarried / 10.0) : std::string());
        // A sort may have left another horse's texts in the row; the columns written nowhere else start empty.
        for (int c = 23; c <= 35; ++c)
            set(c, {});
        // The classification and the marks as the race selection left them in the work record (the clicks on
        // the entries-check grid change only that grid).
        set(24, w.AxisCandidate[h] > 0 ? t.circle : std::string());
        set(25, w.PartnerCandidate[h] > 0 ? t.circle : std::string());
        set(26, w.ExcludedHorse[h] > 0 ? t.circle : std::string());
        set(27, w.AxisMark[h] ? t.nu : std::string());
        set(28, w.Partner1Mark[h] ? t.nu : std::string());
        set(29, w.Partner2Mark[h] ? t.nu : std::string());
        const int placing = fieldInt(se, 335, 2);
        set(36, placing >= 1 ? fmt("%2d", placing) : t.fwSpace);
        const int popularity = fieldInt(se, 364, 2);
        set(37, popularity >= 1 ? fmt("%2d", popularity) : t.fwSpace);
        const int finalOdds = fieldInt(se, 360, 4);
        set(38, finalOdds > 0 ? fmt("%5.1f", finalOdds / 10.0) : std::string(5, ' '));

        // The compact copy keeps its own row order (row r = horse number r): the marks and the bets read it so.
        static constexpr std::array<std::pair<int, int>, 10> compact = {
            {{0, 0}, {1, 1}, {2, 9}, {3, 10}, {4, 11}, {5, 12}, {6, 14}, {7, 16}, {12, 36}, {13, 37}}};
        for (const auto& [to, from] : compact)
            StringGrid8.setCell(to, r, StringGrid26.cell(from, r));
    }
}

void EntriesTable::Clip1Click() {
    std::string text;
    text.reserve(4096);
    if (raceHeading) text += raceHeading();
    for (int r = 0; r < StringGrid26.rowCount(); ++r) {
        for (int c = 0; c < kColCount; ++c) {
            if (c > 0) text += '\t';
            text += StringGrid26.cell(c, r);
        }
        text += "\r\n";
    }
    m_desktop.setClipboardText(text);
}

} // namespace renoka
