#include "frame/InstalledPrograms.h"

#include "base/Cp932.h"
#include "platform/FileIo.h"

#include <system_error>

namespace renoka {

const char* InstalledPrograms::pluginExecutable() {
#ifdef _WIN32
    return "QRVTohyoPlugIn2.exe";
#else
    return "QRVTohyoPlugIn2";
#endif
}

std::string InstalledPrograms::appPath(std::string_view uninstallKey) const {
    // Only the second-generation plug-in is built with the program.
    static const std::string plugin = sj("QRV投票プラグイン２_is1");
    if (m_start.empty() || uninstallKey.size() < plugin.size() ||
        uninstallKey.substr(uninstallKey.size() - plugin.size()) != plugin)
        return {};
    std::filesystem::path folder = m_start;
    for (int up = 0; up < 3 && !folder.empty(); ++up, folder = folder.parent_path()) {
        const std::filesystem::path candidate = folder / "vote-plugin";
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate / pluginExecutable(), ec)) return displayPath(candidate);
        if (folder == folder.parent_path()) break;
    }
    return {};
}

} // namespace renoka
