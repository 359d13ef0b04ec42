#pragma once
// The automatic acquisition of a live race day: the arming of the timers when a day is loaded, the automatic odds
// (Timer1, the check box "ｵｯｽﾞ自動取得"), results, weights and mining at intervals (Timer4), change notices
// (HenkoJohoTimer), the countdown to the post (Timer3) and "直前ﾚｰｽ". Every decision is taken here from the clock;
// a front end only ticks the timers.
#include <QDateTime>

#include <functional>
#include <string>
#include <vector>

namespace renoka {

class ChangeNotices;
class Clock;
class Desktop;
class IniFile;
class RaceDayStore;
class RealtimeFetches;
class ViewChanges;
struct Label;
struct ListControl;
struct QuietFlags;
struct TimerState;

// The main window's controls and flags the automatic acquisition reads and sets.
struct AcquisitionControls {
    const ListControl& DateCombo;
    ListControl& DatList;
    Label& RestTimeLabel;
    bool& AutoOzCheck;  // "ｵｯｽﾞ自動取得"
    bool& AutoOddsBusy; // an automatic odds round is running
    QuietFlags& quiet;
    std::vector<std::string>& OzFetchList;
    TimerState& Timer1;         // automatic odds, 40 s
    TimerState& Timer4;         // results, weights and mining, "Time"/"AutoRdataGet" minutes
    TimerState& HenkoJohoTimer; // change notices, "Henko"/"GetInterval" minutes
};

class AutoAcquisition {
public:
    AutoAcquisition(RaceDayStore& store, const IniFile& ini, Desktop& desktop, const Clock& clock,
                    AcquisitionControls controls, RealtimeFetches& fetches, ChangeNotices& notices,
                    ViewChanges& changes)
        : m_store(store), m_ini(ini), m_desktop(desktop), m_clock(clock), m_c(controls), m_fetches(fetches),
          m_notices(notices), m_changes(changes) {}

    // The arming at the end of a day load, after the fetch times are set: the interval of Timer4, and on a live
    // day Timer4, the automatic odds and the change notices.
    void armAtDayLoad();
    // The check box "ｵｯｽﾞ自動取得" was clicked (AutoOzCheck holds its new state).
    void AutoOzCheckClick();
    void Timer1Timer();
    void Timer4Timer();
    void Timer3Timer();
    void HenkoJohoTimerTimer();
    // "直前ﾚｰｽ": shows the next race to start today.
    void NextRaceBtnClick();

    // The race on screen shown again (the main form connects it).
    std::function<void()> DatListClick;
    // True while a day load runs: the timers leave a half-loaded day alone and try again at their next tick.
    std::function<bool()> dayLoading;

    // The shared minutes value: "AutoRdataGet" after the arming, "GetInterval" on a live day (Timer4's threshold
    // uses it).
    int M() const { return m_minutes; }
    // The day of the day list's text ("yyyy年mm月dd日"), or "".
    std::string dayComboText() const;
    // Whether a day is live: today, or tomorrow from 18:00 on.
    static bool liveDay(const std::string& dayName, const QDateTime& now);
    // The countdown text for a post at `post` seen at `now`: "発走までの残り時間：hh:nn:ss" or "発走済み".
    static std::string countdownText(const QDateTime& post, const QDateTime& now);

    static constexpr int kOddsIntervalMs = 40000;
    static constexpr int kFreshMinutes = 5;

private:
    bool refuse(const char* messageUtf8);
    bool oddsFresh(int slot) const;
    // Whether the timers should leave the day alone now: a day load runs, or the loaded day is over.
    bool standBy() const;
    std::string nowText() const; // "hhmm"

    RaceDayStore& m_store;
    const IniFile& m_ini;
    Desktop& m_desktop;
    const Clock& m_clock;
    AcquisitionControls m_c;
    RealtimeFetches& m_fetches;
    ChangeNotices& m_notices;
    ViewChanges& m_changes;
    int m_minutes = 0;
};

} // namespace renoka
