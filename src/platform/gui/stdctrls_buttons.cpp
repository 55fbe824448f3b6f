// Push buttons, check boxes and radio buttons (see stdctrls.h for the event rules they keep).
#include "platform/gui/stdctrls.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <limits>

#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/stdctrls_detail.h"

using namespace StdCtrlsDetail;

// ---- TButtonControl -----------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Clicks are the button's own (a completed press), double clicks count
    // as two presses.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetTabStop(true);
}

bool TButtonControl::ClicksDisabled() const { return isLoading(this); }

void TButtonControl::SetDown(bool Value)
{
    if (down_ == Value)
        return;
    down_ = Value;
    Invalidate();
}

void TButtonControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        focusOnClick(this);
        pressed_ = true;
        SetDown(true);
        break;
    case WM_MOUSEMOVE:
        if (pressed_)
            SetDown(ClientRect().Contains(Message.Pos()));
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            const bool inside = ClientRect().Contains(Message.Pos());
            SetDown(spacePressed_);
            if (inside) {
                TWeakRef<TControl> self(this);
                UserClick();
                if (!self)
                    return;
            }
        }
        break;
    case WM_KEYDOWN:
        if (Message.CharCode() == VK_SPACE && !(Message.KeyData() & KEYDATA_PREVDOWN)) {
            spacePressed_ = true;
            SetDown(true);
        }
        break;
    case WM_KEYUP:
        if (Message.CharCode() == VK_SPACE && spacePressed_) {
            spacePressed_ = false;
            SetDown(pressed_);
            TWeakRef<TControl> self(this);
            UserClick();
            if (!self)
                return;
        }
        break;
    case WM_KILLFOCUS:
        spacePressed_ = false;
        SetDown(pressed_);
        Invalidate();
        break;
    case WM_SETFOCUS: Invalidate(); break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        pressed_ = false;
        SetDown(spacePressed_);
        break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TButtonControl::CMMouseEnter(TMessage& Message)
{
    hot_ = true;
    Invalidate();
    TCustomControl::CMMouseEnter(Message);
}

void TButtonControl::CMMouseLeave(TMessage& Message)
{
    hot_ = false;
    Invalidate();
    TCustomControl::CMMouseLeave(Message);
}

void TButtonControl::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled()) {
        pressed_ = spacePressed_ = false;
        down_ = hot_ = false;
    }
    TCustomControl::CMEnabledChanged(Message);
}

void TButtonControl::CMTextChanged(TMessage& Message) { TCustomControl::CMTextChanged(Message); }

// ---- TButton ------------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 75, 25); }

void TButton::SetDefault(bool Value)
{
    if (default_ == Value)
        return;
    default_ = Value;
    Invalidate();
}

bool TButton::Active() const
{
    if (Focused())
        return true;
    if (!default_)
        return false;
    TWinControl* f = GetFocusedControl();
    if (f && f != this && GetParentForm(f) == GetParentForm(this) &&
        (f->Perform(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0)
        return false;
    return true;
}

void TButton::Click()
{
    TWeakRef<TControl> self(this);
    TButtonControl::Click();
    if (!self || modalResult_ == mrNone)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
}

void TButton::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    const bool active = Active() && GetParentForm(this) && GetParentForm(this)->Active();
    if (Themes().IsActive()) {
        const int state = !Enabled() ? PBS_DISABLED
                          : Down()   ? PBS_PRESSED
                          : Hot()    ? PBS_HOT
                          : active   ? PBS_DEFAULTED
                                     : PBS_NORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_PUSHBUTTON, state, r);
    } else {
        if (active && Enabled()) {
            c.Brush().SetColor(clWindowFrame);
            c.FrameRect(r);
            InflateRect(r, -1, -1);
        }
        DrawFrameControl(c, r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (Down() ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    TRect t = ClientRect();
    if (Down() && !Themes().IsActive())
        OffsetRect(t, 1, 1);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    c.DrawText(t, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect f = ClientRect();
        InflateRect(f, -3, -3);
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBtnFace);
        c.Font().SetColor(clBlack);
        c.DrawFocusRect(f);
    }
}

void TButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_FOCUSCHANGED) {
        if (default_)
            Invalidate();
        return;
    }
    TButtonControl::Dispatch(Message);
}

void TButton::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TMessage& Message)
{
    const Word key = Message.CharCode();
    const TShiftState shift = KeyDataToShiftState(Message.KeyData()) * TShiftState{ssShift, ssCtrl, ssAlt};
    if (((key == VK_RETURN && Active()) || (key == VK_ESCAPE && cancel_)) && shift == TShiftState{} && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

void TButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

// ---- check box and radio button -----------------------------------------------------------------

namespace {

constexpr int kBoxSize = 13;

// Box and caption rectangles of a check box or radio button.
void buttonLayout(const TRect& Client, TAlignment Alignment, TRect& Box, TRect& Text)
{
    const int top = Client.Top + (Client.Height() - kBoxSize) / 2;
    if (Alignment == taLeftJustify) {
        Box = Bounds(Client.Right - kBoxSize, top, kBoxSize, kBoxSize);
        Text = Rect(Client.Left, Client.Top, Box.Left - 4, Client.Bottom);
    } else {
        Box = Bounds(Client.Left, top, kBoxSize, kBoxSize);
        Text = Rect(Box.Right + 4, Client.Top, Client.Right, Client.Bottom);
    }
}

// The caption, and the focus rectangle around it when focused.
void paintButtonCaption(TCanvas& C, const TControl& Control, TRect Text, bool Focused)
{
    C.Brush().SetStyle(bsClear);
    C.Font().SetColor(Control.Enabled() ? Control.Font().Color() : clGrayText);
    C.DrawText(Text, Control.Caption(), DT_SINGLELINE | DT_VCENTER);
    if (Focused) {
        TRect m = Text;
        C.DrawText(m, Control.Caption().isEmpty() ? QStringLiteral(" ") : Control.Caption(), DT_SINGLELINE | DT_CALCRECT);
        const int h = m.Height();
        TRect f = Rect(Text.Left - 1, Text.Top + (Text.Height() - h) / 2 - 1, std::min(Text.Right, Text.Left + m.Width()) + 1,
                       Text.Top + (Text.Height() - h) / 2 + h + 1);
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(Control.Color());
        C.DrawFocusRect(f);
    }
}

int pushState(bool Enabled, bool Down, bool Hot)
{
    return !Enabled ? 3 : Down ? 2 : Hot ? 1 : 0;
}

}  // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 97, 17); }

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (state_ == Value)
        return;
    state_ = Value;
    Invalidate();
    if (!ClicksDisabled())
        TButtonControl::Click();
}

void TCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
    }
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TCheckBox::Paint()
{
    TCanvas& c = Canvas();
    TRect box, text;
    buttonLayout(ClientRect(), alignment_, box, text);
    if (Themes().IsActive()) {
        const int base = state_ == cbChecked ? CBS_CHECKEDNORMAL : state_ == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_CHECKBOX, base + pushState(Enabled(), Down(), Hot()), box);
    } else {
        unsigned s = DFCS_BUTTONCHECK;
        if (state_ == cbChecked)
            s |= DFCS_CHECKED;
        else if (state_ == cbGrayed)
            s |= DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!Enabled())
            s |= DFCS_INACTIVE;
        if (Down())
            s |= DFCS_PUSHED;
        DrawFrameControl(c, box, DFC_BUTTON, s);
    }
    paintButtonCaption(c, *this, text, Focused());
}

void TCheckBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON; }

void TCheckBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused())
            Toggle();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 113, 17); }

void TRadioButton::SetChecked(bool Value)
{
    if (checked_ == Value)
        return;
    checked_ = Value;
    Invalidate();
    if (!Value)
        return;
    if (TWinControl* p = Parent())
        for (int i = 0; i < p->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(p->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!ClicksDisabled())
        TButtonControl::Click();
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TRadioButton::Paint()
{
    TCanvas& c = Canvas();
    TRect box, text;
    buttonLayout(ClientRect(), alignment_, box, text);
    if (Themes().IsActive()) {
        const int base = checked_ ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_RADIOBUTTON, base + pushState(Enabled(), Down(), Hot()), box);
    } else {
        unsigned s = DFCS_BUTTONRADIO;
        if (checked_)
            s |= DFCS_CHECKED;
        if (!Enabled())
            s |= DFCS_INACTIVE;
        if (Down())
            s |= DFCS_PUSHED;
        DrawFrameControl(c, box, DFC_BUTTON, s);
    }
    paintButtonCaption(c, *this, text, Focused());
}

void TRadioButton::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }

void TRadioButton::WMSetFocus(TMessage& Message)
{
    TButtonControl::WMSetFocus(Message);
    // Arriving with an arrow key checks the button, as on the platform.
    const bool arrow = GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0 || GetKeyState(VK_LEFT) < 0 ||
                       GetKeyState(VK_RIGHT) < 0;
    if (arrow && !checked_ && Focused())
        SetChecked(true);
}

void TRadioButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused())
            SetChecked(true);
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

void PlaceGlyphAndCaption(TButtonLayout Layout, TPoint Space, TPoint GlyphSize, TPoint TextSize, int Margin,
                          int Spacing, TPoint& GlyphPos, TPoint& TextPos)
{
    GlyphPos = {0, 0};
    TextPos = {0, 0};
    if (Layout == blGlyphLeft || Layout == blGlyphRight) {
        GlyphPos.Y = (Space.Y - GlyphSize.Y + 1) / 2;
        TextPos.Y = (Space.Y - TextSize.Y + 1) / 2;
    } else {
        GlyphPos.X = (Space.X - GlyphSize.X + 1) / 2;
        TextPos.X = (Space.X - TextSize.X + 1) / 2;
    }
    switch (Layout) {
    case blGlyphLeft:
        GlyphPos.X = Margin;
        TextPos.X = GlyphPos.X + GlyphSize.X + Spacing;
        break;
    case blGlyphRight:
        GlyphPos.X = Space.X - Margin - GlyphSize.X;
        TextPos.X = GlyphPos.X - Spacing - TextSize.X;
        break;
    case blGlyphTop:
        GlyphPos.Y = Margin;
        TextPos.Y = GlyphPos.Y + GlyphSize.Y + Spacing;
        break;
    case blGlyphBottom:
        GlyphPos.Y = Space.Y - Margin - GlyphSize.Y;
        TextPos.Y = GlyphPos.Y - Spacing - TextSize.Y;
        break;
    }
}
