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
    // An integer whose use allows only `min`..`max` (minutes that become milliseconds, a stake, a window size): a
    // value outside that range gives the default too, so nothing downstream can overflow.
    int readInteger(std::string_view section, std::string_view key, int def, int min, int max) const;
    // Any non-zero integer is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Writes "key=value" into the section (creating either when missing); every other line of the file stays
    // byte for byte. The file is replaced atomically and kept readable by its owner only. The read-modify-write
    // holds a lock on "<file>.lock", so writes of the GUI and a CLI run at the same time are all kept. Line breaks
    // in the section, key or value are dropped: they would start lines of their own.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Makes an existing settings file readable and writable by its owner only (it may hold passwords).
    void restrictToOwner() const noexcept;

private:
    std::filesystem::path m_path;
};

// The quote rule of string values, on its own for the tests and for values read elsewhere.
std::string unquoteIniValue(std::string_view value);

} // namespace renoka
