#include "DemoFolder.h"

#include "platform/FileIo.h"

#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace renoka::test {

std::vector<std::string> DemoFolder::paths(std::string_view prefix, std::string_view part) const {
    std::vector<std::string> out;
    for (const auto& [path, _] : lines)
        if (path.rfind(prefix, 0) == 0 && path.find(part) != std::string::npos) out.push_back(path);
    return out;
}

std::vector<std::string> DemoFolder::records(std::string_view type, std::string_view prefix,
                                             std::string_view part) const {
    std::vector<std::string> out;
    for (const auto& path : paths(prefix, part))
        for (const auto& line : lines.at(path))
            if (line.compare(0, 2, type) == 0) out.push_back(line);
    return out;
}

DemoFolder readDemoFolder(const std::filesystem::path& root) {
    DemoFolder folder;
    folder.root = root;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string rel = std::filesystem::relative(entry.path(), root).generic_string();
        std::string data;
        readWholeFile(entry.path(), data);
        folder.lines[rel] = splitLines(data);
        folder.bytes[rel] = std::move(data);
    }
    return folder;
}

const DemoFolder& demoFolder() {
    static const std::unique_ptr<TempDir> dir = std::make_unique<TempDir>();
    static const DemoFolder folder = [] {
        // The run's shared demo, made once by the test fixture before the suites (tests/CMakeLists.txt).
        if (const char* shared = std::getenv("RENOKA_TEST_DEMO"); shared && *shared) {
            const std::filesystem::path root(shared);
            DemoFolder f = readDemoFolder(root / "provider");
            std::ifstream summary(root / "summary.txt");
            summary >> f.summary.files >> f.summary.bytes >> f.summary.races >> f.summary.runners >> f.summary.horses;
            if (!summary) throw std::runtime_error("the shared demo has no summary.txt: " + root.string());
            return f;
        }
        // Run by hand: made here, once per process.
        demo::DemoOptions options;
        options.out = dir->path() / "provider";
        options.start = demo::DemoDate{2026, 12, 5};
        DemoFolder f;
        const demo::DemoSummary summary = demo::makeDemoProvider(options);
        f = readDemoFolder(options.out);
        f.summary = summary;
        return f;
    }();
    return folder;
}

int recordBytes(std::string_view type) {
    static const std::map<std::string, int, std::less<>> lengths = {
        {"RA", 1272},  {"SE", 555}, {"HR", 719}, {"O1", 962}, {"O2", 2042}, {"O3", 2654}, {"O4", 4031}, {"O5", 12293},
        {"O6", 83285}, {"DM", 303}, {"TM", 141}, {"WH", 847}, {"WE", 42},   {"TC", 45},   {"AV", 78}};
    const auto it = lengths.find(type);
    return it == lengths.end() ? 0 : it->second - 2;
}

} // namespace renoka::test
