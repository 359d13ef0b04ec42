#include "analysis/OddsFile.h"

#include "app/Errors.h"
#include "platform/FileIo.h"
#include "text/Cp932.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace renoka {

namespace {

[[noreturn]] void failRead(const std::filesystem::path& file, int err) {
    throw FileError(sj("ファイルを読み込めません: ") + displayPath(file) + sj("（") + systemErrorText(err) + sj("）"));
}

class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle() { ::close(m_fd); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads until `len` bytes or the end of the file; returns the bytes read.
size_t readUpTo(const FileHandle& handle, char* out, size_t len, const std::filesystem::path& file) {
    size_t got = 0;
    while (got < len) {
        const ssize_t n = ::read(handle.fd(), out + got, len - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            failRead(file, errno);
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    return got;
}

} // namespace

OddsFileReader::Result OddsFileReader::find(const std::filesystem::path& file, size_t recordSize,
                                            std::string_view course, std::string_view race) {
    m_size = 0;
    if (recordSize < 27 || course.size() != 2 || race.size() != 2) return Result::NotFound;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return Result::NoFile;
        failRead(file, errno);
    }
    const FileHandle handle(fd);
    if (m_buffer.size() < recordSize) m_buffer.resize(recordSize);
    char* buf = m_buffer.data();

    // `have` bytes of the next record are already in the buffer. Outside a line that is too long, the buffer
    // always starts at the beginning of a line.
    size_t have = 0;
    bool inLongLine = false;
    while (true) {
        have += readUpTo(handle, buf + have, recordSize - have, file);
        if (have < recordSize) return Result::NotFound;
        const size_t searched = inLongLine ? recordSize : recordSize - 1;
        const auto* lineEnd = static_cast<const char*>(std::memchr(buf, '\n', searched));
        if (!inLongLine && !lineEnd && buf[recordSize - 2] == '\r' && buf[recordSize - 1] == '\n') {
            if (std::memcmp(buf + 19, course.data(), 2) == 0 && std::memcmp(buf + 25, race.data(), 2) == 0) {
                m_size = recordSize;
                return Result::Found;
            }
            have = 0;
        } else if (!lineEnd) {
            // The chunk ends inside a line longer than a record, or exactly at the end of a line that lacks its CR.
            inLongLine = buf[recordSize - 1] != '\n';
            have = 0;
        } else {
            // A shorter line: drop it and go on from the next line with the bytes already read.
            const auto next = static_cast<size_t>(lineEnd - buf) + 1;
            std::memmove(buf, buf + next, recordSize - next);
            have = recordSize - next;
            inLongLine = false;
        }
    }
}

} // namespace renoka
