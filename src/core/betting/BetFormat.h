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

// The same texts added to the end of `out`, for lines and cells built in place.
void appendInteger(std::string& out, int64_t value, int width);
void appendFixed(std::string& out, double value, int width, int precision);
// The same texts replacing what `out` holds, in its own storage.
inline void assignInteger(std::string& out, int64_t value, int width) {
    out.clear();
    appendInteger(out, value, width);
}
inline void assignFixed(std::string& out, double value, int width, int precision) {
    out.clear();
    appendFixed(out, value, width, precision);
}

} // namespace renoka::betfmt
