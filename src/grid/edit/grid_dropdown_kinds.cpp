// The grid's drop-down, rich-text and edit-link editor kinds, the form
// controls inside HTML cells, the rich-text conversions and the placement of
// the cell controls (docs/GRID.md, "Special editors").
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_dropdown_editors.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/edit/grid_edit_link.h"
#include "grid/edit/grid_special_editors.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/application.h"
#include "platform/gui/popupform.h"

namespace {

// Bounds on what a cell's HTML may ask of a control editor.
constexpr int MaxControlLength = 32767;
constexpr int MaxControlMask = 256;

int DropDownSlot(TEditorType Kind)
{
    return int(Kind) - int(TEditorType::edTrackbarDropDown);
}

}  // namespace

// ---- the controls ---------------------------------------------------------------------------------

void TVynStringGrid::CreateDropDownEditorControls()
{
    auto* edit = new TControlEdit(this);
    edit->SetVisible(false);
    edit->SetParent(this);
    FEditControl = edit;
    auto* combo = new TControlCombo(this);
    combo->SetVisible(false);
    combo->SetParent(this);
    FComboControl = combo;
    auto* trans = new TGridTransEdit(this);
    trans->SetParent(this);
    EditTrans = trans;
    auto* transCombo = new TGridTransCombo(this);
    transCombo->SetParent(this);
    ComboTrans = transCombo;
}

TControlEdit* TVynStringGrid::ControlEditor() const { return dynamic_cast<TControlEdit*>(FEditControl); }
TControlCombo* TVynStringGrid::ControlComboEditor() const { return dynamic_cast<TControlCombo*>(FComboControl); }
TGridTransEdit* TVynStringGrid::FixedCellEdit() const { return dynamic_cast<TGridTransEdit*>(EditTrans); }
TGridTransCombo* TVynStringGrid::FixedCellCombo() const { return dynamic_cast<TGridTransCombo*>(ComboTrans); }

TVynCustomDropDown* TVynStringGrid::DropDownEditor(TEditorType Kind, bool Create)
{
    if (!IsDropDownEditorKind(Kind))
        return nullptr;
    TVynCustomDropDown*& slot = FDropDownEditors[DropDownSlot(Kind)];
    if (slot || !Create)
        return slot;
    TVynCustomDropDown* c = nullptr;
    switch (Kind) {
    case TEditorType::edTrackbarDropDown: c = new TGridTrackbarDropDown(this); break;
    case TEditorType::edMemoDropDown: c = new TGridMemoDropDown(this); break;
    case TEditorType::edCalculatorDropDown: c = new TGridCalculatorDropDown(this); break;
    case TEditorType::edTimePickerDropDown: c = new TGridTimepickerDropDown(this); break;
    case TEditorType::edDetailDropDown: c = new TGridDetailPickerDropDown(this); break;
    case TEditorType::edColorPickerDropDown: c = new TGridColorDropDown(this); break;
    case TEditorType::edImagePickerDropDown: c = new TGridImageDropDown(this); break;
    default:
        if (const TGridDropDownFactory& make = GridDropDownFactory(Kind))
            c = make(this);
        break;
    }
    if (!c)
        return nullptr;
    c->SetVisible(false);
    c->SetEnabled(false);
    c->SetParent(this);
    slot = c;
    return c;
}

TVynRichEdit* TVynStringGrid::InplaceRichEdit(bool Create)
{
    if (!FInplaceRichEdit && Create) {
        FInplaceRichEdit = new TVynRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
    }
    return FInplaceRichEdit;
}

TVynRichEdit* TVynStringGrid::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new TVynRichEdit(this);
        FRichEdit->SetVisible(false);
    }
    return FRichEdit;
}

// ---- showing and committing -----------------------------------------------------------------------

void TVynStringGrid::LoadDropDownValue(TEditorType Kind, TVynCustomDropDown* Control, int C, int ARow,
                                       const String& Text)
{
    switch (Kind) {
    case TEditorType::edTrackbarDropDown: {
        // A text that is not a whole number gives the lowest position.
        bool ok = false;
        const int v = Text.trimmed().toInt(&ok);
        auto* t = static_cast<TVynTrackBarDropDown*>(Control);
        t->SetPosition(ok ? v : t->Min());
        t->SetText(QString::number(t->Position()));
        break;
    }
    case TEditorType::edMemoDropDown: static_cast<TVynMemoDropDown*>(Control)->SetMemoText(Text); break;
    case TEditorType::edColorPickerDropDown: {
        auto* p = static_cast<TVynColorPickerDropDown*>(Control);
        p->SetSelectedColor(GetCellType(C, ARow) == TCellType::ctShape ? GetShapeColor(C, ARow) : Colors(C, ARow));
        break;
    }
    case TEditorType::edImagePickerDropDown: {
        auto* p = static_cast<TVynImagePickerDropDown*>(Control);
        const TCellType t = GetCellType(C, ARow);
        if (t == TCellType::ctImageList || t == TCellType::ctDataImage) {
            p->SetImages(GetGridImages());
            if (p->Items().Count() == 0)
                p->AddImagesFromImageList();
            int idx = -1;
            if (t == TCellType::ctImageList)
                GetImageIdx(C, ARow, idx);
            else
                idx = Ints(C, ARow);
            p->SetImageIndex(idx);
        }
        p->SetText(p->ItemIndex() >= 0 ? p->Items().Items(p->ItemIndex())->Caption() : String());
        break;
    }
    case TEditorType::edDetailDropDown: {
        auto* d = static_cast<TVynDetailDropDown*>(Control);
        d->SetEditorEnabled(true);
        d->SetText(Text);
        break;
    }
    case TEditorType::edTimePickerDropDown:
        Control->SetEditorEnabled(true);
        Control->SetText(Text);
        break;
    default: Control->SetText(Text); break;
    }
}

bool TVynStringGrid::ShowDropDownKindControl(int ACol, int ARow, const TRect& R, TColor CellColor, QChar StartChar)
{
    const int C = RealColIndex(ACol);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    TWeakRef<TVynStringGrid> self(this);
    const TEditorType kind = EditControl;

    if (kind == TEditorType::edRichEdit) {
        TVynRichEdit* re = InplaceRichEdit();
        TWeakRef<TVynRichEdit> ed(re);
        EditMode = true;
        re->ReCreate();
        re->SetBorderStyle(bsNone);
        re->SetBounds(R.Left, R.Top, W, H);
        DoGetEditorProp(C, ARow, nullptr);
        if (!self || !ed)
            return self;
        re->Lock();
        CellToRich(C, ARow, re);
        if (FNavigation->EditSelectAll())
            re->SelectAll();
        re->SetVisible(true);
        re->SetEnabled(true);
        re->SetColor(CellColor);
        if (re->CanFocus())
            re->SetFocus();
        if (!self || !ed)
            return self;
        if (!StartChar.isNull() && !re->ReadOnly())
            PostMessage(re, WM_CHAR, StartChar.unicode(), 0);
        re->Unlock();
        EditCtrl = re;
        return true;
    }

    if (kind == TEditorType::edCustom) {
        TEditLink* link = FEditLink;
        if (!link)
            return false;
        TWeakRef<TEditLink> l(link);
        EditMode = true;
        link->FOwner = this;
        link->FEditCell = TPoint(C, ARow);
        if (link->EditStyle() == esPopup) {
            if (link->AutoPopupWidth())
                link->SetPopupWidth(R.Right - R.Left);
            if (!link->FPopupForm.Get()) {
                if (TComponent* old = Application.FindComponent("gridform"))
                    delete old;
                struct TLinkPopup : TPopupForm {
                    TWeakRef<TEditLink> Link;
                    explicit TLinkPopup(TComponent* Owner) : TPopupForm(Owner) {}
                    void PopupDeactivate(TWinControl*) override
                    {
                        if (TEditLink* k = Link.Get())
                            k->FormExit(this);
                    }
                };
                auto* form = new TLinkPopup(&Application);
                form->SetName("gridform");
                form->Link = TWeakRef<TEditLink>(link);
                link->FPopupForm = TWeakRef<TCustomForm>(form);
                form->FreeNotification(link);
            }
            const TPoint P = link->PopupLeft() == -1 || link->PopupTop() == -1
                                 ? ClientToScreen(TPoint(R.Left, R.Top))
                                 : TPoint(link->PopupLeft(), link->PopupTop());
            auto* form = static_cast<TPopupForm*>(link->FPopupForm.Get());
            form->SetBorderStyle(bsNone);
            form->ShowAt(TRect(P.X, P.Y, P.X + std::max(1, link->PopupWidth()), P.Y + std::max(1, link->PopupHeight())));
            if (!self || !l)
                return self;
            link->CreateEditor(form);
        } else {
            link->CreateEditor(this);
        }
        if (!self || !l)
            return self;
        link->SetRect(link->EditStyle() == esPopup ? TRect(0, 0, link->PopupWidth(), link->PopupHeight()) : R);
        link->SetVisible(true);
        link->SetCellProps(CellColor, &Font());
        link->SetProperties();
        DoGetEditorProp(C, ARow, link);
        if (!self || !l)
            return self;
        link->SetEditorValue(GetEditText(ACol, ARow));
        link->SetFocus(true);
        if (!self || !l)
            return self;
        FEditActive = true;
        TWinControl* ctrl = link->GetEditControl();
        if (ctrl && !StartChar.isNull())
            PostMessage(ctrl, WM_CHAR, StartChar.unicode(), 0);
        EditCtrl = ctrl;
        return true;
    }

    TVynCustomDropDown* dd = DropDownEditor(kind);
    if (!dd)
        return false;
    TWeakRef<TVynCustomDropDown> ctl(dd);
    EditMode = true;
    dd->SetDropDownFooter(*FControlLook->DropDownFooter());
    dd->SetDropDownHeader(*FControlLook->DropDownHeader());
    dd->SetComponentStyle(FStyle);
    dd->OnDropDownHeaderButtonClick = [this](TObject*, int Index) {
        if (OnDropDownHeaderButtonClick)
            OnDropDownHeaderButtonClick(this, RealCol(), Row(), Index);
    };
    dd->OnDropDownFooterButtonClick = [this](TObject*, int Index) {
        if (OnDropDownFooterButtonClick)
            OnDropDownFooterButtonClick(this, RealCol(), Row(), Index);
    };
    const bool gridKind = kind == TEditorType::edGridDropDown || kind == TEditorType::edVynGridDropDown;
    if (gridKind) {
        dd->SetColor(CellColor);
        dd->SetEditorEnabled(true);
    }
    DoGetEditorProp(C, ARow, nullptr);
    if (!self || !ctl)
        return self;
    dd->SetEnabled(true);
    dd->SetBorderStyle(bsNone);
    dd->SetBounds(R.Left, R.Top, W, H);
    LoadDropDownValue(kind, dd, C, ARow, GetEditText(ACol, ARow));
    if (!self || !ctl)
        return self;
    if (kind != TEditorType::edColorPickerDropDown && kind != TEditorType::edImagePickerDropDown && !gridKind)
        dd->SetColor(CellColor);
    dd->SetVisible(true);
    if (dd->CanFocus())
        dd->SetFocus();
    if (!self || !ctl)
        return self;
    if (kind == TEditorType::edDetailDropDown) {
        auto* d = static_cast<TVynDetailDropDown*>(dd);
        const int i = d->Items().IndexOf(d->Text());
        if (i >= 0)
            d->SetItemIndex(i);
    }
    if (!StartChar.isNull()) {
        if (auto* w = dynamic_cast<TGridDropDownEditorBase*>(dd))
            w->Link().ExpectReplay(StartChar);
        PostMessage(dd, WM_CHAR, StartChar.unicode(), 0);
    }
    if (FMouseActions->DirectComboDrop()) {
        dd->ShowDropDown();
        if (!self || !ctl)
            return self;
        if (kind == TEditorType::edMemoDropDown) {
            dd->SetSelStart(0);
            dd->SetSelLength(0);
        }
    }
    EditCtrl = dd;
    return true;
}

void TVynStringGrid::CommitDropDownKindControl(int ACol, int ARow)
{
    const int C = ACol;
    TWeakRef<TVynStringGrid> self(this);
    const TEditorType kind = EditControl;

    if (kind == TEditorType::edRichEdit) {
        TVynRichEdit* re = InplaceRichEdit(false);
        if (!re || !EditMode)
            return;
        TWeakRef<TVynRichEdit> ed(re);
        WriteEditedValue(C, ARow, FCancelEdit ? FCellCache : RichToString(re));
        if (!self)
            return;
        if (ed) {
            re->SetVisible(false);
            re->SetEnabled(false);
        }
        EditMode = false;
        return;
    }

    if (kind == TEditorType::edCustom) {
        if (FControlLook->DropDownAlwaysVisible())
            DoGetEditorType(C, ARow, EditControl);
        TEditLink* link = FEditLink;
        if (!self || !link)
            return;
        TWeakRef<TEditLink> l(link);
        WriteEditedValue(C, ARow, FCancelEdit ? FCellCache : link->GetEditorValue());
        if (!self || !l)
            return;
        if (link->EditStyle() != esPopup)
            link->SetVisible(false);
        link->RestoreWinProc();
        EditMode = false;
        return;
    }

    TVynCustomDropDown* dd = DropDownEditor(kind, false);
    if (!dd || !EditMode)
        return;
    EditMode = false;
    TWeakRef<TVynCustomDropDown> ctl(dd);
    auto close = [&] {
        if (!ctl)
            return;
        if (dd->DroppedDown())
            dd->HideDropDown(false);
        if (ctl) {
            dd->SetVisible(false);
            dd->SetEnabled(false);
        }
    };
    if (FCancelEdit) {
        WriteEditedValue(C, ARow, FCellCache);
        if (self)
            close();
        return;
    }
    switch (kind) {
    case TEditorType::edMemoDropDown:
        WriteEditedValue(C, ARow, static_cast<TGridMemoDropDown*>(dd)->MemoValue());
        break;
    case TEditorType::edColorPickerDropDown: {
        auto* p = static_cast<TVynColorPickerDropDown*>(dd);
        TColor color = p->SelectedColor();
        String value = p->SelectedColorText();
        if (OnColorSelected)
            OnColorSelected(this, C, ARow, color, value);
        if (!self)
            return;
        WriteEditedValue(C, ARow, value);
        if (!self)
            return;
        if (GetCellType(C, ARow) == TCellType::ctShape)
            SetShapeColor(C, ARow, color);
        else
            SetColors(C, ARow, color);
        break;
    }
    case TEditorType::edImagePickerDropDown: {
        auto* p = static_cast<TVynImagePickerDropDown*>(dd);
        int index = p->ImageIndex();
        if (OnImageSelected)
            OnImageSelected(this, C, ARow, index);
        if (!self)
            return;
        const TCellType t = GetCellType(C, ARow);
        if (t == TCellType::ctImageList)
            SetImageIdx(C, ARow, index);
        else if (t == TCellType::ctDataImage)
            WriteEditedValue(C, ARow, QString::number(index));
        break;
    }
    default: WriteEditedValue(C, ARow, dd->Text()); break;
    }
    if (self)
        close();
}

// ---- the form controls inside HTML cells ----------------------------------------------------------

void TVynStringGrid::EditCellControl(const String& CellText, const String& CtrlType, int ARow, int ACol, TRect R,
                                     const String& CtrlValue, const String& CtrlID)
{
    const String type = CtrlType.toUpper();
    const int maxLen = std::clamp(HTMLGetControlMaxLen(CellText, CtrlID), 0, MaxControlLength);
    TWeakRef<TVynStringGrid> self(this);
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK") {
        TControlEdit* e = ControlEditor();
        if (!e)
            return;
        FCtrlXY = TPoint(ACol, ARow);
        FCtrlID = CtrlID;
        FCtrlType = type;
        FCtrlEditing = true;
        e->SetPasswordChar(type == "PASSWORD" ? QChar(u'*') : QChar());
        e->SetEditMask(type == "MASK" ? HTMLGetControlProp(CellText, CtrlID).left(MaxControlMask) : String());
        e->OnExit = [this](TObject*) { CellControlEditDone(); };
        e->SetMaxLength(maxLen);
        e->SetText(CtrlValue);
        e->SetBorderStyle(bsNone);
        e->SetBounds(R.Left + 1, R.Top + 8, std::max(0, R.Right - R.Left - 4), 14);
        e->SetVisible(true);
        e->BringToFront();
        if (e->CanFocus())
            e->SetFocus();
        return;
    }
    if (type != "COMBO")
        return;
    TControlCombo* cb = ControlComboEditor();
    if (!cb)
        return;
    TWeakRef<TControlCombo> box(cb);
    FCtrlXY = TPoint(ACol, ARow);
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    cb->SetIsWinXP(true);
    cb->SetFlat(false);
    bool edit = true;
    int dropCount = 8;
    TStringList values;
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, type, CtrlValue, values, edit, dropCount);
    if (!self || !box)
        return;
    cb->Items().Clear();
    for (int i = 0; i < values.Count(); ++i)
        cb->Items().Add(values[i]);
    cb->SetStyle(edit ? csDropDown : csDropDownList);
    const int i = cb->Items().IndexOf(CtrlValue);
    if (i >= 0)
        cb->SetItemIndex(i);
    if (edit)
        cb->SetText(CtrlValue);
    cb->SetDropDownCount(std::clamp(dropCount, 1, 100));
    cb->OnExit = [this](TObject*) { CellControlEditDone(); };
    cb->SetMaxLength(maxLen);
    cb->SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, std::max(R.Bottom - R.Top - 4, 16));
    cb->SetVisible(true);
    cb->BringToFront();
    cb->SetDroppedDown(true);
    if (self && box && cb->CanFocus())
        cb->SetFocus();
}

void TVynStringGrid::CellControlEditDone()
{
    if (!FCtrlEditing)
        return;
    FCtrlEditing = false;
    TWeakRef<TVynStringGrid> self(this);
    String value;
    TWinControl* editor = nullptr;
    if (FCtrlType == "COMBO") {
        if (TControlCombo* cb = ControlComboEditor()) {
            value = cb->Text();
            editor = cb;
        }
    } else if (TControlEdit* e = ControlEditor()) {
        value = e->Text();
        editor = e;
    }
    if (!editor)
        return;
    // Only the control's own tag changes; the rest of the HTML stays as it is.
    String html = GetCellEx(FCtrlXY.X, FCtrlXY.Y);
    if (HTMLSetControlValue(html, FCtrlID, value))
        SetCellEx(FCtrlXY.X, FCtrlXY.Y, html);
    if (!self)
        return;
    editor->SetVisible(false);
    if (OnControlEditDone)
        OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    if (self)
        FCtrlType.clear();
}

void TVynStringGrid::EditNextCellControl(int ACol, int ARow, const String& CurrentID)
{
    const int C = RealColIndex(ACol);
    const String html = GetCellEx(C, ARow);
    // 1.
    const String next = HTMLNextEditControlID(html, CurrentID);
    if (next.isEmpty()) {
        if (CanFocus())
            SetFocus();
        return;
    }
    // 2.
    TRect R = CellRect(ACol, ARow);
    R.Left += FXYOffset.X + 1;
    R.Top += FXYOffset.Y + 1;
    if (HasCheckBox(C, ARow))
        R.Left += FControlLook->CheckSize();
    // 3. The layout of the cell's text tells the control's place.
    THTMLDrawOptions o;
    o.ImageList = GetGridImages();
    o.HitTestOnly = true;
    o.HitControlId = next;
    o.WrapWords = !FEnhTextSize;
    o.LinkColor = FURLColor;
    o.PictureCache = FImageCache;
    o.ThemeWindow = this;
    Canvas().Font().Assign(Font());
    const THTMLDrawResult res = DrawHTMLText(Canvas(), html, R, o);
    // 4.
    EditCellControl(html, res.HitControlType, ARow, C, res.HitControlRect, res.HitControlValue, res.HitControlId);
}

// ---- rich text ------------------------------------------------------------------------------------

void TVynStringGrid::CellToRich(int Col, int Row, TVynRichEdit* ARichEdit)
{
    if (!ARichEdit)
        return;
    // The text is handed over as text: every character is kept.
    ARichEdit->LoadCellText(GetCellEx(Col, Row));
}

String TVynStringGrid::RichToString(TVynRichEdit* ARichEdit)
{
    if (!ARichEdit || ComponentState().Contains(TComponentStateItem::csDestroying))
        return String();
    return ARichEdit->CellText();
}

void TVynStringGrid::RichToCell(int Col, int Row, TVynRichEdit* ARichEdit)
{
    if (ARichEdit)
        SetCellEx(Col, Row, RichToString(ARichEdit));
}

// ---- the cell controls and the cell scroll bar ----------------------------------------------------

void TVynStringGrid::CellControlsUpdate()
{
    if (!Widget())
        return;
    PlaceCellControls();
}

void TVynStringGrid::PlaceCellControls()
{
    const int left = LeftCol(), top = TopRow();
    const int right = left + VisibleColCount(), bottom = top + VisibleRowCount();
    // The cell scroll bar stays with the current cell while it is in view.
    if (FScrollBar && FScrollBar->Visible()) {
        const int c = Col(), r = Row();
        if (r >= top && c >= left && c < right && r < bottom) {
            const TRect cr = CellRect(c, r);
            FScrollBar->SetBounds(cr.Right - FScrollBar->Width(), cr.Top, FScrollBar->Width(), cr.Bottom - cr.Top);
        } else {
            FScrollBar->SetBounds(FScrollBar->Left(), FScrollBar->Top(), FScrollBar->Width(), 0);
        }
    }
    if (!FControlList || FControlList->Count() == 0)
        return;
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        TControl* ctl = item->Control;
        if (!ctl)
            continue;
        const bool hidden = IsHiddenRow(item->Y) || IsHiddenColumn(item->X);
        const int a = DisplColIndex(item->X);
        const int b = DisplRowIndex(item->Y);
        const bool fixed = a < FixedCols() || b < FixedRows();
        if (hidden) {
            ctl->SetVisible(false);
            continue;
        }
        if (fixed)
            continue;
        if (a < left || a >= right || b < top || b >= bottom) {
            ctl->SetVisible(false);
            continue;
        }
        const TRect cr = CellRect(a, b);
        ctl->SetBounds(cr.Left - 1, cr.Top - 1, cr.Right - cr.Left + 1, cr.Bottom - cr.Top + 1);
        ctl->SetVisible(true);
        ctl->Invalidate();
    }
}
