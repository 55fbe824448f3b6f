#include "platform/gui/buttons.h"

#include <QImage>

#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    SetBounds(0, 0, 23, 22);
    SetParentFont(true);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* Value)
{
    if (Value && Value->Width() > 0 && Value->Height() > 0) {
        if (Value != glyph_.get())
            glyph_->Assign(*Value);
        const int w = glyph_->Width(), h = glyph_->Height();
        if (w % h == 0 && w / h >= 1 && w / h <= 4)
            numGlyphs_ = w / h;
    } else {
        glyph_->SetSize(0, 0);
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value)
{
    if (Value < 1 || Value > 4 || Value == numGlyphs_)
        return;
    numGlyphs_ = Value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool Value)
{
    if (Value == flat_)
        return;
    flat_ = Value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    if (Value == layout_)
        return;
    layout_ = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value)
{
    if (Value == margin_ || Value < -1)
        return;
    margin_ = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value)
{
    if (Value == spacing_)
        return;
    spacing_ = Value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value)
{
    if (Value == groupIndex_)
        return;
    groupIndex_ = Value;
    UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (Value == allowAllUp_)
        return;
    allowAllUp_ = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = Value;
    state_ = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value)
        UpdateExclusive();
}

// Tells the other buttons of the group (same parent, same GroupIndex) that
// this one is down, or that AllowAllUp changed.
void TSpeedButton::UpdateExclusive()
{
    if (groupIndex_ == 0 || !Parent())
        return;
    const int n = Parent()->ControlCount();
    for (int i = 0; i < n; ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); b && b != this)
            b->ButtonPressed(this);
}

void TSpeedButton::ButtonPressed(TSpeedButton* Sender)
{
    if (Sender->groupIndex_ != groupIndex_)
        return;
    if (Sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = Sender->allowAllUp_;
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

TButtonState TSpeedButton::PaintState() const
{
    if (!Enabled())
        return bsDisabled;
    if (state_ == bsDisabled)
        return down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    return state_;
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    TButtonState next = down_ ? bsExclusive : bsUp;
    if (ClientRect().Contains(Point(X, Y)))
        next = down_ ? bsExclusive : bsDown;
    if (next != state_) {
        state_ = next;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TSpeedButton> self(this);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!self || Button != mbLeft || !dragging_)
        return;
    dragging_ = false;
    const bool doClick = ClientRect().Contains(Point(X, Y));
    if (groupIndex_ == 0) {
        state_ = bsUp;
        Invalidate();
    } else if (doClick) {
        SetDown(!down_);
        if (!down_)
            state_ = bsUp;
        Invalidate();
    } else {
        if (down_)
            state_ = bsExclusive;
        Invalidate();
    }
    if (doClick)
        Click();
}

void TSpeedButton::WMCancelMode(TMessage& Message)
{
    TGraphicControl::WMCancelMode(Message);
    if (dragging_) {
        dragging_ = false;
        state_ = down_ ? bsExclusive : bsUp;
        Invalidate();
    }
}

void TSpeedButton::CMMouseEnter(TMessage& Message)
{
    TGraphicControl::CMMouseEnter(Message);
    if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        if (flat_)
            Invalidate();
    }
}

void TSpeedButton::CMMouseLeave(TMessage& Message)
{
    TGraphicControl::CMMouseLeave(Message);
    if (mouseInControl_) {
        mouseInControl_ = false;
        if (flat_)
            Invalidate();
    }
}

void TSpeedButton::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled()) {
        dragging_ = false;
        mouseInControl_ = false;
    }
    TGraphicControl::CMEnabledChanged(Message);
}

QImage TSpeedButton::GlyphImage(TButtonState State) const
{
    if (glyph_->Width() <= 0 || glyph_->Height() <= 0)
        return QImage();
    const int n = std::max(1, numGlyphs_);
    const int gw = glyph_->Width() / n, gh = glyph_->Height();
    if (gw <= 0)
        return QImage();
    const QImage& strip = glyph_->Image();
    const QRgb key = strip.pixel(0, gh - 1) & 0xFFFFFF;
    int index = 0;
    bool emboss = false;
    switch (State) {
    case bsUp: index = 0; break;
    case bsDisabled:
        if (n >= 2)
            index = 1;
        else
            emboss = true;
        break;
    case bsDown: index = n >= 3 ? 2 : 0; break;
    case bsExclusive: index = n >= 4 ? 3 : n >= 3 ? 2 : 0; break;
    }
    QImage out(gw, gh, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const QRgb highlight = ToQColor(clBtnHighlight).rgb(), shadow = ToQColor(clBtnShadow).rgb();
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x) {
            const QRgb p = strip.pixel(index * gw + x, y);
            if ((p & 0xFFFFFF) == key)
                continue;
            if (!emboss) {
                out.setPixel(x, y, p | 0xFF000000u);
                continue;
            }
            // The embossed image: the dark pixels of the up image, in the
            // shadow colour with a highlight copy one pixel down and right.
            if (qGray(p) >= 192)
                continue;
            if (x + 1 < gw && y + 1 < gh && qAlpha(out.pixel(x + 1, y + 1)) == 0)
                out.setPixel(x + 1, y + 1, highlight);
            out.setPixel(x, y, shadow);
        }
    return out;
}

void TSpeedButton::DrawGlyphAndCaption(TCanvas& Canvas, const TRect& R, TPoint Offset, TButtonState State)
{
    const QImage image = GlyphImage(State);
    const TPoint glyphSize = Point(image.width(), image.height());
    const String& caption = Caption();
    TRect textBounds = Rect(0, 0, R.Width(), 0);
    if (!caption.isEmpty())
        Canvas.DrawText(textBounds, caption, DT_CALCRECT | DT_SINGLELINE);
    const TPoint textSize = caption.isEmpty() ? Point(0, 0) : Point(textBounds.Width(), textBounds.Height());
    const TPoint client = Point(R.Width(), R.Height());
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int spacing = spacing_, margin = margin_;
    if (textSize.X == 0 || glyphSize.X == 0)
        spacing = 0;
    if (margin == -1) {
        const int total = horizontal ? glyphSize.X + spacing + textSize.X : glyphSize.Y + spacing + textSize.Y;
        margin = ((horizontal ? client.X : client.Y) - total + 1) / 2;
    }
    TPoint glyphPos, textPos;
    PlaceGlyphAndCaption(layout_, client, glyphSize, textSize, margin, spacing, glyphPos, textPos);
    const int dx = R.Left + Offset.X, dy = R.Top + Offset.Y;
    if (!image.isNull())
        Canvas.StretchDrawImage(Bounds(glyphPos.X + dx, glyphPos.Y + dy, image.width(), image.height()), image);
    if (caption.isEmpty())
        return;
    TRect t = Bounds(textPos.X + dx, textPos.Y + dy, textSize.X, textSize.Y);
    Canvas.Brush().SetStyle(bsClear);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (State == bsDisabled) {
        const TColor saved = Canvas.Font().Color();
        TRect shifted = t;
        OffsetRect(shifted, 1, 1);
        Canvas.Font().SetColor(clBtnHighlight);
        Canvas.DrawText(shifted, caption, flags);
        Canvas.Font().SetColor(clBtnShadow);
        Canvas.DrawText(t, caption, flags);
        Canvas.Font().SetColor(saved);
    } else {
        Canvas.DrawText(t, caption, flags);
    }
}

void TSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    const TButtonState state = PaintState();
    const bool down = state == bsDown || state == bsExclusive;
    c.SetFont(Font());
    TRect r = Rect(0, 0, Width(), Height());
    if (!flat_) {
        unsigned flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
        if (down)
            flags |= DFCS_PUSHED;
        DrawFrameControl(c, r, DFC_BUTTON, flags);
        // The inside of the push-button frame.
        InflateRect(r, -2, -2);
    } else {
        if (down || (mouseInControl_ && state != bsDisabled)) {
            TRect e = r;
            DrawEdge(c, e, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, (transparent_ ? 0u : BF_MIDDLE) | BF_RECT);
        } else if (!transparent_) {
            c.Brush().SetColor(Color());
            c.FillRect(r);
        }
        InflateRect(r, -1, -1);
    }
    TPoint offset{0, 0};
    if (down) {
        if (state == bsExclusive && (!flat_ || !mouseInControl_) && r.Width() > 0 && r.Height() > 0) {
            // The dither of the button face and the highlight.
            QImage pattern(r.Width(), r.Height(), QImage::Format_RGB32);
            const QRgb a = ToQColor(clBtnFace).rgb(), b = ToQColor(clBtnHighlight).rgb();
            for (int y = 0; y < pattern.height(); ++y)
                for (int x = 0; x < pattern.width(); ++x)
                    pattern.setPixel(x, y, ((x + r.Left + y + r.Top) & 1) ? b : a);
            c.StretchDrawImage(r, pattern);
        }
        offset = Point(1, 1);
    }
    DrawGlyphAndCaption(c, r, offset, state);
}
