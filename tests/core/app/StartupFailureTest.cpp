// A program folder whose settings file or error log is not a file the program can use: start-up ends with the
// reason in Japanese, the log keeps the line where it can, and nothing waits on a FIFO.
#include "app/Startup.h"
#include "base/Cp932.h"
#include "support/CliRun.h"
#include "support/Fifo.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

struct BrokenFolder {
    const char* name;
    std::function<void(const fs::path&)> spoil;
    const char* reason; // UTF-8
    bool logged;        // whether ErrorLog.txt can take the line
};

class StartupFailureTest : public testing::TestWithParam<BrokenFolder> {};

TEST_P(StartupFailureTest, EndsWithTheReasonAndLogsIt) {
    FormFixture fixture;
    GetParam().spoil(fixture.dir.path());
    const StartedProgram program =
        startProgram(fixture.dir.path(), FrontEndPorts{fixture.desktop, fixture.clock, fixture.sound,
                                                       fixture.noRegistry, fixture.uiThread});
    EXPECT_FALSE(program.form);
    const std::string failure = toUtf8(program.failure);
    EXPECT_NE(failure.find(GetParam().reason), std::string::npos) << failure;
    if (GetParam().logged) {
        const std::string log = toUtf8(readBytes(fixture.dir / "ErrorLog.txt"));
        EXPECT_NE(log.find("【エラー】09:00:00：" + failure), std::string::npos) << log;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StartupFailureTest,
    testing::Values(BrokenFolder{"SettingsFileIsAFolder",
                                 [](const fs::path& d) { fs::create_directory(d / "renoka.ini"); },
                                 "renoka.ini（ファイルではなくフォルダです）", true},
                    BrokenFolder{"SettingsFileIsAFifo", [](const fs::path& d) { makeFifo(d / "renoka.ini"); },
                                 "renoka.ini（通常のファイルではありません）", true},
                    BrokenFolder{"ErrorLogIsAFifo", [](const fs::path& d) { makeFifo(d / "ErrorLog.txt"); },
                                 "ErrorLog.txt（通常のファイルではありません）", false},
                    BrokenFolder{"ErrorLogIsAFolder",
                                 [](const fs::path& d) { fs::create_directory(d / "ErrorLog.txt"); },
                                 "ErrorLog.txt（ファイルではなくフォルダです）", false},
                    BrokenFolder{"DataIsAFile", [](const fs::path& d) { writeBytes(d / "Data", "x"); },
                                 "Data（同じ名前のファイルかフォルダがあります）", true}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(StartupFailureTest, TheCommandLineEndsCleanlyWithTheMessageInJapanese) {
    TempDir dir;
    fs::create_directory(dir / "renoka.ini");
    const CliRun run = runCliCaptured({"--home", dir.path().string(), "version"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("ファイルを読み込めません: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("（ファイルではなくフォルダです）"), std::string::npos) << run.err;
}

} // namespace
