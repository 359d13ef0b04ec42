#include "main/ScreenshotScene.h"

#include "QtText.h"
#include "app/MainForm.h"
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

bool showExtra(MainWindow& window, TMainForm& form, const QString& show, QPixmap& dialogShot) {
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
    if (!scene.show.isEmpty() && !showExtra(window, form, scene.show, dialogShot)) {
        error = QStringLiteral("--show の値が正しくありません: ") + scene.show;
        return false;
    }
    QApplication::processEvents();
    return true;
}

} // namespace renoka
