#include "OrderFile.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <array>

namespace renoka::plugin {

namespace {

struct BetType {
    const char* code;
    const char* name; // UTF-8
    int numbers;      // how many numbers the bet names
    int digits;       // digits of each number
    int highest;      // highest number (bracket or horse)
    bool ordered;     // the numbers are in finishing order (else ascending)
};

constexpr std::array<BetType, 8> kTypes = {{
    {"TAN", "単勝", 1, 2, 18, true},
    {"FUKU", "複勝", 1, 2, 18, true},
    {"WAKU", "枠連", 2, 1, 8, false},
    {"UMAFUKU", "馬連", 2, 2, 18, false},
    {"WIDE", "ワイド", 2, 2, 18, false},
    {"UMATAN", "馬単", 2, 2, 18, true},
    {"SANFUKU", "３連複", 3, 2, 18, false},
    {"SANTAN", "３連単", 3, 2, 18, true},
}};

const BetType* typeOf(std::string_view code) {
    for (const BetType& t : kTypes)
        if (code == t.code) return &t;
    return nullptr;
}

bool digitsOnly(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string_view> splitAt(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

// Why the bet field does not fit its type, or nothing.
std::optional<std::string> betProblem(const BetType& type, std::string_view bet) {
    const std::vector<std::string_view> numbers = splitAt(bet, '-');
    if (static_cast<int>(numbers.size()) != type.numbers)
        return "買い目「" + std::string(bet) + "」の数が" + std::to_string(type.numbers) + "つではありません";
    std::vector<int> values;
    for (std::string_view n : numbers) {
        if (static_cast<int>(n.size()) != type.digits || !digitsOnly(n))
            return "買い目「" + std::string(bet) + "」の番号は" + std::to_string(type.digits) + "桁の数字です";
        const int v = std::stoi(std::string(n));
        if (v < 1 || v > type.highest)
            return "買い目「" + std::string(bet) + "」の番号は1から" + std::to_string(type.highest) + "までです";
        values.push_back(v);
    }
    for (size_t i = 1; i < values.size(); ++i) {
        // A bracket pair may repeat its bracket (7-7); horses never repeat.
        const bool repeatAllowed = type.digits == 1;
        if (values[i] == values[i - 1] && !repeatAllowed)
            return "買い目「" + std::string(bet) + "」に同じ馬番があります";
        if (!type.ordered && values[i] < values[i - 1])
            return "買い目「" + std::string(bet) + "」の番号が小さい順ではありません";
    }
    if (type.ordered && values.size() == 3 && values[0] == values[2])
        return "買い目「" + std::string(bet) + "」に同じ馬番があります";
    return std::nullopt;
}

// Why a line is not an order line, or nothing; fills `order` when it is one.
std::optional<std::string> lineProblem(std::string_view line, Order& order) {
    if (line.empty() || line.back() != ',') return std::string("行の終わりに「,」がありません");
    const std::vector<std::string_view> f = splitAt(line.substr(0, line.size() - 1), ',');
    if (f.size() != 7) return "項目の数が7ではありません（" + std::to_string(f.size()) + "）";
    const QDate date = QDate::fromString(QString::fromLatin1(f[0].data(), static_cast<qsizetype>(f[0].size())),
                                         QStringLiteral("yyyyMMdd"));
    if (f[0].size() != 8 || !digitsOnly(f[0]) || !date.isValid())
        return "日付「" + std::string(f[0]) + "」が正しくありません";
    if (f[1].size() != 2 || !digitsOnly(f[1]) || std::stoi(std::string(f[1])) < 1 || std::stoi(std::string(f[1])) > 10)
        return "競馬場コード「" + std::string(f[1]) + "」が正しくありません";
    if (f[2].size() != 2 || !digitsOnly(f[2]) || std::stoi(std::string(f[2])) < 1 || std::stoi(std::string(f[2])) > 12)
        return "レース番号「" + std::string(f[2]) + "」が正しくありません";
    const BetType* type = typeOf(f[3]);
    if (!type) return "賭式コード「" + std::string(f[3]) + "」が正しくありません";
    if (f[4] != "NORMAL") return "投票方式「" + std::string(f[4]) + "」が正しくありません";
    if (!digitsOnly(f[5]) || f[5].size() > 9) return "金額「" + std::string(f[5]) + "」が正しくありません";
    const long long stake = std::stoll(std::string(f[5]));
    if (stake < 100 || stake % 100 != 0) return "金額「" + std::string(f[5]) + "」は100円単位ではありません";
    if (auto problem = betProblem(*type, f[6])) return problem;
    order =
        Order{std::string(f[0]), std::string(f[1]), std::stoi(std::string(f[2])), type->code, stake, std::string(f[6])};
    return std::nullopt;
}

} // namespace

std::string betTypeName(std::string_view code) {
    const BetType* type = typeOf(code);
    return type ? type->name : "";
}

OrderCheck checkOrderFile(std::string_view bytes) {
    OrderCheck check;
    std::map<std::string, size_t> place;
    int number = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        ++number;
        Order order;
        if (auto problem = lineProblem(line, order)) {
            check.error = std::to_string(number) + "行目: " + *problem;
            return check;
        }
        auto [it, added] = place.try_emplace(order.type, check.totals.size());
        if (added) check.totals.emplace_back(order.type, 0);
        check.totals[it->second].second += order.stake;
        check.grandTotal += order.stake;
        check.orders.push_back(std::move(order));
    }
    if (check.orders.empty()) check.error = "投票する買い目がありません";
    return check;
}

} // namespace renoka::plugin
