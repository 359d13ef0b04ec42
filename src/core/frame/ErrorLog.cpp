#include "frame/ErrorLog.h"

#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "platform/FileLock.h"

namespace renoka {

namespace {

// The GUI and command-line runs share the log: each read-modify-write holds the lock, so no line is lost.
std::filesystem::path lockFileOf(const std::filesystem::path& log) {
    std::filesystem::path lock = log;
    lock += ".lock";
    return lock;
}

} // namespace

void ErrorLog::writeStartEntry(const std::string& programDirText) {
    const FileLock lock(lockFileOf(m_file));
    m_lines = loadLines(m_file);
    if (m_lines.size() > kLinesKeptAtStart)
        m_lines.erase(m_lines.begin(), m_lines.end() - static_cast<std::ptrdiff_t>(kLinesKeptAtStart));
    const QString stamp = m_clock.now().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    m_lines.push_back(sj("ソフト起動：") + stamp.toStdString());
    m_lines.push_back(programDirText);
    saveLines(m_file, m_lines);
}

void ErrorLog::append(const std::string& message) {
    const FileLock lock(lockFileOf(m_file));
    m_lines = loadLines(m_file);
    const QString stamp = m_clock.now().toString(QStringLiteral("hh:mm:ss"));
    m_lines.push_back(sj("【エラー】") + stamp.toStdString() + sj("：") + message);
    saveLines(m_file, m_lines);
}

void ErrorLog::record(const std::string& message) noexcept {
    try {
        append(message);
    } catch (...) {
        // Nothing more can be done about a log that cannot be written.
    }
}

} // namespace renoka
