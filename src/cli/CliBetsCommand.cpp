// renoka-cli bets: the bets of one race as the 買い目 tab shows them after the race is chosen, with the choices
// a user makes there given on the command line. The choices hold for this run only: the set, the method and the
// amount are not written to the settings.
#include "CliApp.h"
#include "CliBetChoices.h"
#include "CliContext.h"
#include "CliGrid.h"
#include "base/Cp932.h"
#include "betting/BetBoard.h"
#include "text/Fields.h"

#include <array>

namespace renoka::cli {

namespace {

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
    if (!parseBetChoices(context, args, o) || o.positional.size() != 2) {
        context.message(sj(std::string("使い方: bets 開催日 レース ") + kBetChoicesUsage + " [--type 券種]"));
        return kExitUsage;
    }
    if (!showRaceWithChoices(context, o)) return kExitFailed;
    const BetBoard& board = context.form().bets();
    if (o.type) {
        printType(context, board, *o.type);
    } else {
        for (BetType type : kGeneratedBetTypes)
            printType(context, board, type);
        // The 枠連 bets are there only when the preview's combinations were extracted.
        if (!o.brackets.empty()) printType(context, board, BetType::Waku);
    }
    return kExitDone;
}

} // namespace renoka::cli
