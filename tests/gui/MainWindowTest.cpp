// The main window over a real form in a temporary program folder: what it restores from the settings, what it
// writes back, and that its menus, buttons and clock reach the form's handlers.
#include "main/MainWindow.h"
#include "app/MainForm.h"
#include "frame/IniFile.h"
#include "frame/Registry.h"
#include "gui/WaitUntil.h"
#include "jv/NullJvLink.h"
#include "main/MainMenus.h"
#include "platform/UiThread.h"
#include "support/ScriptedPorts.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace renoka {
namespace {

namespace fs = std::filesystem;
using test::waitUntil;

// Every check item of the menu bar by its component name.
const char* const kCheckItems[] = {"hidelist", "N32",          "N33",           "SelHaiR1",    "SelHaiR2",
                                   "SelHaiR3", "DefaultKaime", "Kaime3Include", "NagasiKaime", "StdDev13",
                                   "KaimeJoi", "KaimeKai",     "PC1",           "N30"};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }
    void TearDown() override { EXPECT_TRUE(desktop.scriptUsedUp()); }

    fs::path home() const { return fs::path(m_home.path().toStdString()); }

    void writeSettings(const char* text) {
        QFile file(m_home.filePath(QStringLiteral("renoka.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    int setting(const char* section, const char* key) const {
        return IniFile(settingsFileOf(home())).readInteger(section, key, -999);
    }

    // The form as the program entry creates it, then the window over it.
    MainWindow& openWindow() {
        m_form = std::make_unique<TMainForm>(home(), MainFormPorts{desktop, clock, sound, jvLink, registry, uiThread});
        m_form->FormCreate();
        m_window = std::make_unique<MainWindow>(*m_form);
        m_window->show();
        QCoreApplication::processEvents();
        return *m_window;
    }

    template <typename T> T& child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    test::ScriptedDesktop desktop;
    test::FakeClock clock{"2026-12-08 09:15:30"};
    test::FakeSoundPlayer sound;
    NullJvLink jvLink;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<MainWindow> m_window;

private:
    QTemporaryDir m_home;
};

TEST_F(MainWindowTest, OpensWithCaptionAndTheSavedPlace) {
    writeSettings("[locate]\r\ntop=80\r\nleft=120\r\nwidth=640\r\nheight=430\r\n");
    MainWindow& window = openWindow();

    EXPECT_EQ(window.windowTitle(), QStringLiteral("RENOKA - レノカ"));
    EXPECT_EQ(window.pos(), QPoint(120, 80));
    EXPECT_EQ(window.size(), QSize(640, 430));
}

// Three ways to end the program; each must keep where the user left the window.
enum class Ending { QuitMenu, QuitButton, WindowClose };

const char* nameOf(Ending ending) {
    switch (ending) {
    case Ending::QuitMenu:
        return "QuitMenu";
    case Ending::QuitButton:
        return "QuitButton";
    case Ending::WindowClose:
        return "WindowClose";
    }
    return "?";
}

void PrintTo(Ending ending, std::ostream* os) {
    *os << nameOf(ending);
}

class MainWindowEndingTest : public MainWindowTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(MainWindowEndingTest, ClosingWritesTheCurrentPlace) {
    MainWindow& window = openWindow();
    window.move(150, 60);
    window.resize(610, 420);

    switch (GetParam()) {
    case Ending::QuitMenu:
        window.menus().action("QuitMenu")->trigger();
        break;
    case Ending::QuitButton:
        child<QPushButton>("QuitButton").click();
        break;
    case Ending::WindowClose:
        window.close();
        break;
    }

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(setting("locate", "left"), 150);
    EXPECT_EQ(setting("locate", "top"), 60);
    EXPECT_EQ(setting("locate", "width"), 610);
    EXPECT_EQ(setting("locate", "height"), 420);
}

INSTANTIATE_TEST_SUITE_P(Endings, MainWindowEndingTest,
                         ::testing::Values(Ending::QuitMenu, Ending::QuitButton, Ending::WindowClose),
                         [](const auto& param) { return std::string(nameOf(param.param)); });

struct ChecksCase {
    const char* name;
    const char* settings;
    std::set<std::string> checked;
};

void PrintTo(const ChecksCase& c, std::ostream* os) {
    *os << c.name;
}

class MainWindowChecksTest : public MainWindowTest, public ::testing::WithParamInterface<ChecksCase> {};

TEST_P(MainWindowChecksTest, MenuChecksFollowTheSettings) {
    writeSettings(GetParam().settings);
    MainWindow& window = openWindow();
    for (const char* name : kCheckItems) {
        QAction* action = window.menus().action(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isCheckable()) << name;
        EXPECT_EQ(action->isChecked(), GetParam().checked.count(name) == 1) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, MainWindowChecksTest,
    ::testing::Values(ChecksCase{"FirstStart", "", {"N32", "SelHaiR1", "DefaultKaime", "KaimeJoi"}},
                      ChecksCase{"EveryOtherChoice",
                                 "[Kaime]\r\nOption=2\r\n[SendInfo]\r\nRace=2\r\n[KaimeSet]\r\nExKaime=3\r\n"
                                 "[IniKaime]\r\nPriority=1\r\n[alarm]\r\nbell=1\r\nmail=1\r\n[datalist]\r\nclose=1\r\n",
                                 {"N33", "SelHaiR3", "StdDev13", "KaimeKai", "PC1", "N30", "hidelist"}},
                      ChecksCase{"SecondItems",
                                 "[SendInfo]\r\nRace=1\r\n[KaimeSet]\r\nExKaime=1\r\n",
                                 {"N32", "SelHaiR2", "Kaime3Include", "KaimeJoi"}},
                      ChecksCase{"ValuesOutsideTheLists",
                                 "[Kaime]\r\nOption=3\r\n[SendInfo]\r\nRace=5\r\n"
                                 "[KaimeSet]\r\nExKaime=2\r\n",
                                 {"NagasiKaime", "KaimeJoi"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindowTest, HidelistTogglesAndIsSavedAtOnce) {
    MainWindow& window = openWindow();
    QAction* hidelist = window.menus().action("hidelist");
    ASSERT_TRUE(hidelist->isEnabled());

    hidelist->trigger();
    EXPECT_TRUE(hidelist->isChecked());
    EXPECT_EQ(setting("datalist", "close"), 1);

    hidelist->trigger();
    EXPECT_FALSE(hidelist->isChecked());
    EXPECT_EQ(setting("datalist", "close"), 0);
}

TEST_F(MainWindowTest, PanelButtonHidesAndShowsTheLists) {
    openWindow();
    QWidget& panel = child<QWidget>("Panel6");
    ASSERT_TRUE(panel.isVisible());
    child<QPushButton>("SpeedButton1").click();
    EXPECT_FALSE(panel.isVisible());
    child<QPushButton>("SpeedButton1").click();
    EXPECT_TRUE(panel.isVisible());
}

TEST_F(MainWindowTest, HelpWithoutManualBeepsAndSays) {
    openWindow();
    m_window->menus().action("HelpMenu")->trigger();
    child<QPushButton>("HelpButton").click();
    EXPECT_EQ(desktop.beeps, 2);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0], "使用解説書[RENOKA.pdf]が見つかりません。");
}

TEST_F(MainWindowTest, ClockLabelRunsWithTheClock) {
    openWindow();
    QLabel& label = child<QLabel>("ClockLabel");
    EXPECT_EQ(label.text(), QStringLiteral("09時15分30秒"));

    clock.advanceSeconds(65);
    const QString expected = QStringLiteral("09時16分35秒");
    EXPECT_TRUE(waitUntil([&] { return label.text() == expected; }, 3000)) << label.text().toStdString();
}

TEST_F(MainWindowTest, DayListShowsNewestFirstAndTheChoiceReachesTheForm) {
    fs::create_directories(home() / "Data");
    for (const char* day : {"2026年12月05日", "2026年12月06日"}) {
        QFile file(QString::fromStdU16String((home() / "Data" / (std::string(day) + ".jvRA")).u16string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    openWindow();
    auto& combo = child<QComboBox>("DateCombo");
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("2026年12月06日"));
    EXPECT_EQ(combo.maxVisibleItems(), 36);

    combo.setCurrentIndex(1);
    EXPECT_EQ(m_form->DateCombo.itemIndex, 1);
}

} // namespace
} // namespace renoka
