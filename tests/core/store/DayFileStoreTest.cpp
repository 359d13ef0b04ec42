#include "store/DayFileStore.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

// A line with the key at 12-27 and a payload after it.
std::string line(const std::string& key16, const std::string& payload, const std::string& head = "RA000000000") {
    return head + key16 + payload;
}

struct MergeCase {
    const char* name;
    std::vector<std::string> before; // empty: no file
    bool fileExists;
    std::string record;
    BlankLineRule rule;
    std::vector<std::string> after;
};
class KeyedMergeTest : public testing::TestWithParam<MergeCase> {};

TEST_P(KeyedMergeTest, ReplacesOrAddsThenSortsAndAppliesTheBlankLineRule) {
    for (bool batched : {false, true}) {
        TempDir dir;
        const auto file = dir / "f.jvRA";
        if (GetParam().fileExists) saveLines(file, GetParam().before);
        DayFileStore store;
        if (batched) store.beginBatch();
        store.keyedMerge(file, GetParam().record, GetParam().rule);
        if (batched) store.endBatch();
        EXPECT_EQ(loadLines(file), GetParam().after) << (batched ? "batched" : "direct");
    }
}

const std::string kA = "2026120805050811";
const std::string kB = "2026120805050812";
const std::string kC = "2026120809050801";

INSTANTIATE_TEST_SUITE_P(
    Files, KeyedMergeTest,
    testing::Values(
        MergeCase{"NewFileHoldsTheRecordAlone", {}, false, line(kA, "x"), BlankLineRule::DropFirst, {line(kA, "x")}},
        MergeCase{"SameKeyReplaces",
                  {line(kA, "old"), line(kB, "b")},
                  true,
                  line(kA, "new"),
                  BlankLineRule::Keep,
                  {line(kA, "new"), line(kB, "b")}},
        MergeCase{"NewKeyIsSortedIn",
                  {line(kC, "c"), line(kA, "a")},
                  true,
                  line(kB, "b"),
                  BlankLineRule::Keep,
                  {line(kA, "a"), line(kB, "b"), line(kC, "c")}},
        MergeCase{"OnlyTheFirstMatchIsReplaced",
                  {line(kA, "1"), line(kA, "2")},
                  true,
                  line(kA, "3"),
                  BlankLineRule::Keep,
                  {line(kA, "2"), line(kA, "3")}},
        MergeCase{"FirstBlankLineDropped",
                  {"   ", "", line(kB, "b")},
                  true,
                  line(kA, "a"),
                  BlankLineRule::DropFirst,
                  {"   ", line(kA, "a"), line(kB, "b")}},
        MergeCase{"BlankLineKept",
                  {"", line(kB, "b")},
                  true,
                  line(kA, "a"),
                  BlankLineRule::Keep,
                  {"", line(kA, "a"), line(kB, "b")}},
        MergeCase{"SortIsByBytesOfTheWholeLine",
                  {line(kA, "z", "SE000000000")},
                  true,
                  line(kB, "a", "HR000000000"),
                  BlankLineRule::Keep,
                  {line(kB, "a", "HR000000000"), line(kA, "z", "SE000000000")}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(KeyedMergeTest, AnotherKeyRangeCanBeUsed) {
    TempDir dir;
    const auto file = dir / "x.WE";
    DayFileStore store;
    store.keyedMerge(file, "WE1" + std::string(8, '0') + "20261208050508" + "12081000" + "1" + "A", BlankLineRule::Keep,
                     12, 23);
    store.keyedMerge(file, "WE1" + std::string(8, '0') + "20261208050508" + "12081000" + "2" + "B", BlankLineRule::Keep,
                     12, 23);
    store.keyedMerge(file, "WE1" + std::string(8, '0') + "20261208050508" + "12081000" + "1" + "C", BlankLineRule::Keep,
                     12, 23);
    auto lines = loadLines(file);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].back(), 'C');
    EXPECT_EQ(lines[1].back(), 'B');
}

TEST(RunnerFileTest, ANewFileHas216BlankLinesAndTheRecordOnItsLine) {
    TempDir dir;
    const auto file = dir / "r.jvSEr";
    DayFileStore store;
    const std::string record(553, 'S');
    store.putRunnerLine(file, 215, record);
    auto lines = loadLines(file);
    ASSERT_EQ(lines.size(), 216u);
    EXPECT_EQ(lines[215], record);
    EXPECT_EQ(lines[0], std::string(553, ' '));
    EXPECT_EQ(lines[214], std::string(553, ' '));
    EXPECT_THROW(store.putRunnerLine(file, 216, record), std::exception);
}

TEST(RunnerFileTest, AShortFileIsFilledUpBeforeTheLineIsSet) {
    TempDir dir;
    const auto file = dir / "r.jvSEr";
    saveLines(file, {std::string(553, 'A')});
    DayFileStore store;
    store.putRunnerLine(file, 20, std::string(553, 'B'));
    auto lines = loadLines(file);
    ASSERT_EQ(lines.size(), 216u);
    EXPECT_EQ(lines[0], std::string(553, 'A'));
    EXPECT_EQ(lines[20], std::string(553, 'B'));
}

TEST(DayFileStoreBatchTest, NothingIsWrittenUntilTheFlushAndEachFileOnce) {
    TempDir dir;
    DayFileStore store;
    store.beginBatch();
    store.keyedMerge(dir / "a", line(kB, "b"), BlankLineRule::Keep);
    store.keyedMerge(dir / "a", line(kA, "a"), BlankLineRule::Keep);
    store.putRunnerLine(dir / "r", 0, std::string(553, 'S'));
    EXPECT_FALSE(fs::exists(dir / "a"));
    EXPECT_TRUE(store.exists(dir / "a"));
    EXPECT_EQ(store.pendingFiles(), 2u);
    store.endBatch();
    EXPECT_EQ(loadLines(dir / "a"), (std::vector<std::string>{line(kA, "a"), line(kB, "b")}));
    EXPECT_EQ(loadLines(dir / "r").size(), 216u);
    EXPECT_FALSE(store.batching());
}

TEST(DayFileStoreBatchTest, AFileThatCannotBeWrittenLeavesTheOthersWrittenAndReportsTheError) {
    TempDir dir;
    DayFileStore store;
    store.beginBatch();
    store.keyedMerge(dir / "missing-folder" / "a", line(kA, "a"), BlankLineRule::Keep);
    store.keyedMerge(dir / "b", line(kB, "b"), BlankLineRule::Keep);
    EXPECT_THROW(store.endBatch(), std::exception);
    EXPECT_EQ(loadLines(dir / "b"), (std::vector<std::string>{line(kB, "b")}));
}

struct RewriteCase {
    const char* name;
    std::vector<std::string> before;
    std::function<void(DayFileStore&, const fs::path&)> update;
    bool rewritten;
};

void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> runnerLines() {
    std::vector<std::string> lines(216, std::string(553, ' '));
    lines[1] = line(kB, "b");
    return lines;
}

class UnchangedFileTest : public testing::TestWithParam<RewriteCase> {};

// The real-time answers repeat what they said before: an update that changes nothing must not rewrite the file.
TEST_P(UnchangedFileTest, IsNotWrittenAgain) {
    for (bool batched : {false, true}) {
        TempDir dir;
        const fs::path file = dir / "f";
        saveLines(file, GetParam().before);
        struct stat before {};
        ::stat(file.c_str(), &before);
        DayFileStore store;
        if (batched) store.beginBatch();
        GetParam().update(store, file);
        if (batched) store.endBatch();
        struct stat after {};
        ::stat(file.c_str(), &after);
        EXPECT_EQ(before.st_ino != after.st_ino, GetParam().rewritten) << (batched ? "batched" : "direct");
    }
}

const std::vector<std::string> kSorted{line(kA, "a"), line(kB, "b"), line(kC, "c")};

INSTANTIATE_TEST_SUITE_P(
    Updates, UnchangedFileTest,
    testing::Values(
        RewriteCase{"SameRecordMerged", kSorted,
                    [](DayFileStore& s, const fs::path& f) { s.keyedMerge(f, line(kB, "b"), BlankLineRule::Keep); },
                    false},
        RewriteCase{"ChangedRecordMerged", kSorted,
                    [](DayFileStore& s, const fs::path& f) { s.keyedMerge(f, line(kB, "B"), BlankLineRule::Keep); },
                    true},
        RewriteCase{"SameRecordMergedIntoAnUnsortedFile",
                    {line(kB, "b"), line(kA, "a")},
                    [](DayFileStore& s, const fs::path& f) { s.keyedMerge(f, line(kB, "b"), BlankLineRule::Keep); },
                    true},
        RewriteCase{
            "SameRecordMergedWhereABlankLineGoes",
            {std::string(10, ' '), line(kA, "a"), line(kB, "b")},
            [](DayFileStore& s, const fs::path& f) { s.keyedMerge(f, line(kB, "b"), BlankLineRule::DropFirst); },
            true},
        RewriteCase{"SameRunnerLine", runnerLines(),
                    [](DayFileStore& s, const fs::path& f) { s.putRunnerLine(f, 1, line(kB, "b")); }, false},
        RewriteCase{"OtherRunnerLine", runnerLines(),
                    [](DayFileStore& s, const fs::path& f) { s.putRunnerLine(f, 1, line(kB, "x")); }, true},
        RewriteCase{"SameNoticeReplaced", kSorted,
                    [](DayFileStore& s, const fs::path& f) {
                        s.replaceOrInsert(f, line(kA, "a"), BlankLineRule::Keep, 12, 16);
                    },
                    false},
        RewriteCase{"NewNoticeInserted", kSorted,
                    [](DayFileStore& s, const fs::path& f) {
                        s.replaceOrInsert(f, line("2026120805050813", "n"), BlankLineRule::Keep, 12, 16);
                    },
                    true}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
