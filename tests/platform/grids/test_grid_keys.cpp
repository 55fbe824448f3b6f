// Moving the current cell with the keyboard.
#include <algorithm>

#include "grid_fixture.h"

TEST_F(GridTest, KeyNavigation)
{
    struct Case {
        const char* what;
        TGridOptions extra;
        TGridCoord start;
        int startTop;
        Word key;
        TShiftState shift;
        std::string cur, topLeft, sel;
        // Columns that are no tab stop; hidden (size 0) columns and rows.
        std::vector<int> noTabStop = {}, hiddenCols = {}, hiddenRows = {};
    };
    const TGridOptions none;
    const TGridOptions tabs{goTabs};
    const TGridOptions rows{goRowSelect};
    const Case cases[] = {
        {"down", none, {1, 1}, 1, VK_DOWN, {}, "1,2", "1,1", "1,2-1,2"},
        {"up at the first row stays", none, {1, 1}, 1, VK_UP, {}, "1,1", "1,1", "1,1-1,1"},
        {"right at the last column stays", none, {9, 1}, 1, VK_RIGHT, {}, "9,1", "6,1", "9,1-9,1"},
        {"left", none, {3, 1}, 1, VK_LEFT, {}, "2,1", "1,1", "2,1-2,1"},
        {"down scrolls one row at the bottom", none, {1, 8}, 1, VK_DOWN, {}, "1,9", "1,2", "1,9-1,9"},
        {"page down moves by the visible rows", none, {1, 1}, 1, VK_NEXT, {}, "1,9", "1,9", "1,9-1,9"},
        {"page down at the end clamps", none, {1, 15}, 8, VK_NEXT, {}, "1,19", "1,12", "1,19-1,19"},
        {"page up", none, {1, 9}, 9, VK_PRIOR, {}, "1,1", "1,1", "1,1-1,1"},
        {"ctrl page down: last row shown whole", none, {1, 3}, 1, VK_NEXT, {ssCtrl}, "1,8", "1,1", "1,8-1,8"},
        {"ctrl page up: the top row", none, {1, 6}, 3, VK_PRIOR, {ssCtrl}, "1,3", "1,3", "1,3-1,3"},
        {"home: first scrollable column", none, {5, 4}, 1, VK_HOME, {}, "1,4", "1,1", "1,4-1,4"},
        {"end: last column", none, {2, 4}, 1, VK_END, {}, "9,4", "6,1", "9,4-9,4"},
        {"ctrl home", none, {5, 10}, 5, VK_HOME, {ssCtrl}, "1,1", "1,1", "1,1-1,1"},
        {"ctrl end", none, {2, 2}, 1, VK_END, {ssCtrl}, "9,19", "6,12", "9,19-9,19"},
        {"ctrl down scrolls without moving", none, {1, 1}, 1, VK_DOWN, {ssCtrl}, "1,1", "1,2", "1,1-1,1"},
        {"ctrl right moves a page of columns", none, {1, 1}, 1, VK_RIGHT, {ssCtrl}, "5,1", "5,1", "5,1-5,1"},
        {"tab without goTabs does nothing", none, {2, 2}, 1, VK_TAB, {}, "2,2", "1,1", "2,2-2,2"},
        {"tab to the next row", tabs, {9, 1}, 1, VK_TAB, {}, "1,2", "1,1", "1,2-1,2"},
        {"shift tab back", tabs, {1, 2}, 1, VK_TAB, {ssShift}, "9,1", "6,1", "9,1-9,1"},
        {"tab round the grid", tabs, {9, 19}, 12, VK_TAB, {}, "1,1", "1,1", "1,1-1,1"},
        {"shift extends with goRangeSelect", none, {2, 2}, 1, VK_DOWN, {ssShift}, "2,3", "1,1", "2,2-2,3"},
        {"shift up past the anchor", none, {2, 4}, 1, VK_UP, {ssShift}, "2,3", "1,1", "2,3-2,4"},
        {"row select: right scrolls", rows, {3, 2}, 1, VK_RIGHT, {}, "3,2", "2,1", "1,2-9,2"},
        {"row select: down", rows, {3, 2}, 1, VK_DOWN, {}, "3,3", "1,1", "1,3-9,3"},
        {"row select: home goes to the first row", rows, {3, 6}, 1, VK_HOME, {}, "3,1", "1,1", "1,1-9,1"},
        {"row select: end goes to the last row", rows, {3, 6}, 1, VK_END, {}, "3,19", "1,12", "1,19-9,19"},
        // Tab stops.
        {"tab over a middle column that is no tab stop", tabs, {2, 2}, 1, VK_TAB, {}, "4,2", "1,1", "4,2-4,2", {3}},
        {"shift tab over a middle column that is no tab stop", tabs, {4, 2}, 1, VK_TAB, {ssShift}, "2,2", "1,1",
         "2,2-2,2", {3}},
        {"tab over the last column that is no tab stop to the next row", tabs, {8, 2}, 1, VK_TAB, {}, "1,3", "1,1",
         "1,3-1,3", {9}},
        {"shift tab over the last column that is no tab stop to the row above", tabs, {1, 3}, 1, VK_TAB, {ssShift},
         "8,2", "5,1", "8,2-8,2", {9}},
        {"tab over hidden columns", tabs, {2, 2}, 1, VK_TAB, {}, "5,2", "1,1", "5,2-5,2", {}, {3, 4}},
        // Hidden columns and rows: the arrow keys step over them and never
        // land on one.
        {"right over a hidden column", none, {2, 1}, 1, VK_RIGHT, {}, "4,1", "1,1", "4,1-4,1", {}, {3}},
        {"left over a hidden column", none, {4, 1}, 1, VK_LEFT, {}, "2,1", "1,1", "2,1-2,1", {}, {3}},
        {"right before a hidden last column stays", none, {8, 1}, 1, VK_RIGHT, {}, "8,1", "5,1", "8,1-8,1", {}, {9}},
        {"left after a hidden first column stays", none, {2, 1}, 1, VK_LEFT, {}, "2,1", "1,1", "2,1-2,1", {}, {1}},
        {"down over a hidden row", none, {1, 2}, 1, VK_DOWN, {}, "1,4", "1,1", "1,4-1,4", {}, {}, {3}},
        {"up over a hidden row", none, {1, 4}, 1, VK_UP, {}, "1,2", "1,1", "1,2-1,2", {}, {}, {3}},
        {"down before a hidden last row stays", none, {1, 18}, 11, VK_DOWN, {}, "1,18", "1,11", "1,18-1,18", {}, {},
         {19}},
        {"up after a hidden first row stays", none, {1, 2}, 1, VK_UP, {}, "1,2", "1,1", "1,2-1,2", {}, {}, {1}},
    };
    const TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto in = [](const std::vector<int>& List, int I) {
            return std::find(List.begin(), List.end(), I) != List.end();
        };
        for (int i = 0; i < grid->ColCount(); ++i) {
            grid->SetTabStops(i, !in(c.noTabStop, i));
            grid->SetColWidths(i, in(c.hiddenCols, i) ? 0 : 64);
        }
        for (int i = 0; i < grid->RowCount(); ++i)
            grid->SetRowHeights(i, in(c.hiddenRows, i) ? 0 : 24);
        grid->SetOptions(base + c.extra);
        grid->SetLeftCol(1);
        grid->FocusCell(c.start.X, c.start.Y, true);
        grid->SetTopRow(c.startTop);
        ASSERT_EQ(grid->TopRow(), c.startTop);
        TestKit::TypeKey(grid, c.key, c.shift);
        EXPECT_EQ(Cur(), c.cur);
        EXPECT_EQ(TopLeft(), c.topLeft);
        EXPECT_EQ(Sel(), c.sel);
    }
}

// Home and End go to the first and last column (with goRowSelect row, with
// Ctrl cell) that is shown: a hidden first or last one is passed over.
TEST_F(GridTest, HomeAndEndPassOverHiddenEdges)
{
    struct Case {
        const char* what;
        TGridOptions extra;
        TGridCoord start;
        Word key;
        TShiftState shift;
        std::string cur;
    };
    const TGridOptions none;
    const TGridOptions rows{goRowSelect};
    const Case cases[] = {
        {"home", none, {5, 4}, VK_HOME, {}, "2,4"},
        {"end", none, {2, 4}, VK_END, {}, "8,4"},
        {"ctrl home", none, {5, 10}, VK_HOME, {ssCtrl}, "2,2"},
        {"ctrl end", none, {2, 4}, VK_END, {ssCtrl}, "8,18"},
        {"row select: home", rows, {3, 6}, VK_HOME, {}, "3,2"},
        {"row select: end", rows, {3, 6}, VK_END, {}, "3,18"},
    };
    // The first and last scrollable column and row are hidden.
    grid->SetColWidths(1, 0);
    grid->SetColWidths(9, 0);
    grid->SetRowHeights(1, 0);
    grid->SetRowHeights(19, 0);
    const TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetOptions(base + c.extra);
        grid->FocusCell(c.start.X, c.start.Y, true);
        TestKit::TypeKey(grid, c.key, c.shift);
        EXPECT_EQ(Cur(), c.cur);
    }
}

TEST_F(GridTest, ShiftWithoutRangeSelectMovesTheAnchorToo)
{
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    grid->FocusCell(2, 2, true);
    TestKit::TypeKey(grid, VK_DOWN, {ssShift});
    TestKit::TypeKey(grid, VK_RIGHT, {ssShift});
    EXPECT_EQ(Sel(), "3,3-3,3");
}

TEST_F(GridTest, RangeThenPlainKeyCollapsesTheSelection)
{
    grid->FocusCell(2, 2, true);
    TestKit::TypeKey(grid, VK_DOWN, {ssShift});
    TestKit::TypeKey(grid, VK_RIGHT, {ssShift});
    EXPECT_EQ(Sel(), "2,2-3,3");
    TestKit::TypeKey(grid, VK_DOWN);
    EXPECT_EQ(Cur(), "3,4");
    EXPECT_EQ(Sel(), "3,4-3,4");
}

TEST_F(GridTest, SelectCellVetoKeepsTheCurrentCell)
{
    grid->VetoCol = 1;
    grid->VetoRow = 2;
    TestKit::TypeKey(grid, VK_DOWN);
    EXPECT_EQ(Cur(), "1,1");
    EXPECT_EQ(LogWith("SelectCell"), std::vector<std::string>{"SelectCell 1,2"});
    // The setters and the move primitive ask too.
    grid->SetRow(2);
    grid->MoveColRow(1, 2, true, true);
    EXPECT_EQ(Cur(), "1,1");
    grid->SetRow(3);
    EXPECT_EQ(Cur(), "1,3");
    // The platform event is the default answer.
    bool asked = false;
    grid->OnSelectCell = [&](TObject*, int ACol, int ARow, bool& Can) {
        asked = true;
        Can = !(ACol == 4 && ARow == 3);
    };
    grid->SetCol(4);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Cur(), "1,3");
    // Out of range raises; the fixed area is taken as the first scrollable cell.
    EXPECT_THROW(grid->SetRow(20), EInvalidGridOperation);
    grid->SetCol(0);
    EXPECT_EQ(Cur(), "1,3");
}

TEST_F(GridTest, OnKeyDownCanSwallowTheKey)
{
    std::vector<std::string> seen;
    grid->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
        seen.push_back(Num(Key));
        if (Key == VK_DOWN)
            Key = 0;
    };
    TestKit::TypeKey(grid, VK_DOWN);
    EXPECT_EQ(Cur(), "1,1");
    TestKit::TypeKey(grid, VK_RIGHT);
    EXPECT_EQ(Cur(), "2,1");
    EXPECT_EQ(seen, (std::vector<std::string>{Num(VK_DOWN), Num(VK_RIGHT)}));
}

TEST_F(GridTest, WheelMovesTheCurrentRowByOneAndKeepsItInView)
{
    grid->FocusCell(2, 8, true);
    grid->Clear();
    const TPoint p = Mid(2, 4);
    TestKit::Wheel(grid, p.X, p.Y, -WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,9");
    EXPECT_EQ(TopLeft(), "1,2");
    EXPECT_EQ(LogWith("TopLeftChanged").size(), 1u);
    TestKit::Wheel(grid, p.X, p.Y, -2 * WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,11");
    TestKit::Wheel(grid, p.X, p.Y, WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,10");
    // Stops at both ends, and asks SelectCell for every row.
    grid->SetRow(1);
    grid->Clear();
    TestKit::Wheel(grid, p.X, p.Y, WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,1");
    EXPECT_TRUE(LogWith("SelectCell").empty());
    grid->SetRow(19);
    TestKit::Wheel(grid, p.X, p.Y, -WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,19");
    // OnMouseWheelDown handling it first leaves the grid alone.
    grid->SetRow(5);
    grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
    TestKit::Wheel(grid, p.X, p.Y, -WHEEL_DELTA);
    EXPECT_EQ(Cur(), "2,5");
}
