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

class BetsPage;
class EntriesPage;
class LiveControls;
class LossRegDialog;
class MainMenus;
class OddsPage;
class RaceCardPage;
class RaceHeader;
class ResultsPage;
class UserKaimeDialog;

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
    UserKaimeDialog& userKaimeDialog() const { return *m_userKaime; }
    BetsPage& betsPage() const { return *m_betsPage; }
    LiveControls& live() const { return *m_live; }
    LossRegDialog& lossRegDialog() const { return *m_lossDialog; }
    // Shows the form's lists, labels, checks and visibility as they are now.
    void showForm();
    // Redraws what a handler changed.
    void showChanges(const ViewChanges& changes);
    // The window's position and size as the settings keep them.
    WindowGeometry currentGeometry() const;

    // What choosing a day in the day list, or a race in the race list, does.
    void chooseDay(int index);
    void chooseRace(int row);

    // Runs a handler through the form's error wrapper, then shows what it changed. A user's handler that arrives
    // while another one runs (the day load lets events through) cannot run now, the form is half-way through a
    // change: the status bar says so and the beep sounds. A day chosen meanwhile is loaded next instead. An
    // unattended handler (a timer's) opens no dialog, whatever it reaches.
    void run(const std::function<void()>& handler, bool unattended = false);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadDay(int index);
    void refuseWhileBusy();
    void showLabels();
    // The status label and the day load's progress line, unless Qt shows a widget's status tip there now.
    void showStatusLabels();
    QWidget* buildEmptyView();
    // The race pages when a race is listed, else the empty view with its hint.
    void showEmptyView();
    void placeWindow();
    QWidget* buildButtonRow();
    QWidget* buildListPanel();
    QWidget* buildPages();
    void buildStatusBar();
    void wireMenus();
    void openGetDataDialog();
    // 軸・ヒモ馬ユーザー設定: the axis-and-partner window, on top and not modal.
    void K1Click();
    // 損失メモ: the loss register's window, made once and shown on top of this one.
    void LossMemoBtnClick();

    TMainForm& m_form;
    std::unique_ptr<MainMenus> m_menus;
    LiveControls* m_live = nullptr;
    LossRegDialog* m_lossDialog = nullptr;
    QWidget* m_listPanel = nullptr;
    QComboBox* m_dateCombo = nullptr;
    QListWidget* m_datList = nullptr;
    QLabel* m_seiRecLabel = nullptr;
    QLabel* m_restTimeLabel = nullptr;
    RaceHeader* m_raceHeader = nullptr;
    QTabWidget* m_pages = nullptr;
    QWidget* m_emptyView = nullptr;
    QLabel* m_emptyHint = nullptr;
    RaceCardPage* m_cardPage = nullptr;
    EntriesPage* m_entriesPage = nullptr;
    ResultsPage* m_resultsPage = nullptr;
    OddsPage* m_oddsPage = nullptr;
    UserKaimeDialog* m_userKaime = nullptr;
    BetsPage* m_betsPage = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_clockLabel = nullptr;
    QPushButton* m_directReadButton = nullptr;
    QTimer* m_clockTimer = nullptr;
    QTimer* m_progressTimer = nullptr;
    std::vector<TimerBinding> m_timers;
    int m_handlerDepth = 0;
    bool m_dayLoading = false;
    int m_pendingDay = -1; // a day chosen while another one loads
};

} // namespace renoka
