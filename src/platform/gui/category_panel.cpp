#include "platform/gui/category_panel.h"

#include <algorithm>

namespace {

bool isLoading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

TColor blend(TColor A, TColor B, int Num, int Den)
{
    const TColor a = ColorToRGB(A), b = ColorToRGB(B);
    auto mix = [&](int x, int y) { return Den <= 0 ? x : x + (y - x) * Num / Den; };
    return RGBColor(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

// A chevron of two strokes, pointing up or down, its tip row at TipY.
void chevron(TCanvas& C, int Cx, int TipY, bool Up, TColor Color)
{
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color);
    for (int i = 0; i < 4; ++i) {
        const int y = Up ? TipY + i : TipY - i;
        // Two pixels thick strokes left and right of the tip.
        C.FillRect(Rect(Cx - i - 1, y, Cx - i + 1, y + 1));
        C.FillRect(Rect(Cx + i, y, Cx + i + 2, y + 1));
    }
}

}  // namespace

// ---- TCategoryPanelSurface ----------------------------------------------------------------------

TCategoryPanelSurface::TCategoryPanelSurface(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

// ---- TCategoryPanel -----------------------------------------------------------------------------

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    surface_ = new TCategoryPanelSurface(this);
    surface_->SetParent(this);
    surface_->SetAlign(alClient);
    SetAlign(alTop);
    SetBounds(Left(), Top(), 200, fullHeight_);
}

TCategoryPanel::~TCategoryPanel()
{
    if (group_)
        group_->RemovePanel(this);
}

TWinControl* TCategoryPanel::ParentForChild(TControl* Child)
{
    return !surface_ || Child == surface_ ? static_cast<TWinControl*>(this) : surface_;
}

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* Value)
{
    if (group_ == Value)
        return;
    if (group_)
        group_->RemovePanel(this);
    if (Value) {
        // A new panel goes to the bottom of the stack.
        int bottom = 0;
        for (TCategoryPanel* p : Value->panels_)
            bottom = std::max(bottom, p->Top() + p->Height());
        TCustomControl::SetBounds(Left(), bottom, Width(), Height());
    }
    TCustomControl::SetParent(Value);
    if (Value)
        Value->InsertPanel(this);
    SetCollapsed(collapsed_);
    if (collapsed_ && Height() != HeaderHeight()) {
        settingHeight_ = true;
        TCustomControl::SetBounds(Left(), Top(), Width(), HeaderHeight());
        settingHeight_ = false;
    }
    Invalidate();
}

void TCategoryPanel::SetParent(TWinControl* AParent)
{
    if (auto* g = dynamic_cast<TCategoryPanelGroup*>(AParent)) {
        SetPanelGroup(g);
        return;
    }
    if (group_)
        group_->RemovePanel(this);
    TCustomControl::SetParent(AParent);
}

int TCategoryPanel::HeaderHeight() const { return group_ ? group_->HeaderHeight() : 24; }

TRect TCategoryPanel::HeaderRect() const { return Rect(0, 0, Width(), std::min(Height(), HeaderHeight())); }

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!settingHeight_) {
        if (!collapsed_)
            fullHeight_ = AHeight;
        else if (AHeight != Height()) {
            // Collapsed: the height is the one to expand to.
            fullHeight_ = AHeight;
            AHeight = HeaderHeight();
        }
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCategoryPanel::SetCollapsed(bool Value)
{
    const bool changed = collapsed_ != Value;
    collapsed_ = Value;
    settingHeight_ = true;
    if (Value) {
        surface_->Hide();
        TCustomControl::SetBounds(Left(), Top(), Width(), HeaderHeight());
    } else {
        TCustomControl::SetBounds(Left(), Top(), Width(), fullHeight_);
        surface_->Show();
    }
    settingHeight_ = false;
    Invalidate();
    if (!changed || isLoading(this))
        return;
    if (Value) {
        if (OnCollapse)
            OnCollapse(this);
    } else if (OnExpand) {
        OnExpand(this);
    }
}

void TCategoryPanel::SetImage(int Slot, int Value)
{
    images_[Slot] = Value;
    Invalidate();
}

int TCategoryPanel::CurrentImageIndex() const
{
    const int base = collapsed_ ? 3 : 0;
    const int slot = base + (pressed_ && hot_ ? 2 : hot_ ? 1 : 0);
    return images_[slot] >= 0 ? images_[slot] : images_[base];
}

void TCategoryPanel::AlignControls(TControl* AControl, TRect& Rect)
{
    Rect.Top += HeaderHeight();
    if (Rect.Bottom < Rect.Top)
        Rect.Bottom = Rect.Top;
    TCustomControl::AlignControls(AControl, Rect);
}

void TCategoryPanel::PlaceSurface() { Realign(); }

void TCategoryPanel::Paint()
{
    TCanvas& c = Canvas();
    const TRect h = HeaderRect();
    const TColor base = group_ ? group_->GradientBaseColor() : clBtnFace;
    const TColor end = group_ ? group_->GradientColor() : clBtnFace;
    const bool vertical = !group_ || group_->GradientDirection() == gdVertical;
    c.Brush().SetStyle(bsSolid);
    const int steps = vertical ? h.Height() : h.Width();
    for (int i = 0; i < steps; ++i) {
        c.Brush().SetColor(blend(base, end, i, std::max(1, steps - 1)));
        c.FillRect(vertical ? Rect(h.Left, h.Top + i, h.Right, h.Top + i + 1) : Rect(h.Left + i, h.Top, h.Left + i + 1, h.Bottom));
    }
    // A line under the header.
    c.Brush().SetColor(blend(end, clBlack, 1, 4));
    c.FillRect(Rect(h.Left, h.Bottom - 1, h.Right, h.Bottom));
    int x = 4;
    const int index = CurrentImageIndex();
    if (TImageList* il = group_ ? group_->Images() : nullptr; il && index >= 0 && index < il->Count()) {
        il->Draw(c, x, h.Top + (h.Height() - il->Height()) / 2, index, Enabled());
        x += il->Width() + 4;
    }
    const int chevronRoom = 24;
    c.Font().Assign(group_ ? group_->HeaderFont() : Font());
    if (!Enabled())
        c.Font().SetColor(clGrayText);
    c.Brush().SetStyle(bsClear);
    c.DrawText(Rect(x, h.Top, std::max(x, h.Right - chevronRoom), h.Bottom), Caption(),
               DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    // The chevrons: up (collapse) while expanded, down (expand) while collapsed.
    const TColor chev = group_ ? (hot_ ? group_->ChevronHotColor() : group_->ChevronColor()) : clBlack;
    const int cx = h.Right - 13, cy = h.Top + h.Height() / 2;
    if (!collapsed_) {
        chevron(c, cx, cy - 5, true, chev);
        chevron(c, cx, cy, true, chev);
    } else {
        chevron(c, cx, cy - 1, false, chev);
        chevron(c, cx, cy + 4, false, chev);
    }
}

void TCategoryPanel::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (HeaderRect().Contains(Message.Pos())) {
            pressed_ = true;
            Invalidate();
        }
        break;
    case WM_MOUSEMOVE: {
        const bool hot = HeaderRect().Contains(Message.Pos());
        if (hot != hot_) {
            hot_ = hot;
            Invalidate();
        }
        break;
    }
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            Invalidate();
            if (HeaderRect().Contains(Message.Pos())) {
                SetCollapsed(!collapsed_);
                return;
            }
        }
        break;
    case WM_KEYDOWN:
        if (Message.CharCode() == VK_SPACE || Message.CharCode() == VK_RETURN) {
            SetCollapsed(!collapsed_);
            return;
        }
        break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        if (pressed_) {
            pressed_ = false;
            Invalidate();
        }
        break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TCategoryPanel::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTCHARS; }

void TCategoryPanel::CMMouseLeave(TMessage& Message)
{
    if (hot_) {
        hot_ = false;
        Invalidate();
    }
    TCustomControl::CMMouseLeave(Message);
}

void TCategoryPanel::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TCategoryPanel::CMParentColorChanged(TMessage& Message)
{
    TCustomControl::CMParentColorChanged(Message);
    Invalidate();
}

// ---- TCategoryPanelGroup ------------------------------------------------------------------------

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TScrollingWinControl(AOwner)
{
    HorzScrollBar().SetVisible(false);
    VertScrollBar().SetTracking(true);
    headerFont_.OnChange = [this](TObject*) { HeadersChanged(); };
    SetColor(clWindow);
    SetBounds(Left(), Top(), 200, 400);
}

TCategoryPanelGroup::~TCategoryPanelGroup()
{
    headerFont_.OnChange = nullptr;
    for (TCategoryPanel* p : panels_)
        p->group_ = nullptr;
    panels_.clear();
}

TCategoryPanel* TCategoryPanelGroup::Panels(int Index) const
{
    if (Index < 0 || Index >= PanelCount())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return panels_[size_t(Index)];
}

TCategoryPanel* TCategoryPanelGroup::CreatePanel(TComponent* AOwner)
{
    auto* p = new TCategoryPanel(AOwner ? AOwner : this);
    p->SetPanelGroup(this);
    return p;
}

void TCategoryPanelGroup::CollapseAll()
{
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(panels_))
        p->Collapse();
}

void TCategoryPanelGroup::ExpandAll()
{
    for (TCategoryPanel* p : std::vector<TCategoryPanel*>(panels_))
        p->Expand();
}

void TCategoryPanelGroup::InsertPanel(TCategoryPanel* Panel)
{
    if (std::find(panels_.begin(), panels_.end(), Panel) == panels_.end())
        panels_.push_back(Panel);
    Panel->group_ = this;
}

void TCategoryPanelGroup::RemovePanel(TCategoryPanel* Panel)
{
    panels_.erase(std::remove(panels_.begin(), panels_.end(), Panel), panels_.end());
    Panel->group_ = nullptr;
}

void TCategoryPanelGroup::SetHeaderHeight(int Value)
{
    Value = std::max(1, Value);
    if (headerHeight_ == Value)
        return;
    headerHeight_ = Value;
    for (TCategoryPanel* p : panels_) {
        if (p->collapsed_) {
            p->settingHeight_ = true;
            p->TCustomControl::SetBounds(p->Left(), p->Top(), p->Width(), Value);
            p->settingHeight_ = false;
        }
        p->Realign();
    }
    HeadersChanged();
}

void TCategoryPanelGroup::SetImages(TImageList* Value)
{
    if (images_ == Value)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_)
        images_->FreeNotification(this);
    HeadersChanged();
}

void TCategoryPanelGroup::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == images_) {
        images_ = nullptr;
        HeadersChanged();
    }
}

void TCategoryPanelGroup::SetChevronColor(TColor Value)
{
    chevronColor_ = Value;
    HeadersChanged();
}

void TCategoryPanelGroup::SetChevronHotColor(TColor Value)
{
    chevronHotColor_ = Value;
    HeadersChanged();
}

void TCategoryPanelGroup::SetGradientBaseColor(TColor Value)
{
    gradientBaseColor_ = Value;
    HeadersChanged();
}

void TCategoryPanelGroup::SetGradientColor(TColor Value)
{
    gradientColor_ = Value;
    HeadersChanged();
}

void TCategoryPanelGroup::SetGradientDirection(TGradientDirection Value)
{
    gradientDirection_ = Value;
    HeadersChanged();
}

void TCategoryPanelGroup::HeadersChanged()
{
    for (TCategoryPanel* p : panels_)
        p->Invalidate();
}

void TCategoryPanelGroup::Paint() {}
