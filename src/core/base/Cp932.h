#pragma once
// CP932 (Shift-JIS as Windows writes it) is the program's inner text: record images, file lines, grid cells,
// labels and messages are CP932 bytes in std::string. These functions are the only way in and out.
#include <string>
#include <string_view>

namespace renoka {

// UTF-8 (source literals, paths, command-line arguments) to CP932. A character CP932 cannot hold becomes "?".
std::string sj(std::string_view utf8);

// CP932 to UTF-8 for the GUI and CLI edge. A byte that is not CP932 becomes U+FFFD; nothing is dropped silently.
std::string toUtf8(std::string_view cp932);

// UTF-16 (the wide text that the data service delivers) to CP932 and back.
std::string fromUtf16(std::u16string_view utf16);
std::u16string toUtf16(std::string_view cp932);
// ASCII text widened unit by unit (keys and codes handed to the data service).
inline std::u16string widenAscii(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}
// fromUtf16 into a caller's string, reusing its capacity (the download converts every record).
void fromUtf16Into(std::u16string_view utf16, std::string& out);

// True when every byte of the text decodes as CP932.
bool isValidCp932(std::string_view cp932);

// Lead byte of a double-byte CP932 character.
constexpr bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool isLeadByte(char c) {
    return isLeadByte(static_cast<unsigned char>(c));
}

} // namespace renoka
