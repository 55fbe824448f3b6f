// The grid's defaults and the rules of its count, fixed-count and size setters.
#include "grid_fixture.h"

TEST(GridDefaults, APlainGridHasThePlatformDefaults)
{
    TStringGrid g(nullptr);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.DefaultColWidth(), 64);
    EXPECT_EQ(g.DefaultRowHeight(), 24);
    EXPECT_EQ(g.GridLineWidth(), 1);
    EXPECT_TRUE(g.DefaultDrawing());
    EXPECT_EQ(g.Options(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
    EXPECT_EQ(g.ScrollBars(), ssBoth);
    EXPECT_EQ(g.BorderStyle(), bsSingle);
    EXPECT_EQ(g.Color(), clWindow);
    EXPECT_EQ(g.FixedColor(), clBtnFace);
    EXPECT_EQ(g.Width(), 320);
    EXPECT_EQ(g.Height(), 120);
    EXPECT_TRUE(g.TabStop());
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.LeftCol(), 1);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.InplaceEditor(), nullptr);
    // The border lies outside the client area, and so do the scroll bars
    // the 5 x 5 cells need in 320 x 120 pixels.
    EXPECT_EQ(g.BorderWidth(), 2);
    EXPECT_TRUE(g.VertScrollBarVisible());
    EXPECT_TRUE(g.HorzScrollBarVisible());
    EXPECT_EQ(g.ClientRect(), Rect(0, 0, 299, 99));
}

TEST(GridDimensions, CountSettersFollowThePlatformRules)
{
    struct Case {
        const char* what;
        int fixedCols, fixedRows;  // before
        bool setCols;
        int value;
        int count, fixed;  // after
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"rows grow", 1, 1, false, 8, 8, 1, {"SizeChanged 5,5"}},
        {"rows shrink below the fixed rows", 1, 3, false, 2, 2, 1, {"DropCells 0,2,4,4", "SizeChanged 5,5"}},
        {"rows to 0 become 1 with no fixed row", 1, 1, false, 0, 1, 0, {"DropCells 0,1,4,4", "SizeChanged 5,5"}},
        {"rows negative", 1, 1, false, -7, 1, 0, {"DropCells 0,1,4,4", "SizeChanged 5,5"}},
        {"rows unchanged fire nothing", 1, 1, false, 5, 5, 1, {}},
        {"cols shrink below the fixed columns", 4, 1, true, 3, 3, 2, {"SizeChanged 5,5"}},
        {"cols to 0 become 1", 1, 1, true, 0, 1, 0, {"SizeChanged 5,5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TRecordingGrid g(nullptr);
        g.SetFixedCols(c.fixedCols);
        g.SetFixedRows(c.fixedRows);
        g.Clear();
        if (c.setCols)
            g.SetColCount(c.value);
        else
            g.SetRowCount(c.value);
        EXPECT_EQ(c.setCols ? g.ColCount() : g.RowCount(), c.count);
        EXPECT_EQ(c.setCols ? g.FixedCols() : g.FixedRows(), c.fixed);
        std::vector<std::string> log;
        for (const auto& l : g.Log)
            if (l.rfind("TopLeftChanged", 0) != 0)
                log.push_back(l);
        EXPECT_EQ(log, c.log);
        // The current cell stays inside the grid and out of the fixed area.
        EXPECT_GE(g.Col(), g.FixedCols());
        EXPECT_LT(g.Col(), g.ColCount());
        EXPECT_GE(g.Row(), g.FixedRows());
        EXPECT_LT(g.Row(), g.RowCount());
    }
}

TEST(GridDimensions, AFixedCountNotBelowTheCountRaises)
{
    TStringGrid g(nullptr);
    g.SetFixedRows(4);
    EXPECT_EQ(g.FixedRows(), 4);
    try {
        g.SetFixedRows(5);
        FAIL() << "no error";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_EQ(e.Message(), "Fixed row count must be less than row count");
    }
    try {
        g.SetFixedCols(7);
        FAIL() << "no error";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_EQ(e.Message(), "Fixed column count must be less than column count");
    }
    EXPECT_THROW(g.SetFixedCols(-1), EInvalidGridOperation);
    EXPECT_EQ(g.FixedRows(), 4);
    EXPECT_EQ(g.FixedCols(), 1);
    // Zero fixed rows and columns are fine; the current cell goes to the
    // first scrollable cell.
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    EXPECT_EQ(g.Col(), 0);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 0, 0, 0}));
}

TEST(GridDimensions, DefaultSizesResetEveryColumnAndRow)
{
    TRecordingGrid g(nullptr);
    g.SetRowHeights(0, 40);
    g.SetRowHeights(3, 10);
    g.SetColWidths(2, 90);
    g.Clear();
    // Also when the default does not change: every row, the fixed one too.
    g.SetDefaultRowHeight(24);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(g.RowHeights(r), 24) << r;
    g.SetDefaultColWidth(30);
    for (int c = 0; c < g.ColCount(); ++c)
        EXPECT_EQ(g.ColWidths(c), 30) << c;
    EXPECT_EQ(g.Log, (std::vector<std::string>{"RowHeightsChanged", "ColWidthsChanged"}));
    // New rows and columns take the defaults.
    g.SetDefaultRowHeight(18);
    g.SetRowCount(7);
    EXPECT_EQ(g.RowHeights(6), 18);
}

TEST(GridDimensions, SizeSettersFireOnlyOnChange)
{
    TRecordingGrid g(nullptr);
    g.SetColWidths(1, 80);
    g.SetColWidths(1, 80);
    g.SetRowHeights(2, 0);
    g.SetColWidths(3, -5);
    EXPECT_EQ(g.ColWidths(3), 0);
    EXPECT_EQ(g.Log, (std::vector<std::string>{"ColWidthsChanged", "RowHeightsChanged", "ColWidthsChanged"}));
    EXPECT_THROW(g.ColWidths(5), EInvalidGridOperation);
    EXPECT_THROW(g.SetRowHeights(-1, 3), EInvalidGridOperation);
}

TEST(GridDimensions, LineWidthZeroLetsCellsTouchAndLineOptionsTakeTheirGap)
{
    TStringGrid g(nullptr);
    g.SetBorderStyle(bsNone);
    EXPECT_EQ(g.CellRect(2, 2), Rect(130, 50, 194, 74));
    g.SetGridLineWidth(0);
    EXPECT_EQ(g.CellRect(2, 2), Rect(128, 48, 192, 72));
    g.SetGridLineWidth(3);
    EXPECT_EQ(g.CellRect(2, 2), Rect(134, 54, 198, 78));
    // Without vertical lines between scrollable cells, only the fixed
    // column keeps its gap.
    g.SetOptions(g.Options() - TGridOptions{goVertLine});
    EXPECT_EQ(g.CellRect(2, 2), Rect(131, 54, 195, 78));
    EXPECT_EQ(g.CellRect(1, 2), Rect(67, 54, 131, 78));
}

TEST(GridDimensions, ChangeScaleSeparatesControlAndCellSizes)
{
    TRecordingGrid g(nullptr);
    g.SetColWidths(2, 100);
    g.Clear();
    g.ChangeScale(3, 2);
    EXPECT_EQ(g.Width(), 480);
    EXPECT_EQ(g.Height(), 180);
    EXPECT_EQ(g.ColWidths(2), 150);
    EXPECT_EQ(g.ColWidths(0), 96);
    EXPECT_EQ(g.RowHeights(1), 36);
    EXPECT_EQ(g.DefaultRowHeight(), 36);

    // A grid that keeps its cell sizes scales only the control.
    struct TKeepSizes : TStringGrid {
        using TStringGrid::TStringGrid;
        void ChangeScale(int M, int D) override { ScaleControl(M, D); }
    } k(nullptr);
    k.ChangeScale(2, 1);
    EXPECT_EQ(k.Width(), 640);
    EXPECT_EQ(k.ColWidths(1), 64);
}

TEST(GridDimensions, ColumnWidthsInBulk)
{
    TRecordingGrid g(nullptr);
    g.SetColCount(6);
    g.SetColWidths(2, 90);
    g.SetColWidths(5, 10);
    g.Clear();
    EXPECT_EQ(g.ColWidthsSum(0, 6), 64 * 4 + 90 + 10);
    EXPECT_EQ(g.ColWidthsSum(2, 5), 90 + 64 + 64);
    EXPECT_EQ(g.ColWidthsSum(3, 3), 0);
    EXPECT_EQ(g.ColWidthsRange(1, 4), (std::vector<int>{64, 90, 64}));
    // Several widths, one notification; negative ones taken as 0.
    g.SetColWidthsRange(3, {20, -4, 30});
    EXPECT_EQ(g.ColWidthsRange(0, 6), (std::vector<int>{64, 64, 90, 20, 0, 30}));
    EXPECT_EQ(g.Log, std::vector<std::string>{"ColWidthsChanged"});
    // Nothing changed, nothing notified.
    g.SetColWidthsRange(0, {64, 64});
    g.SetColWidthsRange(6, {});
    EXPECT_EQ(g.Log, std::vector<std::string>{"ColWidthsChanged"});
    // A range past the columns raises and changes nothing.
    EXPECT_THROW(g.ColWidthsSum(0, 7), EInvalidGridOperation);
    EXPECT_THROW(g.ColWidthsSum(4, 3), EInvalidGridOperation);
    EXPECT_THROW(g.ColWidthsRange(-1, 2), EInvalidGridOperation);
    EXPECT_THROW(g.SetColWidthsRange(5, {1, 2}), EInvalidGridOperation);
    EXPECT_EQ(g.ColWidths(5), 30);
}
