#pragma once
// Shows one of core's labels on a QLabel: text, background, text colour and visibility.
#include "text/Label.h"

class QLabel;

namespace renoka {

void showLabel(QLabel& view, const Label& label);

} // namespace renoka
