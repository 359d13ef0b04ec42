#include "betting/VoteLines.h"

#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "text/Fields.h"
#include "text/Format.h"

namespace renoka {

namespace {

// Right-aligned in two characters; 0 (or no number) is two blanks.
std::string two(int value) {
    return value == 0 ? std::string("  ") : fmt("%2d", value);
}

// The numbers of a key at positions 1-2, 4-5 and 7-8, joined by "-": two digits each with a leading zero, or
// as they are (one digit for brackets).
std::string betNumbers(const std::string& key, int numbers, bool twoDigits) {
    std::string bet;
    for (int i = 0; i < numbers; ++i) {
        if (i > 0) bet += '-';
        const int n = fieldInt(key, 1 + 3 * i, 2);
        bet += twoDigits ? fmt("%02d", n) : fmt("%d", n);
    }
    return bet;
}

} // namespace

bool hasBet(const VoteRow& row) {
    return !trimView(row.key).empty() && !trimView(row.odds).empty() && !trimView(row.stake).empty();
}

bool isVoted(const VoteRow& row) {
    static const std::string excluded = sj("消");
    return hasBet(row) && trimView(row.exclusion) != excluded;
}

std::string voteFileStem(std::string_view ra) {
    return std::string(field(ra, 14, 2)) + std::string(field(ra, 16, 4));
}

std::vector<std::string> betFileLines(std::string_view ra, const VoteKind& kind, const std::vector<VoteRow>& rows) {
    std::vector<std::string> lines;
    std::string heading = trim(JyoName(field(ra, 20, 2), 0));
    heading += ' ';
    heading += field(ra, 14, 2);
    heading += sj("年 ") + two(fieldInt(ra, 16, 2)) + sj("月 ") + two(fieldInt(ra, 18, 2)) + sj("日 ") +
               two(fieldInt(ra, 22, 2)) + sj("回 ") + two(fieldInt(ra, 24, 2)) + sj("日 ");
    lines.push_back(std::move(heading));

    const std::string race = two(fieldInt(ra, 26, 2)) + "R ";
    for (const VoteRow& row : rows) {
        if (!isVoted(row)) continue;
        const std::string bet = kind.numbers == 1 ? row.key : betNumbers(row.key, kind.numbers, true);
        lines.push_back(race + kind.id + ' ' + bet + ' ' + row.stake);
    }
    return lines;
}

std::vector<std::string> orderFileLines(std::string_view ra, const VoteKind& kind, const std::vector<VoteRow>& rows) {
    std::vector<std::string> lines;
    const std::string race =
        std::string(field(ra, 12, 8)) + ',' + std::string(field(ra, 20, 2)) + ',' + std::string(field(ra, 26, 2)) + ',';
    for (const VoteRow& row : rows) {
        if (!isVoted(row)) continue;
        const std::string bet = betNumbers(row.key, kind.numbers, !kind.brackets);
        lines.push_back(race + kind.code + ",NORMAL," + trim(row.stake) + ',' + bet + ',');
    }
    return lines;
}

} // namespace renoka
