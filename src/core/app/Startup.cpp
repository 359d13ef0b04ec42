#include "app/Startup.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "frame/ErrorLog.h"
#include "frame/IniFile.h"
#include "jv/demo/DemoProvider.h"
#include "jv/sim/SimJvLink.h"

#include <QDate>

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
DataService createDataService(const std::filesystem::path& programDir, const Clock& clock) {
    auto simulator = std::make_unique<SimJvLink>(providerFolder(programDir), clock);
    DataService service;
    service.simulator = simulator.get();
    service.link = std::move(simulator);
    return service;
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

StartedProgram startProgram(const std::filesystem::path& programDir, const FrontEndPorts& ports) {
    StartedProgram program;
    // Starting up is work, not waiting: a rehearsal clock does not race ahead meanwhile.
    const Clock::WorkScope work(ports.clock);
    try {
        program.dataService = createDataService(programDir, ports.clock);
        if (!program.dataService.link) {
            program.failure = sj(kJvLinkMissingMessage);
            return program;
        }
        auto form = std::make_unique<TMainForm>(programDir, MainFormPorts{ports.desktop, ports.clock, ports.sound,
                                                                          *program.dataService.link, ports.registry,
                                                                          ports.uiThread});
        if (program.dataService.simulator) {
            const Clock& clock = ports.clock;
            form->ensureDemoProvider = [programDir, &clock] { return ensureDemoProvider(programDir, clock); };
        }
        form->FormCreate();
        program.form = std::move(form);
    } catch (...) {
        program.failure = messageOfCurrentException();
        program.form.reset();
        // The log says why the program did not start, as it says why any handler stopped; a log that cannot be
        // written either leaves the message on screen alone.
        ErrorLog(programDir / "ErrorLog.txt", ports.clock).record(program.failure);
    }
    return program;
}

} // namespace renoka
