// Column stretching, the end of a mouse resize, the owner form's resize and
// scrolling while dragging over the grid's edges.
#include <cmath>
#include <limits>
#include <stdexcept>

#include "grid/core/column_size.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/interact/grid_rounding.h"
#include "interact_fixture.h"

namespace {

struct StretchTest : InteractTest {
    StretchTest()
    {
        g->SetGridLineWidth(1);
        g->SetScrollBars(ssNone);
        g->ColumnSize()->SetStretch(true);
    }
    int Sum(int Except) const
    {
        int s = 0;
        for (int c = 0; c < g->ColCount(); ++c)
            if (c != Except)
                s += g->ColWidths(c);
        return s;
    }
};

TEST_F(StretchTest, OneColumnTakesTheClientWidthAndTheLastFillsTheRest)
{
    g->SetFixedCols(0);
    g->SetColCount(1);
    g->StretchColumn(-1);
    EXPECT_EQ(g->ColWidths(0), g->ClientWidth());

    g->SetColCount(4);
    for (int c = 0; c < 3; ++c)
        g->SetColWidths(c, 60);
    g->StretchColumn(-1);
    EXPECT_EQ(g->ColWidths(3), g->ClientWidth() - 180 - 1);
    // Another stretch column, by index.
    g->ColumnSize()->SetStretchColumn(1);
    g->SetColWidths(3, 40);
    EXPECT_EQ(g->ColWidths(1), g->ClientWidth() - Sum(1) - 1);
}

TEST_F(StretchTest, ColumnsWiderThanTheClientGiveTheDefaultWidthOnlyWhenNotScrolled)
{
    g->SetColCount(8);
    g->SetFixedCols(1);
    g->SetDefaultColWidth(64);
    for (int c = 0; c < 7; ++c)
        g->SetColWidths(c, 150);
    g->SetColWidths(7, 10);
    g->StretchColumn(7);
    EXPECT_EQ(g->ColWidths(7), 64);

    g->SetLeftCol(3);
    ASSERT_EQ(g->LeftCol(), 3);
    g->SetColWidths(7, 10);
    g->StretchColumn(7);
    EXPECT_EQ(g->ColWidths(7), 10);
}

TEST_F(StretchTest, AnIndexOutsideTheColumnsRaisesAndChangesNothing)
{
    const int before = g->ColWidths(g->ColCount() - 1);
    for (int bad : {-2, g->ColCount(), g->ColCount() + 5}) {
        try {
            g->StretchColumn(bad);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(Txt(e.Message()), "Stretch column index out of range");
        }
    }
    EXPECT_EQ(g->ColWidths(g->ColCount() - 1), before);
}

TEST_F(StretchTest, MouseResizeWithAllColumnSizeScalesTheOtherDataColumns)
{
    g->ColumnSize()->SetStretch(false);
    g->SetFixedCols(1);
    for (int c = 0; c < g->ColCount(); ++c)
        g->SetColWidths(c, 50);
    g->SetColWidths(3, 25);
    g->MouseActions()->SetAllColumnSize(true);
    std::vector<int> ended;
    g->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    // What the mouse work records at the press on column 2's border.
    g->Colclicked = 2;
    g->Colclickedsize = 50;
    g->ColSized = true;
    g->SetColWidths(2, 100);
    EXPECT_EQ(g->ColWidths(0), 50) << "fixed columns keep their width";
    EXPECT_EQ(g->ColWidths(1), 100);
    EXPECT_EQ(g->ColWidths(2), 100);
    EXPECT_EQ(g->ColWidths(3), 50);
    EXPECT_EQ(g->ColWidths(5), 100);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(g->Colclicked, -1);
    EXPECT_FALSE(g->ColSized);
}

TEST_F(StretchTest, AnUpdateColumnSizeAnswerSetsTheWidthAndKeepsTheClickedColumn)
{
    g->ColumnSize()->SetStretch(false);
    g->OnUpdateColumnSize = [](TObject*, int, int& W) { W = 77; };
    g->Colclicked = 2;
    g->Colclickedsize = 64;
    g->ColSized = true;
    g->SetColWidths(2, 90);
    EXPECT_EQ(g->ColWidths(2), 77);
    EXPECT_EQ(g->Colclicked, 2);
}

TEST_F(StretchTest, RowResizeWithAllRowSizeScalesTheOtherRows)
{
    g->SetFixedRows(1);
    for (int r = 0; r < g->RowCount(); ++r)
        g->SetRowHeights(r, 20);
    g->MouseActions()->SetAllRowSize(true);
    int ended = -1;
    g->OnEndRowSize = [&](TObject*, int r) { ended = r; };
    g->Rowclicked = 3;
    g->Rowclickedsize = 20;
    g->Rowsized = true;
    g->SetRowHeights(3, 30);
    EXPECT_EQ(g->RowHeights(0), 20);
    EXPECT_EQ(g->RowHeights(1), 30);
    EXPECT_EQ(g->RowHeights(9), 30);
    EXPECT_EQ(ended, 3);
    EXPECT_EQ(g->Rowclicked, -1);
}

TEST_F(StretchTest, TheGridFollowsItsFormButNeverShrinksToNothing)
{
    TForm f(nullptr);
    f.SetBounds(0, 0, 600, 400);
    auto* grid = new TVynStringGrid(&f);
    grid->SetParent(&f);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetSizeWithForm(true);
    f.SetWidth(650);
    EXPECT_EQ(grid->Width(), 350);
    EXPECT_EQ(grid->Height(), 200);
    f.SetBounds(0, 0, 650, 430);
    EXPECT_EQ(grid->Height(), 230);
    // Shrinking by more than the grid has: the grid keeps its size.
    f.SetWidth(100);
    EXPECT_EQ(grid->Width(), 350);
}

TEST_F(StretchTest, TheFormsEarlierResizeHandlerRunsAndWhatItRaisesComesAfterTheGridsWork)
{
    TForm f(nullptr);
    f.SetBounds(0, 0, 600, 400);
    int calls = 0;
    f.OnResize = [&](TObject*) {
        ++calls;
        throw std::runtime_error("handler");
    };
    auto* grid = new TVynStringGrid(&f);
    grid->SetParent(&f);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetSizeWithForm(true);
    grid->ColumnSize()->SetStretch(true);
    grid->SetColCount(2);
    EXPECT_THROW(f.OnResize(&f), std::runtime_error);
    EXPECT_EQ(calls, 1);
    // The stretch ran before the handler's exception came through.
    EXPECT_EQ(grid->ColWidths(1), grid->ClientWidth() - grid->ColWidths(0) - 1);
}

// Round half to even, worked out the long way: floor, then the distance to it.
int ReferenceRound(double V)
{
    const double limit = std::numeric_limits<int>::max();
    if (std::isnan(V))
        return 0;
    V = std::min(std::max(V, -limit), limit);
    double r = std::floor(V);
    const double d = V - r;
    if (d > 0.5 || (d == 0.5 && std::fmod(r, 2.0) != 0))
        r += 1;
    return int(r);
}

TEST(ScaledSizeRoundingTest, HalvesGoToEvenNegativesMirrorAndWhatAnIntCannotHoldIsClamped)
{
    const double inf = std::numeric_limits<double>::infinity();
    const int max = std::numeric_limits<int>::max();
    const struct {
        double in;
        int out;
    } cases[] = {
        {0.0, 0}, {-0.0, 0}, {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {0.49999999999999994, 0}, {0.5000000000000001, 1}, {2.4999999999999996, 2}, {-3.5000000000000004, -4},
        {99.75, 100}, {-99.25, -99}, {2147483646.5, 2147483646}, {2147483647.4, max}, {2147483647.5, max},
        {1e10, max}, {inf, max}, {-2147483646.5, -2147483646}, {-1e10, -max}, {-inf, -max},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEvenClamped(c.in), c.out) << c.in;
        EXPECT_EQ(ReferenceRound(c.in), c.out) << c.in;
    }
    // Every quarter between -5000 and 5000 and the neighbours of the halves.
    for (int k = -20000; k <= 20000; ++k) {
        const double v = k / 4.0;
        for (double x : {v, std::nextafter(v, -inf), std::nextafter(v, inf)})
            ASSERT_EQ(RoundHalfEvenClamped(x), ReferenceRound(x)) << x;
    }
}

TEST(ScaledSizeRoundingTest, ScalingManySizesRoundsEachAsOneAndClampsOnlyWhatOverflows)
{
    const std::vector<int> sizes = {0, 1, 3, 5, 7, 50, 101, 2000000, 0};
    for (double factor : {0.0, 0.5, 1.5, 2.0, 1.0 / 3.0, 1e3, 1e4, -1.5, std::nan("")}) {
        std::vector<int> scaled = sizes;
        ScaleSizesHalfEven(scaled, factor);
        for (size_t i = 0; i < sizes.size(); ++i)
            EXPECT_EQ(scaled[i], RoundHalfEvenClamped(sizes[i] * factor)) << factor << " " << sizes[i];
    }
    std::vector<int> none;
    ScaleSizesHalfEven(none, 2.0);
    EXPECT_TRUE(none.empty());
}

struct DragScrollTest : InteractTest {
    DragScrollTest()
    {
        g->SetRowCount(40);
        g->SetColCount(30);
        g->SetFixedRows(1);
        g->SetFixedCols(1);
        g->DragScrollOptions()->SetActive(true);
    }
    void Over(int X, int Y, TDragState S = dsDragMove)
    {
        bool accept = false;
        g->DragOver(nullptr, X, Y, S, accept);
    }
};

TEST_F(DragScrollTest, FirstStepAfterTheInitialDelayThenEveryRepeatDelay)
{
    g->SetTopRow(5);
    Over(200, 10);
    clock.Advance(999);
    EXPECT_EQ(g->TopRow(), 5);
    clock.Advance(1);
    EXPECT_EQ(g->TopRow(), 4);
    clock.Advance(250);
    EXPECT_EQ(g->TopRow(), 3);
    // Moving along the same edge does not start the wait again.
    Over(220, 12);
    clock.Advance(250);
    EXPECT_EQ(g->TopRow(), 2);
    clock.Advance(2000);
    EXPECT_EQ(g->TopRow(), 1) << "stops at the first non-fixed row";
}

TEST_F(DragScrollTest, OneTickScrollsOneRowAndOneColumnAndLeavingStops)
{
    Over(g->Width() - 5, g->Height() - 5);
    clock.Advance(1000);
    EXPECT_EQ(g->TopRow(), 2);
    EXPECT_EQ(g->LeftCol(), 2);
    Over(200, 150);
    EXPECT_EQ(g->DragScrollTimerObject(), nullptr);
    Over(g->Width() - 5, 150);
    Over(g->Width() - 5, 150, dsDragLeave);
    EXPECT_EQ(g->DragScrollTimerObject(), nullptr);
    clock.Advance(3000);
    EXPECT_EQ(g->LeftCol(), 2);
}

TEST_F(DragScrollTest, TheHandlerMayRefuseOrChangeTheDirection)
{
    g->SetTopRow(5);
    bool allow = false;
    g->OnDragScroll = [&](TObject*, int, int, TDragScrollDirection& D, bool& Can) {
        Can = allow;
        D = TDragScrollDirection{TDragScrollDir::dsdDown};
    };
    Over(200, 10);
    clock.Advance(1000);
    EXPECT_EQ(g->TopRow(), 5);
    allow = true;
    clock.Advance(250);
    EXPECT_EQ(g->TopRow(), 6);
    g->DragScrollOptions()->SetActive(false);
    clock.Advance(250);
    EXPECT_EQ(g->DragScrollTimerObject(), nullptr);
}

TEST(DragScrollOptionsTest, AssignCopiesMarginsDelaysAndActive)
{
    TDragScrollOptions a, b;
    a.SetActive(true);
    a.Delays()->SetInitialDelay(10);
    a.Delays()->SetRepeatDelay(20);
    a.Margins()->SetTopMargin(1);
    a.Margins()->SetRightMargin(4);
    b.Assign(a);
    EXPECT_TRUE(b.Active());
    EXPECT_EQ(b.Delays()->InitialDelay(), 10);
    EXPECT_EQ(b.Delays()->RepeatDelay(), 20);
    EXPECT_EQ(b.Margins()->TopMargin(), 1);
    EXPECT_EQ(b.Margins()->RightMargin(), 4);
    EXPECT_EQ(b.Margins()->LeftMargin(), 50);
}

}  // namespace
