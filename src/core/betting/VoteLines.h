#pragma once
// The lines of the two vote files, built from the rows of a bet grid and the race's RA record image:
// - the bet list "yymmdd.BET": a heading line (racecourse, year, month, day, meeting, day of meeting), then one
//   line per bet: "11R 馬連 03-07    500";
// - the order file "yymmdd.csv" of the voting plug-in: "20250105,05,11,UMAFUKU,NORMAL,500,03-07," per bet.
// A row is written when its key, odds and stake cells are not blank and it is not excluded ("消"); rows keep
// their grid order. Everything is CP932.
#include <string>
#include <string_view>
#include <vector>

namespace renoka {

// The cells of a bet grid row the vote files read, as the grid shows them.
struct VoteRow {
    std::string exclusion; // "消" when excluded
    std::string key;       // " 7", " 3- 7", " 1- 5-12"
    std::string odds;
    std::string stake; // "   500"
};

// How a bet type is written.
struct VoteKind {
    std::string id;        // the identifier in CP932: "馬連", "３連単"
    std::string code;      // the order file's code: "UMAFUKU"
    int numbers = 1;       // numbers of a bet: 1, 2 or 3
    bool brackets = false; // 枠連: one-digit bracket numbers in the order file
};

// A row that holds a bet: key, odds and stake are not blank (the exclusion mark does not matter).
bool hasBet(const VoteRow& row);
// A row that is written: it holds a bet and is not excluded.
bool isVoted(const VoteRow& row);

// "yymmdd": the last two digits of the year, then month and day, from the RA record.
std::string voteFileStem(std::string_view ra);

// The lines of the ".BET" file: the heading, then the bets.
std::vector<std::string> betFileLines(std::string_view ra, const VoteKind& kind, const std::vector<VoteRow>& rows);
// The lines of the plug-in's order file.
std::vector<std::string> orderFileLines(std::string_view ra, const VoteKind& kind, const std::vector<VoteRow>& rows);

} // namespace renoka
