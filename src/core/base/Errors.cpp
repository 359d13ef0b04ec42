#include "base/Errors.h"

#include "base/Cp932.h"

#include <new>

namespace renoka {

std::string messageOfCurrentException() {
    try {
        throw;
    } catch (const RenokaError& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return sj("メモリが不足しています。");
    } catch (const std::exception& e) {
        return sj(e.what());
    } catch (...) {
        return sj("原因不明のエラーが発生しました。");
    }
}

void checkIndex(long long index, long long count, const char* what) {
    if (index < 0 || index >= count)
        throw RangeError(sj(std::string("範囲外の番号です（") + what + " " + std::to_string(index) + "）"));
}

} // namespace renoka
