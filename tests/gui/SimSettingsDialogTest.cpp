// The simulator's settings dialog over a real form and simulator in a temporary program folder: reached through the
// download dialog's "JV-Link設定" button, OK saves the folder where start-up reads it and hands both values to the
// running simulator; Cancel leaves the file and the simulator alone.
#include "sim/SimSettingsDialog.h"
#include "app/MainForm.h"
#include "app/Startup.h"
#include "base/Cp932.h"
#include "download/GetDataDialog.h"
#include "frame/IniFile.h"
#include "frame/Registry.h"
#include "jv/sim/SimJvLink.h"
#include "platform/UiThread.h"
#include "support/ScriptedPorts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace renoka {
namespace {

namespace fs = std::filesystem;

class SimSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_sim = std::make_unique<SimJvLink>(home() / "provider", clock);
        m_form = std::make_unique<TMainForm>(home(), MainFormPorts{desktop, clock, sound, *m_sim, registry, uiThread});
        m_form->FormCreate();
    }
    void TearDown() override { EXPECT_TRUE(desktop.scriptUsedUp()); }

    fs::path home() const { return fs::path(m_home.path().toStdU16String()); }
    std::string setting() const { return IniFile(settingsFileOf(home())).readString("Sim", "Provider", "(none)"); }

    template <typename T> static T& child(QWidget& parent, const char* name) {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    test::ScriptedDesktop desktop;
    test::FakeClock clock{"2026-12-06 10:00:00"};
    test::FakeSoundPlayer sound;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<SimJvLink> m_sim;
    std::unique_ptr<TMainForm> m_form;

private:
    QTemporaryDir m_home;
};

TEST_F(SimSettingsDialogTest, OkFromTheDownloadDialogSavesTheFolderWhereStartupReadsIt) {
    SimSettingsDialog::install(*m_form, *m_sim);
    GetDataDialog download(*m_form);
    download.show();
    bool answered = false;
    // The settings dialog is modal: act on it from inside its own event loop, as the user would.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SimSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        child<QLineEdit>(*dialog, "ProviderEdit").setText(QString::fromUtf8("提供元/週末"));
        child<QSpinBox>(*dialog, "SpeedSpin").setValue(0);
        child<QPushButton>(*dialog, "OkButton").click();
        answered = true;
    });
    child<QPushButton>(download, "SpeedButton1").click();
    ASSERT_TRUE(answered);

    // Saved as CP932 text, and no error box from the download dialog.
    EXPECT_EQ(setting(), sj("提供元/週末"));
    EXPECT_TRUE(desktop.messages.empty());
    const fs::path chosen = home() / fs::path(u"提供元/週末");
    EXPECT_EQ(m_sim->providerFolder(), chosen);
    EXPECT_EQ(m_sim->filesPerSecond(), 0);

    // The next start of the program must serve the same folder.
    const DataService restarted = createDataService(home(), clock);
    const SimJvLink* restartedSim = restarted.simulator;
    ASSERT_NE(restartedSim, nullptr);
    EXPECT_EQ(restartedSim->providerFolder(), chosen);
}

TEST_F(SimSettingsDialogTest, CancelChangesNothing) {
    m_form->ini().writeString("Sim", "Provider", "demo");
    m_sim->setProviderFolder(home() / "demo");
    m_sim->setFilesPerSecond(12);
    SimSettingsDialog dialog(*m_form, *m_sim);
    auto& folder = child<QLineEdit>(dialog, "ProviderEdit");
    EXPECT_EQ(folder.text(), QStringLiteral("demo"));
    EXPECT_EQ(child<QSpinBox>(dialog, "SpeedSpin").value(), 12);

    folder.setText(QStringLiteral("/elsewhere"));
    child<QSpinBox>(dialog, "SpeedSpin").setValue(SimSettingsDialog::kProviderSpeed);
    child<QPushButton>(dialog, "CancelButton").click();

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(setting(), "demo");
    EXPECT_EQ(m_sim->providerFolder(), home() / "demo");
    EXPECT_EQ(m_sim->filesPerSecondSetting(), 12);
}

TEST_F(SimSettingsDialogTest, TheClockNoteRunsWhileTheDialogIsOpen) {
    SimSettingsDialog dialog(*m_form, *m_sim);
    auto& note = child<QLabel>(dialog, "ClockNote");
    ASSERT_TRUE(note.text().contains(QStringLiteral("2026/12/06 10:00:00"))) << note.text().toStdString();
    clock.advanceSeconds(75);
    auto& tick = *dialog.findChild<QTimer*>(QStringLiteral("ClockTimer"));
    EXPECT_TRUE(tick.isActive());
    QMetaObject::invokeMethod(&tick, "timeout", Qt::DirectConnection);
    EXPECT_TRUE(note.text().contains(QStringLiteral("2026/12/06 10:01:15"))) << note.text().toStdString();
}

} // namespace
} // namespace renoka
