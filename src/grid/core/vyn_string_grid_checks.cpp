// TVynStringGrid: check boxes, radio buttons and radio groups in cells.
//
// The state of a plain box or radio button lives in the cell's graphic, the
// state of a data box in the cell's text (checked when it equals
// GetCheckTrue), the state of a row box in the row's selection. Clicks
// (DoCheckBoxClick, DoRadioButtonClick) are what the mouse and the Space key
// do; the Set... operations change a state without an event, the Change...
// operations fire OnCheckBoxChange when the state changed.
#include <vector>

#include "grid/core/grid_undo.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/render/grid_render_holders.h"

namespace {

// A box or radio button sits where the grid's vertical alignment puts text.
TCellVAlign BoxPlacement(TVAlignment Value)
{
    switch (Value) {
    case TVAlignment::vtaCenter: return TCellVAlign::vaCenter;
    case TVAlignment::vtaBottom: return TCellVAlign::vaBottom;
    default: return TCellVAlign::vaTop;
    }
}

// A click that edits (CheckEdit) asks whether the cell can be edited,
// unless the control is always active.
bool ClickAllowed(TVynStringGrid& G, int ACol, int ARow, bool CheckEdit, bool AlwaysActive)
{
    if (!CheckEdit || AlwaysActive)
        return true;
    bool canEdit = true;
    G.DoCanEditCell(ACol, ARow, canEdit);
    return canEdit;
}

}  // namespace

// ---- check boxes ------------------------------------------------------------------------------

void TVynStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    NewCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, TCellHAlign::haBeforeText, BoxPlacement(FVAlignment));
    if (!Data)
        return;
    // A text that is already one of the check texts is the state from now on.
    const String yes = GetCheckTrue(ACol, ARow), no = GetCheckFalse(ACol, ARow);
    const String text = GetCellEx(ACol, ARow);
    if (text != yes && text != no)
        SetCellEx(ACol, ARow, State ? yes : no);
}

void TVynStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) {
        if (IsSummary(r))
            continue;
        if (IsNode(r)) {
            // A node row checks its group: a three-state box.
            NewCellGraphic(ACol, r)->SetCheckBox(cbUnchecked, true, TCellHAlign::haBeforeText,
                                                     BoxPlacement(FVAlignment));
        } else {
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
        }
    }
}

void TVynStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    // The graphic takes an attached balloon's texts with it.
    switch (GetCellType(ACol, ARow)) {
    case TCellType::ctCheckBox:
    case TCellType::ctDataCheckBox:
    case TCellType::ctTriStateCheckBox: RemoveCellGraphic(ACol, ARow); break;
    default: break;
    }
}

void TVynStringGrid::RemoveCheckBoxColumn(int ACol)
{
    const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

bool TVynStringGrid::HasCheckBox(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow,
                         {TCellType::ctCheckBox, TCellType::ctDataCheckBox, TCellType::ctVirtCheckBox,
                          TCellType::ctRowCheckBox, TCellType::ctTriStateCheckBox});
}

bool TVynStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow,
                         {TCellType::ctDataCheckBox, TCellType::ctVirtCheckBox, TCellType::ctRowCheckBox});
}

bool TVynStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType()) {
    case TCellType::ctCheckBox: State = g->CellBoolean(); return true;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox: State = GetCellEx(ACol, ARow) == GetCheckTrue(ACol, ARow); return true;
    case TCellType::ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = GetRowSelect(ARow);
        return true;
    // A three-state box is read with the three-state form.
    default: return false;
    }
}

bool TVynStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType()) {
    case TCellType::ctCheckBox:
        g->SetCellBoolean(State);
        RepaintCell(DisplColIndex(ACol), ARow);
        return true;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox:
        SetCellEx(ACol, ARow, State ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow));
        return true;
    case TCellType::ctRowCheckBox:
        if (ACol != 0)
            return false;
        SetRowSelect(ARow, State);
        return true;
    default: return false;
    }
}

bool TVynStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctTriStateCheckBox)
        return false;
    g->SetCellCheckBoxState(State);
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TVynStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TVynStringGrid::ToggleCheckBox(int ACol, int ARow) { return DoCheckBoxClick(ACol, ARow, false); }

void TVynStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, true);
    if (FNumHidden > 0)
        RepaintCol(DisplColIndex(ACol));
}

void TVynStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, false);
    if (FNumHidden > 0)
        RepaintCol(DisplColIndex(ACol));
}

void TVynStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    switch (g->CellType()) {
    case TCellType::ctCheckBox:
        if (g->CellBoolean() != State) {
            g->SetCellBoolean(State);
            DoCheckBoxChange(ACol, ARow, State);
            RepaintCell(DisplColIndex(ACol), ARow);
        }
        break;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox: {
        const bool old = GetCellEx(ACol, ARow) == GetCheckTrue(ACol, ARow);
        SetCellEx(ACol, ARow, State ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow));
        if (old != State)
            DoCheckBoxChange(ACol, ARow, State);
        break;
    }
    case TCellType::ctRowCheckBox:
        if (ACol == 0 && GetRowSelect(ARow) != State) {
            SetRowSelect(ARow, State);
            DoCheckBoxChange(ACol, ARow, State);
        }
        break;
    default: break;
    }
}

bool TVynStringGrid::DoCheckBoxClick(int ACol, int ARow, bool CheckEdit)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsCheckBoxKind(g->CellType()))
        return false;
    if (!ClickAllowed(*this, ACol, ARow, CheckEdit, FControlLook->CheckAlwaysActive()))
        return false;
    const TCellType kind = g->CellType();
    bool checked = false;
    TCheckBoxState oldState = cbUnchecked, newState = cbUnchecked;
    String oldText, newText;
    switch (kind) {
    case TCellType::ctCheckBox:
        oldState = g->CellBoolean() ? cbChecked : cbUnchecked;
        checked = !g->CellBoolean();
        g->SetCellBoolean(checked);
        newState = checked ? cbChecked : cbUnchecked;
        break;
    case TCellType::ctTriStateCheckBox:
        oldState = g->CellCheckBoxState();
        if (IsNode(ARow))
            newState = oldState == cbChecked ? cbUnchecked : cbChecked;
        else
            newState = oldState == cbUnchecked ? cbGrayed : oldState == cbGrayed ? cbChecked : cbUnchecked;
        g->SetCellCheckBoxState(newState);
        checked = newState == cbChecked;
        break;
    case TCellType::ctRowCheckBox:
        // The row's selection is the box's state.
        checked = !GetRowSelect(ARow);
        SetRowSelect(ARow, checked);
        break;
    default: {
        // A data box: any text but the check-true text counts as unchecked.
        oldText = GetCellEx(ACol, ARow);
        checked = oldText != GetCheckTrue(ACol, ARow);
        newText = checked ? GetCheckTrue(ACol, ARow) : GetCheckFalse(ACol, ARow);
        SetCellEx(ACol, ARow, newText);
        break;
    }
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, checked);
    // Grouping.AutoCheckGroup checks a node row's children with it and sets
    // a parent node's three-state box from its children: both need node
    // rows, which the grouping of the data operations brings; until a row
    // can be a node or have a parent, a click stays with its own row.
    if (TVynGridUndoRedo* undo = UndoRedo()) {
        const String yes = GetCheckTrue(ACol, ARow), no = GetCheckFalse(ACol, ARow);
        if (kind == TCellType::ctCheckBox || kind == TCellType::ctTriStateCheckBox)
            undo->RegisterCheckBoxChange(ACol, ARow, kind, oldState, newState, checked ? no : yes,
                                         checked ? yes : no);
        else if (kind != TCellType::ctRowCheckBox)
            undo->RegisterChange(ACol, ARow, oldText, newText);
    }
    return true;
}

bool TVynStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(IsCheckBoxKind(g->CellType()) || g->CellType() == TCellType::ctRadioButton))
        return false;
    if (!FMouseActions->PreciseCheckBoxCheck())
        return true;
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    const int s = FControlLook->CheckSize();
    int top = r.Top + 2;
    if (g->CellVAlign() == TCellVAlign::vaBottom)
        top = r.Bottom - s - 2;
    else if (g->CellVAlign() == TCellVAlign::vaCenter)
        top = r.Top + (r.Height() - s) / 2;
    TAlignment ha = taLeftJustify;
    TVAlignment va = TVAlignment::vtaTop;
    GetCellAlignment(ACol, ARow, ha, va);
    int left = r.Left + 2;
    if (ha == taRightJustify) {
        left = r.Right - s - 2;
        if (!GetCellEx(ACol, ARow).isEmpty())
            left -= GetCellTextSize(ACol, ARow).X;
    } else if (ha == taCenter) {
        left = r.Left + (r.Width() - s) / 2;
    }
    return Bounds(left, top, s, s).Contains(TPoint(XPos, YPos));
}

// ---- radio buttons ----------------------------------------------------------------------------

void TVynStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    NewCellGraphic(ACol, ARow)->SetRadioButton(State, true, TCellHAlign::haBeforeText, BoxPlacement(FVAlignment));
}

void TVynStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRadioButton);
}

bool TVynStringGrid::HasRadioButton(int ACol, int ARow)
{
    return HasCellTypeIn(ACol, ARow, {TCellType::ctRadioButton});
}

bool TVynStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctRadioButton});
    return g && g->CellBoolean();
}

bool TVynStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctRadioButton});
    if (!g)
        return false;
    if (g->CellBoolean() != State) {
        g->SetCellBoolean(State);
        const TPoint b = BaseCell(ACol, ARow);
        RepaintCell(DisplColIndex(b.X), b.Y);
    }
    return true;
}

void TVynStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TVynStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r))
            RemoveRadioButton(ACol, r);
}

void TVynStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TVynStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

bool TVynStringGrid::DoRadioButtonClick(int ACol, int ARow, bool CheckEdit)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctRadioButton)
        return false;
    // The check boxes' setting decides for radio buttons too.
    if (!ClickAllowed(*this, ACol, ARow, CheckEdit, FControlLook->CheckAlwaysActive()))
        return false;
    if (g->CellBoolean())
        return true;
    g->SetCellBoolean(true);
    RepaintCell(DisplColIndex(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r) {
        if (r == ARow)
            continue;
        TCellGraphic* other = GetCellGraphic(ACol, r);
        if (other && other->CellType() == TCellType::ctRadioButton && other->CellBoolean()) {
            other->SetCellBoolean(false);
            RepaintCell(DisplColIndex(ACol), r);
        }
    }
    return true;
}

// ---- radio groups ------------------------------------------------------------------------------

void TVynStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctRadio);
    g->SetCellBitmap(sl);
    g->SetCellAngle(sl ? sl->Count() : 0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBoolean(DirRadio != 0);
}

TStringList* TVynStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    auto* sl = new TStringList();
    try {
        AddRadio(ACol, ARow, DirRadio, IdxRadio, nullptr);
    } catch (...) {
        delete sl;
        throw;
    }
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->SetCellBitmap(sl);
    g->SetCellCreated(true);
    return sl;
}

void TVynStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctRadio); }

bool TVynStringGrid::IsRadio(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctRadio}); }

bool TVynStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    IdxRadio = g->CellIndex();
    return g->CellType() == TCellType::ctRadio;
}

bool TVynStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    g->SetCellIndex(IdxRadio);
    if (IdxRadio == -1)
        SetCellEx(ACol, ARow, String());
    RepaintCell(DisplColIndex(ACol), ARow);
    return g->CellType() == TCellType::ctRadio;
}

TStringList* TVynStringGrid::GetRadioStrings(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctRadio});
    return g ? dynamic_cast<TStringList*>(g->CellBitmap()) : nullptr;
}

void TVynStringGrid::SelectNextRadioItem(int ACol, int ARow, bool CheckEdit)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != TCellType::ctRadio)
        return;
    if (!ClickAllowed(*this, ACol, ARow, CheckEdit, FControlLook->RadioAlwaysActive()))
        return;
    const auto* items = dynamic_cast<const TStringList*>(g->CellBitmap());
    // A group without items has nothing to step to.
    if (!items || items->Count() == 0)
        return;
    const int selected = g->CellIndex();
    int next = selected >= 0 ? selected + 1 : items->IndexOf(GetCellEx(ACol, ARow)) + 1;
    if (next >= items->Count())
        next = 0;
    // A group below -1 is driven by its text alone.
    if (selected >= -1)
        g->SetCellIndex(next);
    g->SetCellVar(next);
    SetCellEx(ACol, ARow, items->Strings(next));
    RepaintCell(DisplColIndex(ACol), ARow);
}
