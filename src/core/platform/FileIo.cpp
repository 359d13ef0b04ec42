#include "platform/FileIo.h"

#include "base/Cp932.h"
#include "base/Errors.h"

#include <algorithm>
#include <cerrno>
#include <exception>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace renoka {

namespace fs = std::filesystem;

namespace {

std::string systemReasonUtf8(int err, FileAccess access) {
    switch (err) {
    case EACCES:
    case EPERM:
        return access == FileAccess::Read ? "読み込みが許可されていません" : "書き込みが許可されていません";
    case EROFS:
        return "読み取り専用の場所には書き込めません";
    case ENOENT:
        return access == FileAccess::Read ? "ファイルが見つかりません" : "フォルダが見つかりません";
    case ENOTDIR:
        return "途中の名前がフォルダではありません";
    case EISDIR:
        return "ファイルではなくフォルダです";
    case EEXIST:
    case ENOTEMPTY:
        return "同じ名前のファイルかフォルダがあります";
    case ENOSPC:
        return "ディスクの空き容量がありません";
    case EDQUOT:
        return "ディスクの使用量の上限を超えました";
    case EFBIG:
        return "ファイルが大きすぎます";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます";
    case ELOOP:
        return "シンボリックリンクが循環しています";
    case EMFILE:
    case ENFILE:
        return "開いているファイルが多すぎます";
    case EIO:
        return "ディスクの読み書きに失敗しました";
    case EBUSY:
    case ETXTBSY:
        return "ファイルが使用中です";
    case EAGAIN:
        return "ファイルが他のプログラムに使われています";
    case EXDEV:
        return "別のドライブへは移せません";
    case ENOMEM:
        return "メモリが不足しています";
    case EINTR:
        return "処理が中断されました";
    case ENXIO:
    case ENODEV:
        return "装置が見つかりません";
    default:
        return "システムのエラー（番号 " + std::to_string(err) + "）";
    }
}

[[noreturn]] void failWithReason(const char* what, const fs::path& path, const std::string& reasonCp932) {
    throw FileError(sj(std::string(what)) + displayPath(path) + sj("（") + reasonCp932 + sj("）"));
}

[[noreturn]] void failRead(const fs::path& path, int err) {
    failWithReason("ファイルを読み込めません: ", path, sj(systemReasonUtf8(err, FileAccess::Read)));
}

[[noreturn]] void failWrite(const fs::path& path, int err) {
    failWithReason("ファイルを書き込めません: ", path, sj(systemReasonUtf8(err, FileAccess::Write)));
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

constexpr std::string_view kTempMark = ".~renoka-";
constexpr size_t kTempLetters = 8;
constexpr std::string_view kTempAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";

std::string tempSuffix() {
    thread_local std::mt19937_64 rng{std::random_device{}()};
    std::string s(kTempMark);
    s += std::to_string(static_cast<long>(::getpid()));
    s += '-';
    for (size_t i = 0; i < kTempLetters; ++i)
        s += kTempAlphabet[rng() % kTempAlphabet.size()];
    return s;
}

bool processRunning(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

std::string systemErrorText(int err, FileAccess access) {
    return sj(systemReasonUtf8(err, access));
}

std::string notRegularFileText() {
    return sj("通常のファイルではありません");
}

bool isOwnTemporaryName(std::string_view name, long* writer) {
    const size_t mark = name.rfind(kTempMark);
    if (mark == std::string_view::npos || mark == 0) return false;
    const std::string_view rest = name.substr(mark + kTempMark.size());
    const size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10) return false;
    const std::string_view pid = rest.substr(0, dash);
    const std::string_view letters = rest.substr(dash + 1);
    if (letters.size() != kTempLetters) return false;
    for (char c : pid)
        if (c < '0' || c > '9') return false;
    for (char c : letters)
        if (kTempAlphabet.find(c) == std::string_view::npos) return false;
    if (writer) *writer = std::stol(std::string(pid));
    return true;
}

size_t removeLeftoverTemporaries(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return 0;
    const long self = static_cast<long>(::getpid());
    size_t removed = 0;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        long writer = 0;
        if (!isOwnTemporaryName(it->path().filename().native(), &writer)) continue;
        if (writer != self && processRunning(writer)) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        if (::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

fs::path folderSettingPath(std::string_view cp932) {
    std::string utf8 = toUtf8(cp932);
#ifndef _WIN32
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
#endif
    return fs::path(utf8);
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
    // Non-blocking, so that a FIFO with no writer cannot hold the open; the type is checked before any read.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        failRead(path, errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        failRead(path, err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        failRead(path, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        failWithReason("ファイルを読み込めません: ", path, notRegularFileText());
    }
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            failRead(path, err);
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

namespace {

// Writes the bytes into a new temporary file next to `path`; `flush` also forces them to disk.
// A name that exists must be a regular file (or a link to one) before it is replaced: renaming over a folder
// fails anyway, and a FIFO or device in its place is not ours to remove.
void checkReplaceable(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) failWrite(path, EISDIR);
    if (!S_ISREG(st.st_mode)) failWithReason("ファイルを書き込めません: ", path, notRegularFileText());
}

fs::path writeTemporary(const fs::path& path, std::string_view bytes, bool ownerOnly, bool flush) {
    checkReplaceable(path);
    fs::path temp = path;
    temp += tempSuffix();
    mode_t mode = ownerOnly ? 0600 : 0644;
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) failWrite(path, errno);
    bool ok = writeAll(fd, bytes) && (!flush || ::fsync(fd) == 0);
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ownerOnly) ::chmod(temp.c_str(), 0600);
    if (!ok) {
        ::unlink(temp.c_str());
        failWrite(path, err);
    }
    return temp;
}

void replaceWith(const fs::path& temp, const fs::path& path) {
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        failWrite(path, err);
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
