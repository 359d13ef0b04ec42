#include "app/Startup.h"

#include "app/IniFile.h"
#include "jv/sim/SimJvLink.h"
#include "text/Cp932.h"

namespace renoka {

// The data-service simulator serves the provider folder named by "Sim"/"Provider" in the settings file (relative
// to the program folder unless absolute), else <programDir>/provider. A folder that does not exist yet is fine:
// stored opens then find nothing newer and real-time opens find nothing announced.
std::unique_ptr<JvLink> createJvLink(const std::filesystem::path& programDir, const Clock& clock) {
    const IniFile settings(programDir / "renoka.ini");
    std::string configured = toUtf8(settings.readString("Sim", "Provider", ""));
    std::filesystem::path provider = programDir / "provider";
    if (!configured.empty()) {
        // Settings written on Windows name folders with "\".
        for (char& c : configured)
            if (c == '\\') c = '/';
        const std::filesystem::path folder(configured);
        provider = folder.is_absolute() ? folder : programDir / folder;
    }
    return std::make_unique<SimJvLink>(provider, clock);
}

} // namespace renoka
