#pragma once
// The "出走馬確認" page: the sort buttons, the compact entries-check grid StringGrid8 and the full entries table
// StringGrid26, whose sortable header cells sort it on a click (hand cursor) and, from the keyboard, through the
// context menu of the current column. The marks of the check grid change with a click or the space key.
#include "main/HandlerRunner.h"

#include <QWidget>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QModelIndex;
class QPoint;

namespace renoka {

class GridView;
class TMainForm;

class EntriesPage : public QWidget {
    Q_OBJECT

public:
    EntriesPage(TMainForm& form, HandlerRunner run, QWidget* parent = nullptr);

    GridView& table() const { return *m_table; }
    GridView& checkGrid() const { return *m_check; }
    void showForm();
    // The pattern letter and the name of the chosen set, which change without the grids.
    void showLabels();

private:
    QWidget* buildButtons();
    void showTableMenu(const QModelIndex& index, const QPoint& globalPos);

    TMainForm& m_form;
    HandlerRunner m_run;
    GridView* m_check = nullptr;
    GridView* m_table = nullptr;
    QButtonGroup* m_sortButtons = nullptr;
    QLabel* m_pattern = nullptr;
    QLabel* m_setName = nullptr;
};

} // namespace renoka
