#pragma once
// The main window: shows a TMainForm and forwards menu choices, clicks and timer ticks to its handlers. The
// form holds every value; after each handler the window shows the form again.
#include "app/MainForm.h"
#include "widgets/TimerBinding.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;

namespace renoka {

class EntriesPage;
class LiveControls;
class MainMenus;
class OddsPage;
class RaceCardPage;
class RaceHeader;
class ResultsPage;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The form has been created (FormCreate): its geometry, lists and menu checks are ready to show.
    explicit MainWindow(TMainForm& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainMenus& menus() const { return *m_menus; }
    QTabWidget& pages() const { return *m_pages; }
    RaceCardPage& raceCardPage() const { return *m_cardPage; }
    EntriesPage& entriesPage() const { return *m_entriesPage; }
    OddsPage& oddsPage() const { return *m_oddsPage; }
    LiveControls& live() const { return *m_live; }
    // Shows the form's lists, labels, checks and visibility as they are now.
    void showForm();
    // Redraws what a handler changed.
    void showChanges(const ViewChanges& changes);
    // The window's position and size as the settings keep them.
    WindowGeometry currentGeometry() const;

    // What choosing a day in the day list, or a race in the race list, does.
    void chooseDay(int index);
    void chooseRace(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs a handler through the form's error wrapper, then shows what it changed. A user's handler that arrives
    // while another one runs (the day load lets events through) is dropped: the form is half-way through a change.
    void run(const std::function<void()>& handler, bool unattended = false);
    void loadDay(int index);
    void showLabels();
    void placeWindow();
    QWidget* buildButtonRow();
    QWidget* buildListPanel();
    QWidget* buildPages();
    void buildStatusBar();
    void wireMenus();
    void openGetDataDialog();

    TMainForm& m_form;
    std::unique_ptr<MainMenus> m_menus;
    LiveControls* m_live = nullptr;
    QWidget* m_listPanel = nullptr;
    QComboBox* m_dateCombo = nullptr;
    QListWidget* m_datList = nullptr;
    QLabel* m_seiRecLabel = nullptr;
    QLabel* m_restTimeLabel = nullptr;
    RaceHeader* m_raceHeader = nullptr;
    QTabWidget* m_pages = nullptr;
    RaceCardPage* m_cardPage = nullptr;
    EntriesPage* m_entriesPage = nullptr;
    ResultsPage* m_resultsPage = nullptr;
    OddsPage* m_oddsPage = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_clockLabel = nullptr;
    QPushButton* m_directReadButton = nullptr;
    QTimer* m_clockTimer = nullptr;
    QTimer* m_progressTimer = nullptr;
    std::vector<TimerBinding> m_timers;
    int m_handlerDepth = 0;
};

} // namespace renoka
