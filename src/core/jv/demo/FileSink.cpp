#include "jv/demo/FileSink.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace renoka::demo {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, int err) {
    throw FileError(sj("デモデータを書き込めません: ") + displayPath(path) + sj("（") + systemErrorText(err) +
                    sj("）"));
}

void writeUnsynced(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) fail(path, errno);
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            fail(path, err);
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail(path, err);
    }
}

} // namespace

void FileSink::write(const std::string& relative, const std::vector<std::string>& lines) {
    writeText(relative, joinLines(lines));
}

void FileSink::writeText(const std::string& relative, const std::string& text) {
    const std::filesystem::path path = m_root / relative;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) fail(path.parent_path(), ec.value());
    writeUnsynced(path, text);
    ++m_files;
    m_bytes += text.size();
}

void FileSink::flush() {
    for (const auto& [relative, lines] : m_pending)
        write(relative, lines);
    m_pending.clear();
}

void FileSink::finish(const std::string& relative, const std::string& text) {
    flush();
    const int fd = ::open(m_root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fail(m_root, errno);
    const int synced = ::syncfs(fd);
    const int err = errno;
    ::close(fd);
    if (synced != 0) fail(m_root, err);
    writeFileAtomic(m_root / relative, text);
    ++m_files;
    m_bytes += text.size();
}

} // namespace renoka::demo
