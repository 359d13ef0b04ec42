#include "main/ScreenshotScene.h"

#include "QtText.h"
#include "app/MainForm.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "main/MainWindow.h"

#include <QApplication>
#include <QDate>
#include <QTabWidget>

namespace renoka {

namespace {

// The position of `wanted` among the items: their text with or without blanks, or a number from 1.
int indexOf(const ListControl& list, QString wanted) {
    wanted.remove(QLatin1Char(' '));
    for (size_t i = 0; i < list.items.size(); ++i)
        if (qs(list.items[i]).remove(QLatin1Char(' ')) == wanted) return static_cast<int>(i);
    bool number = false;
    const int position = wanted.toInt(&number);
    if (number && position >= 1 && position <= static_cast<int>(list.items.size())) return position - 1;
    return -1;
}

int tabIndex(const QTabWidget& pages, const QString& wanted) {
    static const char* const names[] = {"card", "entries", "results", "odds"};
    for (int i = 0; i < 4; ++i)
        if (wanted.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return i;
    for (int i = 0; i < pages.count(); ++i)
        if (pages.tabText(i).remove(QLatin1Char('&')).startsWith(wanted)) return i;
    bool number = false;
    const int position = wanted.toInt(&number);
    if (number && position >= 1 && position <= pages.count()) return position - 1;
    return -1;
}

} // namespace

bool setUpScene(MainWindow& window, TMainForm& form, const ScreenshotScene& scene, QString& error) {
    if (scene.size.isValid()) window.resize(scene.size);
    if (!scene.day.isEmpty()) {
        QString day = scene.day;
        const QDate date = QDate::fromString(day, QStringLiteral("yyyy-MM-dd"));
        if (date.isValid()) day = date.toString(QStringLiteral("yyyy年MM月dd日"));
        const int index = indexOf(form.DateCombo, day);
        if (index < 0) {
            error = QStringLiteral("開催日が見つかりません: ") + scene.day;
            return false;
        }
        window.chooseDay(index);
    }
    if (!scene.race.isEmpty()) {
        const int row = indexOf(form.DatList, scene.race);
        if (row < 0) {
            error = QStringLiteral("レースが見つかりません: ") + scene.race;
            return false;
        }
        window.chooseRace(row);
    }
    if (!scene.tab.isEmpty()) {
        const int tab = tabIndex(window.pages(), scene.tab);
        if (tab < 0) {
            error = QStringLiteral("ページが見つかりません: ") + scene.tab;
            return false;
        }
        window.pages().setCurrentIndex(tab);
    }
    // The clock and the countdown as their timers would show them a moment later.
    form.runHandler(
        [&form] {
            form.Timer2Timer();
            form.acquisition().Timer3Timer();
        },
        true);
    window.showForm();
    QApplication::processEvents();
    return true;
}

} // namespace renoka
