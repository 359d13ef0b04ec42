// renoka-cli bets: the bets of one race as the 買い目 tab shows them after the race is chosen, with the choices
// a user makes there given on the command line. The choices hold for this run only: the set, the method and the
// amount are not written to the settings.
#include "CliApp.h"
#include "CliContext.h"
#include "CliDay.h"
#include "CliGrid.h"
#include "analysis/EntriesTable.h"
#include "base/Cp932.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/UserKaimeForm.h"
#include "raceday/RaceSelection.h"
#include "text/Fields.h"

#include <optional>

namespace renoka::cli {

namespace {

const char* const kUsage = "使い方: bets 開催日 レース [--set 設定名] [--amount 金額] [--method equal|proportional] "
                           "[--mark 馬番:軸|ヒモ1|ヒモ2|消 ...] [--exclude 券種:行 ...] [--type 券種]";

struct MarkChoice {
    int horse = 0;
    int col = 0;
    bool on = true; // "-軸" takes the mark away
};

struct ExcludeChoice {
    BetType type{};
    int row = 0;
};

struct BetsOptions {
    std::string day;
    std::string race;
    std::optional<std::string> set;
    std::optional<int64_t> amount;
    std::optional<int> method;
    std::vector<MarkChoice> marks;
    std::vector<ExcludeChoice> excludes;
    std::optional<BetType> type;
};

// A bet type as typed: its identifier ("３連単", also with a half-width "3"), its tab caption ("三連単") or its
// vote code ("SANTAN").
std::optional<BetType> typeArg(const std::string& utf8) {
    std::string text = utf8;
    if (text.starts_with("3")) text = "３" + text.substr(1);
    return betTypeOf(sj(text));
}

// A whole decimal number of at most `digits` digits; none for anything else.
std::optional<int64_t> numberArg(const std::string& text, size_t digits) {
    if (text.empty() || text.size() > digits) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoll(text);
}

std::optional<MarkChoice> markArg(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto horse = numberArg(text.substr(0, colon), 2);
    if (!horse || *horse < 1 || *horse > kHorseCount) return std::nullopt;
    MarkChoice choice;
    choice.horse = static_cast<int>(*horse);
    std::string mark = text.substr(colon + 1);
    if (mark.starts_with("-")) {
        choice.on = false;
        mark.erase(0, 1);
    }
    if (mark == "軸")
        choice.col = AxisPartnerMarks::kAxisCol;
    else if (mark == "ヒモ1" || mark == "ヒモ１")
        choice.col = AxisPartnerMarks::kPartner1Col;
    else if (mark == "ヒモ2" || mark == "ヒモ２")
        choice.col = AxisPartnerMarks::kPartner2Col;
    else if (mark == "消")
        choice.col = AxisPartnerMarks::kExclusionCol;
    else
        return std::nullopt;
    return choice;
}

std::optional<ExcludeChoice> excludeArg(const std::string& text) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto type = typeArg(text.substr(0, colon));
    const auto row = numberArg(text.substr(colon + 1), 4);
    if (!type || !row || *row < 1) return std::nullopt;
    return ExcludeChoice{*type, static_cast<int>(*row)};
}

// Reads the arguments; a message and false on the first that is wrong.
bool parse(CliContext& context, const std::vector<std::string>& args, BetsOptions& o) {
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("--")) {
            positional.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            context.message(sj(a + " の値がありません。"));
            return false;
        }
        const std::string& value = args[++i];
        if (a == "--set") {
            o.set = value;
        } else if (a == "--amount") {
            o.amount = numberArg(value, 8);
            if (!o.amount) {
                context.message(sj("金額は 0 から 99999999 までの整数で指定してください: " + value));
                return false;
            }
        } else if (a == "--method") {
            if (value != "equal" && value != "proportional") {
                context.message(sj("資金配分は equal（均等）か proportional（比例）です: " + value));
                return false;
            }
            o.method = value == "equal" ? 0 : 1;
        } else if (a == "--mark") {
            const auto mark = markArg(value);
            if (!mark) {
                context.message(sj("印は 馬番:軸|ヒモ1|ヒモ2|消 で指定してください: " + value));
                return false;
            }
            o.marks.push_back(*mark);
        } else if (a == "--exclude") {
            const auto exclude = excludeArg(value);
            if (!exclude) {
                context.message(sj("除外は 券種:行番号 で指定してください: " + value));
                return false;
            }
            o.excludes.push_back(*exclude);
        } else if (a == "--type") {
            o.type = typeArg(value);
            if (!o.type) {
                context.message(sj("券種が正しくありません: " + value));
                return false;
            }
        } else {
            context.message(sj("知らないオプションです: " + a));
            return false;
        }
    }
    if (positional.size() != 2) return false;
    o.day = positional[0];
    o.race = positional[1];
    return true;
}

// Chooses a saved set for this run, as the dialog's chooser does, without writing the settings.
bool chooseSet(CliContext& context, const std::string& name) {
    TMainForm& main = context.form();
    TUserKaimeForm& dialog = main.userKaime();
    for (const std::string& line : dialog.Sets) {
        if (trim(TUserKaimeForm::nameOf(line)) != sj(name)) continue;
        dialog.Controls = TUserKaimeForm::choicesOf(line);
        main.SetNameLabel.text = trim(TUserKaimeForm::nameOf(line));
        return true;
    }
    context.message(sj("設定が見つかりません: " + name));
    return false;
}

void printType(CliContext& context, const BetBoard& board, BetType type) {
    context.print("[" + betTypeId(type) + "]");
    printGrid(context, board.grid(type));
    static const std::array<const char*, kBetLabelCount> captions = {"買い点数", "投票金額", "予想回収率", "回収金額"};
    for (int i = 0; i < kBetLabelCount; ++i)
        context.print(sj(captions[static_cast<size_t>(i)]) + "\t" +
                      trim(board.label(type, static_cast<BetLabel>(i)).text));
}

} // namespace

int betsCommand(CliContext& context, const std::vector<std::string>& args) {
    BetsOptions o;
    if (!parse(context, args, o)) {
        context.message(sj(kUsage));
        return kExitUsage;
    }
    if (!loadDay(context, o.day)) return kExitFailed;
    const int race = findRace(context, o.race);
    if (race < 0) return kExitFailed;
    TMainForm& main = context.form();
    BetBoard& board = main.bets();
    if (o.set && !chooseSet(context, *o.set)) return kExitFailed;
    if (o.amount) {
        if (*o.amount < 100) context.message(sj("100円未満の金額では資金配分をしません。"));
        main.RaceAmounts.resize(std::max<size_t>(main.RaceAmounts.size(), static_cast<size_t>(race) + 1));
        main.RaceAmounts[static_cast<size_t>(race)] = std::to_string(*o.amount);
    }
    if (o.method) board.RadioGroup1ItemIndex = *o.method;
    main.DatList.itemIndex = race;
    if (!main.runHandler([&] { main.raceSelection().DatListClick(); })) return kExitFailed;
    // A race without runner data stays unshown: the selection said why.
    if (main.store().CurrentRace != race) return kExitFailed;

    const TextGrid& check = main.entries().StringGrid8;
    for (const MarkChoice& m : o.marks) {
        if (m.horse >= check.rowCount()) {
            context.message(sj("その馬番の馬はいません: ") + std::to_string(m.horse));
            return kExitFailed;
        }
        // A click toggles; the choice says which way the mark is to end.
        const bool marked = m.col == AxisPartnerMarks::kExclusionCol ? check.cell(m.col, m.horse) == sj("消")
                                                                     : !check.cell(m.col, m.horse).empty();
        if (marked != m.on && !main.runHandler([&] { main.marks().StringGrid8MouseDown(m.horse, m.col); }))
            return kExitFailed;
    }
    for (const ExcludeChoice& e : o.excludes) {
        const TextGrid& grid = board.grid(e.type);
        if (e.row >= grid.rowCount() || trimView(grid.cell(2, e.row)).empty()) {
            context.message(betTypeId(e.type) + sj("にその行の買い目はありません: ") + std::to_string(e.row));
            return kExitFailed;
        }
        // Excluded once is excluded: a second click would take the mark away again.
        if (grid.cell(kExclusionCol, e.row) == sj("消")) continue;
        if (!main.runHandler([&] { board.gridClick(e.type, e.row, kExclusionCol); })) return kExitFailed;
    }

    if (o.type) {
        printType(context, board, *o.type);
    } else {
        for (BetType type : kGeneratedBetTypes)
            printType(context, board, type);
    }
    return kExitDone;
}

} // namespace renoka::cli
