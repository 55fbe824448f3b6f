// Automatic sizing: the width rule with an injected text measurer (offsets,
// limits, growing only, merged cells, the combo, filter and sort
// allowances, a column's automatic limits), the row height by lines, the
// columns fitted to the control, and the rule with a real font as the cell
// painter measures it.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "data_grid_fixture.h"
#include "grid/core/column_grid.h"
#include "grid/core/column_size.h"
#include "grid/core/column_items.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"

namespace {

// Filter buttons in row 0 of column 1.
class TFilterGrid : public TDataGrid {
public:
    using TDataGrid::TDataGrid;
    bool IsFilterRow(int ARow) override { return ARow == 0; }
    bool HasColumnFilter(int ACol) override { return ACol == 1; }
};

// Every cell measures 10 x 13 pixels, cell (1, 2) 60 x 13.
template <typename G>
void MeasureSixtyAt(G& Grid, int ACol = 1, int ARow = 2)
{
    Grid.SizeTextMeasure = [ACol, ARow](int, int RealCol, int Row) {
        return RealCol == ACol && Row == ARow ? TPoint(60, 13) : TPoint(10, 13);
    };
}

struct SizingTest : ::testing::Test {
    TFilterGrid g{nullptr};
    SizingTest()
    {
        FillGrid(g, 4, 6);
        MeasureSixtyAt(g);
    }
};

}  // namespace

TEST_F(SizingTest, WidthRuleWithOffsetsLimitsAndGrowOnly)
{
    struct Case {
        const char* Name;
        std::function<void(TFilterGrid&)> Setup;
        int StartWidth;
        int Want;
    };
    const Case cases[] = {
        {"start values: 60 + 4 + 2 + 2", [](TFilterGrid&) {}, 30, 68},
        {"offset at the top left only", [](TFilterGrid& G) { G.SetXYOffsetTopLeftOnly(true); }, 30, 66},
        {"narrower than before", [](TFilterGrid&) {}, 120, 68},
        {"grow only keeps a wider column", [](TFilterGrid& G) { G.SetSizeGrowOnly(true); }, 120, 120},
        {"grow only widens a narrower one", [](TFilterGrid& G) { G.SetSizeGrowOnly(true); }, 30, 68},
        {"minimum raises", [](TFilterGrid& G) { G.SetMinColWidth(80); }, 30, 80},
        {"minimum = maximum: no limits",
         [](TFilterGrid& G) {
             G.SetMinColWidth(80);
             G.SetMaxColWidth(80);
         },
         30, 68},
        {"maximum lowers", [](TFilterGrid& G) { G.SetMaxColWidth(50); }, 30, 50},
        {"the hook has the last word",
         [](TFilterGrid& G) { G.OnUpdateColumnSize = [](TObject*, int, int& W) { W += 5; }; }, 30, 73},
        {"a wider grid line", [](TFilterGrid& G) { G.SetGridLineWidth(2); }, 30, 70},
    };
    for (const Case& c : cases) {
        TFilterGrid grid{nullptr};
        FillGrid(grid, 4, 6);
        MeasureSixtyAt(grid);
        c.Setup(grid);
        grid.SetColWidths(1, c.StartWidth);
        grid.AutoSizeCol(1, 0);
        EXPECT_EQ(grid.ColWidths(1), c.Want) << c.Name;
    }
}

TEST_F(SizingTest, PaddingRowsMeasuredAndMergedCells)
{
    // Padding after the rule, within the limits.
    g.AutoSizeCol(1, 10);
    EXPECT_EQ(g.ColWidths(1), 78);
    g.SetMaxColWidth(75);
    g.AutoSizeCol(1, 10);
    EXPECT_EQ(g.ColWidths(1), 75);
    g.SetMaxColWidth(0);
    // Only the fixed rows: the wide cell is not measured.
    g.ColumnSize()->SetRows(TAutoSizeRows::arFixed);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 18);
    g.ColumnSize()->SetRows(TAutoSizeRows::arNormal);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 68);
    // A cell spanning two columns widens neither.
    g.ColumnSize()->SetRows(TAutoSizeRows::arAll);
    g.MergeCells(1, 2, 2, 1);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 18);
    g.AutoSizeCol(2, 0);
    EXPECT_EQ(g.ColWidths(2), 18);
    // Columns out of range do nothing.
    g.AutoSizeCol(-1, 0);
    g.AutoSizeCol(4, 0);
}

TEST_F(SizingTest, ComboFilterAndSortAllowances)
{
    // The combo: only while drop-downs are always shown.
    g.OnHasComboBox = [](TObject*, int, int ARow, bool& Has) { Has = ARow == 2; };
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 68);
    g.ControlLook()->SetDropDownAlwaysVisible(true);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 84);
    g.ControlLook()->SetDropDownAlwaysVisible(false);
    // The filter button beside the widest cell, in the header.
    MeasureSixtyAt(g, 1, 0);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 68);
    g.SetFilterDropDownAuto(true);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 80);
    g.SetFilterDropDownAuto(false);
    // The sort glyph in the header of the sort column.
    g.SortSettings()->SetShow(true);
    g.SortSettings()->SetColumn(1);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 78);
    g.SortSettings()->SetColumn(2);
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), 68);
}

TEST(Sizing, ColumnGridAutomaticMaximum)
{
    TVynColumnGrid cg{nullptr};
    cg.SetColCount(3);
    cg.SetRowCount(4);
    MeasureSixtyAt(cg);
    cg.AutoSizeCol(1, 0);
    EXPECT_EQ(cg.ColWidths(1), 68);
    cg.Columns()->Items(1)->SetAutoMaxSize(50);
    cg.AutoSizeCol(1, 0);
    EXPECT_EQ(cg.ColWidths(1), 50);
    cg.OnUpdateColumnSize = [](TObject*, int, int& W) { W = 55; };
    cg.AutoSizeCol(1, 0);
    EXPECT_EQ(cg.ColWidths(1), 55);
}

TEST(Sizing, RowHeights)
{
    TDataGrid g{nullptr};
    FillGrid(g, 3, 4);
    g.SizeLineHeight = [](const TFont&) { return 13; };
    g.SetRowHeightForLines(2, 2, 4);
    EXPECT_EQ(g.RowHeights(2), 32);
    g.SetMinRowHeight(40);
    g.SetRowHeightForLines(2, 2, 4);
    EXPECT_EQ(g.RowHeights(2), 40);
    g.SetMinRowHeight(0);
    // AutoSizeRow: the tallest cell + 4 + 2; rows past the end do nothing.
    g.SizeTextMeasure = [](int, int, int Row) { return TPoint(10, Row == 1 ? 30 : 13); };
    g.AutoSizeRow(1, 0);
    EXPECT_EQ(g.RowHeights(1), 36);
    g.AutoSizeRow(1, 4);
    EXPECT_EQ(g.RowHeights(1), 40);
    g.AutoSizeRow(9, 0);
    // AutoSizeRows without word wrap: by the lines of the row.
    g.SetWordWrap(false);
    g.SetMultilinecells(true);
    g.SetCells(1, 3, "a\r\nb\r\nc");
    g.AutoSizeRows(false, 0);
    EXPECT_EQ(g.RowHeights(3), 3 * 14);
    EXPECT_EQ(g.RowHeights(2), 14);
}

TEST(Sizing, AutoSizeCellsGrowsColumnsAndRows)
{
    TDataGrid g{nullptr};
    FillGrid(g, 3, 4);
    g.SizeTextMeasure = [](int, int Col, int Row) { return Col == 2 && Row == 2 ? TPoint(90, 40) : TPoint(10, 13); };
    g.AutoSizeCells(false, 3, 1);
    EXPECT_EQ(g.ColWidths(2), 90 + 3 + 2);
    EXPECT_EQ(g.RowHeights(2), 40 + 1 + 2);
    // Rows only ever grow here.
    EXPECT_EQ(g.RowHeights(3), g.DefaultRowHeight());
    EXPECT_EQ(g.UpdateCount(), 0);
}

TEST(Sizing, AutoFitColumns)
{
    struct Case {
        const char* Name;
        std::vector<int> Widths;
        int ControlWidth;
        std::vector<int> Want;
    };
    const Case cases[] = {
        {"proportional", {100, 300}, 800, {200, 600}},
        {"already fitting", {100, 300}, 400, {100, 300}},
        {"the remainder to the widest", {100, 100, 100}, 301, {101, 100, 100}},
        {"halves to even, the rest to the first widest", {1, 1}, 5, {3, 2}},
        {"shrinking", {300, 500}, 400, {150, 250}},
        {"no width to keep a proportion of", {0, 0}, 10, {5, 5}},
    };
    for (const Case& c : cases) {
        TDataGrid g{nullptr};
        g.SetColCount(int(c.Widths.size()));
        g.SetFixedCols(0);
        g.SetBorderStyle(bsNone);
        g.SetScrollBars(ssNone);
        TGridOptions o = g.Options();
        o.Exclude(goVertLine);
        o.Exclude(goFixedVertLine);
        g.SetOptions(o);
        g.SetBounds(0, 0, c.ControlWidth, 200);
        for (size_t i = 0; i < c.Widths.size(); ++i)
            g.SetColWidths(int(i), c.Widths[i]);
        g.AutoFitColumns(false);
        std::vector<int> got;
        for (int i = 0; i < g.ColCount(); ++i)
            got.push_back(g.ColWidths(i));
        EXPECT_EQ(got, c.Want) << c.Name;
    }
}

TEST(Sizing, SizeToCells)
{
    TDataGrid g{nullptr};
    FillGrid(g, 3, 4);
    g.SetBorderStyle(bsNone);
    g.SizeToCells();
    EXPECT_EQ(g.ClientWidth(), 3 * g.DefaultColWidth());
    EXPECT_EQ(g.ClientHeight(), 4 * g.DefaultRowHeight());
    EXPECT_EQ(g.ScrollBars(), ssBoth);
}

// The width of a real font as the cell painter lays the text out: the plain
// fast path and the painter agree, for the grid font and a cell font.
TEST(Sizing, BundledFontMeasuredAsPainted)
{
    TDataGrid g{nullptr};
    FillGrid(g, 3, 4);
    g.Font().SetName("DejaVu Sans");
    g.Font().SetSize(10);
    const String text = "Configuration 0x7000 bank";
    g.SetCells(1, 2, text);
    g.AutoSizeCol(1, 0);
    const int w = QFontMetrics(g.Font().Measure().Font()).horizontalAdvance(text);
    EXPECT_GT(w, 100);
    EXPECT_EQ(g.ColWidths(1), w + 8);
    EXPECT_EQ(g.ColWidths(1), g.CalcCellTextSize(1, 1, 2, false, false).X + 8);
    // A bold cell and an HTML cell measure as the painter measures them.
    g.SetFontStyles(1, 3, TFontStyles{fsBold});
    g.SetCells(1, 3, text + " more");
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), g.CalcCellTextSize(1, 1, 3, false, false).X + 8);
    g.SetEnableHTML(true);
    g.SetCells(1, 3, "<b>" + text + "</b> and more text");
    g.AutoSizeCol(1, 0);
    EXPECT_EQ(g.ColWidths(1), g.CalcCellTextSize(1, 1, 3, false, false).X + 8);
}

TEST(Sizing, CellOffsetsAndLines)
{
    TDataGrid g{nullptr};
    FillGrid(g, 4, 3);
    EXPECT_EQ(g.CellOffsetX(), 4);
    EXPECT_EQ(g.CellOffsetY(), 4);
    g.SetXYOffsetTopLeftOnly(true);
    EXPECT_EQ(g.CellOffsetX(), 2);
    EXPECT_EQ(g.CellOffsetY(), 2);
    g.SetCells(1, 1, "a\r\nb\r\nc");
    g.SetCells(2, 1, "x");
    g.SetCells(3, 1, "");
    EXPECT_EQ(g.MaxLinesInRow(1), 1);
    g.SetMultilinecells(true);
    EXPECT_EQ(g.MaxLinesInRow(1), 3);
    EXPECT_EQ(g.MaxLinesInRow(2), 1);
}
