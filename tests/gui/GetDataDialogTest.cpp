// The stored-data download dialog over a real form in a temporary program folder, with a scripted data service:
// a download followed through the status timer into the files, a cancel while the service still downloads, what
// the dialog opens with, and the way in from the main window and back out to its day list.
#include "download/GetDataDialog.h"
#include "app/MainForm.h"
#include "base/Cp932.h"
#include "frame/Registry.h"
#include "gui/WaitUntil.h"
#include "main/MainMenus.h"
#include "main/MainWindow.h"
#include "platform/FileIo.h"
#include "platform/UiThread.h"
#include "store/RecordSizes.h"
#include "support/ScriptedJvLink.h"
#include "support/ScriptedPorts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace renoka {
namespace {

namespace fs = std::filesystem;
using test::waitUntil;

const char* const kTimeText = "yyyy/MM/dd hh:mm:ss";

// The first fields every record shares: type, data kind, creation date, then the race of 2026-12-07 at 東京 (05),
// 5th meeting, 3rd day, race `race`.
std::string record(const char* type, size_t size, const char* race) {
    std::string line(size - 2, ' ');
    line.replace(0, 11, std::string(type) + "220261207");
    line.replace(11, 16, std::string("2026120705") + "0503" + race);
    return line;
}

std::string payoutRecord(const char* race) {
    return record("HR", records::HR, race);
}

std::string raceRecord(const char* race) {
    std::string line = record("RA", records::RA, race);
    line.replace(881, 2, "16"); // registered runners
    return line;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The read loop lets events through at every turn; this desktop lets a test act at one chosen turn, as a user
// clicking in the middle of a read would.
class ReadLoopDesktop : public test::ScriptedDesktop {
public:
    void processEvents() override {
        ScriptedDesktop::processEvents();
        if (eventTurns == actAtTurn && act) act();
    }
    int actAtTurn = 0;
    std::function<void()> act;
};

class GetDataDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }
    void TearDown() override {
        EXPECT_TRUE(desktop.scriptUsedUp());
        // A busy cursor left behind would stay over every later window of the program.
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    fs::path home() const { return fs::path(m_home.path().toStdString()); }

    void writeSettings(const char* text) {
        QFile file(m_home.filePath(QStringLiteral("renoka.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    TMainForm& createForm() {
        m_form = std::make_unique<TMainForm>(home(), MainFormPorts{desktop, clock, sound, jvLink, registry, uiThread});
        m_form->FormCreate();
        return *m_form;
    }

    GetDataDialog& openDialog() {
        m_dialog = std::make_unique<GetDataDialog>(createForm());
        m_dialog->show();
        QCoreApplication::processEvents();
        return *m_dialog;
    }

    template <typename T> T& child(const char* name) {
        T* found = m_dialog->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    bool fileExists(const char* utf8Relative) const { return fs::exists(pathUnder(home(), sj(utf8Relative))); }

    ReadLoopDesktop desktop;
    test::FakeClock clock{"2026-12-08 09:15:30"};
    test::FakeSoundPlayer sound;
    test::ScriptedJvLink jvLink;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<GetDataDialog> m_dialog;

private:
    QTemporaryDir m_home;
};

TEST_F(GetDataDialogTest, DownloadRunsThroughTheStatusTimerIntoTheFiles) {
    jvLink.readCount = 2;
    jvLink.downloadCount = 3;
    jvLink.statusResults = {1, 2, 3};
    jvLink.addRecord(raceRecord("11"));
    jvLink.addCode(-1);
    jvLink.addRecord(payoutRecord("11"));
    openDialog();
    auto& downloadBar = child<QProgressBar>("ProgressBar1");
    auto& start = child<QPushButton>("ButtonStart");
    auto& cancel = child<QPushButton>("ButtonCancel");
    auto& statusTimer = child<QTimer>("TimerJVStatus");
    std::vector<int> downloadShown;
    QObject::connect(&downloadBar, &QProgressBar::valueChanged, [&](int value) { downloadShown.push_back(value); });

    start.click();
    // The open only starts the download: the dialog now waits on the status timer and can be stopped.
    EXPECT_TRUE(statusTimer.isActive());
    EXPECT_EQ(statusTimer.interval(), 10);
    EXPECT_EQ(downloadBar.maximum(), 3);
    EXPECT_FALSE(start.isEnabled());
    EXPECT_TRUE(cancel.isEnabled());

    auto& progress = child<QLabel>("ProgressLabel");
    ASSERT_TRUE(waitUntil([&] { return progress.text() == QStringLiteral("データ作成が完了しました。"); }, 5000))
        << utf8(progress.text());

    EXPECT_THAT(downloadShown, ::testing::IsSupersetOf({1, 2}));
    ASSERT_FALSE(downloadShown.empty());
    EXPECT_EQ(downloadShown.back(), 0);
    auto& readBar = child<QProgressBar>("ProgressBar2");
    EXPECT_EQ(readBar.maximum(), 2);
    EXPECT_EQ(readBar.value(), 0);
    EXPECT_EQ(utf8(child<QLabel>("MkDataLabel").text()), "払戻:2026年12月07日東京11R");
    // The next download continues from the newest file read, and the picker says so at once.
    EXPECT_EQ(utf8(child<QDateTimeEdit>("DateTimePicker1").dateTime().toString(QString::fromLatin1(kTimeText))),
              "2026/12/07 17:00:00");

    EXPECT_FALSE(statusTimer.isActive());
    EXPECT_TRUE(start.isEnabled());
    EXPECT_FALSE(cancel.isEnabled());
    EXPECT_EQ(jvLink.closes, 1);
    EXPECT_TRUE(fileExists("Data/2026年12月07日.jvHR"));
    EXPECT_TRUE(fileExists("Data/2026年12月07日.jvRA"));
}

TEST_F(GetDataDialogTest, CancelWhileDownloadingAsksThenClosesTheStream) {
    jvLink.readCount = 5;
    jvLink.downloadCount = 4;
    jvLink.statusResults = {1};
    openDialog();
    auto& downloadBar = child<QProgressBar>("ProgressBar1");
    auto& statusTimer = child<QTimer>("TimerJVStatus");
    auto& cancel = child<QPushButton>("ButtonCancel");

    child<QPushButton>("ButtonStart").click();
    ASSERT_TRUE(waitUntil([&] { return downloadBar.value() == 1; }, 3000));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);

    // "No" leaves the download running.
    desktop.expectConfirm(false, "データ取込を中止します。実行しますか？");
    cancel.click();
    EXPECT_TRUE(statusTimer.isActive());
    EXPECT_EQ(jvLink.closes, 0);

    desktop.expectConfirm(true, "データ取込を中止します。実行しますか？");
    cancel.click();
    EXPECT_EQ(jvLink.cancels, 1);
    EXPECT_EQ(jvLink.closes, 1);
    EXPECT_FALSE(statusTimer.isActive());
    EXPECT_EQ(utf8(child<QLabel>("ProgressLabel").text()), "JVCancel:キャンセルされました");
    EXPECT_TRUE(child<QPushButton>("ButtonStart").isEnabled());
    EXPECT_FALSE(cancel.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Nothing of the cancelled download is read afterwards.
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(jvLink.reads_, 0);
}

enum class Phase { Downloading, Reading };

void PrintTo(Phase phase, std::ostream* os) {
    *os << (phase == Phase::Downloading ? "Downloading" : "Reading");
}

class GetDataDialogClosingTest : public GetDataDialogTest, public ::testing::WithParamInterface<Phase> {};

// The window's close button in the middle of a download: the user is asked as by the cancel button, the stream
// is closed, and only then the dialog goes (rebuilding the main window's day list on its way out).
TEST_P(GetDataDialogClosingTest, CloseMidDownloadCancelsFirst) {
    jvLink.readCount = 2;
    jvLink.addRecord(raceRecord("11"));
    jvLink.addCode(-1);
    jvLink.addRecord(payoutRecord("11"));
    desktop.expectConfirm(true, "データ取込を中止します。実行しますか？");
    if (GetParam() == Phase::Downloading) {
        jvLink.downloadCount = 4;
        jvLink.statusResults = {1};
    } else {
        // Nothing to download: the read runs inside the start click, and the close comes at its second turn.
        desktop.actAtTurn = 2;
        desktop.act = [this] { m_dialog->close(); };
    }
    GetDataDialog& dialog = openDialog();
    child<QPushButton>("ButtonStart").click();
    if (GetParam() == Phase::Downloading) {
        ASSERT_TRUE(waitUntil([&] { return child<QProgressBar>("ProgressBar1").value() == 1; }, 3000));
        // A stray Esc is not a request to stop.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &escape);
        ASSERT_TRUE(dialog.isVisible());
        ASSERT_EQ(jvLink.cancels, 0);
        dialog.close();
    }

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(jvLink.cancels, 1);
    EXPECT_EQ(jvLink.closes, 1);
    EXPECT_EQ(jvLink.reads_, GetParam() == Phase::Downloading ? 0 : 1);
    EXPECT_FALSE(child<QTimer>("TimerJVStatus").isActive());
    EXPECT_FALSE(m_form->visibility.PageControl1) << "the main window's day list was not rebuilt";
    // What was read before the cancel is on disk and in the day list.
    EXPECT_EQ(m_form->DateCombo.items.size(), GetParam() == Phase::Downloading ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Phases, GetDataDialogClosingTest, ::testing::Values(Phase::Downloading, Phase::Reading),
                         [](const auto& param) {
                             return std::string(param.param == Phase::Downloading ? "Downloading" : "Reading");
                         });

struct OpeningCase {
    const char* name;
    const char* settings;
    bool setupChecked;
    const char* pickerText;
    const char* pickerTime;
    // What the user changes before starting: a new date (the time stays) and the set-up choice.
    const char* handDate;
    const char* expectedOpen;
};

void PrintTo(const OpeningCase& c, std::ostream* os) {
    *os << c.name;
}

class GetDataDialogOpeningTest : public GetDataDialogTest, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(GetDataDialogOpeningTest, OpensWithTheLastTimeAndStartsFromWhatIsShown) {
    const OpeningCase& c = GetParam();
    writeSettings(c.settings);
    openDialog();
    auto& picker = child<QDateTimeEdit>("DateTimePicker1");
    EXPECT_EQ(child<QRadioButton>("rbtSetup").isChecked(), c.setupChecked);
    EXPECT_EQ(child<QRadioButton>("rbtNormal").isChecked(), !c.setupChecked);
    EXPECT_EQ(utf8(picker.text()), c.pickerText);
    EXPECT_EQ(utf8(picker.dateTime().toString(QString::fromLatin1(kTimeText))), c.pickerTime);

    if (c.handDate) {
        picker.setDate(QDate::fromString(QString::fromLatin1(c.handDate), Qt::ISODate));
        child<QRadioButton>("rbtSetup").click();
    }
    // No new data: the open is all that happens.
    jvLink.openResult = -1;
    child<QPushButton>("ButtonStart").click();
    EXPECT_THAT(jvLink.calls, ::testing::Contains(std::string(c.expectedOpen)));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, GetDataDialogOpeningTest,
    ::testing::Values(OpeningCase{"FirstDownloadIsASetupFromAYearBack", "", true, "2025年12月8日（月）",
                                  "2025/12/08 09:15:30", nullptr, "JVOpen RACEMING 20251208091530 3"},
                      OpeningCase{"LaterDownloadsContinueFromTheLastTime",
                                  "[JvDataGet]\r\nLastTime=2026/11/30 17:45:10\r\n", false, "2026年11月30日（月）",
                                  "2026/11/30 17:45:10", nullptr, "JVOpen RACEMING 20261130174510 1"},
                      OpeningCase{"ChoicesMadeByHandReachTheOpen", "[JvDataGet]\r\nLastTime=2026/11/30 17:45:10\r\n",
                                  false, "2026年11月30日（月）", "2026/11/30 17:45:10", "2026-11-20",
                                  "JVOpen RACEMING 20261120174510 3"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(GetDataDialogTest, MainWindowOpensTheDialogAndListsTheNewDayWhenItCloses) {
    jvLink.readCount = 1;
    jvLink.addRecord(raceRecord("11"));
    MainWindow window(createForm());
    window.show();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("DateCombo"));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 0);
    EXPECT_TRUE(window.menus().action("JVMenu")->isEnabled());

    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<GetDataDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the download dialog is not the open modal window";
            if (QWidget* other = QApplication::activeModalWidget()) other->hide();
            return;
        }
        driven = true;
        EXPECT_EQ(utf8(dialog->windowTitle()), "ＪＶデータ取込");
        auto* start = dialog->findChild<QPushButton*>(QStringLiteral("ButtonStart"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(start, &enter);
        EXPECT_TRUE(jvLink.calls.empty()) << "Enter started a download";

        start->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog, &escape);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Esc did not close the idle dialog";
            dialog->hide();
        }
    });
    window.findChild<QPushButton*>(QStringLiteral("JVBtn"))->click();

    EXPECT_TRUE(driven);
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(utf8(combo->itemText(0)), "2026年12月07日");
}

} // namespace
} // namespace renoka
