#pragma once
// The desktop port over Qt: message boxes, the beep, the folder picker, the desktop's file opener, the clipboard,
// detached programs and the event loop.
#include "platform/Desktop.h"

#include <QPointer>
#include <QWidget>

#include <cstdio>

namespace renoka {

class QtDesktop : public Desktop {
public:
    // Without a person in front of the window (offscreen runs, screenshots) a modal box would wait forever, so a
    // non-interactive desktop writes messages to `messages` and answers every question with No.
    explicit QtDesktop(bool interactive = true, std::FILE* messages = stderr)
        : m_interactive(interactive), m_messages(messages) {}

    // Dialogs open centred on this window once it exists.
    void setParentWindow(QWidget* window) { m_parent = window; }
    QWidget* parentWindow() const { return m_parent; }
    bool interactive() const { return m_interactive; }

    void beep() override;
    std::optional<std::string> pickFolder(const std::string& caption, const std::string& startFolder) override;
    bool openFile(const std::filesystem::path& file) override;
    void setClipboardText(const std::string& text) override;
    bool startProgram(const std::filesystem::path& executable, const std::string& argument,
                      const std::filesystem::path& workingFolder) override;
    void processEvents() override;

protected:
    void showInformation(const std::string& message) override;
    bool askConfirmation(const std::string& message) override;

private:
    void writeMessage(const char* kind, const std::string& message);
    QWidget* dialogParent() const;

    bool m_interactive;
    std::FILE* m_messages;
    QPointer<QWidget> m_parent;
};

} // namespace renoka
