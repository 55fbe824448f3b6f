// TVynStringGrid: moving a column or row with the mouse. The platform grid
// runs the move (its moving state, the move timer); with EnhRowColMove the
// grid shows the moved header's caption (THeaderDragButton) or a picture of
// the moved cells under the pointer, and arrows at the place where the
// release would drop it: the column (row) under the pointer now.
#include <algorithm>

#include "grid/core/grid_controls.h"
#include "grid/core/no_active_form.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_drag_button.h"
#include "grid/io/grid_io_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"

TColor TVynStringGrid::ArrowColor() const { return ArwU ? ArwU->Color() : clLime; }

void TVynStringGrid::SetArrowColor(TColor Value)
{
    for (TWinControl* a : {ArwU, ArwD, ArwL, ArwR})
        if (a) {
            a->SetColor(Value);
            a->Invalidate();
        }
}

THeaderDragButton* TVynStringGrid::MoveButtonNeeded()
{
    if (!FMoveButton) {
        FMoveButton = new THeaderDragButton(this, this);
        MoveButton = FMoveButton;
    }
    return FMoveButton;
}

void TVynStringGrid::PlaceArrow(TWinControl* Arrow, int Left, int Top, bool Show)
{
    auto* a = dynamic_cast<TArrowWindow*>(Arrow);
    if (!a)
        return;
    int w = 0, h = 0;
    for (const TPoint& p : a->Arrow()) {
        w = std::max(w, p.X + 1);
        h = std::max(h, p.Y + 1);
    }
    a->SetBounds(Left, Top, w, h);
    a->SetVisible(Show);
}

void TVynStringGrid::HideDropArrows()
{
    if (FDesigning)
        return;
    for (TWinControl* a : {ArwU, ArwD, ArwL, ArwR})
        if (a && a->Visible())
            a->SetVisible(false);
}

void TVynStringGrid::HideMoveVisuals()
{
    if (FMoveButton) {
        FMoveButton->SetEnabled(false);
        FMoveButton->SetVisible(false);
    }
    FreeFloatingPicture();
    HideDropArrows();
}

// ---- moving ------------------------------------------------------------------------------------

void TVynStringGrid::ColRowMovingMove(int X, int Y)
{
    const bool cols = GridState() == gsColMoving;
    if (FDesigning || (!cols && GridState() != gsRowMoving))
        return;
    TWeakRef<TVynStringGrid> self(this);
    bool allow = true;
    if (cols && OnColumnMove)
        OnColumnMove(this, Movecell, allow);
    else if (!cols && OnRowMove)
        OnRowMove(this, Movecell, allow);
    if (!self)
        return;
    if (!allow) {
        KillTimer(this, 1);
        SetGridState(gsNormal);
        HideMoveVisuals();
        if (Screen.Cursor() == crDrag || Screen.Cursor() == crNoDrop)
            Screen.SetCursor(crDefault);
        return;
    }
    EnhancedMoveVisuals(X, Y);
}

void TVynStringGrid::EnhancedMoveVisuals(int X, int Y)
{
    // 1.
    if (!FEnhRowColMove || RowCount() <= 1 || (X == Clickposx && Y == Clickposy) || FSizingFixed || FSizingFixedR)
        return;
    TWeakRef<TVynStringGrid> self(this);
    bool allow = true;
    DoStartBlockFocus();
    if (!self)
        return;
    const bool cols = GridState() == gsColMoving;
    const bool showCells = FDragDropSettings->ShowCells();
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    THeaderDragButton* button = MoveButtonNeeded();
    // 2.
    bool placed = false;
    if (cols && Movecell >= FixedCols() && r >= 0) {
        if (showCells && !MoveForm) {
            MoveForm = CellsToForm(TRect(Movecell, 0, Movecell, TopRow() + VisibleRowCount() - FixedRows()));
            MoveForm->SetVisible(true);
        }
        button->SetCaption(GetCellEx(RealColIndex(Movecell), 0));
        button->SetBounds(button->Left(), button->Top(), ColWidths(Movecell), RowHeights(r));
        placed = true;
    } else if (!cols && Movecell >= FixedRows() && c >= 0) {
        if (showCells && !MoveForm) {
            MoveForm = CellsToForm(TRect(0, Movecell, LeftCol() + VisibleColCount() - FixedCols(), Movecell));
            MoveForm->SetVisible(true);
        }
        button->SetCaption(GetCellEx(RealColIndex(0), Movecell));
        button->SetBounds(button->Left(), button->Top(), ColWidths(c), RowHeights(Movecell));
        placed = true;
    }
    // 3.
    if (placed) {
        const TPoint p = ClientToScreen(TPoint(X - MoveOfsX, Y - MoveOfsY));
        if (showCells && MoveForm)
            MoveForm->SetBounds(p.X, p.Y, MoveForm->Width(), MoveForm->Height());
        else
            button->SetBounds(p.X, p.Y, button->Width(), button->Height());
    }
    if (cols && r >= 0) {
        // 4. The arrows mark the column the release would drop on.
        FMoveColInd = c;
        FMoveRowInd = 0;
        const bool shown = c >= FixedCols() && c >= LeftCol() && c < LeftCol() + VisibleColCount() + 1;
        if (c >= FixedCols()) {
            const TRect cr = CellRect(c, 0);
            const TPoint tl = ClientToScreen(TPoint(cr.Left, cr.Top));
            const TPoint br = ClientToScreen(TPoint(cr.Right, cr.Bottom));
            const int x = (c < Movecell ? tl.X : br.X) - 5;
            PlaceArrow(ArwU, x, br.Y, shown);
            PlaceArrow(ArwD, x, tl.Y - 8, shown);
        } else {
            HideDropArrows();
        }
        if (OnColumnMoving)
            OnColumnMoving(this, c, allow);
    } else if (!cols && c >= 0) {
        // 5.
        FMoveColInd = 0;
        FMoveRowInd = r;
        const bool footer = r == RowCount() - 1 && FFloatingFooter && FFloatingFooter->Visible() &&
                            FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow;
        if (r >= FixedRows() && !footer) {
            const bool shown = r >= TopRow() && r < TopRow() + VisibleRowCount() + 1;
            const TRect cr = CellRect(0, r);
            const TPoint tl = ClientToScreen(TPoint(cr.Left, cr.Top));
            const TPoint br = ClientToScreen(TPoint(cr.Right, cr.Bottom));
            const int y = (r < Movecell ? tl.Y : br.Y) - 5;
            PlaceArrow(ArwL, tl.X - 10, y, shown);
            PlaceArrow(ArwR, br.X, y, shown);
        } else if (r >= 0) {
            HideDropArrows();
        }
        if (OnRowMoving)
            OnRowMoving(this, r, allow);
    }
    if (!self)
        return;
    // 6. Scrolling at the edges.
    if (cols) {
        if (X < FixedColsWidth() && LeftCol() > FixedCols()) {
            SetLeftCol(LeftCol() - 1);
            Repaint();
        } else if (X > ClientWidth() && LeftCol() + VisibleColCount() < ColCount()) {
            SetLeftCol(LeftCol() + 1);
            Repaint();
        }
    } else {
        if (Y < FixedRowsHeight() && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            Repaint();
        } else if (Y > ClientHeight() && TopRow() + VisibleRowCount() < RowCount()) {
            SetTopRow(TopRow() + 1);
            Repaint();
        }
    }
    // 7.
    if (!button->Visible() && !showCells)
        button->SetVisible(true);
    if (!button->Enabled())
        button->SetEnabled(true);
    Screen.SetCursor(allow ? crDrag : crNoDrop);
}

bool TVynStringGrid::EndEnhancedMove(int X, int Y)
{
    if (!(FEnhRowColMove && (GridState() == gsRowMoving || GridState() == gsColMoving) &&
          (Screen.Cursor() == crDrag || Screen.Cursor() == crNoDrop)))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    const bool cols = GridState() == gsColMoving;
    const bool noDrop = Screen.Cursor() == crNoDrop;
    HideMoveVisuals();
    DoEndBlockFocus();
    if (!self)
        return true;
    Screen.SetCursor(crDefault);
    KillTimer(this, 1);
    // The state is normal before the column (row) moves: the platform's
    // release does not move it again.
    SetGridState(gsNormal);
    const int from = Movecell;
    if (noDrop) {
        if (cols)
            InvalidateRow(0);
        else
            InvalidateCol(0);
    } else {
        int c = -1, r = -1;
        MouseToCell(X, Y, c, r);
        if (cols && c >= FixedCols() && c != from && from >= FixedCols())
            MoveColumn(from, c);
        else if (!cols && r >= FixedRows() && r != from && from >= FixedRows())
            MoveRow(from, r);
    }
    return true;
}
