// renoka-cli live and fetch: a live race day run unattended by the clock, for cron or a service, and one real-time
// fetch by hand.
#include "CliApp.h"
#include "CliContext.h"
#include "CliDay.h"
#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "jv/changes/ChangeNotices.h"
#include "jv/realtime/RealtimeFetches.h"
#include "platform/TimerSchedule.h"
#include "raceday/RaceSelection.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"

#include <QThread>

#include <algorithm>

namespace renoka::cli {

namespace {

// The longest the loop sleeps at a time, in real milliseconds: an end time is noticed soon after it comes.
constexpr qint64 kLongestSleepMs = 200;

std::string clockStamp(const CliContext& context) {
    return context.clock().now().toString(QStringLiteral("hh:mm:ss")).toStdString();
}

// "東京11R" of a slot.
std::string raceName(RaceDayStore& store, int slot) {
    const std::string_view ra = store.ra(slot);
    return JyoName(field(ra, 20, 2), 2) + NumText(field(ra, 26, 2)) + "R";
}

bool allResultsIn(RaceDayStore& store) {
    int races = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!store.slotInUse(slot)) continue;
        ++races;
        if (fieldInt(store.hr(slot), 26, 2) <= 0) return false;
    }
    return races > 0;
}

// Prints the status line whenever it changes (the change notices that came in, an unattended failure).
struct StatusEcho {
    CliContext& context;
    std::string shown;
    void operator()() {
        const std::string& text = context.form().StatusLabel.text;
        if (text == shown) return;
        shown = text;
        if (!text.empty()) context.message(clockStamp(context) + " " + text);
    }
};

// Every text the fetches show goes to standard error with the clock's time.
void echoProgress(CliContext& context) {
    context.form().fetches().onProgress = [&context](const std::string& text) {
        if (!text.empty()) context.message(clockStamp(context) + " " + text);
    };
}

bool parseUntil(const std::string& text, QTime& until) {
    until = QTime::fromString(QString::fromStdString(text), QStringLiteral("hh:mm"));
    return until.isValid();
}

} // namespace

int liveCommand(CliContext& context, const std::vector<std::string>& args) {
    static const char* const usage = "使い方: live 開催日 [--until hh:mm] [--speed N]";
    std::string dayArg;
    QTime until;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--until" && i + 1 < args.size()) {
            if (!parseUntil(args[++i], until)) {
                context.message(sj("--until の時刻が正しくありません: ") + sj(args[i]));
                return kExitUsage;
            }
        } else if (dayArg.empty() && args[i].rfind("--", 0) != 0) {
            dayArg = args[i];
        } else {
            context.message(sj(usage));
            return kExitUsage;
        }
    }
    if (dayArg.empty()) {
        context.message(sj(usage));
        return kExitUsage;
    }

    TMainForm& main = context.form();
    // Nobody watches: whatever a handler would show goes to standard error and the error log.
    main.desktop().onUnattendedMessage = [&context, &main](const std::string& message) {
        context.message(clockStamp(context) + " " + message);
        main.logError(message);
    };
    main.runHandler([&] { main.FormShow(); }, true);
    if (!main.StatusLabel.text.empty()) context.message(main.StatusLabel.text);
    echoProgress(context);
    int oddsRounds = 0;
    const auto followBets = main.fetches().oddsRead;
    main.fetches().oddsRead = [&](int slot) {
        if (followBets) followBets(slot);
        ++oddsRounds;
        const std::string_view o1 = main.store().odds(1, slot);
        context.message(clockStamp(context) + " " + raceName(main.store(), slot) + sj(" オッズ読込 発表") +
                        std::string(field(o1, 32, 2)) + ":" + std::string(field(o1, 34, 2)));
    };

    const Desktop::UnattendedScope quiet(main.desktop());
    if (!loadDay(context, dayArg, true)) return kExitFailed;
    const QDateTime started = context.clock().now();
    const std::string day = main.store().DayName;
    if (!AutoAcquisition::liveDay(day, started)) {
        context.message(day +
                        sj(" は本日の開催日ではないため自動取得できません（翌日の開催日は18時から取得できます）。"));
        return kExitFailed;
    }
    const QDate raceDate = QDate::fromString(QString::fromStdString(std::string(field(main.store().ra(0), 12, 8))),
                                             QStringLiteral("yyyyMMdd"));
    // After 18:00 of the race day no timer fetches anything but change notices.
    const QDateTime dayEnd = japanDateTime(raceDate.isValid() ? raceDate : started.date(), QTime(18, 1));
    const QDateTime untilAt = until.isValid() ? japanDateTime(started.date(), until) : QDateTime();
    context.message(day + sj(" の自動取得を始めます（") + clockStamp(context) + sj("、速度 ") +
                    std::to_string(context.clock().speed()) + sj(" 倍）"));

    TimerSchedule schedule(context.clock());
    for (const TMainForm::TimerHandler& timer : main.timers()) {
        // The clock and the countdown are for a window to show.
        const std::string name = timer.name;
        if (name == "Timer2" || name == "Timer3") continue;
        schedule.add(*timer.state, [&main, handler = timer.handler] { main.runHandler(handler, true); });
    }
    StatusEcho status{context, main.StatusLabel.text};
    std::string reason;
    while (true) {
        const QDateTime now = context.clock().now();
        if (untilAt.isValid() && now >= untilAt) {
            reason = sj("指定の時刻になりました。");
            break;
        }
        if (allResultsIn(main.store())) {
            reason = sj("全レースの結果を取得しました。");
            break;
        }
        if (now >= dayEnd) {
            reason = sj("18時を過ぎました。");
            break;
        }
        schedule.runDue();
        context.uiThread().runPending();
        main.changes().take();
        status();
        // Sleep in real time until the next timer is due on the clock, or until an end time comes.
        const int speed = std::max(1, context.clock().speed());
        qint64 waitMs = schedule.msUntilNext();
        const qint64 toEnd = context.clock().now().msecsTo(untilAt.isValid() ? std::min(untilAt, dayEnd) : dayEnd);
        if (waitMs < 0 || waitMs > toEnd) waitMs = std::max<qint64>(0, toEnd);
        const qint64 realMs = std::clamp<qint64>(waitMs / speed, 1, kLongestSleepMs);
        QThread::msleep(static_cast<unsigned long>(realMs));
    }
    int resulted = 0;
    int races = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!main.store().slotInUse(slot)) continue;
        ++races;
        if (fieldInt(main.store().hr(slot), 26, 2) > 0) ++resulted;
    }
    context.message(clockStamp(context) + " " + reason + sj(" 結果取得 ") + std::to_string(resulted) + "/" +
                    std::to_string(races) + sj(" レース、オッズ取得 ") + std::to_string(oddsRounds) + sj(" 回"));
    return kExitDone;
}

int fetchCommand(CliContext& context, const std::vector<std::string>& args) {
    static const char* const kinds[] = {"odds", "results", "weights", "mining", "changes"};
    if (args.size() != 3 || std::find(std::begin(kinds), std::end(kinds), args[2]) == std::end(kinds)) {
        context.message(sj("使い方: fetch 開催日 レース odds|results|weights|mining|changes"));
        return kExitUsage;
    }
    TMainForm& main = context.form();
    main.runHandler([&] { main.FormShow(); });
    if (!main.StatusLabel.text.empty()) context.message(main.StatusLabel.text);
    if (!loadDay(context, args[0])) return kExitFailed;
    const int race = findRace(context, args[1]);
    if (race < 0) return kExitFailed;
    main.DatList.itemIndex = race;
    if (!main.runHandler([&] { main.raceSelection().DatListClick(); })) return kExitFailed;
    echoProgress(context);
    RealtimeFetches& fetches = main.fetches();
    const int failuresBefore = fetches.failures();
    const std::string& kind = args[2];
    const bool ran = main.runHandler([&] {
        if (kind == "odds")
            fetches.SokuhoOddsBtnClick();
        else if (kind == "results")
            fetches.KekkaGetBtnClick();
        else if (kind == "weights")
            fetches.GetBataijuBtnClick();
        else if (kind == "mining")
            fetches.GetDMBtnClick();
        else
            fetches.GetKaisaiBtnClick();
    });
    if (!ran || fetches.failures() != failuresBefore) return kExitFailed;
    if (kind == "odds") {
        const std::string_view o1 = main.store().odds(1, main.store().CurrentRace);
        context.print(raceName(main.store(), main.store().CurrentRace) + sj(" オッズ発表 ") +
                      std::string(field(o1, 32, 2)) + ":" + std::string(field(o1, 34, 2)));
    } else if (kind == "changes") {
        for (const std::string& line : main.changeNotices().NoticeLines())
            context.print(line);
    } else {
        context.print(main.SeiRecLabel.text);
    }
    return kExitDone;
}

} // namespace renoka::cli
