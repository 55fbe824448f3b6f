#include "platform/gui/extctrls.h"

#include <QRegularExpression>
#include <QWidget>

#include <algorithm>

#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"

namespace {

bool isLoading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

void fill(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color);
    C.FillRect(R);
}

}  // namespace

void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width)
{
    auto guard = Canvas.SaveState();
    for (int i = 0; i < Width && !R.IsEmpty(); ++i) {
        fill(Canvas, Rect(R.Left, R.Top, R.Right - 1, R.Top + 1), TopColor);
        fill(Canvas, Rect(R.Left, R.Top, R.Left + 1, R.Bottom - 1), TopColor);
        fill(Canvas, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), BottomColor);
        fill(Canvas, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), BottomColor);
        InflateRect(R, -1, -1);
    }
}

// ---- TPanel -----------------------------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 41);
}

void TPanel::Changed()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut Value)
{
    if (bevelOuter_ != Value) {
        bevelOuter_ = Value;
        Changed();
    }
}

void TPanel::SetBevelInner(TBevelCut Value)
{
    if (bevelInner_ != Value) {
        bevelInner_ = Value;
        Changed();
    }
}

void TPanel::SetBevelWidth(int Value)
{
    Value = std::max(1, Value);
    if (bevelWidth_ != Value) {
        bevelWidth_ = Value;
        Changed();
    }
}

void TPanel::SetBorderWidth(int Value)
{
    Value = std::max(0, Value);
    if (borderWidth_ != Value) {
        borderWidth_ = Value;
        Changed();
    }
}

void TPanel::SetBorderStyle(TBorderStyle Value)
{
    Value = Value == bsNone ? bsNone : bsSingle;
    if (borderStyle_ != Value) {
        borderStyle_ = Value;
        Changed();
    }
}

void TPanel::SetAlignment(TAlignment Value)
{
    if (alignment_ != Value) {
        alignment_ = Value;
        Invalidate();
    }
}

void TPanel::SetVerticalAlignment(TVerticalAlignment Value)
{
    if (verticalAlignment_ != Value) {
        verticalAlignment_ = Value;
        Invalidate();
    }
}

void TPanel::SetShowCaption(bool Value)
{
    if (showCaption_ != Value) {
        showCaption_ = Value;
        Invalidate();
    }
}

void TPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    int size = borderWidth_ + (borderStyle_ == bsSingle ? 1 : 0);
    if (bevelOuter_ != bvNone)
        size += bevelWidth_;
    if (bevelInner_ != bvNone)
        size += bevelWidth_;
    InflateRect(Rect, -size, -size);
}

void TPanel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TBevelCut Cut) {
        if (Cut == bvNone)
            return;
        const TColor top = Cut == bvLowered ? clBtnShadow : Cut == bvRaised ? clBtnHighlight : Color();
        const TColor bottom = Cut == bvLowered ? clBtnHighlight : Cut == bvRaised ? clBtnShadow : Color();
        Frame3D(c, r, top, bottom, bevelWidth_);
    };
    if (borderStyle_ == bsSingle)
        Frame3D(c, r, clWindowFrame, clWindowFrame, 1);
    bevel(bevelOuter_);
    Frame3D(c, r, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
    fill(c, r, Color());
    if (!showCaption_ || Caption().isEmpty())
        return;
    unsigned flags = DT_EXPANDTABS | DT_SINGLELINE;
    flags |= alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    flags |= verticalAlignment_ == taVerticalCenter ? DT_VCENTER : verticalAlignment_ == taAlignBottom ? DT_BOTTOM : DT_TOP;
    c.Brush().SetStyle(bsClear);
    c.Font().Assign(Font());
    if (!Enabled())
        c.Font().SetColor(clGrayText);
    c.DrawText(r, Caption(), flags);
}

// ---- TShape -----------------------------------------------------------------------------------

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    pen_.OnChange = [this](TObject*) { Invalidate(); };
    brush_.OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(Left(), Top(), 65, 65);
}

void TShape::SetShape(TShapeType Value)
{
    if (shape_ == Value)
        return;
    shape_ = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& c = Canvas();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    const int pw = pen_.Style() == psClear ? 0 : pen_.Width();
    int x = pw / 2, y = x;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare: c.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(x, y, x + w, y + h, s / 4, s / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

// ---- TImage -----------------------------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
    picture_.OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() { picture_.OnChange = nullptr; }

void TImage::PictureChanged()
{
    if (TGraphic* g = picture_.Graphic(); g && g->Transparent() != transparent_ && transparent_) {
        auto keep = g->OnChange;
        g->OnChange = nullptr;
        g->SetTransparent(true);
        g->OnChange = keep;
    }
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetStretch(bool Value)
{
    if (stretch_ != Value) {
        stretch_ = Value;
        Invalidate();
    }
}

void TImage::SetCenter(bool Value)
{
    if (center_ != Value) {
        center_ = Value;
        Invalidate();
    }
}

void TImage::SetProportional(bool Value)
{
    if (proportional_ != Value) {
        proportional_ = Value;
        Invalidate();
    }
}

void TImage::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    if (TGraphic* g = picture_.Graphic()) {
        auto keep = g->OnChange;
        g->OnChange = nullptr;
        g->SetTransparent(Value);
        g->OnChange = keep;
    }
    Invalidate();
}

void TImage::SetAutoSize(bool Value)
{
    autoSize_ = Value;
    if (Value)
        PictureChanged();
}

TRect TImage::DestRect() const
{
    int w = picture_.Width(), h = picture_.Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            const double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Rect(0, 0, w, h);
    if (center_)
        OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    if (TGraphic* g = picture_.Graphic(); g && !g->Empty())
        Canvas().StretchDraw(DestRect(), *g);
}

// ---- TRadioGroup ------------------------------------------------------------------------------

TRadioGroup::TRadioGroup(TComponent* AOwner) : TGroupBox(AOwner)
{
    items_.OnChange = [this](TControlStrings::TChange, int) { RebuildButtons(); };
}

TRadioGroup::~TRadioGroup() { items_.OnChange = nullptr; }

TRadioButton* TRadioGroup::Buttons(int Index) const
{
    return Index >= 0 && Index < int(buttons_.size()) ? buttons_[size_t(Index)] : nullptr;
}

void TRadioGroup::RebuildButtons()
{
    updating_ = true;
    while (int(buttons_.size()) > items_.Count()) {
        buttons_.back()->Free();
        buttons_.pop_back();
    }
    while (int(buttons_.size()) < items_.Count()) {
        auto* b = new TRadioButton(this);
        b->SetParent(this);
        b->OnClick = [this, b](TObject*) { ButtonClick(b); };
        buttons_.push_back(b);
    }
    for (int i = 0; i < items_.Count(); ++i) {
        buttons_[size_t(i)]->SetCaption(items_[i]);
        buttons_[size_t(i)]->SetEnabled(Enabled());
        buttons_[size_t(i)]->SetTabStop(false);
    }
    if (itemIndex_ >= items_.Count())
        itemIndex_ = -1;
    for (int i = 0; i < int(buttons_.size()); ++i)
        buttons_[size_t(i)]->SetChecked(i == itemIndex_);
    if (itemIndex_ >= 0)
        buttons_[size_t(itemIndex_)]->SetTabStop(true);
    else if (!buttons_.empty())
        buttons_.front()->SetTabStop(true);
    updating_ = false;
    Realign();
}

void TRadioGroup::ButtonClick(TRadioButton* Button)
{
    if (updating_)
        return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), Button);
    if (it == buttons_.end() || !Button->Checked())
        return;
    itemIndex_ = int(it - buttons_.begin());
    for (TRadioButton* b : buttons_)
        b->SetTabStop(b == Button);
    if (!isLoading(this))
        Click();
}

void TRadioGroup::SetItemIndex(int Value)
{
    Value = std::clamp(Value, -1, items_.Count() - 1);
    if (Value == itemIndex_)
        return;
    if (Value < 0) {
        updating_ = true;
        for (TRadioButton* b : buttons_)
            b->SetChecked(false);
        updating_ = false;
        itemIndex_ = -1;
        return;
    }
    buttons_[size_t(Value)]->SetChecked(true);  // ButtonClick: ItemIndex and OnClick
}

void TRadioGroup::SetColumns(int Value)
{
    Value = std::clamp(Value, 1, 16);
    if (columns_ == Value)
        return;
    columns_ = Value;
    Realign();
}

void TRadioGroup::AlignControls(TControl* AControl, TRect& Rect)
{
    TGroupBox::AlignControls(AControl, Rect);
    if (buttons_.empty())
        return;
    TCanvas c;
    c.Font().Assign(Font());
    const int th = c.TextHeight(QStringLiteral("0"));
    const int count = int(buttons_.size());
    const int perCol = (count + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 10) / columns_;
    const int room = Height() - th - 5;
    const int buttonHeight = std::max(1, room / perCol);
    const int topMargin = th + 1 + (room % perCol) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[size_t(i)]->SetBounds((i / perCol) * buttonWidth + 8, (i % perCol) * buttonHeight + topMargin,
                                       buttonWidth, buttonHeight);
}

void TRadioGroup::CMEnabledChanged(TMessage& Message)
{
    TGroupBox::CMEnabledChanged(Message);
    for (TRadioButton* b : buttons_)
        b->SetEnabled(Enabled());
}

void TRadioGroup::CMFontChanged(TMessage& Message)
{
    TGroupBox::CMFontChanged(Message);
    Realign();
}

// ---- TLinkLabel -------------------------------------------------------------------------------

TLinkLabel::TLinkLabel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetBounds(Left(), Top(), 53, 17);
    Layout();
}

std::vector<TLinkLabel::TSegment> TLinkLabel::Parse(const String& Caption)
{
    std::vector<TSegment> out;
    auto addPlain = [&](const String& S) {
        if (S.isEmpty())
            return;
        if (!out.empty() && !out.back().IsLink)
            out.back().Text += S;
        else
            out.push_back({S, false, String(), sltURL, {}});
    };
    static const QRegularExpression open(QStringLiteral("<a(\\s[^>]*)?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression close(QStringLiteral("</a\\s*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attr(QStringLiteral("([A-Za-z]+)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"));
    qsizetype pos = 0;
    while (pos < Caption.size()) {
        const QRegularExpressionMatch m = open.match(Caption, pos);
        if (!m.hasMatch()) {
            addPlain(Caption.mid(pos));
            break;
        }
        const QRegularExpressionMatch e = close.match(Caption, m.capturedEnd());
        if (!e.hasMatch()) {
            addPlain(Caption.mid(pos));
            break;
        }
        addPlain(Caption.mid(pos, m.capturedStart() - pos));
        TSegment link;
        link.IsLink = true;
        link.Text = Caption.mid(m.capturedEnd(), e.capturedStart() - m.capturedEnd());
        String href, id;
        bool hasHref = false;
        auto it = attr.globalMatch(m.captured(1));
        while (it.hasNext()) {
            const QRegularExpressionMatch a = it.next();
            const String value = !a.captured(2).isNull() ? a.captured(2) : !a.captured(3).isNull() ? a.captured(3) : a.captured(4);
            if (a.captured(1).compare(QStringLiteral("href"), Qt::CaseInsensitive) == 0) {
                href = value;
                hasHref = true;
            } else if (a.captured(1).compare(QStringLiteral("id"), Qt::CaseInsensitive) == 0) {
                id = value;
            }
        }
        link.Link = hasHref ? href : id;
        link.LinkType = hasHref ? sltURL : sltID;
        out.push_back(link);
        pos = e.capturedEnd();
    }
    return out;
}

String TLinkLabel::PlainText() const
{
    String s;
    for (const TSegment& seg : segments_)
        s += seg.Text;
    return s;
}

void TLinkLabel::Layout()
{
    segments_ = Parse(Caption());
    TCanvas c;
    c.Font().Assign(Font());
    int total = 0;
    for (const TSegment& s : segments_)
        total += c.TextWidth(s.Text);
    const int h = c.TextHeight(QStringLiteral("Wg"));
    int x = alignment_ == taRightJustify ? Width() - total : alignment_ == taCenter ? (Width() - total) / 2 : 0;
    if (autoSize_)
        x = 0;
    for (TSegment& s : segments_) {
        const int w = c.TextWidth(s.Text);
        s.Bounds = Bounds(x, 0, w, h);
        x += w;
    }
}

void TLinkLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    TCanvas c;
    c.Font().Assign(Font());
    int total = 0;
    for (const TSegment& s : segments_)
        total += c.TextWidth(s.Text);
    const int h = c.TextHeight(QStringLiteral("Wg"));
    SetBounds(Left(), Top(), std::max(total, 1), h);
}

void TLinkLabel::SetAutoSize(bool Value)
{
    if (autoSize_ == Value)
        return;
    autoSize_ = Value;
    Layout();
    AdjustBounds();
    Invalidate();
}

void TLinkLabel::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Layout();
    Invalidate();
}

const TLinkLabel::TSegment* TLinkLabel::LinkAt(TPoint Pos) const
{
    for (const TSegment& s : segments_)
        if (s.IsLink && s.Bounds.Contains(Pos))
            return &s;
    return nullptr;
}

void TLinkLabel::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    c.Brush().SetStyle(bsClear);
    bool firstLink = true;
    for (const TSegment& s : segments_) {
        c.Font().Assign(Font());
        if (s.IsLink) {
            c.Font().SetColor(Enabled() ? clHotLight : clGrayText);
            c.Font().SetStyle(Font().Style() + TFontStyles{fsUnderline});
        } else if (!Enabled()) {
            c.Font().SetColor(clGrayText);
        }
        TRect r = s.Bounds;
        c.DrawText(r, s.Text, DT_SINGLELINE | DT_NOPREFIX);
        if (s.IsLink && firstLink && Focused()) {
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(Color());
            c.DrawFocusRect(s.Bounds);
            c.Brush().SetStyle(bsClear);
        }
        if (s.IsLink)
            firstLink = false;
    }
}

void TLinkLabel::DoOnLinkClick(const String& Link, TSysLinkType LinkType)
{
    if (OnLinkClick)
        OnLinkClick(this, Link, LinkType);
}

void TLinkLabel::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: {
        pressedLink_ = -1;
        if (const TSegment* s = LinkAt(Message.Pos())) {
            pressedLink_ = int(s - segments_.data());
            if (CanFocus() && !Focused()) {
                try {
                    SetFocus();
                } catch (const EInvalidOperation&) {
                }
            }
        }
        break;
    }
    case WM_LBUTTONUP: {
        const TSegment* s = LinkAt(Message.Pos());
        const int pressed = pressedLink_;
        pressedLink_ = -1;
        if (s && int(s - segments_.data()) == pressed) {
            const TSegment copy = *s;
            DoOnLinkClick(copy.Link, copy.LinkType);
            return;
        }
        break;
    }
    case WM_KEYDOWN:
        if (Message.CharCode() == VK_RETURN || Message.CharCode() == VK_SPACE) {
            for (const TSegment& s : segments_)
                if (s.IsLink) {
                    const TSegment copy = s;
                    DoOnLinkClick(copy.Link, copy.LinkType);
                    return;
                }
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TLinkLabel::CMWantSpecialKey(TMessage& Message)
{
    // Enter opens the focused link instead of pressing the default button.
    bool hasLink = false;
    for (const TSegment& s : segments_)
        hasLink = hasLink || s.IsLink;
    Message.Result = hasLink && Message.CharCode() == VK_RETURN ? 1 : 0;
}

void TLinkLabel::WMSetCursor(TMessage& Message)
{
    if (Widget() && Message.WParam == intptr_t(Widget()) && LinkAt(ScreenToClient(GetCursorPos()))) {
        Widget()->setCursor(CursorToQt(crHandPoint));
        Message.Result = 1;
        return;
    }
    TCustomControl::WMSetCursor(Message);
}

void TLinkLabel::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Layout();
    AdjustBounds();
    Layout();
    Invalidate();
}

void TLinkLabel::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    Layout();
    AdjustBounds();
    Layout();
}
