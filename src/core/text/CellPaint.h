#pragma once
// How one grid cell is drawn, decided in core by the grid's owner so that colours and layouts are unit-tested;
// the GUI only draws what it is told.
#include "text/Color.h"

#include <string>
#include <vector>

namespace renoka {

enum class Align { Left, Center, Right };

struct CellPaint {
    Color background; // Default = the grid's own colour
    Color textColor;  // Default = the grid's own text colour
    bool bold = false;
    Align align = Align::Left;
    std::vector<std::string> lines; // CP932 text lines, top to bottom; empty = the cell's text on one line
    // Parts of a line in their own colour (for example a coloured placing inside a two-line cell): line index,
    // first byte, byte count, colour.
    struct Span {
        int line = 0;
        int start = 0;
        int length = 0;
        Color color;
    };
    std::vector<Span> spans;
};

} // namespace renoka
