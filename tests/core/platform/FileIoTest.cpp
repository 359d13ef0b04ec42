#include "platform/FileIo.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
};
class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitLinesTest,
                         testing::Values(SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\nb", {"a", "b"}},
                                         SplitCase{"a\rb\r", {"a", "b"}}, SplitCase{"\r\n\r\n", {"", ""}},
                                         SplitCase{"", {}},
                                         SplitCase{std::string("x\0y\n", 4), {std::string("x\0y", 3)}}));

TEST(FileIoTest, AnAtomicWriteReplacesTheFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    writeFileAtomic(dir / "a.txt", "old");
    writeFileAtomic(dir / "a.txt", "new");
    EXPECT_EQ(readBytes(dir / "a.txt"), "new");
    int count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
        ++count;
    EXPECT_EQ(count, 1);
}

TEST(FileIoTest, AFailedWriteKeepsTheOldFileAndSaysWhyInJapanese) {
    TempDir dir;
    writeFileAtomic(dir / "a.txt", "old");
    try {
        writeFileAtomic(dir / "missing" / "a.txt", "new");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(toUtf8(e.what()).find("ファイルを書き込めません"), std::string::npos);
    }
    EXPECT_EQ(readBytes(dir / "a.txt"), "old");
}

TEST(FileIoTest, AFullDiskKeepsTheOldFile) {
    // /dev/full answers every write with "no space left"; a file in a folder we can rename into is needed, so
    // emulate the full disk with a file size limit instead when /dev/full is not usable here.
    TempDir dir;
    writeFileAtomic(dir / "a.txt", "old");
    std::string huge(1 << 20, 'x');
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(writeFileAtomic(dir / "a.txt", huge), FileError);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(readBytes(dir / "a.txt"), "old");
}

TEST(FileIoTest, Cp932RelativePathsBecomeUtf8NamesBelowTheBase) {
    const fs::path base = "/home/p";
    EXPECT_EQ(pathUnder(base, sj("\\Data\\2026年12月08日.jvRA")), fs::path("/home/p/Data/2026年12月08日.jvRA"));
    EXPECT_EQ(pathUnder(base, "SEI/2022/2022100001.jvSEI"), fs::path("/home/p/SEI/2022/2022100001.jvSEI"));
    EXPECT_EQ(loadLines("/nonexistent/file").size(), 0u);
}

} // namespace
