#pragma once
// One fixed-length record image under construction. Every builder writes its fields at the 1-based byte
// positions of the record layouts; the image starts as blanks of the record's length without its CR LF, which is
// how a provider file holds it. A field that does not fit is a mistake in a builder, not in the data, so it
// throws at once instead of shifting the rest of the record.
#include "jv/demo/DemoDate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace renoka::demo {

class RecordImage {
public:
    // `type` is the two-letter record type, `length` the layout's length including CR LF.
    RecordImage(std::string_view type, int length);

    // Record type, data kind and creation date (positions 1-11).
    void header(char dataKind, const DemoDate& made);
    // ASCII text, left-aligned and padded with blanks; cut to the field when longer.
    void text(int pos, int len, std::string_view s);
    // CP932 text padded with full-width blanks (a lone half-width blank for an odd remainder); cut before a
    // character that would not fit whole.
    void wide(int pos, int len, std::string_view cp932);
    // Zero-padded digits. A negative value or one with more digits than the field throws.
    void num(int pos, int len, int64_t value);
    // The field filled with one character ("----" for a cancelled sale, blanks for no entry).
    void fill(int pos, int len, char c);

    const std::string& line() const { return m_line; }
    std::string take() { return std::move(m_line); }

private:
    char* at(int pos, int len);
    std::string m_line;
};

// Full-width blanks of `bytes` bytes (an unset Japanese text field).
std::string wideBlank(int bytes);

} // namespace renoka::demo
