#pragma once
// Program entry shared by the GUI and the CLI: the presence check of the data-service component, then the
// main window's creation.
#include "app/MainForm.h"
#include "jv/JvLink.h"
#include "platform/Clock.h"

#include <filesystem>
#include <memory>
#include <string>

namespace renoka {

class SimJvLink;

// Shown when no data-service component can be created; the program then ends.
inline constexpr const char* kJvLinkMissingMessage =
    "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"; // UTF-8

// The data-service component and, when it is the simulator, the simulator itself (its settings dialog and the
// demo provider need it).
struct DataService {
    std::unique_ptr<JvLink> link;
    SimJvLink* simulator = nullptr;
};

// Creates the data-service component for the program folder, or nothing when none is available. Real-time data
// is served as announced up to `clock`'s now, so the component must not outlive the clock.
DataService createDataService(const std::filesystem::path& programDir, const Clock& clock);

// The provider folder the data service reads: "Sim"/"Provider" of the settings (relative to the program folder
// unless absolute), else <programDir>/provider.
std::filesystem::path providerFolder(const std::filesystem::path& programDir);

// On the first start, when no provider folder is configured and the default one does not exist yet, writes a
// demo provider there whose race days start on `clock`'s today, so that the program works out of the box.
// Returns true when it made one.
bool ensureDemoProvider(const std::filesystem::path& programDir, const Clock& clock);

// The ports a front end brings; they must outlive the program it starts.
struct FrontEndPorts {
    Desktop& desktop;
    const Clock& clock;
    SoundPlayer& sound;
    const Registry& registry;
    UiThread& uiThread;
};

struct StartedProgram {
    DataService dataService;
    std::unique_ptr<TMainForm> form; // created (FormCreate done), or null when the program cannot start
    std::string failure;             // then: why, CP932, for the front end to show before it ends
};

// Program entry: the data service, then the main form and its creation (FormCreate). Any failure, whatever threw
// it, comes back as a message; nothing escapes to end the process uncleanly.
StartedProgram startProgram(const std::filesystem::path& programDir, const FrontEndPorts& ports);

} // namespace renoka
