#include "main/MainWindow.h"

#include "QtText.h"
#include "analysis/OddsIntake.h"
#include "analysis/OddsTimeSeries.h"
#include "bets/BetsPage.h"
#include "betting/UserKaimeDialog.h"
#include "betting/VoteFiles.h"
#include "download/GetDataDialog.h"
#include "grid/GridView.h"
#include "main/EntriesPage.h"
#include "main/LiveControls.h"
#include "main/MainMenus.h"
#include "main/OddsPage.h"
#include "main/RaceCardPage.h"
#include "main/RaceHeader.h"
#include "main/ResultsPage.h"
#include "raceday/DayLoader.h"
#include "raceday/RaceCard.h"
#include "raceday/RaceSelection.h"
#include "results/LossRegDialog.h"
#include "results/PayoutIntake.h"
#include "widgets/Buttons.h"
#include "widgets/LabelView.h"
#include "widgets/ListView.h"
#include "widgets/TimerBinding.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace renoka {

namespace {

// Pages with several grids and button rows need more room than a small window has; they scroll as a whole then,
// rather than forcing the window to stay large.
QWidget* scrollable(QWidget* page) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

} // namespace

MainWindow::MainWindow(TMainForm& form, QWidget* parent) : QMainWindow(parent), m_form(form) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(uiText(TMainForm::Caption));
    m_menus = std::make_unique<MainMenus>(*menuBar());
    m_live = new LiveControls(
        form, *m_menus, [this](const std::function<void()>& handler, bool unattended) { run(handler, unattended); },
        this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(buildButtonRow());
    auto* body = new QHBoxLayout;
    body->addWidget(buildListPanel());
    body->addWidget(buildPages(), 1);
    layout->addLayout(body, 1);
    setCentralWidget(central);
    buildStatusBar();
    // The axis-and-partner window lives as long as the main window; the menu only shows it.
    m_userKaime = new UserKaimeDialog(
        form.userKaime(), [this](const std::function<void()>& handler) { run(handler); },
        [this](const std::function<void()>& handler) { run(handler, true); }, this);
    // The loss register's window lives as long as the main window, hidden until it is opened.
    m_lossDialog = new LossRegDialog(
        form.lossReg(), [this](const std::function<void()>& handler) { run(handler); },
        [this](const std::function<void()>& handler) { run(handler, true); }, this);
    wireMenus();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer2"));
    // The clock is unattended work: a failure goes to the status label and the log, never to a dialog.
    connect(m_clockTimer, &QTimer::timeout, this, [this] { run([this] { m_form.Timer2Timer(); }, true); });
    m_timers.emplace_back(*m_clockTimer, m_form.Timer2, m_form.clock());

    placeWindow();
    showForm();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    QPushButton* panel = makeButton("SpeedButton1", "F", "開催日とレースの一覧を表示・非表示にします", row);
    panel->setFixedWidth(panel->fontMetrics().height() * 2 + 8);
    connect(panel, &QPushButton::clicked, this, [this] { run([this] { m_form.SpeedButton1Click(); }); });
    layout->addWidget(panel);

    QPushButton* jv =
        makeButton("JVBtn", "JVデータ取得", "JRA-VANから蓄積データを取得し、開催日ごとのファイルに取り込みます", row);
    connect(jv, &QPushButton::clicked, this, [this] { run([this] { openGetDataDialog(); }); });
    layout->addWidget(jv);
    m_directReadButton = makeButton("DirectReadBtn", "一気読み",
                                    "一覧のすべての開催日を古い順に読み込みます（読込済みの印がある日は除く）", row);
    connect(m_directReadButton, &QPushButton::clicked, this,
            [this] { run([this] { m_form.dayLoader().DirectReadBtnClick(); }); });
    layout->addWidget(m_directReadButton);
    // Not in the standard layout: the register opens from the 買い目 menu.
    QPushButton* lossMemo = makeButton("LossMemoBtn", "損失メモ", "損失金管理の画面を開きます", row);
    connect(lossMemo, &QPushButton::clicked, this, [this] { LossMemoBtnClick(); });
    lossMemo->setVisible(false);
    layout->addWidget(lossMemo);
    layout->addStretch(1);

    QPushButton* help = makeButton("HelpButton", "ヘルプ", "使用解説書(RENOKA.pdf)を開きます", row);
    connect(help, &QPushButton::clicked, this, [this] { run([this] { m_form.HelpButtonClick(); }); });
    layout->addWidget(help);

    QPushButton* quit = makeButton("QuitButton", "終了", "RENOKAを終了します", row);
    connect(quit, &QPushButton::clicked, this, [this] { run([this] { m_form.QuitButtonClick(); }); });
    layout->addWidget(quit);
    return row;
}

QWidget* MainWindow::buildListPanel() {
    m_listPanel = new QWidget(this);
    m_listPanel->setObjectName(QStringLiteral("Panel6"));
    auto* layout = new QVBoxLayout(m_listPanel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* dayCaption = new QLabel(uiText("開催日(&D)"), m_listPanel);
    m_dateCombo = new QComboBox(m_listPanel);
    m_dateCombo->setObjectName(QStringLiteral("DateCombo"));
    m_dateCombo->setMaxVisibleItems(36);
    m_dateCombo->setStatusTip(uiText("読み込む開催日を選びます"));
    m_dateCombo->setPlaceholderText(uiText("開催日を選択"));
    // The wheel over the closed chooser would load another day as the pointer passes: see eventFilter.
    m_dateCombo->installEventFilter(this);
    dayCaption->setBuddy(m_dateCombo);

    auto* raceCaption = new QLabel(uiText("レース(&R)"), m_listPanel);
    m_datList = new QListWidget(m_listPanel);
    m_datList->setObjectName(QStringLiteral("DatList"));
    m_datList->setStatusTip(uiText("表示するレースを選びます"));
    raceCaption->setBuddy(m_datList);

    // The results state and the time to the next post belong to the day, so they sit under its chooser.
    m_seiRecLabel = new QLabel(m_listPanel);
    m_seiRecLabel->setObjectName(QStringLiteral("SeiRecLabel"));
    m_seiRecLabel->setAlignment(Qt::AlignCenter);
    m_seiRecLabel->setStatusTip(uiText("読み込んだ開催日の成績が記録済みかどうか"));
    m_restTimeLabel = new QLabel(m_listPanel);
    m_restTimeLabel->setObjectName(QStringLiteral("RestTimeLabel"));
    m_restTimeLabel->setAlignment(Qt::AlignCenter);
    m_restTimeLabel->setStatusTip(uiText("次のレースの発走までの時間"));
    // "発走までの残り時間：hh:nn:ss" is wider than the panel: it takes two lines there.
    m_restTimeLabel->setWordWrap(true);

    layout->addWidget(dayCaption);
    layout->addWidget(m_dateCombo);
    layout->addWidget(m_seiRecLabel);
    layout->addWidget(m_restTimeLabel);
    layout->addWidget(m_live->fetchButtons());
    layout->addWidget(raceCaption);
    layout->addWidget(m_datList, 1);
    // Wide enough for a day name and the drop-down arrow; the race names ("東京11R") are shorter.
    m_listPanel->setFixedWidth(m_dateCombo->fontMetrics().horizontalAdvance(uiText("0000年00月00日")) + 48);

    // The choice is part of the form's data: the handlers read the chosen day and race from it. A choice made
    // with the arrow keys of the closed combo counts as one too, as it did with the system's list.
    connect(m_dateCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        // Not while a day loads: the form's choice must stay the day being loaded.
        if (m_handlerDepth == 0) m_form.DateCombo.itemIndex = index;
    });
    connect(m_dateCombo, &QComboBox::activated, this, &MainWindow::loadDay);
    connect(m_datList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        run([this, row] {
            m_form.DatList.itemIndex = row;
            m_form.raceSelection().DatListClick();
        });
    });
    // With the pages hidden (after a download) the race on the list is not on screen: a click or Enter on it
    // shows it again, though it is the current row already.
    const auto showAgain = [this](const QModelIndex& index) {
        if (m_pages->isVisible() || !index.isValid() || index.row() != m_datList->currentRow()) return;
        run([this, row = index.row()] {
            m_form.DatList.itemIndex = row;
            m_form.raceSelection().DatListClick();
        });
    };
    connect(m_datList, &QListWidget::clicked, this, showAgain);
    connect(m_datList, &QListWidget::activated, this, showAgain);
    return m_listPanel;
}

QWidget* MainWindow::buildPages() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_raceHeader = new RaceHeader(m_form.raceCard(), area);
    // The heading is a few lines high whatever else is shown: with the pages hidden the empty view below it
    // takes the room.
    m_raceHeader->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(m_raceHeader);

    const HandlerRunner runner = [this](const std::function<void()>& handler) { run(handler); };
    m_pages = new QTabWidget(area);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_cardPage = new RaceCardPage(m_form, runner, m_pages);
    m_entriesPage = new EntriesPage(m_form, runner, m_pages);
    m_resultsPage = new ResultsPage(m_form.payouts().KekkaPanel, m_pages);
    m_oddsPage = new OddsPage(m_form, runner, m_pages);
    m_betsPage = new BetsPage(m_form, runner, m_pages);
    m_pages->addTab(m_cardPage, uiText("出馬表(&1)"));
    m_pages->addTab(scrollable(m_entriesPage), uiText("出走馬確認(&2)"));
    m_pages->addTab(m_resultsPage, uiText("結果(&3)"));
    m_pages->addTab(scrollable(m_oddsPage), uiText("オッズ(&4)"));
    m_pages->addTab(m_betsPage, uiText("買い目(&5)"));
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildEmptyView(), 1);
    return area;
}

QWidget* MainWindow::buildEmptyView() {
    m_emptyView = new QWidget(this);
    m_emptyView->setObjectName(QStringLiteral("EmptyView"));
    auto* layout = new QVBoxLayout(m_emptyView);
    m_emptyHint = new QLabel(m_emptyView);
    m_emptyHint->setObjectName(QStringLiteral("EmptyHint"));
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setWordWrap(true);
    // A newcomer's first step, next to the words that name it.
    QPushButton* download =
        makeButton("EmptyJVBtn", "JVデータ取得(&J)...",
                   "JRA-VANから蓄積データを取得し、開催日ごとのファイルに取り込みます", m_emptyView);
    connect(download, &QPushButton::clicked, this, [this] { run([this] { openGetDataDialog(); }); });
    layout->addStretch(1);
    layout->addWidget(m_emptyHint);
    layout->addWidget(download, 0, Qt::AlignCenter);
    layout->addStretch(2);
    return m_emptyView;
}

void MainWindow::buildStatusBar() {
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    // The progress line of a day load (the system's progress window), shown while the load runs.
    m_progressLabel = new QLabel(this);
    m_progressLabel->setObjectName(QStringLiteral("PrgrsText"));
    m_progressLabel->setFont(GridView::gridFont());
    m_progressLabel->setVisible(false);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, [this] { showStatusLabels(); });
    m_clockLabel = new QLabel(this);
    m_clockLabel->setObjectName(QStringLiteral("ClockLabel"));
    m_clockLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clockLabel->setMinimumWidth(m_clockLabel->fontMetrics().horizontalAdvance(uiText("00時00分00秒")) + 8);
    statusBar()->addWidget(m_live->dlLabel(), 1);
    statusBar()->addWidget(m_statusLabel, 1);
    statusBar()->addWidget(m_progressLabel, 1);
    statusBar()->addPermanentWidget(m_clockLabel);
    // A status tip hides the labels while it is shown; when it goes, they come back as they are now.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this] { showStatusLabels(); });
}

void MainWindow::wireMenus() {
    const auto wire = [this](const char* name, std::function<void()> handler) {
        QAction* action = m_menus->action(name);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] { run(handler); });
    };
    wire("JVMenu", [this] { openGetDataDialog(); });
    wire("QuitMenu", [this] { m_form.QuitButtonClick(); });
    wire("HelpMenu", [this] { m_form.HelpButtonClick(); });
    wire("hidelist", [this] { m_form.hidelistClick(); });
    wire("T1", [this] { m_form.oddsTimeSeries().T1Click(); });
    wire("N12", [this] { m_form.oddsTimeSeries().N12Click(); });
    wire("N28", [this] { m_form.voteFiles().N28Click(); });
    wire("QRV1", [this] { m_form.voteFiles().QRV1Click(); });
    wire("K1", [this] { K1Click(); });
    QAction* lossMemo = m_menus->action("LossMemo");
    lossMemo->setEnabled(true);
    connect(lossMemo, &QAction::triggered, this, [this] { LossMemoBtnClick(); });
    m_betsPage->wireMenus(*m_menus);
}

void MainWindow::K1Click() {
    // Over the main window first; showing it moves it to the place it had last.
    if (!m_userKaime->isVisible()) m_userKaime->move(geometry().center() - m_userKaime->rect().center());
    m_userKaime->show();
    m_userKaime->raise();
    m_userKaime->activateWindow();
}

void MainWindow::LossMemoBtnClick() {
    m_lossDialog->showForm();
    m_lossDialog->show();
    m_lossDialog->raise();
    m_lossDialog->activateWindow();
}

void MainWindow::openGetDataDialog() {
    // The dialog and its form exist only while it is open; closing it rebuilds the day list, which run() then
    // shows in the day combo.
    GetDataDialog dialog(m_form, this);
    dialog.exec();
}

void MainWindow::placeWindow() {
    const WindowGeometry& g = m_form.geometry;
    resize(g.width, g.height);
    // A position saved on a screen that is no longer attached would open the window out of reach.
    if (QGuiApplication::screenAt(QPoint(g.left + g.width / 2, g.top + 10))) move(g.left, g.top);
}

WindowGeometry MainWindow::currentGeometry() const {
    WindowGeometry g;
    g.left = pos().x();
    g.top = pos().y();
    g.width = width();
    g.height = height();
    return g;
}

void MainWindow::showStatusLabels() {
    // One text at a time in the status bar: the tip of the widget under the pointer wins over both labels.
    const bool tipShown = !statusBar()->currentMessage().isEmpty();
    showLabel(*m_statusLabel, m_form.StatusLabel);
    m_statusLabel->setVisible(m_form.StatusLabel.visible && !tipShown);
    if (m_dayLoading) showLabel(*m_progressLabel, m_form.PrgrsText);
    m_progressLabel->setVisible(m_dayLoading && m_form.PrgrsText.visible && !tipShown);
}

void MainWindow::showLabels() {
    showStatusLabels();
    showLabel(*m_clockLabel, m_form.ClockLabel);
    showLabel(*m_seiRecLabel, m_form.SeiRecLabel);
    showLabel(*m_restTimeLabel, m_form.RestTimeLabel);
    m_entriesPage->showLabels();
    // Nothing to say about a day before one is loaded.
    if (m_form.SeiRecLabel.text.empty()) m_seiRecLabel->setVisible(false);
    if (m_form.RestTimeLabel.text.empty()) m_restTimeLabel->setVisible(false);
}

void MainWindow::showForm() {
    m_form.changes().markAll();
    showChanges(m_form.changes().take());
}

void MainWindow::showChanges(const ViewChanges& changes) {
    if (changes.has(View::DayList)) showList(*m_dateCombo, m_form.DateCombo);
    if (changes.has(View::RaceList)) showList(*m_datList, m_form.DatList);
    if (changes.has(View::Frame)) {
        m_listPanel->setVisible(m_form.visibility.Panel6);
        m_directReadButton->setVisible(m_form.visibility.DirectReadBtn);
        m_raceHeader->setVisible(m_form.visibility.Panel8);
        m_menus->showChecks(m_form.menus);
        m_menus->master()->menuAction()->setVisible(m_form.visibility.MenuMaster);
    }
    if (changes.has(View::DayList) || changes.has(View::RaceList) || changes.has(View::Frame)) showEmptyView();
    // The labels are a handful of words: always as they are now.
    showLabels();
    if (changes.has(View::RaceCard)) {
        m_raceHeader->showForm();
        m_cardPage->showForm();
    }
    if (changes.has(View::Entries)) m_entriesPage->showForm();
    if (changes.has(View::Results)) m_resultsPage->showForm();
    if (changes.has(View::Dialogs)) m_userKaime->showForm();
    if (changes.has(View::Odds)) m_oddsPage->markStale();
    m_oddsPage->showForm();
    if (changes.has(View::Dialogs)) m_lossDialog->showForm();
    m_betsPage->showForm(changes.has(View::Bets));
    for (TimerBinding& timer : m_timers)
        timer.sync();
    m_live->showForm();
}

void MainWindow::run(const std::function<void()>& handler, bool unattended) {
    if (m_handlerDepth > 0) {
        if (!unattended) {
            refuseWhileBusy();
            return;
        }
        // The clock inside a day load: its labels only, the grids are half-way through the new day. What it
        // marked waits for the end of the load.
        m_form.runHandler(handler, unattended);
        showLabels();
        return;
    }
    ++m_handlerDepth;
    m_form.runHandler(handler, unattended);
    --m_handlerDepth;
    showChanges(m_form.changes().take());
    if (std::exchange(m_form.closeRequested, false)) close();
}

void MainWindow::showEmptyView() {
    // Pages without a race are empty grids: until a day is loaded the room says what to do instead.
    const bool raceShown = m_form.visibility.PageControl1 && !m_form.DatList.items.empty();
    m_pages->setVisible(raceShown);
    m_emptyView->setVisible(!raceShown);
    m_emptyHint->setText(qs(m_form.emptyViewHint()));
    m_emptyView->findChild<QPushButton*>(QStringLiteral("EmptyJVBtn"))->setVisible(m_form.DateCombo.items.empty());
}

void MainWindow::refuseWhileBusy() {
    QApplication::beep();
    statusBar()->showMessage(uiText("処理中のため、この操作は行いませんでした。終わってからもう一度どうぞ。"), 5000);
}

void MainWindow::chooseDay(int index) {
    m_dateCombo->setCurrentIndex(index);
    loadDay(index);
}

void MainWindow::chooseRace(int row) {
    // The list's own signal runs the handler, exactly as a click on the row would.
    m_datList->setCurrentRow(row);
}

void MainWindow::loadDay(int index) {
    if (m_handlerDepth > 0) {
        // Chosen while a day loads (the load lets the keys through): the latest choice is loaded next, and the
        // chooser keeps showing it meanwhile.
        if (m_dayLoading)
            m_pendingDay = index;
        else
            refuseWhileBusy();
        return;
    }
    // A day load reads every race of the day and lets events through between horses: the busy cursor and the
    // progress line say it is working.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_dayLoading = true;
    m_pendingDay = index;
    while (m_pendingDay >= 0) {
        const int day = std::exchange(m_pendingDay, -1);
        m_form.PrgrsText.text.clear();
        m_progressLabel->clear();
        showStatusLabels();
        m_progressTimer->start();
        run([this, day] {
            m_form.DateCombo.itemIndex = day;
            m_form.dayLoader().DateComboChange();
        });
        m_progressTimer->stop();
    }
    m_dayLoading = false;
    showStatusLabels();
    QApplication::restoreOverrideCursor();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A day changes by a deliberate choice only: from the open list, the keys or a click, never by the wheel.
    if (watched == m_dateCombo && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool allowed = true;
    const WindowGeometry current = currentGeometry();
    m_form.runHandler([&] { allowed = m_form.FormCloseQuery(current); });
    if (!allowed) {
        event->ignore();
        return;
    }
    m_clockTimer->stop();
    m_live->stopTimers();
    event->accept();
}

} // namespace renoka
