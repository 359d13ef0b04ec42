#pragma once
// Everything a command works with: the ports in their console form and the main window as data, started the
// same way the GUI starts it.
#include "app/MainForm.h"
#include "app/Startup.h"
#include "platform/ConsoleDesktop.h"
#include "platform/UiThread.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace renoka::cli {

struct CliOptions {
    std::optional<std::string> home;
    std::optional<std::string> now; // Japan time text of --now
    int speed = 1;                  // --speed: the clock runs this many times faster
    bool answerYes = false;
    std::string command;
    std::vector<std::string> args;
};

class CliContext {
public:
    CliContext(const CliOptions& options, std::FILE* out, std::FILE* err);
    ~CliContext();

    // Program entry and the main window's creation; false (with the message printed) when the program cannot
    // start.
    bool start();

    TMainForm& form() { return *m_program.form; }
    bool started() const { return static_cast<bool>(m_program.form); }
    ConsoleDesktop& console() { return *m_desktop; }
    DataService& dataService() { return m_program.dataService; }
    const Clock& clock() const { return *m_clock; }
    // The UI thread's queue: a command that runs for a while runs what worker threads posted to it.
    PostedTasks& uiThread() { return m_uiThread; }
    std::FILE* out() const { return m_out; }
    std::FILE* err() const { return m_err; }
    // Prints a CP932 message as UTF-8 to standard error.
    void message(const std::string& cp932) const;
    // Prints a CP932 result line as UTF-8 to standard output.
    void print(const std::string& cp932) const;

private:
    CliOptions m_options;
    std::FILE* m_out;
    std::FILE* m_err;
    std::unique_ptr<ConsoleDesktop> m_desktop;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<SoundPlayer> m_sound;
    std::unique_ptr<Registry> m_registry;
    PostedTasks m_uiThread;
    StartedProgram m_program;
};

} // namespace renoka::cli
