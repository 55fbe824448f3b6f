// Moving the current cell and validating the value edited in the cell left.
#include "grid/core/grid_startup.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/core/grid_undo.h"
#include "grid/render/grid_render_holders.h"

bool TVynStringGrid::SelectCell(int ACol, int ARow)
{
    // 1.
    const TGridRect oldSel = Selection();
    // 3. Not yet on a window: nothing to decide.
    if (!Parent())
        return TBaseGrid::SelectCell(ACol, ARow);
    // 7.
    if (ACol < 0 || ARow < 0)
        return false;
    const int C = RealColIndex(ACol);
    // 8. A covered part of a merge: its base cell instead.
    if (IsMergedNonBaseCell(C, ARow) && !Options().Contains(goRangeSelect)) {
        int bc = C, br = ARow;
        GetBaseCellOf(C, ARow, bc, br);
        MoveColRow(DisplColIndex(bc), br, true, true);
        RepaintCell(DisplColIndex(bc), br);
        if (FMouseActions->DirectEdit())
            ShowEditor();
        return false;
    }
    // 9.
    if (ACol == 0 && HasNodes() && !Options().Contains(goRowSelect))
        return false;

    // 11. The editing option follows the cell.
    const int oldCol = Col(), oldRow = Row();
    String cache = GetGridCell(C, ARow);
    TVynInplaceEdit* ed = InplaceEditor();
    const bool editorFocused = ed && ed->Focused();
    auto setEditing = [this](bool On) {
        TGridOptions o = Options();
        if (On)
            o.Include(goEditing);
        else
            o.Exclude(goEditing);
        SetOptions(o);
    };
    if (IsControlCell(C, ARow)) {
        bool e = true;
        DoCanEditCell(C, ARow, e);
        if (!FEditDisable)
            FEditDisable = !e && (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit());
        if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && e) {
            FEditChange = true;
            setEditing(true);
        }
    } else {
        bool e = Options().Contains(goEditing) || FEditDisable;
        DoCanEditCell(C, ARow, e);
        if (e && FMouseActions->DirectEdit()) {
            EditControl = FDefaultEditor;
            DoGetEditorType(C, ARow, EditControl);
            if (EditControl == TEditorType::edNone)
                e = false;
        }
        if (FMouseActions->EditOnDblClickOnly())
            e = false;
        if (e) {
            FEditDisable = false;
            if (!Options().Contains(goEditing)) {
                FEditChange = true;
                if (!FEditing)
                    RememberCurrentCell(ACol, ARow);
                if (Options().Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit()) {
                    TGridOptions o = Options();
                    o.Exclude(goRowSelect);
                    SetOptions(o);
                }
                setEditing(true);
                if (FEditing) {
                    HideInplaceEdit();
                    cache = GetGridCell(C, ARow);
                }
            }
        } else if (Options().Contains(goEditing)) {
            EditMode = false;
            FEditDisable = true;
            FEditChange = true;
            setEditing(false);
            SetEditorMode(false);
            if (FEditing) {
                HideInplaceEdit();
                cache = GetGridCell(C, ARow);
            }
        }
    }

    // 12. Validate the value left behind, then the changing events.
    bool result = false;
    bool allow = true;
    if (!FEditing || editorFocused) {
        DoCellChanging(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    } else {
        const bool pending = FEditDonePending;
        FEditDonePending = false;
        // The edited cell holds the editor's text (also when a key moved on
        // without validating it).
        if (ValidateCell(GetGridCell(RealColIndex(FOldCellPos.X), FOldCellPos.Y))) {
            DoCellChanging(ACol, ARow, allow);
            result = allow && TBaseGrid::SelectCell(ACol, ARow);
        }
        if (!result)
            cache = FCellCache;
        // The editor lost the focus to this click: the edit ends with the
        // accepted move (a refusal keeps it open).
        if (pending && result)
            DoEditingDone(FEditDoneCell.X, FEditDoneCell.Y);
    }

    // 13. The selection listener hears of the cell that becomes current (a
    // refused move makes none).
    if (result && FISelect)
        FISelect->CellSelected(ACol, ARow);
    if (FActiveCellShow) {
        RepaintActiveHeaders(oldCol, oldRow, ARow, ACol);
        if (oldSel.Left != oldCol && oldSel.Top != oldRow)
            RepaintActiveHeaders(oldSel.Left, oldSel.Top, ARow, ACol);
    }
    if (ActiveRowShow()) {
        RepaintRow(ARow);
        RepaintRow(oldSel.Top);
    }
    // A refused move is not a change of row.
    if (result && !ComponentState().Contains(TComponentStateItem::csLoading) && ARow != FOldRowSel && OnRowUpdate) {
        const int old = FOldRowSel;
        FOldRowSel = ARow;
        OnRowUpdate(this, old, ARow);
    }
    if (OnGetCellBorder)
        for (int r = oldSel.Top; r <= oldSel.Bottom; ++r)
            RepaintRow(r);
    FCellCache = cache;
    return result;
}

// A validation's switches come back on every path; when a handler raises,
// the current cell becomes the edit cell too.
struct TValidationScope {
    TVynStringGrid* g;
    bool advanceOnEnter;
    bool done = false;
    TValidationScope(TVynStringGrid* G, const String& NewValue) : g(G), advanceOnEnter(G->FNavigation->AdvanceOnEnter())
    {
        g->FEditing = false;
        g->FValidating = true;
        g->FNewCellText = NewValue;
    }
    // The current cell becomes the edit cell; the validation is over.
    void End()
    {
        done = true;
        g->RememberCurrentCell(g->Col(), g->Row());
        g->FValidating = false;
    }
    ~TValidationScope()
    {
        g->FNavigation->SetAdvanceOnEnter(advanceOnEnter);
        if (!done) {
            g->RememberCurrentCell(g->Col(), g->Row());
            g->FValidating = false;
        }
    }
};

void TVynStringGrid::RefuseValue(int C, int R, const String& Back, bool Wide)
{
    FLastValidation = false;
    HideEditor();
    if (Wide)
        SetWideCells(C, R, Back);
    else
        SetCellEx(C, R, Back);
    MoveColRow(FOldCellPos.X, FOldCellPos.Y, true, true);
    FValidating = false;
    FEditing = true;
    ShowInplaceEdit();
    FModified = FOldModified;
}

namespace {

// The footer's part of a validation: one update, from the text the cell is
// left with (Done), or, when the validation ends otherwise, from what was
// reported meanwhile.
struct TFooterEditScope {
    TVynStringGrid* g;
    bool apply = false;
    TFooterEditScope(TVynStringGrid* G, int C, int R) : g(G) { g->BeginFooterEdit(C, R); }
    ~TFooterEditScope() { g->EndFooterEdit(apply); }
};

}  // namespace

bool TVynStringGrid::ValidateCell(const String& NewValue)
{
    // 1.
    if (!FEditing || FValidating)
        return true;
    // 2.
    TValidationScope guard(this, NewValue);
    bool valid = true;
    const int C = RealColIndex(FOldCellPos.X), R = FOldCellPos.Y;

    // 3.
    if (NewValue != FOldCellText || FAlwaysValidate) {
        const bool changed = NewValue != FOldCellText;
        TFooterEditScope footer(this, C, R);
        FNavigation->SetAdvanceOnEnter(false);
        String value = NewValue;
        if (FCellChecker && FCellChecker->AutoCorrect())
            value = FCellChecker->Correct(C, R, value);
        if (OnCellValidate)
            OnCellValidate(this, C, R, value, valid);
        if (value != FOldCellText) {
            FModified = true;
            if (FixedCols() > 0) {
                SetRowModified(RealRowIndex(R), true);
                if (FShowModified->Enabled())
                    RepaintCell(0, R);
            }
        }
        if (FCellChecker && FCellChecker->AutoMarkError())
            value = FCellChecker->MarkError(C, R, value);
        if (valid && UndoRedo())
            UndoRedo()->RegisterChange(C, R, FOldCellText, value);
        if (valid && changed) {
            TRect rect(C, R, C, R);
            // The event, then every notifier once.
            DoCellsChanged(rect);
        }
        FNavigation->SetAdvanceOnEnter(guard.advanceOnEnter);
        FNewCellText = value;
        if (valid) {
            if (!IsBaseCell(C, R))
                SetGridCell(C, R, value);
            SetCellEx(C, R, value);
            footer.apply = true;
        } else {
            // Refused: back to the cell, with the handler's text or the old
            // one, and the editor open again on it.
            RefuseValue(C, R, value != NewValue ? value : FOldCellText, false);
            if (value == NewValue && Col() != FOldCellPos.X)
                InvalidateEditor();
            ShowInvalidEntryBalloon((FSpecialEditor || !EditMode) ? EditCtrl : InplaceEditor());
        }
        FOldCellText = GetGridCell(C, R);
    }
    // 4.
    guard.End();
    // 5.
    if (valid)
        HideFocusWindow();
    return valid;
}

bool TVynStringGrid::ValidateCellWide(const String& NewValue)
{
    if (!FEditing || FValidating)
        return true;
    TValidationScope guard(this, NewValue);
    bool valid = true;
    const int C = RealColIndex(FOldCellPos.X), R = FOldCellPos.Y;
    if (NewValue != FOldWideCellText || FAlwaysValidate) {
        TFooterEditScope footer(this, C, R);
        FNavigation->SetAdvanceOnEnter(false);
        String value = NewValue;
        if (OnCellValidateWide)
            OnCellValidateWide(this, C, R, value, valid);
        if (NewValue != FOldWideCellText) {
            FModified = true;
            if (FShowModified->Enabled() && FixedCols() > 0) {
                SetRowModified(RealRowIndex(R), true);
                RepaintCell(0, R);
            }
        }
        FNavigation->SetAdvanceOnEnter(guard.advanceOnEnter);
        FNewCellText = value;
        if (valid) {
            SetWideCells(C, R, value);
            footer.apply = true;
        } else {
            RefuseValue(C, R, value != NewValue ? value : FOldWideCellText, true);
        }
    }
    guard.End();
    return valid;
}
