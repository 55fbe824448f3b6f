// TCustomGrid: keys and mouse (navigation, selecting, sizing and moving
// columns and rows, the wheel).
#include "platform/grids/grids.h"

#include <algorithm>

#include "platform/grids/grid_axis.h"
#include "platform/grids/inplace_edit.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"

// ---- keys ---------------------------------------------------------------------------------------

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TCustomGrid> self(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!self || Key == 0)
        return;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool rowSelect = options_.Contains(goRowSelect);
    TGridCoord cur = current_;
    TGridCoord tl = topLeft_;
    const int pageH = std::max(1, VisibleRowCount());
    const int pageW = std::max(1, VisibleColCount());
    bool moveAnchor = !(Shift.Contains(ssShift) && options_.Contains(goRangeSelect));
    // One cell on, over hidden (size 0) cells; nowhere when only hidden
    // cells lie that way.
    auto step = [](int& Pos, int Step, const TGapVector<int>& Sizes, int Fixed, int Origin) {
        Pos = Origin + Step;
        while (Pos >= Fixed && Pos < int(Sizes.size()) && Sizes[size_t(Pos)] == 0)
            Pos += Step;
        if (Pos < Fixed || Pos >= int(Sizes.size()))
            Pos = Origin;
    };
    // The first (last) cell that is not hidden; Origin when every one is.
    auto firstShown = [](const TGapVector<int>& Sizes, int Fixed, int Origin) {
        for (int i = Fixed; i < int(Sizes.size()); ++i)
            if (Sizes[size_t(i)] != 0)
                return i;
        return Origin;
    };
    auto lastShown = [](const TGapVector<int>& Sizes, int Fixed, int Origin) {
        for (int i = int(Sizes.size()) - 1; i >= Fixed; --i)
            if (Sizes[size_t(i)] != 0)
                return i;
        return Origin;
    };
    switch (Key) {
    case VK_UP:
        if (ctrl)
            --tl.Y;
        else
            step(cur.Y, -1, rowHeights_, fixedRows_, current_.Y);
        break;
    case VK_DOWN:
        if (ctrl)
            ++tl.Y;
        else
            step(cur.Y, 1, rowHeights_, fixedRows_, current_.Y);
        break;
    case VK_LEFT:
        if (rowSelect)
            tl.X -= ctrl ? pageW : 1;
        else if (ctrl) {
            cur.X -= pageW;
            tl.X -= pageW;
        } else
            step(cur.X, -1, colWidths_, fixedCols_, current_.X);
        break;
    case VK_RIGHT:
        if (rowSelect)
            tl.X += ctrl ? pageW : 1;
        else if (ctrl) {
            cur.X += pageW;
            tl.X += pageW;
        } else
            step(cur.X, 1, colWidths_, fixedCols_, current_.X);
        break;
    case VK_PRIOR:
        if (ctrl)
            cur.Y = topLeft_.Y;
        else {
            cur.Y -= pageH;
            tl.Y -= pageH;
        }
        break;
    case VK_NEXT:
        if (ctrl)
            cur.Y = std::max(topLeft_.Y, VertAxis().LastFullVisible());
        else {
            cur.Y += pageH;
            tl.Y += pageH;
        }
        break;
    case VK_HOME:
        if (ctrl)
            cur = {firstShown(colWidths_, fixedCols_, cur.X), firstShown(rowHeights_, fixedRows_, cur.Y)};
        else if (rowSelect)
            cur.Y = firstShown(rowHeights_, fixedRows_, cur.Y);
        else
            cur.X = firstShown(colWidths_, fixedCols_, cur.X);
        break;
    case VK_END:
        if (ctrl)
            cur = {lastShown(colWidths_, fixedCols_, cur.X), lastShown(rowHeights_, fixedRows_, cur.Y)};
        else if (rowSelect)
            cur.Y = lastShown(rowHeights_, fixedRows_, cur.Y);
        else
            cur.X = lastShown(colWidths_, fixedCols_, cur.X);
        break;
    case VK_TAB:
        if (!options_.Contains(goTabs) || Shift.Contains(ssAlt))
            return;
        {
            const bool back = Shift.Contains(ssShift);
            // Cell by cell through the rows, round the grid, to the next
            // column that is a tab stop (or back to the current column).
            do {
                if (back) {
                    if (--cur.X < fixedCols_) {
                        cur.X = ColCount() - 1;
                        if (--cur.Y < fixedRows_)
                            cur.Y = RowCount() - 1;
                    }
                } else {
                    if (++cur.X >= ColCount()) {
                        cur.X = fixedCols_;
                        if (++cur.Y >= RowCount())
                            cur.Y = fixedRows_;
                    }
                }
            } while ((!tabStops_[size_t(cur.X)] || colWidths_[size_t(cur.X)] == 0) && cur.X != current_.X);
            moveAnchor = true;
        }
        break;
    case VK_F2:
        if (options_.Contains(goEditing)) {
            ShowEditor();
            if (self && editor_ && editCol_ >= 0)
                editor_->Deselect();
        }
        return;
    case VK_ESCAPE:
        if (editorMode_)
            EditorCancel();
        return;
    default:
        return;
    }
    cur.X = std::clamp(cur.X, fixedCols_, ColCount() - 1);
    cur.Y = std::clamp(cur.Y, fixedRows_, RowCount() - 1);
    if (cur == current_) {
        MoveTopLeft(tl.X, tl.Y);
        return;
    }
    // One scroll at most: the page step and the move into view together.
    if (!SelectCell(cur.X, cur.Y)) {
        if (self)
            MoveTopLeft(tl.X, tl.Y);
        return;
    }
    if (!self)
        return;
    SetCurrentSilently(cur, moveAnchor || !options_.Contains(goRangeSelect) ? cur : anchor_);
    if (!self)
        return;
    TAxis h = HorzAxis(), v = VertAxis();
    tl.X = std::clamp(tl.X, fixedCols_, std::max(fixedCols_, h.MaxFirst()));
    tl.Y = std::clamp(tl.Y, fixedRows_, std::max(fixedRows_, v.MaxFirst()));
    MoveTopLeft(h.FirstToShow(cur.X, tl.X), v.FirstToShow(cur.Y, tl.Y));
    if (self && editorMode_)
        UpdateEdit();
}

void TCustomGrid::KeyPress(QChar& Key)
{
    TWeakRef<TCustomGrid> self(this);
    TCustomControl::KeyPress(Key);
    if (!self)
        return;
    if (Key.unicode() == 13 && !options_.Contains(goAlwaysShowEditor)) {
        if (editorMode_)
            HideEditor();
        else if (options_.Contains(goEditing))
            ShowEditor();
        Key = QChar();
    }
}

void TCustomGrid::KeyUp(Word& Key, TShiftState Shift) { TCustomControl::KeyUp(Key, Shift); }

void TCustomGrid::WMChar(TMessage& Message)
{
    const char16_t ch = char16_t(Message.CharCode());
    if (options_.Contains(goEditing) && !options_.Contains(goRowSelect) && (ch == 8 || (ch >= 32 && ch != 127))) {
        ShowEditorChar(QChar(ch));
        return;
    }
    TCustomControl::WMChar(Message);
}

void TCustomGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS;
    if (options_.Contains(goRowSelect))
        return;
    if (options_.Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
    if (options_.Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

// ---- mouse --------------------------------------------------------------------------------------

TGridCoord TCustomGrid::CellAtClamped(int X, int Y) const
{
    auto along = [](const TAxis& A, int P) {
        const int fixedEnd = A.FixedExtent();
        if (P < fixedEnd)
            return A.First;
        // Past the end: the last cell shown whole, so that a drag scrolls
        // one cell per tick of the move timer.
        const int at = A.At(P);
        if (at < 0)
            return std::max(A.First, A.LastFullVisible());
        return std::clamp(at, A.First, std::max(A.First, A.LastVisible()));
    };
    return {along(HorzAxis(), X), along(VertAxis(), Y)};
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TCustomGrid> self(this);
    if (!ComponentState().Contains(TComponentStateItem::csDesigning) && CanFocus() && !Focused()) {
        SetFocus();
        if (!self)
            return;
        // The focus may have gone on into the editor (goAlwaysShowEditor).
        TWinControl* focused = GetFocusedControl();
        if (focused != this && (!focused || focused != editor_.Get())) {
            SetMouseCapture(false);
            return;
        }
    }
    const TGridCoord hit = MouseCoord(X, Y);
    const bool dataCell = hit.X >= fixedCols_ && hit.Y >= fixedRows_;
    const bool onCurrent = dataCell && hit == current_;
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        DblClick();
        if (self && onCurrent && options_.Contains(goEditing))
            ShowEditor();
    } else if (Button == mbLeft) {
        if (!onCurrent && editCol_ >= 0 && !options_.Contains(goAlwaysShowEditor))
            HideEditor();
        if (!self)
            return;
        TGridDrawInfo info;
        TGridState state = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs, info);
        if (!self)
            return;
        if (state == gsColSizing || state == gsRowSizing) {
            gridState_ = state;
            sizingIndex_ = index;
            sizingPos_ = pos;
            sizingOfs_ = ofs;
            InvalidateFeedback();
        } else if (dataCell) {
            if (options_.Contains(goEditing)) {
                if (onCurrent)
                    ShowEditor();
                else
                    MoveColRow(hit.X, hit.Y, true, true);
                if (self)
                    Click();
            } else {
                gridState_ = gsSelecting;
                SetTimer(this, MoveTimerID, MoveTimerInterval);
                if (Shift.Contains(ssShift))
                    MoveAnchor(hit);
                else
                    MoveColRow(hit.X, hit.Y, true, true);
            }
        } else if (options_.Contains(goRowMoving) && hit.X >= 0 && hit.X < fixedCols_ && hit.Y >= fixedRows_) {
            gridState_ = gsRowMoving;
            moveIndex_ = movePos_ = hit.Y;
            SetTimer(this, MoveTimerID, MoveTimerInterval);
        } else if (options_.Contains(goColMoving) && hit.Y >= 0 && hit.Y < fixedRows_ && hit.X >= fixedCols_) {
            gridState_ = gsColMoving;
            moveIndex_ = movePos_ = hit.X;
            SetTimer(this, MoveTimerID, MoveTimerInterval);
        }
    }
    if (self)
        TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    switch (gridState_) {
    case gsSelecting: {
        const TGridCoord c = CellAtClamped(X, Y);
        if (c.X >= fixedCols_ && c.Y >= fixedRows_ && !(c == anchor_))
            MoveAnchor(c);
        break;
    }
    case gsColSizing:
    case gsRowSizing: {
        const TAxis a = gridState_ == gsColSizing ? HorzAxis() : VertAxis();
        int start = 0;
        const int p = (gridState_ == gsColSizing ? X : Y) + sizingOfs_;
        sizingPos_ = a.Start(sizingIndex_, start) ? std::max(p, start) : p;
        InvalidateFeedback();
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord c = CellAtClamped(X, Y);
        const int pos = gridState_ == gsColMoving ? c.X : c.Y;
        if (pos != movePos_) {
            movePos_ = pos;
            InvalidateFeedback();
        }
        break;
    }
    default:
        break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TCustomGrid> self(this);
    if (Button == mbLeft) {
        const TGridState state = gridState_;
        switch (state) {
        case gsSelecting:
            MouseMove(Shift, X, Y);
            KillTimer(this, MoveTimerID);
            // A subclass may have ended the state (and clicked) meanwhile.
            if (self && gridState_ == gsSelecting) {
                gridState_ = gsNormal;
                Click();
            }
            break;
        case gsColSizing:
        case gsRowSizing: {
            gridState_ = gsNormal;
            InvalidateFeedback();
            const TAxis a = state == gsColSizing ? HorzAxis() : VertAxis();
            int start = 0;
            if (a.Start(sizingIndex_, start) || sizingIndex_ < a.Count()) {
                const int size = sizingPos_ - start;
                if (size > 1) {
                    if (state == gsColSizing)
                        SetColWidths(sizingIndex_, size);
                    else
                        SetRowHeights(sizingIndex_, size);
                }
            }
            break;
        }
        case gsColMoving:
        case gsRowMoving:
            KillTimer(this, MoveTimerID);
            gridState_ = gsNormal;
            InvalidateFeedback();
            if (movePos_ != moveIndex_) {
                if (state == gsColMoving)
                    MoveColumn(moveIndex_, movePos_);
                else
                    MoveRow(moveIndex_, movePos_);
            }
            break;
        default:
            break;
        }
        if (self)
            gridState_ = gsNormal;
    }
    if (self)
        TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::AutoScrollStep()
{
    const TPoint p = ScreenToClient(GetCursorPos());
    const TAxis h = HorzAxis(), v = VertAxis();
    int dx = 0, dy = 0;
    if (p.X < h.FixedExtent())
        dx = -1;
    else if (p.X >= h.Extent)
        dx = 1;
    if (p.Y < v.FixedExtent())
        dy = -1;
    else if (p.Y >= v.Extent)
        dy = 1;
    TWeakRef<TCustomGrid> self(this);
    switch (gridState_) {
    case gsSelecting:
        if (dx == 0 && dy == 0)
            return;
        MoveTopLeft(topLeft_.X + dx, topLeft_.Y + dy);
        if (self)
            MoveAnchor(CellAtClamped(p.X, p.Y));
        break;
    case gsColMoving:
        if (dx != 0)
            MoveTopLeft(topLeft_.X + dx, topLeft_.Y);
        if (self)
            MouseMove(InputState().ShiftState(), p.X, p.Y);
        break;
    case gsRowMoving:
        if (dy != 0)
            MoveTopLeft(topLeft_.X, topLeft_.Y + dy);
        if (self)
            MouseMove(InputState().ShiftState(), p.X, p.Y);
        break;
    default:
        KillTimer(this, MoveTimerID);
        break;
    }
}

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                  TGridDrawInfo& FixedInfo)
{
    State = gsNormal;
    Index = -1;
    SizingPos = 0;
    SizingOfs = 0;
    CalcDrawInfo(FixedInfo);
    const TAxis h = HorzAxis(), v = VertAxis();
    if (X < 0 || Y < 0 || X >= h.Extent || Y >= v.Extent)
        return;
    // Near the right edge of a column, in the fixed rows (the right-most
    // match, so that a column of width 0 can be pulled open again).
    auto near = [&](const TAxis& Along, int P, TGridState S) {
        Along.ForEachVisible([&](int i, int start) {
            const int border = start + Along.Size(i);
            if (P >= border - 3 && P <= border + Along.GapOf(i) + 2) {
                State = S;
                Index = i;
                SizingPos = border;
                SizingOfs = border - P;
            }
        });
    };
    if (options_.Contains(goColSizing) && Y < v.FixedExtent())
        near(h, X, gsColSizing);
    if (State == gsNormal && options_.Contains(goRowSizing) && X < h.FixedExtent())
        near(v, Y, gsRowSizing);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (current_.Y < RowCount() - 1)
        SetRow(current_.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (current_.Y > fixedRows_)
        SetRow(current_.Y - 1);
    return true;
}
