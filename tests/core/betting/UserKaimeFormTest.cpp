#include "betting/UserKaimeForm.h"
#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/FileIo.h"
#include "support/ScriptedPorts.h"
#include "support/TempDir.h"
#include "text/Fields.h"
#include "text/Label.h"
#include "text/ViewChanges.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace {

struct UserKaimeFormTest : testing::Test {
    TempDir dir;
    ProgramFolder folder{dir.path()};
    IniFile ini{dir / "renoka.ini"};
    ScriptedDesktop desktop;
    Label setName;
    ViewChanges changes;
    TUserKaimeForm form{folder, ini, desktop, setName, changes};

    std::filesystem::path file() const { return dir / "userkaimeset.dat"; }
    std::string fileBytes() const {
        std::string bytes;
        readWholeFile(file(), bytes);
        return bytes;
    }
    void writeFile(std::string_view bytes) const { writeFileAtomic(file(), bytes); }
    static std::string line(const char* choices, const char* nameUtf8) {
        return choices + std::string(40, ' ') + fitBytes(sj(nameUtf8), 20);
    }
};

TEST_F(UserKaimeFormTest, FirstStartWritesTheFourBuiltInSets) {
    form.FormCreate();
    const std::string expected = line("01070710000", "高配当優先") + "\r\n" + line("01070700000", "堅実馬優先") +
                                 "\r\n" + line("02070700000", "２頭軸設定") + "\r\n" +
                                 line("03070700000", "３頭軸設定") + "\r\n";
    EXPECT_EQ(fileBytes(), expected);
    ASSERT_EQ(form.SetCombo.items.size(), 4u);
    EXPECT_EQ(form.SetCombo.itemIndex, 0);
    EXPECT_EQ(toUtf8(setName.text), "高配当優先");
    EXPECT_EQ(form.Controls.axisCount, 1);
    EXPECT_EQ(form.Controls.axisOrder, 1);
    EXPECT_EQ(form.Controls.partner1Count, 7);
    EXPECT_EQ(form.Controls.partner2Order, 0);
    for (const std::string& l : form.Sets)
        EXPECT_EQ(l.size(), TUserKaimeForm::kLineBytes);
}

TEST_F(UserKaimeFormTest, TheChosenIndexIsAppliedAndAnIndexBeyondTheSetsChoosesTheFirst) {
    ini.writeInteger("Kaime", "KSetIndex", 3);
    form.FormCreate();
    EXPECT_EQ(form.Controls.axisCount, 3);
    EXPECT_EQ(toUtf8(setName.text), "３頭軸設定");
    ini.writeInteger("Kaime", "KSetIndex", 9);
    form.FormCreate();
    EXPECT_EQ(form.SetCombo.itemIndex, 0);
    EXPECT_EQ(ini.readInteger("Kaime", "KSetIndex", -1), 0);
}

struct LineCase {
    const char* name;
    std::string line;
    AxisPartnerSet expected;
};
class SetLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(SetLineTest, ReadsBack) {
    EXPECT_EQ(TUserKaimeForm::choicesOf(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SetLineTest,
    testing::Values(LineCase{"Padded",
                             " 2 7 5123"
                             "10",
                             {2, 7, 5, 1, 2, 3, true, false}},
                    LineCase{"LeadingZeros", "18181803301", {18, 18, 18, 0, 3, 3, false, true}},
                    LineCase{"NotNumbers", "xx--  9z?ab", {1, 1, 1, 0, 0, 0, false, false}},
                    LineCase{"CountsOutOfRange", "00992001100", {1, 18, 18, 0, 1, 1, false, false}},
                    LineCase{"Short", " 3", {3, 1, 1, 0, 0, 0, false, false}},
                    LineCase{"Empty", "", {1, 1, 1, 0, 0, 0, false, false}},
                    LineCase{"InvalidBytes", std::string("\x81\xff\x82\x00 43", 7), {1, 1, 4, 3, 0, 0, false, false}}),
    [](const testing::TestParamInfo<LineCase>& p) { return std::string(p.param.name); });

TEST_F(UserKaimeFormTest, AddedSetRoundTripsThroughTheFile) {
    form.FormCreate();
    form.Controls = {2, 7, 12, 1, 2, 3, true, false};
    form.Edit1 = sj("私の設定");
    form.AddSetBtnClick();
    const std::string expected = " 2 712123"
                                 "10" +
                                 std::string(40, ' ') + fitBytes(sj("私の設定"), 20);
    ASSERT_EQ(form.Sets.size(), 5u);
    EXPECT_EQ(form.Sets[4], expected);
    EXPECT_EQ(form.SetCombo.itemIndex, 4);
    EXPECT_EQ(ini.readInteger("Kaime", "KSetIndex", -1), 4);
    EXPECT_EQ(toUtf8(setName.text), "私の設定");

    TUserKaimeForm again{folder, ini, desktop, setName, changes};
    again.FormCreate();
    EXPECT_EQ(again.Sets, form.Sets);
    EXPECT_EQ(again.SetCombo.itemIndex, 4);
    EXPECT_EQ(again.Controls, form.Controls);
}

TEST_F(UserKaimeFormTest, ANameIsCutAtACharacterBoundaryAndPadded) {
    form.FormCreate();
    // Nineteen ASCII bytes and a double-byte character whose lead byte would be byte 20.
    form.Edit1 = std::string(19, 'N') + sj("馬");
    form.AddSetBtnClick();
    EXPECT_EQ(TUserKaimeForm::nameOf(form.Sets.back()), std::string(19, 'N') + " ");
    form.Edit1 = "a\r\nb";
    form.AddSetBtnClick();
    EXPECT_EQ(TUserKaimeForm::nameOf(form.Sets.back()), "a  b" + std::string(16, ' '));
    EXPECT_EQ(splitLines(fileBytes()).size(), 6u);
}

TEST_F(UserKaimeFormTest, OverwriteAnsweredNoLeavesTheFileUnchanged) {
    form.FormCreate();
    const std::string before = fileBytes();
    form.Controls.axisCount = 5;
    form.Edit1 = sj("堅実馬優先");
    desktop.expectConfirm(false, "[堅実馬優先]はすでに存在しています。上書きしますか?");
    form.AddSetBtnClick();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(form.Sets[1].substr(0, 2), "01");
    desktop.expectConfirm(true);
    form.AddSetBtnClick();
    EXPECT_EQ(form.Sets.size(), 4u);
    EXPECT_EQ(form.Sets[1].substr(0, 2), " 5");
    EXPECT_EQ(form.SetCombo.itemIndex, 1);
    EXPECT_NE(fileBytes(), before);
}

TEST_F(UserKaimeFormTest, ABlankNameIsRefused) {
    form.FormCreate();
    const std::string before = fileBytes();
    form.Edit1 = "   ";
    form.AddSetBtnClick();
    EXPECT_EQ(desktop.messages, (std::vector<std::string>{"設定名を入力してください。"}));
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(UserKaimeFormTest, DeleteAsksDeletesAndTheLastSetStays) {
    writeFile(line("01070700000", "一つ目") + "\r\n" + line("02050500000", "二つ目") + "\r\n");
    form.FormCreate();
    form.SetCombo.itemIndex = 1;
    form.SetComboChange();
    desktop.expectConfirm(false, "[二つ目]を削除します。よろしいですか?");
    form.DelBtnClick();
    EXPECT_EQ(form.Sets.size(), 2u);
    desktop.expectConfirm(true);
    form.DelBtnClick();
    EXPECT_EQ(fileBytes(), line("01070700000", "一つ目") + "\r\n");
    EXPECT_EQ(form.SetCombo.itemIndex, 0);
    EXPECT_EQ(toUtf8(setName.text), "一つ目");
    EXPECT_EQ(form.Controls.axisCount, 1);
    form.DelBtnClick();
    ASSERT_FALSE(desktop.messages.empty());
    EXPECT_EQ(desktop.messages.back(), "選択中の設定を削除できません。設定名は最低ひとつは残す必要があります。");
    EXPECT_EQ(form.Sets.size(), 1u);
}

TEST_F(UserKaimeFormTest, AFileWithoutLinesGetsTheBuiltInSetsAgain) {
    writeFile("\r\n   \r\n");
    form.FormCreate();
    EXPECT_EQ(form.Sets, TUserKaimeForm::builtInLines());
    EXPECT_EQ(splitLines(fileBytes()), TUserKaimeForm::builtInLines());
}

TEST_F(UserKaimeFormTest, DamagedLinesAreKeptAndReadAsFarAsTheyGo) {
    writeFile("garbage\r\n\r\n 7 7 7000\r\n" + line("02070700000", "良い設定") + "\r\n");
    form.FormCreate();
    ASSERT_EQ(form.Sets.size(), 3u);
    EXPECT_EQ(form.SetCombo.items[0], std::string(20, ' '));
    EXPECT_EQ(form.Controls.axisCount, 1);
    form.SetCombo.itemIndex = 1;
    form.SetComboChange();
    EXPECT_EQ(form.Controls.axisCount, 7);
    EXPECT_EQ(form.Controls.partner2Count, 7);
}

// A set file written by another program: a name whose 20th byte starts a character, and bytes that are no CP932.
TEST_F(UserKaimeFormTest, HalfACharacterAtTheNamesEndIsABlankAndTheSameNameIsAskedAbout) {
    const std::string halfName = std::string(19, 'N') + "\x94";
    const std::string odd = "01070700000" + std::string(40, ' ') + halfName + "\r\n";
    const std::string invalid = "02070700000" + std::string(40, ' ') + fitBytes("\xff\xa0x", 20) + "\r\n";
    writeFile(odd + invalid);
    form.FormCreate();
    ASSERT_EQ(form.SetCombo.items.size(), 2u);
    EXPECT_EQ(form.SetCombo.items[0], std::string(19, 'N') + " ");
    EXPECT_EQ(setName.text, std::string(19, 'N'));
    EXPECT_EQ(form.indexOfName(std::string(19, 'N')), 0);
    EXPECT_EQ(form.indexOfName("\xff\xa0x"), 1);

    // Saved under the name typed with a double-byte 20th character, it is the same set: the question comes.
    form.Edit1 = std::string(19, 'N') + sj("馬");
    desktop.expectConfirm(false, "[" + std::string(19, 'N') + "]はすでに存在しています。上書きしますか?");
    EXPECT_FALSE(form.AddSetBtnClick());
    EXPECT_EQ(fileBytes(), odd + invalid);
    // Deleting the other set leaves the odd line as it was stored.
    form.SetCombo.itemIndex = 1;
    form.SetComboChange();
    desktop.expectConfirm(true);
    EXPECT_TRUE(form.DelBtnClick());
    EXPECT_EQ(fileBytes(), odd);
}

TEST_F(UserKaimeFormTest, AnUnreadableFileKeepsTheBuiltInSetsAndIsNotOverwritten) {
    std::filesystem::create_directory(file());
    EXPECT_ANY_THROW(form.FormCreate());
    EXPECT_EQ(form.Sets, TUserKaimeForm::builtInLines());
    EXPECT_EQ(form.SetCombo.items.size(), 4u);
    EXPECT_TRUE(std::filesystem::is_directory(file()));
}

TEST_F(UserKaimeFormTest, PositionAndPartnerOrderSettings) {
    EXPECT_EQ(form.FormActivate().top, 100);
    EXPECT_EQ(form.FormActivate().left, 500);
    form.FormDeactivate(40, 60);
    EXPECT_EQ(form.FormActivate().top, 40);
    EXPECT_EQ(form.FormActivate().left, 60);
    form.Controls.partner1Order = 3;
    form.HimoCombo1Change();
    EXPECT_EQ(ini.readInteger("UserKaime", "Himo1joken", -1), 3);
}

} // namespace
