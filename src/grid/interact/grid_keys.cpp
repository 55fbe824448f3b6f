// TVynStringGrid: the key-down message (scroll-only keys, Home and End,
// Tab, skipping fixed cells, the keys after the base navigation), the
// navigation steps after the base key-down, key-up and the dialog
// characters. The editing keys (Enter, F2, Space, typing) are the editing
// work's KeyDown and WMChar (src/grid/edit/grid_edit_keys.cpp), which run
// inside the base handling below.
#include <algorithm>
#include <optional>

#include "grid/core/grid_format.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_footer.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/interact/grid_scope.h"
#include "grid/core/grid_controls.h"
#include "platform/gui/forms.h"
#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"

namespace {

bool IsNavKey(Word Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }
bool IsArrow(Word Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

}  // namespace

void TVynStringGrid::SetGridOption(TGridOption O, bool On)
{
    TGridOptions o = Options();
    if (o.Contains(O) == On)
        return;
    if (On)
        o.Include(O);
    else
        o.Exclude(O);
    SetOptions(o);
}

void TVynStringGrid::SelectionToRows()
{
    const TGridRect s = Selection();
    for (int r = std::max(s.Top, FixedRows()); r <= s.Bottom && r < RowCount(); ++r)
        SetRowSelect(r, true);
}

void TVynStringGrid::WMKeyDown(TMessage& Message)
{
    TWeakRef<TVynStringGrid> self(this);
    Word key = Word(Message.CharCode());
    const TShiftState shift = GetKeyboardShiftState();
    // 1.
    FMoveSelection = Selection();
    const int oldLeft = LeftCol();
    // 2.
    const bool keepHoriz = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                           Options().Contains(goRowSelect) && LeftCol() != FixedCols() &&
                           FNavigation->KeepHorizScroll();
    // 3. Scroll-only keys: consumed, no OnKeyDown.
    if (FNavigation->MoveScrollOnly() && ScrollOnlyKey(key)) {
        Message.Result = 1;
        return;
    }
    // (4, 5, 7 to 10: Enter, F2 and Space are the editing keys, run by the
    // base handling in step 21.)
    // 6. Ctrl+F: to the search bar's edit.
    if (key == 'F' && shift.Contains(ssCtrl) && SearchFooterShown()) {
        if (TWinControl* e = SearchPanelEdit(); e && e->CanFocus())
            e->SetFocus();
        if (!self)
            return;
    }
    // 11 to 14: keys the grid handles alone.
    bool handled = false;
    if (key == VK_HOME || key == VK_END)
        handled = HomeEndKey(key, shift);
    // 12. Nodes open and close with Right and Left; the key goes on.
    if (!handled && (key == VK_LEFT || key == VK_RIGHT))
        NodeKey(key);
    if (!self)
        return;
    if (!handled && (key == VK_LEFT || key == VK_RIGHT))
        handled = RowSelectScrollKey(key, shift);
    if (!self)
        return;
    if (!handled && key == VK_TAB && Options().Contains(goTabs) && !shift.Contains(ssAlt)) {
        AdvanceOnTab(shift.Contains(ssShift));
        handled = true;
    }
    if (handled) {
        if (self)
            ReportSelectionChange(FMoveSelection);
        Message.Result = 0;
        return;
    }
    // 16.
    if (FNavigation->SkipFixedCells() && IsArrow(key))
        SkipFixedCellsKey(key, shift);
    if (!self)
        return;
    // 17.
    if (key == VK_DOWN && FNavigation->AppendOnArrowDown() && IsOnLastRow())
        AutoAddRow();
    if (!self)
        return;
    // 18.
    if (FSelectionRectangle && !(Selection() == FMoveSelection)) {
        const TGridRect s = FMoveSelection;
        InvalidateCellRange(TRect(s.Left, s.Top, s.Right, s.Bottom));
    }
    // 19. The last rows stay above the search bar.
    const TSearchFooterKey footer = SearchFooterKeyBefore(key, shift);
    if (footer.Consumed) {
        Message.Result = 1;
        return;
    }
    if (!self)
        return;
    // 20 to 22. The base handling (OnKeyDown, the editing keys, the
    // navigation); the horizontal scroll and the search bar's corrections
    // come back unpainted.
    {
        std::optional<TUpdateScope> lock;
        if (keepHoriz || footer.Lock)
            lock.emplace(*this);
        Message.SetCharCode(key);
        TBaseGrid::WMKeyDown(Message);
        if (!self)
            return;
        SearchFooterKeyAfter(key, footer);
        if (!self)
            return;
        if (keepHoriz && LeftCol() != oldLeft)
            SetLeftCol(oldLeft);
    }
    if (keepHoriz || footer.Lock)
        Invalidate();
    key = Word(Message.CharCode());
    // 21. A handler that zeroed the key stops the rest.
    if (key == 0)
        return;
    // 23.
    if (!KeyTableAfter(key, shift) || !self)
        return;
    // 24.
    ReportSelectionChange(FMoveSelection);
    if (self)
        FMoveSelection = Selection();
}

bool TVynStringGrid::ScrollOnlyKey(Word Key)
{
    const int vis = VisibleRowCount();
    switch (Key) {
    case VK_PRIOR:
        SetTopRow(vis + FixedRows() < TopRow() ? TopRow() - vis : FixedRows());
        return true;
    case VK_NEXT:
        if (TopRow() + vis < RowCount())
            SetTopRow(std::min(TopRow() + vis, std::max(FixedRows(), RowCount() - vis)));
        return true;
    case VK_END:
        SetTopRow(std::max(FixedRows(), RowCount() - vis));
        return true;
    case VK_HOME:
        SetTopRow(FixedRows());
        return true;
    case VK_UP:
        if (TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        return true;
    case VK_DOWN:
        if (TopRow() + vis < RowCount())
            SetTopRow(TopRow() + 1);
        return true;
    default:
        return false;
    }
}

bool TVynStringGrid::HomeEndKey(Word Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool home = Key == VK_HOME;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shiftKey = Shift.Contains(ssShift);
    const THomeEndAction mode = FNavigation->HomeEndKey();
    if (FFixedRowAlways && RowCount() == 1 && mode != THomeEndAction::heFirstLastCell)
        return false;
    // The base cell of (C, R) becomes the current cell, shown.
    auto focus = [this](int C, int R) {
        int bc = RealColIndex(C), br = R;
        GetBaseCellOf(bc, br, bc, br);
        FocusCell(DisplColIndex(bc), br);
        ClampInView(TGridCoord{Col(), Row()});
    };
    auto fireKey = [&] {
        Word k = Key;
        TWinControl::KeyDown(k, Shift);
    };
    switch (mode) {
    case THomeEndAction::heFirstLastCell:
        if (ctrl)
            return false;
        if (home)
            focus(FixedCols(), FixedRows());
        else
            focus(ColCount() - 1, RowCount() - 1);
        break;
    case THomeEndAction::heFirstLastRow: {
        if (ctrl)
            return false;
        const bool footer = FFloatingFooter && FFloatingFooter->Visible();
        const int oldRow = Row();
        int r = FixedRows();
        if (!home)
            r = footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
        const int left = LeftCol();
        if (shiftKey) {
            SetSelection(TGridRect{FixedCols(), std::min(oldRow, r), ColCount() - 1, std::max(oldRow, r)});
        } else {
            focus(Col(), r);
            if (FMouseActions->DisjunctRowSelect())
                ClearRowSelect();
        }
        if (FMouseActions->DisjunctRowSelect())
            SelectionToRows();
        if (!home && (footer || FFixedFooters > 0))
            SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        ClampInView(TGridCoord{Col(), r});
        if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll() && LeftCol() != left) {
            TUpdateScope lock(*this);
            SetLeftCol(left);
        }
        break;
    }
    case THomeEndAction::heFirstLastColumn:
        if (ctrl) {
            if (!home)
                return false;
            const int c = FirstTabStopCol(FixedRows());
            if (!self)
                return true;
            focus(c >= 0 ? c : Col(), FixedRows());
            SetLeftCol(FirstTabCol());
            break;
        }
        if (Options().Contains(goRowSelect))
            return false;
        if (shiftKey) {
            const int to = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
            SetSelection(TGridRect{std::min(Col(), to), Row(), std::max(Col(), to), Row()});
            RepaintRow(Row());
        } else if (home) {
            const int c = FirstTabStopCol(Row());
            if (!self)
                return true;
            // A row without a tab stop keeps its column.
            if (c >= 0)
                focus(c, Row());
            SetLeftCol(FirstTabCol());
        } else {
            focus(ColCount() - 1, Row());
            SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
        }
        break;
    }
    if (self)
        fireKey();
    return true;
}

bool TVynStringGrid::RowSelectScrollKey(Word& Key, TShiftState Shift)
{
    // 13. Rows selected whole: Left and Right scroll one column.
    if (!Options().Contains(goRowSelect) || VisibleColCount() >= ColCount() || IsNode(Row()))
        return false;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool lr = FNavigation->LeftRightRowSelect();
    if (lr && !ctrl)
        return false;
    if (Key == VK_LEFT && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    else if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
    if (lr) {
        // The base handling does nothing more with the key.
        Key = 0;
        return false;
    }
    Word k = Key;
    TWinControl::KeyDown(k, Shift);
    return true;
}

bool TVynStringGrid::SkipFixedCellsKey(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    const int c = Col(), r = Row();
    int target = -1;
    bool horizontal = false;
    auto fixedAt = [this](int C, int R) { return IsFixed(C, R); };
    if (Key == VK_LEFT) {
        horizontal = true;
        if (c - 1 >= FixedCols() && fixedAt(c - 1, r)) {
            int x = c - 1;
            while (x - 1 >= FixedCols() && fixedAt(x, r))
                --x;
            if (x >= FixedCols() && !fixedAt(x, r))
                target = x;
            else
                Key = 0;
        }
    } else if (Key == VK_RIGHT) {
        horizontal = true;
        const int bound = ColCount() - FFixedRightCols;
        if (c + 1 < bound && fixedAt(c + 1, r)) {
            int x = c + 1;
            while (x + 1 < bound && fixedAt(x, r))
                ++x;
            if (x < bound && !fixedAt(x, r))
                target = x;
            else
                Key = 0;
        }
    } else if (Key == VK_UP) {
        if (r - 1 >= FixedRows() && fixedAt(c, r - 1)) {
            int y = r - 1;
            if (!Options().Contains(goRowSelect))
                while (y - 1 >= FixedRows() && fixedAt(c, y))
                    --y;
            if (y >= FixedRows() && (Options().Contains(goRowSelect) || !fixedAt(c, y)))
                target = y;
            else
                Key = 0;
        }
    } else if (Key == VK_DOWN) {
        const int bound = RowCount() - FFixedFooters;
        if (r + 1 < RowCount() && r + 1 < bound && fixedAt(c, r + 1)) {
            int y = r + 1;
            if (!Options().Contains(goRowSelect))
                while (y + 1 < bound && fixedAt(c, y))
                    ++y;
            if (y < bound && (Options().Contains(goRowSelect) || !fixedAt(c, y)))
                target = y;
            else
                Key = 0;
        }
    }
    if (target < 0)
        return Key == 0;
    if (horizontal)
        MoveColRow(target, r, true, true);
    else
        MoveColRow(c, target, true, true);
    if (!self)
        return true;
    Word k = Key;
    TWinControl::KeyDown(k, Shift);
    Key = 0;
    return true;
}

bool TVynStringGrid::KeyTableAfter(Word Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shiftKey = Shift.Contains(ssShift);
    const bool alt = Shift.Contains(ssAlt);
    auto ask = [this](const TClipboardEvent& E) {
        bool allow = true;
        if (E)
            E(this, allow);
        return allow;
    };
    if (FNavigation->AllowClipboardShortCuts()) {
        if (ctrl && Key == 'X') {
            if (ask(OnClipboardCut))
                CutSelectionToClipboard();
            return false;
        }
        if (ctrl && Key == 'V') {
            if (ask(OnClipboardPaste))
                PasteSelectionFromClipboard();
            return false;
        }
        if (ctrl && (Key == VK_INSERT || Key == 'C')) {
            if (ask(OnClipboardCopy))
                CopySelectionToClipboard();
            return false;
        }
        if (shiftKey && Key == VK_INSERT) {
            if (ask(OnClipboardPaste))
                PasteSelectionFromClipboard();
            return false;
        }
        if (shiftKey && Key == VK_DELETE) {
            if (ask(OnClipboardCut))
                CutSelectionToClipboard();
            return false;
        }
    }
    if (Key == VK_INSERT && FNavigation->AllowInsertRow() && !ctrl && !shiftKey && !alt) {
        InsertRowKey();
        return false;
    }
    if (ctrl && Key == 'A') {
        if (!Options().Contains(goRowSelect) && !Options().Contains(goRangeSelect))
            return true;
        SelectAllKey();
        return false;
    }
    // 23. The row of the disjunct keys.
    const int row = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRow() : Row();
    if (IsNavKey(Key) && FMouseActions->DisjunctRowSelect()) {
        if (!shiftKey && !ctrl)
            ClearRowSelect();
        else if (shiftKey) {
            ClearRowSelect();
            SelectionToRows();
        } else
            SetRowSelect(row, true);
        Invalidate();
    } else if (IsNavKey(Key) && FMouseActions->DisjunctColSelect()) {
        if (!shiftKey && !ctrl)
            ClearColSelect();
        else if (shiftKey)
            SelectionToColSelect(false);
        else
            SetColSelect(Col(), true);
        Invalidate();
    } else if (Key == VK_SPACE && (FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect())) {
        if (FMouseActions->DisjunctRowSelect())
            SetRowSelect(row, !GetRowSelect(row));
        else
            SetColSelect(Col(), !GetColSelect(Col()));
        Invalidate();
    } else if (Key == VK_DELETE && FNavigation->AllowDeleteRow() && !alt &&
               RowCount() - FFixedFooters - FixedRows() >= 1) {
        if (!DeleteRowKey())
            return false;
    } else if (Key == VK_RETURN || Key == VK_F2) {
        if (!FEditing)
            RememberCurrentCell(Col(), Row());
    }
    return self;
}

void TVynStringGrid::NavigateKeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    FLastKeyCell = TPoint(Col(), Row());
    const int r0 = Row();
    // 2.
    TBaseGrid::KeyDown(Key, Shift);
    if (!self || Key == 0)
        return;
    const bool ctrl = Shift.Contains(ssCtrl);
    // 3. Moving the selected rows.
    if (FNavigation->CursorMoveRows() && ctrl && (Key == VK_DOWN || Key == VK_UP)) {
        const TGridRect s = Selection();
        const int t = std::min(s.Top, s.Bottom), b = std::max(s.Top, s.Bottom);
        if (Key == VK_DOWN && b < RowCount() - 1) {
            if (t == b) {
                MoveRow(t, t + 1);
                if (self)
                    FocusCell(Col(), t + 1);
            } else {
                MoveRow(b + 1, t);
                if (self)
                    SetSelection(TGridRect{FixedCols(), t + 1, ColCount() - 1, b + 1});
            }
        } else if (Key == VK_UP && t > FixedRows()) {
            if (t == b) {
                MoveRow(t, t - 1);
                if (self)
                    FocusCell(Col(), t - 1);
            } else {
                MoveRow(t - 1, b);
                if (self)
                    SetSelection(TGridRect{FixedCols(), t - 1, ColCount() - 1, b - 1});
            }
        }
        if (!self)
            return;
    }
    // 4. Wrapping at the edges, judged on the cell before the key.
    const TCursorAdvance adv = FNavigation->CursorAdvance();
    if (adv != TCursorAdvance::caDefault && !ctrl) {
        const bool snake = adv == TCursorAdvance::caSnake;
        const int lastCol = ColCount() - FFixedRightCols - 1;
        const int lastRow = RowCount() - FFixedFooters - 1;
        int c = Col(), r = Row();
        bool wrap = true;
        if (Key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
            c = lastCol;
            if (snake && r > FixedRows())
                --r;
        } else if (Key == VK_UP && FLastKeyCell.Y == FixedRows()) {
            r = lastRow;
            if (snake && c > FixedCols())
                --c;
        } else if (Key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
            c = FixedCols();
            if (snake && r < lastRow)
                ++r;
        } else if (Key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
            r = FixedRows();
            if (snake && c < lastCol)
                ++c;
        } else {
            wrap = false;
        }
        if (wrap && c >= FixedCols() && r >= FixedRows()) {
            MoveColRow(c, r, true, true);
            if (!self)
                return;
        }
    }
    // 5. Over disabled rows: a move refused by a disabled row, or one
    // that landed on it, goes on to the nearest enabled row that way.
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && (Key == VK_UP || Key == VK_DOWN)) {
        auto enabled = [this](int R) { return RowEnabled(RealRowIndex(R)); };
        const int from = Row();
        if (from == r0 || !enabled(from)) {
            const int step = Key == VK_UP ? -1 : 1;
            int target = -1;
            for (int r = from + step; r >= FixedRows() && r <= RowCount() - 1; r += step)
                if (enabled(r)) {
                    target = r;
                    break;
                }
            if (target >= 0)
                MoveColRow(Col(), target, true, true);
            else if (!enabled(from) && from != r0)
                MoveColRow(Col(), r0, true, true);
        }
        if (!self)
            return;
    }
    // 6.
    if (TVynStringGrid* other = FSyncGrid->Grid(); other && other != this) {
        if (FSyncGrid->SelectionColumn() && Col() < other->ColCount())
            other->SetCol(Col());
        if (FSyncGrid->SelectionRow() && Row() < other->RowCount())
            other->SetRow(Row());
    }
}

void TVynStringGrid::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynStringGrid> self(this);
    // 1.
    if (IsNavKey(Key) && Key != VK_HOME)
        SearchInc.clear();
    if (Key == VK_INSERT || Key == VK_DELETE)
        SearchInc.clear();
    // 2.
    const TGridRect s0 = Selection();
    const Word key = Key;
    TBaseGrid::KeyUp(Key, Shift);
    if (!self)
        return;
    const bool moveKey = IsArrow(key) || (key == VK_TAB && Options().Contains(goTabs));
    // 3.
    if (FNavigation->AlwaysEdit() && moveKey && !IsControlCell(RealCol(), Row())) {
        ShowInplaceEdit();
        if (!self)
            return;
    }
    // 4.
    if (moveKey && !(Selection() == FMoveSelection)) {
        ReportSelectionChange(FMoveSelection);
        if (!self)
            return;
        FMoveSelection = Selection();
    }
    if (!FMouseActions->DisjunctCellSelect() || Options().Contains(goEditing))
        return;
    // 5.
    if (Shift.Contains(ssShift)) {
        for (int c = s0.Left; c <= s0.Right; ++c)
            for (int r = s0.Top; r <= s0.Bottom; ++r)
                SetSelectedCells(c, r, false);
        const TGridRect s = Selection();
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r)
                if (c != Col() || r != Row())
                    SetSelectedCells(c, r, true);
    }
    // 6.
    if (key == VK_SPACE) {
        int bc = Col(), br = Row();
        GetBaseCellOf(Col(), Row(), bc, br);
        if (!IsFixed(bc, br)) {
            bool can = true;
            if (OnSelectCell)
                OnSelectCell(this, bc, br, can);
            if (!self)
                return;
            if (can) {
                if (Shift.Contains(ssCtrl)) {
                    SetSelectedCells(bc, br, !SelectedCells(bc, br));
                } else {
                    ClearSelectedCells();
                    SetSelectedCells(bc, br, true);
                }
                const TGridRect s = Selection();
                if (s.Left != s.Right || s.Top != s.Bottom)
                    for (int c = s.Left; c <= s.Right; ++c)
                        for (int r = s.Top; r <= s.Bottom; ++r)
                            if (c != bc || r != br)
                                SetSelectedCells(c, r, true);
                Invalidate();
            }
        }
        RepaintCell(Col(), Row());
    }
}

void TVynStringGrid::CMDialogChar(TMessage& Message)
{
    // The accelerators of the search bar's buttons, while it shows: find
    // next, find previous, the highlight toggle; the first match on a
    // visible, enabled button acts.
    Message.Result = 0;
    if (!SearchFooterShown())
        return;
    TSearchPanel* p = SearchPanel();
    const QChar ch(char16_t(Message.CharCode()));
    for (TVynGridButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton()}) {
        if (!IsAccel(ch, b->Caption()) || !b->Visible() || !b->Enabled())
            continue;
        // The highlight button is a toggle: the key presses it as a click does.
        if (b == p->HiliteButton())
            b->SetDown(!b->Down());
        b->Click();
        Message.Result = 1;
        return;
    }
}

// ---- the search bar's share of the keys -----------------------------------------------------------

bool TVynStringGrid::SearchFooterShown() const
{
    return FSearchFooter && FSearchFooter->Visible() && FSearchPanel && FSearchPanel->Visible();
}

TWinControl* TVynStringGrid::SearchPanelEdit() const { return FSearchPanel ? FSearchPanel->Edit() : nullptr; }

TVynStringGrid::TSearchFooterKey TVynStringGrid::SearchFooterKeyBefore(Word Key, TShiftState Shift)
{
    TSearchFooterKey k;
    if (!SearchFooterShown() || TopRow() < RowCount() - VisibleRowCount())
        return k;
    k.AtEnd = true;
    k.Top = TopRow();
    const bool lastRow = Row() == RowCount() - 1;
    auto fire = [&] {
        Word w = Key;
        TWinControl::KeyDown(w, Shift);
        k.Consumed = true;
    };
    if (lastRow && Key == VK_DOWN) {
        ScrollAboveSearchFooter();
        fire();
        return k;
    }
    if (lastRow && ((Key == VK_RIGHT && Col() == ColCount() - 1) || (Key == VK_LEFT && Col() == FixedCols()))) {
        fire();
        return k;
    }
    k.Follow = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
    k.Restore = Key != VK_SHIFT && Key != VK_MENU && !IsNavKey(Key);
    k.Lock = (lastRow && k.Follow) || k.Restore;
    return k;
}

void TVynStringGrid::SearchFooterKeyAfter(Word Key, const TSearchFooterKey& K)
{
    (void)Key;
    if (!K.AtEnd)
        return;
    if (K.Restore && TopRow() != K.Top)
        SetTopRowPastEnd(K.Top);
    // The current cell of the last row comes out from under the bar.
    if (K.Follow && Row() == RowCount() - 1 && SearchFooterShown())
        ScrollAboveSearchFooter();
}

// ---- nodes ----------------------------------------------------------------------------------------

void TVynStringGrid::NodeKey(Word Key)
{
    // A node row whose current cell is merged: Right opens, Left closes.
    const int r = Row();
    if (!IsNode(r) || !IsMergedCell(RealCol(), r))
        return;
    const int real = DisplToRealRow(r);
    if (Key == VK_RIGHT && GetNodeState(r))
        ExpandNode(real);
    else if (Key == VK_LEFT && !GetNodeState(r))
        ContractNode(real);
}

// ---- typing ---------------------------------------------------------------------------------------

bool TVynStringGrid::ControlTagCell(int ACol, int ARow)
{
    const String t = GetCellEx(RealColIndex(ACol), ARow);
    return GetTextType(t, FEnableHTML) == 1 && t.toUpper().contains("<CONTROL");
}

bool TVynStringGrid::RangeSelectTyping(QChar Ch)
{
    const char16_t k = Ch.unicode();
    if (!FMouseActions->RangeSelectAndEdit() || IsControlCell(RealCol(), Row()) || !IsEditable(RealCol(), Row()) ||
        k == 9 || k == 27 || GetKeyState(VK_CONTROL) < 0)
        return false;
    TWeakRef<TVynStringGrid> self(this);
    QChar copy = Ch;
    TWinControl::KeyPress(copy);
    if (!self)
        return true;
    FStartEditChar = Ch;
    SetGridOption(goEditing, true);
    ClampInView(TGridCoord{Col(), Row()});
    const TRect r = CellRect(Col(), Row());
    MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
    if (self)
        ShowEditorChar(Ch);
    return true;
}

void TVynStringGrid::KeypadDecimal(TMessage& Message)
{
    if (FExcelStyleDecimalSeparator && Message.CharCode() == '.' && (Message.KeyData() & KEYDATA_SCANBIT6))
        Message.SetCharCode(CurrentGridFormatSettings().DecimalSeparator.unicode());
}
