#pragma once
// Grids on standard output, as the commands that show a race print them.
#include <functional>
#include <string>

namespace renoka {
class TextGrid;
}

namespace renoka::cli {

class CliContext;

// Prints a grid as tab-separated rows, header row first; hidden columns are left out. `cellText`, when given,
// gives the text of each cell (grid row and column) in place of the cell itself.
void printGrid(CliContext& context, const TextGrid& grid,
               const std::function<std::string(int row, int col)>& cellText = {});

} // namespace renoka::cli
