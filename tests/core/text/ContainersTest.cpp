#include "base/Errors.h"
#include "text/CommaText.h"
#include "text/SortedStringList.h"
#include "text/TextGrid.h"

#include <gtest/gtest.h>

using namespace renoka;

namespace {

struct CommaCase {
    const char* text;
    std::vector<std::string> fields;
};
class CommaTextTest : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextTest, SplitsLikeTheSystemsStringLists) {
    EXPECT_EQ(splitCommaText(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommaTextTest,
                         testing::Values(CommaCase{R"(" 1","2025/01/05東京11R","枠連","   1000")",
                                                   {" 1", "2025/01/05東京11R", "枠連", "   1000"}},
                                         CommaCase{"a,b,,c", {"a", "b", "", "c"}}, CommaCase{"a b", {"a", "b"}},
                                         CommaCase{"a,", {"a", ""}}, CommaCase{R"("x,y" z)", {"x,y", "z"}},
                                         CommaCase{R"("say ""hi""")", {"say \"hi\""}}, CommaCase{R"("open)", {"open"}},
                                         CommaCase{"  ", {}}, CommaCase{"", {}}));

TEST(CommaTextTest, QuotedJoinReadsBackTheSameFields) {
    const std::vector<std::string> fields = {" 1", "a,b", "say \"x\"", "", "   700"};
    EXPECT_EQ(splitCommaText(joinQuoted(fields)), fields);
}

TEST(SortedStringListTest, FixedWidthKeysSortNumericallyAndDuplicatesFollowTheRule) {
    SortedStringList ranks;
    for (const char* key : {"12.5 3", " 2.1 7", " 2.1 1", "10.0 2", " 2.1 1"})
        ranks.add(key);
    EXPECT_EQ(ranks.items(), (std::vector<std::string>{" 2.1 1", " 2.1 1", " 2.1 7", "10.0 2", "12.5 3"}));
    SortedStringList unique(SortedStringList::Duplicates::Ignore);
    EXPECT_EQ(unique.add("b"), 0);
    EXPECT_EQ(unique.add("a"), 0);
    EXPECT_EQ(unique.add("b"), 1);
    EXPECT_EQ(unique.count(), 2);
    EXPECT_EQ(unique.indexOf("b"), 1);
    EXPECT_EQ(unique.indexOf("c"), -1);
    EXPECT_THROW(unique[2], RangeError);
    EXPECT_THROW(unique.removeAt(-1), RangeError);
}

TEST(SortedStringListTest, HighBytesSortAfterAscii) {
    SortedStringList list;
    list.add("\x93\x8c"); // a kanji lead byte
    list.add("Z");
    EXPECT_EQ(list[0], "Z");
}

TEST(TextGridTest, ResizingKeepsCellsAndOutOfRangeReadsAreEmpty) {
    TextGrid grid(3, 2);
    grid.setCell(2, 1, "x");
    grid.setCell(0, 0, "h");
    grid.setRowCount(4);
    grid.setColCount(5);
    EXPECT_EQ(grid.cell(2, 1), "x");
    EXPECT_EQ(grid.cell(0, 0), "h");
    EXPECT_EQ(grid.cell(4, 3), "");
    grid.setColCount(2);
    EXPECT_EQ(grid.cell(2, 1), "");
    EXPECT_EQ(grid.cell(9, 9), "");
    EXPECT_THROW(grid.setCell(2, 0, "y"), RangeError);
    grid.setColWidth(1, -1);
    EXPECT_TRUE(grid.colHidden(1));
    grid.clearCells();
    EXPECT_EQ(grid.cell(0, 0), "");
    EXPECT_EQ(grid.rowCount(), 4);
}

} // namespace
