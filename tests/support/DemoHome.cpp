#include "support/DemoHome.h"

#include <cstdlib>
#include <system_error>

namespace renoka::test {

CliRun prepareDemoHome(const std::filesystem::path& home) {
    if (const char* demo = std::getenv("RENOKA_TEST_DEMO")) {
        const std::filesystem::path made = std::filesystem::path(std::string(demo) + "-home");
        std::error_code ec;
        if (std::filesystem::is_regular_file(made / "renoka.ini", ec)) {
            std::filesystem::copy(
                made, home,
                std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing, ec);
            CliRun copied;
            copied.status = ec ? 1 : 0;
            if (ec) copied.err = "cannot copy " + made.string() + ": " + ec.message();
            return copied;
        }
    }
    return runCliCaptured({"--home", home.string(), "--now", "2026-12-12 08:00", "download", "--setup", "--odds"});
}

} // namespace renoka::test
