#pragma once
// make-demo: writes the demo provider folder.
#include <string>
#include <vector>

namespace renoka::cli {

class CliContext;

// make-demo [--out DIR] [--start YYYY-MM-DD] [--days N] [--seed S]
int makeDemoCommand(CliContext& context, const std::vector<std::string>& args);

} // namespace renoka::cli
