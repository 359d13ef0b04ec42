#pragma once
// The command-line front end:
// renoka-cli [--home DIR] [--now "YYYY-MM-DD hh:mm[:ss]"] [--speed N] [--yes|--no] COMMAND ...
// Output is UTF-8; grids print as tab-separated rows, header row first; messages go to standard error.
// Exit status: 0 done, 1 refused or failed, 2 usage.
#include <cstdio>
#include <string>
#include <vector>

namespace renoka::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// The fastest clock --speed gives.
inline constexpr int kMaxSpeed = 3600;

// Runs one command line (without the program name). `out` takes results, `err` messages.
int runCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace renoka::cli
