#pragma once
// The bets of the shown race (tab "買い目"): one grid per bet type with its four summary labels, the stake
// editors and the allocation method, the bracket preview with its extraction, and the bet-logic menus.
//
// The grids are built from the axis, partner and exclusion marks of the entries-check grid (StringGrid8,
// columns 8..11), priced from the race's odds tables, staked by the fund allocation, and marked against the
// race's payout table. Other subsystems (vote files, mail, the chase) read the grids and labels through
// `grid(type)` and `labels(type)`, whose columns the bet-type table (BetTypes.h) names.
#include "betting/BetTypes.h"
#include "text/CellPaint.h"
#include "text/Label.h"
#include "text/TextGrid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace renoka {

class IniFile;
class PopularityRateTable;
class RaceDayStore;
class TKaimeSetForm;
class ViewChanges;
struct ListControl;
struct MenuChecks;
struct TimerState;

// The main window's controls the bet board reads or changes.
struct BetControls {
    const TextGrid& StringGrid8;           // entries-check grid: 軸, ヒモ1, ヒモ2, 消 in columns 8..11
    ListControl& DatList;                  // the race list, for the investment dialog's re-selection
    std::vector<std::string>& RaceAmounts; // stake per race slot
    MenuChecks& menus;                     // the bet-logic menu checks and 買い目を携帯メールへ送信する
    TimerState& DeliverTimer;              // the mail delivery timer
};

class BetBoard {
public:
    // The pages of the bet tabs (PageControl4): the eight bet types in table order, then the bracket preview
    // "金のなる木プレビュー".
    static constexpr int kPreviewPage = kBetTypeCount;
    static constexpr int kPageCount = kBetTypeCount + 1;
    static constexpr int64_t kMaxAmount = 99'999'999;   // 入力投票金額: eight digits
    static constexpr int64_t kMaxChaseAmount = 999'999; // 目標利益金額 and 損失金額: six digits
    static constexpr int kMaxBetRows = 4897;            // the largest grid AllocateFunds takes (4896 bets)

    BetBoard(RaceDayStore& store, IniFile& ini, const PopularityRateTable& rates, BetControls controls,
             ViewChanges& changes);
    ~BetBoard();

    // --- the grids and labels, by bet type --------------------------------------------------------------------
    TextGrid& grid(BetType type) { return m_grids[static_cast<size_t>(type)]; }
    const TextGrid& grid(BetType type) const { return m_grids[static_cast<size_t>(type)]; }
    Label& label(BetType type, BetLabel which) {
        return m_labels[static_cast<size_t>(type)][static_cast<size_t>(which)];
    }
    const Label& label(BetType type, BetLabel which) const {
        return m_labels[static_cast<size_t>(type)][static_cast<size_t>(which)];
    }
    // 買い目: rebuilds the seven grids other than 枠連 for the shown race (CurrentRace).
    void KaimeMakeBtnClick();

    // A click on a cell of a bet grid (StringGrid3Click ... StringGrid34Click): column 0 of a data row toggles the
    // exclusion mark "消"; any click on a data row then recomputes the grid. The header row and cells outside
    // the grid do nothing.
    void gridClick(BetType type, int row, int col);
    // A mouse-down on a bet grid (StringGrid3MouseDown ... ): a header cell of column 1 or higher sorts.
    void gridMouseDown(BetType type, int row, int col);
    // StringGrid3MouseMove ...: the hand cursor over the header row and the exclusion column.
    static bool handCursorAt(int row, int col) { return row == 0 || col == 0; }
    // StringGrid3DrawCell ...
    CellPaint paint(BetType type, int row, int col) const;

    // The sort buttons behind the header clicks; each sorts the grid of the active page by the last column.
    void SortKaimeHyoTanBtnClick();
    void SortKaimeHyoRenBtnClick();
    void SortKaimeHyoSanBtnClick();
    int LastSortCol = 0; // shared by all grids

    // PageControl4Change: the labels of the page's bet type are highlighted.
    void PageControl4Change(int page);
    int ActivePage = 0;
    static bool pageOfType(int page, BetType& type);

    // 出現率: the chosen rate of the source column's popularity rank into the target column, rows 1..rows.
    // `number` is the 1-based number of the source text (positions 1-2, 4-5, 7-8).
    void FillRateColumn(RatePart part, int fieldSize, int rows, TextGrid& grid, int targetCol, int sourceCol,
                        int number) const;

    // --- fund allocation --------------------------------------------------------------------------------------
    // 資金配分 of one grid: method 0 均等, 1 比例; the labels of `type`; the return rate goes into payoutCol + 1.
    void AllocateFunds(BetType type, int method, int64_t amount, TextGrid& grid, int payoutCol, int stakeCol,
                       int exclusionCol, int oddsCol, int rowNumberCol);
    // Hit marking of one grid against the shown race's payout table.
    void MarkHits(BetType type, int keyCol, int stakeCol, int ninkiCol, int returnCol, int payoutCol, TextGrid& grid);

    // 資金配分 (RadioGroup1): 0 均等, 1 比例; -1 (a setting outside the two) chooses neither.
    int RadioGroup1ItemIndex = 0;
    void RadioGroup1Click(int index);
    // 入力投票金額, 目標利益金額 and 損失金額. A change of any of them runs SaNumEditExC1Change.
    int64_t SaNumEditExC1 = 0;
    int64_t SaNumEditExC2 = 0;
    int64_t SaNumEditExC3 = 0;
    void SaNumEditExC1Change();
    // Sets an editor as the user's typing does and runs its change handler; values are kept within the editor's
    // digits (negative values read 0).
    void setStakeAmount(int64_t amount);
    void setTargetProfit(int64_t amount);
    void setLossAmount(int64_t amount);
    // The race selection's step: the editors of the race about to be shown (no change handler runs; the bets are
    // rebuilt right after). Also starts the race's bracket preview.
    void setStakeEditors();
    // The cumulative loss of the loss register (0 when not connected).
    std::function<int64_t()> lossTotal;

    // Empties every bet grid and its labels: a day load takes the race they belong to away.
    void clearBets();
    // Empties the race's pattern labels (KenLabel, KaiPaternLabel, kinto2tenLabel) at the end of a selection.
    void clearBetLabels();
    Label KenLabel;
    Label KaiPaternLabel;
    Label kinto2tenLabel;

    // --- bracket preview and extraction (金のなる木プレビュー) ---------------------------------------------------
    // One row per bracket combination of the race: No, 組番, オッズ, 選択 ("●" when chosen).
    TextGrid StringGrid2;
    void fillPreview();
    // A click in column 3 of a data row toggles "●".
    void StringGrid2Click(int row, int col);
    // 抽出: the chosen bracket combinations into the 枠連 grid.
    void KaimeMakeBtn_OldClick();

    // --- bet-logic menus --------------------------------------------------------------------------------------
    // 別ロジック買い目: 0 デフォルト買い目, 1 枠１～３位ＢＯＸ３点, 2 流し買い目, 3 上位３点的中７０％買い目.
    void Kaime3IncludeClick(int item);
    // 買い目抽出法設定: 1 枠連出現率優先, 2 枠出現順位優先.
    void N32Click(int item);
    // 軸馬初期設定: 0 上位パターン優先, 1 下位パターン優先.
    void KaimeJoiClick(int item);

    // 投資金設定(&T): the investment dialog as data, its amount from the settings; a front end shows it while it
    // lives. Its OK shows the race again through DatListClick.
    std::unique_ptr<TKaimeSetForm> N18Click();
    std::function<void()> DatListClick;

    // The header texts of a grid's columns (CP932).
    static std::vector<std::string> headers(BetType type);

private:
    enum class SortSet { Tan, Fuku, Ren, Sanpuku, Santan };
    static SortSet sortSetOf(BetType type);
    void setupGrids();
    void clearGrid(BetType type);
    void clearLabels(BetType type);
    void buildSingles(int horses);
    void buildMulti(BetType type, int horses);
    void fillRates(BetType type, int fieldSize);
    void allocate(BetType type);
    void markHits(BetType type);
    void recompute(BetType type);
    void sortActive(SortSet set);
    void sortGrid(TextGrid& grid, int col, bool descending);
    void bracketRule(int lines);
    bool winningKey(BetType type, const std::string& key) const;
    int fieldSize() const;
    bool oddsRead(int kind) const;

    RaceDayStore& m_store;
    IniFile& m_ini;
    const PopularityRateTable& m_rates;
    BetControls m_c;
    ViewChanges& m_changes;
    std::array<TextGrid, kBetTypeCount> m_grids;
    std::array<std::array<Label, kBetLabelCount>, kBetTypeCount> m_labels;
    // One direction flag per column (true = descending) for each flag set.
    std::array<std::array<bool, 16>, 5> m_sortDescending{};
    int m_previewSlot = -1;
    std::string m_previewDay;
};

} // namespace renoka
