#include "results/LossRegForm.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/ErrorLog.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "store/RaceDayStore.h"
#include "text/CommaText.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace renoka {

namespace {

struct LossRegTexts {
    std::string kind = sj("枠連");
    std::string loss = sj("損失");
    std::string profit = sj("利益");
    std::string notNeeded = sj("金を記録する必要はありません。");
    std::string no = sj("の");
    std::string askRecord = sj("金を記録しますか？");
    std::string askOverwrite = sj("同じレースの損失金が計上済みです。上書きしますか？");
    std::string same = sj("すでに同じ内容が計上済みです。");
    std::string lossGone = sj("このデータを削除すると損失が消えます。全削除を行ってください。");
    std::string clearAll = sj("全削除を行ってください。");
    std::string askClear = sj("表をクリアしますか？");
};

const LossRegTexts& lossRegTexts() {
    static const LossRegTexts t;
    return t;
}

long long amountOf(const std::string& cell) {
    // Seven digits and a sign fit an int; a hand-edited cell that is not a number counts as 0.
    return toInt(cell);
}

} // namespace

TLossRegForm::TLossRegForm(const RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop,
                           ErrorLog& errorLog, const ListControl& dateCombo, ViewChanges& changes)
    : StringGrid4(kColCount, 2), m_store(store), m_file(folder.pathOf("ruison.csv")), m_ini(ini), m_desktop(desktop),
      m_errorLog(errorLog), m_dateCombo(dateCombo), m_changes(changes) {}

void TLossRegForm::FormCreate() {
    static constexpr int widths[kColCount] = {22, 127, -1, 60};
    writeHeaders();
    for (int c = 0; c < kColCount; ++c)
        StringGrid4.setColWidth(c, widths[c]);
    load();
}

void TLossRegForm::writeHeaders() {
    static const char* const headers[kColCount] = {"No.", "レース", "馬券種", "損失金"};
    for (int c = 0; c < kColCount; ++c)
        StringGrid4.setCell(c, 0, sj(headers[c]));
}

WindowGeometry TLossRegForm::FormActivate() const {
    WindowGeometry g;
    g.top = m_ini.readInteger("Losslocate", "top", 50);
    g.left = m_ini.readInteger("Losslocate", "left", 600);
    return g;
}

void TLossRegForm::FormDeactivate(int top, int left) {
    m_ini.writeInteger("Losslocate", "top", top);
    m_ini.writeInteger("Losslocate", "left", left);
}

void TLossRegForm::load() {
    std::error_code ec;
    const bool exists = std::filesystem::exists(m_file, ec);
    const std::vector<std::string> lines = exists ? loadLines(m_file) : std::vector<std::string>{};
    std::vector<std::vector<std::string>> entries;
    m_kept.clear();
    for (const std::string& line : lines) {
        if (trimView(line).empty()) continue;
        std::vector<std::string> fields = splitCommaText(line);
        if (fields.size() == kColCount)
            entries.push_back(std::move(fields));
        else
            m_kept.push_back({static_cast<int>(entries.size()), line});
    }
    StringGrid4.setRowCount(std::max<int>(static_cast<int>(entries.size()) + 1, 2));
    for (size_t r = 0; r < entries.size(); ++r)
        for (int c = 0; c < kColCount; ++c)
            StringGrid4.setCell(c, static_cast<int>(r) + 1, entries[r][static_cast<size_t>(c)]);
    if (!entries.empty()) showTotal();
    if (!m_kept.empty())
        m_errorLog.record(sj("ruison.csv の") + std::to_string(m_kept.size()) +
                          sj("行は4項目に分けられないため、損失金表に入れずにそのまま残しました。"));
    m_changes.mark(View::Dialogs);
}

std::vector<std::string> TLossRegForm::keptLines() const {
    std::vector<std::string> lines;
    for (const KeptLine& k : m_kept)
        lines.push_back(k.line);
    return lines;
}

void TLossRegForm::save() {
    std::vector<std::string> lines;
    size_t kept = 0;
    int entries = 0;
    const auto keptUpTo = [&](int before) {
        while (kept < m_kept.size() && m_kept[kept].afterEntries <= before)
            lines.push_back(m_kept[kept++].line);
    };
    for (int r = 1; r < StringGrid4.rowCount(); ++r) {
        std::vector<std::string> cells = StringGrid4.rowTexts(r);
        bool empty = true;
        for (const std::string& c : cells)
            empty = empty && c.empty();
        if (empty) continue;
        keptUpTo(entries);
        lines.push_back(joinQuoted(cells));
        ++entries;
    }
    keptUpTo(std::numeric_limits<int>::max());
    saveLines(m_file, lines);
}

int TLossRegForm::dataRowCount() const {
    int n = 0;
    for (int r = 1; r < StringGrid4.rowCount(); ++r)
        if (!trimView(StringGrid4.cell(0, r)).empty()) ++n;
    return n;
}

long long TLossRegForm::sumOfRows(int exceptRow) const {
    long long sum = 0;
    for (int r = 1; r < StringGrid4.rowCount(); ++r)
        if (r != exceptRow) sum += amountOf(StringGrid4.cell(3, r));
    return sum;
}

void TLossRegForm::showTotal() {
    RuisonLabel.text = fmt("%8lld", sumOfRows(-1));
    m_changes.mark(View::Dialogs);
}

long long TLossRegForm::cumulativeLoss() const {
    return toInt64Def(RuisonLabel.text, 0);
}

std::string TLossRegForm::raceLabel(int slot) const {
    const std::string_view ra = m_store.ra(slot);
    std::string label(field(ra, 12, 4));
    label += '/';
    label += field(ra, 16, 2);
    label += '/';
    label += field(ra, 18, 2);
    label += trim(JyoName(field(ra, 20, 2), 0));
    label += fmt("%2d", fieldInt(ra, 26, 2));
    label += 'R';
    return label;
}

void TLossRegForm::fillRaceList(const std::vector<std::string>& races) {
    DatList.items = races;
    DatList.itemIndex = -1;
    m_changes.mark(View::Dialogs);
}

void TLossRegForm::setRow(int row, const std::string& number, const std::string& label, const std::string& amount) {
    StringGrid4.setCell(0, row, number);
    StringGrid4.setCell(1, row, label);
    StringGrid4.setCell(2, row, lossRegTexts().kind);
    StringGrid4.setCell(3, row, amount);
}

void TLossRegForm::TanLossBtnClick() {
    if (DatList.itemIndex < 0 || DatList.itemIndex >= static_cast<int>(DatList.items.size())) return;
    if (m_dateCombo.itemIndex < 0) return;
    const long long a = SaNumEditExC3;
    if (a == 0) return;
    const LossRegTexts& t = lossRegTexts();
    const std::string& word = a > 0 ? t.loss : t.profit;
    // A recovery may not reach or pass the loss it recovers.
    if (-a - cumulativeLoss() >= 0) {
        m_desktop.beep();
        m_desktop.information(word + t.notNeeded);
        return;
    }
    const std::string label = raceLabel(DatList.itemIndex);
    if (!m_desktop.confirm(label + t.no + word + t.askRecord)) return;
    const std::string amount = fmt("%7lld", a);

    for (int r = 1; r < StringGrid4.rowCount(); ++r) {
        if (StringGrid4.cell(1, r) != label) continue;
        if (StringGrid4.cell(3, r) == amount) {
            m_desktop.beep();
            m_desktop.information(t.same);
            return;
        }
        if (!m_desktop.confirm(t.askOverwrite)) return;
        saveChange([&] {
            setRow(r, fmt("%2d", r), label, amount);
            showTotal();
        });
        return;
    }

    saveChange([&] {
        int row = 1;
        if (!trimView(StringGrid4.cell(0, 1)).empty()) {
            row = StringGrid4.rowCount();
            StringGrid4.setRowCount(row + 1);
        }
        setRow(row, fmt("%2d", row), label, amount);
        showTotal();
    });
    if (setChaseLoss) setChaseLoss(cumulativeLoss());
}

void TLossRegForm::saveChange(const std::function<void()>& change) {
    // The grid and the file always agree: a file that cannot be written takes the change back.
    const TextGrid grid = StringGrid4;
    const Label total = RuisonLabel;
    const std::vector<KeptLine> kept = m_kept;
    const int chosen = chosenRow;
    change();
    try {
        save();
    } catch (...) {
        StringGrid4 = grid;
        RuisonLabel = total;
        m_kept = kept;
        chosenRow = chosen;
        m_changes.mark(View::Dialogs);
        throw;
    }
}

void TLossRegForm::StringGrid4MouseDown(int row, int /*col*/) {
    chosenRow = row >= 1 && row < StringGrid4.rowCount() && !trimView(StringGrid4.cell(0, row)).empty() ? row : -1;
}

void TLossRegForm::Delete1Click() {
    if (chosenRow < 1 || chosenRow >= StringGrid4.rowCount()) return;
    const LossRegTexts& t = lossRegTexts();
    if (sumOfRows(chosenRow) <= 0) {
        m_desktop.beep();
        m_desktop.information(t.lossGone);
        return;
    }
    if (dataRowCount() <= 1) {
        m_desktop.beep();
        m_desktop.information(t.clearAll);
        return;
    }
    const std::string question = "[No.]" + StringGrid4.cell(0, chosenRow) + sj("【") + StringGrid4.cell(1, chosenRow) +
                                 sj("】のデータ") + sj("を削除しますか？");
    if (!m_desktop.confirm(question)) return;

    saveChange([&] {
        const int removed = chosenRow;
        for (int r = removed; r + 1 < StringGrid4.rowCount(); ++r)
            for (int c = 0; c < kColCount; ++c)
                StringGrid4.setCell(c, r, StringGrid4.cell(c, r + 1));
        StringGrid4.setRowCount(std::max(StringGrid4.rowCount() - 1, 2));
        for (int r = 1; r < StringGrid4.rowCount(); ++r)
            if (!trimView(StringGrid4.cell(0, r)).empty()) StringGrid4.setCell(0, r, fmt("%2d", r));
        // Lines kept as they were stay where they stood among the entries.
        for (KeptLine& k : m_kept)
            if (k.afterEntries >= removed) --k.afterEntries;
        chosenRow = -1;
        showTotal();
    });
}

void TLossRegForm::A1Click() {
    if (!m_desktop.confirm(lossRegTexts().askClear)) return;
    saveChange([&] {
        StringGrid4.clearCells();
        writeHeaders();
        StringGrid4.setRowCount(2);
        // Clearing the register empties its file, hand-edited lines and all.
        m_kept.clear();
        chosenRow = -1;
        RuisonLabel.text.clear();
        m_changes.mark(View::Dialogs);
    });
}

CellPaint TLossRegForm::paint(int row, int col) const {
    CellPaint p;
    if (row < 1 || row >= StringGrid4.rowCount() || col < 0 || col >= kColCount) return p;
    p.background = col == 0 ? colors::Aqua : col == 1 ? colors::InfoBk : colors::White;
    p.textColor = colors::Black;
    p.align = col == 3 ? Align::Right : Align::Center;
    return p;
}

} // namespace renoka
