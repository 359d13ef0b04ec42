#include "widgets/LabelView.h"

#include "QtText.h"

#include <QLabel>

namespace renoka {

namespace {

QColor qcolor(Color color) {
    return QColor::fromRgb(static_cast<int>((color.rgb >> 16) & 0xFFu), static_cast<int>((color.rgb >> 8) & 0xFFu),
                           static_cast<int>(color.rgb & 0xFFu));
}

} // namespace

void showLabel(QLabel& view, const Label& label) {
    const QString text = qs(label.text);
    if (view.text() != text) view.setText(text);
    QPalette palette = view.parentWidget() ? view.parentWidget()->palette() : QPalette();
    if (!label.color.isDefault) palette.setColor(QPalette::Window, qcolor(label.color));
    if (!label.fontColor.isDefault) palette.setColor(QPalette::WindowText, qcolor(label.fontColor));
    view.setAutoFillBackground(!label.color.isDefault);
    view.setPalette(palette);
    view.setVisible(label.visible);
}

} // namespace renoka
