#include "main/ScreenshotScene.h"

#include "QtText.h"
#include "analysis/EntriesTable.h"
#include "app/MainForm.h"
#include "bets/BetsPage.h"
#include "bets/KaimeSetDialog.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/UserKaimeDialog.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "main/MainMenus.h"
#include "main/MainWindow.h"
#include "results/LossRegDialog.h"

#include "base/Cp932.h"
#include "jv/JvLink.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>

#include <functional>

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
    static const char* const names[] = {"card", "entries", "results", "odds", "bets"};
    for (int i = 0; i < 5; ++i)
        if (wanted.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return i;
    for (int i = 0; i < pages.count(); ++i)
        if (pages.tabText(i).remove(QLatin1Char('&')).startsWith(wanted)) return i;
    bool number = false;
    const int position = wanted.toInt(&number);
    if (number && position >= 1 && position <= pages.count()) return position - 1;
    return -1;
}

} // namespace

namespace {

// Draws the modal dialog that `open` shows, as soon as it is up, and closes it again.
QPixmap shotOfModal(const std::function<void()>& open) {
    QPixmap shot;
    QTimer::singleShot(200, [&shot] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shot = dialog->grab();
            dialog->close();
        }
    });
    open();
    return shot;
}

// "marks:5;7,8,14;7,8,10": the horses whose 軸, ヒモ1 and ヒモ2 marks the entries-check grid gets, clicked in the
// way a user clicks them (a mark already there stays).
bool setMarks(MainWindow& window, TMainForm& form, const QString& lists) {
    const QStringList columns = lists.split(QLatin1Char(';'));
    if (columns.size() > 3) return false;
    for (int i = 0; i < columns.size(); ++i) {
        const int col = AxisPartnerMarks::kAxisCol + i;
        for (const QString& horse : columns[i].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool number = false;
            const int row = horse.toInt(&number);
            const TextGrid& grid = form.entries().StringGrid8;
            if (!number || row < 1 || row >= grid.rowCount()) return false;
            if (grid.cell(col, row).empty())
                window.run([&form, row, col] { form.marks().StringGrid8MouseDown(row, col); });
        }
    }
    return true;
}

bool showExtra(MainWindow& window, TMainForm& form, const QString& show, QPixmap& dialogShot) {
    if (show.startsWith(QLatin1String("marks:"))) return setMarks(window, form, show.mid(6));
    if (show.startsWith(QLatin1String("sort:"))) {
        // A click on a header of the bet grid on the shown tab.
        bool number = false;
        const int col = show.mid(5).toInt(&number);
        BetType type{};
        if (!number || !BetBoard::pageOfType(form.bets().ActivePage, type)) return false;
        if (col < 1 || col >= form.bets().grid(type).colCount()) return false;
        window.run([&form, type, col] { form.bets().gridMouseDown(type, 0, col); });
        return true;
    }
    if (show == QLatin1String("download-closed")) {
        QTimer::singleShot(200, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        if (auto* button = window.findChild<QPushButton*>(QStringLiteral("JVBtn"))) button->click();
    } else if (show == QLatin1String("status-tip")) {
        auto* combo = window.findChild<QComboBox*>(QStringLiteral("DateCombo"));
        QStatusTipEvent tip(combo ? combo->statusTip() : QString());
        QApplication::sendEvent(&window, &tip);
        // The clock's tick that used to show the status label over the tip.
        form.Timer2Timer();
        window.showChanges(form.changes().take());
    } else if (show == QLatin1String("folder-picker")) {
        QFileDialog picker(&window, qs(sj("時系列ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定")), qpath(form.ProgramDir()));
        picker.setOption(QFileDialog::DontUseNativeDialog);
        picker.setFileMode(QFileDialog::Directory);
        picker.setOption(QFileDialog::ShowDirsOnly);
        picker.resize(640, 400);
        picker.show();
        QApplication::processEvents();
        dialogShot = picker.grab();
    } else if (show == QLatin1String("axis-sets")) {
        // The window as its menu item opens it.
        if (QAction* k1 = window.findChild<QAction*>(QStringLiteral("K1"))) k1->trigger();
        QApplication::processEvents();
        dialogShot = window.userKaimeDialog().grab();
    } else if (show == QLatin1String("loss-register")) {
        if (QAction* item = window.menus().action("LossMemo")) item->trigger();
        QApplication::processEvents();
        dialogShot = window.lossRegDialog().grab();
    } else if (show == QLatin1String("kaime-set")) {
        dialogShot = shotOfModal([&window, &form] { KaimeSetDialog::showModal(form.bets(), &window); });
    } else if (show == QLatin1String("chase")) {
        // The group 追い上げ投資用 as its menu item shows it.
        if (QAction* item = window.menus().action("OiageMenu")) item->trigger();
        QApplication::processEvents();
    } else if (show == QLatin1String("preview")) {
        window.betsPage().showPreview(true);
        window.showForm();
    } else if (show == QLatin1String("sim-settings")) {
        dialogShot = shotOfModal([&form] { form.jvLink().JVSetUIProperties(); });
    } else {
        return false;
    }
    return true;
}

} // namespace

bool setUpScene(MainWindow& window, TMainForm& form, const ScreenshotScene& scene, QString& error,
                QPixmap& dialogShot) {
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
        // "bets/三連単": a page, then a tab of its own.
        const QString page = scene.tab.section(QLatin1Char('/'), 0, 0);
        const QString sub = scene.tab.section(QLatin1Char('/'), 1);
        const int tab = tabIndex(window.pages(), page);
        if (tab < 0) {
            error = QStringLiteral("ページが見つかりません: ") + scene.tab;
            return false;
        }
        window.pages().setCurrentIndex(tab);
        if (!sub.isEmpty()) {
            QTabWidget* subTabs = window.pages().widget(tab)->findChild<QTabWidget*>();
            const int subTab = subTabs ? tabIndex(*subTabs, sub) : -1;
            if (subTab < 0) {
                error = QStringLiteral("ページが見つかりません: ") + scene.tab;
                return false;
            }
            subTabs->setCurrentIndex(subTab);
        }
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
    // Steps one after another: "marks:7+sort:9".
    for (const QString& step : scene.show.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        if (!showExtra(window, form, step, dialogShot)) {
            error = QStringLiteral("--show の値が正しくありません: ") + step;
            return false;
        }
        QApplication::processEvents();
    }
    QApplication::processEvents();
    return true;
}

} // namespace renoka
