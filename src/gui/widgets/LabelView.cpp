#include "widgets/LabelView.h"

#include "QtText.h"
#include "widgets/QtColor.h"

#include <QLabel>

namespace renoka {

void showLabel(QLabel& view, const Label& label) {
    const QString text = qs(label.text);
    if (view.text() != text) view.setText(text);
    QPalette palette = view.parentWidget() ? view.parentWidget()->palette() : QPalette();
    if (!label.color.isDefault) palette.setColor(QPalette::Window, qcolor(label.color));
    if (!label.fontColor.isDefault) palette.setColor(QPalette::WindowText, qcolor(label.fontColor));
    view.setAutoFillBackground(!label.color.isDefault);
    // The clock shows the form every second; an unchanged palette must not repaint every label each time.
    if (view.palette() != palette) view.setPalette(palette);
    view.setVisible(label.visible);
}

} // namespace renoka
