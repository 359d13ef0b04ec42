#pragma once
// What the punter hands out from the 買い目 tab: the ".BET" bet list of a bet grid (the active tab's, or a named
// type's from the 投票ファイル menu), the plug-in's order file with the plug-in started on it (QRV2投票), and the
// chase stake of the 追い上げ投資用 group, which sets the stake amount from the recorded loss.
#include "betting/BetTypes.h"
#include "betting/VoteLines.h"

#include <optional>
#include <vector>

namespace renoka {

class BetBoard;
class Desktop;
class IniFile;
class TextGrid;
class VoteFiles;

class BetVotes {
public:
    BetVotes(BetBoard& board, VoteFiles& files, Desktop& desktop, const IniFile& ini);

    // 投票ﾌｧｲﾙ: the ".BET" file of the active bet tab's grid; on the bracket preview nothing happens.
    void TohyouBtnClick();
    // The items of the pop-up menu 投票ファイル: the ".BET" file of one bet type.
    void N19Click() { writeBetFile(BetType::Tan); }
    void N20Click() { writeBetFile(BetType::Fuku); }
    void N21Click() { writeBetFile(BetType::Waku); }
    void N22Click() { writeBetFile(BetType::Umaren); }
    void N23Click() { writeBetFile(BetType::Wide); }
    void N24Click() { writeBetFile(BetType::Umatan); }
    void N25Click() { writeBetFile(BetType::Sanpuku); }
    void N26Click() { writeBetFile(BetType::Santan); }
    void writeBetFile(BetType type);

    // QRV2投票: the order file of the active bet tab's grid, then the plug-in started on it; on the bracket
    // preview nothing happens.
    void TohyoCSVBtnClick();
    void writeOrderFile(BetType type);

    // 追い上げ: the stake that wins back 損失金額 and 目標利益金額 at the expected return rate of the 枠連 bets,
    // scaled by the increase rate ("KaimeSet"/"DefaultZogaku"). A rate that cannot win the money back (below 10,
    // and every rate up to 100 % too, where the return never exceeds the stake) or a stake outside 100 ..
    // 99,999,999 is refused with the message and changes nothing.
    void OiageBtnClick();
    // The chase stake as OiageBtnClick would set it; none when it would refuse.
    std::optional<int64_t> chaseAmount() const;

    // The rows of a bet grid as the vote files read them, and how its type is written.
    static std::vector<VoteRow> rowsOf(const TextGrid& grid, BetType type);
    static VoteKind kindOf(BetType type);

private:
    std::optional<BetType> activeType() const;

    BetBoard& m_board;
    VoteFiles& m_files;
    Desktop& m_desktop;
    const IniFile& m_ini;
};

} // namespace renoka
