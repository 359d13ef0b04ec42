#pragma once
// Runs renoka-cli's commands in the test process and captures what they print.
#include <string>
#include <vector>

namespace renoka::test {

struct CliRun {
    int status = -1;
    std::string out; // standard output, UTF-8
    std::string err; // messages, UTF-8
};

CliRun runCliCaptured(const std::vector<std::string>& args);

} // namespace renoka::test
