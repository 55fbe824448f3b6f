#include "grid/edit/controls/date_picker.h"

#include <QFontMetrics>

#include "platform/gui/application.h"
#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"
#include "platform/gui/input_state.h"

namespace {

constexpr TColor kThemedBorder = 0xB99D7F;  // red 127, green 157, blue 185

bool MouseButtonDown() { return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0; }

}  // namespace

unsigned DTPShiftFocusMessage()
{
    static const unsigned msg = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return msg;
}

String VersionText(uint32_t Version)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Version >> 24)
        .arg((Version >> 16) & 0xFF)
        .arg((Version >> 8) & 0xFF)
        .arg(Version & 0xFF);
}

// ---- TFlatDateTimePicker -----------------------------------------------------------------------

TFlatDateTimePicker::TFlatDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner)
{
    buttonWidth_ = GetSystemMetrics(SM_CXVSCROLL) + 2;
}

void TFlatDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    if (Value == borderStyle_)
        return;
    borderStyle_ = Value;
    Invalidate();
}

void TFlatDateTimePicker::SetBorderColor(TColor Value)
{
    if (Value == borderColor_)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TFlatDateTimePicker::SetMetroStyle(bool Value)
{
    if (Value == metroStyle_)
        return;
    metroStyle_ = Value;
    Invalidate();
}

void TFlatDateTimePicker::SetCtl3D(bool Value)
{
    if (Value == ctl3D_)
        return;
    ctl3D_ = Value;
    Invalidate();
}

bool TFlatDateTimePicker::VisualStylesActive() const { return Themes().IsActive(); }

bool TFlatDateTimePicker::Hot() const
{
    if (ComponentState().Contains(TComponentStateItem::csDesigning))
        return Enabled();
    return mouseInControl_ || Screen.ActiveControl() == this;
}

TColor TFlatDateTimePicker::ParentBrushColor() const { return Parent() ? Parent()->Color() : clBtnFace; }

void TFlatDateTimePicker::Paint()
{
    TDateTimePicker::Paint();
    // 1. Nothing more with the 3-D edge and no metro mode.
    if (ctl3D_ && !MetroActive())
        return;
    TCanvas& c = Canvas();
    const int W = Width(), H = Height();
    const int clientRight = W - (ctl3D_ ? 4 : 0);
    // 3. Metro mode: the platform's button erased and the flat one drawn.
    if (MetroActive() && Kind() != dtkTime) {
        c.Brush().SetColor(Color());
        if (VisualStylesActive())
            c.FillRect(Rect(clientRight - buttonWidth_ - (IsCustomPicker() ? 4 : 15), 1, W - 1, H - 1));
        else
            c.FillRect(Rect(clientRight - buttonWidth_ - 2, 4, clientRight - 2, H - 4));
        DrawDropButton(c);
    }
    // 4. The frame of a custom picker without the 3-D edge.
    if (IsCustomPicker() && !ctl3D_)
        DrawFlatFrame(c);
    // 5. The borders.
    DrawBorders(c);
}

void TFlatDateTimePicker::DrawFlatFrame(TCanvas& c)
{
    const int W = Width(), H = Height();
    TColor pen = kThemedBorder;
    if (borderStyle_ == bsNone && Parent())
        pen = ParentBrushColor();
    c.Pen().SetColor(pen);
    c.Polyline({Point(0, H), Point(0, 0), Point(W - 1, 0), Point(W - 1, H - 1), Point(0, H - 1)});
    if (!VisualStylesActive())
        c.Polyline({Point(1, H), Point(1, 1), Point(W - 2, 1), Point(W - 2, H - 2), Point(0, H - 2)});
}

void TFlatDateTimePicker::DrawDropButton(TCanvas& c)
{
    const int clientWidth = Width() - (ctl3D_ ? 4 : 0);
    TRect r = Rect(clientWidth - buttonWidth_ + 2, 0, Width(), Height());
    InflateRect(r, -1, -1);
    const bool down = MouseButtonDown();
    if (ButtonColor != clNone) {
        const TColor brush = buttonHover_ ? (down ? ButtonColorDown : ButtonColorHot) : ButtonColor;
        c.Brush().SetColor(brush);
        c.Pen().SetColor(brush);
        c.FillRect(Rect(r.Left + 2, r.Top, r.Right, r.Bottom));
        c.Pen().SetColor(ButtonBorderColor);
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Left, r.Bottom);
        const TColor text = down ? ButtonTextColorDown : ButtonTextColor;
        c.Brush().SetColor(text);
        c.Pen().SetColor(text);
        c.Polygon({Point(r.Left + 5, r.Top + 7), Point(r.Left + 11, r.Top + 7), Point(r.Left + 8, r.Top + 10)});
    } else if (VisualStylesActive()) {
        int state = CBXS_NORMAL;
        if (!Enabled())
            state = CBXS_DISABLED;
        else if (down && DroppedDown())
            state = CBXS_PRESSED;
        else if (!down && buttonHover_ && !DroppedDown())
            state = CBXS_HOT;
        Themes().DrawPart(c, QStringLiteral("combobox"), CP_DROPDOWNBUTTON, state, r);
    } else {
        DrawFrameControl(c, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

void TFlatDateTimePicker::DrawBorders(TCanvas& c)
{
    if (IsCustomPicker() && IsEmbedded())
        return;
    if (!MetroActive())
        return;
    if (Enabled() && borderColor_ == clNone)
        return;
    TRect r = Rect(0, 0, Width(), Height());
    c.Brush().SetStyle(bsSolid);
    if (!Enabled()) {
        // Themed: the disabled frame; otherwise the parent's colour.
        c.Brush().SetColor(VisualStylesActive() ? kThemedBorder : ParentBrushColor());
        c.FrameRect(r);
    } else {
        c.Brush().SetColor(borderColor_);
        c.FrameRect(r);
        // The rest of the 3-D edge takes the field's colour: one flat line.
        InflateRect(r, -1, -1);
        c.Brush().SetColor(Color());
        c.FrameRect(r);
    }
    if (!VisualStylesActive()) {
        // The button frame: raised while hot, else the button face.
        const int clientWidth = Width() - (ctl3D_ ? 4 : 0);
        TRect b = Rect(clientWidth - buttonWidth_ - 2, 0, Width(), Height());
        InflateRect(b, -2, -2);
        if (Hot()) {
            DrawEdge(c, b, BDR_RAISEDINNER, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
        } else {
            c.Brush().SetColor(clBtnFace);
            c.FrameRect(Rect(b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1));
        }
    }
}

void TFlatDateTimePicker::MouseMove(TShiftState Shift, int X, int Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool hover = Width() - buttonWidth_ < X && X < Width();
    if (hover != buttonHover_) {
        buttonHover_ = hover;
        Invalidate();
    }
}

void TFlatDateTimePicker::CMMouseEnter(TMessage& Message)
{
    TDateTimePicker::CMMouseEnter(Message);
    if (ComponentState().Contains(TComponentStateItem::csDesigning) && !IsCustomPicker())
        return;
    if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        Invalidate();
    }
}

void TFlatDateTimePicker::CMMouseLeave(TMessage& Message)
{
    TDateTimePicker::CMMouseLeave(Message);
    if (ComponentState().Contains(TComponentStateItem::csDesigning) && !IsCustomPicker())
        return;
    if (mouseInControl_ && Enabled())
        mouseInControl_ = false;
    buttonHover_ = false;
    Invalidate();
}

void TFlatDateTimePicker::DoEnter()
{
    hasFocus_ = true;
    TDateTimePicker::DoEnter();
}

void TFlatDateTimePicker::DoExit()
{
    hasFocus_ = false;
    TDateTimePicker::DoExit();
}

// ---- TVsgDateTimePicker ------------------------------------------------------------------------

TVsgDateTimePicker::TVsgDateTimePicker(TComponent* AOwner) : TFlatDateTimePicker(AOwner) { SetCtl3D(true); }

bool TVsgDateTimePicker::MetroActive() const
{
    return MetroStyle() && !ComponentState().Contains(TComponentStateItem::csDesigning);
}

// ---- TCustomDateTimePicker ---------------------------------------------------------------------

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TFlatDateTimePicker(AOwner)
{
    SetCtl3D(false);
    DTPShiftFocusMessage();
}

bool TCustomDateTimePicker::MetroActive() const { return MetroStyle() && !IsEmbeddedPicker(); }

TSize TCustomDateTimePicker::TextSize(const String& Text, const TFont& Font) const
{
    const QFontMetrics fm(Font.ToQFont());
    const QRect r = fm.boundingRect(QRect(0, 0, 1000, 200), Qt::AlignLeft | Qt::TextSingleLine, Text);
    return {r.width(), r.height()};
}

void TCustomDateTimePicker::KeyPress(QChar& Key)
{
    if (!autoTab_ || Key < u'0' || Key > u'9') {
        TFlatDateTimePicker::KeyPress(Key);
        return;
    }
    if (Kind() == dtkTime) {
        int h = 0, m = 0, s = 0, ms = 0;
        DecodeTime(DateTime(), h, m, s, ms);
        Fh = uint16_t(h), Fm = uint16_t(m), Fs = uint16_t(s), Fms = uint16_t(ms);
    }
    TWeakRef<TCustomDateTimePicker> self(this);
    TFlatDateTimePicker::KeyPress(Key);
    if (self)
        PostMessage(this, DTPShiftFocusMessage());
}

void TCustomDateTimePicker::WndProc(TMessage& Message)
{
    if ((Message.Msg & 0xFFFF) == (DTPShiftFocusMessage() & 0xFFFF)) {
        ShiftFocusAfterDigit();
        return;
    }
    TFlatDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::ShiftFocusAfterDigit()
{
    if (Kind() != dtkTime)
        return;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(DateTime(), h, m, s, ms);
    if (h != Fh || m != Fm || s != Fs)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}
