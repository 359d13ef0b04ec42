#include "frame/IniFile.h"

#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "platform/FileLock.h"
#include "text/Fields.h"

#include <optional>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace renoka {

namespace {

constexpr char kCornerOpen = '\xA2';  // "｢" in CP932 (half-width, one byte)
constexpr char kCornerClose = '\xA3'; // "｣"

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionOf(std::string_view line) {
    std::string_view t = trimView(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimView(t.substr(1, close - 1));
}

// Splits "key = value"; lines without "=" (garbage, comments) are not entries.
bool splitEntry(std::string_view line, std::string_view& key, std::string_view& value) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = trimView(line.substr(0, eq));
    value = trimView(line.substr(eq + 1));
    return !key.empty();
}

// Whether the last character of the text is the single byte `c` and not the trail byte of a double-byte one.
bool endsWithSingleByte(std::string_view s, char c) {
    size_t i = 0;
    size_t lastStart = 0;
    while (i < s.size()) {
        lastStart = i;
        i += (isLeadByte(s[i]) && i + 1 < s.size()) ? 2 : 1;
    }
    return !s.empty() && lastStart == s.size() - 1 && s.back() == c;
}

// A text that stays on one line: CR and LF are dropped.
std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

std::vector<std::string> loadIni(const std::filesystem::path& path) {
    return loadLines(path);
}

std::optional<std::string> findValue(const std::vector<std::string>& lines, std::string_view section,
                                     std::string_view key) {
    bool inSection = false;
    for (const auto& line : lines) {
        if (auto s = sectionOf(line)) {
            inSection = equalsIgnoreAsciiCase(*s, section);
            continue;
        }
        std::string_view k;
        std::string_view v;
        if (inSection && splitEntry(line, k, v) && equalsIgnoreAsciiCase(k, key)) return std::string(v);
    }
    return std::nullopt;
}

} // namespace

std::string unquoteIniValue(std::string_view v) {
    if (v == "\"\"" || v == std::string_view("\xA2\xA3", 2)) return {};
    if (v.size() > 2) {
        if (v.front() == '"' && endsWithSingleByte(v, '"')) return std::string(v.substr(1, v.size() - 2));
        if (v.front() == kCornerOpen && endsWithSingleByte(v, kCornerClose))
            return std::string(v.substr(1, v.size() - 2));
    }
    return std::string(v);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
    auto value = findValue(loadIni(m_path), section, key);
    if (!value) return std::string(def);
    return unquoteIniValue(*value);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    auto value = findValue(loadIni(m_path), section, key);
    if (!value) return def;
    return toIntDef(unquoteIniValue(*value), def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def, int min, int max) const {
    const int value = readInteger(section, key, def);
    return value < min || value > max ? def : value;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view sectionText, std::string_view keyText, std::string_view value) {
    const std::string sectionName = oneLine(sectionText);
    const std::string keyName = oneLine(keyText);
    const std::string_view section = sectionName;
    const std::string_view key = keyName;
    std::filesystem::path lockFile = m_path;
    lockFile += ".lock";
    const FileLock lock(lockFile);
    std::vector<std::string> lines = loadIni(m_path);
    std::string entry = keyName + "=" + oneLine(value);
    bool inSection = false;
    std::optional<size_t> sectionEnd; // index after the last entry line of the section
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto s = sectionOf(lines[i])) {
            if (inSection) break;
            inSection = equalsIgnoreAsciiCase(*s, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        std::string_view k;
        std::string_view v;
        if (splitEntry(lines[i], k, v)) {
            if (equalsIgnoreAsciiCase(k, key)) {
                lines[i] = entry;
                saveLines(m_path, lines, true);
                return;
            }
            sectionEnd = i + 1;
        } else if (!trimView(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (sectionEnd) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
    } else {
        std::string header = "[";
        header += section;
        header += ']';
        lines.push_back(std::move(header));
        lines.push_back(entry);
    }
    saveLines(m_path, lines, true);
}

void IniFile::restrictToOwner() const noexcept {
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    if ((st.st_mode & 077) != 0) ::chmod(m_path.c_str(), st.st_mode & 0700);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

} // namespace renoka
