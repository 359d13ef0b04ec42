#include "analysis/OddsFile.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace renoka {

namespace {

[[noreturn]] void failRead(const std::filesystem::path& file, int err) {
    throw FileError(sj("ファイルを読み込めません: ") + displayPath(file) + sj("（") + systemErrorText(err) + sj("）"));
}

} // namespace

OddsFileReader::Result OddsFileReader::find(const std::filesystem::path& file, size_t recordSize,
                                            std::string_view course, std::string_view race) {
    m_found = {};
    if (recordSize < 27 || course.size() != 2 || race.size() != 2) return Result::NotFound;
    const std::string_view data = contents(file);
    if (data.data() == nullptr) return Result::NoFile;

    // Records are looked at in place. Outside a line that is too long, `pos` is always the start of a line.
    size_t pos = 0;
    bool inLongLine = false;
    while (pos + recordSize <= data.size()) {
        const char* chunk = data.data() + pos;
        const size_t searched = inLongLine ? recordSize : recordSize - 1;
        const auto* lineEnd = static_cast<const char*>(std::memchr(chunk, '\n', searched));
        if (!inLongLine && !lineEnd && chunk[recordSize - 2] == '\r' && chunk[recordSize - 1] == '\n') {
            if (std::memcmp(chunk + 19, course.data(), 2) == 0 && std::memcmp(chunk + 25, race.data(), 2) == 0) {
                m_found = std::string_view(chunk, recordSize);
                return Result::Found;
            }
            pos += recordSize;
        } else if (!lineEnd) {
            // The chunk ends inside a line longer than a record, or exactly at the end of a line that lacks its CR.
            inLongLine = chunk[recordSize - 1] != '\n';
            pos += recordSize;
        } else {
            // A shorter line: drop it and go on from the next line.
            pos += static_cast<size_t>(lineEnd - chunk) + 1;
            inLongLine = false;
        }
    }
    return Result::NotFound;
}

std::string_view OddsFileReader::contents(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        failRead(file, errno);
    }
    for (auto& cached : m_files) {
        if (cached.path != file) continue;
        const bool unchanged = cached.size == st.st_size && cached.inode == st.st_ino &&
                               cached.mtimeSec == st.st_mtim.tv_sec && cached.mtimeNsec == st.st_mtim.tv_nsec;
        if (!unchanged) {
            if (!readWholeFile(file, cached.bytes)) return {};
            cached.size = st.st_size;
            cached.inode = st.st_ino;
            cached.mtimeSec = st.st_mtim.tv_sec;
            cached.mtimeNsec = st.st_mtim.tv_nsec;
        }
        return std::string_view(cached.bytes.data() ? cached.bytes.data() : "", cached.bytes.size());
    }
    // The six odds files of the loaded day are kept; a file of another day replaces the oldest entry.
    if (m_files.size() >= kCachedFiles) m_files.erase(m_files.begin());
    CachedFile& added = m_files.emplace_back();
    added.path = file;
    if (!readWholeFile(file, added.bytes)) {
        m_files.pop_back();
        return {};
    }
    added.size = st.st_size;
    added.inode = st.st_ino;
    added.mtimeSec = st.st_mtim.tv_sec;
    added.mtimeNsec = st.st_mtim.tv_nsec;
    return std::string_view(added.bytes.data() ? added.bytes.data() : "", added.bytes.size());
}

} // namespace renoka
