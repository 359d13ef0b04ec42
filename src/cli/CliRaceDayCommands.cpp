// renoka-cli load and show: a race day loaded headless, and the views of one race printed as text.
#include "CliApp.h"
#include "CliContext.h"
#include "CliDay.h"
#include "CliGrid.h"
#include "analysis/EntriesTable.h"
#include "analysis/OddsBoard.h"
#include "base/Cp932.h"
#include "raceday/DayLoader.h"
#include "raceday/RaceCard.h"
#include "raceday/RaceSelection.h"
#include "results/PayoutIntake.h"
#include "text/Fields.h"

#include <functional>

namespace renoka::cli {

namespace {

// A cell as the window draws it: its painted lines, blanks at their ends dropped, joined by " / "; a cell its
// owner does not paint (the header row) prints its text.
std::string paintedCell(const CellPaint& paint, const std::string& text) {
    if (paint.lines.empty()) return text;
    std::vector<std::string> lines;
    for (const auto& line : paint.lines)
        lines.push_back(std::string(line.substr(0, line.find_last_not_of(' ') + 1)));
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::string cell;
    for (size_t i = 0; i < lines.size(); ++i)
        cell += (i ? " / " : "") + lines[i];
    return cell;
}

void printPaintedGrid(CliContext& context, const TextGrid& grid, const std::function<CellPaint(int, int)>& paint) {
    printGrid(context, grid, [&](int row, int col) {
        return row == 0 ? grid.cell(col, row) : paintedCell(paint(row, col), grid.cell(col, row));
    });
}

void printLabel(CliContext& context, const Label& label) {
    if (label.visible && !trimView(label.text).empty()) context.print(label.text);
}

void showCard(CliContext& context) {
    const RaceCard& card = context.form().raceCard();
    for (const Label* label : {&card.BashoLabel, &card.RaceLabel, &card.Label1, &card.Label2, &card.Label3,
                               &card.Label4, &card.Label6, &card.Label7, &card.TFWtimeLabel})
        printLabel(context, *label);
    printPaintedGrid(context, card.StringGrid6, [&card](int row, int col) { return card.paint(row, col); });
}

void showResults(CliContext& context) {
    const ResultsPanel& panel = context.form().payouts().KekkaPanel;
    context.print(sj("券種\t結果\t人気\t配当"));
    for (PayoutType type : kPayoutTypes) {
        for (int i = 0; i < payoutLayout(type).entries; ++i) {
            const ResultLabels& e = panel.entry(type, i);
            if (trimView(e.Kekka.text).empty()) continue;
            context.print(payoutTypeName(type) + "\t" + e.Kekka.text + "\t" + e.Ninki.text + "\t" + e.Haito.text);
        }
    }
}

void showOdds(CliContext& context) {
    OddsBoard& board = context.form().oddsBoard();
    board.refresh(context.form().store().CurrentRace);
    const TextGrid* grids[] = {&board.WinPlace, &board.Bracket,  &board.Quinella,
                               &board.Lists[0], &board.Lists[1], &board.Lists[2]};
    for (int i = 0; i < 6; ++i) {
        std::string caption = "[";
        caption += OddsBoard::caption(i);
        caption += ']';
        context.print(caption);
        printGrid(context, *grids[i]);
    }
}

} // namespace

int loadCommand(CliContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1) {
        context.message(sj("使い方: load 開催日（例: 2026-12-08）"));
        return kExitUsage;
    }
    if (!loadDay(context, args[0])) return kExitFailed;
    for (const auto& race : context.form().DatList.items)
        context.print(race);
    context.print(context.form().SeiRecLabel.text);
    return kExitDone;
}

int showCommand(CliContext& context, const std::vector<std::string>& args) {
    static const char* const views[] = {"card", "entries", "check", "results", "odds"};
    if (args.size() != 3 || std::find(std::begin(views), std::end(views), args[2]) == std::end(views)) {
        context.message(sj("使い方: show 開催日 レース card|entries|check|results|odds"));
        return kExitUsage;
    }
    if (!loadDay(context, args[0])) return kExitFailed;
    const int race = findRace(context, args[1]);
    if (race < 0) return kExitFailed;
    TMainForm& main = context.form();
    main.DatList.itemIndex = race;
    if (!main.runHandler([&] { main.raceSelection().DatListClick(); })) return kExitFailed;
    const std::string& view = args[2];
    if (view == "card")
        showCard(context);
    else if (view == "entries")
        printGrid(context, main.entries().StringGrid26);
    else if (view == "check")
        printGrid(context, main.entries().StringGrid8);
    else if (view == "results")
        showResults(context);
    else
        showOdds(context);
    return kExitDone;
}

} // namespace renoka::cli
