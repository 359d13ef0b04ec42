#pragma once
// The race-day view over a real program folder: a demo provider written and downloaded once for the suite, then a
// window per test that loads a finished race day.
#include "QtText.h"
#include "analysis/EntriesTable.h"
#include "analysis/OddsBoard.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "frame/Registry.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "jv/demo/DemoProvider.h"
#include "jv/download/GetDataForm.h"
#include "jv/sim/SimJvLink.h"
#include "main/EntriesPage.h"
#include "main/MainWindow.h"
#include "main/OddsPage.h"
#include "main/RaceCardPage.h"
#include "platform/UiThread.h"
#include "raceday/RaceCard.h"
#include "support/ScriptedPorts.h"
#include "widgets/QtColor.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace renoka {

namespace fs = std::filesystem;

constexpr const char* kNow = "2026-12-05 09:00:00";

class RaceDayViewTest : public ::testing::Test {
protected:
    // The demo's race day is the clock's today; the days before it are finished days with results and payouts.
    static void SetUpTestSuite() {
        s_home = new QTemporaryDir;
        ASSERT_TRUE(s_home->isValid());
        const fs::path home(s_home->path().toStdU16String());
        demo::DemoOptions options;
        options.out = home / "provider";
        options.start = demo::DemoDate{2026, 12, 5};
        options.days = 1;
        demo::makeDemoProvider(options);

        test::ScriptedDesktop desktop;
        test::FakeClock clock(kNow);
        test::FakeSoundPlayer sound;
        NoRegistry registry;
        PostedTasks uiThread;
        SimJvLink sim(home / "provider", clock);
        sim.setFilesPerSecond(0);
        TMainForm form(home, {desktop, clock, sound, sim, registry, uiThread});
        form.FormCreate();
        form.FormShow();
        const auto downloadOwned = form.createGetDataForm();
        TGetDataForm& download = *downloadOwned;
        download.FormCreate();
        download.rbtSetup = true;
        download.rbtNormal = false;
        download.CheckBox2 = true;
        download.ButtonStartClick();
        while (download.TimerJVStatus.enabled)
            download.TimerJVStatusTimer();
        download.FormCloseQuery();
        ASSERT_EQ(toUtf8(download.ProgressLabel.text), "データ作成が完了しました。");
    }
    static void TearDownTestSuite() {
        delete s_home;
        s_home = nullptr;
    }

    void SetUp() override {
        const fs::path home(s_home->path().toStdU16String());
        m_sim = std::make_unique<SimJvLink>(home / "provider", clock);
        m_form = std::make_unique<TMainForm>(home, MainFormPorts{desktop, clock, sound, *m_sim, registry, uiThread});
        m_form->FormCreate();
        m_window = std::make_unique<MainWindow>(*m_form);
        m_window->resize(1280, 800);
        m_window->show();
        QApplication::processEvents();
        // The newest day is the race day ahead; the one after it in the list is finished.
        ASSERT_GE(m_form->DateCombo.items.size(), 2u);
        m_window->chooseDay(1);
        ASSERT_FALSE(m_form->DatList.items.empty());
        QApplication::processEvents();
    }
    void TearDown() override { EXPECT_TRUE(desktop.scriptUsedUp()); }

    template <typename T> T& child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    // The texts a grid view shows in a column, top to bottom, back in CP932.
    static std::vector<std::string> columnShown(const GridView& view, int col) {
        std::vector<std::string> texts;
        for (int row = 0; row < view.model()->rowCount(); ++row)
            texts.push_back(fromQs(view.model()->index(row, col).data().toString()));
        return texts;
    }

    static void send(QWidget& target, QEvent::Type type, const QPoint& at) {
        QMouseEvent event(type, at, target.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }

    static QPoint headerCentre(const QHeaderView& header, int col) {
        return {header.sectionViewportPosition(col) + header.sectionSize(col) / 2, header.height() / 2};
    }

    static void clickHeader(QHeaderView& header, int col) {
        send(*header.viewport(), QEvent::MouseButtonPress, headerCentre(header, col));
        send(*header.viewport(), QEvent::MouseButtonRelease, headerCentre(header, col));
    }

    test::ScriptedDesktop desktop;
    test::FakeClock clock{kNow};
    test::FakeSoundPlayer sound;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<SimJvLink> m_sim;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<MainWindow> m_window;

private:
    static QTemporaryDir* s_home;
};

inline QTemporaryDir* RaceDayViewTest::s_home = nullptr;

} // namespace renoka
