#pragma once
// The "買い目" page: the bets of the shown race, one sub-tab per bet type (枠連 and the bracket preview
// "金のなる木プレビュー" stay off the tab bar until the preview is asked for from the menu), the four summary
// labels of every type side by side, the allocation method "資金配分", the stake editor "入力投票金額" and the
// name of the axis-and-partner set in use.
//
// Everything shown is the bet board's: a click on a grid, a header, a radio button or a key runs its handler
// through the window, and the page shows the grids and labels again when the handler marked the bets.
#include "betting/BetTypes.h"
#include "main/HandlerRunner.h"

#include <QWidget>

#include <array>
#include <string>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTabWidget;

namespace renoka {

class BetBoard;
class GridView;
class MainMenus;
class TMainForm;

class BetsPage : public QWidget {
    Q_OBJECT

public:
    BetsPage(TMainForm& form, HandlerRunner run, QWidget* parent = nullptr);

    // Connects the bet menus of the window: 投資金設定, the three bet-logic menus and the preview item.
    void wireMenus(const MainMenus& menus);

    // The labels and editors as the bet board has them now, and with `grids` its grids too (a handler marked
    // the bets).
    void showForm(bool grids = true);

    GridView& grid(BetType type) const { return *m_grids[static_cast<size_t>(betIndex(type))]; }
    GridView& previewGrid() const { return *m_preview; }
    QTabWidget& subTabs() const { return *m_tabs; }
    QLabel& label(BetType type, BetLabel which) const {
        return *m_labels[static_cast<size_t>(betIndex(type))][static_cast<size_t>(which)];
    }
    QLineEdit& amountEdit() const { return *m_amount; }
    QAbstractButton* methodButton(int index) const;

    // Shows the group 追い上げ投資用 (損失金額, 目標利益金額, 追い上げ) or hides it again.
    void showChase(bool shown);
    bool chaseShown() const;
    QLineEdit& lossEdit() const { return *m_loss; }
    QLineEdit& profitEdit() const { return *m_profit; }

    // Puts 枠連 and the bracket preview on the tab bar (or takes them off), and shows the preview.
    void showPreview(bool shown);
    bool previewShown() const { return m_previewShown; }

private:
    QWidget* buildTabs();
    QWidget* buildGridPage(BetType type);
    QWidget* buildPreviewPage();
    QWidget* buildControls();
    QWidget* buildSummary();
    QWidget* buildVoteButtons();
    // A right-aligned editor of whole yen that runs `change` with the board when the user types.
    QLineEdit* makeYenEdit(const char* name, const char* hint, int typedDigits, int shownDigits, QWidget* parent,
                           void (*change)(BetBoard&, int64_t));
    QWidget* buildChase();
    void showGridMenu(BetType type, const QModelIndex& index, const QPoint& globalPos);
    void showLabels();
    void showEditors();
    BetBoard& board() const;

    TMainForm& m_form;
    HandlerRunner m_run;
    QTabWidget* m_tabs = nullptr;
    std::array<GridView*, kBetTypeCount> m_grids{};
    std::array<std::array<QLabel*, kBetLabelCount>, kBetTypeCount> m_labels{};
    std::array<QWidget*, kBetTypeCount> m_summaryRows{}; // the caption of each type's row in the summary
    GridView* m_preview = nullptr;
    QPushButton* m_extract = nullptr;
    QLineEdit* m_amount = nullptr;
    QButtonGroup* m_method = nullptr;
    QLabel* m_setName = nullptr;
    QAction* m_previewAction = nullptr;
    QPushButton* m_betFileButton = nullptr;     // 投票ﾌｧｲﾙ, hidden
    QPushButton* m_betFileMenuButton = nullptr; // 投票ファイル with its pop-up menu, hidden
    QGroupBox* m_chase = nullptr;               // 追い上げ投資用, shown from the menu
    QLineEdit* m_loss = nullptr;                // 損失金額 (SaNumEditExC3)
    QLineEdit* m_profit = nullptr;              // 目標利益金額 (SaNumEditExC2)
    QAction* m_chaseAction = nullptr;
    bool m_previewShown = false;
    bool m_syncingTab = false;
    std::string m_shownRace; // the day and slot the grids were last shown for
};

} // namespace renoka
