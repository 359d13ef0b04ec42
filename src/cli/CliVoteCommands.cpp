// renoka-cli vote and chase: the outward actions of the 買い目 tab for one race, after the same choices as bets.
// vote writes the ".BET" bet list of one bet type, or with --plugin the order file, and starts the voting
// plug-in on it; the question is answered by --yes or --no. chase prints the stake the chase sets, or the refusal.
#include "CliApp.h"
#include "CliBetChoices.h"
#include "CliContext.h"
#include "base/Cp932.h"
#include "betting/BetBoard.h"
#include "betting/BetVotes.h"
#include "betting/VoteFiles.h"
#include "platform/FileIo.h"
#include "text/Fields.h"

namespace renoka::cli {

int voteCommand(CliContext& context, const std::vector<std::string>& args) {
    BetsOptions o;
    const std::string usage = std::string("使い方: vote 開催日 レース 券種 [--plugin] ") + kBetChoicesUsage;
    if (!parseBetChoices(context, args, o, {"--plugin"}) || o.positional.size() != 3) {
        context.message(sj(usage));
        return kExitUsage;
    }
    const auto type = typeArg(o.positional[2]);
    if (!type) {
        context.message(sj("券種が正しくありません: " + o.positional[2]));
        return kExitUsage;
    }
    if (!showRaceWithChoices(context, o)) return kExitFailed;
    TMainForm& main = context.form();
    // The bet tab of the type is the active one, as when the punter presses the button on it.
    if (!main.runHandler([&] { main.bets().PageControl4Change(betIndex(*type)); })) return kExitFailed;
    VoteFiles& files = main.voteFiles();
    if (!o.plugin) {
        if (!main.runHandler([&] { main.votes().TohyouBtnClick(); }) || files.lastBetFile.empty()) return kExitFailed;
        context.message(sj("投票ファイルを書き出しました: ") + displayPath(files.lastBetFile));
        return kExitDone;
    }
    if (!main.runHandler([&] { main.votes().TohyoCSVBtnClick(); }) || files.lastOrderFile.empty()) return kExitFailed;
    context.message(sj("注文ファイルを書き出しました: ") + displayPath(files.lastOrderFile));
    if (!files.pluginStarted) return kExitFailed;
    context.message(sj("投票プラグイン２を起動しました: ") +
                    displayPath(VoteFiles::pluginProgram(files.lastOrderFile.parent_path().parent_path())));
    return kExitDone;
}

int chaseCommand(CliContext& context, const std::vector<std::string>& args) {
    BetsOptions o;
    if (!parseBetChoices(context, args, o) || o.positional.size() != 2) {
        context.message(sj(std::string("使い方: chase 開催日 レース ") + kBetChoicesUsage));
        return kExitUsage;
    }
    if (!showRaceWithChoices(context, o)) return kExitFailed;
    TMainForm& main = context.form();
    BetBoard& board = main.bets();
    const int64_t before = board.SaNumEditExC1;
    const bool hasStake = main.votes().chaseAmount().has_value();
    if (!main.runHandler([&] { main.votes().OiageBtnClick(); })) return kExitFailed;
    context.print(sj("損失金額\t") + std::to_string(board.SaNumEditExC3));
    context.print(sj("目標利益金額\t") + std::to_string(board.SaNumEditExC2));
    context.print(sj("予想回収率\t") + trim(board.label(BetType::Waku, BetLabel::YosoKaishu).text));
    if (!hasStake) {
        context.print(sj("入力投票金額\t") + std::to_string(before));
        return kExitFailed;
    }
    context.print(sj("入力投票金額\t") + std::to_string(board.SaNumEditExC1));
    return kExitDone;
}

} // namespace renoka::cli
