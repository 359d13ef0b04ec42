#pragma once
// The live race day in the main window: the real-time fetch buttons and "直前ﾚｰｽ", the automatic-odds check box
// (hidden in the standard layout, a menu item too), the menu items of the fetches without a button, DLlabel in
// the status bar, and the timers of the automatic acquisition, which tick core's handlers as its clock says.
#include "widgets/TimerBinding.h"

#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace renoka {

class MainMenus;
class TMainForm;

class LiveControls : public QObject {
    Q_OBJECT

public:
    // Runs a handler as the window runs its own (the flag: unattended, as a timer runs it).
    using Runner = std::function<void(const std::function<void()>& handler, bool unattended)>;

    LiveControls(TMainForm& form, const MainMenus& menus, Runner run, QWidget* window);

    // The fetch buttons and "直前ﾚｰｽ", for the panel beside the race list.
    QWidget* fetchButtons() const { return m_fetchButtons; }
    QLabel* dlLabel() const { return m_dlLabel; }

    // Shows the check box, its menu item and DLlabel as the form holds them, and starts, stops or re-times the
    // timers to match core.
    void showForm();
    void stopTimers();

private:
    void buildButtons(QWidget* window);
    void wireMenus(const MainMenus& menus);
    void buildTimers(QWidget* window);
    void autoOzClicked(bool checked);

    TMainForm& m_form;
    Runner m_run;
    QWidget* m_fetchButtons = nullptr;
    QPushButton* m_nextRace = nullptr;
    QCheckBox* m_autoOzCheck = nullptr;
    QAction* m_autoOzItem = nullptr;
    QLabel* m_dlLabel = nullptr;
    std::vector<QTimer*> m_timerObjects;
    std::vector<TimerBinding> m_timers;
};

} // namespace renoka
