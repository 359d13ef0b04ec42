#pragma once
// The "オッズ" page, read only: the odds board of the shown race. Win and place, the bracket matrix, the
// quinella / quinella-place matrix, and the exacta, trio and trifecta lists (one at a time, each ordered by
// combination or by odds with its button or a click on its header). Every grid is shown whole in its width: a
// wide window puts them side by side, a narrower one puts the quinella matrix under the others, and the page
// scrolls down rather than cutting a grid.
#include "main/HandlerRunner.h"

#include <QWidget>

#include <array>
#include <string>

class QGridLayout;
class QPushButton;
class QTabWidget;

namespace renoka {

class GridView;
class TMainForm;

class OddsPage : public QWidget {
    Q_OBJECT

public:
    OddsPage(TMainForm& form, HandlerRunner run, QWidget* parent = nullptr);

    // A handler ran: the shown race or its odds may have changed.
    void markStale() { m_stale = true; }
    // Rebuilds the board for the shown race when it is stale and on screen; a hidden page waits until shown.
    void showForm();

    GridView& list(int index) const { return *m_lists[static_cast<size_t>(index)]; }
    GridView& winPlace() const { return *m_winPlace; }

    // Whether the grids stand in one row (a wide window) or in two.
    bool oneRow() const { return m_oneRow; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildList(int index);
    void sortList(int index, bool byOdds);
    // Sizes the boxes to their grids and places them for the page's width.
    void arrange();
    int availableWidth() const;

    TMainForm& m_form;
    HandlerRunner m_run;
    QWidget* m_winPlaceBox = nullptr;
    QWidget* m_bracketBox = nullptr;
    QWidget* m_quinellaBox = nullptr;
    QGridLayout* m_layout = nullptr;
    GridView* m_winPlace = nullptr;
    GridView* m_bracket = nullptr;
    GridView* m_quinella = nullptr;
    QTabWidget* m_listTabs = nullptr;
    std::array<GridView*, 3> m_lists{};
    std::array<QPushButton*, 3> m_sortButtons{};
    bool m_stale = true;
    bool m_oneRow = true;
    bool m_arranged = false;
    std::string m_shownRace; // the day and slot the grids were last filled for
};

} // namespace renoka
