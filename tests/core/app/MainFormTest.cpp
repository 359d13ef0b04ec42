#include "app/MainForm.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/FileIo.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

using namespace renoka;
using namespace renoka::test;

namespace fs = std::filesystem;

namespace {

// A data-service component whose JVInit fails with a chosen code.
class FailingInitJvLink : public NullJvLink {
public:
    explicit FailingInitJvLink(int32_t code) : m_code(code) {}
    int32_t JVInit(const std::u16string&) override { return m_code; }

private:
    int32_t m_code;
};

class FixedRegistry : public Registry {
public:
    std::string appPath(std::string_view key) const override {
        return toUtf8(key).find("ODRAVI") != std::string::npos ? sj("C:\\ODRAVI2") : sj("  ");
    }
};

struct Fixture : FormFixture {
    explicit Fixture(const std::string& iniUtf8 = {}, const Registry* reg = nullptr, JvLink* link = nullptr) {
        if (!iniUtf8.empty()) writeBytes(dir / "renoka.ini", sj(iniUtf8));
        makeForm(link, reg);
    }
};

TEST(MainFormTest, FirstStartMakesTheFoldersAndTheLogAndNoSettingsFile) {
    Fixture f;
    f.form->FormCreate();
    for (const char* sub : {"Data", "kaime", "CHG", "SEI", "SEIR"})
        EXPECT_TRUE(fs::is_directory(f.dir / sub)) << sub;
    EXPECT_FALSE(fs::exists(f.dir / "renoka.ini"));
    auto log = loadLines(f.dir / "ErrorLog.txt");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(toUtf8(log[0]), "ソフト起動：2026/12/08 09:00:00");
    EXPECT_EQ(log[1], f.dir.path().string());
    EXPECT_EQ(f.form->geometry.top, 10);
    EXPECT_EQ(f.form->geometry.left, 10);
    EXPECT_EQ(f.form->geometry.width, 900);
    EXPECT_EQ(f.form->geometry.height, 600);
    EXPECT_TRUE(f.form->menus.N32 && f.form->menus.SelHaiR1 && f.form->menus.DefaultKaime && f.form->menus.KaimeJoi);
    EXPECT_FALSE(f.form->menus.hidelist || f.form->menus.PC1 || f.form->menus.N30);
    EXPECT_FALSE(f.form->visibility.StringGrid6);
    EXPECT_TRUE(f.form->visibility.DirectReadBtn && f.form->visibility.MenuMaster);
    EXPECT_FALSE(f.form->visibility.TabSheet37);
    EXPECT_EQ(toUtf8(f.form->ClockLabel.text), "09時00分00秒");
}

struct MenuCase {
    const char* ini;
    MenuChecks expected;
};
class MenuRestoreTest : public testing::TestWithParam<MenuCase> {};

MenuChecks checks(std::initializer_list<bool MenuChecks::*> on) {
    MenuChecks m;
    for (auto member : on)
        m.*member = true;
    return m;
}

TEST_P(MenuRestoreTest, SettingsCheckTheirMenuItems) {
    Fixture f(GetParam().ini);
    f.form->FormCreate();
    const MenuChecks& got = f.form->menus;
    const MenuChecks& want = GetParam().expected;
    EXPECT_EQ(got.N32, want.N32);
    EXPECT_EQ(got.N33, want.N33);
    EXPECT_EQ(got.SelHaiR1, want.SelHaiR1);
    EXPECT_EQ(got.SelHaiR2, want.SelHaiR2);
    EXPECT_EQ(got.SelHaiR3, want.SelHaiR3);
    EXPECT_EQ(got.DefaultKaime, want.DefaultKaime);
    EXPECT_EQ(got.Kaime3Include, want.Kaime3Include);
    EXPECT_EQ(got.NagasiKaime, want.NagasiKaime);
    EXPECT_EQ(got.StdDev13, want.StdDev13);
    EXPECT_EQ(got.KaimeJoi, want.KaimeJoi);
    EXPECT_EQ(got.KaimeKai, want.KaimeKai);
    EXPECT_EQ(got.PC1, want.PC1);
    EXPECT_EQ(got.N30, want.N30);
    EXPECT_EQ(got.hidelist, want.hidelist);
}

using M = MenuChecks;
INSTANTIATE_TEST_SUITE_P(
    Settings, MenuRestoreTest,
    testing::Values(
        MenuCase{"[Kaime]\nOption=3\n", checks({&M::SelHaiR1, &M::DefaultKaime, &M::KaimeJoi})},
        MenuCase{"[SendInfo]\nRace=5\n", checks({&M::N32, &M::DefaultKaime, &M::KaimeJoi})},
        MenuCase{"[Kaime]\nOption=2\n[SendInfo]\nRace=2\n[KaimeSet]\nExKaime=3\n[IniKaime]\nPriority=1\n",
                 checks({&M::N33, &M::SelHaiR3, &M::StdDev13, &M::KaimeKai})},
        MenuCase{"[alarm]\nbell=1\nmail=1\n[datalist]\nclose=1\n[KaimeSet]\nExKaime=2\n",
                 checks({&M::N32, &M::SelHaiR1, &M::NagasiKaime, &M::KaimeJoi, &M::PC1, &M::N30, &M::hidelist})},
        MenuCase{"[Kaime]\nOption=abc\n[IniKaime]\nPriority=7\n", checks({&M::N32, &M::SelHaiR1, &M::DefaultKaime})}));

TEST(MainFormTest, GeometryIsRestoredAndWrittenBackOnClose) {
    Fixture f("[locate]\ntop=120\nleft=-30\nwidth=1280\nheight=x\n");
    f.form->FormCreate();
    EXPECT_EQ(f.form->geometry.top, 120);
    EXPECT_EQ(f.form->geometry.left, -30);
    EXPECT_EQ(f.form->geometry.width, 1280);
    EXPECT_EQ(f.form->geometry.height, 600);
    EXPECT_TRUE(f.form->FormCloseQuery(WindowGeometry{5, 6, 700, 500}));
    IniFile& ini = f.form->ini();
    EXPECT_EQ(ini.readInteger("locate", "top", 0), 5);
    EXPECT_EQ(ini.readInteger("locate", "left", 0), 6);
    EXPECT_EQ(ini.readInteger("locate", "width", 0), 700);
    EXPECT_EQ(ini.readInteger("locate", "height", 0), 500);
}

TEST(MainFormTest, FolderSettingsComeFromTheRegistryOnlyWhenEmpty) {
    FixedRegistry registry;
    Fixture f("[Dir]\nQRVTohyo2=D:\\plugin\n", &registry);
    f.form->FormCreate();
    EXPECT_EQ(f.form->ini().readString("Dir", "QRVTohyo2", ""), "D:\\plugin");
    EXPECT_EQ(f.form->ini().readString("Dir", "jikeiretu", ""), "C:\\ODRAVI2\\Data");
    // A blank registry value writes nothing.
    EXPECT_EQ(f.form->ini().readString("Dir", "QRVTohyo", "none"), "none");
}

TEST(MainFormTest, DayListIsNewestFirstAndTakesOnlyRaceFiles) {
    Fixture f;
    for (const char* name : {"2026年12月06日.jvRA", "2026年12月07日.jvRA", "2025年01月05日.jvRA", "2026年12月07日.jvHR",
                             "2026年12月08日東京.jvSEr"})
        writeBytes(pathUnder(f.dir.path(), sj(std::string("Data/") + name)), "");
    f.form->FormCreate();
    std::vector<std::string> days;
    for (const auto& d : f.form->DateCombo.items)
        days.push_back(toUtf8(d));
    EXPECT_EQ(days, (std::vector<std::string>{"2026年12月07日", "2026年12月06日", "2025年01月05日"}));
}

TEST(MainFormTest, HelpWithoutTheManualBeepsAndSaysSo) {
    Fixture f;
    f.form->FormCreate();
    f.form->HelpButtonClick();
    EXPECT_EQ(f.desktop.beeps, 1);
    ASSERT_EQ(f.desktop.messages.size(), 1u);
    EXPECT_EQ(f.desktop.messages[0], "使用解説書[RENOKA.pdf]が見つかりません。");
    writeBytes(f.dir / "RENOKA.pdf", "%PDF");
    f.form->HelpButtonClick();
    ASSERT_EQ(f.desktop.openedFiles.size(), 1u);
    EXPECT_EQ(f.desktop.openedFiles[0], f.dir / "RENOKA.pdf");
}

TEST(MainFormTest, HideListToggleIsWrittenAtOnce) {
    Fixture f;
    f.form->FormCreate();
    f.form->hidelistClick();
    EXPECT_TRUE(f.form->ini().readBool("datalist", "close", false));
    f.form->hidelistClick();
    EXPECT_FALSE(f.form->ini().readBool("datalist", "close", true));
}

TEST(MainFormTest, AFailedInitIsShownWithItsErrorText) {
    FailingInitJvLink link(-103);
    Fixture f({}, nullptr, &link);
    f.form->FormCreate();
    f.form->FormShow();
    ASSERT_EQ(f.desktop.messages.size(), 1u);
    EXPECT_EQ(f.desktop.messages[0], "JVInitエラー：sid が不正（sid の１桁目がスペース）です。(-103)");
}

TEST(MainFormTest, AHandlerThatFailsIsShownLoggedAndTheProgramGoesOn) {
    Fixture f;
    f.form->FormCreate();
    EXPECT_FALSE(f.form->runHandler([&] { f.form->store().setRa(36, "RA"); }));
    EXPECT_EQ(f.desktop.beeps, 1);
    ASSERT_EQ(f.desktop.messages.size(), 1u);
    EXPECT_EQ(f.desktop.messages[0], "範囲外の番号です（レース 36）");
    auto log = loadLines(f.dir / "ErrorLog.txt");
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(toUtf8(log[2]), "【エラー】09:00:00：範囲外の番号です（レース 36）");
    // Unattended handlers never open a dialog.
    EXPECT_FALSE(f.form->runHandler([] { throw FileError(sj("書けません")); }, true));
    EXPECT_EQ(f.desktop.messages.size(), 1u);
    EXPECT_EQ(toUtf8(f.form->StatusLabel.text), "書けません");
    EXPECT_TRUE(f.form->runHandler([] {}));
}

// A timer's handler reaches code that would ask or tell: nothing opens, the words go to the status line, and the
// question is answered No.
TEST(MainFormTest, AnUnattendedHandlerOpensNoDialogAndLeavesItsWordsInTheStatusLine) {
    Fixture f;
    f.form->FormCreate();
    f.form->changes().take();
    bool answer = true;
    EXPECT_TRUE(f.form->runHandler(
        [&] {
            answer = f.form->desktop().confirm(sj("登録しますか？"));
            f.form->desktop().information(sj("データ作成が未完了のようです。"));
        },
        true));
    EXPECT_FALSE(answer);
    EXPECT_TRUE(f.desktop.messages.empty());
    EXPECT_EQ(toUtf8(f.form->StatusLabel.text), "データ作成が未完了のようです。");
    EXPECT_TRUE(f.form->changes().take().has(View::Status));
    // Attended again afterwards.
    f.form->desktop().information(sj("表示"));
    EXPECT_EQ(f.desktop.messages, std::vector<std::string>{"表示"});
}

TEST(MainFormTest, AProgramFolderThatCannotBeMadeIsAFileErrorAndWritesNothing) {
    FormFixture f;
    writeBytes(f.dir / "file", "x");
    TMainForm& form = f.makeForm(nullptr, nullptr, f.dir / "file" / "home");
    EXPECT_THROW(form.FormCreate(), FileError);
    EXPECT_EQ(readBytes(f.dir / "file"), "x");
}

} // namespace
