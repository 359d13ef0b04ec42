// createDataService: the program gets a working simulator over the provider folder its settings name.
#include "app/Startup.h"
#include "base/Cp932.h"
#include "core/jv/sim/SimProvider.h"
#include "frame/IniFile.h"
#include "jv/SoftwareId.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

const FakeClock startClock{"2026-12-08 09:00:00"};

int32_t storedReadCount(JvLink& link) {
    EXPECT_EQ(link.JVInit(softwareIdentifier()), 0);
    int32_t readCount = -9, downloadCount = -9;
    std::u16string stamp;
    const int32_t r = link.JVOpen(u"RACEMING", u"20000101000000", 3, readCount, downloadCount, stamp);
    link.JVClose();
    return r == 0 ? readCount : r;
}

void storeFiles(const std::filesystem::path& provider, int n) {
    for (int i = 0; i < n; ++i)
        writeBytes(provider / "stored" / ("2026120100000" + std::to_string(i) + "-f.txt"), "RA\r\n");
}

TEST(SimStartupTest, WithoutASettingTheProviderIsInTheProgramFolder) {
    TempDir programDir;
    storeFiles(programDir / "provider", 2);
    auto link = std::move(createDataService(programDir.path(), startClock).link);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(storedReadCount(*link), 2);
}

TEST(SimStartupTest, AMissingProviderFolderStillGivesAWorkingControl) {
    TempDir programDir;
    auto link = std::move(createDataService(programDir.path(), startClock).link);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(storedReadCount(*link), -1);
    ASSERT_EQ(link->JVRTOpen(u"0B12", u"20261208"), 0);
    std::u16string buffer, fileName;
    int32_t size = 60000;
    EXPECT_EQ(link->JVRead(buffer, size, fileName), 0);
}

struct SettingCase {
    const char* name;
    std::string value;  // UTF-8; "$OTHER" stands for the other folder's absolute path
    std::string folder; // where the files are, below the other folder
};

void PrintTo(const SettingCase& c, std::ostream* os) {
    *os << c.name;
}

class SimStartupSettingTest : public testing::TestWithParam<SettingCase> {};

TEST_P(SimStartupSettingTest, TheSettingNamesTheProvider) {
    TempDir programDir;
    TempDir other;
    storeFiles(programDir / "provider", 1);
    std::string value = GetParam().value;
    if (const size_t at = value.find("$OTHER"); at != std::string::npos) value.replace(at, 6, other.path().string());
    const std::filesystem::path where =
        GetParam().folder.empty() ? programDir / "sim" / "data" : other / GetParam().folder;
    storeFiles(where, 3);
    IniFile(programDir / "renoka.ini").writeString("Sim", "Provider", sj(value));
    auto link = std::move(createDataService(programDir.path(), startClock).link);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(storedReadCount(*link), 3);
}

INSTANTIATE_TEST_SUITE_P(Values, SimStartupSettingTest,
                         testing::Values(SettingCase{"absolute", "$OTHER/データ", "データ"},
                                         SettingCase{"relative", "sim/data", ""},
                                         SettingCase{"backslashes", "sim\\data", ""},
                                         SettingCase{"quoted", "\"$OTHER/my provider\"", "my provider"}));

} // namespace

namespace {

TEST(DemoOnFirstStartTest, IsMadeOnceAndOnlyWhenNoProviderIsConfigured) {
    TempDir programDir;
    const FakeClock today{"2026-12-12 08:00:00"};
    EXPECT_TRUE(ensureDemoProvider(programDir.path(), today));
    EXPECT_TRUE(std::filesystem::exists(programDir / "provider" / "provider.ini"));
    EXPECT_FALSE(ensureDemoProvider(programDir.path(), today));

    TempDir configured;
    writeBytes(configured / "renoka.ini", "[Sim]\r\nProvider=elsewhere\r\n");
    EXPECT_FALSE(ensureDemoProvider(configured.path(), today));
    EXPECT_FALSE(std::filesystem::exists(configured / "provider"));
    EXPECT_EQ(providerFolder(configured.path()), configured / "elsewhere");
}

} // namespace
