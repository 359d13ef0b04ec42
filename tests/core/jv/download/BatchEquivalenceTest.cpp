#include "jv/download/StoredRecordRouter.h"
#include "support/SyntheticStream.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

using namespace renoka;
using namespace renoka::test;

namespace {

std::map<std::string, std::string> filesBelow(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), root).string()] = readBytes(entry.path());
    return files;
}

void ingest(const std::vector<std::string>& stream, const fs::path& home, bool batched) {
    for (const char* sub : {"Data", "SEI", "SEIR"})
        fs::create_directories(home / sub);
    DayFileStore files;
    StoredRecordRouter router(files, home, nullptr);
    const RouteConditions conditions{20200101, "2011", true};
    std::string label;
    if (batched) files.beginBatch();
    for (const auto& line : stream)
        router.route(line, conditions, label);
    if (batched) files.endBatch();
}

TEST(BatchEquivalenceTest, KeepingFilesInMemoryWritesTheBytesThatMergingRecordByRecordWrites) {
    SyntheticStreamOptions options;
    options.days = 3;
    options.horsePool = 150; // small, so archives get many runs and keys repeat
    options.foreignEvery = 6;
    auto stream = syntheticSetupStream(options);
    // Deliver part of the stream twice, as overlapping downloads do, so lines are replaced as well as added.
    stream.insert(stream.end(), stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(stream.size() / 3));
    TempDir direct;
    TempDir batched;
    ingest(stream, direct.path(), false);
    ingest(stream, batched.path(), true);
    const auto a = filesBelow(direct.path());
    const auto b = filesBelow(batched.path());
    ASSERT_GT(a.size(), 100u);
    EXPECT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        auto it = b.find(name);
        ASSERT_NE(it, b.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name;
    }
}

} // namespace
