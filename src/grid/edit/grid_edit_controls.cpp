// The special editors of the grid: the kind of editor a cell opens, the
// control placed over the cell and loaded with its value, the value written
// back when the edit ends; the combo's item list and the combo's reports
// (docs/GRID.md, "Special editors").
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_combo.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"

namespace {

// The looks in which the combo is flat and etched.
bool FlatLook(TGridLook Look)
{
    switch (Look) {
    case TGridLook::glSoft:
    case TGridLook::glVyn:
    case TGridLook::glXP:
    case TGridLook::glListView:
    case TGridLook::glVista:
    case TGridLook::glWin7:
    case TGridLook::glOffice2007: return true;
    default: return false;
    }
}

}  // namespace

void TVynStringGrid::CreateEditControls()
{
    auto* combo = new TGridCombo(this);
    combo->SetVisible(false);
    combo->SetEnabled(false);
    combo->SetParent(this);
    EditCombo = combo;
    // The check box, the edit-with-button, the unit and the button editors.
    CreateSimpleEditControls();
    // The form-control and fixed-cell editors (grid_dropdown_kinds.cpp).
    CreateDropDownEditorControls();
}

TGridCombo* TVynStringGrid::ComboEditor() const { return dynamic_cast<TGridCombo*>(EditCombo); }

// ---- showing and committing a special editor --------------------------------------------------

void TVynStringGrid::ShowEditControl(int ACol, int ARow)
{
    // 1.
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    // 2 and 3. A merged cell is covered whole.
    const TRect R = CellRect(ACol, ARow);
    const int C = RealColIndex(ACol);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    // 4. The cell's colour.
    TGridDrawState state;
    TBrush brush;
    brush.SetColor(Color());
    TFont font;
    font.Assign(Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = DefaultAlignment();
    TVAlignment va = VAlignment();
    bool ww = WordWrap();
    TCellGradientDirection gd{};
    GetVisualProperties(ACol, Row(), state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww,
                        gd);
    const TColor cellColor = brush.Color();
    // 5.
    EditCtrl = nullptr;
    if (EditControl != TEditorType::edCustom)
        FLastValidation = true;
    // The start character is replayed once, on every path.
    const QChar startChar = FStartEditChar;
    FStartEditChar = QChar();
    // 6. The spin, edit-button, unit, check-box, button and date kinds
    // (grid_edit_simple_kinds.cpp).
    if (ShowSimpleEditControl(ACol, ARow, R, cellColor, startChar))
        return;
    TGridCombo* cb = ComboEditor();
    const bool combo = EditControl == TEditorType::edComboEdit || EditControl == TEditorType::edComboList;
    // The drop-down, rich-text and edit-link kinds (grid_dropdown_kinds.cpp).
    if (!combo && ShowDropDownKindControl(ACol, ARow, R, cellColor, startChar))
        return;
    if (!combo || !cb) {
        // The kinds whose controls are not built open nothing: no edit is open.
        EditMode = false;
        FEditing = false;
        FSpecialEditor = false;
        FEditActive = false;
        return;
    }
    EditMode = true;
    TWeakRef<TVynStringGrid> self(this);
    TWeakRef<TGridCombo> box(cb);
    cb->SetDropDownCount(FControlLook->DropDownCount());
    DoGetEditorProp(C, ARow, nullptr);
    if (!self || !box)
        return;
    cb->SetDroppedDown(false);
    cb->SetEnabled(true);
    bool firstTaken = false;
    if (EditControl == TEditorType::edComboEdit) {
        cb->SetStyle(csDropDown);
        cb->SetText(GetEditText(ACol, ARow));
        if (FComboIdx != -1 && cb->ItemIndex() == -1)
            cb->SetItemIndex(FComboIdx);
        cb->SetMaxLength(FMaxComboLength);
    } else {
        cb->SetStyle(csDropDownList);
        cb->SetItemIndex(cb->Items().IndexOf(GetGridCell(C, ARow)));
        if (FComboIdx == -1 && cb->ItemIndex() == -1) {
            const int i = cb->Items().IndexOf(GetEditText(ACol, ARow));
            if (i >= 0) {
                cb->SetItemIndex(i);
            } else if (cb->Items().Count() > 0) {
                cb->SetItemIndex(0);
                cb->ChangeNotification();
                if (!self || !box)
                    return;
                firstTaken = true;
            }
        } else if (cb->ItemIndex() == -1) {
            cb->SetItemIndex(FComboIdx);
        }
    }
    // The list shows DropDownCount items below a control as high as the cell.
    cb->SetBounds(R.Left, R.Top, W, H);
    // The look first: the flat look may take the parent's colour.
    const bool flat = FlatLook(FLook);
    cb->SetFlat(flat);
    cb->SetEtched(flat);
    cb->SetColor(cellColor);
    cb->SetVisible(true);
    if (FNavigation->AutoComboDropSize())
        cb->SizeDropDownWidth();
    else
        cb->SetDroppedWidth(cb->DropWidth() > 0 ? cb->DropWidth() : 0);
    if (cb->CanFocus())
        cb->SetFocus();
    if (!self || !box)
        return;
    if (FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible())
        cb->SetDroppedDown(true);
    if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
        const TGridRect s = Selection();
        if (FLook == TGridLook::glVista || FLook == TGridLook::glWin7 || FLook == TGridLook::glOffice2007)
            for (int r = s.Top; r <= s.Bottom; ++r)
                RepaintRow(r);
        DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
        if (!self || !box)
            return;
    }
    if (firstTaken) {
        const String first = cb->Items()[0];
        TObject* object = cb->Items().Objects(0);
        if (OnComboChange)
            OnComboChange(this, C, ARow, 0, first);
        if (self && OnComboObjectChange)
            OnComboObjectChange(this, C, ARow, 0, first, object);
        if (!self || !box)
            return;
    }
    if (!startChar.isNull()) {
        cb->ExpectReplay(startChar);
        PostMessage(cb, WM_CHAR, startChar.unicode(), 0);
    }
    EditCtrl = cb;
}

void TVynStringGrid::CommitEditControl(int ACol, int ARow)
{
    // 1.
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    // 2. Every switch comes back, also when a handler raises.
    struct Restore {
        TWeakRef<TVynStringGrid> g;
        ~Restore()
        {
            if (TVynStringGrid* p = g.Get()) {
                p->FBlockKill = false;
                p->FEditActive = false;
                p->FCancelEdit = false;
            }
        }
    } restore{TWeakRef<TVynStringGrid>(this)};
    FSpecialEditor = false;
    FBlockKill = true;
    const int C = RealColIndex(ACol);
    FStartEditChar = QChar();
    TWeakRef<TVynStringGrid> self(this);
    // 3. The spin, edit-button, unit, check-box, button and date kinds
    // (grid_edit_simple_kinds.cpp).
    CommitSimpleEditControl(C, ARow);
    if (!self)
        return;
    switch (EditControl) {
    case TEditorType::edComboEdit:
    case TEditorType::edComboList:
        if (EditMode) {
            EditMode = false;
            TGridCombo* cb = ComboEditor();
            if (!cb)
                break;
            TWeakRef<TGridCombo> box(cb);
            WriteEditedValue(C, ARow, FCancelEdit ? FCellCache : cb->Text());
            if (!self)
                return;
            if (box) {
                cb->SetDroppedDown(false);
                cb->SetVisible(false);
                cb->SetEnabled(false);
            }
        }
        break;
    default:
        // The drop-down, rich-text and edit-link kinds (grid_dropdown_kinds.cpp).
        if (IsDropDownEditorKind(EditControl) || EditControl == TEditorType::edRichEdit ||
            EditControl == TEditorType::edCustom)
            CommitDropDownKindControl(C, ARow);
        break;
    }
    if (!self)
        return;
    // 4.
    if (EditControl != TEditorType::edNormal && FEditActive)
        DoEditingDone(C, ARow);
}

// ---- the combo's item list --------------------------------------------------------------------

void TVynStringGrid::ClearComboString()
{
    if (TGridCombo* cb = ComboEditor())
        cb->Items().Clear();
}

void TVynStringGrid::AddComboString(const String& S)
{
    if (TGridCombo* cb = ComboEditor())
        cb->Items().Add(S);
}

void TVynStringGrid::AddComboStringObject(const String& S, TObject* AObject)
{
    if (TGridCombo* cb = ComboEditor())
        cb->Items().AddObject(S, AObject);
}

bool TVynStringGrid::RemoveComboString(const String& S)
{
    TGridCombo* cb = ComboEditor();
    const int i = cb ? cb->Items().IndexOf(S) : -1;
    if (i < 0)
        return false;
    cb->Items().Delete(i);
    return true;
}

bool TVynStringGrid::SetComboSelectionString(const String& S)
{
    TGridCombo* cb = ComboEditor();
    const int i = cb ? cb->Items().IndexOf(S) : -1;
    if (i < 0)
        return false;
    FComboIdx = i;
    return true;
}

int TVynStringGrid::GetComboCount() const
{
    const TGridCombo* cb = ComboEditor();
    return cb ? const_cast<TGridCombo*>(cb)->Items().Count() : 0;
}

int TVynStringGrid::ComboIndex(int ACol, int ARow)
{
    TWeakRef<TVynStringGrid> self(this);
    DoGetEditorProp(ACol, ARow, nullptr);
    TGridCombo* cb = self ? ComboEditor() : nullptr;
    return cb ? cb->Items().IndexOf(GetGridCell(ACol, ARow)) : -1;
}

void TVynStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    TWeakRef<TVynStringGrid> self(this);
    DoGetEditorProp(ACol, ARow, nullptr);
    TGridCombo* cb = self ? ComboEditor() : nullptr;
    if (!cb)
        return;
    // An index outside the list raises the list's index error.
    const String item = cb->Items().Strings(Value);
    SetCellEx(ACol, ARow, item);
}

bool TVynStringGrid::CellIsPassword(int ACol, int ARow)
{
    bool password = false;
    DoIsPasswordCell(ACol, ARow, password);
    return password;
}

// ---- what the combo reports ---------------------------------------------------------------------

void TVynStringGrid::ComboChanged(bool EditChange)
{
    TGridCombo* cb = ComboEditor();
    if (!cb || !EditMode)
        return;
    const int i = cb->ItemIndex();
    // A typed text is reported as typed; a chosen item with its own text.
    const String text = EditChange || i < 0 ? cb->Text() : cb->Items()[i];
    TObject* object = i >= 0 ? cb->Items().Objects(i) : nullptr;
    TWeakRef<TVynStringGrid> self(this);
    const int c = RealCol(), r = Row();
    if (OnComboChange)
        OnComboChange(this, c, r, i, text);
    if (self && OnComboObjectChange)
        OnComboObjectChange(this, c, r, i, text, object);
}

void TVynStringGrid::ComboClosedUp()
{
    TGridCombo* cb = ComboEditor();
    if (!cb)
        return;
    TWeakRef<TVynStringGrid> self(this);
    if (FMouseActions->DirectComboClose() && EditMode) {
        const int i = cb->ItemIndex();
        if (i >= 0)
            cb->SetText(cb->Items()[i]);
        ComboChanged(false);
        if (!self)
            return;
        EditControl = TEditorType::edComboEdit;
        EditMode = true;
        struct Restore {
            TMouseActions* ma;
            bool was;
            ~Restore() { ma->SetDirectEdit(was); }
        } restore{FMouseActions, FMouseActions->DirectEdit()};
        FMouseActions->SetDirectEdit(false);
        HideInplaceEdit();
        if (!self)
            return;
        if (CanFocus())
            SetFocus();
        if (!self)
            return;
    }
    DoComboCloseUp(Row(), RealCol());
}

void TVynStringGrid::ComboDroppedDown() { DoComboDropDown(Row(), RealCol()); }
