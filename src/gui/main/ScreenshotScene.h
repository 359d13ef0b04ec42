#pragma once
// What the window shows before --screenshot draws it: a day, a race, a page and a size, chosen the way a user
// would choose them, so the picture is of the real handlers' work.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace renoka {

class MainWindow;
class TMainForm;

struct ScreenshotScene {
    QString day;  // "2026-11-29", the list's text ("2026年11月29日") or a position in the day list from 1
    QString race; // the list's text ("東京11R", blanks optional) or a position in the race list from 1
    QString tab;  // card, entries, results, odds, bets, a page caption, or a position from 1; then, after a "/",
                  // a tab of the page the same way ("bets/三連単")
    QSize size;   // invalid: the window keeps its saved size
    // Then: "download-closed" (the download dialog opened and closed again from its button), "status-tip" (the
    // pointer's status tip over the day chooser), or a dialog drawn instead of the window: "folder-picker" (Qt's
    // folder picker), "sim-settings" (the simulator's settings dialog from "JV-Link設定"), "axis-sets" (the
    // axis-and-partner window from its menu item), "loss-register" (the loss register's window opened from the
    // 買い目 menu), "kaime-set" (the investment dialog of "投資金設定"), "preview" (the bracket preview's tabs put on
    // the bets page), "marks:5;7,8;7,8,10" (the horses clicked to 軸, ヒモ1 and ヒモ2 in the entries-check grid) or
    // "sort:9" (a click on that header of the bet grid shown), "chase" (the group 追い上げ投資用 shown from its menu
    // item); several steps joined by "+" run in turn.
    QString show;
};

// Sets the scene up; false with a message (UTF-8) when something asked for is not there. A scene that draws a
// dialog leaves its picture in `dialogShot`.
bool setUpScene(MainWindow& window, TMainForm& form, const ScreenshotScene& scene, QString& error, QPixmap& dialogShot);

} // namespace renoka
