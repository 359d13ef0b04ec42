#pragma once
// Byte fields of record images and the text-to-number rules every part of the program shares.
#include <string>
#include <string_view>

namespace renoka {

// The bytes at 1-based position `pos` with length `len`, cut to what the text holds (never throws).
std::string_view field(std::string_view rec, int pos, int len);

// Digit text to number: blanks and control characters around the number are ignored, a sign is allowed;
// anything else (including empty text) gives `def`. Parsing never throws.
int toIntDef(std::string_view s, int def);
// The same for sums of money and counts beyond the range of int.
long long toInt64Def(std::string_view s, long long def);
inline int toInt(std::string_view s) {
    return toIntDef(s, 0);
}
inline int fieldInt(std::string_view rec, int pos, int len) {
    return toInt(field(rec, pos, len));
}

// Whether the text is non-empty and every byte is an ASCII digit.
bool isDigits(std::string_view s);

// Removes bytes up to and including the blank (0x00..0x20) at both ends.
std::string_view trimView(std::string_view s);
inline std::string trim(std::string_view s) {
    return std::string(trimView(s));
}

// The first `n` bytes without splitting a double-byte character: a character that would be cut is dropped and
// a blank takes its place. Shorter texts are returned whole.
std::string leftBytes(std::string_view s, size_t n);

// `leftBytes`, then padded with blanks to exactly `n` bytes.
std::string fitBytes(std::string_view s, size_t n);

// Number of characters (a double-byte character counts once).
size_t charCount(std::string_view s);

} // namespace renoka
