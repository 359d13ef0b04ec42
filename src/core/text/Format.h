#pragma once
// printf-style fixed-width formatting ("%2d", "%7.1f") into std::string: text order of such numbers equals
// numeric order, which every rank and key of the program relies on.
#include <string>

namespace renoka {

std::string fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace renoka
