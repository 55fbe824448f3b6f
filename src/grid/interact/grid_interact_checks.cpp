// Check boxes toggled from the keyboard (Space on the current cell) and by a
// left click on the box. Both report the real column: a hidden column
// before the box does not move the handlers to another column.
//
// A check box is a cell graphic of one of the check-box kinds, or a cell
// whose editor kind is edDataCheckBox: its text is its state (the grid's
// CheckTrue text checked, any other text not). The press itself comes from
// the left button down (grid_mouse.cpp).
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/input_state.h"

int TVynStringGrid::CheckCellKind(int ACol, int ARow, bool& CanEdit)
{
    int kind = 0;
    if (HasCheckBox(ACol, ARow)) {
        kind = 1;
    } else if (!GetCellGraphic(ACol, ARow)) {
        TEditorType k = FDefaultEditor;
        DoGetEditorType(ACol, ARow, k);
        kind = k == TEditorType::edDataCheckBox ? 2 : 0;
    }
    CanEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    if (kind != 0)
        DoCanEditCell(ACol, ARow, CanEdit);
    return kind;
}

bool TVynStringGrid::ToggleCheckCell(int ACol, int ARow, int Kind)
{
    TWeakRef<TVynStringGrid> self(this);
    bool checked = true;
    if (Kind == 1) {
        ToggleCheckBox(ACol, ARow);
        checked = self && IsChecked(ACol, ARow);
    } else {
        const String yes = GetCheckTrue(ACol, ARow);
        checked = GetCellEx(ACol, ARow) != yes;
        SetCellEx(ACol, ARow, checked ? yes : GetCheckFalse(ACol, ARow));
        DoCheckBoxChange(ACol, ARow, checked);
    }
    if (self && FShowModified->Enabled()) {
        SetRowModified(ARow, true);
        RepaintCell(0, ARow);
    }
    return checked;
}

bool TVynStringGrid::CheckBoxKey(int ACol, int ARow)
{
    const int rc = RealColIndex(ACol);
    bool canEdit = false;
    const int kind = CheckCellKind(rc, ARow, canEdit);
    if (kind == 0 || (!canEdit && !FControlLook->CheckAlwaysActive()))
        return false;
    TWeakRef<TVynStringGrid> self(this);
    const bool state = ToggleCheckCell(rc, ARow, kind);
    if (!self)
        return true;
    DoCheckBoxClickEvent(rc, ARow, state);
    if (self)
        RepaintCell(Col(), Row());
    return true;
}

void TVynStringGrid::ClickMakesCurrent(int ACol, int ARow)
{
    if (!FNavigation->AlwaysEdit() && ACol >= FixedCols() && ARow >= FixedRows() && (ACol != Col() || ARow != Row()))
        MoveColRow(ACol, ARow, true, true);
}

bool TVynStringGrid::CheckBoxMouseDown(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    const int rc = RealColIndex(ACol);
    // 1. A refused can-edit question leaves the press to the ordinary click.
    bool canEdit = false;
    const int kind = CheckCellKind(rc, ARow, canEdit);
    if (kind == 0)
        return false;
    if (!canEdit && !FControlLook->CheckAlwaysActive() && !(ACol == 0 && FMouseActions->HotmailRowSelect()))
        return false;
    if (kind == 1 && !IsInCheckBox(rc, ARow, X, Y))
        return false;
    // 2.
    TWeakRef<TVynStringGrid> self(this);
    HideEditor();
    if (!self)
        return true;
    if (CanFocus() && !Focused())
        SetFocus();
    if (!self)
        return true;
    const bool state = ToggleCheckCell(rc, ARow, kind);
    if (!self)
        return true;
    // 3. A data cell becomes the current cell.
    ClickMakesCurrent(ACol, ARow);
    if (!self)
        return true;
    DoCheckBoxClickEvent(rc, ARow, state);
    if (!self)
        return true;
    if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
        if (state)
            CheckAll(rc);
        else
            UnCheckAll(rc);
        if (!self)
            return true;
        Invalidate();
    }
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, GetKeyboardShiftState(), X, Y);
    if (self)
        Click();
    return true;
}
