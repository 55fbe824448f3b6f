// The grid's editing cycle: whether a cell may be edited, the answer to the
// platform grid when it wants its editor, showing and ending an edit, the
// text the editors read and write, and the end-of-edit message.
#include "grid/core/grid_startup.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/html/html_text.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/edit/grid_edit_kinds.h"
#include "platform/gui/application.h"
#include "platform/gui/hintwindow.h"

bool TVynStringGrid::IsEditable(int ACol, int ARow)
{
    if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable)
        return false;
    int bc = ACol, br = ARow;
    GetBaseCellOf(ACol, ARow, bc, br);
    bool canEdit = true;
    DoCanEditCell(bc, br, canEdit);
    return canEdit && !IsFixed(DisplColIndex(bc), br);
}

bool TVynStringGrid::CanEditShow()
{
    // 1. No editor while a value is validated.
    if (FValidating)
        return false;
    // 2.
    bool result = TBaseGrid::CanEditShow();
    if (FDesigning)
        return result;
    // 3.
    int bc = RealCol(), br = Row();
    GetBaseCellOf(RealCol(), Row(), bc, br);
    // 4. Check boxes, radios and buttons are operated, not edited.
    if (result && !EditMode && IsControlCell(bc, br))
        return false;
    // An open special edit never gets the text editor over it.
    if (result && EditMode && !IsTextEditorKind(EditControl))
        return false;
    // 5. A new edit: the kind decides between the text editor and a control.
    if (result && !EditMode) {
        FNoEditChange = true;
        // The cell's value before this edit, for validation; a refused value
        // being edited again keeps the one it had.
        if (!FEditing)
            RememberCurrentCell(Col(), Row());
        FCellCache = CurrentCell();
        EditControl = FDefaultEditor;
        DoGetEditorType(bc, br, EditControl);
        if (EditControl == TEditorType::edNone) {
            FNoEditChange = false;
            return false;
        }
        EditMode = true;
        if (IsTextEditorKind(EditControl)) {
            FShowEditProcess = true;
        } else {
            ShowEditControl(DisplColIndex(bc), br);
            FEntered = true;
            ShowEditFocusHalo();
            return false;
        }
    }
    // 6.
    if (result) {
        FEntered = true;
        FEditing = true;
        FEditDonePending = false;
        ShowEditFocusHalo();
    }
    return result;
}

// With FocusHelper on, the grid becomes the active grid and the halo
// floats around the cell being edited.
void TVynStringGrid::ShowEditFocusHalo()
{
    if (!FFocusHelper || !FFocusHelper->Enabled())
        return;
    SetHookActiveGrid(this);
    ShowFocusWindow(CellRect(Col(), Row()));
}

void TVynStringGrid::ShowCellEdit()
{
    Word key = VK_F2;
    KeyDown(key, {});
}

void TVynStringGrid::HideCellEdit() { CommitEditControl(Col(), Row()); }

void TVynStringGrid::ShowInplaceEdit()
{
    if (IsControlCell(RealCol(), Row()))
        return;
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    ShowEditor();
}

void TVynStringGrid::HideInplaceEdit()
{
    if (!EditMode)
        return;
    HideEditor();
    CommitEditControl(Col(), Row());
    EditMode = false;
    SelectCell(Col(), Row());
}

void TVynStringGrid::DoneInplaceEdit(Word& Key, TShiftState Shift)
{
    // Every switch comes back, also when a handler raises.
    struct Restore {
        TVynStringGrid* g;
        bool alwaysEdit;
        ~Restore()
        {
            g->FNavigation->SetAlwaysEdit(alwaysEdit);
            g->FBlockFocus = false;
        }
    } restore{this, FNavigation->AlwaysEdit()};
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (FNavigation->AppendOnArrowDown() && Key == VK_DOWN && Row() == RowCount() - FFixedFooters - 1) {
        bool canAdd = true;
        DoCanAddRow(canAdd);
        if (canAdd) {
            SetRowCount(RowCount() + 1);
            if (OnAutoAddRow)
                OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
        }
    }
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN))
        KeyDown(Key, Shift);
    FNavigation->SetAlwaysEdit(false);
    if (CanFocus())
        SetFocus();
    if (Key == VK_RETURN)
        AdvanceEditCell(Col(), Row(), false, false, true, true, false);
}

bool TVynStringGrid::ValidatesOnTab()
{
    return Options().Contains(goTabs) || bool(OnCellValidate) || bool(OnCellValidateWide);
}

void TVynStringGrid::DoEditingDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    EditMode = false;
    PostMessage(this, GridEditDoneMsg(), ACol, ARow);
}

void TVynStringGrid::WriteEditedValue(int ACol, int ARow, const String& Value)
{
    SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void TVynStringGrid::RestoreOriginalCell() { SetCellEx(RealCol(), Row(), FCellCache); }

void TVynStringGrid::RepaintActiveHeaders(int Col1, int Row1, int Row2, int Col2)
{
    auto headers = [this](int C, int R) {
        if (FixedRows() > 0 && C >= 0 && C < ColCount())
            RepaintCell(C, FixedRows() - 1);
        if (FixedCols() > 0 && R >= 0 && R < RowCount())
            RepaintCell(FixedCols() - 1, R);
    };
    headers(Col1, Row1);
    headers(Col2, Row2);
}

// ---- the text the editors read and write ------------------------------------------------------

String TVynStringGrid::GetEditText(int ACol, int ARow)
{
    FNoEditChange = true;
    const int c = RealColIndex(ACol);
    if (TVynInplaceEdit* e = InplaceEditor()) {
        TAlignment ha = taLeftJustify;
        TVAlignment va = FVAlignment;
        GetCellAlignment(ACol, ARow, ha, va);
        e->SetVAlign(ha == taRightJustify);
    }
    int bc = c, br = ARow;
    GetBaseCellOf(c, ARow, bc, br);
    String value = GetGridCell(bc, br);
    // An HTML text, unless EditWithTags: line-break tags become line breaks,
    // other tags go.
    if (!FEditWithTags && GetTextType(value, FEnableHTML) == ttHTML)
        value = HTMLToPlainText(value);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TVynStringGrid::SetEditText(int ACol, int ARow, const String& Value)
{
    int bc = RealColIndex(ACol), br = ARow;
    GetBaseCellOf(bc, ARow, bc, br);
    // Live: the cell holds what the editor shows (before any validation),
    // at its real column, then the platform's notification.
    if (GetGridCell(bc, br) != Value)
        SetCellEx(bc, br, Value);
    TCustomGrid::SetEditText(DisplColIndex(bc), br, Value);
}

// ---- the end-of-edit message -------------------------------------------------------------------

void TVynStringGrid::WndProc(TMessage& Message)
{
    if (Message.Msg != 0 && Message.Msg == GridEditDoneMsg()) {
        TWeakRef<TVynStringGrid> self(this);
        if (OnEditCellDone)
            OnEditCellDone(this, int(Message.WParam), int(Message.LParam));
        if (self && FMouseActions->EditOnDblClickOnly()) {
            HideInplaceEdit();
            EditMode = false;
            TGridOptions o = Options();
            o.Exclude(goEditing);
            SetOptions(o);
        }
        return;
    }
    TBaseGrid::WndProc(Message);
}

void TVynStringGrid::ShowInvalidEntryBalloon(TWinControl* Target)
{
    if ((FInvalidEntryTitle.isEmpty() && FInvalidEntryText.isEmpty()) || !Target)
        return;
    if (!FBalloonWnd) {
        FBalloonWnd = new THintWindow(this);
        FBalloonWnd->SetColor(clInfoBk);
    }
    static const char* const icons[] = {"", "(i) ", "(!) ", "(x) "};
    String text = String::fromLatin1(icons[int(FInvalidEntryIcon)]) + FInvalidEntryTitle;
    if (!FInvalidEntryText.isEmpty())
        text += (text.isEmpty() ? String() : String("\r\n")) + FInvalidEntryText;
    TRect r = FBalloonWnd->CalcHintRect(300, text, nullptr);
    const TPoint p = Target->ClientToScreen(TPoint(Target->Width() / 2, Target->Height()));
    r = TRect(p.X, p.Y, p.X + r.Width(), p.Y + r.Height());
    FBalloonWnd->ActivateHint(r, text);
}
