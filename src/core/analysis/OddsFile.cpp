#include "analysis/OddsFile.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace renoka {

namespace {

[[noreturn]] void failOddsRead(const std::filesystem::path& file, int err) {
    throw FileError(sj("ファイルを読み込めません: ") + displayPath(file) + sj("（") + systemErrorText(err) + sj("）"));
}

} // namespace

namespace {

uint32_t raceKey(const char* course, const char* race) {
    return static_cast<uint32_t>(static_cast<unsigned char>(course[0])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(course[1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(race[0])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(race[1]));
}

} // namespace

OddsFileReader::Result OddsFileReader::find(const std::filesystem::path& file, size_t recordSize,
                                            std::string_view course, std::string_view race) {
    m_found = {};
    if (recordSize < 27 || course.size() != 2 || race.size() != 2) return Result::NotFound;
    CachedFile* cached = contents(file);
    if (!cached) return Result::NoFile;
    if (cached->indexedSize != recordSize) index(*cached, recordSize);
    const auto it = cached->firstRecord.find(raceKey(course.data(), race.data()));
    if (it == cached->firstRecord.end()) return Result::NotFound;
    m_found = std::string_view(cached->bytes.data() + it->second, recordSize);
    return Result::Found;
}

void OddsFileReader::index(CachedFile& file, size_t recordSize) {
    file.firstRecord.clear();
    file.indexedSize = recordSize;
    const std::string_view data = file.bytes;
    // Records are looked at in place. Outside a line that is too long, `pos` is always the start of a line.
    size_t pos = 0;
    bool inLongLine = false;
    while (pos + recordSize <= data.size()) {
        const char* chunk = data.data() + pos;
        const size_t searched = inLongLine ? recordSize : recordSize - 1;
        const auto* lineEnd = static_cast<const char*>(std::memchr(chunk, '\n', searched));
        if (!inLongLine && !lineEnd && chunk[recordSize - 2] == '\r' && chunk[recordSize - 1] == '\n') {
            // The first record of a race is the one found; later ones of the same race are not.
            file.firstRecord.emplace(raceKey(chunk + 19, chunk + 25), pos);
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
}

OddsFileReader::CachedFile* OddsFileReader::contents(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return nullptr;
        failOddsRead(file, errno);
    }
    for (auto& cached : m_files) {
        if (cached.path != file) continue;
        const bool unchanged = cached.size == st.st_size && cached.inode == st.st_ino &&
                               cached.mtimeSec == st.st_mtim.tv_sec && cached.mtimeNsec == st.st_mtim.tv_nsec;
        if (!unchanged) {
            if (!readWholeFile(file, cached.bytes)) return nullptr;
            cached.size = st.st_size;
            cached.inode = st.st_ino;
            cached.mtimeSec = st.st_mtim.tv_sec;
            cached.mtimeNsec = st.st_mtim.tv_nsec;
            cached.indexedSize = 0;
        }
        return &cached;
    }
    // The six odds files of the loaded day are kept; a file of another day replaces the oldest entry.
    if (m_files.size() >= kCachedFiles) m_files.erase(m_files.begin());
    CachedFile& added = m_files.emplace_back();
    added.path = file;
    if (!readWholeFile(file, added.bytes)) {
        m_files.pop_back();
        return nullptr;
    }
    added.size = st.st_size;
    added.inode = st.st_ino;
    added.mtimeSec = st.st_mtim.tv_sec;
    added.mtimeNsec = st.st_mtim.tv_nsec;
    return &added;
}

} // namespace renoka
