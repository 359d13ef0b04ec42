#include "CliBetChoices.h"

#include "CliApp.h"
#include "CliContext.h"
#include "CliDay.h"
#include "analysis/EntriesTable.h"
#include "base/Cp932.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/UserKaimeForm.h"
#include "raceday/RaceSelection.h"
#include "text/Fields.h"

#include <algorithm>

namespace renoka::cli {

// A bet type as typed: its identifier ("３連単", also with a half-width "3"), its tab caption ("三連単") or its
// vote code ("SANTAN").
std::optional<BetType> typeArg(const std::string& utf8) {
    std::string text = utf8;
    if (text.starts_with("3")) text = "３" + text.substr(1);
    return betTypeOf(sj(text));
}

namespace {

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

// A bracket combination as typed: "3-7" or "3:7", each bracket 1..8.
std::optional<std::string> bracketArg(const std::string& text) {
    if (text.size() != 3 || (text[1] != '-' && text[1] != ':')) return std::nullopt;
    const int a = text[0] - '0';
    const int b = text[2] - '0';
    if (a < 1 || a > 8 || b < 1 || b > 8) return std::nullopt;
    return std::to_string(std::min(a, b)) + "-" + std::to_string(std::max(a, b));
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

// Chooses the bracket combinations in the preview (a click in its column 3 each), then extracts them into the
// 枠連 grid as 抽出 does.
bool chooseBrackets(CliContext& context, const std::vector<std::string>& brackets) {
    TMainForm& main = context.form();
    BetBoard& board = main.bets();
    const TextGrid& preview = board.StringGrid2;
    for (const std::string& wanted : brackets) {
        int row = 1;
        for (; row < preview.rowCount(); ++row) {
            const std::string key = trim(preview.cell(1, row));
            if (!key.empty() && fieldInt(key, 1, 1) == wanted[0] - '0' &&
                fieldInt(key, key.size(), 1) == wanted[2] - '0')
                break;
        }
        if (row >= preview.rowCount()) {
            context.message(sj("このレースにその枠の組合せはありません: " + wanted));
            return false;
        }
        if (preview.cell(3, row) == sj("●")) continue;
        if (!main.runHandler([&] { board.StringGrid2Click(row, 3); })) return false;
    }
    return main.runHandler([&] { board.KaimeMakeBtn_OldClick(); });
}

} // namespace

bool parseBetChoices(CliContext& context, const std::vector<std::string>& args, BetsOptions& o,
                     const std::vector<std::string>& flags) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("--")) {
            o.positional.push_back(a);
            continue;
        }
        if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
            if (a == "--plugin") o.plugin = true;
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
        } else if (a == "--bracket") {
            const auto bracket = bracketArg(value);
            if (!bracket) {
                context.message(sj("枠の組合せは 枠-枠（1～8）で指定してください: " + value));
                return false;
            }
            o.brackets.push_back(*bracket);
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
    return true;
}

bool showRaceWithChoices(CliContext& context, const BetsOptions& o) {
    if (o.positional.size() < 2) return false;
    if (!loadDay(context, o.positional[0])) return false;
    const int race = findRace(context, o.positional[1]);
    if (race < 0) return false;
    TMainForm& main = context.form();
    BetBoard& board = main.bets();
    if (o.set && !chooseSet(context, *o.set)) return false;
    if (o.amount) {
        if (*o.amount < 100) context.message(sj("100円未満の金額では資金配分をしません。"));
        main.RaceAmounts.resize(std::max<size_t>(main.RaceAmounts.size(), static_cast<size_t>(race) + 1));
        main.RaceAmounts[static_cast<size_t>(race)] = std::to_string(*o.amount);
    }
    if (o.method) board.RadioGroup1ItemIndex = *o.method;
    main.DatList.itemIndex = race;
    if (!main.runHandler([&] { main.raceSelection().DatListClick(); })) return false;
    // A race without runner data stays unshown: the selection said why.
    if (main.store().CurrentRace != race) return false;

    const TextGrid& check = main.entries().StringGrid8;
    for (const MarkChoice& m : o.marks) {
        if (m.horse >= check.rowCount()) {
            context.message(sj("その馬番の馬はいません: ") + std::to_string(m.horse));
            return false;
        }
        // A click toggles; the choice says which way the mark is to end.
        const bool marked = m.col == AxisPartnerMarks::kExclusionCol ? check.cell(m.col, m.horse) == sj("消")
                                                                     : !check.cell(m.col, m.horse).empty();
        if (marked != m.on && !main.runHandler([&] { main.marks().StringGrid8MouseDown(m.horse, m.col); }))
            return false;
    }
    if (!o.brackets.empty() && !chooseBrackets(context, o.brackets)) return false;
    for (const ExcludeChoice& e : o.excludes) {
        const TextGrid& grid = board.grid(e.type);
        if (e.row >= grid.rowCount() || trimView(grid.cell(2, e.row)).empty()) {
            context.message(betTypeId(e.type) + sj("にその行の買い目はありません: ") + std::to_string(e.row));
            return false;
        }
        // Excluded once is excluded: a second click would take the mark away again.
        if (grid.cell(kExclusionCol, e.row) == sj("消")) continue;
        if (!main.runHandler([&] { board.gridClick(e.type, e.row, kExclusionCol); })) return false;
    }
    return true;
}

} // namespace renoka::cli
