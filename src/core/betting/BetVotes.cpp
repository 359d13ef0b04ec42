#include "betting/BetVotes.h"

#include "base/Cp932.h"
#include "betting/BetBoard.h"
#include "betting/ChaseStake.h"
#include "betting/VoteFiles.h"
#include "frame/IniFile.h"
#include "platform/Desktop.h"
#include "text/TextGrid.h"

namespace renoka {

BetVotes::BetVotes(BetBoard& board, VoteFiles& files, Desktop& desktop, const IniFile& ini)
    : m_board(board), m_files(files), m_desktop(desktop), m_ini(ini) {}

std::vector<VoteRow> BetVotes::rowsOf(const TextGrid& grid, BetType type) {
    const int stakeCol = betTypeInfo(type).stakeCol;
    std::vector<VoteRow> rows;
    rows.reserve(static_cast<size_t>(grid.rowCount()));
    for (int r = 1; r < grid.rowCount(); ++r)
        rows.push_back(VoteRow{grid.cell(kExclusionCol, r), grid.cell(kKeyCol, r), grid.cell(kOddsCol, r),
                               grid.cell(stakeCol, r)});
    return rows;
}

VoteKind BetVotes::kindOf(BetType type) {
    const BetTypeInfo& info = betTypeInfo(type);
    return VoteKind{betTypeId(type), info.voteCode, info.horses, type == BetType::Waku};
}

std::optional<BetType> BetVotes::activeType() const {
    BetType type{};
    if (!BetBoard::pageOfType(m_board.ActivePage, type)) return std::nullopt;
    return type;
}

void BetVotes::TohyouBtnClick() {
    if (const auto type = activeType()) writeBetFile(*type);
}

void BetVotes::writeBetFile(BetType type) {
    m_files.writeBetFile(kindOf(type), rowsOf(m_board.grid(type), type));
}

void BetVotes::TohyoCSVBtnClick() {
    if (const auto type = activeType()) writeOrderFile(*type);
}

void BetVotes::writeOrderFile(BetType type) {
    m_files.writeOrderFile(kindOf(type), rowsOf(m_board.grid(type), type));
}

std::optional<int64_t> BetVotes::chaseAmount() const {
    const double rate = rateOfText(m_board.label(BetType::Waku, BetLabel::YosoKaishu).text);
    if (rate < 10) return std::nullopt;
    const int increase = m_ini.readInteger("KaimeSet", "DefaultZogaku", 100);
    const auto stake = chaseStake(m_board.SaNumEditExC3, m_board.SaNumEditExC2, rate, increase, BetBoard::kMaxAmount);
    // A stake below 100 yen would not be allocated at all: the grids would keep the stakes of the old amount.
    if (!stake || *stake < 100) return std::nullopt;
    return stake;
}

void BetVotes::OiageBtnClick() {
    const auto stake = chaseAmount();
    if (!stake) {
        m_desktop.beep();
        m_desktop.information(sj("この組合せまたは金額では資金配分ができません。"));
        return;
    }
    m_board.setStakeAmount(*stake);
}

} // namespace renoka
