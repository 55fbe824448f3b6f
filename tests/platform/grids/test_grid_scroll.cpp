// The scroll messages, the grid's own scroll bars and what the mouse does
// on them.
#include "grid_fixture.h"

namespace {

struct ScrollTest : GridTest {
    ScrollTest() { grid->LogScroll = true; }
    // The vertical bar: client x 383..399, y 0..232; arrows of 17 pixels.
    static constexpr int BarX = 391;
};

}  // namespace

TEST_F(ScrollTest, ScrollMessagesMoveTheViewAndReportEachChangeOnce)
{
    struct Case {
        const char* what;
        TGridOptions extra;
        unsigned msg;
        int code, pos;
        std::string topLeft;
        int events;
        int scrollPos;
    };
    const Case cases[] = {
        {"line down", {}, WM_VSCROLL, SB_LINEDOWN, 0, "1,2", 1, 12},
        {"line up", {}, WM_VSCROLL, SB_LINEUP, 0, "1,1", 1, 0},
        {"line up at the top", {}, WM_VSCROLL, SB_LINEUP, 0, "1,1", 0, 0},
        {"page down: the rows shown whole", {}, WM_VSCROLL, SB_PAGEDOWN, 0, "1,9", 1, 92},
        {"page up", {}, WM_VSCROLL, SB_PAGEUP, 0, "1,1", 1, 0},
        {"bottom", {}, WM_VSCROLL, SB_BOTTOM, 0, "1,12", 1, 127},
        {"top", {}, WM_VSCROLL, SB_TOP, 0, "1,1", 1, 0},
        {"thumb position 64 of 0..127", {}, WM_VSCROLL, SB_THUMBPOSITION, 64, "1,7", 1, 69},
        {"thumb position at the end", {}, WM_VSCROLL, SB_THUMBPOSITION, 127, "1,12", 1, 127},
        {"thumb track is ignored", {}, WM_VSCROLL, SB_THUMBTRACK, 0, "1,12", 0, 127},
        {"thumb track with goThumbTracking", {goThumbTracking}, WM_VSCROLL, SB_THUMBTRACK, 0, "1,1", 1, 0},
        {"end scroll changes nothing", {}, WM_VSCROLL, SB_ENDSCROLL, 0, "1,1", 0, 0},
        {"columns: line right", {}, WM_HSCROLL, SB_LINEDOWN, 0, "2,1", 1, 25},
        {"columns: page right", {}, WM_HSCROLL, SB_PAGEDOWN, 0, "6,1", 1, 127},
    };
    const TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetOptions(base + c.extra);
        grid->Clear();
        grid->Perform(c.msg, MAKEWPARAM(c.code, c.pos), 0);
        EXPECT_EQ(TopLeft(), c.topLeft);
        EXPECT_EQ(int(LogWith("TopLeftChanged").size()), c.events);
        EXPECT_EQ(grid->GetScrollPos(c.msg == WM_VSCROLL ? SB_VERT : SB_HORZ), c.scrollPos);
    }
    // Scrolling leaves the current cell where it is.
    EXPECT_EQ(Cur(), "1,1");
}

TEST_F(ScrollTest, TheBarsShowWhenTheCellsDoNotFit)
{
    TScrollInfo info;
    grid->GetScrollInfo(SB_VERT, info);
    EXPECT_EQ(info.Min, 0);
    EXPECT_EQ(info.Max, 127);
    EXPECT_EQ(info.Page, 0);
    grid->SetScrollBars(ssVertical);
    EXPECT_TRUE(grid->VertScrollBarVisible());
    EXPECT_FALSE(grid->HorzScrollBarVisible());
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 383, 250));
    grid->SetScrollBars(ssNone);
    EXPECT_FALSE(grid->VertScrollBarVisible());
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 400, 250));
    // Keys still scroll without bars.
    grid->SetRow(19);
    EXPECT_EQ(grid->TopRow(), 11);
    grid->SetScrollBars(ssBoth);
    grid->SetRowCount(3);
    grid->SetColCount(3);
    EXPECT_FALSE(grid->VertScrollBarVisible());
    EXPECT_FALSE(grid->HorzScrollBarVisible());
}

TEST_F(ScrollTest, ArrowClickSendsLineDownThenEndScroll)
{
    TestKit::FakeClock clock;
    TestKit::MouseDown(grid, BarX, 225);
    EXPECT_EQ(LogWith("WM_VSCROLL"), std::vector<std::string>{"WM_VSCROLL 1,0"});
    // Held down: repeats after 400 ms, then every 100 ms.
    clock.Advance(300);
    EXPECT_EQ(LogWith("WM_VSCROLL").size(), 1u);
    clock.Advance(300);
    EXPECT_EQ(LogWith("WM_VSCROLL").size(), 4u);
    TestKit::MouseUp(grid, BarX, 225);
    clock.Advance(1000);
    EXPECT_EQ(LogWith("WM_VSCROLL"),
              (std::vector<std::string>{"WM_VSCROLL 1,0", "WM_VSCROLL 1,0", "WM_VSCROLL 1,0", "WM_VSCROLL 1,0",
                                        "WM_VSCROLL 8,0"}));
    EXPECT_EQ(grid->TopRow(), 5);
    // The bar is not the client area: no cell moved, no mouse events.
    EXPECT_EQ(Cur(), "1,1");
    EXPECT_TRUE(LogWith("SelectCell").empty());
}

TEST_F(ScrollTest, TrackClickPagesAndTheHorizontalBarScrollsColumns)
{
    int downs = 0;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    TestKit::Click(grid, BarX, 150);
    EXPECT_EQ(LogWith("WM_VSCROLL"), (std::vector<std::string>{"WM_VSCROLL 3,0", "WM_VSCROLL 8,0"}));
    EXPECT_EQ(grid->TopRow(), 9);
    TestKit::Click(grid, 370, 240);  // right arrow of the horizontal bar
    EXPECT_EQ(LogWith("WM_HSCROLL"), (std::vector<std::string>{"WM_HSCROLL 1,0", "WM_HSCROLL 8,0"}));
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(downs, 0);
}

TEST_F(ScrollTest, DraggingTheThumbTracksAndPositionsAtRelease)
{
    // The thumb (17 pixels) starts below the up arrow; pressed 8 pixels into it.
    TestKit::MouseDown(grid, BarX, 25);
    TestKit::MouseMove(grid, BarX, 70, {ssLeft});
    TestKit::MouseMove(grid, BarX, 116, {ssLeft});
    EXPECT_EQ(grid->TopRow(), 1);  // no goThumbTracking: nothing moves yet
    TestKit::MouseUp(grid, BarX, 116);
    EXPECT_EQ(LogWith("WM_VSCROLL"), (std::vector<std::string>{"WM_VSCROLL 5,31", "WM_VSCROLL 5,64",
                                                               "WM_VSCROLL 4,64", "WM_VSCROLL 8,0"}));
    EXPECT_EQ(grid->TopRow(), 7);
    EXPECT_EQ(LogWith("TopLeftChanged").size(), 1u);
    EXPECT_EQ(grid->GetScrollPos(SB_VERT), 69);

    // With goThumbTracking the view follows the thumb, once per step.
    grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
    grid->SetTopRow(1);
    grid->Clear();
    TestKit::MouseDown(grid, BarX, 25);
    TestKit::MouseMove(grid, BarX, 70, {ssLeft});
    EXPECT_EQ(grid->TopRow(), 4);
    TestKit::MouseMove(grid, BarX, 116, {ssLeft});
    EXPECT_EQ(grid->TopRow(), 7);
    TestKit::MouseUp(grid, BarX, 116);
    EXPECT_EQ(LogWith("TopLeftChanged"), (std::vector<std::string>{"TopLeftChanged 1,4", "TopLeftChanged 1,7"}));
}

TEST_F(ScrollTest, ASubclassMayTakeOverTheBar)
{
    // A proportional bar: range of rows, page of the rows shown.
    grid->SetScrollInfo(SB_VERT, {0, 19, 8, 0, 0});
    grid->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
    EXPECT_EQ(grid->TopRow(), 12);
    grid->ShowScrollBar(SB_VERT, false);
    EXPECT_FALSE(grid->VertScrollBarVisible());
    EXPECT_EQ(grid->ClientWidth(), 400);
    grid->EnableScrollBar(SB_HORZ, false);
    TestKit::Click(grid, 370, 240);
    EXPECT_TRUE(LogWith("WM_HSCROLL").empty());
}
