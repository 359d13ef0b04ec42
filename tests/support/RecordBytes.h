#pragma once
// Writing into a record image field by field.
#include <string>
#include <string_view>

namespace renoka::test {

// Writes CP932 bytes at a 1-based position.
inline void put(std::string& record, int pos, std::string_view bytes) {
    record.replace(static_cast<size_t>(pos - 1), bytes.size(), bytes);
}

} // namespace renoka::test
