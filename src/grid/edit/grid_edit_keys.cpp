// Moving on after an editor key (AdvanceEditCell), the grid's key press, and
// the keys that start an edit: F2, Enter and a typed character.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/edit/grid_edit_kinds.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

namespace {

void SetOption(TVynStringGrid& G, TGridOption O, bool On)
{
    TGridOptions o = G.Options();
    if (On)
        o.Include(O);
    else
        o.Exclude(O);
    G.SetOptions(o);
}

}  // namespace

void TVynStringGrid::AdvanceEditCell(int ACol, int ARow, bool Reopen, bool Again, bool Forward, bool AutoEdit,
                                     bool Force)
{
    // 1.
    if (!FNavigation->AdvanceOnEnter() && !Force)
        return;
    // 2.
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
        SetOption(*this, goEditing, true);
    // 3.
    if (!Again) {
        FAECol = ACol;
        FAERow = ARow;
    }
    const int c0 = ACol, r0 = ARow;
    FStartEditChar = QChar();

    const TAdvanceDirection dir = FNavigation->AdvanceDirection();
    const bool loop = FNavigation->AdvanceOnEnterLoop();
    const int first = FixedCols() > 0 || !HasNodes() ? FixedCols() : 1;
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int lastCol = ColCount() - FFixedRightCols - 1;
    const int v = FFixedRightCols;

    // Steps 4 to 6 from (C, R); false: the advance stops here.
    auto step = [&](int& C, int& R) {
        const int s = std::max(0, CellSpan(RealColIndex(C), R).X);
        if (Forward && (dir == TAdvanceDirection::adLeftRight || dir == TAdvanceDirection::adLeftRightInRow)) {
            if (C + s < ColCount() - v - 1) {
                C += s + 1;
            } else if (dir == TAdvanceDirection::adLeftRightInRow) {
                if (loop)
                    C = first;
            } else if (R < lastRow) {
                ++R;
                C = first;
            } else if (FNavigation->AdvanceInsert()) {
                bool canAdd = true;
                DoCanAddRow(canAdd);
                C = first;
                if (canAdd) {
                    SetRowCount(RowCount() + 1);
                    ++R;
                    if (OnAutoAddRow)
                        OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                    bool any = false;
                    for (int c = FixedCols(); c < ColCount() && !any; ++c)
                        any = IsEditable(RealColIndex(c), R);
                    if (!any)
                        return false;
                }
            } else if (loop) {
                R = FixedRows();
                C = first;
            }
        } else if (Forward) {
            if (R < lastRow) {
                ++R;
            } else if (dir == TAdvanceDirection::adTopBottomInCol) {
                R = FixedRows();
            } else {
                if (C < lastCol) {
                    R = FixedRows();
                    if (++C >= ColCount())
                        C = first;
                } else if (FNavigation->AdvanceInsert()) {
                    SetColCount(ColCount() + 1);
                    C += s + 1;
                    R = FixedRows();
                    if (OnAutoInsertCol)
                        OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
                } else {
                    R = FixedRows();
                    C = first;
                }
                Invalidate();
            }
        } else if (dir == TAdvanceDirection::adLeftRight) {
            if (C > first) {
                --C;
            } else {
                R = R > FixedRows() ? R - 1 : lastRow;
                C = lastCol;
            }
        } else if (dir == TAdvanceDirection::adTopBottom) {
            if (R > FixedRows()) {
                --R;
            } else {
                C = C > first ? C - 1 : lastCol;
                R = lastRow;
            }
        }
        return true;
    };

    // 7 and 8. Skipping read-only cells walks on, at most once round the
    // grid; a walk that finds no editable cell leaves the current cell.
    struct ResetChange {
        TVynStringGrid* g;
        ~ResetChange() { g->FDisableChange = false; }
    } resetChange{this};
    const long long bound = (long long)ColCount() * RowCount() + 1;
    for (long long n = 0;; ++n) {
        const int fromC = ACol, fromR = ARow;
        if (!step(ACol, ARow))
            return;
        bool e = true;
        DoCanEditCell(RealColIndex(ACol), ARow, e);
        if (e) {
            bool allow = true;
            if (OnAutoAdvance)
                OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
            if (allow) {
                if (OnCellChanging)
                    OnCellChanging(this, FAERow, FAECol, ARow, ACol, allow);
                FDisableChange = true;
                if (allow)
                    MoveColRow(ACol, ARow, true, true);
                else
                    SelectCell(c0, r0);
            } else {
                FDisableChange = true;
                SelectCell(c0, r0);
            }
            FDisableChange = false;
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells()) {
            MoveColRow(ACol, ARow, true, true);
            break;
        }
        if ((ACol == fromC && ARow == fromR) || n >= bound)
            return;
    }
    // 9.
    if (!Reopen)
        return;
    // 10.
    const bool controlCell = IsControlCell(RealCol(), Row());
    if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || controlCell) {
        if (!IsEditable(RealCol(), Row()))
            return;
        ShowEditor();
        if (controlCell) {
            FDisableChange = true;
            if (!IsControlCell(RealColIndex(c0), r0)) {
                const TRect r = CellRect(Col(), Row());
                MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
                MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
                if (dir != TAdvanceDirection::adLeftRight)
                    HideEditor();
            }
            FDisableChange = false;
            bool allow = true;
            if (OnCellChanging)
                OnCellChanging(this, r0, c0, Row(), Col(), allow);
            TEditorType k = FDefaultEditor;
            DoGetEditorType(RealColIndex(c0), r0, k);
            if (!IsTextEditorKind(k, false))
                HideEditor();
        }
    }
}

void TVynStringGrid::KeyPress(QChar& Key)
{
    const char16_t k = Key.unicode();
    // 1. Esc: the cell's text from before the edit.
    if (k == 27) {
        if (Options().Contains(goEditing) && FEditing)
            RestoreOriginalCell();
        TWinControl::KeyPress(Key);
        return;
    }
    // 2.
    if (k == 13 && !FNavigation->AdvanceOnEnter() && !IsEditable(RealCol(), Row())) {
        TWinControl::KeyPress(Key);
        Key = QChar();
        return;
    }
    // 3. Enter from an editor, or on a control cell.
    if (k == 13 && (GetFocusedControl() != this || IsControlCell(RealCol(), Row()))) {
        TWeakRef<TVynStringGrid> self(this);
        AdvanceEditCell(Col(), Row(), EditMode, false, true, false, false);
        if (!self)
            return;
        if (!FNavigation->AdvanceAutoEdit()) {
            TWinControl::KeyPress(Key);
            Key = QChar();
            return;
        }
        if (IsControlCell(RealCol(), Row())) {
            TWinControl::KeyPress(Key);
            Key = QChar();
            if (self && FNavigation->AdvanceOnEnter())
                ShowInplaceEdit();
            return;
        }
    }
    // 4.
    IncrementalSearchKey(Key);
    // 5.
    TBaseGrid::KeyPress(Key);
}

void TVynStringGrid::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_F2) {
        TWeakRef<TVynStringGrid> self(this);
        // OnKeyDown sees a copy; the key itself is swallowed.
        auto swallow = [&] {
            Word copy = Key;
            TWinControl::KeyDown(copy, Shift);
            Key = 0;
        };
        const int rc = RealCol();
        // 4. Double-click-only editing lets the keys in on an editable cell.
        if (FMouseActions->EditOnDblClickOnly() && !Options().Contains(goEditing)) {
            const bool was = FMouseActions->RangeSelectAndEdit();
            FMouseActions->SetRangeSelectAndEdit(true);
            bool editable = false;
            try {
                editable = IsEditable(rc, Row());
            } catch (...) {
                FMouseActions->SetRangeSelectAndEdit(was);
                throw;
            }
            FMouseActions->SetRangeSelectAndEdit(was);
            if (editable)
                SetOption(*this, goEditing, true);
        }
        // 5.
        if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
            if (!IsEditable(rc, Row())) {
                swallow();
                return;
            }
            SetOption(*this, goEditing, true);
            ShowInplaceEdit();
            if (!self)
                return;
        }
        // 7.
        if (Options().Contains(goEditing) && !IsEditable(rc, Row())) {
            swallow();
            return;
        }
        // 9.
        if (Key == VK_RETURN && !IsEditable(rc, Row())) {
            TCustomForm* form = GetParentForm(this);
            if (!(form && form->KeyPreview())) {
                swallow();
                return;
            }
        }
        if (!FEditing)
            RememberCurrentCell(Col(), Row());
    }
    // 10. Space toggles the check box of the current cell (grid_interact_checks.cpp).
    if (Key == VK_SPACE) {
        TWeakRef<TVynStringGrid> self(this);
        CheckBoxKey(Col(), Row());
        if (!self)
            return;
    }
    // The navigation (grid_keys.cpp).
    NavigateKeyDown(Key, Shift);
}

void TVynStringGrid::WMChar(TMessage& Message)
{
    // 1. A cell with form controls takes no typing (grid_keys.cpp).
    if (ControlTagCell(Col(), Row())) {
        Message.SetCharCode(0);
        return;
    }
    QChar ch(char16_t(Message.CharCode()));
    const char16_t k = ch.unicode();
    // 2.
    if (FMouseActions->EditOnDblClickOnly()) {
        bool e = true;
        DoCanEditCell(RealCol(), Row(), e);
        if (e)
            SetOption(*this, goEditing, true);
    }
    // 3. The characters of the clipboard keys.
    if (FNavigation->AllowClipboardShortCuts() && GetKeyState(VK_CONTROL) < 0 && (k == 3 || k == 22 || k == 24)) {
        Message.SetCharCode(0);
        return;
    }
    // 4. Typing with RangeSelectAndEdit opens the editor first.
    if (RangeSelectTyping(ch))
        return;
    // 5. Typing starts an edit with the character (any printable one); the
    // keypad's decimal key types the decimal separator.
    KeypadDecimal(Message);
    ch = QChar(char16_t(Message.CharCode()));
    if (k == 13 && IsControlCell(RealCol(), Row()) && FNavigation->AdvanceOnEnter()) {
        TBaseGrid::WMChar(Message);
        return;
    }
    const bool printable = k >= 32 && k != 127 && (ch.isPrint() || ch.isSurrogate());
    if (Options().Contains(goEditing) && k != 9 && (k == 8 || printable)) {
        TWeakRef<TVynStringGrid> self(this);
        TWinControl::KeyPress(ch);
        if (!self || ch.isNull())
            return;
        if (IsControlCell(RealCol(), Row()))
            return;
        FStartEditChar = ch;
        ShowEditorChar(ch);
        // No edit opened (edNone): nothing to replay.
        if (self && !EditMode)
            FStartEditChar = QChar();
        return;
    }
    TBaseGrid::WMChar(Message);
}
