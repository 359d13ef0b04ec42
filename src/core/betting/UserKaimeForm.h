#pragma once
// The axis-and-partner dialog ("(軸・ヒモ馬ユーザー設定)") as data: the counts, orders and fill-up choices that
// pick the marked horses of a race, and the named sets of them the user keeps in "\userkaimeset.dat". The
// dialog lives for the whole run; the marks read its controls as they stand, saved or not.
//
// "\userkaimeset.dat" holds one set per line, 71 bytes of CP932 ended by CR LF: the three counts as "%2d" (1-6),
// the three orders (7-9), the two fill-ups "1"/"0" (10-11), 40 blanks, the name in 20 bytes (52-71). A missing
// file, or one without a single non-empty line, starts with the four built-in sets and is written with them.
// Empty lines are dropped at the load; any other line is kept as it is, however damaged, and reads as far as it
// goes (a count that is not a number keeps the count editor at 1, an order that is none shows the first order).
#include "betting/AxisPartnerSet.h"
#include "text/Controls.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

class Desktop;
class IniFile;
class ProgramFolder;
class ViewChanges;
struct Label;

class TUserKaimeForm {
public:
    static constexpr const char* Caption = "(軸・ヒモ馬ユーザー設定)"; // UTF-8
    static constexpr size_t kNamePos = 52;
    static constexpr size_t kNameBytes = 20;
    static constexpr size_t kLineBytes = 71;

    // `setNameLabel` is the main window's label of the chosen set (SetNameLabel).
    TUserKaimeForm(const ProgramFolder& folder, IniFile& ini, Desktop& desktop, Label& setNameLabel,
                   ViewChanges& changes);

    // Program start: the sets from the file (made with the built-in sets when there is none), the set chooser
    // filled, and the set of "Kaime"/"KSetIndex" applied. A file that cannot be read leaves the built-in sets in
    // use and the file as it is, and the error reaches the caller.
    void FormCreate();
    // The dialog's place, read when it is activated and written when it is left ("UserKaimeForm").
    WindowGeometry FormActivate() const;
    void FormDeactivate(int top, int left);

    // The set chosen in SetCombo into the controls; its index into "Kaime"/"KSetIndex", its name into the label.
    void SetComboChange();
    // The partner-1 order was changed: "UserKaime"/"Himo1joken" follows it.
    void HimoCombo1Change();
    // 追加: saves the controls under the name of Edit1, asking before a set of that name is replaced; false when
    // nothing was saved (a blank name, a question answered No).
    bool AddSetBtnClick();
    // 削除: deletes the chosen set after asking; the last set cannot go. False when nothing was deleted.
    bool DelBtnClick();
    // The position of the set whose name, without its blanks, is `name` (CP932); -1 when there is none.
    int indexOfName(std::string_view name) const;

    // The line of a set (71 bytes) and the choices and name (20 bytes, cut at a character) a line holds.
    static std::string lineOf(const AxisPartnerSet& set, std::string_view name);
    static AxisPartnerSet choicesOf(std::string_view line);
    static std::string nameOf(std::string_view line);
    static const std::vector<std::string>& builtInLines();
    // The items of the three order choosers (CP932).
    static const std::vector<std::string>& orderItems();

    AxisPartnerSet Controls;       // JikuTosuEdit1 ... Himo2plsCheckBox
    ListControl SetCombo;          // 設定選択: the names of the sets
    std::string Edit1;             // 設定追加: the name to save under (CP932)
    std::vector<std::string> Sets; // the lines of "\userkaimeset.dat"

private:
    void save() const;
    void refillSetCombo();
    void select(int index);

    std::filesystem::path m_file;
    IniFile& m_ini;
    Desktop& m_desktop;
    Label& m_setNameLabel;
    ViewChanges& m_changes;
};

} // namespace renoka
