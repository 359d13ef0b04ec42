#include "frame/ProgramFolder.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace renoka {

namespace fs = std::filesystem;

fs::path ProgramFolder::pathOf(std::string_view cp932Relative) const {
    return pathUnder(m_dir, cp932Relative);
}

std::string ProgramFolder::text() const {
    return displayPath(m_dir);
}

fs::path executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

namespace {

bool writable(const fs::path& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK) == 0;
}

fs::path userDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "renoka";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local/share/renoka";
    return fs::current_path() / "renoka";
}

} // namespace

fs::path resolveProgramDir(const std::optional<std::string>& home) {
    fs::path dir;
    if (home && !home->empty())
        dir = *home;
    else if (const char* env = std::getenv("RENOKA_HOME"); env && *env)
        dir = env;
    else if (fs::path exe = executableFolder(); writable(exe))
        dir = exe;
    else
        dir = userDataFolder();
    std::error_code ec;
    fs::path absolute = fs::absolute(dir, ec);
    return (ec ? dir : absolute).lexically_normal();
}

void prepareProgramFolders(const fs::path& programDir) {
    auto makeFolder = [](const fs::path& folder) {
        std::error_code ec;
        // A file of the folder's own name is what stops it, not a missing folder on the way.
        if (fs::exists(folder, ec) && !fs::is_directory(folder, ec))
            ec = std::make_error_code(std::errc::file_exists);
        else
            fs::create_directories(folder, ec);
        if (!ec && !fs::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
        if (ec)
            throw FileError(sj("フォルダを作成できません: ") + displayPath(folder) + sj("（") +
                            systemErrorText(ec.value()) + sj("）"));
    };
    makeFolder(programDir);
    if (!writable(programDir)) throw FileError(sj("プログラムフォルダに書き込めません: ") + displayPath(programDir));
    for (const char* sub : kProgramSubFolders)
        makeFolder(programDir / sub);
}

} // namespace renoka

namespace renoka {

size_t removeProgramTemporaries(const fs::path& programDir) {
    size_t removed = removeLeftoverTemporaries(programDir);
    for (const char* sub : {"Data", "CHG"})
        removed += removeLeftoverTemporaries(programDir / sub);
    // The per-horse and foreign-race archives keep one folder per year.
    for (const char* archive : {"SEI", "SEIR"}) {
        std::error_code ec;
        for (fs::directory_iterator it(programDir / archive, ec), end; !ec && it != end; it.increment(ec))
            if (std::error_code typeError; it->is_directory(typeError))
                removed += removeLeftoverTemporaries(it->path());
    }
    return removed;
}

} // namespace renoka
