// The wheel, Zoom and middle-button panning, and the one report of a
// selection change per gesture.
#include "interact_fixture.h"

namespace {

struct WheelTest : InteractTest {
    WheelTest()
    {
        g->SetRowCount(30);
        ShowRows(10);
        g->SetWheelLines(3);
    }
};

TEST_F(WheelTest, MoveSelectionStepsByTheIncrementAndStopsAboveTheFooters)
{
    g->MouseActions()->SetWheelAction(TWheelAction::waMoveSelection);
    g->MouseActions()->SetWheelIncrement(3);
    g->SetFixedFooters(2);
    g->FocusCell(2, 1);
    Wheel(-120);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(log, (std::vector<std::string>{"sel 2,4,2,4"}));
    for (int i = 0; i < 20; ++i)
        Wheel(-120);
    EXPECT_EQ(g->Row(), 27);
    Wheel(120);
    EXPECT_EQ(g->Row(), 24);
    // One report per notch that moved, none for the notches at the end.
    EXPECT_EQ(log.size(), size_t(1 + 8 + 1));
}

TEST_F(WheelTest, ScrollKeepsTheCurrentRowAndReportsNothing)
{
    g->MouseActions()->SetWheelAction(TWheelAction::waScroll);
    g->FocusCell(2, 3);
    Wheel(-120);
    EXPECT_EQ(g->TopRow(), 4);
    EXPECT_EQ(g->Row(), 3);
    Wheel(120);
    Wheel(120);
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(WheelTest, AFineWheelAddsUpToWholeNotches)
{
    g->MouseActions()->SetWheelAction(TWheelAction::waMoveSelection);
    g->MouseActions()->SetWheelIncrement(1);
    g->FocusCell(1, 1);
    for (int i = 0; i < 3; ++i)
        Wheel(-40);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(log.size(), size_t(1));
}

TEST_F(WheelTest, NothingWithoutEnableWheelOrWhenTheParentTakesIt)
{
    g->FocusCell(1, 5);
    g->SetEnableWheel(false);
    Wheel(-120);
    EXPECT_EQ(g->Row(), 5);
    EXPECT_EQ(g->TopRow(), 1);
    g->SetEnableWheel(true);
    bool asked = false;
    form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& Handled) {
        asked = true;
        Handled = true;
    };
    Wheel(-120);
    EXPECT_TRUE(asked);
    EXPECT_EQ(g->Row(), 5);
    form.OnMouseWheel = nullptr;
    Wheel(-120);
    EXPECT_NE(g->Row(), 5);
}

TEST_F(WheelTest, ZoomChangesEverySizeWithinTenSteps)
{
    const int w = g->ColWidths(1), h = g->RowHeights(1);
    g->Zoom(3);
    EXPECT_EQ(g->ColWidths(1), w + 3);
    EXPECT_EQ(g->RowHeights(1), h + 3);
    EXPECT_EQ(g->ZoomFactor(), 3);
    g->Zoom(8);  // would be 11
    EXPECT_EQ(g->ZoomFactor(), 3);
    EXPECT_EQ(g->ColWidths(1), w + 3);
    g->Zoom(-13);
    EXPECT_EQ(g->ZoomFactor(), -10);
    g->Zoom(-1);
    EXPECT_EQ(g->ZoomFactor(), -10);
    // A hidden column (width 0) stays hidden.
    g->SetColWidths(2, 0);
    g->Zoom(5);
    EXPECT_EQ(g->ColWidths(2), 0);
}

TEST_F(WheelTest, CtrlWheelZoomsByTheLinesPerNotch)
{
    g->SetIntelliZoom(true);
    Wheel(-120, {ssCtrl});
    EXPECT_EQ(g->ZoomFactor(), 3);
    Wheel(120, {ssCtrl});
    Wheel(120, {ssCtrl});
    EXPECT_EQ(g->ZoomFactor(), -3);
    EXPECT_EQ(g->Row(), 1);
}

// After zooming, the cells are sized to their zoomed contents: a column too
// narrow for its text grows to what sizing it directly gives.
TEST_F(WheelTest, CtrlWheelSizesTheCellsAfterZooming)
{
    g->SetIntelliZoom(true);
    g->SetCells(1, 1, "a text far wider than the column");
    g->SetColWidths(1, 20);
    Wheel(-120, {ssCtrl});
    const int zoomed = g->ColWidths(1);
    EXPECT_GT(zoomed, 20 + 3);
    g->SetColWidths(1, 20);
    g->AutoSizeCells(true, 4, 4);
    EXPECT_EQ(g->ColWidths(1), zoomed);
}

TEST_F(WheelTest, PanningEndsOnAnyButtonOrKey)
{
    const TPoint at = g->ClientToScreen(TPoint(100, 100));
    struct Case {
        const char* how;
        unsigned msg;
    };
    for (const Case c : {Case{"middle", WM_MBUTTONDOWN}, Case{"left", WM_LBUTTONDOWN}, Case{"right", WM_RBUTTONDOWN},
                         Case{"key", WM_KEYDOWN}}) {
        SCOPED_TRACE(c.how);
        g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
        ASSERT_TRUE(g->Panning());
        EXPECT_EQ(g->PanPosition(), TPoint(100, 100));
        g->Perform(c.msg, c.msg == WM_KEYDOWN ? VK_ESCAPE : 0, MAKELPARAM(100, 100));
        EXPECT_FALSE(g->Panning());
        g->Perform(WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
        g->Perform(WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
    }
    (void)at;
}

TEST_F(WheelTest, PanningStepsEveryTenMillisecondsTowardsThePointer)
{
    g->MouseActions()->SetWheelAction(TWheelAction::waMoveSelection);
    g->FocusCell(2, 2);
    g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 100));
    InputState().SetCursorPos(g->ClientToScreen(TPoint(100, 140)));
    clock.Advance(30);
    EXPECT_EQ(g->Row(), 5);
    EXPECT_EQ(Screen.Cursor(), TCursor(8001));
    // One report per step that moved.
    EXPECT_EQ(log.size(), size_t(3));
    InputState().SetCursorPos(g->ClientToScreen(TPoint(102, 98)));
    clock.Advance(500);  // the grid timer does not step
    EXPECT_EQ(g->Row(), 5);
    EXPECT_EQ(Screen.Cursor(), TCursor(8000));
    g->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(g->Panning());
}

TEST_F(WheelTest, NoPanningWithOnlyFixedRows)
{
    g->SetRowCount(1);
    g->SetFixedRowAlways(true);
    g->Perform(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(g->Panning());
}

}  // namespace
