// The popup's header and footer bars and their buttons.
#include "controls/dropdown/DropDownBars.h"

#include <QPainter>

#include <algorithm>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/VynDropDown.h"
#include "grid/render/html/html_draw.h"
#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/popupform.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

namespace {

constexpr uintptr_t UnHotTimer = 1;

bool loading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

TSize imageSize(const TImageList* Images, int Index)
{
    return Images && Index >= 0 ? TSize{Images->Width(), Images->Height()} : TSize{0, 0};
}

}  // namespace

// The modal results by number: 1 ok, 2 cancel, 3 abort, 5 ignore, 6 yes,
// 7 no, 12 all, 13 no to all, 14 yes to all close the popup; 4 retry,
// 8 close, 9 help, 10 try again, 11 continue leave it open.
bool ModalResultCloses(TModalResult Value)
{
    return (Value >= 1 && Value <= 3) || (Value >= 5 && Value <= 7) || (Value >= 12 && Value <= 14);
}

bool ModalResultCancels(TModalResult Value)
{
    return Value == 2 || Value == 3 || Value == 5 || Value == 7 || Value == 13;
}

// ---- TVynButton --------------------------------------------------------------------------------------

TVynButton::TVynButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 23, 22);
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
    Font().SetName("Tahoma");
    SetShowHint(false);
}

TVynButton::~TVynButton() { KillTimer(this, UnHotTimer); }

void TVynButton::SetImages(TImageList* Value) { fImages_ = TWeakRef<TImageList>(Value); }

void TVynButton::SetVynDropDown(TVynCustomDropDown* Value)
{
    if (Value != fVynDropDown_.Get())
        fVynDropDown_ = TWeakRef<TVynCustomDropDown>(Value);
}

bool TVynButton::UnHotTimerRunning() const { return TTimerService::Instance().HasControlTimer(this, UnHotTimer); }

void TVynButton::setState(TVynButtonState Value)
{
    if (fState_ == Value)
        return;
    fState_ = Value;
    Invalidate();
}

void TVynButton::AdjustButtonSize()
{
    if (!fAppearance_)
        return;
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(fAppearance_->Font());
    TSize s = GetTextSize(scratch.Canvas(), Caption());
    const TSize img = imageSize(Images(), fImageIndex_);
    s.cx = std::max(s.cx, img.cx);
    s.cy = std::max(s.cy, img.cy);
    SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

void TVynButton::Paint()
{
    // The state first.
    if (!Enabled()) {
        fState_ = absDisabled;
        fMouseDownInControl_ = false;
        fDragging_ = false;
    } else if (fState_ == absDisabled) {
        fState_ = fDown_ && fGroupIndex_ != 0 ? absExclusive : absUp;
    }
    if (fStyle_ == tasCheck && fDown_)
        fState_ = absDown;
    // What lies behind the button: the parent paints itself into the
    // button's picture, moved to the button's place.
    if (TWinControl* p = Parent(); p && Canvas().Painter()) {
        QPainter* painter = Canvas().Painter();
        painter->save();
        painter->setClipRect(ClientRect().ToQt(), Qt::IntersectClip);
        painter->translate(-Left(), -Top());
        p->Perform(WM_ERASEBKGND, intptr_t(painter));
        p->Perform(WM_PAINT, intptr_t(painter));
        if (auto* w = dynamic_cast<TWinCtrl*>(p))
            w->PaintCtrls(painter, nullptr);
        painter->restore();
    }
    DrawButton(Canvas());
}

void TVynButton::DrawButton(TCanvas& Canvas)
{
    if (!fAppearance_)
        return;
    const TVynButtonAppearance& a = *fAppearance_;
    TColor from, to = clNone, border;
    if (fState_ == absDisabled) {
        from = a.ColorDisabled();
        to = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (fMouseDownInControl_ && fMouseInControl_) {
        from = a.ColorDown();
        border = a.BorderColorDown();
    } else if (fDown_) {
        from = a.ColorChecked();
        border = a.BorderColorChecked();
    } else if (fMouseInControl_ || Focused()) {
        from = a.ColorHot();
        border = a.BorderColorHot();
    } else {
        from = a.Color();
        to = a.ColorTo();
        border = a.BorderColor();
    }
    const TRect r = ClientRect();
    DrawButtonBackground(Canvas, r, from, a.Gradient(), 1, border, to);
    Canvas.Brush().SetStyle(bsClear);
    Canvas.SetFont(fAppearance_->Font());
    DrawImageAndText(Canvas, r, Caption(), Images() ? fImageIndex_ : -1, Images());
}

void TVynButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    fMouseDownInControl_ = true;
    if (!fDown_ || fStyle_ == tasCheck)
        setState(absDown);
    Invalidate();
    fDragging_ = true;
}

void TVynButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (fDragging_) {
        const bool inside = PtInRect(ClientRect(), TPoint{X, Y});
        TVynButtonState s = inside ? (fDown_ ? absExclusive : absDown) : (fDown_ ? absExclusive : absUp);
        if (fStyle_ == tasCheck && fDown_)
            s = absDown;
        setState(s);
    } else if (!fMouseInControl_) {
        UpdateTracking();
    }
}

void TVynButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynButton> self(this);
    fMouseDownInControl_ = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || !fDragging_)
        return;
    fDragging_ = false;
    const bool inside = PtInRect(ClientRect(), TPoint{X, Y});
    if (fGroupIndex_ == 0) {
        fState_ = absUp;
        fMouseInControl_ = false;
        fHot_ = false;
        if (fStyle_ == tasCheck) {
            SetDown(!fDown_);
            fState_ = absUp;
        }
        if (inside)
            Invalidate();
    } else if (inside) {
        SetDown(!fDown_);
        if (fDown_)
            Invalidate();
    } else if (fDown_) {
        fState_ = absExclusive;
        Invalidate();
    }
    UpdateTracking();
}

void TVynButton::UpdateTracking()
{
    if (!Enabled())
        return;
    const TPoint p = ScreenToClient(GetCursorPos());
    Perform(PtInRect(ClientRect(), p) ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TVynButton::CMMouseEnter(TMessage& Message)
{
    fMouseInControl_ = true;
    if (Enabled())
        Invalidate();
    SetTimer(this, UnHotTimer, 1);
    TCustomControl::CMMouseEnter(Message);
}

void TVynButton::leave()
{
    KillTimer(this, UnHotTimer);
    fMouseInControl_ = false;
    fHot_ = false;
    if (Enabled())
        Invalidate();
}

void TVynButton::CMMouseLeave(TMessage& Message)
{
    leave();
    TCustomControl::CMMouseLeave(Message);
}

void TVynButton::WMTimer(TMessage& Message)
{
    if (Message.TimerID() != UnHotTimer) {
        TCustomControl::WMTimer(Message);
        return;
    }
    // The pointer left without a leave message (a fast move, a window
    // above): the button goes un-hot all the same, without the event.
    if (!PtInRect(ClientRect(), ScreenToClient(GetCursorPos())))
        leave();
}

void TVynButton::WMKeyDown(TMessage& Message)
{
    const Word key = Message.CharCode();
    if (key == VK_RETURN || key == VK_SPACE) {
        TWeakRef<TVynButton> self(this);
        if (!fDown_) {
            fState_ = absDown;
            Invalidate();
        }
        fInternalClick_ = true;
        Click();
        if (!self)
            return;
        fInternalClick_ = false;
    }
    TCustomControl::WMKeyDown(Message);
}

void TVynButton::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}

void TVynButton::CMDialogChar(TMessage& Message)
{
    if (Enabled() && IsAccel(QChar(char16_t(Message.CharCode())), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TVynButton::Click()
{
    TWeakRef<TVynButton> self(this);
    const TModalResult mr = fModalResult_;
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(mr);
    if (TVynCustomDropDown* dd = VynDropDown(); dd && ModalResultCloses(mr))
        dd->DoHideDropDown(ModalResultCancels(mr));
    if (!self)
        return;
    if (!fInternalClick_)
        TCustomControl::Click();
}

void TVynButton::SetDown(bool Value)
{
    if (loading(this)) {
        fDown_ = Value;
        return;
    }
    if (fStyle_ == tasButton && fGroupIndex_ == 0)
        Value = false;
    if (fStyle_ == tasCheck) {
        fDown_ = Value;
        fState_ = Value ? absDown : absUp;
        Invalidate();
        return;
    }
    if (Value == fDown_ || (fDown_ && !fAllowAllUp_))
        return;
    fDown_ = Value;
    if (Value) {
        fState_ = absExclusive;
        Invalidate();
        UpdateExclusive();
    } else {
        fState_ = absUp;
        Invalidate();
    }
}

void TVynButton::UpdateExclusive()
{
    if (fGroupIndex_ == 0 || !Parent())
        return;
    TMessage m{CM_BUTTONPRESSED, fGroupIndex_, intptr_t(this), 0};
    Parent()->Broadcast(m);
}

void TVynButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_BUTTONPRESSED) {
        auto* sender = reinterpret_cast<TVynButton*>(Message.LParam);
        if (sender && sender != this && Message.WParam == fGroupIndex_) {
            if (sender->fDown_ && fDown_) {
                fDown_ = false;
                fState_ = absUp;
                Invalidate();
            }
            fAllowAllUp_ = sender->fAllowAllUp_;
        }
        return;
    }
    TCustomControl::Dispatch(Message);
}

// ---- bars --------------------------------------------------------------------------------------------

TVynBar::TVynBar(TComponent* AOwner, bool Footer) : TCustomControl(AOwner), footer_(Footer)
{
    TControlStyle style{csAcceptsControls, csClickEvents, csDoubleClicks};
    if (Footer)
        style.Include(csCaptureMouse);
    SetControlStyle(style);
}

TVynBar::~TVynBar() = default;

void TVynBar::SetVynDropDown(TVynCustomDropDown* DropDown)
{
    fVynDropDown_ = TWeakRef<TVynCustomDropDown>(DropDown);
    if (!DropDown) {
        SetImages(nullptr);
        return;
    }
    SetImages(DropDown->Images());
    Appearance().Assign(SourceAppearance(*DropDown));
}

TButtonItems* TVynBar::Buttons() const
{
    TVynCustomDropDown* dd = VynDropDown();
    return dd ? &SourceAppearance(*dd).ButtonItems() : nullptr;
}

void TVynBar::InitButtons()
{
    if (VynDropDown())
        CreateButtons();
}

void TVynBar::AppearanceChanged()
{
    SetVisible(Appearance().Visible());
    SetHeight(Appearance().Height());
}

void TVynBar::GetButtonRect(TRect& R)
{
    R = ClientRect();
    R.Left += 2;
    R.Top += 2;
    if (footer_) {
        R.Bottom -= 2;
        R.Right -= HasGrip() ? 14 : 2;
    } else {
        R.Right -= 2;
        R.Bottom -= 3;
    }
}

int TVynBar::GetButtonAreaHeight()
{
    TRect r;
    GetButtonRect(r);
    return r.Height();
}

void TVynBar::GetCaptionRect(TRect& R)
{
    if (fButtonList_.Count() == 0) {
        R = Rect(-1, -1, -1, -1);
        return;
    }
    GetButtonRect(R);
    R.Right = fButtonList_.Items(fButtonList_.Count() - 1)->Left() - 2;
}

void TVynBar::CreateButtons()
{
    TVynCustomDropDown* dd = VynDropDown();
    TButtonItems* items = Buttons();
    if (!dd || !items)
        return;
    ClearButtons();
    TRect area;
    GetButtonRect(area);
    for (int i = 0; i < items->Count(); ++i) {
        auto* item = static_cast<THeaderButton*>(items->Items(i));
        auto* b = new TVynButton(this);
        b->SetParent(this);
        if (footer_) {
            b->SetVynDropDown(dd);
            b->SetModalResult(static_cast<TFooterButton*>(item)->ModalResult());
        }
        b->SetAppearance(&dd->ButtonAppearance());
        b->SetCaption(item->Caption());
        b->SetImageIndex(item->ImageIndex());
        b->SetEnabled(item->Enabled());
        b->SetImages(Images());
        b->AdjustButtonSize();
        if (item->Width() > 0)
            b->SetWidth(item->Width());
        if (item->Height() > 0)
            b->SetHeight(item->Height());
        if (b->Height() > area.Height())
            b->SetHeight(area.Height());
        b->SetTag(i);
        b->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        fButtonList_.Add(b);
    }
    ArrangeButtons();
}

void TVynBar::ClearButtons()
{
    for (int i = fButtonList_.Count() - 1; i >= 0; --i)
        fButtonList_.Items(i)->Free();
    fButtonList_.Clear();
}

void TVynBar::ArrangeButtons()
{
    if (fButtonList_.Count() == 0)
        return;
    TRect area;
    GetButtonRect(area);
    int x = Appearance().ButtonAlignment() == baRight ? area.Right : area.Left;
    for (int i = 0; i < fButtonList_.Count(); ++i) {
        TVynButton* b = fButtonList_.Items(i);
        const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
        if (Appearance().ButtonAlignment() == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width();
        }
    }
}

void TVynBar::UpdateButtons()
{
    TVynCustomDropDown* dd = VynDropDown();
    TButtonItems* items = Buttons();
    if (!dd || !items)
        return;
    for (int i = 0; i < fButtonList_.Count(); ++i) {
        TVynButton* b = fButtonList_.Items(i);
        b->SetAppearance(&dd->ButtonAppearance());
        b->SetImages(Images());
        if (i < items->Count()) {
            auto* item = static_cast<THeaderButton*>(items->Items(i));
            b->SetCaption(item->Caption());
            b->SetImageIndex(item->ImageIndex());
            b->SetEnabled(item->Enabled());
        }
    }
    ArrangeButtons();
}

void TVynBar::ButtonClick(TObject* Sender)
{
    auto* b = dynamic_cast<TVynButton*>(Sender);
    TVynCustomDropDown* dd = VynDropDown();
    if (!b || !dd)
        return;
    const TDropDownButtonItemClick& event = footer_ ? dd->OnDropDownFooterButtonClick : dd->OnDropDownHeaderButtonClick;
    if (event)
        event(dd, int(b->Tag()));
}

void TVynBar::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    ArrangeButtons();
}

void TVynBar::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TBarAppearance& a = Appearance();
    if (a.ColorTo() == clNone) {
        if (a.Color() != clNone) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(a.Color());
            c.FillRect(r);
        }
    } else {
        DrawSteppedGradient(c, a.Color(), a.ColorTo(), a.GradientDirection() == gdHorizontal, r, 80);
    }
    const int bw = a.BorderWidth();
    if (a.BorderColor() != clNone && bw > 0) {
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Pen().SetWidth(bw);
        c.Pen().SetColor(a.BorderColor());
        TVynCustomDropDown* dd = VynDropDown();
        const bool popupFrame = dd && dd->DropDownBorderWidth() > 0 && dd->DropDownBorderColor() != clNone;
        if (footer_) {
            c.MoveTo(r.Left, r.Top);
            c.LineTo(r.Right, r.Top);
            if (!popupFrame) {
                c.MoveTo(r.Left, r.Top);
                c.LineTo(r.Left, r.Bottom);
                c.LineTo(r.Right, r.Bottom);
                c.LineTo(r.Right, r.Top);
            }
        } else {
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Right, r.Bottom - 1);
            if (!popupFrame) {
                c.MoveTo(r.Left, r.Bottom - 1);
                c.LineTo(r.Left, r.Top);
                c.LineTo(r.Right, r.Top);
                c.LineTo(r.Right, r.Bottom - 1);
            }
        }
        // A light inner line: 20 % border colour on white.
        c.Pen().SetWidth(1);
        c.Pen().SetColor(BlendColor(a.BorderColor(), clWhite, 20));
        c.Brush().SetStyle(bsClear);
        c.Rectangle(footer_ ? Rect(r.Left, r.Top + bw, r.Right, r.Bottom) : Rect(r.Left, r.Top, r.Right, r.Bottom - bw));
    }
    const int inset = std::max(0, bw);
    TRect content = Rect(r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset);
    if (TImageList* images = Images(); images && a.ImageIndex() >= 0) {
        images->Draw(c, content.Left + 4, content.Top + (content.Height() - images->Height()) / 2, a.ImageIndex());
        content.Left += images->Width() + 8;
    }
    String caption = a.Caption();
    if (OnGetText)
        OnGetText(this, caption);
    if (!caption.isEmpty()) {
        if (fButtonList_.Count() > 0) {
            TRect cr;
            GetCaptionRect(cr);
            content.Right = cr.Right;
        }
        c.SetFont(a.Font());
        c.Brush().SetStyle(bsClear);
        THTMLDrawOptions o;
        o.ImageList = Images();
        o.MeasureOnly = true;
        const int h = DrawHTMLText(c, caption, content, o).LaidOutHeight;
        if (h < content.Height())
            content.Top += (content.Height() - h) / 2;
        o.MeasureOnly = false;
        o.ThemeWindow = this;
        DrawHTMLText(c, caption, content, o);
    }
    if (HasGrip()) {
        // Six squares in a triangle, white, then the border colour one
        // pixel up and left.
        const int L = r.Right - bw - 16, B = r.Bottom;
        const TPoint squares[] = {{L + 5, B - 4}, {L + 9, B - 4}, {L + 13, B - 4},
                                  {L + 9, B - 8}, {L + 13, B - 8}, {L + 13, B - 12}};
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(BlendColor(clWhite, clWhite, 50));
        for (TPoint p : squares)
            c.FillRect(Rect(p.X, p.Y, p.X + 2, p.Y + 2));
        if (a.BorderColor() != clNone) {
            c.Brush().SetColor(BlendColor(a.BorderColor(), clWhite, 100));
            for (TPoint p : squares)
                c.FillRect(Rect(p.X - 1, p.Y - 1, p.X + 1, p.Y + 1));
        }
    }
}

TVynHeader::TVynHeader(TComponent* AOwner) : TVynBar(AOwner, false), fAppearance_(this)
{
    fAppearance_.OnChange = [this](TObject*) { AppearanceChanged(); };
}

TBarAppearance& TVynHeader::SourceAppearance(TVynCustomDropDown& DropDown) const { return DropDown.DropDownHeader(); }

TVynFooter::TVynFooter(TComponent* AOwner) : TVynBar(AOwner, true), fAppearance_(this)
{
    fAppearance_.OnChange = [this](TObject*) { AppearanceChanged(); };
}

TBarAppearance& TVynFooter::SourceAppearance(TVynCustomDropDown& DropDown) const { return DropDown.DropDownFooter(); }

bool TVynFooter::HasSizeGrip() const
{
    const TVynCustomDropDown* dd = VynDropDown();
    return fAppearance_.SizeGrip() && dd && dd->DropDownSizeable();
}

bool TVynFooter::inGrip(int X, int Y) const { return HasSizeGrip() && X > Width() - 12 && Y > Height() - 15; }

void TVynFooter::restoreCursor()
{
    if (Screen.Cursor() != fOldCursor_)
        Screen.SetCursor(fOldCursor_);
}

void TVynFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Parent() && inGrip(X, Y)) {
        SetMouseCapture(false);
        if (auto* popup = dynamic_cast<TPopupForm*>(Parent()))
            popup->StartCornerResize(ClientToScreen(TPoint{X, Y}));
        return;
    }
    TVynBar::MouseDown(Button, Shift, X, Y);
}

void TVynFooter::MouseMove(TShiftState Shift, int X, int Y)
{
    TVynBar::MouseMove(Shift, X, Y);
    if (inGrip(X, Y)) {
        if (Screen.Cursor() != crSizeNWSE)
            Screen.SetCursor(crSizeNWSE);
    } else {
        restoreCursor();
    }
}

void TVynFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVynBar::MouseUp(Button, Shift, X, Y);
    restoreCursor();
}

void TVynFooter::CMMouseEnter(TMessage& Message)
{
    if (Screen.Cursor() != crSizeNWSE)
        fOldCursor_ = Screen.Cursor();
    TVynBar::CMMouseEnter(Message);
}

void TVynFooter::CMMouseLeave(TMessage& Message)
{
    TVynBar::CMMouseLeave(Message);
    restoreCursor();
}
