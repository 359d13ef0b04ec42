#include "app/MainForm.h"
#include "base/Cp932.h"
#include "jv/download/GetDataForm.h"
#include "platform/FileIo.h"
#include "store/RecordSizes.h"
#include "support/FormFixture.h"
#include "support/ScriptedJvLink.h"
#include "text/Format.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

std::string record(const char* type, char kind, size_t length, const std::string& key16) {
    std::string r(length - 2, ' ');
    r.replace(0, 2, type);
    r[2] = kind;
    r.replace(3, 8, "20261207");
    r.replace(11, key16.size(), key16);
    return r;
}

std::string ra(const std::string& key16, const char* runners = "12", char kind = '2') {
    std::string r = record("RA", kind, records::RA, key16);
    r.replace(881, 2, runners);
    return r;
}

std::string se(const std::string& key16, int horse, const std::string& registration, char kind = '7') {
    std::string r = record("SE", kind, records::SE, key16);
    r.replace(28, 2, fmt("%02d", horse));
    r.replace(30, 10, registration);
    r.replace(40, 6, sj("テスト"));
    return r;
}

class DownloadTest : public testing::Test {
protected:
    void SetUp() override {
        fixture.makeForm(&jv).FormCreate();
        dialog = form->createGetDataForm();
        dialog->FormCreate();
        dialog->DateTimePicker1 = QDateTime(QDate(2026, 12, 1), QTime(0, 0));
    }

    // Starts the download and drives the status timer until it stops, as the dialog's timer would.
    void run() {
        dialog->ButtonStartClick();
        for (int i = 0; i < 1000 && dialog->TimerJVStatus.enabled; ++i)
            dialog->TimerJVStatusTimer();
    }

    fs::path data(const char* utf8) const { return pathUnder(dir.path(), sj(utf8)); }
    std::string label() const { return toUtf8(dialog->ProgressLabel.text); }
    std::string lastMessage() const { return desktop.messages.empty() ? "" : desktop.messages.back(); }

    ScriptedJvLink jv;
    FormFixture fixture;
    TempDir& dir = fixture.dir;
    ScriptedDesktop& desktop = fixture.desktop;
    FakeClock& clock = fixture.clock;
    std::unique_ptr<TMainForm>& form = fixture.form;
    std::unique_ptr<TGetDataForm> dialog;
};

TEST_F(DownloadTest, AFirstRunIsASetUpFromOneYearBack) {
    EXPECT_TRUE(dialog->rbtSetup);
    EXPECT_FALSE(dialog->rbtNormal);
    form->ini().writeString("JvDataGet", "LastTime", "2026/11/30 17:05:00");
    const auto againOwned = form->createGetDataForm();
    TGetDataForm& again = *againOwned;
    again.FormCreate();
    EXPECT_TRUE(again.rbtNormal);
    EXPECT_EQ(again.DateTimePicker1.toString(QStringLiteral("yyyyMMddhhmmss")).toStdString(), "20261130170500");
    form->ini().writeString("JvDataGet", "LastTime", "");
    const auto firstOwned = form->createGetDataForm();
    TGetDataForm& first = *firstOwned;
    first.FormCreate();
    EXPECT_EQ(first.DateTimePicker1.toString(QStringLiteral("yyyyMMddhhmmss")).toStdString(), "20251208090000");
}

TEST_F(DownloadTest, RoutesEveryRecordToItsFileAndRecordsTheLastTime) {
    jv.readCount = 2;
    const std::string key = "2026120705050811";
    jv.addRecord(ra(key));
    jv.addRecord(ra("2026120705050801", "00"));
    jv.addRecord(ra("2026120705050802", "19"));
    jv.addRecord(ra("2026120705050800"));
    jv.addCode(-1);
    jv.addRecord(se("2026120705050812", 18, "2022104567"));
    jv.addRecord(se(key, 3, "2011100001")); // the floor year itself: no archive
    jv.addRecord(record("HR", '1', records::HR, key));
    jv.addRecord(record("TM", '1', records::TM, key));
    jv.addRecord(record("O1", '4', records::O1, key)); // odds not asked for
    jv.addCode(-1);
    run();
    EXPECT_EQ(label(), "データ作成が完了しました。");
    EXPECT_EQ(jv.calls.front(), "JVOpen RACEMING 20261201000000 3");
    EXPECT_EQ(jv.closes, 1);

    auto raLines = loadLines(data("Data/2026年12月07日.jvRA"));
    ASSERT_EQ(raLines.size(), 1u);
    EXPECT_EQ(raLines[0].substr(0, 11), "RA000000000");
    auto runners = loadLines(data("Data/2026年12月07日東京.jvSEr"));
    ASSERT_EQ(runners.size(), 216u);
    EXPECT_EQ(runners[215].substr(0, 3), "SE7"); // runner lines keep their data kind
    EXPECT_EQ(loadLines(data("SEI/2022/2022104567.jvSEI")).size(), 1u);
    EXPECT_FALSE(fs::exists(data("SEI/2011")));
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvHR")).size(), 1u);
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvTM")).size(), 1u);
    EXPECT_FALSE(fs::exists(data("Data/2026年12月07日.jvO1")));
    EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/12/07 17:00:00");
    // Closing the dialog rebuilds the day list.
    dialog->FormCloseQuery();
    ASSERT_EQ(form->DateCombo.items.size(), 1u);
    EXPECT_EQ(toUtf8(form->DateCombo.items[0]), "2026年12月07日");
}

TEST_F(DownloadTest, FinalOddsAreTakenOnlyWhenAskedAndNeverForCancelledRaces) {
    dialog->CheckBox2 = true;
    jv.readCount = 1;
    jv.addRecord(record("O6", '4', records::O6, "2026120709050811"));
    jv.addRecord(record("O2", '9', records::O2, "2026120709050812"));
    jv.addRecord(record("O3", '0', records::O3, "2026120709050812"));
    run();
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvO6")).size(), 1u);
    EXPECT_FALSE(fs::exists(data("Data/2026年12月07日.jvO2")));
    EXPECT_FALSE(fs::exists(data("Data/2026年12月07日.jvO3")));
    EXPECT_EQ(toUtf8(dialog->MkDataLabel.text), "3連単確定ｵｯｽﾞ:11R/2026年12月07日.jvO6");
}

struct FromDateCase {
    const char* from;
    const char* raceDate;
    bool kept;
};
class FromDateTest : public DownloadTest, public testing::WithParamInterface<FromDateCase> {};

TEST_P(FromDateTest, RecordsReachBackByPlainIntegerArithmetic) {
    dialog->DateTimePicker1 = QDateTime::fromString(QString::fromLatin1(GetParam().from), QStringLiteral("yyyyMMdd"));
    jv.readCount = 1;
    jv.addRecord(ra(std::string(GetParam().raceDate) + "05050811"));
    run();
    const std::string day = std::string(GetParam().raceDate);
    const std::string file = "Data/" + day.substr(0, 4) + "年" + day.substr(4, 2) + "月" + day.substr(6, 2) + "日.jvRA";
    EXPECT_EQ(fs::exists(data(file.c_str())), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Dates, FromDateTest,
                         testing::Values(FromDateCase{"20261215", "20261205", true},
                                         FromDateCase{"20261215", "20261204", false},
                                         FromDateCase{"20261205", "20261201", true}, // 20261195 is the floor
                                         FromDateCase{"20261205", "20261130", false}));

struct OpenCase {
    int32_t openResult;
    int32_t readCount;
    const char* message;
};
class OpenFailureTest : public DownloadTest, public testing::WithParamInterface<OpenCase> {};

TEST_P(OpenFailureTest, IsShownAndTheStreamClosed) {
    jv.openResult = GetParam().openResult;
    jv.readCount = GetParam().readCount;
    run();
    EXPECT_EQ(lastMessage(), GetParam().message);
    EXPECT_EQ(jv.closes, 1);
    EXPECT_GE(desktop.beeps, 1);
    EXPECT_FALSE(form->ini().readString("JvDataGet", "LastTime", "").size());
}

INSTANTIATE_TEST_SUITE_P(Results, OpenFailureTest,
                         testing::Values(OpenCase{-1, 0, "最新のデータがありません。"},
                                         OpenCase{0, 0, "最新のデータがありません。"},
                                         OpenCase{-504, 0, "JVOpenエラー:サーバーがメンテナンス中です。(-504)"},
                                         OpenCase{-202, 0,
                                                  "JVOpenエラー:前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose "
                                                  "が呼ばれていません。（オープン中）(-202)"},
                                         OpenCase{-301, 3, "JVOpenエラー:認証エラーが発生しました。(-301)"}));

TEST_F(DownloadTest, AReadFailureKeepsWhatWasMergedButNotTheLastTime) {
    form->ini().writeString("JvDataGet", "LastTime", "2026/11/01 00:00:00");
    jv.readCount = 2;
    jv.addRecord(ra("2026120705050811"));
    jv.addCode(-3);
    jv.addCode(-1);
    jv.addCode(-402);
    jv.addRecord(ra("2026120705050812"));
    run();
    EXPECT_EQ(lastMessage(), "JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)");
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvRA")).size(), 1u);
    EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/11/01 00:00:00");
    EXPECT_EQ(jv.closes, 1);
}

TEST_F(DownloadTest, TheDownloadPhaseFollowsJVStatusThenReads) {
    jv.readCount = 1;
    jv.downloadCount = 3;
    jv.statusResults = {0, 1, 4, 2, 3};
    jv.addRecord(ra("2026120705050811"));
    std::vector<std::string> labels;
    dialog->onProgress = [&] {
        const std::string text = toUtf8(dialog->ProgressLabel.text);
        if (!text.empty() && (labels.empty() || labels.back() != text)) labels.push_back(text);
    };
    run();
    EXPECT_EQ(label(), "データ作成が完了しました。");
    const std::vector<std::string> expected = {"JVOpen正常:正常に実行されました。(0)",
                                               "ReadCount:1, DownloadCount:3",
                                               "ダウンロード中・・・",
                                               "ダウンロード中．．．(0/3)",
                                               "ダウンロード中．．．(1/3)",
                                               "ダウンロード中．．．(2/3)",
                                               "ダウンロード中．．．(3/3)",
                                               "データ読込み中．．．(0/1)",
                                               "JVRead EndOfFile :0",
                                               "データ読込み完了(0/1)",
                                               "データ作成が完了しました。"};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(dialog->ProgressBar1.max, 3);
}

TEST_F(DownloadTest, AStatusFailureIsShownAndTheStreamClosed) {
    jv.readCount = 1;
    jv.downloadCount = 3;
    jv.statusResults = {1, -502};
    run();
    EXPECT_EQ(lastMessage(), "JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
    EXPECT_EQ(jv.closes, 1);
    EXPECT_EQ(jv.reads_, 0);
}

TEST_F(DownloadTest, CancelWhileDownloadingClosesAtOnce) {
    jv.readCount = 1;
    jv.downloadCount = 3;
    jv.statusResults = {1};
    dialog->ButtonStartClick();
    dialog->TimerJVStatusTimer();
    desktop.expectConfirm(true, "データ取込を中止します。実行しますか？");
    dialog->ButtonCancelClick();
    EXPECT_EQ(jv.cancels, 1);
    EXPECT_EQ(jv.closes, 1);
    EXPECT_FALSE(dialog->TimerJVStatus.enabled);
    EXPECT_EQ(label(), "JVCancel:キャンセルされました");
}

TEST_F(DownloadTest, CancelWhileReadingWritesWhatWasMergedAndClosesOnce) {
    form->ini().writeString("JvDataGet", "LastTime", "2026/11/01 00:00:00");
    jv.readCount = 1;
    for (int race = 1; race <= 12; ++race)
        jv.addRecord(ra(fmt("20261207050508%02d", race)));
    desktop.onProcessEvents = [&] {
        if (jv.reads_ == 3) {
            desktop.expectConfirm(true);
            dialog->ButtonCancelClick();
        }
    };
    run();
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvRA")).size(), 3u);
    EXPECT_EQ(jv.closes, 1);
    EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/11/01 00:00:00");
    // A declined confirmation changes nothing.
    desktop.expectConfirm(false);
    dialog->ButtonCancelClick();
    EXPECT_EQ(jv.cancels, 1);
}

TEST_F(DownloadTest, AnEmptyLastFileStampKeepsTheLastTime) {
    form->ini().writeString("JvDataGet", "LastTime", "2026/11/01 00:00:00");
    jv.readCount = 1;
    jv.lastFileTimestamp = "00000000000000";
    jv.addRecord(ra("2026120705050811"));
    run();
    EXPECT_EQ(label(), "データ作成が完了しました。");
    EXPECT_EQ(form->ini().readString("JvDataGet", "LastTime", ""), "2026/11/01 00:00:00");
}

struct BadRecordCase {
    const char* name;
    std::string line;
};
class BadRecordTest : public DownloadTest, public testing::WithParamInterface<BadRecordCase> {};

TEST_P(BadRecordTest, IsSkippedAndLoggedAndNothingIsWrittenForIt) {
    jv.readCount = 1;
    jv.addRecord(GetParam().line);
    jv.addRecord(ra("2026120705050811"));
    run();
    EXPECT_EQ(label(), "データ作成が完了しました。");
    EXPECT_EQ(loadLines(data("Data/2026年12月07日.jvRA")).size(), 1u);
    auto log = loadLines(dir / "ErrorLog.txt");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NE(toUtf8(log[2]).find("読み飛ばしました"), std::string::npos);
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        if (entry.is_regular_file()) ++files;
    // The log and the settings with their lock files, the axis-and-partner sets, and the one race file.
    EXPECT_EQ(files, 6u);
}

std::string withField(std::string line, size_t pos, const std::string& text) {
    line.replace(pos - 1, text.size(), text);
    return line;
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadRecordTest,
    testing::Values(BadRecordCase{"Truncated", ra("2026120705050812").substr(0, 900)},
                    BadRecordCase{"TooLong", ra("2026120705050812") + "XX"},
                    BadRecordCase{"DateWithSlash", withField(ra("2026120705050812"), 12, "2026/207")},
                    BadRecordCase{"DotDotDate", withField(ra("2026120705050812"), 12, "../../..")},
                    BadRecordCase{"UnknownCourse", withField(ra("2026120705050812"), 20, "ZZ")},
                    BadRecordCase{"RegistrationNotDigits",
                                  withField(se("2026110705050801", 1, "2022000001"), 31, "2022/../x")},
                    BadRecordCase{"ForeignCourseNotInTable", withField(ra("2026110544010101", "10", 'A'), 20, "/x")}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
