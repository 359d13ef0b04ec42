#include "support/ScriptedPorts.h"

#include "text/Cp932.h"

#include <gtest/gtest.h>

namespace renoka::test {

void ScriptedDesktop::expectConfirm(bool answer, std::string expectedUtf8) {
    m_confirms.push_back({answer, std::move(expectedUtf8)});
}

void ScriptedDesktop::expectFolder(std::optional<std::string> folder) {
    m_folders.push_back(std::move(folder));
}

void ScriptedDesktop::information(const std::string& message) {
    messages.push_back(toUtf8(message));
}

bool ScriptedDesktop::confirm(const std::string& message) {
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

std::optional<std::string> ScriptedDesktop::pickFolder(const std::string& caption, const std::string&) {
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
                                   const std::filesystem::path&) {
    startedPrograms.push_back(executable.string() + " " + toUtf8(argument));
    return startProgramResult;
}

FakeClock::FakeClock(const char* japanTime) {
    set(japanTime);
}

void FakeClock::set(const char* japanTime) {
    m_now = parseJapanTime(QString::fromLatin1(japanTime));
    if (!m_now.isValid()) ADD_FAILURE() << "bad fake time " << japanTime;
}

} // namespace renoka::test
