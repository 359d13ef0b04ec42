#pragma once
// The desktop of the command-line front end: messages go to standard error as UTF-8, confirmations are
// answered by --yes or --no, and nothing ever waits for a person. Processing events runs the tasks other threads
// posted to the UI thread.
#include "platform/Desktop.h"
#include "platform/UiThread.h"

#include <cstdio>
#include <functional>

namespace renoka {

class ConsoleDesktop : public Desktop {
public:
    explicit ConsoleDesktop(bool answerYes, std::FILE* messages = stderr, PostedTasks* posted = nullptr)
        : m_answerYes(answerYes), m_out(messages), m_posted(posted) {}

    void beep() override {}
    std::optional<std::string> pickFolder(const std::string& caption, const std::string& startFolder) override;
    bool openFile(const std::filesystem::path& file) override;
    void setClipboardText(const std::string& text) override;
    bool startProgram(const std::filesystem::path& executable, const std::string& argument,
                      const std::filesystem::path& workingFolder) override;
    void processEvents() override;
    // Runs at every processEvents(): what a console front end checks while a long loop runs (a signal to stop,
    // a stalled service).
    void setEventHook(std::function<void()> hook) { m_eventHook = std::move(hook); }

protected:
    void showInformation(const std::string& message) override;
    bool askConfirmation(const std::string& message) override;

private:
    bool m_answerYes;
    std::FILE* m_out;
    PostedTasks* m_posted;
    std::function<void()> m_eventHook;
};

} // namespace renoka
