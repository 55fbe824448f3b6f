// TScrollBar: hit testing, tracking with auto-repeat, the scroll messages,
// painting.
#include <algorithm>

#include "platform/gui/input_state.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/timers.h"

namespace {

// Auto-repeat of a pressed arrow or page: a tick every 100 ms, the first
// repeat at the fourth.
constexpr unsigned RepeatInterval = 100;
constexpr int RepeatDelayTicks = 4;

int ScrollRange(const TScrollInfo& I) { return I.Max - I.Min - std::max(I.Page - 1, 0); }

}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(TControlStyle{csOpaque});
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
}

TScrollBar::~TScrollBar() { StopTracking(); }

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (kind_ == Value)
        return;
    kind_ = Value;
    // The bar turns round.
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

int TScrollBar::MaxPos() const { return info_.Min + std::max(0, ScrollRange(info_)); }

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    AMax = std::max(AMax, AMin);
    const bool rangeChanged = AMin != info_.Min || AMax != info_.Max;
    info_.Min = AMin;
    info_.Max = AMax;
    const int pos = std::clamp(APosition, info_.Min, MaxPos());
    const bool changed = pos != info_.Pos;
    info_.Pos = pos;
    if (changed || rangeChanged)
        Invalidate();
    if (changed)
        Change();
}

void TScrollBar::SetPageSize(int Value)
{
    Value = std::max(0, Value);
    if (Value == info_.Page)
        return;
    info_.Page = Value;
    SetParams(info_.Pos, info_.Min, info_.Max);
    Invalidate();
}

void TScrollBar::SetScrollInfo(const TScrollInfo& Info)
{
    info_ = Info;
    info_.Max = std::max(info_.Max, info_.Min);
    info_.Page = std::max(0, info_.Page);
    info_.Pos = std::clamp(info_.Pos, info_.Min, MaxPos());
    Invalidate();
}

void TScrollBar::SetLook(TScrollBarLook Value)
{
    if (Value == look_)
        return;
    look_ = Value;
    hot_ = TPart::None;
    Invalidate();
}

void TScrollBar::SetTrackColor(TColor Value)
{
    if (Value == trackColor_)
        return;
    trackColor_ = Value;
    Invalidate();
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos)
{
    if (OnScroll)
        OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

// ---- geometry -----------------------------------------------------------------------------------

int TScrollBar::Length() const { return kind_ == sbVertical ? Height() : Width(); }

int TScrollBar::Thickness() const { return kind_ == sbVertical ? Width() : Height(); }

int TScrollBar::Along(TPoint P) const { return kind_ == sbVertical ? P.Y : P.X; }

void TScrollBar::Geometry(int& ArrowSize, int& ThumbStart, int& ThumbSize, int UsePos) const
{
    const int length = Length(), thick = Thickness();
    ArrowSize = std::min(thick, length / 2);
    const int track = length - 2 * ArrowSize;
    const int range = ScrollRange(info_);
    ThumbStart = ArrowSize;
    ThumbSize = 0;
    if (!Enabled() || range <= 0 || track < 8)
        return;
    ThumbSize = info_.Page > 0 ? std::max(8, MulDiv(track, info_.Page, info_.Max - info_.Min + 1)) : thick;
    ThumbSize = std::min(ThumbSize, track);
    ThumbStart = ArrowSize + MulDiv(std::clamp(UsePos - info_.Min, 0, range), track - ThumbSize, range);
}

TScrollBar::TPart TScrollBar::HitTest(TPoint P, int* ThumbStart) const
{
    if (!ClientRect().Contains(P))
        return TPart::None;
    int arrow = 0, start = 0, size = 0;
    Geometry(arrow, start, size, info_.Pos);
    if (ThumbStart)
        *ThumbStart = start;
    const int along = Along(P);
    if (along < arrow)
        return TPart::LineUp;
    if (along >= Length() - arrow)
        return TPart::LineDown;
    if (size == 0)
        return TPart::None;
    if (along < start)
        return TPart::PageUp;
    if (along < start + size)
        return TPart::Thumb;
    return TPart::PageDown;
}

int TScrollBar::PosFromPixel(int Pixel) const
{
    int arrow = 0, start = 0, size = 0;
    Geometry(arrow, start, size, info_.Pos);
    const int free = Length() - 2 * arrow - size;
    const int range = ScrollRange(info_);
    if (free <= 0 || range <= 0)
        return info_.Min;
    return info_.Min + MulDiv(std::clamp(Pixel - arrow, 0, free), range, free);
}

// ---- the mouse ----------------------------------------------------------------------------------

void TScrollBar::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A second press in quick succession is one more press.
        ButtonDown(Message.Pos());
        return;
    case WM_MOUSEMOVE:
        if (Tracking()) {
            MouseMoved(Message.Pos());
            return;
        }
        if (look_ == slEncarta)
            SetHot(Enabled() ? HitTest(Message.Pos()) : TPart::None);
        break;
    case CM_MOUSELEAVE:
        SetHot(TPart::None);
        break;
    case WM_LBUTTONUP:
        if (Tracking()) {
            ButtonUp();
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse: the tracking ends without messages.
        if (Tracking() && GetCaptureControl() != this)
            StopTracking();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: DoScroll(Message); break;
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TScrollBar::WMCancelMode(TMessage& Message)
{
    const bool was = Tracking();
    StopTracking();
    if (MouseCapture())
        SetMouseCapture(false);
    if (was)
        Send(SB_ENDSCROLL, 0);
    TCustomControl::WMCancelMode(Message);
}

void TScrollBar::SetHot(TPart Value)
{
    // Only the arrows and the thumb rise.
    if (Value == TPart::PageUp || Value == TPart::PageDown)
        Value = TPart::None;
    if (Value == hot_)
        return;
    hot_ = Value;
    Invalidate();
}

void TScrollBar::ButtonDown(TPoint P)
{
    if (!Enabled())
        return;
    int thumbStart = 0;
    const TPart part = HitTest(P, &thumbStart);
    if (part == TPart::None)
        return;
    StopTracking();
    part_ = part;
    SetMouseCapture(true);
    if (part == TPart::Thumb) {
        grabOffset_ = Along(P) - thumbStart;
        info_.TrackPos = info_.Pos;
    } else {
        TWeakRef<TScrollBar> self(this);
        const int code = part == TPart::LineUp     ? SB_LINEUP
                         : part == TPart::LineDown ? SB_LINEDOWN
                         : part == TPart::PageUp   ? SB_PAGEUP
                                                   : SB_PAGEDOWN;
        Send(code, 0);
        if (!self || part_ == TPart::None)
            return;
        repeat_ = TTimerService::Instance().Start(RepeatInterval, [self] {
            if (TScrollBar* b = self.Get())
                b->Repeat();
        });
    }
    Invalidate();
}

void TScrollBar::Repeat()
{
    if (part_ == TPart::None || part_ == TPart::Thumb)
        return;
    if (++ticks_ < RepeatDelayTicks)
        return;
    // A page repeats only while the thumb has not reached the pointer.
    if (HitTest(ScreenToClient(GetCursorPos())) == part_) {
        const int code = part_ == TPart::LineUp     ? SB_LINEUP
                         : part_ == TPart::LineDown ? SB_LINEDOWN
                         : part_ == TPart::PageUp   ? SB_PAGEUP
                                                    : SB_PAGEDOWN;
        TWeakRef<TScrollBar> self(this);
        Send(code, 0);
        if (!self)
            return;
    }
    Invalidate();
}

void TScrollBar::MouseMoved(TPoint P)
{
    if (part_ != TPart::Thumb)
        return;
    const int pos = PosFromPixel(Along(P) - grabOffset_);
    if (pos == info_.TrackPos)
        return;
    info_.TrackPos = pos;
    Invalidate();
    Send(SB_THUMBTRACK, pos);
}

void TScrollBar::ButtonUp()
{
    const TPart part = part_;
    if (repeat_)
        TTimerService::Instance().Stop(repeat_);
    repeat_ = 0;
    TWeakRef<TScrollBar> self(this);
    if (part == TPart::Thumb)
        Send(SB_THUMBPOSITION, info_.TrackPos);
    if (!self)
        return;
    part_ = TPart::None;
    ticks_ = 0;
    SetMouseCapture(false);
    Send(SB_ENDSCROLL, 0);
    if (self)
        Invalidate();
}

void TScrollBar::StopTracking()
{
    if (repeat_)
        TTimerService::Instance().Stop(repeat_);
    repeat_ = 0;
    ticks_ = 0;
    part_ = TPart::None;
}

// ---- the messages -------------------------------------------------------------------------------

void TScrollBar::Send(int Code, int Pos)
{
    const unsigned msg = kind_ == sbVertical ? WM_VSCROLL : WM_HSCROLL;
    const intptr_t wparam = MAKEWPARAM(Code, Pos);
    TWinControl* parent = Parent();
    if (IsNonClient()) {
        // The window's own bar: the window scrolls itself.
        if (parent)
            parent->Perform(msg, wparam, 0);
    } else if (parent) {
        parent->Perform(msg, wparam, intptr_t(Widget()));
    } else {
        Perform(CN_BASE + msg, wparam, intptr_t(Widget()));
    }
}

void TScrollBar::DoScroll(TMessage& Message)
{
    const int code = Message.WParamLo();
    // The thumb's position is the bar's own (the message carries 16 bits).
    const int thumb = Tracking() || code == SB_THUMBPOSITION ? info_.TrackPos : int(Message.WParamHi());
    TScrollCode sc;
    int pos = info_.Pos;
    switch (code) {
    case SB_LINEUP: sc = scLineUp; pos -= smallChange_; break;
    case SB_LINEDOWN: sc = scLineDown; pos += smallChange_; break;
    case SB_PAGEUP: sc = scPageUp; pos -= largeChange_; break;
    case SB_PAGEDOWN: sc = scPageDown; pos += largeChange_; break;
    case SB_THUMBPOSITION: sc = scPosition; pos = thumb; break;
    case SB_THUMBTRACK: sc = scTrack; pos = thumb; break;
    case SB_TOP: sc = scTop; pos = info_.Min; break;
    case SB_BOTTOM: sc = scBottom; pos = info_.Max; break;
    case SB_ENDSCROLL: sc = scEndScroll; break;
    default: return;
    }
    TWeakRef<TScrollBar> self(this);
    Scroll(sc, pos);
    if (self)
        SetPosition(pos);
}

// ---- painting -----------------------------------------------------------------------------------

void TScrollBar::PaintArrow(const TRect& R, bool First, unsigned State)
{
    const bool vert = kind_ == sbVertical;
    const unsigned dir = First ? (vert ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) : (vert ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT);
    const TPart part = First ? TPart::LineUp : TPart::LineDown;
    if (part_ == part)
        State |= DFCS_PUSHED;
    // Flat looks: a flat button, unless it is the hot one of slEncarta.
    else if (look_ == slFlat || (look_ == slEncarta && hot_ != part))
        State |= DFCS_FLAT;
    DrawFrameControl(Canvas(), R, DFC_SCROLL, dir | State);
}

void TScrollBar::Paint()
{
    TCanvas& c = Canvas();
    const bool vert = kind_ == sbVertical;
    int arrow = 0, start = 0, size = 0;
    Geometry(arrow, start, size, part_ == TPart::Thumb ? info_.TrackPos : info_.Pos);
    const int length = Length();
    const TRect r = ClientRect();
    auto part = [&](int From, int To) {
        return vert ? Rect(r.Left, r.Top + From, r.Right, r.Top + To)
                    : Rect(r.Left + From, r.Top, r.Left + To, r.Bottom);
    };
    const bool active = Enabled() && ScrollRange(info_) > 0;
    const unsigned inactive = active ? 0 : DFCS_INACTIVE;
    PaintArrow(part(0, arrow), true, inactive);
    PaintArrow(part(length - arrow, length), false, inactive);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(trackColor_ == clNone ? clScrollBar : trackColor_);
    c.FillRect(part(arrow, length - arrow));
    if (size == 0)
        return;
    c.Brush().SetColor(cl3DDkShadow);
    if (part_ == TPart::PageUp)
        c.FillRect(part(arrow, start));
    if (part_ == TPart::PageDown)
        c.FillRect(part(start + size, length - arrow));
    TRect thumb = part(start, start + size);
    c.Brush().SetColor(clBtnFace);
    c.FillRect(thumb);
    if (look_ == slNormal || (look_ == slEncarta && hot_ == TPart::Thumb && part_ == TPart::None)) {
        DrawEdge(c, thumb, EDGE_RAISED, BF_RECT);
    } else {
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(thumb);
    }
}
