#include "betting/UserKaimeForm.h"

#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/Label.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

// A name that goes into a line of the set file: a line break or another control character in it would start a
// line of its own (or hide in one), so each becomes a blank. No byte of a double-byte character is below 0x20.
std::string fileName(std::string_view text) {
    std::string name(text);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') c = ' ';
    return fitBytes(name, TUserKaimeForm::kNameBytes);
}

} // namespace

TUserKaimeForm::TUserKaimeForm(const ProgramFolder& folder, IniFile& ini, Desktop& desktop, Label& setNameLabel,
                               ViewChanges& changes)
    : Edit1(sj("ユーザー設定1")), m_file(folder.pathOf("userkaimeset.dat")), m_ini(ini), m_desktop(desktop),
      m_setNameLabel(setNameLabel), m_changes(changes) {}

const std::vector<std::string>& TUserKaimeForm::builtInLines() {
    static const std::vector<std::string> lines = [] {
        const std::string blanks(40, ' ');
        std::vector<std::string> l;
        for (const auto& [choices, name] : {std::pair{"01070710000", "高配当優先"},
                                            {"01070700000", "堅実馬優先"},
                                            {"02070700000", "２頭軸設定"},
                                            {"03070700000", "３頭軸設定"}})
            l.push_back(choices + blanks + fitBytes(sj(name), kNameBytes));
        return l;
    }();
    return lines;
}

const std::vector<std::string>& TUserKaimeForm::orderItems() {
    static const std::vector<std::string> items = {sj("マイニング上位の馬"), sj("マイニング下位の馬"),
                                                   sj("単勝人気上位の馬"), sj("単勝人気下位の馬")};
    return items;
}

std::string TUserKaimeForm::lineOf(const AxisPartnerSet& set, std::string_view name) {
    std::string line = fmt("%2d%2d%2d%1d%1d%1d", AxisPartnerSet::keepCount(set.axisCount),
                           AxisPartnerSet::keepCount(set.partner1Count), AxisPartnerSet::keepCount(set.partner2Count),
                           AxisPartnerSet::keepOrder(set.axisOrder), AxisPartnerSet::keepOrder(set.partner1Order),
                           AxisPartnerSet::keepOrder(set.partner2Order));
    line += set.partner1Fill ? '1' : '0';
    line += set.partner2Fill ? '1' : '0';
    line += std::string(40, ' ');
    line += fileName(name);
    return line;
}

AxisPartnerSet TUserKaimeForm::choicesOf(std::string_view line) {
    AxisPartnerSet set;
    set.axisCount = AxisPartnerSet::keepCount(fieldInt(line, 1, 2));
    set.partner1Count = AxisPartnerSet::keepCount(fieldInt(line, 3, 2));
    set.partner2Count = AxisPartnerSet::keepCount(fieldInt(line, 5, 2));
    set.axisOrder = AxisPartnerSet::keepOrder(fieldInt(line, 7, 1));
    set.partner1Order = AxisPartnerSet::keepOrder(fieldInt(line, 8, 1));
    set.partner2Order = AxisPartnerSet::keepOrder(fieldInt(line, 9, 1));
    set.partner1Fill = field(line, 10, 1) == "1";
    set.partner2Fill = field(line, 11, 1) == "1";
    return set;
}

std::string TUserKaimeForm::nameOf(std::string_view line) {
    // A name written elsewhere may end in the first byte of a character: that half is shown as a blank, as the
    // names this program writes are cut.
    std::string name = fitBytes(field(line, static_cast<int>(kNamePos), static_cast<int>(kNameBytes)), kNameBytes);
    for (size_t i = 0; i < name.size(); i += isLeadByte(name[i]) ? 2 : 1)
        if (isLeadByte(name[i]) && i + 1 == name.size()) name[i] = ' ';
    return name;
}

void TUserKaimeForm::FormCreate() {
    Sets = builtInLines();
    const auto showChosen = [this] {
        refillSetCombo();
        const int index = m_ini.readInteger("Kaime", "KSetIndex", 0);
        // An index the sets do not reach (a set file replaced by hand) chooses the first set.
        select(index >= 0 && index < static_cast<int>(Sets.size()) ? index : 0);
    };
    try {
        std::string bytes;
        std::vector<std::string> lines;
        if (readWholeFile(m_file, bytes)) {
            for (std::string& line : splitLines(bytes))
                if (!trimView(line).empty()) lines.push_back(std::move(line));
        }
        if (lines.empty()) {
            save();
        } else {
            Sets = std::move(lines);
        }
    } catch (...) {
        showChosen();
        throw;
    }
    showChosen();
}

WindowGeometry TUserKaimeForm::FormActivate() const {
    WindowGeometry g;
    g.top = m_ini.readInteger("UserKaimeForm", "top", 100, kMinWindowCoordinate, kMaxWindowCoordinate);
    g.left = m_ini.readInteger("UserKaimeForm", "left", 500, kMinWindowCoordinate, kMaxWindowCoordinate);
    return g;
}

void TUserKaimeForm::FormDeactivate(int top, int left) {
    m_ini.writeInteger("UserKaimeForm", "top", top);
    m_ini.writeInteger("UserKaimeForm", "left", left);
}

void TUserKaimeForm::SetComboChange() {
    const int index = SetCombo.itemIndex;
    if (index < 0 || index >= static_cast<int>(Sets.size())) return;
    const std::string& line = Sets[static_cast<size_t>(index)];
    Controls = choicesOf(line);
    // A first start writes no settings file: the index is written when it is not what the file already says.
    if (m_ini.readInteger("Kaime", "KSetIndex", 0) != index) m_ini.writeInteger("Kaime", "KSetIndex", index);
    m_setNameLabel.text = trim(nameOf(line));
    m_changes.mark(View::Dialogs);
    m_changes.mark(View::Bets);
}

void TUserKaimeForm::HimoCombo1Change() {
    m_ini.writeInteger("UserKaime", "Himo1joken", Controls.partner1Order);
}

bool TUserKaimeForm::AddSetBtnClick() {
    const std::string name = fileName(Edit1);
    if (trimView(name).empty()) {
        m_desktop.information(sj("設定名を入力してください。"));
        return false;
    }
    const std::string line = lineOf(Controls, name);
    // Nothing changes until every question about a set of the same name was answered Yes.
    std::vector<std::string> sets = Sets;
    bool replaced = false;
    for (std::string& stored : sets) {
        if (nameOf(stored) != name) continue;
        std::string question = "[";
        question += trim(name);
        question += sj("]はすでに存在しています。上書きしますか?");
        if (!m_desktop.confirm(question)) return false;
        stored = line;
        replaced = true;
    }
    if (!replaced) sets.push_back(line);
    std::swap(Sets, sets);
    try {
        save();
    } catch (...) {
        std::swap(Sets, sets);
        throw;
    }
    refillSetCombo();
    const auto it = std::find_if(Sets.begin(), Sets.end(), [&](const std::string& s) { return nameOf(s) == name; });
    // The controls already hold the saved set: choosing it shows its name and keeps its index.
    SetCombo.itemIndex = static_cast<int>(it - Sets.begin());
    m_ini.writeInteger("Kaime", "KSetIndex", SetCombo.itemIndex);
    m_setNameLabel.text = trim(name);
    m_changes.mark(View::Dialogs);
    m_changes.mark(View::Bets);
    return true;
}

bool TUserKaimeForm::DelBtnClick() {
    const int index = SetCombo.itemIndex;
    if (index < 0 || index >= static_cast<int>(Sets.size())) return false;
    if (index == 0 && Sets.size() == 1) {
        m_desktop.information(sj("選択中の設定を削除できません。設定名は最低ひとつは残す必要があります。"));
        return false;
    }
    const std::string name = trim(nameOf(Sets[static_cast<size_t>(index)]));
    if (!m_desktop.confirm("[" + name + sj("]を削除します。よろしいですか?"))) return false;
    std::vector<std::string> sets = Sets;
    sets.erase(sets.begin() + index);
    std::swap(Sets, sets);
    try {
        save();
    } catch (...) {
        std::swap(Sets, sets);
        throw;
    }
    refillSetCombo();
    // The first set is chosen, and shown: the controls and the label must not keep a set that is gone.
    select(0);
    return true;
}

int TUserKaimeForm::indexOfName(std::string_view name) const {
    const std::string wanted = trim(name);
    for (size_t i = 0; i < Sets.size(); ++i)
        if (trim(nameOf(Sets[i])) == wanted) return static_cast<int>(i);
    return -1;
}

void TUserKaimeForm::save() const {
    saveLines(m_file, Sets);
}

void TUserKaimeForm::refillSetCombo() {
    SetCombo.clear();
    for (const std::string& line : Sets)
        SetCombo.items.push_back(nameOf(line));
    m_changes.mark(View::Dialogs);
}

void TUserKaimeForm::select(int index) {
    SetCombo.itemIndex = index;
    SetComboChange();
}

} // namespace renoka
