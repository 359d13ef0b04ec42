#include "text/CommaText.h"

namespace renoka {

namespace {
bool isBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= 0x20;
}

// Reads a quoted field starting at the opening quote; an unterminated field runs to the end of the text.
std::string readQuoted(std::string_view text, size_t& p) {
    std::string out;
    ++p;
    while (p < text.size()) {
        if (text[p] == '"') {
            if (p + 1 < text.size() && text[p + 1] == '"') {
                out += '"';
                p += 2;
                continue;
            }
            ++p;
            return out;
        }
        out += text[p++];
    }
    return out;
}
} // namespace

// CP932 trail bytes never take the values of '"', ',' or a blank, so a byte scan is safe.
std::vector<std::string> splitCommaText(std::string_view text) {
    std::vector<std::string> fields;
    size_t p = 0;
    auto skipBlanks = [&] {
        while (p < text.size() && isBlank(text[p]))
            ++p;
    };
    skipBlanks();
    while (p < text.size()) {
        if (text[p] == '"') {
            fields.push_back(readQuoted(text, p));
        } else {
            size_t start = p;
            while (p < text.size() && !isBlank(text[p]) && text[p] != ',')
                ++p;
            fields.emplace_back(text.substr(start, p - start));
        }
        skipBlanks();
        if (p < text.size() && text[p] == ',') {
            ++p;
            if (p == text.size()) fields.emplace_back();
            skipBlanks();
        }
    }
    return fields;
}

std::string joinQuoted(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += '"';
        for (char c : fields[i]) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

} // namespace renoka
