// The stand-in voting plug-in reads the order file line by line: every field, code and number is checked, the
// first bad line is named, and the stakes are totalled per bet type.
#include "OrderFile.h"

#include <gtest/gtest.h>

using namespace renoka::plugin;

namespace {

TEST(OrderFileTest, RightLinesAreTotalledPerBetTypeAndAltogether) {
    const OrderCheck check = checkOrderFile("20261206,05,11,UMAFUKU,NORMAL,500,03-07,\r\n"
                                            "20261206,05,11,WAKU,NORMAL,300,3-7,\r\n"
                                            "20261206,05,11,UMAFUKU,NORMAL,1200,01-18,\r\n"
                                            "20261206,05,11,SANTAN,NORMAL,100,18-01-05,\r\n"
                                            "20261206,05,11,WAKU,NORMAL,100,7-7,\r\n");
    ASSERT_TRUE(check.error.empty()) << check.error;
    ASSERT_EQ(check.orders.size(), 5u);
    EXPECT_EQ(check.orders[0].bet, "03-07");
    EXPECT_EQ(check.orders[0].race, 11);
    const std::vector<std::pair<std::string, long long>> totals = {{"UMAFUKU", 1700}, {"WAKU", 400}, {"SANTAN", 100}};
    EXPECT_EQ(check.totals, totals);
    EXPECT_EQ(check.grandTotal, 2200);
    EXPECT_EQ(betTypeName("UMAFUKU"), "馬連");
}

struct BadLine {
    const char* name;
    const char* line;
    const char* error;
};

class OrderFileBadLineTest : public testing::TestWithParam<BadLine> {};

TEST_P(OrderFileBadLineTest, TheFirstBadLineIsNamedWithItsFault) {
    const std::string bytes = std::string("20261206,05,11,TAN,NORMAL,100,07,\r\n") + GetParam().line + "\r\n" +
                              "20261206,05,11,TAN,NORMAL,100,99,\r\n";
    const OrderCheck check = checkOrderFile(bytes);
    EXPECT_EQ(check.error, std::string("2行目: ") + GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, OrderFileBadLineTest,
    testing::Values(
        BadLine{"noClosingComma", "20261206,05,11,TAN,NORMAL,100,07", "行の終わりに「,」がありません"},
        BadLine{"sixFields", "20261206,05,11,TAN,100,07,", "項目の数が7ではありません（6）"},
        BadLine{"noSuchDay", "20260230,05,11,TAN,NORMAL,100,07,", "日付「20260230」が正しくありません"},
        BadLine{"course", "20261206,11,11,TAN,NORMAL,100,07,", "競馬場コード「11」が正しくありません"},
        BadLine{"race", "20261206,05,13,TAN,NORMAL,100,07,", "レース番号「13」が正しくありません"},
        BadLine{"code", "20261206,05,11,TRIO,NORMAL,100,07,", "賭式コード「TRIO」が正しくありません"},
        BadLine{"method", "20261206,05,11,TAN,BOX,100,07,", "投票方式「BOX」が正しくありません"},
        BadLine{"stakeText", "20261206,05,11,TAN,NORMAL,1OO,07,", "金額「1OO」が正しくありません"},
        BadLine{"stakeUnit", "20261206,05,11,TAN,NORMAL,150,07,", "金額「150」は100円単位ではありません"},
        BadLine{"stakeZero", "20261206,05,11,TAN,NORMAL,0,07,", "金額「0」は100円単位ではありません"},
        BadLine{"horseDigits", "20261206,05,11,TAN,NORMAL,100,7,", "買い目「7」の番号は2桁の数字です"},
        BadLine{"horse19", "20261206,05,11,FUKU,NORMAL,100,19,", "買い目「19」の番号は1から18までです"},
        BadLine{"bracketDigits", "20261206,05,11,WAKU,NORMAL,100,03-07,", "買い目「03-07」の番号は1桁の数字です"},
        BadLine{"bracket9", "20261206,05,11,WAKU,NORMAL,100,3-9,", "買い目「3-9」の番号は1から8までです"},
        BadLine{"quinellaOrder", "20261206,05,11,UMAFUKU,NORMAL,100,07-03,",
                "買い目「07-03」の番号が小さい順ではありません"},
        BadLine{"sameHorse", "20261206,05,11,UMATAN,NORMAL,100,03-03,", "買い目「03-03」に同じ馬番があります"},
        BadLine{"trifectaRepeat", "20261206,05,11,SANTAN,NORMAL,100,03-07-03,",
                "買い目「03-07-03」に同じ馬番があります"},
        BadLine{"trioCount", "20261206,05,11,SANFUKU,NORMAL,100,01-02,", "買い目「01-02」の数が3つではありません"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(OrderFileTest, AFileWithoutBetsIsRefused) {
    EXPECT_EQ(checkOrderFile("").error, "投票する買い目がありません");
}

} // namespace
