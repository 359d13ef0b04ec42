#pragma once
// The race card of the shown race: the header labels, the runner grid StringGrid6 and how its cells are drawn,
// the pop-up menu of a runner and the tracked-horse registration. RaceSelection decides when a race is shown.
#include "text/CellPaint.h"
#include "text/Color.h"
#include "text/Label.h"
#include "text/TextGrid.h"

#include <functional>
#include <string>

namespace renoka {

class Desktop;
class ProgramFolder;
class RaceDayStore;
class SortedStringList;
class ViewChanges;
struct ListControl;

class RaceCard {
public:
    // StringGrid6: one header row and one row per registered horse, row r = horse index r - 1.
    static constexpr int kColCount = 14;
    static constexpr int kHeaderRowHeight = 18;
    static constexpr int kRowHeight = 27;

    // Nothing is drawn while the race list is empty; the tracked horses are the main form's list.
    RaceCard(RaceDayStore& store, const ProgramFolder& folder, Desktop& desktop, const ListControl& datList,
             SortedStringList& trackedHorses, ViewChanges& changes);

    // Empties the rows for a race of `horses` horses, then writes the header and the rows of race slot `slot`.
    void show(int slot, int horses);
    // Writes the header of race slot `slot` again from the store (a post time changed while it is shown).
    void refreshHeader(int slot);
    // The race heading as the entries table copies it: Label1 to Label4, each ended by CR LF.
    std::string heading() const;

    // How a cell of StringGrid6 is drawn. Header cells and every cell while the race list is empty draw as the
    // grid draws by itself.
    CellPaint paint(int row, int col) const;

    // A click on a data row names the horse in the pop-up menu and makes it the current horse.
    void StringGrid6MouseDown(int row, int col);
    void StringGrid6MouseUp();
    // 追跡馬に登録: asks, adds the current horse to the tracked horses, saves "ChaseHorse.dat" and shows the
    // race again through `DatListClick` (the main form connects it to the race selection).
    void R1Click();
    std::function<void()> DatListClick;

    TextGrid StringGrid6;

    Label Label1; // date, racecourse, kai/nichi, race, post time, weather and going
    Label Label2; // running count and title
    Label Label3; // field size, finishers, distance, track, course, grade, race kind, race symbol
    Label Label4; // weight rule and class
    Label Label6; // prize money
    Label Label7; // added money
    Label BashoLabel;
    Label RaceLabel;
    Label TFWtimeLabel; // announcement time of the odds the race was read with
    // The course-record line: the store is never given course records, so it stays empty.
    Label Label3Dj1;
    Label Label3Dj2;
    Color Panel3Color = colors::Green;

    // Captions of the race card's pop-up menu (CP932). Only R1 acts; the three information items have no action.
    struct PopupMenu {
        std::string R1;
        std::string UmaMenu;
        std::string KishuMenu;
        std::string ChokMenu;
    };
    PopupMenu menu;

private:
    void writeHeader(int slot);
    void fillRows(int slot, int horses);

    RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    Desktop& m_desktop;
    const ListControl& m_datList;
    SortedStringList& m_trackedHorses;
    ViewChanges& m_changes;
};

} // namespace renoka
