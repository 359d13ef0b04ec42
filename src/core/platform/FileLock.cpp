#include "platform/FileLock.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace renoka {

FileLock::FileLock(const std::filesystem::path& lockFile, int timeoutMs) {
    m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        const int err = errno;
        throw FileError(sj("ファイルをロックできません: ") + displayPath(lockFile) + sj("（") +
                        systemErrorText(err, FileAccess::Write) + sj("）"));
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        throw FileError(sj("ファイルをロックできません: ") + displayPath(lockFile) + sj("（") + notRegularFileText() +
                        sj("）"));
    }
    // The holders keep the lock for one read-modify-write of a small file; polling keeps a stuck holder from
    // hanging this process for ever.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        if ((err != EWOULDBLOCK && err != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            ::close(m_fd);
            throw FileError(sj("ファイルをロックできません: ") + displayPath(lockFile) + sj("（") +
                            systemErrorText(err == EWOULDBLOCK ? EAGAIN : err, FileAccess::Write) + sj("）"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

FileLock::~FileLock() {
    if (m_fd >= 0) ::close(m_fd);
}

} // namespace renoka
