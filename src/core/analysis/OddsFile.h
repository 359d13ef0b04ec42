#pragma once
// Reading a day's odds file as fixed-size records: the first record of a race, read from the start and no
// further than needed. The day files hold one record image per line; a line of the wrong length is not a
// record and is passed over without putting the records after it out of step.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace renoka {

class OddsFileReader {
public:
    enum class Result { NoFile, NotFound, Found };

    // Finds the first record of `recordSize` bytes (CR LF included) whose racecourse code (positions 20-21) and
    // race number (26-27) are `course` and `race` (two bytes each). A trailing partial record is ignored.
    // A file that exists but cannot be read is a FileError.
    Result find(const std::filesystem::path& file, size_t recordSize, std::string_view course, std::string_view race);

    // The record found by the last successful find.
    std::string_view record() const { return {m_buffer.data(), m_size}; }

private:
    // Kept from call to call: a day load reads the 83,285-byte trifecta records of 36 races.
    std::string m_buffer;
    size_t m_size = 0;
};

} // namespace renoka
