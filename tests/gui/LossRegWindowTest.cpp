// The loss register's window over a loaded race day: opened from the 買い目 menu (its button stays hidden), on
// top of the main window, with the races of the day that is loaded; a loss typed and recorded there reaches the
// register, its file and the total shown.
#include "RaceDayViewFixture.h"
#include "frame/IniFile.h"
#include "main/MainMenus.h"
#include "platform/FileIo.h"
#include "results/LossRegDialog.h"
#include "results/LossRegForm.h"
#include "support/TempDir.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>

namespace renoka {
namespace {

class LossRegWindowTest : public RaceDayViewTest {
protected:
    void SetUp() override {
        RaceDayViewTest::SetUp();
        // The program folder is the suite's: every test starts from an empty register.
        desktop.expectConfirm(true, "表をクリアしますか？");
        m_window->run([this] { m_form->lossReg().A1Click(); });
    }
    fs::path ruison() const { return m_form->pathOf("ruison.csv"); }
    LossRegDialog& dialog() const { return m_window->lossRegDialog(); }
    template <typename T> T& inDialog(const char* name) {
        T* found = dialog().findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }
};

TEST_F(LossRegWindowTest, OpenedFromTheMenuItStaysOnTopWithTheRacesOfTheLoadedDay) {
    EXPECT_FALSE(child<QPushButton>("LossMemoBtn").isVisible());
    EXPECT_FALSE(dialog().isVisible());
    QAction* item = m_window->menus().action("LossMemo");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_TRUE(dialog().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("損失金管理"));

    auto& races = inDialog<QListWidget>("DatList");
    ASSERT_EQ(races.count(), static_cast<int>(m_form->DatList.items.size()));
    EXPECT_EQ(fromQs(races.item(0)->text()), m_form->DatList.items[0]);

    // Another day loaded: the register's list follows it.
    m_window->chooseDay(2);
    QApplication::processEvents();
    ASSERT_EQ(races.count(), static_cast<int>(m_form->DatList.items.size()));
    EXPECT_EQ(fromQs(races.item(races.count() - 1)->text()), m_form->DatList.items.back());
}

TEST_F(LossRegWindowTest, ALossTypedAndRecordedReachesTheRegisterItsFileAndTheTotal) {
    child<QPushButton>("LossMemoBtn").click();
    QApplication::processEvents();
    ASSERT_TRUE(dialog().isVisible());
    auto& races = inDialog<QListWidget>("DatList");
    ASSERT_GE(races.count(), 11);
    races.setCurrentRow(10);
    EXPECT_EQ(m_form->lossReg().DatList.itemIndex, 10);
    auto& amount = inDialog<QLineEdit>("SaNumEditExC3");
    amount.setText(QStringLiteral("1500"));

    const std::string label = toUtf8(m_form->lossReg().raceLabel(10));
    desktop.expectConfirm(true, label + "の損失金を記録しますか？");
    inDialog<QPushButton>("TanLossBtn").click();
    QApplication::processEvents();

    EXPECT_EQ(toUtf8(test::readBytes(ruison())), "\" 1\",\"" + label + "\",\"枠連\",\"   1500\"\r\n");
    EXPECT_EQ(inDialog<QLabel>("RuisonLabel").text().trimmed(), QStringLiteral("1500"));
    const GridView& grid = dialog().grid();
    ASSERT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), qs(sj(label.c_str())));
    // The kind column stays hidden.
    EXPECT_TRUE(grid.isColumnHidden(2));

    // A text that is no whole number is not taken: nothing is asked, nothing recorded.
    amount.setText(QStringLiteral("-"));
    inDialog<QPushButton>("TanLossBtn").click();
    QApplication::processEvents();
    EXPECT_EQ(m_form->lossReg().cumulativeLoss(), 1500);
}

// 登録, 削除 and 全削除 ask their question in a dialog of its own, which takes the focus from the window while
// their handler runs: writing the place then must not be refused as a second handler would be.
TEST_F(LossRegWindowTest, ThePlaceIsWrittenWhenTheWindowLosesTheFocusToItsOwnQuestion) {
    m_window->menus().action("LossMemo")->trigger();
    QApplication::processEvents();
    m_window->activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(dialog().isActiveWindow());
    m_form->ini().writeInteger("Losslocate", "top", 1);
    m_window->run([this] {
        QEvent focusLost(QEvent::ActivationChange);
        QApplication::sendEvent(&dialog(), &focusLost);
    });
    EXPECT_EQ(m_form->ini().readInteger("Losslocate", "top", -1), dialog().y());
    EXPECT_TRUE(m_window->statusBar()->currentMessage().isEmpty())
        << m_window->statusBar()->currentMessage().toStdString();
}

} // namespace
} // namespace renoka
