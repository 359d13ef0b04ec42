// A timer that fires inside a read loop and starts a fetch meets the open stream (-202): the failure is reported
// like any open failure, the stream being read is not disturbed, and the next tick fetches.
#include "base/Cp932.h"
#include "core/jv/LiveDayFixture.h"
#include "core/jv/sim/SimProvider.h"
#include "jv/SoftwareId.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "jv/sim/SimJvLink.h"
#include "store/RecordSizes.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

// A record line of Nakayama ("06") on 2026-12-08 as the provider keeps it.
std::string record(const char* type, size_t length, int race, const std::string& tail) {
    std::string l = std::string(type) + "2" + "20261208" + "20261208060503" + fmt("%02d", race) + tail;
    l.resize(length - 2, ' ');
    return l;
}

TEST(TimerInsideReadTest, AnOddsRoundStartedInsideAMiningReadIsRefusedAndRetriedAtTheNextTick) {
    SimProvider provider;
    provider.realtime("0B13", "20261208", "20261208084000",
                      {record("DM", records::DM, 1, "0840"), record("DM", records::DM, 2, "0840"),
                       record("DM", records::DM, 3, "0840")});
    provider.realtime("0B30", "2026120806050301", "20261208094000", {record("O1", records::O1, 1, "12080940")});
    LiveDayFixture f(false);
    FakeClock& clock = f.clock;
    clock.set("2026-12-08 09:40:10");
    SimJvLink sim(provider.root(), clock);
    ASSERT_EQ(sim.JVInit(softwareIdentifier()), 0);
    f.setUp(&sim, false);
    f.setRaces({{"06", 1, "0950"}});
    f.store().setOzGetTimes(0, 10);
    TMainForm& main = f.main();
    int turns = 0;
    f.desktop.onProcessEvents = [&] {
        // The second record of the mining stream: a tick of the automatic odds comes in between.
        if (++turns == 3) main.runHandler([&] { main.acquisition().Timer1Timer(); }, true);
    };
    main.runHandler(
        [&] {
            const FlagScope quiet(main.quiet.QuietMining);
            main.fetches().GetDMBtnClick();
        },
        true);

    const std::string refused =
        "中山 1R:前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）(-202)";
    EXPECT_EQ(f.loggedErrors(), std::vector<std::string>{refused});
    EXPECT_EQ(loadLines(f.dir / "Data" / "2026年12月08日.jvDM").size(), 3u) << "the mining read went on to its end";
    EXPECT_FALSE(main.AutoOddsBusy);
    EXPECT_TRUE(trimView(f.store().odds(1, 0)).empty());

    // The next tick, with no stream open, fetches the odds.
    f.desktop.onProcessEvents = nullptr;
    clock.advanceSeconds(40);
    main.runHandler([&] { main.acquisition().Timer1Timer(); }, true);
    EXPECT_EQ(field(f.store().odds(1, 0), 28, 8), "12080940");
    EXPECT_EQ(f.loggedErrors().size(), 1u);
}

} // namespace
