// TVynStringGrid: editing a fixed (header) cell in place with the grid's
// fixed-cell edit box or combo box, opened by the gesture MouseActions
// names (a double click, a left or a right click).
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_special_editors.h"

void TVynStringGrid::EditFixedCell(int ACol, int ARow)
{
    TWeakRef<TVynStringGrid> self(this);
    TGridTransEdit* edit = FixedCellEdit();
    TGridTransCombo* combo = FixedCellCombo();
    if (!edit || !combo)
        return;
    // 1. An open fixed-cell editor closes first; a refusal keeps it.
    if (edit->Visible() && !edit->StopEdit())
        return;
    if (!self)
        return;
    if (combo->Visible() && !combo->StopEdit())
        return;
    if (!self || ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    // 2.
    const int N = RealColIndex(ACol);
    bool canEdit = true;
    DoCanEditCellEvent(N, ARow, canEdit);
    if (!self || !canEdit)
        return;
    // 3.
    FFixedColEdit = N;
    FFixedRowEdit = ARow;
    TGridFixedCellEditor kind = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
    TStringList values;
    values.Assign(*FMouseActions->FixedComboValues());
    DoFixedEdit(N, ARow, kind, &values);
    if (!self)
        return;
    // 4.
    TRect R = CellRect(ACol, ARow);
    InflateRect(R, -1, -1);
    const String text = Cells(N, ARow);
    TWinControl* shown = nullptr;
    if (kind == TGridFixedCellEditor::fceComboEdit || kind == TGridFixedCellEditor::fceComboList) {
        combo->SetStyle(kind == TGridFixedCellEditor::fceComboList ? csDropDownList : csDropDown);
        combo->Items().Clear();
        for (int i = 0; i < values.Count(); ++i)
            combo->Items().Add(values.Strings(i));
        combo->SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height());
        if (kind == TGridFixedCellEditor::fceComboList)
            combo->SetItemIndex(values.IndexOf(text));
        else
            combo->SetText(text);
        combo->SetCol(N);
        combo->SetRow(ARow);
        shown = combo;
    } else {
        edit->SetBounds(R.Left, R.Top, R.Width(), R.Height());
        edit->SetText(text);
        edit->SetCol(N);
        edit->SetRow(ARow);
        shown = edit;
    }
    shown->SetVisible(true);
    if (shown->CanFocus())
        shown->SetFocus();
}

bool TVynStringGrid::FixedCellEditPress(TMouseButton Button, int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || (ACol >= FixedCols() && ARow >= FixedRows()))
        return false;
    const TRect cr = CellRect(ACol, ARow);
    // With sizing on, a press on (near) a border sizes instead.
    auto clearOfBorders = [&](bool Sizing) {
        return !Sizing || (X - cr.Left >= 4 && cr.Right - X >= 4 && Y - cr.Top >= 4 && cr.Bottom - Y >= 4);
    };
    const TGridFixedCellEdit rows = FMouseActions->FixedRowsEdit(), cols = FMouseActions->FixedColsEdit();
    bool edit = false;
    if (Button == mbLeft && rows == TGridFixedCellEdit::fceLeftClick && ARow < FixedRows())
        edit = clearOfBorders(Options().Contains(goColSizing));
    else if (Button == mbLeft && cols == TGridFixedCellEdit::fceLeftClick && ACol < FixedCols())
        edit = clearOfBorders(Options().Contains(goRowSizing));
    else if (Button == mbRight && rows == TGridFixedCellEdit::fceRightClick && ARow < FixedRows())
        edit = true;
    else if (Button == mbRight && cols == TGridFixedCellEdit::fceRightClick && ACol < FixedCols())
        edit = true;
    else
        return false;
    if (edit)
        EditFixedCell(ACol, ARow);
    return true;
}

bool TVynStringGrid::FixedCellDblClick(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    if ((ARow < FixedRows() && FMouseActions->FixedRowsEdit() == TGridFixedCellEdit::fceDblClick) ||
        (ACol < FixedCols() && FMouseActions->FixedColsEdit() == TGridFixedCellEdit::fceDblClick)) {
        EditFixedCell(ACol, ARow);
        return true;
    }
    return false;
}
