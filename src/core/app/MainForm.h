#pragma once
// The main window as data: its lists, labels, menu checks and timers, and the handlers of the frame (start-up,
// close, help, the day list). The GUI shows this object and forwards events to it; the CLI drives it headless.
#include "app/Controls.h"
#include "app/ErrorLog.h"
#include "app/IniFile.h"
#include "app/Registry.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/SoundPlayer.h"
#include "store/DayFileStore.h"
#include "store/RaceDayStore.h"
#include "text/Label.h"
#include "text/SortedStringList.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace renoka {

class JvLink;
class OddsIntake;
class MiningIntake;
class HorseWeights;
class EntriesTable;
class PayoutIntake;
class RaceCard;
class DayLoader;
class OddsBoard;

struct MainFormPorts {
    Desktop& desktop;
    const Clock& clock;
    SoundPlayer& sound;
    JvLink& jvLink;
    const Registry& registry;
};

// Checked states of the menu items the settings restore.
struct MenuChecks {
    bool hidelist = false;      // ﾃﾞｰﾀ読込後ﾘｽﾄを消す(&P)
    bool N32 = false;           // 枠連出現率優先
    bool N33 = false;           // 枠出現順位優先
    bool SelHaiR1 = false;      // 全レース配信
    bool SelHaiR2 = false;      // 推奨ﾊﾟﾀｰﾝ+2点ﾊﾟﾀｰﾝを配信
    bool SelHaiR3 = false;      // MSH出現レースのみ配信
    bool DefaultKaime = false;  // デフォルト買い目
    bool Kaime3Include = false; // 枠１～３位ＢＯＸ３点
    bool NagasiKaime = false;   // 流し買い目
    bool StdDev13 = false;      // 上位３点的中７０％買い目
    bool KaimeJoi = false;      // 上位パターン優先
    bool KaimeKai = false;      // 下位パターン優先
    bool PC1 = false;           // 携帯ﾒｰﾙの代わりにPCを鳴らす
    bool N30 = false;           // 買い目を携帯メールへ送信する
};

// Whether the controls that start hidden or that the frame shows and hides are visible.
struct FrameVisibility {
    bool PageControl1 = true;
    bool StringGrid6 = true;
    bool PageControl3 = true;
    bool Panel8 = true;
    bool Panel6 = true;
    bool TekiAnaBtn = false;
    bool TekiAnaBtn2 = false;
    bool DirectReadBtn = false;
    bool MenuMaster = false;
    bool TabSheet1 = true;  // 金のなる木プレビュー
    bool TabSheet8 = true;  // 参考買い目
    bool TabSheet15 = true; // 出馬表(一覧)
    bool TabSheet37 = true; // 枠連
    bool TabSheet7 = true;  // 軸ヒモ確認表
};

class TMainForm {
public:
    static constexpr const char* Caption = "RENOKA - レノカ"; // UTF-8
    static constexpr const char* ApplicationTitle = "RENOKA";

    TMainForm(std::filesystem::path programDir, MainFormPorts ports);
    ~TMainForm();

    // Start-up of the window: folders, hints, geometry, lists, error log, menu checks, day list, hidden parts.
    // Throws FileError when the program folder cannot be prepared.
    void FormCreate();
    // First shown: initialises the data service with the software identifier.
    void FormShow();
    // Writes the window position and size to "locate"; closing is always allowed.
    bool FormCloseQuery(const WindowGeometry& current);

    void QuitButtonClick();
    void HelpButtonClick();
    void hidelistClick();
    void SpeedButton1Click();
    void MakeDataListBtnClick();
    void IniBtnClick();
    void Timer2Timer();

    // Runs a handler the way every front end must: a RenokaError (or any other exception) stops the handler,
    // beeps, shows the message (unless unattended) and appends it to the error log. Returns false when it failed.
    bool runHandler(const std::function<void()>& handler, bool unattended = false);
    // Appends a line to the error log.
    void logError(const std::string& message);

    // The clock label text 'hh時nn分ss秒'.
    std::string clockText() const;

    const std::filesystem::path& ProgramDir() const { return m_programDir; }
    // The program folder as CP932 text, as written to the log and used in settings values.
    std::string programDirText() const;
    std::filesystem::path pathOf(std::string_view cp932Relative) const;

    IniFile& ini() { return m_ini; }
    ErrorLog& errorLog() { return m_errorLog; }
    RaceDayStore& store() { return *m_store; }
    // Every update of the data files goes through this one store.
    DayFileStore& files() { return m_files; }

    // The subsystems of the race-day view; each owns its controls and keeps the system's handler names.
    DayLoader& dayLoader() { return *m_dayLoader; }
    RaceCard& raceCard() { return *m_raceCard; }
    OddsIntake& odds() { return *m_odds; }
    MiningIntake& mining() { return *m_mining; }
    HorseWeights& weights() { return *m_weights; }
    EntriesTable& entries() { return *m_entries; }
    PayoutIntake& payouts() { return *m_payouts; }
    OddsBoard& oddsBoard() { return *m_oddsBoard; }
    Desktop& desktop() { return m_ports.desktop; }
    const Clock& clock() const { return m_ports.clock; }
    SoundPlayer& sound() { return m_ports.sound; }
    JvLink& jvLink() { return m_ports.jvLink; }

    WindowGeometry geometry;
    MenuChecks menus;
    FrameVisibility visibility;
    int RadioGroup1ItemIndex = 0;     // 資金配分: 0 均等, 1 比例
    ListControl DateCombo;            // day names, newest first
    ListControl DatList;              // races of the loaded day
    Label StatusLabel;                // data-service errors and progress of unattended work
    Label SeiRecLabel;                // results state of the loaded day: 成績記録済 / 成績未記録
    Label RestTimeLabel;              // time left to the next post, shown on today's day only
    Label PrgrsText;                  // the progress window's text line (TPrgrsForm)
    TimerState Timer4{false, 600000}; // automatic race-data fetch
    Label ClockLabel;                 // Timer2
    TimerState Timer2{true, 1000};
    bool closeRequested = false;

    SortedStringList TrackedHorses{SortedStringList::Duplicates::Ignore};
    SortedStringList JockeyCheckList;
    std::vector<std::string> SharedLines;
    SortedStringList VenueList{SortedStringList::Duplicates::Ignore};
    std::vector<std::string> RaceAmounts;
    bool BatchMode = false;

private:
    void restoreFolderSettings();
    void restoreMenuChecks();

    std::filesystem::path m_programDir;
    MainFormPorts m_ports;
    IniFile m_ini;
    ErrorLog m_errorLog;
    std::unique_ptr<RaceDayStore> m_store;
    DayFileStore m_files;
    std::unique_ptr<DayLoader> m_dayLoader;
    std::unique_ptr<RaceCard> m_raceCard;
    std::unique_ptr<OddsIntake> m_odds;
    std::unique_ptr<MiningIntake> m_mining;
    std::unique_ptr<HorseWeights> m_weights;
    std::unique_ptr<EntriesTable> m_entries;
    std::unique_ptr<PayoutIntake> m_payouts;
    std::unique_ptr<OddsBoard> m_oddsBoard;
};

// The settings file of a program folder.
std::filesystem::path settingsFileOf(const std::filesystem::path& programDir);

} // namespace renoka
