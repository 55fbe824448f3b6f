// Removing, inserting and moving rows and columns: the counts that do
// nothing or are cut, the real indexes of hidden rows, the side lists kept
// in step, duplicates with and without case, the selection removals, a
// floating footer, merges, clearing, the lookups, and the moves with the
// cell controls and the cells of hidden columns.
#include <gtest/gtest.h>

#include "data_grid_fixture.h"
#include "grid/core/grid_options.h"
#include "grid/data/grid_data_holders.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"

namespace {

struct RowsTest : ::testing::Test {
    TDataGrid g{nullptr};
    int changes = 0;
    RowsTest()
    {
        FillGrid(g, 4, 10);
        g.OnCellsChanged = [this](TObject*, TRect&) { ++changes; };
    }
};

}  // namespace

TEST_F(RowsTest, RemovalsThatDoNotApplyChangeNothingAndCountsAreCut)
{
    g.RemoveRows(g.RowCount(), 1);
    g.RemoveRows(2, 0);
    g.RemoveRows(2, -3);
    g.RemoveRows(-1, 2);
    EXPECT_EQ(RowOrder(g), Iota(0, 9));
    EXPECT_EQ(changes, 0);
    // Past the end: the rows there are.
    g.RemoveRows(7, 50);
    EXPECT_EQ(RowOrder(g), Iota(0, 6));
    EXPECT_EQ(changes, 1);
    g.InsertRows(2, -1, true);
    g.InsertRows(-1, 2, true);
    EXPECT_EQ(g.RowCount(), 7);
    g.InsertRows(50, 2, true);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, -1, -1}));
}

TEST_F(RowsTest, RemovingRowsShiftsTheRealIndexesOfLaterHiddenRowsByTheCount)
{
    g.HideRow(2);
    g.HideRow(9);
    // Display rows 3 and 4 are the real rows 4 and 5.
    g.RemoveRows(3, 2);
    EXPECT_NE(g.FindGridItem(7), nullptr);
    EXPECT_NE(g.FindGridItem(2), nullptr);
    EXPECT_EQ(g.NumHiddenRows(), 2);
    g.UnHideRowsAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 3, 6, 7, 8, 9}));

    // The lighter removal shifts by the count too.
    TDataGrid h(nullptr);
    FillGrid(h, 4, 12);
    h.HideRow(10);
    h.RemoveRowsEx(2, 3);
    EXPECT_NE(h.FindGridItem(7), nullptr);
    h.UnHideRowsAll();
    EXPECT_EQ(RowOrder(h), (std::vector<int>{0, 1, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(RowsTest, InsertingAboveAVisibleFloatingFooterKeepsItLast)
{
    g.FloatingFooter()->SetVisible(true);
    g.SetCells(1, 9, "footer");
    g.InsertRows(g.RowCount(), 2, true);
    EXPECT_EQ(g.RowCount(), 12);
    EXPECT_EQ(g.Cells(1, 11), "footer");
    EXPECT_EQ(g.Cells(1, 9), "");
    g.AddRow();
    EXPECT_EQ(g.Cells(1, 12), "footer");
    // Removals leave the footer row alone.
    g.RemoveRows(10, 20);
    EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "footer");
    EXPECT_EQ(g.RowCount(), 11);
}

TEST_F(RowsTest, TheLockAndTheCursorComeBackWhenAHandlerThrows)
{
    const TCursor before = Screen.Cursor();
    g.OnCellsChanged = [](TObject*, TRect&) { throw Exception("handler"); };
    EXPECT_THROW(g.RemoveRows(2, 3), Exception);
    EXPECT_EQ(g.UpdateCount(), 0);
    EXPECT_EQ(Screen.Cursor(), before);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_THROW(g.HideRows(2, 3), Exception);
    EXPECT_EQ(g.UpdateCount(), 0);
    EXPECT_EQ(Screen.Cursor(), before);
}

TEST(RowsDuplicates, CaseCountsOnlyWithDoCase)
{
    struct Case {
        bool DoCase;
        std::vector<String> Left;
    };
    for (const Case& c : {Case{true, {"h", "a", "A", "b"}}, Case{false, {"h", "a", "b"}}}) {
        TDataGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(6);
        const std::vector<String> texts{"h", "a", "A", "b", "a", "b"};
        for (int r = 0; r < 6; ++r)
            g.SetCells(1, r, texts[size_t(r)]);
        g.RemoveDuplicates(1, c.DoCase);
        EXPECT_EQ(Column(g, 1), c.Left) << c.DoCase;
    }
}

TEST_F(RowsTest, SideListsFollowARemovalOfScatteredRows)
{
    g.ShowModified()->SetEnabled(true);
    for (int r = 0; r < 10; ++r) {
        g.FModifiedRows->Add(r * 10);
        g.FEnabledRows->Add(r * 100);
    }
    g.MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {2, 5, 6})
        g.SetRowSelect(r, true);
    g.ControlList()->AddControl(1, 7, nullptr);
    g.ControlList()->AddControl(2, 5, nullptr);
    g.HideRow(8);
    g.SetRow(9 - 1);
    g.SetRowSelect(8, false);  // moving the current row flagged it
    const int before = g.FMaxRowCount;
    g.RemoveSelectedRows();

    struct Check {
        const char* What;
        int Got, Expected;
    };
    const std::vector<Check> checks{
        {"rows left", g.RowCount(), 6},
        {"texts", RowOrder(g)[2], 3},
        {"modified row 2", g.FModifiedRows->Items(2), 30},
        {"modified count (the hidden row keeps its mark)", g.FModifiedRows->Count(), 7},
        {"enabled row 3", g.FEnabledRows->Items(3), 400},
        {"control of row 7", g.ControlList()->Control(0)->Y, 4},
        {"controls", g.ControlList()->Count(), 1},
        {"hidden row", g.FindGridItem(5) != nullptr, 1},
        {"selection cleared", g.RowSelectCount(), 0},
        {"current row kept", g.Row(), 5},
        {"largest count", g.FMaxRowCount, before - 3},
        {"one notification", changes, 1 + 1},
    };
    for (const Check& c : checks)
        EXPECT_EQ(c.Got, c.Expected) << c.What;
    g.UnHideRowsAll();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 3, 4, 7, 8, 9}));
}

TEST_F(RowsTest, CheckedRowsAndTheSelectionRectangle)
{
    for (int r = 1; r < 10; ++r)
        g.AddCheckBox(2, r, r % 3 == 0, false);
    g.RemoveCheckedRows(2, true);
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 4, 5, 7, 8}));
    g.SetSelection(TGridRect{1, 4, 2, 2});
    g.RemoveSelectedRows();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 7, 8}));
}

TEST_F(RowsTest, HidingTheSelectedAndTheUnselectedRows)
{
    g.MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {3, 4, 8})
        g.SetRowSelect(r, true);
    g.HideUnSelectedRows();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 3, 4, 8}));
    g.UnHideRowsAll();
    g.HideSelectedRows();
    EXPECT_EQ(RowOrder(g), (std::vector<int>{0, 1, 2, 5, 6, 7, 9}));
}

TEST(Columns, RemoveUnSelectedColsLeavesTheFixedAndTheSelectedColumns)
{
    TDataGrid g(nullptr);
    FillGrid(g, 8, 3);
    g.SetSelection(TGridRect{3, 1, 4, 2});
    g.RemoveUnSelectedCols();
    ASSERT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Cells(0, 1), "0:1");
    EXPECT_EQ(g.Cells(1, 1), "3:1");
    EXPECT_EQ(g.Cells(2, 1), "4:1");
    EXPECT_EQ(g.Cells(3, 1), "");
}

TEST(Columns, InsertingAndRemovingColumnsKeepsHiddenColumnsAndHiddenRowsInStep)
{
    TDataGrid g(nullptr);
    FillGrid(g, 6, 5);
    g.SetColWidths(4, 44);
    g.HideColumn(4);
    g.HideRow(2);
    g.InsertCols(1, 2);
    EXPECT_EQ(g.TotalColCount(), 8);
    EXPECT_TRUE(g.IsHiddenColumn(6));
    EXPECT_EQ(g.Cells(6, 1), "4:1");
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.AllCells(3, 2), "1:2");
    int changes = 0;
    g.OnCellsChanged = [&changes](TObject*, TRect&) { ++changes; };
    g.RemoveCols(1, 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(g.TotalColCount(), 5);
    EXPECT_TRUE(g.IsHiddenColumn(3));
    EXPECT_EQ(g.AllColWidths(3), 44);
    EXPECT_EQ(g.Cells(1, 1), "2:1");
    EXPECT_EQ(g.Cells(4, 1), "5:1");
    g.UnHideRowsAll();
    EXPECT_EQ(g.Cells(1, 2), "2:2");
    EXPECT_EQ(g.Cells(3, 2), "4:2");
    g.AddColumn();
    EXPECT_EQ(g.TotalColCount(), 6);
}

TEST(Merges, RunsOfEqualTextsDownAColumnAndAlongARow)
{
    TDataGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(6);
    const std::vector<String> down{"h", "x", "x", "y", "y", "y"};
    for (int r = 0; r < 6; ++r)
        g.SetCells(1, r, down[size_t(r)]);
    g.MergeColumnCells(1, true);
    EXPECT_EQ(g.CellSpan(1, 1), TPoint(0, 1));
    EXPECT_EQ(g.CellSpan(1, 3), TPoint(0, 2));
    g.SplitColumnCells(1);
    EXPECT_FALSE(g.IsMergedCell(1, 1));
    EXPECT_FALSE(g.IsMergedCell(1, 4));
    // Without the main merge and without merges nothing merges.
    g.MergeColumnCells(1, false);
    EXPECT_FALSE(g.IsMergedCell(1, 1));

    const std::vector<String> along{"h", "x", "y", "y", "z"};
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 2, along[size_t(c)]);
    g.MergeRowCells(2, true);
    EXPECT_EQ(g.CellSpan(2, 2), TPoint(1, 0));
    EXPECT_FALSE(g.IsMergedCell(1, 2));
    g.SplitRowCells(2);
    EXPECT_FALSE(g.IsMergedCell(2, 2));
}

TEST(Merges, MergeColsJoinsTrimmedAndRemovesTheSecondColumn)
{
    TDataGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(3);
    g.SetCells(1, 1, "a");
    g.SetCells(2, 1, "b");
    g.SetCells(1, 2, "a");
    g.SetCells(3, 1, "c");
    g.MergeCols(1, 2, ", ");
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Cells(1, 1), "a, b");
    EXPECT_EQ(g.Cells(1, 2), "a,");
    EXPECT_EQ(g.Cells(2, 1), "c");
}

TEST(Clearing, TheWholeGridForgetsCellPropertiesAPartDoesNot)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 5);
    g.SetColors(1, 1, 0xFF);
    g.SetColors(3, 4, 0xFF);
    g.ClearRect(1, 1, 2, 2);
    EXPECT_TRUE(g.HasCellProps());
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(3, 1), "3:1");
    EXPECT_EQ(g.PropsAt(1, 1), nullptr);
    g.ClearRect(0, 0, g.ColCount() - 1, g.RowCount() - 1);
    EXPECT_FALSE(g.HasCellProps());
    EXPECT_EQ(g.PropsAt(3, 4), nullptr);
    EXPECT_EQ(g.Cells(3, 4), "");
}

TEST(Clearing, TrimColourAndTheClearFamily)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 5);
    g.SetCells(2, 2, " \t x y \r\n");
    g.TrimAll();
    EXPECT_EQ(g.Cells(2, 2), "x y");
    g.ColorRect(1, 1, 2, 2, 0x00FF00);
    EXPECT_EQ(g.Colors(2, 2), TColor(0x00FF00));
    g.ClearNormalCells();
    EXPECT_EQ(g.Cells(0, 2), "0:2");
    EXPECT_EQ(g.Cells(2, 0), "2:0");
    EXPECT_EQ(g.Cells(2, 2), "");
    g.HideRow(3);
    g.ClearAll();
    EXPECT_EQ(g.Cells(0, 0), "");
    EXPECT_EQ(g.AllCells(1, 3), "");
    EXPECT_TRUE(g.IsHiddenRow(3));
}

TEST(Lookups, IsCellMatchesWholeTextsAndIsWideCellItsMarker)
{
    TDataGrid g(nullptr);
    FillGrid(g, 4, 5);
    g.SetCells(2, 3, "abc");
    g.SetCells(3, 4, "ab");
    int c = -7, r = -7;
    EXPECT_FALSE(g.IsCell("a", c, r));
    EXPECT_EQ(c, -7);
    EXPECT_TRUE(g.IsCell("ab", c, r));
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 4);
    g.SetCells(1, 1, "|\\wide");
    EXPECT_TRUE(g.IsWideCell(1, 1));
    EXPECT_FALSE(g.IsWideCell(2, 3));
}

// ---- moving ------------------------------------------------------------------------------------

TEST(Moving, MoveRowsTakesTheBlockWithItsHiddenColumnCells)
{
    struct Case {
        int From, To, Count;
        std::vector<int> Order;
    };
    const std::vector<Case> cases{
        {2, 3, 2, {0, 1, 4, 2, 3, 5, 6, 7, 8, 9}},
        {5, 4, 2, {0, 1, 2, 3, 5, 6, 4, 7, 8, 9}},
        {2, 8, 2, {0, 1, 4, 5, 6, 7, 2, 3, 8, 9}},
        {2, 4, 2, {0, 1, 4, 5, 2, 3, 6, 7, 8, 9}},
        {2, 2, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {2, 5, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        TDataGrid g(nullptr);
        FillGrid(g, 4, 10);
        g.SetRowHeights(2, 31);
        g.HideColumn(2);
        g.MoveRows(c.From, c.To, c.Count);
        EXPECT_EQ(RowOrder(g), c.Order) << c.From << "," << c.To << "," << c.Count;
        g.UnHideColumn(2);
        EXPECT_EQ(RowOrder(g, 2), c.Order) << c.From << "," << c.To;
        for (int r = 0; r < 10; ++r) {
            if (c.Order[size_t(r)] == 2) {
                EXPECT_EQ(g.RowHeights(r), 31);
            }
        }
    }
}

TEST(Moving, CellControlsFollowMovedColumnsAndRows)
{
    TDataGrid g(nullptr);
    FillGrid(g, 6, 10);
    TControlList& l = *g.ControlList();
    l.AddControl(3, 4, nullptr);
    l.AddControl(1, 2, nullptr);
    l.AddControl(0, 5, nullptr);
    l.AddControl(0, 6, nullptr);
    g.MoveColumn(3, 1);
    EXPECT_EQ(l.Control(0)->X, 1);
    EXPECT_EQ(l.Control(1)->X, 2);
    EXPECT_EQ(g.Cells(1, 1), "3:1");
    g.MoveRow(4, 6);
    EXPECT_EQ(l.Control(0)->Y, 6);
    EXPECT_EQ(l.Control(2)->Y, 4);
    EXPECT_EQ(l.Control(3)->Y, 5);
    EXPECT_EQ(g.Cells(0, 6), "0:4");
}

TEST(Moving, ScrollInViewLeavesAVisibleCellAndCentresAFarOne)
{
    TDataGrid g(nullptr);
    FillGrid(g, 5, 100);
    g.SetBounds(0, 0, 400, 250);
    g.SetRow(3);
    const int left = g.LeftCol(), top = g.TopRow(), col = g.Col(), row = g.Row();
    g.ScrollInView(2, 4);
    EXPECT_EQ(g.LeftCol(), left);
    EXPECT_EQ(g.TopRow(), top);
    EXPECT_EQ(g.Col(), col);
    EXPECT_EQ(g.Row(), row);
    g.ScrollInView(2, 80);
    EXPECT_EQ(g.Row(), 80);
    EXPECT_EQ(g.TopRow(), 80 - g.VisibleRowCount() / 2);
    g.ScrollInView(9, 200);
    EXPECT_EQ(g.Row(), 80);

    // A visible search footer: the row stays above the panel.
    g.SearchFooter()->SetVisible(true);
    g.SearchPanel()->SetHeight(90);
    g.SetTopRow(1);
    const int last = g.TopRow() + g.VisibleRowCount() - 1;
    g.ScrollInView(2, last);
    EXPECT_GT(g.TopRow(), 1);
    EXPECT_GT(g.CellRect(0, last).Bottom, 0);
    EXPECT_LE(g.CellRect(0, last).Bottom, g.Height() - 90);
}
