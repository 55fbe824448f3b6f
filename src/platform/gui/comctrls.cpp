#include "platform/gui/comctrls.h"

#include <algorithm>

#include "platform/gui/input_state.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/timers.h"

namespace {

bool isLoading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

void fillRect(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color);
    C.FillRect(R);
}

}  // namespace

// ---- TTabSheet ----------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    TCustomControl::SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_)
        pageControl_->RemovePage(this);
}

void TTabSheet::BeforeDestruction()
{
    if (pageControl_ && !ComponentState().Contains(TComponentStateItem::csDestroying))
        pageControl_->RemovePage(this);
    TCustomControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* Value)
{
    if (pageControl_ == Value)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    TCustomControl::SetParent(Value);
    if (Value)
        Value->InsertPage(this);
}

void TTabSheet::SetParent(TWinControl* AParent)
{
    if (auto* pc = dynamic_cast<TPageControl*>(AParent)) {
        SetPageControl(pc);
        return;
    }
    if (pageControl_)
        pageControl_->RemovePage(this);
    TCustomControl::SetParent(AParent);
}

void TTabSheet::SetTabVisible(bool Value)
{
    if (tabVisible_ == Value)
        return;
    tabVisible_ = Value;
    if (pageControl_)
        pageControl_->Invalidate();
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto& p = pageControl_->pages_;
    return int(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetPageIndex(int Value)
{
    if (!pageControl_)
        return;
    auto& p = pageControl_->pages_;
    const int cur = PageIndex();
    Value = std::clamp(Value, 0, int(p.size()) - 1);
    if (Value == cur)
        return;
    p.erase(p.begin() + cur);
    p.insert(p.begin() + Value, this);
    pageControl_->Invalidate();
}

int TTabSheet::TabIndex() const
{
    if (!pageControl_ || !tabVisible_)
        return -1;
    int n = 0;
    for (TTabSheet* s : pageControl_->pages_) {
        if (s == this)
            return n;
        if (s->tabVisible_)
            ++n;
    }
    return -1;
}

void TTabSheet::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    if (pageControl_)
        pageControl_->Invalidate();
}

void TTabSheet::CMVisibleChanged(TMessage& Message)
{
    TCustomControl::CMVisibleChanged(Message);
    if (isLoading(this))
        return;
    if (Visible()) {
        if (OnShow)
            OnShow(this);
    } else if (OnHide) {
        OnHide(this);
    }
}

// ---- TPageControl -------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    SetBounds(Left(), Top(), 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : pages_)
        p->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return pages_[size_t(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    if (std::find(pages_.begin(), pages_.end(), Page) == pages_.end())
        pages_.push_back(Page);
    Page->pageControl_ = this;
    PlacePage(Page);
    if (!activePage_)
        ChangeActivePage(Page);
    else
        Page->TCustomControl::SetVisible(false);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    auto it = std::find(pages_.begin(), pages_.end(), Page);
    if (it == pages_.end())
        return;
    if (activePage_ == Page) {
        TTabSheet* next = FindNextPage(Page, true, false);
        if (next == Page)
            next = nullptr;
        ChangeActivePage(next);
    }
    pages_.erase(std::find(pages_.begin(), pages_.end(), Page));
    Page->pageControl_ = nullptr;
    Invalidate();
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? pages_[size_t(Value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->pageControl_ != this)
        return;
    ChangeActivePage(Page);
}

void TPageControl::ChangeActivePage(TTabSheet* Page)
{
    if (activePage_ == Page)
        return;
    TWinControl* focused = GetFocusedControl();
    const bool focusInOld = activePage_ && focused && activePage_->ContainsControl(focused);
    TTabSheet* old = activePage_;
    activePage_ = Page;
    if (Page) {
        PlacePage(Page);
        Page->BringToFront();
        Page->TCustomControl::SetVisible(true);
    }
    if (old && old->pageControl_ == this)
        old->TCustomControl::SetVisible(false);
    if (focusInOld && Page && Page->CanFocus()) {
        if (TWinControl* first = Page->FindNextControl(nullptr, true, true, false))
            first->SetFocus();
        else if (CanFocus())
            SetFocus();
    }
    Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const
{
    const int n = PageCount();
    if (n == 0)
        return nullptr;
    int start = Current ? Current->PageIndex() : -1;
    if (start < 0)
        start = GoForward ? n - 1 : 0;
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TTabSheet* p = pages_[size_t(i)];
        if (!CheckTabVisible || p->tabVisible_)
            return p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible)
{
    TTabSheet* next = FindNextPage(activePage_, GoForward, CheckTabVisible);
    if (next && next != activePage_)
        UserChange(next);
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging && !isLoading(this))
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange && !isLoading(this))
        OnChange(this);
}

void TPageControl::UserChange(TTabSheet* Page)
{
    if (!Page || Page == activePage_)
        return;
    TWeakRef<TControl> self(this);
    if (!CanChange() || !self)
        return;
    ChangeActivePage(Page);
    Change();
}

int TPageControl::TabHeight() const
{
    TCanvas c;
    c.Font().Assign(Font());
    return c.TextHeight(QStringLiteral("Wg")) + 7;
}

TRect TPageControl::DisplayRect() const
{
    const int th = TabHeight();
    return Rect(4, th + 4, std::max(4, Width() - 4), std::max(th + 4, Height() - 4));
}

TRect TPageControl::TabRect(TTabSheet* Page) const
{
    if (!Page || !Page->tabVisible_ || Page->pageControl_ != this)
        return {};
    TCanvas c;
    c.Font().Assign(Font());
    const int th = TabHeight();
    int x = 2;
    for (TTabSheet* p : pages_) {
        if (!p->tabVisible_)
            continue;
        TRect t = Rect(0, 0, 0, 0);
        c.DrawText(t, p->Caption().isEmpty() ? QStringLiteral(" ") : p->Caption(), DT_SINGLELINE | DT_CALCRECT);
        const int w = t.Width() + 12;
        if (p == Page)
            return Rect(x, 2, x + w, th + 2);
        x += w;
    }
    return {};
}

TTabSheet* TPageControl::PageAtPos(TPoint Pos) const
{
    for (TTabSheet* p : pages_) {
        TRect r = TabRect(p);
        if (p == activePage_)
            r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom);
        if (!r.IsEmpty() && r.Contains(Pos))
            return p;
    }
    return nullptr;
}

void TPageControl::PlacePage(TTabSheet* Page)
{
    if (Page)
        Page->SetBoundsRect(DisplayRect());
}

void TPageControl::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Rect = DisplayRect();
}

void TPageControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TCustomControl::AlignControls(AControl, Rect);
    for (TTabSheet* p : pages_)
        PlacePage(p);
}

void TPageControl::Paint()
{
    TCanvas& c = Canvas();
    const int th = TabHeight();
    // The body: a raised frame below the tabs.
    TRect body = Rect(0, th, Width(), Height());
    fillRect(c, body, Color());
    DrawEdge(c, body, EDGE_RAISED, BF_RECT | BF_SOFT);
    // Tabs: the others first, then the active one, raised over the body's edge.
    auto drawTab = [&](TTabSheet* p, bool active) {
        TRect r = TabRect(p);
        if (r.IsEmpty())
            return;
        if (active)
            r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1);
        fillRect(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom), Color());
        fillRect(c, Rect(r.Left, r.Top + 2, r.Left + 1, r.Bottom), clBtnHighlight);
        fillRect(c, Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Top + 2), clBtnHighlight);
        fillRect(c, Rect(r.Left + 2, r.Top, r.Right - 2, r.Top + 1), clBtnHighlight);
        fillRect(c, Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom), clBtnShadow);
        fillRect(c, Rect(r.Right - 1, r.Top + 2, r.Right, r.Bottom), cl3DDkShadow);
        c.Brush().SetStyle(bsClear);
        c.Font().Assign(Font());
        if (!Enabled())
            c.Font().SetColor(clGrayText);
        TRect t = r;
        if (active)
            t.Bottom -= 2;
        c.DrawText(t, p->Caption(), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (active && Focused()) {
            TRect f = Rect(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 2);
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(Color());
            c.DrawFocusRect(f);
        }
    };
    for (TTabSheet* p : pages_)
        if (p != activePage_)
            drawTab(p, false);
    if (activePage_)
        drawTab(activePage_, true);
}

void TPageControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (TTabSheet* p = PageAtPos(Message.Pos())) {
            if (CanFocus() && !Focused()) {
                try {
                    SetFocus();
                } catch (const EInvalidOperation&) {
                }
            }
            UserChange(p);
        }
        break;
    case WM_KEYDOWN:
        switch (Message.CharCode()) {
        case VK_LEFT:
        case VK_UP: SelectNextPage(false); break;
        case VK_RIGHT:
        case VK_DOWN: SelectNextPage(true); break;
        default: break;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TPageControl::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TPageControl::CMDialogKey(TMessage& Message)
{
    TWinControl* focused = GetFocusedControl();
    if (Message.CharCode() == VK_TAB && GetKeyState(VK_CONTROL) < 0 && focused && ContainsControl(focused)) {
        SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(Message);
}

void TPageControl::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    Realign();
}

// ---- TUpDown ------------------------------------------------------------------------------------

namespace {

constexpr uintptr_t kRepeatTimer = 1;
constexpr unsigned kFirstRepeat = 400;
constexpr unsigned kNextRepeat = 100;

String withThousands(int Value)
{
    String digits = IntToStr(std::abs(int64_t(Value)));
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return Value < 0 ? QStringLiteral("-") + digits : digits;
}

}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetBounds(Left(), Top(), 17, 21);
}

void TUpDown::SetMin(int Value)
{
    const int pos = Position();
    min_ = Value;
    SetPosition(pos);
}

void TUpDown::SetMax(int Value)
{
    const int pos = Position();
    max_ = Value;
    SetPosition(pos);
}

int TUpDown::Position() const
{
    if (TWinControl* a = associate_.Get()) {
        String t = a->Text();
        t.remove(QLatin1Char(','));
        int v = 0;
        if (TryStrToInt(t, v))
            return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    }
    return position_;
}

void TUpDown::SetPosition(int Value)
{
    Value = std::clamp(Value, std::min(min_, max_), std::max(min_, max_));
    position_ = Value;
    UpdateAssociate();
}

void TUpDown::SetThousands(bool Value)
{
    position_ = Position();
    thousands_ = Value;
    UpdateAssociate();
}

void TUpDown::SetOrientation(TUDOrientation Value)
{
    if (orientation_ == Value)
        return;
    orientation_ = Value;
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl* Value)
{
    associate_ = TWeakRef<TWinControl>(Value);
    if (!Value)
        return;
    if (Value->Parent() && Parent() != Value->Parent())
        SetParent(Value->Parent());
    const int w = Width();
    Value->SetWidth(std::max(0, Value->Width() - w));
    SetBounds(Value->Left() + Value->Width(), Value->Top(), w, Value->Height());
    UpdateAssociate();
}

void TUpDown::UpdateAssociate()
{
    if (TWinControl* a = associate_.Get())
        a->SetText(thousands_ ? withThousands(position_) : IntToStr(position_));
}

void TUpDown::Step(TUDBtnType Button)
{
    TWeakRef<TControl> self(this);
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!self || !allow)
        return;
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    int pos = Position() + (Button == btNext ? increment_ : -increment_);
    if (pos > hi)
        pos = wrap_ ? lo : hi;
    else if (pos < lo)
        pos = wrap_ ? hi : lo;
    if (pos != position_ || associate_.Get())
        SetPosition(pos);
    if (self && OnClick)
        OnClick(this, Button);
}

TRect TUpDown::ButtonRect(TUDBtnType Button) const
{
    const TRect c = ClientRect();
    if (orientation_ == udVertical) {
        const int mid = c.Height() / 2;
        return Button == btNext ? Rect(0, 0, c.Width(), mid) : Rect(0, mid, c.Width(), c.Height());
    }
    const int mid = c.Width() / 2;
    return Button == btNext ? Rect(mid, 0, c.Width(), c.Height()) : Rect(0, 0, mid, c.Height());
}

void TUpDown::Paint()
{
    TCanvas& c = Canvas();
    for (const TUDBtnType b : {btNext, btPrev}) {
        const TRect r = ButtonRect(b);
        const bool down = pressed_ == int(b) && pressedInside_;
        if (orientation_ == udVertical && Themes().IsActive()) {
            const int state = !Enabled() ? UPS_DISABLED : down ? UPS_PRESSED : UPS_NORMAL;
            Themes().DrawPart(c, QStringLiteral("spin"), b == btNext ? SPNP_UP : SPNP_DOWN, state, r);
        } else {
            unsigned part = orientation_ == udVertical ? (b == btNext ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                                       : (b == btNext ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
            DrawFrameControl(c, r, DFC_SCROLL, part | (down ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
        }
    }
}

void TUpDown::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: {
        const TUDBtnType b = ButtonRect(btNext).Contains(Message.Pos()) ? btNext : btPrev;
        pressed_ = int(b);
        pressedInside_ = true;
        Invalidate();
        TWeakRef<TControl> self(this);
        Step(b);
        if (!self)
            return;
        SetTimer(this, kRepeatTimer, kFirstRepeat);
        break;
    }
    case WM_MOUSEMOVE:
        if (pressed_ >= 0) {
            const bool inside = ButtonRect(TUDBtnType(pressed_)).Contains(Message.Pos());
            if (inside != pressedInside_) {
                pressedInside_ = inside;
                Invalidate();
            }
        }
        break;
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        if (pressed_ >= 0) {
            pressed_ = -1;
            KillTimer(this, kRepeatTimer);
            Invalidate();
        }
        break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TUpDown::WMTimer(TMessage& Message)
{
    if (Message.TimerID() != kRepeatTimer) {
        TCustomControl::WMTimer(Message);
        return;
    }
    if (pressed_ < 0) {
        KillTimer(this, kRepeatTimer);
        return;
    }
    SetTimer(this, kRepeatTimer, kNextRepeat);
    if (pressedInside_)
        Step(TUDBtnType(pressed_));
}

// ---- TSpinEdit ----------------------------------------------------------------------------------

TSpinEdit::TSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner), button_(new TUpDown(this))
{
    button_->SetParent(this);
    button_->SetMin(0);
    button_->SetMax(0);
    button_->OnClick = [this](TObject*, TUDBtnType B) {
        if (CanFocus() && !Focused()) {
            try {
                SetFocus();
            } catch (const EInvalidOperation&) {
            }
        }
        if (B == btNext)
            UpClick();
        else
            DownClick();
    };
    SetText(QStringLiteral("0"));
    PlaceButton();
}

void TSpinEdit::PlaceButton()
{
    const int w = 15;
    const int bw = BorderStyle() == bsSingle ? 2 : 0;
    button_->SetBounds(Width() - bw - w, bw, w, std::max(0, Height() - 2 * bw));
    Editor()->setTextMargins(bw > 0 ? 1 : 0, bw, w + 1, bw);
}

void TSpinEdit::WMSize(TMessage& Message)
{
    TCustomEdit::WMSize(Message);
    PlaceButton();
}

int TSpinEdit::CheckValue(int Value) const
{
    if (maxValue_ != minValue_)
        return std::clamp(Value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
    return Value;
}

int TSpinEdit::Value() const
{
    int v = 0;
    return TryStrToInt(Text(), v) ? v : minValue_;
}

void TSpinEdit::SetValue(int NewValue) { SetText(IntToStr(CheckValue(NewValue))); }

void TSpinEdit::UpClick()
{
    if (!ReadOnly())
        SetValue(Value() + increment_);
}

void TSpinEdit::DownClick()
{
    if (!ReadOnly())
        SetValue(Value() - increment_);
}

bool TSpinEdit::IsValidChar(QChar Key) const
{
    const bool ok = (Key >= u'0' && Key <= u'9') || Key == u'+' || Key == u'-';
    return ok && editorEnabled_;
}

void TSpinEdit::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && (Message.CharCode() == VK_UP || Message.CharCode() == VK_DOWN)) {
        if (Message.CharCode() == VK_UP)
            UpClick();
        else
            DownClick();
        TWinControl::DefaultHandler(Message);
        return;
    }
    if (Message.Msg == WM_CHAR && Message.CharCode() == 8 && !editorEnabled_)
        return;
    TCustomEdit::DefaultHandler(Message);
}

void TSpinEdit::DoExit()
{
    TCustomEdit::DoExit();
    if (CheckValue(Value()) != Value())
        SetValue(Value());
}
