#pragma once
// The choices a user makes on the 買い目 tab, given on the command line of the commands that work on the bets of
// one race (bets, vote, chase): the set, the amount, the method, mark clicks, exclusions and the bracket
// combinations of the preview. They hold for this run only: nothing of them is written to the settings.
#include "betting/BetTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace renoka::cli {

class CliContext;

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
    std::vector<std::string> positional; // DAY RACE, then what the command takes
    std::optional<std::string> set;
    std::optional<int64_t> amount;
    std::optional<int> method;
    std::vector<MarkChoice> marks;
    std::vector<ExcludeChoice> excludes;
    std::vector<std::string> brackets; // "3-7": bracket combinations chosen in the preview, then 抽出
    std::optional<BetType> type;
    bool plugin = false; // vote --plugin
};

// The options every bets command takes, as the usage line names them.
inline constexpr const char* kBetChoicesUsage = "[--set 設定名] [--amount 金額] [--method equal|proportional] "
                                                "[--mark 馬番:軸|ヒモ1|ヒモ2|消 ...] [--exclude 券種:行 ...] "
                                                "[--bracket 枠-枠 ...]";

// A bet type as typed: its identifier ("３連単", also with a half-width "3"), its tab caption ("三連単") or its
// vote code ("SANTAN").
std::optional<BetType> typeArg(const std::string& utf8);

// Reads the arguments; a message and false on the first that is wrong. `flags` are the switches without a value
// the command takes ("--plugin").
bool parseBetChoices(CliContext& context, const std::vector<std::string>& args, BetsOptions& o,
                     const std::vector<std::string>& flags = {});

// Loads the day, shows the race as a click in the race list does and applies the choices in the order a user
// makes them: set, amount and method before the selection, then the mark clicks, the exclusions and the bracket
// extraction. False (with the message) when any step is refused.
bool showRaceWithChoices(CliContext& context, const BetsOptions& o);

} // namespace renoka::cli
