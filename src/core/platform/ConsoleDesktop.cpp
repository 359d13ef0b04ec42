#include "platform/ConsoleDesktop.h"

#include "base/Cp932.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace renoka {

void ConsoleDesktop::showInformation(const std::string& message) {
    std::fprintf(m_out, "%s\n", toUtf8(message).c_str());
    std::fflush(m_out);
}

bool ConsoleDesktop::askConfirmation(const std::string& message) {
    std::fprintf(m_out, "%s [%s]\n", toUtf8(message).c_str(), m_answerYes ? "yes" : "no");
    std::fflush(m_out);
    return m_answerYes;
}

std::optional<std::string> ConsoleDesktop::pickFolder(const std::string& caption, const std::string&) {
    std::fprintf(m_out, "%s\n", toUtf8(caption + sj("（コマンドラインではフォルダを選べません）")).c_str());
    return std::nullopt;
}

bool ConsoleDesktop::openFile(const std::filesystem::path& file) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        std::fprintf(m_out, "%s\n", file.c_str());
        return true;
    }
    return QProcess::startDetached(opener, {QString::fromStdString(file.string())});
}

void ConsoleDesktop::setClipboardText(const std::string& text) {
    std::fputs(toUtf8(text).c_str(), stdout);
}

bool ConsoleDesktop::startProgram(const std::filesystem::path& executable, const std::string& argument,
                                  const std::filesystem::path& workingFolder) {
    return QProcess::startDetached(QString::fromStdString(executable.string()),
                                   {QString::fromStdString(toUtf8(argument))},
                                   QString::fromStdString(workingFolder.string()));
}

void ConsoleDesktop::processEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    if (m_posted) m_posted->runPending();
    if (m_eventHook) m_eventHook();
}

} // namespace renoka
