#include "grid/GridCellDelegate.h"

#include "QtText.h"
#include "grid/TextGridModel.h"
#include "widgets/QtColor.h"

#include <QPainter>

#include <algorithm>

namespace renoka {

namespace {

struct Segment {
    QString text;
    QColor color;
};

// A line cut at its coloured parts. Spans count CP932 bytes; core never starts or ends one inside a double-byte
// character, and a span that overlaps the one before it or runs past the line is cut back rather than trusted.
std::vector<Segment> segmentsOf(const std::string& line, int lineIndex, const std::vector<CellPaint::Span>& spans,
                                const QColor& textColor) {
    std::vector<CellPaint::Span> mine;
    for (const auto& span : spans)
        if (span.line == lineIndex && span.length > 0) mine.push_back(span);
    std::sort(mine.begin(), mine.end(), [](const auto& a, const auto& b) { return a.start < b.start; });

    std::vector<Segment> segments;
    const int size = static_cast<int>(line.size());
    int at = 0;
    for (const auto& span : mine) {
        const int start = std::clamp(span.start, at, size);
        const int end = std::clamp(span.start + span.length, start, size);
        if (start > at)
            segments.push_back({qs(line.substr(static_cast<size_t>(at), static_cast<size_t>(start - at))), textColor});
        if (end > start)
            segments.push_back(
                {qs(line.substr(static_cast<size_t>(start), static_cast<size_t>(end - start))), qcolor(span.color)});
        at = end;
    }
    if (at < size) segments.push_back({qs(line.substr(static_cast<size_t>(at))), textColor});
    return segments;
}

} // namespace

GridCellDelegate::GridCellDelegate(PaintFn paint, QObject* parent)
    : QStyledItemDelegate(parent), m_paint(std::move(paint)) {}

CellPaint GridCellDelegate::cellPaint(const QModelIndex& index) const {
    CellPaint cell = m_paint ? m_paint(TextGridModel::gridRow(index.row()), index.column()) : CellPaint{};
    if (!cell.lines.empty()) return cell;
    if (const auto* model = qobject_cast<const TextGridModel*>(index.model()))
        cell.lines.push_back(model->grid().cell(index.column(), TextGridModel::gridRow(index.row())));
    else
        cell.lines.push_back(fromQs(index.data().toString()));
    return cell;
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const CellPaint cell = cellPaint(index);
    const QPalette& palette = option.palette;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor background = qcolorOr(cell.background, palette.base().color());
    const QColor textColor = qcolorOr(cell.textColor, palette.text().color());

    painter->save();
    painter->fillRect(option.rect, background);
    // Core's colours carry meaning (brackets, placings): a selection tints them instead of painting over them.
    if (selected) {
        QColor tint = palette.highlight().color();
        tint.setAlpha(70);
        painter->fillRect(option.rect, tint);
    }

    QFont font = option.font;
    font.setBold(cell.bold);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const int count = static_cast<int>(cell.lines.size());
    // Grid texts are fixed-width fields padded with blanks; eliding would cut the digits that matter, so lines are
    // drawn whole and clipped by the cell.
    const QRect area = option.rect.adjusted(3, 0, -3, 0);
    painter->setClipRect(option.rect);
    int y = area.top() + std::max(0, (area.height() - lineHeight * count) / 2);
    for (int i = 0; i < count; ++i, y += lineHeight) {
        const auto segments = segmentsOf(cell.lines[static_cast<size_t>(i)], i, cell.spans, textColor);
        int width = 0;
        for (const auto& segment : segments)
            width += metrics.horizontalAdvance(segment.text);
        int x = area.left();
        if (cell.align == Align::Center) x += (area.width() - width) / 2;
        if (cell.align == Align::Right) x = area.right() + 1 - width;
        for (const auto& segment : segments) {
            painter->setPen(segment.color);
            painter->drawText(QPoint(x, y + metrics.ascent()), segment.text);
            x += metrics.horizontalAdvance(segment.text);
        }
    }

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setClipping(false);
        painter->setPen(QPen(palette.highlight().color(), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

} // namespace renoka
