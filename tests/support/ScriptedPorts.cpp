#include "support/ScriptedPorts.h"

#include "base/Cp932.h"

#include <gtest/gtest.h>

namespace renoka::test {

ScriptedDesktop::ScriptedDesktop() {
    onUnattendedMessage = [this](const std::string& message) { unattendedMessages.push_back(toUtf8(message)); };
}

ScriptedDesktop::~ScriptedDesktop() {
    for (const auto& c : m_confirms)
        ADD_FAILURE() << "a scripted answer was never asked for: " << (c.answer ? "yes" : "no") << " "
                      << c.expectedUtf8;
    if (!m_folders.empty()) ADD_FAILURE() << m_folders.size() << " scripted folder answers were never asked for";
}

void ScriptedDesktop::expectConfirm(bool answer, std::string expectedUtf8) {
    m_confirms.push_back({answer, std::move(expectedUtf8)});
}

void ScriptedDesktop::expectFolder(std::optional<std::string> folder) {
    m_folders.push_back(std::move(folder));
}

void ScriptedDesktop::showInformation(const std::string& message) {
    messages.push_back(toUtf8(message));
}

bool ScriptedDesktop::askConfirmation(const std::string& message) {
    const std::string text = toUtf8(message);
    messages.push_back(text);
    if (m_confirms.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    Confirm next = m_confirms.front();
    m_confirms.pop_front();
    if (!next.expectedUtf8.empty()) {
        EXPECT_EQ(text, next.expectedUtf8);
    }
    return next.answer;
}

std::optional<std::string> ScriptedDesktop::pickFolder(const std::string& caption, const std::string& startFolder) {
    pickedFrom.push_back(toUtf8(caption) + "|" + toUtf8(startFolder));
    if (m_folders.empty()) {
        ADD_FAILURE() << "unexpected folder picker: " << toUtf8(caption);
        return std::nullopt;
    }
    auto next = m_folders.front();
    m_folders.pop_front();
    return next;
}

bool ScriptedDesktop::openFile(const std::filesystem::path& file) {
    openedFiles.push_back(file);
    return openFileResult;
}

bool ScriptedDesktop::startProgram(const std::filesystem::path& executable, const std::string& argument,
                                   const std::filesystem::path& workingFolder) {
    startedPrograms.push_back(executable.string() + " " + toUtf8(argument));
    startedIn.push_back(workingFolder);
    return startProgramResult;
}

FakeClock::FakeClock(const char* japanTime) {
    set(japanTime);
}

void FakeClock::set(const char* japanTime) {
    const QDateTime next = parseJapanTime(QString::fromLatin1(japanTime));
    if (!next.isValid()) {
        ADD_FAILURE() << "bad fake time " << japanTime;
        return;
    }
    if (m_now.isValid() && next > m_now) m_steadyMs += m_now.msecsTo(next);
    m_now = next;
}

void FakeClock::advanceMs(qint64 ms) {
    m_now = m_now.addMSecs(ms);
    if (ms > 0) m_steadyMs += ms;
}

} // namespace renoka::test
