#pragma once
// Comma text as the system's string lists read it: fields separated by commas, or by blanks outside quotes;
// a field in double quotes may hold blanks and commas, and "" inside it stands for one quote.
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

std::vector<std::string> splitCommaText(std::string_view text);

// Joins the fields, each enclosed in double quotes (quotes inside doubled), separated by commas.
std::string joinQuoted(const std::vector<std::string>& fields);

} // namespace renoka
