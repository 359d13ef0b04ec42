#pragma once
// Shows one of core's list controls (items and chosen index) on a combo box or a list widget without telling the
// widget's own signals about it: only the user's choices reach the handlers.
#include "text/Controls.h"

class QComboBox;
class QListWidget;

namespace renoka {

void showList(QComboBox& combo, const ListControl& list);
void showList(QListWidget& view, const ListControl& list);

} // namespace renoka
