#pragma once
// The "オッズ" page, read only: the odds board of the shown race. Win and place on the left; the bracket and the
// quinella / quinella-place matrices in the middle; exacta, trio and trifecta lists on the right, one at a time,
// each ordered by combination or by odds with its button or a click on its header.
#include "main/HandlerRunner.h"

#include <QWidget>

#include <array>

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildList(int index);
    void sortList(int index, bool byOdds);

    TMainForm& m_form;
    HandlerRunner m_run;
    QWidget* m_winPlaceBox = nullptr;
    GridView* m_winPlace = nullptr;
    GridView* m_bracket = nullptr;
    GridView* m_quinella = nullptr;
    QTabWidget* m_listTabs = nullptr;
    std::array<GridView*, 3> m_lists{};
    std::array<QPushButton*, 3> m_sortButtons{};
    bool m_stale = true;
};

} // namespace renoka
