#include "platform/FileIo.h"

#include "base/Cp932.h"
#include "base/Errors.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace renoka {

namespace fs = std::filesystem;

namespace {

std::string systemReasonUtf8(int err) {
    switch (err) {
    case ENOSPC:
        return "ディスクの空き容量がありません";
    case EACCES:
    case EPERM:
    case EROFS:
        return "書き込みが許可されていません";
    case ENOENT:
    case ENOTDIR:
        return "フォルダが見つかりません";
    default:
        return std::strerror(err);
    }
}

[[noreturn]] void fail(const char* what, const fs::path& path, int err) {
    throw FileError(sj(std::string(what)) + displayPath(path) + sj("（" + systemReasonUtf8(err) + "）"));
}

// Writes all bytes, retrying short writes.
bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

std::string tempSuffix() {
    thread_local std::mt19937_64 rng{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".tmp";
    for (int i = 0; i < 8; ++i)
        s += digits[rng() % 36];
    return s;
}

} // namespace

std::string systemErrorText(int err) {
    return sj(systemReasonUtf8(err));
}

fs::path pathUnder(const fs::path& base, std::string_view cp932Relative) {
    std::string rel = toUtf8(cp932Relative);
    for (char& c : rel)
        if (c == '\\') c = '/';
    size_t start = rel.find_first_not_of('/');
    if (start == std::string::npos) return base;
    return base / fs::path(rel.substr(start));
}

bool readWholeFile(const fs::path& path, std::string& bytes) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        fail("ファイルを読み込めません: ", path, errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fail("ファイルを読み込めません: ", path, EISDIR);
    }
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            fail("ファイルを読み込めません: ", path, err);
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

namespace {

// Writes the bytes into a new temporary file next to `path`; `flush` also forces them to disk.
fs::path writeTemporary(const fs::path& path, std::string_view bytes, bool ownerOnly, bool flush) {
    fs::path temp = path;
    temp += tempSuffix();
    mode_t mode = ownerOnly ? 0600 : 0644;
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) fail("ファイルを書き込めません: ", path, errno);
    bool ok = writeAll(fd, bytes) && (!flush || ::fsync(fd) == 0);
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ownerOnly) ::chmod(temp.c_str(), 0600);
    if (!ok) {
        ::unlink(temp.c_str());
        fail("ファイルを書き込めません: ", path, err);
    }
    return temp;
}

void replaceWith(const fs::path& temp, const fs::path& path) {
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail("ファイルを書き込めません: ", path, err);
    }
}

} // namespace

void writeFileAtomic(const fs::path& path, std::string_view bytes, bool ownerOnly) {
    replaceWith(writeTemporary(path, bytes, ownerOnly, true), path);
}

void AtomicWriteBatch::add(const fs::path& path, std::string_view bytes) {
    m_pending.push_back({path, writeTemporary(path, bytes, false, false)});
}

void AtomicWriteBatch::commit() {
    if (m_pending.empty()) return;
    // One flush of the whole file system instead of one per file: every new file is on disk before any
    // old one is replaced, which is what a flush per file gives, thousands of times faster.
    const int fd = ::open(m_pending.front().temp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
    std::exception_ptr firstError;
    for (const auto& p : m_pending) {
        try {
            replaceWith(p.temp, p.target);
        } catch (...) {
            if (!firstError) firstError = std::current_exception();
        }
    }
    m_pending.clear();
    if (firstError) std::rethrow_exception(firstError);
}

AtomicWriteBatch::~AtomicWriteBatch() {
    for (const auto& p : m_pending)
        ::unlink(p.temp.c_str());
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            ++i;
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> loadLines(const fs::path& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return {};
    return splitLines(bytes);
}

void saveLines(const fs::path& path, const std::vector<std::string>& lines, bool ownerOnly) {
    writeFileAtomic(path, joinLines(lines), ownerOnly);
}

std::string displayPath(const fs::path& path) {
    return sj(path.string());
}

} // namespace renoka
