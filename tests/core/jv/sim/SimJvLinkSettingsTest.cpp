// The simulator's settings: the dialog a front end hands in through uiProperties, and the folder and speed it
// changes, which the next open must follow.
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

class SimJvLinkSettingsTest : public testing::Test {
protected:
    int32_t open() { return link.JVOpen(u"RACEMING", u"20261130000000", 1, readCount, downloadCount, stamp); }

    SimProvider first;
    SimProvider second;
    FakeClock clock{"2026-12-08 12:00:00"};
    SimJvLink link{first.root(), clock};
    int32_t readCount = 0, downloadCount = 0;
    std::u16string stamp;
};

TEST_F(SimJvLinkSettingsTest, TheDialogsAnswerIsTheCallsAnswer) {
    int shown = 0;
    int32_t answer = 0;
    link.uiProperties = [&] {
        ++shown;
        return answer;
    };
    EXPECT_EQ(link.JVSetUIProperties(), 0);
    answer = -100;
    EXPECT_EQ(link.JVSetUIProperties(), -100);
    EXPECT_EQ(shown, 2);
}

TEST_F(SimJvLinkSettingsTest, AFolderChosenInTheDialogServesTheNextOpen) {
    first.stored("20261201090000", "a", {recordLine("RA", "1", 40)});
    second.stored("20261202090000", "b", {recordLine("RA", "1", 40), recordLine("SE", "2", 40)});
    second.stored("20261203090000", "c", {recordLine("RA", "3", 40)});
    link.setFilesPerSecond(0);
    ASSERT_EQ(link.JVInit(softwareIdentifier()), 0);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readCount, 1);
    ASSERT_EQ(link.JVClose(), 0);

    link.uiProperties = [&] {
        link.setProviderFolder(second.root());
        return 0;
    };
    ASSERT_EQ(link.JVSetUIProperties(), 0);
    EXPECT_EQ(link.providerFolder(), second.root());
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(readCount, 2);
    EXPECT_EQ(stamp, u"20261203090000");
    const ReadLog log = readAll(link);
    EXPECT_EQ(log.records.size(), 3u);
}

TEST_F(SimJvLinkSettingsTest, TheDialogsSpeedOverridesTheProvidersUntilCleared) {
    EXPECT_EQ(link.filesPerSecond(), 40);
    first.providerIni("[download]\nfilesPerSecond=7 ; slow line\n");
    EXPECT_EQ(link.filesPerSecond(), 7);
    link.setFilesPerSecond(0);
    EXPECT_EQ(link.filesPerSecond(), 0);
    link.setFilesPerSecond(std::nullopt);
    EXPECT_EQ(link.filesPerSecond(), 7);
}

} // namespace
