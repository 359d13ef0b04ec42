// Grade, race kind and race symbol: the race header texts whose widths the card and the printouts align on.
#include "codes/CodeTable.h"
#include "codes/KeibaFunc.h"
#include "text/Fields.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace renoka {

namespace {

constexpr std::string_view Grades = "ABCDEFGHL";

// Column of a grade form in the table below; -1 for a form we do not have.
constexpr int gradeColumn(int form) {
    switch (form) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 8:
        return 2;
    case 9:
        return 3;
    default:
        return -1;
    }
}

} // namespace

std::string GradeText(std::string_view code, int form) {
    // One row per letter of `Grades`, then the row for anything else; each form keeps one width in every row.
    static const std::array<std::array<std::string, 4>, 10> rows = {
        codes::sjAll({"G1   ", "G1", "G1 ", "G1(平地競走)\u3000\u3000\u3000"}),
        codes::sjAll({"G2   ", "G2", "G2 ", "G2(平地競走)\u3000\u3000\u3000"}),
        codes::sjAll({"G3   ", "G3", "G3 ", "G3(平地競走)\u3000\u3000\u3000"}),
        codes::sjAll({"重賞 ", "", "重 ", "ｸﾞﾚｰﾄﾞのない重賞\u3000"}),
        codes::sjAll({"特別 ", "", "特 ", "重賞以外の特別競走"}),
        codes::sjAll({"JG1  ", "JG1", "JG1", "JG1(障害競走)\u3000\u3000 "}),
        codes::sjAll({"JG2  ", "JG2", "JG2", "JG2(障害競走)\u3000\u3000 "}),
        codes::sjAll({"JG3  ", "JG3", "JG3", "JG3(障害競走)\u3000\u3000 "}),
        codes::sjAll({"List ", "LST", "LST", "リステッド\u3000\u3000\u3000\u3000"}),
        codes::sjAll({"\u3000\u3000 ", "", "\u3000 ", "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"}),
    };
    const int column = gradeColumn(form);
    if (column < 0) return {};
    const size_t row = code.size() == 1 ? std::min(Grades.find(code[0]), Grades.size()) : Grades.size();
    return rows[row][static_cast<size_t>(column)];
}

std::string RaceKindText(std::string_view code, int width) {
    struct Kind {
        int code;
        std::array<std::string, 5> texts; // widths 2, 4, 6, 8, 9
    };
    static const std::array<Kind, 10> kinds = {{
        {11, codes::sjAll({"２歳", "サラ２歳", "サラ系２歳", "サラ系２歳", "サラブレッド系2歳"})},
        {12, codes::sjAll({"３歳", "サラ３歳", "サラ系３歳", "サラ系３歳", "サラブレッド系3歳"})},
        {13, codes::sjAll({"３上", "サラ３上", "サラ系３歳上", "サラ系３歳以上", "サラブレッド系3歳以上"})},
        {14, codes::sjAll({"４上", "サラ４上", "サラ系４歳上", "サラ系４歳以上", "サラブレッド系4歳以上"})},
        {18, codes::sjAll({"３上", "障害３上", "障害３歳上", "サラ障害３歳以上", "サラブレッド系障害3歳以上"})},
        {19, codes::sjAll({"４上", "障害４上", "障害４歳上", "サラ障害４歳以上", "サラブレッド系障害4歳以上"})},
        {21, codes::sjAll({"２歳", "アラ２歳", "アラ系２歳", "アラブ系２歳", "アラブ系2歳"})},
        {22, codes::sjAll({"３歳", "アラ３歳", "アラ系３歳", "アラブ系３歳", "アラブ系3歳"})},
        {23, codes::sjAll({"３上", "アラ３上", "アラ系３歳上", "アラブ系３歳以上", "アラブ系3歳以上"})},
        {24, codes::sjAll({"４上", "アラ４上", "アラ系４歳上", "アラブ系４歳以上", "アラブ系4歳以上"})},
    }};
    // Widths 2 and 4 are shown unpadded; the wider forms fill their column with full-width spaces (the 25-byte
    // form ends in a blank when its text leaves one byte over). An unknown kind is blank in its column's
    // width, four full-width spaces for the unpadded widths.
    constexpr std::array<int, 5> widths = {2, 4, 6, 8, 9};
    constexpr std::array<size_t, 5> padBytes = {0, 0, 12, 16, 25};
    const auto slot = std::ranges::find(widths, width);
    if (slot == widths.end()) return {};
    const auto column = static_cast<size_t>(slot - widths.begin());
    const int value = toInt(code);
    const auto kind = std::ranges::find(kinds, value, &Kind::code);
    if (kind == kinds.end()) return codes::padFullWidth({}, padBytes[column] == 0 ? 8 : padBytes[column]);
    return codes::padFullWidth(kind->texts[column], padBytes[column]);
}

namespace {

// Race symbol codes that the records use. Sorted, so a lookup is a binary search.
constexpr std::array<std::string_view, 84> RaceSymbolCodes = {
    "001", "002", "003", "004", "020", "021", "023", "024", "030", "031", "033", "034", "040", "041",
    "043", "044", "A00", "A01", "A02", "A03", "A04", "A10", "A11", "A13", "A14", "A20", "A21", "A23",
    "A24", "A30", "A31", "A33", "A34", "A40", "A41", "B00", "B01", "B03", "B04", "C00", "C01", "C03",
    "C04", "D00", "D01", "D03", "E00", "E01", "E03", "F00", "F01", "F03", "F04", "G00", "G01", "G03",
    "H00", "H01", "I00", "I01", "I03", "J00", "J01", "K00", "K01", "K03", "L00", "L01", "L03", "M00",
    "M01", "M03", "M04", "N00", "N01", "N03", "N04", "N20", "N21", "N30", "N31", "N40", "N41", "N44"};
static_assert(std::ranges::is_sorted(RaceSymbolCodes));

constexpr size_t RaceSymbolBytes = 24;

// The symbol's text from its three characters: who may run (first), which sexes (second), which jockeys or
// which invitation (third).
std::string composeRaceSymbol(std::string_view code) {
    static const auto firsts = codes::sjAll({"", "(混合)", "(父)", "(市)", "(抽)", "[抽]", "(市)(抽)", "(抽)関西配布馬",
                                             "(抽)関東配布馬", "[抽]関西配布馬", "[抽]関東配布馬", "(市)(抽)関西配布馬",
                                             "(市)(抽)関東配布馬", "九州産馬", "(国際)"});
    static const auto seconds = codes::sjAll({"", "牡", "牝", "牡・ｾﾝ", "牡・牝"});
    static const auto thirds = codes::sjAll({"", "(指定)", "若手騎手", "[指定]", "(特指)"});
    static const std::string dot = sj("・");
    constexpr std::string_view firstLetters = "0ABCDEFGHIJKLMN";
    const size_t first = firstLetters.find(code[0]);
    const auto second = static_cast<size_t>(code[1] - '0');
    const auto third = static_cast<size_t>(code[2] - '0');
    std::string text = firsts[first] + seconds[second];
    // "(混合)若手騎手" would read as one word; the dot keeps the two conditions apart.
    if (third == 2 && first != 0) text += dot;
    text += thirds[third];
    return codes::padFullWidth(std::move(text), RaceSymbolBytes);
}

} // namespace

std::string RaceSymbolText(std::string_view code) {
    // Composed once for all known codes; the known list is what keeps a malformed code out of composeRaceSymbol.
    static const std::array<std::string, RaceSymbolCodes.size()> texts = [] {
        std::array<std::string, RaceSymbolCodes.size()> out;
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = composeRaceSymbol(RaceSymbolCodes[i]);
        return out;
    }();
    static const std::string none = codes::padFullWidth({}, RaceSymbolBytes);
    const auto it = std::ranges::lower_bound(RaceSymbolCodes, code);
    if (it == RaceSymbolCodes.end() || *it != code) return none;
    return texts[static_cast<size_t>(it - RaceSymbolCodes.begin())];
}

} // namespace renoka
