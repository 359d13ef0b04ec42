#pragma once
// The loss register ("損失金管理"): the losses of past races the punter wants to win back by chase betting, one
// entry per race, kept in "ruison.csv" in the program folder and in the grid StringGrid4. Its running total,
// the cumulative loss, is where the chase calculation starts from.
//
// Lines of "ruison.csv" that do not split into four fields (a file edited by hand) are kept as they are: they are
// not entries of the grid, but every rewrite of the file writes them back, byte for byte, where they stood among
// the entries; the load writes one line about them into the error log. Only 全削除, which empties the file, drops
// them.
#include "text/CellPaint.h"
#include "text/Controls.h"
#include "text/Label.h"
#include "text/TextGrid.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace renoka {

class Desktop;
class ErrorLog;
class IniFile;
class ProgramFolder;
class RaceDayStore;
class ViewChanges;

class TLossRegForm {
public:
    static constexpr const char* Caption = "損失金管理"; // UTF-8
    static constexpr int kColCount = 4;
    // The amount field takes up to seven digits and a minus sign.
    static constexpr long long kMaxAmount = 9'999'999;

    // The race chosen in the register's own race list is a race slot of `store`; recording needs a day chosen in
    // the main window's day chooser.
    TLossRegForm(const RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop,
                 ErrorLog& errorLog, const ListControl& dateCombo, ViewChanges& changes);

    // Program start: headers, the hidden kind column, and the register from "ruison.csv" when it exists.
    void FormCreate();
    // The window's place: read when it is activated, written when it is deactivated ("Losslocate").
    WindowGeometry FormActivate() const;
    void FormDeactivate(int top, int left);

    // 損失記録: records SaNumEditExC3 for the race chosen in DatList.
    void TanLossBtnClick();
    // A click on a data row chooses it for deletion.
    void StringGrid4MouseDown(int row, int col);
    // 削除(&D): deletes the chosen entry. 全削除(&A): clears the register.
    void Delete1Click();
    void A1Click();

    CellPaint paint(int row, int col) const;

    // The races of the loaded day, in race-slot order (the main form refills it at every day load).
    void fillRaceList(const std::vector<std::string>& races);

    // RuisonLabel as a number, 0 when blank: the chase loss the race selection takes.
    long long cumulativeLoss() const;
    // The race label of a slot: "2025/01/05東京11R".
    std::string raceLabel(int slot) const;
    // The lines of "ruison.csv" kept as they were because they are not entries.
    std::vector<std::string> keptLines() const;

    // After an entry is appended the chase loss of the main window takes the new cumulative loss (the main form
    // connects it to the stake editors).
    std::function<void(long long)> setChaseLoss;

    ListControl DatList;         // races of the loaded day
    long long SaNumEditExC3 = 0; // 登録する損失金額
    TextGrid StringGrid4;        // 累積損失表
    Label RuisonLabel;           // 累積損失額, "%8d"
    int chosenRow = -1;          // the row the last click chose, -1 = none

private:
    struct KeptLine {
        int afterEntries; // how many entries stand before it in the file
        std::string line;
    };
    void writeHeaders();
    void load();
    void save();
    // Makes the change and saves the file; when the file cannot be written the change is taken back.
    void saveChange(const std::function<void()>& change);
    int dataRowCount() const;
    long long sumOfRows(int exceptRow) const;
    void showTotal();
    void setRow(int row, const std::string& number, const std::string& label, const std::string& amount);

    const RaceDayStore& m_store;
    std::filesystem::path m_file;
    IniFile& m_ini;
    Desktop& m_desktop;
    ErrorLog& m_errorLog;
    const ListControl& m_dateCombo;
    ViewChanges& m_changes;
    std::vector<KeptLine> m_kept;
};

} // namespace renoka
