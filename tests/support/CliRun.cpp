#include "support/CliRun.h"

#include "CliApp.h"

#include <cstdio>

namespace renoka::test {

namespace {
std::string drain(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        text.append(buf, n);
    std::fclose(f);
    return text;
}
} // namespace

CliRun runCliCaptured(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    CliRun run;
    run.status = cli::runCli(args, out, err);
    run.out = drain(out);
    run.err = drain(err);
    return run;
}

} // namespace renoka::test
