#include "CliApp.h"

#include "CliCommands.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "platform/Clock.h"

#include <QString>

namespace renoka::cli {

namespace {

void printUsage(std::FILE* err) {
    std::fputs(
        "使い方: renoka-cli [--home DIR] [--now \"YYYY-MM-DD hh:mm[:ss]\"] [--speed N] [--yes|--no] COMMAND ...\n"
        "コマンド:\n",
        err);
    for (const auto& c : commands())
        std::fprintf(err, "  %-10s %s\n", c.name, c.helpUtf8);
}

// The value of --speed: a whole number from 1 to kMaxSpeed; 0 when it is not one.
int speedOf(const std::string& text) {
    bool ok = false;
    const int speed = QString::fromStdString(text).toInt(&ok);
    return ok && speed >= 1 && speed <= kMaxSpeed ? speed : 0;
}

bool takeSpeed(const std::string& value, CliOptions& options, std::FILE* err) {
    options.speed = speedOf(value);
    if (options.speed > 0) return true;
    std::fprintf(err, "--speed は1から%dまでの整数で指定してください: %s\n", kMaxSpeed, value.c_str());
    return false;
}

// Reads the options before the command; false on a usage error (message already printed).
bool parseOptions(const std::vector<std::string>& args, CliOptions& options, std::FILE* err) {
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--speed") {
            if (i + 1 >= args.size()) {
                std::fprintf(err, "%s の値がありません。\n", a.c_str());
                return false;
            }
            if (!takeSpeed(args[++i], options, err)) return false;
        } else if (a == "--home" || a == "--now") {
            if (i + 1 >= args.size()) {
                std::fprintf(err, "%s の値がありません。\n", a.c_str());
                return false;
            }
            (a == "--home" ? options.home : options.now) = args[++i];
        } else if (a == "--yes") {
            options.answerYes = true;
        } else if (a == "--no") {
            options.answerYes = false;
        } else if (a.rfind("--", 0) == 0) {
            std::fprintf(err, "不明なオプションです: %s\n", a.c_str());
            return false;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        std::fputs("コマンドがありません。\n", err);
        return false;
    }
    options.command = args[i];
    // The clock is made before the command runs, so a live day's own --speed is taken out of its arguments here.
    for (size_t k = i + 1; k < args.size(); ++k) {
        if (options.command == "live" && args[k] == "--speed" && k + 1 < args.size()) {
            if (!takeSpeed(args[++k], options, err)) return false;
            continue;
        }
        options.args.push_back(args[k]);
    }
    if (options.now && !parseJapanTime(QString::fromStdString(*options.now)).isValid()) {
        std::fprintf(err, "--now の日時が正しくありません: %s\n", options.now->c_str());
        return false;
    }
    return true;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    CliOptions options;
    if (!parseOptions(args, options, err)) {
        printUsage(err);
        return kExitUsage;
    }
    const Command* command = findCommand(options.command);
    if (!command) {
        std::fprintf(err, "不明なコマンドです: %s\n", options.command.c_str());
        printUsage(err);
        return kExitUsage;
    }
    CliContext context(options, out, err);
    if (!context.start()) return kExitFailed;
    int status = kExitFailed;
    try {
        status = command->run(context, options.args);
    } catch (...) {
        // A command's own steps outside a handler (opening a dialog's form, say) end the command the way a
        // handler's failure ends the handler: with the message and a line in the error log.
        const std::string message = messageOfCurrentException();
        context.message(message);
        context.form().logError(message);
    }
    std::fflush(out);
    return status;
}

} // namespace renoka::cli
