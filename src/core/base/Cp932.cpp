#include "base/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace renoka {
namespace {

// One converter per direction and thread, opened once: iconv_open costs about 10 µs a call.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr): iconv_open's failure value
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On a byte sequence the target cannot take, `replacement` is written and
    // `skip` input bytes are passed over. Returns false when anything had to be replaced.
    bool convert(std::string_view in, std::string& out, std::string_view replacement, size_t skip) {
        return convertBytes(in.data(), in.size(), out, replacement, skip);
    }

    bool convertBytes(const char* inData, size_t inSize, std::string& out, std::string_view replacement, size_t skip) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string_view in(inData, inSize);
        out.clear();
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        bool clean = true;
        while (true) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t rc =
                srcLeft ? iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) : iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<size_t>(-1)) {
                if (srcLeft == 0) {
                    // Flush the shift state (no-op for stateless codecs).
                    dst = out.data() + used;
                    dstLeft = out.size() - used;
                    iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
                    used = out.size() - dstLeft;
                    break;
                }
                continue;
            }
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL (a sequence cut at the end): replace and go on.
            clean = false;
            out.resize(std::max(out.size(), used + replacement.size() + 16));
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
            size_t n = skip;
            // A character outside the BMP is a surrogate pair in UTF-16: pass over both halves as one.
            if (skip == 2 && srcLeft >= 4) {
                const auto high = static_cast<unsigned char>(src[1]);
                if (high >= 0xD8 && high <= 0xDB) n = 4;
            }
            n = std::min(n, srcLeft);
            src += n;
            srcLeft -= n;
            if (srcLeft == 0) break;
        }
        out.resize(used);
        return clean;
    }

private:
    iconv_t m_cd;
};

Converter& utf8ToCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}
Converter& cp932ToUtf8() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}
Converter& utf16ToCp932() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}
Converter& cp932ToUtf16() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

// Length in bytes of the UTF-8 sequence that starts with c (1 for a stray byte).
size_t utf8SequenceLength(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

} // namespace

std::string sj(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    if (utf8ToCp932().convert(utf8, out, "?", 1)) return out;
    // Something did not convert: go character by character so that one "?" stands for one character.
    out.clear();
    std::string part;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = std::min(utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        out += utf8ToCp932().convert(utf8.substr(i, n), part, "", n) ? part : std::string("?");
        i += n;
    }
    return out;
}

std::string toUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    std::string out;
    cp932ToUtf8().convert(cp932, out, "\xEF\xBF\xBD", 1);
    return out;
}

namespace {

// What each UTF-16 unit becomes in CP932, learnt from iconv one character at a time and kept: records are
// mostly ASCII and a small set of kana and kanji, so after the first few records every character is a lookup.
class Utf16Table {
public:
    // Writes the CP932 bytes of one BMP character (not ASCII, not a surrogate) at `p` and moves past them.
    void write(char16_t unit, char*& p) {
        uint32_t& entry = m_entries[unit];
        if (entry == kUnknown) entry = learn(unit);
        if (entry == kUnmappable) {
            *p++ = '?';
        } else if (entry & kDouble) {
            *p++ = static_cast<char>((entry >> 8) & 0xFF);
            *p++ = static_cast<char>(entry & 0xFF);
        } else {
            *p++ = static_cast<char>(entry & 0xFF);
        }
    }

private:
    static constexpr uint32_t kUnknown = 0;
    static constexpr uint32_t kSingle = 0x10000;
    static constexpr uint32_t kDouble = 0x20000;
    static constexpr uint32_t kUnmappable = 0x40000;

    static uint32_t learn(char16_t unit) {
        const char bytes[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        std::string out;
        if (!utf16ToCp932().convertBytes(bytes, 2, out, "", 2) || out.empty() || out.size() > 2) return kUnmappable;
        if (out.size() == 1) return kSingle | static_cast<unsigned char>(out[0]);
        return kDouble | (static_cast<uint32_t>(static_cast<unsigned char>(out[0])) << 8) |
               static_cast<unsigned char>(out[1]);
    }

    std::vector<uint32_t> m_entries = std::vector<uint32_t>(65536, kUnknown);
};

Utf16Table& utf16Table() {
    thread_local Utf16Table table;
    return table;
}

} // namespace

void fromUtf16Into(std::u16string_view utf16, std::string& out) {
    // Every unit gives at most two bytes: size the text once and write through a pointer.
    out.resize(utf16.size() * 2);
    char* p = out.data();
    Utf16Table* table = nullptr;
    const size_t n = utf16.size();
    for (size_t i = 0; i < n; ++i) {
        // Record images are mostly digits and blanks: four ASCII units at a time.
        while (i + 4 <= n) {
            uint64_t four = 0;
            std::memcpy(&four, utf16.data() + i, sizeof four);
            if ((four & 0xFF80FF80FF80FF80ULL) != 0) break;
            for (size_t k = 0; k < 4; ++k)
                p[k] = static_cast<char>(utf16[i + k]);
            p += 4;
            i += 4;
        }
        if (i >= n) break;
        const char16_t unit = utf16[i];
        if (unit < 0x80) {
            *p++ = static_cast<char>(unit);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            // Nothing outside the BMP has a CP932 form: one "?" for the pair (or a stray half).
            *p++ = '?';
            if (unit <= 0xDBFF && i + 1 < n && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) ++i;
        } else {
            if (!table) table = &utf16Table();
            table->write(unit, p);
        }
    }
    out.resize(static_cast<size_t>(p - out.data()));
}

std::string fromUtf16(std::u16string_view utf16) {
    std::string out;
    fromUtf16Into(utf16, out);
    return out;
}

std::u16string toUtf16(std::string_view cp932) {
    std::string out;
    cp932ToUtf16().convert(cp932, out, std::string_view("\xFD\xFF", 2), 1);
    return std::u16string(reinterpret_cast<const char16_t*>(out.data()), out.size() / 2);
}

bool isValidCp932(std::string_view cp932) {
    if (isAscii(cp932)) return true;
    std::string out;
    return cp932ToUtf8().convert(cp932, out, "", 1);
}

} // namespace renoka
