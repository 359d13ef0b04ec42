#include "jv/SoftwareId.h"

#include "base/Cp932.h"

namespace renoka {

int32_t checkSoftwareId(const std::u16string& softwareId) {
    if (softwareId.empty()) return -101;
    // The control counts the identifier in bytes of the 8-bit code page, not in characters.
    if (fromUtf16(softwareId).size() >= 64) return -102;
    if (softwareId.front() == u' ') return -103;
    return 0;
}

} // namespace renoka
