#include "jv/sim/FaultPlan.h"

#include "base/Errors.h"
#include "jv/sim/ProviderIni.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <array>
#include <utility>

namespace renoka {

namespace {

constexpr std::array<std::pair<std::string_view, SimCall>, 6> kCallNames{{{"jvinit", SimCall::JVInit},
                                                                          {"jvopen", SimCall::JVOpen},
                                                                          {"jvrtopen", SimCall::JVRTOpen},
                                                                          {"jvstatus", SimCall::JVStatus},
                                                                          {"jvread", SimCall::JVRead},
                                                                          {"jvclose", SimCall::JVClose}}};

std::optional<SimCall> callNamed(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const auto& [text, call] : kCallNames)
        if (text == name) return call;
    return std::nullopt;
}

bool countsStream(SimCall call) {
    return call == SimCall::JVRead || call == SimCall::JVStatus;
}

} // namespace

void FaultPlan::reload(const std::filesystem::path& faultsIni) {
    std::string bytes;
    bool present = false;
    try {
        present = readWholeFile(faultsIni, bytes);
    } catch (const FileError&) {
        // A file the simulator cannot read injects nothing; the test that wrote it sees its fault missing.
        present = false;
    }
    if (!present) bytes.clear();
    if (m_bytes && *m_bytes == bytes) return;
    parse(bytes);
    m_bytes = std::move(bytes);
}

void FaultPlan::parse(std::string_view text) {
    m_faults.clear();
    const ProviderIni ini(text);
    for (const std::string& section : ini.sections()) {
        if (section.rfind("fault", 0) != 0) continue;
        auto call = callNamed(ini.value(section, "call").value_or(""));
        if (!call) continue;
        SimFault f;
        f.call = *call;
        f.code = ini.integer(section, "code", 0);
        f.after = std::max(0, ini.integer(section, "after", 0));
        // Only a download and a read can hang; for the other calls a stall means nothing.
        f.stall = countsStream(f.call) && ini.integer(section, "stall", 0) != 0;
        if (f.code == 0 && !f.stall) continue;
        m_faults.push_back({f, 0});
    }
}

int32_t FaultPlan::due(SimCall call) const {
    for (const Counted& c : m_faults)
        if (c.fault.call == call && c.successes >= c.fault.after) return c.fault.code;
    return 0;
}

void FaultPlan::succeeded(SimCall call) {
    for (Counted& c : m_faults)
        if (c.fault.call == call) ++c.successes;
}

std::optional<SimFault> FaultPlan::streamFault(SimCall call) const {
    for (const Counted& c : m_faults)
        if (c.fault.call == call) return c.fault;
    return std::nullopt;
}

} // namespace renoka
