#include "codes/KeibaFunc.h"
#include "base/Cp932.h"
#include "text/Format.h"

#include <QString>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace renoka;

namespace {

// One call and the text it must give, written as UTF-8 so that a failure reads as Japanese.
struct TextCase {
    const char* call;
    std::string (*render)();
    const char* expected;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.call;
}

#define CASE(expected, ...)                                                                                            \
    TextCase {                                                                                                         \
#__VA_ARGS__, [] { return std::string(__VA_ARGS__); }, expected                                                \
    }

class KeibaFuncText : public testing::TestWithParam<TextCase> {};

TEST_P(KeibaFuncText, GivesTheDisplayText) {
    const std::string text = GetParam().render();
    EXPECT_EQ(toUtf8(text), GetParam().expected) << GetParam().call;
    EXPECT_TRUE(isValidCp932(text)) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, KeibaFuncText,
    testing::Values(CASE("  ", NumText("00")), CASE(" 7", NumText("07")), CASE(" 480", NumText("0480")),
                    CASE("   ", NumText("abc")), CASE("    ", TenthsText("0000")), CASE("123.4", TenthsText("1234")),
                    CASE("12.3", TenthsText("0123")), CASE("0.5", TenthsText("0005")),
                    CASE("12.3", TenthsTextWide("123")), CASE(" 0.5", TenthsTextWide("005")),
                    CASE("   ", TenthsTextWide("000")), CASE("１", FullWidthDigit("01")),
                    CASE("９", FullWidthDigit("9")), CASE("５", FullWidthDigit(" 5 ")),
                    CASE("10", FullWidthDigit("10")), CASE("18", FullWidthDigit("18")),
                    CASE("　", FullWidthDigit("19")), CASE("　", FullWidthDigit("00")), CASE("①", CircledNumber("01")),
                    CASE("⑱", CircledNumber("18")), CASE("－", CircledNumber("00")), CASE("－", CircledNumber("19")),
                    CASE("9", MonthLetter("09")), CASE("a", MonthLetter("10")), CASE("c", MonthLetter("12"))));

INSTANTIATE_TEST_SUITE_P(Times, KeibaFuncText,
                         testing::Values(CASE("134.5", TimeText("1345")), CASE("- 0.5", TimeText("-005")),
                                         CASE("+12.3", TimeText("+123")), CASE("     ", TimeText("0000")),
                                         CASE("     ", TimeText("9999")), CASE("     ", TimeText(" 999")),
                                         CASE("     ", TimeText("-999")), CASE("     ", TimeText("1   ")),
                                         CASE("     ", TimeText("")), CASE("1.34.5", TimeTextDots("1345")),
                                         CASE("  34.5", TimeTextDots("0345")), CASE("  34.5", TimeTextDots(" 345")),
                                         CASE("      ", TimeTextDots("0000")), CASE("0920", ShiftTime("0930", -10)),
                                         CASE("0950", ShiftTime("1000", -10)), CASE("00-05", ShiftTime("0005", -10)),
                                         CASE("-01-10", ShiftTime("0000", -70)), CASE("2410", ShiftTime("2350", 20)),
                                         CASE("", ShiftTime("    ", 5)), CASE("", ShiftTime("", 5))));

INSTANTIATE_TEST_SUITE_P(
    Edits, KeibaFuncText,
    testing::Values(CASE("RA00000000020240106", OverwriteAt("RA72024010120240106", "000000000", 3)),
                    CASE("ABXY", OverwriteAt("ABC", "XY", 3)), CASE("ABCXY", OverwriteAt("ABC", "XY", 9)),
                    CASE("XYABC", OverwriteAt("ABC", "XY", 0)),
                    CASE("ディープインパクト", StripFullWidthSpaces(sj("　ディープ　インパクト　"))),
                    CASE("ｱｲ", StripFullWidthSpaces(sj("ｱ　ｲ"))),
                    // "メ" ends in 0x81; with the "@" after it the bytes look like a full-width space.
                    CASE("メ@", StripFullWidthSpaces(sj("メ@")))));

INSTANTIATE_TEST_SUITE_P(
    Codes, KeibaFuncText,
    testing::Values(CASE("小雨", WeatherText("4")), CASE("", WeatherText("7")), CASE("稍重", GoingText("2", 0)),
                    CASE("芝:不良", GoingText("4", 1)), CASE("ダ:良", GoingText("1", 2)), CASE("", GoingText("0", 1)),
                    CASE("", GoingText("1", 3)), CASE("ｾﾝ", SexText("3")), CASE("追", StyleMark("4")),
                    CASE("  ", StyleMark("0")), CASE("ﾊﾝﾃﾞ", WeightRuleText("1")), CASE("競争除外", AbnormalText("3")),
                    CASE("失格    ", AbnormalText("5")), CASE("降着　　", AbnormalText("7")),
                    CASE("        ", AbnormalText("0")), CASE("2kg減", ApprenticeText("9")),
                    CASE("　", ApprenticeText("0")), CASE("ﾌﾞﾘﾝ", BlinkerText("1")), CASE(" ", BlinkerText("0")),
                    CASE("B", BlinkerMark("1")), CASE("○", YesMark("1")), CASE("－", YesMark("0")),
                    CASE("(GIﾚｺｰﾄﾞ)", CourseRecordKind("2")), CASE("(備考ﾀｲﾑ)", RecordTimeKind("4")),
                    CASE("(父)(抽)", HorseMarkText("07")), CASE("(父)(外)[地]", HorseMarkText("41")),
                    CASE("　", HorseMarkText("13")), CASE("1勝ｸﾗｽ", ConditionTextShort("005")),
                    CASE("オープン", ConditionTextShort("999")), CASE("", ConditionTextShort("000")),
                    CASE("芝左", TrackTextMini("16")), CASE("", TrackTextMini("25")), CASE("障害", TrackTextMini("59")),
                    CASE("3歳上1勝ｸﾗｽ", RaceClassText("13", "005")), CASE("障3歳上ｵｰﾌﾟﾝ", RaceClassText("18", "999")),
                    CASE("2歳10000", RaceClassText("11", "100")), CASE("未勝利", RaceClassText("00", "703")),
                    CASE("祝日　", WeekdayText("3", 3)), CASE("　", WeekdayText("0", 1)),
                    CASE("金曜", WeekdayText("8", 2)), CASE("日曜日", WeekdayText("7", 4)),
                    CASE("", WeekdayText("8", 4)), CASE("", WeekdayText("9", 1)), CASE("", WeekdayText("1", 5)),
                    CASE("芝 左回り 内→外回り", TrackText("13")), CASE("障害 芝　襷", TrackText("51")),
                    CASE("", TrackText("30")), CASE("芝左　", TrackTextShort("14")),
                    CASE("ｻﾝﾄﾞ左", TrackTextShort("27")), CASE("障害　", TrackTextShort("55"))));

INSTANTIATE_TEST_SUITE_P(
    RaceHeader, KeibaFuncText,
    testing::Values(CASE("G1   ", GradeText("A", 1)), CASE("", GradeText("D", 2)), CASE("LST", GradeText("L", 8)),
                    CASE("リステッド　　　　", GradeText("L", 9)), CASE("JG1(障害競走)　　 ", GradeText("F", 9)),
                    CASE("　 ", GradeText("Z", 8)), CASE("", GradeText("A", 3)),
                    CASE("サラブレッド系3歳以上　　", RaceKindText("13", 9)),
                    CASE("サラブレッド系障害4歳以上", RaceKindText("19", 9)),
                    CASE("サラ系２歳　", RaceKindText("11", 6)), CASE("アラブ系２歳　　", RaceKindText("21", 8)),
                    CASE("障害３上", RaceKindText("18", 4)), CASE("　　　　", RaceKindText("99", 2)),
                    CASE("　　　　　　　　　　　　 ", RaceKindText("99", 9)), CASE("", RaceKindText("11", 5))));

INSTANTIATE_TEST_SUITE_P(
    Racecourses, KeibaFuncText,
    testing::Values(CASE("中山", JyoName("06", 2)), CASE("    ", JyoName("ZZ", 2)), CASE("    ", JyoName("6", 2)),
                    CASE("東京  ", JyoName("05", 0)), CASE("東京競馬場　　　　　", JyoName("05", 9)),
                    CASE("岩見沢", JyoName("32", 0)), CASE("岩見", JyoName("32", 2)), CASE("古", JyoName("48", 1)),
                    CASE("札幌競馬場(地方競馬)", JyoName("58", 9)), CASE("他外国", JyoName("A0", 0)),
                    CASE("その他の外国　　　　", JyoName("A0", 9)), CASE("ｱﾒﾘｶ  ", JyoName("A4", 0)),
                    CASE("米", JyoName("A4", 1)), CASE("アラブ首長国連邦　　", JyoName("C7", 9)),
                    CASE("墺  ", JyoName("M4", 2)), CASE("      ", JyoName("C4", 3)),
                    CASE("　　　　　　　　　　", JyoName("G8", 9)), CASE("", JyoName("06", 4))));

#undef CASE

// Grids and printouts align on these widths, whatever the code.
struct WidthCase {
    const char* name;
    std::function<std::string(const std::string&)> render;
    std::vector<std::string> codes;
    size_t bytes;
};
void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::string> codesOf(std::string_view firsts, std::string_view seconds = {}, std::string_view thirds = {}) {
    std::vector<std::string> out{"", " ", "?"};
    for (char a : firsts) {
        out.emplace_back(1, a);
        for (char b : seconds) {
            out.push_back({a, b});
            for (char c : thirds)
                out.push_back({a, b, c});
        }
    }
    return out;
}
const std::string Alnum = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string Digits = "0123456789";

class FixedWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(FixedWidth, EveryCodeFillsTheColumnExactly) {
    for (const std::string& code : GetParam().codes) {
        const std::string text = GetParam().render(code);
        EXPECT_EQ(text.size(), GetParam().bytes) << "code \"" << code << "\": \"" << toUtf8(text) << "\"";
        EXPECT_TRUE(isValidCp932(text) && text.find('?') == std::string::npos) << "code \"" << code << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, FixedWidth,
    testing::Values(
        WidthCase{"Abnormal", [](const std::string& c) { return AbnormalText(c); }, codesOf(Alnum), 8},
        WidthCase{"Style", [](const std::string& c) { return StyleMark(c); }, codesOf(Alnum), 2},
        WidthCase{"Grade1", [](const std::string& c) { return GradeText(c, 1); }, codesOf(Alnum), 5},
        WidthCase{"Grade8", [](const std::string& c) { return GradeText(c, 8); }, codesOf(Alnum), 3},
        WidthCase{"Grade9", [](const std::string& c) { return GradeText(c, 9); }, codesOf(Alnum), 18},
        WidthCase{"Weekday1", [](const std::string& c) { return WeekdayText(c, 1); }, codesOf("012345678"), 2},
        WidthCase{"Weekday3", [](const std::string& c) { return WeekdayText(c, 3); }, codesOf("012345678"), 6},
        WidthCase{"Kind4", [](const std::string& c) { return RaceKindText(c, 4); }, codesOf(Digits, Digits), 8},
        WidthCase{"Kind6", [](const std::string& c) { return RaceKindText(c, 6); }, codesOf(Digits, Digits), 12},
        WidthCase{"Kind8", [](const std::string& c) { return RaceKindText(c, 8); }, codesOf(Digits, Digits), 16},
        WidthCase{"Kind9", [](const std::string& c) { return RaceKindText(c, 9); }, codesOf(Digits, Digits), 25},
        WidthCase{"Symbol", [](const std::string& c) { return RaceSymbolText(c); },
                  codesOf("0ABCDEFGHIJKLMNOZ", "012345", "012345"), 24},
        WidthCase{"Jyo0", [](const std::string& c) { return JyoName(c, 0); }, codesOf(Alnum, Alnum), 6},
        WidthCase{"Jyo1", [](const std::string& c) { return JyoName(c, 1); }, codesOf(Alnum, Alnum), 2},
        WidthCase{"Jyo2", [](const std::string& c) { return JyoName(c, 2); }, codesOf(Alnum, Alnum), 4},
        WidthCase{"Jyo3", [](const std::string& c) { return JyoName(c, 3); }, codesOf(Alnum, Alnum), 6},
        WidthCase{"Jyo9", [](const std::string& c) { return JyoName(c, 9); }, codesOf(Alnum, Alnum), 20}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(TrackTextShortTest, EveryKnownTrackIsSixBytes) {
    int known = 0;
    for (int v = 0; v < 100; ++v) {
        const std::string text = TrackTextShort(fmt("%02d", v));
        if (text.empty()) continue;
        ++known;
        EXPECT_EQ(text.size(), 6u) << v << ": " << toUtf8(text);
    }
    EXPECT_EQ(known, 29); // 10..29 and 51..59
}

std::string trimFullWidth(std::string utf8) {
    const std::string space = "　";
    while (utf8.size() >= space.size() && utf8.ends_with(space))
        utf8.resize(utf8.size() - space.size());
    return utf8;
}

// The symbols as the race records carry them, copied from the published code table.
const std::set<std::string> KnownSymbols = {
    "001", "002", "003", "004", "020", "021", "023", "024", "030", "031", "033", "034", "040", "041",
    "043", "044", "A00", "A01", "A02", "A03", "A04", "A10", "A11", "A13", "A14", "A20", "A21", "A23",
    "A24", "A30", "A31", "A33", "A34", "A40", "A41", "B00", "B01", "B03", "B04", "C00", "C01", "C03",
    "C04", "D00", "D01", "D03", "E00", "E01", "E03", "F00", "F01", "F03", "F04", "G00", "G01", "G03",
    "H00", "H01", "I00", "I01", "I03", "J00", "J01", "K00", "K01", "K03", "L00", "L01", "L03", "M00",
    "M01", "M03", "M04", "N00", "N01", "N03", "N04", "N20", "N21", "N30", "N31", "N40", "N41", "N44"};

TEST(RaceSymbolTextTest, ExactlyTheKnownSymbolsHaveNamesAndNoTwoShareOne) {
    std::map<std::string, std::string> codeOfName;
    for (const std::string& code : codesOf("0ABCDEFGHIJKLMN", "01234", "01234")) {
        const std::string name = trimFullWidth(toUtf8(RaceSymbolText(code)));
        EXPECT_EQ(!name.empty(), KnownSymbols.contains(code)) << code << ": " << name;
        if (name.empty()) continue;
        const auto [it, fresh] = codeOfName.emplace(name, code);
        EXPECT_TRUE(fresh) << code << " and " << it->second << " both read " << name;
    }
    EXPECT_EQ(codeOfName.size(), KnownSymbols.size());
}

struct SymbolCase {
    const char* code;
    const char* name;
};
class RaceSymbolName : public testing::TestWithParam<SymbolCase> {};

TEST_P(RaceSymbolName, JoinsTheThreeParts) {
    EXPECT_EQ(trimFullWidth(toUtf8(RaceSymbolText(GetParam().code))), GetParam().name) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Symbols, RaceSymbolName,
                         testing::Values(SymbolCase{"001", "(指定)"}, SymbolCase{"002", "若手騎手"},
                                         SymbolCase{"020", "牝"}, SymbolCase{"A10", "(混合)牡"},
                                         SymbolCase{"A02", "(混合)・若手騎手"}, SymbolCase{"N44", "(国際)牡・牝(特指)"},
                                         SymbolCase{"C04", "(市)(特指)"}, SymbolCase{"K03", "(市)(抽)関西配布馬[指定]"},
                                         SymbolCase{"A30", "(混合)牡・ｾﾝ"}, SymbolCase{"000", ""},
                                         SymbolCase{"A12", ""}, SymbolCase{"a10", ""}, SymbolCase{"A1", ""}));

std::string trimBlanks(const std::string& utf8) {
    const auto end = utf8.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : utf8.substr(0, end + 1);
}

// Short names of countries: the three-character name, unless it only cuts off a katakana name that fits the
// column in half-width katakana. NFKC turns the half-width form back into the full name.
TEST(JyoNameTest, ShortCountryNamesAreTheThreeCharacterNameOrTheWholeNameInHalfWidth) {
    int halfWidth = 0;
    for (const std::string& code : codesOf("ABCDEFGHIJKLMN", Digits)) {
        const std::string full = trimFullWidth(toUtf8(JyoName(code, 9)));
        const std::string three = trimBlanks(toUtf8(JyoName(code, 3)));
        const std::string shortName = trimBlanks(toUtf8(JyoName(code, 0)));
        if (shortName == three) continue;
        ++halfWidth;
        EXPECT_EQ(QString::fromStdString(shortName).normalized(QString::NormalizationForm_KC).toStdString(), full)
            << code;
        EXPECT_TRUE(full.starts_with(three) && full != three) << code << ": " << three << " is no cut of " << full;
    }
    EXPECT_GT(halfWidth, 0);
}

} // namespace
