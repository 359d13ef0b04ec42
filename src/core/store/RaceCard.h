#pragma once
// The race card of the shown race: the header labels, the runner grid StringGrid6 and how its cells are drawn,
// the pop-up menu of a runner and the tracked-horse registration. Choosing a race (DatListClick) also has the
// views that depend on the race refresh themselves.
#include "text/CellPaint.h"
#include "text/Color.h"
#include "text/Label.h"
#include "text/TextGrid.h"

#include <functional>
#include <string>

namespace renoka {

class TMainForm;

class RaceCard {
public:
    // StringGrid6: one header row and one row per registered horse, row r = horse index r - 1.
    static constexpr int kColCount = 14;
    static constexpr int kHeaderRowHeight = 18;
    static constexpr int kRowHeight = 27;

    explicit RaceCard(TMainForm& main);

    // A race was chosen in the race list (DatList.itemIndex is the race slot). Refuses a race without runners
    // with a message and leaves the shown card as it was.
    void DatListClick();

    // How a cell of StringGrid6 is drawn. Header cells and every cell while the race list is empty draw as the
    // grid draws by itself.
    CellPaint paint(int row, int col) const;

    // A click on a data row names the horse in the pop-up menu and makes it the current horse.
    void StringGrid6MouseDown(int row, int col);
    void StringGrid6MouseUp();
    // 追跡馬に登録: asks, adds the current horse to the tracked horses, saves "ChaseHorse.dat" and shows the
    // race again.
    void R1Click();

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

    // The betting views that follow the shown race. They belong to the stake, marks and bets features; the main
    // form connects them, and a step that is not connected is skipped. Called in this order, after the
    // entries-check sort and before the entries table is filled:
    std::function<void()> setStakeEditors;   // stake, target profit and loss of the race (SaNumEditExC1..3)
    std::function<void()> JikuHimoBtnClick;  // axis and partner marks
    std::function<void()> KaimeMakeBtnClick; // bets from the marks
    // At the end: empties the bet summary labels (KenLabel, KaiPaternLabel, kinto2tenLabel).
    std::function<void()> clearBetLabels;

private:
    void writeHeader(int slot);
    void fillRows(int slot, int horses);

    TMainForm& m_main;
};

} // namespace renoka
