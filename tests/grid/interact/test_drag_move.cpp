// Moving a column or row with EnhRowColMove: the header drag button, the
// arrows on the place the release drops on, the move and moving events, the
// cursors, and the release that moves without sorting.
#include "drag_fixture.h"

namespace {

struct MoveTest : DragTest {
    MoveTest()
    {
        g->DragDropSettings()->SetOleDropSource(false);
        g->DragDropSettings()->SetShowCells(false);
        g->SetGridOption(goColMoving, true);
        g->SetGridOption(goRowMoving, true);
    }
    TPoint OnScreen(int X, int Y) const { return g->ClientToScreen(TPoint(X, Y)); }
    void Press(int C, int R)
    {
        const TPoint p = Mid(C, R);
        TestKit::MouseDown(g, p.X, p.Y);
    }
    void MoveTo(int C, int R, int DX = 0)
    {
        const TPoint p = Mid(C, R);
        TestKit::MouseMove(g, p.X + DX, p.Y);
    }
    std::string Row(int R) const
    {
        std::string s;
        for (int c = 0; c < g->ColCount(); ++c)
            s += (c ? " " : "") + Text(c, R);
        return s;
    }
};

}  // namespace

TEST_F(MoveTest, TheArrowsMarkTheColumnUnderThePointerAndTheReleaseMovesThere)
{
    Press(2, 0);
    ASSERT_EQ(g->GridState(), gsColMoving);
    MoveTo(4, 0);
    THeaderDragButton* b = g->HeaderDragButton();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Visible());
    EXPECT_EQ(b->Caption().toStdString(), "2,0");
    // At the pointer less the press offset inside the header (40, 10).
    EXPECT_EQ(b->BoundsRect(), TRect(OnScreen(4 * 80, 0).X, OnScreen(0, 0).Y, OnScreen(4 * 80, 0).X + 80, OnScreen(0, 20).Y));
    EXPECT_EQ(Screen.Cursor(), crDrag);
    // Right of the moved column: 5 pixels left of the target's right edge.
    const TRect h4 = g->CellRect(4, 0);
    EXPECT_TRUE(g->ArwU->Visible());
    EXPECT_TRUE(g->ArwD->Visible());
    EXPECT_EQ(g->ArwU->Left(), OnScreen(h4.Right, 0).X - 5);
    EXPECT_EQ(g->ArwU->Top(), OnScreen(0, h4.Bottom).Y);
    EXPECT_EQ(g->ArwD->Top(), OnScreen(0, h4.Top).Y - 8);
    // Back to column 3: the arrows follow at once (not one move late).
    MoveTo(3, 0);
    EXPECT_EQ(g->ArwU->Left(), OnScreen(g->CellRect(3, 0).Right, 0).X - 5);
    // Left of the moved column: at the target's left edge.
    MoveTo(1, 0);
    EXPECT_EQ(g->ArwU->Left(), OnScreen(g->CellRect(1, 0).Left, 0).X - 5);
    MoveTo(3, 0);
    Release(3, 0);
    EXPECT_EQ(Row(1), "0,1 1,1 3,1 2,1 4,1 5,1");
    EXPECT_FALSE(b->Visible());
    EXPECT_FALSE(g->ArwU->Visible());
    EXPECT_FALSE(g->ArwD->Visible());
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(g->GridState(), gsNormal);
    // No header sort after a move; the next plain header click sorts.
    EXPECT_EQ(log, std::vector<std::string>{});
    Press(4, 0);
    Release(4, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"sort 4,0"}));
}

TEST_F(MoveTest, ARowMoveMarksTheRowWithTheSideArrows)
{
    Press(0, 3);
    ASSERT_EQ(g->GridState(), gsRowMoving);
    MoveTo(0, 6, 5);
    EXPECT_EQ(g->HeaderDragButton()->Caption().toStdString(), "0,3");
    const TRect r6 = g->CellRect(0, 6);
    EXPECT_TRUE(g->ArwL->Visible());
    EXPECT_TRUE(g->ArwR->Visible());
    // Below the moved row: 5 pixels above the target's bottom edge.
    EXPECT_EQ(g->ArwL->Left(), OnScreen(r6.Left, 0).X - 10);
    EXPECT_EQ(g->ArwR->Left(), OnScreen(r6.Right, 0).X);
    EXPECT_EQ(g->ArwL->Top(), OnScreen(0, r6.Bottom).Y - 5);
    MoveTo(0, 2, 5);
    EXPECT_EQ(g->ArwL->Top(), OnScreen(0, g->CellRect(0, 2).Top).Y - 5);
    Release(0, 2);
    EXPECT_EQ(Text(1, 2), "1,3");
    EXPECT_EQ(Text(1, 3), "1,2");
    EXPECT_FALSE(g->ArwL->Visible());
}

TEST_F(MoveTest, ARefusedTargetShowsNoDropAndTheReleaseMovesNothing)
{
    std::vector<std::string> asked;
    g->OnColumnMoving = [&](TObject*, int C, bool& Allow) {
        asked.push_back(std::to_string(C));
        Allow = C != 4;
    };
    Press(2, 0);
    MoveTo(3, 0);
    EXPECT_EQ(Screen.Cursor(), crDrag);
    MoveTo(4, 0);
    EXPECT_EQ(Screen.Cursor(), crNoDrop);
    Release(4, 0);
    EXPECT_EQ(asked, (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(Row(1), "0,1 1,1 2,1 3,1 4,1 5,1");
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(log, std::vector<std::string>{});
}

TEST_F(MoveTest, OnColumnMoveCanEndTheMove)
{
    g->OnColumnMove = [](TObject*, int C, bool& Allow) { Allow = C != 2; };
    Press(2, 0);
    MoveTo(4, 0);
    EXPECT_EQ(g->GridState(), gsNormal);
    EXPECT_TRUE(g->HeaderDragButton() == nullptr || !g->HeaderDragButton()->Visible());
    Release(4, 0);
    EXPECT_EQ(Row(1), "0,1 1,1 2,1 3,1 4,1 5,1");
}

TEST_F(MoveTest, CancelModeHidesTheButtonAndTheArrows)
{
    Press(2, 0);
    MoveTo(4, 0);
    ASSERT_TRUE(g->HeaderDragButton()->Visible());
    CancelMode();
    EXPECT_EQ(g->GridState(), gsNormal);
    EXPECT_FALSE(g->HeaderDragButton()->Visible());
    EXPECT_FALSE(g->ArwU->Visible());
    EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(MoveTest, ArrowColorIsWhatWasWrittenToAllFourArrows)
{
    EXPECT_EQ(g->ArrowColor(), clLime);
    g->SetArrowColor(clRed);
    EXPECT_EQ(g->ArrowColor(), clRed);
    for (TWinControl* a : {g->ArwU, g->ArwD, g->ArwL, g->ArwR})
        EXPECT_EQ(a->Color(), clRed);
}

TEST_F(MoveTest, WithShowCellsAPictureOfTheColumnFollowsThePointer)
{
    g->DragDropSettings()->SetShowCells(true);
    Press(2, 0);
    MoveTo(4, 0);
    TNoActiveForm* pic = g->FloatingPicture();
    ASSERT_NE(pic, nullptr);
    EXPECT_TRUE(pic->Visible());
    EXPECT_FALSE(g->HeaderDragButton()->Visible());
    // Column 2 from row 0 to TopRow + VisibleRowCount - FixedRows.
    EXPECT_EQ(pic->Width(), 80);
    EXPECT_EQ(pic->Height(), (g->TopRow() + g->VisibleRowCount() - g->FixedRows() + 1) * 20);
    EXPECT_EQ(pic->Left(), OnScreen(4 * 80, 0).X);
    Release(4, 0);
    EXPECT_EQ(g->FloatingPicture(), nullptr);
}
