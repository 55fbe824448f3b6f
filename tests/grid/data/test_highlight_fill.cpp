// Highlighting and marking text in cells and taking it out again, checks
// over columns, rows and the grid, and the fills.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_grid_fixture.h"
#include "grid/core/grid_startup.h"

namespace {

// Every cell's text of the grid, row by row.
std::vector<String> AllTexts(TVynStringGrid& Grid)
{
    std::vector<String> v;
    for (int r = 0; r < Grid.RowCount(); ++r)
        for (int c = 0; c < Grid.TotalColCount(); ++c)
            v.push_back(Grid.Cells(c, r));
    return v;
}

struct HiCase {
    const char* Name;
    const char* Cell;
    const char* Text;
    bool DoCase;
    bool Mark;
    const char* After;
};

class HilightCell : public ::testing::TestWithParam<HiCase> {};

TEST_P(HilightCell, AndBack)
{
    const HiCase& k = GetParam();
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    g.SetCells(1, 1, k.Cell);
    const std::vector<String> before = AllTexts(g);
    if (k.Mark)
        g.MarkInCell(k.DoCase, 1, 1, k.Text);
    else
        g.HilightInCell(k.DoCase, 1, 1, k.Text);
    EXPECT_EQ(g.Cells(1, 1), k.After);
    // The other tag's removal changes nothing, the own one gives the text back.
    if (k.Mark)
        g.UnHilightInCell(1, 1);
    else
        g.UnMarkInCell(1, 1);
    EXPECT_EQ(g.Cells(1, 1), k.After);
    if (k.Mark)
        g.UnMarkInCell(1, 1);
    else
        g.UnHilightInCell(1, 1);
    EXPECT_EQ(AllTexts(g), before);
}

INSTANTIATE_TEST_SUITE_P(
    Highlight, HilightCell,
    ::testing::Values(HiCase{"IgnoringCase", "xAbyab", "ab", false, false, "x<hi>Ab</hi>y<hi>ab</hi>"},
                      HiCase{"WithCase", "xAbyab", "ab", true, false, "xAby<hi>ab</hi>"},
                      HiCase{"EncodesAPlainText", "a<b", "b", false, false, "a&lt;<hi>b</hi>"},
                      HiCase{"EncodedSearchText", "a<b", "a<", false, false, "<hi>a&lt;</hi>b"},
                      HiCase{"KeepsMarkup", "<b>ab</b>c", "bc", false, false, "<b>a<hi>b</b>c</hi>"},
                      HiCase{"NoMatchNoChange", "a&amp;b<c", "zz", false, false, "a&amp;b<c"},
                      HiCase{"Mark", "xAbyab", "ab", false, true, "x<e>Ab</e>y<e>ab</e>"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(Highlight, TextFunctions)
{
    EXPECT_EQ(TVynStringGrid::HilightText(false, "aBc", "b"), "a<hi>B</hi>c");
    EXPECT_EQ(TVynStringGrid::HilightText(true, "aBc", "b"), "aBc");
    EXPECT_EQ(TVynStringGrid::MarkText(false, "abc", "c"), "ab<e>c</e>");
    EXPECT_EQ(TVynStringGrid::UnHilightText("a&lt;<HI>b</hi>"), "a<b");
    EXPECT_EQ(TVynStringGrid::UnMarkText("<e>x</E>&gt;"), "x>");
}

TEST(Highlight, GridColumnAndRowAreas)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    // Every cell holds ":"; the grid without fixed cells, the hidden column too.
    g.HideColumn(2);
    g.HilightInGrid(false, false, ":");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool inside = c >= 1 && r >= 1;
            EXPECT_EQ(g.Cells(c, r).contains("<hi>"), inside) << c << "," << r;
        }
    g.UnHilightInGrid(false);
    g.UnHideColumn(2);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.Cells(c, r), CellText(c, r));
    g.HilightInCol(true, false, 2, ":");
    EXPECT_EQ(g.Cells(2, 0), "2<hi>:</hi>0");
    EXPECT_EQ(g.Cells(2, 3), "2<hi>:</hi>3");
    EXPECT_EQ(g.Cells(1, 3), "1:3");
    g.UnHilightInCol(true, 2);
    g.MarkInRow(false, false, 3, ":");
    EXPECT_EQ(g.Cells(0, 3), "0:3");
    EXPECT_EQ(g.Cells(3, 3), "3<e>:</e>3");
    g.UnMarkInRow(false, 3);
    g.MarkInGrid(true, true, "0:0");
    EXPECT_EQ(g.Cells(0, 0), "<e>0:0</e>");
    g.UnMarkInGrid(true);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.Cells(c, r), CellText(c, r));
}

// ---- checks -----------------------------------------------------------------------------------

TEST(Checks, WithoutACheckerAllIsWell)
{
    TDataGrid g(nullptr);
    FillGrid(g, 3, 3);
    g.SetCells(1, 1, "<e>bad</e>");
    EXPECT_TRUE(g.CheckGrid(false));
    EXPECT_TRUE(g.CheckCol(true, 1));
    EXPECT_TRUE(g.CheckRow(true, 1));
    EXPECT_EQ(g.Cells(1, 1), "<e>bad</e>");
}

TEST(Checks, TheBaseCheckerStripsTheMarks)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 4);
    TVynStringGridCheck checker(nullptr);
    checker.SetUseCorrect(true);
    g.SetCellChecker(&checker);
    g.SetCells(0, 1, "<e>fixed</e>");
    g.SetCells(1, 1, "<e>one</e>");
    g.SetCells(3, 3, "t<e>w</e>o");
    EXPECT_TRUE(g.CheckGrid(false));
    EXPECT_EQ(g.Cells(1, 1), "one");
    EXPECT_EQ(g.Cells(3, 3), "two");
    EXPECT_EQ(g.Cells(0, 1), "<e>fixed</e>");
    EXPECT_TRUE(g.CheckCol(true, 0));
    EXPECT_EQ(g.Cells(0, 1), "fixed");
    g.SetCells(2, 0, "<e>head</e>");
    g.SetCells(2, 2, "<e>row</e>");
    EXPECT_TRUE(g.CheckRow(false, 0));
    EXPECT_EQ(g.Cells(2, 0), "head");
    EXPECT_TRUE(g.CheckRow(false, 2));
    EXPECT_EQ(g.Cells(2, 2), "row");
}

// ---- fills ------------------------------------------------------------------------------------

TEST(Fill, LinearAndTextFill)
{
    TDataGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.LinearFill(false);
    EXPECT_EQ(g.Cells(1, 1), "1:1");
    EXPECT_EQ(g.Cells(2, 2), "2:2");
    EXPECT_EQ(g.Cells(0, 0), "");
    EXPECT_EQ(g.Cells(0, 2), "");
    g.TextFill(true, "t");
    EXPECT_EQ(AllTexts(g), std::vector<String>(9, "t"));
}

TEST(Fill, RandomFill)
{
    TDataGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    // Below 1: 0, no division by zero.
    for (int rnd : {1, 0, -5}) {
        g.RandomFill(true, rnd);
        EXPECT_EQ(AllTexts(g), std::vector<String>(16, "0")) << rnd;
    }
    TVynStringGrid::RandomFillSeed(7);
    g.RandomFill(false, 10);
    const std::vector<String> first = AllTexts(g);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c) {
            const int v = g.Cells(c, r).toInt();
            EXPECT_TRUE(v >= 0 && v < 10) << v;
        }
    TVynStringGrid::RandomFillSeed(7);
    g.RandomFill(false, 10);
    EXPECT_EQ(AllTexts(g), first);
}

struct FormatCase {
    const char* Fmt;
    const char* At23;
};

class FormatFill : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFill, WritesColumnAndRow)
{
    TDataGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(5);
    g.FormatFill(false, GetParam().Fmt);
    EXPECT_EQ(g.Cells(2, 3), GetParam().At23);
    EXPECT_EQ(g.Cells(0, 0), "");
}

INSTANTIATE_TEST_SUITE_P(Fill, FormatFill,
                         ::testing::Values(FormatCase{"%d/%d", "2/3"}, FormatCase{"%s", "%s"},
                                           FormatCase{"r%2$d", "r%2$d"}, FormatCase{"%03d-%-3x|", "002-3  |"},
                                           FormatCase{"%X%%", "2%"}, FormatCase{"100%%", "100%"},
                                           FormatCase{"%d", "2"}, FormatCase{"%d %d %d", "%d %d %d"},
                                           FormatCase{"%.2f", "%.2f"}, FormatCase{"%n", "%n"},
                                           FormatCase{"%", "%"}, FormatCase{"%5", "%5"}));

}  // namespace
