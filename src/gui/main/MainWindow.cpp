#include "main/MainWindow.h"

#include "QtText.h"
#include "download/GetDataDialog.h"
#include "main/MainMenus.h"
#include "widgets/LabelView.h"

#include <QAction>
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
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace renoka {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* makeButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(text(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setStatusTip(text(hint));
    button->setAutoDefault(false);
    return button;
}

QStringList textsOf(const ListControl& list) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(list.items.size()));
    for (const auto& item : list.items)
        texts << qs(item);
    return texts;
}

// Replaces the items only when they changed: the timers show the form every second, and a list that is
// rebuilt each time would lose the user's scroll position and open drop-down.
void showList(QComboBox& combo, const ListControl& list) {
    const QSignalBlocker blocker(combo);
    const QStringList texts = textsOf(list);
    QStringList current;
    for (int i = 0; i < combo.count(); ++i)
        current << combo.itemText(i);
    if (current != texts) {
        combo.clear();
        combo.addItems(texts);
    }
    if (combo.currentIndex() != list.itemIndex) combo.setCurrentIndex(list.itemIndex);
}

void showList(QListWidget& view, const ListControl& list) {
    const QSignalBlocker blocker(view);
    const QStringList texts = textsOf(list);
    QStringList current;
    for (int i = 0; i < view.count(); ++i)
        current << view.item(i)->text();
    if (current != texts) {
        view.clear();
        view.addItems(texts);
    }
    if (view.currentRow() != list.itemIndex) view.setCurrentRow(list.itemIndex);
}

} // namespace

MainWindow::MainWindow(TMainForm& form, QWidget* parent) : QMainWindow(parent), m_form(form) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(text(TMainForm::Caption));
    m_menus = std::make_unique<MainMenus>(*menuBar());

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
    wireMenus();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer2"));
    // The clock is unattended work: a failure goes to the status label and the log, never to a dialog.
    connect(m_clockTimer, &QTimer::timeout, this, [this] { run([this] { m_form.Timer2Timer(); }, true); });

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

    auto* dayCaption = new QLabel(text("開催日(&D)"), m_listPanel);
    m_dateCombo = new QComboBox(m_listPanel);
    m_dateCombo->setObjectName(QStringLiteral("DateCombo"));
    m_dateCombo->setMaxVisibleItems(36);
    m_dateCombo->setStatusTip(text("読み込む開催日を選びます"));
    m_dateCombo->setPlaceholderText(text("開催日を選択"));
    dayCaption->setBuddy(m_dateCombo);

    auto* raceCaption = new QLabel(text("レース(&R)"), m_listPanel);
    m_datList = new QListWidget(m_listPanel);
    m_datList->setObjectName(QStringLiteral("DatList"));
    m_datList->setStatusTip(text("表示するレースを選びます"));
    raceCaption->setBuddy(m_datList);

    layout->addWidget(dayCaption);
    layout->addWidget(m_dateCombo);
    layout->addWidget(raceCaption);
    layout->addWidget(m_datList, 1);
    // Wide enough for a day name and the drop-down arrow; the race names ("東京11R") are shorter.
    m_listPanel->setFixedWidth(m_dateCombo->fontMetrics().horizontalAdvance(text("0000年00月00日")) + 48);

    // The choice is part of the form's data: later handlers read the selected day and race from it.
    connect(m_dateCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.DateCombo.itemIndex = index; });
    connect(m_datList, &QListWidget::currentRowChanged, this, [this](int row) { m_form.DatList.itemIndex = row; });
    return m_listPanel;
}

QWidget* MainWindow::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    for (const char* caption : {"出馬表", "出走馬確認", "結果"})
        m_pages->addTab(new QWidget(m_pages), text(caption));
    return m_pages;
}

void MainWindow::buildStatusBar() {
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    m_clockLabel = new QLabel(this);
    m_clockLabel->setObjectName(QStringLiteral("ClockLabel"));
    m_clockLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clockLabel->setMinimumWidth(m_clockLabel->fontMetrics().horizontalAdvance(text("00時00分00秒")) + 8);
    statusBar()->addWidget(m_statusLabel, 1);
    statusBar()->addPermanentWidget(m_clockLabel);
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

void MainWindow::showForm() {
    showList(*m_dateCombo, m_form.DateCombo);
    showList(*m_datList, m_form.DatList);
    m_listPanel->setVisible(m_form.visibility.Panel6);
    showLabel(*m_statusLabel, m_form.StatusLabel);
    showLabel(*m_clockLabel, m_form.ClockLabel);
    m_menus->showChecks(m_form.menus);
    m_menus->master()->menuAction()->setVisible(m_form.visibility.MenuMaster);

    if (m_clockTimer->interval() != m_form.Timer2.intervalMs) m_clockTimer->setInterval(m_form.Timer2.intervalMs);
    if (m_clockTimer->isActive() != m_form.Timer2.enabled) {
        if (m_form.Timer2.enabled)
            m_clockTimer->start();
        else
            m_clockTimer->stop();
    }
}

void MainWindow::run(const std::function<void()>& handler, bool unattended) {
    m_form.runHandler(handler, unattended);
    showForm();
    if (std::exchange(m_form.closeRequested, false)) close();
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
    event->accept();
}

} // namespace renoka
