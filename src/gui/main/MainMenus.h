#pragma once
// The menu bar of the main window. Each item carries the component name the handlers use (N32, SelHaiR1,
// hidelist, ...) as its object name, so the window wires it and a test finds it by that name. Items start
// disabled; the window enables those whose handlers it connects.
#include "app/MainForm.h"

#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace renoka {

class MainMenus {
public:
    explicit MainMenus(QMenuBar& bar);

    // The item with this component name; null when there is none.
    QAction* action(const char* name) const;
    // 開発用: shown only when the frame shows it.
    QMenu* master() const { return m_master; }

    // Checks and unchecks the items from the form's state.
    void showChecks(const MenuChecks& checks) const;

private:
    struct CheckItem {
        QAction* action;
        bool MenuChecks::*state;
    };

    QMenu* addMenu(const char* caption);
    QAction* addItem(QMenu& menu, const char* name, const char* caption, const char* hint);
    QAction* addCheck(QMenu& menu, const char* name, const char* caption, const char* hint, bool MenuChecks::*state,
                      QActionGroup* group = nullptr);
    // Radio items: checking one unchecks the others, yet a setting outside the list leaves all unchecked.
    QActionGroup* addGroup(QMenu& menu);

    void buildFileMenu();
    void buildSettingsMenu();
    void buildLiveMenu();
    void buildKaimeMenu();
    void buildDeliveryMenu();
    void buildMasterMenu();
    void buildHelpMenu();

    QMenuBar& m_bar;
    QMenu* m_master = nullptr;
    std::vector<CheckItem> m_checks;
};

} // namespace renoka
