#include "grid/GridCellDelegate.h"

#include <QPainter>

namespace renoka {

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // Until a grid owner answers for its cells, they draw in the view's own colours.
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->setFont(option.font);
    // Grid texts are fixed-width fields padded with blanks; eliding would cut the digits that matter.
    const QRect textRect = option.rect.adjusted(2, 0, -2, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    painter->restore();
}

} // namespace renoka
