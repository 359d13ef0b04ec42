// The marks of the entries-check grid and the axis-and-partner window on screen: a click or the space key on a
// mark cell sets and clears its mark, every press on the grid (header and empty room included) builds the bets,
// the hand shows over the three ν columns only; the window opens from its menu item on top of the main window
// without holding it, at its stored place, and its set chooser, counts, 追加 and 削除 reach the marks and the file.
#include "RaceDayViewFixture.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/UserKaimeDialog.h"
#include "betting/UserKaimeForm.h"
#include "frame/IniFile.h"
#include "main/MainMenus.h"
#include "raceday/RaceSelection.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>

namespace renoka {
namespace {

class MarksViewTest : public RaceDayViewTest {
protected:
    void SetUp() override {
        RaceDayViewTest::SetUp();
        m_form->raceSelection().KaimeMakeBtnClick = [this] { ++bets; };
        m_window->pages().setCurrentIndex(1);
        QApplication::processEvents();
    }
    // The suite shares one program folder: the next test starts with the built-in sets, the first one chosen and
    // the window at its first place.
    void TearDown() override {
        m_window->userKaimeDialog().hide();
        IniFile& ini = m_form->ini();
        ini.writeInteger("Kaime", "KSetIndex", 0);
        ini.writeInteger("UserKaime", "Himo1joken", -1);
        ini.writeInteger("UserKaimeForm", "top", 100);
        ini.writeInteger("UserKaimeForm", "left", 500);
        std::filesystem::remove(m_form->ProgramDir() / "userkaimeset.dat");
        RaceDayViewTest::TearDown();
    }

    GridView& check() const { return m_window->entriesPage().checkGrid(); }
    const TextGrid& grid() const { return m_form->entries().StringGrid8; }
    QPoint cellCentre(int row, int col) const {
        return check().visualRect(check().model()->index(row - 1, col)).center();
    }
    void press(int row, int col) {
        send(*check().viewport(), QEvent::MouseButtonPress, cellCentre(row, col));
        send(*check().viewport(), QEvent::MouseButtonRelease, cellCentre(row, col));
    }
    std::string shown(int row, int col) const { return fromQs(check().model()->index(row - 1, col).data().toString()); }
    UserKaimeDialog& openDialog() {
        QAction* k1 = m_window->menus().action("K1");
        EXPECT_TRUE(k1->isEnabled());
        k1->trigger();
        QApplication::processEvents();
        return m_window->userKaimeDialog();
    }
    template <typename T> T& dialogChild(const char* name) {
        T* found = m_window->userKaimeDialog().findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no dialog child ") + name);
        return *found;
    }
    static void key(QWidget& target, Qt::Key k) {
        target.setFocus();
        QKeyEvent event(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
    int marksIn(int col) const {
        int count = 0;
        for (int r = 1; r < grid().rowCount(); ++r)
            count += grid().cell(col, r).empty() ? 0 : 1;
        return count;
    }

    int bets = 0;
};

TEST_F(MarksViewTest, AClickOnAMarkCellSetsAndClearsItAndEveryPressBuildsTheBets) {
    ASSERT_GT(grid().rowCount(), 3);
    // A horse without a first-partner mark.
    int row = -1;
    for (int r = 1; r < grid().rowCount() && row < 0; ++r)
        if (grid().cell(AxisPartnerMarks::kPartner1Col, r).empty()) row = r;
    ASSERT_GT(row, 0) << "every horse is a first partner";

    struct Press {
        int col;
        const char* afterUtf8; // the cell afterwards; nullptr = as before
    };
    const Press presses[] = {
        {AxisPartnerMarks::kPartner1Col, "ν"},
        {AxisPartnerMarks::kPartner1Col, ""},
        {AxisPartnerMarks::kExclusionCol, nullptr},
        {AxisPartnerMarks::kExclusionCol, nullptr},
        {2, nullptr},
        {12, nullptr},
    };
    const std::string exclusionBefore = grid().cell(AxisPartnerMarks::kExclusionCol, row);
    for (const Press& p : presses) {
        const int before = bets;
        const std::string old = grid().cell(p.col, row);
        press(row, p.col);
        EXPECT_EQ(bets, before + 1) << "col " << p.col;
        if (p.afterUtf8) {
            EXPECT_EQ(toUtf8(grid().cell(p.col, row)), p.afterUtf8) << "col " << p.col;
        } else if (p.col != AxisPartnerMarks::kExclusionCol) {
            EXPECT_EQ(grid().cell(p.col, row), old) << "col " << p.col;
        }
        EXPECT_EQ(shown(row, p.col), grid().cell(p.col, row)) << "the view follows core, col " << p.col;
    }
    // Two presses on 消 toggle it there and back.
    EXPECT_EQ(grid().cell(AxisPartnerMarks::kExclusionCol, row), exclusionBefore);
}

TEST_F(MarksViewTest, TheExclusionColumnTogglesTheWordAndTheSpaceKeyTheCurrentCell) {
    int row = -1;
    for (int r = 1; r < grid().rowCount() && row < 0; ++r)
        if (grid().cell(AxisPartnerMarks::kExclusionCol, r).empty() &&
            grid().cell(AxisPartnerMarks::kPartner2Col, r).empty())
            row = r;
    ASSERT_GT(row, 0);
    press(row, AxisPartnerMarks::kExclusionCol);
    EXPECT_EQ(toUtf8(grid().cell(AxisPartnerMarks::kExclusionCol, row)), "消");

    check().setCurrentIndex(check().model()->index(row - 1, AxisPartnerMarks::kPartner2Col));
    const int before = bets;
    key(check(), Qt::Key_Space);
    EXPECT_EQ(toUtf8(grid().cell(AxisPartnerMarks::kPartner2Col, row)), "ν");
    EXPECT_EQ(bets, before + 1);
    // The key keeps the user's place: the next press clears the same cell.
    key(check(), Qt::Key_Space);
    EXPECT_EQ(grid().cell(AxisPartnerMarks::kPartner2Col, row), "");
    EXPECT_EQ(check().currentIndex().column(), AxisPartnerMarks::kPartner2Col);
}

TEST_F(MarksViewTest, PressesOnTheHeaderOrBesideTheCellsChangeNoCellButBuildTheBets) {
    std::vector<std::string> before;
    for (int r = 0; r < grid().rowCount(); ++r)
        for (int c = 0; c < grid().colCount(); ++c)
            before.push_back(grid().cell(c, r));
    const auto cells = [this] {
        std::vector<std::string> now;
        for (int r = 0; r < grid().rowCount(); ++r)
            for (int c = 0; c < grid().colCount(); ++c)
                now.push_back(grid().cell(c, r));
        return now;
    };

    QHeaderView& header = *check().horizontalHeader();
    send(*header.viewport(), QEvent::MouseButtonPress, headerCentre(header, AxisPartnerMarks::kAxisCol));
    EXPECT_EQ(bets, 1);
    EXPECT_EQ(cells(), before);

    // The room below the last row.
    const int last = check().model()->rowCount() - 1;
    const int bottom = check().rowViewportPosition(last) + check().rowHeight(last);
    ASSERT_LT(bottom + 4, check().viewport()->height()) << "no room below the rows";
    send(*check().viewport(), QEvent::MouseButtonPress,
         QPoint(cellCentre(1, AxisPartnerMarks::kAxisCol).x(), bottom + 3));
    EXPECT_EQ(bets, 2);
    EXPECT_EQ(cells(), before);
}

TEST_F(MarksViewTest, TheHandShowsOverTheThreeMarkColumnsOnly) {
    QWidget& viewport = *check().viewport();
    for (int col = 0; col < grid().colCount(); ++col) {
        send(viewport, QEvent::MouseMove, cellCentre(2, col));
        const bool hand = col >= AxisPartnerMarks::kAxisCol && col <= AxisPartnerMarks::kPartner2Col;
        EXPECT_EQ(viewport.cursor().shape() == Qt::PointingHandCursor, hand) << "col " << col;
    }
}

TEST_F(MarksViewTest, ThePatternLetterAndTheChosenSetAreShownOnThePage) {
    const auto& pattern = child<QLabel>("PatternLabel");
    EXPECT_TRUE(pattern.text().startsWith(QStringLiteral("パターン: "))) << pattern.text().toStdString();
    EXPECT_EQ(pattern.text(), qs(m_form->marks().PatternLabel.text));
    EXPECT_EQ(child<QLabel>("SetNameLabel").text(), QStringLiteral("高配当優先"));
}

TEST_F(MarksViewTest, TheWindowOpensOnTopWithoutHoldingTheMainWindowAtItsStoredPlace) {
    UserKaimeDialog& dialog = openDialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("(軸・ヒモ馬ユーザー設定)"));
    EXPECT_EQ(dialog.pos(), QPoint(500, 100));
    // The main window goes on taking clicks meanwhile.
    press(1, AxisPartnerMarks::kAxisCol);
    EXPECT_EQ(bets, 1);

    dialogChild<QPushButton>("CloseBtn").click();
    QApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
    m_form->ini().writeInteger("UserKaimeForm", "top", 140);
    m_form->ini().writeInteger("UserKaimeForm", "left", 220);
    openDialog();
    EXPECT_EQ(dialog.pos(), QPoint(220, 140));
}

// 追加 and 削除 ask their question in a dialog of its own, which takes the focus from the window while their
// handler runs: writing the place then must not be refused as a second handler would be.
TEST_F(MarksViewTest, ThePlaceIsWrittenWhenTheWindowLosesTheFocusToItsOwnQuestion) {
    UserKaimeDialog& dialog = openDialog();
    m_window->activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(dialog.isActiveWindow());
    m_form->ini().writeInteger("UserKaimeForm", "top", 1);
    m_window->run([&dialog] {
        QEvent focusLost(QEvent::ActivationChange);
        QApplication::sendEvent(&dialog, &focusLost);
    });
    EXPECT_EQ(m_form->ini().readInteger("UserKaimeForm", "top", -1), dialog.y());
    EXPECT_TRUE(m_window->statusBar()->currentMessage().isEmpty())
        << m_window->statusBar()->currentMessage().toStdString();
}

TEST_F(MarksViewTest, AChosenSetDrivesTheNextRacesMarks) {
    openDialog();
    auto& sets = dialogChild<QComboBox>("SetCombo");
    ASSERT_EQ(sets.count(), 4);
    EXPECT_EQ(sets.itemText(2).trimmed(), QStringLiteral("２頭軸設定"));
    key(sets, Qt::Key_Down);
    key(sets, Qt::Key_Down);
    EXPECT_EQ(m_form->userKaime().SetCombo.itemIndex, 2);
    EXPECT_EQ(m_form->userKaime().Controls.axisCount, 2);
    EXPECT_EQ(dialogChild<QSpinBox>("JikuTosuEdit1").value(), 2);
    EXPECT_EQ(dialogChild<QComboBox>("JikuCombo1").currentIndex(), 0);
    EXPECT_EQ(child<QLabel>("SetNameLabel").text(), QStringLiteral("２頭軸設定"));
    EXPECT_EQ(m_form->ini().readInteger("Kaime", "KSetIndex", -1), 2);

    // A partner-1 order chosen by the user is remembered in the settings; one a set brought in is not.
    EXPECT_EQ(m_form->ini().readInteger("UserKaime", "Himo1joken", -1), -1);
    key(dialogChild<QComboBox>("HimoCombo1"), Qt::Key_Down);
    EXPECT_EQ(m_form->userKaime().Controls.partner1Order, 1);
    EXPECT_EQ(m_form->ini().readInteger("UserKaime", "Himo1joken", -1), 1);

    // A count changed in the window, not saved, is what the next race uses.
    auto& axes = dialogChild<QSpinBox>("JikuTosuEdit1");
    key(axes, Qt::Key_Up);
    EXPECT_EQ(m_form->userKaime().Controls.axisCount, 3);
    int racesWithCandidates = 0;
    for (int race = 0; race < static_cast<int>(m_form->DatList.items.size()); ++race) {
        m_window->chooseRace(race);
        QApplication::processEvents();
        const RaceWork& w = m_form->store().work(m_form->store().CurrentRace);
        int candidates = 0;
        for (int h = 0; h < kHorseCount; ++h)
            candidates += w.AxisCandidate[static_cast<size_t>(h)] > 0 ? 1 : 0;
        racesWithCandidates += candidates > 0 ? 1 : 0;
        EXPECT_EQ(marksIn(AxisPartnerMarks::kAxisCol), std::min(3, candidates)) << "race " << race;
    }
    EXPECT_GT(racesWithCandidates, 0) << "no race of the demo day has an axis candidate";
}

TEST_F(MarksViewTest, AddAsksBeforeReplacingAndDeleteAsksBeforeDeleting) {
    openDialog();
    auto& name = dialogChild<QLineEdit>("Edit1");
    EXPECT_EQ(name.text(), QStringLiteral("ユーザー設定1"));
    dialogChild<QCheckBox>("Himo1plsCheckBox").setChecked(true);
    name.setText(QStringLiteral("本命党"));
    dialogChild<QPushButton>("AddSetBtn").click();
    auto& sets = dialogChild<QComboBox>("SetCombo");
    ASSERT_EQ(sets.count(), 5);
    EXPECT_EQ(sets.currentIndex(), 4);
    EXPECT_EQ(sets.itemText(4).trimmed(), QStringLiteral("本命党"));
    ASSERT_EQ(m_form->userKaime().Sets.size(), 5u);
    // The counts as "%2d", the orders of the first set, partner-1 fill-up on.
    EXPECT_EQ(m_form->userKaime().Sets[4].substr(0, 11), " 1 7 710010");

    desktop.expectConfirm(false, "[本命党]はすでに存在しています。上書きしますか?");
    dialogChild<QPushButton>("AddSetBtn").click();
    EXPECT_EQ(sets.count(), 5);

    desktop.expectConfirm(true, "[本命党]を削除します。よろしいですか?");
    dialogChild<QPushButton>("DelBtn").click();
    EXPECT_EQ(sets.count(), 4);
    EXPECT_EQ(sets.currentIndex(), 0);
    EXPECT_EQ(child<QLabel>("SetNameLabel").text(), QStringLiteral("高配当優先"));
    EXPECT_FALSE(dialogChild<QCheckBox>("Himo1plsCheckBox").isChecked());
}

} // namespace
} // namespace renoka
