#pragma once
// Injected failures of the simulated control, from <provider>/faults.ini. Tests write the file between calls, so
// it is looked at again at every JVInit, JVOpen and JVRTOpen; while its bytes stay the same the faults keep
// their counts, and a changed file starts them afresh.
//
//   [fault]            every section whose name begins with "fault" is one fault: [fault], [fault2], ...
//   call=JVRead        JVInit, JVOpen, JVRTOpen, JVStatus, JVRead or JVClose
//   code=-402          the result the call gives once the fault is due
//   after=5            successful results first: records for JVRead, downloaded files for JVStatus, calls else
//   stall=1            JVStatus stops counting at `after`, JVRead answers -3 for ever (the code is not used)
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

enum class SimCall { JVInit, JVOpen, JVRTOpen, JVStatus, JVRead, JVClose };

struct SimFault {
    SimCall call = SimCall::JVRead;
    int32_t code = 0;
    int after = 0;
    bool stall = false;
};

class FaultPlan {
public:
    // Reads faults.ini again; a missing file means no faults.
    void reload(const std::filesystem::path& faultsIni);
    // Parses faults.ini text; the counts start afresh.
    void parse(std::string_view text);

    // For the calls counted by calls (JVInit, JVOpen, JVRTOpen, JVClose): the code of a fault that is due, else 0.
    // A due fault stays due, since failures are not successes, until faults.ini changes.
    int32_t due(SimCall call) const;
    // Counts one successful result of such a call.
    void succeeded(SimCall call);

    // The first fault of JVRead or JVStatus; the stream counts its records and files itself.
    std::optional<SimFault> streamFault(SimCall call) const;

private:
    struct Counted {
        SimFault fault;
        int successes = 0;
    };
    std::optional<std::string> m_bytes;
    std::vector<Counted> m_faults;
};

} // namespace renoka
