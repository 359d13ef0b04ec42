// renoka-cli download and days: the stored-data download dialog driven headless, and the day list.
#include "CliApp.h"
#include "CliCommands.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "jv/download/GetDataForm.h"
#include "platform/Clock.h"

#include <QThread>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <signal.h>

namespace renoka::cli {

namespace {

constexpr double kDefaultStallSeconds = 120;

volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void onStopSignal(int signal) {
    g_stopSignal = signal;
}

// While a download runs, SIGINT (Ctrl+C) and SIGTERM ask it to stop instead of ending the process half-way;
// the handlers before it come back afterwards.
class StopSignals {
public:
    StopSignals() {
        g_stopSignal = 0;
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals() {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

// Looked at in every turn of the download's loops: a stop signal, or a service whose progress has stood still
// for longer than the time-out, cancels the download as "データ取込中止" does.
class DownloadWatch {
public:
    DownloadWatch(CliContext& context, TGetDataForm& dialog, double stallSeconds)
        : m_context(context), m_dialog(dialog), m_stallSeconds(stallSeconds) {}

    void check() {
        if (m_stopped) return;
        const auto now = std::chrono::steady_clock::now();
        if (const int signal = g_stopSignal) {
            stop(signal == SIGINT ? sj("中断の指示(SIGINT)を受けたので、データ取込を中止します。")
                                  : sj("終了の指示(SIGTERM)を受けたので、データ取込を中止します。"));
            return;
        }
        if (m_dialog.Progress != m_lastProgress) {
            m_lastProgress = m_dialog.Progress;
            m_since = now;
            return;
        }
        if (m_stallSeconds > 0 && std::chrono::duration<double>(now - m_since).count() >= m_stallSeconds)
            stop(sj("データ提供サービスの処理が") + fmtSeconds(m_stallSeconds) +
                 sj("秒間進まないので、データ取込を中止します。"));
    }

private:
    static std::string fmtSeconds(double seconds) {
        QString text = QString::number(seconds, 'f', 1);
        if (text.endsWith(QLatin1String(".0"))) text.chop(2);
        return text.toStdString();
    }

    void stop(const std::string& why) {
        m_stopped = true;
        m_context.message(why);
        m_dialog.cancelDownload();
    }

    CliContext& m_context;
    TGetDataForm& m_dialog;
    double m_stallSeconds;
    long long m_lastProgress = -1;
    std::chrono::steady_clock::time_point m_since = std::chrono::steady_clock::now();
    bool m_stopped = false;
};

// "--stall-timeout" seconds: a number of 0 or more (0: wait for ever).
bool parseSeconds(const std::string& text, double& seconds) {
    char* end = nullptr;
    seconds = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && seconds >= 0 && seconds < 1e7;
}

} // namespace

int downloadCommand(CliContext& context, const std::vector<std::string>& args) {
    TMainForm& main = context.form();
    const auto dialogOwned = main.createGetDataForm();
    TGetDataForm& dialog = *dialogOwned;
    dialog.FormCreate();
    double stallSeconds = kDefaultStallSeconds;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--setup") {
            dialog.rbtSetup = true;
            dialog.rbtNormal = false;
        } else if (args[i] == "--odds") {
            dialog.CheckBox2 = true;
        } else if (args[i] == "--from" && i + 1 < args.size()) {
            const QDateTime from = parseJapanTime(QString::fromStdString(args[++i]));
            if (!from.isValid()) {
                context.message(sj("--from の日時が正しくありません: ") + sj(args[i]));
                return kExitUsage;
            }
            dialog.DateTimePicker1 = QDateTime(from.date(), from.time());
        } else if (args[i] == "--stall-timeout" && i + 1 < args.size()) {
            if (!parseSeconds(args[++i], stallSeconds)) {
                context.message(sj("--stall-timeout の秒数が正しくありません: ") + sj(args[i]));
                return kExitUsage;
            }
        } else {
            context.message(sj("download の引数が正しくありません: ") + sj(args[i]));
            return kExitUsage;
        }
    }
    main.FormShow();
    if (!main.StatusLabel.text.empty()) context.message(main.StatusLabel.text);
    std::string shown;
    dialog.onProgress = [&] {
        if (dialog.ProgressLabel.text == shown) return;
        shown = dialog.ProgressLabel.text;
        context.print(shown);
        // Progress is for whoever watches the run (a pipe, a log file): each line as it happens.
        std::fflush(context.out());
    };
    const StopSignals stopSignals;
    DownloadWatch watch(context, dialog, stallSeconds);
    context.console().setEventHook([&watch] { watch.check(); });
    dialog.ButtonStartClick();
    while (dialog.TimerJVStatus.enabled) {
        QThread::msleep(static_cast<unsigned long>(dialog.TimerJVStatus.intervalMs));
        main.desktop().processEvents();
        dialog.TimerJVStatusTimer();
    }
    context.console().setEventHook({});
    dialog.FormCloseQuery();
    return dialog.ProgressLabel.text == sj("データ作成が完了しました。") ? kExitDone : kExitFailed;
}

int daysCommand(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) {
        context.message(sj("days に引数は要りません。"));
        return kExitUsage;
    }
    for (const auto& day : context.form().DateCombo.items)
        context.print(day);
    return kExitDone;
}

} // namespace renoka::cli
