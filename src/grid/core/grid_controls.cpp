#include "grid/core/grid_controls.h"

#include <QImage>

#include <algorithm>

#include "platform/gui/input_state.h"
#include "platform/rtl/strings.h"

// ---- DrawButtonGradient -------------------------------------------------------------------------

void DrawButtonGradient(TCanvas& Canvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps,
                        TColor Outline)
{
    if (Steps < 1)
        Steps = 1;
    const TColor f = ColorToRGB(From), t = ColorToRGB(To);
    const int r0 = GetRValue(f), g0 = GetGValue(f), b0 = GetBValue(f);
    const int dr = GetRValue(t) - r0, dg = GetGValue(t) - g0, db = GetBValue(t) - b0;
    const int extent = Horizontal ? R.Width() : R.Height();
    const double h = double(extent) / Steps;
    const int bandLength = int(Round(h)) + 1;
    Canvas.Brush().SetStyle(bsSolid);
    for (int n = 0; n < Steps; ++n) {
        const TColor c = RGBColor(r0 + int(Round(double(n) * dr / Steps)), g0 + int(Round(double(n) * dg / Steps)),
                                  b0 + int(Round(double(n) * db / Steps)));
        const int start = int(Round(n * h));
        // The bands overlap by one pixel; the last one is kept inside R.
        TRect band = Horizontal ? Rect(R.Left + start, R.Top, R.Left + start + bandLength, R.Bottom)
                                : Rect(R.Left, R.Top + start, R.Right, R.Top + start + bandLength);
        band.Right = std::min(band.Right, R.Right);
        band.Bottom = std::min(band.Bottom, R.Bottom);
        if (band.Left >= band.Right || band.Top >= band.Bottom)
            continue;
        Canvas.Brush().SetColor(c);
        Canvas.FillRect(band);
    }
    if (Outline != clNone) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Pen().SetStyle(psSolid);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetColor(Outline);
        Canvas.Rectangle(R);
    }
}

// ---- the action link ----------------------------------------------------------------------------

TVynGridButtonActionLink::TVynGridButtonActionLink(TVynGridButton* AClient)
    : TControlActionLink(AClient), button_(AClient)
{
}

bool TVynGridButtonActionLink::IsCheckedLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && button_->GroupIndex() != 0 && button_->AllowAllUp() && button_->Down() == a->Checked();
}

bool TVynGridButtonActionLink::IsGroupIndexLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && button_->GroupIndex() == a->GroupIndex();
}

void TVynGridButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked())
        button_->SetDown(Value);
}

void TVynGridButtonActionLink::SetGroupIndex(int Value)
{
    if (IsGroupIndexLinked())
        button_->SetGroupIndex(Value);
}

// ---- TVynGridButton -----------------------------------------------------------------------------

namespace {

constexpr int kDropDownWidth = 12;
// The look-changed message of the classic desktop besides WM_THEMECHANGED.
constexpr unsigned kThemeChangedMessage = 0xB035;

// The glyph in grey: every pixel (R + G + B) div 3 div 2 + 96.
QImage greyGlyph(const QImage& Source)
{
    QImage img = Source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int g = (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3 / 2 + 96;
            line[x] = qRgb(g, g, g);
        }
    }
    return img;
}

void copyGlyph(TBitmap& Target, const TBitmap* Value)
{
    if (Value && !Value->Empty())
        Target.Assign(*Value);
    else
        Target.SetSize(0, 0);
}

}  // namespace

TVynGridButton::TVynGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      glyph_(std::make_unique<TBitmap>()),
      glyphHot_(std::make_unique<TBitmap>()),
      glyphDown_(std::make_unique<TBitmap>()),
      glyphDisabled_(std::make_unique<TBitmap>()),
      shadeGlyph_(std::make_unique<TBitmap>())
{
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    SetBounds(Left(), Top(), 22, 23);
    SetParentColor(false);
    SetColor(clBtnFace);
}

TVynGridButton::~TVynGridButton() = default;

void TVynGridButton::SetAction(TBasicAction* Value)
{
    if (!Value) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TVynGridButtonActionLink>(this);
    actionLink_->SetAction(Value);
    if (auto* a = dynamic_cast<TCustomAction*>(Value)) {
        SetCaption(a->Caption());
        SetEnabled(a->Enabled());
        SetHint(a->Hint());
        SetVisible(a->Visible());
    }
}

void TVynGridButton::Click()
{
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute();
}

void TVynGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (shaded_)
        BuildShade();
    if (autoThemeAdapt_)
        AdaptToTheme();
}

// ---- behaviour

void TVynGridButton::SetAllowAllUp(bool Value)
{
    if (allowAllUp_ == Value)
        return;
    allowAllUp_ = Value;
    UpdateExclusive();
}

void TVynGridButton::SetDown(bool Value)
{
    if (style_ == TVynGridButtonStyle::tasCheck) {
        down_ = Value;
        Invalidate();
        return;
    }
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = Value;
    if (Value) {
        if (state_ == bsUp)
            Invalidate();
        state_ = bsExclusive;
        UpdateExclusive();
    } else {
        state_ = bsUp;
        Invalidate();
    }
}

void TVynGridButton::SetGroupIndex(int Value)
{
    if (groupIndex_ == Value)
        return;
    groupIndex_ = Value;
    UpdateExclusive();
}

void TVynGridButton::SetStyle(TVynGridButtonStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    Changed();
}

void TVynGridButton::SetDropDownButton(bool Value)
{
    if (dropDownButton_ == Value)
        return;
    dropDownButton_ = Value;
    Changed();
}

void TVynGridButton::UpdateExclusive()
{
    TWinControl* p = Parent();
    if (groupIndex_ == 0 || !p)
        return;
    std::vector<TWeakRef<TControl>> siblings;
    for (int i = 0; i < p->ControlCount(); ++i)
        siblings.emplace_back(p->Controls(i));
    for (auto& ref : siblings)
        if (TControl* c = ref.Get())
            c->Perform(CM_BUTTONPRESSED, groupIndex_, intptr_t(static_cast<TControl*>(this)));
}

void TVynGridButton::ButtonPressed(int Group, TVynGridButton* Sender)
{
    if (Group != groupIndex_ || !Sender || Sender == this)
        return;
    if (Sender->Down() && down_) {
        down_ = false;
        state_ = bsUp;
        if (auto* a = dynamic_cast<TCustomAction*>(Action()))
            a->SetChecked(false);
        Invalidate();
    }
    allowAllUp_ = Sender->AllowAllUp();
}

void TVynGridButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(int(Message.WParam),
                      dynamic_cast<TVynGridButton*>(reinterpret_cast<TControl*>(Message.LParam)));
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && Enabled() && Visible() && Parent() &&
            Parent()->Showing()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case WM_THEMECHANGED:
    case kThemeChangedMessage:
    case CM_STYLECHANGED:
        if (autoThemeAdapt_)
            AdaptToTheme();
        break;
    default: break;
    }
    TGraphicControl::Dispatch(Message);
}

// ---- the mouse

bool TVynGridButton::InsideClient(int X, int Y) const
{
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TVynGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynGridButton> self(this);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!self || Button != mbLeft || !Enabled())
        return;
    if (dropDownButton_ && X >= ClientWidth() - kDropDownWidth) {
        state_ = bsUp;
        Invalidate();
        if (OnDropDown)
            OnDropDown(this);
        if (self && dropDownMenu_) {
            const TPoint p = ClientToScreen({0, Height()});
            dropDownMenu_->Popup(p.X, p.Y);
        }
        return;
    }
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    if (style_ == TVynGridButtonStyle::tasCheck) {
        state_ = bsDown;
        Repaint();
    }
    dragging_ = true;
}

void TVynGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynGridButton> self(this);
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!self)
        return;
    if (dragging_) {
        TButtonState s = down_ ? bsExclusive : bsUp;
        if (InsideClient(X, Y))
            s = down_ ? bsExclusive : bsDown;
        if (style_ == TVynGridButtonStyle::tasCheck && down_)
            s = bsDown;
        if (s != state_) {
            state_ = s;
            Invalidate();
        }
    } else {
        UpdateTracking();
    }
}

void TVynGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynGridButton> self(this);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!self || !dragging_ || Button != mbLeft)
        return;
    dragging_ = false;
    const bool inside = InsideClient(X, Y);
    if (style_ == TVynGridButtonStyle::tasCheck) {
        if (inside)
            SetDown(!down_);
        state_ = bsUp;
    } else if (groupIndex_ == 0) {
        state_ = bsUp;
    } else if (inside) {
        SetDown(!down_);
    } else if (down_) {
        state_ = bsExclusive;
    }
    Invalidate();
    if (inside)
        Click();
    if (self)
        UpdateTracking();
}

void TVynGridButton::WMLButtonDblClk(TMessage& Message)
{
    TWeakRef<TVynGridButton> self(this);
    TGraphicControl::WMLButtonDblClk(Message);
    if (self && down_)
        DblClick();
}

void TVynGridButton::UpdateTracking()
{
    if (!Enabled())
        return;
    const bool over = InputState().ControlUnderCursor() == this;
    if (over != mouseInControl_)
        Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TVynGridButton::CMMouseEnter(TMessage& Message)
{
    if (!mouseInControl_ && Enabled() && DragMode() != dmAutomatic && !GetCaptureControl()) {
        mouseInControl_ = true;
        Invalidate();
    }
    TGraphicControl::CMMouseEnter(Message);
}

void TVynGridButton::CMMouseLeave(TMessage& Message)
{
    if (mouseInControl_ && Enabled() && !dragging_) {
        mouseInControl_ = false;
        Invalidate();
    }
    TGraphicControl::CMMouseLeave(Message);
}

void TVynGridButton::CMEnabledChanged(TMessage& Message)
{
    UpdateTracking();
    TGraphicControl::CMEnabledChanged(Message);
}

// ---- looks

#define VYN_SETTER(Name, Field, Type)              \
    void TVynGridButton::Set##Name(Type Value)     \
    {                                              \
        if (Field == Value)                        \
            return;                                \
        Field = Value;                             \
        Changed();                                 \
    }
VYN_SETTER(Flat, flat_, bool)
VYN_SETTER(AutoXPStyle, autoXPStyle_, bool)
VYN_SETTER(ColorTo, colorTo_, TColor)
VYN_SETTER(ColorHot, colorHot_, TColor)
VYN_SETTER(ColorHotTo, colorHotTo_, TColor)
VYN_SETTER(ColorDown, colorDown_, TColor)
VYN_SETTER(ColorDownTo, colorDownTo_, TColor)
VYN_SETTER(ColorChecked, colorChecked_, TColor)
VYN_SETTER(ColorCheckedTo, colorCheckedTo_, TColor)
VYN_SETTER(BorderColor, borderColor_, TColor)
VYN_SETTER(BorderDownColor, borderDownColor_, TColor)
VYN_SETTER(BorderHotColor, borderHotColor_, TColor)
VYN_SETTER(Rounded, rounded_, bool)
VYN_SETTER(ShowCaption, showCaption_, bool)
VYN_SETTER(Layout, layout_, TButtonLayout)
VYN_SETTER(Spacing, spacing_, int)
#undef VYN_SETTER

void TVynGridButton::SetMargin(int Value)
{
    if (Value < -1 || Value == margin_)
        return;
    margin_ = Value;
    Changed();
}

void TVynGridButton::SetShaded(bool Value)
{
    if (shaded_ == Value)
        return;
    shaded_ = Value;
    if (shaded_ && !ComponentState().Contains(TComponentStateItem::csLoading))
        BuildShade();
    Changed();
}

void TVynGridButton::SetAutoThemeAdapt(bool Value)
{
    if (autoThemeAdapt_ == Value)
        return;
    autoThemeAdapt_ = Value;
    if (Value && !ComponentState().Contains(TComponentStateItem::csLoading))
        AdaptToTheme();
}

// No colour scheme of the classic desktop exists here: the "no style" look.
void TVynGridButton::AdaptToTheme() { SetLook(1); }

void TVynGridButton::SetLook(int Value)
{
    struct LookSet {
        TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
        bool rounded;
    };
    static const LookSet looks[] = {
        {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
        {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
        {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
        {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
    };
    if (Value < 0 || Value > 6)
        return;
    const LookSet& l = looks[Value];
    look_ = Value;
    flat_ = true;
    SetColor(l.color);
    colorTo_ = l.colorTo;
    colorHot_ = l.hot;
    colorHotTo_ = l.hotTo;
    colorDown_ = l.down;
    colorDownTo_ = l.downTo;
    colorChecked_ = l.checked;
    colorCheckedTo_ = l.checkedTo;
    borderDownColor_ = l.borderDown;
    borderHotColor_ = l.borderHot;
    borderColor_ = clNone;
    rounded_ = l.rounded;
    Changed();
}

// ---- glyphs

void TVynGridButton::SetGlyph(const TBitmap* Value)
{
    copyGlyph(*glyph_, Value);
    if (glyphDisabled_->Empty() && !glyph_->Empty()) {
        glyphDisabled_->SetPixelFormat(pf24bit);
        glyphDisabled_->SetImage(greyGlyph(glyph_->Image()));
    }
    if (shaded_ && !ComponentState().Contains(TComponentStateItem::csLoading))
        BuildShade();
    Changed();
}

void TVynGridButton::SetGlyphHot(const TBitmap* Value)
{
    copyGlyph(*glyphHot_, Value);
    Changed();
}

void TVynGridButton::SetGlyphDown(const TBitmap* Value)
{
    copyGlyph(*glyphDown_, Value);
    Changed();
}

void TVynGridButton::SetGlyphDisabled(const TBitmap* Value)
{
    copyGlyph(*glyphDisabled_, Value);
    Changed();
}

void TVynGridButton::BuildShade()
{
    if (glyph_->Empty()) {
        shadeGlyph_->SetSize(0, 0);
        return;
    }
    const QImage src = glyph_->Image().convertToFormat(QImage::Format_RGB32);
    const QRgb key = src.pixel(0, src.height() - 1);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    QImage img(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            img.setPixel(x, y, src.pixel(x, y) == key ? key : grey);
    shadeGlyph_->SetPixelFormat(pf24bit);
    shadeGlyph_->SetImage(img);
}

// ---- painting

void TVynGridButton::PaintFace(TCanvas& C, const TRect& R, TColor A, TColor B, TColor Outline)
{
    if (B == clNone) {
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(A);
        C.Pen().SetStyle(psSolid);
        C.Pen().SetWidth(1);
        C.Pen().SetColor(Outline != clNone ? Outline : A);
        C.Rectangle(R);
    } else {
        DrawButtonGradient(C, A, B, false, R, 16, Outline);
    }
}

void TVynGridButton::Paint()
{
    TCanvas& C = Canvas();
    // 1. The state.
    if (!Enabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    }
    const bool check = style_ == TVynGridButtonStyle::tasCheck;
    if (check && down_)
        state_ = bsDown;
    C.Font().Assign(Font());
    TRect R = ClientRect();
    const bool hot = mouseInControl_ && Enabled();
    const bool pressed = state_ == bsDown || state_ == bsExclusive;

    // 2. and 3. The face.
    if (!flat_) {
        DrawFrameControl(C, R, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    } else {
        if (borderDownColor_ == clNone || rounded_)
            InflateRect(R, -1, -1);
        const TRect grown = Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
        auto roundOutline = [&](TColor Color) {
            if (Color == clNone)
                return;
            C.Brush().SetStyle(bsClear);
            C.Pen().SetStyle(psSolid);
            C.Pen().SetWidth(1);
            C.Pen().SetColor(Color);
            C.RoundRect(grown, 8, 8);
        };
        if (!hot) {
            if (check && down_) {
                PaintFace(C, R, colorChecked_, colorCheckedTo_, borderDownColor_);
            } else {
                PaintFace(C, R, Color(), colorTo_, rounded_ ? clNone : down_ ? borderDownColor_ : borderColor_);
                if (borderColor_ != clNone) {
                    if (rounded_) {
                        roundOutline(borderColor_);
                    } else {
                        C.Brush().SetStyle(bsClear);
                        C.Pen().SetStyle(psSolid);
                        C.Pen().SetWidth(1);
                        C.Pen().SetColor(borderColor_);
                        C.Rectangle(R);
                    }
                }
            }
        } else {
            TColor a = colorHot_, b = colorHotTo_, outline = borderHotColor_;
            if (state_ == bsDown) {
                a = colorDown_;
                b = colorDownTo_;
                outline = borderDownColor_;
            }
            if (check && down_ && state_ != bsDown) {
                a = colorChecked_;
                b = colorCheckedTo_;
                outline = borderDownColor_;
            }
            if (rounded_) {
                PaintFace(C, R, a, b, clNone);
                roundOutline(outline);
            } else {
                PaintFace(C, R, a, b, outline);
            }
            if (dropDownButton_ && outline != clNone) {
                C.Pen().SetStyle(psSolid);
                C.Pen().SetWidth(1);
                C.Pen().SetColor(outline);
                C.MoveTo(R.Right - kDropDownWidth, R.Top);
                C.LineTo(R.Right - kDropDownWidth, R.Bottom);
            }
        }
        InflateRect(R, -1, -1);
    }

    // 4. The checked face of a group's down button, and the content's offset.
    TPoint offset{0, 0};
    if (state_ == bsExclusive && (!flat_ || !hot)) {
        const TRect grown = Rect(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
        PaintFace(C, grown, colorChecked_, colorCheckedTo_, down_ ? borderDownColor_ : borderColor_);
    }
    if (pressed && !flat_)
        offset = {1, 1};
    if (flat_ && hot && shaded_ && state_ != bsDown)
        offset = {-1, -1};

    // 5. The drop-down part.
    if (dropDownButton_) {
        const int mid = (R.Top + R.Bottom) / 2;
        C.Pen().SetStyle(psSolid);
        C.Pen().SetWidth(1);
        C.Pen().SetColor(Font().Color());
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(Font().Color());
        C.Polygon({{R.Right - 8, mid - 1}, {R.Right - 4, mid - 1}, {R.Right - 6, mid + 1}});
        R.Right -= kDropDownWidth;
    }

    // 6. Glyph and caption.
    PaintContent(C, R, offset, down_ && groupIndex_ != 0 ? bsDown : state_);
}

void TVynGridButton::PaintContent(TCanvas& C, const TRect& Client, TPoint Offset, TButtonState State)
{
    const TPoint glyphSize = glyph_->Empty() ? TPoint{0, 0} : TPoint{glyph_->Width(), glyph_->Height()};
    TPoint textSize{0, 0};
    if (!Caption().isEmpty()) {
        TRect t = Rect(0, 0, Client.Width(), 0);
        C.DrawText(t, Caption(), DT_CALCRECT);
        textSize = {t.Width(), t.Height()};
    }
    const TPoint space{Client.Width(), Client.Height()};
    const bool across = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int spacing = spacing_, margin = margin_;
    if (textSize.X == 0 || glyphSize.X == 0)
        spacing = 0;
    const int spaceAlong = across ? space.X : space.Y;
    const int glyphAlong = across ? glyphSize.X : glyphSize.Y;
    const int textAlong = across ? textSize.X : textSize.Y;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (spaceAlong - glyphAlong - textAlong) / 3;
            spacing = margin;
        } else {
            margin = (spaceAlong - glyphAlong - spacing - textAlong + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (spaceAlong - margin - glyphAlong - textAlong) / 2;
    }
    TPoint glyphPos, textPos;
    PlaceGlyphAndCaption(layout_, space, glyphSize, textSize, margin, spacing, glyphPos, textPos);
    glyphPos = {glyphPos.X + Client.Left + Offset.X, glyphPos.Y + Client.Top + Offset.Y};
    textPos = {textPos.X + Client.Left + Offset.X, textPos.Y + Client.Top + Offset.Y};
    const bool hasCaption = !Caption().isEmpty();
    if (!hasCaption)
        glyphPos = {0, 0};

    // The glyph.
    const bool hot = mouseInControl_ && Enabled();
    const bool downState = State == bsDown || State == bsExclusive;
    const TBitmap* glyph = glyph_.get();
    if (!Enabled()) {
        if (!glyphDisabled_->Empty())
            glyph = glyphDisabled_.get();
    } else if (hot) {
        if (!downState && !glyphHot_->Empty())
            glyph = glyphHot_.get();
        else if (downState && !glyphDown_->Empty())
            glyph = glyphDown_.get();
    } else if (downState && !glyphDown_->Empty()) {
        glyph = glyphDown_.get();
    }
    if (!glyph->Empty()) {
        if (hot && shaded_ && State != bsDown && !shadeGlyph_->Empty()) {
            const TPoint s = hasCaption ? TPoint{glyphPos.X + 2, glyphPos.Y + 2} : glyphPos;
            C.DrawTransparent(s.X, s.Y, *shadeGlyph_, shadeGlyph_->BottomLeftColor());
        }
        C.DrawTransparent(glyphPos.X, glyphPos.Y, *glyph, glyph->BottomLeftColor());
    }

    // The caption.
    if (!showCaption_ || !hasCaption)
        return;
    TRect text = Bounds(textPos.X, textPos.Y, textSize.X, textSize.Y);
    if (flat_ && hot && shaded_ && !downState)
        OffsetRect(text, 1, 1);
    C.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        TRect shifted = text;
        OffsetRect(shifted, 1, 1);
        C.Font().SetColor(clBtnHighlight);
        C.DrawText(shifted, Caption(), DT_CENTER | DT_VCENTER);
        C.Font().SetColor(clBtnShadow);
        C.DrawText(text, Caption(), DT_CENTER | DT_VCENTER);
    } else {
        C.Font().SetColor(Font().Color());
        C.DrawText(text, Caption(), DT_CENTER | DT_VCENTER);
    }
}

// ---- TVynCheckBox -------------------------------------------------------------------------------

namespace {
constexpr int kBox = 13;
}

TVynCheckBox::TVynCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    TControlStyle s = ControlStyle();
    s.Exclude(csClickEvents);
    SetControlStyle(s);
    SetBounds(Left(), Top(), 98, 20);
    SetCaption(QStringLiteral("TVynCheckBox"));
    SetTabStop(true);
}

TVynCheckBox::~TVynCheckBox() = default;

TRect TVynCheckBox::BoxRect() const
{
    const int x = alignment_ == taRightJustify ? ClientWidth() - kBox : 0;
    int y = 4;
    if (buttonVertAlign_ == tlCenter)
        y = ClientHeight() / 2 - 6;
    else if (buttonVertAlign_ == tlBottom)
        y = ClientHeight() - 17;
    return Bounds(x, y, kBox, kBox);
}

void TVynCheckBox::InvalidateBox()
{
    const TRect b = BoxRect();
    InvalidateClientRect(Bounds(b.Left, b.Top, 16, 16));
}

void TVynCheckBox::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TVynCheckBox::SetButtonVertAlign(TTextLayout Value)
{
    if (buttonVertAlign_ == Value)
        return;
    buttonVertAlign_ = Value;
    Invalidate();
}

void TVynCheckBox::SetState(TCheckBoxState Value)
{
    if (state_ == Value)
        return;
    state_ = Value;
    const int w = ClientWidth();
    InvalidateClientRect(alignment_ == taRightJustify ? Rect(w - 20, 0, w, ClientHeight())
                                                      : Rect(0, 0, 20, ClientHeight()));
}

void TVynCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TVynCheckBox::SetEllipsis(bool Value)
{
    if (ellipsis_ == Value)
        return;
    ellipsis_ = Value;
    Invalidate();
}

void TVynCheckBox::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    Invalidate();
}

void TVynCheckBox::SetDown(bool Value)
{
    if (down_ == Value)
        return;
    down_ = Value;
    InvalidateBox();
}

void TVynCheckBox::Toggle()
{
    if (readOnly_)
        return;
    SetChecked(!Checked());
}

void TVynCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynCheckBox> self(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!self || Button != mbLeft)
        return;
    mouseWentDown_ = true;
    if (!Focused() && CanFocus())
        SetFocus();
    if (!self)
        return;
    SetMouseCapture(true);
    SetDown(true);
}

void TVynCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynCheckBox> self(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (self && MouseCapture())
        SetDown(X >= 0 && X <= Width() && Y >= 0 && Y <= Height());
}

void TVynCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TVynCheckBox> self(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || Button != mbLeft)
        return;
    SetMouseCapture(false);
    SetDown(false);
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && Focused() && mouseWentDown_) {
        Toggle();
        Click();
    }
    if (!self)
        return;
    mouseWentDown_ = false;
    InvalidateBox();
}

void TVynCheckBox::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynCheckBox> self(this);
    if (Key == VK_RETURN && returnIsTab_) {
        Key = 0;
        TMessage tab{WM_KEYDOWN, VK_TAB, 0};
        DeliverKeyMessage(this, tab);
        return;
    }
    if (Key == VK_SPACE)
        SetDown(true);
    if (self)
        TCustomControl::KeyDown(Key, Shift);
}

void TVynCheckBox::KeyUp(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynCheckBox> self(this);
    if (Key == VK_SPACE && down_) {
        SetDown(false);
        Toggle();
        Click();
    }
    if (self)
        TCustomControl::KeyUp(Key, Shift);
}

void TVynCheckBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        Toggle();
        if (TabStop())
            SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TVynCheckBox::CMMouseEnter(TMessage& Message)
{
    hot_ = true;
    InvalidateBox();
    TCustomControl::CMMouseEnter(Message);
}

void TVynCheckBox::CMMouseLeave(TMessage& Message)
{
    hot_ = false;
    InvalidateBox();
    TCustomControl::CMMouseLeave(Message);
}

void TVynCheckBox::CMEnter(TMessage& Message)
{
    Invalidate();
    TCustomControl::CMEnter(Message);
}

void TVynCheckBox::CMExit(TMessage& Message)
{
    Invalidate();
    TCustomControl::CMExit(Message);
}

void TVynCheckBox::WMEraseBkgnd(TMessage& Message)
{
    if (transparent_) {
        Message.Result = 1;
        return;
    }
    TCustomControl::WMEraseBkgnd(Message);
}

void TVynCheckBox::Paint()
{
    TCanvas& C = Canvas();
    unsigned flags = DFCS_BUTTONCHECK;
    if (state_ == cbChecked)
        flags |= DFCS_CHECKED;
    if (state_ == cbGrayed || !Enabled())
        flags |= DFCS_INACTIVE;
    DrawFrameControl(C, BoxRect(), DFC_BUTTON, flags);

    TRect r = ClientRect();
    if (alignment_ == taRightJustify)
        r.Right -= 9;
    else
        r.Left += 9;
    OffsetRect(r, 6, 4);
    unsigned textFlags = DT_LEFT | DT_SINGLELINE;
    if (ellipsis_)
        textFlags |= DT_END_ELLIPSIS;
    C.Font().Assign(Font());
    C.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        TRect shifted = r;
        OffsetRect(shifted, 1, 1);
        C.Font().SetColor(0xFFFFFF);
        C.DrawText(shifted, Caption(), textFlags);
        C.Font().SetColor(0x808080);
    }
    C.DrawText(r, Caption(), textFlags);
    if (Focused()) {
        TRect m = r;
        C.DrawText(m, Caption(), textFlags | DT_CALCRECT);
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(Color());
        C.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + m.Width() + 1, r.Top + m.Height() + 1));
    }
}

// ---- TArrowWindow -------------------------------------------------------------------------------

std::vector<TPoint> TArrowWindow::ArrowCorners(TArrowDirection Direction)
{
    switch (Direction) {
    case TArrowDirection::arrUp: return {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
    case TArrowDirection::arrDown: return {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}};
    case TArrowDirection::arrLeft: return {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
    case TArrowDirection::arrRight: return {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}};
    }
    return {};
}

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction)
    : TOverlayWindow(AOwner), dir_(Direction), arrow_(ArrowCorners(Direction))
{
    SetParentColor(false);
    SetColor(clLime);
    SetWindowRegion(TRegion::FromPolygon(arrow_, true));
}

TArrowWindow::~TArrowWindow() = default;

void TArrowWindow::Paint()
{
    TCanvas& C = Canvas();
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color());
    C.FillRect(ClientRect());
}
