#pragma once
// Reading a day's odds file as fixed-size records: the first record of a race. The day files hold one record
// image per line; a line of the wrong length is not a record and is passed over without putting the records after
// it out of step. A file is read and gone through once while it stays unchanged: every later look is a lookup.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace renoka {

class OddsFileReader {
public:
    enum class Result { NoFile, NotFound, Found };

    // Finds the first record of `recordSize` bytes (CR LF included) whose racecourse code (positions 20-21) and
    // race number (26-27) are `course` and `race` (two bytes each). A trailing partial record is ignored.
    // A file that exists but cannot be read is a FileError.
    Result find(const std::filesystem::path& file, size_t recordSize, std::string_view course, std::string_view race);

    // The record found by the last successful find (valid until the next find).
    std::string_view record() const { return m_found; }

private:
    // A day load looks for 36 races in each of the six odds files: each file is read once and kept while it is
    // unchanged on disk (same size, inode and modification time), instead of being read again for every race.
    static constexpr size_t kCachedFiles = 6;
    struct CachedFile {
        std::filesystem::path path;
        long long size = -1;
        unsigned long long inode = 0;
        long long mtimeSec = 0;
        long long mtimeNsec = 0;
        std::string bytes;
        // Where the first record of each race starts (racecourse and race as one key), for records of
        // `indexedSize` bytes; made by one pass over the file at the first look for that size.
        size_t indexedSize = 0;
        std::unordered_map<uint32_t, size_t> firstRecord;
    };
    // The file as it is on disk now, or null when it does not exist.
    CachedFile* contents(const std::filesystem::path& file);
    static void index(CachedFile& file, size_t recordSize);

    std::vector<CachedFile> m_files;
    std::string_view m_found;
};

} // namespace renoka
