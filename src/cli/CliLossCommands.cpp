// renoka-cli loss: the loss register ("ruison.csv") listed, an entry recorded for a race of a day, one entry or
// all deleted. The register's own questions are answered by --yes or --no; what it refuses it says on standard
// error, and a command that changed nothing ends with status 1.
#include "CliApp.h"
#include "CliContext.h"
#include "CliDay.h"
#include "base/Cp932.h"
#include "platform/FileIo.h"
#include "results/LossRegForm.h"
#include "text/Fields.h"
#include "text/Format.h"

namespace renoka::cli {

namespace {

constexpr const char* kLossUsage = "使い方: loss list | loss add 開催日 レース 金額 | loss delete 番号 | loss clear";

void listRegister(CliContext& context, const TLossRegForm& reg) {
    const TextGrid& grid = reg.StringGrid4;
    for (int row = 0; row < grid.rowCount(); ++row) {
        // An empty register is its header row only.
        if (row > 0 && trimView(grid.cell(0, row)).empty()) continue;
        std::string line;
        for (int col = 0; col < grid.colCount(); ++col) {
            if (grid.colHidden(col)) continue;
            if (!line.empty()) line += '\t';
            line += grid.cell(col, row);
        }
        context.print(line);
    }
    context.print(sj("累積損失額：") + fmt("%8lld", reg.cumulativeLoss()) + sj("円"));
}

// A whole number the amount field takes: seven digits at most, a sign allowed.
bool amountOf(const std::string& text, long long& amount) {
    const std::string_view digits =
        !text.empty() && (text[0] == '-' || text[0] == '+') ? std::string_view(text).substr(1) : std::string_view(text);
    if (!isDigits(digits) || digits.size() > 7) return false;
    amount = toInt64Def(text, 0);
    return true;
}

// The register as its file holds it: what a command changed shows there.
std::string fileState(CliContext& context) {
    std::string bytes;
    if (!readWholeFile(context.form().pathOf("ruison.csv"), bytes)) return "\x01missing";
    return bytes;
}

int finish(CliContext& context, const std::string& before, const char* doneUtf8) {
    if (fileState(context) == before) {
        context.message(sj("損失金表は変わりませんでした。"));
        return kExitFailed;
    }
    context.message(sj(doneUtf8));
    listRegister(context, context.form().lossReg());
    return kExitDone;
}

} // namespace

int lossCommand(CliContext& context, const std::vector<std::string>& args) {
    const std::string verb = args.empty() ? std::string() : args[0];
    const size_t wanted = verb == "list" || verb == "clear" ? 1 : verb == "delete" ? 2 : verb == "add" ? 4 : 0;
    if (wanted == 0 || args.size() != wanted) {
        context.message(sj(kLossUsage));
        return kExitUsage;
    }
    TMainForm& main = context.form();
    TLossRegForm& reg = main.lossReg();
    if (verb == "list") {
        listRegister(context, reg);
        return kExitDone;
    }
    if (verb == "clear") {
        const std::string before = fileState(context);
        if (!main.runHandler([&] { reg.A1Click(); })) return kExitFailed;
        return finish(context, before, "損失金表をクリアしました。");
    }
    if (verb == "delete") {
        const int number = isDigits(args[1]) && args[1].size() <= 6 ? toInt(args[1]) : 0;
        if (number < 1 || number >= reg.StringGrid4.rowCount() || trimView(reg.StringGrid4.cell(0, number)).empty()) {
            context.message(sj("その番号の損失金はありません: ") + args[1]);
            return kExitFailed;
        }
        const std::string before = fileState(context);
        if (!main.runHandler([&] {
                reg.StringGrid4MouseDown(number, 0);
                reg.Delete1Click();
            }))
            return kExitFailed;
        return finish(context, before, "損失金を削除しました。");
    }

    long long amount = 0;
    if (!amountOf(args[3], amount)) {
        context.message(sj("金額は7桁までの整数で指定してください（回収はマイナス）: ") + args[3]);
        return kExitUsage;
    }
    if (!loadDay(context, args[1])) return kExitFailed;
    const int race = findRace(context, args[2]);
    if (race < 0) return kExitFailed;
    const std::string before = fileState(context);
    if (!main.runHandler([&] {
            reg.DatList.itemIndex = race;
            reg.SaNumEditExC3 = amount;
            reg.TanLossBtnClick();
        }))
        return kExitFailed;
    if (amount == 0) context.message(sj("金額が0のため、記録しませんでした。"));
    return finish(context, before, "損失金を記録しました。");
}

} // namespace renoka::cli
