#pragma once
// What core asks of the desktop: messages, confirmations, the beep, a folder picker, opening files and starting
// programs, the clipboard, and processing pending events inside long loops. All texts are CP932.
//
// A handler that runs with nobody watching (a timer, an unattended command-line run) puts the desktop into its
// unattended mode for the length of the call: whatever that handler reaches, a message or a question never opens
// a dialog. The message goes to the unattended listener instead, and a question is answered No, so no outward or
// destructive action ever runs without a person's consent.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace renoka {

class Desktop {
public:
    virtual ~Desktop() = default;

    // An information message with an OK button.
    void information(const std::string& message);
    // A question with Yes and No; true for Yes. Unattended, always No.
    bool confirm(const std::string& message);

    virtual void beep() = 0;
    // A folder chosen by the user (CP932 path text), or nothing when cancelled.
    virtual std::optional<std::string> pickFolder(const std::string& caption, const std::string& startFolder) = 0;
    // Opens the file with the desktop's default program; false when that failed.
    virtual bool openFile(const std::filesystem::path& file) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    // Starts an outside program directly (never through a shell) with one argument in the working folder, and
    // reports whether it started.
    virtual bool startProgram(const std::filesystem::path& executable, const std::string& argument,
                              const std::filesystem::path& workingFolder) = 0;
    // Lets timers and clicks run inside a long loop.
    virtual void processEvents() = 0;

    // Whether a handler without a person watching is running.
    bool unattended() const { return m_unattendedDepth > 0; }
    // Where the messages of unattended handlers go (the status line, the error log, standard error); the
    // questions arrive here too, with the answer No. Without a listener they are dropped.
    std::function<void(const std::string& message)> onUnattendedMessage;

    // Unattended mode for the lifetime of the scope; scopes nest.
    class UnattendedScope {
    public:
        explicit UnattendedScope(Desktop& desktop, bool active = true) : m_desktop(active ? &desktop : nullptr) {
            if (m_desktop) ++m_desktop->m_unattendedDepth;
        }
        ~UnattendedScope() {
            if (m_desktop) --m_desktop->m_unattendedDepth;
        }
        UnattendedScope(const UnattendedScope&) = delete;
        UnattendedScope& operator=(const UnattendedScope&) = delete;

    private:
        Desktop* m_desktop;
    };

protected:
    // The dialogs themselves, reached only while a person is watching.
    virtual void showInformation(const std::string& message) = 0;
    virtual bool askConfirmation(const std::string& message) = 0;

private:
    int m_unattendedDepth = 0;
};

inline void Desktop::information(const std::string& message) {
    if (!unattended()) {
        showInformation(message);
    } else if (onUnattendedMessage) {
        onUnattendedMessage(message);
    }
}

inline bool Desktop::confirm(const std::string& message) {
    if (!unattended()) return askConfirmation(message);
    if (onUnattendedMessage) onUnattendedMessage(message);
    return false;
}

} // namespace renoka
