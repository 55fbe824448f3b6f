// The drop button and its speed button.
#include "controls/dropdown/DropDownButton.h"

#include "controls/dropdown/DropDownDraw.h"
#include "controls/dropdown/VynDropDown.h"

// ---- TVynDropDownSpeedButton ---------------------------------------------------------------

TVynDropDownSpeedButton::TVynDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TVynDropDownSpeedButton::SetEtched(bool Value)
{
    if (Value == fEtched_)
        return;
    fEtched_ = Value;
    Invalidate();
}

void TVynDropDownSpeedButton::SetFocused(bool Value)
{
    if (Value == fFocused_)
        return;
    fFocused_ = Value;
    Invalidate();
}

void TVynDropDownSpeedButton::SetButtonStyle(TButtonStyle Value)
{
    fButtonStyle_ = Value;
    Invalidate();
}

void TVynDropDownSpeedButton::CMMouseEnter(TMessage& Message)
{
    TSpeedButton::CMMouseEnter(Message);
    fHot_ = true;
    Invalidate();
}

void TVynDropDownSpeedButton::CMMouseLeave(TMessage& Message)
{
    TSpeedButton::CMMouseLeave(Message);
    fHot_ = false;
    Invalidate();
}

TDropDownEditButton* TVynDropDownSpeedButton::Owner_() const { return dynamic_cast<TDropDownEditButton*>(Owner()); }

TVynCustomDropDown* TVynDropDownSpeedButton::DropDown() const
{
    TDropDownEditButton* o = Owner_();
    return o ? dynamic_cast<TVynCustomDropDown*>(o->Owner()) : nullptr;
}

bool TVynDropDownSpeedButton::Pressed() const { return (State() == bsDown || State() == bsExclusive) && !fUp_; }

bool TVynDropDownSpeedButton::IsThemedButton() const { return fIsWinXP_ && Themes().IsActive(); }

int TVynDropDownSpeedButton::ThemeState() const
{
    if (!Enabled())
        return 4;
    if (Pressed())
        return 3;
    if (fHot_)
        return 2;
    return 1;
}

void TVynDropDownSpeedButton::Paint()
{
    if (fButtonStyle_ == bsButton)
        DrawPushButton();
    else
        DrawDropDownArrow();
}

namespace {

void arrow(TCanvas& C, TColor Color)
{
    C.Pen().SetStyle(TPenStyle::psSolid);
    C.Pen().SetColor(Color);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color);
    C.Polygon({{5, 7}, {11, 7}, {8, 10}});
}

}  // namespace

void TVynDropDownSpeedButton::DrawDropDownArrow()
{
    TCanvas& c = Canvas();
    TDropDownEditButton* o = Owner_();
    TVynCustomDropDown* d = DropDown();
    const TRect client = ClientRect();
    if (!o || o->ButtonColor() == clNone) {
        if (!Glyph().Empty()) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(clBtnFace);
            c.Pen().SetColor(0x808080);
            c.Rectangle(client);
            c.DrawTransparent(0, 0, Glyph(), Glyph().BottomLeftColor());
            return;
        }
        if (d) {
            const bool enabled = d->Enabled() && !d->ReadOnly();
            if (enabled != Enabled())
                SetEnabled(enabled);
        }
        if (IsThemedButton()) {
            TRect r = client;
            r.Left += 1;
            Themes().DrawPart(c, QStringLiteral("combobox"), CP_DROPDOWNBUTTON, ThemeState(), r);
            return;
        }
        // Classic: the platform's button, its outer highlight redrawn, and
        // the arrow.
        const TButtonState saved = State();
        if (fUp_ && Pressed())
            SetState(bsUp);
        TSpeedButton::Paint();
        SetState(saved);
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Pen().SetColor(clBtnFace);
        c.MoveTo(Width() - 2, 0);
        c.LineTo(0, 0);
        c.LineTo(0, Height() - 1);
        c.Pen().SetColor(clWhite);
        c.MoveTo(Width() - 3, 1);
        c.LineTo(1, 1);
        c.LineTo(1, Height() - 2);
        arrow(c, clBlack);
        return;
    }
    // Coloured (the later test wins).
    TColor fill = o->ButtonColor(), text = o->ButtonTextColor();
    if (fHot_) {
        fill = o->ButtonColorHot();
        text = o->ButtonTextColorHot();
    }
    if (Pressed()) {
        fill = o->ButtonColorDown();
        text = o->ButtonTextColorDown();
    }
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(fill);
    c.FillRect(client);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(d ? d->BorderColor() : clNone);
    c.MoveTo(client.Left, client.Top);
    c.LineTo(client.Left, client.Bottom);
    arrow(c, text);
}

void TVynDropDownSpeedButton::DrawPushButton()
{
    TCanvas& c = Canvas();
    if (TVynCustomDropDown* d = DropDown())
        c.SetFont(d->Font());
    const bool down = State() == bsDown;
    const TRect client = ClientRect();
    if (IsThemedButton()) {
        c.FillRect(client);
        Themes().DrawPart(c, QStringLiteral("button"), BP_PUSHBUTTON, ThemeState(), Rect(0, 0, Width() + 1, Height() + 1));
        TRect r = client;
        const bool caption = !Caption().isEmpty();
        if (!Glyph().Empty()) {
            r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
            if (caption)
                r.Left += 2;
            else if (Glyph().Width() < r.Width())
                r.Left += (r.Width() - Glyph().Width()) / 2;
            if (Glyph().Height() < r.Height())
                r.Top += (r.Height() - Glyph().Height()) / 2;
            if (down)
                r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
            c.DrawTransparent(r.Left, r.Top, Glyph(), Glyph().BottomLeftColor());
        }
        if (caption) {
            c.Brush().SetStyle(bsClear);
            if (Glyph().Empty()) {
                TRect t = Rect(client.Left + 3, client.Top + 1, client.Right - 3, client.Bottom - 1);
                if (down)
                    t = Rect(t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1);
                c.DrawText(t, Caption(), DT_CENTER);
            } else {
                const TRect t = Rect(r.Left + Glyph().Width() + 2, r.Top - 1, client.Right, client.Bottom);
                c.DrawText(t, Caption(), DT_LEFT);
            }
        }
        return;
    }
    if (Flat()) {
        c.FillRect(client);
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBtnFace);
        c.FillRect(client);
        TRect e = Rect(client.Left, client.Top, client.Right + 1, client.Bottom + 1);
        DrawEdge(c, e, fEtched_ ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (down ? BF_FLAT : 0u));
        TRect r = Rect(client.Left + 3, client.Top + 3, client.Right - 3, client.Bottom - 3);
        if (down)
            r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        if (!Glyph().Empty())
            VynDropDown::DrawTransparentBitmap(c, Glyph(), clBtnFace, r);
        if (!Caption().isEmpty()) {
            c.Brush().SetStyle(bsClear);
            c.DrawText(Rect(r.Left + 3, r.Top + 1, r.Right - 3, r.Bottom - 1), Caption(), DT_CENTER);
        }
        return;
    }
    TSpeedButton::Paint();
}

// ---- TDropDownEditButton -------------------------------------------------------------------

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls, csSetCaption} + TControlStyle{csOpaque});
    fButton_ = new TVynDropDownSpeedButton(this);
    fButton_->SetParent(this);
    fButton_->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == mbLeft && OnClick)
            OnClick(this);
    };
    fButton_->SetVisible(true);
    fButton_->SetEnabled(Enabled());
    fButton_->SetCaption(String());
    fButton_->SetButtonStyle(bsDropDown);
    fButton_->SetBounds(0, 0, 16, 25);
    fBWidth_ = 16;
}

TDropDownEditButton::~TDropDownEditButton() = default;

void TDropDownEditButton::SetBWidth(int Value)
{
    fBWidth_ = Value;
    SetBounds(Left(), Top(), Value, Height());
}

void TDropDownEditButton::AdjustWinSize(int& W, int& H)
{
    if (!fButton_ || ComponentState().Contains(TComponentStateItem::csLoading))
        return;
    W = fBWidth_;
    fButton_->SetBounds(0, 0, fBWidth_, H);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AdjustWinSize(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::Invalidate()
{
    TWinControl::Invalidate();
    if (fButton_)
        fButton_->Invalidate();
}

void TDropDownEditButton::Loaded()
{
    TWinControl::Loaded();
    int w = Width(), h = Height();
    AdjustWinSize(w, h);
    if (w != Width() || h != Height())
        TWinControl::SetBounds(Left(), Top(), w, h);
}

void TDropDownEditButton::WMSize(TMessage& Message)
{
    TWinControl::WMSize(Message);
    int w = Width(), h = Height();
    AdjustWinSize(w, h);
    if (w != Width() || h != Height())
        TWinControl::SetBounds(Left(), Top(), w, h);
    Message.Result = 0;
}

void TDropDownEditButton::CMEnabledChanged(TMessage& Message)
{
    TWinControl::CMEnabledChanged(Message);
    if (fButton_)
        fButton_->SetEnabled(Enabled());
}
