#include "CliGrid.h"

#include "CliContext.h"
#include "text/TextGrid.h"

#include <string>

namespace renoka::cli {

void printGrid(CliContext& context, const TextGrid& grid,
               const std::function<std::string(int row, int col)>& cellText) {
    for (int row = 0; row < grid.rowCount(); ++row) {
        std::string line;
        bool first = true;
        for (int col = 0; col < grid.colCount(); ++col) {
            if (grid.colHidden(col)) continue;
            if (!first) line += '\t';
            first = false;
            line += cellText ? cellText(row, col) : grid.cell(col, row);
        }
        context.print(line);
    }
}

} // namespace renoka::cli
