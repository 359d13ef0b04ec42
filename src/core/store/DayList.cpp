#include "store/DayList.h"

#include "base/Cp932.h"

#include <algorithm>
#include <ranges>
#include <system_error>

namespace renoka {

std::vector<std::string> listDays(const std::filesystem::path& dataFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dataFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto& path = it->path();
        if (path.extension() != ".jvRA" || !it->is_regular_file(ec)) continue;
        names.push_back(sj(path.filename().string()));
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> days;
    days.reserve(names.size());
    // The day name is the first 14 bytes of the file name.
    for (const std::string& name : std::views::reverse(names))
        days.push_back(name.substr(0, 14));
    return days;
}

} // namespace renoka
