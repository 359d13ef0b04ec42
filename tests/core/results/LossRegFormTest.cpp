// The loss register: recording, overwriting, refusing and deleting entries, the cumulative loss, and the file
// "ruison.csv" that always agrees with the grid, hand-edited lines included.
#include "results/LossRegForm.h"
#include "core/results/DayFixture.h"
#include "frame/ErrorLog.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

struct LossFixture : DayFixture {
    TLossRegForm& reg() { return form->lossReg(); }
    std::filesystem::path file() const { return dir / "ruison.csv"; }

    // Races 11 of 東京 (05) and 1 of 中山 (06) on 2026-12-08, a day chosen in the main window.
    LossFixture() {
        setRace(0, "05", 11);
        setRace(1, "06", 1);
        form->DateCombo.items = {sj("2026年12月08日")};
        form->DateCombo.itemIndex = 0;
    }
    void open() {
        reg().FormCreate();
        reg().fillRaceList({sj("東京11R"), sj("中山 1R")});
    }
    // Records `amount` for a slot, answering the questions in turn.
    void record(int slot, long long amount, std::initializer_list<bool> answers) {
        for (bool a : answers)
            desktop.expectConfirm(a);
        reg().DatList.itemIndex = slot;
        reg().SaNumEditExC3 = amount;
        reg().TanLossBtnClick();
    }
    std::string fileText() const { return toUtf8(readBytes(file())); }
    std::string lastMessage() const { return desktop.messages.empty() ? "" : desktop.messages.back(); }
};

TEST(LossRegFormTest, RecordingThenAnotherAmountForTheSameRaceAsksAndKeepsOneEntry) {
    LossFixture f;
    f.open();
    long long chased = -1;
    f.reg().setChaseLoss = [&](long long v) { chased = v; };
    f.record(0, 1000, {true});
    EXPECT_EQ(f.desktop.messages.back(), "2026/12/08東京11Rの損失金を記録しますか？");
    EXPECT_EQ(f.fileText(), "\" 1\",\"2026/12/08東京11R\",\"枠連\",\"   1000\"\r\n");
    EXPECT_EQ(toUtf8(f.reg().RuisonLabel.text), "    1000");
    EXPECT_EQ(chased, 1000);

    chased = -1;
    f.record(0, 1500, {true, true});
    EXPECT_EQ(f.lastMessage(), "同じレースの損失金が計上済みです。上書きしますか？");
    EXPECT_EQ(f.fileText(), "\" 1\",\"2026/12/08東京11R\",\"枠連\",\"   1500\"\r\n");
    EXPECT_EQ(f.reg().cumulativeLoss(), 1500);
    // The chase loss follows an appended entry only; an overwrite reaches it at the next race selection.
    EXPECT_EQ(chased, -1);

    // Declining the overwrite changes nothing.
    f.record(0, 2000, {true, false});
    EXPECT_EQ(f.reg().cumulativeLoss(), 1500);
}

TEST(LossRegFormTest, TheSameAmountTwiceIsRefusedAsAlreadyRecorded) {
    LossFixture f;
    f.open();
    f.record(0, 1000, {true});
    const int beeps = f.desktop.beeps;
    f.record(0, 1000, {true});
    EXPECT_EQ(f.lastMessage(), "すでに同じ内容が計上済みです。");
    EXPECT_EQ(f.desktop.beeps, beeps + 1);
    EXPECT_EQ(f.reg().StringGrid4.rowCount(), 2);
}

struct RecoveryCase {
    const char* name;
    long long loss;     // recorded first for race 11
    long long recovery; // then for race 1
    bool recorded;
    const char* message; // the refusal, or the question
};

class LossRecoveryTest : public testing::TestWithParam<RecoveryCase> {};

TEST_P(LossRecoveryTest, ARecoveryMayNotReachTheCumulativeLoss) {
    const RecoveryCase& c = GetParam();
    LossFixture f;
    f.open();
    f.record(0, c.loss, {true});
    if (c.recorded)
        f.record(1, c.recovery, {true});
    else
        f.record(1, c.recovery, {});
    EXPECT_EQ(f.lastMessage(), c.message);
    EXPECT_EQ(f.reg().cumulativeLoss(), c.recorded ? c.loss + c.recovery : c.loss);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LossRecoveryTest,
    testing::Values(RecoveryCase{"partOfTheLoss", 2000, -500, true, "2026/12/08中山 1Rの利益金を記録しますか？"},
                    RecoveryCase{"allOfTheLoss", 2000, -2000, false, "利益金を記録する必要はありません。"},
                    RecoveryCase{"moreThanTheLoss", 2000, -2001, false, "利益金を記録する必要はありません。"},
                    RecoveryCase{"allButOneYen", 2000, -1999, true, "2026/12/08中山 1Rの利益金を記録しますか？"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(LossRegFormTest, NothingIsRecordedWithoutARaceADayOrAnAmount) {
    LossFixture f;
    f.open();
    f.record(0, 0, {});
    f.reg().DatList.itemIndex = -1;
    f.reg().SaNumEditExC3 = 1000;
    f.reg().TanLossBtnClick();
    f.form->DateCombo.itemIndex = -1;
    f.record(0, 1000, {});
    EXPECT_TRUE(f.desktop.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(f.file()));
}

TEST(LossRegFormTest, ClearingLeavesAnEmptyFileAndTheNextRecordingIsNumberOne) {
    LossFixture f;
    f.open();
    f.record(0, 1000, {true});
    f.record(1, 700, {true});
    EXPECT_EQ(f.reg().StringGrid4.cell(0, 2), " 2");
    f.desktop.expectConfirm(true, "表をクリアしますか？");
    f.reg().A1Click();
    ASSERT_TRUE(std::filesystem::exists(f.file()));
    EXPECT_EQ(f.fileText(), "");
    EXPECT_EQ(f.reg().RuisonLabel.text, "");
    EXPECT_EQ(f.reg().StringGrid4.rowCount(), 2);

    f.record(1, 300, {true});
    EXPECT_EQ(f.fileText(), "\" 1\",\"2026/12/08中山 1R\",\"枠連\",\"    300\"\r\n");

    // A program start reads the register back as it was written.
    TLossRegForm again(f.store(), f.form->folder(), f.form->ini(), f.desktop, f.form->errorLog(), f.form->DateCombo,
                       f.form->changes());
    again.FormCreate();
    EXPECT_EQ(again.StringGrid4.cell(1, 1), f.reg().StringGrid4.cell(1, 1));
    EXPECT_EQ(again.cumulativeLoss(), 300);
}

TEST(LossRegFormTest, DeletionsThatWouldClearTheLossAreRefusedOthersRenumber) {
    LossFixture f;
    f.open();
    f.record(0, 1000, {true});
    f.reg().StringGrid4MouseDown(1, 1);
    f.reg().Delete1Click();
    EXPECT_EQ(f.lastMessage(), "このデータを削除すると損失が消えます。全削除を行ってください。");

    f.record(1, 500, {true});
    f.reg().StringGrid4MouseDown(1, 0);
    f.desktop.expectConfirm(true, "[No.] 1【2026/12/08東京11R】のデータを削除しますか？");
    f.reg().Delete1Click();
    EXPECT_EQ(f.fileText(), "\" 1\",\"2026/12/08中山 1R\",\"枠連\",\"    500\"\r\n");
    EXPECT_EQ(f.reg().cumulativeLoss(), 500);
    // The choice went with the row; a second delete does nothing.
    f.reg().Delete1Click();
    EXPECT_EQ(f.reg().cumulativeLoss(), 500);
}

TEST(LossRegFormTest, HandEditedLinesThatAreNotFourFieldsStayWhereTheyStoodThroughEveryRewrite) {
    LossFixture f;
    // CP932, as the program writes the file; the last line is not even that.
    const std::string lines[] = {
        sj("\" 1\",\"2026/12/01東京11R\",\"枠連\",\"   2000\""),
        "only one field",
        "\"a\",\"b\"",
        sj("\" 2\",\"2026/12/02東京 5R\",\"枠連\",\"   abc\""),
        "\"x\",\"y\",\"z\",\"1\",\"extra\"",
        "\"unbalanced,\"quote",
        "\x82\xa0\xff\xfe",
    };
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    writeBytes(f.file(), text);
    f.open();
    // Two entries; the amount that is no number counts as 0.
    EXPECT_EQ(f.reg().StringGrid4.rowCount(), 3);
    EXPECT_EQ(f.reg().cumulativeLoss(), 2000);
    EXPECT_EQ(f.reg().keptLines().size(), 5u);
    const auto log = loadLines(f.dir / "ErrorLog.txt");
    ASSERT_FALSE(log.empty());
    EXPECT_NE(toUtf8(log.back()).find("ruison.csv の5行は4項目に分けられない"), std::string::npos);

    f.record(0, 1000, {true});
    const std::vector<std::string> written = splitLines(readBytes(f.file()));
    const std::vector<std::string> expected = {
        lines[0], lines[1], lines[2], lines[3],
        lines[4], lines[5], lines[6], sj("\" 3\",\"2026/12/08東京11R\",\"枠連\",\"   1000\"")};
    EXPECT_EQ(written, expected);

    // Deleting the first entry keeps the hand-edited lines after the entry that stood before them.
    f.reg().StringGrid4MouseDown(1, 0);
    f.desktop.expectConfirm(true);
    f.reg().Delete1Click();
    const std::vector<std::string> after = splitLines(readBytes(f.file()));
    ASSERT_EQ(after.size(), 7u);
    EXPECT_EQ(after[0], lines[1]);
    EXPECT_EQ(toUtf8(after[2]), "\" 1\",\"2026/12/02東京 5R\",\"枠連\",\"   abc\"");
    EXPECT_EQ(toUtf8(after[6]), "\" 2\",\"2026/12/08東京11R\",\"枠連\",\"   1000\"");

    // 全削除 empties the file, the hand-edited lines with it.
    f.desktop.expectConfirm(true);
    f.reg().A1Click();
    EXPECT_EQ(f.fileText(), "");
    EXPECT_TRUE(f.reg().keptLines().empty());
}

TEST(LossRegFormTest, TenThousandEntriesLoadAndTheNextOneIsAppended) {
    LossFixture f;
    std::string text;
    for (int i = 1; i <= 10000; ++i)
        text += sj(fmt("\"%2d\",\"2026/11/%02d東京%2dR\",\"枠連\",\"%7d\"\r\n", i, i % 28 + 1, i % 12 + 1, 100));
    writeBytes(f.file(), text);
    f.open();
    EXPECT_EQ(f.reg().cumulativeLoss(), 1000000);
    f.record(0, TLossRegForm::kMaxAmount, {true});
    EXPECT_EQ(f.reg().StringGrid4.cell(0, 10001), "10001");
    EXPECT_EQ(f.reg().cumulativeLoss(), 1000000 + TLossRegForm::kMaxAmount);
}

TEST(LossRegFormTest, CellsAreDrawnInTheirColours) {
    LossFixture f;
    f.open();
    f.record(0, 1000, {true});
    EXPECT_EQ(f.reg().paint(1, 0).background, colors::Aqua);
    EXPECT_EQ(f.reg().paint(1, 1).background, colors::InfoBk);
    EXPECT_EQ(f.reg().paint(1, 3).align, Align::Right);
    EXPECT_EQ(f.reg().paint(1, 2).align, Align::Center);
    EXPECT_TRUE(f.reg().paint(0, 0).background.isDefault);
}

} // namespace

namespace {

TEST(LossRegFormTest, AmountsAtTheFieldsLimitsAreWrittenWhole) {
    LossFixture f;
    f.open();
    f.record(0, TLossRegForm::kMaxAmount, {true});
    f.record(1, -TLossRegForm::kMaxAmount + 1, {true});
    EXPECT_EQ(f.fileText(), "\" 1\",\"2026/12/08東京11R\",\"枠連\",\"9999999\"\r\n"
                            "\" 2\",\"2026/12/08中山 1R\",\"枠連\",\"-9999998\"\r\n");
    EXPECT_EQ(f.reg().cumulativeLoss(), 1);
    EXPECT_EQ(toUtf8(f.reg().RuisonLabel.text), "       1");
}

TEST(LossRegFormTest, ARegisterFileThatIsAFolderStopsWithTheMessageAndStaysAsItWas) {
    LossFixture f;
    std::filesystem::create_directories(f.file());
    EXPECT_FALSE(f.form->runHandler([&] { f.open(); }));
    // The register window still opens, empty; recording cannot replace the folder and says why.
    f.reg().fillRaceList({sj("東京11R"), sj("中山 1R")});
    const size_t shown = f.desktop.messages.size();
    f.desktop.expectConfirm(true);
    EXPECT_FALSE(f.form->runHandler([&] {
        f.reg().DatList.itemIndex = 0;
        f.reg().SaNumEditExC3 = 1000;
        f.reg().TanLossBtnClick();
    }));
    ASSERT_GT(f.desktop.messages.size(), shown + 1);
    EXPECT_NE(f.desktop.messages.back().find("ruison.csv"), std::string::npos) << f.desktop.messages.back();
    EXPECT_TRUE(std::filesystem::is_directory(f.file()));
    // The grid took the entry back: the window never shows what the file does not hold.
    EXPECT_EQ(f.reg().StringGrid4.cell(1, 1), "");
    EXPECT_EQ(f.reg().cumulativeLoss(), 0);
}

} // namespace
