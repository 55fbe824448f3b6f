// Cell rectangles, hit tests, the visible counts and the scroll position.
#include "grid_fixture.h"
#include "platform/gui/extctrls.h"

TEST_F(GridTest, TheFixtureLayout)
{
    EXPECT_TRUE(grid->VertScrollBarVisible());
    EXPECT_TRUE(grid->HorzScrollBarVisible());
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 383, 233));
    EXPECT_EQ(grid->VisibleColCount(), 4);
    EXPECT_EQ(grid->VisibleRowCount(), 8);
    EXPECT_EQ(grid->MaxTopRow(), 12);
    EXPECT_EQ(grid->MaxLeftCol(), 6);
}

TEST_F(GridTest, CellRectIsEmptyOffScreenAndExactOnScreen)
{
    struct Case {
        int left, top;  // scroll position
        int col, row;
        TRect expected;
    };
    const Case cases[] = {
        {1, 1, 0, 0, Rect(0, 0, 64, 24)},
        {1, 1, 1, 1, Rect(65, 25, 129, 49)},
        {1, 1, 5, 8, Rect(325, 200, 389, 224)},  // partly on screen: whole rectangle
        {1, 1, 1, 9, Rect(65, 225, 129, 249)},
        {1, 1, 6, 1, {}},                         // starts past the client area
        {1, 1, 1, 10, {}},
        {3, 5, 0, 0, Rect(0, 0, 64, 24)},        // fixed cells do not scroll
        {3, 5, 0, 5, Rect(0, 25, 64, 49)},
        {3, 5, 3, 0, Rect(65, 0, 129, 24)},
        {3, 5, 3, 5, Rect(65, 25, 129, 49)},
        {3, 5, 1, 1, {}},                         // scrolled away
        {3, 5, 2, 6, {}},
        {3, 5, 4, 4, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Num(c.left) + "," + Num(c.top) + " cell " + Num(c.col) + "," + Num(c.row));
        grid->SetLeftCol(c.left);
        grid->SetTopRow(c.top);
        ASSERT_EQ(TopLeft(), Num(c.left) + "," + Num(c.top));
        EXPECT_EQ(grid->CellRect(c.col, c.row), c.expected);
        if (!(c.expected == TRect{})) {
            // Round trip: the middle, the first pixel and the line after the cell.
            const TRect& r = c.expected;
            for (TPoint p : {TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}, TPoint{r.Left, r.Top},
                             TPoint{r.Right, r.Bottom}}) {
                if (p.X >= 383 || p.Y >= 233)
                    continue;
                EXPECT_EQ(grid->MouseCoord(p.X, p.Y), (TGridCoord{c.col, c.row})) << p.X << "," << p.Y;
            }
        }
    }
}

TEST_F(GridTest, MouseToCellOutsideTheCells)
{
    int c = 0, r = 0;
    grid->MouseToCell(-1, 10, c, r);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(r, 0);
    grid->MouseToCell(382, 232, c, r);
    EXPECT_EQ(c, 5);
    EXPECT_EQ(r, 9);
    grid->MouseToCell(383, 233, c, r);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(r, -1);
    // A grid narrower than its client: nothing right of the last column.
    grid->SetColCount(3);
    grid->MouseToCell(200, 30, c, r);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(r, 1);
}

TEST_F(GridTest, HiddenColumnsAndRowsTakeNoPixels)
{
    grid->SetColWidths(2, 0);
    grid->SetRowHeights(3, 0);
    EXPECT_EQ(grid->CellRect(2, 1), Rect(130, 25, 130, 49));
    EXPECT_EQ(grid->CellRect(3, 1), Rect(130, 25, 194, 49));
    EXPECT_EQ(grid->CellRect(1, 3), Rect(65, 75, 129, 75));
    EXPECT_EQ(grid->CellRect(1, 4), Rect(65, 75, 129, 99));
    // Never hit by the mouse.
    EXPECT_EQ(grid->MouseCoord(130, 80), (TGridCoord{3, 4}));
    EXPECT_EQ(grid->MouseCoord(129, 74), (TGridCoord{1, 2}));
    // The keys step over them.
    grid->SetCol(1);
    TestKit::TypeKey(grid, VK_RIGHT);
    EXPECT_EQ(grid->Col(), 3);
    TestKit::TypeKey(grid, VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
    grid->SetRow(2);
    TestKit::TypeKey(grid, VK_DOWN);
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(GridTest, ScrollPositionIsClampedAndReportedOncePerChange)
{
    struct Case {
        const char* what;
        std::function<void()> act;
        std::string topLeft;
        int events;
    };
    const Case cases[] = {
        {"past the end", [&] { grid->SetTopRow(100); }, "1,12", 1},
        {"same again", [&] { grid->SetTopRow(12); }, "1,12", 0},
        {"into the fixed rows", [&] { grid->SetTopRow(0); }, "1,1", 1},
        {"columns past the end", [&] { grid->SetLeftCol(50); }, "6,1", 1},
        {"a row below the view", [&] { grid->SetLeftCol(1); grid->Clear(); grid->SetRow(15); }, "1,8", 1},
        {"a cell below and right", [&] { grid->FocusCell(9, 19, true); }, "6,12", 1},
        {"back to the top-left cell", [&] { grid->FocusCell(1, 1, true); }, "1,1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->Clear();
        c.act();
        EXPECT_EQ(TopLeft(), c.topLeft);
        EXPECT_EQ(int(LogWith("TopLeftChanged").size()), c.events);
    }
}

TEST_F(GridTest, ShrinkingTheGridPullsTheViewBack)
{
    grid->FocusCell(9, 19, true);
    grid->Clear();
    grid->SetRowCount(15);
    EXPECT_EQ(Cur(), "9,14");
    EXPECT_EQ(TopLeft(), "6,7");
    EXPECT_EQ(LogWith("TopLeftChanged").size(), 1u);
    // All rows fit: no vertical bar, the view starts at the first row, and
    // the wider client area shows one more column.
    grid->SetRowCount(5);
    EXPECT_FALSE(grid->VertScrollBarVisible());
    EXPECT_EQ(TopLeft(), "5,1");
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 400, 233));
}

TEST_F(GridTest, ABorderLiesOutsideTheClientCoordinates)
{
    grid->SetBorderStyle(bsSingle);
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 379, 229));
    EXPECT_EQ(grid->CellRect(2, 2), Rect(130, 50, 194, 74));
    const TPoint origin = grid->ClientOrigin();
    const TPoint outer = grid->Parent()->ClientToScreen({grid->Left(), grid->Top()});
    EXPECT_EQ(origin.X - outer.X, 2);
    EXPECT_EQ(origin.Y - outer.Y, 2);
    // Input in client coordinates lands on the cell drawn there.
    ClickCell(3, 4);
    EXPECT_EQ(Cur(), "3,4");
    TestKit::Click(grid, 130, 50);
    EXPECT_EQ(Cur(), "2,2");
}

TEST_F(GridTest, DrawInfoDescribesBothAxes)
{
    grid->SetTopRow(3);
    TGridDrawInfo info;
    grid->CalcDrawInfo(info);
    EXPECT_EQ(info.Horz.FixedBoundary, 65);
    EXPECT_EQ(info.Horz.GridExtent, 383);
    EXPECT_EQ(info.Horz.GridBoundary, 383);
    EXPECT_EQ(info.Horz.LastFullVisibleCell, 4);
    EXPECT_EQ(info.Horz.FullVisBoundary, 325);
    EXPECT_EQ(info.Vert.FirstGridCell, 3);
    EXPECT_EQ(info.Vert.LastFullVisibleCell, 10);
    EXPECT_EQ(info.Vert.FixedCellCount, 1);
    EXPECT_EQ(info.Vert.GridCellCount, 20);
    EXPECT_EQ(info.Vert.EffectiveLineWidth, 1);
}

TEST_F(GridTest, ChildControlsArePlacedInClientCoordinates)
{
    grid->SetBorderStyle(bsSingle);
    auto* footer = new TPanel(&form);
    footer->SetHeight(20);
    footer->SetAlign(alBottom);
    footer->SetParent(grid);
    const TRect c = grid->ClientRect();
    EXPECT_EQ(footer->BoundsRect(), Rect(0, c.Bottom - 20, c.Right, c.Bottom));
    // On screen the panel's widget sits inside the frame, where the client
    // coordinates say.
    const QPoint inGrid = footer->Widget()->mapTo(grid->Widget(), QPoint(0, 0));
    EXPECT_EQ(inGrid, QPoint(2, 2 + c.Bottom - 20));
    const TPoint a = footer->ClientOrigin(), b = grid->ClientOrigin();
    EXPECT_EQ(a.X - b.X, 0);
    EXPECT_EQ(a.Y - b.Y, c.Bottom - 20);
    // The scroll bars narrow the client area: the panel follows.
    grid->SetScrollBars(ssNone);
    EXPECT_EQ(footer->BoundsRect(), Rect(0, 246 - 20, 396, 246));
}
