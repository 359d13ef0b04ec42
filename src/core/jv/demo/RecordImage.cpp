#include "jv/demo/RecordImage.h"

#include "base/Cp932.h"

#include <stdexcept>

namespace renoka::demo {

RecordImage::RecordImage(std::string_view type, int length) : m_line(static_cast<size_t>(length - 2), ' ') {
    text(1, 2, type);
}

char* RecordImage::at(int pos, int len) {
    if (pos < 1 || len < 0 || static_cast<size_t>(pos - 1 + len) > m_line.size())
        throw std::logic_error("demo record field outside the record: " + m_line.substr(0, 2) + " " +
                               std::to_string(pos) + "/" + std::to_string(len));
    return m_line.data() + (pos - 1);
}

void RecordImage::header(char dataKind, const DemoDate& made) {
    *at(3, 1) = dataKind;
    text(4, 8, made.ymd());
}

void RecordImage::text(int pos, int len, std::string_view s) {
    char* p = at(pos, len);
    for (int i = 0; i < len; ++i)
        p[i] = static_cast<size_t>(i) < s.size() ? s[static_cast<size_t>(i)] : ' ';
}

void RecordImage::wide(int pos, int len, std::string_view cp932) {
    char* p = at(pos, len);
    int used = 0;
    size_t i = 0;
    while (i < cp932.size()) {
        const int width = isLeadByte(cp932[i]) ? 2 : 1;
        if (used + width > len) break;
        for (int k = 0; k < width; ++k)
            p[used++] = cp932[i++];
    }
    while (used + 2 <= len) {
        p[used++] = '\x81';
        p[used++] = '\x40';
    }
    if (used < len) p[used] = ' ';
}

void RecordImage::num(int pos, int len, int64_t value) {
    char* p = at(pos, len);
    if (value < 0) throw std::logic_error("demo record: negative number at " + std::to_string(pos));
    for (int i = len - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    if (value != 0) throw std::logic_error("demo record: number too wide at " + std::to_string(pos));
}

void RecordImage::fill(int pos, int len, char c) {
    char* p = at(pos, len);
    for (int i = 0; i < len; ++i)
        p[i] = c;
}

std::string wideBlank(int bytes) {
    std::string out;
    while (static_cast<int>(out.size()) + 2 <= bytes)
        out += "\x81\x40";
    if (static_cast<int>(out.size()) < bytes) out += ' ';
    return out;
}

} // namespace renoka::demo
