#include "QtDesktop.h"

#include "QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <ranges>

#include <vector>

namespace renoka {

namespace {

QString boxTitle() {
    return QGuiApplication::applicationDisplayName();
}

// A box waits for the user: the busy cursor of a long handler (a day load) must not say "wait" over it. The
// cursors are put back as they were when the box closes.
class NormalCursorWhileOpen {
public:
    NormalCursorWhileOpen() {
        while (const QCursor* cursor = QApplication::overrideCursor()) {
            m_lifted.push_back(cursor->shape());
            QApplication::restoreOverrideCursor();
        }
    }
    ~NormalCursorWhileOpen() {
        for (const Qt::CursorShape shape : std::views::reverse(m_lifted))
            QApplication::setOverrideCursor(shape);
    }
    NormalCursorWhileOpen(const NormalCursorWhileOpen&) = delete;
    NormalCursorWhileOpen& operator=(const NormalCursorWhileOpen&) = delete;

private:
    std::vector<Qt::CursorShape> m_lifted;
};

} // namespace

QWidget* QtDesktop::dialogParent() const {
    // Over the dialog that is open (the download dialog's messages), else over the main window.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return m_parent;
}

void QtDesktop::writeMessage(const char* kind, const std::string& message) {
    if (!m_messages) return;
    std::fprintf(m_messages, "%s%s\n", kind, toUtf8(message).c_str());
    std::fflush(m_messages);
}

void QtDesktop::showInformation(const std::string& message) {
    if (!m_interactive) {
        writeMessage("", message);
        return;
    }
    const NormalCursorWhileOpen normalCursor;
    QMessageBox box(QMessageBox::Information, boxTitle(), qs(message), QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtDesktop::askConfirmation(const std::string& message) {
    if (!m_interactive) {
        writeMessage("? ", message);
        return false;
    }
    const NormalCursorWhileOpen normalCursor;
    QMessageBox box(QMessageBox::Question, boxTitle(), qs(message), QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    // A slip of the Enter key must not start a destructive or outward action.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDesktop::beep() {
    QApplication::beep();
}

std::optional<std::string> QtDesktop::pickFolder(const std::string& caption, const std::string& startFolder) {
    if (!m_interactive) return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), qs(caption), qs(startFolder));
    if (folder.isEmpty()) return std::nullopt;
    return fromQs(QDir::toNativeSeparators(folder));
}

bool QtDesktop::openFile(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qpath(file)));
}

void QtDesktop::setClipboardText(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qs(text));
}

bool QtDesktop::startProgram(const std::filesystem::path& executable, const std::string& argument,
                             const std::filesystem::path& workingFolder) {
    QStringList arguments;
    if (!argument.empty()) arguments << qs(argument);
    return QProcess::startDetached(qpath(executable), arguments, qpath(workingFolder));
}

void QtDesktop::processEvents() {
    QCoreApplication::processEvents();
}

} // namespace renoka
