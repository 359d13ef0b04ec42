#include "CliContext.h"

#include "app/Errors.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"
#include "text/Cp932.h"

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
    m_desktop = std::make_unique<ConsoleDesktop>(m_options.answerYes, m_err);
    if (m_options.now)
        m_clock = std::make_unique<StartedClock>(parseJapanTime(QString::fromStdString(*m_options.now)));
    else
        m_clock = std::make_unique<SystemClock>();
    m_sound = std::make_unique<ProcessSoundPlayer>();
    m_registry = std::make_unique<NoRegistry>();

    m_jvLink = createJvLink(programDir, *m_clock);
    if (!m_jvLink) {
        message(sj(kJvLinkMissingMessage));
        return false;
    }
    m_form =
        std::make_unique<TMainForm>(programDir, MainFormPorts{*m_desktop, *m_clock, *m_sound, *m_jvLink, *m_registry});
    try {
        m_form->FormCreate();
    } catch (const RenokaError& e) {
        message(e.what());
        return false;
    } catch (const std::exception& e) {
        message(sj(e.what()));
        return false;
    }
    return true;
}

} // namespace renoka::cli
