#pragma once
// The files of a provider folder (docs/provider-format.md): stored files under stored/, real-time files under
// realtime/<spec>/<key>/. Only the listing lives here; a file is read when a stream reaches it.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace renoka {

struct ProviderFile {
    std::filesystem::path path;
    std::string stamp; // "yyyymmddhhnnss", the start of the name
    std::uintmax_t size = 0;
};

// Whether the text is "yyyymmddhhnnss" naming a real moment (month 1..12, the day in its month, 00:00:00..23:59:59).
bool isTimeStamp(std::string_view text);
// Whether the text is "yyyymmdd" naming a real day.
bool isDayKey(std::string_view text);

class ProviderFolder {
public:
    explicit ProviderFolder(std::filesystem::path root) : m_root(std::move(root)) {}

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path providerIni() const { return m_root / "provider.ini"; }
    std::filesystem::path faultsIni() const { return m_root / "faults.ini"; }

    // Every stored file ("<stamp>-<name>.txt"), in time-stamp order, then name order. A missing folder has none.
    std::vector<ProviderFile> storedFiles() const;
    // The real-time files ("<stamp>.txt") of realtime/<spec>/<key>/ announced at `notAfter` or before, oldest
    // first. `spec` and `key` must have been checked: they become folder names.
    std::vector<ProviderFile> realtimeFiles(std::string_view spec, std::string_view key,
                                            std::string_view notAfter) const;

private:
    std::filesystem::path m_root;
};

} // namespace renoka
