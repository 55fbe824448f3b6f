// Selecting with the mouse, sizing and moving columns and rows on the fixed
// cells, and the events of a click.
#include <QCoreApplication>
#include <QMouseEvent>

#include "grid_fixture.h"

namespace {

struct MouseTest : GridTest {
    MouseTest()
    {
        grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState S, int, int) {
            grid->Log.push_back(S.Contains(ssDouble) ? "OnMouseDown double" : "OnMouseDown");
        };
        grid->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { grid->Log.push_back("OnMouseUp"); };
        grid->OnClick = [this](TObject*) { grid->Log.push_back("OnClick"); };
        grid->OnDblClick = [this](TObject*) { grid->Log.push_back("OnDblClick"); };
    }
    std::vector<std::string> Events() const
    {
        std::vector<std::string> r;
        for (const auto& l : grid->Log)
            if (l.rfind("On", 0) == 0 || l.rfind("SelectCell", 0) == 0)
                r.push_back(l);
        return r;
    }
};

}  // namespace

TEST_F(MouseTest, AClickMovesTheCurrentCellAndClicksAtRelease)
{
    ClickCell(3, 4);
    EXPECT_EQ(Cur(), "3,4");
    EXPECT_EQ(Sel(), "3,4-3,4");
    EXPECT_EQ(Events(), (std::vector<std::string>{"SelectCell 3,4", "OnMouseDown", "OnClick", "OnMouseUp"}));
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(MouseTest, AVetoedClickLeavesTheCurrentCell)
{
    grid->VetoCol = 3;
    grid->VetoRow = 4;
    ClickCell(3, 4);
    EXPECT_EQ(Cur(), "1,1");
}

TEST_F(MouseTest, FixedCellsAreNotSelected)
{
    ClickCell(0, 3);
    ClickCell(4, 0);
    EXPECT_EQ(Cur(), "1,1");
    EXPECT_TRUE(LogWith("SelectCell").empty());
}

TEST_F(MouseTest, DraggingSelectsARangeFromThePressedCell)
{
    const TPoint a = Mid(2, 2), b = Mid(4, 5);
    TestKit::MouseDown(grid, a.X, a.Y);
    EXPECT_EQ(grid->GridState(), gsSelecting);
    TestKit::MouseMove(grid, b.X, b.Y, {ssLeft});
    TestKit::MouseUp(grid, b.X, b.Y);
    EXPECT_EQ(Cur(), "2,2");
    EXPECT_EQ(Sel(), "2,2-4,5");
    EXPECT_EQ(Filter(Events(), "OnClick").size(), 1u);
    // Shift and a click move the far corner only.
    ClickCell(3, 3, {ssShift});
    EXPECT_EQ(Cur(), "2,2");
    EXPECT_EQ(Sel(), "2,2-3,3");
    // Without goRangeSelect the drag moves the current cell instead.
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    TestKit::MouseDown(grid, a.X, a.Y);
    TestKit::MouseMove(grid, b.X, b.Y, {ssLeft});
    TestKit::MouseUp(grid, b.X, b.Y);
    EXPECT_EQ(Cur(), "4,5");
    EXPECT_EQ(Sel(), "4,5-4,5");
}

TEST_F(MouseTest, DraggingPastTheEdgeScrollsOnTheMoveTimer)
{
    TestKit::FakeClock clock;
    const TPoint a = Mid(2, 2);
    TestKit::MouseDown(grid, a.X, a.Y);
    TestKit::MouseMove(grid, a.X, 240, {ssLeft});  // below the client area
    EXPECT_EQ(TopLeft(), "1,1");
    EXPECT_EQ(Sel(), "2,2-2,8");                   // the last row shown whole
    std::vector<int> tops;
    for (int i = 0; i < 3; ++i) {
        clock.Advance(60);
        tops.push_back(grid->TopRow());
    }
    EXPECT_EQ(tops, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Sel(), "2,2-2,11");
    TestKit::MouseUp(grid, a.X, 240);
    clock.Advance(600);
    EXPECT_EQ(grid->TopRow(), 4);
    EXPECT_EQ(Cur(), "2,2");
}

TEST_F(MouseTest, ADoubleClickClicksOnce)
{
    const TPoint p = Mid(2, 3);
    TestKit::DblClick(grid, p.X, p.Y);
    EXPECT_EQ(Events(), (std::vector<std::string>{"SelectCell 2,3", "OnMouseDown", "OnClick", "OnMouseUp",
                                                  "OnDblClick", "OnMouseDown double", "OnMouseUp"}));
}

TEST_F(MouseTest, ASubclassThatClicksItselfGetsNoSecondClick)
{
    struct TSelfClicking : TRecordingGrid {
        using TRecordingGrid::TRecordingGrid;
        void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
        {
            if (GridState() == gsSelecting) {
                SetGridState(gsNormal);
                Click();
            }
            TRecordingGrid::MouseUp(Button, Shift, X, Y);
        }
    };
    auto* g = new TSelfClicking(&form);
    g->SetBounds(420, 8, 200, 150);
    g->SetParent(&form);
    int clicks = 0;
    g->OnClick = [&](TObject*) { ++clicks; };
    TestKit::Click(g, 100, 40);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 1);
}

TEST_F(MouseTest, SizingColumnsAndRowsOnTheFixedCells)
{
    struct Case {
        const char* what;
        TGridOptions options;
        TPoint press, release;
        int col, colWidth, row, rowHeight;
        int changes;
        std::string cur;
    };
    const Case cases[] = {
        {"column border in the fixed row", {goColSizing}, {194, 10}, {224, 12}, 2, 94, 1, 24, 1, "1,1"},
        {"grab 2 pixels left of the border", {goColSizing}, {192, 10}, {222, 12}, 2, 94, 1, 24, 1, "1,1"},
        {"fixed column border", {goColSizing}, {64, 10}, {80, 12}, 0, 80, 1, 24, 1, "1,1"},
        {"without goColSizing", {}, {194, 10}, {224, 12}, 2, 64, 1, 24, 0, "1,1"},
        {"not in a fixed row: selects", {goColSizing}, {194, 60}, {224, 60}, 2, 64, 1, 24, 0, "2,2"},
        {"too narrow is refused", {goColSizing}, {194, 10}, {131, 12}, 2, 64, 1, 24, 0, "2,2"},
        {"row border in the fixed column", {goRowSizing}, {30, 49}, {30, 60}, 1, 64, 1, 35, 1, "2,2"},
    };
    const TGridOptions base = grid->Options();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetOptions(base + c.options);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        grid->Clear();
        TestKit::MouseDown(grid, c.press.X, c.press.Y);
        TestKit::MouseMove(grid, c.release.X, c.release.Y, {ssLeft});
        TestKit::MouseUp(grid, c.release.X, c.release.Y);
        EXPECT_EQ(grid->ColWidths(c.col), c.colWidth);
        EXPECT_EQ(grid->RowHeights(c.row), c.rowHeight);
        EXPECT_EQ(int(LogWith("ColWidthsChanged").size() + LogWith("RowHeightsChanged").size()), c.changes);
        EXPECT_EQ(grid->GridState(), gsNormal);
        EXPECT_EQ(Cur(), c.cur);
    }
}

TEST_F(MouseTest, SizingStateAndCursorOverABorder)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    TGridDrawInfo info;
    TGridState state = gsNormal;
    int index = 0, pos = 0, ofs = 0;
    grid->CalcSizingState(196, 5, state, index, pos, ofs, info);
    EXPECT_EQ(state, gsColSizing);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(pos, 194);
    EXPECT_EQ(ofs, -2);
    grid->CalcSizingState(170, 5, state, index, pos, ofs, info);
    EXPECT_EQ(state, gsNormal);
    EXPECT_EQ(info.Horz.FixedBoundary, 65);
    TestKit::MouseMove(grid, 195, 5);
    EXPECT_EQ(grid->Widget()->cursor().shape(), Qt::SplitHCursor);
}

TEST_F(MouseTest, MovingColumnsAndRowsByDragging)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving, goRowMoving});
    int events = 0;
    grid->OnColumnMoved = [&](TObject*, int, int) { ++events; };
    grid->SetColWidths(2, 50);
    grid->Clear();
    const TPoint from = Mid(2, 0), to = Mid(4, 0);
    TestKit::MouseDown(grid, from.X, from.Y);
    EXPECT_EQ(grid->GridState(), gsColMoving);
    TestKit::MouseMove(grid, to.X, to.Y, {ssLeft});
    TestKit::MouseUp(grid, to.X, to.Y);
    EXPECT_EQ(LogWith("ColumnMoved"), std::vector<std::string>{"ColumnMoved 2,4"});
    EXPECT_EQ(events, 1);
    EXPECT_EQ(grid->Cells(4, 1), "2,1");
    EXPECT_EQ(grid->Cells(2, 1), "3,1");
    EXPECT_EQ(grid->ColWidths(4), 50);
    EXPECT_EQ(Cur(), "1,1");
    // A press without a move moves nothing.
    grid->Clear();
    TestKit::Click(grid, from.X, from.Y);
    EXPECT_TRUE(LogWith("ColumnMoved").empty());
    // Rows on the fixed column.
    const TPoint r3 = Mid(0, 3), r1 = Mid(0, 1);
    TestKit::MouseDown(grid, r3.X, r3.Y);
    EXPECT_EQ(grid->GridState(), gsRowMoving);
    TestKit::MouseMove(grid, r1.X, r1.Y, {ssLeft});
    TestKit::MouseUp(grid, r1.X, r1.Y);
    EXPECT_EQ(LogWith("RowMoved"), std::vector<std::string>{"RowMoved 3,1"});
    EXPECT_EQ(grid->Cells(0, 1), "0,3");
    EXPECT_EQ(grid->Cells(0, 2), "0,1");
    // The current row moved along with its row.
    EXPECT_EQ(Cur(), "1,2");
}

TEST_F(MouseTest, RealQtMouseEventsReachTheCellUnderThePointer)
{
    // The one test with Qt events: a press and release on the widget that
    // covers the client area, inside a frame.
    grid->SetBorderStyle(bsSingle);
    const TRect cell = grid->CellRect(3, 2);
    const QPoint inWidget(cell.Left + 5 + 2, cell.Top + 5 + 2);
    QWidget* target = grid->Widget()->childAt(inWidget);
    ASSERT_NE(target, nullptr);
    const QPoint local = target->mapFrom(grid->Widget(), inWidget);
    QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, target->mapToGlobal(local), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    EXPECT_EQ(Cur(), "3,2");
    EXPECT_EQ(Filter(Events(), "OnClick").size(), 1u);
}
