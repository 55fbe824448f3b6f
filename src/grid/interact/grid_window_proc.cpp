// TVynStringGrid: the window procedure around the platform's dispatch (the
// end-of-edit message is the editing work's WndProc), the wheel, Zoom and
// middle-button panning.
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_scope.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/timers.h"

namespace {

constexpr uintptr_t PanTimerId = 999;
constexpr unsigned PanTimerPeriod = 10;
// The theme notifier's message (a control that just received the focus is
// told by CM_UIACTIVATE, a changed platform style by CM_STYLECHANGED).
constexpr unsigned WM_OFFICETHEME = 2993;
// Panning cursors: no direction, then down, left, right, up, up-right,
// up-left, down-right, down-left.
constexpr TCursor crPan = 8000;

TCursor PanCursor(int H, int V)
{
    if (H == 0 && V == 0)
        return crPan;
    if (H == 0)
        return V > 0 ? 8001 : 8004;
    if (V == 0)
        return H > 0 ? 8003 : 8002;
    if (V > 0)
        return H > 0 ? 8007 : 8008;
    return H > 0 ? 8005 : 8006;
}

}  // namespace

void TVynStringGrid::Dispatch(TMessage& Message)
{
    const unsigned msg = Message.Msg;
    // 1.
    if (msg == WM_DESTROY) {
        if (FGridTimerID != 0)
            KillTimer(this, uintptr_t(FGridTimerID));
        if (wheelpan)
            StopPanning();
    }
    // 2.
    if (ComponentState().Contains(TComponentStateItem::csDestroying)) {
        TBaseGrid::Dispatch(Message);
        return;
    }
    TWeakRef<TVynStringGrid> self(this);
    // 3.
    const TGridRect s0 = Selection();
    // 5.
    if (msg == WM_CANCELMODE && (Screen.Cursor() == crDrag || Screen.Cursor() == crNoDrop) &&
        (GridState() == gsRowMoving || GridState() == gsColMoving) && FEnhRowColMove) {
        Screen.SetCursor(crDefault);
        KillTimer(this, 1);
        SetGridState(gsNormal);
        HideMoveVisuals();
    }
    // 6. 7.
    static bool painting = false;
    if ((msg == WM_PAINT && !painting && FScrollProportional) || msg == WM_SIZE || msg == WM_LBUTTONUP ||
        msg == CM_UIACTIVATE) {
        TValueScope<bool> guard(painting, true);
        UpdateVertProportionalScroll();
        UpdateHorzProportionalScroll();
    }
    // 8.
    if ((msg == WM_THEMECHANGED || msg == WM_OFFICETHEME) && FAutoThemeAdapt)
        AdaptToOfficeTheme();
    if (msg == CM_STYLECHANGED) {
        StyleChanged();
        return;
    }
    // 9.
    // The frame and, over it, the look's border (WMNCPaint); asking for a
    // repaint from here would paint again and again.
    if (msg == WM_NCPAINT) {
        TBaseGrid::Dispatch(Message);
        Message.Result = 0;
        return;
    }
    // 15. A panning step on the panning timer only.
    if (msg == WM_TIMER && wheelpan && Message.TimerID() == PanTimerId && FIntelliPan != TIntelliPan::ipNone) {
        PanStep();
        if (!self)
            return;
        ReportSelectionChange(s0);
        return;
    }
    // 16.
    if (msg == WM_MBUTTONDOWN && !wheelpan && wheelmsg != 0 && FIntelliPan != TIntelliPan::ipNone &&
        RowCount() > FixedRows()) {
        StartPanning(Message.Pos());
    } else if (wheelpan &&
               (msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_KEYDOWN)) {
        StopPanning();
        if (msg == WM_MBUTTONDOWN)
            return;
    }
    // 17.
    // A wheel the parent handled is done: the grid does not move as well.
    if (msg == WM_MOUSEWHEEL && !wheelpan && wheelmsg != 0) {
        if (ParentHandlesWheel(Message))
            Message.Result = 1;
        else
            WheelMessage(Message);
        return;
    }
    // 18.
    const int row = Row();
    TBaseGrid::Dispatch(Message);
    if (self && Row() != row && FSyncGrid->SelectionRow() && FSyncGrid->Grid())
        SetRowEx(Row());
}

void TVynStringGrid::WMGetDlgCode(TMessage& Message)
{
    TBaseGrid::WMGetDlgCode(Message);
    if (FNavigation->AutoGotoWhenSorted() || !Options().Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

bool TVynStringGrid::ParentHandlesWheel(TMessage& Message)
{
    TWinControl* parent = Parent();
    if (!parent)
        return false;
    const TShiftState shift = KeysToShiftState(Message.WParamLo());
    return parent->Perform(CM_MOUSEWHEEL, MAKEWPARAM(int(shift.Bits()), Message.WheelDelta()), Message.LParam) != 0;
}

void TVynStringGrid::WheelHook(int, bool&) {}

// ---- the wheel ----------------------------------------------------------------------------------

void TVynStringGrid::WheelMessage(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    const TGridRect s0 = Selection();
    const TShiftState keys = KeysToShiftState(Message.WParamLo());
    // Notches of 120; a finer wheel adds up to whole notches.
    FWheelRest += Message.WheelDelta();
    const int notches = FWheelRest / WHEEL_DELTA;
    FWheelRest -= notches * WHEEL_DELTA;
    if (notches == 0)
        return;
    const bool down = notches < 0;
    const int count = std::abs(notches);
    // Ctrl: zoom, then size the cells to the zoomed fonts.
    if (keys.Contains(ssCtrl) && FIntelliZoom) {
        for (int i = 0; i < count; ++i)
            Zoom(down ? wheelscrl : -wheelscrl);
        AutoSizeCells(true, 4, 4);
        return;
    }
    if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1))
        return;
    const bool scroll = FMouseActions->WheelAction() == TWheelAction::waScroll;
    const int n = (FMouseActions->WheelIncrement() < 1 ? wheelscrl : FMouseActions->WheelIncrement()) * count;
    int t = Row();
    if (scroll) {
        const int maxTop = std::max(FixedRows(), RowCount() - VisibleRowCount());
        if (down && TopRow() < maxTop)
            TBaseGrid::SetTopRow(std::min(TopRow() + n, maxTop));
        else if (!down)
            TBaseGrid::SetTopRow(std::max(FixedRows(), TopRow() - n));
    } else {
        t = down ? Row() + n : Row() - n;
    }
    if (!self)
        return;
    t = std::clamp(t, FixedRows(), std::max(FixedRows(), RowCount() - FFixedFooters - 1));
    if (Col() < 0 || Col() >= ColCount() || Row() < 0 || Row() >= RowCount())
        FocusCell(ColCount() - 1, RowCount() - 1);
    if (Col() < FixedCols())
        FocusCell(FixedCols(), Row());
    int d = 0;
    if (t >= 0 && t < RowCount()) {
        const int left = LeftCol();
        {
            TUpdateScope noPaint(*this);
            if (FMouseActions->DisjunctRowSelect() && !scroll)
                ClearRowSelect();
            d = t - Row();
            if (!scroll) {
                SetRowEx(t);
                if (self && Row() != t) {
                    // A refused row: half way, and the view one row up.
                    SetRowEx(Row() + int(std::nearbyint((t - Row()) / 2.0)));
                    if (self && TopRow() > FixedRows())
                        TBaseGrid::SetTopRow(TopRow() - 1);
                }
            }
            if (self && Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll())
                SetLeftCol(left);
        }
        if (!self)
            return;
        Invalidate();
    }
    bool handled = true;
    WheelHook(d, handled);
    if (!self)
        return;
    if ((FMouseActions->WheelIncrement() != 0 || FMouseActions->DisjunctRowSelect()) && handled) {
        Message.Result = 1;
        const bool disjunct = FMouseActions->DisjunctRowSelect();
        const TShiftState shift = disjunct ? GetKeyboardShiftState() : TShiftState{};
        const TPoint pos = disjunct ? SmallPointToPoint(Message.LParam) : TPoint(0, 0);
        bool h = false;
        if (down && OnMouseWheelDown)
            OnMouseWheelDown(this, shift, pos, h);
        else if (!down && OnMouseWheelUp)
            OnMouseWheelUp(this, shift, pos, h);
        if (!self)
            return;
    }
    ReportSelectionChange(s0);
    if (self && FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount())
        ScrollAboveSearchFooter();
}

bool TVynStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) { return WheelNotch(true, Shift, MousePos); }

bool TVynStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) { return WheelNotch(false, Shift, MousePos); }

bool TVynStringGrid::WheelNotch(bool Down, TShiftState Shift, TPoint MousePos)
{
    if (FMouseActions->WheelAction() == TWheelAction::waScroll || !FEnableWheel) {
        bool handled = false;
        if (const auto& event = Down ? OnMouseWheelDown : OnMouseWheelUp)
            event(this, Shift, MousePos, handled);
        return handled;
    }
    // Up moves only from a current cell inside the grid.
    if (!Down && (Col() < 0 || Col() >= ColCount() || Row() < 0 || Row() >= RowCount()))
        return true;
    // DirectEdit is off for the step and comes back on every path.
    TAtExit restore([this, direct = FMouseActions->DirectEdit()] { FMouseActions->SetDirectEdit(direct); });
    FMouseActions->SetDirectEdit(false);
    auto inherited = [&] {
        return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    };
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
        const int left = LeftCol();
        TUpdateScope noPaint(*this);
        const bool r = inherited();
        SetLeftCol(left);
        return r;
    }
    const bool editing = EditorMode();
    const bool r = inherited();
    if (editing && CanFocus())
        SetFocus();
    return r;
}

// ---- Zoom ---------------------------------------------------------------------------------------

void TVynStringGrid::Zoom(int x)
{
    // 1.
    const int factor = FZoomFactor + x;
    if (factor < -10 || factor > 10)
        return;
    // 2. Proportional bars wait until every size changed.
    {
        TValueScope<bool> lock(FScrollLock, true);
        FZoomFactor = factor;
        for (int c = 0; c < ColCount(); ++c)
            if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
                SetColWidths(c, ColWidths(c) + x);
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
                SetRowHeights(r, RowHeights(r) + x);
    }
    // 3.
    if (FScrollProportional) {
        UpdateVertProportionalScroll();
        UpdateHorzProportionalScroll();
    }
}

// ---- panning ------------------------------------------------------------------------------------

void TVynStringGrid::StartPanning(TPoint P)
{
    RegisterGridCursors();
    prevcurs = Screen.Cursor();
    Screen.SetCursor(crPan);
    wheelpan = true;
    SetTimer(this, PanTimerId, PanTimerPeriod);
    wheelpanpos = P;
    SetMouseCapture(true);
    SetShowHint(false);
    DrawPanMarker();
}

void TVynStringGrid::StopPanning()
{
    if (MouseCapture())
        SetMouseCapture(false);
    KillTimer(this, PanTimerId);
    Screen.SetCursor(prevcurs);
    SetShowHint(true);
    wheelpan = false;
    ErasePanMarker();
}

void TVynStringGrid::PanStep()
{
    TWeakRef<TVynStringGrid> self(this);
    const TPoint p = ScreenToClient(GetCursorPos());
    int v = p.Y < wheelpanpos.Y - 5 ? -1 : p.Y > wheelpanpos.Y + 5 ? 1 : 0;
    int h = p.X < wheelpanpos.X - 5 ? -1 : p.X > wheelpanpos.X + 5 ? 1 : 0;
    if (FIntelliPan == TIntelliPan::ipHorizontal)
        v = 0;
    if (FIntelliPan == TIntelliPan::ipVertical)
        h = 0;
    const TCursor cursor = PanCursor(h, v);
    // The current cell stays inside the data cells.
    const int lastRow = std::max(FixedRows(), RowCount() - FFixedFooters - 1);
    const int lastCol = std::max(FixedCols(), ColCount() - FFixedRightCols - 1);
    if (Row() < FixedRows() || Row() > lastRow || Col() < FixedCols() || Col() > lastCol)
        FocusCell(std::clamp(Col(), FixedCols(), lastCol), std::clamp(Row(), FixedRows(), lastRow));
    if (FMouseActions->WheelAction() == TWheelAction::waScroll) {
        if (h != 0 || v != 0)
            ErasePanMarker();
        if (h != 0)
            SetLeftCol(std::clamp(LeftCol() + h, FixedCols(), std::max(FixedCols(), MaxLeftCol())));
        if (self && v != 0)
            TBaseGrid::SetTopRow(std::clamp(TopRow() + v, FixedRows(), std::max(FixedRows(), MaxTopRow())));
    } else {
        const int left = LeftCol(), top = TopRow();
        if (h != 0)
            SetCol(std::clamp(Col() + h, FixedCols(), lastCol));
        if (self && v != 0)
            SetRowEx(std::clamp(Row() + v, FixedRows(), lastRow));
        if (self && (LeftCol() != left || TopRow() != top))
            ErasePanMarker();
    }
    if (!self)
        return;
    Screen.SetCursor(cursor);
    DrawPanMarker();
}

void TVynStringGrid::DrawPanMarker()
{
    // The marker is drawn over the cells by the painter; here its square is
    // repainted.
    InvalidateRect(TRect(wheelpanpos.X, wheelpanpos.Y, wheelpanpos.X + 32, wheelpanpos.Y + 32), false);
}

void TVynStringGrid::ErasePanMarker()
{
    InvalidateRect(TRect(wheelpanpos.X, wheelpanpos.Y, wheelpanpos.X + 32, wheelpanpos.Y + 32), false);
}
