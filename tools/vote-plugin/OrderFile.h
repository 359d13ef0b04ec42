#pragma once
// The order file the program hands to a voting plug-in: one bet per line,
//   yyyymmdd,<racecourse>,<race>,<bet type code>,NORMAL,<stake>,<bet>,
// CP932, lines ended by CR LF. This stand-in plug-in checks every line, totals the stakes, and places nothing.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace renoka::plugin {

struct Order {
    std::string date;   // yyyymmdd
    std::string course; // racecourse code, two digits
    int race = 0;
    std::string type; // TAN, FUKU, WAKU, UMAFUKU, WIDE, UMATAN, SANFUKU, SANTAN
    long long stake = 0;
    std::string bet; // "07", "3-7", "03-07", "01-05-12"
};

struct OrderCheck {
    std::vector<Order> orders;
    // The first line that breaks the format (UTF-8, naming the line), empty when every line is right.
    std::string error;
    // Stake totals per bet type, in the order the types first appear, and of the whole file.
    std::vector<std::pair<std::string, long long>> totals;
    long long grandTotal = 0;
};

// Checks the lines (CP932 bytes of the file) one by one; stops at the first bad line.
OrderCheck checkOrderFile(std::string_view bytes);

// The Japanese name of a bet type code ("UMAFUKU" -> "馬連"), UTF-8; empty for an unknown code.
std::string betTypeName(std::string_view code);

} // namespace renoka::plugin
