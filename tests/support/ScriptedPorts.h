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

class ScriptedDesktop : public Desktop {
public:
    // Queues the answer to the next confirmation; `expectedUtf8`, when given, must be the question asked.
    void expectConfirm(bool answer, std::string expectedUtf8 = {});
    // Queues the answer to the next folder picker (CP932 path, or nothing for cancel).
    void expectFolder(std::optional<std::string> folder);

    void information(const std::string& message) override;
    bool confirm(const std::string& message) override;
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
    std::vector<std::filesystem::path> openedFiles;
    std::vector<std::string> startedPrograms;
    std::string clipboard;
    int beeps = 0;
    int eventTurns = 0;
    bool openFileResult = true;
    bool startProgramResult = true;

    // True when every scripted answer was used.
    bool scriptUsedUp() const { return m_confirms.empty() && m_folders.empty(); }

private:
    struct Confirm {
        bool answer;
        std::string expectedUtf8;
    };
    std::deque<Confirm> m_confirms;
    std::deque<std::optional<std::string>> m_folders;
};

class FakeClock : public Clock {
public:
    // Japan time "YYYY-MM-DD hh:mm[:ss]".
    explicit FakeClock(const char* japanTime = "2026-12-08 09:00:00");
    QDateTime now() const override { return m_now; }
    void set(const char* japanTime);
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path& waveFile) override { played.push_back(waveFile); }
    std::vector<std::filesystem::path> played;
};

} // namespace renoka::test
