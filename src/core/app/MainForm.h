#pragma once
// The main window as data: its lists, labels, menu checks and timers, and the handlers of the frame (start-up,
// close, help, the day list). It creates the subsystems, hands each only what it uses, and connects the calls
// between them. The GUI shows this object and forwards events to it; the CLI drives it headless.
#include "frame/ErrorLog.h"
#include "frame/FrameState.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "frame/Registry.h"
#include "jv/realtime/RealtimeFetches.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/SoundPlayer.h"
#include "platform/UiThread.h"
#include "store/DayFileStore.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Label.h"
#include "text/SortedStringList.h"
#include "text/ViewChanges.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace renoka {

class JvLink;
class OddsIntake;
class OddsTimeSeries;
class MiningIntake;
class HorseWeights;
class EntriesTable;
class PayoutIntake;
class RaceCard;
class RaceSelection;
class DayLoader;
class OddsBoard;
class TGetDataForm;
class TLossRegForm;
class TOzGetTimeForm;
class AutoAcquisition;
class ChangeNotices;
class AxisPartnerMarks;
class TUserKaimeForm;
class BetBoard;
class BetVotes;
class PopularityRateTable;
class VoteFiles;

struct MainFormPorts {
    Desktop& desktop;
    const Clock& clock;
    SoundPlayer& sound;
    JvLink& jvLink;
    const Registry& registry;
    UiThread& uiThread;
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
    // "データ自動取得時刻設定": the dialog of the fetch times as data; a front end shows it while it lives.
    std::unique_ptr<TOzGetTimeForm> N8Click();

    // The timers of the main window with their handlers, for a front end to tick: each handler runs unattended
    // through runHandler, whatever ticks it.
    struct TimerHandler {
        const char* name;
        TimerState* state;
        std::function<void()> handler;
    };
    std::vector<TimerHandler> timers();

    // Runs a handler the way every front end must: a RenokaError (or any other exception) stops the handler,
    // beeps, shows the message (unless unattended) and appends it to the error log. Returns false when it failed.
    // An unattended handler runs with the desktop in its unattended mode: whatever it reaches opens no dialog.
    bool runHandler(const std::function<void()>& handler, bool unattended = false);
    // Appends a line to the error log.
    void logError(const std::string& message);

    // What the race view says while it shows no race: until a day has been taken in, how to take one in.
    std::string emptyViewHint() const;

    // The clock label text 'hh時nn分ss秒'.
    std::string clockText() const;

    const ProgramFolder& folder() const { return m_folder; }
    const std::filesystem::path& ProgramDir() const { return m_folder.dir(); }
    // The program folder as CP932 text, as written to the log and used in settings values.
    std::string programDirText() const { return m_folder.text(); }
    std::filesystem::path pathOf(std::string_view cp932Relative) const { return m_folder.pathOf(cp932Relative); }

    IniFile& ini() { return m_ini; }
    ErrorLog& errorLog() { return m_errorLog; }
    RaceDayStore& store() { return *m_store; }
    // Every update of the data files goes through this one store.
    DayFileStore& files() { return m_files; }
    // What the handlers changed since the front end last took the marks.
    ViewChanges& changes() { return m_changes; }

    // The subsystems of the race-day view; each owns its controls and keeps the system's handler names.
    DayLoader& dayLoader() { return *m_dayLoader; }
    RaceCard& raceCard() { return *m_raceCard; }
    RaceSelection& raceSelection() { return *m_raceSelection; }
    OddsIntake& odds() { return *m_odds; }
    OddsTimeSeries& oddsTimeSeries() { return *m_oddsTimeSeries; }
    MiningIntake& mining() { return *m_mining; }
    HorseWeights& weights() { return *m_weights; }
    EntriesTable& entries() { return *m_entries; }
    PayoutIntake& payouts() { return *m_payouts; }
    OddsBoard& oddsBoard() { return *m_oddsBoard; }
    TLossRegForm& lossReg() { return *m_lossReg; }
    RealtimeFetches& fetches() { return *m_fetches; }
    AutoAcquisition& acquisition() { return *m_acquisition; }
    ChangeNotices& changeNotices() { return *m_changeNotices; }
    // The axis and partner marks of the shown race and the axis-and-partner dialog (K1Click shows it).
    AxisPartnerMarks& marks() { return *m_marks; }
    TUserKaimeForm& userKaime() { return *m_userKaime; }
    BetBoard& bets() { return *m_bets; }
    // The vote files of the bet grids, the plug-in hand-off and the chase stake.
    VoteFiles& voteFiles() { return *m_voteFiles; }
    BetVotes& votes() { return *m_votes; }
    PopularityRateTable& popularityRates() { return *m_rates; }
    Desktop& desktop() { return m_ports.desktop; }
    const Clock& clock() const { return m_ports.clock; }
    SoundPlayer& sound() { return m_ports.sound; }
    JvLink& jvLink() { return m_ports.jvLink; }
    UiThread& uiThread() { return m_ports.uiThread; }

    // The stored-data download dialog as data, wired to this form; it lives while the dialog is open.
    std::unique_ptr<TGetDataForm> createGetDataForm();

    // Makes the demo provider on the first showing when the data service is the simulator and nothing is
    // configured yet (the start-up connects it); true when it made one.
    std::function<bool()> ensureDemoProvider;

    WindowGeometry geometry;
    MenuChecks menus;
    FrameVisibility visibility;
    ListControl DateCombo;                    // day names, newest first
    ListControl DatList;                      // races of the loaded day
    Label StatusLabel;                        // data-service errors and progress of unattended work
    Label SeiRecLabel;                        // results state of the loaded day: 成績記録済 / 成績未記録
    Label RestTimeLabel;                      // time left to the next post, shown on today's day only
    Label PrgrsText;                          // the progress window's text line (TPrgrsForm)
    Label DLlabel;                            // progress and the last error of a real-time fetch
    Label SetNameLabel;                       // name of the chosen axis-and-partner set (買い目 tab)
    TimerState Timer1{false, 40000};          // automatic odds
    TimerState Timer4{false, 600000};         // automatic race-data fetch
    TimerState HenkoJohoTimer{false, 300000}; // change notices
    TimerState Timer3{true, 1000};            // countdown to the post
    Label ClockLabel;                         // Timer2
    TimerState Timer2{true, 500};
    TimerState DeliverTimer{false, 40000}; // mail delivery of the picks
    bool AutoOzCheck = false;              // ｵｯｽﾞ自動取得 (hidden check box, also a menu item)
    bool AutoOddsBusy = false;             // an automatic odds round runs
    QuietFlags quiet;
    std::vector<std::string> OzFetchList;
    bool closeRequested = false;

    SortedStringList TrackedHorses{SortedStringList::Duplicates::Ignore};
    SortedStringList JockeyCheckList;
    std::vector<std::string> SharedLines;
    SortedStringList VenueList{SortedStringList::Duplicates::Ignore};
    std::vector<std::string> RaceAmounts;
    bool BatchMode = false;

private:
    // The close steps of the download dialog: the day list is built anew and the race pages hidden.
    void downloadClosed();
    void restoreFolderSettings();
    void restoreMenuChecks();

    ProgramFolder m_folder;
    MainFormPorts m_ports;
    IniFile m_ini;
    ErrorLog m_errorLog;
    std::unique_ptr<RaceDayStore> m_store;
    DayFileStore m_files;
    ViewChanges m_changes;
    std::function<void(const std::string&)> m_previousUnattendedListener;
    std::unique_ptr<OddsIntake> m_odds;
    std::unique_ptr<OddsTimeSeries> m_oddsTimeSeries;
    std::unique_ptr<MiningIntake> m_mining;
    std::unique_ptr<HorseWeights> m_weights;
    std::unique_ptr<EntriesTable> m_entries;
    std::unique_ptr<PayoutIntake> m_payouts;
    std::unique_ptr<OddsBoard> m_oddsBoard;
    std::unique_ptr<RaceCard> m_raceCard;
    std::unique_ptr<RaceSelection> m_raceSelection;
    std::unique_ptr<DayLoader> m_dayLoader;
    std::unique_ptr<TLossRegForm> m_lossReg;
    std::unique_ptr<RealtimeFetches> m_fetches;
    std::unique_ptr<ChangeNotices> m_changeNotices;
    std::unique_ptr<AutoAcquisition> m_acquisition;
    std::unique_ptr<TUserKaimeForm> m_userKaime;
    std::unique_ptr<AxisPartnerMarks> m_marks;
    std::unique_ptr<PopularityRateTable> m_rates;
    std::unique_ptr<BetBoard> m_bets;
    std::unique_ptr<VoteFiles> m_voteFiles;
    std::unique_ptr<BetVotes> m_votes;
};

// The settings file of a program folder.
std::filesystem::path settingsFileOf(const std::filesystem::path& programDir);

} // namespace renoka
