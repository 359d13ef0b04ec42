#pragma once
// Test doubles of the ports: a desktop that answers confirmations from a script and fails the test on any
// question it did not expect, a clock moved by hand, and a sound player that only records.
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/SoundPlayer.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace renoka::test {

// Strict: an answer queued but never asked for fails the test when the desktop goes away.
class ScriptedDesktop : public Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    // Queues the answer to the next confirmation; `expectedUtf8`, when given, must be the question asked.
    void expectConfirm(bool answer, std::string expectedUtf8 = {});
    // Queues the answer to the next folder picker (CP932 path, or nothing for cancel).
    void expectFolder(std::optional<std::string> folder);

    void beep() override { ++beeps; }
    std::optional<std::string> pickFolder(const std::string& caption, const std::string& startFolder) override;
    bool openFile(const std::filesystem::path& file) override;
    void setClipboardText(const std::string& text) override { clipboard = text; }
    bool startProgram(const std::filesystem::path& executable, const std::string& argument,
                      const std::filesystem::path& workingFolder) override;
    void processEvents() override {
        ++eventTurns;
        if (onProcessEvents) onProcessEvents();
    }
    // Runs inside every read loop turn, as a click or a timer would.
    std::function<void()> onProcessEvents;

    // What the code under test showed and did, messages in UTF-8.
    std::vector<std::string> messages;
    // Messages and questions that reached the desktop while it was unattended (UTF-8); none was shown.
    std::vector<std::string> unattendedMessages;
    std::vector<std::filesystem::path> openedFiles;
    std::vector<std::string> startedPrograms;
    std::vector<std::filesystem::path> startedIn; // the working folder of each started program
    // Each folder picker shown: caption and start folder, UTF-8, as "caption|start".
    std::vector<std::string> pickedFrom;
    std::string clipboard;
    int beeps = 0;
    int eventTurns = 0;
    bool openFileResult = true;
    bool startProgramResult = true;

    // True when every scripted answer was used.
    bool scriptUsedUp() const { return m_confirms.empty() && m_folders.empty(); }

protected:
    void showInformation(const std::string& message) override;
    bool askConfirmation(const std::string& message) override;

private:
    struct Confirm {
        bool answer;
        std::string expectedUtf8;
    };
    std::deque<Confirm> m_confirms;
    std::deque<std::optional<std::string>> m_folders;
};

// A clock that moves only when the test moves it. Its steady time follows every forward move; a move backwards
// (a clock set back) leaves the steady time where it was, as a machine's monotonic clock would.
class FakeClock : public Clock {
public:
    // Japan time "YYYY-MM-DD hh:mm[:ss]".
    explicit FakeClock(const char* japanTime = "2026-12-08 09:00:00");
    QDateTime now() const override { return m_now; }
    qint64 steadyMs() const override { return m_steadyMs; }
    void set(const char* japanTime);
    void advanceSeconds(qint64 seconds) { advanceMs(seconds * 1000); }
    void advanceMs(qint64 ms);

private:
    QDateTime m_now;
    qint64 m_steadyMs = 0;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path& waveFile) override { played.push_back(waveFile); }
    std::vector<std::filesystem::path> played;
};

} // namespace renoka::test
