#include "jv/sim/ProviderIni.h"

#include "base/Errors.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

#include <algorithm>

namespace renoka {

namespace {

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Remarks may follow a value; the values of these files are numbers, names and paths, none with ";" or "#".
std::string_view withoutRemark(std::string_view line) {
    size_t at = line.find_first_of(";#");
    return at == std::string_view::npos ? line : line.substr(0, at);
}

} // namespace

ProviderIni::ProviderIni(std::string_view text) {
    std::string section;
    for (const std::string& raw : splitLines(text)) {
        std::string_view line = trimView(withoutRemark(raw));
        if (line.empty()) continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            section = lowerAscii(trimView(line.substr(1, close - 1)));
            if (std::find(m_sections.begin(), m_sections.end(), section) == m_sections.end())
                m_sections.push_back(section);
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string key = lowerAscii(trimView(line.substr(0, eq)));
        if (key.empty()) continue;
        m_entries.push_back({section, std::move(key), std::string(trimView(line.substr(eq + 1)))});
    }
}

ProviderIni ProviderIni::load(const std::filesystem::path& file) {
    std::string bytes;
    try {
        if (!readWholeFile(file, bytes)) return {};
    } catch (const FileError&) {
        // An unreadable settings file of the simulator means the defaults, as a missing one does.
        return {};
    }
    return ProviderIni(bytes);
}

std::vector<std::string> ProviderIni::sections() const {
    return m_sections;
}

std::optional<std::string> ProviderIni::value(std::string_view section, std::string_view key) const {
    const std::string s = lowerAscii(section);
    const std::string k = lowerAscii(key);
    for (const Entry& e : m_entries)
        if (e.section == s && e.key == k) return e.value;
    return std::nullopt;
}

int ProviderIni::integer(std::string_view section, std::string_view key, int def) const {
    auto v = value(section, key);
    return v ? toIntDef(*v, def) : def;
}

} // namespace renoka
