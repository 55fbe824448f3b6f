// Hiding and showing columns and rows through the grid's operations: the
// widths and the current column, the hidden-row list with its real
// indexes, filter levels beside rows hidden by hand, the selection parked
// and given back, and the column calls of the rule editors on a column grid.
#include <gtest/gtest.h>

#include "data_grid_fixture.h"
#include "grid/core/column_grid.h"

namespace {

struct HiddenColumnsTest : ::testing::Test {
    TDataGrid g{nullptr};
    HiddenColumnsTest()
    {
        FillGrid(g, 5, 6);
        for (int c = 0; c < 5; ++c)
            g.SetColWidths(c, 40 + 10 * c);
    }
    std::vector<int> Widths()
    {
        std::vector<int> w;
        for (int d = 0; d < g.ColCount(); ++d)
            w.push_back(g.ColWidths(d));
        return w;
    }
};

}  // namespace

TEST_F(HiddenColumnsTest, HidingKeepsTheCellsAndTheWidthAndUnhidingGivesThemBack)
{
    g.HideColumn(2);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.TotalColCount(), 5);
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.Cells(2, 3), CellText(2, 3));
    EXPECT_EQ(g.RealColIndex(2), 3);
    EXPECT_EQ(g.AllColWidths(2), 60);
    EXPECT_EQ(Widths(), (std::vector<int>{40, 50, 70, 80}));

    g.UnHideColumn(2);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_FALSE(g.IsHiddenColumn(2));
    EXPECT_EQ(Widths(), (std::vector<int>{40, 50, 60, 70, 80}));
    EXPECT_EQ(g.RealColIndex(2), 2);
}

TEST_F(HiddenColumnsTest, HidingTheCurrentLastColumnMovesTheCurrentColumnLeft)
{
    g.SetCol(4);
    g.HideColumn(4);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.ColCount(), 4);
}

TEST_F(HiddenColumnsTest, RequestsThatDoNotApplyChangeNothing)
{
    // Hidden twice counts once; already shown, shown again changes nothing.
    g.HideColumn(1);
    g.HideColumn(1);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.ColCount(), 4);
    g.UnHideColumnsAll();
    g.UnHideColumnsAll();
    EXPECT_EQ(Widths(), (std::vector<int>{40, 50, 60, 70, 80}));
    // Columns past the real count and negative ranges are skipped.
    g.HideColumns(7, 9);
    g.HideColumns(-3, -1);
    EXPECT_EQ(g.NumHiddenColumns(), 0);

    TDataGrid one(nullptr);
    one.SetFixedCols(0);
    one.SetColCount(1);
    one.HideColumn(0);
    EXPECT_EQ(one.ColCount(), 1);
    EXPECT_EQ(one.NumHiddenColumns(), 0);
    // The last shown column stays whatever range is asked.
    g.HideColumns(0, 4);
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.NumHiddenColumns(), 4);
}

TEST(HiddenColumnsWide, AColumnFarPastFiveHundredHidesAndComesBack)
{
    TDataGrid g(nullptr);
    g.SetColCount(600);
    g.SetRowCount(3);
    g.SetCells(550, 1, "far");
    g.SetCells(551, 1, "next");
    g.SetColWidths(550, 33);
    g.HideColumn(550);
    EXPECT_TRUE(g.IsHiddenColumn(550));
    EXPECT_EQ(g.ColCount(), 599);
    EXPECT_EQ(g.Cells(g.RealColIndex(550), 1), "next");
    EXPECT_EQ(g.Cells(550, 1), "far");
    EXPECT_EQ(g.AllColWidths(550), 33);
    g.UnHideColumn(550);
    EXPECT_EQ(g.ColCount(), 600);
    EXPECT_EQ(g.ColWidths(550), 33);
}

// What the rule editors do with their column grids: hide key columns when
// shown, test them while validating, walk every real column to copy a row.
TEST(HiddenColumnsEditorGrid, TheRuleEditorsColumnCallsOnAColumnGrid)
{
    TVynColumnGrid g(nullptr);
    g.SetColCount(7);
    g.SetRowCount(4);
    for (int c = 0; c < 7; ++c)
        g.SetCells(c, 1, CellText(c, 1));
    g.HideColumn(5);
    g.HideColumn(6);
    EXPECT_EQ(g.Columns()->Count(), 7);
    int hidden = 0;
    std::vector<String> row;
    for (int c = 0; c < g.ColCount() + g.NumHiddenColumns(); ++c) {
        hidden += g.IsHiddenColumn(c);
        row.push_back(g.Cells(c, 1));
    }
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    ASSERT_EQ(row.size(), 7u);
    EXPECT_EQ(row[6], CellText(6, 1));
    EXPECT_EQ(g.ColCount(), 5);
    g.UnHideColumn(5);
    EXPECT_FALSE(g.IsHiddenColumn(5));
    EXPECT_EQ(g.Columns()->Count(), 7);
}

// ---- rows --------------------------------------------------------------------------------------

namespace {

struct HiddenRowsTest : ::testing::Test {
    TDataGrid g{nullptr};
    HiddenRowsTest() { FillGrid(g, 4, 10); }
};

}  // namespace

TEST_F(HiddenRowsTest, HidingARangeMapsTheRowsAndUnhidingBringsBackTextsObjectsAndHeights)
{
    g.SetRowHeights(4, 41);
    g.SetColors(2, 4, 0x123456);
    g.HideRows(3, 5);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_TRUE(g.IsHiddenRow(4));
    TIntList* cache = nullptr;
    EXPECT_TRUE(g.IsHiddenRow(5, cache));
    EXPECT_FALSE(g.IsHiddenRow(6, cache));
    EXPECT_EQ(g.DisplToRealRow(3), 6);
    EXPECT_EQ(g.RealToDisplRow(6), 3);
    EXPECT_EQ(g.Cells(1, 3), CellText(1, 6));
    EXPECT_EQ(g.AllCells(1, 4), CellText(1, 4));

    g.UnHideRows(3, 5);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    EXPECT_EQ(g.RowHeights(4), 41);
    EXPECT_EQ(g.Colors(2, 4), TColor(0x123456));
    EXPECT_NE(g.PropsAt(2, 4), nullptr);
}

TEST_F(HiddenRowsTest, APartlyHiddenRangeHidesTheRestAndComesBackInOrder)
{
    g.HideRow(4);
    g.HideRows(3, 6);
    EXPECT_EQ(g.NumHiddenRows(), 4);
    for (int r = 3; r <= 6; ++r)
        EXPECT_EQ(g.AllCells(2, r), CellText(2, r)) << r;
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 7, 8, 9}));
    // A range whose first row is shown restores nothing.
    g.UnHideRows(2, 6);
    EXPECT_EQ(g.NumHiddenRows(), 4);
    g.UnHideRows(3, 6);
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
}

TEST_F(HiddenRowsTest, HiddenColumnsCellsOfHiddenRowsSurvive)
{
    g.HideColumn(2);
    g.HideRow(3);
    g.HideRowsEx(6, 7);
    g.UnHideRowsAll();
    g.UnHideColumn(2);
    EXPECT_EQ(Column(g, 2), (std::vector<String>{"2:0", "2:1", "2:2", "2:3", "2:4", "2:5", "2:6", "2:7", "2:8", "2:9"}));
}

TEST_F(HiddenRowsTest, UnHideRowsAllWithEveryOtherRowHiddenGivesTheOriginalOrder)
{
    for (int r = 1; r < 10; r += 2)
        g.HideRow(r);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(g.DisplToRealRow(3), 6);
    g.UnHideRowsAll();
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST_F(HiddenRowsTest, TwoFilterLevelsRestoreOnlyTheirOwnRows)
{
    TIntList first(0, 0), second(0, 0);
    first.Add(2);
    first.Add(5);
    g.HideRowList(first);  // real rows 2 and 5
    EXPECT_EQ(g.FilterLevel(), 1);
    second.Add(3);  // now real row 4
    g.HideRowList(second);
    EXPECT_EQ(g.FilterLevel(), 2);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 6, 7, 8, 9}));
    EXPECT_EQ(g.FindGridItem(4)->Level(), 1);
    EXPECT_EQ(g.FindGridItem(5)->Level(), 0);

    g.UnHideRowList();
    g.FFilterLevel--;
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 4, 6, 7, 8, 9}));
    g.UnHideRowList();
    g.FFilterLevel--;
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
}

TEST_F(HiddenRowsTest, AFilterLevelOverRowsHiddenByHandRestoresOnlyItsOwn)
{
    g.HideRow(2);
    TIntList list(0, 0);
    list.Add(4);  // real row 5
    list.Add(5);  // real row 6
    g.HideRowList(list);
    // Rows hidden by the filter are not the hiding operations' to show.
    g.UnHideRows(5, 6);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    g.UnHideRowList();
    g.FFilterLevel--;
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(g.IsHiddenRow(2));
    g.HideRowList(list);
    g.UnHideRowsAll();
    EXPECT_EQ(g.NumHiddenRows(), 2);
    EXPECT_FALSE(g.IsHiddenRow(2));
}

TEST_F(HiddenRowsTest, OneRowStaysWhenEveryRowIsAskedFor)
{
    g.SetFixedRows(0);
    g.HideRows(0, 9);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.NumHiddenRows(), 9);
    g.UnHideRowsAll();
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
}

TEST_F(HiddenRowsTest, HidingKeepsTheCurrentRowNumberAndTheSelectionComesBack)
{
    g.SetRow(7);
    g.HideRows(2, 3);
    EXPECT_EQ(g.Row(), 7);
    g.HideRows(4, 9);
    EXPECT_EQ(g.Row(), g.RowCount() - 1);

    TDataGrid s(nullptr);
    FillGrid(s, 4, 10);
    s.SetSelection(TGridRect{1, 2, 2, 4});
    s.HideSelection();
    EXPECT_TRUE(s.FSelHidden);
    s.UnHideSelection();
    EXPECT_FALSE(s.FSelHidden);
    EXPECT_EQ(s.Selection(), (TGridRect{1, 2, 2, 4}));
    // Rows gone below it: the first non-fixed cell.
    s.SetSelection(TGridRect{1, 8, 2, 9});
    s.HideSelection();
    s.RemoveRows(5, 5);
    s.UnHideSelection();
    EXPECT_EQ(s.Selection(), (TGridRect{1, 1, 1, 1}));
}
