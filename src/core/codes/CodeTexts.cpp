// Short code tables of the race and runner records: weather, going, runner details, marks, classes, weekdays
// and tracks. "\u3000" is the full-width space; where a text carries one, the column it fills needs it.
#include "codes/CodeTable.h"
#include "codes/KeibaFunc.h"
#include "text/Fields.h"

#include <array>

namespace renoka {

using codes::TextCodes;
using codes::ValueCodes;

std::string WeatherText(std::string_view code) {
    static const TextCodes texts({{"1", "晴"}, {"2", "曇"}, {"3", "雨"}, {"4", "小雨"}, {"5", "雪"}, {"6", "小雪"}},
                                 "");
    return texts[code];
}

std::string GoingText(std::string_view code, int surface) {
    static const TextCodes going({{"1", "良"}, {"2", "稍重"}, {"3", "重"}, {"4", "不良"}}, "");
    static const auto prefixes = codes::sjAll({"", "芝:", "ダ:"});
    if (surface < 0 || surface > 2) return {};
    const std::string& text = going[code];
    if (text.empty()) return {};
    return prefixes[static_cast<size_t>(surface)] + text;
}

std::string SexText(std::string_view code) {
    static const TextCodes texts({{"1", "牡"}, {"2", "牝"}, {"3", "ｾﾝ"}}, "");
    return texts[code];
}

std::string StyleMark(std::string_view code) {
    static const TextCodes texts({{"1", "逃"}, {"2", "先"}, {"3", "差"}, {"4", "追"}}, "  ");
    return texts[code];
}

std::string WeightRuleText(std::string_view code) {
    static const TextCodes texts({{"1", "ﾊﾝﾃﾞ"}, {"2", "別定"}, {"3", "馬齢"}, {"4", "定量"}}, "");
    return texts[code];
}

std::string AbnormalText(std::string_view code) {
    // "競争除外" and "競争中止" are spelt as our result column has always shown them; keep them so.
    static const TextCodes texts({{"1", "出走取消"},
                                  {"2", "発走除外"},
                                  {"3", "競争除外"},
                                  {"4", "競争中止"},
                                  {"5", "失格    "},
                                  {"6", "落馬再騎"},
                                  {"7", "降着\u3000\u3000"}},
                                 "        ");
    return texts[code];
}

std::string ApprenticeText(std::string_view code) {
    static const TextCodes texts({{"1", "1kg減"}, {"2", "2kg減"}, {"3", "3kg減"}, {"4", "4kg減"}, {"9", "2kg減"}},
                                 "\u3000");
    return texts[code];
}

std::string BlinkerText(std::string_view code) {
    static const TextCodes texts({{"1", "ﾌﾞﾘﾝ"}}, " ");
    return texts[code];
}

std::string BlinkerMark(std::string_view code) {
    return code == "1" ? "B" : " ";
}

std::string YesMark(std::string_view code) {
    static const TextCodes texts({{"1", "○"}}, "－");
    return texts[code];
}

std::string CourseRecordKind(std::string_view code) {
    static const TextCodes texts({{"1", "(ｺｰｽﾚｺｰﾄﾞ)"}, {"2", "(GIﾚｺｰﾄﾞ)"}}, "");
    return texts[code];
}

std::string RecordTimeKind(std::string_view code) {
    static const TextCodes texts({{"1", "(基準ﾀｲﾑ)"}, {"2", "(ﾚｺｰﾄﾞﾀｲﾑ)"}, {"3", "(参考ﾀｲﾑ)"}, {"4", "(備考ﾀｲﾑ)"}}, "");
    return texts[code];
}

std::string HorseMarkText(std::string_view s) {
    static const ValueCodes texts({{1, "(抽)"},          {2, "[抽]"},      {3, "(父)"},          {4, "(市)"},
                                   {5, "(地)"},          {6, "(外)"},      {7, "(父)(抽)"},      {8, "(父)(市)"},
                                   {9, "(父)(地)"},      {10, "(市)(地)"}, {11, "(外)(地)"},     {12, "(父)(市)(地)"},
                                   {15, "(招)"},         {16, "(招)(外)"}, {17, "(招)(父)"},     {18, "(招)(市)"},
                                   {19, "(招)(父)(市)"}, {20, "(父)(外)"}, {21, "[地]"},         {22, "(外)[地]"},
                                   {23, "(父)[地]"},     {24, "(市)[地]"}, {25, "(父)(市)[地]"}, {26, "[外]"},
                                   {27, "(父)[外]"},     {31, "(特)"},     {40, "(父)(外)(地)"}, {41, "(父)(外)[地]"}},
                                  "\u3000");
    return texts[toInt(s)];
}

std::string ConditionTextShort(std::string_view s) {
    static const ValueCodes texts({{5, "1勝ｸﾗｽ"},
                                   {10, "2勝ｸﾗｽ"},
                                   {16, "3勝ｸﾗｽ"},
                                   {100, "1億下"},
                                   {701, "新馬"},
                                   {702, "未出走"},
                                   {703, "未勝利"},
                                   {999, "オープン"}},
                                  "");
    return texts[toInt(s)];
}

std::string TrackTextMini(std::string_view s) {
    static const ValueCodes texts(
        {{10, "芝直"}, {11, 16, "芝左"}, {17, 22, "芝右"}, {23, "ダ左"}, {24, "ダ右"}, {29, "ダ直"}, {51, 59, "障害"}},
        "");
    return texts[toInt(s)];
}

std::string RaceClassText(std::string_view ageCode, std::string_view conditionCode) {
    static const ValueCodes ages(
        {{11, "2歳"}, {12, "3歳"}, {13, "3歳上"}, {14, "4歳上"}, {18, "障3歳上"}, {19, "障4歳上"}}, "");
    // 100 is the old "under 100 million" class, shown as the bare amount in units of ten thousand yen.
    static const ValueCodes classes({{5, "1勝ｸﾗｽ"},
                                     {10, "2勝ｸﾗｽ"},
                                     {16, "3勝ｸﾗｽ"},
                                     {100, "10000"},
                                     {701, "新馬"},
                                     {702, "未出走"},
                                     {703, "未勝利"},
                                     {999, "ｵｰﾌﾟﾝ"}},
                                    "");
    return ages[toInt(ageCode)] + classes[toInt(conditionCode)];
}

std::string WeekdayText(std::string_view code, int form) {
    // Forms 1..3 follow the race-day weekday code (0 none, 1 Saturday, 2 Sunday, 3 holiday, 4..8 Monday..
    // Friday); form 4 is a calendar weekday number.
    static const std::array<std::array<std::string, 9>, 4> forms = {
        codes::sjAll({"\u3000", "土", "日", "祝", "月", "火", "水", "木", "金"}),
        codes::sjAll({"\u3000\u3000", "土曜", "日曜", "祝日", "月曜", "火曜", "水曜", "木曜", "金曜"}),
        codes::sjAll(
            {"\u3000\u3000\u3000", "土曜日", "日曜日", "祝日\u3000", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日"}),
        codes::sjAll({"", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日", ""}),
    };
    const int value = toInt(code);
    if (form < 1 || form > 4 || value < 0 || value > 8) return {};
    return forms[static_cast<size_t>(form - 1)][static_cast<size_t>(value)];
}

std::string TrackText(std::string_view s) {
    static const ValueCodes texts({{10, "芝 直線"},
                                   {11, "芝 左回り"},
                                   {12, "芝 左回り 外回り"},
                                   {13, "芝 左回り 内→外回り"},
                                   {14, "芝 左回り 外→内回り"},
                                   {15, "芝 左回り 内２周"},
                                   {16, "芝 左回り 外２周"},
                                   {17, "芝 右回り"},
                                   {18, "芝 右回り 外回り"},
                                   {19, "芝 右回り 内→外回り"},
                                   {20, "芝 右回り 外→内回り"},
                                   {21, "芝 右回り 内２周"},
                                   {22, "芝 右回り 外２周"},
                                   {23, "ﾀﾞｰﾄ 左回り"},
                                   {24, "ﾀﾞｰﾄ 右回り"},
                                   {25, "ﾀﾞｰﾄ 左回り 内回り"},
                                   {26, "ﾀﾞｰﾄ 右回り 外回り"},
                                   {27, "ｻﾝﾄﾞ 左回り"},
                                   {28, "ｻﾝﾄﾞ 右回り"},
                                   {29, "ﾀﾞｰﾄ 直線"},
                                   {51, "障害 芝\u3000襷"},
                                   {52, "障害 芝→ﾀﾞｰﾄ"},
                                   {53, "障害 芝\u3000左"},
                                   {54, "障害 芝"},
                                   {55, "障害 芝 外回り"},
                                   {56, "障害 芝 外→内回り"},
                                   {57, "障害 芝 内→外回り"},
                                   {58, "障害 内２周"},
                                   {59, "障害 外２周"}},
                                  "");
    return texts[toInt(s)];
}

std::string TrackTextShort(std::string_view s) {
    static const ValueCodes texts({{10, "芝直線"},
                                   {11, "芝左\u3000"},
                                   {12, "芝左外"},
                                   {13, 14, "芝左\u3000"},
                                   {15, "芝左内"},
                                   {16, "芝左外"},
                                   {17, "芝右\u3000"},
                                   {18, "芝右外"},
                                   {19, 20, "芝右\u3000"},
                                   {21, "芝右内"},
                                   {22, "芝右外"},
                                   {23, "ダ左\u3000"},
                                   {24, "ダ右\u3000"},
                                   {25, "ダ左内"},
                                   {26, "ダ右外"},
                                   {27, "ｻﾝﾄﾞ左"},
                                   {28, "ｻﾝﾄﾞ右"},
                                   {29, "ダ直線"},
                                   {51, 59, "障害\u3000"}},
                                  "");
    return texts[toInt(s)];
}

} // namespace renoka
