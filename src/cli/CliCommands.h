#pragma once
// The table of commands of renoka-cli. Each command runs on a started context and returns the exit status.
#include <string>
#include <string_view>
#include <vector>

namespace renoka::cli {

class CliContext;

struct Command {
    const char* name;
    const char* helpUtf8;
    int (*run)(CliContext& context, const std::vector<std::string>& args);
};

const std::vector<Command>& commands();
const Command* findCommand(std::string_view name);

} // namespace renoka::cli
