// The cell store: texts through merges and hooks, property objects, merging
// and splitting, clearing, and who frees what.
#include <gtest/gtest.h>

#include "cell_store_fixture.h"
#include "grid/core/grid_text.h"

namespace {

struct CellStore : ::testing::Test {
    TTestGrid grid{nullptr};
    CellStore()
    {
        grid.SetColCount(6);
        grid.SetRowCount(6);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                grid.SetGridCells(c, r, QString("%1%2").arg(c).arg(r));
    }
    std::string Text(int C, int R) { return grid.Cells(C, R).toStdString(); }
};

TEST_F(CellStore, NewGridDefaults)
{
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.TStringGrid::GridLineWidth(), 0);
    EXPECT_FALSE(grid.DefaultDrawing());
    EXPECT_FALSE(grid.TStringGrid::DefaultDrawing());
    grid.SetDefaultDrawing(true);
    grid.SetGridLineWidth(3);
    EXPECT_TRUE(grid.DefaultDrawing());
    EXPECT_FALSE(grid.TStringGrid::DefaultDrawing());
    EXPECT_EQ(grid.TStringGrid::GridLineWidth(), 0);
    EXPECT_EQ(grid.GridLineColor(), TColor(0xC0C0C0));
    EXPECT_EQ(grid.GridFixedLineColor(), TColor(0x808080));
    EXPECT_EQ(grid.PaintID(), 1);
    EXPECT_EQ(grid.ActiveRowColor(), clInfoBk);
    EXPECT_EQ(grid.SelectionStyle(), TGridSelectionStyle::ssDefault);
    EXPECT_TRUE(grid.WordWrap());
    EXPECT_FALSE(grid.HasCellProps());
}

TEST_F(CellStore, MergeSpansBaseCellsAndExtents)
{
    grid.MergeCells(1, 1, 3, 2);
    struct Case {
        int c, r;
        bool base;
        int spanX, spanY;  // of the cell's own property object
        TPoint baseCell, cellSpan, cellExt;
    };
    const Case cases[] = {
        {1, 1, true, 2, 1, {1, 1}, {2, 1}, {2, 1}},
        {2, 1, false, 1, 0, {1, 1}, {2, 1}, {1, 1}},
        {3, 2, false, 2, 1, {1, 1}, {2, 1}, {0, 0}},
        {1, 2, false, 0, 1, {1, 1}, {2, 1}, {2, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.c << "," << k.r);
        const TCellProperties* p = grid.GetCellProperties(k.c, k.r);
        EXPECT_EQ(p->IsBaseCell(), k.base);
        EXPECT_EQ(p->CellSpanX(), k.spanX);
        EXPECT_EQ(p->CellSpanY(), k.spanY);
        EXPECT_EQ(grid.BaseCell(k.c, k.r), k.baseCell);
        EXPECT_EQ(grid.CellSpan(k.c, k.r), k.cellSpan);
        EXPECT_EQ(grid.CellExt(k.c, k.r), k.cellExt);
        EXPECT_TRUE(grid.IsMergedCell(k.c, k.r));
        EXPECT_EQ(grid.IsMergedNonBaseCell(k.c, k.r), !k.base);
        EXPECT_TRUE(grid.IsXMergedCell(k.c, k.r));
        EXPECT_TRUE(grid.IsYMergedCell(k.c, k.r));
    }
    EXPECT_EQ(grid.FullCell(3, 2), (TRect{1, 1, 3, 2}));
    EXPECT_EQ(grid.MergeCount(), 1);
    // Outside the merge, and a cell without properties.
    EXPECT_EQ(grid.BaseCell(4, 1), (TPoint{4, 1}));
    EXPECT_TRUE(grid.IsBaseCell(4, 1));
    EXPECT_EQ(grid.CellSpan(4, 1), (TPoint{0, 0}));
    EXPECT_FALSE(grid.IsMergedCell(4, 1));
    int bc = -1, br = -1;
    EXPECT_FALSE(grid.GetBaseCellOf(2, 2, bc, br));
    EXPECT_EQ(bc, 1);
    EXPECT_EQ(br, 1);
    // A one-cell merge is no merged cell.
    grid.MergeCells(5, 5, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(5, 5));
    EXPECT_EQ(grid.GetCellProperties(5, 5)->CellSpanX(), 0);
}

TEST_F(CellStore, WritesGoToTheBaseCellAndOldTextsReturnAfterSplit)
{
    grid.MergeCells(1, 1, 3, 2);
    grid.SetCells(3, 2, "merged");
    EXPECT_EQ(grid.GridCells(1, 1).toStdString(), "merged");
    EXPECT_EQ(grid.GridCells(3, 2).toStdString(), "32");
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(Text(c, r), "merged") << c << "," << r;
    grid.SplitCells(2, 2);
    EXPECT_EQ(Text(1, 1), "merged");
    EXPECT_EQ(Text(3, 2), "32");
    EXPECT_EQ(Text(2, 1), "21");
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_EQ(grid.MergeCount(), 0);
}

TEST_F(CellStore, MergeAndSplitFaultsDecided)
{
    // Spans below 1: nothing, the counter neither.
    grid.MergeCells(1, 1, 0, 2);
    grid.MergeCells(1, 1, 2, -1);
    EXPECT_EQ(grid.MergeCount(), 0);
    EXPECT_FALSE(grid.HasCellProps());
    // Outside the grid: "Invalid cell", nothing changed.
    struct Bad {
        int c, r, sx, sy;
    };
    for (const Bad& b : {Bad{-1, 0, 2, 2}, Bad{5, 0, 2, 1}, Bad{0, 5, 1, 2}, Bad{6, 6, 1, 1}}) {
        try {
            grid.MergeCells(b.c, b.r, b.sx, b.sy);
            ADD_FAILURE() << "no exception for " << b.c << "," << b.r;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message().toStdString(), "Invalid cell");
        }
    }
    EXPECT_EQ(grid.MergeCount(), 0);
    // Splitting an unmerged cell: no counter below 0, no spans changed.
    grid.SplitCells(2, 2);
    EXPECT_EQ(grid.MergeCount(), 0);
    EXPECT_EQ(grid.CellSpan(2, 2), (TPoint{0, 0}));
    // An overlapping merge splits the older one first.
    grid.MergeCells(0, 0, 3, 3);
    grid.MergeCells(2, 2, 2, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_FALSE(grid.IsMergedCell(0, 0));
    EXPECT_EQ(grid.BaseCell(3, 3), (TPoint{2, 2}));
    EXPECT_EQ(grid.BaseCell(1, 1), (TPoint{1, 1}));
    // Other operations outside the grid.
    EXPECT_THROW(grid.GetCellProperties(6, 0), Exception);
    EXPECT_THROW(grid.GetCellProperties(0, -1), Exception);
    EXPECT_THROW(grid.SetCellProperties(0, 6, nullptr), Exception);
    EXPECT_THROW(grid.SetObjectEx(7, 0, nullptr), Exception);
    EXPECT_THROW(grid.SetGraphicObjectEx(0, 9, nullptr), Exception);
    EXPECT_THROW(grid.SplitCells(6, 6), Exception);
    // Reads outside never raise.
    EXPECT_FALSE(grid.HasCellProperties(6, 0));
    EXPECT_EQ(grid.GetObjectEx(10, 10), nullptr);
    EXPECT_TRUE(grid.IsBaseCell(-3, 2));
}

TEST_F(CellStore, RowAndColumnSpanIdentical)
{
    // Rows: only rows merged vertically in the same merge.
    EXPECT_FALSE(grid.RowSpanIdentical(1, 2));  // no vertical merges at all
    grid.MergeCells(1, 1, 1, 2);
    EXPECT_TRUE(grid.RowSpanIdentical(1, 2));
    grid.MergeCells(3, 0, 1, 2);  // column 3: rows 0..1 and rows 2..3, two merges
    grid.MergeCells(3, 2, 1, 2);
    EXPECT_FALSE(grid.RowSpanIdentical(1, 2));
    EXPECT_FALSE(grid.RowSpanIdentical(0, 5));

    // Columns: also refuses rows where one side is unmerged and the other not.
    TTestGrid g(nullptr);
    g.SetColCount(5);
    g.SetRowCount(4);
    EXPECT_FALSE(g.ColSpanIdentical(1, 2));
    g.MergeCells(1, 1, 2, 1);
    EXPECT_TRUE(g.ColSpanIdentical(1, 2));
    g.MergeCells(2, 2, 2, 1);  // columns 2..3 in row 2: column 1 unmerged there
    EXPECT_FALSE(g.ColSpanIdentical(1, 2));
    // The row test has no such rule: a column merging only row 2 vertically
    // does not matter.
    TTestGrid h(nullptr);
    h.SetColCount(4);
    h.SetRowCount(5);
    h.MergeCells(1, 1, 1, 2);
    h.MergeCells(2, 2, 1, 2);
    EXPECT_TRUE(h.RowSpanIdentical(1, 2));
    EXPECT_EQ(h.MaxRowSpan(1), 1);
    EXPECT_EQ(h.MinRowSpan(0), h.RowCount());
}

TEST_F(CellStore, DisplayHooksAndWideCodingBelowNormalRowCount)
{
    grid.SetGridCells(1, 1, "ab");
    grid.SetGridCells(1, 4, "ab");
    grid.FNormalRowCount = 3;
    grid.OnGetDisplText = [](TObject*, int, int, String& V) { V += "!"; };
    EXPECT_EQ(Text(1, 1), "ab!");
    EXPECT_EQ(Text(1, 4), "ab");
    String seen;
    grid.OnGetDisplWideText = [&](TObject*, int, int, String& V) { seen = V; };
    const String coded = grid.Cells(1, 1);
    EXPECT_EQ(seen.toStdString(), "ab!");
    EXPECT_EQ(coded, EncodeWideCellText("ab!"));
    EXPECT_EQ(coded.left(2).toStdString(), "|\\");
    EXPECT_EQ(coded.length(), 2 + 6);
    EXPECT_EQ(Text(1, 4), "ab");  // at or past the normal rows: plain
    // A merge reads its base cell through the hooks.
    grid.OnGetDisplWideText = nullptr;
    grid.MergeCells(0, 1, 2, 1);
    EXPECT_EQ(Text(1, 1), "01!");
}

TEST_F(CellStore, ObjectsPropertiesAndTheNewLook)
{
    grid.SetGridCells(2, 2, "");
    // GetObjectEx creates nothing.
    EXPECT_EQ(grid.GetObjectEx(2, 2), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(2, 2));
    EXPECT_FALSE(grid.HasCellProps());
    Counted obj;
    grid.SetObjectEx(2, 2, &obj);
    EXPECT_EQ(Text(2, 2), "");
    EXPECT_EQ(grid.GetObjectEx(2, 2), &obj);
    EXPECT_TRUE(grid.HasCellProps());
    // The look of a new property object.
    grid.Font().SetName("Verdana");
    grid.Font().SetSize(11);
    grid.Font().SetColor(clRed);
    grid.SetColor(clYellow);
    grid.SetWordWrap(false);
    const TCellProperties* p = grid.GetCellProperties(3, 3);
    EXPECT_EQ(p->FontName(), grid.Font().Name());
    EXPECT_EQ(p->FontSize(), 11);
    EXPECT_EQ(p->FontColor(), clRed);
    EXPECT_EQ(p->BrushColor(), clYellow);
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_EQ(p->Alignment(), taLeftJustify);
    EXPECT_EQ(p->VAlignment(), TVAlignment::vtaTop);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->OwnerCol(), 3);
    EXPECT_EQ(p->OwnerRow(), 3);
    EXPECT_TRUE(p->IsBaseCell());
    EXPECT_EQ(p->CellSpanX(), -1);
    EXPECT_EQ(p->CellSpanY(), -1);
    EXPECT_EQ(p->CalcType(), TColumnCalcType::acNONE);
    EXPECT_EQ(p->GradientDirection(), TCellGradientDirection::GradientVertical);
    EXPECT_EQ(grid.GetCellProperties(3, 3), p);  // created once
    // The graphic slot and the raw slot.
    grid.SetGraphicObjectEx(4, 4, &obj);
    EXPECT_EQ(grid.GetGraphicObjectEx(4, 4), &obj);
    EXPECT_EQ(grid.GetPropsGraphic(grid.GetCellProperties(4, 4)), &obj);
    EXPECT_EQ(grid.GridObjects(4, 4), grid.GetCellProperties(4, 4));
    EXPECT_EQ(grid.GetGraphicObjectEx(0, 0), nullptr);
    // The caller's object leaves the cells before it ends.
    grid.SetGraphicObjectEx(4, 4, nullptr);
    grid.SetObjectEx(2, 2, nullptr);
}

TEST_F(CellStore, ClearingFreesNothing)
{
    grid.SetObjectEx(1, 1, nullptr);
    TCellProperties* p = grid.GetCellProperties(1, 1);
    grid.ClearCell(1, 1);
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_EQ(grid.GridObjects(1, 1), nullptr);
    grid.SetCellProperties(1, 1, p);  // given back: the grid owns it again
    grid.ClearRowCells(2);
    grid.ClearColCells(3);
    EXPECT_EQ(Text(0, 2), "");
    EXPECT_EQ(Text(3, 0), "");
    EXPECT_EQ(Text(0, 0), "00");
}

TEST(CellStoreOwnership, TheGridFreesPropertiesAndItsOwnGraphicsOnly)
{
    Counted::Alive = 0;
    CountedGraphic::Alive = 0;
    // A graphic of the grid's own class, whose end shows as one Counted less
    // (a multi-image graphic frees its object with itself).
    auto owned = [] {
        auto* g = new TCellGraphic;
        g->SetCellType(TCellType::ctImages);
        g->SetCellBitmap(new Counted);
        return g;
    };
    {
        TTestGrid grid(nullptr);
        grid.SetColCount(5);
        grid.SetRowCount(8);
        // Nothing made yet: FreeCellObjects does nothing at all.
        Counted foreign;
        grid.SetGridObjects(0, 0, &foreign);
        grid.FreeAllCellObjects();
        EXPECT_EQ(grid.GridObjects(0, 0), &foreign);
        grid.SetGridObjects(0, 0, nullptr);

        // A user object stays the caller's; a foreign graphic too; a
        // subclass of the grid's graphic class is foreign.
        Counted user;
        CountedGraphic sub;  // a user's subclass
        grid.SetObjectEx(1, 1, &user);
        grid.SetGraphicObjectEx(1, 2, &sub);
        grid.SetGraphicObjectEx(1, 3, owned());  // the grid's own
        grid.FreeCellObjects(0, 0, 4, 7);
        EXPECT_EQ(PropsCounter::Count(grid), 0);
        EXPECT_EQ(Counted::Alive, 2);  // foreign and user
        EXPECT_EQ(CountedGraphic::Alive, 1);

        // SetCellProperties and FreeCellProperties free the owned graphic
        // with the property object.
        grid.SetGraphicObjectEx(2, 2, owned());
        grid.SetCellProperties(2, 2, nullptr);
        EXPECT_FALSE(grid.HasCellProperties(2, 2));
        grid.SetGraphicObjectEx(2, 3, owned());
        grid.FreeCellProperties(2, 3);
        EXPECT_EQ(Counted::Alive, 2);
        grid.FreeCellProperties(9, 9);  // outside: nothing
        EXPECT_EQ(PropsCounter::Count(grid), 0);

        // Cells leaving: a shrinking row count, a deleted row, a deleted
        // column; a merge reaching into them falls apart first.
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 8; ++r)
                grid.SetGraphicObjectEx(c, r, owned());
        const int base = Counted::Alive - 40;  // the caller's objects
        auto ownedGraphics = [&] { return 40 - (Counted::Alive - base); };  // freed so far
        grid.MergeCells(1, 4, 2, 3);  // rows 4..6
        grid.SetRowCount(6);          // rows 6 and 7 leave
        EXPECT_EQ(ownedGraphics(), 10);
        EXPECT_EQ(PropsCounter::Count(grid), 30);
        EXPECT_FALSE(grid.IsMergedCell(1, 4));
        EXPECT_EQ(grid.MergeCount(), 0);
        grid.DeleteRow(2);
        EXPECT_EQ(ownedGraphics(), 15);
        grid.DeleteColumn(0);
        EXPECT_EQ(ownedGraphics(), 20);
        EXPECT_EQ(PropsCounter::Count(grid), 20);
        // Columns hidden by a smaller count are kept, and freed with the grid.
        grid.SetColCount(2);
        EXPECT_EQ(PropsCounter::Count(grid), 20);
        EXPECT_EQ(CountedGraphic::Alive, 1);
    }
    EXPECT_EQ(Counted::Alive, 0);
    EXPECT_EQ(CountedGraphic::Alive, 0);
}

}  // namespace

namespace {

// Rows moved through a merge leave its data unadjusted (the row operations
// of the string grid own that); reads, writes and geometry still never
// reach outside the grid.
TEST(CellStoreRowMoves, MergeDataPointingAwayIsNoMerge)
{
    TTestGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(8);
    grid.MergeCells(1, 1, 2, 3);  // rows 1..3
    grid.MoveRow(3, 0);           // the bottom of the merge to the top: base row -2
    EXPECT_EQ(grid.BaseCell(1, 0), (TPoint{1, 0}));
    EXPECT_NO_THROW(grid.Cells(1, 0));
    EXPECT_NO_THROW(grid.SetCells(2, 0, "x"));
    EXPECT_NO_THROW(grid.CellRect(1, 0));
    grid.DeleteRow(0);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < grid.RowCount(); ++r)
            EXPECT_NO_THROW(grid.Cells(c, r));
    EXPECT_NO_THROW(grid.PaintToImage());
}

}  // namespace
