#pragma once
// An exclusive lock held while the object lives, on a lock file next to the file it guards. The guarded file is
// replaced by renames, so it cannot carry the lock itself. flock() locks belong to the open file and the kernel
// drops them when the process ends: a killed holder never leaves the file locked.
#include <filesystem>

namespace renoka {

class FileLock {
public:
    // Waits up to `timeoutMs` for the lock; throws FileError when the lock file cannot be opened or another
    // process keeps the lock longer.
    explicit FileLock(const std::filesystem::path& lockFile, int timeoutMs = 10000);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace renoka
