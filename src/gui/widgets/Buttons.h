#pragma once
// Push buttons as every window of the program makes them.
#include <QPushButton>

namespace renoka {

// Where a button's hint shows: in the main window's status bar, or as a tool tip in dialogs that have none.
enum class HintShown { InStatusBar, AsToolTip };

// A button named like its control (`name`), with a caption and a hint (UTF-8). Enter never presses it: only a
// deliberate click or the button's own key does.
QPushButton* makeButton(const char* name, const char* caption, const char* hint, QWidget* parent,
                        HintShown hintShown = HintShown::InStatusBar);

} // namespace renoka
