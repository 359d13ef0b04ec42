#include "jv/acquisition/AutoAcquisition.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/IniFile.h"
#include "jv/changes/ChangeNotices.h"
#include "jv/realtime/RealtimeFetches.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "store/DayFiles.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/Label.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

constexpr int kMinuteMs = 60 * 1000;
constexpr int kMinutesPerDay = 24 * 60;

std::string dayNameOfQDate(const QDate& date) {
    return dayNameOfDate(date.toString(QStringLiteral("yyyyMMdd")).toStdString());
}

} // namespace

bool AutoAcquisition::liveDay(const std::string& dayName, const QDateTime& now) {
    if (dayName == dayNameOfQDate(now.date())) return true;
    return dayName == dayNameOfQDate(now.date().addDays(1)) &&
           now.toString(QStringLiteral("hhmm")) >= QLatin1String("1800");
}

std::string AutoAcquisition::countdownText(const QDateTime& post, const QDateTime& now) {
    if (!(post > now)) return sj("発走済み");
    const qint64 left = now.secsTo(post);
    return sj("発走までの残り時間：") + fmt("%02lld:%02lld:%02lld", static_cast<long long>(left / 3600),
                                            static_cast<long long>(left / 60 % 60), static_cast<long long>(left % 60));
}

std::string AutoAcquisition::dayComboText() const {
    const int i = m_c.DateCombo.itemIndex;
    if (i < 0 || i >= static_cast<int>(m_c.DateCombo.items.size())) return {};
    return m_c.DateCombo.items[static_cast<size_t>(i)];
}

std::string AutoAcquisition::nowText() const {
    return m_clock.now().toString(QStringLiteral("hhmm")).toStdString();
}

bool AutoAcquisition::standBy() const {
    if (dayLoading && dayLoading()) return true;
    // A day left loaded past midnight is over: its races are not fetched again at the same times of the next day.
    const std::string_view date = field(m_store.ra(0), 12, 8);
    const std::string today = m_clock.now().toString(QStringLiteral("yyyyMMdd")).toStdString();
    return isDigits(date) && date.size() == 8 && date < std::string_view(today);
}

void AutoAcquisition::armAtDayLoad() {
    TimerState& timer4 = m_c.Timer4;
    // Minutes up to a day are an interval (0: the timer has no effect, as a timer of interval 0 never fires); more
    // than a day is no setting of ours and gives the default.
    m_minutes = m_ini.readInteger("Time", "AutoRdataGet", 10);
    if (m_minutes >= 0) m_minutes = m_ini.readInteger("Time", "AutoRdataGet", 10, 0, kMinutesPerDay);
    const bool timer4Usable = m_minutes > 0;
    if (m_minutes < 0) {
        // An interval below zero cannot be timed; the rest of the day's load goes on without this timer.
        m_desktop.beep();
        m_desktop.information(sj("設定の「AutoRdataGet」が負の値（") + std::to_string(m_minutes) +
                              sj("分）のため、結果情報・馬体重・マイニングの自動取得は行いません。"
                                 "「データ自動取得時刻設定」で設定し直してください。"));
    } else {
        timer4.intervalMs = m_minutes * kMinuteMs;
    }
    m_changes.mark(View::Timers);
    if (!liveDay(dayComboText(), m_clock.now())) return;

    // An interval of 0 leaves the timer without effect.
    timer4.enabled = timer4Usable;
    if (!m_c.AutoOzCheck) {
        m_c.AutoOzCheck = true;
        AutoOzCheckClick();
    }
    // 0 switches the change notices off; more than a day is no setting of ours and gives the default.
    m_minutes = m_ini.readInteger("Henko", "GetInterval", 5);
    if (m_minutes > kMinutesPerDay) m_minutes = 5;
    TimerState& henko = m_c.HenkoJohoTimer;
    if (m_minutes < 0) {
        henko.enabled = false;
        m_desktop.beep();
        m_desktop.information(sj("設定の「GetInterval」（[Henko]）が負の値（") + std::to_string(m_minutes) +
                              sj("分）のため、変更情報の自動取得は行いません。設定ファイルを直してください。"));
        return;
    }
    henko.intervalMs = m_minutes * kMinuteMs;
    henko.enabled = m_minutes > 0;
    if (m_minutes > 0) m_notices.KaisaiReadBtnClick();
}

bool AutoAcquisition::refuse(const char* messageUtf8) {
    m_desktop.beep();
    m_desktop.information(sj(messageUtf8));
    // An unchecked box never leaves the automatic odds running.
    m_c.AutoOzCheck = false;
    m_c.Timer1.enabled = false;
    m_changes.mark(View::Frame);
    m_changes.mark(View::Timers);
    return false;
}

void AutoAcquisition::AutoOzCheckClick() {
    const std::string day = dayComboText();
    const QDateTime now = m_clock.now();
    const std::string tomorrow = dayNameOfQDate(now.date().addDays(1));
    if (trimView(day).empty()) {
        refuse("ﾃﾞｰﾀを読み込んでください。");
        return;
    }
    if (day == tomorrow && nowText() < "1800") {
        refuse("翌日のﾃﾞｰﾀは１８時過ぎに読み込んでください。");
        return;
    }
    if (day != dayNameOfQDate(now.date()) && day != tomorrow) {
        refuse("本日のﾃﾞｰﾀを読み込んでください。");
        return;
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bool entriesStage = field(m_store.ra(slot), 3, 1) == "1";
        for (int horse = 0; horse < kHorseCount && !entriesStage; ++horse)
            entriesStage = field(m_store.se(slot, horse), 3, 1) == "1";
        if (entriesStage) {
            refuse(
                "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッズを取得してください。");
            return;
        }
    }
    m_c.Timer1.intervalMs = kOddsIntervalMs;
    m_c.Timer1.enabled = m_c.AutoOzCheck;
    m_changes.mark(View::Frame);
    m_changes.mark(View::Timers);
}

bool AutoAcquisition::oddsFresh(int slot) const {
    const std::string_view o1 = m_store.odds(1, slot);
    if (fieldInt(o1, 26, 2) <= 0) return false;
    // Odds of the day before (the sale that opens the evening before) are not this day's, whatever their time.
    if (field(o1, 28, 4) != field(m_store.ra(slot), 16, 4)) return false;
    const std::string t1 = trim(m_store.work(slot).OzGetTimes[0].view());
    return ShiftTime(field(o1, 32, 4), kFreshMinutes) >= t1;
}

void AutoAcquisition::Timer1Timer() {
    if (trimView(dayComboText()).empty() || standBy()) return;
    const std::string now = nowText();
    if (now < "0900" || now > "1800" || m_c.AutoOddsBusy) return;
    m_c.OzFetchList.clear();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (oddsFresh(slot)) continue;
        const RaceWork& work = m_store.work(slot);
        if (now == trim(work.OzGetTimes[0].view()) || now == trim(work.OzGetTimes[1].view()))
            m_c.OzFetchList.push_back(std::string(field(m_store.ra(slot), 12, 16)) + fmt("%2d", slot));
    }
    if (m_c.OzFetchList.empty()) return;
    const FlagScope busy(m_c.AutoOddsBusy);
    m_fetches.OzGetLoopBtnClick();
}

void AutoAcquisition::Timer4Timer() {
    if (standBy()) return;
    const std::string now = nowText();
    if (now > "1800") return;
    {
        const FlagScope quiet(m_c.quiet.QuietMining);
        m_fetches.GetDMBtnClick();
    }
    // On a live day M holds "GetInterval" here, not this timer's own interval.
    const std::string threshold = ShiftTime(field(m_store.ra(0), 874, 4), -(m_minutes + 30));
    if (!(now > threshold)) return;
    {
        const FlagScope quiet(m_c.quiet.QuietResults);
        m_fetches.KekkaGetBtnClick();
    }
    const FlagScope quiet(m_c.quiet.QuietWeights);
    m_fetches.GetBataijuBtnClick();
}

void AutoAcquisition::HenkoJohoTimerTimer() {
    // Change notices have no end time; only a day half-way through its load is left alone.
    if (dayLoading && dayLoading()) return;
    const int interval = m_ini.readInteger("Henko", "GetInterval", 5, 0, kMinutesPerDay);
    const std::string threshold = ShiftTime(field(m_store.ra(0), 874, 4), -(interval + 60));
    if (!(nowText() > threshold)) return;
    const FlagScope quiet(m_c.quiet.QuietChanges);
    m_fetches.GetKaisaiBtnClick();
}

void AutoAcquisition::Timer3Timer() {
    m_changes.mark(View::Frame);
    if (m_c.DatList.itemIndex < 0) {
        m_c.RestTimeLabel.text.clear();
        return;
    }
    const std::string_view ra = m_store.ra(m_store.CurrentRace);
    const QDate date(fieldInt(ra, 12, 4), fieldInt(ra, 16, 2), fieldInt(ra, 18, 2));
    const std::string_view post = field(ra, 874, 4);
    const QTime time(fieldInt(post, 1, 2), fieldInt(post, 3, 2));
    // A race without a usable post time has nothing to count down to.
    if (!isDigits(post) || !date.isValid() || !time.isValid()) {
        m_c.RestTimeLabel.text.clear();
        return;
    }
    m_c.RestTimeLabel.text = countdownText(japanDateTime(date, time), m_clock.now());
}

void AutoAcquisition::NextRaceBtnClick() {
    if (m_store.DayName.empty() || m_c.DatList.items.empty()) return;
    const QDateTime now = m_clock.now();
    if (field(m_store.ra(0), 12, 8) != now.toString(QStringLiteral("yyyyMMdd")).toStdString()) return;
    const std::string hhnn = now.toString(QStringLiteral("hhmm")).toStdString();
    int next = -1;
    std::string nextPost;
    const int races = std::min(static_cast<int>(m_c.DatList.items.size()), kSlotCount);
    for (int i = 0; i < races; ++i) {
        const std::string post(field(m_store.ra(i), 874, 4));
        if (post > hhnn && (next < 0 || post < nextPost)) {
            next = i;
            nextPost = post;
        }
    }
    if (next < 0) return;
    m_c.DatList.itemIndex = next;
    m_changes.mark(View::RaceList);
    if (DatListClick) DatListClick();
}

} // namespace renoka
