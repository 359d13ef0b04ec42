#pragma once
// The real-time fetches of the main window: odds of one race, and the day's results, horse weights, mining
// forecasts and change notices. Each opens a real-time stream, merges what it reads into the day files through
// the one file store, closes the stream, and then runs the reader of the consuming view so that the store and the
// race on screen follow. Several are hidden buttons that the automatic acquisition clicks.
#include "jv/realtime/RealtimeRouter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace renoka {

class Clock;
class Desktop;
class ErrorLog;
class JvLink;
class ProgramFolder;
class RaceDayStore;
class ViewChanges;
struct Label;
struct ListControl;

// Set by the automatic runs around their clicks: the fetch then makes no beeps (see each handler).
struct QuietFlags {
    bool QuietResults = false;
    bool QuietWeights = false;
    bool QuietMining = false;
    bool QuietChanges = false;
};

// Sets a flag (a quiet flag, AutoOddsBusy) for the length of a scope, whatever ends it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

struct FetchPorts {
    JvLink& jvLink;
    Desktop& desktop;
    ErrorLog& errorLog;
    const Clock& clock;
};

// The main window's controls the fetches read and write.
struct FetchControls {
    const ListControl& DateCombo;
    ListControl& DatList;
    Label& DLlabel;
    // Race key (16) + slot "%2d": the races the automatic odds round fetches.
    std::vector<std::string>& OzFetchList;
    const QuietFlags& quiet;
};

class RealtimeFetches {
public:
    RealtimeFetches(RaceDayStore& store, DayFileStore& files, const ProgramFolder& folder, FetchPorts ports,
                    FetchControls controls, ViewChanges& changes);

    // "速報ｵｯｽﾞ": the odds of the race on screen ("0B30", its race key).
    void SokuhoOddsBtnClick();
    // "結果情報": the day's results and payouts ("0B12").
    void KekkaGetBtnClick();
    // "馬体重": the day's horse weights ("0B11").
    void GetBataijuBtnClick();
    // "ﾏｲﾆﾝｸﾞ": the day's time-type ("0B13") and then match-type ("0B17") mining forecasts.
    void GetDMBtnClick();
    // "変更情報" (hidden): the day's change notices ("0B14"), then the post-time reader.
    void GetKaisaiBtnClick();
    // "ｵｯｽﾞ取得（自動）" (hidden): the odds of every race of OzFetchList, in order.
    void OzGetLoopBtnClick();
    // "1日分の全オッズを一括取得": every race of the day list shown and its odds fetched, from the first.
    void N1O1Click();

    // The readers of the consuming views and the steps after a fetch; the main form connects them.
    std::function<void()> OzReadBtnClick;      // odds of store().OddsSlot into the store
    std::function<void()> HrReadBtnClick;      // results and payouts of the day
    std::function<void()> BataijuReadBtnClick; // horse weights of the day
    std::function<void()> DMReadBtnClick;      // mining forecasts of the day
    std::function<void()> DatListClick;        // the race on screen shown again
    std::function<void()> KaisaiReadBtnClick;  // the post-time changes applied
    std::function<void()> JikuBtnClick;        // the axis selection after a race's new odds
    // After the odds of a slot were read into the store by the automatic round: the bets of that race follow.
    std::function<void(int slot)> oddsRead;
    // Hears every text DLlabel gets while a fetch runs, so a front end can show it at once.
    std::function<void(const std::string& text)> onProgress;

    // Failures reported so far (open, read, close): a front end tells from it whether a fetch went wrong.
    int failures() const { return m_failures; }

    // How long JVRead may keep answering "still downloading" (-3) before the read gives up, in the clock's
    // milliseconds. A real-time answer never waits for a download.
    static constexpr int64_t kStallLimitMs = 30000;

private:
    enum class CloseRule { Odds, Beeping };
    struct Stream {
        const char* dataSpec;
        std::string key;
        RealtimeData data;
        std::string fetchingText;
        std::string errorText; // the label's text before JVErrorText on an open failure
        CloseRule close;
        bool openQuiet;      // no beep on an open failure
        bool closeQuiet;     // no beep on a good close
        bool logOpenFailure; // the change notices keep an open failure out of the log
        bool closeAtEndOnly; // the change notices close once, at the very end
    };

    // Opens, reads and closes one stream; true when no exception ended it (the follow-up then runs).
    void runStream(const Stream& stream);
    void read(RealtimeData data);
    void closeStream(CloseRule rule, bool quiet);
    void setLabel(std::string text);
    void report(const std::string& text, bool beep);
    // The day key of slot 0 and the race key of the race on screen; empty when not a positive number.
    std::string dayKey() const;
    std::string raceKey(int slot) const;
    // <venue><race> of the race on screen: "東京11", "中京 1".
    std::string venueRace() const;
    bool raceChosen() const;
    bool dayChosen() const;

    RaceDayStore& m_store;
    DayFileStore& m_files;
    FetchPorts m_ports;
    FetchControls m_c;
    ViewChanges& m_changes;
    RealtimeRouter m_router;
    int m_failures = 0;
    int m_rejectsLogged = 0;
};

} // namespace renoka
