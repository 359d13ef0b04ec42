// A race day is changed only by a deliberate choice, and what the window shows of it always agrees: not by the
// wheel passing over the closed chooser, never lost when chosen while another day loads, and after the download
// dialog closes the chooser names the day the race list and the heading show. The entries table's header is the
// silver core paints it.
#include "RaceDayViewFixture.h"

#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>

namespace renoka {
namespace {

TEST_F(RaceDayViewTest, TheWheelOverTheClosedChooserLoadsNoDay) {
    auto& days = child<QComboBox>("DateCombo");
    const std::string loaded = m_form->store().DayName;
    const QPoint centre(days.width() / 2, days.height() / 2);
    QWheelEvent wheel(centre, days.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&days, &wheel);
    QApplication::processEvents();
    EXPECT_EQ(m_form->store().DayName, loaded);
    EXPECT_EQ(days.currentIndex(), 1);
    EXPECT_EQ(m_form->DateCombo.itemIndex, 1);
}

TEST_F(RaceDayViewTest, ADayChosenWhileAnotherLoadsIsLoadedNext) {
    ASSERT_GE(m_form->DateCombo.items.size(), 3u);
    auto& days = child<QComboBox>("DateCombo");
    days.setFocus();
    // The load lets events through as it goes: the key arrives while day 1 loads.
    desktop.onProcessEvents = [] { QApplication::processEvents(); };
    QApplication::postEvent(&days, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    m_window->chooseDay(1);
    desktop.onProcessEvents = nullptr;
    QApplication::processEvents();

    EXPECT_EQ(m_form->store().DayName, m_form->DateCombo.items[2]);
    EXPECT_EQ(m_form->DateCombo.itemIndex, 2);
    EXPECT_EQ(days.currentIndex(), 2);
    EXPECT_EQ(child<QListWidget>("DatList").count(), static_cast<int>(m_form->DatList.items.size()));
}

TEST_F(RaceDayViewTest, AfterTheDownloadTheChooserNamesTheDayOnScreen) {
    const QString loaded = qs(m_form->store().DayName);
    const int races = child<QListWidget>("DatList").count();
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    child<QPushButton>("JVBtn").click();
    QApplication::processEvents();

    EXPECT_EQ(child<QComboBox>("DateCombo").currentText(), loaded);
    EXPECT_EQ(child<QListWidget>("DatList").count(), races);
    const QWidget& header = child<QWidget>("Panel8");
    ASSERT_TRUE(header.isVisible());
    EXPECT_EQ(child<QLabel>("BashoLabel").text(), qs(m_form->raceCard().BashoLabel.text));
    // The race pages are hidden; the heading keeps its height and the empty view below takes the room.
    EXPECT_FALSE(child<QTabWidget>("PageControl1").isVisible());
    EXPECT_LE(header.height(), header.sizeHint().height());
    EXPECT_TRUE(child<QWidget>("EmptyView").isVisible());

    // A click on the race still marked in the list shows it again.
    auto& list = child<QListWidget>("DatList");
    const QPoint at = list.visualItemRect(list.currentItem()).center();
    send(*list.viewport(), QEvent::MouseButtonPress, at);
    send(*list.viewport(), QEvent::MouseButtonRelease, at);
    EXPECT_TRUE(child<QTabWidget>("PageControl1").isVisible());
    EXPECT_FALSE(child<QWidget>("EmptyView").isVisible());
}

TEST_F(RaceDayViewTest, TheEntriesTableHeaderIsSilver) {
    m_window->pages().setCurrentIndex(1);
    QApplication::processEvents();
    auto* table = m_window->entriesPage().findChild<GridView*>(QStringLiteral("StringGrid26"));
    ASSERT_NE(table, nullptr);
    QHeaderView& header = *table->horizontalHeader();
    const QImage shown = header.grab().toImage();
    // Off the caption's letters and the section's border.
    const QColor middle = shown.pixelColor(header.sectionViewportPosition(2) + 4, 4);
    // The style shades the section a little; it must be silver (192, 192, 192), not Qt's light grey.
    for (int channel : {middle.red(), middle.green(), middle.blue()})
        EXPECT_NEAR(channel, 192, 12) << middle.name().toStdString();
}

} // namespace
} // namespace renoka
