#include "main/OddsPage.h"

#include "QtText.h"
#include "analysis/OddsBoard.h"
#include "app/MainForm.h"
#include "grid/GridView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
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
    for (GridView* matrix : {m_bracket, m_quinella}) {
        matrix->setSelectionBehavior(QAbstractItemView::SelectItems);
        matrix->setColumnChars([](int) { return 6; });
    }
    // The bracket matrix is small and whole; the quinella matrix takes the rest of the height.
    m_bracket->setMaximumHeight(m_bracket->verticalHeader()->defaultSectionSize() * 9 + 6);

    auto* matrices = new QWidget(this);
    auto* matrixLayout = new QVBoxLayout(matrices);
    matrixLayout->setContentsMargins(0, 0, 0, 0);
    matrixLayout->addWidget(boxed(OddsBoard::caption(1), m_bracket, matrices), 0);
    matrixLayout->addWidget(boxed(OddsBoard::caption(2), m_quinella, matrices), 1);

    // The long lists share one column: a punter reads one bet type at a time.
    m_listTabs = new QTabWidget(this);
    m_listTabs->setObjectName(QStringLiteral("OddsLists"));
    for (int i = 0; i < 3; ++i)
        m_listTabs->addTab(buildList(i), qs(OddsBoard::caption(3 + i)));

    m_winPlaceBox = boxed(OddsBoard::caption(0), m_winPlace, this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_winPlaceBox, 0);
    layout->addWidget(matrices, 1);
    layout->addWidget(m_listTabs, 0);
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
    for (GridView* grid : {m_winPlace, m_bracket, m_quinella, m_lists[0], m_lists[1], m_lists[2]})
        grid->refresh();
    // The lists take no more than their whole width; the matrices take what is left and scroll.
    int listWidth = 0;
    for (GridView* grid : {m_winPlace, m_lists[0], m_lists[1], m_lists[2]}) {
        grid->setMaximumWidth(grid->fullWidth());
        if (grid != m_winPlace) listWidth = std::max(listWidth, grid->fullWidth());
    }
    // Room for the frames and margins around the grids, and nothing more.
    m_winPlaceBox->setMaximumWidth(m_winPlace->fullWidth() + 16);
    m_listTabs->setMaximumWidth(std::max(listWidth + 24, m_listTabs->tabBar()->sizeHint().width() + 8));
    for (int i = 0; i < 3; ++i) {
        const bool byOdds = m_form.oddsBoard().sortedByOdds(static_cast<OddsBoard::List>(i));
        QPushButton* button = m_sortButtons[static_cast<size_t>(i)];
        if (button->isChecked() != byOdds) button->setChecked(byOdds);
    }
}

void OddsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showForm();
}

} // namespace renoka
