#pragma once
// The demo provider of the default options (start 2026-12-05, a Saturday; two race days; seed 1), made once
// per test run and read back file by file.
#include "jv/demo/DemoProvider.h"
#include "support/TempDir.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace renoka::test {

struct DemoFolder {
    std::filesystem::path root;
    demo::DemoSummary summary;
    std::map<std::string, std::string> bytes;              // relative path -> whole file
    std::map<std::string, std::vector<std::string>> lines; // relative path -> record lines

    // Files whose relative path starts with `prefix` and contains `part`.
    std::vector<std::string> paths(std::string_view prefix, std::string_view part = "") const;
    // Every record of `type` in the files `paths(prefix, part)`.
    std::vector<std::string> records(std::string_view type, std::string_view prefix, std::string_view part = "") const;
};

// The shared demo folder: the run's, made by the test fixture, when RENOKA_TEST_DEMO names it; else made once
// per process.
const DemoFolder& demoFolder();
// Reads a generated folder.
DemoFolder readDemoFolder(const std::filesystem::path& root);

// Record length without CR LF, by record type; 0 for an unknown type.
int recordBytes(std::string_view type);

} // namespace renoka::test
