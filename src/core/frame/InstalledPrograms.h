#pragma once
// Where the helper programs are installed on a platform without the Windows registry: the voting plug-in that is
// built and installed with the program ("vote-plugin/QRVTohyoPlugIn2" beside the executable, or beside the folder
// of a program one or two levels below the build folder). The time-series odds viewer has no such place.
#include "frame/Registry.h"

#include <filesystem>

namespace renoka {

class InstalledPrograms : public Registry {
public:
    // `executableFolder` is where the search starts (the running program's folder).
    explicit InstalledPrograms(std::filesystem::path executableFolder) : m_start(std::move(executableFolder)) {}
    std::string appPath(std::string_view uninstallKey) const override;

    // The plug-in's file name on this platform.
    static const char* pluginExecutable();

private:
    std::filesystem::path m_start;
};

} // namespace renoka
