#include "platform/gui/trackbar.h"

#include <algorithm>

#include "platform/gui/canvas.h"
#include "platform/gui/messages.h"

namespace {

constexpr int kThumbLength = 11;  // along the channel
constexpr int kThumbDepth = 21;   // across it
constexpr int kMargin = 8;        // from the ends to the channel

}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetMin(int Value)
{
    if (Value == min_ || Value > max_)
        return;
    min_ = Value;
    if (position_ < min_)
        SetPosition(min_);
    Invalidate();
}

void TTrackBar::SetMax(int Value)
{
    if (Value == max_ || Value < min_)
        return;
    max_ = Value;
    if (position_ > max_)
        SetPosition(max_);
    Invalidate();
}

void TTrackBar::SetPosition(int Value)
{
    Value = std::clamp(Value, min_, max_);
    if (Value == position_)
        return;
    position_ = Value;
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TTrackBar::SetFrequency(int Value)
{
    if (Value == frequency_)
        return;
    frequency_ = Value;
    Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (Value == orientation_)
        return;
    orientation_ = Value;
    Invalidate();
}

int TTrackBar::first() const { return kMargin + kThumbLength / 2; }

int TTrackBar::last() const
{
    const int length = orientation_ == trHorizontal ? Width() : Height();
    return std::max(first(), length - kMargin - kThumbLength / 2 - 1);
}

int TTrackBar::offsetOf(int Position) const
{
    if (max_ == min_)
        return first();
    return first() + int((int64_t(Position) - min_) * (last() - first()) / (int64_t(max_) - min_));
}

TRect TTrackBar::ChannelRect() const
{
    if (orientation_ == trHorizontal)
        return TRect{kMargin, kMargin, Width() - kMargin, kMargin + 4};
    return TRect{kMargin, kMargin, kMargin + 4, Height() - kMargin};
}

TRect TTrackBar::ThumbRect() const
{
    const int c = offsetOf(position_);
    if (orientation_ == trHorizontal)
        return TRect{c - kThumbLength / 2, kMargin / 2, c - kThumbLength / 2 + kThumbLength, kMargin / 2 + kThumbDepth};
    return TRect{kMargin / 2, c - kThumbLength / 2, kMargin / 2 + kThumbDepth, c - kThumbLength / 2 + kThumbLength};
}

int TTrackBar::PositionAt(TPoint P) const
{
    if (max_ == min_ || last() == first())
        return min_;
    const int64_t span = int64_t(max_) - min_, pixels = last() - first();
    const int64_t d = std::clamp<int64_t>(along(P) - first(), 0, pixels);
    return int(min_ + (d * span + pixels / 2) / pixels);
}

void TTrackBar::Paint()
{
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    TRect ch = ChannelRect();
    DrawEdge(c, ch, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    // Tick marks every Frequency positions, Min and Max always.
    c.Pen().SetColor(clBlack);
    c.Pen().SetWidth(1);
    const int base = kMargin / 2 + kThumbDepth + 2;
    auto tick = [&](int Position, int Length) {
        const int o = offsetOf(Position);
        if (orientation_ == trHorizontal) {
            c.MoveTo(o, base);
            c.LineTo(o, base + Length);
        } else {
            c.MoveTo(base, o);
            c.LineTo(base + Length, o);
        }
    };
    if (frequency_ > 0)
        for (int64_t p = min_; p <= max_; p += frequency_)
            tick(int(p), 3);
    tick(min_, 4);
    tick(max_, 4);
    TRect t = ThumbRect();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(t);
    DrawEdge(c, t, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        TRect f = ClientRect();
        c.DrawFocusRect(f);
    }
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    const TPoint p{X, Y};
    if (ThumbRect().Contains(p)) {
        dragging_ = true;
        return;
    }
    const int page = std::max(1, pageSize_);
    SetPosition(along(p) < offsetOf(position_) ? position_ - page : position_ + page);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (dragging_)
        SetPosition(PositionAt(TPoint{X, Y}));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (dragging_ && Button == mbLeft) {
        dragging_ = false;
        SetPosition(PositionAt(TPoint{X, Y}));
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP: SetPosition(position_ - lineSize_); break;
    case VK_RIGHT:
    case VK_DOWN: SetPosition(position_ + lineSize_); break;
    case VK_PRIOR: SetPosition(position_ - pageSize_); break;
    case VK_NEXT: SetPosition(position_ + pageSize_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_END: SetPosition(max_); break;
    default: return;
    }
}

void TTrackBar::WMGetDlgCode(TMessage& Message)
{
    TCustomControl::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTARROWS;
}
