// TVynStringGrid: the mouse button messages. A press closes nothing: every
// gesture it opens (a pressed cell button, a fixed border dragged, the fill
// handle) ends at the next left button up, wherever that happens.
#include <algorithm>
#include <optional>

#include "grid/core/vyn_string_grid.h"
#include "grid/core/grid_text.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_scope.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"

namespace {

bool Contains(const TGridRect& S, int C, int R) { return C >= S.Left && C <= S.Right && R >= S.Top && R <= S.Bottom; }

}  // namespace

void TVynStringGrid::Click()
{
    TWeakRef<TVynStringGrid> self(this);
    TBaseGrid::Click();
    if (!self)
        return;
    FEntered = false;
    if (!FEditing)
        RememberCurrentCell(Col(), Row());
}

// ---- left button down -----------------------------------------------------------------------------

void TVynStringGrid::WMLButtonDown(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const int X = Message.XPos(), Y = Message.YPos();
    // 1.
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    FSpinUpClick = FSpinDnClick = false;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    // 2. The fill handle.
    if (FSelectionResizer && FSelectionRectangle && FillHandlePress(X, Y, true, Message))
        return;
    // 3.
    if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit() && !Contains(Selection(), c, r))
        SetGridOption(goEditing, false);
    // 4.
    if (c >= 0 && r >= 0 && OnCanClickCell) {
        bool allow = true;
        OnCanClickCell(this, r, c, allow);
        if (!self || !allow)
            return;
    }
    // 5.
    if (FCellSelectorMode)
        return;
    if (FMouseSelectMode == TMouseSelectMode::msResize) {
        FillHandlePress(X, Y, false, Message);
        return;
    }
    // 6.
    if (FMouseActions->DisjunctCellSelect() && GetKeyState(VK_CONTROL) >= 0 && c >= 0 && r >= 0 && !IsFixed(c, r)) {
        ClearSelectedCells();
        Invalidate();
    }
    SearchInc.clear();
    FMoveColInd = -1;
    FPushedCellButton = TPoint(-1, -1);
    FSelectionClick = false;
    FOldTopRow = TopRow();
    FOldKeepLeftCol = LeftCol();
    // A width changed before this press is no sizing of this press.
    ColSizeFlg = false;
    MouseToCell(c == 0 ? X : X - 5, r == 0 ? Y : Y - 4, Colclicked, Rowclicked);
    Colclickedsize = Colclicked >= 0 ? ColWidths(Colclicked) : 0;
    Rowclickedsize = Rowclicked >= 0 ? RowHeights(Rowclicked) : 0;
    Clickposx = X;
    Clickposy = Y;
    if (FLook == TGridLook::glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0)
        RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
    // 7. Outside the cells.
    if (c < 0 || r < 0) {
        HideInplaceEdit();
        if (self && !FFixedRowAlways)
            TBaseGrid::WMLButtonDown(Message);
        return;
    }
    // 8. The base cell of a merge.
    int bc = RealColIndex(c), br = r;
    GetBaseCellOf(bc, br, bc, br);
    c = DisplColIndex(bc);
    r = br;
    // 9. A border between fixed columns (rows).
    if (FixedBorderPress(X))
        return;
    // 10.
    OrdinaryPress(c, r, X, Y, Message);
}

bool TVynStringGrid::FixedBorderPress(int X)
{
    if (FSizeFixed) {
        FSizingFixed = true;
        FSizeFixedX = X;
        int edge = 0;
        FSizingFixedCol = -1;
        for (int i = 0; i < FixedCols(); ++i) {
            edge += ColWidths(i) + (i > 0 ? 1 : 0);
            if (std::abs(X - edge) < 3)
                FSizingFixedCol = i;
        }
        if (FSizingFixedCol < 0)
            FSizingFixedCol = FixedCols() - 1;
        DrawColSizeLine(X);
        return true;
    }
    if (FSizeFixedR) {
        FSizingFixedR = true;
        FSizeFixedY = Clickposy;
        int edge = 0;
        FSizingFixedRow = -1;
        for (int i = 0; i < FixedRows(); ++i) {
            edge += RowHeights(i) + (i > 0 ? 1 : 0);
            if (std::abs(Clickposy - edge) < 3)
                FSizingFixedRow = i;
        }
        if (FSizingFixedRow < 0)
            FSizingFixedRow = FixedRows() - 1;
        DrawRowSizeLine(Clickposy);
        return true;
    }
    return false;
}

void TVynStringGrid::OrdinaryPress(int ACol, int ARow, int X, int Y, TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const TShiftState shift = KeysToShiftState(Message.Keys()) + GetKeyboardShiftState();
    const bool fixedCell = ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
    const int n = RealColIndex(ACol);
    // 1.
    if (fixedCell) {
        HideInplaceEdit();
        if (!self)
            return;
    }
    // 2. Fixed cells look pushed while the button is down.
    if (fixedCell && FFixedAsButtons && Options().Contains(goFixedVertLine) && Options().Contains(goFixedHorzLine) &&
        !NodeGlyphPressed(ACol, ARow, X)) {
        FPushedCellButton = TPoint(ACol, ARow);
        FFixedCellPushed = true;
        RepaintCell(ACol, ARow);
    }
    // 3 to 5, 7. Spin halves, node glyphs.
    SpinHalfPress(ACol, ARow, X, Y);
    NodeAllPress(ACol, ARow, X);
    if (!self || NodePress(ACol, ARow, X, Y, shift) || !self)
        return;
    // 6. Radio groups.
    if (IsRadio(n, ARow) && (IsEditable(n, ARow) || FControlLook->RadioAlwaysActive())) {
        HideInplaceEdit();
        if (!self)
            return;
        const TRect r2 = CellRect(ACol, ARow);
        RadioGroupClick(ACol, ARow, X - r2.Left, Y - r2.Top);
        if (self && CanFocus() && !Focused())
            SetFocus();
        return;
    }
    // 8. A press on a selected cell may start a drag (grid_drag.cpp).
    if (OleDragPress(ACol, ARow, X, Y, shift) || !self)
        return;
    // 9. Rating stars; 10, 11. cell buttons and expand glyphs.
    if (RatingPress(ACol, ARow, X) || !self)
        return;
    if (CellButtonPress(ACol, ARow, X, Y) || !self)
        return;
    // 14.
    if (Colclicked >= 0 && Rowclicked >= 0) {
        const TRect cr = CellRect(Colclicked, Rowclicked);
        Clickposdx = X - cr.Right;
        Clickposdy = Y - cr.Bottom;
    }
    // 15.
    if (DisjunctPress(ACol, ARow, shift, Message) || !self)
        return;
    // 16.
    if (AnchorClick(ACol, ARow, X, Y) || !self)
        return;
    // 17.
    if (FixedSelectPress(ACol, ARow, shift) || !self)
        return;
    // 18.
    if (ARow < FixedRows() && ACol >= FixedCols())
        Movecell = ACol;
    else if (ACol < FixedCols() && ARow >= FixedRows())
        Movecell = ARow;
    else
        Movecell = -1;
    {
        const TRect cr = CellRect(ACol, ARow);
        MoveOfsX = X - cr.Left;
        MoveOfsY = Y - cr.Top;
    }
    // 19. Check boxes and radio buttons.
    if (CheckBoxMouseDown(ACol, ARow, X, Y) || !self)
        return;
    if (RadioButtonMouseDown(ACol, ARow, X, Y) || !self)
        return;
    // 20. Direct editing takes the focus from an open editor first.
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    if (!fixedCell)
        DoCanEditCell(n, ARow, canEdit);
    if (!self)
        return;
    if (!fixedCell && canEdit && FMouseActions->DirectEdit()) {
        HideInplaceEdit();
        if (self && CanFocus())
            SetFocus();
        if (!self)
            return;
    }
    // 21.
    const TGridRect sel = Selection();
    const bool inCell = sel.Left == ACol && sel.Right == ACol && sel.Top == ARow && sel.Bottom == ARow;
    bool selectingAtEnd = false;
    if (!inCell && FMouseActions->RangeSelectAndEdit() && !fixedCell && !IsEditable(n, ARow)) {
        SetGridOption(goEditing, false);
        selectingAtEnd = true;
    }
    // 22.
    if (ACol >= FixedCols() && ARow >= FixedRows() && fixedCell) {
        const bool footerRow = ARow == RowCount() - 1 && FFloatingFooter && FFloatingFooter->Visible() &&
                               FFloatingFooter->FooterStyle() == TFooterStyle::fsFixedLastRow;
        if (!footerRow && OnClickCell)
            OnClickCell(this, ARow, ACol);
    } else {
        const bool partly = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                            (ACol == LeftCol() && LeftCol() > FixedCols());
        const int oldTop = TopRow();
        const int keepLeft = LeftCol();
        const bool keepHoriz = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
        {
            std::optional<TUpdateScope> lock;
            if (keepHoriz)
                lock.emplace(*this);
            if (!FSelHidden) {
                const bool alwaysEdit = FNavigation->AlwaysEdit();
                FNavigation->SetAlwaysEdit(false);
                TAtExit back([&] {
                    if (self)
                        FNavigation->SetAlwaysEdit(alwaysEdit);
                });
                TBaseGrid::WMLButtonDown(Message);
            }
            if (!self)
                return;
            if (keepHoriz && LeftCol() != keepLeft)
                SetLeftCol(keepLeft);
        }
        if (keepHoriz)
            Invalidate();
        if (GridState() == gsSelecting && partly && FMouseActions->NoAutoRangeScroll())
            SetGridState(gsNormal);
        if (TopRow() != oldTop && FMouseActions->NoScrollOnPartialRow()) {
            SetTopRow(oldTop);
            WMLButtonUpAt(X, Y);
            if (!self)
                return;
        }
        // OnClickCell, except on a header border that sizes the column.
        const TRect cr = CellRect(ACol, ARow);
        const bool onBorder =
            ARow < FixedRows() && Options().Contains(goColSizing) && (X - cr.Left < 4 || cr.Right - X < 4);
        if (!onBorder && OnClickCell) {
            OnClickCell(this, ARow, ACol);
            if (!self)
                return;
        }
        if (OnCellValidate) {
            FEntered = false;
            RememberCurrentCell(Col(), Row());
        }
        if (!fixedCell && DirectEditPress(ACol, ARow, X, Y, canEdit))
            return;
    }
    if (self && selectingAtEnd)
        SetGridState(gsSelecting);
}

void TVynStringGrid::WMLButtonUpAt(int X, int Y)
{
    TMessage up{WM_LBUTTONUP, 0, MAKELPARAM(X, Y), 0};
    WMLButtonUp(up);
}

bool TVynStringGrid::CellButtonPress(int ACol, int ARow, int X, int Y)
{
    // A cell button, else an expand glyph: pressed as buttons are.
    const int n = RealColIndex(ACol);
    const bool button = HasButton(n, ARow);
    if (!button && !HasExpand(n, ARow))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    HideInplaceEdit();
    if (!self)
        return true;
    if (ACol >= FixedCols() && ARow >= FixedRows() && (ACol != Col() || ARow != Row())) {
        TValueScope<bool> force(FForceSel, true);
        MoveColRow(ACol, ARow, true, true);
        if (!self)
            return true;
    }
    const TRect br = button ? GetCellGraphicRect(ACol, ARow) : GetExpandRect(n, ARow);
    if (br.Contains(TPoint(X, Y))) {
        PushButton(ACol, ARow, true);
        FPushedCellButton = TPoint(ACol, ARow);
        SetMouseCapture(true);
        if (OnClickCell)
            OnClickCell(this, ARow, ACol);
    }
    return true;
}

bool TVynStringGrid::DisjunctPress(int ACol, int ARow, TShiftState Shift, TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool ctrl = Shift.Contains(ssCtrl);
    if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() &&
        !(ACol == 0 && FMouseActions->HotmailRowSelect())) {
        if (Shift.Contains(ssShift)) {
            const TGridRect before = Selection();
            TBaseGrid::WMLButtonDown(Message);
            if (!self)
                return true;
            SetSelection(TGridRect{std::min(before.Left, ACol), std::min(before.Top, ARow),
                                   std::max(before.Left, ACol), std::max(before.Top, ARow)});
            return true;
        }
        const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
        if ((ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) && GetRowSelect(row)) {
            FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!ctrl && !FMouseActions->DisjunctRowSelectNoCtrl() && !Shift.Contains(ssAlt))
                ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
        if (ctrl && GetColSelect(ACol)) {
            FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!ctrl)
                ClearColSelect();
        }
    }
    return false;
}

bool TVynStringGrid::FixedSelectPress(int ACol, int ARow, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool range = Options().Contains(goRangeSelect);
    if (ARow < FixedRows() && ACol < FixedCols() && FMouseActions->AllSelect() && range &&
        FMouseSelectMode == TMouseSelectMode::msAll) {
        if (CanFocus())
            SetFocus();
        if (!self)
            return true;
        SetSelection(TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
        Invalidate();
        return true;
    }
    if (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->RowSelect() &&
        FMouseSelectMode == TMouseSelectMode::msRow) {
        if (FMouseActions->DisjunctCellSelect())
            ClearSelectedCells();
        const int from = Shift.Contains(ssShift) ? Selection().Top : ARow;
        SetSelection(TGridRect{FixedCols(), std::min(from, ARow), ColCount() - 1, std::max(from, ARow)});
        FMouseSelectStart = TPoint(FMouseSelectStart.X, ARow);
        RepaintCol(0);
        return true;
    }
    if (ARow < FixedRows() && ACol >= FixedCols() && FMouseActions->ColSelect() && range &&
        FMouseSelectMode == TMouseSelectMode::msColumn) {
        if (FMouseActions->DisjunctCellSelect())
            ClearSelectedCells();
        const TGridRect s = Selection();
        int from = ACol;
        if (Shift.Contains(ssShift))
            from = ACol < s.Left ? s.Right : s.Left;
        SetSelection(TGridRect{std::min(from, ACol), FixedRows(), std::max(from, ACol), RowCount() - 1});
        FMouseSelectStart = TPoint(ACol, FMouseSelectStart.Y);
        Invalidate();
        return true;
    }
    return false;
}

bool TVynStringGrid::DirectEditPress(int ACol, int ARow, int X, int Y, bool CanEdit)
{
    (void)Y;
    if (!CanEdit || !FMouseActions->DirectEdit() || IsControlCell(RealColIndex(ACol), ARow))
        return false;
    const TRect cr = CellRect(ACol, ARow);
    if (X - cr.Left <= 3 || cr.Right - X <= 3)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    // The three changing events share one Allow.
    bool allow = true;
    if (ARow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), ARow, allow);
    if (self && ACol != Col() && OnColChanging)
        OnColChanging(this, Col(), ACol, allow);
    if (self && (ACol != Col() || ARow != Row()) && OnCellChanging)
        OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
    if (!self || !allow)
        return true;
    FocusCell(ACol, ARow);
    RememberCurrentCell(ACol, ARow);
    ShowEditor();
    return true;
}

bool TVynStringGrid::FillHandlePress(int X, int Y, bool SetResult, TMessage& Message)
{
    const TGridRect s = Selection();
    const TRect br = CellRect(s.Right, s.Bottom);
    if (SetResult && !(X >= br.Right - 6 && X <= br.Right && Y >= br.Bottom - 6 && Y <= br.Bottom))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    // The source range stays in the grid; the user's clipboard is not touched.
    SetGridState(gsSelecting);
    FDropSelection = s;
    FMouseResize = true;
    const TPoint cur(Col(), Row());
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit()) {
        TBaseGrid::WMLButtonDown(Message);
        if (!self)
            return true;
    }
    SetSelection(s);
    SetGridState(gsSelecting);
    MouseMove({}, X, Y);
    if (SetResult)
        Message.Result = 1;
    (void)cur;
    return true;
}

// ---- left button up -------------------------------------------------------------------------------

void TVynStringGrid::ResetPressState()
{
    if (FLook == TGridLook::glListView) {
        RepaintRow(0);
        if (FixedCols() > 0)
            RepaintCol(0);
    }
    ColMoveFlg = ColSizeFlg = FMouseDown = FMouseKeepDown = false;
    FMouseSelectMode = TMouseSelectMode::msNormal;
    FMouseDownMove = false;
    FMouseSelectStart = TPoint(-1, -1);
    if (FCtrlDown) {
        FCtrlDown = false;
        if (FCtrlXY.X >= 0)
            RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
    }
}

void TVynStringGrid::WMLButtonUp(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const int X = Message.XPos(), Y = Message.YPos();
    // A column (row) move's press that stayed within the drag threshold on
    // its cell is a click.
    const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
    const bool movedOrSized = ColMoveFlg || ColSizeFlg || (moving && PressBecameMove(X, Y));
    // 1.
    ResetPressState();
    HideDropArrows();
    // 2.
    if (FixedBorderRelease(X, Y) || !self)
        return;
    // 3.
    if (FFixedCellPushed) {
        FFixedCellPushed = false;
        if (FPushedCellButton.X >= 0)
            RepaintCell(FPushedCellButton.X, FPushedCellButton.Y);
        FPushedCellButton = TPoint(-1, -1);
    }
    // 4.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    // 5. A pressed cell button; 7: a release on it ends here.
    const bool onButton = CellButtonRelease(X, Y, c, r);
    if (!self)
        return;
    // 6.
    if (FScrollHintShow)
        HideScrollHint();
    if (onButton)
        return;
    // 8. OnClick for fixed cells.
    if (FDoOnClick && c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) {
        const bool sizing = r < FixedRows() && Options().Contains(goColSizing) && IsNearSizingBorder(X, Y);
        if (!sizing && OnClick)
            OnClick(this);
        if (!self)
            return;
    }
    FDoOnClick = false;
    // 9.
    if (GridState() == gsSelecting) {
        SetGridState(gsNormal);
        Click();
        if (!self)
            return;
    }
    // 10. A press that could have started a drag selects its cell.
    if (SelectionClickRelease(c, r, KeysToShiftState(Message.Keys()) + GetKeyboardShiftState()) || !self)
        return;
    // 11 to 13.
    if (c >= 0 && r >= 0) {
        DisjunctRelease(c, r, KeysToShiftState(Message.Keys()) + GetKeyboardShiftState());
        if (self)
            GroupRelease(c, r);
    }
    if (!self)
        return;
    // 14. The end of a move with EnhRowColMove (grid_drag_move.cpp); the
    // press counts as a move only when it became one (movedOrSized).
    EndEnhancedMove(X, Y);
    if (!self)
        return;
    // 15.
    TBaseGrid::WMLButtonUp(Message);
    if (!self)
        return;
    if (GridState() == gsSelecting)
        SetGridState(gsNormal);
    // 16.
    if (FMouseResize)
        FillHandleRelease();
    if (!self)
        return;
    // 17. (A double click's release ends its double click here too.)
    if (movedOrSized || c < 0 || r < 0) {
        FDblClk = false;
        return;
    }
    // 18.
    if (ControlMouseUp(c, r) || !self)
        return;
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    // 19. Header clicks sort.
    if (r < FixedRows())
        ClickSortStep(X, Y, c, r);
}

bool TVynStringGrid::FixedBorderRelease(int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    if (FSizingFixed) {
        FSizingFixed = false;
        FSizeFixed = false;
        DrawColSizeLine(FSizeFixedX);
        const int col = FSizingFixedCol;
        int before = 0;
        for (int i = 0; i < col; ++i)
            before += ColWidths(i);
        int w = std::max(0, X - before);
        SetColWidths(col, w);
        if (OnEndColumnSize)
            OnEndColumnSize(this, col);
        if (self && OnUpdateColumnSize) {
            int aw = w;
            OnUpdateColumnSize(this, col, aw);
            if (self && aw != w)
                SetColWidths(col, std::max(0, aw));
        }
        // The drag ends the release.
        return true;
    }
    if (FSizingFixedR) {
        FSizingFixedR = false;
        FSizeFixedR = false;
        DrawRowSizeLine(FSizeFixedY);
        const int row = FSizingFixedRow;
        int before = 0;
        for (int i = 0; i < row; ++i)
            before += RowHeights(i);
        SetRowHeights(row, std::max(0, Y - before));
        if (OnEndRowSize)
            OnEndRowSize(this, row);
        return true;
    }
    return false;
}

bool TVynStringGrid::CellButtonRelease(int X, int Y, int ACol, int ARow)
{
    if (FPushedCellButton.X < 0 || FFixedCellPushed)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    const TPoint pushed = FPushedCellButton;
    FPushedCellButton = TPoint(-1, -1);
    // The capture goes on every path.
    SetMouseCapture(false);
    const bool fixedPushed = pushed.X < FixedCols() || pushed.Y < FixedRows();
    bool counts = fixedPushed || FControlLook->NoDisabledButtonLook();
    if (!counts && ACol >= 0 && ARow >= 0)
        counts = IsEditable(RealColIndex(ACol), ARow) && !IsFixed(ACol, ARow);
    else if (!counts)
        counts = Options().Contains(goEditing);
    if (counts) {
        if (!IsNode(pushed.Y))
            PushButton(pushed.X, pushed.Y, false);
        if (ExpandGlyphRelease(pushed, X, Y, ACol, ARow) || !self) {
            if (!self)
                return true;
        } else if (ACol >= 0 && ARow >= 0 && OnButtonClick) {
            const TRect br = GetCellGraphicRect(ACol, ARow);
            if ((ACol == pushed.X && ARow == pushed.Y && br.Contains(TPoint(X, Y))) || pushed.Y < FixedRows() ||
                (FFixedAsButtons && pushed.X < FixedCols()))
                OnButtonClick(this, RealColIndex(pushed.X), pushed.Y);
        }
    }
    if (!self)
        return true;
    if (ACol < 0 || ARow < 0)
        return false;
    const int n = RealColIndex(ACol);
    return (HasButton(n, ARow) && GetCellGraphicRect(ACol, ARow).Contains(TPoint(X, Y))) ||
           (HasExpand(n, ARow) && GetExpandRect(n, ARow).Contains(TPoint(X, Y)));
}

void TVynStringGrid::DisjunctRelease(int ACol, int ARow, TShiftState Shift)
{
    if (FMouseActions->DisjunctRowSelect() && !(ACol == 0 && FMouseActions->HotmailRowSelect())) {
        SelectionToRows();
        const int row = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
        if (FDeselectState && ARow >= FixedRows() && ARow < RowCount() - FFixedFooters)
            SetRowSelect(row, false);
        Invalidate();
    }
    if (FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (FDeselectState && ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols)
            SetColSelect(ACol, false);
        Invalidate();
    }
    FDeselectState = false;
    (void)Shift;
}

void TVynStringGrid::FillHandleRelease()
{
    TWeakRef<TVynStringGrid> self(this);
    const TGridRect now = Selection();
    if (OnSelectionResize)
        OnSelectionResize(this, FDropSelection, now);
    if (!self)
        return;
    {
        TValueScope<bool> noEdit(FEditDisable, true);
        PasteFillSource(FDropSelection, now);
    }
    if (!self)
        return;
    FMouseResize = false;
    if (OnSelectionResized)
        OnSelectionResized(this, FDropSelection, Selection());
}

void TVynStringGrid::PasteFillSource(const TGridRect& Source, const TGridRect& Target)
{
    // The source range repeats over the target, from its top-left corner.
    const int w = Source.Right - Source.Left + 1, h = Source.Bottom - Source.Top + 1;
    if (w <= 0 || h <= 0)
        return;
    std::vector<String> texts;
    texts.reserve(size_t(w) * size_t(h));
    for (int r = Source.Top; r <= Source.Bottom; ++r)
        for (int c = Source.Left; c <= Source.Right; ++c)
            texts.push_back(GetCellEx(RealColIndex(c), r));
    for (int r = Target.Top; r <= Target.Bottom; ++r)
        for (int c = Target.Left; c <= Target.Right; ++c) {
            if (Contains(Source, c, r))
                continue;
            const int sc = (c - Target.Left) % w, sr = (r - Target.Top) % h;
            SetCellEx(RealColIndex(c), r, texts[size_t(sr) * size_t(w) + size_t(sc)]);
        }
}

bool TVynStringGrid::ControlMouseUp(int ACol, int ARow)
{
    if (ACol < FixedCols())
        return false;
    const int n = RealColIndex(ACol);
    if (HasCheckBox(n, ARow)) {
        if (OnCheckBoxMouseUp)
            OnCheckBoxMouseUp(this, n, ARow, IsChecked(n, ARow));
    } else if (IsRadio(n, ARow)) {
        int idx = -1;
        GetRadioIdx(n, ARow, idx);
        if (OnRadioMouseUp)
            OnRadioMouseUp(this, n, ARow, idx);
    }
    return false;
}

// ---- double click ---------------------------------------------------------------------------------

void TVynStringGrid::WMLButtonDblClk(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const int X = Message.XPos(), Y = Message.YPos();
    // 1.
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (FMouseActions->RangeSelectAndEdit() && c >= 0 && r >= 0 && !IsControlCell(RealColIndex(c), r))
        FForceSel = true;
    TAtExit endForce([&] {
        if (self)
            FForceSel = false;
    });
    // 2.
    if (c < 0) {
        if (FFixedRowAlways) {
            TBaseGrid::WMLButtonDblClk(Message);
            return;
        }
        c = ColCount() - 1;
        r = 0;
    }
    if (r < 0) {
        TBaseGrid::WMLButtonDblClk(Message);
        return;
    }
    // 3.
    if (r < FixedRows() && Options().Contains(goColSizing) && FMouseActions->AutoSizeColOnDblClick() &&
        DblClickSizeColumn(c, r, X)) {
        if (self)
            TBaseGrid::WMLButtonDblClk(Message);
        return;
    }
    if (!self)
        return;
    // 4.
    const int n = RealColIndex(c);
    if ((HasButton(n, r) && GetCellGraphicRect(c, r).Contains(TPoint(X, Y))) ||
        (HasExpand(n, r) && GetExpandRect(n, r).Contains(TPoint(X, Y))))
        return;
    if (IsControlCell(n, r)) {
        TBaseGrid::WMLButtonDblClk(Message);
        return;
    }
    // 5.
    TBaseGrid::WMLButtonDblClk(Message);
    if (!self)
        return;
    if (OnDblClickCell) {
        int dc = -1, dr = -1;
        MouseToCell(X, Y, dc, dr);
        OnDblClickCell(this, dr, dc);
        if (!self)
            return;
    }
    // 6, 7.
    if (FMouseActions->EditOnDblClickOnly()) {
        bool editable = false;
        {
            const bool was = FMouseActions->RangeSelectAndEdit();
            FMouseActions->SetRangeSelectAndEdit(true);
            TAtExit back([&] {
                if (self)
                    FMouseActions->SetRangeSelectAndEdit(was);
            });
            editable = IsEditable(n, r);
        }
        if (self && editable) {
            SetGridOption(goEditing, true);
            ShowInplaceEdit();
        }
    } else if (FMouseActions->RangeSelectAndEdit() && IsEditable(n, r)) {
        SetGridOption(goEditing, true);
        int bc = n, br = r;
        GetBaseCellOf(n, r, bc, br);
        const TRect cr = CellRect(DisplColIndex(bc), br);
        MouseDown(mbLeft, {}, cr.Left + 4, cr.Top + 4);
    }
    // 8. (grid_fixed_edit.cpp)
    if (self)
        FixedCellDblClick(c, r);
}

bool TVynStringGrid::DblClickSizeColumn(int ACol, int ARow, int X)
{
    TWeakRef<TVynStringGrid> self(this);
    const TRect cr = CellRect(ACol, ARow);
    int col = -1;
    if (X - cr.Left < 3 && ACol - 1 >= FixedCols())
        col = ACol - 1;
    else if (cr.Right - X < 3 && ACol >= FixedCols())
        col = ACol;
    if (col < 0)
        return false;
    FDblClk = true;
    bool allow = true;
    if (OnColumnSize)
        OnColumnSize(this, col, allow);
    if (!self)
        return true;
    if (allow) {
        AutoSizeCol(col, 4);
        if (self && OnEndColumnSize)
            OnEndColumnSize(this, col);
    }
    return true;
}

// ---- right button ---------------------------------------------------------------------------------

void TVynStringGrid::WMRButtonDown(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const int X = Message.XPos(), Y = Message.YPos();
    TBaseGrid::WMRButtonDown(Message);
    if (!self)
        return;
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (FMouseActions->SelectOnRightClick() && c >= FixedCols() && r >= FixedRows() && !IsFixed(c, r) &&
        !(FMouseActions->DisjunctCellSelect() && IsInSelectedCellList(RealColIndex(c), r))) {
        if (!IsControlCell(RealColIndex(c), r)) {
            if (OnRightClickCell) {
                FocusCell(c, r);
            } else {
                MouseDown(mbLeft, {}, X, Y);
                if (self)
                    MouseUp(mbLeft, {}, X, Y);
            }
            if (!self)
                return;
        }
        const TGridRect s = Selection();
        if (Contains(s, c, r) && !(s.Left == s.Right && s.Top == s.Bottom && (s.Left != c || s.Top != r))) {
            bool can = true;
            if (OnSelectCell)
                OnSelectCell(this, c, r, can);
        } else {
            int bc = RealColIndex(c), br = r;
            GetBaseCellOf(bc, br, bc, br);
            const int left = LeftCol();
            const bool keepHoriz = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
            std::optional<TUpdateScope> lock;
            if (keepHoriz)
                lock.emplace(*this);
            MoveColRow(DisplColIndex(bc), br, true, true);
            if (self && keepHoriz)
                SetLeftCol(left);
        }
        if (!self)
            return;
        if (FMouseActions->DisjunctRowSelect()) {
            if (GetKeyState(VK_CONTROL) < 0 || FMouseActions->DisjunctRowSelectNoCtrl()) {
                SetRowSelect(r, !GetRowSelect(r));
            } else {
                ClearRowSelect();
                SetRowSelect(r, true);
            }
            Invalidate();
        }
    }
    if (OnRightClickCell) {
        OnRightClickCell(this, r, c);
        if (!self)
            return;
    }
    if (FURLShow && FURLEdit && c >= 0 && r >= 0 && IsURLText(GetCellEx(RealColIndex(c), r))) {
        MoveColRow(c, r, true, true);
        if (self)
            ShowEditor();
    }
}

void TVynStringGrid::WMRButtonUp(TMessage& Message)
{
    if (FEnhRowColMove && (GridState() == gsRowMoving || GridState() == gsColMoving) &&
        (Screen.Cursor() == crDrag || Screen.Cursor() == crNoDrop)) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMRButtonUp(Message);
}
