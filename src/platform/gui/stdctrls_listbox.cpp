// The list box (see stdctrls.h for the event rules they keep).
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

// ---- TListBox -----------------------------------------------------------------------------------

TListBox::TListBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetTabStop(true);
    SetColor(clWindow);
    items_.OnChange = [this](TControlStrings::TChange C, int I) { ItemsChanged(C, I); };
    bar_ = new QScrollBar(Qt::Vertical, Widget());
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->hide();
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int V) { SetTopIndex(V); });
    SetBounds(Left(), Top(), 121, 97);
}

TListBox::~TListBox()
{
    items_.OnChange = nullptr;
    if (bar_)
        bar_->blockSignals(true);
}

int TListBox::ItemHeight() const
{
    if (itemHeight_ > 0)
        return itemHeight_;
    TCanvas c;
    c.Font().Assign(Font());
    return std::max(1, c.TextHeight(QStringLiteral("Wg")));
}

void TListBox::SetItemHeight(int Value)
{
    itemHeight_ = std::max(0, Value);
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetBorderStyle(TBorderStyle Value)
{
    borderStyle_ = Value == bsNone ? bsNone : bsSingle;
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetStyle(TListBoxStyle Value)
{
    style_ = Value;
    Invalidate();
}

TRect TListBox::InnerRect() const
{
    TRect r = ClientRect();
    if (borderStyle_ == bsSingle)
        InflateRect(r, -2, -2);
    if (bar_ && !bar_->isHidden())
        r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    return r;
}

int TListBox::VisibleCount() const
{
    TRect r = ClientRect();
    if (borderStyle_ == bsSingle)
        InflateRect(r, -2, -2);
    return std::max(1, r.Height() / ItemHeight());
}

TRect TListBox::ItemRect(int Index) const
{
    const TRect r = InnerRect();
    const int top = r.Top + (Index - topIndex_) * ItemHeight();
    return Rect(r.Left, top, r.Right, top + ItemHeight());
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    const TRect r = InnerRect();
    if (Pos.X < r.Left || Pos.X >= r.Right)
        return -1;
    const int i = topIndex_ + (Pos.Y - r.Top) / ItemHeight() - (Pos.Y < r.Top ? 1 : 0);
    if (i < 0 || i >= items_.Count())
        return Existing ? -1 : std::clamp(i, 0, std::max(0, items_.Count() - 1));
    return i;
}

void TListBox::SetTopIndex(int Value)
{
    Value = std::clamp(Value, 0, std::max(0, items_.Count() - VisibleCount()));
    if (Value == topIndex_)
        return;
    topIndex_ = Value;
    if (bar_) {
        const QSignalBlocker block(bar_);
        bar_->setValue(Value);
    }
    Invalidate();
}

void TListBox::MakeVisible(int Index)
{
    if (Index < 0)
        return;
    if (Index < topIndex_)
        SetTopIndex(Index);
    else if (Index >= topIndex_ + VisibleCount())
        SetTopIndex(Index - VisibleCount() + 1);
}

void TListBox::UpdateScrollBar()
{
    if (!bar_)
        return;
    const int visible = VisibleCount();
    const bool need = items_.Count() > visible;
    const int bw = borderStyle_ == bsSingle ? 2 : 0;
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    {
        const QSignalBlocker block(bar_);
        bar_->setRange(0, std::max(0, items_.Count() - visible));
        bar_->setPageStep(visible);
        bar_->setSingleStep(1);
        bar_->setValue(topIndex_);
    }
    bar_->setGeometry(Width() - bw - sw, bw, sw, std::max(0, Height() - 2 * bw));
    bar_->setVisible(need);
    if (!need)
        SetTopIndex(0);
    else
        SetTopIndex(topIndex_);
}

void TListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= items_.Count())
        Value = -1;
    if (Value == itemIndex_)
        return;
    itemIndex_ = Value;
    MakeVisible(Value);
    Invalidate();
}

void TListBox::UserChoose(int Index, bool Notify)
{
    if (items_.Count() == 0)
        return;
    Index = std::clamp(Index, 0, items_.Count() - 1);
    const bool changed = Index != itemIndex_;
    SetItemIndex(Index);
    if (changed && Notify)
        Click();
}

void TListBox::ItemsChanged(TControlStrings::TChange Change, int Index)
{
    using C = TControlStrings::TChange;
    switch (Change) {
    case C::Inserted:
    case C::Added:
        if (itemIndex_ >= 0 && itemIndex_ >= Index && Change == C::Inserted)
            ++itemIndex_;
        break;
    case C::Deleted:
        if (itemIndex_ == Index)
            itemIndex_ = -1;
        else if (itemIndex_ > Index)
            --itemIndex_;
        break;
    case C::Reset:
        itemIndex_ = -1;
        topIndex_ = 0;
        break;
    default: break;
    }
    UpdateScrollBar();
    Invalidate();
}

void TListBox::Paint()
{
    TCanvas& c = Canvas();
    TRect all = ClientRect();
    if (borderStyle_ == bsSingle) {
        TRect b = all;
        DrawEdge(c, b, EDGE_SUNKEN, BF_RECT);
    }
    const TRect inner = InnerRect();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(inner);
    auto guard = c.SaveState();
    c.IntersectClipRect(inner);
    for (int i = topIndex_; i < items_.Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Top >= inner.Bottom)
            break;
        TOwnerDrawState state;
        if (i == itemIndex_)
            state.Include(odSelected);
        if (i == itemIndex_ && Focused())
            state.Include(odFocused);
        if (!Enabled())
            state.Include(odDisabled);
        c.Font().Assign(Font());
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        DrawItem(i, r, state);
    }
    if (itemIndex_ < 0 && Focused()) {
        TRect f = ItemRect(std::max(topIndex_, 0));
        c.Brush().SetColor(Color());
        c.DrawFocusRect(f);
    }
}

void TListBox::DrawItem(int Index, const TRect& R, TOwnerDrawState State)
{
    TCanvas& c = Canvas();
    if (style_ == lbOwnerDrawFixed && OnDrawItem) {
        if (State.Contains(odSelected)) {
            c.Brush().SetColor(clHighlight);
            c.Font().SetColor(clHighlightText);
        }
        c.FillRect(R);
        OnDrawItem(this, Index, R, State);
    } else {
        if (State.Contains(odSelected)) {
            c.Brush().SetColor(clHighlight);
            c.Font().SetColor(clHighlightText);
        } else if (State.Contains(odDisabled)) {
            c.Font().SetColor(clGrayText);
        }
        c.FillRect(R);
        c.Brush().SetStyle(bsClear);
        TRect t = R;
        t.Left += 2;
        c.DrawText(t, items_[Index], DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        c.Brush().SetStyle(bsSolid);
    }
    if (State.Contains(odFocused)) {
        c.Brush().SetColor(clHighlight);
        c.Font().SetColor(clHighlightText);
        c.DrawFocusRect(R);
    }
}

void TListBox::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        focusOnClick(this);
        const int i = ItemAtPos(Message.Pos());
        tracking_ = Message.Msg == WM_LBUTTONDOWN && i >= 0;
        if (i >= 0)
            SetItemIndex(i);
        if (Message.Msg == WM_LBUTTONDBLCLK && i >= 0)
            DblClick();
        break;
    }
    case WM_MOUSEMOVE:
        if (tracking_ && (Message.Keys() & MK_LBUTTON)) {
            const TRect inner = InnerRect();
            int i = ItemAtPos({inner.Left, Message.YPos()}, false);
            SetItemIndex(std::clamp(i, 0, std::max(0, items_.Count() - 1)));
        }
        break;
    case WM_LBUTTONUP:
        if (tracking_) {
            tracking_ = false;
            if (itemIndex_ >= 0) {
                TWeakRef<TControl> self(this);
                Click();
                if (!self)
                    return;
            }
        }
        break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: tracking_ = false; break;
    case WM_KEYDOWN: {
        const int last = items_.Count() - 1;
        const int page = std::max(1, VisibleCount() - 1);
        switch (Message.CharCode()) {
        case VK_UP: UserChoose(itemIndex_ < 0 ? 0 : itemIndex_ - 1, true); break;
        case VK_DOWN: UserChoose(itemIndex_ + 1, true); break;
        case VK_LEFT: UserChoose(itemIndex_ < 0 ? 0 : itemIndex_ - 1, true); break;
        case VK_RIGHT: UserChoose(itemIndex_ + 1, true); break;
        case VK_HOME: UserChoose(0, true); break;
        case VK_END: UserChoose(last, true); break;
        case VK_PRIOR: UserChoose(itemIndex_ - page, true); break;
        case VK_NEXT: UserChoose(itemIndex_ < 0 ? page : itemIndex_ + page, true); break;
        default: break;
        }
        break;
    }
    case WM_CHAR: {
        const QChar ch(char16_t(Message.CharCode()));
        const int n = items_.Count();
        if (ch.unicode() < 32 || n == 0)
            break;
        for (int k = 1; k <= n; ++k) {
            const int i = (std::max(itemIndex_, -1) + k) % n;
            if (items_[i].startsWith(ch, Qt::CaseInsensitive)) {
                UserChoose(i, true);
                break;
            }
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TListBox::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    UpdateScrollBar();
}

void TListBox::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    UpdateScrollBar();
}

bool TListBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    const int before = topIndex_;
    SetTopIndex(topIndex_ + int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
    return topIndex_ != before;
}

bool TListBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    const int before = topIndex_;
    SetTopIndex(topIndex_ - int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
    return topIndex_ != before;
}
