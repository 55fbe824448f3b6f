// TVynStringGrid: the mouse-down, mouse-move and mouse-up overrides the
// platform grid calls, the mouse leaving, hover effects, the sizing of fixed
// borders with its hints, clicks from code and the filter button's list.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_scope.h"
#include "grid/render/html_hint_window.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/input_state.h"

// ---- cells under the pointer ---------------------------------------------------------------------

void TVynStringGrid::ScreenToCell(TPoint P, int& ACol, int& ARow)
{
    const TPoint p = ScreenToClient(P);
    MouseToCell(p.X, p.Y, ACol, ARow);
}

bool TVynStringGrid::IsNearSizingBorder(int X, int Y)
{
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return false;
    const TRect cr = CellRect(c, r);
    bool near = r <= FixedRows() && Options().Contains(goColSizing) && (X - cr.Left < 4 || cr.Right - X < 4);
    if (c <= FixedCols() && Options().Contains(goRowSizing))
        near = Y - cr.Top < 4 || cr.Bottom - Y < 4;
    return near;
}

void TVynStringGrid::SimulateCellClick(int ACol, int ARow)
{
    TWeakRef<TVynStringGrid> self(this);
    TValueScope<bool> force(FForceSel, true);
    TValueScope<TMouseEvent> down(OnMouseDown, TMouseEvent());
    TValueScope<TMouseEvent> up(OnMouseUp, TMouseEvent());
    const TRect r = CellRect(ACol, ARow);
    TBaseGrid::MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    if (self)
        TBaseGrid::MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
}

// ---- mouse down -----------------------------------------------------------------------------------

void TVynStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    // 2. A press on the current cell edits it; a Shift-press elsewhere
    // only extends the range.
    if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly()) {
        if (c == Col() && r == Row() && !Options().Contains(goEditing) && IsEditable(RealColIndex(c), r)) {
            SetGridOption(goEditing, true);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            if (self)
                ShowInplaceEdit();
            return;
        }
        if ((c != Col() || r != Row()) && Shift.Contains(ssShift) && Options().Contains(goEditing)) {
            SetGridOption(goEditing, false);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    // 3. The drop-down button of a fixed cell.
    if (Button == mbLeft && FixedDropDownPress(c, r, X))
        return;
    if (!self)
        return;
    // 4. The pressed look of a hover-capable fixed cell.
    FMouseButtonDown = Button == mbLeft;
    if (c >= 0 && r == FixedRows() - 1 && IsHoverFixedCell(c, r))
        RepaintCell(c, r);
    // 5.
    {
        TValueScope<bool> start(FEditStart, true);
        TBaseGrid::MouseDown(Button, Shift, X, Y);
    }
    if (!self)
        return;
    // 6.
    if (Shift.Contains(ssShift) && FSelectionRectangle) {
        const TGridRect s = Selection();
        InvalidateCellRange(TRect(s.Left, s.Top, s.Right, s.Bottom));
    }
    // 7. (grid_fixed_edit.cpp)
    if (FixedCellEditPress(Button, c, r, X, Y) || !self)
        return;
    // 8.
    if (TVynStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->SelectionColumn() && Col() < other->ColCount())
            other->SetCol(Col());
        if (FSyncGrid->SelectionRow() && Row() < other->RowCount())
            other->SetRow(Row());
    }
}

// ---- mouse move -----------------------------------------------------------------------------------

void TVynStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    // 1. Dragging selects a range instead of editing.
    if (FMouseDownMove && FMouseActions->RangeSelectAndEdit() && Options().Contains(goEditing) && !EditorMode())
        SetGridOption(goEditing, false);
    // 2.
    const TGridRect s0 = Selection();
    // 3 to 6. Hover effects.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c >= 0 && r >= 0) {
        HoverRowMove(r);
        if (c != FScrollCol || r != FScrollRow)
            ShowCellScrollBar(c, r);
    }
    if (!FNoMouseLeave)
        HoverFixedMove(c, r);
    HotFixedMove(c, r);
    SyncHotFixedPaint();
    HoverButtonMove(c, r, X, Y);
    // 7, 8. Rows or columns selected by dragging in the fixed area.
    if (FMouseSelectStart.Y >= 0 && FMouseSelectMode == TMouseSelectMode::msRow && r >= FixedRows() &&
        r <= RowCount() - FFixedFooters) {
        const int to = std::max(FixedRows(), std::min(r, RowCount() - 1));
        SetSelection(TGridRect{FixedCols(), std::min(FMouseSelectStart.Y, to), ColCount() - 1,
                               std::max(FMouseSelectStart.Y, to)});
        if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount())
            SetTopRow(TopRow() + 1);
        else if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
    } else if (FMouseSelectStart.X >= 0 && FMouseSelectMode == TMouseSelectMode::msColumn && c >= 0) {
        const int to = std::max(FixedCols(), c);
        SetSelection(TGridRect{std::min(FMouseSelectStart.X, to), FixedRows(), std::max(FMouseSelectStart.X, to),
                               RowCount() - 1});
    }
    // 9.
    FixedBorderMove(X, Y);
    // 12.
    if (GridState() == gsColSizing || GridState() == gsRowSizing)
        ColSizeFlg = true;
    if (!FDesigning) {
        if (GridState() == gsColSizing)
            ColSized = true;
        if (GridState() == gsRowSizing)
            Rowsized = true;
    }
    if ((GridState() == gsColMoving || GridState() == gsRowMoving) && PressBecameMove(X, Y))
        ColMoveFlg = true;
    // 11, 12. Drags of cells and columns, the move events and visuals
    // (grid_drag.cpp, grid_drag_move.cpp).
    if (OleDragMove(X, Y) || !self) {
        if (self)
            ReportSelectionChange(s0);
        return;
    }
    ColRowMovingMove(X, Y);
    if (!self)
        return;
    // 13.
    if (GridState() == gsNormal)
        SelectModeMove(c, r, X, Y);
    // 14., 15. (grid_hints.cpp)
    AnchorMove(c, r, X, Y);
    if (!self)
        return;
    HintCellMove(c, r);
    // 16.
    if (FSelectionRectangle && GridState() == gsSelecting && !(Selection() == FMoveSelection)) {
        const TGridRect s = Selection();
        InvalidateCellRange(TRect(s.Left, s.Top, s.Right, s.Bottom));
        FMoveSelection = s;
    }
    // 17.
    TBaseGrid::MouseMove(Shift, X, Y);
    if (!self)
        return;
    // 18.
    if (FNavigation->KeepHorizScroll() && FMouseKeepDown && GridState() != gsColMoving &&
        LeftCol() != FOldKeepLeftCol && Options().Contains(goRowSelect)) {
        {
            TUpdateScope lock(*this);
            SetLeftCol(FOldKeepLeftCol);
        }
        Invalidate();
    }
    // 19, 20.
    SizingMove(X, Y);
    if (!self)
        return;
    // 22.
    ReportSelectionChange(s0);
}

void TVynStringGrid::HoverRowMove(int ARow)
{
    if (!FHoverRow || ARow == FHoverRowIdx)
        return;
    const int old = FHoverRowIdx;
    FHoverRowIdx = ARow;
    if (old >= 0)
        RepaintRow(old);
    if (ARow >= 0)
        RepaintRow(ARow);
}

void TVynStringGrid::HoverFixedMove(int ACol, int ARow)
{
    if (FHoverFixedCells == THoverFixedCells::hfNone)
        return;
    int c = ACol, r = ARow;
    if (c < 0 || r < 0 || !IsHoverFixedCell(c, r))
        c = r = -1;
    if (c == FHoverFixedX && r == FHoverFixedY)
        return;
    const int oc = FHoverFixedX, orow = FHoverFixedY;
    SetHoverFixedCell(c, r);
    if (oc >= 0 && orow >= 0)
        RepaintCell(oc, orow);
    if (c >= 0)
        RepaintCell(c, r);
}

void TVynStringGrid::HoverButtonMove(int ACol, int ARow, int X, int Y)
{
    TPoint now(-1, -1);
    if (ACol >= 0 && ARow >= 0) {
        const int n = RealColIndex(ACol);
        if ((HasButton(n, ARow) && GetCellGraphicRect(ACol, ARow).Contains(TPoint(X, Y))) ||
            (HasExpand(n, ARow) && GetExpandRect(n, ARow).Contains(TPoint(X, Y))))
            now = TPoint(ACol, ARow);
    }
    if (now == FHoverButton)
        return;
    const TPoint old = FHoverButton;
    FHoverButton = now;
    if (old.X >= 0)
        RepaintCell(old.X, old.Y);
    if (now.X >= 0)
        RepaintCell(now.X, now.Y);
}

void TVynStringGrid::FixedBorderMove(int X, int Y)
{
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    const bool onCell = c >= 0 && r >= 0;
    // The right border of fixed column i: the widths of 0 .. i plus a line
    // each after the first.
    bool near = false;
    if (FMouseActions->SizeFixedCol() && FixedCols() > 0 && onCell) {
        int edge = 0;
        for (int i = 0; i < FixedCols() && !near; ++i) {
            edge += ColWidths(i) + (i > 0 ? 1 : 0);
            near = std::abs(X - edge) < 3;
        }
    }
    FSizeFixed = near;
    if (FSizingFixed && X != FSizeFixedX) {
        DrawColSizeLine(FSizeFixedX);
        FSizeFixedX = X;
        DrawColSizeLine(X);
    }
    near = false;
    if (FMouseActions->SizeFixedRow() && FixedRows() > 0 && onCell) {
        int edge = 0;
        for (int i = 0; i < FixedRows() && !near; ++i) {
            edge += RowHeights(i) + (i > 0 ? 1 : 0);
            near = std::abs(Y - edge) < 3;
        }
    }
    FSizeFixedR = near;
    if (FSizingFixedR && Y != FSizeFixedY) {
        DrawRowSizeLine(FSizeFixedY);
        FSizeFixedY = Y;
        DrawRowSizeLine(Y);
    }
}

void TVynStringGrid::SelectModeMove(int ACol, int ARow, int X, int Y)
{
    TMouseSelectMode mode = TMouseSelectMode::msNormal;
    if (ACol >= 0 && ARow >= 0) {
        if (ARow < FixedRows() && ACol < FixedCols() && FMouseActions->AllSelect())
            mode = TMouseSelectMode::msAll;
        else if (ARow < FixedRows() && ACol >= FixedCols() && FMouseActions->ColSelect() && !IsNearSizingBorder(X, Y))
            mode = TMouseSelectMode::msColumn;
        else if (ACol < FixedCols() && ARow >= FixedRows() && ARow <= RowCount() - 1 && FMouseActions->RowSelect() &&
                 !IsNearSizingBorder(X, Y))
            mode = TMouseSelectMode::msRow;
    }
    if (mode != TMouseSelectMode::msNormal)
        Invokedchange = true;
    FMouseSelectMode = mode;
}

void TVynStringGrid::SizingMove(int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool colSizing = GridState() == gsColSizing || FSizingFixed;
    const bool rowSizing = GridState() == gsRowSizing || FSizingFixedR;
    if (!colSizing && !rowSizing)
        return;
    if (colSizing) {
        int size = FSizeFixedX, col = 0, hintCol = 0;
        if (!FSizingFixed) {
            col = Colclicked >= 0 ? Colclicked : ColCount() - 1;
            const TRect cr = CellRect(col, Rowclicked >= 0 ? Rowclicked : 0);
            size = X - cr.Left - Clickposdx;
            hintCol = col;
        }
        if (OnColumnSizing)
            OnColumnSizing(this, col, size);
        if (self && FHintShowSizing)
            ShowSizingHint("cw=<b>" + String::number(size) + "</b>", hintCol, FSizingFixed ? 0 : std::max(0, Rowclicked));
    } else {
        int size = FSizeFixedY, row = 0, hintRow = 0;
        if (!FSizingFixedR) {
            row = Rowclicked >= 0 ? Rowclicked : RowCount() - 1;
            const TRect cr = CellRect(Colclicked >= 0 ? Colclicked : 0, row);
            size = Y - cr.Top - Clickposdy;
            hintRow = row;
        }
        if (OnRowSizing)
            OnRowSizing(this, row, size);
        if (self && FHintShowSizing)
            ShowSizingHint("rh=<b>" + String::number(size) + "</b>", FSizingFixedR ? 0 : std::max(0, Colclicked),
                           hintRow);
    }
}

void TVynStringGrid::ShowSizingHint(const String& Text, int ACol, int ARow)
{
    THintWindow* w = ScrollHint();
    if (!w)
        return;
    w->SetColor(FHintColor);
    const TRect hr = w->CalcHintRect(200, Text, nullptr);
    const TRect cr = CellRect(ACol, ARow);
    const TPoint p = ClientToScreen(TPoint(cr.Left, cr.Top));
    w->ActivateHint(TRect(p.X, p.Y, p.X + hr.Width(), p.Y + hr.Height()), Text);
    FScrollHintShow = true;
}

// ---- mouse up -------------------------------------------------------------------------------------

void TVynStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    // 2.
    const TGridRect s1 = Selection();
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    // 3.
    if (Button == mbLeft && FilterButtonRelease(c, r, X, Y))
        return;
    if (!self)
        return;
    // 4.
    FDropDownDown = false;
    // 5. A release right of (below) the grid leaves the size as it was.
    if ((GridState() == gsColSizing && X >= ClientWidth()) || (GridState() == gsRowSizing && Y >= ClientHeight())) {
        SetGridState(gsNormal);
        Invalidate();
        return;
    }
    // 6. Disjunct cells.
    if (Button == mbLeft && FMouseActions->DisjunctCellSelect() && c >= 0 && r >= 0) {
        int bc = RealColIndex(c), br = r;
        GetBaseCellOf(bc, br, bc, br);
        const int dc = DisplColIndex(bc);
        const bool ctrl = Shift.Contains(ssCtrl) || GetKeyState(VK_CONTROL) < 0;
        if (!IsFixed(dc, br)) {
            bool can = true;
            if (OnSelectCell)
                OnSelectCell(this, dc, br, can);
            if (!self || !can)
                return;
            if (Shift.Contains(ssShift))
                SetSelectedCells(c, r, true);
            else if (ctrl)
                SetSelectedCells(dc, br, !SelectedCells(dc, br));
            else {
                ClearSelectedCells();
                SetSelectedCells(dc, br, true);
            }
        } else if (!IsFixed(c, r) && !ctrl) {
            ClearSelectedCells();
        }
        const TGridRect s = Selection();
        if (!(s.Left == s.Right && s.Top == s.Bottom) && !ctrl)
            for (int x = s.Left; x <= s.Right; ++x)
                for (int y = s.Top; y <= s.Bottom; ++y)
                    if ((x != dc || y != br) && !SelectedCells(x, y))
                        SetSelectedCells(x, y, true);
        Invalidate();
    }
    // 7.
    if (Button == mbRight && GridState() == gsColMoving)
        return;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (!self)
        return;
    if (FMouseButtonDown) {
        FMouseButtonDown = false;
        if (c >= 0 && r == FixedRows() - 1 && IsHoverFixedCell(c, r))
            RepaintCell(c, r);
    }
    ReportSelectionChange(s1);
}

void TVynStringGrid::CMMouseLeave(TMessage& Message)
{
    TBaseGrid::CMMouseLeave(Message);
    FMouseDownMove = false;
    FMouseSelectMode = TMouseSelectMode::msNormal;
    FSizeFixed = FSizeFixedR = false;
    if (!FNoMouseLeave)
        ResetFixedCellHighlight();
    if (FHotFixedCell.X >= 0) {
        const TPoint old = FHotFixedCell;
        FHotFixedCell = TPoint(-1, -1);
        if (old.Y >= 0 && (old.X < FixedCols() || old.Y < FixedRows()))
            RepaintCell(old.X, old.Y);
    }
    SyncHotFixedPaint();
    if (FHoverButton.X >= 0) {
        const TPoint old = FHoverButton;
        FHoverButton = TPoint(-1, -1);
        RepaintCell(old.X, old.Y);
    }
    if (FHoverRow && FHoverRowIdx >= 0) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        RepaintRow(old);
    }
}

// ---- the filter button ----------------------------------------------------------------------------

bool TVynStringGrid::FilterButtonRelease(int ACol, int ARow, int X, int Y)
{
    // The release over the filter button of a column whose list is not
    // open opens its list (the column's entries; none: nothing opens).
    bool onButton = ACol >= 0 && ARow >= 0 && IsFilterRow(ARow);
    const int n = onButton ? RealColIndex(ACol) : -1;
    if (onButton) {
        const TRect cr = CellRect(ACol, ARow);
        onButton = X > cr.Right - 16 && X < cr.Right - 3 && Y < cr.Top + 19 && FilterColumn() != n &&
                   HasColumnFilter(n);
    }
    if (onButton && ShowFilterDropDown(n)) {
        FFilterCol = ACol;
        return true;
    }
    if (FilterColumn() >= 0 && !FilterDropDownCheck())
        HideFilterDropDown();
    FFilterCol = -1;
    return false;
}

bool TVynStringGrid::FilterEntryChecked(const String& Entry, const std::vector<String>& Conditions)
{
    const int eq = Entry.indexOf('=');
    String shown = eq >= 0 ? Entry.left(eq) : Entry;
    if (shown.contains(' '))
        shown = "\"" + shown + "\"";
    return std::find(Conditions.begin(), Conditions.end(), shown) != Conditions.end();
}
