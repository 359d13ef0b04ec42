// What the file layer says when it cannot read or write, and what it refuses to touch: every reason in Japanese,
// reading and writing told apart, and names that are not regular files (a folder, a FIFO) refused at once rather
// than opened and waited on.
#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <sys/stat.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

struct ReasonCase {
    const char* name;
    int err;
    FileAccess access;
    const char* reason; // UTF-8
};

class SystemReasonTest : public testing::TestWithParam<ReasonCase> {};

TEST_P(SystemReasonTest, IsJapaneseAndFitsTheOperation) {
    EXPECT_EQ(toUtf8(systemErrorText(GetParam().err, GetParam().access)), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Errnos, SystemReasonTest,
    testing::Values(ReasonCase{"ReadRefused", EACCES, FileAccess::Read, "読み込みが許可されていません"},
                    ReasonCase{"WriteRefused", EACCES, FileAccess::Write, "書き込みが許可されていません"},
                    ReasonCase{"ReadNotPermitted", EPERM, FileAccess::Read, "読み込みが許可されていません"},
                    ReasonCase{"ReadOnlyDisk", EROFS, FileAccess::Write, "読み取り専用の場所には書き込めません"},
                    ReasonCase{"NoFolder", ENOENT, FileAccess::Write, "フォルダが見つかりません"},
                    ReasonCase{"NoFile", ENOENT, FileAccess::Read, "ファイルが見つかりません"},
                    ReasonCase{"NotAFolder", ENOTDIR, FileAccess::Write, "途中の名前がフォルダではありません"},
                    ReasonCase{"IsAFolder", EISDIR, FileAccess::Write, "ファイルではなくフォルダです"},
                    ReasonCase{"Exists", EEXIST, FileAccess::Write, "同じ名前のファイルかフォルダがあります"},
                    ReasonCase{"DiskFull", ENOSPC, FileAccess::Write, "ディスクの空き容量がありません"},
                    ReasonCase{"Quota", EDQUOT, FileAccess::Write, "ディスクの使用量の上限を超えました"},
                    ReasonCase{"TooLarge", EFBIG, FileAccess::Write, "ファイルが大きすぎます"},
                    ReasonCase{"NameTooLong", ENAMETOOLONG, FileAccess::Read, "ファイル名が長すぎます"},
                    ReasonCase{"LinkLoop", ELOOP, FileAccess::Read, "シンボリックリンクが循環しています"},
                    ReasonCase{"TooManyOpen", EMFILE, FileAccess::Read, "開いているファイルが多すぎます"},
                    ReasonCase{"DiskError", EIO, FileAccess::Read, "ディスクの読み書きに失敗しました"},
                    ReasonCase{"Busy", ETXTBSY, FileAccess::Write, "ファイルが使用中です"},
                    ReasonCase{"Locked", EAGAIN, FileAccess::Write, "ファイルが他のプログラムに使われています"},
                    ReasonCase{"OtherDrive", EXDEV, FileAccess::Write, "別のドライブへは移せません"},
                    ReasonCase{"Unknown", 4095, FileAccess::Write, "システムのエラー（番号 4095）"}),
    [](const auto& c) { return std::string(c.param.name); });

// A real failure on a real folder: the message names the operation, the file and the reason.
struct Situation {
    const char* name;
    std::function<void(const TempDir&)> prepare;
    std::function<void(const TempDir&)> act;
    const char* expected; // UTF-8, part of the message
};

class FileSituationTest : public testing::TestWithParam<Situation> {};

TEST_P(FileSituationTest, EndsWithTheReasonInJapanese) {
    const TempDir dir;
    GetParam().prepare(dir);
    try {
        GetParam().act(dir);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(toUtf8(e.what()).find(GetParam().expected), std::string::npos) << toUtf8(e.what());
    }
}

std::string readAll(const fs::path& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FileSituationTest,
    testing::Values(Situation{
                        "ReadingAFolderSaysItIsOne", [](const TempDir& d) { fs::create_directory(d / "ErrorLog.txt"); },
                        [](const TempDir& d) { readAll(d / "ErrorLog.txt"); }, "（ファイルではなくフォルダです）"},
                    Situation{"WritingOverAFolder", [](const TempDir& d) { fs::create_directory(d / "ErrorLog.txt"); },
                              [](const TempDir& d) { writeFileAtomic(d / "ErrorLog.txt", "x"); },
                              "（ファイルではなくフォルダです）"},
                    Situation{"WritingBelowAFile", [](const TempDir& d) { writeBytes(d / "Data", "x"); },
                              [](const TempDir& d) { writeFileAtomic(d / "Data" / "a.jvRA", "x"); },
                              "（途中の名前がフォルダではありません）"},
                    Situation{"WritingIntoAMissingFolder", [](const TempDir&) {},
                              [](const TempDir& d) { writeFileAtomic(d / "Data" / "a.jvRA", "x"); },
                              "（フォルダが見つかりません）"},
                    Situation{"ANameTooLong", [](const TempDir&) {},
                              [](const TempDir& d) { writeFileAtomic(d / std::string(300, 'a'), "x"); },
                              "（ファイル名が長すぎます）"},
                    Situation{"ReadingAFifo", [](const TempDir& d) { makeFifo(d / "renoka.ini"); },
                              [](const TempDir& d) { readAll(d / "renoka.ini"); }, "（通常のファイルではありません）"},
                    Situation{"WritingOverAFifo", [](const TempDir& d) { makeFifo(d / "renoka.ini"); },
                              [](const TempDir& d) { writeFileAtomic(d / "renoka.ini", "x"); },
                              "（通常のファイルではありません）"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(FileRefusalTest, AFifoInThePlaceOfAFileIsLeftAsItWas) {
    const TempDir dir;
    makeFifo(dir / "2026年12月08日.jvRA");
    EXPECT_THROW(writeFileAtomic(dir / "2026年12月08日.jvRA", "x"), FileError);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "2026年12月08日.jvRA").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    // No temporary is left either.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

} // namespace
