#pragma once
// Core's colours as Qt colours. A default colour has no Qt value: the caller keeps the widget's own.
#include "text/Color.h"

#include <QColor>

namespace renoka {

inline QColor qcolor(Color color) {
    return QColor::fromRgb(static_cast<int>((color.rgb >> 16) & 0xFFu), static_cast<int>((color.rgb >> 8) & 0xFFu),
                           static_cast<int>(color.rgb & 0xFFu));
}

// The colour, or `fallback` when core leaves it to the control.
inline QColor qcolorOr(Color color, const QColor& fallback) {
    return color.isDefault ? fallback : qcolor(color);
}

} // namespace renoka
