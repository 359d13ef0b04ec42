#pragma once
// What core asks of the desktop: messages, confirmations, the beep, a folder picker, opening files and starting
// programs, the clipboard, and processing pending events inside long loops. All texts are CP932.
#include <filesystem>
#include <optional>
#include <string>

namespace renoka {

class Desktop {
public:
    virtual ~Desktop() = default;

    // An information message with an OK button.
    virtual void information(const std::string& message) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool confirm(const std::string& message) = 0;
    virtual void beep() = 0;
    // A folder chosen by the user (CP932 path text), or nothing when cancelled.
    virtual std::optional<std::string> pickFolder(const std::string& caption, const std::string& startFolder) = 0;
    // Opens the file with the desktop's default program; false when that failed.
    virtual bool openFile(const std::filesystem::path& file) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Starts an outside program and reports whether it started.
    virtual bool startProgram(const std::filesystem::path& executable, const std::string& argument,
                              const std::filesystem::path& workingFolder) = 0;
    // Lets timers and clicks run inside a long loop.
    virtual void processEvents() = 0;
};

} // namespace renoka
