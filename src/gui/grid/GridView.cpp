#include "grid/GridView.h"

#include "grid/TextGridModel.h"
#include "text/TextGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace renoka {

namespace {

// The digit width of the system's grid font, which the owners' column widths were measured in.
constexpr double kSystemDigitWidth = 6.0;

} // namespace

GridView::GridView(const TextGrid& grid, GridCellDelegate::PaintFn paint, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new TextGridModel(grid, this)),
      m_delegate(new GridCellDelegate(paint, this)) {
    // The header row is the owner's to colour too (the entries table's is silver).
    m_model->setHeaderPaint(std::move(paint));
    setFont(gridFont());
    horizontalHeader()->setFont(gridFont());
    verticalHeader()->setFont(gridFont());
    m_scale = std::max(1.0, fontMetrics().horizontalAdvance(QLatin1Char('0')) / kSystemDigitWidth);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid for the next control; the arrows, Home/End and Page keys move inside it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setMinimumSectionSize(2);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) {
        if (sortableAt(col)) Q_EMIT headerClicked(col);
    });
    applyRowHeight();
    refresh();
}

QFont GridView::gridFont() {
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("MS Gothic"), QStringLiteral("Osaka-Mono"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    return font;
}

void GridView::setRowLines(int lines, int minimumHeight) {
    m_rowLines = std::max(1, lines);
    m_minimumRowHeight = minimumHeight;
    applyRowHeight();
}

void GridView::applyRowHeight() {
    const int byLines = fontMetrics().height() * m_rowLines + 6;
    const int byOwner = static_cast<int>(std::lround(m_minimumRowHeight * m_scale));
    verticalHeader()->setMinimumSectionSize(2);
    verticalHeader()->setDefaultSectionSize(std::max(byLines, byOwner));
}

void GridView::setSortableHeader(std::function<bool(int col)> sortable) {
    m_sortable = std::move(sortable);
    horizontalHeader()->setSectionsClickable(static_cast<bool>(m_sortable));
    horizontalHeader()->viewport()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
}

void GridView::setCellPresses(std::function<bool(int row, int col)> handAt) {
    m_handAt = std::move(handAt);
    m_cellPresses = true;
    viewport()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
}

void GridView::setCellClicks(std::function<bool(int row, int col)> handAt, int spaceCol) {
    m_handAt = std::move(handAt);
    m_spaceClickCol = spaceCol;
    viewport()->setMouseTracking(true);
}

std::pair<int, int> GridView::cellAt(const QPoint& viewportPos) const {
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid()) return {-1, -1};
    return {TextGridModel::gridRow(index.row()), index.column()};
}

void GridView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (!m_cellPresses || event->button() != Qt::LeftButton) return;
    const auto [row, col] = cellAt(event->position().toPoint());
    Q_EMIT cellPressed(row, col);
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    if (!m_handAt) return;
    const auto [row, col] = cellAt(event->position().toPoint());
    if (row >= 0 && m_handAt && m_handAt(row, col))
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    // The space key is the keyboard's press on the current cell; the view would only select the row with it.
    if (m_cellPresses && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const QModelIndex index = currentIndex();
        if (index.isValid()) {
            Q_EMIT cellPressed(TextGridModel::gridRow(index.row()), index.column());
            event->accept();
            return;
        }
    }
    if (m_spaceClickCol >= 0 && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const QModelIndex index = currentIndex();
        if (index.isValid()) {
            Q_EMIT clicked(model()->index(index.row(), m_spaceClickCol));
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void GridView::setColumnChars(std::function<int(int col)> chars) {
    m_chars = std::move(chars);
    applyWidths();
}

void GridView::refresh() {
    m_model->refresh();
    applyWidths();
}

void GridView::applyWidths() {
    if (m_chars) {
        const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
        for (int col = 0; col < m_grid.colCount(); ++col) {
            const int width = m_chars(col) * digit + 8;
            if (columnWidth(col) != width) setColumnWidth(col, width);
        }
    } else {
        applyColumnWidths(*this, m_grid, m_scale);
    }
    // The fixed first column of a matrix is shown as the row header. The owner may replace the grid with one of
    // another shape, so this follows every refresh.
    const bool rowHeader = m_grid.fixedCols > 0 && m_grid.colCount() > 0;
    if (verticalHeader()->isHidden() == rowHeader) verticalHeader()->setHidden(!rowHeader);
    if (rowHeader && !isColumnHidden(0)) setColumnHidden(0, true);
}

int GridView::fullWidth() const {
    int width = frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
    if (!verticalHeader()->isHidden()) width += verticalHeader()->sizeHint().width();
    for (int col = 0; col < model()->columnCount(); ++col)
        if (!isColumnHidden(col)) width += columnWidth(col);
    return width;
}

int GridView::fullHeight() const {
    int height = frameWidth() * 2;
    if (!horizontalHeader()->isHidden()) height += horizontalHeader()->sizeHint().height();
    for (int row = 0; row < model()->rowCount(); ++row)
        if (!isRowHidden(row)) height += rowHeight(row);
    return height;
}

void GridView::scrollToStart() {
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    QModelIndex index = currentIndex();
    QPoint globalPos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        index = indexAt(event->pos());
    } else if (index.isValid()) {
        // From the keyboard the menu opens at the current cell, not wherever the mouse happens to be.
        const QRect cell = visualRect(index);
        globalPos = viewport()->mapToGlobal(cell.center());
    }
    Q_EMIT contextMenuAt(index, globalPos);
    event->accept();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    QHeaderView* header = horizontalHeader();
    if (watched == header->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
            const int col = header->logicalIndexAt(x);
            const int left = header->sectionViewportPosition(col);
            // Near a section's edge the header's own resize cursor must show through.
            const bool nearEdge = x - left < 4 || left + header->sectionSize(col) - x < 4;
            if (sortableAt(col) && !nearEdge)
                header->viewport()->setCursor(Qt::PointingHandCursor);
            else
                header->viewport()->unsetCursor();
        } else if (event->type() == QEvent::Leave) {
            header->viewport()->unsetCursor();
        } else if (event->type() == QEvent::MouseButtonPress && m_cellPresses) {
            const auto* press = static_cast<QMouseEvent*>(event);
            // A press on the header row is a press on the grid's row 0.
            if (press->button() == Qt::LeftButton) {
                const int col = header->logicalIndexAt(press->position().toPoint().x());
                Q_EMIT cellPressed(0, col);
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace renoka
