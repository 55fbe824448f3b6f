// Dragging cells and columns out of the grid with the test drag-loop
// handler: when a drag starts, what it carries, what a move leaves behind
// (also when the drop lands on the grid itself), the floating picture and
// the header drag button of a column drag.
#include "drag_fixture.h"

TEST_F(DragTest, ADragStartsOnlyAfterAMoveOfMoreThanThreePixelsWithTheButtonDown)
{
    struct Case {
        int dx, dy;
        bool starts;
    };
    for (const Case& c : {Case{3, 0, false}, Case{0, -3, false}, Case{-3, 3, false}, Case{4, 0, true},
                          Case{0, -4, true}, Case{-4, 2, true}}) {
        log.clear();
        loop.runs = 0;
        loop.end = TestDragLoop::Ends::Cancelled;
        PressAndMove(TGridRect{2, 2, 3, 4}, 2, 3, c.dx, c.dy);
        EXPECT_EQ(loop.runs, c.starts ? 1 : 0) << c.dx << "," << c.dy;
        EXPECT_EQ(log, c.starts ? std::vector<std::string>{"start 2,3"} : std::vector<std::string>{});
        Release(2, 3);
    }
    // Without the button held nothing starts, however far the pointer goes.
    loop.runs = 0;
    g->SetSelection(TGridRect{2, 2, 3, 4});
    const TPoint p = Mid(2, 3);
    TestKit::MouseDown(g, p.X, p.Y);
    InputState().SetKeyDown(VK_LBUTTON, false);
    TestKit::MouseMove(g, p.X + 20, p.Y);
    EXPECT_EQ(loop.runs, 0);
}

TEST_F(DragTest, AReleaseWithoutADragSelectsThePressedCell)
{
    PressAndMove(TGridRect{2, 2, 3, 4}, 3, 3, 2, 0);
    EXPECT_EQ(RectText(g->Selection()), "2,2,3,4");
    Release(3, 3);
    EXPECT_EQ(RectText(g->Selection()), "3,3,3,3");
    EXPECT_EQ(Cell(g->Col(), g->Row()), "3,3");
}

TEST_F(DragTest, ARefusedDragSelectsARangeInstead)
{
    // OleColumnsOnly refuses a data cell; OnOleDrag may refuse any.
    for (bool columnsOnly : {true, false}) {
        g->DragDropSettings()->SetOleColumnsOnly(columnsOnly);
        std::string asked;
        g->OnOleDrag = [&](TObject*, int R, int C, const String& Data, bool& Allow) {
            asked = Cell(C, R) + " " + Data.toStdString();
            Allow = false;
        };
        g->FocusCell(2, 2);
        PressAndMove(TGridRect{2, 2, 2, 2}, 2, 2, 0, 5);
        EXPECT_EQ(loop.runs, 0);
        EXPECT_EQ(asked, columnsOnly ? "" : "2,2 2,2");
        EXPECT_EQ(g->GridState(), gsSelecting);
        const TPoint p = Mid(4, 5);
        TestKit::MouseMove(g, p.X, p.Y);
        EXPECT_EQ(RectText(g->Selection()), "2,2,4,5") << columnsOnly;
        Release(4, 5);
        EXPECT_EQ(g->GridState(), gsNormal);
    }
}

TEST_F(DragTest, TheDragCarriesTheSelectionAsTabSeparatedText)
{
    loop.end = TestDragLoop::Ends::OnTarget;
    loop.action = Qt::CopyAction;
    PressAndMove(TGridRect{2, 2, 3, 3}, 2, 2, 6, 0);
    EXPECT_EQ(loop.text.toStdString(), "2,2\t3,2\r\n2,3\t3,3");
    EXPECT_EQ(dropped, (std::vector<std::string>{"2,2\t3,2\r\n2,3\t3,3"}));
    EXPECT_EQ(log, (std::vector<std::string>{"start 2,2", "stop 1"}));
    // The press is over: the release selects nothing and sorts nothing.
    Release(4, 4);
    EXPECT_EQ(RectText(g->Selection()), "2,2,3,3");
    EXPECT_EQ(g->GridState(), gsNormal);
}

TEST_F(DragTest, ACancelledDragFiresNoStopAndLeavesTheCells)
{
    loop.end = TestDragLoop::Ends::Cancelled;
    PressAndMove(TGridRect{2, 2, 3, 3}, 2, 2, 6, 0);
    EXPECT_EQ(loop.runs, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"start 2,2"}));
    EXPECT_EQ(Text(2, 2), "2,2");
    EXPECT_EQ(Text(3, 3), "3,3");
    EXPECT_EQ(g->FloatingPicture(), nullptr);
}

TEST_F(DragTest, AMoveClearsTheDraggedCellsUnlessCopyAlwaysOrACopy)
{
    struct Case {
        Qt::DropAction action;
        bool copyAlways;
        bool cleared;
        const char* stop;
    };
    for (const Case& c : {Case{Qt::MoveAction, false, true, "stop 2"}, Case{Qt::MoveAction, true, false, "stop 2"},
                          Case{Qt::CopyAction, false, false, "stop 1"}}) {
        for (int r = 2; r <= 3; ++r)
            for (int col = 2; col <= 3; ++col)
                g->SetCells(col, r, QString::fromStdString(Cell(col, r)));
        log.clear();
        g->DragDropSettings()->SetOleCopyAlways(c.copyAlways);
        loop.end = TestDragLoop::Ends::OnTarget;
        loop.action = c.action;
        PressAndMove(TGridRect{2, 2, 3, 3}, 3, 3, 0, 8);
        EXPECT_EQ(log, (std::vector<std::string>{"start 3,3", c.stop}));
        for (int r = 2; r <= 3; ++r)
            for (int col = 2; col <= 3; ++col)
                EXPECT_EQ(Text(col, r), c.cleared ? "" : Cell(col, r)) << Cell(col, r) << " " << c.stop;
        // Cells outside the selection stay.
        EXPECT_EQ(Text(4, 3), "4,3");
        EXPECT_EQ(Text(2, 4), "2,4");
        Release(3, 3);
    }
}

TEST_F(DragTest, AMoveOntoTheGridItselfKeepsTheDroppedCells)
{
    // The selection (2,2)-(3,3) is dropped one cell down and right: the drop
    // writes (3,3)-(4,4) and selects it, as the grid's drop does.
    loop.end = TestDragLoop::Ends::OnGrid;
    loop.dropOnGrid = [](TVynStringGrid& G, const QMimeData&) {
        for (int r = 3; r <= 4; ++r)
            for (int c = 3; c <= 4; ++c)
                G.SetCells(c, r, QString("dropped %1,%2").arg(c - 1).arg(r - 1));
        G.SetSelection(TGridRect{3, 3, 4, 4});
    };
    PressAndMove(TGridRect{2, 2, 3, 3}, 2, 2, 10, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"start 2,2", "stop 2"}));
    // The source cells the drop did not cover are empty ...
    EXPECT_EQ(Text(2, 2), "");
    EXPECT_EQ(Text(3, 2), "");
    EXPECT_EQ(Text(2, 3), "");
    // ... the one it covered holds what was dropped there.
    EXPECT_EQ(Text(3, 3), "dropped 2,2");
    EXPECT_EQ(Text(4, 4), "dropped 3,3");
    EXPECT_EQ(Text(4, 2), "4,2");
}

TEST_F(DragTest, RemovedRowsAreTheDraggedRowsWhereverTheDropPutThem)
{
    g->DragDropSettings()->SetOleRemoveRows(true);
    g->SetGridOption(goRowSelect, true);
    // Rows 5 and 6 are dropped as two new rows at row 2: they move down to
    // 7 and 8, and those go.
    loop.end = TestDragLoop::Ends::OnGrid;
    loop.dropOnGrid = [](TVynStringGrid& G, const QMimeData&) {
        G.InsertRows(2, 2, true);
        G.SetCells(1, 2, "new A");
        G.SetCells(1, 3, "new B");
        G.SetSelection(TGridRect{1, 2, 5, 3});
    };
    PressAndMove(TGridRect{1, 5, 5, 6}, 2, 5, 0, 10);
    EXPECT_EQ(g->RowCount(), 10);
    std::vector<std::string> col0;
    for (int r = 0; r < g->RowCount(); ++r)
        col0.push_back(Text(1, r));
    EXPECT_EQ(col0, (std::vector<std::string>{"1,0", "1,1", "new A", "new B", "1,2", "1,3", "1,4", "1,7", "1,8",
                                              "1,9"}));
    // A move to another window removes them where they are.
    loop.end = TestDragLoop::Ends::OnTarget;
    PressAndMove(TGridRect{1, 2, 5, 3}, 2, 2, 0, 10);
    EXPECT_EQ(g->RowCount(), 8);
    EXPECT_EQ(Text(1, 2), "1,2");
}

TEST_F(DragTest, TheFloatingPictureShowsTheVisibleSelectionAndFollowsThePointer)
{
    loop.end = TestDragLoop::Ends::Cancelled;
    loop.steps = {TPoint(300, 200), TPoint(320, 210)};
    TNoActiveForm* seen = nullptr;
    TRect bounds;
    bool visible = false;
    loop.during = [&] {
        seen = g->FloatingPicture();
        if (seen) {
            bounds = seen->BoundsRect();
            visible = seen->Visible();
        }
    };
    PressAndMove(TGridRect{2, 2, 3, 4}, 2, 2, 5, 0);
    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(visible);
    // Two columns of 80, three rows of 20; 4 pixels right of and below the pointer.
    EXPECT_EQ(bounds, TRect(324, 214, 324 + 160, 214 + 60));
    EXPECT_EQ(g->FloatingPicture(), nullptr);
}

TEST_F(DragTest, AColumnDragCarriesTheColumnWithTheHeaderDragButton)
{
    g->SetEnhRowColMove(false);
    g->DragDropSettings()->SetOleColumnDragDrop(true);
    g->DragDropSettings()->SetShowCells(false);
    g->HideColumn(1);
    // Display column 2 is real column 3.
    loop.end = TestDragLoop::Ends::OnTarget;
    loop.action = Qt::CopyAction;
    loop.steps = {TPoint(300, 200)};
    bool shown = false;
    String caption;
    TRect bounds;
    loop.during = [&] {
        THeaderDragButton* b = g->HeaderDragButton();
        shown = b && b->Visible();
        caption = b ? b->Caption() : String();
        bounds = b ? b->BoundsRect() : TRect();
    };
    PressAndMove(TGridRect{1, 1, 1, 1}, 2, 0, 10, 0);
    EXPECT_EQ(loop.column.toStdString(), "3");
    EXPECT_EQ(log, (std::vector<std::string>{"start 3,0", "stop 1"}));
    EXPECT_TRUE(shown);
    EXPECT_EQ(caption.toStdString(), "3,0");
    // Left at the pointer, bottom at its height; the column's width, row 0's height.
    EXPECT_EQ(bounds, TRect(300, 180, 380, 200));
    EXPECT_FALSE(g->HeaderDragButton()->Visible());
    EXPECT_FALSE(g->ArwU->Visible());
}
