// The voting plug-in built with the program is found where the build and the installation put it.
#include "frame/InstalledPrograms.h"
#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

const char* const kPluginKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV投票プラグイン２_is1";

struct PlaceCase {
    const char* name;
    const char* executable; // the running program's folder, below the temporary folder
    const char* plugin;     // where the plug-in folder is, or "" for none
    const char* found;      // expected, or "" for nothing
};

class InstalledProgramsTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(InstalledProgramsTest, ThePluginFolderIsFoundBesideTheProgramOrUpToTwoLevelsAbove) {
    const PlaceCase& c = GetParam();
    TempDir dir;
    std::filesystem::create_directories(dir / c.executable);
    if (*c.plugin) writeBytes(dir / c.plugin / InstalledPrograms::pluginExecutable(), "#!/bin/sh\n");
    const InstalledPrograms programs(dir / c.executable);
    const std::string expected = *c.found ? displayPath(dir / c.found) : std::string();
    EXPECT_EQ(programs.appPath(sj(kPluginKey)), expected);
    // Nothing else is installed with the program.
    EXPECT_EQ(programs.appPath(sj("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV投票プラグイン_is1")),
              "");
}

INSTANTIATE_TEST_SUITE_P(
    Places, InstalledProgramsTest,
    testing::Values(PlaceCase{"installed", "bin", "bin/vote-plugin", "bin/vote-plugin"},
                    PlaceCase{"guiBuild", "build", "build/vote-plugin", "build/vote-plugin"},
                    PlaceCase{"cliBuild", "build/src/cli", "build/vote-plugin", "build/vote-plugin"},
                    PlaceCase{"tooFarUp", "a/b/c/d", "vote-plugin", ""}, PlaceCase{"none", "bin", "", ""}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
