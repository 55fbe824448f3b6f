// Column and row calculations (counting rules, non-numbers, empty ranges,
// real rows with hidden rows), the selection queries, numbering and the
// exchange of columns and rows.
#include <gtest/gtest.h>

#include "data_grid_fixture.h"
#include "grid/core/grid_options.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"

namespace {

// One fixed row and column; column 1 holds Texts from row 1 on.
struct CalcTest : ::testing::Test {
    TDataGrid g{nullptr};
    void Column1(const std::vector<String>& Texts)
    {
        g.SetColCount(3);
        g.SetRowCount(int(Texts.size()) + 1);
        for (size_t i = 0; i < Texts.size(); ++i)
            g.SetCells(1, int(i) + 1, Texts[i]);
    }
    void MarkRow(int ARow, TCellType Kind) { g.CreateCellGraphic(0, ARow)->SetCellType(Kind); }
};

}  // namespace

TEST_F(CalcTest, SumAverageMinimumMaximumTable)
{
    struct Case {
        std::vector<String> Texts;
        double Sum, Avg, Min, Max;
    };
    const Case cases[] = {
        {{"1", "abc", "2.5", ""}, 3.5, 0.875, 0, 2.5},
        {{"5", "3", "x", "4"}, 12, 3, 3, 5},
        {{"x", "5", "3"}, 8, 8.0 / 3, 3, 5},
        {{"x", "y"}, 0, 0, 0, 0},
        {{"<b>7</b>", "$1,000.50", "(2)", " -3 "}, 1002.5, 250.625, -3, 1000.5},
    };
    for (const Case& c : cases) {
        Column1(c.Texts);
        const String what = c.Texts.front();
        EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, g.RowCount() - 1), c.Sum) << what.toStdString();
        EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 1, g.RowCount() - 1), c.Avg) << what.toStdString();
        EXPECT_DOUBLE_EQ(g.ColumnMin(1, 1, g.RowCount() - 1), c.Min) << what.toStdString();
        EXPECT_DOUBLE_EQ(g.ColumnMax(1, 1, g.RowCount() - 1), c.Max) << what.toStdString();
    }
}

TEST_F(CalcTest, RangesDistinctAndStdDev)
{
    Column1({"1", "2", "3", "4"});
    // -1 for either end: the normal rows.
    EXPECT_EQ(g.ColumnSum(1, -1, 2), 10);
    EXPECT_EQ(g.ColumnSum(1, 2, -1), 10);
    EXPECT_EQ(g.ColumnSum(1, 2, 3), 5);
    // Empty ranges and columns outside the grid.
    EXPECT_EQ(g.ColumnSum(1, 3, 2), 0);
    EXPECT_EQ(g.ColumnAvg(1, 3, 2), 0);
    EXPECT_EQ(g.ColumnStdDev(1, 3, 2), 0);
    EXPECT_EQ(g.ColumnMin(1, 3, 2), 0);
    EXPECT_EQ(g.ColumnDistinct(1, 3, 2), 0);
    EXPECT_EQ(g.ColumnSum(7, 1, 4), 0);
    EXPECT_EQ(g.RowAvg(1, 2, 1), 0);
    Column1({"a", "A", "", "b", ""});
    EXPECT_EQ(g.ColumnDistinct(1, 1, 5), 3);
    Column1({"2", "4", "4", "4", "5", "5", "7", "9"});
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(1, -1, -1), 2);
    // A text that is no number is left out, never raised.
    g.SetCells(1, 3, "n/a");
    EXPECT_NO_THROW(g.ColumnStdDev(1, -1, -1));
    EXPECT_EQ(g.ColumnCustomCalc(1, 1, 8), 0);
    g.OnColumnCalc = [](TObject*, int ACol, int From, int To, double& Res) { Res = ACol * 100 + From * 10 + To; };
    EXPECT_EQ(g.ColumnCustomCalc(1, 2, 3), 123);
}

TEST_F(CalcTest, NodeSummaryAndMergedRowsCountOnlyInAGroupedGrid)
{
    Column1({"1", "10", "2", "20", "3"});
    MarkRow(2, TCellType::ctNode);
    MarkRow(4, TCellType::ctSummary);
    EXPECT_TRUE(g.IsNode(2));
    EXPECT_TRUE(g.IsSummary(4));
    g.FGroupColumn = -1;  // the grouped mark alone, no rows rebuilt
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 36);
    EXPECT_EQ(g.ColumnMax(1, -1, -1), 20);
    g.FGroupColumn = 1;  // the grouped mark alone, no rows rebuilt
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 6);
    EXPECT_EQ(g.ColumnAvg(1, -1, -1), 2);
    EXPECT_EQ(g.ColumnMax(1, -1, -1), 3);
    EXPECT_EQ(g.ColumnDistinct(1, -1, -1), 3);
    // The first row not counting is no start value either.
    g.SetCells(1, 1, "x");
    EXPECT_EQ(g.ColumnMin(1, 2, 5), 2);
    // A cell covered by a merge does not count.
    g.FGroupColumn = -1;  // the grouped mark alone, no rows rebuilt
    g.MergeCells(1, 2, 1, 2);
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 0 + 10 + 20 + 3);
}

TEST_F(CalcTest, RealRowsWithHiddenRows)
{
    // 10 data rows 1..10 holding their row numbers; 3, 6 and 7 hidden.
    g.SetColCount(3);
    g.SetRowCount(11);
    for (int r = 1; r <= 10; ++r)
        g.SetCells(1, r, String::number(r));
    g.HideRow(7);
    g.HideRow(6);
    g.HideRow(3);
    EXPECT_EQ(g.RowCount(), 8);
    // Display rows: 1 2 4 5 8 9 10.
    EXPECT_EQ(g.ColumnSum(1, 1, 7), 39);
    // Past the display rows: real rows, hidden ones included.
    EXPECT_EQ(g.ColumnSum(1, 1, 10), 55);
    EXPECT_EQ(g.ColumnSum(1, 3, 8), 3 + 4 + 5 + 6 + 7 + 8);
    EXPECT_EQ(g.ColumnMax(1, 1, 10), 10);
    EXPECT_EQ(g.ColumnMin(1, 6, 10), 6);
    EXPECT_EQ(g.ColumnDistinct(1, 1, 10), 10);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 1, 10), 5.5);
    // A hidden row always counts; a shown node row of a grouped grid not.
    MarkRow(2, TCellType::ctNode);  // display row 2 = real row 2
    g.FGroupColumn = 1;  // the grouped mark alone, no rows rebuilt
    EXPECT_EQ(g.ColumnSum(1, 1, 10), 53);
    g.FGroupColumn = -1;  // the grouped mark alone, no rows rebuilt
    // The progress hook: start, one per counted row, end.
    struct TProbe : TDataGrid {
        using TDataGrid::TDataGrid;
        std::vector<std::pair<int, int>> Calls;
        void ExportNotification(int S, int R) override { Calls.emplace_back(S, R); }
    } p{nullptr};
    p.SetRowCount(4);
    p.ColumnSum(1, 1, 3);
    EXPECT_EQ(p.Calls, (std::vector<std::pair<int, int>>{{0, 1}, {5, 1}, {5, 2}, {5, 3}, {2, -1}}));
}

TEST_F(CalcTest, RowCalculations)
{
    g.SetColCount(5);
    g.SetRowCount(3);
    const char* texts[] = {"", "4", "x", "1", "7"};
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 1, texts[c]);
    EXPECT_EQ(g.RowSum(1, 1, 4), 12);
    EXPECT_EQ(g.RowAvg(1, 1, 4), 3);
    EXPECT_EQ(g.RowMin(1, 1, 4), 1);
    EXPECT_EQ(g.RowMax(1, 1, 4), 7);
    EXPECT_EQ(g.RowMin(1, 3, 2), 1);
    EXPECT_EQ(g.RowSum(1, 4, 1), 0);
    // A start cell asked for explicitly must hold a number.
    try {
        g.RowMin(1, 2, 4);
        ADD_FAILURE();
    } catch (const EVynGridError& e) {
        EXPECT_EQ(e.Message(), "Cell does not contain a float value");
    }
    EXPECT_THROW(g.RowMax(1, 2, 4), EVynGridError);
}

TEST_F(CalcTest, SelectionQueries)
{
    FillGrid(g, 4, 5);
    g.SelectCells(2, 3, 1, 2);
    EXPECT_TRUE(g.IsSelected(1, 2));
    EXPECT_TRUE(g.IsSelected(2, 3));
    EXPECT_FALSE(g.IsSelected(3, 3));
    // A fixed cell never is.
    g.SelectCells(0, 0, 3, 4);
    EXPECT_FALSE(g.IsSelected(0, 2));
    EXPECT_FALSE(g.IsSelected(2, 0));
    // 2 x 2 with a multi-line cell.
    g.SetCells(1, 1, "a");
    g.SetCells(2, 1, "b\r\nc");
    g.SetCells(1, 2, "d");
    g.SetCells(2, 2, "{\\rtf1\\ansi e\\par f}");
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\r\nd\te\r\nf");
    g.SetExcelClipboardFormat(true);
    EXPECT_EQ(g.SelectedText(), "a\t\"b\x0B" "c\"\r\nd\t\"e\x0B" "f\"");
    // Disjunct row selection: every selected row, whatever the rectangle.
    g.SetExcelClipboardFormat(false);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetRowSelect(3, true);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\r\n1:3\t2:3");
}

TEST(Calculations, IsSelectedPastRow65535)
{
    TDataGrid g{nullptr};
    g.SetColCount(3);
    g.SetRowCount(70010);
    g.SelectCells(1, 70000, 2, 70000);
    EXPECT_TRUE(g.IsSelected(1, 70000));
    EXPECT_FALSE(g.IsSelected(1, 70000 - 65536));
    EXPECT_FALSE(g.IsSelected(1, 69999));
}

TEST_F(CalcTest, AutoNumbering)
{
    struct Case {
        int Start, Offset;
        bool Descending;
        std::vector<String> Want;
    };
    const Case cases[] = {
        {0, 0, false, {"1", "2", "3", "4"}},
        {0, 0, true, {"4", "3", "2", "1"}},
        {2, 0, false, {"", "", "3", "4"}},
        {0, 10, false, {"11", "12", "13", "14"}},
        {2, 0, true, {"4", "3", "", ""}},
    };
    for (const Case& c : cases) {
        TDataGrid grid{nullptr};
        grid.SetColCount(3);
        grid.SetRowCount(5);
        grid.AutoNumberStart = c.Start;
        grid.AutoNumberOffset = c.Offset;
        grid.AutoNumberDescending = c.Descending;
        grid.AutoNumberCol(1);
        std::vector<String> got;
        for (int r = 1; r < 5; ++r)
            got.push_back(grid.Cells(1, r));
        EXPECT_EQ(got, c.Want) << c.Start << " " << c.Offset << " " << c.Descending;
    }
    TDataGrid grid{nullptr};
    grid.SetColCount(4);
    grid.SetRowCount(2);
    grid.AutoNumberRow(1);
    EXPECT_EQ(grid.Cells(1, 1) + grid.Cells(2, 1) + grid.Cells(3, 1), "123");
}

TEST_F(CalcTest, SwappingColumnsAndRows)
{
    FillGrid(g, 5, 6);
    g.SetColWidths(1, 30);
    g.SetColWidths(3, 90);
    g.SetColors(3, 2, clRed);
    g.SortSettings()->SetColumn(3);
    g.HideRow(4);
    g.SwapColumns(1, 3);
    EXPECT_EQ(g.Cells(1, 2), "3:2");
    EXPECT_EQ(g.Cells(3, 2), "1:2");
    EXPECT_EQ(g.Colors(1, 2), clRed);
    EXPECT_EQ(g.Colors(3, 2), clNone);
    EXPECT_EQ(g.ColWidths(1), 90);
    EXPECT_EQ(g.ColWidths(3), 30);
    EXPECT_EQ(g.SortSettings()->Column(), 1);
    // The hidden row's cells changed places too.
    g.UnHideRow(4);
    EXPECT_EQ(g.Cells(1, 4), "3:4");
    EXPECT_EQ(g.Cells(3, 4), "1:4");
    // Rows: texts, properties and heights.
    g.SetRowHeights(2, 40);
    g.SwapRows(2, 5);
    EXPECT_EQ(g.Cells(3, 5), "1:2");
    EXPECT_EQ(g.Colors(1, 5), clRed);
    EXPECT_EQ(g.RowHeights(5), 40);
    EXPECT_EQ(g.RowHeights(2), g.DefaultRowHeight());
    g.SetColors(1, 5, clBlue);
    EXPECT_EQ(g.Colors(1, 5), clBlue);
    // Out of range: nothing.
    g.SwapRows(2, 6);
    g.SwapColumns(1, 9);
    EXPECT_EQ(g.Cells(3, 2), "1:5");
    // The sort step counts.
    const int swaps = g.Swaps;
    g.SortSwapRows(1, 2);
    EXPECT_EQ(g.Swaps, swaps + 1);
    EXPECT_EQ(g.Cells(3, 1), "1:5");
}
