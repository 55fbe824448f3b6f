// Window messages of the grid: the cursor's precedence, column widths that
// follow the grid's width, the editor opened on gaining the focus.
#include "grid/core/column_size.h"
#include "grid/edit/grid_edit_holders.h"
#include "interact_fixture.h"

namespace {

using WindowMessageTest = InteractTest;

TEST_F(WindowMessageTest, ASplitCursorWinsOverTheCellCursor)
{
    g->OnGetCellCursor = [](TObject*, int, int, int, int, TCursor& C) { C = crHandPoint; };
    const TRect r = g->CellRect(2, 2);
    InputState().SetCursorPos(g->ClientToScreen(TPoint(r.Left + 5, r.Top + 5)));
    auto cursorMessage = [&] {
        g->Perform(WM_SETCURSOR, intptr_t(g->Widget()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return Screen.Cursor();
    };
    EXPECT_EQ(cursorMessage(), crHandPoint);
    g->FSizeFixed = true;
    EXPECT_EQ(cursorMessage(), crHSplit);
    g->FSizeFixed = false;
    // A select mode shows the grid's own cursor.
    g->SetMouseSelectMode(TVynStringGrid::TMouseSelectMode::msRow);
    EXPECT_EQ(cursorMessage(), TCursor(8010));
    g->SetMouseSelectMode(TVynStringGrid::TMouseSelectMode::msNormal);
    Screen.SetCursor(crDefault);
}

TEST_F(WindowMessageTest, ColumnWidthsFollowTheGridsWidth)
{
    g->SetScrollBars(ssNone);
    for (int c = 0; c < g->ColCount(); ++c)
        g->SetColWidths(c, 50 + 7 * c);
    g->InitOrigColSizes();
    g->ColumnSize()->SetSynchWithGrid(true);
    g->SetWidth(550);
    for (int c = 0; c < g->ColCount(); ++c)
        EXPECT_EQ(g->ColWidths(c), int((50 + 7 * c) * 1.1)) << c;
}

TEST_F(WindowMessageTest, AlwaysEditOpensTheEditorOnFocusOnlyOnAnEditableTextCell)
{
    TEdit* other = new TEdit(&form);
    other->SetBounds(520, 10, 100, 22);
    other->SetParent(&form);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->Navigation()->SetAlwaysEdit(true);
    g->OnGetEditorType = [](TObject*, int C, int, TEditorType& E) {
        if (C == 3)
            E = TEditorType::edDataCheckBox;
    };
    struct Case {
        int col;
        bool opens;
    };
    for (const Case c : {Case{2, true}, Case{3, false}}) {
        SCOPED_TRACE(c.col);
        other->SetFocus();
        g->FocusCell(c.col, 2);
        g->HideInplaceEdit();
        g->SetFocus();
        EXPECT_EQ(g->EditorMode() && g->InplaceEditor() && g->InplaceEditor()->Visible(), c.opens);
    }
}

}  // namespace

namespace {

TEST_F(WindowMessageTest, ASynchronisedGridFollowsScrolling)
{
    auto* other = new TInteractGrid(&form);
    other->SetBounds(0, 310, 500, 150);
    other->SetRowCount(60);
    other->SetParent(&form);
    g->SetRowCount(60);
    g->SyncGrid()->SetGrid(other);
    g->SyncGrid()->SetScrollVertical(true);
    g->SetTopRow(20);
    EXPECT_EQ(other->TopRow(), 20);
    g->SyncGrid()->SetScrollVertical(false);
    g->SetTopRow(25);
    EXPECT_EQ(other->TopRow(), 20);
    g->SyncGrid()->SetGrid(nullptr);
}

}  // namespace
