#include "CliDemoCommand.h"

#include "CliApp.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "codes/KeibaFunc.h"
#include "jv/demo/DemoProvider.h"
#include "text/Fields.h"
#include "text/Format.h"

#include <charconv>

namespace renoka::cli {

namespace {

bool parseNumber(const std::string& text, uint64_t& value) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end && !text.empty();
}

std::string dayText(const demo::DemoDate& d) {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    return sj(d.iso() + "(" + names[d.weekday()] + ")");
}

int usage(CliContext& context, const std::string& what) {
    context.message(sj(what));
    context.message(sj("使い方: make-demo [--out フォルダ] [--start YYYY-MM-DD] [--days 日数] [--seed 数]"));
    return kExitUsage;
}

} // namespace

int makeDemoCommand(CliContext& context, const std::vector<std::string>& args) {
    demo::DemoOptions options;
    options.out = context.form().ProgramDir() / "provider";
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--out" && a != "--start" && a != "--days" && a != "--seed")
            return usage(context, "make-demo の引数が正しくありません: " + a);
        if (i + 1 >= args.size()) return usage(context, a + " の値がありません。");
        const std::string& v = args[++i];
        uint64_t number = 0;
        if (a == "--out") {
            options.out = v;
        } else if (a == "--start") {
            options.start = demo::parseIsoDate(v);
            if (!options.start) return usage(context, "--start の日付が正しくありません: " + v);
        } else if (a == "--days") {
            if (!parseNumber(v, number) || number < 1 || number > demo::MaxDemoDays)
                return usage(context, "--days は1から8までの数です: " + v);
            options.days = static_cast<int>(number);
        } else {
            if (!parseNumber(v, number)) return usage(context, "--seed は0以上の整数です: " + v);
            options.seed = number;
        }
    }

    demo::DemoSummary summary;
    try {
        summary = demo::makeDemoProvider(options);
    } catch (const RenokaError& e) {
        context.message(e.what());
        return kExitFailed;
    } catch (const std::exception& e) {
        context.message(sj("デモデータを作れませんでした: ") + sj(e.what()));
        return kExitFailed;
    }

    std::string courses;
    for (const auto& c : summary.courses)
        courses += (courses.empty() ? "" : sj("・")) + trim(JyoName(c, 2));
    std::string days, history;
    for (const auto& d : summary.raceDays) {
        days += ' ';
        days += dayText(d);
    }
    for (const auto& d : summary.historyDays) {
        history += ' ';
        history += dayText(d);
    }
    context.print(sj("デモデータを作りました: ") + sj(options.out.string()));
    context.print(sj("開催日:") + days + " " + courses + sj(" 各12レース"));
    context.print(sj("過去の開催日:") + history);
    context.print(sj(fmt("レース: %d  出走馬: %d  馬: %d", summary.races, summary.runners, summary.horses)));
    context.print(sj(fmt("ファイル: %d  容量: %.1f MB", summary.files, static_cast<double>(summary.bytes) / 1e6)));
    const auto& start = summary.clockStart;
    context.print(sj("時計の開始: " + start.date.iso() + fmt(" %02d:%02d", start.minute / 60, start.minute % 60)));
    return kExitDone;
}

} // namespace renoka::cli
