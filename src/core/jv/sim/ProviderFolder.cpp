#include "jv/sim/ProviderFolder.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <system_error>

namespace renoka {

namespace {

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// The files of one folder whose names pass `stampOf` (which returns the stamp, or empty to skip the file),
// ordered by name: every name begins with its stamp, so name order is time order.
template <typename StampOf> std::vector<ProviderFile> listFolder(const std::filesystem::path& folder, StampOf stampOf) {
    std::vector<ProviderFile> files;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return files;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code sizeError;
        if (!it->is_regular_file(sizeError)) continue;
        std::string stamp = stampOf(it->path().filename().string());
        if (stamp.empty()) continue;
        const std::uintmax_t size = it->file_size(sizeError);
        if (sizeError) continue;
        files.push_back({it->path(), std::move(stamp), size});
    }
    std::sort(files.begin(), files.end(),
              [](const ProviderFile& a, const ProviderFile& b) { return a.path.filename() < b.path.filename(); });
    return files;
}

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

} // namespace

bool isDayKey(std::string_view text) {
    return text.size() == 8 && allDigits(text) &&
           QDate::isValid(number(text.substr(0, 4)), number(text.substr(4, 2)), number(text.substr(6, 2)));
}

bool isTimeStamp(std::string_view text) {
    return text.size() == 14 && allDigits(text) && isDayKey(text.substr(0, 8)) &&
           QTime::isValid(number(text.substr(8, 2)), number(text.substr(10, 2)), number(text.substr(12, 2)));
}

std::vector<ProviderFile> ProviderFolder::storedFiles() const {
    return listFolder(m_root / "stored", [](const std::string& name) {
        if (name.size() < 19 || name[14] != '-' || !endsWith(name, ".txt")) return std::string();
        std::string stamp = name.substr(0, 14);
        return isTimeStamp(stamp) ? stamp : std::string();
    });
}

std::vector<ProviderFile> ProviderFolder::realtimeFiles(std::string_view spec, std::string_view key,
                                                        std::string_view notAfter) const {
    const std::filesystem::path folder = m_root / "realtime" / std::string(spec) / std::string(key);
    return listFolder(folder, [notAfter](const std::string& name) {
        if (name.size() != 18 || !endsWith(name, ".txt")) return std::string();
        std::string stamp = name.substr(0, 14);
        // Fixed-width digit stamps compare in time order as text.
        return isTimeStamp(stamp) && stamp <= notAfter ? stamp : std::string();
    });
}

} // namespace renoka
