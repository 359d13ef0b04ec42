#pragma once
// A provider folder written by hand for the simulator's tests, and a read loop that records what JVRead gives.
#include "base/Cp932.h"
#include "jv/JvLink.h"
#include "support/TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace renoka::test {

// A record line as a provider file holds it (no CR LF): the type, a tag that tells records apart, blanks up to
// `length` bytes including the CR LF the record gets when delivered.
inline std::string recordLine(std::string_view type, std::string_view tag, size_t length) {
    std::string line = std::string(type) + std::string(tag);
    line.resize(length - 2, ' ');
    return line;
}

class SimProvider {
public:
    std::filesystem::path root() const { return m_dir.path() / "provider"; }
    const TempDir& dir() const { return m_dir; }

    // stored/<stamp>-<name>.txt with the lines, each ending in CR LF.
    std::filesystem::path stored(const std::string& stamp, const std::string& name,
                                 const std::vector<std::string>& lines) {
        auto file = root() / "stored" / (stamp + "-" + name + ".txt");
        writeBytes(file, crLfLines(lines));
        return file;
    }
    // realtime/<spec>/<key>/<stamp>.txt
    std::filesystem::path realtime(const std::string& spec, const std::string& key, const std::string& stamp,
                                   const std::vector<std::string>& lines) {
        auto file = root() / "realtime" / spec / key / (stamp + ".txt");
        writeBytes(file, crLfLines(lines));
        return file;
    }
    void faults(const std::string& text) { writeBytes(root() / "faults.ini", text); }
    void providerIni(const std::string& text) { writeBytes(root() / "provider.ini", text); }

    static std::string crLfLines(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& l : lines)
            bytes += l + "\r\n";
        return bytes;
    }

private:
    TempDir m_dir;
};

// What a read loop saw: every result in order, and the records (CP932, CR LF kept) with their sizes and files.
struct ReadLog {
    std::vector<int32_t> results;
    std::vector<std::string> records;
    std::vector<int32_t> sizes;
    std::vector<std::string> fileNames;

    int count(int32_t result) const {
        int n = 0;
        for (int32_t r : results)
            n += r == result ? 1 : 0;
        return n;
    }
};

// Reads until 0, an error below -3, or `maxCalls` calls (-3 answers are retried and logged).
inline ReadLog readAll(JvLink& link, int maxCalls = 10000) {
    ReadLog log;
    std::u16string buffer, fileName;
    int32_t size = 100000;
    for (int i = 0; i < maxCalls; ++i) {
        const int32_t r = link.JVRead(buffer, size, fileName);
        log.results.push_back(r);
        if (r > 0) {
            log.records.push_back(fromUtf16(buffer));
            log.sizes.push_back(size);
            log.fileNames.push_back(fromUtf16(fileName));
        }
        if (r == 0 || r < -3) break;
    }
    return log;
}

} // namespace renoka::test
