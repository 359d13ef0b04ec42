#include "app/Errors.h"

#include "text/Cp932.h"

namespace renoka {

void checkIndex(long long index, long long count, const char* what) {
    if (index < 0 || index >= count)
        throw RangeError(sj(std::string("範囲外の番号です（") + what + " " + std::to_string(index) + "）"));
}

} // namespace renoka
