// The edit link of edCustom cells (grid_edit_link.h).
#include "grid/edit/grid_edit_link.h"

#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink()
{
    if (TCustomForm* f = FPopupForm.Get())
        f->RemoveFreeNotification(this);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupForm.Get())
        FPopupForm.Reset();
}

TWinControl* TEditLink::GetParent()
{
    if (FEditStyle == esPopup && FPopupForm.Get())
        return FPopupForm.Get();
    return Grid();
}

void TEditLink::SetRect(TRect R)
{
    TWinControl* c = GetEditControl();
    TVynStringGrid* g = Grid();
    if (!c)
        return;
    const int line = g ? g->GridLineWidth() : 0;
    c->SetBounds(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* c = GetEditControl())
        c->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* c = GetEditControl();
    TVynStringGrid* g = Grid();
    if (Value && c) {
        c->SetVisible(true);
        c->SetEnabled(true);
        if (FEditStyle == esInplace)
            FSubClassed = true;
        if (c->CanFocus())
            c->SetFocus();
    } else if (!Value && g && g->CanFocus()) {
        g->SetFocus();
    }
}

void TEditLink::RestoreWinProc()
{
    TWinControl* c = GetEditControl();
    if (FEditStyle != esInplace || !c)
        return;
    FSubClassed = false;
    c->SetVisible(false);
}

String TEditLink::GetCellValue()
{
    TVynStringGrid* g = Grid();
    return g ? g->Cells(g->RealCol(), g->Row()) : String();
}

void TEditLink::SetCellValue(const String& Value)
{
    if (TVynStringGrid* g = Grid())
        g->WriteEditedValue(g->RealCol(), g->Row(), Value);
}

void TEditLink::HideEditor()
{
    TWeakRef<TEditLink> self(this);
    SetCellValue(GetEditorValue());
    if (!self)
        return;
    if (TVynStringGrid* g = Grid())
        g->HideInplaceEdit();
    if (self)
        RestoreWinProc();
}

void TEditLink::EditExit(TObject*)
{
    TWeakRef<TEditLink> self(this);
    HideEditor();
    if (!self)
        return;
    if (FEditStyle == esPopup && FPopupForm.Get()) {
        DestroyEditor();
        if (self && FPopupForm.Get())
            FPopupForm->SetVisible(false);
    }
}

void TEditLink::FormExit(TObject* Sender)
{
    TVynStringGrid* g = Grid();
    if (!g)
        return;
    TWeakRef<TEditLink> self(this);
    if (TVynInplaceEdit* e = g->NormalEdit())
        e->SetText(GetEditorValue());
    if (!self)
        return;
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    if (TVynStringGrid* p = Grid(); self && p)
        p->InvokedFocusChange = true;
}

void TEditLink::FocusGridForced()
{
    TVynStringGrid* g = Grid();
    if (!g)
        return;
    TWeakRef<TEditLink> self(this);
    FForcedExit = true;
    if (g->CanFocus())
        g->SetFocus();
    if (self)
        FForcedExit = false;
}

void TEditLink::EditKeyDown(TObject*, Word& Key, TShiftState Shift)
{
    TVynStringGrid* g = Grid();
    if (!g)
        return;
    // 1. The leave keys.
    bool leave = false;
    switch (Key) {
    case VK_TAB: leave = !FWantTabs; break;
    case VK_RETURN: leave = !FWantKeyReturn; break;
    case VK_ESCAPE: leave = !FWantKeyEscape; break;
    case VK_PRIOR:
    case VK_NEXT: leave = !FWantKeyPriorNext; break;
    case VK_END:
    case VK_HOME: leave = !FWantKeyHomeEnd; break;
    case VK_LEFT:
    case VK_RIGHT: leave = !FWantKeyLeftRight; break;
    case VK_UP:
    case VK_DOWN: leave = !FWantKeyUpDown; break;
    default: leave = Shift.Contains(ssAlt) && Key != VK_MENU; break;
    }
    if (!leave)
        return;
    TWeakRef<TEditLink> self(this);
    TWeakRef<TVynStringGrid> grid(g);
    const bool back = Shift.Contains(ssShift);
    // 2. Tab to the next cell, whose editor a posted F2 opens.
    if (Key == VK_TAB && g->Navigation()->TabToNextAtEnd()) {
        const TPoint before(g->Col(), g->Row());
        FocusGridForced();
        if (!grid)
            return;
        g->CommitEditControl(g->Col(), g->Row());
        if (!grid)
            return;
        g->EditMode = false;
        Word tab = VK_TAB;
        g->KeyDown(tab, back ? TShiftState{ssShift} : TShiftState{});
        if (!grid)
            return;
        if (TPoint(g->Col(), g->Row()) != before) {
            if (!g->IsControlCell(g->RealCol(), g->Row()))
                PostMessage(g, WM_KEYDOWN, VK_F2, 0);
            Key = 0;
            return;
        }
    }
    // 3.
    if (Key == VK_ESCAPE) {
        SetEditorValue(g->OriginalCellValue());
        if (!self || !grid)
            return;
    }
    // 4.
    if (g->EditMode) {
        FocusGridForced();
        if (!grid)
            return;
        g->CommitEditControl(g->Col(), g->Row());
        if (!grid || !self)
            return;
        if (FEditStyle == esPopup) {
            EditExit(this);
            if (!grid || !self)
                return;
        }
    }
    // 5.
    g->EditMode = false;
    g->SelectCell(g->Col(), g->Row());
    if (!grid)
        return;
    // 6.
    if (g->FLastValidation && Key == VK_RETURN) {
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, !back, true, false);
        Key = 0;
        return;
    }
    // 7. A refused value: the refusal has opened the editor again on the
    // same cell.
    if (!g->FLastValidation) {
        g->FLastValidation = true;
        Key = 0;
        return;
    }
    // 8.
    g->FLastValidation = true;
    if (Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (TWinControl* c = self ? GetEditControl() : nullptr)
        c->SetEnabled(false);
    if (!self || !grid)
        return;
    FocusGridForced();
    if (!grid)
        return;
    if (Key != VK_RETURN) {
        Word k = Key;
        g->KeyDown(k, Shift);
    }
    Key = 0;
}
