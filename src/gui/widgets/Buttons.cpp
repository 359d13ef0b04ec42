#include "widgets/Buttons.h"

#include "QtText.h"

namespace renoka {

QPushButton* makeButton(const char* name, const char* caption, const char* hint, QWidget* parent, HintShown hintShown) {
    auto* button = new QPushButton(uiText(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (hintShown == HintShown::InStatusBar)
        button->setStatusTip(uiText(hint));
    else
        button->setToolTip(uiText(hint));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace renoka
