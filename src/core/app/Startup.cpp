#include "app/Startup.h"

#include "app/IniFile.h"
#include "jv/demo/DemoProvider.h"
#include "jv/sim/SimJvLink.h"

#include <QDate>

#include "text/Cp932.h"
#include <system_error>

namespace renoka {

std::filesystem::path providerFolder(const std::filesystem::path& programDir) {
    const IniFile settings(programDir / "renoka.ini");
    std::string configured = toUtf8(settings.readString("Sim", "Provider", ""));
    if (configured.empty()) return programDir / "provider";
    // Settings written on Windows name folders with "\\".
    for (char& c : configured)
        if (c == '\\') c = '/';
    const std::filesystem::path folder(configured);
    return folder.is_absolute() ? folder : programDir / folder;
}

// The data-service simulator serves the provider folder. A folder that does not exist yet is fine: stored opens
// then find nothing newer and real-time opens find nothing announced.
std::unique_ptr<JvLink> createJvLink(const std::filesystem::path& programDir, const Clock& clock) {
    return std::make_unique<SimJvLink>(providerFolder(programDir), clock);
}

bool ensureDemoProvider(const std::filesystem::path& programDir, const Clock& clock) {
    const IniFile settings(programDir / "renoka.ini");
    if (!settings.readString("Sim", "Provider", "").empty()) return false;
    const std::filesystem::path folder = programDir / "provider";
    std::error_code ec;
    if (std::filesystem::exists(folder, ec)) return false;
    demo::DemoOptions options;
    options.out = folder;
    const QDate today = clock.now().date();
    options.start = demo::DemoDate{today.year(), today.month(), today.day()};
    demo::makeDemoProvider(options);
    return true;
}

} // namespace renoka
