#pragma once
// renoka-cli started as a process of its own, for what only a separate process shows: how it answers a signal,
// and what a kill in the middle of its work leaves behind. Its output goes to files that the test reads.
#include "support/TempDir.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace renoka::test {

class CliChild {
public:
    // Starts renoka-cli with the arguments (without the program name).
    explicit CliChild(const std::vector<std::string>& args);
    // A child still running is killed.
    ~CliChild();
    CliChild(const CliChild&) = delete;
    CliChild& operator=(const CliChild&) = delete;

    bool started() const { return m_pid > 0; }
    void signal(int sig) const;
    // Whether it has ended (without waiting).
    bool ended();
    // Waits up to `timeoutMs` for the end; true when it ended.
    bool waitFor(int timeoutMs);
    // After the end: the exit status, or -1 when a signal ended it.
    int exitStatus() const { return m_exitStatus; }
    int endSignal() const { return m_endSignal; }

    std::string out() const; // standard output so far, UTF-8
    std::string err() const; // standard error so far, UTF-8

private:
    TempDir m_files;
    pid_t m_pid = -1;
    bool m_ended = false;
    int m_exitStatus = -1;
    int m_endSignal = 0;
};

// The path of the renoka-cli the build made.
std::string cliExecutable();

} // namespace renoka::test
