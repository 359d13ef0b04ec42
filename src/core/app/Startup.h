#pragma once
// Program entry shared by the GUI and the CLI: the presence check of the data-service component, then the
// main window's creation.
#include "jv/JvLink.h"
#include "platform/Clock.h"

#include <filesystem>
#include <memory>

namespace renoka {

// Shown when no data-service component can be created; the program then ends.
inline constexpr const char* kJvLinkMissingMessage =
    "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"; // UTF-8

// Creates the data-service component for the program folder, or nothing when none is available. Real-time data
// is served as announced up to `clock`'s now, so the component must not outlive the clock.
std::unique_ptr<JvLink> createJvLink(const std::filesystem::path& programDir, const Clock& clock);

// The provider folder the data service reads: "Sim"/"Provider" of the settings (relative to the program folder
// unless absolute), else <programDir>/provider.
std::filesystem::path providerFolder(const std::filesystem::path& programDir);

// On the first start, when no provider folder is configured and the default one does not exist yet, writes a
// demo provider there whose race days start on `clock`'s today, so that the program works out of the box.
// Returns true when it made one.
bool ensureDemoProvider(const std::filesystem::path& programDir, const Clock& clock);

} // namespace renoka
