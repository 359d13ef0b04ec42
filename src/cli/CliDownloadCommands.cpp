// renoka-cli download and days: the stored-data download dialog driven headless, and the day list.
#include "CliApp.h"
#include "CliCommands.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "jv/download/GetDataForm.h"
#include "platform/Clock.h"

#include <QThread>

namespace renoka::cli {

int downloadCommand(CliContext& context, const std::vector<std::string>& args) {
    TMainForm& main = context.form();
    const auto dialogOwned = main.createGetDataForm();
    TGetDataForm& dialog = *dialogOwned;
    dialog.FormCreate();
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
    };
    dialog.ButtonStartClick();
    while (dialog.TimerJVStatus.enabled) {
        QThread::msleep(static_cast<unsigned long>(dialog.TimerJVStatus.intervalMs));
        main.desktop().processEvents();
        dialog.TimerJVStatusTimer();
    }
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
