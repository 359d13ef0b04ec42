#pragma once
// The fixed-width numbers of the bet grids ("%7d", "%7.1f", "%7.0f") without printf: a worst-case race fills
// some 50,000 of them at each rebuild. The texts are those printf gives, byte for byte (std::to_chars rounds
// the exact binary value as printf does).
#include <cstdint>
#include <string>

namespace renoka::betfmt {

// "%*lld": right-aligned in `width`; a wider number is written whole.
std::string integer(int64_t value, int width);
// "%*.*f".
std::string fixed(double value, int width, int precision);

} // namespace renoka::betfmt
