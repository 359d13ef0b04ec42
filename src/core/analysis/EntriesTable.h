#pragma once
// The entries table of the shown race (StringGrid26, tab "出馬表") with the horses' odds, mining and
// previous-run ranks, and the compact entries-check grid (StringGrid8, tab "出走馬確認") that the axis and
// partner marks and the bets read. The table sorts by its header cells and by the sort buttons of the
// axis-and-partner check tab.
#include "text/CellPaint.h"
#include "text/TextGrid.h"

#include <array>
#include <functional>
#include <string>

namespace renoka {

class Desktop;
class RaceDayStore;
class SortedStringList;
class ViewChanges;

class EntriesTable {
public:
    static constexpr int kColCount = 39;      // StringGrid26
    static constexpr int kCheckColCount = 14; // StringGrid8
    static constexpr int kSortButtonCount = 8;

    // The jockeys of the jockey check list are drawn marked.
    EntriesTable(const RaceDayStore& store, Desktop& desktop, const SortedStringList& jockeyCheckList,
                 ViewChanges& changes);

    // The race heading copied above the table: the race card's four header lines, each ended by CR LF (the main
    // form connects it). Left empty, the copy starts with the table.

    // Row count (header included) of both grids for the race about to be shown; every data cell empty.
    void prepareRows(int rowCount);

    // 出馬表作成: fills every data row of both grids from the shown race, row r = horse number r.
    void sisushutubaBtnClick();

    // A click on a sortable header cell of StringGrid26 flips that column's direction and sorts by it.
    void StringGrid26MouseDown(int row, int col);
    // Whether a header click on the column sorts (the GUI shows the hand cursor over these header cells).
    static bool sortableHeader(int col);
    // StringGrid26MouseMove: the hand cursor over sortable header cells only.
    static bool handCursorAt(int row, int col) { return row == 0 && sortableHeader(col); }
    // Sorts by the last clicked header column in that column's direction.
    void SortBtnClick();

    // The sort buttons of the axis-and-partner check tab: SortButtonDown is the button that is down (-1: none).
    // They always sort ascending.
    void SpeedButton14Click();
    static const std::string& sortButtonCaption(int button); // CP932
    int SortButtonDown = -1;

    // クリップボードへコピー: the race heading and the whole table as tab-separated lines.
    void Clip1Click();
    std::function<std::string()> raceHeading;

    // How a cell of StringGrid26 / StringGrid8 is drawn.
    CellPaint paint(int row, int col) const;
    CellPaint paintCheck(int row, int col) const;

    // The direction the next header click on the column sorts in; the column of the last header sort.
    bool nextSortAscending(int col) const;
    int SortCol = 0;
    bool SortAscending = true; // direction of the last header sort

    TextGrid StringGrid26;
    TextGrid StringGrid8;

private:
    void sortRows(int primary, int secondary, bool ascending);
    bool jockeyChecked(const std::string& jockey) const;

    const RaceDayStore& m_store;
    Desktop& m_desktop;
    const SortedStringList& m_jockeyCheckList;
    ViewChanges& m_changes;
    // One flag per column (the grid had room for 41), true = the next click on that header sorts ascending.
    std::array<bool, 41> m_ascending;
};

} // namespace renoka
