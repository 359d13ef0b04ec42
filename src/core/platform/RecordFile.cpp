#include "platform/RecordFile.h"

#include "platform/FileIo.h"

#include <algorithm>

namespace renoka {

RecordFile::RecordFile(const std::filesystem::path& file, size_t recordSize) : m_recordSize(recordSize) {
    load(file);
}

bool RecordFile::load(const std::filesystem::path& file) {
    m_exists = readWholeFile(file, m_bytes);
    if (!m_exists) m_bytes.clear();
    return m_exists;
}

std::string_view RecordFile::record(size_t n) const {
    if (n >= count()) return {};
    return std::string_view(m_bytes).substr(n * m_recordSize, m_recordSize);
}

std::vector<std::string_view> RecordFile::records(size_t limit) const {
    std::vector<std::string_view> out;
    const size_t n = std::min(limit, count());
    out.reserve(n);
    for (size_t i = 0; i < n; ++i)
        out.push_back(record(i));
    return out;
}

} // namespace renoka
