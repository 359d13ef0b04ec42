#include "CliContext.h"

#include "base/Cp932.h"
#include "frame/InstalledPrograms.h"
#include "frame/ProgramFolder.h"

namespace renoka::cli {

CliContext::CliContext(const CliOptions& options, std::FILE* out, std::FILE* err)
    : m_options(options), m_out(out), m_err(err) {}

CliContext::~CliContext() = default;

void CliContext::message(const std::string& cp932) const {
    std::fprintf(m_err, "%s\n", toUtf8(cp932).c_str());
    std::fflush(m_err);
}

void CliContext::print(const std::string& cp932) const {
    std::fprintf(m_out, "%s\n", toUtf8(cp932).c_str());
}

bool CliContext::start() {
    const auto programDir = resolveProgramDir(m_options.home);
    m_desktop = std::make_unique<ConsoleDesktop>(m_options.answerYes, m_err, &m_uiThread);
    // What an unattended handler would have shown goes where every message goes: standard error.
    m_desktop->onUnattendedMessage = [this](const std::string& text) { message(text); };
    // A rehearsal (--speed) without --now starts from the real time of day.
    if (m_options.now)
        m_clock =
            std::make_unique<StartedClock>(parseJapanTime(QString::fromStdString(*m_options.now)), m_options.speed);
    else if (m_options.speed > 1)
        m_clock = std::make_unique<StartedClock>(SystemClock().now(), m_options.speed);
    else
        m_clock = std::make_unique<SystemClock>();
    m_sound = std::make_unique<ProcessSoundPlayer>();
    m_registry = std::make_unique<InstalledPrograms>(executableFolder());

    m_program = startProgram(programDir, FrontEndPorts{*m_desktop, *m_clock, *m_sound, *m_registry, m_uiThread});
    if (!m_program.form) {
        message(m_program.failure);
        return false;
    }
    return true;
}

} // namespace renoka::cli
