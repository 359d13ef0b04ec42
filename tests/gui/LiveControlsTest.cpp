// The live race day in the main window: every fetch reachable from the menu (the hidden ones only there), the
// automatic-odds item and its refusal, the timers ticking as often as the clock runs, DLlabel showing a fetch
// while it runs, and the fetch-times dialog writing its settings.
#include "acquisition/OzGetTimeDialog.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "frame/IniFile.h"
#include "frame/Registry.h"
#include "main/MainMenus.h"
#include "main/MainWindow.h"
#include "platform/UiThread.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "support/ScriptedJvLink.h"
#include "support/ScriptedPorts.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace renoka {
namespace {

namespace fs = std::filesystem;

class LiveControlsTest : public ::testing::Test {
protected:
    MainWindow& openWindow(const Clock& withClock) {
        m_form = std::make_unique<TMainForm>(fs::path(m_home.path().toStdString()),
                                             MainFormPorts{desktop, withClock, sound, jvLink, registry, uiThread});
        m_form->FormCreate();
        m_window = std::make_unique<MainWindow>(*m_form);
        m_window->show();
        QCoreApplication::processEvents();
        return *m_window;
    }
    MainWindow& openWindow() { return openWindow(clock); }
    // The day of the clock chosen, with one race in slot 0 shown.
    void chooseDay() {
        std::string ra(records::RA, ' ');
        ra.replace(0, 2, "RA");
        ra.replace(11, 16, "2026120806050311");
        m_form->store().setRa(0, ra);
        m_form->store().DayName = sj("2026年12月08日");
        m_form->DateCombo.items = {sj("2026年12月08日")};
        m_form->DateCombo.itemIndex = 0;
        m_form->DatList.items = {sj("中山11R")};
        m_form->DatList.itemIndex = 0;
    }
    template <typename T> T& child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    QTemporaryDir m_home;
    test::ScriptedDesktop desktop;
    test::FakeClock clock{"2026-12-08 09:15:30"};
    test::FakeSoundPlayer sound;
    test::ScriptedJvLink jvLink;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(LiveControlsTest, EveryFetchIsInTheMenuAndTheHiddenOnesOnlyThere) {
    MainWindow& window = openWindow();
    for (const char* name : {"SokuhoOddsBtn", "KekkaGetBtn", "GetBataijuBtn", "GetDMBtn", "GetKaisaiBtn",
                             "KaisaiReadBtn", "AutoOzCheck", "NextRaceBtn", "N1O1", "N8", "OzGetLoopBtn"}) {
        QAction* item = window.menus().action(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_TRUE(item->isEnabled()) << name;
    }
    for (const char* name : {"SokuhoOddsBtn", "KekkaGetBtn", "GetBataijuBtn", "GetDMBtn", "NextRaceBtn"})
        EXPECT_TRUE(child<QPushButton>(name).isVisible()) << name;
    EXPECT_FALSE(child<QCheckBox>("AutoOzCheckBox").isVisible());
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("GetKaisaiBtn")), nullptr);

    chooseDay();
    window.menus().action("GetKaisaiBtn")->trigger();
    child<QPushButton>("KekkaGetBtn").click();
    EXPECT_EQ(jvLink.calls,
              (std::vector<std::string>{"JVRTOpen 0B14 20261208", "JVClose", "JVRTOpen 0B12 20261208", "JVClose"}));

    // The hidden automatic-odds button has only its menu item: one stream per race of the round.
    jvLink.calls.clear();
    m_form->OzFetchList = {"2026120806050311 0"};
    window.menus().action("OzGetLoopBtn")->trigger();
    ASSERT_FALSE(jvLink.calls.empty());
    EXPECT_EQ(jvLink.calls.front(), "JVRTOpen 0B30 2026120806050311");
}

TEST_F(LiveControlsTest, TheAutomaticOddsItemRefusesWithoutADayAndStaysUnchecked) {
    MainWindow& window = openWindow();
    QAction* item = window.menus().action("AutoOzCheck");
    item->trigger();
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"ﾃﾞｰﾀを読み込んでください。"});
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(child<QTimer>("Timer1").isActive());

    chooseDay();
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(child<QCheckBox>("AutoOzCheckBox").isChecked());
    EXPECT_TRUE(child<QTimer>("Timer1").isActive());
    EXPECT_EQ(child<QTimer>("Timer1").interval(), 40000);
}

TEST_F(LiveControlsTest, TimersTickAsOftenAsTheRehearsalClockRuns) {
    const StartedClock fast(clock.now(), 100);
    openWindow(fast);
    EXPECT_EQ(child<QTimer>("Timer3").interval(), 10);
    EXPECT_TRUE(child<QTimer>("Timer3").isActive());
    EXPECT_EQ(child<QTimer>("Timer2").interval(), TimerBinding::kShortestMs) << "0.5 s over 100 is too short to paint";
    m_form->Timer4 = {true, 600000};
    m_window->showForm();
    EXPECT_EQ(child<QTimer>("Timer4").interval(), 6000);
    EXPECT_TRUE(child<QTimer>("Timer4").isActive());
    m_form->Timer4 = {true, 0};
    m_window->showForm();
    EXPECT_FALSE(child<QTimer>("Timer4").isActive()) << "an interval of 0 leaves the timer without effect";
    // The form must not outlive its clock.
    m_window.reset();
    m_form.reset();
}

TEST_F(LiveControlsTest, DLlabelShowsTheFetchWhileItRuns) {
    openWindow();
    chooseDay();
    QString shownDuringFetch;
    desktop.onProcessEvents = [&] {
        if (shownDuringFetch.isEmpty()) shownDuringFetch = child<QLabel>("DLlabel").text();
    };
    child<QPushButton>("GetBataijuBtn").click();
    EXPECT_EQ(shownDuringFetch, QStringLiteral("馬体重データ取得中"));
    EXPECT_TRUE(child<QLabel>("DLlabel").text().isEmpty());
}

TEST_F(LiveControlsTest, TheFetchTimesDialogWritesItsValuesWithinTheirRanges) {
    openWindow();
    m_form->ini().writeInteger("Time", "AutoOzGet", 1);
    const std::unique_ptr<TOzGetTimeForm> form = m_form->N8Click();
    OzGetTimeDialog dialog(*form);
    auto& ozGet = *dialog.findChild<QSpinBox*>(QStringLiteral("OzGetSpin"));
    EXPECT_EQ(ozGet.value(), 3) << "a value below the range shows as its lowest";
    ozGet.setValue(12);
    dialog.findChild<QSpinBox*>(QStringLiteral("RdataGetSpin"))->setValue(15);
    EXPECT_FALSE(dialog.findChild<QSpinBox*>(QStringLiteral("BataijuGetSpin"))->isVisibleTo(&dialog));
    dialog.accept();
    EXPECT_EQ(m_form->ini().readInteger("Time", "AutoOzGet", 0), 12);
    EXPECT_EQ(m_form->ini().readInteger("Time", "AutoRdataGet", 0), 15);
    EXPECT_EQ(m_form->ini().readInteger("Time", "AutoBataijuGet", 0), 37);
}

} // namespace
} // namespace renoka
