#pragma once
// Grids on standard output, as the commands that show a race print them.

namespace renoka {
class TextGrid;
}

namespace renoka::cli {

class CliContext;

// Prints a grid as tab-separated rows, header row first; hidden columns are left out.
void printGrid(CliContext& context, const TextGrid& grid);

} // namespace renoka::cli
