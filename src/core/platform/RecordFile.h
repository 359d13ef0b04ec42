#pragma once
// Day files read the way the intakes read them: as fixed-size records, not as lines. A record image carries its
// own CR LF, so record n starts at byte n * size whatever bytes the record holds.
#include <cstddef>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

class RecordFile {
public:
    // Reads the whole file. A missing file leaves the record list empty and `exists()` false; any other failure
    // to read is a FileError.
    RecordFile(const std::filesystem::path& file, size_t recordSize);
    // Nothing read yet: load() fills it.
    explicit RecordFile(size_t recordSize) : m_recordSize(recordSize) {}

    // Reads another file into the same buffer, which then needs no new allocation for files no larger than the
    // largest read before. False when the file does not exist (no records then).
    bool load(const std::filesystem::path& file);

    bool exists() const { return m_exists; }
    // Whole records only: a trailing partial record is not counted.
    size_t count() const { return m_recordSize ? m_bytes.size() / m_recordSize : 0; }
    // Record n (0-based); empty when n is beyond the last whole record.
    std::string_view record(size_t n) const;
    // The first `limit` whole records.
    std::vector<std::string_view> records(size_t limit = std::numeric_limits<size_t>::max()) const;
    // The file's bytes as read.
    std::string_view bytes() const { return m_bytes; }

private:
    bool m_exists = false;
    size_t m_recordSize;
    std::string m_bytes;
};

} // namespace renoka
