#pragma once
// The "出馬表" page: the race card grid StringGrid6 drawn as core paints it, and its pop-up menu. The current row,
// by mouse or keys, is the current horse the menu names; 追跡馬に登録 registers it.
#include "main/HandlerRunner.h"

#include <QWidget>

class QModelIndex;
class QPoint;

namespace renoka {

class GridView;
class TMainForm;

class RaceCardPage : public QWidget {
    Q_OBJECT

public:
    RaceCardPage(TMainForm& form, HandlerRunner run, QWidget* parent = nullptr);

    GridView& grid() const { return *m_grid; }
    void showForm();

private:
    void showMenu(const QModelIndex& index, const QPoint& globalPos);

    TMainForm& m_form;
    HandlerRunner m_run;
    GridView* m_grid = nullptr;
};

} // namespace renoka
