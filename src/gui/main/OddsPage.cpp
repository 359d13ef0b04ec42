#include "main/OddsPage.h"

#include "QtText.h"
#include "analysis/OddsBoard.h"
#include "app/MainForm.h"
#include "grid/GridView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace renoka {

namespace {

// The board's grids are plain text; the odds read best right-aligned under centred headers.
CellPaint rightAligned(int /*row*/, int /*col*/) {
    CellPaint paint;
    paint.align = Align::Right;
    return paint;
}

QGroupBox* boxed(const std::string& caption, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(qs(caption), parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

} // namespace

OddsPage::OddsPage(TMainForm& form, HandlerRunner run, QWidget* parent)
    : QWidget(parent), m_form(form), m_run(std::move(run)) {
    OddsBoard& board = m_form.oddsBoard();
    m_winPlace = new GridView(
        board.WinPlace,
        [](int /*row*/, int col) {
            CellPaint paint;
            // The horse name reads from the left; the numbers line up on the right.
            paint.align = col == 1 ? Align::Left : Align::Right;
            return paint;
        },
        this);
    m_winPlace->setObjectName(QStringLiteral("WinPlace"));
    // 馬番, a name of up to nine full-width characters, 単勝, 人気, a place range "23.9-41.2", 人気.
    m_winPlace->setColumnChars([](int col) {
        static constexpr int chars[] = {4, 18, 7, 4, 10, 4};
        return col >= 0 && col < 6 ? chars[col] : 6;
    });
    m_bracket = new GridView(board.Bracket, rightAligned, this);
    m_bracket->setObjectName(QStringLiteral("Bracket"));
    m_quinella = new GridView(board.Quinella, rightAligned, this);
    m_quinella->setObjectName(QStringLiteral("Quinella"));
    for (GridView* matrix : {m_bracket, m_quinella})
        matrix->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Bracket quinella odds stay below 1000 ("999.9"); quinella odds of two outsiders reach "1234.5".
    m_bracket->setColumnChars([](int) { return 5; });
    m_quinella->setColumnChars([](int) { return 6; });

    // The long lists share one box: a punter reads one bet type at a time.
    m_listTabs = new QTabWidget(this);
    m_listTabs->setObjectName(QStringLiteral("OddsLists"));
    for (int i = 0; i < 3; ++i)
        m_listTabs->addTab(buildList(i), qs(OddsBoard::caption(3 + i)));

    m_winPlaceBox = boxed(OddsBoard::caption(0), m_winPlace, this);
    m_bracketBox = boxed(OddsBoard::caption(1), m_bracket, this);
    m_quinellaBox = boxed(OddsBoard::caption(2), m_quinella, this);
    m_layout = new QGridLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* OddsPage::buildList(int index) {
    OddsBoard& board = m_form.oddsBoard();
    auto* grid = new GridView(board.Lists[static_cast<size_t>(index)], rightAligned, this);
    grid->setObjectName(QStringLiteral("OddsList%1").arg(index));
    grid->setColumnChars([](int col) { return col == 2 ? 5 : 10; });
    // A click on 組番 orders by combination, on オッズ or 人気 by odds.
    grid->setSortableHeader([](int col) { return col >= 0 && col <= 2; });
    connect(grid, &GridView::headerClicked, this, [this, index](int col) { sortList(index, col != 0); });
    m_lists[static_cast<size_t>(index)] = grid;

    auto* button = new QPushButton(uiText("オッズ順(&O)"), this);
    button->setObjectName(QStringLiteral("OddsSort%1").arg(index));
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setStatusTip(uiText("押すとオッズの低い順、戻すと組番順に並べます"));
    connect(button, &QPushButton::clicked, this, [this, index](bool checked) { sortList(index, checked); });
    m_sortButtons[static_cast<size_t>(index)] = button;

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(button);
    layout->addWidget(grid, 1);
    return content;
}

void OddsPage::sortList(int index, bool byOdds) {
    m_run([this, index, byOdds] { m_form.oddsBoard().sortList(static_cast<OddsBoard::List>(index), byOdds); });
}

void OddsPage::showForm() {
    // Building the trifecta list takes a few thousand rows: not on every tick of the clock, and not unseen.
    if (!m_stale || !isVisible()) return;
    m_stale = false;
    if (!m_form.DatList.items.empty())
        m_form.runHandler([this] { m_form.oddsBoard().refresh(m_form.store().CurrentRace); });
    const std::array<GridView*, 6> grids = {m_winPlace, m_bracket, m_quinella, m_lists[0], m_lists[1], m_lists[2]};
    for (GridView* grid : grids)
        grid->refresh();
    // Another race starts at its first row and column, not where the last one was left.
    const std::string race = m_form.store().DayName + "/" + std::to_string(m_form.store().CurrentRace);
    if (race != m_shownRace) {
        m_shownRace = race;
        for (GridView* grid : grids)
            grid->scrollToStart();
    }
    for (int i = 0; i < 3; ++i) {
        const bool byOdds = m_form.oddsBoard().sortedByOdds(static_cast<OddsBoard::List>(i));
        QPushButton* button = m_sortButtons[static_cast<size_t>(i)];
        if (button->isChecked() != byOdds) button->setChecked(byOdds);
    }
    m_arranged = false;
    arrange();
}

int OddsPage::availableWidth() const {
    // Inside the page's scroll area the room is the viewport's width, not the page's own (which may be wider).
    const QWidget* room = parentWidget();
    return room ? room->width() : width();
}

void OddsPage::arrange() {
    // Each grid as large as its rows and columns, so nothing inside it scrolls sideways; the lists keep their
    // width and scroll down.
    for (GridView* grid : {m_winPlace, m_bracket, m_quinella}) {
        // Every row is shown, so no room is kept for a vertical scroll bar either.
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setFixedSize(grid->fullWidth() - grid->verticalScrollBar()->sizeHint().width(), grid->fullHeight());
    }
    int listWidth = 0;
    for (GridView* grid : m_lists)
        listWidth = std::max(listWidth, grid->fullWidth());
    for (GridView* grid : m_lists)
        grid->setMinimumWidth(listWidth);
    m_listTabs->setMinimumWidth(std::max(listWidth + 24, m_listTabs->tabBar()->sizeHint().width() + 8));
    m_listTabs->setMinimumHeight(m_winPlace->fullHeight());

    const int spacing = std::max(0, m_layout->horizontalSpacing());
    const int middle = std::max(m_bracketBox->minimumSizeHint().width(), m_quinellaBox->minimumSizeHint().width());
    const int oneRowWidth =
        m_winPlaceBox->minimumSizeHint().width() + middle + m_listTabs->minimumWidth() + 2 * spacing;
    const bool oneRow = oneRowWidth <= availableWidth();
    if (m_arranged && oneRow == m_oneRow) return;
    m_arranged = true;
    m_oneRow = oneRow;

    for (QWidget* box : {m_winPlaceBox, m_bracketBox, m_quinellaBox, static_cast<QWidget*>(m_listTabs)})
        m_layout->removeWidget(box);
    for (int i = 0; i < 4; ++i) {
        m_layout->setColumnStretch(i, 0);
        m_layout->setRowStretch(i, 0);
    }
    const Qt::Alignment topLeft = Qt::AlignTop | Qt::AlignLeft;
    if (oneRow) {
        // Win and place | the bracket over the quinella matrix | the lists.
        m_layout->addWidget(m_winPlaceBox, 0, 0, 2, 1, topLeft);
        m_layout->addWidget(m_bracketBox, 0, 1, topLeft);
        m_layout->addWidget(m_quinellaBox, 1, 1, topLeft);
        m_layout->addWidget(m_listTabs, 0, 2, 2, 1);
        m_layout->setRowStretch(1, 1);
    } else {
        // Win and place | the bracket | the lists, and the quinella matrix under them.
        m_layout->addWidget(m_winPlaceBox, 0, 0, topLeft);
        m_layout->addWidget(m_bracketBox, 0, 1, topLeft);
        m_layout->addWidget(m_listTabs, 0, 2);
        m_layout->addWidget(m_quinellaBox, 1, 0, 1, 3, topLeft);
        m_layout->setRowStretch(2, 1);
    }
    // What is left of a wide window stays on the right.
    m_layout->setColumnStretch(3, 1);
}

void OddsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_arranged) arrange();
}

void OddsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showForm();
}

} // namespace renoka
