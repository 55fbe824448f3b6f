#include "platform/grids/inplace_edit.h"

#include "platform/grids/grids.h"
#include "platform/gui/qt_widgets.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    SetAutoSelect(false);
    Editor()->setTextMargins(2, 0, 2, 0);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBoundsRect(Loc);
    if (!Visible())
        Show();
    BoundsChanged();
}

void TInplaceEdit::Deselect() { Editor()->end(false); }

void TInplaceEdit::UpdateContents()
{
    TCustomGrid* g = Grid();
    if (!g)
        return;
    TWeakRef<TInplaceEdit> self(this);
    loading_ = true;
    struct Done {
        TWeakRef<TInplaceEdit> e;
        ~Done()
        {
            if (TInplaceEdit* p = e.Get())
                p->loading_ = false;
        }
    } done{self};
    const int col = g->Col(), row = g->Row();
    const String mask = g->GetEditMask(col, row);
    const String text = g->GetEditText(col, row);
    const int limit = g->GetEditLimit();
    if (!self)
        return;
    SetEditMask(mask);
    SetText(text);
    SetMaxLength(limit);
    SetReadOnly(!g->CanEditModify());
    original_ = text;
}

void TInplaceEdit::RestoreOriginal()
{
    loading_ = true;
    SetText(original_);
    loading_ = false;
    SelectAll();
}

void TInplaceEdit::Change()
{
    TWeakRef<TInplaceEdit> self(this);
    TCustomMaskEdit::Change();
    if (self && !loading_)
        if (TCustomGrid* g = Grid())
            g->UpdateText();
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TInplaceEdit> self(this);
    if (TCustomGrid* g = Grid()) {
        const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
        const bool forward = plain && g->Options().Contains(goAlwaysShowEditor) && SelLength() == 0;
        const int caret = Editor()->cursorPosition();
        bool send = false;
        switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_ESCAPE: send = true; break;
        case VK_TAB: send = !Shift.Contains(ssAlt); break;
        case VK_LEFT:
        case VK_HOME: send = forward && caret == 0; break;
        case VK_RIGHT:
        case VK_END: send = forward && caret >= int(Editor()->displayText().size()); break;
        default: break;
        }
        if (send) {
            g->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
    }
    if (self && Key != 0)
        TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    TWeakRef<TInplaceEdit> self(this);
    if (TCustomGrid* g = Grid()) {
        g->KeyPress(Key);
        if (!self)
            return;
        const char16_t ch = Key.unicode();
        if (ch >= 32 && !g->CanEditAcceptKey(Key))
            Key = QChar();
        switch (Key.unicode()) {
        case 9:
        case 13:
        case 27: Key = QChar(); break;
        case 0: break;
        default:
            if ((ch == 8 || ch == 22 || ch == 24 || ch >= 32) && !g->CanEditModify())
                Key = QChar();
            break;
        }
    }
    if (self && !Key.isNull())
        TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::DblClick()
{
    if (TCustomGrid* g = Grid())
        g->DblClick();
    else
        TCustomMaskEdit::DblClick();
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TCustomMaskEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (TCustomGrid* g = Grid(); g && g->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
