// The download dialog against the data-service simulator: every failure the service can report reaches the user
// with its words, the stream is closed, what was merged stays written and "LastTime" keeps its value.
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "jv/JvErrorText.h"
#include "jv/download/GetDataForm.h"
#include "jv/sim/SimJvLink.h"
#include "platform/FileIo.h"
#include "store/RecordSizes.h"
#include "support/FormFixture.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace renoka;
using namespace renoka::test;

namespace {

std::string raLine(int race) {
    std::string r(records::RA - 2, ' ');
    r.replace(0, 11, "RA720261201");
    r.replace(11, 16, fmt("20261206050508%02d", race));
    r.replace(881, 2, "12");
    return r;
}

struct FaultCase {
    const char* call;
    int code;
    int after;
    const char* operation; // whose words the message uses
    const char* prefix;
    bool partlyWritten;     // records of the first file are merged before the failure
    bool completes = false; // the failure comes after every file was read (closing)
};

class SimulatorDownloadTest : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override {
        // Three stored files of four races each.
        for (int f = 0; f < 3; ++f) {
            std::string text;
            for (int r = 1; r <= 4; ++r)
                text += raLine(f * 4 + r) + "\r\n";
            writeBytes(dir / "provider" / "stored" / fmt("2026120%d170000-races.txt", f + 1), sj(text));
        }
        writeBytes(dir / "home" / "renoka.ini", "[Sim]\r\nProvider=" + (dir / "provider").string() + "\r\n");
        jv = std::make_unique<SimJvLink>(dir / "provider", clock);
        jv->setFilesPerSecond(0);
        fixture.makeForm(jv.get(), nullptr, dir / "home").FormCreate();
        form->ini().writeString("JvDataGet", "LastTime", "2026/11/01 00:00:00");
        form->FormShow();
    }

    void download() {
        const auto dialogOwned = form->createGetDataForm();
        TGetDataForm& dialog = *dialogOwned;
        dialog.FormCreate();
        dialog.ButtonStartClick();
        for (int i = 0; i < 100000 && dialog.TimerJVStatus.enabled; ++i)
            dialog.TimerJVStatusTimer();
        label = toUtf8(dialog.ProgressLabel.text);
    }

    size_t raceLines() const { return loadLines(pathUnder(dir / "home", sj("Data/2026年12月06日.jvRA"))).size(); }

    // The simulator outlives the form over it.
    std::unique_ptr<SimJvLink> jv;
    FormFixture fixture;
    TempDir& dir = fixture.dir;
    ScriptedDesktop& desktop = fixture.desktop;
    FakeClock& clock = fixture.clock;
    std::unique_ptr<TMainForm>& form = fixture.form;
    std::string label;
};

TEST_F(SimulatorDownloadTest, WithoutFaultsEveryFileIsReadAndASecondRunFindsNothingNew) {
    download();
    EXPECT_EQ(label, "データ作成が完了しました。");
    EXPECT_EQ(raceLines(), 12u);
    EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/12/03 17:00:00");
    download();
    EXPECT_EQ(desktop.messages.back(), "最新のデータがありません。");
}

TEST_P(SimulatorDownloadTest, AFailureIsShownInTheServicesWordsAndLosesNothingMerged) {
    const FaultCase& c = GetParam();
    writeBytes(dir / "provider" / "faults.ini",
               fmt("[fault]\r\ncall=%s\r\ncode=%d\r\nafter=%d\r\n", c.call, c.code, c.after));
    download();
    const std::string expected = std::string(c.prefix) + toUtf8(JVErrorText(c.operation, c.code));
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_NE(std::find(desktop.messages.begin(), desktop.messages.end(), expected), desktop.messages.end())
        << desktop.messages.back();
    if (c.completes) {
        // Everything was read and written; only the close failed.
        EXPECT_EQ(label, "データ作成が完了しました。");
        EXPECT_EQ(raceLines(), 12u);
    } else {
        EXPECT_NE(label, "データ作成が完了しました。");
        EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/11/01 00:00:00");
    }
    if (c.partlyWritten) {
        EXPECT_GE(raceLines(), 4u);
    }
    // The stream was closed: a new open is not refused as "still open".
    int32_t reads = 0, downloads = 0;
    std::u16string stamp;
    const int32_t reopen = jv->JVOpen(u"RACEMING", u"20261101000000", 1, reads, downloads, stamp);
    EXPECT_NE(reopen, -202);
    jv->JVClose();
}

std::vector<FaultCase> faultCases() {
    std::vector<FaultCase> cases;
    for (int code : {-301, -302, -303, -401, -411, -412, -413, -421, -431, -504})
        cases.push_back({"JVOpen", code, 0, "JVOpen", "JVOpenエラー:", false});
    for (int code : {-402, -403, -502, -503})
        cases.push_back({"JVRead", code, 5, "JVRead", "JVReadエラー:", true});
    cases.push_back({"JVStatus", -502, 1, "JVStatus", "JVStatusエラー:", false});
    cases.push_back({"JVClose", -401, 0, "JVClose", "JVCloseエラー:", true, true});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Codes, SimulatorDownloadTest, testing::ValuesIn(faultCases()), [](const auto& param) {
    return std::string(param.param.call) + "_" + std::to_string(-param.param.code);
});

} // namespace
