#pragma once
#include "text/Color.h"

#include <string>

namespace renoka {

// A label of a window as data: later steps read the text back, the GUI draws it.
struct Label {
    std::string text; // CP932
    Color color;      // background
    Color fontColor;
    bool visible = true;
};

} // namespace renoka
