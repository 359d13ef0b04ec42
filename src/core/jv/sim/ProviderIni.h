#pragma once
// The small ini files of a provider folder (provider.ini, faults.ini). They are written by hand and by the demo
// generator with remarks after the values ("filesPerSecond=40 ; ..."), which the program's settings file does not
// allow, so they get a reader of their own.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace renoka {

class ProviderIni {
public:
    ProviderIni() = default;
    // Parses ini text: "[section]" lines, "key=value" lines; a ";" or "#" starts a remark, whole-line or after a
    // value. Section and key names are kept in lower case, so lookups ignore ASCII case.
    explicit ProviderIni(std::string_view text);

    // The whole file; a missing or unreadable file reads as empty.
    static ProviderIni load(const std::filesystem::path& file);

    // Section names in file order (lower case), each once.
    std::vector<std::string> sections() const;
    // The value of the key in the section, without blanks around it; the first one when repeated.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // A value that is not a whole number gives `def`.
    int integer(std::string_view section, std::string_view key, int def) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<std::string> m_sections;
    std::vector<Entry> m_entries;
};

} // namespace renoka
