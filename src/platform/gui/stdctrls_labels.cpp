// Labels and group boxes (see stdctrls.h for the event rules they keep).
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

// ---- TLabel -------------------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(Left(), Top(), 65, 17);
    AdjustBounds();
}

unsigned TLabel::TextFlags() const
{
    unsigned f = DT_EXPANDTABS;
    if (wordWrap_)
        f |= DT_WORDBREAK;
    if (!showAccelChar_)
        f |= DT_NOPREFIX;
    switch (alignment_) {
    case taRightJustify: f |= DT_RIGHT; break;
    case taCenter: f |= DT_CENTER; break;
    default: break;
    }
    return f;
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    TCanvas c;
    c.Font().Assign(Font());
    String text = Caption();
    // An empty caption keeps the height of one line.
    if (text.isEmpty() || (showAccelChar_ && text == QStringLiteral("&")))
        text += QLatin1Char(' ');
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    c.DrawText(r, text, (TextFlags() & ~unsigned(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify && !wordWrap_)
        left = Left() + Width() - r.Width();
    else if (alignment_ == taCenter && !wordWrap_)
        left = Left() + (Width() - r.Width()) / 2;
    SetBounds(left, Top(), wordWrap_ ? Width() : r.Width(), r.Height());
}

void TLabel::SetAutoSize(bool Value)
{
    if (autoSize_ == Value)
        return;
    autoSize_ = Value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (layout_ == Value)
        return;
    layout_ = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    if (wordWrap_ == Value)
        return;
    wordWrap_ = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    if (showAccelChar_ == Value)
        return;
    showAccelChar_ = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint()
{
    TCanvas& c = Canvas();
    const TRect cr = ClientRect();
    if (!transparent_) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(cr);
    }
    c.Brush().SetStyle(bsClear);
    TRect r = cr;
    if (layout_ != tlTop) {
        TRect m = cr;
        c.DrawText(m, Caption().isEmpty() ? QStringLiteral(" ") : Caption(), TextFlags() | DT_CALCRECT);
        const int h = m.Height();
        r.Top = layout_ == tlCenter ? cr.Top + (cr.Height() - h) / 2 : cr.Bottom - h;
    }
    if (!Enabled()) {
        TRect shadow = r;
        OffsetRect(shadow, 1, 1);
        c.Font().SetColor(clBtnHighlight);
        c.DrawText(shadow, Caption(), TextFlags());
        c.Font().SetColor(clBtnShadow);
    }
    c.DrawText(r, Caption(), TextFlags());
}

void TLabel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && showAccelChar_) {
        TWinControl* target = focusControl_.Get();
        if (target && Enabled() && IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && target->CanFocus()) {
            target->SetFocus();
            Message.Result = 1;
            return;
        }
    }
    TGraphicControl::Dispatch(Message);
}

void TLabel::CMTextChanged(TMessage& Message)
{
    TGraphicControl::CMTextChanged(Message);
    AdjustBounds();
    Invalidate();
}

void TLabel::CMFontChanged(TMessage& Message)
{
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}

// ---- TGroupBox ----------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetBounds(Left(), Top(), 185, 105);
}

void TGroupBox::Paint()
{
    TCanvas& c = Canvas();
    const int th = c.TextHeight(QStringLiteral("0"));
    TRect r = Rect(0, th / 2 - 1, Width(), Height());
    DrawEdge(c, r, EDGE_ETCHED, BF_RECT);
    if (Caption().isEmpty())
        return;
    TRect t = Rect(0, 0, 0, th);
    c.DrawText(t, Caption(), DT_SINGLELINE | DT_CALCRECT);
    t = Bounds(8, 0, t.Width() + 2, th);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(t);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    TRect tt = t;
    tt.Left += 1;
    c.DrawText(tt, Caption(), DT_SINGLELINE);
}

void TGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    TCanvas c;
    c.Font().Assign(Font());
    Rect.Top += c.TextHeight(QStringLiteral("0"));
    InflateRect(Rect, -2, -2);
}

void TGroupBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SelectFirst();
        if (TCustomForm* f = GetParentForm(this); f && f->ActiveControl() && ContainsControl(f->ActiveControl()))
            f->ActiveControl()->SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TGroupBox::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Realign();
}
