#pragma once
// The settings file (ini format, CP932). Every read looks at the file as it is now and every write goes to the
// file at once, so the GUI and the CLI, and every dialog, share one store with no cached copies.
#include <filesystem>
#include <string>
#include <string_view>

namespace renoka {

class IniFile {
public:
    explicit IniFile(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }

    // The value without blanks around it. A value of exactly `""` or "｢｣" reads as empty; a longer value enclosed
    // in double quotes or in "｢" and "｣" loses the enclosing pair, so blanks inside it survive. Section and key
    // names are compared without regard to ASCII case.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // A missing key or a value that is not a whole number gives the default.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    // Any non-zero integer is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Writes "key=value" into the section (creating either when missing); every other line of the file stays
    // byte for byte. The file is replaced atomically and kept readable by its owner only.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    std::filesystem::path m_path;
};

// The quote rule of string values, on its own for the tests and for values read elsewhere.
std::string unquoteIniValue(std::string_view value);

} // namespace renoka
