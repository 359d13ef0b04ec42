#pragma once
// The loss register's window ("損失金管理"): made at start-up, shown on top of the main window when opened, and
// kept until the program ends. It shows the register form of core and hands every choice to its handlers.
#include "main/HandlerRunner.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace renoka {

class GridView;
class TLossRegForm;

class LossRegDialog : public QDialog {
    Q_OBJECT

public:
    // `run` runs the user's handlers; `runQuietly` the window's own upkeep (its place), which may come while a
    // handler of this window waits for an answer and must neither be refused nor open a dialog.
    LossRegDialog(TLossRegForm& form, HandlerRunner run, HandlerRunner runQuietly, QWidget* parent = nullptr);

    // Shows the form's race list, grid and total as they are now.
    void showForm();
    GridView& grid() const { return *m_grid; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showMenu(const QPoint& globalPos);
    // The typed amount into the form's field; false (with the field marked) when it is not a whole number.
    bool takeAmount();

    TLossRegForm& m_form;
    HandlerRunner m_run;
    HandlerRunner m_runQuietly;
    QListWidget* m_races = nullptr;
    QLineEdit* m_amount = nullptr;
    GridView* m_grid = nullptr;
    QLabel* m_total = nullptr;
};

} // namespace renoka
