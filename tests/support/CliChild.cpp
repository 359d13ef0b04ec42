#include "support/CliChild.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace renoka::test {

std::string cliExecutable() {
    return RENOKA_CLI_EXECUTABLE;
}

CliChild::CliChild(const std::vector<std::string>& args) {
    const std::string program = cliExecutable();
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (auto& a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);

    const std::string outFile = (m_files / "out").string();
    const std::string errFile = (m_files / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, pointers.data(), environ) == 0) m_pid = pid;
    posix_spawn_file_actions_destroy(&actions);
}

CliChild::~CliChild() {
    if (m_pid > 0 && !ended()) {
        ::kill(m_pid, SIGKILL);
        waitFor(10000);
    }
}

void CliChild::signal(int sig) const {
    if (m_pid > 0) ::kill(m_pid, sig);
}

bool CliChild::ended() {
    if (m_ended || m_pid <= 0) return true;
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) != m_pid) return false;
    m_ended = true;
    if (WIFEXITED(status)) m_exitStatus = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) m_endSignal = WTERMSIG(status);
    return true;
}

bool CliChild::waitFor(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!ended()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string CliChild::out() const {
    return readBytes(m_files / "out");
}

std::string CliChild::err() const {
    return readBytes(m_files / "err");
}

} // namespace renoka::test
