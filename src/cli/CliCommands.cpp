#include "CliCommands.h"

#include "CliApp.h"
#include "CliContext.h"
#include "CliDemoCommand.h"
#include "base/Cp932.h"
#include "jv/SoftwareId.h"

namespace renoka::cli {

int downloadCommand(CliContext& context, const std::vector<std::string>& args);
int daysCommand(CliContext& context, const std::vector<std::string>& args);
int loadCommand(CliContext& context, const std::vector<std::string>& args);
int showCommand(CliContext& context, const std::vector<std::string>& args);
int liveCommand(CliContext& context, const std::vector<std::string>& args);
int fetchCommand(CliContext& context, const std::vector<std::string>& args);
int betsCommand(CliContext& context, const std::vector<std::string>& args);
int setsCommand(CliContext& context, const std::vector<std::string>& args);
int lossCommand(CliContext& context, const std::vector<std::string>& args);
int voteCommand(CliContext& context, const std::vector<std::string>& args);
int chaseCommand(CliContext& context, const std::vector<std::string>& args);

namespace {

int versionCommand(CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) {
        context.message(sj("version に引数は要りません。"));
        return kExitUsage;
    }
    context.print(std::string("RENOKA ") + ProgramVersion);
    return kExitDone;
}

} // namespace

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"version", "版を表示します", versionCommand},
        {"make-demo", "デモ用のデータ提供フォルダを作ります", makeDemoCommand},
        {"download",
         "蓄積データを取り込みます [--from \"YYYY-MM-DD hh:mm:ss\"] [--setup] [--odds] [--stall-timeout 秒]",
         downloadCommand},
        {"days", "開催日の一覧を新しい順に表示します", daysCommand},
        {"load", "開催日を読み込み、レース一覧と成績の状態を表示します: load 開催日", loadCommand},
        {"show", "レースを表示します: show 開催日 レース card|entries|check|results|odds", showCommand},
        {"bets",
         "レースの買い目を表示します: bets 開催日 レース [--set 設定名] [--amount 金額] [--method equal|proportional] "
         "[--mark 馬番:軸|ヒモ1|ヒモ2|消 ...] [--exclude 券種:行 ...] [--bracket 枠-枠 ...] [--type 券種]",
         betsCommand},
        {"vote",
         "買い目を投票ファイル(.BET)に出力します。--plugin で注文ファイルを書き、投票プラグイン２を起動します: vote "
         "開催日 "
         "レース 券種 [--plugin] [bets と同じ選択]",
         voteCommand},
        {"chase", "追い上げ: 損失金と目標利益から投票金額を求めます: chase 開催日 レース [bets と同じ選択]",
         chaseCommand},
        {"live", "本日の開催日を時計に従って自動取得します: live 開催日 [--until hh:mm] [--speed N]", liveCommand},
        {"fetch", "速報データを1回取得します: fetch 開催日 レース odds|results|weights|mining|changes", fetchCommand},
        {"sets",
         "軸・ヒモ馬ユーザー設定: sets list | add 設定名 軸 ヒモ1 ヒモ2 順1 順2 順3 補充1 補充2 | delete 設定名 | "
         "use 設定名",
         setsCommand},
        {"loss", "損失金表: loss list | loss add 開催日 レース 金額 | loss delete 番号 | loss clear", lossCommand},
    };
    return table;
}

const Command* findCommand(std::string_view name) {
    for (const auto& c : commands())
        if (name == c.name) return &c;
    return nullptr;
}

} // namespace renoka::cli
